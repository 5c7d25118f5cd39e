// The menu file reader on arbitrary text, read as a game's own ui.cfg (and the
// in-game menus instead when it holds no menu). Every list must stay within
// what a menu may hold, what the menus show and their tooltips must be worked
// out without fault, and what was read must be saved and read back to the
// same menus (numbers to the six digits they are saved with) and the same
// file. Shown strings are left out: they are written by hand only, and saving
// does not keep them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "console/console.h"
#include "core/numbers.h"
#include "core/system.h"
#include "fuzz_folder.h"
#include "game/world.h"
#include "media/images.h"
#include "media/line_break.h"
#include "media/text.h"
#include "menus/button_actions.h"
#include "menus/menu_layout.h"
#include "menus/tooltip.h"
#include "menus/ui.h"
#include "menus/ui_model.h"

namespace {

constexpr const char* kGame = "fuzz";
constexpr const char* kGameMenus = "games/fuzz/system/ui.cfg";
// Menu pictures of the folder (empty files: the windowless platform loads no
// picture but registers every one), so that animated images are read too.
constexpr int kMenuPictures = 4;

void prepareFolder() {
  // The shipped in-game menus, read instead of a file that holds no menu.
  const std::string ingame = tffuzz::readFile(TF_SOURCE_DIR "/data/system/ingameui.cfg");
  tffuzz::writeFile("system/ingameui.cfg", ingame);
  for (int i = 0; i < kMenuPictures; ++i) tffuzz::writeFile("ui/" + std::to_string(i) + ".png", "");
  tf::world.setGameName(kGame);
}

// What the drawing relies on: at least one menu, the shown one among them,
// and every list within a menu's limit.
void checkModel() {
  const tf::UI& ui = tf::gameUI;
  const int menus = ui.getMenuCount();
  if (menus < 1 || menus > tf::kMaxMenus) __builtin_trap();
  if (ui.getCurrentMenu() < 0 || ui.getCurrentMenu() >= menus) __builtin_trap();
  for (int m = 0; m < menus; ++m) {
    for (int count : {ui.menuGetButtonCount(m), ui.menuGetTextboxCount(m), ui.menuGetTextlineCount(m)}) {
      if (count < 0 || count > tf::kMaxMenuElements) __builtin_trap();
    }
  }
}

void showButtons(int m, int state) {
  for (int i = 0; i < tf::gameUI.menuGetButtonCount(m); ++i) {
    float x, y, w, h;
    int tex, func, func2;
    tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, i);
    tf::buttonLook(x, y, w, h, true, false);
    tf::menuButtonPick(i, state);
    tf::buttonEditorDescription(func, func2);
    const std::string tip = tf::toolTipText(tf::kTipMenuButton, i);
    const tf::BrokenText lines = tf::breakIntoLines(tip);
    tf::getDisplayTextSize(lines.lines[tf::longestLine(lines)]);
  }
}

void showTextboxes(int m, int state) {
  for (int i = 0; i < tf::gameUI.menuGetTextboxCount(m); ++i) {
    float x, y, w, h, textX, textY;
    int text;
    tf::gameUI.uiGetTextbox(x, y, w, h, text, m, i);
    tf::textboxField(x, y, w, h, true);
    tf::textboxTextPosition(x, y, textX, textY);
    tf::menuTextboxPick(i, state);
    tf::getDisplayTextSize(tf::menuTextboxText(i, text));
    tf::toolTipText(tf::kTipEditorTextbox, i);
  }
}

void showTextlines(int m, int state) {
  for (int l = 0; l < tf::gameUI.menuGetTextlineCount(m); ++l) {
    float x, y, r, g, b;
    std::string text;
    tf::gameUI.uiGetText(x, y, r, g, b, text, m, l);
    const std::string shown = tf::menuTextlineText(l, text, state, state == tf::kStateMenuEditor ? l : -1);
    tf::getDisplayTextSize(shown);
    tf::textlinePickRect(x, y, shown);
  }
}

// Works out every menu as the menus and the menu editor draw it.
void showEveryMenu() {
  for (int state : {tf::kStateMenus, tf::kStateMenuEditor}) {
    for (int m = 0; m < tf::gameUI.getMenuCount(); ++m) {
      tf::loadMenu(m);
      tf::planMenuDraw(state, false, m == tf::gameUI.getEditorMenu(), tf::gameUI.getMenuBackgroundTex(m));
      showButtons(m, state);
      showTextboxes(m, state);
      showTextlines(m, state);
      for (const tf::ShownString& s : tf::shownStrings(m)) tf::getDisplayTextSize(s.text);
    }
  }
}

// Everything about the menus that a menu file holds, as text.
class MenuDump {
 public:
  MenuDump& operator<<(float value) { return word(tf::formatFloat(value)); }
  MenuDump& operator<<(int value) { return word(std::to_string(value)); }
  // A carriage return in a text is saved as a space, as every writer saves
  // line breaks inside a value.
  MenuDump& operator<<(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    return word("[" + text + "]");
  }
  const std::string& str() const { return text_; }

 private:
  MenuDump& word(const std::string& w) {
    text_ += w + " ";
    return *this;
  }
  std::string text_;
};

void dumpMenu(MenuDump& dump, int m) {
  const tf::UI& ui = tf::gameUI;
  dump << ui.getMenuBackgroundTex(m);
  for (int i = 0; i < ui.menuGetButtonCount(m); ++i) {
    float x, y, w, h;
    int tex, func, func2;
    ui.uiGetButton(x, y, w, h, tex, func, func2, m, i);
    dump << x << y << w << h << tex << func << func2;
  }
  for (int i = 0; i < ui.menuGetTextboxCount(m); ++i) {
    float x, y, w, h;
    int text;
    ui.uiGetTextbox(x, y, w, h, text, m, i);
    dump << x << y << w << h << text << ui.uiGetLinkedButton(i, m);
  }
  for (int l = 0; l < ui.menuGetTextlineCount(m); ++l) {
    float x, y, r, g, b;
    std::string text;
    ui.uiGetText(x, y, r, g, b, text, m, l);
    dump << x << y << r << g << b << text;
  }
}

std::string dumpMenus() {
  const tf::UI& ui = tf::gameUI;
  MenuDump dump;
  dump << ui.getMenuCount() << ui.getCurrentMenu() << ui.getIngameMenu() << ui.getEditorMenu()
       << ui.getEditorMainMenu();
  for (const tf::img& image : tf::uiImage) {
    dump << static_cast<int>(image.getAnimState()) << image.getFrameCount() << image.getAnimSpeed();
  }
  for (int m = 0; m < ui.getMenuCount(); ++m) dumpMenu(dump, m);
  return dump.str();
}

// Loads the game's menus; what they hold.
std::string load() {
  tf::loadUI(kGame, true);
  checkModel();
  return dumpMenus();
}

// Saves the menus; the file as saved.
std::string save() {
  tf::saveUI(tf::world.getGameName());
  return tffuzz::readFile(kGameMenus);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tffuzz::InFuzzFolder inFolder(prepareFolder);
  tf::console = tf::debugConsole();  // keep the echoed messages from piling up
  tffuzz::writeInput(kGameMenus, data, size);
  const std::string menus = load();
  showEveryMenu();
  const std::string saved = save();
  if (load() != menus) __builtin_trap();
  if (save() != saved) __builtin_trap();
  return 0;
}
