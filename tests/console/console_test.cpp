// The console's own state: the history newest first and its scrolling,
// typing, the slide in and out frame by frame, the caret blink, opening and
// closing by key and by button, and the layout of a frame (ten lines at most,
// whatever the length of the history).
#include "console/console.h"

#include <gtest/gtest.h>

#include <string>

#include "console/console_view.h"
#include "core/system.h"
#include "game_tree.h"
#include "manual_clock.h"
#include "settings_guard.h"

using tf::debugConsole;

namespace {

// Frames until a console opened from closed is fully open, and from open
// until it is closed again.
constexpr int kFramesToSlideIn = 15;
constexpr int kFramesToSlideOut = 15;

void openFully(debugConsole& c) {
  c.enableConsole();
  while (c.getAnimState() != tf::kConsoleOpen) ASSERT_TRUE(c.beginFrame(true));
}

debugConsole withLines(int count) {
  debugConsole c;
  for (int i = 0; i < count; ++i) c.echo("line " + std::to_string(i));
  return c;
}

TEST(ConsoleHistory, TheNewestLineIsLineZero) {
  debugConsole c;
  EXPECT_EQ(c.getLineCount(), 0);
  EXPECT_EQ(c.getLine(0), "");
  c.echo("first");
  c.echo("second");
  c.echo("");
  EXPECT_EQ(c.getLineCount(), 3);
  EXPECT_EQ(c.getLine(0), "");
  EXPECT_EQ(c.getLine(1), "second");
  EXPECT_EQ(c.getLine(2), "first");
  EXPECT_EQ(c.getLine(3), "");
  EXPECT_EQ(c.getLine(-1), "");
}

TEST(ConsoleHistory, ScrollingStopsAtBothEnds) {
  debugConsole c = withLines(3);
  c.scrollNewer();
  EXPECT_EQ(c.getCurrentLine(), 0);
  c.scrollOlder();
  c.scrollOlder();
  EXPECT_EQ(c.getCurrentLine(), 2);
  c.scrollOlder();  // line 2 is the oldest
  EXPECT_EQ(c.getCurrentLine(), 2);
  c.scrollNewer();
  EXPECT_EQ(c.getCurrentLine(), 1);
  c.scrollNewest();
  EXPECT_EQ(c.getCurrentLine(), 0);
  c.scrollOldest();
  EXPECT_EQ(c.getCurrentLine(), 2);

  // The scroll position is kept as new lines arrive.
  c.echo("new");
  EXPECT_EQ(c.getCurrentLine(), 2);
  EXPECT_EQ(c.getLine(c.getCurrentLine()), "line 1");

  c.setCurrentLine(4);  // there are four lines: 0..3
  EXPECT_EQ(c.getCurrentLine(), 2);
  c.setCurrentLine(-1);
  EXPECT_EQ(c.getCurrentLine(), 2);
  c.setCurrentLine(3);
  EXPECT_EQ(c.getCurrentLine(), 3);

  debugConsole empty;
  empty.scrollOldest();
  empty.scrollOlder();
  EXPECT_EQ(empty.getCurrentLine(), 0);
}

TEST(ConsoleTyping, CharactersAppendBackspaceRemovesAndTheBackQuoteIsIgnored) {
  tftest::SettingsGuard guard;
  debugConsole c;
  c.backspace();  // nothing to remove
  EXPECT_EQ(c.getCommandLine(), "");
  for (char ch : std::string("ec`ho a")) c.typeCharacter(ch);
  EXPECT_EQ(c.getCommandLine(), "echo a");
  c.typeCharacter(' ');
  c.typeCharacter('b');
  c.backspace();
  EXPECT_EQ(c.getCommandLine(), "echo a ");
  c.typeCharacter('z');
  c.submit();
  EXPECT_EQ(c.getCommandLine(), "");
  EXPECT_EQ(c.getLine(3), "^wYou have entered: ^yecho a z");
  EXPECT_EQ(c.getLine(1), "a z");
}

class ConsoleSlide : public ::testing::Test {
 protected:
  tftest::SettingsGuard guard;
  debugConsole c;
};

TEST_F(ConsoleSlide, ItSlidesInTenUnitsAFrameAndThenStaysOpen) {
  EXPECT_FALSE(c.beginFrame(true));  // closed: nothing to draw
  EXPECT_EQ(c.getConsoleY(), tf::kConsoleClosedY);
  c.enableConsole();
  EXPECT_TRUE(c.getConsoleState());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
  EXPECT_EQ(c.getAnimState(), tf::kConsoleOpening);
  for (int frame = 1; frame <= kFramesToSlideIn; ++frame) {
    ASSERT_TRUE(c.beginFrame(true));
    EXPECT_EQ(c.getConsoleY(), -70 + 10 * frame) << frame;
    EXPECT_EQ(c.getAnimState(), tf::kConsoleOpening) << frame;
  }
  // At 80 it is past 78: the next frame ends the slide without moving.
  ASSERT_TRUE(c.beginFrame(true));
  EXPECT_EQ(c.getConsoleY(), 80);
  EXPECT_EQ(c.getAnimState(), tf::kConsoleOpen);
  for (int frame = 0; frame < 5; ++frame) ASSERT_TRUE(c.beginFrame(true));
  EXPECT_EQ(c.getConsoleY(), 80);
}

TEST_F(ConsoleSlide, ItSlidesOutAndIsDrawnUntilTheSlideEnds) {
  openFully(c);
  c.disableConsole();
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_TRUE(c.getConsoleState());
  EXPECT_EQ(c.getAnimState(), tf::kConsoleClosing);
  for (int frame = 1; frame < kFramesToSlideOut; ++frame) {
    ASSERT_TRUE(c.beginFrame(true)) << frame;
    EXPECT_EQ(c.getConsoleY(), 80 - 10 * frame) << frame;
    // The keys are the program's again while the panel goes away.
    EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  }
  EXPECT_FALSE(c.beginFrame(true));
  EXPECT_FALSE(c.getConsoleState());
  EXPECT_EQ(c.getAnimState(), tf::kConsoleClosed);
  EXPECT_EQ(c.getConsoleY(), tf::kConsoleClosedY);
  EXPECT_FALSE(c.beginFrame(true));
}

TEST_F(ConsoleSlide, ClosingWhileItSlidesInSendsItBackFromWhereItIs) {
  c.enableConsole();
  for (int frame = 0; frame < 5; ++frame) c.beginFrame(true);
  EXPECT_EQ(c.getConsoleY(), -20);
  c.disableConsole();
  for (int frame = 1; frame < 5; ++frame) {
    ASSERT_TRUE(c.beginFrame(true));
    EXPECT_EQ(c.getConsoleY(), -20 - 10 * frame);
  }
  EXPECT_FALSE(c.beginFrame(true));
  // Opened again, it comes down from the top.
  c.enableConsole();
  c.beginFrame(true);
  EXPECT_EQ(c.getConsoleY(), -60);
}

TEST_F(ConsoleSlide, OpeningWhileItSlidesOutBringsItBackDown) {
  openFully(c);
  c.disableConsole();
  for (int frame = 0; frame < 3; ++frame) c.beginFrame(true);
  EXPECT_EQ(c.getConsoleY(), 50);
  c.enableConsole();
  c.beginFrame(true);
  EXPECT_EQ(c.getConsoleY(), 60);
  EXPECT_EQ(c.getAnimState(), tf::kConsoleOpening);
}

TEST_F(ConsoleSlide, APickPassDoesNotMoveThePanel) {
  c.enableConsole();
  for (int pass = 0; pass < 20; ++pass) ASSERT_TRUE(c.beginFrame(false));
  EXPECT_EQ(c.getConsoleY(), tf::kConsoleClosedY);
  EXPECT_EQ(c.getAnimState(), tf::kConsoleOpening);
}

TEST_F(ConsoleSlide, TypingStaysWithTheOpenConsole) {
  openFully(c);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);  // a click on a textbox behind it
  c.beginFrame(true);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
  tf::gameSys.setInputState(tf::kInputNormal);
  c.beginFrame(false);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);

  // Once it is sliding away, what takes the keys meanwhile keeps them.
  c.disableConsole();
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  while (c.beginFrame(true)) {
  }
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputMenuTextbox);
}

