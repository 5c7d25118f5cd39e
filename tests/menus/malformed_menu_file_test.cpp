// Damaged menu files: lists without their end words, more menus or elements
// than allowed, gaps, missing and empty files. The program reports each fault
// with the file and the place, reads what is sound and stays usable; files
// delivered with the toolkit read without a single complaint.
#include <gtest/gtest.h>

#include "menu_files.h"
#include "messages.h"

namespace {

using tftest::MenuFiles;

std::string f(const std::string& key, double value) {
  char number[32];
  std::snprintf(number, sizeof number, "%g", value);
  return "f " + key + " " + number + "\n";
}
std::string s(const std::string& key, const std::string& value) { return "s " + key + " " + value + "\n"; }
std::string menu(int m, const std::string& rest = "") { return "menu" + std::to_string(m) + rest; }

std::string button(int m, int b) {
  std::string k = menu(m, "button" + std::to_string(b));
  return f(k + "x", 100 + b) + f(k + "y", 50 + m) + f(k + "w", 10) + f(k + "h", 5) + f(k + "tex", 1) +
         f(k + "func", 1) + f(k + "func2", b);
}
std::string textbox(int m, int t) {
  std::string k = menu(m, "textbox" + std::to_string(t));
  return f(k + "x", 200 + t) + f(k + "y", 60) + f(k + "w", 300) + f(k + "h", 22) + f(k + "textnum", t) +
         f(k + "linkedbutton", -1);
}
std::string textline(int m, int l) {
  std::string k = menu(m, "text" + std::to_string(l));
  return f(k + "x", 300 + l) + f(k + "y", 70) + f(k + "r", 1) + f(k + "g", 1) + f(k + "b", 1) +
         s(k + "string", "line " + std::to_string(l));
}

// A menu with its lists, each written with its end line unless told otherwise.
struct MenuText {
  int buttons = 0, textboxes = 0, lines = 0;
  bool endButtons = true, endTextboxes = true, endLines = true;
};

std::string menuText(int m, const MenuText& t) {
  std::string out = f(menu(m, "background"), m);
  for (int b = 0; b < t.buttons; ++b) out += button(m, b);
  if (t.endButtons) out += s(menu(m, "button" + std::to_string(t.buttons)), "endButtonLoad");
  for (int i = 0; i < t.textboxes; ++i) out += textbox(m, i);
  if (t.endTextboxes) out += s(menu(m, "textbox" + std::to_string(t.textboxes)), "endTextboxLoad");
  for (int l = 0; l < t.lines; ++l) out += textline(m, l);
  if (t.endLines) out += s(menu(m, "text" + std::to_string(t.lines)), "endTextLoad");
  return out + s(menu(m, "string0"), "end");
}

std::string endMenus(int n) { return s(menu(n), "endMenuLoad"); }

// The menu ids that open a file.
const std::string kIds = "f intromenu 0\nf editormainmenu 0\nf editormenu 0\nf ingamemenu 0\n";

int errorLines(const tftest::MessageLog& messages) {
  int count = 0;
  for (const std::string& line : messages.lines()) count += line.find("ERROR") != std::string::npos;
  return count;
}

int buttonFunc2(int m, int b) {
  float x, y, w, h;
  int tex, func, func2 = -99;
  tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, b);
  return func2;
}

TEST_F(MenuFiles, TheMenuFilesDeliveredWithTheToolkitReadWithoutComplaint) {
  for (const char* file : {"system/ui.cfg", "system/ingameui.cfg"}) {
    dir.write(file, tftest::readWholeFile(std::string(TF_SOURCE_DIR) + "/data/" + file));
  }
  for (const char* set : {"default", "ingameui"}) {
    tftest::MessageLog messages;
    tf::loadUI(set, true);
    EXPECT_EQ(errorLines(messages), 0) << set;
    EXPECT_GE(tf::gameUI.getMenuCount(), 1) << set;
  }
}

