// Reading the records of a selection pass: which one lies in front, and what
// it names on the map. The pass itself is in picking_gl.cpp and
// selection_pass_gl.cpp; what a hit does is up to the screen of the state.
#pragma once

#include "core/screen.h"

namespace tf {

// Entries of the selection buffer of one pass.
constexpr int kSelectBufferSize = 512;

// One hit record: its names (the first two of them) and its nearest depth.
struct PickHit {
  int nameCount = 0;
  unsigned names[2] = {0, 0};
  unsigned minDepth = 0;
};

// The record with the smallest minimum depth among the first `hits` records
// of `buffer` (`size` entries), the earlier one on equal depth. False when
// there is none: no hits, a negative count (the buffer overflowed), or a
// record that runs past the buffer's end (it and the ones after are ignored).
bool chooseHit(const unsigned* buffer, int size, int hits, PickHit& hit);

// What the front-most hit names. One name is an object (its index plus 100),
// valid below `objectCount`; two names are a tile (column, row); anything
// else names nothing.
MapHit mapHitOf(const PickHit& hit, int objectCount);

}  // namespace tf
