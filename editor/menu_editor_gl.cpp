// The menu editor's panel on the overlay, over the menu it edits.
#include "editor/menu_editor.h"
#include "editor/menu_editor_panel.h"

namespace tf {

void drawMenuEditor(ScreenLayer layer, bool picking) {
  if (layer != ScreenLayer::OverMenu) return;
  drawPanelPlan(menuEditorPanel(), picking);
}

}  // namespace tf
