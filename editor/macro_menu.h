// The macro menu of the world editor, which replaces the selected object's
// local logic with a ready-made set of sentences for a player character: its
// macro icons and its close icon.
#pragma once

#include "core/screen.h"

namespace tf {

Screen& macroMenu();

}  // namespace tf
