// The logic editor (editor modes 6 and 7 of the world editor) as a screen:
// its open word list, closed by Enter or Escape and by a second press within
// 200 ms, stepped by the wheel, the arrow keys and dragging; and its colour
// codes (the words of the sentences and the icons of the rows).
#pragma once

#include "core/screen.h"

namespace tf {

Screen& logicEditorScreen();

// Two presses closer than this close the word list.
constexpr int kWordListDoubleClickMs = 200;
// The open word list steps once per this many pixels of vertical drag.
constexpr int kWordListDragStep = 10;

// The word list is open.
bool wordListOpen();

}  // namespace tf
