// The undo and redo keys of the editors and what follows an undo or redo.
#include "editor/undo_keys.h"

#include "core/keys.h"
#include "core/log.h"
#include "core/system.h"
#include "editor/edits.h"
#include "editor/undo_place.h"

namespace tf {
namespace {

const char* const kNothingToUndo = "^yNothing to undo.";
const char* const kNothingToRedo = "^yNothing to redo.";

bool step(bool undo) {
  if (undo ? !editHistoryLog.canUndo() : !editHistoryLog.canRedo()) {
    echoConsole(undo ? kNothingToUndo : kNothingToRedo);
    return false;
  }
  const editPlace place = undo ? editUndo() : editRedo();
  showEditPlace(place);
  keepSelectionValid();
  return true;
}

class UndoKeys : public Screen {
 public:
  bool onKey(unsigned char key, int modifiers) override {
    if (gameSys.getInputState() != kInputNormal) return false;
    return undoRedoKey(key, (modifiers & kModShift) != 0);
  }
};

}  // namespace

Screen& undoKeys() {
  static UndoKeys screen;
  return screen;
}

bool undoRedoKey(unsigned char key, bool shift) {
  if (key == kCharCtrlZ) {
    step(!shift);
    return true;
  }
  if (key == kCharCtrlY) {
    step(false);
    return true;
  }
  return false;
}

bool undoEdit() { return step(true); }
bool redoEdit() { return step(false); }

}  // namespace tf
