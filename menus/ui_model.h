// The menu model: menus of buttons, textboxes and text lines, the interaction
// state of the menu system (menu shown, hovered and held button, textbox being
// typed into, dialog, tooltip) and the table of strings typed into textboxes.
#pragma once

#include <string>
#include <vector>

namespace tf {

// What a menu file may hold: menus 0 to 98, and per menu elements 0 to 98 of
// each kind. The file reader keeps to these.
constexpr int kMaxMenus = 99;
constexpr int kMaxMenuElements = 99;
// No table of the model grows beyond this index, whatever index it is handed:
// a number read from a file must not be able to exhaust the memory.
constexpr int kMaxModelIndex = 65535;

// One clickable picture.
class Button {
 public:
  void modifyButton(float x, float y, float w, float h, int tex, int func, int func2);
  void getButton(float& x, float& y, float& w, float& h, int& tex, int& func, int& func2) const;

 private:
  float x = 0, y = 0;  // centre, in screen units
  float w = 1, h = 1;  // half width and half height
  int tex = 0;         // menu image
  int func = 0, func2 = 0;
};

// One line of text entry; its text is a string of uiScriptString.
class Textbox {
 public:
  // Leaves the linked button as it is.
  void modifyTextbox(float x, float y, float w, float h, int text);
  void getTextbox(float& x, float& y, float& w, float& h, int& text) const;
  void setLinkedButton(int b) { linkedButton = b; }
  int getLinkedButton() const { return linkedButton; }

 private:
  float x = 0, y = 0;
  float w = 1, h = 1;
  int text = 0;           // index into uiScriptString
  int linkedButton = -1;  // the function that consumes the text, -1 none
};

// One line of text drawn on a menu.
class Text {
 public:
  void modifyText(float x, float y, float r, float g, float b, const std::string& text);
  void getText(float& x, float& y, float& r, float& g, float& b, std::string& text) const;

 private:
  float x = 0, y = 0;
  float r = 0, g = 0, b = 0;
  std::string text;
};

// A background picture with its buttons, textboxes and text lines. Writing
// element i makes the menu hold at least i + 1 elements of that kind; reading
// one that is not there reports it and changes nothing.
class Menu {
 public:
  void menuModifyButton(float x, float y, float w, float h, int tex, int func, int func2, int i);
  void menuGetButton(float& x, float& y, float& w, float& h, int& tex, int& func, int& func2, int i) const;
  void menuModifyTextbox(float x, float y, float w, float h, int text, int i);
  void menuGetTextbox(float& x, float& y, float& w, float& h, int& text, int i) const;
  void menuModifyText(float x, float y, float r, float g, float b, const std::string& text, int i);
  void menuGetText(float& x, float& y, float& r, float& g, float& b, std::string& text, int i) const;
  void menuSetLinkedButton(int b, int i);
  // -1 (reported) for a textbox that is not there.
  int menuGetLinkedButton(int i) const;
  // Removes text line i, moving the later ones down. Always true; an index
  // that names no line changes nothing.
  bool menuDeleteTextline(int i);
  // Puts a text line at i (0 to the line count), moving the later ones up;
  // false for a place outside the list.
  bool menuInsertTextline(float x, float y, float r, float g, float b, const std::string& text, int i);

  void setBackgroundTex(int tex) { backgroundTex = tex; }
  int getBackgroundTex() const { return backgroundTex; }
  // The counts never fall below 0, and raising one makes room for the
  // elements it names.
  void setButtonCount(int n);
  int getButtonCount() const { return buttonCount; }
  void setTextboxCount(int n);
  int getTextboxCount() const { return textboxCount; }
  void setTextlineCount(int n);
  int getTextlineCount() const { return textCount; }

 private:
  std::vector<Button> UIButtons{1};
  std::vector<Textbox> UITextboxes{1};
  std::vector<Text> UIText{1};
  int backgroundTex = 0;  // menu image
  int buttonCount = 0, textboxCount = 0, textCount = 0;
};

// The menu system. Operations on a menu take the menu index, then the element
// index, last; a menu index that names no menu is reported by the element
// operations and reads as an empty menu elsewhere, so drawing a menu that is
// not there draws nothing.
class UI {
 public:
  // Makes room for n menus (keeping the existing ones); the menu count
  // becomes n even when that is fewer than are stored.
  void allocateMenu(int n);
  // Releases every menu and resets the state; the image count stays.
  void clear();

  void uiModifyButton(float x, float y, float w, float h, int tex, int func, int func2, int menu, int button);
  void uiGetButton(float& x, float& y, float& w, float& h, int& tex, int& func, int& func2, int menu,
                   int button) const;
  void uiModifyTextbox(float x, float y, float w, float h, int text, int menu, int textbox);
  void uiGetTextbox(float& x, float& y, float& w, float& h, int& text, int menu, int textbox) const;
  void uiSetLinkedButton(int b, int textbox, int menu);
  int uiGetLinkedButton(int textbox, int menu) const;
  void uiModifyText(float x, float y, float r, float g, float b, const std::string& text, int menu, int line);
  void uiGetText(float& x, float& y, float& r, float& g, float& b, std::string& text, int menu, int line) const;
  bool uiDeleteTextline(int line, int menu);
  bool uiInsertTextline(float x, float y, float r, float g, float b, const std::string& text, int menu, int line);
  // True when `menu` is one of the menus in use (below the menu count).
  bool menuExists(int menu) const { return menu < menuCount && menuAt(menu, false) != nullptr; }

  void setMenuBackgroundTex(int menu, int tex);
  // -1 (no background) for a menu that is not there.
  int getMenuBackgroundTex(int menu) const;
  void menuSetButtonCount(int menu, int n);
  int menuGetButtonCount(int menu) const;
  void menuSetTextboxCount(int menu, int n);
  int menuGetTextboxCount(int menu) const;
  void menuSetTextlineCount(int menu, int n);
  int menuGetTextlineCount(int menu) const;

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
  // The menu, or nullptr (reported when `report`) when there is none.
  Menu* menuAt(int menu, bool report);
  const Menu* menuAt(int menu, bool report) const;

  std::vector<Menu> UIMenus;
  int currentMenu = 0;
  int menuCount = -1;  // -1 until a menu file has been read
  int textboxEdit = -1;
  int hoverButton = -1;
  int pressedButton = -1;
  int hoverTextbox = -1;
  int currentDialogBox = 0;
  int lastGameState = 0;
  int ingameMenuID = 0, editorMenuID = 0, editorMainMenuID = 0;
  [[maybe_unused]] int backupImageCount = 0;  // held at 0
  int uiImageCount = 0;
  int currentTT = 0, currentTT2 = 0, lastToolTipTime = 0;
};

// The strings typed into menu textboxes, by index; setting a string beyond the
// end grows the table.
class uiString {
 public:
  void setString(const std::string& s, int i);
  // String i, or "" when there is none.
  std::string getString(int i) const;
  // The highest valid index.
  int getStringCount() const { return stringCount; }

 private:
  std::vector<std::string> strings{1};
  int stringCount = 0;
};

extern UI gameUI;
extern uiString uiScriptString;

// Shows `menu`, with nothing hovered, pressed or being typed into, and input
// back to normal.
void loadMenu(int menu);

}  // namespace tf
