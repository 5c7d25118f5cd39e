// Every action on a small game in play: objects, spawning and seeking, scores
// with their floors, what is shown, map changes, keys, pointer, sounds, the
// random scores, and operands that name nothing, which must change nothing.
#include "logic/actions.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>

#include "core/camera.h"
#include "logic/vocabulary.h"
#include "logic_world.h"
#include "media/sound.h"
#include "recording_audio.h"
#include "temp_dir.h"

using namespace tf;

namespace {

// The subject of the actions at (1, 1), half-size 0.1 x 0.2, and their usual target at (3, 2).
constexpr int kSelf = 0, kTarget = 1;

int boxOrPhrase(bool box, bool wantIndex) {
  int timer, index;
  box ? world.getGameBox(timer, index) : world.getDisplayPhrase(timer, index);
  return wantIndex ? index : timer;
}
float camera(bool wantY) {
  float x, y, z;
  tf::camera.GetPos(x, y, z);
  return wantY ? y : x;
}

// What one row of the table reads after its action.
enum What { Condition, Life, Visible, Solid, TargetX, TargetY, SelfScore, TargetScore, Global3, GameScore, SelfTex,
            SelfLayer, BoxTimer, BoxImage, PhraseTimer, Phrase, ChangeMap, CurrentMap, KeyUp, KeyRight, KeyLeft,
            KeySpace, KeyEnter, LetterE, InputOff, FreeLook, CameraX, CameraY };

class Actions : public tftest::LogicWorld {
 protected:
  void SetUp() override {
    LogicWorld::SetUp();
    startGame(3);
    addObject(1, 1, 0.1f, 0.2f);
    addObject(3, 2);
    world.setGameImageCount(5);
  }
  static void act(int action, int operand) { gameAction(action, operand, kSelf); }
  static double readOut(What what) {
    const int m = 0;
    switch (what) {
      case Condition: return world.getGameCondition();
      case Life: return world.worldGetObjectLife(kTarget, m);
      case Visible: return world.worldGetObjectVisible(kTarget, m);
      case Solid: return world.worldGetObjectObstructionState(kTarget, m);
      case TargetX: return read(kTarget).x;
      case TargetY: return read(kTarget).y;
      case SelfScore: return world.worldGetObjectScore(kSelf, m);
      case TargetScore: return world.worldGetObjectScore(kTarget, m);
      case Global3: return world.getGlobalScore(3);
      case GameScore: return world.getGameScore();
      case SelfTex: return read(kSelf).tex;
      case SelfLayer: return read(kSelf).layer;
      case BoxTimer: return boxOrPhrase(true, false);
      case BoxImage: return boxOrPhrase(true, true);
      case PhraseTimer: return boxOrPhrase(false, false);
      case Phrase: return boxOrPhrase(false, true);
      case ChangeMap: return world.getChangeMap();
      case CurrentMap: return world.getCurrentMap();
      case KeyUp: return gameSys.getKeyState(kKeyUp);
      case KeyRight: return gameSys.getKeyState(kKeyRight);
      case KeyLeft: return gameSys.getKeyState(kKeyLeft);
      case KeySpace: return gameSys.getKeyState(kKeySpace);
      case KeyEnter: return gameSys.getKeyState(kKeyEnter);
      case LetterE: return gameSys.getAlphabetKeyState(4);
      case InputOff: return world.getIngameInputDisallow();
      case FreeLook: return world.getFreeLook();
      case CameraX: return camera(false);
      default: return camera(true);
    }
  }
};

// Actions in sequence, each followed by one reading; 700 ("and") does nothing
// and only reads.
TEST_F(Actions, EachActionChangesWhatItNames) {
  const struct Step {
    int action, operand;
    What what;
    double expected;
  } steps[] = {
      {701, 0, Condition, 1}, {702, 0, Condition, 2},
      {708, kTarget, Life, 0}, {700, 0, Visible, 1},  // killing does not hide
      {709, kTarget, Life, 1}, {714, kTarget, Visible, 0}, {715, kTarget, Visible, 1},
      {717, kTarget, Solid, 0}, {716, kTarget, Solid, 1},
      {713, kTarget, TargetX, 3.0175}, {713, kTarget, TargetX, 3.035}, {712, kTarget, TargetX, 3.0175},
      {710, kTarget, TargetY, 2.0175}, {711, kTarget, TargetY, 2}, {711, kTarget, TargetY, 1.9825},
      // Object scores never go below 0 nor wrap round.
      {736, 3, SelfScore, 3}, {737, 5, SelfScore, 0}, {738, 7, SelfScore, 7}, {781, kTarget, TargetScore, 7},
      {742, kTarget, TargetScore, 8}, {739, kTarget, SelfScore, 15}, {740, kTarget, SelfScore, 7},
      {741, kTarget, SelfScore, 8}, {743, kTarget, TargetScore, 7}, {744, kTarget, TargetScore, 0},
      {743, kTarget, TargetScore, 0}, {738, -5, SelfScore, 0}, {738, INT_MAX, SelfScore, INT_MAX},
      {736, INT_MAX, SelfScore, INT_MAX}, {780, 3, Global3, INT_MAX}, {747, 3, Global3, 0},
      {745, 3, Global3, 1}, {745, 3, Global3, 2}, {746, 3, Global3, 1}, {782, 3, SelfScore, 1},
      {746, 3, Global3, 0}, {746, 3, Global3, 0},
      {732, 10, GameScore, 10}, {733, 5, GameScore, 15}, {734, 20, GameScore, 0},
      {732, INT_MAX, GameScore, INT_MAX}, {733, INT_MAX, GameScore, INT_MAX}, {734, INT_MIN, GameScore, INT_MAX},
      {735, 0, GameScore, 0},
      {722, 3, SelfTex, 3}, {722, 5, SelfTex, 3}, {700, 0, SelfLayer, 0},  // five images: 0 to 4
      {703, 2, BoxTimer, kDisplayTime}, {700, 0, BoxImage, 2}, {786, 0, BoxTimer, 0},
      {704, 1023, PhraseTimer, kDisplayTime}, {700, 0, Phrase, 1023}, {787, 0, Phrase, -1}, {700, 0, PhraseTimer, -1},
      // A map change waits for the next frame and takes down what is shown.
      {703, 2, BoxTimer, kDisplayTime}, {704, 1, Phrase, 1}, {748, 2, ChangeMap, 2}, {700, 0, CurrentMap, 0},
      {700, 0, BoxTimer, 0}, {700, 0, Phrase, -1}, {742, kTarget, TargetScore, 1}, {749, kTarget, ChangeMap, 1},
      {745, 3, Global3, 1}, {745, 3, Global3, 2}, {750, 3, ChangeMap, 2},
      {774, 0, KeyUp, kKeyBlocked}, {700, 0, KeyRight, kKeyBlocked}, {762, 0, KeyUp, kKeyIdle},
      {764, 0, KeyLeft, kKeyIdle}, {700, 0, KeyRight, kKeyBlocked}, {766, 0, KeyRight, kKeyIdle},
      {770, 0, KeyUp, kKeyBlocked}, {773, 0, KeyRight, kKeyBlocked}, {772, 0, KeyLeft, kKeyBlocked},
      {775, 0, KeySpace, kKeyBlocked}, {776, 0, KeyEnter, kKeyBlocked}, {767, 0, KeySpace, kKeyIdle},
      {768, 0, KeyEnter, kKeyIdle}, {777, 4, LetterE, kKeyBlocked}, {769, 4, LetterE, kKeyIdle},
      {761, 0, InputOff, 1}, {760, 0, InputOff, 0}, {726, 0, FreeLook, 1}, {727, 0, FreeLook, 0},
      {725, kTarget, CameraX, 3.0175}, {700, 0, CameraY, 1.9825},
  };
  for (const Step& s : steps) {
    act(s.action, s.operand);
    EXPECT_NEAR(readOut(s.what), s.expected, 1e-5) << "action " << s.action << " operand " << s.operand;
  }
  EXPECT_EQ(window.calls, (std::vector<std::string>{"cursor arrow"})) << "free look shows the pointer";
  act(779, 0);
  act(778, 0);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"cursor arrow", "cursor none", "cursor arrow"}));
}

