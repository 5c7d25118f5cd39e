// The logic passes on hand-made games: when they run at all, the order of
// sentences and what later ones see, firing once or every frame, the "and"
// chains, the timers under a hand-set clock, the subject of local logic, every
// condition, the key and mouse openers, and logic whose operands name nothing.
#include "logic/evaluation.h"

#include <gtest/gtest.h>

#include <climits>

#include "logic/actions.h"
#include "logic_world.h"
#include "world_dump.h"

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
  static void frame() { updateLogic(false); }
  static void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  // A sentence that counts its firings in global score `id`.
  static tftest::Slots counting(int opener, int operand, int id, int polarity = 300, int condition = 400,
                                int conditionOperand = 0) {
    return {opener, operand, polarity, condition, conditionOperand, 600, kAddGlobal, id};
  }
};

TEST_F(Evaluation, LogicRunsOnlyInPlayAndPlayTest) {
  addObject(0, 0);
  addGlobal(always(kAddGlobal, 0));
  addLocal(0, counting(104, 0, 1));  // up pressed
  addLocal(0, counting(134, 0, 2));  // left click
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  gameSys.setLeftMouse(1);
  world.setChangeMap(1);
  for (int state : {kStateMenus, kStateIngameMenu, kStateSplash, kStateDialog, kStateWorldEditor, kStateMenuEditor}) {
    gameSys.setGameState(state);
    frame();
    updateKeyLogic();
    updateMouseLogic();
    updateHeldKeyLogic();
  }
  EXPECT_EQ(globalScore(0) + globalScore(1) + globalScore(2), 0);
  EXPECT_EQ(world.getCurrentMap(), 0);
  for (int state : {kStatePlay, kStatePlaytest}) {
    gameSys.setGameState(state);
    world.setCurrentMap(0);
    world.setChangeMap(-1);
    frame();
    updateKeyLogic();
    updateMouseLogic();
  }
  EXPECT_EQ(globalScore(0), 2);
  EXPECT_EQ(globalScore(1), 2);
  EXPECT_EQ(globalScore(2), 2);
}

TEST_F(Evaluation, GlobalLogicFirstThenObjectByObjectAndLaterSentencesSeeEarlierChanges) {
  addObject(0, 0);
  addObject(1, 0);
  // Object 1's sentence needs what object 0's did, which needs what the global did.
  addLocal(1, {127, 1, 300, 428, 1, 600, kAddGlobal, 2});
  addLocal(0, {127, 0, 300, 428, 1, 600, kAddGlobal, 1});
  addGlobal({127, 3, 300, 428, 1, 600, kAddGlobal, 0});
  addGlobal(always(kAddGlobal, 3));
  frame();
  EXPECT_EQ(globalScore(3), 1);
  EXPECT_EQ(globalScore(0), 0) << "the first global sentence ran before the one that set score 3";
  EXPECT_EQ(globalScore(1), 0);
  frame();
  EXPECT_EQ(globalScore(0), 1);
  EXPECT_EQ(globalScore(1), 1) << "object 0 saw the global change of this frame";
  EXPECT_EQ(globalScore(2), 1) << "object 1 saw object 0's change of this frame";
  EXPECT_EQ(globalScore(3), 2);
}

TEST_F(Evaluation, APendingMapChangeHappensAtTheStartOfTheNextFrame) {
  addObject(0, 0, 0.1f, 0.1f, 0, 0);
  addObject(0, 0, 0.1f, 0.1f, 0, 1);
  addGlobal({128, 0, 300, 400, 0, 600, 748, 1}, 0);
  addGlobal(always(kAddGlobal, 0), 0);
  addGlobal(always(kAddGlobal, 1), 1);
  camera.SetPos(4, 4, 0);
  frame();
  EXPECT_EQ(world.getCurrentMap(), 0);
  EXPECT_EQ(world.getChangeMap(), 1);
  EXPECT_EQ(globalScore(0), 1) << "the rest of the frame runs on the old map";
  frame();
  EXPECT_EQ(world.getCurrentMap(), 1);
  EXPECT_EQ(world.getChangeMap(), -1);
  EXPECT_EQ(globalScore(0), 1);
  EXPECT_EQ(globalScore(1), 1);
  float x, y, z;
  camera.GetPos(x, y, z);
  EXPECT_FLOAT_EQ(x, 0);
  world.setChangeMap(7);  // no such map: dropped
  frame();
  EXPECT_EQ(world.getCurrentMap(), 1);
  EXPECT_EQ(world.getChangeMap(), -1);
}

