// The game lifecycle on a data tree of its own: loading a game with every
// step and in order, refusals that leave the current game as it was, a
// second game replacing the first, a map file that cannot be read, creating,
// opening the toolkit's menu sets, leaving, saving, the in-game menu, the
// autoload file, and a game made, saved, left and loaded again.
#include "game/lifecycle.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "console/console.h"
#include "core/camera.h"
#include "core/script_object.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/world_editor.h"
#include "game/map_file.h"
#include "game/world.h"
#include "game_tree.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/splash.h"
#include "menus/help.h"
#include "menus/ui.h"
#include "messages.h"
#include "world_compare.h"

using namespace tf;
using tftest::sampleGame;

namespace {

const char* const kMenuMusic = "soundreq/mainmenu.wav";

std::string shownNotice() {
  std::string title, message;
  int time = 0;
  notice.getNotice(title, message, time);
  return time == 1 ? title + " | " + message : "(none)";
}

// The last `n` console lines, oldest first.
std::vector<std::string> lastLines(int n) {
  std::vector<std::string> lines;
  for (int i = n - 1; i >= 0; --i) lines.push_back(console.getLine(i));
  return lines;
}

// A game of one small map, unlike sampleGame.
gameWorld otherGame() {
  gameWorld game;
  game.allocateMaps(1);
  game.worldSetMap(3, 3, "Only", 0);
  game.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 4, 2, 0, 0);
  game.setPhrase(1, "Other");
  return game;
}

class Lifecycle : public tftest::GameTree {
 protected:
  // What must not change when a request is refused.
  struct Snapshot {
    gameWorld world, backup;
    std::string name, menuText, helpTitle, notice;
    bool loaded = false;
    int sounds = 0, images = 0, state = 0, frames = 0, voices = 0, menu = 0;
  };

  Snapshot snapshot() const {
    Snapshot s;
    s.world = world;
    s.backup = worldBackup;
    s.name = world.getGameName();
    s.loaded = world.getGameLoaded();
    s.sounds = world.getGameSoundCount();
    s.menuText = shownMenuText();
    s.menu = gameUI.getCurrentMenu();
    s.helpTitle = uiHelp.getHelpTitle();
    s.images = static_cast<int>(gameImg.size());
    s.state = gameSys.getGameState();
    s.frames = static_cast<int>(platform.frames.size());
    s.voices = audio.voicesAlive;
    return s;
  }

  void expectUntouched(const Snapshot& s, const std::string& request) const {
    SCOPED_TRACE(request);
    EXPECT_TRUE(tftest::sameStoredWorld(s.world, world));
    EXPECT_TRUE(tftest::sameStoredWorld(s.backup, worldBackup));
    EXPECT_EQ(world.getGameName(), s.name);
    EXPECT_EQ(world.getGameLoaded(), s.loaded);
    EXPECT_EQ(world.getGameSoundCount(), s.sounds);
    EXPECT_EQ(shownMenuText(), s.menuText);
    EXPECT_EQ(gameUI.getCurrentMenu(), s.menu);
    EXPECT_EQ(uiHelp.getHelpTitle(), s.helpTitle);
    EXPECT_EQ(static_cast<int>(gameImg.size()), s.images);
    EXPECT_EQ(gameSys.getGameState(), s.state);
    EXPECT_EQ(static_cast<int>(platform.frames.size()), s.frames);  // nothing was read
    EXPECT_EQ(audio.voicesAlive, s.voices);
  }

  void loadSample(const std::string& name = "alpha") {
    writeGame(name, sampleGame());
    loadGame(name);
    ASSERT_TRUE(world.getGameLoaded());
  }
};

