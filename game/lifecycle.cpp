// Game lifecycle.
#include "game/lifecycle.h"

#include <boost/filesystem.hpp>

#include "console/console.h"
#include "core/log.h"
#include "core/script_object.h"
#include "core/system.h"
#include "game/world.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/help.h"
#include "menus/ui.h"

namespace tf {
namespace {

constexpr const char* kAutoloadFile = "system/autoload.cfg";

std::string mapFilePath(const std::string& name) { return "games/" + name + "/system/map.cfg"; }

void refuse(const std::string& logLine, const std::string& title, const std::string& message) {
  systemMsg(logLine);
  notice.setNotice(title, message);
}

}  // namespace

bool checkGameName(const std::string& name) { return name == "mainui" || name == "ingameui"; }

void loadGame(const std::string& name) {
  if (gameSys.getGameState() == kStateWorldEditor) {
    console.echo("Cannot load game, the editor is currently active.");
    notice.setNotice("^yERROR", "Cannot load game, the editor is currently active.");
    return;
  }
  if (name.empty()) {
    refuse("^rERROR:^w Enter a valid game name for a game to be loaded.", "Game Load",
           "Enter a valid game name for a game to be loaded.");
    return;
  }
  if (checkGameName(name)) {
    refuse("^rERROR:^w You cannot load ^ymainui ^wor ^yingameui^w as a game!", "Game Load",
           "You cannot load ^ymainui ^wor ^yingameui^w as a game!");
    return;
  }
  console.echo("");
  console.echo("^2^y" + name + "^g Game World Initializing...");
  if (!boost::filesystem::is_regular_file(mapFilePath(name))) {
    refuse("^rERROR: ^wUnable to open game: ^y" + name, "^yERROR", "Unable to open game: ^y" + name);
    return;
  }
  stopSystemSound(kSoundMainMenu);
  if (world.getGameLoaded()) {
    console.echo("Game already loaded, clearing previous game");
    world.clearMapData();
    scriptMap.clear();
    scriptLogic.clear();
  }
  world.setGameName(name);
  loadUI(name, true);
  initHelp(name);
  world.setGameLoaded(true);
  gameSys.setGameState(kStateMenus);
  gameSys.setInputState(kInputNormal);
  systemMsg("Game: " + name + " has been loaded successfully.");
  systemMsg("");
  console.echo("^2^y" + name + "^g Game World Initialization Successful");
  console.echo("");
}

void leaveGame() {
  gameSys.resetKeyState();
  if (!world.getGameLoaded()) {
    console.echo("^rERROR: ^wUnable to leave game because it is currently not loaded");
    notice.setNotice("^yERROR", "Unable to leave game because it is currently not loaded");
    return;
  }
  console.echo("Leaving current game.");
  world.clearMapData();
  scriptMap.clear();
  loadUI("default", true);
  initHelp("default");
  gameSys.setInputState(kInputNormal);
  gameSys.setGameState(kStateMenus);
}

bool autoLoadGame() {
  if (!boost::filesystem::is_regular_file(kAutoloadFile)) {
    systemMsg("^yNOTE: ^wNo autoload file found, loading Tessera Forge Main UI");
    return false;
  }
  scriptUI.readFile(kAutoloadFile);
  std::string name = scriptUI.findLineS("autoload");
  if (name == "NULL") {
    systemMsg("^rERROR: ^wAn autoload file was found, but the information inside was invalid.");
    systemMsg("^wThe main Tessera Forge UI will be loaded instead");
    return false;
  }
  loadGame(name);
  if (!world.getGameLoaded()) {
    systemMsg("^rERROR: ^wAutoload file found, and the information was checked as valid.");
    systemMsg("^wHowever an error occured loading the game.");
    systemMsg("^wLoading Tessera Forge Main Menu instead.");
    return false;
  }
  return true;
}

}  // namespace tf
