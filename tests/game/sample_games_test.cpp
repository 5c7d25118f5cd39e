// The sample games shipped in data/games, loaded from a copy of the data tree
// and played with the real logic: Coin Maze with the arrow keys along a
// winning route and routes that lose, Whack-a-Slime with the mouse. Also:
// their sentences use only words the logic editor offers and operands that
// exist, and their menus and help load cleanly and fit the screen.
#include <gtest/gtest.h>

#include <algorithm>
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

using namespace tf;
using tftest::objectNamed;
using tftest::shownImage;
using tftest::shownPhrase;
using tftest::whereIs;

namespace {

const std::string kData = std::string(TF_SOURCE_DIR) + "/data/";
// Both games count in global score 0 (coins, slimes whacked) and give up on Q.
constexpr int kCount = 0;
constexpr int kLetterQ = 'q' - 'a';

bool has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// A shipped game loaded from a copy of the data tree and entered, as a click on Start does.
class SampleGame : public ::testing::Test {
 protected:
  void TearDown() override {
    freeGameSounds(static_cast<int>(gameSounds.size()));
    freeSystemSounds();
    tftest::resetLifecycleGlobals();
  }

  // Loads games/<name> as the program does; false (with a failure) when it does not load cleanly.
  bool load(const std::string& name) {
    for (const char* folder : {"system", "map", "ui"}) dir.copyIn(kData + folder, folder);
    dir.copyIn(kData + "games/" + name, "games/" + name);
    tftest::resetLifecycleGlobals();
    resetLogicState();
    setAudioDevice(&audio);
    loadSystemSounds();
    gameSys.setSoundState(true);
    tftest::MessageLog messages;
    loadGame(name);
    EXPECT_FALSE(messages.contains("ERROR")) << name;
    return world.getGameLoaded() && !messages.contains("ERROR");
  }

  void start() {
    world.enterGame();
    ASSERT_EQ(gameSys.getGameState(), kStatePlay);
  }

  bool backOnTheFirstMenu() const { return gameSys.getGameState() == kStateMenus && gameUI.getCurrentMenu() == 0; }

  // How often games/<game>/sound/<file> was started.
  int timesPlayed(const std::string& game, const std::string& file) const {
    return static_cast<int>(std::count(audio.played.begin(), audio.played.end(),
                                       "games/" + game + "/sound/" + file + " once"));
  }

  // The texts drawn above objects in one more frame.
  std::vector<std::string> lastFrameTexts() {
    platform.worldTexts.clear();
    player.frame();
    return platform.worldTexts;
  }

  // Plays frames until the game is won or lost, at most `limit`; the frames played.
  int playUntilOver(int limit) {
    int frames = 0;
    for (; frames < limit && world.getGameCondition() == 0; ++frames) player.frame();
    return frames;
  }

  tftest::ScopedWorkDir dir;
  tftest::RecordingPlatform platform;
  tftest::RecordingAudio audio;
  tftest::ManualClock clock{0};
  tftest::GamePlayer player{clock};
};

float position(int obj, bool alongY) {
  float x, y, w, h;
  int tex, layer;
  world.worldGetObject(x, y, w, h, tex, layer, obj, world.getCurrentMap());
  return alongY ? y : x;
}

// ---- Coin Maze -----------------------------------------------------------------

// One step of a route: walk along a corridor to a column (left, right) or row
// (up, down), or walk on until map `target` begins.
struct Step {
  int key, target;
  bool intoMap = false;
};
Step walk(int key, int tile) { return {key, tile}; }
Step enterMap(int key, int map) { return {key, map, true}; }
const char* const kArrowNames[] = {"Up", "Down", "Right", "Left"};

constexpr float kStep = 0.0175f;  // one move of the logic
constexpr float kOnTarget = 0.02f;

class CoinMaze : public SampleGame {
 protected:
  void SetUp() override {
    ASSERT_TRUE(load("maze"));
    start();
  }

  int hero() const { return objectNamed("Player"); }

