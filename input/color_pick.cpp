// The colour pick pass and the dispatch of the pixel it reads back.
#include "input/color_pick.h"

#include "console/console.h"
#include "console/console_view.h"
#include "core/clock.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "game/lifecycle.h"
#include "input/dispatch.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"
#include "menus/file_browser.h"
#include "menus/help.h"
#include "menus/help_layout.h"
#include "menus/menu_layout.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// What the mouse event of a pass is for the left button.
bool hovering() { return gameSys.getHoverState(); }
bool dragging() { return gameSys.getDragState(); }
bool leftPress() { return gameSys.getLeftMouse() == kMousePress && !hovering() && !dragging(); }
bool leftRelease() { return gameSys.getLeftMouse() == kMouseRelease && !hovering() && !dragging(); }

bool isColor(const unsigned char* p, const PickColor& c) { return p[0] == c.r && p[1] == c.g && p[2] == c.b; }

bool isPhraseWindowCode(int code) {
  switch (code) {
    case kPickPhraseEditor:
    case kPickPhraseNext:
    case kPickPhrasePrevious:
    case kPickPhraseChoiceNext:
    case kPickPhraseChoicePrevious:
    case kPickPhraseSelector:
      return true;
    default:
      return false;
  }
}

bool editorState(int state) { return state == kStateWorldEditor || state == kStateMenuEditor; }

// A hover pass names what lies under the pointer for the tooltip; a new code
// restarts the tooltip's delay, another element of the same kind does not.
void noteTooltip(int code, int index) {
  int current, currentIndex, time;
  gameUI.getCurrentTT(current, currentIndex, time);
  if (current != code) gameUI.setCurrentTT(code, index, elapsedMs());
}

// The codes of the help window, the console, saving and animation; true when
// `code` is one of them.
bool toolCodes(int code) {
  switch (code) {
    case kPickHelpClose:
      if (!hovering()) {
        playSystemSound(kSoundSelect, 0);
        disableHelp();
      }
      return true;
    case kPickHelpOpen:
      if (leftPress()) enableHelp();
      return true;
    case kPickConsoleToggle:
      if (leftPress()) toggleConsole(true);
      return true;
    case kPickConsoleOlder:
      if (leftPress()) console.scrollOlder();
      return true;
    case kPickConsoleNewer:
      if (leftPress()) console.scrollNewer();
      return true;
    case kPickSave:
      if (leftPress()) saveProject();
      return true;
    case kPickAnimation:
      if (leftPress()) {
        const int state = gameSys.getGameState();
        if (state == kStateWorldEditor) worldEditor.setEditorMode(kModeAnimation);
        if (state == kStateMenuEditor) worldEditor.setEditorMode(kMenuModeAnimation);
      }
      return true;
    default:
      return false;
  }
}

// Dialog button k (0 left, 1 right).
void dialogButton(int k) {
  constexpr int kPressedMark[2] = {kPressedDialogLeft, kPressedDialogRight};
  if (hovering()) {
    gameUI.setHoverButton(k);
  } else if (leftPress()) {
    gameUI.setPressedButton(kPressedMark[k]);
  } else if (leftRelease()) {
    const DialogAction action = dialogButtonAction(gameUI.getCurrentDialogBox(), k);
    buttonAction(action.func, action.func2);
  }
}

// Menu button b of the current menu: a release runs the pressed button when
// the pointer is still over it.
void menuButton(int b) {
  if (hovering()) {
    gameUI.setHoverButton(b);
  } else if (leftPress()) {
    gameUI.setPressedButton(b);
  } else if (leftRelease()) {
    const int menu = gameUI.getCurrentMenu();
    const int pressed = gameUI.getPressedButton();
    if (pressed < 0 || pressed >= gameUI.menuGetButtonCount(menu) || gameUI.getHoverButton() != b) return;
    gameUI.setPressedButton(-1);
    float x, y, w, h;
    int tex, func, func2;
    gameUI.uiGetButton(x, y, w, h, tex, func, func2, menu, pressed);
    buttonAction(func, func2);
  }
}

// Menu textbox t of the current menu: a release starts typing into it.
void menuTextbox(int t) {
  if (hovering()) {
    gameUI.setHoverTextbox(t);
  } else if (leftRelease()) {
    playSystemSound(kSoundSelect, 0);
    gameUI.setTextboxEdit(t);
    gameSys.setInputState(kInputMenuTextbox);
  }
}