TEST_F(MenuFiles, AListWithoutItsEndWordIsReadUpToItsLastElement) {
  MenuText broken;
  broken.buttons = 2;
  broken.endButtons = false;
  broken.textboxes = 1;
  broken.lines = 3;
  broken.endLines = false;
  dir.write("system/ui.cfg", kIds + menuText(0, broken) + menuText(1, MenuText{1, 0, 0}) + endMenus(2));
  tftest::MessageLog messages;
  tf::loadUI("default", true);

  EXPECT_EQ(tf::gameUI.getMenuCount(), 2);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(0), 2);
  EXPECT_EQ(buttonFunc2(0, 1), 1);
  EXPECT_EQ(tf::gameUI.menuGetTextboxCount(0), 1);
  EXPECT_EQ(tf::gameUI.menuGetTextlineCount(0), 3);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(1), 1);  // the next menu is read as usual
  EXPECT_TRUE(messages.contains(
      "^rERROR: ^wThe buttons of menu 0 in ^ysystem/ui.cfg^w do not end with endButtonLoad; the 2 found were read."));
  EXPECT_TRUE(messages.contains(
      "^rERROR: ^wThe text lines of menu 0 in ^ysystem/ui.cfg^w do not end with endTextLoad; the 3 found were read."));
  EXPECT_EQ(errorLines(messages), 2);
  EXPECT_TRUE(messages.contains("The User Interface has been Successfully Built."));
}

TEST_F(MenuFiles, MenusWithoutTheirEndWordAreReadUpToTheLastOne) {
  dir.write("games/maze/system/ui.cfg", "f intromenu 2\n" + menuText(0, MenuText{1, 0, 0}) +
                                            menuText(1, MenuText{2, 0, 0}) + menuText(2, MenuText{}));
  tftest::MessageLog messages;
  tf::loadUI("maze", true);
  EXPECT_EQ(tf::gameUI.getMenuCount(), 3);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 2);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(1), 2);
  EXPECT_TRUE(messages.contains("^rERROR: ^wThe menus of ^ygames/maze/system/ui.cfg^w do not end with endMenuLoad; "
                                "the 3 found were read."));
  EXPECT_EQ(errorLines(messages), 1);
}

TEST_F(MenuFiles, ElementsBeyondTheLimitAreLeftOutWithAMessage) {
  struct Case {
    MenuText text;
    int (tf::UI::*count)(int) const;
    std::string message;
  } cases[] = {
      {MenuText{100, 1, 1}, &tf::UI::menuGetButtonCount, "Exceeded maximum of allowed buttons of menu 0"},
      {MenuText{1, 100, 1}, &tf::UI::menuGetTextboxCount, "Exceeded maximum of allowed textboxes of menu 0"},
      {MenuText{1, 1, 100}, &tf::UI::menuGetTextlineCount, "Exceeded maximum of allowed text lines of menu 0"},
  };
  for (const Case& c : cases) {
    dir.write("system/ui.cfg", kIds + menuText(0, c.text) + menuText(1, MenuText{3, 0, 0}) + endMenus(2));
    tftest::MessageLog messages;
    tf::loadUI("default", true);
    EXPECT_EQ((tf::gameUI.*c.count)(0), 99) << c.message;
    EXPECT_TRUE(messages.contains("^rERROR: ^w" + c.message + " in ^ysystem/ui.cfg^w: only the first 99 were read."))
        << c.message;
    EXPECT_EQ(errorLines(messages), 1) << c.message;
    // The other lists of the menu and the next menu are whole.
    EXPECT_EQ(tf::gameUI.menuGetButtonCount(0) + tf::gameUI.menuGetTextboxCount(0) +
                  tf::gameUI.menuGetTextlineCount(0),
              101)
        << c.message;
    EXPECT_EQ(tf::gameUI.menuGetButtonCount(1), 3) << c.message;
  }
}