TEST_F(Actions, HeldArrowsStayHeldUnlessAllAreEnabledAndUnknownIdsDoNothing) {
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  act(762, 0);
  EXPECT_EQ(gameSys.getKeyState(kKeyUp), kKeyHeld);
  act(771, 0);
  EXPECT_EQ(gameSys.getKeyState(kKeyDown), kKeyBlocked);
  act(763, 0);
  EXPECT_EQ(gameSys.getKeyState(kKeyDown), kKeyIdle);
  act(766, 0);
  EXPECT_EQ(gameSys.getKeyState(kKeyUp), kKeyIdle);
  const std::string before = tftest::dumpWorld();
  for (int id : {699, 788, 753, 759, 0, -1, 300, 600, 700}) {
    EXPECT_EQ(gameAction(id, kTarget, kSelf), id >= 700 && id <= 759) << id;
    EXPECT_EQ(tftest::dumpWorld(), before) << id;
  }
}

TEST_F(Actions, KillingRevivingAndSpawningResetTheTimersAndSpawnsKeepTheLook) {
  world.worldSetObstructionSize(0.15f, 0.25f, kSelf, 0);
  world.worldSetObject(3, 2, 0.3f, 0.4f, 4, 2, kTarget, 0);
  world.worldSetObjectVisible(false, kTarget, 0);
  world.worldSetObjectObstructionState(false, kTarget, 0);
  addLocal(kTarget, {132, 5, 300, 400, 0, 600, 700, 0});
  addLocal(kTarget, {133, 5, 300, 400, 0, 600, 700, 0});
  auto timersAfter = [](int action) {
    world.mapLocalSetSentenceTimer(kTarget, 0, 4, 0);
    world.mapLocalSetSentenceTimer(kTarget, 0, 40, 1);
    act(action, kTarget);
    return world.mapLocalGetSentenceTimer(kTarget, 0, 0) + world.mapLocalGetSentenceTimer(kTarget, 0, 1);
  };
  EXPECT_EQ(timersAfter(708), 0);
  EXPECT_EQ(timersAfter(709), 0);
  world.worldSetObjectLife(false, kTarget, 0);
  EXPECT_EQ(timersAfter(718), 0);
  // A spawn revives; visibility and solidity are left as they were.
  EXPECT_EQ(std::vector<bool>({world.worldGetObjectLife(kTarget, 0), world.worldGetObjectVisible(kTarget, 0),
                               world.worldGetObjectObstructionState(kTarget, 0)}),
            std::vector<bool>({true, false, false}));
  const Placed p = read(kTarget);
  EXPECT_EQ(std::vector<float>({p.x, p.y, p.w, p.h, float(p.tex), float(p.layer)}),
            std::vector<float>({1, 1 + 2 * 0.25f + kSpawnGap, 0.3f, 0.4f, 4, 2}));
  const float spawns[][3] = {{719, 1, 1 - 2 * 0.25f - kSpawnGap}, {720, 1 - 2 * 0.15f - kSpawnGap, 1},
                             {721, 1 + 2 * 0.15f + kSpawnGap, 1}};
  for (const auto& spawn : spawns) {
    act(int(spawn[0]), kTarget);
    EXPECT_FLOAT_EQ(xOf(kTarget), spawn[1]) << spawn[0];
    EXPECT_FLOAT_EQ(yOf(kTarget), spawn[2]) << spawn[0];
  }
  // No collision test: a spawn may land on a solid object.
  world.worldSetObject(5, 5, 0.3f, 0.4f, 4, 0, kTarget, 0);
  world.worldSetObjectVisible(true, kTarget, 0);
  world.worldSetObjectObstructionState(true, kTarget, 0);
  const int wall = addObject(1, 1.6f, 0.3f, 0.3f);
  act(718, kTarget);
  EXPECT_FLOAT_EQ(yOf(kTarget), 1 + 2 * 0.25f + kSpawnGap);
  EXPECT_TRUE(checkObjectCollide(kTarget, 0, 0, wall));
}

