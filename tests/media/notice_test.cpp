// Breaking short messages into the notice box's lines: where a line ends,
// what counts towards its length, and which line is the longest.
#include "media/notice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string x(int n) { return std::string(n, 'x'); }

TEST(LineBreak, ASpaceMovesTheLineOnAfterEvery25CountedCharacters) {
  // The first character and caret codes are not counted; codes stay in the line.
  const struct {
    std::string text;
    std::vector<std::string> lines;  // up to the last line
  } cases[] = {
      {x(25) + " y", {x(25) + " y"}},
      {x(26) + " y", {x(26) + " ", "y"}},
      {x(29) + " ", {x(29) + " ", ""}},  // a trailing space leaves an empty last line
      {"^y" + x(20) + "^w ^r" + x(10) + "^^ tail", {"^y" + x(20) + "^w ^r" + x(10) + "^^ ", "tail"}},
      {x(40) + "^ y", {x(40) + "^ y"}},  // a space that is a code character counts for nothing
      {x(60) + " y z", {x(60) + " ", "", "y z"}},  // a long word jumps straight to its line
      {x(130) + " a b", {x(130) + " ", "", "", "", "a b"}},  // there is no sixth line
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    tf::BrokenText broken = tf::breakIntoLines(c.text);
    EXPECT_EQ(broken.lastLine + 1, static_cast<int>(c.lines.size()));
    for (int j = 0; j < tf::kMaxBrokenLines; ++j) {
      EXPECT_EQ(broken.lines[j], j < static_cast<int>(c.lines.size()) ? c.lines[j] : "") << j;
    }
  }
}

}  // namespace
