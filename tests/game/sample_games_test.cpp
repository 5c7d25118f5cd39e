// The sample games shipped in data/games, loaded through the real readers
// from a copy of the data tree and played with the real logic: Coin Maze
// with the arrow keys along a winning route and along routes that lose,
// Whack-a-Slime with the mouse. Also: every sentence of both games uses only
// words the logic editor offers and operands that exist, and their menus and
// help load cleanly and fit the screen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/camera.h"
#include "core/script_object.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "game_player.h"
#include "game_tree.h"
#include "logic/evaluation.h"
#include "logic/vocabulary.h"
#include "manual_clock.h"
#include "media/folder_numbering.h"
#include "media/images.h"
#include "media/sound.h"
#include "media/splash.h"
#include "media/text.h"
#include "menu_screen.h"
#include "menus/button_actions.h"
#include "menus/help.h"
#include "menus/help_layout.h"
#include "menus/ui.h"
#include "messages.h"
#include "recording_audio.h"
#include "recording_platform.h"
#include "temp_dir.h"

using tftest::objectNamed;
using tftest::shownImage;
using tftest::shownPhrase;
using tftest::whereIs;

namespace {

const std::string kData = std::string(TF_SOURCE_DIR) + "/data/";

// Maze: the coins are global score 0; the win picture is the game's first own image.
constexpr int kCoins = 0;
constexpr int kMazeWinPicture = tf::kFirstOwnGameImage;
// Whack: global score 0 counts the slimes whacked; the win and time-up pictures.
constexpr int kWhacks = 0;
constexpr int kWhackWinPicture = tf::kFirstOwnGameImage + 1;
constexpr int kWhackTimeUpPicture = tf::kFirstOwnGameImage + 2;
// Both games give up on Q.
constexpr int kLetterQ = 'q' - 'a';

// A shipped game loaded from a copy of the data tree and entered, as a click
// on Start does.
class SampleGame : public ::testing::Test {
 protected:
  void TearDown() override {
    tf::freeGameSounds(static_cast<int>(tf::gameSounds.size()));
    tf::freeSystemSounds();
    tftest::resetLifecycleGlobals();
  }

  // Loads games/<name> as the program does; false (with a failure) when it
  // does not load cleanly.
  bool load(const std::string& name) {
    for (const char* folder : {"system", "map", "ui"}) dir.copyIn(kData + folder, folder);
    dir.copyIn(kData + "games/" + name, "games/" + name);
    tftest::resetLifecycleGlobals();
    tf::resetLogicState();
    tf::setAudioDevice(&audio);
    tf::loadSystemSounds();
    tf::gameSys.setSoundState(true);
    tftest::MessageLog messages;
    tf::loadGame(name);
    EXPECT_TRUE(tf::world.getGameLoaded()) << name;
    EXPECT_FALSE(messages.contains("ERROR")) << name;
    return tf::world.getGameLoaded() && !messages.contains("ERROR");
  }

  // Play from the beginning, as the Start button does.
  void start() {
    tf::world.enterGame();
    ASSERT_EQ(tf::gameSys.getGameState(), tf::kStatePlay);
  }

  bool backOnTheFirstMenu() const {
    return tf::gameSys.getGameState() == tf::kStateMenus && tf::gameUI.getCurrentMenu() == 0;
  }

  // How often game sound `file` (games/<g>/sound/<file>) was started.
  int timesPlayed(const std::string& game, const std::string& file) const {
    int count = 0;
    for (const std::string& p : audio.played) count += p == "games/" + game + "/sound/" + file + " once" ? 1 : 0;
    return count;
  }

  // The texts drawn above objects in one more frame.
  std::vector<std::string> lastFrameTexts() {
    platform.worldTexts.clear();
    player.frame();
    return platform.worldTexts;
  }

