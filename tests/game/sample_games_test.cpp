// The sample games shipped in data/games, loaded from a copy of the data tree
// and played with the real logic along a winning route: Coin Maze with the
// arrow keys, Whack-a-Slime with the mouse. Also: their sentences use only
// words the logic editor offers and operands that exist.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/system.h"
#include "editor/editor.h"
#include "game/lifecycle.h"
#include "game/vocabulary.h"
#include "game/world.h"
#include "game_player.h"
#include "game_tree.h"
#include "logic/evaluation.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/sound.h"
#include "menus/button_actions.h"
#include "menus/ui.h"
#include "messages.h"
#include "recording_audio.h"
#include "recording_platform.h"
#include "temp_dir.h"

using namespace tf;
using tftest::objectNamed;
using tftest::shownImage;
using tftest::whereIs;

namespace {

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
    tftest::copyShippedGame(dir, name);
    tftest::resetLifecycleGlobals();
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

  // Won, the winning picture shown, then put away by `putAway`: back on the game's first menu.
  void expectWonAndBackOnTheMenu(int picture, const std::function<void()>& putAway) {
    EXPECT_EQ(world.getGameCondition(), 1);
    EXPECT_EQ(shownImage(), picture);
    player.frames(40);
    EXPECT_EQ(gameSys.getGameState(), kStatePlay) << "the picture stays until it is put away";
    putAway();
    player.frame();
    EXPECT_EQ(gameSys.getGameState(), kStateMenus);
    EXPECT_EQ(gameUI.getCurrentMenu(), 0);
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

// One step of a Coin Maze route: walk along a corridor to a column (left,
// right) or row (up, down), or walk on until map `target` begins.
struct Step {
  int key, target;
  bool intoMap = false;
};
Step walk(int key, int tile) { return {key, tile}; }
Step enterMap(int key, int map) { return {key, map, true}; }

constexpr float kStep = 0.0175f;  // one move of the logic
constexpr float kOnTarget = 0.02f;

// From the start in the middle of the garden: the west coins, the north-west
// and north-east corners, the east coin and the one by the south wall, then
// through the gate; in the crypt up to the lever and round the spikes to the flag.
const std::vector<Step> kWinningRoute = {
    walk(kKeyLeft, 5),   walk(kKeyDown, 3),  walk(kKeyLeft, 1),  walk(kKeyUp, 5),  // coin by the west wall
    walk(kKeyRight, 3),  walk(kKeyUp, 7),    walk(kKeyLeft, 1),  walk(kKeyUp, 9),  // north-west corner
    walk(kKeyRight, 5),  walk(kKeyDown, 7),  walk(kKeyRight, 7), walk(kKeyUp, 9),
    walk(kKeyRight, 13),                                                            // north-east corner
    walk(kKeyLeft, 12),  walk(kKeyDown, 5),  walk(kKeyRight, 13),                   // east
    walk(kKeyLeft, 11),  walk(kKeyDown, 1),  walk(kKeyLeft, 9),                     // by the south wall
    walk(kKeyRight, 13), walk(kKeyUp, 3),    enterMap(kKeyRight, 1),                // through the gate
    walk(kKeyUp, 7),     walk(kKeyDown, 1),  walk(kKeyRight, 10),                   // the crypt
};

TEST_F(SampleGame, CoinMazeIsWonAlongTheRouteThroughTheGardenAndTheCrypt) {
  ASSERT_TRUE(load("maze"));
  start();
  for (std::size_t i = 0; i < kWinningRoute.size() && world.getGameCondition() == 0; ++i) {
    const Step& step = kWinningRoute[i];
    const int hero = objectNamed("Player");  // on the current map
    if (step.intoMap) {
      player.pressArrow(step.key);
      for (int k = 0; k < 120 && world.getCurrentMap() != step.target; ++k) player.frame();
      player.releaseArrow(step.key);
      ASSERT_EQ(world.getCurrentMap(), step.target) << "step " << i + 1;
      EXPECT_EQ(world.getGlobalScore(0), 5) << "the gate opens for all five coins";
      continue;
    }
    // Holds the arrow for as many moves as bring the player to the centre of the target tile.
    const bool alongY = step.key == kKeyUp || step.key == kKeyDown;
    const float goal = step.target * kTileSize;
    player.holdArrow(step.key, static_cast<int>(std::lround(std::fabs(goal - position(hero, alongY)) / kStep)));
    if (world.getGameCondition() == 0) {
      ASSERT_NEAR(position(hero, alongY), goal, kOnTarget) << "step " << i + 1 << ", player at " << whereIs(hero);
    }
  }
  player.frame();
  expectWonAndBackOnTheMenu(kFirstOwnGameImage, [&] {
    player.pressKey(kKeyEnter);
    player.frame();
    player.releaseKey(kKeyEnter);
  });
}

TEST_F(SampleGame, WhackASlimeIsWonByWhackingEverySlimeAndGemThatShows) {
  std::srand(7);
  ASSERT_TRUE(load("whack"));
  start();
  player.frame();
  auto shown = [](int obj) { return world.worldGetObjectVisible(obj, 0); };
  const int gem = objectNamed("Gem");
  // Clicks every 12 frames on the gem or the first slime that is up, for at most 35 seconds.
  for (int k = 0; k < 35 * 1000 / 16 && world.getGameCondition() == 0; ++k) {
    int target = -1;
    for (int s = 1; s <= 6 && k % 12 == 0 && target < 0; ++s) {
      const int slime = objectNamed("Slime" + std::to_string(s));
      if (shown(slime)) target = slime;
    }
    if (k % 12 == 0 && shown(gem)) target = gem;
    if (target >= 0) player.click(target);
    player.frame();
  }
  EXPECT_GE(world.worldGetObjectScore(objectNamed("Score"), 0), 25);
  expectWonAndBackOnTheMenu(kFirstOwnGameImage + 1, [&] { player.click(-1); });
}

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
      for (int k = 0; k < world.mapLocalGetSentenceAmount(obj, m); ++k) {
        check(world.mapLocalGetWholeSentence(obj, m, k), false, m, world.worldGetObjectName(obj, m));
      }
    }
  }
  EXPECT_GE(sentences, 40);
}

// Paused, a player can go back to the game, or leave it (to the toolkit's
// menus, or out of a game started alone), but not end the program at once.
TEST_P(BothGames, ThePauseMenuOffersLeaveGameAndNoQuit) {
  ASSERT_TRUE(load(GetParam()));
  const int pause = gameUI.getIngameMenu();
  std::vector<int> funcs;
  for (int i = 0; i < gameUI.menuGetButtonCount(pause); ++i) {
    float x, y, w, h;
    int tex, func, func2;
    gameUI.uiGetButton(x, y, w, h, tex, func, func2, pause, i);
    funcs.push_back(func);
  }
  EXPECT_EQ(std::count(funcs.begin(), funcs.end(), kFuncLeaveGame), 1);
  EXPECT_EQ(std::count(funcs.begin(), funcs.end(), kFuncQuit), 0);
  EXPECT_EQ(std::count(funcs.begin(), funcs.end(), kFuncResume), 1);
}

INSTANTIATE_TEST_SUITE_P(SampleGames, BothGames, ::testing::Values("maze", "whack"));

}  // namespace
