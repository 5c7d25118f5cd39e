// Breaking a short message into the lines of a tooltip or a notice box: the
// line moves on at the first space after every 25 visible characters, up to
// five lines. Caret codes stay in the lines, so colours carry on.
#pragma once

#include <string>

namespace tf {

constexpr int kMaxBrokenLines = 5;

struct BrokenText {
  std::string lines[kMaxBrokenLines];
  // The line the walk ended on; it may be empty when the text ends with a
  // space that moved the line on.
  int lastLine = 0;
};

// Characters are appended to the current line; a caret and its code
// character, and the text's first character, are not counted. At a counted
// space the line moves on to 1 once more than 25 characters were counted, to
// 2 after 50, 3 after 75 and 4 after 100; the space ends the earlier line.
BrokenText breakIntoLines(const std::string& text);

// The index of the line with the most characters, caret codes included; the
// first such line on a tie.
int longestLine(const BrokenText& text);

}  // namespace tf
