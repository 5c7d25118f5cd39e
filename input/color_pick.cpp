// The colour pick pass and the order in which the pixel it reads back is
// offered to the codes' owners.
#include "input/color_pick.h"

#include "console/console.h"
#include "core/platform.h"
#include "core/system.h"
#include "input/screens.h"
#include "media/notice.h"
#include "menus/file_browser.h"
#include "menus/help.h"
#include "menus/menu_picking.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

bool isColor(const PickEvent& e, const PickColor& c) { return e.code == c.r && e.green == c.g && e.blue == c.b; }

bool editorState(int state) { return state == kStateWorldEditor || state == kStateMenuEditor; }

PickEvent pickEventOf(const unsigned char* pixel) {
  PickEvent e;
  e.code = pixel[0];
  e.green = pixel[1];
  e.blue = pixel[2];
  e.left = gameSys.getLeftMouse();
  e.right = gameSys.getRightMouse();
  e.hover = gameSys.getHoverState();
  e.drag = gameSys.getDragState();
  return e;
}

}  // namespace

PickPassPlan planPickPass(int gameState, int inputState, bool consoleShown) {
  PickPassPlan plan;
  if (inputState == kInputHelp) {
    plan.help = true;
    return plan;
  }
  plan.menus = gameState == kStateMenus || gameState == kStateIngameMenu || editorState(gameState);
  plan.dialog = gameState == kStateDialog;
  plan.console = consoleShown;
  return plan;
}

bool colorPickRender() {
  const int state = gameSys.getGameState();
  if (state == kStateSplash) return false;
  if ((state == kStatePlay || state == kStatePlaytest) && !helpShown()) {
    gameUI.setCurrentTT(-1, -1, 0);
    return false;
  }
  unsigned char pixel[3] = {0, 0, 0};
  return pickUnderPointer(pixel) && dispatchPickPixel(pixel);
}

bool colorPickCheck() {
  unsigned char pixel[3] = {0, 0, 0};
  return readPixelUnderPointer(pixel) && dispatchPickPixel(pixel);
}

bool dispatchPickPixel(const unsigned char* pixel) {
  const PickEvent e = pickEventOf(pixel);
  if (e.hover) noteTooltip(e);
  if (isColor(e, kPickBlocking)) return true;
  if (isColor(e, kPickEmpty)) {
    if (gameSys.getGameState() != kStateMenuEditor && !consoleOpen() && e.leftPress()) {
      gameSys.setInputState(kInputNormal);
    }
    return false;
  }
  if (e.green != kPickMenuMark && !pickCarriesData(e.code)) {
    clearMenuMarks();
    return false;
  }
  if (helpTopicPick(e) || systemTextboxPick(e) || noticePick(e)) return true;
  if (uiEditorPicking(e)) return true;
  if (e.drag) return false;
  return uiPicking(e) || gameEditorPicking(e);
}

bool uiEditorPicking(const PickEvent& e) { return currentScreens().pick(e); }

bool uiPicking(const PickEvent& e) {
  if (helpButtonPick(e) || consolePick(e)) return true;
  const int state = gameSys.getGameState();
  if (state == kStateMenuEditor || state == kStatePlay) return false;
  return menuPicking(e);
}

bool gameEditorPicking(const PickEvent& e) { return browserPick(e) || currentScreens().pickAfterMenus(e); }

}  // namespace tf
