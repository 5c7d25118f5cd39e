// Running the logic sentences of the current map while a game is played: once
// per frame against the world, and on key and mouse events for the sentences
// that wait for them. Global logic runs before the objects' local logic, each
// list top to bottom; a sentence that holds performs its action at once, so
// later sentences see what earlier ones changed.
#pragma once

#include "game/sentence.h"

namespace tf {

// Distance at which the touch conditions probe around an object, and the
// smaller one of the "not touching" condition.
constexpr float kTouchDistance = 0.05f;
constexpr float kNearTouchDistance = 0.01f;

// One frame of logic: a pending map change first, then the timers, then every
// sentence. Does nothing outside play and play-test; the flag changes nothing.
void updateLogic(bool overrideTimer);
// The key openers, on a key press or release (and once a frame while a key is
// held). Nothing happens while in-game input is disallowed.
void updateKeyLogic();
// The mouse openers and the click conditions, on a mouse button event.
void updateMouseLogic();
// The key logic of one frame: once when one of the six special keys is held,
// else once when some letter is held.
void updateHeldKeyLogic();

// Evaluates one sentence of the frame; `addInfo` is the map (global logic) or
// the object (local logic) holding it, `sentenceNum` its place in its list.
// True when its action was performed.
bool sentenceAction(sentence curSentence, bool global, int addInfo, int sentenceNum);
bool sentenceActionKeyboard(sentence curSentence, bool global, int addInfo, int sentenceNum);
bool sentenceActionMouse(sentence curSentence, bool global, int addInfo, int sentenceNum);

// Condition `toCompare` (400-438) of object `objectNum` with operand `addInfo`.
bool compareObjects(int objectNum, int toCompare, int addInfo);
// Condition `compareType` (426-434) of global score `firstValue`.
bool compareGlobalScore(int firstValue, int compareType, int compareValue);
// The label comparison of the reserved openers: never true.
bool compareLabel(int labelNum, int toCompare, int addInfo);

}  // namespace tf