TEST_F(Actions, SeekingStepsDiagonallyAndStopsShortOfTheTarget) {
  act(723, kTarget);
  EXPECT_FLOAT_EQ(xOf(kSelf), 1 + kMoveStep);
  EXPECT_FLOAT_EQ(yOf(kSelf), 1 + kMoveStep);
  world.worldSetObject(1 + kMoveStep, 3, 0.1f, 0.1f, 0, 0, kTarget, 0);
  act(723, kTarget);
  EXPECT_FLOAT_EQ(xOf(kSelf), 1 + 2 * kMoveStep) << "level on an axis: the + direction";
  world.worldSetObject(0, 0, 0.1f, 0.1f, 0, 0, kTarget, 0);
  act(723, kTarget);
  EXPECT_FLOAT_EQ(xOf(kSelf), 1 + kMoveStep);
  EXPECT_FLOAT_EQ(yOf(kSelf), 1 + kMoveStep);
  // Next to the target, solid or not, the step that would touch it is not taken.
  world.worldSetObject(1.21f, 1, 0.1f, 0.1f, 0, 0, kTarget, 0);
  world.worldSetObject(1, 1, 0.1f, 0.1f, 0, 0, kSelf, 0);
  world.worldSetObstructionSize(0.1f, 0.1f, kSelf, 0);
  world.worldSetObjectObstructionState(false, kTarget, 0);
  act(723, kTarget);
  EXPECT_FLOAT_EQ(xOf(kSelf), 1);
}

