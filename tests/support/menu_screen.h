// The check that a menu set is laid out cleanly on the 800 x 600 screen, as
// it draws it: every element on the screen and none touching another,
// buttons at their hovered size.
#pragma once

namespace tftest {

// Checks every menu of the menu model with Google Test expectations.
void expectCleanMenuLayout();

}  // namespace tftest