TEST_F(Evaluation, WhenFiresOnceUntilItsObjectsLogicIsReset) {
  addObject(0, 0);
  addObject(0.2f, 0);
  addLocal(0, whenObject(0, 400, 1, 708, 1));  // When (self) touching 1 then kill object 1
  addLocal(0, counting(128, 0, 0));
  addGlobal(counting(128, 0, 1));
  frames(3);
  EXPECT_FALSE(world.worldGetObjectLife(1, 0));
  EXPECT_EQ(world.mapLocalGetExecutionState(0, 0, 0), 1);
  EXPECT_EQ(globalScore(0), 1);
  world.worldSetObjectLife(true, 1, 0);
  frame();
  EXPECT_TRUE(world.worldGetObjectLife(1, 0)) << "spent";
  gameAction(724, 0, 1);
  frame();
  EXPECT_FALSE(world.worldGetObjectLife(1, 0)) << "fires again after reset logic";
  EXPECT_EQ(globalScore(0), 2);
  EXPECT_EQ(globalScore(1), 1) << "a global When stays spent: reset logic touches local logic only";
}

TEST_F(Evaluation, WhileFiresEveryFrameTheConditionHolds) {
  addObject(0, 0);
  addLocal(0, whileObject(0, 411, 0, kAddGlobal, 0));
  addLocal(0, whileObject(0, 411, 0, kAddGlobal, 1, false));
  frames(3);
  EXPECT_EQ(globalScore(0), 3);
  EXPECT_EQ(globalScore(1), 0);
  world.worldSetObjectLife(false, 0, 0);
  frames(2);
  EXPECT_EQ(globalScore(0), 3);
  EXPECT_EQ(globalScore(1), 2);
}

TEST_F(Evaluation, LocalLogicSpeaksOfItsOwnObject) {
  for (int i = 0; i < 6; ++i) addObject(i, 3);
  world.worldSetObjectLife(false, 5, 0);
  addLocal(2, whenObject(5, 411, 0, 736, 4));   // When object 5 is alive: add 4 to self score
  addLocal(2, whileObject(5, 412, 0, 736, 1));  // While object 5 is dead
  frame();
  EXPECT_EQ(scoreOf(2), 4) << "object 2 is alive; object 5 is not asked";
  EXPECT_EQ(scoreOf(5), 0);
  // In global logic the subject is slot 1.
  addGlobal(whileObject(3, 411, 0, 736, 2));
  frame();
  EXPECT_EQ(scoreOf(3), 2);
  EXPECT_EQ(scoreOf(2), 4);
}

TEST_F(Evaluation, AndChainsActOnlyWhenEveryLinkHolds) {
  addObject(0, 0);
  // A and B and C then X; then D.
  addGlobal({127, 0, 300, 428, 1, 600, 700, 0});  // A: global 0 = 1
  addGlobal({127, 1, 300, 428, 1, 600, 700, 0});  // B: global 1 = 1
  addGlobal({127, 2, 300, 428, 1, 600, kAddGlobal, 5});  // C: global 2 = 1, X
  addGlobal(always(kAddGlobal, 6));  // D
  auto set = [](int a, int b, int c) {
    world.setGlobalScore(0, a);
    world.setGlobalScore(1, b);
    world.setGlobalScore(2, c);
  };
  set(1, 1, 1);
  frame();
  EXPECT_EQ(globalScore(5), 1);
  for (auto [a, b, c] : {std::tuple{0, 1, 1}, std::tuple{1, 0, 1}, std::tuple{1, 1, 0}, std::tuple{0, 0, 0}}) {
    set(a, b, c);
    frame();
    EXPECT_EQ(globalScore(5), 1) << a << b << c;
  }
  EXPECT_EQ(globalScore(6), 5) << "the sentence after the chain runs every frame";
}

TEST_F(Evaluation, AChainNeverCrossesIntoTheNextList) {
  addObject(0, 0);
  addObject(1, 0);
  const tftest::Slots keyAnd = {104, 0, 300, 400, 0, 600, 700, 0};  // never holds in the frame pass
  addGlobal(keyAnd);
  addLocal(0, always(kAddGlobal, 0));
  addLocal(0, keyAnd);
  addLocal(0, always(kAddGlobal, 1));
  addLocal(0, always(kAddGlobal, 2));
  addLocal(1, always(kAddGlobal, 3));
  frames(2);
  EXPECT_EQ(globalScore(0), 2) << "the block at the end of the global list does not reach object 0";
  EXPECT_EQ(globalScore(1), 0) << "a key opener with \"and\" blocks the next sentence in every frame";
  EXPECT_EQ(globalScore(2), 2);
  EXPECT_EQ(globalScore(3), 2);
}