TEST_F(Lifecycle, LoadingAGameRunsEveryStepInOrder) {
  writeGame("alpha", sampleGame(), "f image200anim 1\nf image200frame 4\nf image200speed 300\n");
  playSystemSound(kSoundMainMenu, 1);  // the toolkit's menu music
  camera.SetPos(5, 6, 7);
  gameSys.setInputState(kInputMenuTextbox);
  tftest::MessageLog messages;

  loadGame("alpha");

  EXPECT_EQ(platform.frameMessages(),
            (std::vector<std::string>{"Initializing User Interface", "Loading User Interface Scripts",
                                      "Loading User Interface Images", "Setting Menu Pointers",
                                      "Loading Menus and Objects", "Loading Introduction Menu",
                                      "User Interface Loaded Successfully", "Loading Game Images", "Loading Game Maps",
                                      "Setting up Image Animations", "Loading Game Sounds", "Loading Game Logic",
                                      "Loading Interactive Help System", "Game Successfully loaded"}));
  std::vector<float> ownPercents;
  for (std::size_t i = 7; i < platform.frames.size(); ++i) ownPercents.push_back(platform.frames[i].percent);
  EXPECT_EQ(ownPercents, (std::vector<float>{0.8f, 0.85f, 0.9f, 0.92f, 0.95f, 0.97f, 1.0f}));
  EXPECT_FALSE(platform.frames[12].gameLoaded);  // loaded only once everything is read
  EXPECT_TRUE(platform.frames[13].gameLoaded);

  // The game itself: maps, objects, logic and phrases, its sounds, its images
  // with the map file's animation settings, its menus and its help.
  EXPECT_TRUE(tftest::sameStoredWorld(sampleGame(), world));
  EXPECT_EQ(world.getGameName(), "alpha");
  EXPECT_EQ(world.getGameSoundCount(), 1);
  EXPECT_EQ(audio.files.back(), "games/alpha/sound/1000.wav");
  ASSERT_EQ(gameImg.size(), 201u);
  EXPECT_NE(gameImg[kFirstOwnGameImage].GetTex(), 0);
  EXPECT_TRUE(gameImg[kFirstOwnGameImage].getAnimState());
  EXPECT_EQ(gameImg[kFirstOwnGameImage].getFrameCount(), 4);
  EXPECT_EQ(gameImg[kFirstOwnGameImage].getAnimSpeed(), 300);
  EXPECT_EQ(shownMenuText(), "alpha menu 0");
  EXPECT_EQ(gameUI.getEditorMenu(), tftest::kGameEditorMenu);
  EXPECT_EQ(uiHelp.getHelpTitle(), "alpha Help");

  // The state play starts from.
  int timer = -1, tex = -1;
  world.getGameBox(timer, tex);
  EXPECT_EQ(timer, 0);
  EXPECT_EQ(world.getGameCondition(), 0);
  EXPECT_FALSE(world.getIngameInputDisallow());
  EXPECT_EQ(gameSys.getGameState(), kStateSplash);
  EXPECT_TRUE(splash.getResetSplash());
  EXPECT_FALSE(splash.getHideSplash());
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  float x, y, z;
  camera.GetPos(x, y, z);
  EXPECT_EQ(x + y + z, 0.0f);
  EXPECT_TRUE(tftest::sameStoredWorld(world, worldBackup));
  EXPECT_TRUE(worldBackup.getGameLoaded());
  EXPECT_EQ(audio.playingCount(kMenuMusic), 0);

  EXPECT_EQ(messages.lines().at(1), "^2^yalpha^g Game World Initializing...");
  EXPECT_TRUE(messages.contains("^2^yalpha^w Game Initializing..."));
  EXPECT_EQ(lastLines(4), (std::vector<std::string>{"Game: alpha has been loaded successfully.", "",
                                                    "^2^yalpha^g Game World Initialization Successful", ""}));
  EXPECT_EQ(shownNotice(), "(none)");
}

TEST_F(Lifecycle, InDebugModeALoadedGameOpensOnItsMenus) {
  gameSys.setDebugState(true, true);
  loadSample();
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  EXPECT_EQ(shownMenuText(), "alpha menu 0");
}

TEST_F(Lifecycle, RefusedLoadsLeaveTheCurrentGameAsItWas) {
  loadSample();
  writeGame("beta", otherGame());
  dir.write("games/nomap/system/logic.cfg", "");
  // What a name with a way out of games/ would reach.
  writeGame("../y", otherGame());
  dir.write("games/x/placeholder", "");
  writeGame("../system", otherGame());
  const Snapshot before = snapshot();

  struct Case {
    std::string name, logLine, notice;
  };
  const std::string unable = "^rERROR: ^wUnable to open game: ^y";
  const std::vector<Case> cases = {
      {"", "^rERROR:^w Enter a valid game name for a game to be loaded.",
       "Game Load | Enter a valid game name for a game to be loaded."},
      {"ingameui", "^rERROR:^w You cannot load ^ymainui ^wor ^yingameui^w as a game!",
       "Game Load | You cannot load ^ymainui ^wor ^yingameui^w as a game!"},
      {"mainui", "^rERROR:^w You cannot load ^ymainui ^wor ^yingameui^w as a game!",
       "Game Load | You cannot load ^ymainui ^wor ^yingameui^w as a game!"},
      {"nomap", unable + "nomap", "^yERROR | Unable to open game: ^ynomap"},
      {"nowhere", unable + "nowhere", "^yERROR | Unable to open game: ^ynowhere"},
      {"../system", unable + "../system", "^yERROR | Unable to open game: ^y../system"},
      {"x/../../y", unable + "x/../../y", "^yERROR | Unable to open game: ^yx/../../y"},
      {"beta/../beta", unable + "beta/../beta", "^yERROR | Unable to open game: ^ybeta/../beta"},
      {"..\\beta", unable + "..\\beta", "^yERROR | Unable to open game: ^y..\\beta"},
      {"..", unable + "..", "^yERROR | Unable to open game: ^y.."},
      {" . ", unable + " . ", "^yERROR | Unable to open game: ^y . "},
      {"be\nta", unable + "be?ta", "^yERROR | Unable to open game: ^ybe?ta"},
  };
  for (const Case& c : cases) {
    notice.leaveNotice();
    tftest::MessageLog messages;
    loadGame(c.name);
    EXPECT_TRUE(messages.contains(c.logLine)) << c.name;
    EXPECT_EQ(shownNotice(), c.notice);
    expectUntouched(before, c.name);
  }

  // An absolute path to a game is refused too, although it names one.
  loadGame(dir.path() + "/games/beta");
  expectUntouched(before, "absolute path");

  gameSys.setGameState(kStateWorldEditor);
  tftest::MessageLog messages;
  loadGame("beta");
  EXPECT_EQ(messages.lines(), std::vector<std::string>{"Cannot load game, the editor is currently active."});
  EXPECT_EQ(shownNotice(), "^yERROR | Cannot load game, the editor is currently active.");
  Snapshot inEditor = before;
  inEditor.state = kStateWorldEditor;
  expectUntouched(inEditor, "editor active");
}

