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
#include "recording_sound_device.h"
#include "temp_dir.h"
#include "world_dump.h"

using namespace tf;

namespace {

class Actions : public tftest::LogicWorld {
 protected:
  void SetUp() override {
    LogicWorld::SetUp();
    startGame(3);
    self = addObject(1, 1, 0.1f, 0.2f);
    target = addObject(3, 2);
    world.setGameImageCount(5);
  }
  int self = 0, target = 0;
};

TEST_F(Actions, GameConditionAndTheWordAndItself) {
  std::string before = tftest::dumpWorld();
  EXPECT_TRUE(gameAction(700, target, self));
  EXPECT_EQ(tftest::dumpWorld(), before);
  gameAction(701, 0, self);
  EXPECT_EQ(world.getGameCondition(), 1);
  gameAction(702, 0, self);
  EXPECT_EQ(world.getGameCondition(), 2);
  before = tftest::dumpWorld();
  for (int unknown : {699, 788, 753, 759, 0, -1, 300, 600}) {
    EXPECT_EQ(gameAction(unknown, target, self), unknown >= 753 && unknown <= 759) << unknown;
    EXPECT_EQ(tftest::dumpWorld(), before) << unknown;
  }
}

TEST_F(Actions, KillingAndRevivingResetTheTimersButNotTheLook) {
  addLocal(target, {132, 5, 300, 400, 0, 600, 700, 0});
  addLocal(target, {133, 5, 300, 400, 0, 600, 700, 0});
  world.mapLocalSetSentenceTimer(target, 0, 4, 0);
  world.mapLocalSetSentenceTimer(target, 0, 40, 1);
  gameAction(708, target, self);
  EXPECT_FALSE(world.worldGetObjectLife(target, 0));
  EXPECT_TRUE(world.worldGetObjectVisible(target, 0)) << "killing does not hide";
  EXPECT_EQ(world.mapLocalGetSentenceTimer(target, 0, 0), 0);
  EXPECT_EQ(world.mapLocalGetSentenceTimer(target, 0, 1), 0);
  world.mapLocalSetSentenceTimer(target, 0, 4, 0);
  gameAction(709, target, self);
  EXPECT_TRUE(world.worldGetObjectLife(target, 0));
  EXPECT_EQ(world.mapLocalGetSentenceTimer(target, 0, 0), 0);

  gameAction(714, target, self);
  EXPECT_FALSE(world.worldGetObjectVisible(target, 0));
  gameAction(715, target, self);
  EXPECT_TRUE(world.worldGetObjectVisible(target, 0));
  gameAction(717, target, self);
  EXPECT_FALSE(world.worldGetObjectObstructionState(target, 0));
  gameAction(716, target, self);
  EXPECT_TRUE(world.worldGetObjectObstructionState(target, 0));
}

TEST_F(Actions, MovesAreOneStepEachAndAddUp) {
  gameAction(713, target, self);
  gameAction(713, target, self);
  EXPECT_NEAR(xOf(target), 3.035f, 1e-5);
  gameAction(712, target, self);
  EXPECT_NEAR(xOf(target), 3.0175f, 1e-5);
  gameAction(710, target, self);
  EXPECT_NEAR(yOf(target), 2.0175f, 1e-5);
  gameAction(711, target, self);
  gameAction(711, target, self);
  EXPECT_NEAR(yOf(target), 1.9825f, 1e-5);
}

TEST_F(Actions, SpawningMovesTheTargetNextToSelfAndRevivesIt) {
  world.worldSetObstructionSize(0.15f, 0.25f, self, 0);
  world.worldSetObject(3, 2, 0.3f, 0.4f, 4, 2, target, 0);
  world.worldSetObjectLife(false, target, 0);
  world.worldSetObjectVisible(false, target, 0);
  world.worldSetObjectObstructionState(false, target, 0);
  addLocal(target, {132, 5, 300, 400, 0, 600, 700, 0});
  world.mapLocalSetSentenceTimer(target, 0, 3, 0);

  gameAction(718, target, self);
  EXPECT_FLOAT_EQ(xOf(target), 1);
  EXPECT_FLOAT_EQ(yOf(target), 1 + 2 * 0.25f + kSpawnGap);
  EXPECT_TRUE(world.worldGetObjectLife(target, 0));
  EXPECT_FALSE(world.worldGetObjectVisible(target, 0)) << "visibility is left as it was";
  EXPECT_FALSE(world.worldGetObjectObstructionState(target, 0));
  EXPECT_EQ(world.mapLocalGetSentenceTimer(target, 0, 0), 0);
  Placed placed = read(target);
  EXPECT_FLOAT_EQ(placed.w, 0.3f);
  EXPECT_FLOAT_EQ(placed.h, 0.4f);
  EXPECT_EQ(placed.tex, 4);
  EXPECT_EQ(placed.layer, 2);

  gameAction(719, target, self);
  EXPECT_FLOAT_EQ(yOf(target), 1 - 2 * 0.25f - kSpawnGap);
  gameAction(720, target, self);
  EXPECT_FLOAT_EQ(xOf(target), 1 - 2 * 0.15f - kSpawnGap);
  EXPECT_FLOAT_EQ(yOf(target), 1);
  gameAction(721, target, self);
  EXPECT_FLOAT_EQ(xOf(target), 1 + 2 * 0.15f + kSpawnGap);

  // No collision test: a spawn may land on a solid object.
  int wall = addObject(1, 1.6f, 0.3f, 0.3f);
  world.worldSetObjectObstructionState(true, target, 0);
  gameAction(718, target, self);
  EXPECT_TRUE(checkObjectCollide(target, 0, 0, wall) || !world.worldGetObjectVisible(target, 0));
}

TEST_F(Actions, SeekingStepsDiagonallyAndStopsShortOfTheTarget) {
  gameAction(723, target, self);
  EXPECT_FLOAT_EQ(xOf(self), 1 + kMoveStep);
  EXPECT_FLOAT_EQ(yOf(self), 1 + kMoveStep);
  world.worldSetObject(1, 3, 0.1f, 0.1f, 0, 0, target, 0);
  world.worldSetObject(1, 1, 0.1f, 0.2f, 0, 0, self, 0);
  gameAction(723, target, self);
  EXPECT_FLOAT_EQ(xOf(self), 1 + kMoveStep) << "level on an axis: the + direction";
  world.worldSetObject(0, 0, 0.1f, 0.1f, 0, 0, target, 0);
  gameAction(723, target, self);
  EXPECT_FLOAT_EQ(xOf(self), 1);
  EXPECT_FLOAT_EQ(yOf(self), 1);

  // Next to the target, the step that would touch it is not taken.
  world.worldSetObject(1.21f, 1, 0.1f, 0.1f, 0, 0, target, 0);
  world.worldSetObject(1, 1, 0.1f, 0.1f, 0, 0, self, 0);
  world.worldSetObstructionSize(0.1f, 0.1f, self, 0);
  gameAction(723, target, self);
  EXPECT_FLOAT_EQ(xOf(self), 1);
  world.worldSetObjectObstructionState(false, target, 0);
  gameAction(723, target, self);
  EXPECT_FLOAT_EQ(xOf(self), 1) << "also when the target is not solid";
}

TEST_F(Actions, ChangingTheImageKeepsPlaceSizeAndLayer) {
  world.worldSetObject(1, 1, 0.3f, 0.2f, 1, 4, self, 0);
  gameAction(722, 3, self);
  Placed p = read(self);
  EXPECT_EQ(p.tex, 3);
  EXPECT_EQ(p.layer, 4);
  EXPECT_FLOAT_EQ(p.w, 0.3f);
  gameAction(722, 5, self);  // five images: 0 to 4
  EXPECT_EQ(read(self).tex, 3);
}

TEST_F(Actions, ResettingLogicTouchesTheTargetsLocalSentencesOnly) {
  addLocal(target, once(700));
  addLocal(target, once(700));
  addGlobal(once(700));
  world.mapLocalSetExecutionState(target, 0, 1, 0);
  world.mapLocalSetExecutionState(target, 0, 1, 1);
  world.mapGlobalSetExecutionState(0, 1, 0);
  gameAction(724, target, self);
  EXPECT_EQ(world.mapLocalGetExecutionState(target, 0, 0), 0);
  EXPECT_EQ(world.mapLocalGetExecutionState(target, 0, 1), 0);
  EXPECT_EQ(world.mapGlobalGetExecutionState(0, 0), 1);
}

TEST_F(Actions, CameraFreeLookAndPointer) {
  gameAction(725, target, self);
  float x, y, z;
  camera.GetPos(x, y, z);
  EXPECT_FLOAT_EQ(x, 3);
  EXPECT_FLOAT_EQ(y, 2);
  gameAction(726, 0, self);
  EXPECT_TRUE(world.getFreeLook());
  gameAction(727, 0, self);
  EXPECT_FALSE(world.getFreeLook());
  gameAction(779, 0, self);
  gameAction(778, 0, self);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"cursor arrow", "cursor none", "cursor arrow"}));
}

