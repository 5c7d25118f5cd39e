// The menu model: elements that grow on writing and are checked on reading,
// text line deletion, menu allocation and clearing, the UI string table, and
// switching menus.
#include "menus/ui_model.h"

#include <gtest/gtest.h>

#include "core/system.h"
#include "messages.h"

namespace {

const char* const kNoButton = "^rERROR: ^wAttempt to access a button not in memory!";
const char* const kNoTextbox = "^rERROR: ^wAttempt to access a Textbox that does not exist in memory!";
const char* const kNoTextline = "^rERROR: ^wAttempt to access a textline not in memory!";
const char* const kNoMenu = "^rERROR: ^wAttempt to access a menu not in memory!";

struct ButtonValues {
  float x = -7, y = -7, w = -7, h = -7;
  int tex = -7, func = -7, func2 = -7;
};

ButtonValues buttonOf(const tf::Menu& menu, int i) {
  ButtonValues v;
  menu.menuGetButton(v.x, v.y, v.w, v.h, v.tex, v.func, v.func2, i);
  return v;
}

std::string textOf(const tf::Menu& menu, int i) {
  float x, y, r, g, b;
  std::string text = "unchanged";
  menu.menuGetText(x, y, r, g, b, text, i);
  return text;
}

TEST(Menu, WritingBeyondTheEndGrowsTheListWithNewElements) {
  tf::Menu menu;
  EXPECT_EQ(menu.getButtonCount(), 0);
  menu.menuModifyButton(400, 300, 50, 20, 3, 1, 2, 5);
  EXPECT_EQ(menu.getButtonCount(), 6);
  for (int i = 0; i < 5; ++i) {
    ButtonValues v = buttonOf(menu, i);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.w, 1);
    EXPECT_EQ(v.h, 1);
    EXPECT_EQ(v.tex, 0);
    EXPECT_EQ(v.func, 0);
    EXPECT_EQ(v.func2, 0);
  }
  ButtonValues five = buttonOf(menu, 5);
  EXPECT_EQ(five.x, 400);
  EXPECT_EQ(five.w, 50);
  EXPECT_EQ(five.tex, 3);
  EXPECT_EQ(five.func2, 2);

  // Writing inside the list changes one element and not the count; writing
  // further keeps what was there.
  menu.menuModifyButton(1, 2, 3, 4, 5, 6, 7, 2);
  menu.menuModifyButton(9, 9, 9, 9, 9, 9, 9, 7);
  EXPECT_EQ(menu.getButtonCount(), 8);
  EXPECT_EQ(buttonOf(menu, 2).func2, 7);
  EXPECT_EQ(buttonOf(menu, 5).x, 400);
  EXPECT_EQ(buttonOf(menu, 6).w, 1);

  menu.menuModifyTextbox(10, 20, 30, 40, 2, 1);
  EXPECT_EQ(menu.getTextboxCount(), 2);
  EXPECT_EQ(menu.menuGetLinkedButton(0), -1);
  menu.menuModifyText(1, 2, 1, 0, 0, "^gGo", 0);
  EXPECT_EQ(menu.getTextlineCount(), 1);
  EXPECT_EQ(textOf(menu, 0), "^gGo");
}

TEST(Menu, ReadingAnElementThatIsNotThereReportsAndChangesNothing) {
  tf::Menu menu;
  menu.menuModifyButton(1, 1, 1, 1, 1, 1, 1, 5);
  {
    tftest::MessageLog messages;
    ButtonValues v = buttonOf(menu, 6);
    EXPECT_EQ(v.x, -7);
    EXPECT_EQ(v.func2, -7);
    EXPECT_EQ(messages.lines(), std::vector<std::string>{kNoButton});
  }
  {
    tftest::MessageLog messages;
    buttonOf(menu, -1);
    EXPECT_EQ(messages.lines(), std::vector<std::string>{kNoButton});
  }
  {
    tftest::MessageLog messages;
    float x = -7, y = -7, w = -7, h = -7;
    int text = -7;
    menu.menuGetTextbox(x, y, w, h, text, 0);
    EXPECT_EQ(x, -7);
    EXPECT_EQ(text, -7);
    EXPECT_EQ(menu.menuGetLinkedButton(0), -1);
    EXPECT_EQ(messages.lines(), (std::vector<std::string>{kNoTextbox, kNoTextbox}));
  }
  {
    tftest::MessageLog messages;
    EXPECT_EQ(textOf(menu, 0), "unchanged");
    EXPECT_EQ(messages.lines(), std::vector<std::string>{kNoTextline});
  }
}