TEST_F(Lifecycle, ASecondGameReplacesTheFirstWhichIsClearedBeforeAnyOfItsFilesIsRead) {
  loadSample("alpha");
  world.setGlobalScore(3, 7);
  world.setFreeLook(true);
  world.setChangeMap(1);
  worldEditor.setCurrentAnimImage(9);
  const std::size_t firstLoadFrames = platform.frames.size();
  writeGame("beta", otherGame());
  tftest::MessageLog messages;

  loadGame("beta");

  EXPECT_TRUE(messages.contains("Game already loaded, clearing previous game"));
  ASSERT_GT(platform.frames.size(), firstLoadFrames + 1);
  const tftest::LoadingFrame& cleared = platform.frames[firstLoadFrames];
  EXPECT_EQ(cleared.message, "Previous Game Data Cleared");
  EXPECT_EQ(cleared.percent, 1.0f);  // asked for at 0, which shows a full bar
  EXPECT_FALSE(cleared.gameLoaded);
  EXPECT_EQ(cleared.maps, 0);
  const tftest::LoadingFrame& menus = platform.frames[firstLoadFrames + 1];
  EXPECT_EQ(menus.message, "Initializing User Interface");  // the first read of the second game
  EXPECT_EQ(menus.maps, 0);
  EXPECT_EQ(worldEditor.getCurrentAnimImage(), 0);

  // The first game's sounds and voices are released; the second has its own.
  EXPECT_EQ(audio.freedFiles, std::vector<std::string>{"games/alpha/sound/1000.wav"});
  EXPECT_EQ(audio.voicesAlive, kSystemVoiceCount + kGameVoiceCount);

  // Nothing of the first game's play carries over into the second.
  EXPECT_TRUE(tftest::sameStoredWorld(otherGame(), world));
  EXPECT_EQ(world.getGlobalScore(3), 0);
  EXPECT_EQ(worldBackup.getGlobalScore(3), 0);
  EXPECT_FALSE(world.getFreeLook());
  EXPECT_EQ(world.getChangeMap(), -1);
  EXPECT_EQ(shownMenuText(), "beta menu 0");
}

TEST_F(Lifecycle, AMapFileThatCannotBeReadReturnsToTheToolkitsMenus) {
  loadSample("alpha");
  dir.write("games/broken/system/map.cfg", "f version 99\n");
  tftest::MessageLog messages;

  loadGame("broken");

  EXPECT_TRUE(messages.contains("is of version 99"));  // the reader's own reason
  EXPECT_TRUE(messages.contains("Error loading Game: broken. Map Loading Error!"));
  EXPECT_EQ(shownNotice(), "Load Game | ^rERROR:^w Cannot load game because the map file is missing!");
  EXPECT_FALSE(world.getGameLoaded());
  EXPECT_EQ(world.getGameName(), gameWorld().getGameName());
  EXPECT_EQ(world.getMapCount(), 0);
  EXPECT_EQ(shownMenuText(), "toolkit menu 1");
  EXPECT_EQ(uiHelp.getHelpTitle(), tftest::kToolkitHelpTitle);
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(audio.voicesAlive, kSystemVoiceCount);
  EXPECT_EQ(audio.playingCount(kMenuMusic), 1);
  EXPECT_FALSE(worldBackup.getGameLoaded());  // nothing to start play from

  // The toolkit goes on working: another game loads as usual.
  loadGame("alpha");
  EXPECT_TRUE(world.getGameLoaded());
  EXPECT_TRUE(tftest::sameStoredWorld(sampleGame(), world));
}

