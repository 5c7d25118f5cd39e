// Exact comparison of sentences and the memory held by whole objects and maps,
// for the recorded changes that keep them.
#include "editor/edit_changes.h"

#include "game/world.h"

namespace tf {

const gameMap* readMap(int m) { return static_cast<const gameWorld&>(world).mapAt(m); }

bool same(const sentence& a, const sentence& b) {
  for (int step = 0; step < kSentenceSteps; ++step) {
    if (a.getSentenceStep(step) != b.getSentenceStep(step)) return false;
  }
  return a.getOwner() == b.getOwner() && a.getExecutionState() == b.getExecutionState() &&
         a.getTimer() == b.getTimer();
}

std::size_t extraBytes(const gameObject& o) {
  return static_cast<std::size_t>(o.localGetSentenceAmount()) * sizeof(sentence) + extraBytes(o.getObjectName());
}

std::size_t extraBytes(const gameMap& map) {
  std::size_t total = static_cast<std::size_t>(map.getTileCount()) * sizeof(mapTile) +
                      static_cast<std::size_t>(map.globalGetSentenceAmount()) * sizeof(sentence);
  for (int i = 0; i < map.mapGetObjectCount(); ++i) total += sizeof(gameObject) + extraBytes(*map.mapObjectAt(i));
  int w = 0, h = 0;
  std::string name;
  map.getMap(w, h, name);
  return total + extraBytes(name);
}

}  // namespace tf
