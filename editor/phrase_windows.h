// The phrase editor and the phrase selector of the logic editor as a screen:
// the arrow keys step through the 1024 phrases, Escape closes both windows,
// and their icons have colour codes of their own.
#pragma once

#include "core/screen.h"

namespace tf {

Screen& phraseWindows();

// Escape, in any game state: both windows close.
void closePhraseWindows();

}  // namespace tf
