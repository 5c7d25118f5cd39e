// What the logic editor shows, as a panel plan: the title, the sentences as
// rows of words with their delete and copy icons, the plus icon, the welcome
// text, and the open word list with its information window; and the phrase
// windows over it. Read from the world and the editor each frame; drawn by
// the window (Platform::drawPanel).
#pragma once

#include <string>

#include "core/panel_plan.h"
#include "editor/logic_steps.h"
#include "game/sentence.h"

namespace tf {

// The row of sentence i stands at this y, every word at its running x.
constexpr float kFirstRowY = 80;
constexpr float kRowStep = 30;
constexpr float kFirstWordX = 70;

// The text an operand shows for `value` after the word of kind `kind`:
// "^y" and the number, the letter of a key, "self" for the subject of a
// local sentence; and, in red, the number of something that does not exist.
// Empty for an image that exists (it shows its picture).
std::string operandText(int kind, int value, bool self, const LogicBounds& bounds);

// Whether slot `slot` of `s` is shown in its row: words always; an operand
// unless its word takes none, its value is -1, or the opener hides it (an
// opener without operand hides slots 1 to 4, one with a number or a key
// slots 2 to 4, which it does not use).
bool slotShown(const sentence& s, int slot);

// The logic editor of the current editor mode (6 or 7).
void planLogicEditor(PanelPlan& out);
// The phrase editor and the phrase selector, when open (the selector over
// the editor).
void planPhraseWindows(PanelPlan& out);

}  // namespace tf
