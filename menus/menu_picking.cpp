// The menus' and dialogs' colour codes.
#include "menus/menu_picking.h"

#include "core/clock.h"
#include "core/system.h"
#include "media/sound.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"
#include "menus/help.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// Dialog button k (0 left, 1 right).
void dialogButton(const PickEvent& e, int k) {
  constexpr int kPressedMark[2] = {kPressedDialogLeft, kPressedDialogRight};
  if (e.hover) {
    gameUI.setHoverButton(k);
  } else if (e.leftPress()) {
    gameUI.setPressedButton(kPressedMark[k]);
  } else if (e.leftRelease()) {
    const DialogAction action = dialogButtonAction(gameUI.getCurrentDialogBox(), k);
    buttonAction(action.func, action.func2);
  }
}

// Menu button b of the current menu: a release runs the pressed button when
// the pointer is still over it.
void menuButton(const PickEvent& e, int b) {
  if (e.hover) {
    gameUI.setHoverButton(b);
  } else if (e.leftPress()) {
    gameUI.setPressedButton(b);
  } else if (e.leftRelease()) {
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
void menuTextbox(const PickEvent& e, int t) {
  if (e.hover) {
    gameUI.setHoverTextbox(t);
  } else if (e.leftRelease()) {
    playSystemSound(kSoundSelect, 0);
    gameUI.setTextboxEdit(t);
    gameSys.setInputState(kInputMenuTextbox);
  }
}

// A pixel that names no element of the menus: nothing is hovered or held,
// and a click ends text entry.
bool menuMiss(const PickEvent& e) {
  if (e.hover) {
    gameUI.setHoverButton(-1);
  } else {
    gameUI.setPressedButton(-1);
  }
  if (!e.hover && gameSys.getInputState() != kInputSystemTextbox && !helpShown()) {
    gameSys.setInputState(kInputNormal);
    gameUI.setTextboxEdit(-1);
    gameUI.setHoverButton(-1);
  }
  gameUI.setHoverTextbox(-1);
  return false;
}

}  // namespace

bool menuPicking(const PickEvent& e) {
  if (e.code == kPickDialogLeft || e.code == kPickDialogRight) {
    dialogButton(e, e.code == kPickDialogLeft ? 0 : 1);
    return true;
  }
  const int menu = gameUI.getCurrentMenu();
  if (e.code == kPickButton && e.blue < gameUI.menuGetButtonCount(menu)) {
    menuButton(e, e.blue);
    return true;
  }
  if (e.code == kPickTextbox && e.blue < gameUI.menuGetTextboxCount(menu)) {
    menuTextbox(e, e.blue);
    return true;
  }
  return menuMiss(e);
}

void clearMenuMarks() {
  gameUI.setHoverButton(-1);
  gameUI.setPressedButton(-1);
  gameUI.setHoverTextbox(-1);
}

void noteTooltip(const PickEvent& e) {
  int current, currentIndex, time;
  gameUI.getCurrentTT(current, currentIndex, time);
  if (current != e.code) gameUI.setCurrentTT(e.code, e.blue, elapsedMs());
}

}  // namespace tf
