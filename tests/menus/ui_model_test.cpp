// The menu model: elements that grow on writing and are checked on reading,
// text line deletion, menu allocation and clearing, and the UI string table.
#include "menu_files.h"

namespace {

using namespace tftest;
using MenuModel = MenuFiles;

const char* const kNoButton = "^rERROR: ^wAttempt to access a button not in memory!";
const char* const kNoTextbox = "^rERROR: ^wAttempt to access a Textbox that does not exist in memory!";
const char* const kNoTextline = "^rERROR: ^wAttempt to access a textline not in memory!";
const char* const kNoMenu = "^rERROR: ^wAttempt to access a menu not in memory!";

TEST_F(MenuModel, WritingBeyondTheEndGrowsTheListWithNewElements) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(2);
  ui.uiModifyButton(400, 300, 50, 20, 3, 1, 2, 1, 5);
  ui.uiModifyButton(1, 2, 3, 4, 5, 6, 7, 1, 2);  // inside the list: one element changes
  ui.uiModifyTextbox(10, 20, 30, 40, 4, 1, 2);
  ui.uiSetLinkedButton(6, 2, 1);
  ui.uiModifyTextbox(11, 21, 31, 41, 5, 1, 2);  // keeps the linked button
  ui.uiModifyText(1, 2, 1, 0.5f, 0, "^gGo", 1, 1);
  EXPECT_EQ(describeMenus(),
            "menus 2 ids 0 0 0\nmenu 0 background 0\nmenu 1 background 0\n"
            " button 0 0 1 1 0 0 0\n button 0 0 1 1 0 0 0\n button 1 2 3 4 5 6 7\n button 0 0 1 1 0 0 0\n"
            " button 0 0 1 1 0 0 0\n button 400 300 50 20 3 1 2\n"
            " textbox 0 0 1 1 0 -1\n textbox 0 0 1 1 0 -1\n textbox 11 21 31 41 5 6\n"
            " text 0 0 0 0 0 []\n text 1 2 1 0.5 0 [^gGo]\n");
}

TEST_F(MenuModel, ElementsOrMenusThatAreNotThereAreReportedAndChangeNothing) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(1);
  ui.uiModifyButton(1, 1, 1, 1, 1, 1, 1, 0, 5);
  ui.menuSetTextlineCount(0, -4);
  MessageLog messages;
  float x = -7, y = -7, w = -7, h = -7, r = -7, g = -7, b = -7;
  int tex = -7, func = -7, func2 = -7, text = -7;
  std::string line = "unchanged";
  ui.uiGetButton(x, y, w, h, tex, func, func2, 0, 6);
  ui.uiGetButton(x, y, w, h, tex, func, func2, 0, -1);
  ui.uiGetTextbox(x, y, w, h, text, 0, 0);
  EXPECT_EQ(ui.uiGetLinkedButton(0, 0), -1);
  ui.uiSetLinkedButton(7, 0, 0);
  ui.uiGetText(x, y, r, g, b, line, 0, 0);
  ui.uiGetButton(x, y, w, h, tex, func, func2, 3, 0);
  ui.uiModifyButton(1, 1, 1, 1, 1, 1, 1, -1, 0);
  EXPECT_EQ(ui.uiGetLinkedButton(0, 3), -1);
  // An index no list may have is refused rather than exhausting the memory.
  ui.uiModifyButton(1, 1, 1, 1, 1, 1, 1, 0, 2000000000);
  ui.uiModifyText(1, 1, 1, 1, 1, "x", 0, -1);
  EXPECT_EQ(numbers({x, y, w, h, r, g, b}) + " " + ints({tex, func, func2, text}) + " " + line,
            "-7 -7 -7 -7 -7 -7 -7 -7 -7 -7 -7 unchanged");
  // A menu that is not there reads as empty, without complaint; menu 0 kept its six buttons and no line.
  EXPECT_EQ(ints({ui.getMenuBackgroundTex(3), ui.menuGetButtonCount(-1), ui.menuGetTextboxCount(3),
                  ui.menuGetTextlineCount(3), ui.menuGetButtonCount(0), ui.menuGetTextlineCount(0)}),
            "-1 0 0 0 6 0");
  EXPECT_EQ(messages.lines(), (Lines{kNoButton, kNoButton, kNoTextbox, kNoTextbox, kNoTextbox, kNoTextline, kNoMenu,
                                     kNoMenu, kNoMenu, kNoButton, kNoTextline}));
  // A smaller count hides elements; a larger one adds new ones, never memory beyond the list.
  ui.menuSetButtonCount(0, 1);
  buttonOf(0, 2);
  EXPECT_EQ(messages.lines().back(), kNoButton);
  ui.menuSetButtonCount(0, 8);
  EXPECT_EQ(buttonOf(0, 7), "0 0 1 1 0 0 0");
}