TEST_F(MenuFiles, NinetyNineOfEverythingIsStillWithinTheLimits) {
  dir.write("system/ui.cfg", kIds + menuText(0, MenuText{99, 99, 99}));
  std::string more;
  for (int m = 1; m < 99; ++m) more += menuText(m, MenuText{});
  dir.write("system/ui.cfg", dir.read("system/ui.cfg") + more + endMenus(99));
  tftest::MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_EQ(errorLines(messages), 0);
  EXPECT_EQ(tf::gameUI.getMenuCount(), 99);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(0), 99);
  EXPECT_EQ(tf::gameUI.menuGetTextboxCount(0), 99);
  EXPECT_EQ(tf::gameUI.menuGetTextlineCount(0), 99);
}

TEST_F(MenuFiles, MenusBeyondTheLimitAreLeftOutWithAMessage) {
  std::string text;
  for (int m = 0; m < 100; ++m) text += menuText(m, MenuText{1, 0, 0});
  dir.write("system/ui.cfg", kIds + text + endMenus(100));
  tftest::MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_EQ(tf::gameUI.getMenuCount(), 99);
  EXPECT_EQ(buttonFunc2(98, 0), 0);
  EXPECT_TRUE(messages.contains(
      "^rERROR: ^wExceeded maximum of allowed menus in ^ysystem/ui.cfg^w: only the first 99 were read."));
  EXPECT_EQ(errorLines(messages), 1);
}

TEST_F(MenuFiles, AGapInAListReadsAsNotFoundAndKeepsTheLaterElements) {
  std::string text = menuText(0, MenuText{3, 0, 0});
  // Take button 1 out: its seven lines.
  std::string gap = button(0, 1);
  text.erase(text.find(gap), gap.size());
  dir.write("system/ui.cfg", kIds + text + endMenus(1));
  tftest::MessageLog messages;
  tf::loadUI("default", true);
  ASSERT_EQ(tf::gameUI.menuGetButtonCount(0), 3);
  float x, y, w, h;
  int tex, func, func2;
  tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, 0, 1);
  EXPECT_EQ(x, -1);
  EXPECT_EQ(h, -1);
  EXPECT_EQ(tex, -1);
  EXPECT_EQ(func, -1);
  EXPECT_EQ(func2, -1);
  EXPECT_EQ(buttonFunc2(0, 2), 2);
  EXPECT_TRUE(messages.contains("^rERROR: ^wButton 1 of menu 0 in ^ysystem/ui.cfg^w is missing; it reads as -1."));
  EXPECT_EQ(errorLines(messages), 1);
}

TEST_F(MenuFiles, AMissingMenuBetweenOthersIsLeftEmpty) {
  dir.write("system/ui.cfg", kIds + menuText(0, MenuText{1, 0, 0}) + menuText(2, MenuText{2, 0, 0}) + endMenus(3));
  tftest::MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_EQ(tf::gameUI.getMenuCount(), 3);
  EXPECT_EQ(tf::gameUI.getMenuBackgroundTex(1), -1);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(1), 0);
  EXPECT_EQ(tf::gameUI.menuGetTextboxCount(1), 0);
  EXPECT_EQ(tf::gameUI.menuGetTextlineCount(1), 0);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(2), 2);
  EXPECT_TRUE(messages.contains("^rERROR: ^wMenu 1 is missing from ^ysystem/ui.cfg^w; it is left empty."));
  EXPECT_EQ(errorLines(messages), 1);
}

TEST_F(MenuFiles, AnIntroMenuThatIsNotThereGivesMenuZero) {
  for (const char* intro : {"f intromenu 5\n", "f intromenu -3\n", ""}) {
    dir.write("system/ui.cfg", intro + menuText(0, MenuText{1, 0, 0}) + menuText(1, MenuText{}) + endMenus(2));
    tftest::MessageLog messages;
    tf::gameUI.setCurrentMenu(1);
    tf::loadUI("default", true);
    EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0) << intro;
    EXPECT_TRUE(messages.contains("^rERROR: ^wThe intro menu (intromenu) of ^ysystem/ui.cfg^w is not one of its "
                                  "menus; menu 0 is shown."))
        << intro;
  }
}

