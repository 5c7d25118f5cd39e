// The logic passes on hand-made games: when they run at all, the order of
// sentences and what later ones see, firing once or every frame, the "and"
// chains, the timers under a hand-set clock, the subject of local logic, every
// condition, the key and mouse openers, and logic whose operands name nothing.
#include "logic/evaluation.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "logic/actions.h"
#include "logic_world.h"

using namespace tf;

namespace {

// Actions used as markers: each adds 1 to a global score.
constexpr int kAddGlobal = 745;

class Evaluation : public tftest::LogicWorld {
 protected:
  void SetUp() override {
    LogicWorld::SetUp();
    startGame(2);
  }
  static void frames(int n) {
    for (int i = 0; i < n; ++i) updateLogic(false);
  }
  // A sentence that counts its firings in global score `id`.
  static tftest::Slots counting(int opener, int operand, int id, int polarity = 300, int condition = 400,
                                int conditionOperand = 0) {
    return {opener, operand, polarity, condition, conditionOperand, 600, kAddGlobal, id};
  }
  static void expectScores(const std::vector<int>& expected) {
    for (int id = 0; id < static_cast<int>(expected.size()); ++id) EXPECT_EQ(globalScore(id), expected[id]) << id;
  }
};

TEST_F(Evaluation, LogicRunsOnlyInPlayAndPlayTest) {
  addObject(0, 0);
  addGlobal(always(kAddGlobal, 0));
  addLocal(0, counting(104, 0, 1));  // up pressed
  addLocal(0, counting(134, 0, 2));  // left click
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  gameSys.setLeftMouse(1);
  for (int state : {kStateMenus, kStateIngameMenu, kStateSplash, kStateDialog, kStateWorldEditor, kStateMenuEditor,
                    kStatePlay, kStatePlaytest}) {
    const bool playing = state == kStatePlay || state == kStatePlaytest;
    gameSys.setGameState(state);
    world.setChangeMap(playing ? -1 : 1);
    frames(1);
    updateKeyLogic();
    updateMouseLogic();
    updateHeldKeyLogic();
    EXPECT_EQ(world.getCurrentMap(), 0) << state;
  }
  expectScores({2, 4, 2});
}

TEST_F(Evaluation, GlobalLogicFirstThenObjectByObjectAndLaterSentencesSeeEarlierChanges) {
  addObject(0, 0);
  addObject(1, 0);
  // Object 1's sentence needs what object 0's did, which needs what the global did.
  addLocal(1, {127, 1, 300, 428, 1, 600, kAddGlobal, 2});
  addLocal(0, {127, 0, 300, 428, 1, 600, kAddGlobal, 1});
  addGlobal({127, 3, 300, 428, 1, 600, kAddGlobal, 0});
  addGlobal(always(kAddGlobal, 3));
  frames(1);
  expectScores({0, 0, 0, 1});  // the first global sentence ran before the one that set score 3
  frames(1);
  expectScores({1, 1, 1, 2});
}

TEST_F(Evaluation, APendingMapChangeHappensAtTheStartOfTheNextFrame) {
  addObject(0, 0, 0.1f, 0.1f, 0, 0);
  addObject(0, 0, 0.1f, 0.1f, 0, 1);
  addGlobal(once(748, 1), 0);
  addGlobal(always(kAddGlobal, 0), 0);
  addGlobal(always(kAddGlobal, 1), 1);
  auto maps = [] { return std::pair(world.getCurrentMap(), world.getChangeMap()); };
  frames(1);
  EXPECT_EQ(maps(), std::pair(0, 1));
  EXPECT_EQ(globalScore(0), 1) << "the rest of the frame runs on the old map";
  frames(1);
  EXPECT_EQ(maps(), std::pair(1, -1));
  expectScores({1, 1});
  world.setChangeMap(7);  // no such map: dropped
  frames(1);
  EXPECT_EQ(maps(), std::pair(1, -1));
}

TEST_F(Evaluation, WhenFiresOnceUntilResetWhileEveryFrameAndLocalLogicSpeaksOfItsOwnObject) {
  addObject(0, 0);
  addObject(0.2f, 0);
  addLocal(0, rule(100, 0, 400, 1, 708, 1));  // When (self) touching 1 then kill object 1
  addLocal(0, counting(128, 0, 0));
  addGlobal(counting(128, 0, 1));
  addLocal(0, rule(101, 0, 411, 0, kAddGlobal, 2));
  addLocal(0, rule(101, 0, 411, 0, kAddGlobal, 3, false));
  frames(3);
  EXPECT_FALSE(world.worldGetObjectLife(1, 0));
  EXPECT_EQ(world.mapLocalGetExecutionState(0, 0, 0), 1);
  world.worldSetObjectLife(true, 1, 0);
  frames(1);
  EXPECT_TRUE(world.worldGetObjectLife(1, 0)) << "spent";
  gameAction(724, 0, 1);
  frames(1);
  EXPECT_FALSE(world.worldGetObjectLife(1, 0)) << "fires again after reset logic";
  expectScores({2, 1, 5, 0});  // a global When stays spent: reset logic touches local logic only

  // Held by object 2, "When object 5 is alive" tests object 2; in global logic the subject is slot 1.
  for (int i = 2; i < 6; ++i) addObject(i, 3);
  world.worldSetObjectLife(false, 5, 0);
  addLocal(2, rule(100, 5, 411, 0, 736, 4));
  addLocal(2, rule(101, 5, 412, 0, 736, 1));
  addGlobal(rule(101, 3, 411, 0, 736, 2));
  frames(1);
  EXPECT_EQ(std::vector<int>({scoreOf(2), scoreOf(3), scoreOf(5)}), std::vector<int>({4, 2, 0}));
}

TEST_F(Evaluation, AndChainsActOnlyWhenEveryLinkHoldsAndEndWithTheirList) {
  addObject(0, 0);
  // A and B and C then X; then D.
  addGlobal({127, 0, 300, 428, 1, 600, 700, 0});         // A: global 0 = 1
  addGlobal({127, 1, 300, 428, 1, 600, 700, 0});         // B: global 1 = 1
  addGlobal({127, 2, 300, 428, 1, 600, kAddGlobal, 5});  // C: global 2 = 1, X
  addGlobal(always(kAddGlobal, 6));                      // D
  for (auto [a, b, c] : {std::tuple{1, 1, 1}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}, {0, 0, 0}}) {
    world.setGlobalScore(0, a);
    world.setGlobalScore(1, b);
    world.setGlobalScore(2, c);
    frames(1);
    EXPECT_EQ(globalScore(5), 1) << a << b << c;
  }
  EXPECT_EQ(globalScore(6), 5) << "the sentence after the chain runs every frame";

