// The game lifecycle on a data tree of its own: loading, refusals that leave
// the current game as it was, a map file that cannot be read, creating and
// leaving.
#include "game/lifecycle.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/world_editor.h"
#include "game/game_names.h"
#include "game/world.h"
#include "game_tree.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/splash.h"
#include "menus/button_actions.h"
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

  void loadSample(const std::string& name = "alpha") {
    writeGame(name, sampleGame());
    loadGame(name);
    ASSERT_TRUE(world.getGameLoaded());
  }
};

TEST_F(Lifecycle, LoadingAGameReadsEveryPartAndStartsPlayFromAFreshState) {
  writeGame("alpha", sampleGame(), "f image200anim 1\nf image200frame 4\nf image200speed 300\n");
  playSystemSound(kSoundMainMenu, 1);  // the toolkit's menu music
  camera.SetPos(5, 6, 7);
  gameSys.setInputState(kInputMenuTextbox);

  loadGame("alpha");

  // The game counts as loaded only on the last loading frame, once everything is read.
  const std::vector<tftest::LoadingFrame>& frames = platform.frames;
  ASSERT_GE(frames.size(), 2u);
  EXPECT_TRUE(!frames[frames.size() - 2].gameLoaded && frames.back().gameLoaded);

  // The game with its sounds, its images with the map file's animations, its menus and help.
  EXPECT_TRUE(sameStoredWorld(sampleGame(), world));
  EXPECT_EQ(shownState(), "alpha loaded 1 sounds 1 voices 15 state 3 menu 0 'alpha menu 0' help 'alpha Help'");
  const img& own = gameImg[kFirstOwnGameImage];
  EXPECT_EQ(tftest::joined({own.getAnimState(), own.getFrameCount(), own.getAnimSpeed()}), "1 4 300");

  // The state play starts from: the splash shown, the camera at the origin, the backup taken.
  EXPECT_TRUE(splash.getResetSplash() && !splash.getHideSplash());
  EXPECT_EQ(cameraAt() + " input " + std::to_string(gameSys.getInputState()), "0 0 0 input 0");
  EXPECT_TRUE(sameStoredWorld(world, worldBackup) && worldBackup.getGameLoaded());
  EXPECT_EQ(audio.playingCount(kMenuMusic), 0);
}

TEST_F(Lifecycle, RefusedLoadsLeaveTheCurrentGameAsItWas) {
  loadSample();
  writeGame("beta", sampleGame());
  writeGame("default", sampleGame());
  dir.write("games/nomap/system/logic.cfg", "");
  // What names with a way out of games/ would reach.
  writeGame("../y", sampleGame());
  dir.write("games/x/placeholder", "");
  writeGame("../system", sampleGame());
  const std::string asGame = "You cannot load ^ymainui ^wor ^yingameui^w as a game!";
  struct Refusal {
    std::string name, logLine, notice;
  };
  std::vector<Refusal> cases = {
      {"", "^rERROR:^w Enter a valid game name for a game to be loaded.",
       "Game Load | Enter a valid game name for a game to be loaded."},
      {"ingameui", "^rERROR:^w " + asGame, "Game Load | " + asGame},
      {"mainui", "^rERROR:^w " + asGame, "Game Load | " + asGame},
      // A folder of that name would play with, and save over, the toolkit's own menus.
      {"default", "^rERROR:^w ^yDefault^w is a reserved name and CANNOT be used.",
       "Game Load | ^yDefault^w is a reserved name and CANNOT be used."},
  };
  // A missing map file, then unsafe names: separators, dots, control characters, an absolute path.
  const std::string absolute = dir.path() + "/games/beta";
  for (const std::string name : {"nomap", "nowhere", "../system", "x/../../y", "beta/../beta", "..\\beta", "..",
                                 " . ", "be\nta", absolute.c_str()}) {
    const std::string shown = shownGameName(name);
    cases.push_back({name, "^rERROR: ^wUnable to open game: ^y" + shown, "^yERROR | Unable to open game: ^y" + shown});
  }
  // Nothing is read and nothing changes.
  const gameWorld worldBefore = world, backupBefore = worldBackup;
  const std::string before = shownState() + " images " + std::to_string(gameImg.size());
  const std::size_t frames = platform.frames.size();
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.name);
    notice.leaveNotice();
    tftest::MessageLog messages;
    loadGame(c.name);
    EXPECT_TRUE(messages.contains(c.logLine));
    EXPECT_EQ(shownNotice(), c.notice);
    EXPECT_EQ(shownState() + " images " + std::to_string(gameImg.size()), before);
    EXPECT_EQ(platform.frames.size(), frames);
    EXPECT_TRUE(sameStoredWorld(worldBefore, world));
    EXPECT_TRUE(sameStoredWorld(backupBefore, worldBackup));
  }
}

