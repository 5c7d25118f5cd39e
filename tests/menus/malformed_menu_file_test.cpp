// Damaged and missing menu files: each fault is reported with the file and the
// place, what is sound is read, and without any menu a built-in one offers Quit.
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
  for (const std::string& field : fields) out += f(k + field, 1);
  return out + (kind == "button" ? f(k + "func2", i) : "");
}
std::string button(int m, int b) { return element(m, "button", b, {"w", "h", "tex", "func"}); }

// A menu with its lists, each with its end line unless told otherwise.
struct MenuText {
  int buttons = 0, textboxes = 0;
  bool endButtons = true;
};

std::string menuText(int m, const MenuText& t) {
  std::string out = f(menu(m, "background"), m);
  for (int b = 0; b < t.buttons; ++b) out += button(m, b);
  if (t.endButtons) out += s(menu(m, "button" + std::to_string(t.buttons)), "endButtonLoad");
  for (int i = 0; i < t.textboxes; ++i) out += element(m, "textbox", i, {"w", "h", "textnum", "linkedbutton"});
  out += s(menu(m, "textbox" + std::to_string(t.textboxes)), "endTextboxLoad");
  out += s(menu(m, "text0"), "endTextLoad");
  return out + s(menu(m, "string0"), "end");
}

std::string endMenus(int n) { return s(menu(n), "endMenuLoad"); }

const std::string kIds = "f intromenu 0\nf editormainmenu 0\nf editormenu 0\nf ingamemenu 0\n";

// Menus, the menu shown, menu 0's buttons and textboxes, menu 1's buttons, and
// the function of menu 0's first button.
std::string summary() {
  const tf::UI& ui = tf::gameUI;
  float x, y, w, h;
  int tex, func = -1, func2;
  ui.uiGetButton(x, y, w, h, tex, func, func2, 0, 0);
  return joined({ui.getMenuCount(), ui.getCurrentMenu(), ui.menuGetButtonCount(0), ui.menuGetTextboxCount(0),
               ui.menuGetButtonCount(1), func});
}

std::string withoutButton(const std::string& text, int m, int b) {
  std::string out = text;
  return out.erase(out.find(button(m, b)), button(m, b).size());
}

TEST_F(MenuFiles, DamagedOrMissingMenuFilesAreReportedAndWhatIsSoundIsUsed) {
  // The in-game set, which a game without menus of its own falls back to.
  dir.write("system/ingameui.cfg",
            "f intromenu 1\n" + menuText(0, MenuText{1}) + menuText(1, MenuText{2}) + endMenus(2));
  const std::string quit = std::to_string(tf::kFuncQuit);
  const std::string builtIn = "1 0 1 0 0 " + quit;
  const std::string noMenu =
      "^rERROR: ^wNo menu could be read from ^ysystem/ui.cfg^w; a built-in menu that offers Quit is shown instead.";
  const std::string unreadable = "^rERROR: ^wError loading/reading file ^y";
  const std::string noGameMenu = "^rERROR: ^wUnable to load specific game UI, using default instead.";
  const struct {
    const char* set;
    const char* path;
    bool exists;
    std::string text;
    Lines errors;  // every error line expected
    std::string summary;
  } cases[] = {
      {"default", "system/ui.cfg", true,
       kIds + menuText(0, MenuText{2, 1, false}) + menuText(1, MenuText{1}) + endMenus(2),
       {"^rERROR: ^wThe buttons of menu 0 in ^ysystem/ui.cfg^w do not end with endButtonLoad; the 2 found were read."},
       "2 0 2 1 1 1"},
      {"maze", "games/maze/system/ui.cfg", true,
       "f intromenu 2\n" + menuText(0, MenuText{1}) + menuText(1, MenuText{2}) + menuText(2, MenuText{}),
       {"^rERROR: ^wThe menus of ^ygames/maze/system/ui.cfg^w do not end with endMenuLoad; the 3 found were read."},
       "3 2 1 0 2 1"},
      {"default", "system/ui.cfg", true, kIds + menuText(0, MenuText{100}) + menuText(1, MenuText{3}) + endMenus(2),
       {"^rERROR: ^wExceeded maximum of allowed buttons of menu 0 in ^ysystem/ui.cfg^w: only the first 99 were read."},
       "2 0 99 0 3 1"},
      {"default", "system/ui.cfg", true,
       kIds + withoutButton(menuText(0, MenuText{3}), 0, 1) + menuText(2, MenuText{2}) + endMenus(3),
       {"^rERROR: ^wButton 1 of menu 0 in ^ysystem/ui.cfg^w is missing; it reads as -1.",
        "^rERROR: ^wMenu 1 is missing from ^ysystem/ui.cfg^w; it is left empty."},
       "3 0 3 0 0 1"},
      {"default", "system/ui.cfg", true,
       "f intromenu 2\n" + menuText(0, MenuText{1}) + menuText(1, MenuText{}) + endMenus(2),
       {"^rERROR: ^wThe intro menu (intromenu) of ^ysystem/ui.cfg^w is not one of its menus; menu 0 is shown."},
       "2 0 1 0 0 1"},
      {"default", "system/ui.cfg", false, "", {unreadable + "system/ui.cfg", noMenu}, builtIn},
      {"default", "system/ui.cfg", true, "", {noMenu}, builtIn},
      {"maze", "games/maze/system/ui.cfg", true, "f intromenu 3\nf ingamemenu 4\n",
       {"^rERROR: ^wThe menu file ^ygames/maze/system/ui.cfg^w holds no menu.", noGameMenu}, "2 1 1 0 2 1"},
      {"zoo", "games/zoo/system/ui.cfg", false, "", {unreadable + "games/zoo/system/ui.cfg", noGameMenu},
       "2 1 1 0 2 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.errors.front());
    std::remove(c.path);
    if (c.exists) dir.write(c.path, c.text);
    tf::gameUI.setCurrentMenu(1);
    MessageLog messages;
    tf::loadUI(c.set, true);
    EXPECT_EQ(errorsOf(messages), c.errors);
    EXPECT_EQ(summary(), c.summary);
    EXPECT_TRUE(messages.contains("The User Interface has been Successfully Built."));
  }
}

}  // namespace