  tftest::ScopedWorkDir dir;
  tftest::RecordingPlatform platform;
  tftest::RecordingAudio audio;
  tftest::ManualClock clock{0};
  tftest::GamePlayer player{clock};
};

bool contains(const std::vector<std::string>& texts, const std::string& text) {
  for (const std::string& t : texts) {
    if (t == text) return true;
  }
  return false;
}

// ---- routes through Coin Maze ----------------------------------------------------

const char* keyName(int key) {
  switch (key) {
    case tf::kKeyUp: return "Up";
    case tf::kKeyDown: return "Down";
    case tf::kKeyLeft: return "Left";
    case tf::kKeyRight: return "Right";
    case tf::kKeySpace: return "Space";
    default: return "Enter";
  }
}

bool vertical(int key) { return key == tf::kKeyUp || key == tf::kKeyDown; }

// One step of a route: walk along a corridor to a column or row, walk on
// until the next map begins, wait, or tap space or enter.
struct Step {
  enum Kind { Walk, EnterMap, Wait, Tap } kind;
  int key = 0;
  int target = 0;  // Walk: the column (left, right) or row (up, down); EnterMap: the map
  int frames = 0;  // Wait: how long; EnterMap: at most

  std::string describe() const {
    switch (kind) {
      case Walk: return std::string(keyName(key)) + (vertical(key) ? " to row " : " to column ") + std::to_string(target);
      case EnterMap: return std::string(keyName(key)) + " into map " + std::to_string(target);
      case Wait: return "wait " + std::to_string(frames) + " frames";
      default: return std::string("tap ") + keyName(key);
    }
  }
};

Step walk(int key, int tile) { return {Step::Walk, key, tile, 0}; }
Step enterMap(int key, int map) { return {Step::EnterMap, key, map, 120}; }
Step wait(int frames) { return {Step::Wait, 0, 0, frames}; }
Step tap(int key) { return {Step::Tap, key, 0, 0}; }

constexpr float kStep = 0.0175f;  // one move of the logic
constexpr float kOnTarget = 0.02f;

float position(int obj, bool alongY) {
  float x, y, w, h;
  int tex, layer;
  tf::world.worldGetObject(x, y, w, h, tex, layer, obj, tf::world.getCurrentMap());
  return alongY ? y : x;
}

class CoinMaze : public SampleGame {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load("maze"));
    start();
  }

  int hero() const { return objectNamed("Player"); }

  // Plays the steps of `route`; true when every step got where it should
  // without the game being lost, or the game was won on the way. A failure
  // names the step, the frames played and where the player was.
  bool play(const std::vector<Step>& route) {
    for (std::size_t i = 0; i < route.size(); ++i) {
      const std::string fault = playStep(route[i]);
      if (tf::world.getGameCondition() == 1) return true;
      const std::string where = "step " + std::to_string(i + 1) + " (" + route[i].describe() + ") after " +
                                std::to_string(player.framesPlayed()) + " frames: ";
      if (tf::world.getGameCondition() == 2) {
        ADD_FAILURE() << where << "the game was lost with '" << shownPhrase() << "', the player at "
                      << whereIs(hero());
        return false;
      }
      if (!fault.empty()) {
        ADD_FAILURE() << where << fault;
        return false;
      }
    }
    return true;
  }

  // What went wrong in one step, "" when nothing.
  std::string playStep(const Step& step) {
    switch (step.kind) {
      case Step::Walk: return walkTo(step);
      case Step::EnterMap: return walkIntoMap(step);
      case Step::Wait: player.frames(step.frames); return "";
      case Step::Tap:
        player.pressKey(step.key);
        player.frame();
        player.releaseKey(step.key);
        return "";
    }
    return "no such step";
  }

  // Holds the arrow for as many moves as bring the player to the centre of
  // the target tile.
  std::string walkTo(const Step& step) {
    const int who = hero();
    const bool alongY = vertical(step.key);
    const float goal = step.target * tf::kTileSize;
    const int steps = static_cast<int>(std::lround(std::fabs(goal - position(who, alongY)) / kStep));
    player.holdArrow(step.key, steps);
    if (std::fabs(position(who, alongY) - goal) <= kOnTarget) return "";
    return "holding the key for " + std::to_string(steps) + " moves, the player stopped at " + whereIs(who);
  }

  std::string walkIntoMap(const Step& step) {
    player.pressArrow(step.key);
    for (int k = 0; k < step.frames && tf::world.getCurrentMap() != step.target; ++k) player.frame();
    player.releaseArrow(step.key);
    if (tf::world.getCurrentMap() == step.target) return "";
    return "still on map " + std::to_string(tf::world.getCurrentMap()) + ", the player at " + whereIs(hero());
  }
};

using tf::kKeyDown;
using tf::kKeyLeft;
using tf::kKeyRight;
using tf::kKeyUp;

