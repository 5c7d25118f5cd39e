// Sentences and sentence lists.
#include "game/sentence.h"

#include <algorithm>

#include "core/log.h"
#include "game/vocabulary.h"

namespace tf {
namespace {

// "When object 0 is touching 0 then and 0".
constexpr std::int32_t kDefaultSteps[kSentenceSteps] = {
    kOpenerWhenObject, 0, kPolarityIs, kConditionTouching, 0, kConnectiveThen, kActionAnd, 0};

// Each word slot and the operand slot after it.
constexpr int kWordSlots[] = {kSlotOpener, kSlotCondition, kSlotAction};

bool isStep(int step) { return step >= 0 && step < kSentenceSteps; }

sentenceFieldChange fieldChange(int list, int sentenceNum, int field, std::int32_t old) {
  return {static_cast<std::int16_t>(list), static_cast<std::int8_t>(sentenceNum), static_cast<std::int8_t>(field), old};
}

}  // namespace

sentence::sentence() {
  for (int s = 0; s < kSentenceSteps; ++s) sentenceStep[s] = kDefaultSteps[s];
}

void sentence::setSentenceStep(int step, int id) {
  if (isStep(step)) sentenceStep[step] = id;
}

int sentence::getSentenceStep(int step) const { return isStep(step) ? sentenceStep[step] : -1; }

void sentence::setWholeSentence(int step0, int step1, int step2, int step3, int step4, int step5,
                                int step6, int step7) {
  const int steps[kSentenceSteps] = {step0, step1, step2, step3, step4, step5, step6, step7};
  for (int s = 0; s < kSentenceSteps; ++s) sentenceStep[s] = steps[s];
}

void sentence::setOwner(int ownerNum, int aimedAt) {
  if (aimedAt != kNoObject && checkStepType(sentenceStep[kSlotAction]) == kObjectOperand &&
      sentenceStep[kSlotActionOperand] == aimedAt) {
    sentenceStep[kSlotActionOperand] = ownerNum;
  }
  owner = ownerNum;
}

objectRenumbering::objectRenumbering(std::vector<int> objects, int objectCount) : deleted(std::move(objects)) {
  std::sort(deleted.begin(), deleted.end());
  deleted.erase(std::unique(deleted.begin(), deleted.end()), deleted.end());
  table.reserve(std::max(objectCount, 0));
  for (int number = 0; number < objectCount; ++number) table.push_back(counted(number));
}

int objectRenumbering::renumbered(int number) const {
  if (number >= 0 && number < static_cast<int>(table.size())) return table[number];
  return counted(number);
}

int objectRenumbering::counted(int number) const {
  if (number < 0) return number;
  auto later = std::lower_bound(deleted.begin(), deleted.end(), number);
  if (later != deleted.end() && *later == number) return 0;
  return number - static_cast<int>(later - deleted.begin());
}

bool logicStrings::addSentence() { return appendSentence(sentence()); }

bool logicStrings::appendSentence(const sentence& s) {
  if (getSentenceAmount() >= kMaxSentences) return false;
  sentences.push_back(s);
  return true;
}

bool logicStrings::insertSentence(const sentence& s, int sentenceNum) {
  if (getSentenceAmount() >= kMaxSentences || sentenceNum < 0 || sentenceNum > getSentenceAmount()) return false;
  sentences.insert(sentences.begin() + sentenceNum, s);
  return true;
}

bool logicStrings::deleteSentence(int sentenceNum) {
  if (!holds(sentenceNum)) return false;
  sentences.erase(sentences.begin() + sentenceNum);
  return true;
}

void logicStrings::changeSentence(int sentenceNum, int step, int id) {
  if (holds(sentenceNum)) sentences[sentenceNum].setSentenceStep(step, id);
}

int logicStrings::getSentenceStep(int sentenceNum, int step) const {
  if (!holds(sentenceNum)) {
    systemMsg("^rERROR: ^wAttempted to access an unallocated logic sentence.");
    return -1;
  }
  return sentences[sentenceNum].getSentenceStep(step);
}

sentence logicStrings::getWholeSentence(int sentenceNum) const {
  return holds(sentenceNum) ? sentences[sentenceNum] : sentence();
}

void logicStrings::sentenceSetOwner(int ownerNum, int sentenceNum, int aimedAt) {
  if (holds(sentenceNum)) sentences[sentenceNum].setOwner(ownerNum, aimedAt);
}

int logicStrings::sentenceGetOwner(int sentenceNum) const {
  return holds(sentenceNum) ? sentences[sentenceNum].getOwner() : 0;
}

void logicStrings::setSentenceExecutionState(int state, int sentenceNum) {
  if (holds(sentenceNum)) sentences[sentenceNum].setExecutionState(state);
}

int logicStrings::getSentenceExecutionState(int sentenceNum) const {
  return holds(sentenceNum) ? sentences[sentenceNum].getExecutionState() : 0;
}

void logicStrings::setSentenceTimer(int time, int sentenceNum) {
  if (holds(sentenceNum)) sentences[sentenceNum].setTimer(time);
}

int logicStrings::getSentenceTimer(int sentenceNum) const {
  return holds(sentenceNum) ? sentences[sentenceNum].getTimer() : 0;
}

void logicStrings::assignOwnerToAll(int ownerNum, int list, std::vector<sentenceFieldChange>* changes) {
  for (int k = 0; k < getSentenceAmount(); ++k) {
    sentence& s = sentences[k];
    if (s.getOwner() == ownerNum) continue;
    if (changes) changes->push_back(fieldChange(list, k, kOwnerField, s.getOwner()));
    s.assignOwner(ownerNum);
  }
}

void logicStrings::renumberObjects(const objectRenumbering& numbers, int list,
                                   std::vector<sentenceFieldChange>* changes) {
  for (int k = 0; k < getSentenceAmount(); ++k) {
    sentence& s = sentences[k];
    for (int word : kWordSlots) {
      if (checkStepType(s.getSentenceStep(word)) != kObjectOperand) continue;
      const int old = s.getSentenceStep(word + 1);
      const int now = numbers.renumbered(old);
      if (now == old) continue;
      if (changes) changes->push_back(fieldChange(list, k, word + 1, old));
      s.setSentenceStep(word + 1, now);
    }
  }
}

void logicStrings::restoreField(int sentenceNum, int field, int value) {
  if (!holds(sentenceNum)) return;
  if (field == kOwnerField) {
    sentences[sentenceNum].assignOwner(value);
  } else {
    sentences[sentenceNum].setSentenceStep(field, value);
  }
}

}  // namespace tf
