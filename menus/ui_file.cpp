// The menu file reader. A sound file is read as it always has been; a damaged
// one (a list without its end word, more elements than a menu may hold, a gap
// in a list, no menus at all) is read as far as it is sound and every fault is
// reported with the file and the place, so the program stays usable.
#include "menus/ui_file.h"

#include <algorithm>

#include "core/log.h"
#include "core/numbers.h"
#include "core/platform.h"
#include "core/script_object.h"
#include "core/system.h"
#include "media/images.h"
#include "media/sound.h"
#include "menus/ui_keys.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

using uikeys::ElementKeys;
using uikeys::elementKey;
using uikeys::imageKey;
using uikeys::menuKey;

constexpr const char* kToolkitMenus = "system/ui.cfg";
constexpr const char* kIngameMenus = "system/ingameui.cfg";
// The loading screen's bar once the menus are read; the game's own steps
// fill the rest.
constexpr float kMenusLoadedProgress = 0.75f;

// A menu image whose "anim" value is this is animated.
constexpr int kAnimationOn = 1;

// The built-in menu shown when a menu set has no menu that can be read.
constexpr int kQuitFunction = 0;

float number(const std::string& key) { return scriptUI.findLineF(key); }
int integer(const std::string& key) { return truncToInt(scriptUI.findLineF(key)); }
std::string named(const std::string& path) { return "^y" + path + "^w"; }

void reportFault(const std::string& text) { systemMsg("^rERROR: ^w" + text); }

void storeButton(int m, int b) {
  auto key = [&](const char* field) { return elementKey(m, uikeys::kButtons, b, field); };
  gameUI.uiModifyButton(number(key("x")), number(key("y")), number(key("w")), number(key("h")),
                        integer(key("tex")), integer(key("func")), integer(key("func2")), m, b);
}

void storeTextbox(int m, int t) {
  auto key = [&](const char* field) { return elementKey(m, uikeys::kTextboxes, t, field); };
  gameUI.uiModifyTextbox(number(key("x")), number(key("y")), number(key("w")), number(key("h")),
                         integer(key("textnum")), m, t);
  gameUI.uiSetLinkedButton(integer(key("linkedbutton")), t, m);
}

void storeTextline(int m, int l) {
  auto key = [&](const char* field) { return elementKey(m, uikeys::kTextlines, l, field); };
  gameUI.uiModifyText(number(key("x")), number(key("y")), number(key("r")), number(key("g")), number(key("b")),
                      scriptUI.findLineS(key("string")), m, l);
}

// An element list as the reader handles it: its keys, how one element is
// stored, how the count is set, and its names in messages.
struct ListReader {
  const ElementKeys& keys;
  void (*store)(int m, int i);
  void (UI::*setCount)(int menu, int n);
  const char* singular;  // "Button"
  const char* plural;    // "buttons"
};

const ListReader kListReaders[] = {
    {uikeys::kButtons, storeButton, &UI::menuSetButtonCount, "Button", "buttons"},
    {uikeys::kTextboxes, storeTextbox, &UI::menuSetTextboxCount, "Textbox", "textboxes"},
    {uikeys::kTextlines, storeTextline, &UI::menuSetTextlineCount, "Text line", "text lines"},
};

bool elementPresent(int m, const ElementKeys& list, int i) {
  for (const char* field : list.fields) {
    if (scriptUI.hasKey(elementKey(m, list, i, field))) return true;
  }
  return false;
}

bool listEndsAt(int m, const ElementKeys& list, int i) {
  return scriptUI.findLineS(elementKey(m, list, i)) == list.endWord;
}

// The index holding the list's end word, or -1 when the list does not end
// within the elements a menu may hold.
int findListEnd(int m, const ElementKeys& list) {
  for (int i = 0; i <= kMaxMenuElements; ++i) {
    if (listEndsAt(m, list, i)) return i;
  }
  return -1;
}

std::string inMenu(int m, const std::string& path) { return " of menu " + std::to_string(m) + " in " + named(path); }

