// The menu system: the menus read from a menu file and the small amount of
// interaction state the menus need (the menu shown, the button under the
// mouse or held, the textbox being typed into, the dialog, the tooltip).
#pragma once

#include <string>

namespace tf {

class UI {
 public:
  void setCurrentMenu(int menu) { currentMenu = menu; }
  int getCurrentMenu() const { return currentMenu; }
  void setMenuCount(int count) { menuCount = count; }
  int getMenuCount() const { return menuCount; }
  void setTextboxEdit(int textbox) { textboxEdit = textbox; }
  int getTextboxEdit() const { return textboxEdit; }
  void setHoverButton(int button) { hoverButton = button; }
  int getHoverButton() const { return hoverButton; }
  void setPressedButton(int button) { pressedButton = button; }
  int getPressedButton() const { return pressedButton; }
  void setHoverTextbox(int textbox) { hoverTextbox = textbox; }
  int getHoverTextbox() const { return hoverTextbox; }
  void setCurrentDialogBox(int dialog) { currentDialogBox = dialog; }
  int getCurrentDialogBox() const { return currentDialogBox; }
  void setLastGS(int state) { lastGameState = state; }
  int getLastGS() const { return lastGameState; }
  void setIngameMenu(int menu) { ingameMenuID = menu; }
  int getIngameMenu() const { return ingameMenuID; }
  void setEditorMenu(int menu) { editorMenuID = menu; }
  int getEditorMenu() const { return editorMenuID; }
  void setEditorMainMenu(int menu) { editorMainMenuID = menu; }
  int getEditorMainMenu() const { return editorMainMenuID; }
  void setUIImageCount(int count) { uiImageCount = count; }
  int getUIImageCount() const { return uiImageCount; }
  void setCurrentTT(int code, int index, int time) {
    currentTT = code;
    currentTT2 = index;
    lastToolTipTime = time;
  }
  void getCurrentTT(int& code, int& index, int& time) const {
    code = currentTT;
    index = currentTT2;
    time = lastToolTipTime;
  }

 private:
  int currentMenu = 0;
  int menuCount = -1;
  int textboxEdit = -1;
  int hoverButton = -1;
  int pressedButton = -1;
  int hoverTextbox = -1;
  int currentDialogBox = 0;
  int lastGameState = 0;
  int ingameMenuID = 0, editorMenuID = 0, editorMainMenuID = 0;
  int uiImageCount = 0;
  int currentTT = 0, currentTT2 = 0, lastToolTipTime = 0;
};

extern UI gameUI;

// Shows `menu`, with nothing hovered, pressed or being typed into.
void loadMenu(int menu);

// Loads a menu set: "default" (the toolkit's menus), "mainui" (the same file
// opened for editing), "ingameui" (the in-game menus) or a game's name.
void loadUI(const std::string& name, bool clear);

}  // namespace tf
