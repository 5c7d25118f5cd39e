// Breaking short messages into the notice box's lines: where a line ends,
// what counts towards its length, and which line is the longest; the longest
// title and message a notice shows.
#include "media/notice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string x(int n) { return std::string(n, 'x'); }

TEST(LineBreak, ASpaceMovesTheLineOnAfterEvery25CountedCharacters) {
  // The first character and caret codes are not counted; codes stay in the line.
  // The longest line counts caret codes too; the first one wins a tie.
  const struct {
    std::string text;
    std::vector<std::string> lines;  // up to the last line
    int longest;
  } cases[] = {
      {x(25) + " y", {x(25) + " y"}, 0},
      {x(26) + " y", {x(26) + " ", "y"}, 0},
      {x(29) + " ", {x(29) + " ", ""}, 0},  // a trailing space leaves an empty last line
      {"^y" + x(20) + "^w ^r" + x(10) + "^^ tail", {"^y" + x(20) + "^w ^r" + x(10) + "^^ ", "tail"}, 0},
      {x(40) + "^ y", {x(40) + "^ y"}, 0},  // a space that is a code character counts for nothing
      {x(60) + " y z", {x(60) + " ", "", "y z"}, 0},  // a long word jumps straight to its line
      {x(130) + " a b", {x(130) + " ", "", "", "", "a b"}, 0},  // there is no sixth line
      {x(26) + " " + x(30), {x(26) + " ", x(30)}, 1},
      {x(26) + " " + x(27), {x(26) + " ", x(27)}, 0},
      {x(26) + " ^r^r" + x(24), {x(26) + " ", "^r^r" + x(24)}, 1},
      {x(26) + " " + x(26) + " " + x(40), {x(26) + " ", x(26) + " ", x(40)}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    tf::BrokenText broken = tf::breakIntoLines(c.text);
    EXPECT_EQ(tf::longestLine(broken), c.longest);
    EXPECT_EQ(broken.lastLine + 1, static_cast<int>(c.lines.size()));
    for (int j = 0; j < tf::kMaxBrokenLines; ++j) {
      EXPECT_EQ(broken.lines[j], j < static_cast<int>(c.lines.size()) ? c.lines[j] : "") << j;
    }
  }
}

TEST(Notice, TitlesUpTo30AndMessagesUpTo100CharactersAreShownLongerOnesDropped) {
  const struct {
    std::string title, message;
    bool shown;
  } notices[] = {
      {x(30), x(100), true}, {x(31), "short", false}, {"Title", x(101), false},
      {"", "message", false}, {"Title", "", false},
  };
  for (const auto& n : notices) {
    SCOPED_TRACE(std::to_string(n.title.size()) + " " + std::to_string(n.message.size()));
    tf::notice.setNotice(n.title, n.message);
    tf::NoticeLayout layout;
    EXPECT_EQ(tf::prepareNotice(layout), n.shown);
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    EXPECT_EQ(time, n.shown ? 1 : -1);
    // A dropped notice is forgotten without a word; a shown one has its title.
    EXPECT_EQ(n.shown ? layout.title : title + message, n.shown ? "^2" + n.title : "aa");
  }
  tf::notice.leaveNotice();
}

}  // namespace
