// The editors' changes to logic (adding, deleting and copying sentences,
// changing their slots, replacing an object's logic by a macro) and to the
// game's phrases.
#include <array>

#include "editor/edit_changes.h"
#include "editor/edits.h"
#include "game/world.h"

namespace tf {
namespace {

using sentenceSteps = std::array<int, kSentenceSteps>;

struct sentenceKey {
  logicList list;
  int k;
};

bool isGlobal(const logicList& list) { return list.object == kGlobalLogicList; }

bool listExists(const logicList& list) {
  return readMap(list.map) &&
         (isGlobal(list) || (list.object >= 0 && list.object < world.worldGetObjectCount(list.map)));
}

int amountOf(const logicList& list) {
  return isGlobal(list) ? world.mapGlobalGetSentenceAmount(list.map)
                        : world.mapLocalGetSentenceAmount(list.object, list.map);
}

bool sentenceExists(const logicList& list, int k) { return listExists(list) && k >= 0 && k < amountOf(list); }

// A list takes another sentence below 15; a global list only while its map has objects.
bool takesSentence(const logicList& list) {
  return listExists(list) && amountOf(list) < kMaxSentences &&
         (!isGlobal(list) || world.worldGetObjectCount(list.map) > 0);
}

sentence sentenceAt(const logicList& list, int k) {
  return isGlobal(list) ? world.mapGlobalGetWholeSentence(list.map, k)
                        : world.mapLocalGetWholeSentence(list.object, list.map, k);
}

void insertSentence(const sentenceKey& key, const sentence& s) {
  if (isGlobal(key.list)) {
    world.mapGlobalInsertSentence(key.list.map, s, key.k);
  } else {
    world.mapLocalInsertSentence(key.list.object, key.list.map, s, key.k);
  }
}

void removeSentence(const sentenceKey& key) {
  if (isGlobal(key.list)) {
    world.mapGlobalDeleteSentence(key.list.map, key.k);
  } else {
    world.mapLocalDeleteSentence(key.list.object, key.list.map, key.k);
  }
}

constexpr presenceAccess<sentenceKey, sentence> kSentencePresence{insertSentence, removeSentence};

void changeSlot(const sentenceKey& key, int slot, int value) {
  if (isGlobal(key.list)) {
    world.mapGlobalChangeSentence(key.list.map, key.k, slot, value);
  } else {
    world.mapLocalChangeSentence(key.list.object, key.list.map, key.k, slot, value);
  }
}

sentenceSteps readSteps(const sentenceKey& key) {
  const sentence s = sentenceAt(key.list, key.k);
  sentenceSteps steps{};
  for (int slot = 0; slot < kSentenceSteps; ++slot) steps[slot] = s.getSentenceStep(slot);
  return steps;
}

void writeSteps(const sentenceKey& key, const sentenceSteps& steps) {
  for (int slot = 0; slot < kSentenceSteps; ++slot) changeSlot(key, slot, steps[slot]);
}

constexpr valueAccess<sentenceKey, sentenceSteps> kStepsAccess{readSteps, writeSteps};

std::vector<sentence> readList(const logicList& list) {
  std::vector<sentence> sentences;
  for (int k = 0; k < amountOf(list); ++k) sentences.push_back(sentenceAt(list, k));
  return sentences;
}

void writeList(const logicList& list, const std::vector<sentence>& sentences) {
  for (int k = amountOf(list) - 1; k >= 0; --k) removeSentence({list, k});
  for (std::size_t k = 0; k < sentences.size(); ++k) insertSentence({list, static_cast<int>(k)}, sentences[k]);
}

constexpr valueAccess<logicList, std::vector<sentence>> kListAccess{readList, writeList};

editPlace placeOfList(const logicList& list) {
  return isGlobal(list) ? placeOf(kViewGlobalLogic, list.map) : placeOf(kViewLocalLogic, list.map, list.object);
}

// A new sentence with the slots of `steps`, owned by `owner`, as the model
// makes one.
sentence newSentence(const sentence& steps, int owner) {
  sentence s;
  for (int slot = 0; slot < kSentenceSteps; ++slot) s.setSentenceStep(slot, steps.getSentenceStep(slot));
  s.assignOwner(owner);
  return s;
}

bool appendSentence(const logicList& list, const sentence& s) {
  if (!takesSentence(list)) return false;
  const sentenceKey key{list, amountOf(list)};
  insertSentence(key, s);
  recordPresence(key, s, true, kSentencePresence, placeOfList(list));
  return true;
}

std::string readPhrase(const int& i) { return world.getPhrase(i); }
void writePhrase(const int& i, const std::string& text) { world.setPhrase(i, text); }
constexpr valueAccess<int, std::string> kPhraseAccess{readPhrase, writePhrase};

}  // namespace

bool editAddSentence(const logicList& list, int owner) { return appendSentence(list, newSentence(sentence(), owner)); }

bool editDeleteSentence(const logicList& list, int k) {
  if (!sentenceExists(list, k)) return false;
  const sentenceKey key{list, k};
  sentence removed = sentenceAt(list, k);
  removeSentence(key);
  recordPresence(key, removed, false, kSentencePresence, placeOfList(list));
  return true;
}

bool editCopySentence(const logicList& list, int k) {
  const int owner = isGlobal(list) ? list.map : list.object;
  return sentenceExists(list, k) && appendSentence(list, newSentence(sentenceAt(list, k), owner));
}

bool editSetSentenceSlot(const logicList& list, int k, int slot, int value) {
  return editSetSentenceSlots(list, k, {{slot, value}});
}

bool editSetSentenceSlots(const logicList& list, int k, const std::vector<slotValue>& values) {
  if (!sentenceExists(list, k)) return false;
  for (const slotValue& v : values) {
    if (v.slot < 0 || v.slot >= kSentenceSteps) return false;
  }
  const sentenceKey key{list, k};
  return recordValueChange(
      key, kStepsAccess, [&] { for (const slotValue& v : values) changeSlot(key, v.slot, v.value); },
      placeOfList(list));
}

bool editReplaceLocalLogic(int m, int i, const std::vector<sentence>& sentences) {
  const logicList list = localLogicOf(m, i);
  if (isGlobal(list) || !listExists(list) || sentences.size() > static_cast<std::size_t>(kMaxSentences)) return false;
  std::vector<sentence> wanted;
  for (const sentence& s : sentences) wanted.push_back(newSentence(s, i));
  return recordValueWrite(list, kListAccess, wanted, placeOfList(list));
}

bool editSetPhrase(int i, const std::string& text) {
  return i >= 0 && i < kPhraseCount && recordValueWrite(i, kPhraseAccess, text, placeOf(kViewPhrases, i));
}

}  // namespace tf
