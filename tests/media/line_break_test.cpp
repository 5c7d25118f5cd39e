// Breaking tooltip and notice texts into lines.
#include "media/line_break.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Four-letter words separated by single spaces: a space at every fifth character.
std::string words(std::size_t length) {
  std::string text;
  while (text.size() < length) text += text.size() % 5 == 4 ? ' ' : 'w';
  return text;
}

std::string x(int n) { return std::string(n, 'x'); }

TEST(LineBreak, ASpaceMovesTheLineOnAfterEvery25CountedCharacters) {
  // The first character and caret codes are not counted; codes stay in the line.
  const std::string hundred = words(100), twoHundred = words(200);
  const struct {
    std::string text;
    std::vector<std::string> lines;  // up to the last line
  } cases[] = {
      {"", {""}},
      {words(29), {words(29)}},  // its last space is only the 28th counted
      {x(25) + " y", {x(25) + " y"}},
      {x(26) + " y", {x(26) + " ", "y"}},
      {words(30), {words(30), ""}},  // a trailing space leaves an empty last line
      {hundred, {hundred.substr(0, 30), hundred.substr(30, 25), hundred.substr(55, 25), hundred.substr(80)}},
      {"^y" + x(20) + "^w ^r" + x(10) + "^^ tail", {"^y" + x(20) + "^w ^r" + x(10) + "^^ ", "tail"}},
      {x(40) + "^ y", {x(40) + "^ y"}},  // a space that is a code character counts for nothing
      {"ab^", {"ab^"}},
      {x(60) + " y z", {x(60) + " ", "", "y z"}},  // a long word jumps straight to its line
      {twoHundred, {twoHundred.substr(0, 30), twoHundred.substr(30, 25), twoHundred.substr(55, 25),
                    twoHundred.substr(80, 25), twoHundred.substr(105)}},  // the fifth line takes the rest
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

TEST(LineBreak, TheLongestLineCountsCaretCodesAndPrefersTheFirst) {
  tf::BrokenText broken;
  broken.lines[0] = "abc";
  broken.lines[1] = "^y^wab";
  broken.lines[2] = "abcdef";
  broken.lastLine = 2;
  EXPECT_EQ(tf::longestLine(broken), 1);
  broken.lines[2] = "abcdefg";
  EXPECT_EQ(tf::longestLine(broken), 2);
  broken.lines[0] = "abcdefg";
  EXPECT_EQ(tf::longestLine(broken), 0);
  broken.lines[3] = "lines beyond the last one are not looked at";
  EXPECT_EQ(tf::longestLine(broken), 0);
}

}  // namespace