// Reads one list of menu m and returns its number of elements. A list that
// ends with its end word is read to it, a missing element in it reading as
// the "not found" numbers as always; a list without its end word within the
// limit is read up to its first missing element or to the limit.
int readList(const std::string& path, int m, const ListReader& list) {
  int end = findListEnd(m, list.keys);
  if (end >= 0) {
    for (int i = 0; i < end; ++i) {
      if (!elementPresent(m, list.keys, i)) {
        reportFault(std::string(list.singular) + " " + std::to_string(i) + inMenu(m, path) +
                    " is missing; it reads as -1.");
      }
      list.store(m, i);
    }
    return end;
  }
  int count = 0;
  while (count < kMaxMenuElements && elementPresent(m, list.keys, count)) list.store(m, count++);
  if (count == kMaxMenuElements && elementPresent(m, list.keys, kMaxMenuElements)) {
    reportFault(std::string("Exceeded maximum of allowed ") + list.plural + inMenu(m, path) + ": only the first " +
                std::to_string(kMaxMenuElements) + " were read.");
  } else {
    reportFault(std::string("The ") + list.plural + inMenu(m, path) + " do not end with " + list.keys.endWord +
                "; the " + std::to_string(count) + " found were read.");
  }
  return count;
}

bool menuPresent(int m) {
  if (scriptUI.hasKey(menuKey(m, "background"))) return true;
  for (const ListReader& list : kListReaders) {
    if (scriptUI.hasKey(elementKey(m, list.keys, 0)) || elementPresent(m, list.keys, 0)) return true;
  }
  return false;
}

// The index holding the end of the menus (menu 0 is always read, so the
// search starts at 1), or -1 when the menus do not end within the limit.
int findMenuEnd() {
  for (int m = 1; m <= kMaxMenus; ++m) {
    if (scriptUI.findLineS(menuKey(m)) == uikeys::kEndMenus) return m;
  }
  return -1;
}

bool anyMenuBefore(int count) {
  for (int m = 0; m < count; ++m) {
    if (menuPresent(m)) return true;
  }
  return false;
}

// True when the entries read hold at least one menu.
bool holdsMenus() {
  int end = findMenuEnd();
  return end >= 0 ? anyMenuBefore(end) : menuPresent(0);
}

// The number of menus to read from the file (reporting a missing end or too
// many menus); 0 when it holds none.
int countMenus(const std::string& path) {
  int end = findMenuEnd();
  if (end >= 0) return anyMenuBefore(end) ? end : 0;
  int count = 0;
  while (count < kMaxMenus && menuPresent(count)) ++count;
  if (count == 0) return 0;
  if (count == kMaxMenus && menuPresent(kMaxMenus)) {
    reportFault("Exceeded maximum of allowed menus in " + named(path) + ": only the first " +
                std::to_string(kMaxMenus) + " were read.");
  } else {
    reportFault("The menus of " + named(path) + " do not end with " + uikeys::kEndMenus + "; the " +
                std::to_string(count) + " found were read.");
  }
  return count;
}

void readMenu(const std::string& path, int m) {
  gameUI.allocateMenu(m + 1);
  if (!menuPresent(m)) {
    reportFault("Menu " + std::to_string(m) + " is missing from " + named(path) + "; it is left empty.");
    gameUI.setMenuBackgroundTex(m, -1);
    for (const ListReader& list : kListReaders) (gameUI.*list.setCount)(m, 0);
    return;
  }
  gameUI.setMenuBackgroundTex(m, integer(menuKey(m, "background")));
  for (const ListReader& list : kListReaders) {
    int count = readList(path, m, list);
    (gameUI.*list.setCount)(m, count);
  }
}

// A single menu that says the menus could not be loaded and offers Quit; every
// menu the program may ask for is this one.
void buildBuiltInMenu() {
  gameUI.allocateMenu(1);
  gameUI.setMenuBackgroundTex(0, -1);
  gameUI.uiModifyButton(400, 330, 60, 20, 0, kQuitFunction, 0, 0, 0);
  gameUI.uiModifyText(250, 260, 1, 1, 1, "^rThe menus could not be loaded.", 0, 0);
  gameUI.uiModifyText(250, 285, 1, 1, 1, "^wThe reason is in log.txt. Click the button below to quit.", 0, 1);
  gameUI.uiModifyText(383, 335, 1, 1, 1, "^wQuit", 0, 2);
  gameUI.menuSetButtonCount(0, 1);
  gameUI.menuSetTextboxCount(0, 0);
  gameUI.menuSetTextlineCount(0, 3);
  gameUI.setMenuCount(1);
  gameUI.setIngameMenu(0);
  gameUI.setEditorMenu(0);
  gameUI.setEditorMainMenu(0);
}

// The file a menu set was read from and the name of its image set.
struct MenuSource {
  std::string path;
  std::string name;
  bool read = false;
};

