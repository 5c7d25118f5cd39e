// The codes both editors share.
#include "editor/editor_codes.h"

#include "core/system.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/recovery.h"
#include "game/lifecycle.h"

namespace tf {

bool sharedEditorPick(const PickEvent& e) {
  switch (e.code) {
    case kPickToolbarSave:
      // What is on disk now is the model as it stands.
      if (e.leftPress() && saveProject()) {
        editHistoryLog.markSaved();
        removeRecoveryCopy();
      }
      return true;
    case kPickToolbarAnimation:
      if (e.leftPress()) {
        const int state = gameSys.getGameState();
        if (state == kStateWorldEditor) worldEditor.setEditorMode(kModeAnimation);
        if (state == kStateMenuEditor) worldEditor.setEditorMode(kMenuModeAnimation);
      }
      return true;
    default:
      return false;
  }
}

bool uiAndGameEditorPicking(const PickEvent& e) {
  const int state = gameSys.getGameState();
  if (e.code != kPickPanelToggle || !e.leftPress()) return false;
  if (state != kStateWorldEditor && state != kStateMenuEditor) return false;
  const int folded = state == kStateWorldEditor ? static_cast<int>(kModeFolded) : static_cast<int>(kMenuModeFolded);
  worldEditor.setEditorMode(worldEditor.getEditorMode() == folded ? kModeNothing : folded);
  return true;
}

}  // namespace tf
