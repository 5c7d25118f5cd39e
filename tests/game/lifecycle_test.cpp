// The game lifecycle on a data tree of its own: loading, refusals that leave
// the current game as it was, one game replacing another, creating, the
// toolkit's menu sets, leaving, saving, the in-game menu, the autoload file,
// and a game made, saved, left and loaded again.
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
#include "game/game_names.h"
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
using tftest::cameraAt;
using tftest::editorState;
using tftest::sameStoredWorld;
using tftest::sampleGame;
using tftest::shownNotice;
using Lines = std::vector<std::string>;

namespace {

const char* const kMenuMusic = "soundreq/mainmenu.wav";

// The last `n` console lines, oldest first.
Lines lastLines(int n) {
  Lines lines;
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
  // What the toolkit shows and holds of the current game.
  std::string shownState() const {
    return world.getGameName() + " loaded " + std::to_string(world.getGameLoaded()) + " sounds " +
           std::to_string(world.getGameSoundCount()) + " voices " + std::to_string(audio.voicesAlive) + " state " +
           std::to_string(gameSys.getGameState()) + " menu " + std::to_string(gameUI.getCurrentMenu()) + " '" +
           shownMenuText() + "' help '" + uiHelp.getHelpTitle() + "'";
  }
  // The toolkit's own menus, with no game.
  static std::string toolkitMenus() {
    return "New Game loaded 0 sounds 0 voices 5 state 0 menu 1 'toolkit menu 1' help 'Toolkit Help'";
  }

  // Runs `request` for each case and expects its log line and notice, nothing read and nothing changed.
  template <typename Case, typename Request>
  void expectRefused(const std::vector<Case>& cases, Request request) {
    const gameWorld worldBefore = world, backupBefore = worldBackup;
    const std::string before = shownState() + " images " + std::to_string(gameImg.size());
    const std::size_t frames = platform.frames.size();
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      notice.leaveNotice();
      tftest::MessageLog messages;
      request(c);
      EXPECT_TRUE(messages.contains(c.logLine));
      EXPECT_EQ(shownNotice(), c.notice);
      EXPECT_EQ(shownState() + " images " + std::to_string(gameImg.size()), before);
      EXPECT_EQ(platform.frames.size(), frames);
      EXPECT_TRUE(sameStoredWorld(worldBefore, world));
      EXPECT_TRUE(sameStoredWorld(backupBefore, worldBackup));
    }
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
            (Lines{"Initializing User Interface", "Loading User Interface Scripts", "Loading User Interface Images",
                   "Setting Menu Pointers", "Loading Menus and Objects", "Loading Introduction Menu",
                   "User Interface Loaded Successfully", "Loading Game Images", "Loading Game Maps",
                   "Setting up Image Animations", "Loading Game Sounds", "Loading Game Logic",
                   "Loading Interactive Help System", "Game Successfully loaded"}));
  std::vector<float> ownPercents;
  for (std::size_t i = 7; i < platform.frames.size(); ++i) ownPercents.push_back(platform.frames[i].percent);
  EXPECT_EQ(ownPercents, (std::vector<float>{0.8f, 0.85f, 0.9f, 0.92f, 0.95f, 0.97f, 1.0f}));
  EXPECT_FALSE(platform.frames[12].gameLoaded);  // loaded only once everything is read
  EXPECT_TRUE(platform.frames[13].gameLoaded);

  // The game with its sounds, its images with the map file's animations, its menus and help.
  EXPECT_TRUE(sameStoredWorld(sampleGame(), world));
  EXPECT_EQ(shownState(), "alpha loaded 1 sounds 1 voices 15 state 3 menu 0 'alpha menu 0' help 'alpha Help'");
  EXPECT_EQ(gameImg.size(), 201u);
  EXPECT_EQ(audio.files.back(), "games/alpha/sound/1000.wav");
  const img& own = gameImg[kFirstOwnGameImage];
  EXPECT_NE(own.GetTex(), 0);
  EXPECT_EQ(tftest::joined({own.getAnimState(), own.getFrameCount(), own.getAnimSpeed()}), "1 4 300");
  EXPECT_EQ(gameUI.getEditorMenu(), tftest::kGameEditorMenu);