// From the start in the middle of the garden: the west coins, the north-west
// and north-east corners, the east coin and the one by the south wall, then
// the gate.
const std::vector<Step> kGardenRoute = {
    walk(kKeyLeft, 5),  walk(kKeyDown, 3),  walk(kKeyLeft, 1),  walk(kKeyUp, 5),     // coin by the west wall
    walk(kKeyRight, 3), walk(kKeyUp, 7),    walk(kKeyLeft, 1),  walk(kKeyUp, 9),     // north-west corner
    walk(kKeyRight, 5), walk(kKeyDown, 7),  walk(kKeyRight, 7), walk(kKeyUp, 9),
    walk(kKeyRight, 13),                                                             // north-east corner
    walk(kKeyLeft, 12), walk(kKeyDown, 5),  walk(kKeyRight, 13),                      // east
    walk(kKeyLeft, 11), walk(kKeyDown, 1),  walk(kKeyLeft, 9),                       // by the south wall
    walk(kKeyRight, 13), walk(kKeyUp, 3),   enterMap(kKeyRight, 1),                  // through the gate
};

// From the foot of the crypt's west wall: up to the lever, then round the
// spikes to the flag.
const std::vector<Step> kCryptRoute = {
    walk(kKeyUp, 7), walk(kKeyDown, 1), walk(kKeyRight, 10),
};

TEST_F(CoinMaze, TheWinningRouteGathersTheCoinsCrossesTheCryptAndReturnsToTheMenu) {
  // The first frame greets the player and hides the pointer.
  player.frame();
  EXPECT_NE(shownPhrase().find("Gather the 5 gold coins"), std::string::npos) << shownPhrase();
  EXPECT_FALSE(platform.calls.empty());
  EXPECT_EQ(platform.calls.back(), "cursor none");

  ASSERT_TRUE(play(kGardenRoute));
  EXPECT_EQ(tf::world.getGlobalScore(kCoins), 5);
  EXPECT_EQ(timesPlayed("maze", "1000.wav"), 5) << "one clink per coin";
  EXPECT_EQ(timesPlayed("maze", "1001.wav"), 1) << "the gate opens once";
  // The camera follows the player into the crypt.
  player.frame();
  float cx, cy, cz;
  tf::camera.GetPos(cx, cy, cz);
  EXPECT_FLOAT_EQ(cx, position(hero(), false));
  EXPECT_FLOAT_EQ(cy, position(hero(), true));
  EXPECT_NE(shownPhrase().find("Pull the lever"), std::string::npos) << shownPhrase();

  ASSERT_TRUE(play(kCryptRoute));
  player.frame();
  EXPECT_EQ(tf::world.getGameCondition(), 1);
  EXPECT_EQ(shownImage(), kMazeWinPicture);
  EXPECT_EQ(timesPlayed("maze", "1003.wav"), 1);
  EXPECT_EQ(tf::gameSys.getKeyState(kKeyRight), tf::kKeyBlocked) << "the arrows stop once the flag is reached";

  // The picture stays until it is put away; then the game returns to its menu.
  player.frames(40);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlay);
  ASSERT_TRUE(play({tap(tf::kKeyEnter), wait(1)}));
  EXPECT_TRUE(backOnTheFirstMenu());
  EXPECT_EQ(tf::gameSys.getKeyState(kKeyRight), tf::kKeyIdle);
}

TEST_F(CoinMaze, TheBatWokenByTheFirstCoinCatchesAPlayerWhoStandsStill) {
  ASSERT_TRUE(play({walk(kKeyLeft, 5), walk(kKeyDown, 3), walk(kKeyLeft, 1)}));
  const int bat = objectNamed("Bat");
  const float batX = position(bat, false), batY = position(bat, true);
  player.frames(120);
  EXPECT_EQ(position(bat, false), batX) << "the bat sleeps until a coin is taken";
  EXPECT_EQ(position(bat, true), batY);

  ASSERT_TRUE(play({walk(kKeyUp, 5)}));
  EXPECT_EQ(tf::world.getGlobalScore(kCoins), 1);
  EXPECT_NE(shownPhrase().find("a bat is coming"), std::string::npos) << shownPhrase();
  int frames = 0;
  for (; frames < 60 * 60 && tf::world.getGameCondition() == 0; ++frames) player.frame();
  ASSERT_EQ(tf::world.getGameCondition(), 2) << "the bat never came; it is at " << whereIs(bat);
  EXPECT_GT(frames, 60 * 5) << "a slow bat gives the player time";
  EXPECT_EQ(shownPhrase(), "The bat caught you! Press a key for the menu.");
  EXPECT_EQ(timesPlayed("maze", "1002.wav"), 1);

  // The message stays until a key puts it away; the arrows themselves no longer move anyone.
  player.frames(30);
  const float x = position(hero(), false);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlay);
  player.pressArrow(kKeyLeft);
  EXPECT_EQ(position(hero(), false), x);
  player.releaseArrow(kKeyLeft);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());
}

