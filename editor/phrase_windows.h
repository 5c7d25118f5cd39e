// The phrase editor and the phrase selector of the logic editor as a screen.
// The phrase editor steps through the game's 1024 phrases and stores the text
// typed into its field as the phrase shown; the phrase selector steps the
// phrase operand of a sentence's "display phrase" or "phrase above obj"
// action, writing each choice into the sentence at once, and stores typed
// text as the chosen phrase. The arrow keys step either window, Escape closes
// both.
#pragma once

#include <string>

#include "core/screen.h"

namespace tf {

Screen& phraseWindows();

bool phraseEditorOpen();
bool phraseSelectorOpen();
// Escape, in any game state: both windows close.
void closePhraseWindows();

// The system textbox the windows type into, and the widest text (in overlay
// units) a phrase may have: the width of that field, in which the windows
// show the phrase.
constexpr int kPhraseTextbox = 6;
constexpr int kPhraseShownWidth = 560;

// A typed text as a phrase can hold it: without control characters, and cut
// to kPhraseShownWidth; false (and the text unchanged) when nothing had to go.
bool phraseFromTyping(std::string& text);

}  // namespace tf
