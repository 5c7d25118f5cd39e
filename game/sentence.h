// Logic sentences: a rule of eight slots (opener, its operand, polarity,
// condition, its operand, connective, action, its operand) with its owner and
// run-time state, and `logicStrings`, the ordered list of at most 15 sentences
// that a map (global logic) or an object (local logic) holds.
#pragma once

#include <cstdint>
#include <vector>

namespace tf {

// Slots of a sentence.
enum SentenceSlot {
  kSlotOpener = 0,
  kSlotOpenerOperand = 1,
  kSlotPolarity = 2,
  kSlotCondition = 3,
  kSlotConditionOperand = 4,
  kSlotConnective = 5,
  kSlotAction = 6,
  kSlotActionOperand = 7,
};

constexpr int kSentenceSteps = 8;
// An object operand that names no object.
constexpr int kNoObject = -1;
// A logic list holds at most this many sentences.
constexpr int kMaxSentences = 15;
// The owner, where a slot number is expected: the one recorded field of a
// sentence that is not a slot.
constexpr int kOwnerField = kSentenceSteps;
// Names a map's global logic where an object's local logic is named by the
// object's number.
constexpr int kGlobalLogicList = -1;

// One field of one sentence of a map's logic as it was before the deletion of
// objects renumbered it, so that the deletion can be undone.
struct sentenceFieldChange {
  std::int16_t list;        // the object whose local logic holds it, or kGlobalLogicList
  std::int8_t sentenceNum;  // below kMaxSentences
  std::int8_t field;        // slot 0..7, or kOwnerField
  std::int32_t old;
};

// The numbers a map's objects take when several of them are deleted at once:
// a deleted object's number becomes 0, a later number moves down by the number
// of deleted objects before it, and negative numbers stay. Deleting the
// objects one after the other renumbers the same way.
class objectRenumbering {
 public:
  // `deleted` need not be sorted; repeats count once. The numbers below
  // `objectCount` are looked up in a table made here.
  explicit objectRenumbering(std::vector<int> deleted, int objectCount = 0);
  int renumbered(int number) const;
  const std::vector<int>& deletedObjects() const { return deleted; }

 private:
  int counted(int number) const;

  std::vector<int> deleted;  // sorted, without repeats
  std::vector<int> table;    // the new number of each number below objectCount
};

class sentence {
 public:
  // "When object 0 is touching 0 then and 0", owner 0, not fired, timer 0.
  sentence();

  // Slots outside 0..7 are ignored and read as -1.
  void setSentenceStep(int step, int id);
  int getSentenceStep(int step) const;
  // Writes all eight slots; owner, state and timer stay.
  void setWholeSentence(int step0, int step1, int step2, int step3, int step4, int step5,
                        int step6, int step7);

  // Makes `ownerNum` the owner. An action aimed at object `aimedAt` (the one
  // the editor has selected, whose logic is being handed on) is aimed at the
  // new owner instead, so that a copied object's logic speaks of the copy;
  // kNoObject re-aims nothing.
  void setOwner(int ownerNum, int aimedAt);
  int getOwner() const { return owner; }
  // Makes `ownerNum` the owner and changes nothing else.
  void assignOwner(int ownerNum) { owner = ownerNum; }

  void setExecutionState(int state) { executionState = state; }
  int getExecutionState() const { return executionState; }
  void setTimer(int time) { timer = time; }
  int getTimer() const { return timer; }

 private:
  std::int32_t sentenceStep[kSentenceSteps];
  std::int32_t owner = 0;
  std::int32_t executionState = 0;  // 1: a "once" sentence has fired
  std::int32_t timer = 0;           // seconds or milliseconds of the timed openers
};

class logicStrings {
 public:
  // Appends a new sentence; true when one was added (false when the list is full).
  bool addSentence();
  // Appends `s` as it is; false when the list is full.
  bool appendSentence(const sentence& s);
  // Puts `s` as it is at `sentenceNum` (0 to the amount), moving the later
  // ones down; false when the list is full or the place is outside it.
  bool insertSentence(const sentence& s, int sentenceNum);
  // Removes sentence `sentenceNum`; later ones move up. False (and nothing
  // changes) when there is no such sentence.
  bool deleteSentence(int sentenceNum);
  // Sets one slot of one sentence; ignored for a sentence not in the list.
  void changeSentence(int sentenceNum, int step, int id);
  // Reports an error and reads -1 for a sentence not in the list.
  int getSentenceStep(int sentenceNum, int step) const;
  // A copy of the sentence, or a new default sentence when there is none.
  sentence getWholeSentence(int sentenceNum) const;
  int getSentenceAmount() const { return static_cast<int>(sentences.size()); }

  // Forward to the sentence; value first, sentence index second. Sentences
  // not in the list are ignored and read as 0.
  void sentenceSetOwner(int ownerNum, int sentenceNum, int aimedAt);
  int sentenceGetOwner(int sentenceNum) const;
  void setSentenceExecutionState(int state, int sentenceNum);
  int getSentenceExecutionState(int sentenceNum) const;
  void setSentenceTimer(int time, int sentenceNum);
  int getSentenceTimer(int sentenceNum) const;

  // Every sentence gets `ownerNum` as its owner, without touching any slot.
  // With `changes`, each owner that changed is recorded there as of list `list`.
  void assignOwnerToAll(int ownerNum, int list = kGlobalLogicList,
                        std::vector<sentenceFieldChange>* changes = nullptr);
  // Renumbers the object operands (after openers, conditions and actions that
  // take an object) as `numbers` says; with `changes`, each operand that
  // changed is recorded there as of list `list`.
  void renumberObjects(const objectRenumbering& numbers, int list,
                       std::vector<sentenceFieldChange>* changes);
  // Writes one field (slot or kOwnerField) of a sentence as it is, owner
  // included without any other effect; ignored for a sentence not in the list.
  void restoreField(int sentenceNum, int field, int value);

 private:
  bool holds(int sentenceNum) const {
    return sentenceNum >= 0 && sentenceNum < getSentenceAmount();
  }

  std::vector<sentence> sentences;  // execution order, index 0 first
};

}  // namespace tf