TEST_F(CoinMaze, TheGardenGateStaysShutAndSaysSoUntilAllFiveCoinsAreFound) {
  const std::vector<Step> toTheGate = {walk(kKeyRight, 9),  walk(kKeyDown, 3),  walk(kKeyRight, 11),
                                       walk(kKeyDown, 1),   walk(kKeyRight, 13), walk(kKeyUp, 3)};
  ASSERT_TRUE(play(toTheGate));
  const float x = position(hero(), false);
  platform.worldTexts.clear();
  player.holdArrow(kKeyRight, 30);
  EXPECT_LT(position(hero(), false), x + 0.1f) << "the closed gate is solid";
  EXPECT_EQ(tf::world.getCurrentMap(), 0);
  EXPECT_TRUE(contains(platform.worldTexts, "Locked: find all 5 coins"));
  // The coin counter above the player's head.
  EXPECT_TRUE(contains(lastFrameTexts(), "0"));
}

TEST_F(CoinMaze, TheCryptsSpikesAreDeadly) {
  // Straight into the crypt, as if the garden were done.
  tf::world.setGlobalScore(kCoins, 5);
  tf::world.setChangeMap(1);
  player.frame();
  ASSERT_EQ(tf::world.getCurrentMap(), 1);
  // Up the west wall and east across the room runs onto the spikes.
  ASSERT_TRUE(play({walk(kKeyUp, 5)}));
  player.holdArrow(kKeyRight, 3 * 18);
  EXPECT_EQ(tf::world.getGameCondition(), 2) << whereIs(hero());
  EXPECT_EQ(shownPhrase(), "Ouch, spikes! Press a key for the menu.");
}

TEST_F(CoinMaze, TheSlimeCrawlsToAPlayerWhoWaitsByTheLever) {
  tf::world.setChangeMap(1);
  player.frame();
  ASSERT_EQ(tf::world.getCurrentMap(), 1);
  ASSERT_TRUE(play({walk(kKeyUp, 7)}));
  EXPECT_EQ(shownPhrase(), "Clunk! Somewhere a gate has opened.");
  EXPECT_FALSE(tf::world.worldGetObjectVisible(objectNamed("Gate"), 1));
  EXPECT_EQ(timesPlayed("maze", "1004.wav"), 1);
  const int slime = objectNamed("Slime");
  int frames = 0;
  for (; frames < 60 * 60 && tf::world.getGameCondition() == 0; ++frames) player.frame();
  ASSERT_EQ(tf::world.getGameCondition(), 2) << "the slime never came; it is at " << whereIs(slime);
  EXPECT_EQ(shownPhrase(), "The slime got you! Press a key for the menu.");
  player.frames(30);
  player.pressKey(tf::kKeyEnter);
  player.releaseKey(tf::kKeyEnter);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());
}

TEST_F(CoinMaze, HoldingTwoArrowsSlipsRoundTheFirstOpenCorner) {
  // East from the start the hedge above is closed up to column 9.
  player.pressArrow(kKeyRight);
  player.pressArrow(kKeyUp);
  player.frames(4 * 18);
  player.releaseArrow(kKeyUp);
  player.releaseArrow(kKeyRight);
  EXPECT_NEAR(position(hero(), false), 9 * tf::kTileSize, 0.07f) << whereIs(hero());
  EXPECT_GT(position(hero(), true), 6 * tf::kTileSize) << whereIs(hero());
}

TEST_F(CoinMaze, QGivesUpEvenWithAMessageOnDisplay) {
  player.frames(2);
  ASSERT_NE(shownPhrase(), "");
  player.pressLetter(kLetterQ);
  EXPECT_TRUE(backOnTheFirstMenu());
  // Start clears every key, so the next game does not give up at once.
  start();
  player.frames(2);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlay);
}

