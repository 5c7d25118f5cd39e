// The menu editor (game state 6): entering it on the menus of the game being
// edited, and the editor as a screen: Enter ends a selection, the arrow keys
// move the selected button, textbox or text line, typing edits the selected
// text line, and its colour codes.
#pragma once

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

// Shows menu 0 in the menu editor with nothing selected and its welcome window.
void loadUIEditor();

Screen& menuEditorScreen();

// An arrow key moves the selected button, textbox or text line of the current
// menu by 5 units.
void nudgeMenuItem(int key);
// Typing into the selected text line (input state 3): Enter or Escape ends
// it, Backspace removes the last character, anything else is appended.
void inputState3Keyboard(unsigned char key);

// What the menu renderer marks of the editor's selection.
MenuEditMarks menuEditorMarks();

}  // namespace tf