  // The state play starts from: the splash shown, the camera at the origin, the backup taken.
  int timer = -1, tex = -1;
  world.getGameBox(timer, tex);
  EXPECT_EQ(tftest::joined({timer, world.getGameCondition(), world.getIngameInputDisallow()}), "0 0 0");
  EXPECT_TRUE(splash.getResetSplash() && !splash.getHideSplash());
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(cameraAt(), "0 0 0");
  EXPECT_TRUE(sameStoredWorld(world, worldBackup));
  EXPECT_TRUE(worldBackup.getGameLoaded());
  EXPECT_EQ(audio.playingCount(kMenuMusic), 0);

  EXPECT_EQ(messages.lines().at(1), "^2^yalpha^g Game World Initializing...");
  EXPECT_TRUE(messages.contains("^2^yalpha^w Game Initializing..."));
  EXPECT_EQ(lastLines(4), (Lines{"Game: alpha has been loaded successfully.", "",
                                 "^2^yalpha^g Game World Initialization Successful", ""}));
  EXPECT_EQ(shownNotice(), "(none)");
}

struct Refusal {
  std::string name, logLine, notice;
};

TEST_F(Lifecycle, RefusedLoadsLeaveTheCurrentGameAsItWas) {
  loadSample();
  writeGame("beta", otherGame());
  dir.write("games/nomap/system/logic.cfg", "");
  // What names with a way out of games/ would reach.
  writeGame("../y", otherGame());
  dir.write("games/x/placeholder", "");
  writeGame("../system", otherGame());
  const std::string asGame = "You cannot load ^ymainui ^wor ^yingameui^w as a game!";
  const std::string busy = "Cannot load game, the editor is currently active.";
  std::vector<Refusal> cases = {
      {"", "^rERROR:^w Enter a valid game name for a game to be loaded.",
       "Game Load | Enter a valid game name for a game to be loaded."},
      {"ingameui", "^rERROR:^w " + asGame, "Game Load | " + asGame},
      {"mainui", "^rERROR:^w " + asGame, "Game Load | " + asGame},
  };
  // A missing map file, then unsafe names: separators, dots, control characters, an absolute path.
  const std::string absolute = dir.path() + "/games/beta";
  for (const std::string name : {"nomap", "nowhere", "../system", "x/../../y", "beta/../beta", "..\\beta", "..",
                                 " . ", "be\nta", absolute.c_str()}) {
    const std::string shown = shownGameName(name);
    cases.push_back({name, "^rERROR: ^wUnable to open game: ^y" + shown, "^yERROR | Unable to open game: ^y" + shown});
  }
  EXPECT_EQ(cases[11].notice, "^yERROR | Unable to open game: ^ybe?ta");
  expectRefused(cases, [](const Refusal& c) { loadGame(c.name); });

  gameSys.setGameState(kStateWorldEditor);
  expectRefused(std::vector<Refusal>{{"beta", busy, "^yERROR | " + busy}}, [](const Refusal& c) { loadGame(c.name); });
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
  EXPECT_EQ(platform.frames[firstLoadFrames + 1].maps, 0);  // the first read of the second game
  EXPECT_EQ(worldEditor.getCurrentAnimImage(), 0);
  // The first game's sounds and voices are released; the second has its own.
  EXPECT_EQ(audio.freedFiles, Lines{"games/alpha/sound/1000.wav"});
  EXPECT_EQ(audio.voicesAlive, kSystemVoiceCount + kGameVoiceCount);
  // Nothing of the first game's play carries over into the second.
  EXPECT_TRUE(sameStoredWorld(otherGame(), world));
  EXPECT_EQ(tftest::joined({world.getGlobalScore(3), worldBackup.getGlobalScore(3)}), "0 0");
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
  EXPECT_EQ(world.getMapCount(), 0);
  EXPECT_FALSE(worldBackup.getGameLoaded());  // nothing to start play from
  EXPECT_EQ(shownState(), toolkitMenus());
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(audio.playingCount(kMenuMusic), 1);

  // The toolkit goes on working: another game loads as usual.
  loadGame("alpha");
  EXPECT_TRUE(sameStoredWorld(sampleGame(), world));
}

