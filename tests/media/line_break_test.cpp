// Breaking tooltip and notice texts into lines.
#include "media/line_break.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Four-letter words separated by single spaces, `length` characters long:
// a space at every fifth character.
std::string words(std::size_t length) {
  std::string text;
  while (text.size() < length) text += text.size() % 5 == 4 ? ' ' : 'w';
  return text;
}

TEST(LineBreak, FourLetterWordsBreakAfterTheSpacesAt30And55And80) {
  tf::BrokenText broken = tf::breakIntoLines(words(100));
  EXPECT_EQ(broken.lastLine, 3);
  EXPECT_EQ(broken.lines[0], words(30));
  EXPECT_EQ(broken.lines[1].size(), 25u);
  EXPECT_EQ(broken.lines[2].size(), 25u);
  EXPECT_EQ(broken.lines[3].size(), 20u);
  EXPECT_EQ(broken.lines[0].back(), ' ');  // the space ends the earlier line
  EXPECT_EQ(broken.lines[4], "");
}

TEST(LineBreak, ShortTextsTakeOneLineAndSixtyCharactersThree) {
  EXPECT_EQ(tf::breakIntoLines("").lastLine, 0);
  EXPECT_EQ(tf::breakIntoLines(words(25)).lastLine, 0);
  // The space at the 30th character is only the 29th counted: the first
  // character does not count, so a line takes 26 counted characters.
  EXPECT_EQ(tf::breakIntoLines(words(29)).lastLine, 0);
  tf::BrokenText forty = tf::breakIntoLines(words(40));
  EXPECT_EQ(forty.lastLine, 1);
  EXPECT_EQ(forty.lines[0].size(), 30u);
  EXPECT_EQ(forty.lines[1], words(10));
  EXPECT_EQ(tf::breakIntoLines(words(60)).lastLine, 2);
}

TEST(LineBreak, TheFirstCharacterIsNotCounted) {
  // 25 characters and the space: the space is the 25th counted, not more
  // than 25.
  std::string text = std::string(25, 'x') + " y";
  EXPECT_EQ(tf::breakIntoLines(text).lastLine, 0);
  text = std::string(26, 'x') + " y";
  tf::BrokenText broken = tf::breakIntoLines(text);
  EXPECT_EQ(broken.lastLine, 1);
  EXPECT_EQ(broken.lines[1], "y");
}

TEST(LineBreak, CaretCodesStayInTheLineButAreNotCounted) {
  std::string plain = std::string(20, 'x') + " " + std::string(10, 'x') + " tail";
  std::string coloured = "^y" + std::string(20, 'x') + "^w ^r" + std::string(10, 'x') + "^^ tail";
  tf::BrokenText a = tf::breakIntoLines(plain);
  tf::BrokenText b = tf::breakIntoLines(coloured);
  EXPECT_EQ(a.lastLine, 1);
  EXPECT_EQ(b.lastLine, 1);
  EXPECT_EQ(b.lines[0], "^y" + std::string(20, 'x') + "^w ^r" + std::string(10, 'x') + "^^ ");
  EXPECT_EQ(b.lines[1], "tail");
  // A space that is a code character does not move the line on.
  std::string codeSpace = std::string(40, 'x') + "^ y";
  EXPECT_EQ(tf::breakIntoLines(codeSpace).lastLine, 0);
  // A caret at the very end stays in the line.
  EXPECT_EQ(tf::breakIntoLines("ab^").lines[0], "ab^");
}

TEST(LineBreak, LinesOnlyMoveForwardAndStopAtTheFifth) {
  // A long word jumps past several thresholds at once: the next space moves
  // the text straight to the line for the count reached.
  std::string text = std::string(60, 'x') + " y z";
  tf::BrokenText jump = tf::breakIntoLines(text);
  EXPECT_EQ(jump.lastLine, 2);
  EXPECT_EQ(jump.lines[0], std::string(60, 'x') + " ");
  EXPECT_EQ(jump.lines[1], "");
  EXPECT_EQ(jump.lines[2], "y z");

  tf::BrokenText longText = tf::breakIntoLines(words(200));
  EXPECT_EQ(longText.lastLine, 4);
  EXPECT_EQ(longText.lines[4].size(), 200u - 105u);  // everything beyond stays on the last line
}

TEST(LineBreak, ATrailingSpaceCanLeaveAnEmptyLastLine) {
  tf::BrokenText broken = tf::breakIntoLines(words(30));
  EXPECT_EQ(broken.lastLine, 1);
  EXPECT_EQ(broken.lines[1], "");
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
