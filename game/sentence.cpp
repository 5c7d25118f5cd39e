// Sentences and sentence lists.
#include "game/sentence.h"

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

void sentence::renumberAfterObjectDeletion(int deleted) {
  for (int word : kWordSlots) {
    if (checkStepType(sentenceStep[word]) != kObjectOperand) continue;
    std::int32_t& operand = sentenceStep[word + 1];
    if (operand == deleted) {
      operand = 0;
    } else if (operand > deleted) {
      --operand;
    }
  }
}

bool logicStrings::addSentence() { return appendSentence(sentence()); }

bool logicStrings::appendSentence(const sentence& s) {
  if (getSentenceAmount() >= kMaxSentences) return false;
  sentences.push_back(s);
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

void logicStrings::assignOwnerToAll(int ownerNum) {
  for (sentence& s : sentences) s.assignOwner(ownerNum);
}

void logicStrings::renumberAfterObjectDeletion(int deleted) {
  for (sentence& s : sentences) s.renumberAfterObjectDeletion(deleted);
}

}  // namespace tf