TEST_F(Actions, ScoresOfObjectsNeverGoBelowZero) {
  gameAction(736, 3, self);
  EXPECT_EQ(scoreOf(self), 3);
  gameAction(737, 5, self);
  EXPECT_EQ(scoreOf(self), 0);
  gameAction(738, 7, self);
  world.worldSetObjectScore(4, target, 0);
  gameAction(739, target, self);
  EXPECT_EQ(scoreOf(self), 11);
  gameAction(740, target, self);
  EXPECT_EQ(scoreOf(self), 7);
  gameAction(741, target, self);
  EXPECT_EQ(scoreOf(self), 4);
  gameAction(742, target, self);
  EXPECT_EQ(scoreOf(target), 5);
  gameAction(743, target, self);
  EXPECT_EQ(scoreOf(target), 4);
  gameAction(744, target, self);
  gameAction(743, target, self);
  EXPECT_EQ(scoreOf(target), 0);
  gameAction(738, -5, self);
  EXPECT_EQ(scoreOf(self), 0);
  gameAction(738, INT_MAX, self);
  gameAction(736, INT_MAX, self);
  EXPECT_EQ(scoreOf(self), INT_MAX) << "held at the top, not wrapped round";
}

TEST_F(Actions, GlobalAndGameScores) {
  gameAction(745, 3, self);
  gameAction(745, 3, self);
  EXPECT_EQ(globalScore(3), 2);
  gameAction(746, 3, self);
  EXPECT_EQ(globalScore(3), 1);
  gameAction(747, 3, self);
  gameAction(746, 3, self);
  EXPECT_EQ(globalScore(3), 0);
  world.worldSetObjectScore(9, self, 0);
  gameAction(780, 4, self);
  EXPECT_EQ(globalScore(4), 9);
  gameAction(781, target, self);
  EXPECT_EQ(scoreOf(target), 9);
  world.setGlobalScore(5, 2);
  gameAction(782, 5, self);
  EXPECT_EQ(scoreOf(self), 2);

  gameAction(732, 10, self);
  gameAction(733, 5, self);
  EXPECT_EQ(world.getGameScore(), 15);
  gameAction(734, 20, self);
  EXPECT_EQ(world.getGameScore(), 0);
  gameAction(732, INT_MAX, self);
  gameAction(733, INT_MAX, self);
  EXPECT_EQ(world.getGameScore(), INT_MAX);
  gameAction(734, INT_MIN, self);
  EXPECT_EQ(world.getGameScore(), INT_MAX);
  gameAction(735, 0, self);
  EXPECT_EQ(world.getGameScore(), 0);
}