TEST_F(Evaluation, ASpentOnceLinkBlocksItsChain) {
  addObject(0, 0);
  addGlobal({128, 0, 300, 400, 0, 600, 700, 0});
  addGlobal(always(kAddGlobal, 0));
  addGlobal(always(kAddGlobal, 1));
  frames(3);
  EXPECT_EQ(globalScore(0), 1) << "only in the frame the Do once link fired";
  EXPECT_EQ(globalScore(1), 3);
}

TEST_F(Evaluation, EverySecondsCountsTicksAtLeast1001MsApart) {
  addObject(0, 0);
  addGlobal(counting(132, 2, 0));
  addGlobal(counting(132, 0, 1));
  const int times[] = {500, 1001, 1500, 2001, 2002, 2500, 3002, 3003, 4004};
  const int fired[] = {0, 0, 0, 0, 1, 1, 1, 1, 2};
  for (int i = 0; i < 9; ++i) {
    clock.set(times[i]);
    frame();
    EXPECT_EQ(globalScore(0), fired[i]) << "at " << times[i];
  }
  EXPECT_EQ(globalScore(1), 9) << "operand 0 fires every frame";
  EXPECT_EQ(world.mapGlobalGetSentenceTimer(0, 0), 0);
}

TEST_F(Evaluation, EveryMillisecondsAddsTheRealElapsedTime) {
  addObject(0, 0);
  addGlobal(counting(133, 100, 0));
  for (int t = 16; t <= 96; t += 16) {
    clock.set(t);
    frame();
  }
  EXPECT_EQ(globalScore(0), 0);
  EXPECT_EQ(world.mapGlobalGetSentenceTimer(0, 0), 96);
  clock.set(97);
  frame();
  EXPECT_EQ(world.mapGlobalGetSentenceTimer(0, 0), 96) << "1 ms later is no tick";
  clock.set(112);
  frame();
  EXPECT_EQ(globalScore(0), 1);
  EXPECT_EQ(world.mapGlobalGetSentenceTimer(0, 0), 0);
  clock.set(400);
  frame();
  EXPECT_EQ(globalScore(0), 2) << "one long frame is enough";
}

TEST_F(Evaluation, KillingAnObjectRestartsItsTimers) {
  addObject(0, 0);
  addLocal(0, counting(133, 100, 0));
  clock.set(80);
  frame();
  EXPECT_EQ(world.mapLocalGetSentenceTimer(0, 0, 0), 80);
  gameAction(708, 0, 0);
  clock.set(160);
  frame();
  EXPECT_EQ(globalScore(0), 0);
  EXPECT_EQ(world.mapLocalGetSentenceTimer(0, 0, 0), 80);
}

TEST_F(Evaluation, GameConditionAndGameScoreOpeners) {
  addObject(0, 0);
  addGlobal(counting(102, 0, 0));
  addGlobal(counting(103, 0, 1));
  addGlobal(counting(120, 5, 2));
  addGlobal(counting(121, 5, 3));
  addGlobal(counting(122, 5, 4));
  addGlobal(counting(123, 5, 5));
  addGlobal(counting(124, 5, 6));
  addGlobal(counting(125, 5, 7));
  addGlobal(counting(130, 0, 8, 300));
  addGlobal(counting(131, 0, 9, 301));
  world.setGameScore(4);
  frames(2);
  world.setGameCondition(1);
  world.setGameScore(5);
  frames(2);
  world.setGameCondition(2);
  world.setGameScore(6);
  frames(2);
  const int expected[] = {2, 2, 1, 1, 1, 2, 2, 2, 0, 6};
  for (int id = 0; id < 10; ++id) EXPECT_EQ(globalScore(id), expected[id]) << "score " << id;
}

