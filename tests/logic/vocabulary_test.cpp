// The step vocabulary walked id by id against an independent statement of its
// rules (which numbers are words, the operand after each, where each is
// offered), plus samples of the words and information lines people see.
#include "logic/vocabulary.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/editor.h"

using namespace tf;

namespace {

using Ranges = std::vector<std::pair<int, int>>;

bool inRanges(const Ranges& ranges, int id) {
  for (const auto& [first, last] : ranges) {
    if (id >= first && id <= last) return true;
  }
  return false;
}

// The operand kinds by id; every id not listed is kind 2.
const std::vector<std::pair<int, Ranges>> kKindLists = {
    {0, {{100, 101}, {400, 404}, {410, 410}, {420, 422}, {432, 434}, {706, 706}, {708, 721},
         {723, 725}, {739, 744}, {749, 749}, {753, 753}, {781, 781}}},
    {1, {{130, 131}, {415, 416}, {732, 734}, {754, 759}}},
    {3, {{703, 703}, {722, 722}}},
    {4, {{120, 125}, {132, 133}, {417, 419}, {426, 428}, {736, 738}, {783, 785}}},
    {5, {{102, 110}, {112, 118}, {128, 129}, {134, 137}}},
    {6, {{111, 111}, {119, 119}, {769, 769}, {777, 777}}},
    {7, {{748, 748}}},
    {8, {{728, 730}}},
    {9, {{126, 127}, {423, 425}, {429, 431}, {707, 707}, {745, 747}, {750, 750}, {780, 780}, {782, 782}}},
    {10, {{704, 705}}},
};

const Ranges kWordIds = {{100, 137}, {300, 301}, {400, 438}, {600, 600}, {700, 787}};
const Ranges kHidden = {{120, 125}, {130, 131}, {410, 410}, {415, 416}, {732, 735}, {752, 759}};
// (A) not after the global score openers, (B) only after them, (C) not in the global logic editor (mode 6).
const Ranges kRuleA = {{400, 425}, {435, 438}};
const Ranges kRuleB = {{426, 434}};
const Ranges kRuleC = {{705, 707}, {722, 723}, {736, 741}, {780, 785}};

int expectedKind(int id) {
  for (const auto& [kind, ranges] : kKindLists) {
    if (inRanges(ranges, id)) return kind;
  }
  return 2;
}

bool expectedSkip(int id, int firstid, int editorMode) {
  const bool scoreOpener = firstid == 126 || firstid == 127;
  return inRanges(kHidden, id) || (inRanges(kRuleA, id) && scoreOpener) || (inRanges(kRuleB, id) && !scoreOpener) ||
         (inRanges(kRuleC, id) && editorMode == 6);
}

// Sets the editor mode the vocabulary reads, and restores it.
struct EditorMode {
  explicit EditorMode(int mode) : saved(worldEditor.getEditorMode()) { worldEditor.setEditorMode(mode); }
  ~EditorMode() { worldEditor.setEditorMode(saved); }
  int saved;
};

TEST(Vocabulary, EveryNumberHasItsOperandKindAndIsAWordNullOrSkipByContext) {
  for (int id = -1000; id <= 1000; ++id) EXPECT_EQ(checkStepType(id), expectedKind(id)) << "id " << id;
  for (int mode : {0, 6, 7}) {
    EditorMode editorMode(mode);
    for (int firstid : {100, 102, 126, 127, 137}) {
      for (int id = -2; id <= 1000; ++id) {
        SCOPED_TRACE("id " + std::to_string(id) + " opener " + std::to_string(firstid) + " mode " +
                     std::to_string(mode));
        const std::string word = stepIDToString(id, firstid);
        if (id == -1) {
          EXPECT_EQ(word, "");
        } else if (!inRanges(kWordIds, id)) {
          EXPECT_EQ(word, "NULL");
        } else if (expectedSkip(id, firstid, mode)) {
          EXPECT_EQ(word, "SKIP");
        } else {
          EXPECT_TRUE(word != "NULL" && word != "SKIP" && !word.empty()) << word;
        }
      }
    }
  }
}

TEST(Vocabulary, WordsAreDistinctWithinEachGroupAndReadAsShown) {
  // The editor cycles through a group by word: two ids with one word would be indistinguishable.
  EditorMode editorMode(7);
  for (const auto& [first, last] : kWordIds) {
    for (int opener : {100, 126}) {
      std::set<std::string> seen;
      for (int id = first; id <= last; ++id) {
        const std::string word = stepIDToString(id, opener);
        if (word == "SKIP") continue;
        EXPECT_TRUE(seen.insert(word).second) << word << " twice, id " << id;
      }
    }
  }
  // A sample of each group, read as shown.
  const std::vector<std::pair<int, std::string>> words = {
      {100, "When object"}, {300, "is"}, {400, "touching"}, {600, "then"}, {700, "and"}, {119, "Key released"},
      {137, "Right click released"}, {301, "is not"}, {425, "score equal to gbl"}, {438, "R. Released"},
      {737, "sub from self score by"}, {787, "remove phrase"}};
  for (const auto& [id, word] : words) EXPECT_EQ(stepIDToString(id, 100), word) << "id " << id;
  EXPECT_EQ(stepIDToString(434, 127), "equal to obj");
}

TEST(Vocabulary, EveryWordButTheReservedOnesIsExplained) {
  const Ranges unexplained = {{130, 131}, {415, 416}, {753, 759}};
  for (int id = -1000; id <= 1000; ++id) {
    std::string a = "stale", b = "stale";
    stepIDToDescription(id, a, b);
    if (id == -1) continue;
    EXPECT_EQ(!a.empty(), inRanges(kWordIds, id) && !inRanges(unexplained, id)) << "id " << id;
    EXPECT_TRUE(!a.empty() || b.empty()) << "id " << id;
  }
  std::string a = "stale", b = "stale";
  stepIDToDescription(-1, a, b);
  EXPECT_EQ(a + "|" + b, "This space intentionally left blank.|");
  stepIDToDescription(745, a, b);
  EXPECT_EQ(a + "|" + b, "Add 1 to the specified global score.|"
                         "^yNote:^w The next value refers to the global score ID, not it's value.");
}

}  // namespace
