// What one step through a word or an operand of a logic sentence does in the
// logic editor: the next word offered in the sentence's context (skipping the
// words not offered there, stopping where the vocabulary ends), the operand's
// bounds by its kind, and the resets a new word brings. Plain rules on a copy
// of the sentence; the editor writes the result through the edits.
#pragma once

#include <string>
#include <vector>

#include "editor/edits.h"
#include "game/sentence.h"

namespace tf {

// Letter keys 0 to 25 are "a" to "z"; any other number gives "NULL".
std::string intToAlpha(int character);

// Slots 0, 2, 3, 5 and 6 hold words, slots 1, 4 and 7 operands.
bool isWordSlot(int slot);
bool isOperandSlot(int slot);

// What the operands of the list being edited may name.
struct LogicBounds {
  bool global = false;  // the map's global logic (the words on "this object" are not offered)
  int objects = 0;      // objects of the current map
  int maps = 0;
  int sounds = 0;       // game sounds
  int images = 0;       // game images
};

// Whether `value` is something an operand of `kind` may name: an object,
// map, sound or image that exists, a letter, a global score, a phrase, a
// number from 0.
bool operandInBounds(int kind, int value, const LogicBounds& bounds);

// The word offered next after `id` in `direction` (+1 or -1) in a sentence
// opened by `opener`: words not offered there are passed over; -1 when the
// vocabulary ends first.
int nextOfferedWord(int id, int direction, int opener, bool global);

// What a step does.
struct SlotStep {
  std::vector<slotValue> changes;  // the slots to write; none when nothing changes
  enum Chooser { kNoChooser, kImageChooser, kPhraseSelector } opens = kNoChooser;
  int previewSound = -1;  // the game sound to play as a preview, or -1
};

// One step `d` (+1 forward, -1 back, 0 a press that only opens a list or a
// chooser) of slot `slot` of sentence `s`:
// - a word moves to the next word offered in its context, or stays where the
//   vocabulary ends; a new word resets the operand after it to 0, and a new
//   opener also resets the condition to "touching" ("greater than" after the
//   global score openers), with its operand when the condition changes;
// - an operand moves within the bounds of its kind (a value already outside
//   them moves to the nearest bound in the direction of the step); a sound
//   operand that moves is previewed; an image operand opens the image
//   chooser and a phrase operand the phrase selector, whatever the step.
SlotStep stepSlot(const sentence& s, int slot, int d, const LogicBounds& bounds);

}  // namespace tf
