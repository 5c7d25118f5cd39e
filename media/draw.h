// Drawing a registered picture: a textured rectangle given by its centre and
// half extents, either on the 800 x 600 screen overlay or in the game world,
// and one frame of an animation strip.
#pragma once

namespace tf {

// Pick arguments: draw normally, or draw an untextured rectangle in the colour
// the caller set (a colour pick pass). Values of 0 and above draw normally and
// name the rectangle for the selection pass.
constexpr int kPickNone = -1;
constexpr int kPickFlat = -2;

// Draws texture `tex` centred at (x, y, z) with half extents (w, h) in colour
// (r, g, b, a); `ov` places it on the overlay, `al` blends with the picture's
// own transparency. False (and a notice) for parameters that cannot be drawn.
bool displayTexture(float x, float y, float z, float w, float h, float r, float g, float b, int tex,
                    bool ov, bool al, float a, int pick);
// Draws cell `frame` (0..9) of the ten-cell animation strip `tex`.
bool displayFrame(float x, float y, float z, float w, float h, int tex, float frame, bool ov, bool al,
                  int pick);

}  // namespace tf
