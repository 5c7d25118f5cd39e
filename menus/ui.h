// The menu system as the rest of the program uses it: the model of menus,
// buttons, textboxes and text lines with the global gameUI, and the reading
// and writing of menu files.
#pragma once

#include "menus/ui_file.h"
#include "menus/ui_model.h"
