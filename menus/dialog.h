// Dialog boxes: opening one (the game state becomes "dialog" and the state
// before it is kept to return to), closing it, and the look-ups of
// system/dialog.cfg that describe each dialog's pictures, buttons and text.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tf {

// Shows dialog `id`. The state to return to is the one before the first
// dialog: opening a dialog over another keeps it.
void enableDialog(int id);
// Closes the dialog and returns to the state before it.
void disableDialog();
// Lets the editors show another dialog in place of one asked for (a leave
// dialog that says changes are not saved): `choose(id)` names the dialog
// shown. An empty function shows every dialog as asked.
void setDialogChoice(std::function<int(int id)> choose);

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

// The pressed-button marks of the two dialog buttons.
constexpr int kPressedDialogLeft = -2;
constexpr int kPressedDialogRight = -3;

// One dialog button as drawn: its picture (-1: none), centre, half size and
// shade; a hovered button grows by a tenth, a pressed one is darkened.
struct DialogButtonLook {
  int image = -1;
  float x = 0, y = 0, w = 0, h = 0;
  float shade = 1;
};

// Where dialog `d` draws its picture, buttons and text this frame.
struct DialogLayout {
  int background = -1;  // system image, -1 when the file names none
  DialogButtonLook buttons[2];
  std::vector<std::string> lines;
  float textX = 0;
  float firstLineY = 0;
  float lineSpacing = 0;
};
DialogLayout layoutDialog(int d);

// Draws the open dialog (dialog_gl.cpp), in normal and pick passes.
void dialogRender();

}  // namespace tf
