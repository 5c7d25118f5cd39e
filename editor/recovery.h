// The recovery copy: while the game or menu set being edited has changes that
// are not saved, its files (map.cfg, logic.cfg, ui.cfg, written by the same
// writers as a save) are copied every minute and before each play-test into a
// folder that nothing else reads, so that a crash loses at most a minute of
// work. Opening the game again offers to restore a copy newer than its files.
#pragma once

#include <string>

namespace tf {

constexpr int kRecoveryIntervalMs = 60000;
// A positive number of milliseconds in this environment variable replaces
// the interval (for trying the copy out without waiting a minute).
constexpr const char* kRecoveryIntervalVariable = "TF_RECOVERY_INTERVAL_MS";
// The dialogs of system/dialog.cfg: leaving the toolkit, leaving the editor,
// the same two while changes are not saved, and the offer to restore a copy.
constexpr int kLeaveToolkitDialog = 0;
constexpr int kLeaveEditorDialog = 1;
constexpr int kLeaveEditorUnsavedDialog = 5;
constexpr int kLeaveToolkitUnsavedDialog = 6;
constexpr int kRestoreDialog = 7;

// games/<game>/recovery for a game; system/recovery/<set> for one of the
// toolkit's own menu sets, which are never written into a game.
std::string recoveryFolder(const std::string& name);
int recoveryIntervalMs();

// Once a frame while an editor is shown: a copy is written once changes not
// yet copied are an interval old. With no changes unsaved any more (saved,
// or undone back to the saved state) the copy is removed.
void recoveryTick();
// Writes the copy now when there are changes not yet copied (before a
// play-test, when the editor or the program is left). False when it could
// not be written (reported) or a game never saved has no folder yet.
bool writeRecoveryCopy();
// Removes the copy of what is being edited (after a save).
void removeRecoveryCopy();

enum class RecoveryCopy {
  None,     // no copy
  Stale,    // older than the saved files: nothing to restore
  Offered,  // whole and at least as new as the saved files
  Damaged,  // missing files or contents that differ from what was written
};
RecoveryCopy findRecoveryCopy(const std::string& name);

// Just after a game or menu set was opened for editing: a copy to restore
// opens the restore dialog, a damaged one is reported (and left for the next
// save to remove), a stale one is removed.
void offerRecovery();
// The restore dialog's answer (its buttons' function argument): 1 loads the
// copy as the edited state, unsaved until saved; 0 removes it.
void answerRecovery(int restore);

// The dialog shown when dialog `id` is asked for: the leave dialogs say so
// while an editor holds changes that are not saved.
int chooseLeaveDialog(int id);

}  // namespace tf