TEST_F(Evaluation, GlobalScoreOpenersAndTheirConditions) {
  addObject(0, 0);
  world.worldSetObjectScore(7, 0, 0);
  world.setGlobalScore(1, 7);
  world.setGlobalScore(2, 3);
  struct Case {
    int condition, operand;
    bool holds;
  } cases[] = {{426, 6, true},  {426, 7, false}, {427, 8, true},  {427, 7, false}, {428, 7, true},
               {428, 6, false}, {429, 2, true},  {429, 1, false}, {430, 2, false}, {431, 1, true},
               {432, 0, false}, {433, 0, false}, {434, 0, true},  {400, 0, false}, {411, 0, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(compareGlobalScore(1, c.condition, c.operand), c.holds) << c.condition << " " << c.operand;
  }
  addGlobal(counting(126, 1, 10, 300, 428, 7));  // When global 1 = 7: once
  addGlobal(counting(127, 1, 11, 300, 428, 7));  // While
  addGlobal(counting(127, 1, 12, 301, 428, 7));  // While not
  frames(3);
  EXPECT_EQ(globalScore(10), 1);
  EXPECT_EQ(globalScore(11), 3);
  EXPECT_EQ(globalScore(12), 0);
  EXPECT_FALSE(compareLabel(0, 0, 0));
  EXPECT_FALSE(compareLabel(-1, 400, 1));
}

TEST_F(Evaluation, TouchConditionsNeedTheSameLayer) {
  int a = addObject(0, 0, 0.1f, 0.1f, 1);
  int b = addObject(0.1f, 0, 0.1f, 0.1f, 2);  // overlapping a, on another layer
  for (int condition = 400; condition <= 409; ++condition) EXPECT_FALSE(compareObjects(a, condition, b)) << condition;
  EXPECT_FALSE(compareObjects(a, 410, b)) << "not touching needs the same layer too";
  world.worldSetObject(0.1f, 0, 0.1f, 0.1f, 0, 1, b, 0);
  EXPECT_TRUE(compareObjects(a, 400, b));
  EXPECT_TRUE(compareObjects(a, 405, 99));
  EXPECT_FALSE(compareObjects(a, 410, b));
  // "is not touching" on different layers is true.
  world.worldSetObject(0.1f, 0, 0.1f, 0.1f, 0, 2, b, 0);
  addLocal(a, whileObject(a, 400, b, kAddGlobal, 0, false));
  frame();
  EXPECT_EQ(globalScore(0), 1);
}

TEST_F(Evaluation, TouchConditionsBySide) {
  int a = addObject(0, 0);
  int above = addObject(0, 0.24f);
  int right = addObject(0.24f, 0.5f);
  // above lies within 0.05 over a; right lies 0.5 up, out of reach until moved.
  EXPECT_TRUE(compareObjects(a, 400, above));
  EXPECT_TRUE(compareObjects(a, 401, above));
  EXPECT_FALSE(compareObjects(a, 402, above));
  EXPECT_FALSE(compareObjects(a, 403, above));
  EXPECT_FALSE(compareObjects(a, 404, above));
  EXPECT_TRUE(compareObjects(a, 406, 0));
  EXPECT_FALSE(compareObjects(a, 407, 0));
  EXPECT_FALSE(compareObjects(a, 408, 0));
  EXPECT_FALSE(compareObjects(a, 409, 0));
  EXPECT_TRUE(compareObjects(above, 402, a));
  EXPECT_TRUE(compareObjects(above, 407, 0));
  world.worldSetObject(0.24f, 0, 0.1f, 0.1f, 0, 0, right, 0);
  EXPECT_TRUE(compareObjects(a, 404, right));
  EXPECT_TRUE(compareObjects(a, 409, 0));
  EXPECT_TRUE(compareObjects(right, 408, 0));
  // Not touching (410) probes at 0.01 only.
  EXPECT_TRUE(compareObjects(a, 410, above));
  world.worldSetObject(0, 0.205f, 0.1f, 0.1f, 0, 0, above, 0);
  EXPECT_FALSE(compareObjects(a, 410, above));
}

TEST_F(Evaluation, LifeVisibilityAndScoreConditions) {
  int a = addObject(0, 0);
  int b = addObject(5, 5);
  world.worldSetObjectScore(5, a, 0);
  world.worldSetObjectScore(5, b, 0);
  world.setGlobalScore(4, 6);
  EXPECT_TRUE(compareObjects(a, 411, 0));
  EXPECT_FALSE(compareObjects(a, 412, 0));
  EXPECT_TRUE(compareObjects(a, 413, 0));
  EXPECT_FALSE(compareObjects(a, 414, 0));
  world.worldSetObjectVisible(false, a, 0);
  world.worldSetObjectLife(false, a, 0);
  EXPECT_TRUE(compareObjects(a, 412, 0));
  EXPECT_TRUE(compareObjects(a, 414, 0));
  EXPECT_TRUE(compareObjects(a, 417, 4));
  EXPECT_FALSE(compareObjects(a, 417, 5));
  EXPECT_TRUE(compareObjects(a, 418, 6));
  EXPECT_TRUE(compareObjects(a, 419, 5));
  EXPECT_FALSE(compareObjects(a, 420, b));
  EXPECT_FALSE(compareObjects(a, 421, b));
  EXPECT_TRUE(compareObjects(a, 422, b));
  EXPECT_FALSE(compareObjects(a, 423, 4));
  EXPECT_TRUE(compareObjects(a, 424, 4));
  EXPECT_FALSE(compareObjects(a, 425, 4));
  for (int other : {415, 416, 426, 434, 435, 438, 399, 439}) EXPECT_FALSE(compareObjects(a, other, 0)) << other;
}

TEST_F(Evaluation, KeyOpenersFireOnTheirKeysOnly) {
  addObject(0, 0);
  const int openers[] = {104, 105, 106, 107, 108, 109, 110, 112, 113, 114, 115, 116, 117, 118};
  for (int i = 0; i < 14; ++i) addGlobal(counting(openers[i], 0, i));
  addLocal(0, counting(111, 7, 14));  // H pressed
  addLocal(0, counting(119, 7, 15));  // H released
  auto press = [](int key, int state) {
    gameSys.setKeyState(key, state);
    updateKeyLogic();
    gameSys.setKeyState(key, kKeyIdle);
  };
  press(kKeyUp, kKeyHeld);
  press(kKeyDown, kKeyHeld);
  press(kKeyLeft, kKeyHeld);
  press(kKeyRight, kKeyHeld);
  press(kKeySpace, kKeyHeld);
  press(kKeyEnter, kKeyHeld);
  press(kKeyUp, kKeyReleased);
  press(kKeyDown, kKeyReleased);
  press(kKeyLeft, kKeyReleased);
  press(kKeyRight, kKeyReleased);
  press(kKeySpace, kKeyReleased);
  press(kKeyEnter, kKeyReleased);
  press(kKeyUp, kKeyBlocked);
  gameSys.setAlphabetKeyState(7, kKeyHeld);
  updateKeyLogic();
  gameSys.setAlphabetKeyState(7, kKeyReleased);
  updateKeyLogic();
  const int expected[] = {1, 1, 1, 1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 4, 1, 1};
  for (int id = 0; id < 16; ++id) EXPECT_EQ(globalScore(id), expected[id]) << "opener " << (id < 14 ? openers[id] : 111 + (id - 14) * 8);
  frames(3);
  for (int id = 0; id < 16; ++id) EXPECT_EQ(globalScore(id), expected[id]) << "no key opener fires in the frame pass";
}

TEST_F(Evaluation, KeyEventsAreIgnoredWhileInputIsDisallowedAndDismissAShownImage) {
  addObject(0, 0);
  addLocal(0, counting(104, 0, 0));
  addLocal(0, {104, 0, 300, 400, 0, 600, 700, 0});  // "and" plays no part here
  addLocal(0, counting(104, 0, 1));
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  world.setGameBox(2, 3);
  updateKeyLogic();
  int timer, image;
  world.getGameBox(timer, image);
  EXPECT_EQ(timer, 2);
  world.setGameBox(1, 3);
  world.setIngameInputDisallow(true);
  updateKeyLogic();
  updateMouseLogic();
  world.getGameBox(timer, image);
  EXPECT_EQ(timer, 1) << "nothing at all while input is disallowed";
  world.setIngameInputDisallow(false);
  updateKeyLogic();
  world.getGameBox(timer, image);
  EXPECT_EQ(timer, 0);
  EXPECT_EQ(globalScore(0), 2);
  EXPECT_EQ(globalScore(1), 2);
}

TEST_F(Evaluation, HeldKeysRunTheKeyLogicOncePerFrame) {
  addObject(0, 0);
  addGlobal(counting(110, 0, 0));  // arrow pressed
  addGlobal(counting(111, 2, 1));  // C pressed
  updateHeldKeyLogic();
  EXPECT_EQ(globalScore(0) + globalScore(1), 0);
  gameSys.setKeyState(kKeyLeft, kKeyHeld);
  gameSys.setAlphabetKeyState(2, kKeyHeld);
  updateHeldKeyLogic();
  EXPECT_EQ(globalScore(0), 1);
  EXPECT_EQ(globalScore(1), 1) << "one pass, in which every key opener is tested";
  gameSys.setKeyState(kKeyLeft, kKeyIdle);
  updateHeldKeyLogic();
  EXPECT_EQ(globalScore(1), 2);
  gameSys.setAlphabetKeyState(2, kKeyIdle);
  gameSys.setAlphabetKeyState(20, kKeyHeld);
  updateHeldKeyLogic();
  EXPECT_EQ(globalScore(0), 1);
  EXPECT_EQ(globalScore(1), 2);
}

TEST_F(Evaluation, MouseOpenersAndClicksOnObjects) {
  addObject(0, 0);
  addObject(1, 0);
  addLocal(1, counting(100, 0, 0, 300, 435));  // When self L. Clicked
  addLocal(1, counting(101, 0, 1, 300, 436));
  addLocal(1, counting(101, 0, 2, 300, 437));
  addLocal(1, counting(101, 0, 3, 300, 438));
  addGlobal(counting(134, 0, 4));
  addGlobal(counting(135, 0, 5));
  addGlobal(counting(136, 0, 6));
  addGlobal(counting(137, 0, 7));
  addGlobal(counting(101, 0, 8, 300, 435));  // global: When object 0 L. Clicked

  // A left press over object 1: once with it selected, once with none.
  gameSys.setLeftMouse(1);
  world.setSelectedObject(1);
  updateMouseLogic();
  world.setSelectedObject(-1);
  updateMouseLogic();
  EXPECT_EQ(globalScore(0), 1);
  EXPECT_EQ(globalScore(4), 2);
  EXPECT_EQ(globalScore(8), 0);
  world.setSelectedObject(0);
  updateMouseLogic();
  EXPECT_EQ(globalScore(8), 1);
  EXPECT_EQ(globalScore(0), 1);
  gameSys.setLeftMouse(2);
  gameSys.setRightMouse(1);
  world.setSelectedObject(1);
  updateMouseLogic();
  gameSys.setRightMouse(2);
  updateMouseLogic();
  EXPECT_EQ(globalScore(1), 1);
  EXPECT_EQ(globalScore(2), 2);
  EXPECT_EQ(globalScore(3), 1);
  EXPECT_EQ(globalScore(5), 1);
  EXPECT_EQ(globalScore(6), 2);
  EXPECT_EQ(globalScore(7), 1);
  gameSys.setLeftMouse(1);
  updateMouseLogic();
  EXPECT_EQ(globalScore(0), 2) << "\"When\" fires again: execution state plays no part here";
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
    addLocal(first, {129, w, 300, 400, 0, 600, 704, w});
    addLocal(first, {129, w, 300, 400, 0, 600, 707, w});
    addLocal(first, {101, w, 301, 420, w, 600, 739, w});
    addLocal(first, {129, w, 300, 400, w, 600, 777, w});
    addLocal(second, {111, 3, 300, 400, w, 600, 730, w});
    addLocal(second, {111, 3, 300, 400, w, 600, 769, w});
    addLocal(second, {134, w, 300, 400, w, 600, 705, w});
    addLocal(second, {132, w, 300, 400, w, 600, 718, w});
  }
  world.setGameBox(7, 1);
  world.setDisplayPhrase(9, 2);
  // The sentences' timers grow by design; everything else must stay.
  auto withoutTimers = [] {
    std::string dump = tftest::dumpWorld();
    std::string kept;
    for (std::size_t at = 0, end; at < dump.size(); at = end + 1) {
      end = dump.find('\n', at);
      std::string line = dump.substr(at, end - at);
      kept += line.substr(0, line.find(" timer ")) + "\n";
    }
    return kept;
  };
  const std::string before = withoutTimers();
  gameSys.setAlphabetKeyState(3, kKeyHeld);
  gameSys.setLeftMouse(1);
  for (int i = 0; i < 5; ++i) {
    clock.advance(700);
    frame();
    updateKeyLogic();
    world.setSelectedObject(i);
    updateMouseLogic();
  }
  gameSys.setAlphabetKeyState(3, kKeyIdle);
  gameSys.setLeftMouse(0);
  EXPECT_EQ(withoutTimers(), before);
  EXPECT_TRUE(window.worldTexts.empty());
}

}  // namespace
