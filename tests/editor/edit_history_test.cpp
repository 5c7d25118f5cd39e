// The history of edits on its own: steps and brackets, the redo tail, the
// limits that drop the oldest steps, the saved position and the places
// returned, with changes that add to a counter.
#include "editor/edit_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tf;

namespace {

// The model of these tests: a value, and the order in which changes were undone and redone.
int value = 0;
std::string trail;

class addChange final : public editChange {
 public:
  addChange(int delta, std::size_t size, bool mergeable) : delta(delta), size(size), mergeable(mergeable) {}
  void undo() override { value -= delta, trail += "-" + std::to_string(delta); }
  void redo() override { value += delta, trail += "+" + std::to_string(delta); }
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
  void SetUp() override { value = 0, trail.clear(); }
  // Makes the change and records it.
  void add(int delta, editPlace place = {kViewMap, 0}, std::size_t size = 16, bool mergeable = false) {
    value += delta;
    history.record(std::make_unique<addChange>(delta, size, mergeable), place);
  }
  std::size_t undoAll() {
    std::size_t steps = 0;
    for (; history.canUndo(); ++steps) history.undo();
    return steps;
  }

  editHistory history;
};

TEST_F(EditHistory, BracketsMakeOneStepOfTheOutermostPairWithItsPlace) {
  add(1, {kViewPhrases, 4});
  history.beginStep({kViewMenu, 2});
  add(10);
  history.beginStep({kViewMap, 9});  // inner brackets count for nothing
  add(100, {kViewMap, 0}, 16, true);
  add(1000, {kViewMap, 0}, 16, true);  // merged into the change before
  history.endStep();
  history.endStep();
  history.beginStep();  // empty: nothing recorded
  history.endStep();
  history.beginStep();  // no place of its own: its first change's
  add(5, {kViewLocalLogic, 1, 3});
  add(7, {kViewMap, 0});
  history.endStep();
  EXPECT_EQ(history.getStepCount(), 3u);

  const editPlace last = history.undo();
  EXPECT_EQ(last.view, kViewLocalLogic);
  EXPECT_EQ(last.object, 3);
  EXPECT_EQ(history.undo().index, 2);
  EXPECT_EQ(trail, "-7-5-1100-10");
  EXPECT_EQ(history.redo().view, kViewMenu);
  EXPECT_EQ(history.undo().view, kViewMenu);
  EXPECT_EQ(history.undo().view, kViewPhrases);
  EXPECT_EQ(history.undo().view, kViewNone);
  EXPECT_EQ(value, 0);

  history.beginStep();  // an undo closes a bracket left open
  add(3);
  history.undo();
  history.endStep();
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(history.canRedo());
}

TEST_F(EditHistory, ANewChangeAfterUndosDropsTheRedoTail) {
  for (int d : {1, 2, 4}) add(d);
  history.undo();
  history.undo();
  add(8);
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(undoAll(), 2u);
  EXPECT_EQ(value, 0);
}

TEST_F(EditHistory, TheOldestStepsAreDroppedBeyondTheStepCountOrTheByteBudget) {
  const std::size_t mb = std::size_t{1} << 20;
  struct limitCase {
    int steps;
    std::size_t bytesEach, kept;
  };
  const std::vector<limitCase> cases = {
      {1005, 64, editHistory::kMaxSteps},          // beyond the step count
      {300, mb, 255},                              // beyond the byte budget
      {260, 3 * mb, editHistory::kKeptSteps},      // the newest 200 stay whatever they hold
  };
  for (const limitCase& c : cases) {
    SCOPED_TRACE(c.bytesEach);
    history.clear();
    value = 0;
    for (int s = 1; s <= c.steps; ++s) add(s, {kViewMap, s}, c.bytesEach);
    EXPECT_EQ(history.getStepCount(), c.kept);
    EXPECT_EQ(undoAll(), c.kept);
    const long long dropped = c.steps - static_cast<long long>(c.kept);
    EXPECT_EQ(value, dropped * (dropped + 1) / 2);  // the sum of the steps 1.. that were dropped
    EXPECT_TRUE(history.hasUnsavedChanges());       // the saved state was dropped with them
  }
}

TEST_F(EditHistory, TheSavedPositionFollowsUndoRedoSaveAndClear) {
  struct stepCase {
    const char* what;
    void (*act)(EditHistory&);
    bool unsaved;
  };
  const std::vector<stepCase> script = {
      {"a change", [](EditHistory& t) { t.add(1); }, true},
      {"saved", [](EditHistory& t) { t.history.markSaved(); }, false},
      {"another change", [](EditHistory& t) { t.add(2); }, true},
      {"undone back to the save", [](EditHistory& t) { t.history.undo(); }, false},
      {"undone past the save", [](EditHistory& t) { t.history.undo(); }, true},
      {"redone to the save", [](EditHistory& t) { t.history.redo(); }, false},
      {"saved later, then undone", [](EditHistory& t) { t.add(8), t.history.markSaved(), t.history.undo(); }, true},
      {"a change replacing the saved step", [](EditHistory& t) { t.add(16); }, true},
      {"a bracket with a change", [](EditHistory& t) { t.history.markSaved(), t.history.beginStep(), t.add(1); }, true},
      {"the bracket closed", [](EditHistory& t) { t.history.endStep(); }, true},
      {"cleared", [](EditHistory& t) { t.history.clear(); }, false},
  };
  for (const stepCase& s : script) {
    s.act(*this);
    EXPECT_EQ(history.hasUnsavedChanges(), s.unsaved) << s.what;
  }
  EXPECT_FALSE(history.canUndo() || history.canRedo());
}

}  // namespace
