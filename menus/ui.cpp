// Menu model and the menu file reader.
#include "menus/ui.h"

#include "console/console.h"
#include "core/log.h"
#include "core/numbers.h"
#include "core/platform.h"
#include "core/script_object.h"
#include "core/system.h"
#include "media/images.h"
#include "media/sound.h"

namespace tf {

UI gameUI;

void loadMenu(int menu) {
  gameUI.setPressedButton(-1);
  gameUI.setHoverButton(-1);
  gameUI.setTextboxEdit(-1);
  gameUI.setHoverTextbox(-1);
  gameSys.setInputState(kInputNormal);
  gameUI.setCurrentMenu(menu);
}

namespace {

// Reads the menu file of `name` into scriptUI; returns the name of the image
// set that goes with it ("default" for the toolkit's own files).
std::string readMenuFile(const std::string& name) {
  if (name == "default" || name == "mainui") {
    scriptUI.readFile("system/ui.cfg");
    return "default";
  }
  if (name == "ingameui") {
    scriptUI.readFile("system/ingameui.cfg");
    return "default";
  }
  if (!scriptUI.readFile("games/" + name + "/system/ui.cfg")) {
    systemMsg("^rERROR: ^wUnable to load specific game UI, using default instead.");
    scriptUI.readFile("system/ingameui.cfg");
    return "default";
  }
  return name;
}

int countMenus() {
  int menus = 0;
  while (scriptUI.findLineS("menu" + std::to_string(menus)) != "endMenuLoad" &&
         scriptUI.hasKey("menu" + std::to_string(menus) + "background")) {
    ++menus;
  }
  return menus;
}

}  // namespace

void loadUI(const std::string& name, bool clear) {
  console.echo("");
  console.echo("^2^y" + name + "^wUser Interface Initializing...");
  console.echo("");
  if (clear) {
    scriptUI.clear();
    loadRender("Initializing User Interface", 0.01f);
    loadRender("Loading User Interface Scripts", 0.2f);
  }
  std::string imageSet = readMenuFile(name);
  if (clear) loadRender("Loading User Interface Images", 0.35f);
  loadUIImages(imageSet);
  gameUI.setIngameMenu(truncToInt(scriptUI.findLineF("ingamemenu")));
  gameUI.setEditorMenu(truncToInt(scriptUI.findLineF("editormenu")));
  gameUI.setEditorMainMenu(truncToInt(scriptUI.findLineF("editormainmenu")));
  gameUI.setMenuCount(countMenus());
  loadMenu(truncToInt(scriptUI.findLineF("intromenu")));
  systemMsg("The User Interface has been Successfully Built.");
  console.echo("");
  platform().warpPointer(platform().windowWidth() / 2, platform().windowHeight() / 2);
  gameUI.setCurrentTT(-1, -1, 0);
  if (imageSet == "default" || name == "mainui") playSystemSound(kSoundMainMenu, 1);
}

}  // namespace tf
