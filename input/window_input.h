// The window's side of input, on OpenGL: where the pointer lies in the world
// and on the overlay. The window's platform answers the input modules with it.
#pragma once

namespace tf {

// Window pixel (x, y), y counted from the top, unprojected with the current
// matrices: onto the world plane under the camera, and onto the 800 x 600
// overlay (input_gl.cpp).
void unprojectOnWindow(int x, int y, double& worldX, double& worldY, double& overlayX, double& overlayY);

}  // namespace tf