TEST_F(Actions, RandomScoresStayWithinZeroAndTheOperand) {
  std::srand(7);
  for (int i = 0; i < 50; ++i) {
    gameAction(785, 0, self);
    ASSERT_EQ(scoreOf(self), 0);
  }
  std::set<int> seen;
  for (int i = 0; i < 400; ++i) {
    gameAction(785, 9, self);
    ASSERT_GE(scoreOf(self), 0);
    ASSERT_LE(scoreOf(self), 9);
    seen.insert(scoreOf(self));
  }
  EXPECT_EQ(seen.size(), 10u) << "every value from 0 to 9 comes up";
  for (int n : {65535, 65536, 1 << 20, INT_MAX}) {
    for (int i = 0; i < 50; ++i) {
      gameAction(785, n, self);
      ASSERT_GE(scoreOf(self), 0) << n;
      ASSERT_LE(scoreOf(self), n) << n;
    }
  }
  world.worldSetObjectScore(100, self, 0);
  gameAction(783, 9, self);
  EXPECT_GE(scoreOf(self), 100);
  EXPECT_LE(scoreOf(self), 109);
  int before = scoreOf(self);
  gameAction(784, 9, self);
  EXPECT_LE(scoreOf(self), before);
  EXPECT_GE(scoreOf(self), before - 9);

  // The same seed gives the same scores.
  std::srand(11);
  gameAction(785, 1000, self);
  int first = scoreOf(self);
  std::srand(11);
  gameAction(785, 1000, self);
  EXPECT_EQ(scoreOf(self), first);
}

