// Entering the menu editor.
#include "editor/menu_editor.h"

#include "core/system.h"
#include "editor/editor.h"
#include "menus/ui.h"

namespace tf {

void loadUIEditor() {
  loadMenu(0);
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setEditorMode(kModeFolded);
  worldEditor.setHelpMenu(0);
  worldEditor.setWelcome(1, 2);
}

}  // namespace tf
