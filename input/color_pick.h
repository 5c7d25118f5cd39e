// Colour picking: the screen is drawn once more, unseen, with every clickable
// thing as a flat rectangle in a colour of its own, and the pixel under the
// pointer says what was hit (the codes are in core/pick_codes.h). This module
// decides which parts of the screen a pick pass draws and hands the pixel
// read back to its owners in a fixed order: the help topics, entry fields and
// notice; the screens of the state; the help and console icons and the
// menus; the game browser; the screens again. The drawing itself is the
// window's (color_pick_gl.cpp).
#pragma once

#include "core/screen.h"

namespace tf {

// What one colour pick pass draws, from back to front. The notice, the
// screens' panels (the editors' welcome window) and the game browser are
// drawn in every pass.
struct PickPassPlan {
  bool help = false;     // the help window alone, while it is shown
  bool menus = false;    // the current menu (and the editors drawn with it)
  bool dialog = false;
  bool console = false;
};
PickPassPlan planPickPass(int gameState, int inputState, bool consoleShown);

// One colour pick pass for the current game state and mouse event; true when
// a handler consumed the pixel under the pointer. No pass runs during the
// splash, nor in play and play-test unless the help window is shown (the
// tooltip is then cleared).
bool colorPickRender();
// Reads the pixel under the pointer and dispatches it; false for a pointer
// outside the window.
bool colorPickCheck();
// Dispatches one pixel (R, G, B) of a pick pass, with the mouse event the
// System records; true when it was consumed.
bool dispatchPickPixel(const unsigned char* pixel);

// The stages of the dispatch; each returns true when it consumed the pick.
// The screens' codes read before the menus'.
bool uiEditorPicking(const PickEvent& e);
// The codes every screen shares: the help and console icons, and outside the
// menu editor and play the dialog buttons, menu buttons and menu textboxes.
bool uiPicking(const PickEvent& e);
// The game browser, then the screens' codes read after the menus'.
bool gameEditorPicking(const PickEvent& e);

// The window's part of a pass: draws the pick scene for the current state
// (color_pick_gl.cpp).
void drawColorPickScene();

}  // namespace tf
