// The world editor (game state 5) as a screen: its keys (the layers; the
// selection moved, resized, deleted, the camera on it; the select-all switch),
// its mouse buttons (the wheel, a middle click adding an object, a drag of
// the selection), what the map's selection pass hits, and its colour codes.
#pragma once

#include "core/screen.h"

namespace tf {

Screen& worldEditorScreen();

}  // namespace tf