void expectBuiltInMenu(const tftest::MessageLog& messages, const std::string& path) {
  EXPECT_TRUE(messages.contains("^rERROR: ^wNo menu could be read from ^y" + path +
                                "^w; a built-in menu that offers Quit is shown instead."));
  EXPECT_TRUE(messages.contains("The User Interface has been Successfully Built."));
  EXPECT_EQ(tf::gameUI.getMenuCount(), 1);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0);
  EXPECT_EQ(tf::gameUI.getIngameMenu(), 0);
  EXPECT_EQ(tf::gameUI.getEditorMainMenu(), 0);
  ASSERT_EQ(tf::gameUI.menuGetButtonCount(0), 1);
  float x, y, w, h;
  int tex, func = -1, func2;
  tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, 0, 0);
  EXPECT_EQ(func, 0);  // quits the program
  EXPECT_GT(tf::gameUI.menuGetTextlineCount(0), 0);
}

TEST_F(MenuFiles, WithoutTheToolkitsMenuFileABuiltInMenuOffersQuit) {
  tftest::MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_TRUE(messages.contains("^rERROR: ^wError loading/reading file ^ysystem/ui.cfg"));
  expectBuiltInMenu(messages, "system/ui.cfg");
  EXPECT_EQ(platform.calls.back(), "warp 400,300");
}

TEST_F(MenuFiles, AnEmptyOrMenulessFileGivesTheBuiltInMenuToo) {
  for (const char* text : {"", "// nothing here\n", "f intromenu 0\ns menu1 endMenuLoad"}) {
    dir.write("system/ui.cfg", text);
    tftest::MessageLog messages;
    tf::loadUI("default", true);
    expectBuiltInMenu(messages, "system/ui.cfg");
  }
}

TEST_F(MenuFiles, AGameFileWithoutMenusFallsBackToTheInGameMenus) {
  dir.write("games/maze/system/ui.cfg", "f intromenu 3\nf ingamemenu 4\n");
  dir.write("system/ingameui.cfg", "f intromenu 1\n" + menuText(0, MenuText{1, 0, 0}) +
                                       menuText(1, MenuText{2, 0, 0}) + endMenus(2));
  tftest::MessageLog messages;
  tf::loadUI("maze", true);
  EXPECT_TRUE(messages.contains("^rERROR: ^wThe menu file ^ygames/maze/system/ui.cfg^w holds no menu."));
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to load specific game UI, using default instead."));
  EXPECT_EQ(tf::gameUI.getMenuCount(), 2);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 1);  // the in-game file's intro menu, not the game file's
  EXPECT_EQ(tf::gameUI.getIngameMenu(), -1);
}

TEST_F(MenuFiles, AGameWithNoMenusAnywhereGetsTheBuiltInMenu) {
  tftest::MessageLog messages;
  tf::loadUI("maze", true);
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to load specific game UI, using default instead."));
  expectBuiltInMenu(messages, "system/ingameui.cfg");
}

TEST_F(MenuFiles, ReadingAfterTheBuiltInMenuRestoresARealMenuSet) {
  tf::loadUI("default", true);
  ASSERT_EQ(tf::gameUI.getMenuCount(), 1);
  dir.write("system/ui.cfg", kIds + menuText(0, MenuText{2, 1, 0}) + menuText(1, MenuText{}) + endMenus(2));
  tftest::MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_EQ(errorLines(messages), 0);
  EXPECT_EQ(tf::gameUI.getMenuCount(), 2);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(0), 2);
  EXPECT_EQ(tf::gameUI.menuGetTextlineCount(0), 0);
  EXPECT_EQ(buttonFunc2(0, 1), 1);
}

}  // namespace
