// Dialog boxes: opening one (the game state becomes "dialog" and the state
// before it is kept to return to), closing it, and the look-ups of
// system/dialog.cfg that describe each dialog's pictures, buttons and text.
#pragma once

#include <string>
#include <vector>

namespace tf {

// Shows dialog `id`. The state to return to is the one before the first
// dialog: opening a dialog over another keeps it.
void enableDialog(int id);
// Closes the dialog and returns to the state before it.
void disableDialog();

// What a dialog's button does when clicked: a button function and its argument.
struct DialogAction {
  int func = -1;
  int func2 = -1;
};

// The dialog's background picture (a system image index; -1 when missing).
int dialogBackground(int d);
// The picture of button `k` (0 left, 1 right); -1 when missing.
int dialogButtonImage(int d, int k);
DialogAction dialogButtonAction(int d, int k);
// Its text lines: line 0 always (it reads "NULL" when missing), then every
// further line up to the first that holds "end" or is missing.
std::vector<std::string> dialogTextLines(int d);
// True when `index` names a system image; a dialog picture that does not is
// not drawn.
bool namesSystemImage(int index);

}  // namespace tf