  // Plays `route`; true when every step got where it should without the game
  // being lost, or the game was won on the way. A failure names the step.
  bool play(const std::vector<Step>& route) {
    for (std::size_t i = 0; i < route.size(); ++i) {
      const std::string fault = route[i].intoMap ? walkIntoMap(route[i]) : walkTo(route[i]);
      if (world.getGameCondition() == 1) return true;
      if (world.getGameCondition() == 0 && fault.empty()) continue;
      ADD_FAILURE() << "step " << i + 1 << " (" << kArrowNames[route[i].key] << " to " << route[i].target
                    << ") after " << player.framesPlayed() << " frames: "
                    << (fault.empty() ? "the game was lost with '" + shownPhrase() + "'" : fault) << ", player at "
                    << whereIs(hero());
      return false;
    }
    return true;
  }

  // Holds the arrow for as many moves as bring the player to the centre of the target tile.
  std::string walkTo(const Step& step) {
    const bool alongY = step.key == kKeyUp || step.key == kKeyDown;
    const float goal = step.target * kTileSize;
    const int steps = static_cast<int>(std::lround(std::fabs(goal - position(hero(), alongY)) / kStep));
    player.holdArrow(step.key, steps);
    return std::fabs(position(hero(), alongY) - goal) <= kOnTarget ? "" : "stopped short";
  }

  std::string walkIntoMap(const Step& step) {
    player.pressArrow(step.key);
    for (int k = 0; k < 120 && world.getCurrentMap() != step.target; ++k) player.frame();
    player.releaseArrow(step.key);
    return world.getCurrentMap() == step.target ? "" : "still on map " + std::to_string(world.getCurrentMap());
  }

  void tap(int key) {
    player.pressKey(key);
    player.frame();
    player.releaseKey(key);
  }

  // Straight into the crypt, as if the garden were done.
  void enterCrypt() {
    world.setChangeMap(1);
    player.frame();
    ASSERT_EQ(world.getCurrentMap(), 1);
  }
};

// From the start in the middle of the garden: the west coins, the north-west
// and north-east corners, the east coin and the one by the south wall, then the gate.
const std::vector<Step> kGardenRoute = {
    walk(kKeyLeft, 5),   walk(kKeyDown, 3),  walk(kKeyLeft, 1),  walk(kKeyUp, 5),  // coin by the west wall
    walk(kKeyRight, 3),  walk(kKeyUp, 7),    walk(kKeyLeft, 1),  walk(kKeyUp, 9),  // north-west corner
    walk(kKeyRight, 5),  walk(kKeyDown, 7),  walk(kKeyRight, 7), walk(kKeyUp, 9),
    walk(kKeyRight, 13),                                                            // north-east corner
    walk(kKeyLeft, 12),  walk(kKeyDown, 5),  walk(kKeyRight, 13),                   // east
    walk(kKeyLeft, 11),  walk(kKeyDown, 1),  walk(kKeyLeft, 9),                     // by the south wall
    walk(kKeyRight, 13), walk(kKeyUp, 3),    enterMap(kKeyRight, 1),                // through the gate
};
// From the foot of the crypt's west wall: up to the lever, then round the spikes to the flag.
const std::vector<Step> kCryptRoute = {walk(kKeyUp, 7), walk(kKeyDown, 1), walk(kKeyRight, 10)};

TEST_F(CoinMaze, TheWinningRouteGathersTheCoinsCrossesTheCryptAndReturnsToTheMenu) {
  // The first frame greets the player and hides the pointer.
  player.frame();
  EXPECT_NE(shownPhrase().find("Gather the 5 gold coins"), std::string::npos) << shownPhrase();
  ASSERT_FALSE(platform.calls.empty());
  EXPECT_EQ(platform.calls.back(), "cursor none");

  ASSERT_TRUE(play(kGardenRoute));
  EXPECT_EQ(world.getGlobalScore(kCount), 5);
  EXPECT_EQ(timesPlayed("maze", "1000.wav"), 5) << "one clink per coin";
  EXPECT_EQ(timesPlayed("maze", "1001.wav"), 1) << "the gate opens once";
  player.frame();  // the camera follows the player into the crypt
  float cx, cy, cz;
  camera.GetPos(cx, cy, cz);
  EXPECT_FLOAT_EQ(cx, position(hero(), false));
  EXPECT_FLOAT_EQ(cy, position(hero(), true));
  EXPECT_NE(shownPhrase().find("Pull the lever"), std::string::npos) << shownPhrase();

  ASSERT_TRUE(play(kCryptRoute));
  player.frame();
  EXPECT_EQ(world.getGameCondition(), 1);
  EXPECT_EQ(shownImage(), kFirstOwnGameImage);
  EXPECT_EQ(timesPlayed("maze", "1003.wav"), 1);
  EXPECT_EQ(gameSys.getKeyState(kKeyRight), kKeyBlocked) << "the arrows stop once the flag is reached";

  // The picture stays until it is put away; then the game returns to its menu.
  player.frames(40);
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  tap(kKeyEnter);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());
  EXPECT_EQ(gameSys.getKeyState(kKeyRight), kKeyIdle);
}