TEST_F(Actions, RandomScoresStayWithinZeroAndTheOperand) {
  std::srand(7);
  std::set<int> seen;
  for (int i = 0; i < 400; ++i) {
    act(785, 0);
    ASSERT_EQ(scoreOf(kSelf), 0);
    act(785, 9);
    ASSERT_TRUE(scoreOf(kSelf) >= 0 && scoreOf(kSelf) <= 9) << scoreOf(kSelf);
    seen.insert(scoreOf(kSelf));
  }
  EXPECT_EQ(seen.size(), 10u) << "every value from 0 to 9 comes up";
  for (int n : {65535, 65536, 1 << 20, INT_MAX}) {
    for (int i = 0; i < 50; ++i) {
      act(785, n);
      ASSERT_TRUE(scoreOf(kSelf) >= 0 && scoreOf(kSelf) <= n) << n;
    }
  }
  world.worldSetObjectScore(100, kSelf, 0);
  act(783, 9);
  EXPECT_TRUE(scoreOf(kSelf) >= 100 && scoreOf(kSelf) <= 109) << scoreOf(kSelf);
  const int before = scoreOf(kSelf);
  act(784, 9);
  EXPECT_TRUE(scoreOf(kSelf) <= before && scoreOf(kSelf) >= before - 9) << scoreOf(kSelf);
}

TEST_F(Actions, TextsAboveAnObjectAreDrawnWhenTheActionRuns) {
  world.setPhrase(7, "^yHello");
  world.worldSetObjectName("Crate", kTarget, 0);
  world.worldSetObjectScore(12, kTarget, 0);
  world.setGlobalScore(3, 42);
  act(705, 7);
  act(706, kTarget);
  act(707, 3);
  EXPECT_EQ(window.worldTexts, (std::vector<std::string>{"^yHello", "Crate 12", "42"}));
  ASSERT_EQ(window.worldTextPlaces.size(), 3u);
  EXPECT_FLOAT_EQ(window.worldTextPlaces[0].x, 1);
  EXPECT_FLOAT_EQ(window.worldTextPlaces[0].y, 1 + 2 * 0.2f) << "twice the drawn half-height above";
}

