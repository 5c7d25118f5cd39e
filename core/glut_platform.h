// The platform of the real program: a freeglut window drawn with OpenGL, with
// pictures loaded through DevIL.
#pragma once

namespace tf {

// Makes the window's platform the one in use (after the window exists).
void installWindowPlatform();

}  // namespace tf
