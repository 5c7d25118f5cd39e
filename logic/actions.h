// The actions of logic sentences: what happens when a sentence holds. They
// change objects, scores, the game condition, the pending map change, the
// shown image and phrase, key states, the camera and the sounds.
#pragma once

namespace tf {

// Gap left between an object and one spawned next to it.
constexpr float kSpawnGap = 0.05f;
// How long an image or phrase shown by an action stays up.
constexpr int kDisplayTime = 1000;

// Performs action `action` (700-787) with operand `addInfo` for the subject
// object `addInfo2`, on the current map. Operands that name nothing that
// exists (an object, map, image, sound, phrase, global score or letter out of
// range) change nothing. True when the id is an action.
bool gameAction(int action, int addInfo, int addInfo2);

}  // namespace tf
