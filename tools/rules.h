// A sentence written the way the logic editor shows it: opener, "is" or "is
// not", condition, "then", action, each word with its operand, by the step
// ids of game/step_ids.h.
#pragma once

#include <array>

#include "game/sentence.h"
#include "game/step_ids.h"

namespace tfgames {

// One sentence, slot by slot. A new rule holds what the logic editor puts in a
// new sentence; the words that follow fill in the rest:
//   rule(kOpenerWhenObject, coin).is(kConditionTouching, player).then(kActionAddOneToGlobalScore, 0)
//   rule(kOpenerUpPressed).then(kActionMoveObjectUp, player)
struct Rule {
  std::array<int, tf::kSentenceSteps> steps{tf::kOpenerWhenObject, 0, tf::kPolarityIs, tf::kConditionTouching,
                           0, tf::kConnectiveThen, tf::kActionAnd, 0};

  Rule& is(int condition, int operand = 0) { return compare(tf::kPolarityIs, condition, operand); }
  Rule& isNot(int condition, int operand = 0) { return compare(tf::kPolarityIsNot, condition, operand); }
  Rule& then(int action, int operand = 0) {
    steps[tf::kSlotAction] = action;
    steps[tf::kSlotActionOperand] = operand;
    return *this;
  }

 private:
  Rule& compare(int polarity, int condition, int operand) {
    steps[tf::kSlotPolarity] = polarity;
    steps[tf::kSlotCondition] = condition;
    steps[tf::kSlotConditionOperand] = operand;
    return *this;
  }
};

inline Rule rule(int opener, int operand = 0) {
  Rule r;
  r.steps[tf::kSlotOpener] = opener;
  r.steps[tf::kSlotOpenerOperand] = operand;
  return r;
}

}  // namespace tfgames