TEST_F(CoinMaze, SpaceShowsTheHintAndEnterPutsItAway) {
  player.frames(2);
  ASSERT_TRUE(play({tap(tf::kKeyEnter)}));
  EXPECT_EQ(shownPhrase(), "");
  ASSERT_TRUE(play({tap(tf::kKeySpace)}));
  EXPECT_EQ(shownPhrase(), "Coins: two in the north corners, one each by the west, east and south walls.");
  ASSERT_TRUE(play({tap(tf::kKeyEnter)}));
  EXPECT_EQ(shownPhrase(), "");
}

// ---- Whack-a-Slime -------------------------------------------------------------

class WhackASlime : public SampleGame {
 protected:
  void SetUp() override {
    std::srand(7);
    ASSERT_TRUE(load("whack"));
    start();
    player.frame();
  }

  std::vector<int> slimes() const {
    std::vector<int> all;
    for (int k = 1; k <= 6; ++k) all.push_back(objectNamed("Slime" + std::to_string(k)));
    return all;
  }
  int score() const { return tf::world.worldGetObjectScore(objectNamed("Score"), tf::world.getCurrentMap()); }
  bool shown(int obj) const { return tf::world.worldGetObjectVisible(obj, tf::world.getCurrentMap()); }

  // The first slime that is up, -1 when none is.
  int slimeUp() const {
    for (int s : slimes()) {
      if (shown(s)) return s;
    }
    return -1;
  }

  // Plays until the game is won or lost or `seconds` have passed, clicking
  // every `everyFrames` frames on what `choose` names (-1: nothing).
  void playFor(int seconds, int everyFrames, const std::function<int()>& choose) {
    const int frames = seconds * 1000 / 16;
    for (int k = 0; k < frames && tf::world.getGameCondition() == 0; ++k) {
      if (k % everyFrames == 0) {
        const int target = choose();
        if (target >= 0) player.click(target);
      }
      player.frame();
    }
  }
};

TEST_F(WhackASlime, WhackingEverySlimeAndGemThatShowsWinsWithinTheTime) {
  const int gem = objectNamed("Gem");
  int gemsTaken = 0;
  playFor(35, 12, [&] {
    if (shown(gem)) {
      ++gemsTaken;
      return gem;
    }
    return slimeUp();
  });
  ASSERT_EQ(tf::world.getGameCondition(), 1) << "score " << score() << " after " << player.framesPlayed() << " frames";
  EXPECT_GE(score(), 25);
  EXPECT_GE(gemsTaken, 1);
  EXPECT_EQ(timesPlayed("whack", "1001.wav"), gemsTaken) << "a chime for each gem";
  EXPECT_GE(score(), tf::world.getGlobalScore(kWhacks) + gemsTaken) << "a gem is worth at least a point";
  EXPECT_LE(score(), tf::world.getGlobalScore(kWhacks) + 3 * gemsTaken) << "and at most three";
  EXPECT_EQ(shownImage(), kWhackWinPicture);
  EXPECT_EQ(timesPlayed("whack", "1003.wav"), 1);

  // The clock stops with the win, and clicks no longer score.
  player.frame();
  const int time = tf::world.worldGetObjectScore(objectNamed("Time"), 0);
  EXPECT_GT(time, 0);
  const int points = score();
  for (int k = 0; k < 200; ++k) player.frame();
  EXPECT_EQ(tf::world.worldGetObjectScore(objectNamed("Time"), 0), time);
  EXPECT_TRUE(tf::world.getIngameInputDisallow());

  // A click puts the picture away and the game returns to its menu.
  player.click(-1);
  EXPECT_EQ(score(), points);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());
}

