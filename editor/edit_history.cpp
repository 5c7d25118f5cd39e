// The history of edits: steps of recorded changes, undone and redone in
// order, limited in number and memory, with the position of the last save.
#include "editor/edit_history.h"

#include <utility>

namespace tf {

editHistory editHistoryLog;

namespace {

std::size_t stepOverhead(std::size_t changes) {
  return sizeof(editPlace) + sizeof(std::size_t) + changes * sizeof(std::unique_ptr<editChange>);
}

}  // namespace

void editHistory::beginStep(const editPlace& place) {
  if (depth++ == 0) {
    open = editStep();
    open.place = place;
  }
}

void editHistory::endStep() {
  if (depth == 0) return;
  if (--depth == 0) closeOpenStep();
}

void editHistory::closeOpenStep() {
  depth = 0;
  if (!open.changes.empty()) commit(std::move(open));
  open = editStep();
}

void editHistory::record(std::unique_ptr<editChange> change, const editPlace& place) {
  if (!change) return;
  ++changeCount;
  if (depth == 0) {
    editStep single;
    single.place = place;
    single.changes.push_back(std::move(change));
    commit(std::move(single));
    return;
  }
  if (open.place.view == kViewNone) open.place = place;
  if (!open.changes.empty() && open.changes.back()->absorb(*change)) return;
  open.changes.push_back(std::move(change));
}

void editHistory::commit(editStep step) {
  if (savedAt > positionNow()) savedAt = -1;  // the saved state was among the steps dropped now
  while (steps.size() > position) {
    bytes -= steps.back().bytes;
    steps.pop_back();
  }
  step.bytes = stepOverhead(step.changes.size());
  for (const auto& change : step.changes) step.bytes += change->bytes();
  bytes += step.bytes;
  steps.push_back(std::move(step));
  ++position;
  while (steps.size() > kMaxSteps || (bytes > kByteBudget && steps.size() > kKeptSteps)) dropOldest();
}

void editHistory::dropOldest() {
  bytes -= steps.front().bytes;
  steps.pop_front();
  ++dropped;
  --position;
  if (savedAt >= 0 && savedAt < dropped) savedAt = -1;
}

editPlace editHistory::undo() {
  closeOpenStep();
  if (position == 0) return editPlace();
  editStep& step = steps[--position];
  ++changeCount;
  for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) (*change)->undo();
  return step.place;
}

editPlace editHistory::redo() {
  closeOpenStep();
  if (position == steps.size()) return editPlace();
  editStep& step = steps[position++];
  ++changeCount;
  for (const auto& change : step.changes) change->redo();
  return step.place;
}

bool editHistory::canUndo() const { return position > 0 || !open.changes.empty(); }

bool editHistory::canRedo() const { return open.changes.empty() && position < steps.size(); }

void editHistory::markSaved() {
  closeOpenStep();
  savedAt = positionNow();
}

bool editHistory::hasUnsavedChanges() const { return !open.changes.empty() || savedAt != positionNow(); }

void editHistory::markUnsaved() {
  closeOpenStep();
  savedAt = -1;
  ++changeCount;
}

void editHistory::clear() {
  steps.clear();
  open = editStep();
  depth = 0;
  position = 0;
  dropped = 0;
  savedAt = 0;
  bytes = 0;
  changeCount = 0;
}

}  // namespace tf