TEST_F(CoinMaze, TheBatWokenByTheFirstCoinCatchesAPlayerWhoStandsStill) {
  ASSERT_TRUE(play({walk(kKeyLeft, 5), walk(kKeyDown, 3), walk(kKeyLeft, 1)}));
  const int bat = objectNamed("Bat");
  const std::string batAt = whereIs(bat);
  player.frames(120);
  EXPECT_EQ(whereIs(bat), batAt) << "the bat sleeps until a coin is taken";

  ASSERT_TRUE(play({walk(kKeyUp, 5)}));
  EXPECT_EQ(world.getGlobalScore(kCount), 1);
  EXPECT_NE(shownPhrase().find("a bat is coming"), std::string::npos) << shownPhrase();
  EXPECT_GT(playUntilOver(60 * 60), 60 * 5) << "a slow bat gives the player time";
  ASSERT_EQ(world.getGameCondition(), 2) << "the bat never came; it is at " << whereIs(bat);
  EXPECT_EQ(shownPhrase(), "The bat caught you! Press a key for the menu.");
  EXPECT_EQ(timesPlayed("maze", "1002.wav"), 1);

  // The message stays until a key puts it away; the arrows no longer move anyone.
  player.frames(30);
  const float x = position(hero(), false);
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  player.pressArrow(kKeyLeft);
  EXPECT_EQ(position(hero(), false), x);
  player.releaseArrow(kKeyLeft);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());
}

TEST_F(CoinMaze, TheGardenGateStaysShutAndSaysSoUntilAllFiveCoinsAreFound) {
  ASSERT_TRUE(play({walk(kKeyRight, 9), walk(kKeyDown, 3), walk(kKeyRight, 11), walk(kKeyDown, 1),
                    walk(kKeyRight, 13), walk(kKeyUp, 3)}));
  const float x = position(hero(), false);
  platform.worldTexts.clear();
  player.holdArrow(kKeyRight, 30);
  EXPECT_LT(position(hero(), false), x + 0.1f) << "the closed gate is solid";
  EXPECT_EQ(world.getCurrentMap(), 0);
  EXPECT_TRUE(has(platform.worldTexts, "Locked: find all 5 coins"));
  EXPECT_TRUE(has(lastFrameTexts(), "0")) << "the coin counter above the player's head";
}

