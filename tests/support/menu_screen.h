// Where the elements of a menu lie on the 800 x 600 screen, as it draws them,
// and the check that a menu set is laid out cleanly: every element on the
// screen and none touching another, buttons at their hovered size.
#pragma once

#include <string>
#include <vector>

namespace tftest {

struct ScreenBox {
  float left, top, right, bottom;
  std::string what;
};

bool overlap(const ScreenBox& a, const ScreenBox& b);
// Where a text starting at (x, y) lies: its first glyph is centred on x.
ScreenBox textBox(float x, float y, const std::string& text, const std::string& what);
// Every element of menu m of the menu model as the screen shows it.
std::vector<ScreenBox> menuElementBoxes(int m);
// Checks every menu of the menu model with Google Test expectations.
void expectCleanMenuLayout();

}  // namespace tftest
