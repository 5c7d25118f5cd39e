// The important actions, one after another on a small game in play, each with
// the one value it should change; and operands that name nothing, which must
// leave the whole world as it was.
#include "logic/actions.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

#include "game/vocabulary.h"
#include "logic_world.h"
#include "recording_audio.h"

using namespace tf;

namespace {

// The subject of the actions at (1, 1), half-size 0.1 x 0.2, and their usual target at (3, 2).
constexpr int kSelf = 0, kTarget = 1;

class Actions : public tftest::LogicWorld {
 protected:
  void SetUp() override {
    LogicWorld::SetUp();
    startGame(3);
    addObject(1, 1, 0.1f, 0.2f);
    addObject(3, 2);
    world.setGameImageCount(5);
  }
};

// What a row of the table reads after its action.
using Read = double (*)();
const Read condition = [] { return double(world.getGameCondition()); };
const Read life = [] { return double(world.worldGetObjectLife(kTarget, 0)); };
const Read visible = [] { return double(world.worldGetObjectVisible(kTarget, 0)); };
const Read solid = [] { return double(world.worldGetObjectObstructionState(kTarget, 0)); };
const Read targetX = [] { return double(tftest::LogicWorld::read(kTarget).x); };
const Read targetY = [] { return double(tftest::LogicWorld::read(kTarget).y); };
const Read selfScore = [] { return double(world.worldGetObjectScore(kSelf, 0)); };
const Read global3 = [] { return double(world.getGlobalScore(3)); };
const Read gameScore = [] { return double(world.getGameScore()); };
const Read selfImage = [] { return double(tftest::LogicWorld::read(kSelf).tex); };
const Read boxTimer = [] { int timer, image; world.getGameBox(timer, image); return double(timer); };
const Read phrase = [] { int timer, index; world.getDisplayPhrase(timer, index); return double(index); };
const Read mapChange = [] { return double(world.getChangeMap()); };
const Read keyUp = [] { return double(gameSys.getKeyState(kKeyUp)); };
const Read cameraX = [] { float x, y, z; camera.GetPos(x, y, z); return double(x); };

// Actions in sequence, each followed by one reading; 700 ("and") does nothing and only reads.
TEST_F(Actions, EachActionChangesWhatItNames) {
  const struct Step {
    int action, operand;
    Read read;
    double expected;
  } steps[] = {
      {701, 0, condition, 1}, {702, 0, condition, 2}, {708, kTarget, life, 0}, {700, 0, visible, 1},
      {709, kTarget, life, 1}, {714, kTarget, visible, 0}, {715, kTarget, visible, 1}, {717, kTarget, solid, 0},
      {716, kTarget, solid, 1}, {713, kTarget, targetX, 3.0175}, {712, kTarget, targetX, 3},
      {710, kTarget, targetY, 2.0175}, {711, kTarget, targetY, 2},
      // Scores never go below 0 nor wrap round.
      {736, 3, selfScore, 3}, {737, 5, selfScore, 0}, {738, INT_MAX, selfScore, INT_MAX}, {736, 1, selfScore, INT_MAX},
      {745, 3, global3, 1}, {746, 3, global3, 0}, {746, 3, global3, 0}, {732, 10, gameScore, 10},
      {734, 20, gameScore, 0}, {733, INT_MAX, gameScore, INT_MAX}, {733, 1, gameScore, INT_MAX},
      {722, 3, selfImage, 3}, {722, 5, selfImage, 3},  // five images: 0 to 4
      {704, 9, phrase, 9}, {787, 0, phrase, -1},
      // A map change is left pending for the next frame and takes down what is shown.
      {703, 2, boxTimer, kDisplayTime}, {748, 2, mapChange, 2}, {700, 0, boxTimer, 0},
      {774, 0, keyUp, kKeyBlocked}, {762, 0, keyUp, kKeyIdle}, {725, kTarget, cameraX, 3},
      {723, kTarget, targetX, 3},  // the seeker moves, not the target
  };
  for (const Step& s : steps) {
    gameAction(s.action, s.operand, kSelf);
    EXPECT_NEAR(s.read(), s.expected, 1e-5) << "action " << s.action << " operand " << s.operand;
  }
  EXPECT_FLOAT_EQ(xOf(kSelf), 1 + kMoveStep) << "seeking steps diagonally";
  EXPECT_FLOAT_EQ(yOf(kSelf), 1 + kMoveStep);
  gameAction(708, kTarget, kSelf);
  gameAction(718, kTarget, kSelf);  // spawned above the subject, alive again
  EXPECT_EQ(std::vector<float>({xOf(kTarget), yOf(kTarget), float(life())}),
            std::vector<float>({1 + kMoveStep, 1 + kMoveStep + 2 * 0.2f + kSpawnGap, 1}));
}

// Operands that name no object, map, image, sound, phrase, global score or
// letter leave the world as it was, whatever the action.
TEST_F(Actions, OperandsThatNameNothingChangeNothing) {
  tftest::RecordingAudio audio;
  addLocal(kTarget, {128, 0, 300, 400, 0, 600, 700, 0});
  world.mapLocalSetExecutionState(kTarget, 0, 1, 0);
  world.setGameBox(1000, 1);
  world.setDisplayPhrase(1000, 1);
  // The first number past the end of each kind: 2 objects, 5 images, 26 letters, 3 maps, no sounds.
  const std::map<int, int> pastTheEnd = {{kObjectOperand, 2}, {kImageOperand, 5}, {kKeyOperand, 26}, {kMapOperand, 3},
                                         {kSoundOperand, 0},  {kGlobalScoreOperand, 50}, {kPhraseOperand, 1024}};
  const std::string before = tftest::dumpWorld();
  for (int action = kFirstAction; action <= kLastAction; ++action) {
    const auto kind = pastTheEnd.find(checkStepType(action));
    if (action == 752 || kind == pastTheEnd.end()) continue;  // 752 quits
    for (int operand : {-1, kind->second, 5000, INT_MAX, INT_MIN}) {
      gameAction(action, operand, kSelf);
      ASSERT_EQ(tftest::dumpWorld(), before) << "action " << action << " operand " << operand;
    }
  }
  EXPECT_TRUE(window.worldTexts.empty());
  EXPECT_TRUE(audio.played.empty());
}

}  // namespace
