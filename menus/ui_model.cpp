// Menu model: element storage that grows on writing, checked reading, and the
// menu system's state.
#include "menus/ui_model.h"

#include <algorithm>

#include "core/log.h"
#include "core/system.h"

namespace tf {

UI gameUI;
uiString uiScriptString;

namespace {

constexpr const char* kNoButton = "^rERROR: ^wAttempt to access a button not in memory!";
constexpr const char* kNoTextbox = "^rERROR: ^wAttempt to access a Textbox that does not exist in memory!";
constexpr const char* kNoTextline = "^rERROR: ^wAttempt to access a textline not in memory!";
constexpr const char* kNoMenu = "^rERROR: ^wAttempt to access a menu not in memory!";

// Element i of a list whose first `count` elements are in use. When i is at or
// beyond the count the list is rebuilt with i + 1 elements, the ones in use
// copied and the rest new, and the count becomes i + 1. nullptr (reported) for
// an index no list may have.
template <typename T>
T* elementForWriting(std::vector<T>& items, int& count, int i, const char* missing) {
  if (i < 0 || i > kMaxModelIndex) {
    systemMsg(missing);
    return nullptr;
  }
  if (i >= count) {
    std::vector<T> grown(static_cast<std::size_t>(i) + 1);
    std::size_t kept = std::min(static_cast<std::size_t>(std::max(count, 0)), items.size());
    std::copy_n(items.begin(), kept, grown.begin());
    items.swap(grown);
    count = i + 1;
  }
  return &items[i];
}

// Element i when it is in use, else nullptr (reported).
template <typename T>
const T* elementForReading(const std::vector<T>& items, int count, int i, const char* missing) {
  if (i < 0 || i >= count || i >= static_cast<int>(items.size())) {
    systemMsg(missing);
    return nullptr;
  }
  return &items[i];
}

template <typename T>
void setElementCount(std::vector<T>& items, int& count, int n) {
  n = std::clamp(n, 0, kMaxModelIndex + 1);
  if (n > static_cast<int>(items.size())) items.resize(n);
  count = n;
}

}  // namespace

void Button::modifyButton(float x_, float y_, float w_, float h_, int tex_, int func_, int func2_) {
  x = x_;
  y = y_;
  w = w_;
  h = h_;
  tex = tex_;
  func = func_;
  func2 = func2_;
}

void Button::getButton(float& x_, float& y_, float& w_, float& h_, int& tex_, int& func_, int& func2_) const {
  x_ = x;
  y_ = y;
  w_ = w;
  h_ = h;
  tex_ = tex;
  func_ = func;
  func2_ = func2;
}

void Textbox::modifyTextbox(float x_, float y_, float w_, float h_, int text_) {
  x = x_;
  y = y_;
  w = w_;
  h = h_;
  text = text_;
}

void Textbox::getTextbox(float& x_, float& y_, float& w_, float& h_, int& text_) const {
  x_ = x;
  y_ = y;
  w_ = w;
  h_ = h;
  text_ = text;
}

void Text::modifyText(float x_, float y_, float r_, float g_, float b_, const std::string& text_) {
  x = x_;
  y = y_;
  r = r_;
  g = g_;
  b = b_;
  text = text_;
}

void Text::getText(float& x_, float& y_, float& r_, float& g_, float& b_, std::string& text_) const {
  x_ = x;
  y_ = y;
  r_ = r;
  g_ = g;
  b_ = b;
  text_ = text;
}

void Menu::menuModifyButton(float x, float y, float w, float h, int tex, int func, int func2, int i) {
  if (Button* button = elementForWriting(UIButtons, buttonCount, i, kNoButton)) {
    button->modifyButton(x, y, w, h, tex, func, func2);
  }
}

void Menu::menuGetButton(float& x, float& y, float& w, float& h, int& tex, int& func, int& func2, int i) const {
  if (const Button* button = elementForReading(UIButtons, buttonCount, i, kNoButton)) {
    button->getButton(x, y, w, h, tex, func, func2);
  }
}

void Menu::menuModifyTextbox(float x, float y, float w, float h, int text, int i) {
  if (Textbox* textbox = elementForWriting(UITextboxes, textboxCount, i, kNoTextbox)) {
    textbox->modifyTextbox(x, y, w, h, text);
  }
}

void Menu::menuGetTextbox(float& x, float& y, float& w, float& h, int& text, int i) const {
  if (const Textbox* textbox = elementForReading(UITextboxes, textboxCount, i, kNoTextbox)) {
    textbox->getTextbox(x, y, w, h, text);
  }
}

void Menu::menuModifyText(float x, float y, float r, float g, float b, const std::string& text, int i) {
  if (Text* line = elementForWriting(UIText, textCount, i, kNoTextline)) line->modifyText(x, y, r, g, b, text);
}

void Menu::menuGetText(float& x, float& y, float& r, float& g, float& b, std::string& text, int i) const {
  if (const Text* line = elementForReading(UIText, textCount, i, kNoTextline)) line->getText(x, y, r, g, b, text);
}

void Menu::menuSetLinkedButton(int b, int i) {
  if (i < 0 || i >= textboxCount) {
    systemMsg(kNoTextbox);
    return;
  }
  UITextboxes[i].setLinkedButton(b);
}

int Menu::menuGetLinkedButton(int i) const {
  const Textbox* textbox = elementForReading(UITextboxes, textboxCount, i, kNoTextbox);
  return textbox ? textbox->getLinkedButton() : -1;
}

bool Menu::menuDeleteTextline(int i) {
  if (i < 0 || i >= textCount) return true;
  std::vector<Text> kept;
  kept.reserve(textCount - 1);
  for (int j = 0; j < textCount; ++j) {
    if (j != i) kept.push_back(UIText[j]);
  }
  UIText.swap(kept);
  --textCount;
  return true;
}

bool Menu::menuInsertTextline(float x, float y, float r, float g, float b, const std::string& text, int i) {
  if (i < 0 || i > textCount || textCount > kMaxModelIndex) return false;
  UIText.resize(std::max(static_cast<int>(UIText.size()), textCount));
  UIText.insert(UIText.begin() + i, Text());
  UIText[i].modifyText(x, y, r, g, b, text);
  ++textCount;
  return true;
}

void Menu::setButtonCount(int n) { setElementCount(UIButtons, buttonCount, n); }
void Menu::setTextboxCount(int n) { setElementCount(UITextboxes, textboxCount, n); }
void Menu::setTextlineCount(int n) { setElementCount(UIText, textCount, n); }

void UI::allocateMenu(int n) {
  if (n > kMaxModelIndex + 1) {
    systemMsg(kNoMenu);
    return;
  }
  if (menuCount < n) {
    std::vector<Menu> grown(n);
    std::size_t kept = std::min(static_cast<std::size_t>(std::max(menuCount, 0)), UIMenus.size());
    std::copy_n(UIMenus.begin(), kept, grown.begin());
    UIMenus.swap(grown);
  }
  menuCount = n;
}

void UI::clear() {
  std::vector<Menu>().swap(UIMenus);
  currentMenu = menuCount = textboxEdit = hoverButton = pressedButton = hoverTextbox = -1;
  currentTT = currentTT2 = -1;
  currentDialogBox = lastGameState = 0;
  ingameMenuID = editorMenuID = editorMainMenuID = 0;
  lastToolTipTime = 0;
}

Menu* UI::menuAt(int menu, bool report) {
  return const_cast<Menu*>(static_cast<const UI*>(this)->menuAt(menu, report));
}

const Menu* UI::menuAt(int menu, bool report) const {
  if (menu >= 0 && menu < static_cast<int>(UIMenus.size())) return &UIMenus[menu];
  if (report) systemMsg(kNoMenu);
  return nullptr;
}

void UI::uiModifyButton(float x, float y, float w, float h, int tex, int func, int func2, int menu, int button) {
  if (Menu* m = menuAt(menu, true)) m->menuModifyButton(x, y, w, h, tex, func, func2, button);
}

void UI::uiGetButton(float& x, float& y, float& w, float& h, int& tex, int& func, int& func2, int menu,
                     int button) const {
  if (const Menu* m = menuAt(menu, true)) m->menuGetButton(x, y, w, h, tex, func, func2, button);
}

void UI::uiModifyTextbox(float x, float y, float w, float h, int text, int menu, int textbox) {
  if (Menu* m = menuAt(menu, true)) m->menuModifyTextbox(x, y, w, h, text, textbox);
}

void UI::uiGetTextbox(float& x, float& y, float& w, float& h, int& text, int menu, int textbox) const {
  if (const Menu* m = menuAt(menu, true)) m->menuGetTextbox(x, y, w, h, text, textbox);
}

void UI::uiSetLinkedButton(int b, int textbox, int menu) {
  if (Menu* m = menuAt(menu, true)) m->menuSetLinkedButton(b, textbox);
}

int UI::uiGetLinkedButton(int textbox, int menu) const {
  const Menu* m = menuAt(menu, true);
  return m ? m->menuGetLinkedButton(textbox) : -1;
}

void UI::uiModifyText(float x, float y, float r, float g, float b, const std::string& text, int menu, int line) {
  if (Menu* m = menuAt(menu, true)) m->menuModifyText(x, y, r, g, b, text, line);
}

void UI::uiGetText(float& x, float& y, float& r, float& g, float& b, std::string& text, int menu,
                   int line) const {
  if (const Menu* m = menuAt(menu, true)) m->menuGetText(x, y, r, g, b, text, line);
}

bool UI::uiDeleteTextline(int line, int menu) {
  if (Menu* m = menuAt(menu, true)) m->menuDeleteTextline(line);
  return true;
}

bool UI::uiInsertTextline(float x, float y, float r, float g, float b, const std::string& text, int menu,
                          int line) {
  Menu* m = menuAt(menu, true);
  return m && m->menuInsertTextline(x, y, r, g, b, text, line);
}

void UI::setMenuBackgroundTex(int menu, int tex) {
  if (Menu* m = menuAt(menu, true)) m->setBackgroundTex(tex);
}

int UI::getMenuBackgroundTex(int menu) const {
  const Menu* m = menuAt(menu, false);
  return m ? m->getBackgroundTex() : -1;
}

void UI::menuSetButtonCount(int menu, int n) {
  if (Menu* m = menuAt(menu, true)) m->setButtonCount(n);
}

int UI::menuGetButtonCount(int menu) const {
  const Menu* m = menuAt(menu, false);
  return m ? m->getButtonCount() : 0;
}

void UI::menuSetTextboxCount(int menu, int n) {
  if (Menu* m = menuAt(menu, true)) m->setTextboxCount(n);
}

int UI::menuGetTextboxCount(int menu) const {
  const Menu* m = menuAt(menu, false);
  return m ? m->getTextboxCount() : 0;
}

void UI::menuSetTextlineCount(int menu, int n) {
  if (Menu* m = menuAt(menu, true)) m->setTextlineCount(n);
}

int UI::menuGetTextlineCount(int menu) const {
  const Menu* m = menuAt(menu, false);
  return m ? m->getTextlineCount() : 0;
}

void uiString::setString(const std::string& s, int i) {
  if (i < 0 || i > kMaxModelIndex) {
    systemMsg("^rERROR: ^wAttempt to set UI string ^y" + std::to_string(i) + "^w, which no table can hold!");
    return;
  }
  if (i > stringCount) {
    strings.resize(static_cast<std::size_t>(i) + 1);
    stringCount = i;
  }
  strings[i] = s;
}

std::string uiString::getString(int i) const {
  if (i < 0 || i > stringCount) return "";
  return strings[i];
}

void loadMenu(int menu) {
  gameUI.setPressedButton(-1);
  gameUI.setHoverButton(-1);
  gameUI.setTextboxEdit(-1);
  gameUI.setHoverTextbox(-1);
  gameSys.setInputState(kInputNormal);
  gameUI.setCurrentMenu(menu);
}

}  // namespace tf
