// The menu model: elements that grow on writing and are checked on reading,
// text line deletion, menu allocation and clearing, the UI string table, and
// switching menus.
#include "menus/ui_model.h"

#include "menu_files.h"

namespace {

using tftest::buttonOf;
using tftest::ints;
using tftest::textboxOf;
using tftest::textlineOf;
using Lines = std::vector<std::string>;
using MenuModel = tftest::MenuFiles;

const char* const kNoButton = "^rERROR: ^wAttempt to access a button not in memory!";
const char* const kNoTextbox = "^rERROR: ^wAttempt to access a Textbox that does not exist in memory!";
const char* const kNoTextline = "^rERROR: ^wAttempt to access a textline not in memory!";
const char* const kNoMenu = "^rERROR: ^wAttempt to access a menu not in memory!";
const char* const kNewButton = "0 0 1 1 0 0 0";

// Menu count, current menu, hover, pressed, typed and hovered textbox, dialog,
// last state, the three menu ids, image count and the pending tooltip.
std::string stateOf() {
  const tf::UI& ui = tf::gameUI;
  int code, index, time;
  ui.getCurrentTT(code, index, time);
  return ints({ui.getMenuCount(), ui.getCurrentMenu(), ui.getHoverButton(), ui.getPressedButton(),
               ui.getTextboxEdit(), ui.getHoverTextbox(), ui.getCurrentDialogBox(), ui.getLastGS(),
               ui.getIngameMenu(), ui.getEditorMenu(), ui.getEditorMainMenu(), ui.getUIImageCount(), code, index,
               time});
}

TEST_F(MenuModel, WritingBeyondTheEndGrowsTheListWithNewElements) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(2);
  ui.uiModifyButton(400, 300, 50, 20, 3, 1, 2, 1, 5);
  EXPECT_EQ(ui.menuGetButtonCount(0), 0);
  EXPECT_EQ(ui.menuGetButtonCount(1), 6);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(buttonOf(1, i), kNewButton) << i;
  EXPECT_EQ(buttonOf(1, 5), "400 300 50 20 3 1 2");
  // Writing inside the list changes one element; writing further keeps the rest.
  ui.uiModifyButton(1, 2, 3, 4, 5, 6, 7, 1, 2);
  ui.uiModifyButton(9, 9, 9, 9, 9, 9, 9, 1, 7);
  EXPECT_EQ(ui.menuGetButtonCount(1), 8);
  EXPECT_EQ(buttonOf(1, 2), "1 2 3 4 5 6 7");
  EXPECT_EQ(buttonOf(1, 5), "400 300 50 20 3 1 2");
  EXPECT_EQ(buttonOf(1, 6), kNewButton);

  ui.uiModifyTextbox(10, 20, 30, 40, 4, 1, 2);
  ui.uiSetLinkedButton(6, 2, 1);
  ui.uiModifyTextbox(11, 21, 31, 41, 5, 1, 2);  // keeps the linked button
  EXPECT_EQ(ui.menuGetTextboxCount(1), 3);
  EXPECT_EQ(textboxOf(1, 0), "0 0 1 1 0 -1");
  EXPECT_EQ(textboxOf(1, 2), "11 21 31 41 5 6");
  ui.uiModifyText(1, 2, 1, 0.5f, 0, "^gGo", 1, 1);
  EXPECT_EQ(ui.menuGetTextlineCount(1), 2);
  EXPECT_EQ(textlineOf(1, 0), "0 0 0 0 0 []");
  EXPECT_EQ(textlineOf(1, 1), "1 2 1 0.5 0 [^gGo]");
}

TEST_F(MenuModel, ReadingAnElementOrMenuThatIsNotThereReportsAndChangesNothing) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(1);
  ui.uiModifyButton(1, 1, 1, 1, 1, 1, 1, 0, 5);
  tftest::MessageLog messages;
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
  EXPECT_EQ(tftest::numbers({x, y, w, h, r, g, b}), "-7 -7 -7 -7 -7 -7 -7");
  EXPECT_EQ(ints({tex, func, func2, text}), "-7 -7 -7 -7");
  EXPECT_EQ(line, "unchanged");
  EXPECT_EQ(messages.lines(), (Lines{kNoButton, kNoButton, kNoTextbox, kNoTextbox, kNoTextbox, kNoTextline,
                                     kNoMenu, kNoMenu, kNoMenu}));
  // Asked how it looks, a menu that is not there is empty and has no background.
  EXPECT_EQ(ints({ui.getMenuBackgroundTex(3), ui.menuGetButtonCount(-1), ui.menuGetTextboxCount(3),
                  ui.menuGetTextlineCount(3)}),
            "-1 0 0 0");
  EXPECT_EQ(messages.lines().size(), 9u);
}

TEST_F(MenuModel, CountsAndIndicesNeverReachBeyondTheStoredElements) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(1);
  ui.menuSetButtonCount(0, 3);
  EXPECT_EQ(buttonOf(0, 2), kNewButton);  // a new button, not memory beyond the list
  ui.menuSetTextlineCount(0, -4);
  EXPECT_EQ(ui.menuGetTextlineCount(0), 0);
  ui.menuSetButtonCount(0, 1);
  tftest::MessageLog messages;
  buttonOf(0, 2);
  // An index no list may have is refused rather than exhausting the memory.
  ui.uiModifyButton(1, 1, 1, 1, 1, 1, 1, 0, 2000000000);
  ui.uiModifyText(1, 1, 1, 1, 1, "x", 0, -1);
  EXPECT_EQ(ui.menuGetButtonCount(0), 1);
  EXPECT_EQ(ui.menuGetTextlineCount(0), 0);
  EXPECT_EQ(messages.lines(), (Lines{kNoButton, kNoButton, kNoTextline}));
}