TEST_F(Lifecycle, RefusedGameNamesCreateNothing) {
  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  struct Create : Refusal {
    int w, h;
  };
  auto make = [](const std::string& name, const std::string& log, const std::string& notice, int w = 10, int h = 10) {
    return Create{{name, log, notice}, w, h};
  };
  auto named = [&](const std::string& name, const std::string& tail) {
    const std::string text = "Cannot create game, the name: ^y" + shownGameName(name) + tail;
    return make(name, "^rERROR:^w " + text, "^yERROR | " + text);
  };
  const std::string noName = "Cannot create game, no game name has been entered.";
  const std::string reserved = "^yDefault^w is a reserved name and CANNOT be used.";
  const std::string exists = "Cannot create game, a game named ^yalpha^w already exists";
  const std::string badSize = "Cannot create game, invalid map size specified.";
  const std::string busy = "Cannot create game, the editor is currently active.";
  std::vector<Create> cases = {
      named("mainui", "^w is a registered name"), named("ingameui", "^w is a registered name"),
      make("", "^rERROR: ^w" + noName, "^yERROR | " + noName),
      make("default", "^rERROR:^w " + reserved, "Game Load | " + reserved),
      make("alpha", "^rERROR:^w " + exists, "^yERROR | " + exists),
  };
  for (auto [w, h] : {std::pair{0, 10}, {10, -1}, {701, 10}}) {
    cases.push_back(make("x", "^rERROR: ^w" + badSize, "^yERROR | " + badSize, w, h));
  }
  for (const char* name : {"../escape", "a/b", "..", "tab\tname"}) cases.push_back(named(name, "^w cannot be a folder name"));
  EXPECT_EQ(cases.back().notice, "^yERROR | Cannot create game, the name: ^ytab?name^w cannot be a folder name");
  expectRefused(cases, [](const Create& c) { createGame(c.name, c.w, c.h); });
  EXPECT_FALSE(dir.exists("escape"));

  gameSys.setGameState(kStateWorldEditor);
  expectRefused(std::vector<Create>{make("fresh", "^rERROR: ^w" + busy, "^yERROR | " + busy)},
                [](const Create& c) { createGame(c.name, c.w, c.h); });
}

TEST_F(Lifecycle, ACreatedGameStartsFromNothingInTheEditorWithAFreshSelection) {
  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  playSystemSound(kSoundMainMenu, 1);
  tftest::dirtyEditor();
  uiScriptString.setString("fresh", 2);
  tftest::MessageLog messages;

  createGame("fresh", 10, 10);

  gameWorld fresh;
  fresh.allocateMaps(1);
  fresh.worldSetMap(10, 10, "fresh", 0);
  EXPECT_TRUE(sameStoredWorld(fresh, world));
  EXPECT_EQ(world.getGameName() + " " + shownMenuText(), "fresh ingame menu 0");
  EXPECT_EQ(tftest::joined({world.getGameLoaded(), world.getGameSoundCount(), audio.voicesAlive, gameSys.getGameState(),
                            gameSys.getInputState(), gameUI.getCurrentMenu() - gameUI.getEditorMenu()}),
            "1 0 5 5 0 0");
  EXPECT_EQ(uiScriptString.getString(2), "");
  // The game played before leaves no help behind: a new game has the toolkit's.
  EXPECT_EQ(uiHelp.getHelpTitle(), "Toolkit Help");
  EXPECT_EQ(editorState(), "mode 0 tiles 0,0 0,0 0,0 object 0 list 0:-1 anim 0 ui 0,0,0 help 0 tip 0 layers 11111111");
  int timer = 0, welcome = -1;
  worldEditor.getWelcome(timer, welcome);
  EXPECT_EQ(tftest::joined({timer, welcome}), "1 0");
  EXPECT_EQ(cameraAt(), "1.3 1.5 0");
  // Without menus of its own the game shows the in-game menus, and the
  // toolkit's music they would start is stopped.
  EXPECT_TRUE(messages.contains("Unable to load specific game UI, using default instead."));
  EXPECT_EQ(audio.playingCount(kMenuMusic), 0);
  EXPECT_EQ(lastLines(1), Lines{"Game: fresh has been created successfully."});
  EXPECT_FALSE(dir.exists("games/fresh"));  // nothing is written before a save
}

