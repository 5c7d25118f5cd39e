// The evaluation of the game's logic sentences, frame by frame and on input.
#pragma once

namespace tf {

// Runs the mouse openers of the current map once, for a mouse button event in play.
void updateMouseLogic();

}  // namespace tf
