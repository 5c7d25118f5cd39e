// Reading the records of a selection pass: which one lies in front, and what
// a hit on an object or a tile does in the current game state. The pass
// itself and the dispatch are in picking_gl.cpp and selection_pass_gl.cpp.
#pragma once

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

enum class PickActionKind {
  None,
  SelectInPlay,   // the world's selected object, then the mouse logic
  EditorObject,   // the world editor's object selection
  EditorTile,     // the world editor's tile selection
};

struct PickAction {
  PickActionKind kind = PickActionKind::None;
  int object = -1;
  int column = 0, row = 0;
  bool recordPickTime = false;  // the editor remembers when it was picked
};

// What the front-most hit does. One name is an object (its index plus 100),
// valid below `objectCount`; two names are a tile (column, row), picked in the
// world editor when not dragging. In the world editor nothing happens while
// the image chooser or the macro menu is open (`editorOverlayOpen`).
PickAction decidePick(const PickHit& hit, int gameState, bool editorOverlayOpen, bool dragging,
                      int objectCount);

}  // namespace tf
