// The history of edits on its own: steps and brackets, the redo tail, the
// limits that drop the oldest steps, the saved position and the places
// returned, with changes that add to a counter.
#include "editor/edit_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tf;

namespace {

// The model of these tests: a value and the order of the changes made to it.
int value = 0;
std::string trail;

class addChange final : public editChange {
 public:
  addChange(int delta, std::size_t size, bool mergeable = false) : delta(delta), size(size), mergeable(mergeable) {}
  void undo() override {
    value -= delta;
    trail += "-" + std::to_string(delta);
  }
  void redo() override {
    value += delta;
    trail += "+" + std::to_string(delta);
  }
  std::size_t bytes() const override { return size; }
  bool absorb(const editChange& next) override {
    const auto* add = dynamic_cast<const addChange*>(&next);
    if (!mergeable || !add || !add->mergeable) return false;
    delta += add->delta;
    return true;
  }

 private:
  int delta;
  std::size_t size;
  bool mergeable;
};

class EditHistory : public ::testing::Test {
 public:
  void SetUp() override {
    value = 0;
    trail.clear();
  }
  // Makes the change and records it.
  void add(int delta, editPlace place = {kViewMap, 0}, std::size_t size = 16, bool mergeable = false) {
    value += delta;
    history.record(std::make_unique<addChange>(delta, size, mergeable), place);
  }
  int undoAll() {
    int steps = 0;
    while (history.canUndo()) {
      history.undo();
      ++steps;
    }
    return steps;
  }

  editHistory history;
};

TEST_F(EditHistory, BracketsMakeOneStepOfTheOutermostPairAndEmptyOnesRecordNothing) {
  add(1, {kViewPhrases, 4});
  history.beginStep({kViewMenu, 2});
  add(10);
  history.beginStep({kViewMap, 9});  // inner brackets count for nothing
  add(100);
  history.endStep();
  add(1000);
  history.endStep();
  history.beginStep();
  history.endStep();
  history.beginStep();  // no place of its own: the first change's
  add(5, {kViewLocalLogic, 1, 3});
  history.endStep();
  EXPECT_EQ(history.getStepCount(), 3u);

  const editPlace last = history.undo();
  EXPECT_EQ(last.view, kViewLocalLogic);
  EXPECT_EQ(last.object, 3);
  const editPlace bracket = history.undo();
  EXPECT_EQ(bracket.view, kViewMenu);
  EXPECT_EQ(bracket.index, 2);
  EXPECT_EQ(trail, "-5-1000-100-10");
  EXPECT_EQ(value, 1);
  EXPECT_EQ(history.redo().index, 2);
  EXPECT_EQ(trail, "-5-1000-100-10+10+100+1000");
  EXPECT_EQ(history.undo().view, kViewMenu);
  EXPECT_EQ(history.undo().view, kViewPhrases);
  EXPECT_EQ(history.undo().view, kViewNone);
  EXPECT_EQ(value, 0);
}

TEST_F(EditHistory, ANewChangeAfterUndosDropsTheRedoTail) {
  for (int d : {1, 2, 4}) add(d);
  history.undo();
  history.undo();
  EXPECT_TRUE(history.canRedo());
  add(8);
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(history.redo().view, kViewNone);
  EXPECT_EQ(undoAll(), 2);
  EXPECT_EQ(value, 0);
}

TEST_F(EditHistory, ChangesThatCanMergeWithinAStepAreKeptAsOne) {
  history.beginStep();
  for (int d : {1, 2, 3}) add(d, {kViewMap, 0}, 16, true);
  add(10);
  history.endStep();
  add(7, {kViewMap, 0}, 16, true);  // a step of its own: nothing to merge with
  EXPECT_EQ(undoAll(), 2);
  EXPECT_EQ(trail, "-7-10-6");
  EXPECT_EQ(value, 0);
}

TEST_F(EditHistory, UndoClosesABracketLeftOpen) {
  history.beginStep();
  add(3);
  EXPECT_TRUE(history.canUndo());
  EXPECT_FALSE(history.canRedo());
  history.undo();
  EXPECT_EQ(value, 0);
  history.endStep();  // the bracket is already closed
  add(4);
  add(5);
  EXPECT_EQ(undoAll(), 2);
}

struct limitCase {
  const char* what;
  int steps;
  std::size_t bytesEach;
  std::size_t kept;
};

TEST_F(EditHistory, TheOldestStepsAreDroppedBeyondTheStepCountOrTheByteBudget) {
  const std::size_t mb = std::size_t{1} << 20;
  const std::vector<limitCase> cases = {
      {"small steps, beyond the count", 1005, 64, editHistory::kMaxSteps},
      {"1 MB steps, beyond the budget", 300, mb, 255},
      {"3 MB steps keep the newest 200 whatever the budget", 260, 3 * mb, editHistory::kKeptSteps},
  };
  for (const limitCase& c : cases) {
    SCOPED_TRACE(c.what);
    history.clear();
    value = 0;
    for (int s = 1; s <= c.steps; ++s) add(s, {kViewMap, s}, c.bytesEach);
    EXPECT_EQ(history.getStepCount(), c.kept);
    EXPECT_LE(history.getBytes(), std::max(editHistory::kByteBudget, c.kept * (c.bytesEach + 64)));
    EXPECT_EQ(static_cast<std::size_t>(undoAll()), c.kept);
    // What is left is the sum of the dropped steps 1..(steps - kept).
    const long long dropped = c.steps - static_cast<long long>(c.kept);
    EXPECT_EQ(value, dropped * (dropped + 1) / 2);
    EXPECT_TRUE(history.hasUnsavedChanges());  // the saved state was dropped
  }
}

TEST_F(EditHistory, TheSavedPositionFollowsUndoRedoSaveAndClear) {
  using action = void (*)(EditHistory&);
  struct stepCase {
    const char* what;
    action act;
    bool unsaved;
  };
  const std::vector<stepCase> script = {
      {"a change", [](EditHistory& t) { t.add(1); }, true},
      {"saved", [](EditHistory& t) { t.history.markSaved(); }, false},
      {"another change", [](EditHistory& t) { t.add(2); }, true},
      {"undone back to the save", [](EditHistory& t) { t.history.undo(); }, false},
      {"undone past the save", [](EditHistory& t) { t.history.undo(); }, true},
      {"redone to the save", [](EditHistory& t) { t.history.redo(); }, false},
      {"a new change drops the redo tail", [](EditHistory& t) { t.add(4); }, true},
      {"undone to the save again", [](EditHistory& t) { t.history.undo(); }, false},
      {"saved later, then undone", [](EditHistory& t) { t.add(8), t.history.markSaved(), t.history.undo(); }, true},
      {"a change replacing the saved step", [](EditHistory& t) { t.add(16); }, true},
      {"the same step count as at the save", [](EditHistory& t) { t.history.undo(), t.add(16); }, true},
      {"an open bracket with a change", [](EditHistory& t) { t.history.markSaved(), t.history.beginStep(), t.add(1); }, true},
      {"the bracket closed", [](EditHistory& t) { t.history.endStep(); }, true},
      {"cleared", [](EditHistory& t) { t.history.clear(); }, false},
  };
  EXPECT_FALSE(history.hasUnsavedChanges());
  for (const stepCase& s : script) {
    s.act(*this);
    EXPECT_EQ(history.hasUnsavedChanges(), s.unsaved) << s.what;
  }
  EXPECT_FALSE(history.canUndo());
  EXPECT_FALSE(history.canRedo());
}

}  // namespace
