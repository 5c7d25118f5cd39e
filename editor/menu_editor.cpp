// Entering the menu editor.
#include "editor/menu_editor.h"

#include "core/system.h"
#include "editor/editor.h"
#include "menus/ui.h"

namespace tf {
namespace {

// The welcome window of the menu editor.
constexpr int kMenuEditorWelcome = 2;

}  // namespace

void loadUIEditor() {
  loadMenu(0);
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setCurrentTip(0);
  worldEditor.setEditorMode(kMenuModeNothing);
  worldEditor.setHelpMenu(0);
  worldEditor.setWelcome(1, kMenuEditorWelcome);
}

}  // namespace tf
