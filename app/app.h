// The program's skeleton: start-up, the frame callback that draws one frame
// and advances the game one step, reshape and idle.
#pragma once

namespace tf {

// Runs the start-up sequence and enters the window toolkit's event loop.
void init();
void display();
void changeSize(int w, int h);
// Asks for the next frame; called when the event loop wakes for it.
void idleFunc();

}  // namespace tf
