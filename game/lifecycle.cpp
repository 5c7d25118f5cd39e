// Game lifecycle.
#include "game/lifecycle.h"

#include <boost/filesystem.hpp>

#include "console/console.h"
#include "core/log.h"
#include "core/script_object.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/world_editor.h"
#include "game/map_file.h"
#include "game/world.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/game_list.h"
#include "menus/help.h"
#include "menus/ui.h"
#include "menus/ui_file.h"

namespace tf {
namespace {

constexpr const char* kAutoloadFile = "system/autoload.cfg";

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

namespace tf {

void createGame(const std::string& name, int w, int h) {
  if (gameSys.getGameState() == kStateWorldEditor) {
    refuse("^rERROR: ^wCannot create game, the editor is currently active.", "^yERROR",
           "Cannot create game, the editor is currently active.");
    return;
  }
  if (checkGameName(name)) {
    refuse("^rERROR:^w Cannot create game, the name: ^y" + name + "^w is a registered name", "^yERROR",
           "Cannot create game, the name: ^y" + name + "^w is a registered name");
    return;
  }
  if (name.empty()) {
    refuse("^rERROR: ^wCannot create game, no game name has been entered.", "^yERROR",
           "Cannot create game, no game name has been entered.");
    return;
  }
  if (name == "default") {
    refuse("^rERROR:^w ^yDefault^w is a reserved name and CANNOT be used.", "Game Load",
           "^yDefault^w is a reserved name and CANNOT be used.");
    return;
  }
  if (w < 1 || h < 1) {
    refuse("^rERROR: ^wCannot create game, invalid map size specified.", "^yERROR",
           "Cannot create game, invalid map size specified.");
    return;
  }
  world.setGameName(name);
  loadUI(name, true);
  stopSystemSound(kSoundMainMenu);
  loadGameImages();
  uiScriptString.setString("", 2);
  world.allocateMaps(1);
  world.worldSetMap(w, h, name, 0);
  world.setGameLoaded(true);
  gameSys.setInputState(kInputNormal);
  editGame();
  gameSys.setGameState(kStateWorldEditor);
  worldEditor.setWelcome(1, 0);
  systemMsg("Game: " + name + " has been created successfully.");
}

void loadPredefinedUI(const std::string& name) {
  if (!checkGameName(name)) return;
  if (gameSys.getGameState() == kStateWorldEditor) {
    console.echo("Cannot load game, the editor is currently active.");
    notice.setNotice("^yERROR", "Cannot load game, the editor is currently active.");
    return;
  }
  if (world.getGameLoaded()) {
    console.echo("Game already loaded, clearing previous game");
    world.clearMapData();
    scriptMap.clear();
  }
  world.setGameName(name);
  loadUI(name, true);
  initHelp("default");
  world.setGameLoaded(true);
  loadMenu(0);
  gameSys.setGameState(kStateMenuEditor);
  gameSys.setInputState(kInputNormal);
}

void saveProject() {
  if (!checkGameName(world.getGameName()) && !saveGameWorld()) return;
  saveUI();
  updateGameList();
  systemMsg("The project has been successfully saved.");
  systemMsg("");
  notice.setNotice("Project Saved", "The project^y " + world.getGameName() + "^w has been successfully saved.");
  playSystemSound(kSoundClose, 0);
}

void loadIngameMenu() {
  int state = gameSys.getGameState();
  if (state != kStatePlay && state != kStatePlaytest) return;
  platform().setCursor(CursorShape::Arrow);
  loadMenu(gameUI.getIngameMenu());
  gameSys.setGameState(kStateIngameMenu);
  gameSys.setInputState(kInputNormal);
}

void leaveIngameMenu() {
  if (gameSys.getGameState() != kStateIngameMenu) return;
  if (world.getFreeLook()) platform().setCursor(CursorShape::Arrow);
  gameSys.setGameState(kStatePlay);
  gameSys.setInputState(kInputNormal);
}

void loadIngameMainMenu() {
  int state = gameSys.getGameState();
  if (state != kStatePlay && state != kStatePlaytest) return;
  int boxTimer = 0, boxTex = 0, phraseTimer = 0, phrase = 0;
  world.getGameBox(boxTimer, boxTex);
  world.getDisplayPhrase(phraseTimer, phrase);
  if (boxTimer >= 1 || phraseTimer >= 1) return;
  stopGameSounds();
  loadMenu(0);
  gameSys.setGameState(kStateMenus);
  gameSys.setInputState(kInputNormal);
  gameUI.setPressedButton(-1);
  gameUI.setHoverButton(-1);
  gameSys.setLeftMouse(0);
  for (int id = 0; id < kGlobalScoreCount; ++id) world.setGlobalScore(id, 0);
  for (int key = 0; key < kSpecialKeyCount; ++key) gameSys.setKeyState(key, kKeyIdle);
  platform().setCursor(CursorShape::Arrow);
}

}  // namespace tf