TEST_F(CoinMaze, InTheCryptTheSlimeCatchesAPlayerWhoWaitsByTheLeverAndTheSpikesKill) {
  enterCrypt();
  ASSERT_TRUE(play({walk(kKeyUp, 7)}));
  EXPECT_EQ(shownPhrase(), "Clunk! Somewhere a gate has opened.");
  EXPECT_FALSE(world.worldGetObjectVisible(objectNamed("Gate"), 1));
  EXPECT_EQ(timesPlayed("maze", "1004.wav"), 1);
  playUntilOver(60 * 60);
  ASSERT_EQ(world.getGameCondition(), 2) << "the slime never came; it is at " << whereIs(objectNamed("Slime"));
  EXPECT_EQ(shownPhrase(), "The slime got you! Press a key for the menu.");
  player.frames(30);
  player.pressKey(kKeyEnter);
  player.releaseKey(kKeyEnter);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());

  // Again from the start: up the west wall and east across the room runs onto the spikes.
  start();
  enterCrypt();
  ASSERT_TRUE(play({walk(kKeyUp, 5)}));
  player.holdArrow(kKeyRight, 3 * 18);
  EXPECT_EQ(world.getGameCondition(), 2) << whereIs(hero());
  EXPECT_EQ(shownPhrase(), "Ouch, spikes! Press a key for the menu.");
}

TEST_F(CoinMaze, HoldingTwoArrowsSlipsRoundTheFirstOpenCorner) {
  // East from the start the hedge above is closed up to column 9.
  player.pressArrow(kKeyRight);
  player.pressArrow(kKeyUp);
  player.frames(4 * 18);
  player.releaseArrow(kKeyUp);
  player.releaseArrow(kKeyRight);
  EXPECT_NEAR(position(hero(), false), 9 * kTileSize, 0.07f) << whereIs(hero());
  EXPECT_GT(position(hero(), true), 6 * kTileSize) << whereIs(hero());
}

TEST_F(CoinMaze, SpaceShowsTheHintEnterPutsItAwayAndQGivesUpEvenWithAMessageOnDisplay) {
  player.frames(2);
  tap(kKeyEnter);
  EXPECT_EQ(shownPhrase(), "");
  tap(kKeySpace);
  EXPECT_EQ(shownPhrase(), "Coins: two in the north corners, one each by the west, east and south walls.");
  player.pressLetter(kLetterQ);
  EXPECT_TRUE(backOnTheFirstMenu());
  // Start clears every key, so the next game does not give up at once.
  start();
  player.frames(2);
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
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

  int score() const { return world.worldGetObjectScore(objectNamed("Score"), world.getCurrentMap()); }
  int timeLeft() const { return world.worldGetObjectScore(objectNamed("Time"), 0); }
  bool shown(int obj) const { return world.worldGetObjectVisible(obj, world.getCurrentMap()); }

  // The first slime that is up, -1 when none is.
  int slimeUp() const {
    for (int k = 1; k <= 6; ++k) {
      if (shown(objectNamed("Slime" + std::to_string(k)))) return objectNamed("Slime" + std::to_string(k));
    }
    return -1;
  }

  // Plays until the game is won or lost or `seconds` have passed, clicking
  // every `everyFrames` frames on what `choose` names (-1: nothing).
  void playFor(int seconds, int everyFrames, const std::function<int()>& choose) {
    for (int k = 0; k < seconds * 1000 / 16 && world.getGameCondition() == 0; ++k) {
      const int target = k % everyFrames == 0 ? choose() : -1;
      if (target >= 0) player.click(target);
      player.frame();
    }
  }
};

TEST_F(WhackASlime, WhackingEverySlimeAndGemThatShowsWinsWithinTheTime) {
  const int gem = objectNamed("Gem");
  int gems = 0;
  playFor(35, 12, [&] { return shown(gem) ? (++gems, gem) : slimeUp(); });
  ASSERT_EQ(world.getGameCondition(), 1) << "score " << score() << " after " << player.framesPlayed() << " frames";
  EXPECT_GE(score(), 25);
  EXPECT_GE(gems, 1);
  EXPECT_EQ(timesPlayed("whack", "1001.wav"), gems) << "a chime for each gem";
  EXPECT_GE(score(), world.getGlobalScore(kCount) + gems) << "a gem is worth at least a point";
  EXPECT_LE(score(), world.getGlobalScore(kCount) + 3 * gems) << "and at most three";
  EXPECT_EQ(shownImage(), kFirstOwnGameImage + 1);
  EXPECT_EQ(timesPlayed("whack", "1003.wav"), 1);

  // The clock stops with the win, and clicks no longer score.
  player.frame();
  const int time = timeLeft(), points = score();
  EXPECT_GT(time, 0);
  player.frames(200);
  EXPECT_EQ(timeLeft(), time);
  EXPECT_TRUE(world.getIngameInputDisallow());
  player.click(-1);  // puts the picture away; the game returns to its menu
  EXPECT_EQ(score(), points);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());
}

