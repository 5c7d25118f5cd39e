// Choosing the front-most selection record and what it means.
#include "input/hits.h"

#include <climits>

#include "logic/game_render.h"

namespace tf {
namespace {

// A record: name count, minimum depth, maximum depth, then the names.
constexpr int kRecordHeader = 3;

bool fitsInt(unsigned value) { return value <= static_cast<unsigned>(INT_MAX); }

}  // namespace

bool chooseHit(const unsigned* buffer, int size, int hits, PickHit& hit) {
  bool found = false;
  int at = 0;
  for (int record = 0; record < hits; ++record) {
    if (size - at < kRecordHeader) break;
    const unsigned count = buffer[at];
    if (count > static_cast<unsigned>(size - at - kRecordHeader)) break;
    const unsigned minDepth = buffer[at + 1];
    if (!found || minDepth < hit.minDepth) {
      found = true;
      hit.nameCount = static_cast<int>(count);
      hit.minDepth = minDepth;
      hit.names[0] = count > 0 ? buffer[at + kRecordHeader] : 0;
      hit.names[1] = count > 1 ? buffer[at + kRecordHeader + 1] : 0;
    }
    at += kRecordHeader + static_cast<int>(count);
  }
  return found;
}

MapHit mapHitOf(const PickHit& hit, int objectCount) {
  MapHit result;
  if (hit.nameCount == 1) {
    const unsigned name = hit.names[0];
    if (name < static_cast<unsigned>(kObjectPickBase)) return result;
    const unsigned index = name - kObjectPickBase;
    if (objectCount <= 0 || index >= static_cast<unsigned>(objectCount)) return result;
    result.kind = MapHit::Object;
    result.object = static_cast<int>(index);
  } else if (hit.nameCount == 2) {
    if (!fitsInt(hit.names[0]) || !fitsInt(hit.names[1])) return result;
    result.kind = MapHit::Tile;
    result.column = static_cast<int>(hit.names[0]);
    result.row = static_cast<int>(hit.names[1]);
  }
  return result;
}

}  // namespace tf
