// The toolkit's help and the editors' help lines promise only what is there:
// every key they name does what they say in the place they say it, and every
// control the help lines name is drawn by an editor. Every control an editor
// draws has a tooltip, and every tooltip belongs to a code that some screen
// reads.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "console/console.h"
#include "editor/editor.h"
#include "editor/image_chooser.h"
#include "editor/logic_editor_plan.h"
#include "editor/macro_menu.h"
#include "editor/menu_editor.h"
#include "editor/menu_editor_panel.h"
#include "editor/tips_bar.h"
#include "editor/welcome_window.h"
#include "editor/world_editor_layout.h"
#include "input/screens.h"
#include "input_fixture.h"
#include "media/notice.h"
#include "menus/help.h"
#include "menus/tooltip.h"
#include "menus/ui_model.h"
#include "temp_dir.h"

namespace {

using namespace tf;

std::string readSystemFile(const char* file) {
  return tftest::readWholeFile(std::string(TF_SOURCE_DIR) + "/data/system/" + file);
}

// A text as it reads on screen: without its caret codes.
std::string withoutCarets(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '^') {
      ++i;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The values of the lines of a configuration file whose key starts with
// `prefix`.
std::vector<std::string> valuesOf(const std::string& file, const std::string& prefix) {
  std::vector<std::string> values;
  const std::regex line("^s (" + prefix + "\\S*) ?(.*)$");
  std::smatch m;
  std::size_t start = 0;
  while (start < file.size()) {
    std::size_t end = file.find('\n', start);
    if (end == std::string::npos) end = file.size();
    const std::string text = file.substr(start, end - start);
    if (std::regex_match(text, m, line)) values.push_back(m[2]);
    start = end + 1;
  }
  return values;
}

// The names the help gives keys: function keys, and the named keys below.
std::set<std::string> keysNamedIn(const std::vector<std::string>& lines) {
  static const char* const kNamedKeys[] = {"Tab",    "Escape",    "Enter", "Delete", "Page Up",
                                           "Page Down", "Backspace", "Space", "Home",   "End"};
  std::set<std::string> keys;
  const std::regex functionKey("\\bF([0-9]{1,2})\\b");
  for (const std::string& raw : lines) {
    const std::string line = withoutCarets(raw);
    for (std::sregex_iterator it(line.begin(), line.end(), functionKey), end; it != end; ++it) keys.insert(it->str());
    for (const char* name : kNamedKeys) {
      if (std::regex_search(line, std::regex(std::string("\\b") + name + "\\b"))) keys.insert(name);
    }
  }
  return keys;
}

class HelpPromises : public tftest::InputTest {
 public:
  // The toolkit's main menu in game state 0, with help to open.
  static void onMainMenu() {
    makeMenus(1);
    uiHelp.menuSetMenuTitle(0, "Getting started");
  }
  static void withObject() {
    onEditingScreen();
    world.worldSetObject(0.6f, 0.9f, 0.1f, 0.2f, 1, 0, 0, 0);
    worldEditor.setCurrentObject(0);
    worldEditor.setEditorMode(kModeObject);
  }
  static void withTile() {
    onEditingScreen();
    worldEditor.setCurrentTile(3, 3);
    worldEditor.setEditorMode(kModeTile);
  }
  static std::string tiles() {
    int x0, y0, x1, y1;
    worldEditor.getStartingTile(x0, y0);
    worldEditor.getEndingTile(x1, y1);
    return std::to_string(x0) + "," + std::to_string(y0) + "-" + std::to_string(x1) + "," + std::to_string(y1);
  }
};

// Every key the help and the help lines name, with where the help says it
// works and what it does there.
TEST_F(HelpPromises, EveryKeyTheHelpNamesDoesWhatItSays) {
  struct Promise {
    const char* key;
    std::function<void(HelpPromises&)> setup, act;
    std::function<bool()> done;
  };
  const auto menus = [](HelpPromises&) { onMainMenu(); };
  const auto tile = [](HelpPromises&) { withTile(); };
  const auto object = [](HelpPromises&) { withObject(); };
  const auto editing = [](HelpPromises&) { onEditingScreen(); };
  const auto withConsole = [](HelpPromises& t) {  // open over a long history
    onMainMenu();
    for (int i = 0; i < 60; ++i) console.echo("line " + std::to_string(i));
    t.press(kCharBackquote);
  };
  // A key, a special key and one with Shift held.
  const auto key = [](unsigned char k) { return [k](HelpPromises& t) { t.press(k); }; };
  const auto special = [](int k, bool shift = false) { return [k, shift](HelpPromises& t) { t.special(k, shift); }; };
  const auto state = [](int s) { return [s] { return gameSys.getGameState() == s; }; };
  const std::vector<Promise> promises = {
      {"F1", menus, special(kSpecialF1), [] { return gameSys.getFS(); }},
      {"F2", menus, special(kSpecialF2), [] { return gameSys.getDebugState(); }},
      {"F3", menus, special(kSpecialF3), helpShown},
      {"H", menus, key('h'), helpShown},
      {"F5", editing, special(kSpecialF5), state(kStatePlaytest)},
      {"Escape",
       [](HelpPromises& t) {
         onEditingScreen();
         t.special(kSpecialF5);
       },
       key(kCharEscape), [] { return worldEditor.getEndTest() == 1; }},
      {"Escape", [](HelpPromises&) { startGame(); }, key(kCharEscape), state(kStateIngameMenu)},
      {"F9", editing, special(kSpecialF9), [] { return !worldEditor.getWireframe(); }},
      {"F10", editing, special(kSpecialF10), [] { return worldEditor.getSAO() == 1; }},
      {"F11", menus, special(kSpecialF11), state(kStateDialog)},
      {"Tab", menus, key(kCharTab), state(kStateDialog)},
      {"F12", menus, special(kSpecialF12), [] { return tftest::shownNotice().rfind("Screenshot |", 0) == 0; }},
      {"`", menus, key(kCharBackquote), consoleOpen},
      {"1-7", editing, [](HelpPromises& t) { t.press('1'), t.press('7'); },
       [] { return !worldEditor.getRenderLayer(0) && !worldEditor.getRenderLayer(6) && worldEditor.getRenderLayer(3); }},
      {"arrows", tile, special(kSpecialRight), [] { return tiles() == "4,3-4,3"; }},
      {"Shift + arrows", tile, special(kSpecialUp, true), [] { return tiles() == "3,3-3,4"; }},
      {"Shift + arrows", object, special(kSpecialRight, true),
       [] {
         float x, y, w, h;
         int tex, layer;
         world.worldGetObject(x, y, w, h, tex, layer, 0, 0);
         return w > 0.1f;
       }},
      {"Delete", object, key(kCharDelete), [] { return world.worldGetObjectCount(0) == 0; }},
      {"middle button", editing,
       [](HelpPromises&) {
         mouse(kButtonMiddle, kButtonDown, 400, 300);
         mouse(kButtonMiddle, kButtonUp, 400, 300);
       },
       [] { return world.worldGetObjectCount(0) == 1; }},
      {"Enter",
       [](HelpPromises&) {
         onEditingScreen();
         gameSys.setGameState(kStateMenuEditor);
         worldEditor.setEditorMode(kMenuModeNothing);
       },
       key(kCharEnter), [] { return worldEditor.getEditorMode() == kMenuModeMenu; }},
      {"Page Up", withConsole, special(kSpecialPageUp), [] { return console.getCurrentLine() > 0; }},
      {"Page Down",
       [withConsole](HelpPromises& t) {
         withConsole(t);
         t.special(kSpecialPageUp);
       },
       special(kSpecialPageDown), [] { return console.getCurrentLine() == 0; }},
  };

  // The keys named anywhere in the help or the help lines all have a promise.
  std::vector<std::string> lines = valuesOf(readSystemFile("help.cfg"), "help");
  for (const std::string& l : valuesOf(readSystemFile("uiinfo.cfg"), "")) lines.push_back(l);
  std::set<std::string> promised;
  for (const Promise& p : promises) promised.insert(p.key);
  for (const std::string& key : keysNamedIn(lines)) EXPECT_EQ(promised.count(key), 1u) << key << " is named in the help";

  for (const Promise& p : promises) {
    SCOPED_TRACE(p.key);
    fresh();
    worldEditor = editor();
    p.setup(*this);
    ASSERT_FALSE(p.done()) << "already so before the key";
    p.act(*this);
    EXPECT_TRUE(p.done());
  }
}

// The words of `name` all appear in `text`, whatever their case.
bool allWordsIn(const std::string& name, const std::string& text) {
  const std::string haystack = lowered(withoutCarets(text));
  const std::regex word("[A-Za-z]+");
  const std::string plain = withoutCarets(name);
  for (std::sregex_iterator it(plain.begin(), plain.end(), word), end; it != end; ++it) {
    if (haystack.find(lowered(it->str())) == std::string::npos) return false;
  }
  return true;
}

// What the editors draw: every panel of the world editor in every mode with
// the image chooser, the macro menu, the logic editor and its phrase
// windows, the tips bar and the welcome window over them; and the menu
// editor's panel in every mode.
std::vector<PanelItem> editorScreens() {
  std::vector<PanelItem> items;
  const auto collect = [&items](void (*plan)(PanelPlan&)) {
    PanelPlan p;
    plan(p);
    items.insert(items.end(), p.items().begin(), p.items().end());
  };
  for (int m = kModeFolded; m <= kModeFog; ++m) {
    worldEditor.setEditorMode(m);
    collect(planWorldEditor);
  }
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setImageMenuTimer(1);
  collect(planImageChooser);
  worldEditor.setImageMenuTimer(0);
  worldEditor.setTemplateSelect(1);
  collect(planMacroMenu);
  worldEditor.setTemplateSelect(0);
  worldEditor.setEditorMode(kModeGlobalLogic);
  collect(planLogicEditor);
  worldEditor.setPhraseMenu(0);
  collect(planPhraseWindows);
  worldEditor.setPhraseMenu(-1);
  worldEditor.setPhraseSelector(0);
  collect(planPhraseWindows);
  worldEditor.setPhraseSelector(-1);
  PanelPlan bars;
  planTipsBar(kStateWorldEditor, 0, bars);
  planWelcome(1, bars);
  items.insert(items.end(), bars.items().begin(), bars.items().end());
  gameSys.setGameState(kStateMenuEditor);
  for (int m = kMenuModeFolded; m <= kMenuModeAnimation; ++m) {
    worldEditor.setEditorMode(m);
    collect(planMenuEditorPanel);
  }
  return items;
}

bool isControl(const PanelItem& item) { return item.pickable && !(item.pick == kPickBlocking); }

// A scene with something in every panel: two maps, an object selected with
// a global sentence of its map, a menu with a button and a line of text.
void everythingToShow() {
  HelpPromises::withObject();
  world.allocateMaps(2);
  world.worldSetMap(10, 10, "Other", 1);
  world.mapGlobalAppendSentence(0, sentence());
  gameUI.uiModifyButton(400, 100, 100, 25, 0, 1, 0, 0, 0);
  gameUI.menuSetButtonCount(0, 1);
  gameUI.uiInsertTextline(400, 300, 1, 1, 1, "Title", 0, 0);
}

// Every control an editor draws tells what it does in a tooltip, but the
// words of a logic sentence, which the logic editor explains in its own
// window.
TEST_F(HelpPromises, EveryControlOfEveryEditorHasATooltip) {
  everythingToShow();
  int controls = 0;
  for (const PanelItem& item : editorScreens()) {
    if (!isControl(item) || item.pick.r == kPickLogicWord) continue;
    ++controls;
    EXPECT_NE(toolTipText(item.pick.r, item.pick.b), kNoTooltip) << "code " << item.pick.r;
  }
  EXPECT_GT(controls, 60);
}

// The controls that the help lines name in yellow are drawn by an editor:
// a panel's label or a control whose tooltip says the same.
TEST_F(HelpPromises, EveryControlTheHelpLinesNameIsOnAnEditorsScreen) {
  everythingToShow();
  std::vector<std::string> shown;
  for (const PanelItem& item : editorScreens()) {
    if (item.kind == PanelItem::Text) shown.push_back(item.text);
    if (isControl(item)) shown.push_back(toolTipText(item.pick.r, item.pick.b));
  }
  // The names of keys (promised above) and of the editors themselves.
  const std::set<std::string> notControls = {"World Editor", "Menu Editor", "1", "7", "F5", "H", "Enter"};
  const std::regex named("\\^y([^^]+)\\^w");
  int checked = 0;
  for (const std::string& line : valuesOf(readSystemFile("uiinfo.cfg"), "")) {
    for (std::sregex_iterator it(line.begin(), line.end(), named), end; it != end; ++it) {
      const std::string name = (*it)[1];
      if (notControls.count(name)) continue;
      ++checked;
      bool found = false;
      for (const std::string& text : shown) found = found || allWordsIn(name, text);
      EXPECT_TRUE(found) << "\"" << name << "\" is named in the help lines but no editor shows it";
    }
  }
  EXPECT_GT(checked, 2);
}

// Every tooltip the table holds is for a code that some screen reads; every
// fixed tooltip code of a screen's controls reads a tooltip.
TEST_F(HelpPromises, EveryTooltipBelongsToACodeSomeScreenReads) {
  std::set<int> read;
  for (int state = kStateMenus; state <= kStatePlaytest; ++state) {
    for (int mode = kMenuModeFolded; mode <= kModeFog; ++mode) {
      for (const PickList& list : screensFor(state, mode).picks()) {
        for (const PickUse& use : list) read.insert(use.code);
      }
    }
  }
  for (const PickUse& use : kToolkitPicks) read.insert(use.code);
  for (int code = 0; code < 256; ++code) {
    if (code == kTipMenuButton) continue;  // a live menu's button, described by its function
    if (toolTipText(code, 0) == kNoTooltip) continue;
    EXPECT_EQ(read.count(code), 1u) << "tooltip " << code << " \"" << toolTipText(code, 0) << "\" belongs to no control";
  }
}

}  // namespace