TEST(Menu, LinkedButtonBelongsToAnExistingTextboxAndSurvivesItsChanges) {
  tf::Menu menu;
  tftest::MessageLog messages;
  menu.menuSetLinkedButton(7, 0);
  EXPECT_TRUE(messages.contains(kNoTextbox));
  menu.menuModifyTextbox(1, 2, 3, 4, 5, 0);
  menu.menuSetLinkedButton(7, 0);
  menu.menuModifyTextbox(9, 9, 9, 9, 9, 0);
  EXPECT_EQ(menu.menuGetLinkedButton(0), 7);
}

TEST(Menu, DeletingATextLineMovesTheLaterOnesDown) {
  tf::Menu menu;
  EXPECT_TRUE(menu.menuDeleteTextline(0));  // no lines: nothing happens
  EXPECT_EQ(menu.getTextlineCount(), 0);

  menu.menuModifyText(0, 0, 0, 0, 0, "zero", 0);
  menu.menuModifyText(0, 0, 0, 0, 0, "one", 1);
  menu.menuModifyText(0, 0, 0, 0, 0, "two", 2);
  EXPECT_TRUE(menu.menuDeleteTextline(1));
  EXPECT_EQ(menu.getTextlineCount(), 2);
  EXPECT_EQ(textOf(menu, 0), "zero");
  EXPECT_EQ(textOf(menu, 1), "two");

  // An index that names no line deletes nothing (not the last line).
  for (int wrong : {2, -1, 100}) {
    EXPECT_TRUE(menu.menuDeleteTextline(wrong));
    EXPECT_EQ(menu.getTextlineCount(), 2) << wrong;
    EXPECT_EQ(textOf(menu, 1), "two") << wrong;
  }

  menu.menuDeleteTextline(0);
  menu.menuDeleteTextline(0);
  EXPECT_EQ(menu.getTextlineCount(), 0);
  menu.menuModifyText(0, 0, 0, 0, 0, "again", 0);
  EXPECT_EQ(textOf(menu, 0), "again");
}

TEST(Menu, CopiesAreIndependent) {
  tf::Menu original;
  original.menuModifyButton(1, 1, 1, 1, 1, 1, 1, 0);
  original.menuModifyText(0, 0, 0, 0, 0, "kept", 0);
  tf::Menu copy(original);
  copy.menuModifyButton(2, 2, 2, 2, 2, 2, 2, 0);
  copy.menuModifyText(0, 0, 0, 0, 0, "changed", 0);
  copy.menuModifyText(0, 0, 0, 0, 0, "more", 3);
  EXPECT_EQ(buttonOf(original, 0).x, 1);
  EXPECT_EQ(textOf(original, 0), "kept");
  EXPECT_EQ(original.getTextlineCount(), 1);
  tf::Menu assigned;
  assigned = copy;
  copy.menuDeleteTextline(0);
  EXPECT_EQ(textOf(assigned, 0), "changed");
  EXPECT_EQ(assigned.getTextlineCount(), 4);
}

TEST(Menu, CountsNeverNameElementsThatAreNotStored) {
  tf::Menu menu;
  menu.setButtonCount(3);
  EXPECT_EQ(buttonOf(menu, 2).w, 1);  // a new button, not memory beyond the list
  menu.setTextlineCount(-4);
  EXPECT_EQ(menu.getTextlineCount(), 0);
  menu.menuModifyButton(5, 5, 5, 5, 5, 5, 5, 2);
  menu.setButtonCount(1);
  EXPECT_EQ(menu.getButtonCount(), 1);
  tftest::MessageLog messages;
  buttonOf(menu, 2);
  EXPECT_TRUE(messages.contains(kNoButton));
}

