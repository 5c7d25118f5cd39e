// The panels the editors draw over their screens, each a screen of its own:
// the image chooser, in which the user picks an image for a tile range, an
// object, a menu background, a button or an animation; the world editor's
// macro menu, which gives the selected object a ready-made player's logic; the
// welcome window that introduces each editor and greets a new user; and the
// one-line tips bar at the top left of the editors.
#pragma once

#include "core/screen.h"

namespace tf {

Screen& imageChooser();
Screen& macroMenu();
Screen& welcomeWindow();
Screen& tipsBar();

}  // namespace tf
