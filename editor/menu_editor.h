// The menu editor (game state 6), on the menus of the game being edited or on
// one of the toolkit's own menu sets: entering it, and the editor as a
// screen. A click selects a button, textbox or text line, a drag or the arrow
// keys move it, the panel's controls step through the menus, change a menu's
// background and a button's image and size, and add and delete text lines;
// typing edits the selected text line. Every change goes through the history
// of edits (editor/edits.h).
#pragma once

#include <string>

#include "core/screen.h"
#include "menus/menu_layout.h"

namespace tf {

// What the menu editor is doing (the shared editor mode, in game state 6).
enum MenuEditorMode {
  kMenuModeFolded = -2,     // panels folded away
  kMenuModeNothing = -1,    // nothing selected; the panel shows help lines
  kMenuModeMenu = 0,        // the current menu is selected
  kMenuModeButton = 1,      // a button is selected
  kMenuModeTextbox = 2,     // a textbox is selected
  kMenuModeTextline = 3,    // a text line is selected and typing edits it
  kMenuModeAnimation = 4,   // animation editing of a menu image
};

// The arrow keys move the selected item this far.
constexpr float kMenuItemNudge = 5;
// A button's width or height changes by the small step on a left click of
// its controls and by the big one on a right click. It never shrinks below
// the smallest half size that a click can still find on the screen.
constexpr float kButtonSizeStep = 2;
constexpr float kButtonSizeBigStep = 10;
constexpr float kMinButtonHalfSize = 2;
// A new text line: its text, where it is placed and its colour.
constexpr const char* kNewTextline = "New Text";
constexpr float kNewTextlineX = 400, kNewTextlineY = 300;
// Selecting an item holds back this many drag events, so that a click does
// not move what it selects.
constexpr int kSelectDragDelay = 5;

// Shows menu 0 in the menu editor with nothing selected and its welcome window.
void loadUIEditor();

Screen& menuEditorScreen();

// An arrow key moves the selected button, textbox or text line of the current
// menu by 5 units.
void nudgeMenuItem(int key);
// Typing into the selected text line (input state 3): Enter or Escape ends
// it, Backspace removes the last character, a printable character is
// appended; anything else is ignored.
void inputState3Keyboard(unsigned char key);
// Image `image` of the menu images was chosen: by mode, the current menu's
// background, the selected button's image or the image whose animation is
// edited.
void menuEditorImageChosen(int image);

// A text line as the editor shows and measures it: an empty one as "_", so
// that it can be found and clicked.
std::string editorShownText(const std::string& text);

// What the menu renderer marks of the editor's selection.
MenuEditMarks menuEditorMarks();
// True while a drag moves the selected item (the left button held): the
// panels step aside.
bool menuItemDragged();
// True while the menus edited are one of the toolkit's own sets.
bool editingToolkitMenus();

}  // namespace tf