TEST(Menu, AnIndexNoListMayHaveIsRefused) {
  tf::Menu menu;
  tftest::MessageLog messages;
  menu.menuModifyButton(1, 1, 1, 1, 1, 1, 1, 2000000000);
  menu.menuModifyText(1, 1, 1, 1, 1, "x", -1);
  EXPECT_EQ(menu.getButtonCount(), 0);
  EXPECT_EQ(menu.getTextlineCount(), 0);
  EXPECT_EQ(messages.lines(), (std::vector<std::string>{kNoButton, kNoTextline}));
}

class MenuSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    savedUI = tf::gameUI;
    savedSys = tf::gameSys;
    tf::gameUI = tf::UI();
  }
  void TearDown() override {
    tf::gameUI = savedUI;
    tf::gameSys = savedSys;
  }
  tf::UI savedUI;
  tf::System savedSys;
};

TEST_F(MenuSystem, AllocatingFewerMenusKeepsTheStorageButNotTheCount) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(5);
  EXPECT_EQ(ui.getMenuCount(), 5);
  for (int m = 0; m < 5; ++m) ui.setMenuBackgroundTex(m, 10 + m);
  ui.uiModifyButton(1, 2, 3, 4, 5, 6, 7, 4, 0);

  ui.allocateMenu(3);
  EXPECT_EQ(ui.getMenuCount(), 3);
  EXPECT_EQ(ui.getMenuBackgroundTex(4), 14);
  EXPECT_EQ(ui.menuGetButtonCount(4), 1);

  // Growing again copies the menus counted, and the rest are new.
  ui.allocateMenu(4);
  EXPECT_EQ(ui.getMenuCount(), 4);
  EXPECT_EQ(ui.getMenuBackgroundTex(2), 12);
  EXPECT_EQ(ui.getMenuBackgroundTex(3), 0);
  EXPECT_EQ(ui.getMenuBackgroundTex(4), -1);  // no longer stored
}

TEST_F(MenuSystem, ElementOperationsReachTheNamedMenu) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(2);
  ui.uiModifyButton(400, 300, 50, 20, 3, 1, 2, 1, 0);
  ui.uiModifyTextbox(10, 20, 30, 40, 4, 1, 2);
  ui.uiSetLinkedButton(6, 2, 1);
  ui.uiModifyText(5, 6, 1, 0.5f, 0, "hello", 1, 0);
  ui.uiModifyText(5, 6, 1, 0.5f, 0, "bye", 1, 1);
  EXPECT_EQ(ui.menuGetButtonCount(0), 0);
  EXPECT_EQ(ui.menuGetButtonCount(1), 1);
  EXPECT_EQ(ui.menuGetTextboxCount(1), 3);
  EXPECT_EQ(ui.uiGetLinkedButton(2, 1), 6);
  float x, y, w, h, r, g, b;
  int tex, func, func2, text;
  ui.uiGetButton(x, y, w, h, tex, func, func2, 1, 0);
  EXPECT_EQ(x, 400);
  EXPECT_EQ(func, 1);
  ui.uiGetTextbox(x, y, w, h, text, 1, 2);
  EXPECT_EQ(h, 40);
  EXPECT_EQ(text, 4);
  EXPECT_TRUE(ui.uiDeleteTextline(0, 1));
  std::string line;
  ui.uiGetText(x, y, r, g, b, line, 1, 0);
  EXPECT_EQ(line, "bye");
  EXPECT_EQ(g, 0.5f);
  ui.menuSetTextlineCount(1, 0);
  EXPECT_EQ(ui.menuGetTextlineCount(1), 0);
}

TEST_F(MenuSystem, AMenuThatIsNotThereReadsAsEmptyAndIsReportedWhenUsed) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(1);
  EXPECT_EQ(ui.getMenuBackgroundTex(3), -1);
  EXPECT_EQ(ui.menuGetButtonCount(-1), 0);
  EXPECT_EQ(ui.menuGetTextboxCount(3), 0);
  EXPECT_EQ(ui.menuGetTextlineCount(3), 0);

  tftest::MessageLog messages;
  float x = -7, y, w, h;
  int tex, func, func2;
  ui.uiGetButton(x, y, w, h, tex, func, func2, 3, 0);
  ui.uiModifyButton(1, 1, 1, 1, 1, 1, 1, -1, 0);
  EXPECT_EQ(ui.uiGetLinkedButton(0, 3), -1);
  EXPECT_EQ(x, -7);
  EXPECT_EQ(messages.lines(), (std::vector<std::string>{kNoMenu, kNoMenu, kNoMenu}));
}

