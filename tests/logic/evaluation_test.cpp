// The logic passes on hand-made games: the order of sentences and what later
// ones see, firing once or every frame, the subject of local logic, the "and"
// chains, the timers under a hand-set clock, and the key and mouse openers.
#include "logic/evaluation.h"

#include <gtest/gtest.h>

#include "logic/actions.h"
#include "logic_world.h"

using namespace tf;

namespace {

class Evaluation : public tftest::LogicWorld {
 protected:
  void SetUp() override {
    LogicWorld::SetUp();
    startGame(1);
    addObject(0, 0);
  }
  static void frames(int n) { for (int i = 0; i < n; ++i) updateLogic(false); }
  // Opener with its operand and condition, then "add 1 to global score `id`".
  static tftest::Slots counting(int opener, int operand, int id, int condition = 411) {
    return {opener, operand, 300, condition, 0, 600, 745, id};
  }
  static std::vector<int> scores(int count) {
    std::vector<int> all;
    for (int id = 0; id < count; ++id) all.push_back(world.getGlobalScore(id));
    return all;
  }
};

TEST_F(Evaluation, GlobalLogicFirstThenObjectByObjectAndLaterSentencesSeeEarlierChanges) {
  addObject(1, 0);
  // Object 1's sentence needs what object 0's did, which needs what the global did (While global score = 1).
  addLocal(1, {127, 1, 300, 428, 1, 600, 745, 2});
  addLocal(0, {127, 0, 300, 428, 1, 600, 745, 1});
  addGlobal({127, 3, 300, 428, 1, 600, 745, 0});
  addGlobal(counting(129, 0, 3));
  frames(1);
  EXPECT_EQ(scores(4), (std::vector<int>{0, 0, 0, 1}));  // the first global sentence ran before the one setting 3
  frames(1);
  gameSys.setGameState(kStateWorldEditor);  // no logic outside play
  frames(1);
  EXPECT_EQ(scores(4), (std::vector<int>{1, 1, 1, 2}));
}

TEST_F(Evaluation, WhenFiresOnceUntilResetWhileEveryFrameAndLocalLogicSpeaksOfItsOwnObject) {
  addLocal(0, counting(100, 0, 0));  // When (self) alive
  addLocal(0, counting(128, 0, 1));  // Do once
  addLocal(0, counting(101, 0, 2));  // While alive
  addGlobal(counting(128, 0, 3));    // Do once, in global logic
  frames(3);
  gameAction(724, 0, 1);  // reset the local logic of object 0
  frames(2);
  EXPECT_EQ(scores(4), (std::vector<int>{2, 2, 5, 1}));

  // Held by object 2, "When object 5 ..." speaks of object 2; in global logic the subject is slot 1.
  for (int i = 1; i < 6; ++i) addObject(i, 3);
  world.worldSetObjectLife(false, 5, 0);
  addLocal(2, {100, 5, 300, 411, 0, 600, 736, 4});  // alive: add 4 to self score
  addGlobal({101, 3, 300, 411, 0, 600, 736, 2});
  frames(1);
  EXPECT_EQ(world.worldGetObjectScore(2, 0) * 10 + world.worldGetObjectScore(3, 0), 42);
}

TEST_F(Evaluation, AndChainsActOnlyWhenEveryLinkHoldsAndEndWithTheirList) {
  // A and B and C then X (While global score 0, 1, 2 equals 1); then D, which runs every frame.
  addGlobal({127, 0, 300, 428, 1, 600, 700, 0});
  addGlobal({127, 1, 300, 428, 1, 600, 700, 0});
  addGlobal({127, 2, 300, 428, 1, 600, 745, 5});
  addGlobal(counting(129, 0, 6));
  // A key opener never holds in the frame pass: with "and" it blocks the next sentence, not the next list.
  addGlobal({104, 0, 300, 400, 0, 600, 700, 0});
  addLocal(0, counting(129, 0, 7));
  for (const auto& links : {std::array{1, 1, 1}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}, {0, 0, 0}}) {
    for (int g = 0; g < 3; ++g) world.setGlobalScore(g, links[g]);
    frames(1);
    EXPECT_EQ(world.getGlobalScore(5), 1) << links[0] << links[1] << links[2];
  }
  EXPECT_EQ(world.getGlobalScore(6) * 10 + world.getGlobalScore(7), 55);
}

TEST_F(Evaluation, EverySecondsCountsTicksOverASecondApartAndEveryMillisecondsTheElapsedTime) {
  addGlobal(counting(132, 2, 0));      // every 2 seconds
  addLocal(0, counting(133, 100, 1));  // every 100 ms
  const int times[] = {500, 1001, 1500, 2001, 2002, 2050, 2100, 2101, 2102, 2202, 3003, 4004};
  const int seconds[] = {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 2};
  const int hundreds[] = {1, 2, 3, 4, 4, 4, 4, 4, 5, 6, 7, 8};  // frames 1 ms apart are no tick
  for (int i = 0; i < 12; ++i) {
    clock.set(times[i]);
    frames(1);
    EXPECT_EQ(scores(2), (std::vector<int>{seconds[i], hundreds[i]})) << "at " << times[i];
  }
}

TEST_F(Evaluation, KeyAndMouseOpenersFireOnTheirOwnEventsOnly) {
  addGlobal(counting(104, 0, 0));                   // up pressed
  addGlobal(counting(112, 0, 1));                   // up released
  addLocal(0, counting(111, 7, 2));                 // H pressed
  addGlobal(counting(134, 0, 3));                   // left click
  addLocal(0, {100, 0, 300, 435, 0, 600, 745, 4});  // (self) left clicked
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  gameSys.setLeftMouse(1);
  frames(2);
  EXPECT_EQ(scores(5), (std::vector<int>{0, 0, 0, 0, 0}));  // never in the frame pass
  updateKeyLogic();
  gameSys.setKeyState(kKeyUp, kKeyReleased);
  gameSys.setAlphabetKeyState(7, kKeyHeld);
  updateKeyLogic();
  for (int selected : {-1, 0}) {
    world.setSelectedObject(selected);
    updateMouseLogic();
  }
  EXPECT_EQ(scores(5), (std::vector<int>{1, 1, 1, 2, 1}));
}

}  // namespace
