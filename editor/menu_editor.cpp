// Entering the menu editor, and its screen.
#include "editor/menu_editor.h"

#include <string>

#include "console/console.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/editor_codes.h"
#include "menus/help.h"
#include "menus/ui.h"

namespace tf {
namespace {

// The welcome window of the menu editor.
constexpr int kMenuEditorWelcome = 2;

class MenuEditorScreen : public Screen {
 public:
  // Enter, with the console and help closed, ends the selection.
  bool onKey(unsigned char key, int) override {
    if (key == kCharEnter && !consoleOpen() && !helpShown()) endSelection();
    return false;
  }

  bool onSpecialKey(int key, int) override {
    if (!consoleOpen() && isArrowKey(key)) nudgeMenuItem(key);
    return false;
  }

  // Every button event ends typing first, unless help is shown.
  bool onButton(const ButtonEvent&) override {
    if (!helpShown()) gameSys.setInputState(kInputNormal);
    return false;
  }

  // A left release that nothing took ends the selection of a text line.
  void onButtonMissed(const ButtonEvent& e) override {
    if (gameSys.getGameState() == kStateMenuEditor && worldEditor.getEditorMode() == kMenuModeTextline &&
        e.button == kButtonLeft && !e.pressed) {
      worldEditor.setEditorMode(kMenuModeMenu);
    }
  }

  bool onPick(const PickEvent& e) override { return sharedEditorPick(e); }
  bool onPickAfterMenus(const PickEvent& e) override { return uiAndGameEditorPicking(e); }

  std::vector<PickList> picks() const override { return {pickList(kMenuEditorPicks), pickList(kEditorPicks)}; }

 private:
  static void endSelection() {
    gameSys.setInputState(kInputNormal);
    worldEditor.setEditorMode(kMenuModeMenu);
  }
};

}  // namespace

void loadUIEditor() {
  loadMenu(0);
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setCurrentTip(0);
  worldEditor.setEditorMode(kMenuModeNothing);
  worldEditor.setHelpMenu(0);
  worldEditor.setWelcome(1, kMenuEditorWelcome);
}

Screen& menuEditorScreen() {
  static MenuEditorScreen screen;
  return screen;
}

void nudgeMenuItem(int key) {
  float dx = 0, dy = 0;
  switch (key) {
    case kSpecialUp: dy = -kMenuItemNudge; break;
    case kSpecialDown: dy = kMenuItemNudge; break;
    case kSpecialLeft: dx = -kMenuItemNudge; break;
    case kSpecialRight: dx = kMenuItemNudge; break;
    default: return;
  }
  const int menu = gameUI.getCurrentMenu();
  float x, y, w, h, r, g, b;
  int tex, func, func2, text;
  std::string line;
  switch (worldEditor.getEditorMode()) {
    case kMenuModeButton: {
      const int i = worldEditor.getCurrentButton();
      if (i < 0 || i >= gameUI.menuGetButtonCount(menu)) return;
      gameUI.uiGetButton(x, y, w, h, tex, func, func2, menu, i);
      gameUI.uiModifyButton(x + dx, y + dy, w, h, tex, func, func2, menu, i);
      break;
    }
    case kMenuModeTextbox: {
      const int i = worldEditor.getCurrentTextbox();
      if (i < 0 || i >= gameUI.menuGetTextboxCount(menu)) return;
      gameUI.uiGetTextbox(x, y, w, h, text, menu, i);
      gameUI.uiModifyTextbox(x + dx, y + dy, w, h, text, menu, i);
      break;
    }
    case kMenuModeTextline: {
      const int i = worldEditor.getCurrentTextline();
      if (i < 0 || i >= gameUI.menuGetTextlineCount(menu)) return;
      gameUI.uiGetText(x, y, r, g, b, line, menu, i);
      gameUI.uiModifyText(x + dx, y + dy, r, g, b, line, menu, i);
      break;
    }
    default: break;
  }
}

void inputState3Keyboard(unsigned char key) {
  if (key == kCharEscape || key == kCharEnter) {
    gameSys.setInputState(kInputNormal);
    worldEditor.setEditorMode(kMenuModeMenu);
    return;
  }
  const int menu = gameUI.getCurrentMenu();
  const int l = worldEditor.getCurrentTextline();
  if (l < 0 || l >= gameUI.menuGetTextlineCount(menu)) return;
  float x, y, r, g, b;
  std::string text;
  gameUI.uiGetText(x, y, r, g, b, text, menu, l);
  if (key == kCharBackspace) {
    if (text.empty()) return;
    text.pop_back();
  } else {
    text += static_cast<char>(key);
  }
  gameUI.uiModifyText(x, y, r, g, b, text, menu, l);
}

MenuEditMarks menuEditorMarks() {
  MenuEditMarks marks;
  marks.mode = worldEditor.getEditorMode();
  marks.button = worldEditor.getCurrentButton();
  marks.textbox = worldEditor.getCurrentTextbox();
  marks.textline = worldEditor.getCurrentTextline();
  return marks;
}

}  // namespace tf