TEST_F(WhackASlime, WaitingOutTheClockLosesAndTheClockCountsDownOnTheScreen) {
  EXPECT_TRUE(contains(lastFrameTexts(), "Time 30"));
  EXPECT_TRUE(contains(lastFrameTexts(), "Score 0"));
  EXPECT_TRUE(contains(lastFrameTexts(), "0")) << "slimes whacked";
  // One a second: the ticks of the logic's timers are at least 1001 ms apart.
  playFor(10, 1, [] { return -1; });
  const int left = tf::world.worldGetObjectScore(objectNamed("Time"), 0);
  EXPECT_GE(left, 20);
  EXPECT_LE(left, 21);
  EXPECT_TRUE(contains(lastFrameTexts(), "Time " + std::to_string(left)));

  playFor(25, 1, [] { return -1; });
  ASSERT_EQ(tf::world.getGameCondition(), 2);
  EXPECT_EQ(tf::world.worldGetObjectScore(objectNamed("Time"), 0), 0);
  EXPECT_EQ(shownImage(), kWhackTimeUpPicture);
  EXPECT_EQ(timesPlayed("whack", "1004.wav"), 1);

  player.frames(10);
  EXPECT_EQ(audio.playingCount("games/whack/sound/1006.wav"), 0) << "the music stops";
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlay) << "until the picture is put away";
  player.click(-1);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());
}

TEST_F(WhackASlime, AWhackedSlimeScoresAndHidesAndTheBatBites) {
  EXPECT_EQ(audio.playingCount("games/whack/sound/1006.wav"), 1) << "the music loops";
  int whacked = 0;
  playFor(20, 6, [&] {
    const int s = slimeUp();
    if (s < 0 || whacked == 3) return -1;
    ++whacked;
    return s;
  });
  ASSERT_EQ(whacked, 3);
  EXPECT_EQ(score(), 3);
  EXPECT_EQ(tf::world.getGlobalScore(kWhacks), 3);
  EXPECT_EQ(timesPlayed("whack", "1000.wav"), 3);

  // The bat sets off from the left edge every six seconds.
  const int bat = objectNamed("Bat");
  for (int k = 0; k < 60 * 8 && !(shown(bat) && position(bat, false) > 0.3f); ++k) player.frame();
  ASSERT_TRUE(shown(bat) && position(bat, false) > 0.3f) << whereIs(bat);
  player.click(bat);
  EXPECT_EQ(score(), 1);
  EXPECT_EQ(shownPhrase(), "Ouch! The bat bit you: 2 points lost.");
  player.frame();
  EXPECT_FALSE(shown(bat));
  EXPECT_FALSE(tf::world.worldGetObjectLife(bat, 0));
  // It comes back alive at the left edge.
  for (int k = 0; k < 60 * 7 && !shown(bat); ++k) player.frame();
  EXPECT_TRUE(shown(bat));
  EXPECT_LT(position(bat, false), 0.3f);
}

TEST_F(WhackASlime, QGivesUp) {
  player.pressLetter(kLetterQ);
  player.releaseLetter(kLetterQ);
  EXPECT_TRUE(backOnTheFirstMenu());
}

TEST_F(WhackASlime, ARightClickShowsTheRulesAndALeftClickPutsThemAway) {
  EXPECT_NE(shownPhrase().find("Click the slimes!"), std::string::npos);
  player.click(-1);
  EXPECT_EQ(shownPhrase(), "");
  EXPECT_EQ(timesPlayed("whack", "1005.wav"), 1) << "the swish of a click on the ground";
  player.click(-1, false);
  EXPECT_NE(shownPhrase().find("Click the slimes!"), std::string::npos);
}

// ---- what both games are made of --------------------------------------------

class BothGames : public SampleGame, public ::testing::WithParamInterface<const char*> {};

// The word `id` as the logic editor offers it in a sentence opened by
// `opener` (global logic in editor mode 6, local in 7); "" when not offered.
std::string offered(int id, int opener, bool global) {
  tf::worldEditor.setEditorMode(global ? tf::kModeGlobalLogic : tf::kModeLocalLogic);
  const std::string word = tf::stepIDToString(id, opener);
  return word == "NULL" || word == "SKIP" ? "" : word;
}

bool imageExists(int image) {
  return image >= 0 && image < tf::world.getGameImageCount() && tf::gameImg[image].GetPointer() != -1;
}

