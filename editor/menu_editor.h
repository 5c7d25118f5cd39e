// Entering the menu editor on the menus of the game being edited.
#pragma once

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

// Shows menu 0 in the menu editor with nothing selected and its welcome window.
void loadUIEditor();

}  // namespace tf
