// The colour codes both editors read alike: the save and animation icons, and
// the small icons that fold the panels away and bring them back.
#pragma once

#include "core/screen.h"

namespace tf {

// Save and animation editing, on a left press; true for either code.
bool sharedEditorPick(const PickEvent& e);
// The fold and unfold icons, on a left press: the world editor's mode moves
// between -1 and 0, the menu editor's between -2 and 0. True when taken.
bool uiAndGameEditorPicking(const PickEvent& e);

}  // namespace tf
