// The image chooser over the editors' screens, in which the user picks an
// image for a tile range, an object, a menu background, a button or an
// animation: its rows of images, its arrows and its close icon.
#pragma once

#include "core/screen.h"

namespace tf {

Screen& imageChooser();

}  // namespace tf