// What is wrong with operand `value` of the kind the word before it takes, "" when nothing.
std::string operandFault(int kind, int value, int m) {
  switch (kind) {
    case tf::kObjectOperand:
      return value >= 0 && value < tf::world.worldGetObjectCount(m) ? "" : "no object " + std::to_string(value);
    case tf::kImageOperand: return imageExists(value) ? "" : "no image " + std::to_string(value);
    case tf::kKeyOperand: return value >= 0 && value < 26 ? "" : "no letter " + std::to_string(value);
    case tf::kMapOperand: return value >= 0 && value < tf::world.getMapCount() ? "" : "no map " + std::to_string(value);
    case tf::kSoundOperand:
      return value >= 0 && value < tf::world.getGameSoundCount() ? "" : "no sound " + std::to_string(value);
    case tf::kGlobalScoreOperand: return value >= 0 && value < 50 ? "" : "no global score " + std::to_string(value);
    case tf::kPhraseOperand:
      return value >= 0 && value < 1024 && !tf::world.getPhrase(value).empty() ? "" : "no phrase " + std::to_string(value);
    case tf::kNumberOperand:
    case tf::kReservedNumberOperand: return value >= 0 ? "" : "a negative number";
    default: return "";
  }
}

// Every word one the editor offers in its place and every operand something that exists.
std::vector<std::string> sentenceFaults(const tf::sentence& s, bool global, int m) {
  std::vector<std::string> faults;
  const int opener = s.getSentenceStep(tf::kSlotOpener);
  const struct {
    int slot, first, last;
  } words[] = {{tf::kSlotOpener, 100, 137}, {tf::kSlotPolarity, 300, 301}, {tf::kSlotCondition, 400, 438},
               {tf::kSlotConnective, 600, 600}, {tf::kSlotAction, 700, 787}};
  for (const auto& w : words) {
    const int id = s.getSentenceStep(w.slot);
    if (id < w.first || id > w.last || offered(id, opener, global).empty()) {
      faults.push_back("slot " + std::to_string(w.slot) + " holds " + std::to_string(id) + ", not a word offered there");
    }
  }
  for (int slot : {tf::kSlotOpener, tf::kSlotCondition, tf::kSlotAction}) {
    const std::string fault = operandFault(tf::checkStepType(s.getSentenceStep(slot)), s.getSentenceStep(slot + 1), m);
    if (!fault.empty()) faults.push_back("slot " + std::to_string(slot + 1) + ": " + fault);
  }
  return faults;
}

TEST_P(BothGames, EverySentenceUsesOfferedWordsAndOperandsThatExist) {
  ASSERT_TRUE(load(GetParam()));
  int sentences = 0;
  std::vector<int> opened(138, 0), done(788, 0);
  for (int m = 0; m < tf::world.getMapCount(); ++m) {
    for (int k = 0; k < tf::world.mapGlobalGetSentenceAmount(m); ++k) {
      const tf::sentence s = tf::world.mapGlobalGetWholeSentence(m, k);
      for (const std::string& fault : sentenceFaults(s, true, m)) {
        ADD_FAILURE() << "map " << m << " global sentence " << k << ": " << fault;
      }
      ++sentences;
    }
    for (int obj = 0; obj < tf::world.worldGetObjectCount(m); ++obj) {
      float x, y, w, h;
      int tex, layer;
      tf::world.worldGetObject(x, y, w, h, tex, layer, obj, m);
      EXPECT_TRUE(imageExists(tex)) << "map " << m << " object " << obj << " image " << tex;
      for (int k = 0; k < tf::world.mapLocalGetSentenceAmount(obj, m); ++k) {
        const tf::sentence s = tf::world.mapLocalGetWholeSentence(obj, m, k);
        for (const std::string& fault : sentenceFaults(s, false, m)) {
          ADD_FAILURE() << "map " << m << " object " << tf::world.worldGetObjectName(obj, m) << " sentence " << k
                        << ": " << fault;
        }
        ++sentences;
      }
    }
    int mw, mh;
    std::string name;
    tf::world.worldGetMap(mw, mh, name, m);
    for (int x = 0; x < mw; ++x) {
      for (int y = 0; y < mh; ++y) {
        int tex = -1;
        tf::world.worldGetTile(tex, x, y, m);
        EXPECT_TRUE(imageExists(tex)) << "map " << m << " tile " << x << "," << y;
      }
    }
  }
  EXPECT_GE(sentences, 40);
  // A phrase shows centred in a box 20 units wider on each side: it stays on the screen.
  for (int i = 0; i < 1024; ++i) {
    const std::string phrase = tf::world.getPhrase(i);
    if (!phrase.empty()) {
      EXPECT_LE(tf::getDisplayTextSize(phrase) + 40, 800) << phrase;
    }
  }
}

