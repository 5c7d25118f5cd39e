// The panels the editors draw over their screens, each a screen of its own:
// the image chooser, in which the user picks an image for a tile range, an
// object, a menu background, a button or an animation; and the world editor's
// macro menu (macro_menu.h), which gives the selected object a ready-made
// player's logic.
// The welcome window and the tips bar have modules of their own
// (welcome_window.h, tips_bar.h).
#pragma once

#include "core/screen.h"

namespace tf {

Screen& imageChooser();
Screen& macroMenu();

}  // namespace tf