  // A key opener never holds in the frame pass: with "and" it blocks the next
  // sentence, but not past the end of its list. A spent "Do once" blocks too.
  const tftest::Slots keyAnd = {104, 0, 300, 400, 0, 600, 700, 0};
  addObject(1, 0);
  addGlobal(keyAnd);
  addLocal(0, always(kAddGlobal, 10));
  addLocal(0, keyAnd);
  addLocal(0, always(kAddGlobal, 11));
  addLocal(0, always(kAddGlobal, 12));
  addLocal(0, once(700));
  addLocal(0, always(kAddGlobal, 13));
  addLocal(1, always(kAddGlobal, 14));
  frames(2);
  EXPECT_EQ(std::vector<int>({globalScore(10), globalScore(11), globalScore(12), globalScore(13), globalScore(14)}),
            std::vector<int>({2, 0, 2, 1, 2}));
}

TEST_F(Evaluation, EverySecondsCountsTicksAtLeast1001MsApartAndEveryMillisecondsTheElapsedTime) {
  addObject(0, 0);
  addGlobal(counting(132, 2, 0));
  addGlobal(counting(132, 0, 1));
  const int times[] = {500, 1001, 1500, 2001, 2002, 2500, 3002, 3003, 4004};
  const int fired[] = {0, 0, 0, 0, 1, 1, 1, 1, 2};
  for (int i = 0; i < 9; ++i) {
    clock.set(times[i]);
    frames(1);
    EXPECT_EQ(globalScore(0), fired[i]) << "at " << times[i];
  }
  EXPECT_EQ(globalScore(1), 9) << "operand 0 fires every frame";
  EXPECT_EQ(world.mapGlobalGetSentenceTimer(0, 0), 0);

  resetLogicState();
  clock.set(0);
  addLocal(0, counting(133, 100, 2));
  const int msTimes[] = {16, 32, 48, 64, 80, 96, 97, 112, 400};
  const int msTimers[] = {16, 32, 48, 64, 80, 96, 96, 0, 0};  // 1 ms later is no tick
  for (int i = 0; i < 9; ++i) {
    clock.set(msTimes[i]);
    frames(1);
    EXPECT_EQ(world.mapLocalGetSentenceTimer(0, 0, 0), msTimers[i]) << "at " << msTimes[i];
  }
  EXPECT_EQ(globalScore(2), 2) << "at 112 ms, and after one long frame";
}

