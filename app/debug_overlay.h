// The debug overlay (a translucent panel of figures about the program, the
// game and the menus, shown in debug mode) and the volume indicator shown for
// a moment after the volume changes. What they show and where is decided here;
// the drawing is in debug_overlay_gl.cpp.
#pragma once

#include <string>
#include <vector>

namespace tf {

// The panel's place when nothing is in its way, and its half size.
constexpr float kDebugPanelX = 700, kDebugPanelY = 86;
constexpr float kDebugPanelHalfWidth = 98, kDebugPanelHalfHeight = 79;
// Where it goes when the console or the mouse would cover it.
constexpr float kDebugPanelLoweredY = 500;
// Lines are written this far left of the panel's centre, one below the other.
constexpr float kDebugTextIndent = 80;
constexpr float kDebugLineSpacing = 13;

// One text line of the overlay at (x, y) on the 800 x 600 screen.
struct OverlayLine {
  float x = 0, y = 0;
  std::string text;
};

struct DebugOverlay {
  bool shown = false;  // false: nothing at all is drawn this frame
  float x = kDebugPanelX, y = kDebugPanelY;
  std::vector<OverlayLine> lines;
};

// The overlay of this frame, from the program's state: the panel moves away
// from the open console and from the mouse; its lines give the version, the
// measured frame rate, the camera, the mouse on the screen and in the world,
// the seconds since start, and a section about the game or the menus by game
// state.
DebugOverlay planDebugOverlay();
// Draws it (debug_overlay_gl.cpp); called in debug mode only.
void debugRender();

// The volume indicator: the volume's timer runs down by 20 a frame from the
// 1000 a volume change sets, so the indicator shows for 50 frames. True (and
// the timer is counted down) when it shows this frame.
bool stepVolumeIndicator();
// The indicator's text: the volume on a scale of 0 to 10.
std::string volumeText(float volume);
// Counts the timer down and draws the indicator when it shows.
void renderVolume();

}  // namespace tf
