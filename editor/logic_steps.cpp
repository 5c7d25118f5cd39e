// The logic editor's steps through words and operands.
#include "editor/logic_steps.h"

#include <climits>

#include "game/vocabulary.h"
#include "game/world.h"

namespace tf {
namespace {

constexpr int kLetters = 26;
const char* const kNoWord = "NULL";
const char* const kNotOffered = "SKIP";

// The half-open range [first, end) an operand of `kind` may take; `end` is
// INT_MAX + 1 for the unbounded numbers. False for kinds that name nothing
// countable (no operand).
bool operandRange(int kind, const LogicBounds& b, long long& first, long long& end) {
  first = 0;
  switch (kind) {
    case kObjectOperand: end = b.objects; return true;
    case kReservedNumberOperand:
    case kNumberOperand: end = static_cast<long long>(INT_MAX) + 1; return true;
    case kKeyOperand: end = kLetters; return true;
    case kMapOperand: end = b.maps; return true;
    case kSoundOperand: end = b.sounds; return true;
    case kGlobalScoreOperand: end = kGlobalScoreCount; return true;
    case kImageOperand: end = b.images; return true;
    case kPhraseOperand: end = kPhraseCount; return true;
    default: return false;
  }
}

// The operand after a step of `d` from `v` within [first, end); false when
// the step would leave the range (or cannot reach it).
bool steppedOperand(long long v, int d, long long first, long long end, int& out) {
  if (first >= end || d == 0) return false;
  long long next = v + d;
  if (v < first && d > 0) next = first;     // outside below: back in at the bottom
  if (v >= end && d < 0) next = end - 1;    // outside above: back in at the top
  if (next < first || next >= end) return false;
  out = static_cast<int>(next);
  return true;
}

SlotStep stepWord(const sentence& s, int slot, int d, bool global) {
  SlotStep step;
  const int v = s.getSentenceStep(slot);
  const int opener = s.getSentenceStep(kSlotOpener);
  const int next = d == 0 ? -1 : nextOfferedWord(v, d, opener, global);
  if (next < 0) return step;
  step.changes.push_back({slot, next});
  if (slot == kSlotOpener || slot == kSlotCondition || slot == kSlotAction) step.changes.push_back({slot + 1, 0});
  if (slot == kSlotOpener) {
    const bool globalScore = next == kOpenerWhenGlobalScore || next == kOpenerWhileGlobalScore;
    const int condition = globalScore ? kConditionGreaterThan : kConditionTouching;
    step.changes.push_back({kSlotCondition, condition});
    // A condition of another kind takes another kind of operand.
    if (s.getSentenceStep(kSlotCondition) != condition) step.changes.push_back({kSlotConditionOperand, 0});
  }
  return step;
}

SlotStep stepOperand(const sentence& s, int slot, int d, const LogicBounds& bounds) {
  SlotStep step;
  const int kind = checkStepType(s.getSentenceStep(slot - 1));
  if (kind == kImageOperand) {
    step.opens = SlotStep::kImageChooser;
    return step;
  }
  if (kind == kPhraseOperand) {
    step.opens = SlotStep::kPhraseSelector;
    return step;
  }
  long long first, end;
  int next;
  if (!operandRange(kind, bounds, first, end) || !steppedOperand(s.getSentenceStep(slot), d, first, end, next)) {
    return step;
  }
  step.changes.push_back({slot, next});
  if (kind == kSoundOperand) step.previewSound = next;
  return step;
}

}  // namespace

std::string intToAlpha(int character) {
  if (character < 0 || character >= kLetters) return kNoWord;
  return std::string(1, static_cast<char>('a' + character));
}

bool isWordSlot(int slot) {
  return slot == kSlotOpener || slot == kSlotPolarity || slot == kSlotCondition || slot == kSlotConnective ||
         slot == kSlotAction;
}

bool isOperandSlot(int slot) {
  return slot == kSlotOpenerOperand || slot == kSlotConditionOperand || slot == kSlotActionOperand;
}

bool operandInBounds(int kind, int value, const LogicBounds& bounds) {
  long long first, end;
  return operandRange(kind, bounds, first, end) && value >= first && value < end;
}

int nextOfferedWord(int id, int direction, int opener, bool global) {
  if (direction == 0 || (direction > 0 && id == INT_MAX) || (direction < 0 && id == INT_MIN)) return -1;
  for (int next = id + direction;; next += direction) {
    const std::string word = stepIDToString(next, opener, global);
    if (word == kNoWord || next <= 0) return -1;
    if (word != kNotOffered) return next;
  }
}

SlotStep stepSlot(const sentence& s, int slot, int d, const LogicBounds& bounds) {
  if (isWordSlot(slot)) return stepWord(s, slot, d, bounds.global);
  if (isOperandSlot(slot)) return stepOperand(s, slot, d, bounds);
  return SlotStep();
}

}  // namespace tf