TEST_F(Lifecycle, RefusedGameNamesCreateNothing) {
  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  const Snapshot before = snapshot();
  struct Case {
    std::string name;
    int w, h;
    std::string logLine, notice;
  };
  const std::vector<Case> cases = {
      {"mainui", 10, 10, "^rERROR:^w Cannot create game, the name: ^ymainui^w is a registered name",
       "^yERROR | Cannot create game, the name: ^ymainui^w is a registered name"},
      {"ingameui", 10, 10, "^rERROR:^w Cannot create game, the name: ^yingameui^w is a registered name",
       "^yERROR | Cannot create game, the name: ^yingameui^w is a registered name"},
      {"", 10, 10, "^rERROR: ^wCannot create game, no game name has been entered.",
       "^yERROR | Cannot create game, no game name has been entered."},
      {"default", 10, 10, "^rERROR:^w ^yDefault^w is a reserved name and CANNOT be used.",
       "Game Load | ^yDefault^w is a reserved name and CANNOT be used."},
      {"x", 0, 10, "^rERROR: ^wCannot create game, invalid map size specified.",
       "^yERROR | Cannot create game, invalid map size specified."},
      {"x", 10, -1, "^rERROR: ^wCannot create game, invalid map size specified.",
       "^yERROR | Cannot create game, invalid map size specified."},
      {"x", 701, 10, "^rERROR: ^wCannot create game, invalid map size specified.",
       "^yERROR | Cannot create game, invalid map size specified."},
      {"../escape", 10, 10, "^rERROR:^w Cannot create game, the name: ^y../escape^w cannot be a folder name",
       "^yERROR | Cannot create game, the name: ^y../escape^w cannot be a folder name"},
      {"a/b", 10, 10, "^rERROR:^w Cannot create game, the name: ^ya/b^w cannot be a folder name",
       "^yERROR | Cannot create game, the name: ^ya/b^w cannot be a folder name"},
      {"..", 10, 10, "^rERROR:^w Cannot create game, the name: ^y..^w cannot be a folder name",
       "^yERROR | Cannot create game, the name: ^y..^w cannot be a folder name"},
      {"tab\tname", 10, 10, "^rERROR:^w Cannot create game, the name: ^ytab?name^w cannot be a folder name",
       "^yERROR | Cannot create game, the name: ^ytab?name^w cannot be a folder name"},
      {"alpha", 10, 10, "^rERROR:^w Cannot create game, a game named ^yalpha^w already exists",
       "^yERROR | Cannot create game, a game named ^yalpha^w already exists"},
  };
  for (const Case& c : cases) {
    notice.leaveNotice();
    tftest::MessageLog messages;
    createGame(c.name, c.w, c.h);
    EXPECT_EQ(messages.lines(), std::vector<std::string>{c.logLine}) << c.name;
    EXPECT_EQ(shownNotice(), c.notice);
    expectUntouched(before, c.name);
  }
  EXPECT_FALSE(dir.exists("escape"));

  gameSys.setGameState(kStateWorldEditor);
  tftest::MessageLog messages;
  createGame("fresh", 10, 10);
  EXPECT_EQ(messages.lines(), std::vector<std::string>{"^rERROR: ^wCannot create game, the editor is currently active."});
  EXPECT_EQ(shownNotice(), "^yERROR | Cannot create game, the editor is currently active.");
  EXPECT_EQ(world.getGameName(), "alpha");
}

