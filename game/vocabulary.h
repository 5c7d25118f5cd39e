// The logic vocabulary: every step id with the word the logic editor shows for
// it, the kind of operand that follows it, the contexts in which it is offered
// and its two lines of explanation. Sentences and lists are in game/sentence.h.
#pragma once

#include <string>

#include "game/sentence.h"
#include "game/step_ids.h"

namespace tf {

// What the slot after a word holds (`checkStepType`).
enum OperandKind {
  kObjectOperand = 0,          // an object index on the current map
  kReservedNumberOperand = 1,  // a non-negative number (reserved words)
  kNoOperand = 2,              // nothing; also every number that is not a word
  kImageOperand = 3,           // a game image index
  kNumberOperand = 4,          // a non-negative number
  kNoOperandOpener = 5,        // nothing (an opener without operand)
  kKeyOperand = 6,             // a letter key, 0 = a ... 25 = z
  kMapOperand = 7,             // a map index
  kSoundOperand = 8,           // a game sound index
  kGlobalScoreOperand = 9,     // a global score id, 0 to 49
  kPhraseOperand = 10,         // a phrase index, 0 to 1023
};

// First and last ids of the word groups.
constexpr int kFirstOpener = kOpenerWhenObject, kLastOpener = kOpenerRightClickReleased;
constexpr int kFirstPolarity = kPolarityIs, kLastPolarity = kPolarityIsNot;
constexpr int kFirstCondition = kConditionTouching, kLastCondition = kConditionRReleased;
constexpr int kFirstAction = kActionAnd, kLastAction = kActionRemovePhrase;

// The word shown for `id` in a sentence whose opener is `firstid`: "NULL" for a
// number that is no word, "SKIP" for a word not offered in this context (and
// for the hidden words), "" for -1. In a map's global logic
// (`globalLogic`) the actions on "this object" are not offered.
std::string stepIDToString(int id, int firstid, bool globalLogic = false);

// The two lines of the information window for `id`; empty for numbers without
// text; "This space intentionally left blank." for -1.
void stepIDToDescription(int id, std::string& str1, std::string& str2);

// The operand kind of the slot after word `id`; kNoOperand for any other number.
int checkStepType(int id);

}  // namespace tf