TEST_F(MenuModel, DeletingATextLineMovesTheLaterOnesDown) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(2);
  EXPECT_TRUE(ui.uiDeleteTextline(0, 1));  // no lines: nothing happens
  for (int l = 0; l < 3; ++l) ui.uiModifyText(0, 0, 0, 0, 0, std::to_string(l), 1, l);
  EXPECT_TRUE(ui.uiDeleteTextline(1, 1));
  for (int wrong : {2, -1, 100}) EXPECT_TRUE(ui.uiDeleteTextline(wrong, 1));  // names no line: nothing
  EXPECT_EQ(textlineOf(1, 0) + ", " + textlineOf(1, 1) + " " + ints({ui.menuGetTextlineCount(1)}),
            "0 0 0 0 0 [0], 0 0 0 0 0 [2] 2");
}

TEST_F(MenuModel, AllocatingKeepsStorageAndClearingKeepsOnlyTheImageCount) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(5);
  for (int m = 0; m < 5; ++m) ui.setMenuBackgroundTex(m, 10 + m);
  ui.allocateMenu(3);
  EXPECT_EQ(ints({ui.getMenuCount(), ui.getMenuBackgroundTex(4)}), "3 14");
  ui.allocateMenu(4);  // growing copies the menus counted; the rest are new
  EXPECT_EQ(ints({ui.getMenuCount(), ui.getMenuBackgroundTex(2), ui.getMenuBackgroundTex(3),
                  ui.getMenuBackgroundTex(4)}),
            "4 12 0 -1");

  for (auto set : {&tf::UI::setHoverButton, &tf::UI::setPressedButton, &tf::UI::setTextboxEdit,
                   &tf::UI::setHoverTextbox, &tf::UI::setCurrentDialogBox, &tf::UI::setLastGS,
                   &tf::UI::setIngameMenu, &tf::UI::setEditorMenu, &tf::UI::setEditorMainMenu}) {
    (ui.*set)(1);
  }
  ui.setCurrentTT(1, 1, 1);
  ui.setUIImageCount(12);
  ui.clear();
  int code, index, time;
  ui.getCurrentTT(code, index, time);
  EXPECT_EQ(ints({ui.getMenuCount(), ui.getCurrentMenu(), ui.getHoverButton(), ui.getPressedButton(),
                  ui.getTextboxEdit(), ui.getHoverTextbox(), ui.getCurrentDialogBox(), ui.getLastGS(),
                  ui.getIngameMenu(), ui.getEditorMenu(), ui.getEditorMainMenu(), ui.getUIImageCount(), code, index,
                  time, ui.getMenuBackgroundTex(0)}),
            "-1 -1 -1 -1 -1 -1 0 0 0 0 0 12 -1 -1 0 -1");
}

TEST(UIStrings, SettingBeyondTheEndGrowsTheTableWithinItsLimit) {
  tf::uiString strings;
  EXPECT_EQ(strings.getString(7), "");
  strings.setString("maze", 3);
  strings.setString("first", 1);  // the table never shrinks
  EXPECT_EQ(strings.getStringCount(), 3);
  EXPECT_EQ("[" + strings.getString(0) + strings.getString(2) + strings.getString(-1) + "]", "[]");
  EXPECT_EQ(strings.getString(1) + strings.getString(3), "firstmaze");
  MessageLog messages;
  strings.setString("x", -2);
  strings.setString("x", 2147483647);
  EXPECT_EQ(strings.getStringCount(), 3);
  EXPECT_EQ(messages.lines().size(), 2u);
  strings.setString("last", tf::kMaxModelIndex);
  EXPECT_EQ(strings.getString(tf::kMaxModelIndex), "last");
}

}  // namespace