// Names a person types to create a game: registered, reserved, taken, bad
// sizes, and names that are no single folder under games/. Nothing is made.
TEST_F(Lifecycle, RefusedNewGamesCreateNothing) {
  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  const std::string badSize = "Cannot create game, invalid map size specified.";
  const struct {
    std::string name;
    int w, h;
    std::string logLine;
  } cases[] = {
      {"mainui", 10, 10, "^rERROR:^w Cannot create game, the name: ^ymainui^w is a registered name"},
      {"", 10, 10, "^rERROR: ^wCannot create game, no game name has been entered."},
      {"default", 10, 10, "^rERROR:^w ^yDefault^w is a reserved name and CANNOT be used."},
      {"alpha", 10, 10, "^rERROR:^w Cannot create game, a game named ^yalpha^w already exists"},
      {"x", 0, 10, "^rERROR: ^w" + badSize},
      {"x", 701, 10, "^rERROR: ^w" + badSize},
      {"../escape", 10, 10, "^rERROR:^w Cannot create game, the name: ^y../escape^w cannot be a folder name"},
      {"a/b", 10, 10, "^rERROR:^w Cannot create game, the name: ^ya/b^w cannot be a folder name"},
  };
  const std::string before = shownState();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tftest::MessageLog messages;
    createGame(c.name, c.w, c.h);
    EXPECT_TRUE(messages.contains(c.logLine));
    EXPECT_EQ(shownState(), before);
  }
  EXPECT_FALSE(dir.exists("escape"));
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
  EXPECT_EQ(audio.playingCount(kMenuMusic), 1);
}

TEST_F(Lifecycle, ACreatedGameStartsFromNothingInTheEditorWithAFreshSelection) {
  loadSample("alpha");
  gameSys.setGameState(kStateMenus);
  playSystemSound(kSoundMainMenu, 1);
  tftest::dirtyEditor();

  createGame("fresh", 10, 10);

  gameWorld fresh;
  fresh.allocateMaps(1);
  fresh.worldSetMap(10, 10, "fresh", 0);
  EXPECT_TRUE(sameStoredWorld(fresh, world));
  EXPECT_EQ(world.getGameName() + " " + shownMenuText(), "fresh ingame menu 0");
  EXPECT_EQ(tftest::joined({world.getGameLoaded(), world.getGameSoundCount(), audio.voicesAlive, gameSys.getGameState(),
                            gameSys.getInputState(), gameUI.getCurrentMenu() - gameUI.getEditorMenu()}),
            "1 0 15 5 0 0");  // the toolkit's voices and the game's, for a play-test
  // The game played before leaves no help behind: a new game has the toolkit's.
  EXPECT_EQ(uiHelp.getHelpTitle(), "Toolkit Help");
  EXPECT_EQ(editorState(), "mode 0 tiles 0,0 0,0 0,0 object 0 list 0:-1 anim 0 ui 0,0,0 help 0 tip 0 layers 11111111");
  EXPECT_EQ(cameraAt(), "1.3 1.5 0");
  EXPECT_EQ(audio.playingCount(kMenuMusic), 0);
  EXPECT_FALSE(dir.exists("games/fresh"));  // nothing is written before a save
}

// A new game begins with the starter sounds; its first save puts them into
// its own sound folder, so that the sounds its logic plays are there when it
// is loaded again. A folder holding sounds already is never written over.
TEST_F(Lifecycle, ANewGamesStarterSoundsGoWithItIntoItsFirstSave) {
  dir.write("sound/1000.wav", "coin");
  dir.write("sound/1001.wav", "gate");
  createGame("fresh", 10, 10);
  ASSERT_EQ(world.getGameSoundCount(), 2);
  playGameSound(1, 0);
  EXPECT_EQ(audio.played.back(), "sound/1001.wav once");

  ASSERT_TRUE(saveProject());
  EXPECT_EQ(dir.read("games/fresh/sound/1000.wav") + " " + dir.read("games/fresh/sound/1001.wav"), "coin gate");

  // The maker replaced a sound by their own: a later save keeps it.
  dir.write("games/fresh/sound/1001.wav", "own gate");
  ASSERT_TRUE(saveProject());
  EXPECT_EQ(dir.read("games/fresh/sound/1001.wav"), "own gate");

  leaveGame();
  loadGame("fresh");
  EXPECT_EQ(world.getGameSoundCount(), 2);
  EXPECT_EQ(Lines(audio.files.end() - 2, audio.files.end()),
            (Lines{"games/fresh/sound/1000.wav", "games/fresh/sound/1001.wav"}));
}

