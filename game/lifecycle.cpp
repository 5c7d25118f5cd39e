// Game lifecycle: the loaders of the other modules run in order, with a
// loading screen between them, and the game and input states set around them.
#include "game/lifecycle.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "core/camera.h"
#include "core/log.h"
#include "core/numbers.h"
#include "core/platform.h"
#include "core/run_state.h"
#include "core/script_object.h"
#include "core/shutdown.h"
#include "core/system.h"
#include "game/game_names.h"
#include "game/logic_file.h"
#include "game/map_file.h"
#include "game/world.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/splash.h"
#include "menus/button_actions.h"
#include "menus/game_list.h"
#include "menus/help.h"
#include "menus/ui.h"

namespace tf {
namespace {

constexpr const char* kAutoloadFile = "system/autoload.cfg";
// The toolkit's own menus and help.
constexpr const char* kToolkitSet = kToolkitMenuSet;
// The name a load reports when the game's images could not be loaded.
constexpr const char* kImageFailureName = "ERROR!";
// Where the camera starts over a newly created game.
constexpr float kNewGameCameraX = 1.3f;
constexpr float kNewGameCameraY = 1.5f;

std::function<void(LifecycleEvent)>& editorLifecycle() {
  static std::function<void(LifecycleEvent)> editors;
  return editors;
}

void tellEditors(LifecycleEvent event) {
  if (editorLifecycle()) editorLifecycle()(event);
}

// The game in `world` was loaded by the autoload file and stands alone: there
// are no toolkit menus to go back to.
bool standalone = false;

void refuseWhileEditing() {
  const char* text = "Cannot load game, the editor is currently active.";
  echoConsole(text);
  notice.setNotice("^yERROR", text);
}

bool fileOpens(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

// Stops the game's sounds and releases their buffers and the game voices.
// Every load creates the voices anew, so they are released even for a game
// without sounds.
void releaseGameSounds() {
  stopGameSounds();
  freeGameSounds(world.getGameSoundCount());
  world.setGameSoundCount(0);
}

// Drops the game held in `world`, when there is one, before another is read.
void clearPreviousGame(bool clearLogicFile, float percent) {
  if (!world.getGameLoaded()) return;
  echoConsole("Game already loaded, clearing previous game");
  world.clearMapData();
  tellEditors(LifecycleEvent::PreviousGameCleared);
  scriptMap.clear();
  if (clearLogicFile) scriptLogic.clear();
  releaseGameSounds();
  loadRender("Previous Game Data Cleared", percent);
}

// A game is built in an empty world, so that nothing of a game played or
// left before (scores, phrases, pending map changes) carries over into it.
void startWorld(const std::string& name) {
  standalone = false;
  world = gameWorld();
  world.setGameName(name);
}

// The menu the menu file names as its first, or menu 0 when it names none.
int introMenu() {
  int menu = truncToInt(scriptUI.findLineF("intromenu"));
  return menu >= 0 && menu < gameUI.getMenuCount() ? menu : 0;
}

// Reads a menu set. Reading one of the toolkit's sets starts the menu music,
// so the music is stopped first: one loop plays at a time.
void readMenuSet(const std::string& name) {
  stopSystemSound(kSoundMainMenu);
  loadUI(name, true);
}

// The toolkit's own menus and help, on the menu file's first menu.
void showToolkitMenus() {
  readMenuSet(kToolkitSet);
  initHelp(kToolkitSet);
  tellEditors(LifecycleEvent::ToolkitMenusShown);
  gameSys.setInputState(kInputNormal);
  gameSys.setGameState(kStateMenus);
  loadMenu(introMenu());
}

// A load that failed after the previous game was dropped: nothing of either
// game is kept and the toolkit's own menus are shown again.
void abandonLoad() {
  world = gameWorld();
  worldBackup = gameWorld();
  scriptMap.clear();
  scriptLogic.clear();
  showToolkitMenus();
}

// Loads the images of the game in `world` and counts them there; false when
// they cannot be loaded.
bool loadWorldImages() {
  int count = 0;
  const bool loaded = loadGameImages(world.getGameName(), count);
  world.setGameImageCount(count);
  return loaded;
}

void reportImageFailure() {
  refuseWithNotice(std::string("Error loading Game: ") + kImageFailureName + ". Image loading error!", "Load Game",
                   "^rERROR:^w Cannot load game because images were not found.");
}

// The game's splash pictures, or in debug mode its menus at once.
void openLoadedGame() {
  if (gameSys.getDebugState()) {
    gameSys.setGameState(kStateMenus);
    return;
  }
  // The sequencer starts from its first picture at its next frame.
  splash.setHideSplash(false);
  splash.setResetSplash(true);
  gameSys.setGameState(kStateSplash);
}

// "default" names the toolkit's own menus and help, never a game.
void refuseDefaultName() {
  refuseWithNotice("^rERROR:^w ^yDefault^w is a reserved name and CANNOT be used.", "Game Load",
                   "^yDefault^w is a reserved name and CANNOT be used.");
}

bool refuseNewGameName(const std::string& name) {
  if (checkGameName(name)) {
    refuseWithNotice("^rERROR:^w Cannot create game, the name: ^y" + name + "^w is a registered name", "^yERROR",
                     "Cannot create game, the name: ^y" + name + "^w is a registered name");
    return true;
  }
  if (name.empty()) {
    refuseWithNotice("Cannot create game, no game name has been entered.");
    return true;
  }
  if (isToolkitMenuSet(name)) {
    refuseDefaultName();
    return true;
  }
  const std::string shown = shownGameName(name);
  if (!isSafeGameName(name)) {
    refuseWithNotice("^rERROR:^w Cannot create game, the name: ^y" + shown + "^w cannot be a folder name", "^yERROR",
                     "Cannot create game, the name: ^y" + shown + "^w cannot be a folder name");
    return true;
  }
  // Saving the new game would replace the existing game's files.
  if (gameMapFileOpens(name)) {
    refuseWithNotice("^rERROR:^w Cannot create game, a game named ^y" + shown + "^w already exists", "^yERROR",
                     "Cannot create game, a game named ^y" + shown + "^w already exists");
    return true;
  }
  return false;
}

}  // namespace

void setEditorLifecycle(std::function<void(LifecycleEvent)> editors) { editorLifecycle() = std::move(editors); }

void createGame(const std::string& name, int w, int h) {
  if (gameSys.getGameState() == kStateWorldEditor) {
    refuseWithNotice("Cannot create game, the editor is currently active.");
    return;
  }
  if (refuseNewGameName(name)) return;
  if (w < 1 || h < 1 || w > kMaxMapSide || h > kMaxMapSide) {
    refuseWithNotice("Cannot create game, invalid map size specified.");
    return;
  }
  clearPreviousGame(true, 0.0f);
  startWorld(name);
  readMenuSet(name);
  stopSystemSound(kSoundMainMenu);
  // A new game has no help of its own yet; the game played before must not
  // leave its help behind.
  initHelp(kToolkitSet);
  if (!loadWorldImages()) {
    reportImageFailure();
    abandonLoad();
    return;
  }
  world.setGameSoundCount(loadNewGameSounds(name));
  uiScriptString.setString("", 2);
  world.allocateMaps(1);
  world.worldSetMap(w, h, name, 0);
  world.setGameLoaded(true);
  gameSys.setInputState(kInputNormal);

  tellEditors(LifecycleEvent::GameCreated);
  camera.SetPos(kNewGameCameraX, kNewGameCameraY, 0);
  gameSys.setGameState(kStateWorldEditor);
  systemMsg("Game: " + name + " has been created successfully.");
}

void loadGame(const std::string& name) {
  if (gameSys.getGameState() == kStateWorldEditor) {
    refuseWhileEditing();
    return;
  }
  if (name.empty()) {
    refuseWithNotice("^rERROR:^w Enter a valid game name for a game to be loaded.", "Game Load",
                     "Enter a valid game name for a game to be loaded.");
    return;
  }
  if (checkGameName(name)) {
    refuseWithNotice("^rERROR:^w You cannot load ^ymainui ^wor ^yingameui^w as a game!", "Game Load",
                     "You cannot load ^ymainui ^wor ^yingameui^w as a game!");
    return;
  }
  if (isToolkitMenuSet(name)) {
    refuseDefaultName();
    return;
  }
  const std::string shown = shownGameName(name);
  echoConsole("");
  echoConsole("^2^y" + shown + "^g Game World Initializing...");
  if (!gameMapFileOpens(name)) {
    refuseWithNotice("Unable to open game: ^y" + shown);
    return;
  }

  stopSystemSound(kSoundMainMenu);
  clearPreviousGame(true, 0.0f);
  startWorld(name);
  readMenuSet(name);
  initHelp(name);

  loadRender("Loading Game Images", 0.8f);
  echoConsole("");
  echoConsole("^2^y" + name + "^w Game Initializing...");
  echoConsole("");
  if (!loadWorldImages()) {
    reportImageFailure();
    abandonLoad();
    return;
  }

  loadRender("Loading Game Maps", 0.85f);
  if (!loadGameMaps()) {
    refuseWithNotice("Error loading Game: " + name + ". Map Loading Error!", "Load Game",
                     "^rERROR:^w Cannot load game because the map file is missing!");
    abandonLoad();
    return;
  }

  loadRender("Setting up Image Animations", 0.9f);
  applyImageAnimations();
  loadRender("Loading Game Sounds", 0.92f);
  world.setGameSoundCount(loadGameSounds(name));
  loadRender("Loading Game Logic", 0.95f);
  loadGameLogic();
  world.setGameCondition(0);
  world.setGameBox(0, 0);
  world.setIngameInputDisallow(false);
  loadRender("Loading Interactive Help System", 0.97f);
  world.setGameLoaded(true);

  openLoadedGame();
  gameSys.setInputState(kInputNormal);
  camera.SetPos(0, 0, 0);
  loadRender("Game Successfully loaded", 1.0f);
  worldBackup = world;

  systemMsg("Game: " + name + " has been loaded successfully.");
  systemMsg("");
  echoConsole("^2^y" + name + "^g Game World Initialization Successful");
  echoConsole("");
}

void loadPredefinedUI(const std::string& name) {
  if (!checkGameName(name) || !isSafeGameName(name)) return;
  if (gameSys.getGameState() == kStateWorldEditor) {
    refuseWhileEditing();
    return;
  }
  loadRender("Predefined UI Initializing...", 0.0f);
  echoConsole("");
  echoConsole("^2^y" + name + "^g Predefined UI Initializing...");
  clearPreviousGame(false, 0.2f);

  startWorld(name);
  // Reading the menu file also switches on the animations of the menu images
  // that it names.
  readMenuSet(name);
  loadRender("Loading Interactive Help System", 0.7f);
  initHelp(kToolkitSet);
  loadRender("Configuring UI Settings", 0.8f);

  loadRender("Setting Editor Controls", 0.9f);
  world.setGameLoaded(true);
  tellEditors(LifecycleEvent::MenuSetOpened);
  loadMenu(0);
  gameSys.setGameState(kStateMenuEditor);
  gameSys.setInputState(kInputNormal);
  if (name == kMainMenuSet) {
    // Reading the menu file may have started the music already.
    stopSystemSound(kSoundMainMenu);
    playSystemSound(kSoundMainMenu, 1);
  }
  loadRender("Predefined UI Successfully Loaded", 1.0f);
}

void leaveGame() {
  platform().ignoreKeyRepeat(false);
  for (int key = 0; key < kSpecialKeyCount; ++key) gameSys.setKeyState(key, kKeyIdle);
  world.resetGlobalScores();
  world.clearPhrases();
  if (!world.getGameLoaded()) {
    echoConsole("^rERROR: ^wUnable to leave game because it is currently not loaded");
    notice.setNotice("^yERROR", "Unable to leave game because it is currently not loaded");
    return;
  }
  echoConsole("Leaving current game.");
  standalone = false;
  world.clearMapData();
  scriptMap.clear();
  tellEditors(LifecycleEvent::GameLeft);
  world.setGameBox(-1, 0);
  world.setDisplayPhrase(-1, 0);
  world.clearPhrases();
  releaseGameSounds();
  showToolkitMenus();
  // Timers, throttles, click times and anchors of the game left behind.
  resetRunState();
}

namespace {

// A save that could not be written: the log names the file, the notice (which
// holds a short message only) the reason.
void reportUnsavedProject(const std::string& name, const fileWriteFailure& failure) {
  systemMsg("^rERROR: ^wThe project ^y" + name + "^w could not be saved: " + failure.path + ": " + failure.reason +
            ". The files on disk are as they were and the game is still open; free space or fix the folder, then "
            "save again.");
  std::string message = "^y" + failure.reason + "^w. Nothing was written; the old files are kept.";
  if (message.size() > kMaxNoticeMessage) message = "Nothing was written; the old files are kept.";
  notice.setNotice("Project Not Saved", message);
  playSystemSound(kSoundError, 0);
}

void reportSaved(const std::string& line) {
  systemMsg(line);
  systemMsg("");
}

}  // namespace

bool saveProject() {
  const std::string name = world.getGameName();
  std::vector<fileWrite> files;
  // A game too large to be read back is reported as it is refused.
  const bool toolkitMenus = checkGameName(name);
  if (!toolkitMenus && !prepareGameWorldFiles(files)) return false;
  files.push_back(prepareUIFile(name));
  fileWriteFailure failure;
  if (!writeFilesAtomically(files, failure)) {
    reportUnsavedProject(name, failure);
    return false;
  }
  // Each file's own line, as when it is saved alone, before the project's.
  if (!toolkitMenus) reportSaved("^wGame has been successfully saved!");
  reportSaved("^wUI has been successfully saved!");
  updateGameList();
  systemMsg("The project has been successfully saved.");
  systemMsg("");
  notice.setNotice("Project Saved", "The project^y " + name + "^w has been successfully saved.");
  playSystemSound(kSoundClose, 0);
  return true;
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
  world.resetGlobalScores();
  for (int key = 0; key < kSpecialKeyCount; ++key) gameSys.setKeyState(key, kKeyIdle);
  platform().setCursor(CursorShape::Arrow);
}

bool autoLoadGame() {
  if (!fileOpens(kAutoloadFile)) {
    systemMsg("^yNOTE: ^wNo autoload file found, loading Tessera Forge Main UI");
    return false;
  }
  scriptUI.clear();
  scriptUI.readFile(kAutoloadFile);
  const std::string name = scriptUI.findLineS("autoload");
  // Whatever else the file holds must not be read as part of a menu file.
  scriptUI.clear();
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
  standalone = true;
  return true;
}

void loadNamedGame(int string) {
  std::string name;
  if (!buttonString(string, name)) {
    notice.setNotice("Load Game", "Enter a valid ^yGame Name^w to load a game.");
    return;
  }
  withMouseDisabled([&name] { loadGame(name); });
}

void createNamedGame(int string) {
  std::string name;
  buttonString(string, name);
  createGame(name, kNewGameMapTiles, kNewGameMapTiles);
}

void changeMap(int m) {
  if (m < 0 || m >= world.getMapCount()) return;
  if (gameSys.getGameState() == kStateWorldEditor) {
    tellEditors(LifecycleEvent::MapChangedInEditor);
    world.setCurrentMap(m);
    int w = 0, h = 0;
    std::string name;
    world.worldGetMap(w, h, name, m);
    camera.SetPos(w * kTileSize / 2, h * kTileSize / 2, 0);
  } else {
    camera.SetPos(0, 0, 0);
    world.setCurrentMap(m);
  }
}

void leaveGameOrQuit() {
  if (world.getGameLoaded() && !standalone) {
    leaveGame();
  } else {
    quitEngine();
  }
}

}  // namespace tf