TEST_F(Evaluation, GameConditionGameScoreAndLabelOpeners) {
  addObject(0, 0);
  const int openers[] = {102, 103, 120, 121, 122, 123, 124, 125, 130};
  for (int k = 0; k < 9; ++k) addGlobal(counting(openers[k], 5, k));
  addGlobal(counting(131, 0, 9, 301));
  for (int step = 0; step < 3; ++step) {
    world.setGameCondition(step);
    world.setGameScore(4 + step);
    frames(step + 1);
  }
  expectScores({2, 3, 1, 1, 1, 2, 1, 3, 0, 6});
  EXPECT_FALSE(compareLabel(0, 0, 0));
}

TEST_F(Evaluation, GlobalScoreConditionsAndOpeners) {
  addObject(0, 0);
  world.worldSetObjectScore(7, 0, 0);
  world.setGlobalScore(1, 7);
  world.setGlobalScore(2, 3);
  const int cases[][3] = {{426, 6, 1}, {426, 7, 0}, {427, 8, 1}, {427, 7, 0}, {428, 7, 1}, {428, 6, 0},
                          {429, 2, 1}, {429, 1, 0}, {430, 2, 0}, {431, 1, 1}, {432, 0, 0}, {433, 0, 0},
                          {434, 0, 1}, {400, 0, 0}, {411, 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(compareGlobalScore(1, c[0], c[1]), c[2] == 1) << c[0] << " " << c[1];
  addGlobal(counting(126, 1, 10, 300, 428, 7));  // When global 1 = 7: once
  addGlobal(counting(127, 1, 11, 300, 428, 7));  // While
  addGlobal(counting(127, 1, 12, 301, 428, 7));  // While not
  frames(3);
  EXPECT_EQ(std::vector<int>({globalScore(10), globalScore(11), globalScore(12)}), std::vector<int>({1, 3, 0}));
}

TEST_F(Evaluation, ObjectConditions) {
  const int a = addObject(0, 0), above = addObject(0, 0.24f), right = addObject(0.24f, 0.5f);
  const int layered = addObject(0.1f, 0, 0.1f, 0.1f, 2);  // overlapping a, on another layer
  const int far = addObject(5, 5);
  world.worldSetObjectScore(5, a, 0);
  world.worldSetObjectScore(5, far, 0);
  world.setGlobalScore(4, 6);
  const int cases[][4] = {
      // object, condition, operand, holds. `above` lies within 0.05 over a; `right` 0.5 up, out of reach.
      {a, 400, above, 1}, {a, 401, above, 1}, {a, 402, above, 0}, {a, 403, above, 0}, {a, 404, above, 0},
      {a, 406, 0, 1}, {a, 407, 0, 0}, {a, 408, 0, 0}, {a, 409, 0, 0}, {above, 402, a, 1}, {above, 407, 0, 1},
      {a, 404, right, 0}, {a, 410, above, 1}, {a, 405, 99, 1}, {layered, 405, 0, 0},
      {a, 400, layered, 0}, {a, 401, layered, 0}, {a, 404, layered, 0}, {a, 410, layered, 0}, {right, 410, layered, 0},
      {a, 411, 0, 1}, {a, 412, 0, 0}, {a, 413, 0, 1}, {a, 414, 0, 0},
      {a, 417, 4, 1}, {a, 417, 5, 0}, {a, 418, 6, 1}, {a, 418, 5, 0}, {a, 419, 5, 1}, {a, 419, 4, 0},
      {a, 420, far, 0}, {a, 421, far, 0}, {a, 422, far, 1}, {a, 423, 4, 0}, {a, 424, 4, 1}, {a, 425, 4, 0},
      {a, 415, 0, 0}, {a, 416, 0, 0}, {a, 426, 0, 0}, {a, 434, 0, 0}, {a, 435, 0, 0}, {a, 438, 0, 0},
      {a, 399, 0, 0}, {a, 439, 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(compareObjects(c[0], c[1], c[2]), c[3] == 1) << c[0] << " " << c[1];
  // "is not touching" between overlapping objects on different layers holds.
  addLocal(layered, rule(101, layered, 400, a, kAddGlobal, 0, false));
  frames(1);
  EXPECT_EQ(globalScore(0), 1);
  world.worldSetObject(0.24f, 0, 0.1f, 0.1f, 0, 0, right, 0);  // now within reach on the right
  world.worldSetObject(0, 0.205f, 0.1f, 0.1f, 0, 0, above, 0);  // beyond the 0.01 of "not touching"
  EXPECT_TRUE(compareObjects(a, 404, right) && compareObjects(a, 409, 0) && compareObjects(right, 408, 0));
  EXPECT_FALSE(compareObjects(a, 410, above));
  world.worldSetObjectVisible(false, a, 0);
  world.worldSetObjectLife(false, a, 0);
  EXPECT_TRUE(compareObjects(a, 412, 0) && compareObjects(a, 414, 0));
}

TEST_F(Evaluation, KeyOpenersFireOnTheirKeysOnlyAndNeverInTheFramePass) {
  addObject(0, 0);
  const int openers[] = {104, 105, 106, 107, 108, 109, 110, 112, 113, 114, 115, 116, 117, 118};
  for (int i = 0; i < 14; ++i) addGlobal(counting(openers[i], 0, i));
  addLocal(0, counting(111, 7, 14));  // H pressed
  addLocal(0, counting(119, 7, 15));  // H released
  for (int state : {kKeyHeld, kKeyReleased}) {
    for (int key : {kKeyUp, kKeyDown, kKeyLeft, kKeyRight, kKeySpace, kKeyEnter}) {
      gameSys.setKeyState(key, state);
      updateKeyLogic();
      gameSys.setKeyState(key, kKeyIdle);
    }
  }
  gameSys.setKeyState(kKeyUp, kKeyBlocked);
  updateKeyLogic();
  gameSys.setAlphabetKeyState(7, kKeyHeld);
  updateKeyLogic();
  gameSys.setAlphabetKeyState(7, kKeyReleased);
  updateKeyLogic();
  gameSys.setAlphabetKeyState(7, kKeyIdle);
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  frames(3);
  expectScores({1, 1, 1, 1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 4, 1, 1});
}

TEST_F(Evaluation, HeldKeysRunTheKeyLogicOncePerFrameAndDisallowedInputNothingAtAll) {
  addObject(0, 0);
  addGlobal(counting(110, 0, 0));  // arrow pressed
  addGlobal(counting(111, 2, 1));  // C pressed
  addLocal(0, counting(104, 0, 2));
  addLocal(0, {104, 0, 300, 400, 0, 600, 700, 0});  // "and" plays no part here
  addLocal(0, counting(104, 0, 3));
  updateHeldKeyLogic();
  expectScores({0, 0, 0, 0});
  gameSys.setKeyState(kKeyLeft, kKeyHeld);
  gameSys.setAlphabetKeyState(2, kKeyHeld);
  updateHeldKeyLogic();
  expectScores({1, 1, 0, 0});  // one pass, in which every key opener is tested
  gameSys.setKeyState(kKeyLeft, kKeyIdle);
  updateHeldKeyLogic();
  gameSys.setAlphabetKeyState(2, kKeyIdle);
  gameSys.setAlphabetKeyState(20, kKeyHeld);
  updateHeldKeyLogic();
  expectScores({1, 2, 0, 0});
  gameSys.setAlphabetKeyState(20, kKeyIdle);

  // A key event dismisses a shown image, unless input is disallowed.
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  auto boxTimer = [] {
    int timer, image;
    world.getGameBox(timer, image);
    return timer;
  };
  world.setGameBox(2, 3);
  updateKeyLogic();
  EXPECT_EQ(boxTimer(), 2);
  world.setGameBox(1, 3);
  world.setIngameInputDisallow(true);
  updateKeyLogic();
  updateMouseLogic();
  updateHeldKeyLogic();
  EXPECT_EQ(boxTimer(), 1) << "nothing at all while input is disallowed";
  world.setIngameInputDisallow(false);
  updateKeyLogic();
  EXPECT_EQ(boxTimer(), 0);
  expectScores({3, 2, 2, 2});  // up is an arrow too
}

TEST_F(Evaluation, MouseOpenersAndClicksOnObjects) {
  addObject(0, 0);
  addObject(1, 0);
  for (int k = 0; k < 4; ++k) {
    addLocal(1, counting(k == 0 ? 100 : 101, 0, k, 300, 435 + k));  // (self) L./R. Clicked/Released
    addGlobal(counting(134 + k, 0, 4 + k));                          // Left/Right click (released)
  }
  addGlobal(counting(101, 0, 8, 300, 435));  // global: When object 0 L. Clicked
  // A left press over object 1: once with it selected, once with none; then over object 0.
  gameSys.setLeftMouse(1);
  for (int selected : {1, -1, 0}) {
    world.setSelectedObject(selected);
    updateMouseLogic();
  }
  expectScores({1, 0, 0, 0, 3, 0, 0, 0, 1});
  gameSys.setLeftMouse(2);
  gameSys.setRightMouse(1);
  world.setSelectedObject(1);
  updateMouseLogic();
  gameSys.setRightMouse(2);
  updateMouseLogic();
  gameSys.setLeftMouse(1);
  gameSys.setRightMouse(0);
  updateMouseLogic();  // "When" fires again: execution state plays no part here
  expectScores({2, 1, 2, 1, 4, 1, 2, 1, 1});
}

// Hand-made logic whose operands name nothing that exists runs without
// effect in every pass, and without a crash.
TEST_F(Evaluation, OperandsThatNameNothingChangeNothing) {
  // No object, map, image, sound, phrase, global score or letter has these numbers.
  const int wild[] = {-1, 1024, 5000, INT_MAX, INT_MIN};
  for (int k = 0; k < 5; ++k) {
    const int w = wild[k];
    const int first = addObject(k * 0.15f, 0), second = addObject(k * 0.15f, 0.15f);
    addGlobal({101, w, 300, 400 + k, w, 600, 713, w});
    addGlobal({127, w, 301, 429, w, 600, 748, w});
    addGlobal({129, w, 300, 400, 0, 600, 703 + (k % 3) * 25, w});  // images, sounds, a reserved word
    const tftest::Slots locals[] = {{129, w, 300, 400, 0, 600, 704, w}, {129, w, 300, 400, 0, 600, 707, w},
                                    {101, w, 301, 420, w, 600, 739, w}, {129, w, 300, 400, w, 600, 777, w},
                                    {111, 3, 300, 400, w, 600, 730, w}, {111, 3, 300, 400, w, 600, 769, w},
                                    {134, w, 300, 400, w, 600, 705, w}, {132, w, 300, 400, w, 600, 718, w}};
    for (int s = 0; s < 8; ++s) addLocal(s < 4 ? first : second, locals[s]);
  }
  world.setGameBox(7, 1);
  world.setDisplayPhrase(9, 2);
  // The sentences' timers grow by design; everything else must stay.
  const std::string before = tftest::dumpLines(tftest::dumpWorld(), "", " timer ");
  gameSys.setAlphabetKeyState(3, kKeyHeld);
  gameSys.setLeftMouse(1);
  for (int i = 0; i < 5; ++i) {
    clock.advance(700);
    frames(1);
    updateKeyLogic();
    world.setSelectedObject(i);
    updateMouseLogic();
  }
  gameSys.setAlphabetKeyState(3, kKeyIdle);
  gameSys.setLeftMouse(0);
  EXPECT_EQ(tftest::dumpLines(tftest::dumpWorld(), "", " timer "), before);
  EXPECT_TRUE(window.worldTexts.empty());
}

}  // namespace
