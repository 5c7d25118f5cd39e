// A game played or play-tested (game states 2 and 7) and the in-game menu over
// a paused game (state 1) as screens: Escape pauses, resumes or ends a
// play-test; any special key takes down a shown image and phrase whose time
// has come; a mouse button runs the mouse logic with the object under the
// pointer. The game's keys themselves are kept by the input callbacks.
#pragma once

#include <functional>

#include "core/screen.h"

namespace tf {

Screen& playScreen();
Screen& pausedGameScreen();

// Ends the play-test at the start of the next frame (Escape, or the "end
// game" action, while play-testing). The world editor installs what that
// means at start-up.
void endPlaytest();
void setPlaytestEnd(std::function<void()> end);

}  // namespace tf
