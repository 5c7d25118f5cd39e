// The welcome window on the overlay, over everything else the screen shows.
#include "editor/editor.h"
#include "editor/welcome_window.h"

namespace tf {

void drawWelcomeWindow(ScreenLayer layer, bool picking) {
  if (layer != ScreenLayer::Panels || !welcomeShown()) return;
  int timer = 0, menu = 0;
  worldEditor.getWelcome(timer, menu);
  drawPanelPlan(welcomePlan(menu), picking);
}

}  // namespace tf
