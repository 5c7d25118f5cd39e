// Sentences and sentence lists: defaults, the 15-sentence limit, deletion,
// out-of-range access, the owner rule and renumbering after a deletion.
#include "logic/sentence.h"

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "messages.h"

using namespace tf;

namespace {

using Steps = std::vector<int>;

Steps stepsOf(const sentence& s) {
  Steps steps;
  for (int step = 0; step < kSentenceSteps; ++step) steps.push_back(s.getSentenceStep(step));
  return steps;
}

TEST(Sentence, DefaultsWholeWritesOwnersAndRenumbering) {
  sentence s;
  EXPECT_EQ(stepsOf(s), (Steps{100, 0, 300, 400, 0, 600, 700, 0}));
  s.setExecutionState(1);
  s.setTimer(40);
  s.setWholeSentence(126, 3, 301, 426, 9, 600, 745, 3);
  s.setSentenceStep(8, 5);
  s.setSentenceStep(-1, 5);
  EXPECT_EQ(s.getSentenceStep(8), -1);
  EXPECT_EQ(stepsOf(s), (Steps{126, 3, 301, 426, 9, 600, 745, 3}));
  EXPECT_EQ(s.getExecutionState() * 100 + s.getTimer(), 140) << "a whole write keeps the state and the timer";

  // setOwner re-aims only an object action aimed at the editor's current object.
  const int saved = worldEditor.getCurrentObject();
  worldEditor.setCurrentObject(4);
  const struct {
    int action, operand;
    bool assignOnly;
    int expected;
  } cases[] = {{708, 4, false, 9}, {708, 2, false, 2}, {736, 4, false, 4}, {708, 4, true, 4}};
  for (const auto& c : cases) {
    s.setWholeSentence(100, 4, 300, 400, 4, 600, c.action, c.operand);
    c.assignOnly ? s.assignOwner(9) : s.setOwner(9);
    EXPECT_EQ(s.getOwner(), 9);
    EXPECT_EQ(stepsOf(s), (Steps{100, 4, 300, 400, 4, 600, c.action, c.expected})) << c.action << " " << c.operand;
  }
  worldEditor.setCurrentObject(saved);

  // After object 3 is deleted: 3 becomes 0, later objects move down, other operands stay.
  s.setWholeSentence(100, 5, 300, 420, 3, 600, 713, 4);
  s.renumberAfterObjectDeletion(3);
  EXPECT_EQ(stepsOf(s), (Steps{100, 4, 300, 420, 0, 600, 713, 3}));
  s.setWholeSentence(126, 5, 300, 426, 9, 600, 736, 8);
  s.renumberAfterObjectDeletion(2);
  EXPECT_EQ(stepsOf(s), (Steps{126, 5, 300, 426, 9, 600, 736, 8}));
}

TEST(LogicStrings, HoldsAtMostFifteenSentencesAndIgnoresOrReportsThoseOutsideTheList) {
  logicStrings list;
  EXPECT_FALSE(list.deleteSentence(0));
  for (int k = 0; k < kMaxSentences; ++k) {
    EXPECT_TRUE(list.addSentence());
    list.changeSentence(k, kSlotActionOperand, k);
  }
  EXPECT_FALSE(list.addSentence());
  EXPECT_FALSE(list.appendSentence(sentence()));
  EXPECT_TRUE(list.deleteSentence(1));
  EXPECT_FALSE(list.deleteSentence(14)) << "no such sentence: not even the last one goes";
  EXPECT_FALSE(list.deleteSentence(-1));
  ASSERT_EQ(list.getSentenceAmount(), 14);
  for (int k = 0; k < 14; ++k) EXPECT_EQ(list.getSentenceStep(k, kSlotActionOperand), k == 0 ? 0 : k + 1);

  list.setSentenceTimer(250, 0);
  list.setSentenceExecutionState(1, 0);
  list.changeSentence(14, 0, 101);
  list.changeSentence(-1, 0, 101);
  list.setSentenceTimer(5, 20);
  list.setSentenceExecutionState(1, -2);
  EXPECT_EQ(list.getSentenceStep(0, 0), 100);
  EXPECT_EQ(list.getSentenceTimer(0) + list.getSentenceExecutionState(0), 251);
  EXPECT_EQ(list.getSentenceTimer(20) + list.getSentenceExecutionState(-2), 0);
  EXPECT_EQ(stepsOf(list.getWholeSentence(17)), stepsOf(sentence()));
  tftest::MessageLog messages;
  EXPECT_EQ(list.getSentenceStep(14, 0), -1);
  EXPECT_TRUE(messages.contains("^rERROR: ^wAttempted to access an unallocated logic sentence."));
  EXPECT_TRUE(list.deleteSentence(13)) << "the last one";
  EXPECT_EQ(list.getSentenceAmount(), 13);
}

}  // namespace
