// The one-line tips bar at the top left of the editors: the tip shown and the
// two arrows that step through the tips of the world editor and of the menu
// editor.
#pragma once

#include "core/screen.h"

namespace tf {

Screen& tipsBar();

}  // namespace tf
