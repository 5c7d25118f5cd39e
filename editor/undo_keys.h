// Undo and redo from the keyboard in every editor: Ctrl+Z undoes the last
// step of the history of edits, Ctrl+Y or Ctrl+Shift+Z redoes it, and the
// editor then shows where the change was made.
#pragma once

#include "core/screen.h"

namespace tf {

// The characters the window toolkit hands over for Ctrl+Z (with or without
// Shift) and Ctrl+Y.
constexpr unsigned char kCharCtrlZ = 26;
constexpr unsigned char kCharCtrlY = 25;

// Takes the undo and redo keys of the editors' screens (world, logic, phrase
// and menu editor, input state 0); first in their rows.
Screen& undoKeys();

// A key while a text line of the menu editor is typed into: true when it was
// an undo or redo key, which it then ran.
bool undoRedoKey(unsigned char key, bool shift);

// One step back or forward, then the place shown and the selection kept to
// what exists. With nothing to undo or redo the console says so and nothing
// else happens. True when a step was undone or redone.
bool undoEdit();
bool redoEdit();

}  // namespace tf
