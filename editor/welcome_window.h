// The welcome window that introduces each editor and greets a new user,
// drawn over every screen but the splash while it is open: its text and its
// close icon.
#pragma once

#include "core/screen.h"

namespace tf {

Screen& welcomeWindow();

}  // namespace tf