TEST_F(Actions, EndingTheGameInPlayAndInPlayTestAndQuitting) {
  gameSys.setGameState(kStatePlaytest);
  act(751, 0);
  EXPECT_EQ(worldEditor.getEndTest(), 1);
  EXPECT_EQ(gameSys.getGameState(), kStatePlaytest);
  gameSys.setGameState(kStatePlay);
  world.setGlobalScore(1, 5);
  act(751, 0);
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  EXPECT_EQ(globalScore(1), 0);
  tftest::ScopedWorkDir dir;
  EXPECT_EXIT(act(752, 0), ::testing::ExitedWithCode(0), "");
}

TEST_F(Actions, SoundsArePlayedLoopedAndStoppedByNumber) {
  tftest::RecordingAudio audio;
  gameSounds.assign(2, sound());
  for (int k = 0; k < 2; ++k) gameSounds[k].setBuffer(audio.loadWav("s" + std::to_string(k)));
  for (unsigned& voice : gSource) voice = audio.createVoice();
  act(728, 0);
  act(729, 1);
  EXPECT_EQ(audio.played, (std::vector<std::string>{"s0 once", "s1 looping"}));
  act(730, 1);
  EXPECT_EQ(audio.playingCount("s0") * 10 + audio.playingCount("s1"), 10);
  act(731, 0);
  EXPECT_TRUE(audio.playing.empty());
  for (int missing : {2, -1, 7}) act(728, missing);
  EXPECT_EQ(audio.played.size(), 2u);
  gameSounds.clear();
  for (unsigned& voice : gSource) voice = 0;
}

// Operands that name no object, map, image, sound, phrase, global score or
// letter leave the world as it was, whatever the action and whoever the subject.
TEST_F(Actions, OperandsThatNameNothingChangeNothing) {
  tftest::RecordingAudio audio;
  addLocal(kTarget, once(700));
  world.mapLocalSetExecutionState(kTarget, 0, 1, 0);
  world.setGameBox(1000, 1);
  world.setDisplayPhrase(1000, 1);
  const std::set<int> checkedKinds = {kObjectOperand, kImageOperand, kKeyOperand, kMapOperand,
                                      kSoundOperand,  kGlobalScoreOperand, kPhraseOperand};
  const std::string before = tftest::dumpWorld();
  for (int action = kFirstAction; action <= kLastAction; ++action) {
    if (action == 752 || checkedKinds.count(checkStepType(action)) == 0) continue;
    for (int operand : {-1, 5000, INT_MAX, INT_MIN, 1024}) {
      gameAction(action, operand, kSelf);
      ASSERT_EQ(tftest::dumpWorld(), before) << "action " << action << " operand " << operand;
    }
  }
  // A subject that is no object, with operands that exist.
  const std::set<int> subjectKinds = {kObjectOperand, kImageOperand, kNumberOperand, kPhraseOperand,
                                      kGlobalScoreOperand};
  for (int action = kFirstAction; action <= kLastAction; ++action) {
    const bool actsOnOperandOnly = (action >= 703 && action <= 704) || (action >= 708 && action <= 717) ||
                                   (action >= 724 && action <= 725) || (action >= 742 && action <= 752);
    if (actsOnOperandOnly || action == 731 || subjectKinds.count(checkStepType(action)) == 0) continue;
    for (int missingSelf : {-1, 2, 5000}) {
      gameAction(action, checkStepType(action) == kObjectOperand ? kTarget : 1, missingSelf);
      ASSERT_EQ(tftest::dumpWorld(), before) << "action " << action << " subject " << missingSelf;
    }
  }
  EXPECT_TRUE(window.worldTexts.empty());
  EXPECT_TRUE(audio.played.empty());
}

}  // namespace
