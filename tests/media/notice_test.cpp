// The notice box's rules: which notices are shown, hidden or dropped, and
// where the box and its lines go.
#include "media/notice.h"

#include <gtest/gtest.h>

#include <string>

#include "core/system.h"
#include "messages.h"

namespace {

class Notice : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = tf::gameSys;
    tf::gameSys.setDisableMouseState(false);
  }
  void TearDown() override {
    tf::gameSys = saved;
    tf::notice.setNotice("", "");
    tf::notice.leaveNotice();
  }
  static bool shown() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time == 1;
  }
  static std::string heldTitle() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return title;
  }
  tf::System saved;
};

TEST_F(Notice, ANewNoticeReplacesTheOneShownAndStaysUntilDismissed) {
  tf::notice.setNotice("First", "one");
  tf::notice.setNotice("Second", "two");
  tf::NoticeLayout layout;
  for (int frame = 0; frame < 3; ++frame) ASSERT_TRUE(tf::prepareNotice(layout));
  EXPECT_EQ(layout.title, "^2Second");
  EXPECT_EQ(layout.lines[0], "two");
  tf::notice.leaveNotice();
  EXPECT_FALSE(tf::prepareNotice(layout));
}

TEST_F(Notice, TitleAndMessageLimits) {
  tftest::MessageLog messages;
  struct Case {
    std::string title, message;
    bool shown;
  } cases[] = {
      {std::string(30, 't'), "m", true},
      {std::string(31, 't'), "m", false},
      {"T", std::string(100, 'm'), true},
      {"T", std::string(101, 'm'), false},
      {"", "m", false},
      {"T", "", false},
  };
  for (const Case& c : cases) {
    tf::notice.setNotice(c.title, c.message);
    tf::NoticeLayout layout;
    EXPECT_EQ(tf::prepareNotice(layout), c.shown) << c.title.size() << " " << c.message.size();
    EXPECT_EQ(shown(), c.shown);
    if (!c.shown) {
      EXPECT_EQ(heldTitle(), "a");  // dropped notices are cleared
      EXPECT_FALSE(tf::prepareNotice(layout));
    }
  }
  EXPECT_TRUE(messages.lines().empty());  // dropped without a word
}

TEST_F(Notice, ADisabledMouseHidesTheNoticeForGood) {
  tf::notice.setNotice("Loading", "while the mouse is off");
  tf::gameSys.setDisableMouseState(true);
  tf::NoticeLayout layout;
  EXPECT_FALSE(tf::prepareNotice(layout));
  tf::gameSys.setDisableMouseState(false);
  EXPECT_FALSE(tf::prepareNotice(layout));
  EXPECT_FALSE(shown());
}

TEST_F(Notice, OneLineMessageLayout) {
  tf::notice.setNotice("Sound", "Sound is off");  // 12 characters: 108 wide
  tf::NoticeLayout layout;
  ASSERT_TRUE(tf::prepareNotice(layout));
  EXPECT_EQ(layout.lastLine, 1);
  EXPECT_EQ(layout.lines[0], "Sound is off");
  EXPECT_EQ(layout.lines[1], "^d(Click to dismiss)");
  EXPECT_EQ(layout.lines[2], "");
  EXPECT_EQ(layout.boxX, 120 + 54);
  EXPECT_EQ(layout.boxY, 75);
  EXPECT_EQ(layout.boxHalfWidth, 64);
  EXPECT_EQ(layout.boxHalfHeight, 34);
  EXPECT_EQ(layout.textX, 124);
  EXPECT_EQ(layout.titleY, 62);
  EXPECT_EQ(layout.firstLineY, 76);
  EXPECT_EQ(layout.lineSpacing, 14);
}

TEST_F(Notice, FortyCharactersOfWordsShowAsTwoLinesAndTheDismissLine) {
  std::string message;
  while (message.size() < 40) message += message.size() % 5 == 4 ? ' ' : 'w';
  tf::notice.setNotice("Words", message);
  tf::NoticeLayout layout;
  ASSERT_TRUE(tf::prepareNotice(layout));
  EXPECT_EQ(layout.lastLine, 2);
  EXPECT_EQ(layout.lines[0], message.substr(0, 30));
  EXPECT_EQ(layout.lines[1], message.substr(30));
  EXPECT_EQ(layout.lines[2], "^d(Click to dismiss)");
  // The widest line is the first: 30 characters, 270 wide.
  EXPECT_EQ(layout.boxX, 120 + 135);
  EXPECT_EQ(layout.boxHalfWidth, 145);
  EXPECT_EQ(layout.boxHalfHeight, 28 + 12);
  EXPECT_EQ(layout.titleY, 68 - 12);
  EXPECT_EQ(layout.firstLineY, 82 - 12);
}

TEST_F(Notice, TheLineWithMostCharactersIsMeasuredCodesIncluded) {
  // Line 0 holds more characters (its codes included) but line 1 is wider on
  // screen: the box is sized by line 0.
  const std::string first = "^y^w^y^w^y^wabcdefghijklmnopqrstuvwxy ";  // 38 characters, 26 visible
  const std::string second = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ";  // 36 characters, 36 visible
  tf::notice.setNotice("Codes", first + second);
  tf::NoticeLayout layout;
  ASSERT_TRUE(tf::prepareNotice(layout));
  ASSERT_EQ(layout.lastLine, 2);
  EXPECT_EQ(layout.lines[0], first);
  EXPECT_EQ(layout.lines[1], second);
  EXPECT_EQ(layout.boxHalfWidth, 26 * 9 / 2 + 10);
}

TEST_F(Notice, AFullMessageUsesFiveLines) {
  std::string message;
  while (message.size() < 100) message += message.size() % 5 == 4 ? ' ' : 'w';
  message.back() = 'w';
  tf::notice.setNotice("Long", message);
  tf::NoticeLayout layout;
  ASSERT_TRUE(tf::prepareNotice(layout));
  EXPECT_EQ(layout.lastLine, 4);
  EXPECT_EQ(layout.lines[4], "^d(Click to dismiss)");
  EXPECT_EQ(layout.boxHalfHeight, 28 + 24);
  EXPECT_EQ(layout.titleY, 68 - 24);
}

}  // namespace