TEST(ConsoleCaret, ItBlinksEvery750Milliseconds) {
  tftest::ManualClock clock(0);
  debugConsole c;
  EXPECT_EQ(c.caretAt(0), " ");
  EXPECT_EQ(c.caretAt(750), " ");
  EXPECT_EQ(c.caretAt(751), "_");
  EXPECT_EQ(c.caretAt(1000), "_");
  EXPECT_EQ(c.caretAt(1501), "_");
  EXPECT_EQ(c.caretAt(1502), " ");
  EXPECT_EQ(c.caretAt(2253), "_");
}

class ConsoleToggle : public tftest::GameTree {
 protected:
  void SetUp() override {
    GameTree::SetUp();
    saved = tf::console;
    tf::console = debugConsole();
  }
  void TearDown() override {
    tf::console = saved;
    GameTree::TearDown();
  }
  int countPlayed(const std::string& what) const {
    int n = 0;
    for (const std::string& p : audio.played) n += p == what;
    return n;
  }
  debugConsole saved;
};

TEST_F(ConsoleToggle, TheKeyOpensWithKeyRepeatAndClosesSilently) {
  tf::toggleConsole(false);
  EXPECT_TRUE(tf::console.isOpening());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
  ASSERT_FALSE(platform.calls.empty());
  EXPECT_EQ(platform.calls.back(), "repeat on");
  tf::toggleConsole(false);
  EXPECT_EQ(tf::console.getAnimState(), tf::kConsoleClosing);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  // While it slides away the key opens it again.
  tf::toggleConsole(false);
  EXPECT_EQ(tf::console.getAnimState(), tf::kConsoleOpening);
  EXPECT_EQ(countPlayed("soundreq/open.wav once") + countPlayed("soundreq/close.wav once"), 0);
}