TEST_F(Lifecycle, OpeningTheToolkitsMenuSetsForEditing) {
  dir.write("system/ui.cfg", tftest::menuFileText(tftest::kToolkitMarker, 3, tftest::kToolkitIntroMenu, 2, 0, 0,
                                                  "f image0anim 1\nf image0frame 12\nf image0speed 50\n"));
  loadPredefinedUI("anything");
  loadPredefinedUI("alpha");
  EXPECT_TRUE(platform.frames.empty());

  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setRenderLayer(2, false);
  playSystemSound(kSoundMainMenu, 1);  // as in the toolkit's menus
  const std::size_t before = platform.frames.size();
  tftest::MessageLog messages;

  loadPredefinedUI("mainui");

  const Lines all = platform.frameMessages();
  EXPECT_EQ(Lines(all.begin() + before, all.begin() + before + 2),
            (Lines{"Predefined UI Initializing...", "Previous Game Data Cleared"}));
  EXPECT_FLOAT_EQ(platform.frames[before + 1].percent, 0.2f);
  EXPECT_EQ(Lines(all.end() - 5, all.end()),
            (Lines{"User Interface Loaded Successfully", "Loading Interactive Help System", "Configuring UI Settings",
                   "Setting Editor Controls", "Predefined UI Successfully Loaded"}));
  EXPECT_TRUE(messages.contains("^2^ymainui^g Predefined UI Initializing..."));
  EXPECT_EQ(shownState(), "mainui loaded 1 sounds 0 voices 5 state 6 menu 0 'toolkit menu 0' help 'Toolkit Help'");
  EXPECT_EQ(world.getMapCount(), 0);
  EXPECT_EQ(worldEditor.getEditorMode(), kModeNothing);
  EXPECT_FALSE(worldEditor.getRenderLayer(2));  // the layers are the world editor's own
  ASSERT_FALSE(uiImage.empty());
  EXPECT_EQ(tftest::joined({uiImage[0].getAnimState(), uiImage[0].getFrameCount(), uiImage[0].getAnimSpeed()}),
            "1 1 1000");
  EXPECT_EQ(audio.playingCount(kMenuMusic), 1);  // once, although reading the menus starts it too

  leaveGame();
  loadPredefinedUI("ingameui");
  EXPECT_EQ(world.getGameName() + " " + shownMenuText(), "ingameui ingame menu 0");

  gameSys.setGameState(kStateWorldEditor);
  notice.leaveNotice();
  loadPredefinedUI("mainui");
  EXPECT_EQ(world.getGameName(), "ingameui");
  EXPECT_EQ(shownNotice(), "^yERROR | Cannot load game, the editor is currently active.");
}

TEST_F(Lifecycle, LeavingAGameReturnsToTheToolkitsIntroMenuAndWithoutAGameStillReleasesKeysScoresAndPhrases) {
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  gameSys.setKeyState(kKeyEnter, kKeyBlocked);
  world.setGlobalScore(49, 5);
  world.setPhrase(1023, "left over");
  gameSys.setGameState(kStateIngameMenu);
  tftest::MessageLog refused;
  leaveGame();
  EXPECT_EQ(tftest::joined({gameSys.getKeyState(kKeyUp), gameSys.getKeyState(kKeyEnter), world.getGlobalScore(49)}),
            "0 0 0");
  EXPECT_EQ(world.getPhrase(1023), "");
  EXPECT_EQ(platform.calls, Lines{"repeat on"});
  EXPECT_EQ(refused.lines(), Lines{"^rERROR: ^wUnable to leave game because it is currently not loaded"});
  EXPECT_EQ(shownNotice(), "^yERROR | Unable to leave game because it is currently not loaded");
  EXPECT_EQ(gameSys.getGameState(), kStateIngameMenu);

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
  EXPECT_EQ(world.getMapCount(), 0);
  EXPECT_EQ(world.getPhrase(0), "");
  int box = 0, phrase = 0, unused = 0;
  world.getGameBox(box, unused);
  world.getDisplayPhrase(phrase, unused);
  EXPECT_EQ(tftest::joined({box, phrase, worldEditor.getPhraseMenu(), worldEditor.getSAO(), worldEditor.getEditorMode(),
                            worldEditor.getCurrentButton(), worldEditor.getCurrentTextbox(),
                            worldEditor.getCurrentTextline()}),
            "-1 -1 -1 0 0 -1 -1 -1");
  EXPECT_EQ(audio.playingCount("games/alpha/sound/1000.wav"), 0);
  EXPECT_EQ(audio.freedFiles, Lines{"games/alpha/sound/1000.wav"});
  EXPECT_EQ(shownState(), toolkitMenus());
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
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

TEST_F(Lifecycle, SavingWritesTheGameAndItsMenusOrOnlyTheMenusOfAToolkitSet) {
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

  leaveGame();
  loadPredefinedUI("ingameui");
  gameUI.uiModifyText(50, 60, 1, 0, 0, "edited", 0, 0);
  saveProject();
  EXPECT_NE(dir.read("system/ingameui.cfg").find("edited"), std::string::npos);
  EXPECT_FALSE(dir.exists("games/ingameui"));
  EXPECT_EQ(shownNotice(), "Project Saved | The project^y ingameui^w has been successfully saved.");
}

TEST_F(Lifecycle, AGameTooLargeToReadBackIsNotSaved) {
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
  for (const char* file : {"map.cfg", "logic.cfg", "ui.cfg"}) {
    EXPECT_FALSE(dir.exists(std::string("games/huge/system/") + file)) << file;
  }
}

TEST_F(Lifecycle, TheInGameMenuPausesAndResumesPlayAndEndsItForTheGamesMainMenu) {
  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  world.setFreeLook(true);
  platform.calls.clear();
  loadIngameMenu();
  leaveIngameMenu();
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);  // neither outside play and its menu
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
    EXPECT_EQ(platform.calls, Lines{"cursor arrow"});
  }
  platform.calls.clear();
  leaveIngameMenu();
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  EXPECT_TRUE(platform.calls.empty());  // no free look: the cursor stays as play wants it
  gameSys.setGameState(kStateIngameMenu);
  world.setFreeLook(true);
  leaveIngameMenu();
  EXPECT_EQ(platform.calls, Lines{"cursor arrow"});

  // Ending the game for its main menu waits until no picture or phrase is on display.
  gameSys.setGameState(kStatePlay);
  world.setFreeLook(false);
  platform.calls.clear();
  playGameSound(0, 1);
  world.setGlobalScore(2, 9);
  gameSys.setKeyState(kKeyLeft, kKeyHeld);
  gameSys.setLeftMouse(1);
  gameUI.setPressedButton(3);

  world.setDisplayPhrase(1, 0);
  loadIngameMainMenu();
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
  EXPECT_EQ(tftest::joined({gameSys.getLeftMouse(), world.getGlobalScore(2), gameSys.getKeyState(kKeyLeft)}), "0 0 0");
  EXPECT_EQ(audio.playingCount("games/alpha/sound/1000.wav"), 0);
  EXPECT_EQ(platform.calls.back(), "cursor arrow");
  // Only from play and play-testing.
  world.setGlobalScore(2, 9);
  loadIngameMainMenu();
  EXPECT_EQ(world.getGlobalScore(2), 9);
}

