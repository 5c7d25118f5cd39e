// The history of edits: every change an editor makes to the world, the logic,
// the phrases, the image animations or the menus is recorded here as a step
// that can be undone and redone, and the history knows whether there are
// changes since the last save. The changes themselves are made by editor/edits.h.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

namespace tf {

// What the user must see for an undo or redo to make sense.
enum EditView {
  kViewNone,
  kViewMap,            // the world editor on map `index` (tiles, objects, map settings, fog)
  kViewGlobalLogic,    // the global logic of map `index`
  kViewLocalLogic,     // the local logic of object `object` on map `index`
  kViewPhrases,        // the phrase editor on phrase `index`
  kViewGameImage,      // the animation settings of game image `index`
  kViewMenuImage,      // the animation settings of menu image `index`
  kViewMenu,           // the menu editor on menu `index`
};

struct editPlace {
  EditView view = kViewNone;
  int index = -1;
  int object = -1;
};

// One recorded change: it puts the model back as it was before (undo) or as
// it was after (redo), from indexes and values of its own.
class editChange {
 public:
  virtual ~editChange() = default;
  virtual void undo() = 0;
  virtual void redo() = 0;
  // Memory the change holds, itself included.
  virtual std::size_t bytes() const = 0;
  // Takes in `next`, made right after this change within the same step, when
  // the two can be kept as one (the moves of one drag); true when it did.
  virtual bool absorb(const editChange& next) { return false; }
};

class editHistory {
 public:
  // The newest kKeptSteps steps are always kept; older ones are dropped
  // beyond kMaxSteps steps or kByteBudget bytes.
  static constexpr std::size_t kMaxSteps = 1000;
  static constexpr std::size_t kKeptSteps = 200;
  static constexpr std::size_t kByteBudget = std::size_t{256} << 20;

  // Bracket the changes that form one step (a drag, deleting a selection).
  // Brackets may nest; only the outermost counts. A bracket without changes
  // records nothing. The step shows `place`, or with kViewNone the place of
  // its first change.
  void beginStep(const editPlace& place = editPlace());
  void endStep();
  // A bracket is open (its step not yet recorded).
  bool stepOpen() const { return depth > 0; }
  // Keeps a change already made to the model; outside a bracket it is a
  // step of its own. A new step drops the steps undone before it.
  void record(std::unique_ptr<editChange> change, const editPlace& place);

  // Undo or redo one step and return its place (kViewNone when there was
  // nothing to do). A bracket still open is closed first (markSaved closes it too).
  editPlace undo();
  editPlace redo();
  bool canUndo() const;
  bool canRedo() const;

  // The model as it is now is what the files hold.
  void markSaved();
  // True unless the model is at the last saved step: undoing back to it means
  // no unsaved changes; once that step is dropped, unsaved until the next save.
  bool hasUnsavedChanges() const;
  // The model no longer matches the files (changes brought back from a
  // recovery copy): unsaved until the next save.
  void markUnsaved();
  // Changes counted since the last save or clear: a recovery copy is due
  // when this differs from the count at the last copy.
  long long getChangeCount() const { return changeCount; }
  // Forgets every step and counts the model as saved (leaving the editor,
  // loading a game).
  void clear();

  std::size_t getBytes() const { return bytes; }
  std::size_t getStepCount() const { return steps.size(); }

 private:
  struct editStep {
    editPlace place;
    std::vector<std::unique_ptr<editChange>> changes;
    std::size_t bytes = 0;
  };

  void closeOpenStep();
  void commit(editStep step);
  void dropOldest();
  long long positionNow() const { return dropped + static_cast<long long>(position); }

  std::deque<editStep> steps;
  std::size_t position = 0;  // steps applied; those after it can be redone
  long long dropped = 0;     // oldest steps dropped so far
  long long savedAt = 0;     // dropped + position at the last save; -1 out of reach
  editStep open;             // the step being bracketed
  int depth = 0;             // brackets open
  std::size_t bytes = 0;
  long long changeCount = 0;  // grows with every change recorded, undone or redone
};

extern editHistory editHistoryLog;

}  // namespace tf