TEST_F(ConsoleToggle, TheButtonPlaysTheOpenAndCloseSounds) {
  tf::toggleConsole(true);
  EXPECT_EQ(countPlayed("soundreq/open.wav once"), 1);
  tf::toggleConsole(true);
  EXPECT_EQ(countPlayed("soundreq/close.wav once"), 1);
  EXPECT_EQ(tf::console.getAnimState(), tf::kConsoleClosing);
}

TEST_F(ConsoleToggle, NotDuringTheSplashPictures) {
  tf::gameSys.setGameState(tf::kStateSplash);
  tf::toggleConsole(true);
  EXPECT_FALSE(tf::console.getConsoleState());
  EXPECT_EQ(countPlayed("soundreq/open.wav once"), 0);
}

class ConsoleLayout : public ::testing::Test {
 protected:
  tftest::SettingsGuard guard;
};

TEST_F(ConsoleLayout, TenLinesAtMostFromTheScrollPositionUpwards) {
  debugConsole c = withLines(10000);
  openFully(c);
  tf::ConsoleView view = tf::consoleView(c, tf::kStateMenus, " ");
  ASSERT_EQ(view.lines.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(view.lines[k].x, 10);
    EXPECT_EQ(view.lines[k].y, 130 - 13 * k);
    EXPECT_EQ(view.lines[k].text, "^wline " + std::to_string(9999 - k));
  }
  c.setCurrentLine(5000);
  view = tf::consoleView(c, tf::kStateMenus, " ");
  ASSERT_EQ(view.lines.size(), 10u);
  EXPECT_EQ(view.lines[0].text, "^wline 4999");
  EXPECT_EQ(view.lines[9].text, "^wline 4990");
  // At the oldest line the rows above it are empty.
  c.scrollOldest();
  view = tf::consoleView(c, tf::kStateMenus, " ");
  ASSERT_EQ(view.lines.size(), 10u);
  EXPECT_EQ(view.lines[0].text, "^wline 0");
  EXPECT_EQ(view.lines[1].text, "^w");
}

TEST_F(ConsoleLayout, AShortHistorySitsAtTheBottom) {
  debugConsole c = withLines(3);
  openFully(c);
  const tf::ConsoleView view = tf::consoleView(c, tf::kStateMenus, " ");
  ASSERT_EQ(view.lines.size(), 3u);
  EXPECT_EQ(view.lines[0].y, 130);
  EXPECT_EQ(view.lines[0].text, "^wline 2");
  EXPECT_EQ(view.lines[2].y, 104);
  EXPECT_EQ(view.lines[2].text, "^wline 0");
}

TEST_F(ConsoleLayout, ThePanelAndTheCommandRowFollowTheSlide) {
  debugConsole c = withLines(30);
  c.setCommandLine("loadmap 2");
  c.enableConsole();
  for (int frame = 0; frame < 9; ++frame) c.beginFrame(true);  // y = 20
  tf::ConsoleView view = tf::consoleView(c, tf::kStateMenus, "_");
  EXPECT_EQ(view.panel.x, 400);
  EXPECT_EQ(view.panel.y, 20);
  EXPECT_EQ(view.panel.w, 400);
  EXPECT_EQ(view.panel.h, 82);
  EXPECT_FALSE(view.commandRowShown);
  // Only what the panel uncovers, below 20 x 1.9 = 38: the rows at 26 and 13.
  ASSERT_EQ(view.lines.size(), 2u);
  EXPECT_EQ(view.lines[0].y, 26);
  EXPECT_EQ(view.lines[1].y, 13);

  openFully(c);
  view = tf::consoleView(c, tf::kStateMenus, "_");
  EXPECT_EQ(view.panel.y, 80);
  EXPECT_TRUE(view.commandRowShown);
  EXPECT_EQ(view.command.x, 10);
  EXPECT_EQ(view.command.y, 149);
  EXPECT_EQ(view.command.text, ": loadmap 2_");
  EXPECT_EQ(view.lines.size(), 10u);
  EXPECT_EQ(tf::consoleView(c, tf::kStateMenus, " ").command.text, ": loadmap 2 ");
}

TEST_F(ConsoleLayout, InPlayTheWholeScreenIsBlocked) {
  debugConsole c;
  for (int state = tf::kStateMenus; state <= tf::kStatePlaytest; ++state) {
    const bool playing = state == tf::kStatePlay || state == tf::kStatePlaytest;
    EXPECT_EQ(tf::consoleView(c, state, " ").blockWholeScreen, playing) << state;
  }
}

}  // namespace
