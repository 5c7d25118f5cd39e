// The mouse callbacks: button events routed by game state to the selection
// pass, the game's mouse logic and the colour pick of the menus and editors;
// motion without a button runs hover passes, motion with a button drag passes,
// each throttled.
#include "console/console.h"
#include "core/clock.h"
#include "core/numbers.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/world_editor.h"
#include "game/world.h"
#include "input/color_pick.h"
#include "input/dispatch.h"
#include "input/input.h"
#include "logic/evaluation.h"
#include "media/sound.h"
#include "menus/help.h"
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
// The time of the last mouse event that reached the picking, for the logic
// editor's double click.
bool clickSeen = false;
int lastClick = 0;
// Where the open word list of the logic editor last stepped by a drag.
bool wordListAnchored = false;
int wordListAnchorY = 0;

// Far below a unit of the overlay, far above the unprojection's rounding.
constexpr double kUnprojectionSlack = 1e-3;

bool isWheel(int button) { return button == kButtonWheelUp || button == kButtonWheelDown; }

bool inLogicEditor() {
  const int mode = worldEditor.getEditorMode();
  return mode == kModeGlobalLogic || mode == kModeLocalLogic;
}

// The world editor's own rules for a button event before any picking; true
// when the event ends there.
bool worldEditorButton(int button, bool pressed) {
  const bool logic = inLogicEditor();
  if (isWheel(button)) {
    if (logic && pressed && wordListOpen()) {
      // The logic editor steps its open word list here: the wheel down forward, up back.
    }
    return true;
  }
  if (button == kButtonMiddle) {
    if (pressed) return true;
    if (!logic && gameUI.getCurrentMenu() == gameUI.getEditorMenu() && worldEditor.getImageMenuTimer() <= 0 &&
        worldEditor.getTemplateSelectState() == 0) {
      addObject();
    }
  }
  int timer, sentence, step;
  worldEditor.getGLTimer(timer, sentence, step);
  const int now = elapsedMs();
  if (logic && pressed && timer >= 0 && clickSeen && now >= lastClick && now - lastClick < kWordListDoubleClickMs) {
    worldEditor.setGLTimer(-1, 0, 0);
    lastClick = now;
    return true;
  }
  return false;
}

// Play: a press takes down the shown image and phrase; every press and
// release runs the selection pass (the mouse logic with the object under the
// pointer) and the mouse logic once more with no object selected.
void playButton(bool pressed) {
  if (pressed) {
    world.setGameBox(0, 0);
    world.setDisplayPhrase(-1, -1);
  }
  platform().selectionPass();
  world.setSelectedObject(-1);
  updateMouseLogic();
}

}  // namespace

void clearMenuMarks() {
  gameUI.setHoverButton(-1);
  gameUI.setPressedButton(-1);
  gameUI.setHoverTextbox(-1);
}

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
  if (gameState == kStateWorldEditor && worldEditorButton(button, pressed)) return;
  clickSeen = true;
  lastClick = elapsedMs();
  if (gameState == kStateMenuEditor && !helpShown()) gameSys.setInputState(kInputNormal);

  switch (gameState) {
    case kStateWorldEditor:
    case kStateMenuEditor:
      if (colorPickRender()) return;
      if (pressed) platform().selectionPass();
      break;
    case kStatePlay:
    case kStatePlaytest:
      playButton(pressed);
      [[fallthrough]];
    case kStateMenus:
    case kStateIngameMenu:
    case kStateDialog:
      if (button == kButtonLeft && colorPickRender()) return;
      break;
    case kStateSplash:
      gameState3Mouse(button, state);
      break;
    default:
      break;
  }
  if (!pressed) clearMenuMarks();
  if (gameSys.getGameState() == kStateMenuEditor && worldEditor.getEditorMode() == kMenuModeTextline &&
      button == kButtonLeft && !pressed) {
    worldEditor.setEditorMode(kMenuModeMenu);
  }
}

void gameState3Mouse(int, int state) {
  if (state != kButtonUp) return;
  stopSystemSound(kSoundMelody);
  gameSys.setStartingSystemTime(elapsedMs());
  gameSys.setGameState(kStateMenus);
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
  if (!wordListAnchored) {
    wordListAnchored = true;
    wordListAnchorY = y;
  }
  if (gameSys.getDisableMouseState()) return;
  if (gameSys.getDragDelay() > 0) {
    gameSys.setDragDelay(gameSys.getDragDelay() - 1);
    return;
  }
  if (helpShown()) return;
  updateMousePos(x, y);

  const int state = gameSys.getGameState();
  if (state == kStateWorldEditor && inLogicEditor() && wordListOpen() &&
      (y > wordListAnchorY + kWordListDragStep || y < wordListAnchorY - kWordListDragStep)) {
    // The logic editor steps its open word list here: forward when dragged down, back when up.
    wordListAnchorY = y;
  }
  if (state == kStateWorldEditor && worldEditor.getEditorMode() == kModeObject) {
    // The world editor moves the selected objects with the pointer's world position here.
  }

  const int mode = worldEditor.getEditorMode();
  const bool draggingMenuItem = state == kStateMenuEditor && mode != kMenuModeMenu && mode != kMenuModeNothing;
  if (!dragThrottle.due(elapsedMs(), draggingMenuItem ? kMenuEditorDragThrottleMs : kDragThrottleMs)) return;
  gameSys.setDragState(true);
  colorPickRender();
  gameSys.setDragState(false);
}

void resetInputDispatch() {
  hoverThrottle.reset();
  dragThrottle.reset();
  clickSeen = false;
  lastClick = 0;
  wordListAnchored = false;
  wordListAnchorY = 0;
}

}  // namespace tf