TEST_F(WhackASlime, WaitingOutTheClockLosesAndTheClockCountsDownOnTheScreen) {
  EXPECT_TRUE(has(lastFrameTexts(), "Time 30"));
  EXPECT_TRUE(has(lastFrameTexts(), "Score 0"));
  EXPECT_TRUE(has(lastFrameTexts(), "0")) << "slimes whacked";
  // One a second: the ticks of the logic's timers are at least 1001 ms apart.
  playFor(10, 1, [] { return -1; });
  EXPECT_GE(timeLeft(), 20);
  EXPECT_LE(timeLeft(), 21);
  EXPECT_TRUE(has(lastFrameTexts(), "Time " + std::to_string(timeLeft())));

  playFor(25, 1, [] { return -1; });
  ASSERT_EQ(world.getGameCondition(), 2);
  EXPECT_EQ(timeLeft(), 0);
  EXPECT_EQ(shownImage(), kFirstOwnGameImage + 2);
  EXPECT_EQ(timesPlayed("whack", "1004.wav"), 1);
  player.frames(10);
  EXPECT_EQ(audio.playingCount("games/whack/sound/1006.wav"), 0) << "the music stops";
  EXPECT_EQ(gameSys.getGameState(), kStatePlay) << "until the picture is put away";
  player.click(-1);
  player.frame();
  EXPECT_TRUE(backOnTheFirstMenu());
}

TEST_F(WhackASlime, AWhackedSlimeScoresAndHidesAndTheBatBites) {
  EXPECT_EQ(audio.playingCount("games/whack/sound/1006.wav"), 1) << "the music loops";
  int whacked = 0;
  playFor(20, 6, [&] {
    const int s = slimeUp();
    return s < 0 || whacked == 3 ? -1 : (++whacked, s);
  });
  ASSERT_EQ(whacked, 3);
  EXPECT_EQ(score(), 3);
  EXPECT_EQ(world.getGlobalScore(kCount), 3);
  EXPECT_EQ(timesPlayed("whack", "1000.wav"), 3);

  // The bat sets off from the left edge every six seconds.
  const int bat = objectNamed("Bat");
  auto flying = [&] { return shown(bat) && position(bat, false) > 0.3f; };
  for (int k = 0; k < 60 * 8 && !flying(); ++k) player.frame();
  ASSERT_TRUE(flying()) << whereIs(bat);
  player.click(bat);
  EXPECT_EQ(score(), 1);
  EXPECT_EQ(shownPhrase(), "Ouch! The bat bit you: 2 points lost.");
  player.frame();
  EXPECT_FALSE(shown(bat) || world.worldGetObjectLife(bat, 0));
  // It comes back alive at the left edge.
  for (int k = 0; k < 60 * 7 && !shown(bat); ++k) player.frame();
  EXPECT_TRUE(shown(bat));
  EXPECT_LT(position(bat, false), 0.3f);
}

TEST_F(WhackASlime, RightClickShowsTheRulesLeftClickPutsThemAwayQGivesUp) {
  EXPECT_NE(shownPhrase().find("Click the slimes!"), std::string::npos);
  player.click(-1);
  EXPECT_EQ(shownPhrase(), "");
  EXPECT_EQ(timesPlayed("whack", "1005.wav"), 1) << "the swish of a click on the ground";
  player.click(-1, false);
  EXPECT_NE(shownPhrase().find("Click the slimes!"), std::string::npos);
  player.pressLetter(kLetterQ);
  player.releaseLetter(kLetterQ);
  EXPECT_TRUE(backOnTheFirstMenu());
}

