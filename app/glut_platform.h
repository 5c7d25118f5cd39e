// The platform of the real program: a freeglut window drawn with OpenGL, with
// pictures loaded through DevIL.
#pragma once

namespace tf {

// Makes the window's platform the one in use (after the window exists).
void installWindowPlatform();
// Writes the screenshot asked for, if any, from the frame just drawn and not
// yet shown.
void capturePendingScreenshot();

}  // namespace tf
