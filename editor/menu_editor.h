// Entering the menu editor on the menus of the game being edited.
#pragma once

namespace tf {

void loadUIEditor();

}  // namespace tf