TEST_F(Lifecycle, ACreatedGameOpensInTheEditorWithAFreshSelection) {
  playSystemSound(kSoundMainMenu, 1);
  worldEditor.setEditorMode(kModeFog);
  worldEditor.setCurrentTile(4, 5);
  worldEditor.setCurrentObject(9);
  worldEditor.setObjectList(0, 3);
  worldEditor.setObjectListAmount(1);
  worldEditor.setCurrentButton(2);
  worldEditor.setCurrentAnimImage(6);
  worldEditor.setHelpMenu(2);
  worldEditor.setRenderLayer(4, false);
  uiScriptString.setString("fresh", 2);
  tftest::MessageLog messages;

  createGame("fresh", 10, 10);

  EXPECT_TRUE(world.getGameLoaded());
  EXPECT_EQ(world.getGameName(), "fresh");
  ASSERT_EQ(world.getMapCount(), 1);
  int w = 0, h = 0;
  std::string mapName;
  world.worldGetMap(w, h, mapName, 0);
  EXPECT_EQ(w, 10);
  EXPECT_EQ(h, 10);
  EXPECT_EQ(mapName, "fresh");
  EXPECT_EQ(world.worldGetObjectCount(0), 0);
  EXPECT_EQ(uiScriptString.getString(2), "");

  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(gameUI.getCurrentMenu(), gameUI.getEditorMenu());
  EXPECT_EQ(worldEditor.getEditorMode(), kModeNothing);
  int x = -1, y = -1;
  worldEditor.getEndingTile(x, y);
  EXPECT_EQ(x + y, 0);
  EXPECT_EQ(worldEditor.getCurrentObject(), 0);
  EXPECT_EQ(worldEditor.getObjectListAmount(), 0);
  EXPECT_EQ(worldEditor.getCurrentButton(), 0);
  EXPECT_EQ(worldEditor.getCurrentAnimImage(), 0);
  EXPECT_EQ(worldEditor.getHelpMenu(), 0);
  EXPECT_TRUE(worldEditor.getRenderLayer(4));
  int timer = 0, welcome = -1;
  worldEditor.getWelcome(timer, welcome);
  EXPECT_EQ(timer, 1);
  EXPECT_EQ(welcome, 0);
  float cx, cy, cz;
  camera.GetPos(cx, cy, cz);
  EXPECT_FLOAT_EQ(cx, 1.3f);
  EXPECT_FLOAT_EQ(cy, 1.5f);
  EXPECT_EQ(cz, 0.0f);

  // Without menus of its own the game shows the in-game menus, and the
  // toolkit's music they would start is stopped.
  EXPECT_TRUE(messages.contains("Unable to load specific game UI, using default instead."));
  EXPECT_EQ(audio.playingCount(kMenuMusic), 0);
  EXPECT_EQ(lastLines(1), std::vector<std::string>{"Game: fresh has been created successfully."});
  EXPECT_FALSE(dir.exists("games/fresh"));  // nothing is written before a save
}

TEST_F(Lifecycle, CreatingAGameWhileAnotherIsLoadedStartsFromNothing) {
  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  createGame("fresh", 3, 4);
  EXPECT_EQ(world.getMapCount(), 1);
  EXPECT_EQ(world.worldGetObjectCount(0), 0);
  EXPECT_EQ(world.mapGlobalGetSentenceAmount(0), 0);
  EXPECT_EQ(world.getPhrase(0), "");
  EXPECT_EQ(audio.voicesAlive, kSystemVoiceCount);
  EXPECT_EQ(world.getGameSoundCount(), 0);
}

TEST_F(Lifecycle, OpeningTheToolkitsMenuSetsForEditing) {
  dir.write("system/ui.cfg", tftest::menuFileText(tftest::kToolkitMarker, 3, tftest::kToolkitIntroMenu, 2, 0, 0,
                                                  "f image0anim 1\nf image0frame 12\nf image0speed 50\n"));
  loadPredefinedUI("anything");
  loadPredefinedUI("alpha");
  EXPECT_TRUE(platform.frames.empty());
  EXPECT_FALSE(world.getGameLoaded());

  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setRenderLayer(2, false);
  playSystemSound(kSoundMainMenu, 1);  // as in the toolkit's menus
  const std::size_t before = platform.frames.size();
  tftest::MessageLog messages;

  loadPredefinedUI("mainui");

  const std::vector<std::string> all = platform.frameMessages();
  const std::vector<std::string> frames(all.begin() + before, all.end());
  EXPECT_EQ(frames.front(), "Predefined UI Initializing...");
  EXPECT_EQ(frames.at(1), "Previous Game Data Cleared");
  EXPECT_FLOAT_EQ(platform.frames[before + 1].percent, 0.2f);
  EXPECT_EQ(std::vector<std::string>(frames.end() - 5, frames.end()),
            (std::vector<std::string>{"User Interface Loaded Successfully", "Loading Interactive Help System",
                                      "Configuring UI Settings", "Setting Editor Controls",
                                      "Predefined UI Successfully Loaded"}));
  EXPECT_TRUE(messages.contains("^2^ymainui^g Predefined UI Initializing..."));
  EXPECT_TRUE(messages.contains("Game already loaded, clearing previous game"));

  EXPECT_TRUE(world.getGameLoaded());
  EXPECT_EQ(world.getGameName(), "mainui");
  EXPECT_EQ(world.getMapCount(), 0);
  EXPECT_EQ(audio.voicesAlive, kSystemVoiceCount);  // the game's sounds are released
  EXPECT_EQ(gameSys.getGameState(), kStateMenuEditor);
  EXPECT_EQ(gameUI.getCurrentMenu(), 0);
  EXPECT_EQ(shownMenuText(), "toolkit menu 0");
  EXPECT_EQ(uiHelp.getHelpTitle(), tftest::kToolkitHelpTitle);
  EXPECT_EQ(worldEditor.getEditorMode(), kModeNothing);
  EXPECT_FALSE(worldEditor.getRenderLayer(2));  // the layers are the world editor's own
  ASSERT_FALSE(uiImage.empty());
  EXPECT_TRUE(uiImage[0].getAnimState());
  EXPECT_EQ(uiImage[0].getFrameCount(), 1);
  EXPECT_EQ(uiImage[0].getAnimSpeed(), 1000);
  EXPECT_EQ(audio.playingCount(kMenuMusic), 1);  // once, although reading the menus starts it too

  leaveGame();
  loadPredefinedUI("ingameui");
  EXPECT_EQ(shownMenuText(), "ingame menu 0");
  EXPECT_EQ(world.getGameName(), "ingameui");

  gameSys.setGameState(kStateWorldEditor);
  notice.leaveNotice();
  loadPredefinedUI("mainui");
  EXPECT_EQ(world.getGameName(), "ingameui");
  EXPECT_EQ(shownNotice(), "^yERROR | Cannot load game, the editor is currently active.");
}