TEST_F(Lifecycle, TheAutoloadFile) {
  tftest::MessageLog none;
  EXPECT_FALSE(autoLoadGame());
  EXPECT_EQ(none.lines(), Lines{"^yNOTE: ^wNo autoload file found, loading Tessera Forge Main UI"});

  dir.write("system/autoload.cfg", "s game alpha\nf intromenu 2\n");
  EXPECT_FALSE(autoLoadGame());
  EXPECT_EQ(lastLines(2), (Lines{"^rERROR: ^wAn autoload file was found, but the information inside was invalid.",
                                 "^wThe main Tessera Forge UI will be loaded instead"}));
  EXPECT_EQ(scriptUI.getLineAmount(), 0);  // nothing of it is left to be read as menus

  writeGame("../y", otherGame());
  dir.write("games/x/placeholder", "");
  dir.write("system/autoload.cfg", "s autoload x/../../y\n");
  tftest::MessageLog messages;
  EXPECT_FALSE(autoLoadGame());
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to open game: ^yx/../../y"));
  EXPECT_EQ(lastLines(3), (Lines{"^rERROR: ^wAutoload file found, and the information was checked as valid.",
                                 "^wHowever an error occured loading the game.",
                                 "^wLoading Tessera Forge Main Menu instead."}));
  EXPECT_FALSE(world.getGameLoaded());

  writeGame("alpha", sampleGame());
  dir.write("system/autoload.cfg", "// start with\ns autoload alpha\n");
  EXPECT_TRUE(autoLoadGame());
  EXPECT_EQ(world.getGameName(), "alpha");
  EXPECT_TRUE(sameStoredWorld(sampleGame(), world));
}

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
  leaveGameEditor();
  EXPECT_FALSE(world.getGameLoaded());
  EXPECT_EQ(shownMenuText(), "toolkit menu 1");

  // In debug mode a loaded game opens on its menus.
  gameSys.setDebugState(true, true);
  loadGame("made");
  ASSERT_TRUE(world.getGameLoaded());
  EXPECT_TRUE(sameStoredWorld(made, world));
  EXPECT_EQ(shownMenuText(), "Made menu");
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);

  // Opened in the editor the way the editor's own button does.
  leaveGame();
  loadGameEditor("made");
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_TRUE(sameStoredWorld(made, world));
}

}  // namespace
