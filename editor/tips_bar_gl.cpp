// The tips bar on the overlay.
#include "core/system.h"
#include "editor/editor.h"
#include "editor/tips_bar.h"

namespace tf {

void drawTipsBar(ScreenLayer layer, bool picking) {
  if (layer != ScreenLayer::Panels || !tipsBarShown()) return;
  drawPanelPlan(tipsBarPlan(gameSys.getGameState(), worldEditor.getCurrentTip()), picking);
}

}  // namespace tf