TEST_F(Lifecycle, LeavingWithoutAGameStillReleasesKeysScoresAndPhrases) {
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  gameSys.setKeyState(kKeyEnter, kKeyBlocked);
  world.setGlobalScore(49, 5);
  world.setPhrase(1023, "left over");
  gameSys.setGameState(kStateIngameMenu);
  tftest::MessageLog messages;

  leaveGame();

  EXPECT_EQ(gameSys.getKeyState(kKeyUp), kKeyIdle);
  EXPECT_EQ(gameSys.getKeyState(kKeyEnter), kKeyIdle);
  EXPECT_EQ(world.getGlobalScore(49), 0);
  EXPECT_EQ(world.getPhrase(1023), "");
  EXPECT_EQ(platform.calls, std::vector<std::string>{"repeat on"});
  EXPECT_EQ(messages.lines(),
            std::vector<std::string>{"^rERROR: ^wUnable to leave game because it is currently not loaded"});
  EXPECT_EQ(shownNotice(), "^yERROR | Unable to leave game because it is currently not loaded");
  EXPECT_EQ(gameSys.getGameState(), kStateIngameMenu);
}

TEST_F(Lifecycle, LeavingAGameReturnsToTheToolkitsIntroMenu) {
  loadSample("alpha");
  gameSys.setGameState(kStatePlay);
  playGameSound(0, 1);
  world.setGameBox(30, 2);
  world.setDisplayPhrase(40, 5);
  worldEditor.setPhraseMenu(3);
  worldEditor.setSAO(1);
  worldEditor.setEditorMode(kModeAnimation);
  worldEditor.setCurrentButton(4);
  tftest::MessageLog messages;

  leaveGame();

  EXPECT_TRUE(messages.contains("Leaving current game."));
  EXPECT_FALSE(world.getGameLoaded());
  EXPECT_EQ(world.getMapCount(), 0);
  EXPECT_EQ(world.getPhrase(0), "");
  int timer = 0, index = 0;
  world.getGameBox(timer, index);
  EXPECT_EQ(timer, -1);
  world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, -1);
  EXPECT_EQ(worldEditor.getPhraseMenu(), -1);
  EXPECT_EQ(worldEditor.getSAO(), 0);
  EXPECT_EQ(worldEditor.getEditorMode(), kModeNothing);
  EXPECT_EQ(worldEditor.getCurrentButton(), -1);
  EXPECT_EQ(worldEditor.getCurrentTextbox(), -1);
  EXPECT_EQ(worldEditor.getCurrentTextline(), -1);

  EXPECT_EQ(audio.playingCount("games/alpha/sound/1000.wav"), 0);
  EXPECT_EQ(audio.freedFiles, std::vector<std::string>{"games/alpha/sound/1000.wav"});
  EXPECT_EQ(audio.voicesAlive, kSystemVoiceCount);
  EXPECT_EQ(world.getGameSoundCount(), 0);

  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(gameUI.getCurrentMenu(), tftest::kToolkitIntroMenu);
  EXPECT_EQ(shownMenuText(), "toolkit menu 1");
  EXPECT_EQ(uiHelp.getHelpTitle(), tftest::kToolkitHelpTitle);
  EXPECT_EQ(audio.playingCount(kMenuMusic), 1);

  // A game without sounds still gives its voices back.
  writeGame("quiet", otherGame());
  std::remove("games/quiet/sound/beep.wav");
  loadGame("quiet");
  EXPECT_EQ(world.getGameSoundCount(), 0);
  EXPECT_EQ(audio.voicesAlive, kSystemVoiceCount + kGameVoiceCount);
  leaveGame();
  EXPECT_EQ(audio.voicesAlive, kSystemVoiceCount);
}