TEST_F(Actions, ShownImagesAndPhrases) {
  gameAction(703, 2, self);
  int timer, index;
  world.getGameBox(timer, index);
  EXPECT_EQ(timer, kDisplayTime);
  EXPECT_EQ(index, 2);
  gameAction(786, 0, self);
  world.getGameBox(timer, index);
  EXPECT_EQ(timer, 0);
  gameAction(704, 1023, self);
  world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, kDisplayTime);
  EXPECT_EQ(index, 1023);
  gameAction(787, 0, self);
  world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, -1);
  EXPECT_EQ(index, -1);
}

TEST_F(Actions, TextsAboveAnObjectAreDrawnWhenTheActionRuns) {
  world.setPhrase(7, "^yHello");
  world.worldSetObjectName("Crate", target, 0);
  world.worldSetObjectScore(12, target, 0);
  world.setGlobalScore(3, 42);
  gameAction(705, 7, self);
  gameAction(706, target, self);
  gameAction(707, 3, self);
  EXPECT_EQ(window.worldTexts, (std::vector<std::string>{"^yHello", "Crate 12", "42"}));
  ASSERT_EQ(window.worldTextPlaces.size(), 3u);
  EXPECT_FLOAT_EQ(window.worldTextPlaces[0].x, 1);
  EXPECT_FLOAT_EQ(window.worldTextPlaces[0].y, 1 + 2 * 0.2f) << "twice the drawn half-height above";
}

TEST_F(Actions, MapChangesWaitForTheNextFrameAndClearWhatIsShown) {
  world.setGameBox(1000, 1);
  world.setDisplayPhrase(1000, 2);
  gameAction(748, 2, self);
  EXPECT_EQ(world.getChangeMap(), 2);
  EXPECT_EQ(world.getCurrentMap(), 0);
  int timer, index;
  world.getGameBox(timer, index);
  EXPECT_EQ(timer, 0);
  world.getDisplayPhrase(timer, index);
  EXPECT_EQ(index, -1);
  world.worldSetObjectScore(1, target, 0);
  gameAction(749, target, self);
  EXPECT_EQ(world.getChangeMap(), 1);
  world.setGlobalScore(6, 2);
  gameAction(750, 6, self);
  EXPECT_EQ(world.getChangeMap(), 2);
}

TEST_F(Actions, EndingTheGameInPlayAndInPlayTest) {
  gameSys.setGameState(kStatePlaytest);
  gameAction(751, 0, self);
  EXPECT_EQ(worldEditor.getEndTest(), 1);
  EXPECT_EQ(gameSys.getGameState(), kStatePlaytest);
  gameSys.setGameState(kStatePlay);
  world.setGlobalScore(1, 5);
  gameAction(751, 0, self);
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  EXPECT_EQ(globalScore(1), 0);
}

TEST_F(Actions, QuittingEndsTheProgram) {
  tftest::ScopedWorkDir dir;
  EXPECT_EXIT(gameAction(752, 0, self), ::testing::ExitedWithCode(0), "");
}

TEST_F(Actions, KeysAreEnabledAndDisabled) {
  gameAction(774, 0, self);
  for (int key : {kKeyUp, kKeyDown, kKeyLeft, kKeyRight}) EXPECT_EQ(gameSys.getKeyState(key), kKeyBlocked);
  gameAction(762, 0, self);
  EXPECT_EQ(gameSys.getKeyState(kKeyUp), kKeyIdle);
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  gameAction(762, 0, self);
  EXPECT_EQ(gameSys.getKeyState(kKeyUp), kKeyHeld) << "a held key stays held";
  gameAction(764, 0, self);
  EXPECT_EQ(gameSys.getKeyState(kKeyLeft), kKeyIdle);
  EXPECT_EQ(gameSys.getKeyState(kKeyRight), kKeyBlocked);
  gameAction(766, 0, self);
  EXPECT_EQ(gameSys.getKeyState(kKeyUp), kKeyIdle) << "enable all arrows releases a held one too";
  EXPECT_EQ(gameSys.getKeyState(kKeyRight), kKeyIdle);
  gameAction(770, 0, self);
  gameAction(771, 0, self);
  gameAction(772, 0, self);
  gameAction(773, 0, self);
  EXPECT_EQ(gameSys.getKeyState(kKeyLeft), kKeyBlocked);
  gameAction(775, 0, self);
  gameAction(776, 0, self);
  EXPECT_EQ(gameSys.getKeyState(kKeySpace), kKeyBlocked);
  EXPECT_EQ(gameSys.getKeyState(kKeyEnter), kKeyBlocked);
  gameAction(767, 0, self);
  gameAction(768, 0, self);
  EXPECT_EQ(gameSys.getKeyState(kKeySpace), kKeyIdle);
  EXPECT_EQ(gameSys.getKeyState(kKeyEnter), kKeyIdle);

  gameSys.setAlphabetKeyState(4, kKeyHeld);
  EXPECT_EQ(gameSys.getCurrentAlphabetKey(), 4);
  gameAction(777, 4, self);
  EXPECT_EQ(gameSys.getAlphabetKeyState(4), kKeyBlocked);
  EXPECT_EQ(gameSys.getCurrentAlphabetKey(), -1);
  gameAction(769, 4, self);
  EXPECT_EQ(gameSys.getAlphabetKeyState(4), kKeyIdle);

  gameAction(761, 0, self);
  EXPECT_TRUE(world.getIngameInputDisallow());
  gameAction(760, 0, self);
  EXPECT_FALSE(world.getIngameInputDisallow());
}

