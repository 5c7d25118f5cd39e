// Breaking short messages into lines, and the notice box's rules: which
// notices are shown, hidden or dropped, and where the box and its lines go.
#include "media/notice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/system.h"
#include "messages.h"

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
  const struct {
    std::string text;
    std::vector<std::string> lines;  // up to the last line
  } cases[] = {
      {"", {""}},
      {words(29), {words(29)}},  // its last space is only the 28th counted
      {x(25) + " y", {x(25) + " y"}},
      {x(26) + " y", {x(26) + " ", "y"}},
      {words(30), {words(30), ""}},  // a trailing space leaves an empty last line
      {"^y" + x(20) + "^w ^r" + x(10) + "^^ tail", {"^y" + x(20) + "^w ^r" + x(10) + "^^ ", "tail"}},
      {x(40) + "^ y", {x(40) + "^ y"}},  // a space that is a code character counts for nothing
      {"ab^", {"ab^"}},
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
  // The longest line counts caret codes, prefers the first and ends at the last line.
  const tf::BrokenText broken{{"abc", "^y^wab", "abcdef", "lines beyond the last one are not looked at"}, 2};
  EXPECT_EQ(tf::longestLine(broken), 1);
}

class Notice : public ::testing::Test {
 protected:
  void SetUp() override { tf::gameSys.setDisableMouseState(false); }
  void TearDown() override {
    tf::gameSys = saved;
    tf::notice.setNotice("", "");
    tf::notice.leaveNotice();
  }
  static std::string held() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return title + "|" + message + "|" + std::to_string(time);
  }
  tf::System saved = tf::gameSys;
  tf::NoticeLayout layout;
};

TEST_F(Notice, ANewNoticeReplacesTheOneShownAndStaysUntilDismissedOrTheMouseIsOff) {
  tf::notice.setNotice("First", "one");
  tf::notice.setNotice("Second", "two");
  for (int frame = 0; frame < 3; ++frame) ASSERT_TRUE(tf::prepareNotice(layout));
  EXPECT_EQ(layout.title + layout.lines[0], "^2Secondtwo");
  tf::notice.leaveNotice();
  EXPECT_FALSE(tf::prepareNotice(layout));

  tf::notice.setNotice("Loading", "while the mouse is off");
  tf::gameSys.setDisableMouseState(true);
  EXPECT_FALSE(tf::prepareNotice(layout));
  tf::gameSys.setDisableMouseState(false);
  EXPECT_FALSE(tf::prepareNotice(layout));  // hidden for good
}

TEST_F(Notice, EmptyOrTooLongNoticesAreDroppedWithoutAWord) {
  tftest::MessageLog messages;
  const struct {
    std::string title, message;
    bool shown;
  } cases[] = {{std::string(30, 't'), "m", true},  {std::string(31, 't'), "m", false},
               {"T", std::string(100, 'm'), true}, {"T", std::string(101, 'm'), false},
               {"", "m", false},                   {"T", "", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.title.size()) + " " + std::to_string(c.message.size()));
    tf::notice.setNotice(c.title, c.message);
    EXPECT_EQ(tf::prepareNotice(layout), c.shown);
    EXPECT_EQ(held(), c.shown ? c.title + "|" + c.message + "|1" : "a|a|-1");  // a dropped notice is cleared
  }
  EXPECT_TRUE(messages.lines().empty());
}

TEST_F(Notice, TheBoxFitsTheLineWithMostCharactersAndGrowsWithTheLines) {
  // Line 0 of `codes` holds the most characters (its codes included) though
  // line 1 is wider on screen: the box is sized by line 0's 26 glyphs.
  const std::string codes = "^y^w^y^w^y^wabcdefghijklmnopqrstuvwxy ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ";
  std::string full = words(100);
  full.back() = 'w';
  const struct {
    std::string message;
    int lastLine, boxX, boxHalfWidth, boxHalfHeight, titleY, firstLineY;
  } cases[] = {
      {full, 4, 120 + 135, 145, 52, 44, 58},
      {"Sound is off", 1, 120 + 54, 64, 34, 62, 76},  // 12 glyphs, 108 wide
      {codes, 2, 120 + 117, 127, 40, 56, 70},
  };
  for (const auto& c : cases) {  // the same layout each time: a shorter notice clears the lines after it
    SCOPED_TRACE(c.message);
    tf::notice.setNotice("Title", c.message);
    ASSERT_TRUE(tf::prepareNotice(layout));
    EXPECT_EQ(layout.title, "^2Title");
    ASSERT_EQ(layout.lastLine, c.lastLine);
    const tf::BrokenText broken = tf::breakIntoLines(c.message);
    for (int j = 0; j < c.lastLine; ++j) EXPECT_EQ(layout.lines[j], broken.lines[j]) << j;
    EXPECT_EQ(layout.lines[c.lastLine], "^d(Click to dismiss)");
    for (int j = c.lastLine + 1; j <= tf::kMaxBrokenLines; ++j) EXPECT_EQ(layout.lines[j], "") << j;
    EXPECT_EQ(std::vector<int>({layout.boxX, layout.boxY, layout.boxHalfWidth, layout.boxHalfHeight, layout.textX,
                                layout.titleY, layout.firstLineY, layout.lineSpacing}),
              std::vector<int>({c.boxX, 75, c.boxHalfWidth, c.boxHalfHeight, 124, c.titleY, c.firstLineY, 14}));
  }
}

}  // namespace