TEST_F(Lifecycle, SavingWritesTheGameAndItsMenus) {
  loadSample("alpha");
  world.worldSetTile(7, 0, 0, 1);
  gameUI.uiModifyText(50, 60, 1, 0, 0, "changed", 0, 0);
  tftest::MessageLog messages;

  saveProject();

  EXPECT_TRUE(messages.contains("The project has been successfully saved."));
  EXPECT_EQ(shownNotice(), "Project Saved | The project^y alpha^w has been successfully saved.");
  EXPECT_EQ(audio.played.back(), "soundreq/close.wav once");
  EXPECT_NE(dir.read("games/alpha/system/map.cfg").find("f map1tile0_0 7\n"), std::string::npos);
  EXPECT_NE(dir.read("games/alpha/system/ui.cfg").find("changed"), std::string::npos);
  EXPECT_EQ(gameSys.getDirName(0), "alpha");  // the list of games is rebuilt
}

TEST_F(Lifecycle, SavingATooLargeGameReportsNoSuccess) {
  createGame("huge", 10, 10);
  // Nine fully painted maps of 700 x 700 hold more entries than a file may.
  world.allocateMaps(9);
  for (int m = 0; m < 9; ++m) {
    world.worldSetMap(700, 700, "Full", m);
    for (int x = 0; x < 700; ++x) {
      for (int y = 0; y < 700; ++y) world.worldSetTile(1, x, y, m);
    }
  }
  tftest::MessageLog messages;
  saveProject();
  EXPECT_TRUE(messages.contains("is too large to be read back; it was not saved"));
  EXPECT_FALSE(messages.contains("The project has been successfully saved."));
  EXPECT_EQ(shownNotice(), "^yERROR | The game is too large to be saved. Remove maps or tiles and save again.");
  EXPECT_FALSE(dir.exists("games/huge/system/ui.cfg"));
}

TEST_F(Lifecycle, SavingAToolkitMenuSetWritesOnlyItsMenus) {
  loadPredefinedUI("ingameui");
  gameUI.uiModifyText(50, 60, 1, 0, 0, "edited", 0, 0);
  saveProject();
  EXPECT_NE(dir.read("system/ingameui.cfg").find("edited"), std::string::npos);
  EXPECT_FALSE(dir.exists("games/ingameui"));
  EXPECT_EQ(shownNotice(), "Project Saved | The project^y ingameui^w has been successfully saved.");
}

TEST_F(Lifecycle, TheInGameMenuPausesAndResumesPlay) {
  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  world.setFreeLook(true);
  platform.calls.clear();
  loadIngameMenu();
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  leaveIngameMenu();
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  EXPECT_TRUE(platform.calls.empty());
  world.setFreeLook(false);

  for (int state : {kStatePlay, kStatePlaytest}) {
    gameSys.setGameState(state);
    gameSys.setInputState(kInputConsole);
    platform.calls.clear();
    loadIngameMenu();
    EXPECT_EQ(gameSys.getGameState(), kStateIngameMenu);
    EXPECT_EQ(gameSys.getInputState(), kInputNormal);
    EXPECT_EQ(gameUI.getCurrentMenu(), tftest::kGameIngameMenu);
    EXPECT_EQ(platform.calls, std::vector<std::string>{"cursor arrow"});
  }

  platform.calls.clear();
  leaveIngameMenu();
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  EXPECT_TRUE(platform.calls.empty());  // no free look: the cursor stays as play wants it
  gameSys.setGameState(kStateIngameMenu);
  world.setFreeLook(true);
  leaveIngameMenu();
  EXPECT_EQ(platform.calls, std::vector<std::string>{"cursor arrow"});
}

