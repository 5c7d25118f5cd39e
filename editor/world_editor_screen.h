// The world editor (game state 5) as a screen: its keys (the layers, the
// current object's size and the camera on it, the select-all switch), its
// mouse buttons (the wheel, a middle click adding an object), what the map's
// selection pass hits, and its colour codes.
#pragma once

#include "core/screen.h"

namespace tf {

Screen& worldEditorScreen();

// Shift and an arrow key resize the current object of the current map:
// up h - 0.01, down h + 0.01, left w - 0.01, right w + 0.01.
void resizeCurrentObject(int key);

}  // namespace tf