TEST_F(Actions, SoundsArePlayedLoopedAndStoppedByNumber) {
  tftest::RecordingSoundDevice audio;
  gameSounds.assign(2, sound());
  gameSounds[0].setBuffer(500);
  gameSounds[1].setBuffer(501);
  for (unsigned& voice : gSource) voice = audio.createVoice();
  gameAction(728, 0, self);
  gameAction(729, 1, self);
  ASSERT_EQ(audio.starts.size(), 2u);
  EXPECT_EQ(audio.starts[0].buffer, 500u);
  EXPECT_FALSE(audio.starts[0].loop);
  EXPECT_TRUE(audio.starts[1].loop);
  gameAction(730, 1, self);
  EXPECT_FALSE(audio.isPlaying(audio.starts[1].voice));
  EXPECT_TRUE(audio.isPlaying(audio.starts[0].voice));
  gameAction(731, 0, self);
  EXPECT_TRUE(audio.playing.empty());
  gameAction(728, 2, self);
  gameAction(728, -1, self);
  gameAction(730, 7, self);
  EXPECT_EQ(audio.starts.size(), 2u);
  gameSounds.clear();
  for (unsigned& voice : gSource) voice = 0;
}

// Operands that name no object, map, image, sound, phrase, global score or
// letter leave the world as it was, whatever the action and whoever the subject.
TEST_F(Actions, OperandsThatNameNothingChangeNothing) {
  tftest::RecordingSoundDevice audio;
  addLocal(target, once(700));
  world.mapLocalSetExecutionState(target, 0, 1, 0);
  world.setGameBox(1000, 1);
  world.setDisplayPhrase(1000, 1);
  const std::set<int> checkedKinds = {kObjectOperand, kImageOperand, kKeyOperand, kMapOperand,
                                      kSoundOperand,  kGlobalScoreOperand, kPhraseOperand};
  const std::string before = tftest::dumpWorld();
  for (int action = kFirstAction; action <= kLastAction; ++action) {
    if (action == 752 || checkedKinds.count(checkStepType(action)) == 0) continue;
    for (int operand : {-1, 5000, INT_MAX, INT_MIN, 1024}) {
      gameAction(action, operand, self);
      ASSERT_EQ(tftest::dumpWorld(), before) << "action " << action << " operand " << operand;
    }
  }
  // A subject that is no object, with operands that exist.
  for (int action = kFirstAction; action <= kLastAction; ++action) {
    if (action == 752 || action == 751 || action == 731) continue;
    const int kind = checkStepType(action);
    if (kind != kObjectOperand && kind != kImageOperand && kind != kNumberOperand && kind != kPhraseOperand &&
        kind != kGlobalScoreOperand) {
      continue;
    }
    bool actsOnOperandOnly = (action >= 708 && action <= 717) || action == 724 || action == 725 ||
                             (action >= 742 && action <= 750) || action == 703 || action == 704;
    if (actsOnOperandOnly) continue;
    for (int missingSelf : {-1, 2, 5000}) {
      gameAction(action, kind == kObjectOperand ? target : 1, missingSelf);
      ASSERT_EQ(tftest::dumpWorld(), before) << "action " << action << " subject " << missingSelf;
    }
  }
  EXPECT_TRUE(window.worldTexts.empty());
  EXPECT_TRUE(audio.starts.empty());
}

}  // namespace
