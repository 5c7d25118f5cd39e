// The colour pick scene on OpenGL: the renderers of the screen, each drawing
// its clickable things in their pick colours, in the order of the plan.
#include "console/console.h"
#include "core/system.h"
#include "input/color_pick.h"
#include "input/screens.h"
#include "media/notice.h"
#include "menus/dialog.h"
#include "menus/file_browser.h"
#include "menus/help.h"

namespace tf {

void drawColorPickScene() {
  const PickPassPlan plan =
      planPickPass(gameSys.getGameState(), gameSys.getInputState(), console.getConsoleState());
  if (plan.help) helpRender();
  if (plan.menus) renderMenus();
  if (plan.dialog) dialogRender();
  if (plan.console) consoleRender();
  noticeRender();
  currentScreens().draw(ScreenLayer::Panels, true);
  renderFileBrowser();
}

}  // namespace tf
