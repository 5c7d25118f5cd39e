// Sentences and sentence lists: defaults, the 15-sentence limit, deletion,
// out-of-range access, the owner rule and renumbering after a deletion.
#include "logic/sentence.h"

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "messages.h"

using namespace tf;

namespace {

std::vector<int> stepsOf(const sentence& s) {
  std::vector<int> steps;
  for (int step = 0; step < kSentenceSteps; ++step) steps.push_back(s.getSentenceStep(step));
  return steps;
}

// Keeps the editor's current object for the owner rule.
struct CurrentObject {
  explicit CurrentObject(int object) : saved(worldEditor.getCurrentObject()) {
    worldEditor.setCurrentObject(object);
  }
  ~CurrentObject() { worldEditor.setCurrentObject(saved); }
  int saved;
};

TEST(Sentence, NewSentenceAndItsAccessors) {
  sentence s;
  EXPECT_EQ(stepsOf(s), (std::vector<int>{100, 0, 300, 400, 0, 600, 700, 0}));
  EXPECT_EQ(s.getOwner(), 0);
  EXPECT_EQ(s.getExecutionState(), 0);
  EXPECT_EQ(s.getTimer(), 0);

  s.setExecutionState(1);
  s.setTimer(40);
  s.setWholeSentence(126, 3, 301, 426, 9, 600, 745, 3);
  EXPECT_EQ(stepsOf(s), (std::vector<int>{126, 3, 301, 426, 9, 600, 745, 3}));
  EXPECT_EQ(s.getExecutionState(), 1);
  EXPECT_EQ(s.getTimer(), 40);

  s.setSentenceStep(8, 5);
  s.setSentenceStep(-1, 5);
  EXPECT_EQ(s.getSentenceStep(8), -1);
  EXPECT_EQ(stepsOf(s), (std::vector<int>{126, 3, 301, 426, 9, 600, 745, 3}));
}

TEST(Sentence, OwnerReAimsAnObjectActionAtTheCurrentObject) {
  CurrentObject current(4);
  sentence aimed;
  aimed.setWholeSentence(100, 4, 300, 400, 4, 600, 708, 4);  // kill object 4
  aimed.setOwner(9);
  EXPECT_EQ(aimed.getOwner(), 9);
  EXPECT_EQ(aimed.getSentenceStep(kSlotActionOperand), 9);
  EXPECT_EQ(aimed.getSentenceStep(kSlotOpenerOperand), 4);  // only the action operand moves

  sentence other;
  other.setWholeSentence(100, 4, 300, 400, 4, 600, 708, 2);  // another object
  other.setOwner(9);
  EXPECT_EQ(other.getSentenceStep(kSlotActionOperand), 2);

  sentence notAnObject;
  notAnObject.setWholeSentence(100, 4, 300, 400, 4, 600, 736, 4);  // a number operand
  notAnObject.setOwner(9);
  EXPECT_EQ(notAnObject.getSentenceStep(kSlotActionOperand), 4);

  sentence plain;
  plain.setWholeSentence(100, 4, 300, 400, 4, 600, 708, 4);
  plain.assignOwner(9);
  EXPECT_EQ(plain.getSentenceStep(kSlotActionOperand), 4);
}

TEST(Sentence, RenumberingAfterADeletionTouchesOnlyObjectOperands) {
  sentence s;
  s.setWholeSentence(100, 5, 300, 420, 3, 600, 713, 7);
  s.renumberAfterObjectDeletion(3);
  EXPECT_EQ(stepsOf(s), (std::vector<int>{100, 4, 300, 420, 0, 600, 713, 6}));

  sentence numbers;
  numbers.setWholeSentence(126, 5, 300, 426, 9, 600, 736, 8);
  numbers.renumberAfterObjectDeletion(2);
  EXPECT_EQ(stepsOf(numbers), (std::vector<int>{126, 5, 300, 426, 9, 600, 736, 8}));
}

TEST(LogicStrings, HoldsAtMostFifteenSentences) {
  logicStrings list;
  EXPECT_EQ(list.getSentenceAmount(), 0);
  for (int k = 0; k < kMaxSentences; ++k) EXPECT_TRUE(list.addSentence());
  EXPECT_FALSE(list.addSentence());
  EXPECT_FALSE(list.appendSentence(sentence()));
  EXPECT_EQ(list.getSentenceAmount(), 15);
}

TEST(LogicStrings, DeletingMovesLaterSentencesUp) {
  logicStrings list;
  EXPECT_FALSE(list.deleteSentence(0));
  for (int k = 0; k < 4; ++k) {
    list.addSentence();
    list.changeSentence(k, kSlotActionOperand, k);
  }
  EXPECT_TRUE(list.deleteSentence(1));
  ASSERT_EQ(list.getSentenceAmount(), 3);
  EXPECT_EQ(list.getSentenceStep(0, kSlotActionOperand), 0);
  EXPECT_EQ(list.getSentenceStep(1, kSlotActionOperand), 2);
  EXPECT_EQ(list.getSentenceStep(2, kSlotActionOperand), 3);
  // No such sentence: nothing happens (not even the last one goes).
  EXPECT_FALSE(list.deleteSentence(3));
  EXPECT_FALSE(list.deleteSentence(-1));
  EXPECT_EQ(list.getSentenceAmount(), 3);

  logicStrings one;
  one.addSentence();
  EXPECT_TRUE(one.deleteSentence(0));
  EXPECT_EQ(one.getSentenceAmount(), 0);
}

TEST(LogicStrings, SentencesOutsideTheListAreIgnoredAndReported) {
  logicStrings list;
  list.addSentence();
  list.changeSentence(1, 0, 101);
  list.changeSentence(-1, 0, 101);
  list.setSentenceTimer(5, 3);
  list.setSentenceExecutionState(1, -2);
  EXPECT_EQ(list.getSentenceStep(0, 0), 100);
  EXPECT_EQ(list.getSentenceTimer(3), 0);
  EXPECT_EQ(list.getSentenceExecutionState(-2), 0);
  EXPECT_EQ(stepsOf(list.getWholeSentence(7)), stepsOf(sentence()));

  tftest::MessageLog messages;
  EXPECT_EQ(list.getSentenceStep(1, 0), -1);
  EXPECT_TRUE(messages.contains("^rERROR: ^wAttempted to access an unallocated logic sentence."));
}

TEST(LogicStrings, ACopyIsItsOwn) {
  logicStrings list;
  list.addSentence();
  list.setSentenceTimer(250, 0);
  list.sentenceSetOwner(6, 0);
  logicStrings copy = list;
  copy.setSentenceTimer(1, 0);
  copy.changeSentence(0, kSlotAction, 751);
  copy.addSentence();
  EXPECT_EQ(list.getSentenceTimer(0), 250);
  EXPECT_EQ(list.sentenceGetOwner(0), 6);
  EXPECT_EQ(list.getSentenceStep(0, kSlotAction), 700);
  EXPECT_EQ(list.getSentenceAmount(), 1);
}

}  // namespace
