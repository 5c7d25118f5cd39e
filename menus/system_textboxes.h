// The toolkit's own textboxes, used by the editors' panels: each edits a fixed
// UI string, and most name the editor control that takes their text on Enter.
#pragma once

#include "core/screen.h"
#include "menus/ui_model.h"

namespace tf {

constexpr int kSystemTextboxCount = 7;

extern Textbox sysTextbox[kSystemTextboxCount];

// Creates the seven system textboxes with their strings and linked controls.
void loadSysTextboxes();

// A left press on system textbox B starts typing into it (input state 5);
// true when it names one.
bool systemTextboxPick(const PickEvent& e);

}  // namespace tf
