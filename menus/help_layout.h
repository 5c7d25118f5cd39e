// Where the help window puts its parts: the topic titles down the left with
// their pick rectangles, the header, and the lines of the shown topic. The
// drawing is in help_gl.cpp.
#pragma once

#include <string>

#include "menus/menu_layout.h"

namespace tf {

// Topic `t`'s title: where it is written and the rectangle that selects it
// (and, for the shown topic, is highlighted).
struct HelpTopicRow {
  float titleX = 0, titleY = 0;
  ScreenRect pick;
};
HelpTopicRow helpTopicRow(int t, const std::string& title);

// The header above the lines: the help title and the shown topic's title.
std::string helpHeader();
void helpHeaderPosition(float& x, float& y);
// Where line `l` of the shown topic is written.
void helpLinePosition(int l, float& x, float& y);

}  // namespace tf