MenuSource readMenuFile(const std::string& name) {
  const std::string toolkitFile = toolkitMenuFile(name);
  if (!toolkitFile.empty()) return {toolkitFile, kToolkitMenuSet, scriptUI.readFile(toolkitFile)};
  const std::string own = "games/" + name + "/system/ui.cfg";
  const int entriesBefore = scriptUI.getLineAmount();
  bool read = scriptUI.readFile(own);
  if (read && holdsMenus()) return {own, name, true};
  if (read) reportFault("The menu file " + named(own) + " holds no menu.");
  // Whatever was read of it must not shadow the in-game menus read instead.
  if (scriptUI.getLineAmount() != entriesBefore) scriptUI.clear();
  systemMsg("^rERROR: ^wUnable to load specific game UI, using default instead.");
  return {kIngameMenus, kToolkitMenuSet, scriptUI.readFile(kIngameMenus)};
}

void readMenuIds() {
  gameUI.setIngameMenu(integer("ingamemenu"));
  gameUI.setEditorMenu(integer("editormenu"));
  gameUI.setEditorMainMenu(integer("editormainmenu"));
}

// Reads every menu of the file into the model and returns the menu to show
// first; falls back to the built-in menu when the file holds none.
int readMenus(const MenuSource& source) {
  int count = source.read ? countMenus(source.path) : 0;
  if (count == 0) {
    reportFault("No menu could be read from " + named(source.path) +
                "; a built-in menu that offers Quit is shown instead.");
    buildBuiltInMenu();
    return 0;
  }
  for (int m = 0; m < count; ++m) readMenu(source.path, m);
  gameUI.setMenuCount(count);
  int intro = integer("intromenu");
  if (intro < 0 || intro >= count) {
    reportFault("The intro menu (intromenu) of " + named(source.path) + " is not one of its menus; menu 0 is shown.");
    intro = 0;
  }
  return intro;
}

void readImageAnimations() {
  int images = std::min(gameUI.getUIImageCount(), static_cast<int>(uiImage.size()));
  for (int i = 0; i < images; ++i) {
    if (integer(imageKey(i, "anim")) != kAnimationOn) continue;
    int frames = integer(imageKey(i, "frame"));
    int speed = integer(imageKey(i, "speed"));
    uiImage[i].startAnimation(frames, speed);
  }
}

}  // namespace

bool isToolkitMenuSet(const std::string& name) {
  return name == kToolkitMenuSet || name == kMainMenuSet || name == kIngameMenuSet;
}

std::string toolkitMenuFile(const std::string& name) {
  if (name == kToolkitMenuSet || name == kMainMenuSet) return kToolkitMenus;
  if (name == kIngameMenuSet) return kIngameMenus;
  return "";
}

void loadUI(const std::string& name, bool clear) {
  echoConsole("");
  echoConsole("^2^y" + name + "^wUser Interface Initializing...");
  echoConsole("");
  if (clear) {
    scriptUI.clear();
    loadRender("Initializing User Interface", 0.01f);
    loadRender("Loading User Interface Scripts", 0.2f);
  }
  const MenuSource source = readMenuFile(name);

  if (clear) loadRender("Loading User Interface Images", 0.35f);
  gameUI.setUIImageCount(loadUIImages(source.name, !isToolkitMenuSet(source.name)));

  if (clear) loadRender("Setting Menu Pointers", 0.5f);
  readMenuIds();

  if (clear) loadRender("Loading Menus and Objects", 0.65f);
  int intro = readMenus(source);
  if (clear) loadRender("Loading Introduction Menu", 0.7f);
  loadMenu(intro);

  // The toolkit's menus start with the last edited game in the editor's textbox.
  if (source.name == kToolkitMenuSet) uiScriptString.setString(gameSys.getLastGameEdited(), 1);

  systemMsg("The User Interface has been Successfully Built.");
  echoConsole("");
  // Every loader empties the world before it reads a menu set.
  if (clear) loadRender("User Interface Loaded Successfully", kMenusLoadedProgress);

  readImageAnimations();
  platform().warpPointer(platform().windowWidth() / 2, platform().windowHeight() / 2);
  gameUI.setCurrentTT(-1, -1, 0);
  // Every toolkit set ("mainui" and "ingameui" included) is named "default" by now.
  if (source.name == kToolkitMenuSet) playSystemSound(kSoundMainMenu, 1);
}

bool readMenuText(const std::string& text, const std::string& source) {
  scriptUI.clear();
  if (!scriptUI.readText(text, source) || !holdsMenus()) return false;
  readMenuIds();
  readMenus({source, "", true});
  for (img& image : uiImage) image.setAnimState(false);
  readImageAnimations();
  return true;
}

}  // namespace tf