TEST_F(Lifecycle, ReturningToTheGamesMainMenuWaitsForBoxAndPhrase) {
  loadSample("alpha");
  gameSys.setGameState(kStatePlay);
  playGameSound(0, 1);
  world.setGlobalScore(2, 9);
  gameSys.setKeyState(kKeyLeft, kKeyHeld);
  gameSys.setLeftMouse(1);
  gameUI.setPressedButton(3);

  world.setDisplayPhrase(1, 0);
  loadIngameMainMenu();
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  world.setDisplayPhrase(0, 0);
  world.setGameBox(5, 1);
  loadIngameMainMenu();
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  EXPECT_EQ(world.getGlobalScore(2), 9);

  world.setGameBox(0, 0);
  loadIngameMainMenu();
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  EXPECT_EQ(gameUI.getCurrentMenu(), 0);
  EXPECT_EQ(gameUI.getPressedButton(), -1);
  EXPECT_EQ(gameSys.getLeftMouse(), 0);
  EXPECT_EQ(world.getGlobalScore(2), 0);
  EXPECT_EQ(gameSys.getKeyState(kKeyLeft), kKeyIdle);
  EXPECT_EQ(audio.playingCount("games/alpha/sound/1000.wav"), 0);
  EXPECT_EQ(platform.calls.back(), "cursor arrow");

  // Only from play and play-testing.
  world.setGlobalScore(2, 9);
  loadIngameMainMenu();
  EXPECT_EQ(world.getGlobalScore(2), 9);
}

TEST_F(Lifecycle, TheAutoloadFile) {
  {
    tftest::MessageLog messages;
    EXPECT_FALSE(autoLoadGame());
    EXPECT_EQ(messages.lines(),
              std::vector<std::string>{"^yNOTE: ^wNo autoload file found, loading Tessera Forge Main UI"});
  }
  {
    dir.write("system/autoload.cfg", "s game alpha\nf intromenu 2\n");
    tftest::MessageLog messages;
    EXPECT_FALSE(autoLoadGame());
    EXPECT_EQ(lastLines(2),
              (std::vector<std::string>{"^rERROR: ^wAn autoload file was found, but the information inside was invalid.",
                                        "^wThe main Tessera Forge UI will be loaded instead"}));
    EXPECT_EQ(scriptUI.getLineAmount(), 0);  // nothing of it is left to be read as menus
  }
  const std::vector<std::string> failed = {"^rERROR: ^wAutoload file found, and the information was checked as valid.",
                                           "^wHowever an error occured loading the game.",
                                           "^wLoading Tessera Forge Main Menu instead."};
  writeGame("../y", otherGame());
  dir.write("games/x/placeholder", "");
  for (const std::string name : {"nowhere", "../system", "x/../../y"}) {
    dir.write("system/autoload.cfg", "s autoload " + name + "\n");
    tftest::MessageLog messages;
    EXPECT_FALSE(autoLoadGame()) << name;
    EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to open game: ^y" + name));
    std::vector<std::string> lines = messages.lines();
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()), failed);
    EXPECT_FALSE(world.getGameLoaded());
  }

  writeGame("alpha", sampleGame());
  dir.write("system/autoload.cfg", "// start with\ns autoload alpha\n");
  EXPECT_TRUE(autoLoadGame());
  EXPECT_EQ(world.getGameName(), "alpha");
  EXPECT_TRUE(tftest::sameStoredWorld(sampleGame(), world));
}

// A game made in the editor, saved, left and opened again holds what was made.
TEST_F(Lifecycle, AGameMadeSavedLeftAndLoadedAgainHoldsWhatWasMade) {
  createGame("made", 6, 5);
  camera.SetPos(0.9f, 0.6f, 0);
  addObject();
  world.worldSetObjectName("Player", 0, 0);
  world.worldSetTile(205, 2, 3, 0);
  world.mapLocalAddSentence(0, 0);
  world.mapLocalChangeSentence(0, 0, 0, kSlotOpener, 111);
  world.allocateMaps(2);
  world.worldSetMap(2, 8, "Second", 1);
  world.setPhrase(12, "Made here");
  gameUI.uiModifyText(30, 40, 1, 1, 0, "Made menu", 0, 0);
  const gameWorld made = world;

  saveProject();
  EXPECT_TRUE(dir.exists("games/made/system/map.cfg"));
  EXPECT_TRUE(dir.exists("games/made/system/logic.cfg"));
  EXPECT_TRUE(dir.exists("games/made/system/ui.cfg"));
  leaveGameEditor();
  EXPECT_FALSE(world.getGameLoaded());
  EXPECT_EQ(shownMenuText(), "toolkit menu 1");

  gameSys.setDebugState(true, true);
  loadGame("made");
  ASSERT_TRUE(world.getGameLoaded());
  EXPECT_TRUE(tftest::sameStoredWorld(made, world));
  EXPECT_EQ(world.getPhrase(12), "Made here");
  EXPECT_EQ(shownMenuText(), "Made menu");
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);

  // Open it in the editor the way the editor's own button does.
  leaveGame();
  loadGameEditor("made");
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_TRUE(tftest::sameStoredWorld(made, world));
}

}  // namespace