TEST_F(MenuModel, DeletingATextLineMovesTheLaterOnesDown) {
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(2);
  EXPECT_TRUE(ui.uiDeleteTextline(0, 1));  // no lines: nothing happens
  EXPECT_EQ(ui.menuGetTextlineCount(1), 0);
  for (int l = 0; l < 3; ++l) ui.uiModifyText(0, 0, 0, 0, 0, std::to_string(l), 1, l);
  EXPECT_TRUE(ui.uiDeleteTextline(1, 1));
  EXPECT_EQ(ui.menuGetTextlineCount(1), 2);
  EXPECT_EQ(textlineOf(1, 0), "0 0 0 0 0 [0]");
  EXPECT_EQ(textlineOf(1, 1), "0 0 0 0 0 [2]");
  // An index that names no line deletes nothing (not the last line).
  for (int wrong : {2, -1, 100}) {
    EXPECT_TRUE(ui.uiDeleteTextline(wrong, 1));
    EXPECT_EQ(ui.menuGetTextlineCount(1), 2) << wrong;
  }
  ui.uiDeleteTextline(0, 1);
  ui.uiDeleteTextline(0, 1);
  EXPECT_EQ(ui.menuGetTextlineCount(1), 0);
  ui.uiModifyText(0, 0, 0, 0, 0, "again", 1, 0);
  EXPECT_EQ(textlineOf(1, 0), "0 0 0 0 0 [again]");
}

TEST_F(MenuModel, AllocatingFewerMenusKeepsTheStorageButNotTheCountAndCopiesAreDeep) {
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
  EXPECT_EQ(ints({ui.getMenuCount(), ui.getMenuBackgroundTex(2), ui.getMenuBackgroundTex(3),
                  ui.getMenuBackgroundTex(4)}),
            "4 12 0 -1");

  tf::UI copy = ui;
  copy.uiModifyButton(9, 9, 9, 9, 9, 9, 9, 2, 0);
  copy.uiModifyText(0, 0, 0, 0, 0, "more", 2, 3);
  EXPECT_EQ(ui.menuGetButtonCount(2), 0);
  EXPECT_EQ(ui.menuGetTextlineCount(2), 0);
}

TEST_F(MenuModel, ClearReleasesTheMenusAndResetsTheStateButNotTheImageCount) {
  tf::UI& ui = tf::gameUI;
  EXPECT_EQ(stateOf(), "-1 0 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0");  // as constructed
  ui.allocateMenu(3);
  ui.setUIImageCount(12);
  ui.setCurrentMenu(2);
  ui.setHoverButton(1);
  ui.setPressedButton(1);
  ui.setTextboxEdit(1);
  ui.setHoverTextbox(1);
  ui.setCurrentDialogBox(4);
  ui.setLastGS(1);
  ui.setIngameMenu(2);
  ui.setEditorMenu(1);
  ui.setEditorMainMenu(1);
  ui.setCurrentTT(37, 2, 5000);
  ui.clear();
  EXPECT_EQ(stateOf(), "-1 -1 -1 -1 -1 -1 0 0 0 0 0 12 -1 -1 0");
  EXPECT_EQ(ui.getMenuBackgroundTex(0), -1);  // no menu remains
  ui.allocateMenu(1);
  EXPECT_EQ(ui.getMenuBackgroundTex(0), 0);
}

TEST_F(MenuModel, LoadingAMenuForgetsHoverPressAndTyping) {
  tf::gameUI.allocateMenu(4);
  tf::gameUI.setHoverButton(2);
  tf::gameUI.setPressedButton(2);
  tf::gameUI.setTextboxEdit(1);
  tf::gameUI.setHoverTextbox(1);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  tf::loadMenu(3);
  EXPECT_EQ(stateOf(), "4 3 -1 -1 -1 -1 0 0 0 0 0 0 0 0 0");
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
}

TEST(UIStrings, SettingBeyondTheEndGrowsTheTableWithinItsLimit) {
  tf::uiString strings;
  EXPECT_EQ(strings.getString(7), "");
  strings.setString("maze", 3);
  EXPECT_EQ(strings.getStringCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(strings.getString(i), "") << i;
  EXPECT_EQ(strings.getString(3), "maze");
  strings.setString("first", 1);
  EXPECT_EQ(strings.getStringCount(), 3);  // never shrinks
  EXPECT_EQ(strings.getString(1) + strings.getString(3) + strings.getString(-1), "firstmaze");

  tftest::MessageLog messages;
  strings.setString("x", -2);
  strings.setString("x", 2147483647);
  EXPECT_EQ(strings.getStringCount(), 3);
  EXPECT_EQ(messages.lines().size(), 2u);
  EXPECT_TRUE(messages.contains("2147483647"));
  strings.setString("last", tf::kMaxModelIndex);
  EXPECT_EQ(strings.getString(tf::kMaxModelIndex), "last");
}

}  // namespace