TEST_F(MenuSystem, ClearReleasesTheMenusAndResetsTheState) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(3);
  ui.setUIImageCount(12);
  ui.setCurrentMenu(2);
  ui.setHoverButton(1);
  ui.setCurrentDialogBox(4);
  ui.setLastGS(1);
  ui.setIngameMenu(2);
  ui.setEditorMenu(1);
  ui.setEditorMainMenu(1);
  ui.setCurrentTT(37, 2, 5000);
  ui.clear();
  EXPECT_EQ(ui.getMenuCount(), -1);
  EXPECT_EQ(ui.getCurrentMenu(), -1);
  EXPECT_EQ(ui.getHoverButton(), -1);
  EXPECT_EQ(ui.getPressedButton(), -1);
  EXPECT_EQ(ui.getTextboxEdit(), -1);
  EXPECT_EQ(ui.getHoverTextbox(), -1);
  EXPECT_EQ(ui.getCurrentDialogBox(), 0);
  EXPECT_EQ(ui.getLastGS(), 0);
  EXPECT_EQ(ui.getIngameMenu(), 0);
  EXPECT_EQ(ui.getEditorMenu(), 0);
  EXPECT_EQ(ui.getEditorMainMenu(), 0);
  EXPECT_EQ(ui.getUIImageCount(), 12);
  int code, index, time;
  ui.getCurrentTT(code, index, time);
  EXPECT_EQ(code, -1);
  EXPECT_EQ(index, -1);
  EXPECT_EQ(time, 0);
  EXPECT_EQ(ui.getMenuBackgroundTex(0), -1);  // no menu remains
  ui.allocateMenu(1);
  EXPECT_EQ(ui.getMenuBackgroundTex(0), 0);
}

TEST_F(MenuSystem, LoadingAMenuForgetsHoverPressAndTyping) {
  tf::gameUI.allocateMenu(4);
  tf::gameUI.setHoverButton(2);
  tf::gameUI.setPressedButton(2);
  tf::gameUI.setTextboxEdit(1);
  tf::gameUI.setHoverTextbox(1);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  tf::loadMenu(3);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 3);
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  EXPECT_EQ(tf::gameUI.getTextboxEdit(), -1);
  EXPECT_EQ(tf::gameUI.getHoverTextbox(), -1);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
}

TEST(UIStrings, SettingBeyondTheEndGrowsTheTable) {
  tf::uiString strings;
  EXPECT_EQ(strings.getStringCount(), 0);
  EXPECT_EQ(strings.getString(0), "");
  EXPECT_EQ(strings.getString(7), "");
  strings.setString("maze", 3);
  EXPECT_EQ(strings.getStringCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(strings.getString(i), "") << i;
  EXPECT_EQ(strings.getString(3), "maze");
  strings.setString("first", 1);
  EXPECT_EQ(strings.getStringCount(), 3);  // never shrinks
  EXPECT_EQ(strings.getString(1), "first");
  EXPECT_EQ(strings.getString(3), "maze");
  EXPECT_EQ(strings.getString(-1), "");
}

TEST(UIStrings, AnIndexNoTableCanHoldIsRefused) {
  tf::uiString strings;
  tftest::MessageLog messages;
  strings.setString("x", -2);
  strings.setString("x", 2147483647);
  EXPECT_EQ(strings.getStringCount(), 0);
  EXPECT_EQ(messages.lines().size(), 2u);
  EXPECT_TRUE(messages.contains("2147483647"));
  strings.setString("last", tf::kMaxModelIndex);
  EXPECT_EQ(strings.getString(tf::kMaxModelIndex), "last");
}

}  // namespace
