// The program's skeleton: start-up, the frame callback that draws one frame
// and advances the game one step, reshape and idle, the overlay projection on
// which every screen-space drawing is placed, and the camera transform.
#pragma once

namespace tf {

// Runs the start-up sequence and enters the window toolkit's event loop.
void init();
void display();
void changeSize(int w, int h);
// Asks for the next frame; called when the event loop wakes for it.
void idleFunc();

// Enter and leave the virtual 800 x 600 screen (origin top left, y down). The
// caller pushes the modelview and translates by the negated position first;
// leave2dortho pops that push together with the projection.
void draw2dortho();
void leave2dortho();

// Loads the camera into the modelview: straight down onto the point below it.
void UpdateCamera();

}  // namespace tf
