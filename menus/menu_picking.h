// What the colour codes of menus and dialogs do: a button fires when it is
// released over the button pressed, a textbox takes typing when released
// over, the dialog's two buttons run their functions; a code that names none
// of them clears the menu's marks and ends typing.
#pragma once

#include "core/screen.h"

namespace tf {

// Dialog buttons, menu buttons and menu textboxes; false (and the marks
// cleared) for any other code.
bool menuPicking(const PickEvent& e);

// Nothing of the menus is hovered or held.
void clearMenuMarks();

// A hover pass names what lies under the pointer for the tooltip; a new code
// restarts the tooltip's delay, another element of the same kind does not.
void noteTooltip(const PickEvent& e);

}  // namespace tf