// ---- what both games are made of --------------------------------------------

class BothGames : public SampleGame, public ::testing::WithParamInterface<const char*> {};

bool imageExists(int image) {
  return image >= 0 && image < world.getGameImageCount() && gameImg[image].GetPointer() != -1;
}

// What is wrong with a sentence, "" when nothing: a word the logic editor does not offer in its place
// (global logic in editor mode 6, local in 7), or an operand that names nothing that exists.
std::string sentenceFault(const sentence& s, bool global, int m) {
  worldEditor.setEditorMode(global ? kModeGlobalLogic : kModeLocalLogic);
  const struct {
    int slot, first, last;
  } words[] = {{kSlotOpener, 100, 137}, {kSlotPolarity, 300, 301}, {kSlotCondition, 400, 438},
               {kSlotConnective, 600, 600}, {kSlotAction, 700, 787}};
  for (const auto& w : words) {
    const int id = s.getSentenceStep(w.slot);
    const std::string word = stepIDToString(id, s.getSentenceStep(kSlotOpener));
    if (id < w.first || id > w.last || word == "NULL" || word == "SKIP") return std::to_string(id) + " is not offered";
  }
  for (int slot : {kSlotOpener, kSlotCondition, kSlotAction}) {
    const int kind = checkStepType(s.getSentenceStep(slot)), value = s.getSentenceStep(slot + 1);
    const auto within = [&](int limit) { return value >= 0 && value < limit; };
    const bool ok = kind == kObjectOperand         ? within(world.worldGetObjectCount(m))
                    : kind == kImageOperand        ? imageExists(value)
                    : kind == kKeyOperand          ? within(26)
                    : kind == kMapOperand          ? within(world.getMapCount())
                    : kind == kSoundOperand        ? within(world.getGameSoundCount())
                    : kind == kGlobalScoreOperand  ? within(kGlobalScoreCount)
                    : kind == kPhraseOperand       ? within(kPhraseCount) && !world.getPhrase(value).empty()
                    : kind == kNumberOperand || kind == kReservedNumberOperand ? value >= 0
                                                                                : true;
    if (!ok) return "operand " + std::to_string(value) + " of kind " + std::to_string(kind) + " names nothing";
  }
  return "";
}

TEST_P(BothGames, EverySentenceUsesOfferedWordsAndOperandsThatExist) {
  ASSERT_TRUE(load(GetParam()));
  int sentences = 0;
  auto check = [&](const sentence& s, bool global, int m, const std::string& where) {
    EXPECT_EQ(sentenceFault(s, global, m), "") << where;
    ++sentences;
  };
  for (int m = 0; m < world.getMapCount(); ++m) {
    for (int k = 0; k < world.mapGlobalGetSentenceAmount(m); ++k) {
      check(world.mapGlobalGetWholeSentence(m, k), true, m, "map " + std::to_string(m) + " global " + std::to_string(k));
    }
    for (int obj = 0; obj < world.worldGetObjectCount(m); ++obj) {
      float x, y, w, h;
      int tex, layer;
      world.worldGetObject(x, y, w, h, tex, layer, obj, m);
      EXPECT_TRUE(imageExists(tex)) << "map " << m << " object " << obj << " image " << tex;
      for (int k = 0; k < world.mapLocalGetSentenceAmount(obj, m); ++k) {
        check(world.mapLocalGetWholeSentence(obj, m, k), false, m, world.worldGetObjectName(obj, m));
      }
    }
    int mw, mh;
    std::string name;
    world.worldGetMap(mw, mh, name, m);
    for (int x = 0; x < mw * mh; ++x) {
      int tex = -1;
      world.worldGetTile(tex, x / mh, x % mh, m);
      EXPECT_TRUE(imageExists(tex)) << "map " << m << " tile " << x / mh << "," << x % mh;
    }
  }
  EXPECT_GE(sentences, 40);
  // A phrase shows centred in a box 20 units wider on each side: it stays on the screen.
  for (int i = 0; i < kPhraseCount; ++i) EXPECT_LE(getDisplayTextSize(world.getPhrase(i)) + 40, 800) << world.getPhrase(i);
}

