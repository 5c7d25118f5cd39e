// The mouse callbacks: button events go to the screens of the state, then to
// the colour pick and the selection pass; motion without a button runs hover
// passes, motion with a button drag passes, each throttled.
#include "core/clock.h"
#include "core/numbers.h"
#include "core/platform.h"
#include "core/run_state.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "input/color_pick.h"
#include "input/dispatch.h"
#include "input/input.h"
#include "input/screens.h"
#include "menus/help.h"
#include "menus/menu_picking.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// Lets an event through when at least `interval` ms have passed since the
// last one it let through. A clock that reads earlier than that (a new
// clock) lets it through.
class Throttle {
 public:
  bool due(int now, int interval) {
    if (passed_ && now >= last_ && now - last_ < interval) return false;
    passed_ = true;
    last_ = now;
    return true;
  }
  void reset() { passed_ = false; }

 private:
  bool passed_ = false;
  int last_ = 0;
};

Throttle hoverThrottle;
Throttle dragThrottle;

void resetThrottles() {
  hoverThrottle.reset();
  dragThrottle.reset();
}
const bool registered = registerRunStateReset(resetThrottles);

// Far below a unit of the overlay, far above the unprojection's rounding.
constexpr double kUnprojectionSlack = 1e-3;

// The colour pick of a button event, by the state the event began in: in
// the editors on every event (with a selection pass after a press nothing
// took), in the menus, dialog and play on the left button. True when a code
// took the event.
bool pickForButton(int gameState, int button, bool pressed) {
  switch (gameState) {
    case kStateWorldEditor:
    case kStateMenuEditor:
      if (colorPickRender()) return true;
      if (pressed) platform().selectionPass();
      return false;
    case kStatePlay:
    case kStatePlaytest:
    case kStateMenus:
    case kStateIngameMenu:
    case kStateDialog:
      return button == kButtonLeft && colorPickRender();
    default:
      return false;
  }
}

}  // namespace

void updateMousePos(int x, int y) {
  double worldX = 0, worldY = 0, overlayX = 0, overlayY = 0;
  platform().unprojectPointer(x, y, worldX, worldY, overlayX, overlayY);
  gameSys.setNormalPos(worldX, worldY);
  // The unprojection comes back a hair below a whole unit as often as not;
  // truncated as it is, the pointer would sit one unit left of and above
  // where it is.
  gameSys.setOrthoPos(truncToInt(overlayX + kUnprojectionSlack), truncToInt(overlayY + kUnprojectionSlack));
  gameSys.setMousePos(x, y);
}

void mouse(int button, int state, int x, int y) {
  gameSys.setDragState(false);
  if (gameSys.getDisableMouseState()) return;
  // The click is picked where it happened, even when no motion was seen
  // since the pointer got there (while a game loaded, for instance).
  updateMousePos(x, y);
  const bool pressed = state == kButtonDown;
  const int event = pressed ? kMousePress : kMouseRelease;
  gameSys.setLeftMouse(button == kButtonLeft ? event : kMouseNoEvent);
  gameSys.setRightMouse(button == kButtonRight ? event : kMouseNoEvent);
  gameUI.setCurrentTT(-1, -1, 0);
  if (helpShown() && button == kButtonLeft && !pressed) return;

  const int gameState = gameSys.getGameState();
  const ScreenRow screens = currentScreens();
  const ButtonEvent e{button, pressed, elapsedMs()};
  if (screens.button(e)) return;
  if (pickForButton(gameState, button, pressed)) return;
  if (!pressed) clearMenuMarks();
  screens.buttonMissed(e);
}

void mousePassive(int x, int y) {
  if (gameSys.getDisableMouseState()) return;
  updateMousePos(x, y);
  gameSys.setDragState(false);
  if (!hoverThrottle.due(elapsedMs(), kHoverThrottleMs)) return;
  clearMenuMarks();
  // The help window takes no hover passes: it has nothing that hovering changes.
  if (helpShown()) return;
  gameSys.setHoverCheck(true);
  const int state = gameSys.getGameState();
  if (state == kStateDialog) {
    gameState4MousePassive();
  } else if (state != kStateSplash) {
    gameState0MousePassive();
  }
  gameSys.setHoverCheck(false);
}

void gameState0MousePassive() {
  gameUI.setHoverButton(-1);
  colorPickRender();
}

void gameState4MousePassive() { colorPickRender(); }

void mouseDrag(int x, int y) {
  if (gameSys.getDisableMouseState()) return;
  if (gameSys.getDragDelay() > 0) {
    gameSys.setDragDelay(gameSys.getDragDelay() - 1);
    return;
  }
  if (helpShown()) return;
  updateMousePos(x, y);

  DragEvent e;
  e.x = x;
  e.y = y;
  gameSys.getOrthoPos(e.overlayX, e.overlayY);
  gameSys.getNormalPos(e.worldX, e.worldY);
  currentScreens().drag(e);

  const int state = gameSys.getGameState();
  const int mode = worldEditor.getEditorMode();
  const bool draggingMenuItem = state == kStateMenuEditor && mode != kMenuModeMenu && mode != kMenuModeNothing;
  if (!dragThrottle.due(elapsedMs(), draggingMenuItem ? kMenuEditorDragThrottleMs : kDragThrottleMs)) return;
  gameSys.setDragState(true);
  colorPickRender();
  gameSys.setDragState(false);
}

}  // namespace tf
