// Damaged menu files: missing end words, too many menus or elements, gaps,
// missing and empty files. Each fault is reported with the file and the place,
// what is sound is read, and the program stays usable.
#include "menu_files.h"
#include "menus/button_actions.h"

namespace {

using namespace tftest;

std::string f(const std::string& key, int value) { return "f " + key + " " + std::to_string(value) + "\n"; }
std::string s(const std::string& key, const std::string& value) { return "s " + key + " " + value + "\n"; }
std::string menu(int m, const std::string& rest = "") { return "menu" + std::to_string(m) + rest; }

// Every field of one element: x = 100 + i, y = 50 + m, the rest 1 (a button's func2 its index).
std::string element(int m, const std::string& kind, int i, const Lines& fields) {
  const std::string k = menu(m, kind + std::to_string(i));
  std::string out = f(k + "x", 100 + i) + f(k + "y", 50 + m);
  for (const std::string& field : fields) out += field == "string" ? s(k + field, "line") : f(k + field, 1);
  return out + (kind == "button" ? f(k + "func2", i) : "");
}
std::string button(int m, int b) { return element(m, "button", b, {"w", "h", "tex", "func"}); }

// A menu with its lists, each with its end line unless told otherwise.
struct MenuText {
  int buttons = 0, textboxes = 0, lines = 0;
  bool endButtons = true, endLines = true;
};

std::string menuText(int m, const MenuText& t) {
  std::string out = f(menu(m, "background"), m);
  for (int b = 0; b < t.buttons; ++b) out += button(m, b);
  if (t.endButtons) out += s(menu(m, "button" + std::to_string(t.buttons)), "endButtonLoad");
  for (int i = 0; i < t.textboxes; ++i) out += element(m, "textbox", i, {"w", "h", "textnum", "linkedbutton"});
  out += s(menu(m, "textbox" + std::to_string(t.textboxes)), "endTextboxLoad");
  for (int l = 0; l < t.lines; ++l) out += element(m, "text", l, {"r", "g", "b", "string"});
  if (t.endLines) out += s(menu(m, "text" + std::to_string(t.lines)), "endTextLoad");
  return out + s(menu(m, "string0"), "end");
}

std::string endMenus(int n) { return s(menu(n), "endMenuLoad"); }

const std::string kIds = "f intromenu 0\nf editormainmenu 0\nf editormenu 0\nf ingamemenu 0\n";

// Counts of buttons, textboxes and text lines of menu m.
std::string countsOf(int m) {
  return ints({tf::gameUI.menuGetButtonCount(m), tf::gameUI.menuGetTextboxCount(m),
               tf::gameUI.menuGetTextlineCount(m)});
}

TEST_F(MenuFiles, ListsAndMenusWithoutTheirEndWordAreReadUpToTheirLastElement) {
  dir.write("system/ui.cfg", kIds + menuText(0, MenuText{2, 1, 3, false, false}) + menuText(1, MenuText{1}) +
                                 endMenus(2));
  MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_EQ(ints({tf::gameUI.getMenuCount()}) + ": " + countsOf(0) + ", " + countsOf(1), "2: 2 1 3, 1 0 0");
  EXPECT_EQ(buttonOf(0, 1), "101 50 1 1 1 1 1");
  EXPECT_TRUE(messages.contains(
      "^rERROR: ^wThe buttons of menu 0 in ^ysystem/ui.cfg^w do not end with endButtonLoad; the 2 found were read."));
  EXPECT_TRUE(messages.contains(
      "^rERROR: ^wThe text lines of menu 0 in ^ysystem/ui.cfg^w do not end with endTextLoad; the 3 found were read."));
  EXPECT_EQ(errorLines(messages), 2);
  EXPECT_TRUE(messages.contains("The User Interface has been Successfully Built."));

  dir.write("games/maze/system/ui.cfg",
            "f intromenu 2\n" + menuText(0, MenuText{1}) + menuText(1, MenuText{2}) + menuText(2, MenuText{}));
  MessageLog more;
  tf::loadUI("maze", true);
  EXPECT_EQ(ints({tf::gameUI.getMenuCount(), tf::gameUI.getCurrentMenu(), tf::gameUI.menuGetButtonCount(1)}),
            "3 2 2");
  EXPECT_TRUE(more.contains("^rERROR: ^wThe menus of ^ygames/maze/system/ui.cfg^w do not end with endMenuLoad; "
                            "the 3 found were read."));
  EXPECT_EQ(errorLines(more), 1);
}

TEST_F(MenuFiles, ElementsAndMenusBeyondTheLimitAreLeftOutWithAMessage) {
  const struct {
    MenuText text;
    const char* counts;
    const char* fault;  // nullptr: none
  } cases[] = {
      {MenuText{99, 99, 99}, "99 99 99", nullptr},
      {MenuText{100, 1, 1}, "99 1 1", "buttons of menu 0"},
      {MenuText{1, 100, 1}, "1 99 1", "textboxes of menu 0"},
      {MenuText{1, 1, 100}, "1 1 99", "text lines of menu 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.counts);
    dir.write("system/ui.cfg", kIds + menuText(0, c.text) + menuText(1, MenuText{3}) + endMenus(2));
    MessageLog messages;
    tf::loadUI("default", true);
    EXPECT_EQ(countsOf(0) + ", " + countsOf(1), c.counts + std::string(", 3 0 0"));
    EXPECT_EQ(errorLines(messages), c.fault ? 1 : 0);
    if (c.fault) {
      EXPECT_TRUE(messages.contains(std::string("^rERROR: ^wExceeded maximum of allowed ") + c.fault +
                                    " in ^ysystem/ui.cfg^w: only the first 99 were read."));
    }
  }
  for (int count : {99, 100}) {
    std::string text = kIds;
    for (int m = 0; m < count; ++m) text += menuText(m, MenuText{1});
    dir.write("system/ui.cfg", text + endMenus(count));
    MessageLog messages;
    tf::loadUI("default", true);
    EXPECT_EQ(ints({tf::gameUI.getMenuCount(), errorLines(messages)}) + " " + buttonOf(98, 0),
              ints({99, count - 99}) + " 100 148 1 1 1 1 0");
    EXPECT_EQ(messages.contains("^rERROR: ^wExceeded maximum of allowed menus in ^ysystem/ui.cfg^w: only the first "
                                "99 were read."),
              count == 100);
  }
}

TEST_F(MenuFiles, AGapInAListReadsAsNotFoundAndAMissingMenuIsLeftEmpty) {
  std::string text = menuText(0, MenuText{3});
  const std::string gap = button(0, 1);
  text.erase(text.find(gap), gap.size());
  dir.write("system/ui.cfg", kIds + text + menuText(2, MenuText{2}) + endMenus(3));
  MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_EQ(countsOf(0) + ", " + countsOf(1) + ", " + countsOf(2), "3 0 0, 0 0 0, 2 0 0");
  EXPECT_EQ(buttonOf(0, 1) + ", " + buttonOf(0, 2), "-1 -1 -1 -1 -1 -1 -1, 102 50 1 1 1 1 2");
  EXPECT_EQ(ints({tf::gameUI.getMenuCount(), tf::gameUI.getMenuBackgroundTex(1)}), "3 -1");
  EXPECT_TRUE(messages.contains("^rERROR: ^wButton 1 of menu 0 in ^ysystem/ui.cfg^w is missing; it reads as -1."));
  EXPECT_TRUE(messages.contains("^rERROR: ^wMenu 1 is missing from ^ysystem/ui.cfg^w; it is left empty."));
  EXPECT_EQ(errorLines(messages), 2);
}

TEST_F(MenuFiles, AnIntroMenuThatIsNotThereGivesMenuZero) {
  for (const char* intro : {"f intromenu 2\n", "f intromenu -3\n", ""}) {
    SCOPED_TRACE(intro);
    dir.write("system/ui.cfg", intro + menuText(0, MenuText{1}) + menuText(1, MenuText{}) + endMenus(2));
    MessageLog messages;
    tf::gameUI.setCurrentMenu(1);
    tf::loadUI("default", true);
    EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0);
    EXPECT_TRUE(messages.contains("^rERROR: ^wThe intro menu (intromenu) of ^ysystem/ui.cfg^w is not one of its "
                                  "menus; menu 0 is shown."));
  }
}

TEST_F(MenuFiles, WithoutAnyMenuToReadABuiltInMenuOffersQuit) {
  const struct {
    const char* set;
    const char* text;  // of system/ui.cfg; nullptr: none yet
    const char* path;
  } cases[] = {{"default", nullptr, "system/ui.cfg"},
               {"default", "", "system/ui.cfg"},
               {"default", "f intromenu 0\ns menu1 endMenuLoad", "system/ui.cfg"},
               {"maze", nullptr, "system/ingameui.cfg"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.set) + " " + (c.text ? c.text : "no file"));
    if (c.text) dir.write("system/ui.cfg", c.text);
    MessageLog messages;
    tf::loadUI(c.set, true);
    EXPECT_TRUE(messages.contains(std::string("^rERROR: ^wNo menu could be read from ^y") + c.path +
                                  "^w; a built-in menu that offers Quit is shown instead."));
    EXPECT_TRUE(messages.contains("The User Interface has been Successfully Built."));
    EXPECT_EQ(ints({tf::gameUI.getMenuCount(), tf::gameUI.getCurrentMenu(), tf::gameUI.getIngameMenu(),
                    tf::gameUI.getEditorMenu(), tf::gameUI.getEditorMainMenu(), tf::gameUI.menuGetButtonCount(0)}),
                "1 0 0 0 0 1");
    float x, y, w, h;
    int tex, func = -1, func2;
    tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, 0, 0);
    EXPECT_EQ(func, tf::kFuncQuit);
    EXPECT_GT(tf::gameUI.menuGetTextlineCount(0), 0);
    EXPECT_EQ(platform.calls.back(), "warp 400,300");
  }
  // Reading a sound file afterwards restores a real menu set.
  dir.write("system/ui.cfg", kIds + menuText(0, MenuText{2, 1}) + menuText(1, MenuText{}) + endMenus(2));
  MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_EQ(ints({errorLines(messages), tf::gameUI.getMenuCount()}) + ": " + countsOf(0), "0 2: 2 1 0");
}

TEST_F(MenuFiles, AGameFileWithoutMenusFallsBackToTheInGameMenus) {
  dir.write("games/maze/system/ui.cfg", "f intromenu 3\nf ingamemenu 4\n");
  dir.write("system/ingameui.cfg",
            "f intromenu 1\n" + menuText(0, MenuText{1}) + menuText(1, MenuText{2}) + endMenus(2));
  MessageLog messages;
  tf::loadUI("maze", true);
  EXPECT_TRUE(messages.contains("^rERROR: ^wThe menu file ^ygames/maze/system/ui.cfg^w holds no menu."));
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to load specific game UI, using default instead."));
  // The in-game file's ids, not the game file's.
  EXPECT_EQ(ints({tf::gameUI.getMenuCount(), tf::gameUI.getCurrentMenu(), tf::gameUI.getIngameMenu()}), "2 1 -1");
}

}  // namespace
