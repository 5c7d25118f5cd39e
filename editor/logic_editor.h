// The logic editor (editor modes 6 and 7 of the world editor) as a screen: the
// sentences of the map's global logic or of the selected object's local logic
// as rows of words, each word and operand stepped by clicks, the arrow keys,
// or the word list it opens (stepped by dragging, the wheel and the arrow
// keys; closed by Enter, Escape or a second press within 200 ms); the icons
// that add, copy and delete sentences and leave the editor.
#pragma once

#include "core/screen.h"
#include "editor/edits.h"
#include "editor/logic_steps.h"

namespace tf {

Screen& logicEditorScreen();

// Two presses closer than this close the word list.
constexpr int kWordListDoubleClickMs = 200;
// The open word list steps once per this many pixels of vertical drag.
constexpr int kWordListDragStep = 10;

// The word list is open.
bool wordListOpen();
// The overlay x at which the open word list stands.
int wordListX();

// The list the logic editor edits: the current map's global logic in mode 6,
// the selected object's local logic in mode 7.
logicList editedLogicList();
// The sentences of the edited list: how many, and a copy of sentence `s`.
int editedSentenceCount();
sentence editedSentence(int s);
// What the operands of the current map may name.
LogicBounds currentLogicBounds();

// Steps slot `slot` of sentence `s` of the edited list by `d` (+1, -1) as a
// click, an arrow key, the wheel or a drag does, through the edits: the new
// word or operand, a sound's preview, the image chooser or the phrase
// selector opened for the sentence.
void stepLogicSlot(int s, int slot, int d);

// The colour code of a word or operand (and of the open list over it): a
// left press on a word opens its list, a left or right press on an operand
// steps it by +1 or -1. Hover and drag passes change nothing.
bool gameLogicColorPick(const PickEvent& e);

// Writes `image` into the image operand of the sentence the image chooser
// was opened for.
void logicEditorImageChosen(int image);

}  // namespace tf