TEST_F(Lifecycle, ANewGameWithSoundsOfItsOwnOrNoStarterSoundsToReadSavesNoStarterSound) {
  dir.write("sound/1000.wav", "coin");
  dir.write("games/own/sound/zap.wav", "zap");  // sounds put in place before the game was made
  createGame("own", 10, 10);
  EXPECT_EQ(world.getGameSoundCount(), 1);
  ASSERT_TRUE(saveProject());
  EXPECT_EQ(dir.read("games/own/sound/1000.wav"), "zap");
  EXPECT_FALSE(dir.exists("games/own/sound/1001.wav"));
  leaveGame();

  // A starter sound gone since the game was made: the save goes on without them.
  createGame("later", 10, 10);
  ASSERT_EQ(world.getGameSoundCount(), 1);
  boost::filesystem::remove(dir.path() + "/sound/1000.wav");
  tftest::MessageLog log;
  EXPECT_TRUE(saveProject());
  EXPECT_TRUE(dir.exists("games/later/system/map.cfg"));
  EXPECT_FALSE(dir.exists("games/later/sound/1000.wav"));
  EXPECT_TRUE(log.contains("could not be read"));
}

TEST_F(Lifecycle, LeavingAGameReturnsToTheToolkitsIntroMenuAndReleasesItsSoundsAndVoices) {
  loadSample("alpha");
  gameSys.setGameState(kStatePlay);
  playGameSound(0, 1);
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  world.setGlobalScore(49, 5);
  world.setGameBox(30, 2);
  worldEditor.setEditorMode(kModeAnimation);

  leaveGame();

  EXPECT_EQ(world.getMapCount(), 0);
  EXPECT_EQ(world.getPhrase(0), "");
  int box = 0, unused = 0;
  world.getGameBox(box, unused);
  EXPECT_EQ(tftest::joined({box, gameSys.getKeyState(kKeyUp), world.getGlobalScore(49), worldEditor.getEditorMode()}),
            "-1 0 0 0");
  EXPECT_EQ(audio.playingCount("games/alpha/sound/1000.wav"), 0);
  EXPECT_EQ(audio.freedFiles, Lines{"games/alpha/sound/1000.wav"});
  EXPECT_EQ(shownState(), toolkitMenus());
  EXPECT_EQ(audio.playingCount(kMenuMusic), 1);
}

TEST_F(Lifecycle, LeavingAGameForgetsTheModulesRunState) {
  tftest::ManualClock clock(5000);
  loadSample("alpha");
  buttonAction(kFuncGameState, kStatePlay);
  ASSERT_EQ(gameSys.getGameState(), kStatePlay);
  leaveGame();
  buttonAction(kFuncGameState, kStateDialog);  // at the same moment as the action before
  EXPECT_EQ(gameSys.getGameState(), kStateDialog);
}

// The "end game" action returns to the game's first menu only from play or
// play-test, and not while a phrase or an image is on display.
TEST_F(Lifecycle, TheGamesFirstMenuWaitsForShownPhrasesAndImages) {
  const struct {
    int state, imageTimer, phraseTimer;
    bool toMenu;
  } cases[] = {{kStatePlay, 0, 0, true},  {kStatePlaytest, 0, 0, true}, {kStatePlay, 1, 0, false},
               {kStatePlay, 0, 1, false}, {kStatePlay, 30, 200, false}, {kStateIngameMenu, 0, 0, false}};
  loadSample("alpha");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.state) + " " + std::to_string(c.imageTimer) + " " + std::to_string(c.phraseTimer));
    gameSys.setGameState(c.state);
    loadMenu(1);
    world.setGameBox(c.imageTimer, 2);
    world.setDisplayPhrase(c.phraseTimer, 0);
    world.setGlobalScore(3, 7);
    loadIngameMainMenu();
    EXPECT_EQ(gameSys.getGameState(), c.toMenu ? kStateMenus : c.state);
    EXPECT_EQ(gameUI.getCurrentMenu(), c.toMenu ? 0 : 1);
    EXPECT_EQ(world.getGlobalScore(3), c.toMenu ? 0 : 7);
  }
}

// Leave Game (button function 8) returns to the toolkit's menus from a game
// opened from them, and ends the program for the game the autoload file
// started, which has no menus behind it.
TEST_F(Lifecycle, LeaveGameReturnsToTheToolkitsMenusUnlessTheGameWasStartedAlone) {
  tftest::ManualClock clock;
  const auto leaveByButton = [&clock] {
    clock.advance(1000);
    buttonAction(kFuncLeaveGame, 0);
  };
  writeGame("alpha", sampleGame());
  dir.write("system/autoload.cfg", "s autoload alpha\n");
  ASSERT_TRUE(autoLoadGame());
  EXPECT_EXIT(leaveByButton(), ::testing::ExitedWithCode(0), "");
  loadGame("alpha");  // the same game opened again from the menus
  leaveByButton();
  EXPECT_EQ(shownState(), toolkitMenus());
}

}  // namespace