TEST_P(BothGames, TheMenusOfferStartHelpQuitAndAPauseMenuAndFitTheScreen) {
  ASSERT_TRUE(load(GetParam()));
  // Saved again through the menu writer, the file comes out as shipped.
  const std::string file = std::string("games/") + GetParam() + "/system/ui.cfg";
  const std::string shipped = dir.read(file);
  tf::saveUI();
  EXPECT_EQ(dir.read(file), shipped);

  auto offers = [](int menu, int func, int func2) {
    for (int b = 0; b < tf::gameUI.menuGetButtonCount(menu); ++b) {
      float x, y, w, h;
      int tex, f, f2;
      tf::gameUI.uiGetButton(x, y, w, h, tex, f, f2, menu, b);
      EXPECT_LT(tex, tf::gameUI.getUIImageCount());
      if (f == func && f2 == func2) return true;
    }
    return false;
  };
  const int first = static_cast<int>(tf::scriptUI.findLineF("intromenu"));
  EXPECT_EQ(first, 0);
  EXPECT_TRUE(offers(first, tf::kFuncStartGame, 0));
  EXPECT_TRUE(offers(first, tf::kFuncHelp, 0));
  EXPECT_TRUE(offers(first, tf::kFuncLeaveGame, 0));
  // The title picture is the game's own, after the toolkit's pictures.
  const int toolkitPictures = static_cast<int>(tf::numberFolder("ui").size());
  EXPECT_EQ(tf::gameUI.getMenuBackgroundTex(first), toolkitPictures);
  const int pause = tf::gameUI.getIngameMenu();
  EXPECT_NE(pause, first);
  EXPECT_TRUE(offers(pause, tf::kFuncResume, 0));
  EXPECT_TRUE(offers(pause, tf::kFuncGameMainMenu, 0));
  for (int id : {tf::gameUI.getEditorMenu(), tf::gameUI.getEditorMainMenu()}) {
    EXPECT_GT(id, pause);
    EXPECT_LT(id, tf::gameUI.getMenuCount());
  }
  tftest::expectCleanMenuLayout();
  // The splash picture comes after the game's own menu picture.
  EXPECT_EQ(tf::splash.getSplashCount(), 1);
  EXPECT_EQ(tf::splash.getStartingSplash(), toolkitPictures + 1);
}

TEST_P(BothGames, TheHelpIsTheGamesOwnAndFitsItsWindow) {
  tftest::MessageLog messages;
  ASSERT_TRUE(load(GetParam()));
  EXPECT_TRUE(messages.contains(std::string(GetParam()) + "/system/help.cfg^w was loaded successfully."));
  const int topics = tf::uiHelp.getMenuCount();
  EXPECT_GE(topics, 3);
  tf::scriptObject raw;
  ASSERT_TRUE(raw.readFile(std::string("games/") + GetParam() + "/system/help.cfg"));
  for (int t = 0; t < topics; ++t) {
    EXPECT_GE(tf::uiHelp.getLineCount(t), 5);
    EXPECT_LE(tf::uiHelp.getLineCount(t), 36);
    for (int l = 0; l < tf::uiHelp.getLineCount(t); ++l) {
      const std::string line = tf::uiHelp.menuGetMenuLine(t, l);
      EXPECT_EQ(line, raw.findLineS("help" + std::to_string(t) + "line" + std::to_string(l))) << "cut on reading";
      float x, y;
      tf::helpLinePosition(l, x, y);
      EXPECT_LE(x + tf::getDisplayTextSize(line), 775) << line;
      EXPECT_EQ(line.find('"'), std::string::npos) << "the font has no double quote: " << line;
    }
  }
  float x, y;
  tf::helpHeaderPosition(x, y);
  for (int t = 0; t < topics; ++t) {
    tf::uiHelp.setHelp(t);
    EXPECT_LE(x + tf::getDisplayTextSize(tf::helpHeader()), 775);
  }
}

TEST_P(BothGames, EverySoundIsLoadedAndTheSplashShown) {
  ASSERT_TRUE(load(GetParam()));
  EXPECT_GE(tf::world.getGameSoundCount(), 5);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateSplash);
  EXPECT_FALSE(tf::splash.getHideSplash());
}

INSTANTIATE_TEST_SUITE_P(SampleGames, BothGames, ::testing::Values("maze", "whack"));

}  // namespace
