// The decisions behind the input callbacks of input.h: the handlers of each
// input state, the splash and hover passes, and the throttles of the
// pointer's motion. Everything here works on plain arguments, so it runs
// without a window. The codes of keys and buttons are in core/keys.h.
#pragma once

#include "core/keys.h"

namespace tf {

// Motion without a button runs a hover pass at most this often; motion with
// a button held a drag pass (more often while the menu editor drags an item).
constexpr int kHoverThrottleMs = 30;
constexpr int kDragThrottleMs = 30;
constexpr int kMenuEditorDragThrottleMs = 5;

// Typed characters, by input state: 0 normal (the screens of the state), 1
// console, 2 and 5 textboxes, 3 the menu editor's text line, 4 help.
void inputState0Keyboard(unsigned char key);
void inputState1Keyboard(unsigned char key);
void inputState2Keyboard(unsigned char key);
void inputState4Keyboard(unsigned char key);

// Hover passes: over menus and editors, and over a dialog.
void gameState0MousePassive();
void gameState4MousePassive();

}  // namespace tf
