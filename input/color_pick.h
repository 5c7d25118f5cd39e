// Colour picking: the screen is drawn once more, unseen, with every clickable
// thing as a flat rectangle in a colour of its own, and the pixel under the
// pointer says what was hit. Red is the pick code, green 144 for menu-level
// things, blue the index within a list. This module decides which parts of
// the screen a pick pass draws and dispatches the pixel read back to the
// menus, dialogs, help, the console, the notice and the game browser; the
// drawing itself is the window's (color_pick_gl.cpp).
#pragma once

namespace tf {

// Pick codes shared by every screen (the red byte). Codes of single screens
// are declared with them: menus (menu_layout.h), dialogs (dialog.h), help
// (help_layout.h), the console (console_view.h), the notice (notice.h) and the
// game browser (file_browser.h).
constexpr int kPickPanelToggle = 2;      // the editors' fold/unfold icons
constexpr int kPickSave = 40;            // '(': save the project
constexpr int kPickAnimation = 41;       // ')': animation editing
constexpr int kPickHelpOpen = 55;        // '7': open the help window
constexpr int kPickLogicWord = 62;       // '>': a word of the logic editor
constexpr int kPickImageChooser = 85;    // 'U': an image of the image chooser
// The phrase editor ('i', 'j', 'k') and the phrase selector ('r', 's', 't').
constexpr int kPickPhraseEditor = 105;
constexpr int kPickPhraseNext = 106;
constexpr int kPickPhrasePrevious = 107;
constexpr int kPickPhraseChoiceNext = 114;
constexpr int kPickPhraseChoicePrevious = 115;
constexpr int kPickPhraseSelector = 116;

// What one colour pick pass draws, from back to front. The notice, the
// editors' welcome window and the game browser are drawn in every pass.
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
// Dispatches one pixel (R, G, B) of a pick pass; true when it was consumed.
bool dispatchPickPixel(const unsigned char* pixel);

// The code handlers; each returns true when it consumed the pick.
// The codes every screen shares: help, console, save, animation, dialog
// buttons, menu buttons and menu textboxes.
bool uiPicking(const unsigned char* pixel);
// The fold/unfold icons of the editors' panels.
bool uiAndGameEditorPicking(const unsigned char* pixel);
// The game browser, then the world editor's own codes.
bool gameEditorPicking(const unsigned char* pixel);

// The window's part of a pass: draws the pick scene for the current state
// (color_pick_gl.cpp).
void drawColorPickScene();

}  // namespace tf