TEST_P(BothGames, TheMenusOfferStartHelpQuitAndAPauseMenuAndTheyAndTheHelpFitTheScreen) {
  tftest::MessageLog messages;
  ASSERT_TRUE(load(GetParam()));
  EXPECT_GE(world.getGameSoundCount(), 5);
  EXPECT_EQ(gameSys.getGameState(), kStateSplash);
  // Saved again through the menu writer, the file comes out as shipped.
  const std::string file = std::string("games/") + GetParam() + "/system/ui.cfg";
  const std::string shipped = dir.read(file);
  saveUI();
  EXPECT_EQ(dir.read(file), shipped);

  auto offers = [](int menu, int func) {
    bool found = false;
    for (int b = 0; b < gameUI.menuGetButtonCount(menu); ++b) {
      float x, y, w, h;
      int tex, f, f2;
      gameUI.uiGetButton(x, y, w, h, tex, f, f2, menu, b);
      EXPECT_LT(tex, gameUI.getUIImageCount());
      found = found || (f == func && f2 == 0);
    }
    return found;
  };
  EXPECT_EQ(static_cast<int>(scriptUI.findLineF("intromenu")), 0);
  EXPECT_TRUE(offers(0, kFuncStartGame) && offers(0, kFuncHelp) && offers(0, kFuncLeaveGame));
  const int pause = gameUI.getIngameMenu();
  EXPECT_NE(pause, 0);
  EXPECT_TRUE(offers(pause, kFuncResume) && offers(pause, kFuncGameMainMenu));
  for (int id : {gameUI.getEditorMenu(), gameUI.getEditorMainMenu()}) {
    EXPECT_GT(id, pause);
    EXPECT_LT(id, gameUI.getMenuCount());
  }
  tftest::expectCleanMenuLayout();
  // The title picture is the game's own, after the toolkit's pictures; the splash picture comes next.
  const int toolkitPictures = static_cast<int>(numberFolder("ui").size());
  EXPECT_EQ(gameUI.getMenuBackgroundTex(0), toolkitPictures);
  EXPECT_EQ(splash.getSplashCount(), 1);
  EXPECT_EQ(splash.getStartingSplash(), toolkitPictures + 1);
  EXPECT_FALSE(splash.getHideSplash());

  // The help is the game's own, read whole, and fits its window.
  EXPECT_TRUE(messages.contains(std::string(GetParam()) + "/system/help.cfg^w was loaded successfully."));
  const int topics = uiHelp.getMenuCount();
  EXPECT_GE(topics, 3);
  scriptObject raw;
  ASSERT_TRUE(raw.readFile(std::string("games/") + GetParam() + "/system/help.cfg"));
  float hx, hy;
  helpHeaderPosition(hx, hy);
  for (int t = 0; t < topics; ++t) {
    EXPECT_GE(uiHelp.getLineCount(t), 5);
    EXPECT_LE(uiHelp.getLineCount(t), 36);
    for (int l = 0; l < uiHelp.getLineCount(t); ++l) {
      const std::string line = uiHelp.menuGetMenuLine(t, l);
      EXPECT_EQ(line, raw.findLineS("help" + std::to_string(t) + "line" + std::to_string(l))) << "cut on reading";
      float x, y;
      helpLinePosition(l, x, y);
      EXPECT_LE(x + getDisplayTextSize(line), 775) << line;
      EXPECT_EQ(line.find('"'), std::string::npos) << "the font has no double quote: " << line;
    }
    uiHelp.setHelp(t);
    EXPECT_LE(hx + getDisplayTextSize(helpHeader()), 775);
  }
}

INSTANTIATE_TEST_SUITE_P(SampleGames, BothGames, ::testing::Values("maze", "whack"));

}  // namespace
