// Where drawing happens: the virtual 800 x 600 screen on which every overlay
// is laid out, and the camera transform that looks down onto the map.
#pragma once

namespace tf {

// Enter and leave the virtual 800 x 600 screen (origin top left, y down). The
// caller pushes the modelview and translates by the negated position first;
// leave2dortho pops that push together with the projection.
void draw2dortho();
void leave2dortho();

// Loads the camera into the modelview: straight down onto the point below it.
void UpdateCamera();

}  // namespace tf