// A pixel that names no element of the menus: nothing is hovered or held,
// and a click ends text entry.
bool menuMiss() {
  if (hovering()) {
    gameUI.setHoverButton(-1);
  } else {
    gameUI.setPressedButton(-1);
  }
  if (!hovering() && gameSys.getInputState() != kInputSystemTextbox && !helpShown()) {
    gameSys.setInputState(kInputNormal);
    gameUI.setTextboxEdit(-1);
    gameUI.setHoverButton(-1);
  }
  gameUI.setHoverTextbox(-1);
  return false;
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
  gameSys.setColorPick(true);
  platform().drawPickScene();
  gameSys.setColorPick(false);
  return colorPickCheck();
}

bool colorPickCheck() {
  int x, y;
  gameSys.getMousePos(x, y);
  if (x < 1 || x >= platform().windowWidth() || y < 1 || y >= platform().windowHeight()) return false;
  unsigned char pixel[3] = {0, 0, 0};
  if (!platform().readPixel(x, y, pixel[0], pixel[1], pixel[2])) return false;
  return dispatchPickPixel(pixel);
}

bool dispatchPickPixel(const unsigned char* pixel) {
  const int code = pixel[0], green = pixel[1], index = pixel[2];
  const int state = gameSys.getGameState();
  if (hovering()) noteTooltip(code, index);
  if (isColor(pixel, kPickBlocking)) return true;
  if (isColor(pixel, kPickEmpty)) {
    if (state != kStateMenuEditor && !consoleOpen() && leftPress()) gameSys.setInputState(kInputNormal);
    return false;
  }
  if (code == kPickLogicWord) {
    // The logic editor steps the word or operand (green, blue) here (gameLogicColorPick).
    return true;
  }
  if (!hovering() && isPhraseWindowCode(code)) {
    // The phrase editor and the phrase selector act on their icons here.
    return true;
  }
  if (green != kPickMenuMark && code != kPickImageChooser) {
    clearMenuMarks();
    return false;
  }
  if (code == kPickHelpTopic && leftPress()) {
    if (index < uiHelp.getMenuCount()) {
      playSystemSound(kSoundSelect, 0);
      uiHelp.setHelp(index);
    }
    return true;
  }
  if (code == kPickSystemTextbox && leftPress() && index < kSystemTextboxCount) {
    gameUI.setTextboxEdit(index);
    gameSys.setInputState(kInputSystemTextbox);
    return true;
  }
  if (code == kNoticePick[0] && leftPress()) {
    notice.leaveNotice();
    return true;
  }
  if (editorState(state)) {
    // The menu editor, and the world editor's map and object fields, take their codes here (uiEditorPicking).
  }
  if (dragging()) return false;
  return uiPicking(pixel) || uiAndGameEditorPicking(pixel) || gameEditorPicking(pixel);
}

bool uiPicking(const unsigned char* pixel) {
  const int code = pixel[0], index = pixel[2];
  if (toolCodes(code)) return true;
  const int state = gameSys.getGameState();
  if (state == kStateMenuEditor || state == kStatePlay) return false;
  if (code == kPickDialogLeft || code == kPickDialogRight) {
    dialogButton(code == kPickDialogLeft ? 0 : 1);
    return true;
  }
  const int menu = gameUI.getCurrentMenu();
  if (code == kPickButton && index < gameUI.menuGetButtonCount(menu)) {
    menuButton(index);
    return true;
  }
  if (code == kPickTextbox && index < gameUI.menuGetTextboxCount(menu)) {
    menuTextbox(index);
    return true;
  }
  return menuMiss();
}

bool uiAndGameEditorPicking(const unsigned char* pixel) {
  const int state = gameSys.getGameState();
  if (pixel[0] != kPickPanelToggle || !leftPress() || !editorState(state)) return false;
  const int folded = state == kStateWorldEditor ? static_cast<int>(kModeFolded) : static_cast<int>(kMenuModeFolded);
  worldEditor.setEditorMode(worldEditor.getEditorMode() == folded ? kModeNothing : folded);
  return true;
}

bool gameEditorPicking(const unsigned char* pixel) {
  const int code = pixel[0], index = pixel[2];
  switch (code) {
    case kPickBrowserChoice:
      if (leftPress() && index == 1) browserConfirm();
      if (leftPress() && index == 0) browserCancel();
      return true;
    case kPickBrowserRow:
      if (leftPress()) browserClickRow(index);
      return true;
    case kPickBrowserDown:
      if (leftPress()) browserScrollDown();
      return true;
    case kPickBrowserUp:
      if (leftPress()) browserScrollUp();
      return true;
    default:
      break;
  }
  // The world editor takes its own codes here (its panels, icons, arrows and the image chooser).
  return false;
}

}  // namespace tf
