// The console's history and scrolling, typing, caret, slide, opening and
// closing, and the lines a frame shows.
#include "console/console.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console_view.h"
#include "core/system.h"
#include "game_tree.h"
#include "settings_guard.h"

using tf::debugConsole;
using Ys = std::vector<float>;

namespace {

void echoLines(debugConsole& c, int count) {
  for (int i = 0; i < count; ++i) c.echo("line " + std::to_string(i));
}

// The panel's place after each drawn frame, for `frames` frames or until the console has closed.
Ys slide(debugConsole& c, int frames) {
  Ys ys;
  for (int i = 0; i < frames && c.beginFrame(true); ++i) ys.push_back(c.getConsoleY());
  return ys;
}

// from, from +- 10, ..., to.
Ys tens(float from, float to) {
  Ys ys;
  for (float y = from; from < to ? y <= to : y >= to; y += from < to ? 10 : -10) ys.push_back(y);
  return ys;
}

TEST(ConsoleHistory, NewestFirstAndScrollingStopsAtBothEnds) {
  debugConsole c;
  c.scrollOldest();
  c.scrollOlder();
  EXPECT_EQ(c.getCurrentLine(), 0);
  echoLines(c, 3);
  for (auto line : {std::pair<int, const char*>{0, "line 2"}, {2, "line 0"}, {3, ""}, {-1, ""}}) {
    EXPECT_EQ(c.getLine(line.first), line.second) << line.first;
  }
  std::string at;  // the scroll position after each step
  for (auto scroll : {&debugConsole::scrollNewer, &debugConsole::scrollOlder, &debugConsole::scrollOlder,
                      &debugConsole::scrollOlder, &debugConsole::scrollNewer, &debugConsole::scrollNewest,
                      &debugConsole::scrollOldest}) {
    (c.*scroll)();
    at += std::to_string(c.getCurrentLine());
  }
  EXPECT_EQ(at, "0122102");
  c.echo("new");  // the scroll position is kept as new lines arrive
  EXPECT_EQ(c.getLine(c.getCurrentLine()), "line 1");
  for (int bad : {4, -1}) c.setCurrentLine(bad);
  EXPECT_EQ(c.getCurrentLine(), 2);
  c.setCurrentLine(3);
  EXPECT_EQ(c.getCurrentLine(), 3);
}

TEST(ConsoleTyping, CharactersAppendBackspaceRemovesTheBackQuoteIsIgnoredAndTheCaretBlinks) {
  debugConsole c;
  c.backspace();  // nothing to remove
  for (char ch : std::string("ec`ho a bb")) c.typeCharacter(ch);
  c.backspace();
  EXPECT_EQ(c.getCommandLine(), "echo a b");
  c.submit();
  EXPECT_EQ(c.getCommandLine(), "");
  EXPECT_EQ(c.getLine(3), "^wYou have entered: ^yecho a b");
  EXPECT_EQ(c.getLine(1), "a b");
  // Hidden first, then switched every 750 ms.
  std::string caret;
  for (int now : {0, 750, 751, 1501, 1502}) caret += c.caretAt(now);
  EXPECT_EQ(caret, "  __ ");
}

class ConsoleFrames : public ::testing::Test {
 protected:
  tftest::SettingsGuard guard;
  debugConsole c;
};

TEST_F(ConsoleFrames, InAndOutTenUnitsAFrameDrawnUntilTheSlideEnds) {
  EXPECT_FALSE(c.beginFrame(true));  // closed: nothing to draw
  c.enableConsole();
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
  for (int pass = 0; pass < 20; ++pass) ASSERT_TRUE(c.beginFrame(false));
  EXPECT_EQ(c.getConsoleY(), tf::kConsoleClosedY);  // pick passes do not move it
  // At 80 it is past 78: the next frame ends the slide without moving.
  Ys in = tens(-60, 80);
  in.push_back(80);
  EXPECT_EQ(slide(c, 16), in);
  EXPECT_EQ(c.getAnimState(), tf::kConsoleOpen);
  EXPECT_EQ(slide(c, 2), (Ys{80, 80}));

  c.disableConsole();
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(slide(c, 20), tens(70, -60));
  EXPECT_FALSE(c.getConsoleState());

  // Opened again it comes from the top; turned back midway, it goes from where it is.
  c.enableConsole();
  slide(c, 5);
  c.disableConsole();
  EXPECT_EQ(slide(c, 20), tens(-30, -60));
  c.enableConsole();
  EXPECT_EQ(slide(c, 16), in);
  c.disableConsole();
  slide(c, 3);
  c.enableConsole();
  EXPECT_EQ(slide(c, 1), Ys{60});
}

TEST_F(ConsoleFrames, TypingStaysWithTheOpenConsoleNotWithOneSlidingAway) {
  c.enableConsole();
  slide(c, 20);
  for (bool advance : {true, false}) {
    tf::gameSys.setInputState(tf::kInputMenuTextbox);  // a click on a textbox behind it
    c.beginFrame(advance);
    EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
  }
  // Sliding away, what takes the keys keeps them; the console's own hold ends with the slide.
  for (int taker : {tf::kInputMenuTextbox, tf::kInputConsole}) {
    c.disableConsole();
    tf::gameSys.setInputState(taker);
    slide(c, 20);
    EXPECT_EQ(tf::gameSys.getInputState(), taker == tf::kInputConsole ? tf::kInputNormal : taker);
    c.enableConsole();
    slide(c, 20);
  }
}

TEST(ConsoleView, TenLinesAtMostFromTheScrollPositionUpwardsAndClicksStoppedInPlay) {
  tftest::SettingsGuard guard;
  debugConsole c;
  echoLines(c, 10000);
  c.setCommandLine("loadmap 2");
  c.enableConsole();
  slide(c, 20);
  for (int current : {0, 5000, 9999}) {
    c.setCurrentLine(current);
    const tf::ConsoleView view = tf::consoleView(c, tf::kStateMenus, "_");
    ASSERT_EQ(view.lines.size(), 10u);
    for (int k = 0; k < 10; ++k) {
      const int line = 9999 - current - k;  // at the oldest line the rows above it are empty
      EXPECT_EQ(view.lines[k].text, line < 0 ? "^w" : "^wline " + std::to_string(line)) << current << " " << k;
    }
    EXPECT_EQ(view.command.text, ": loadmap 2_");
  }
  for (int state = tf::kStateMenus; state <= tf::kStatePlaytest; ++state) {
    const bool playing = state == tf::kStatePlay || state == tf::kStatePlaytest;
    EXPECT_EQ(tf::consoleView(c, state, " ").blockWholeScreen, playing) << state;
  }
}

using ConsoleToggle = tftest::GameTree;

TEST_F(ConsoleToggle, TheKeyOpensWithKeyRepeatTheButtonWithSoundsNotDuringTheSplash) {
  tf::console = debugConsole();
  tf::toggleConsole(false);
  EXPECT_TRUE(tf::console.isOpening());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
  EXPECT_EQ(platform.calls, std::vector<std::string>{"repeat on"});
  tf::toggleConsole(false);
  EXPECT_EQ(tf::console.getAnimState(), tf::kConsoleClosing);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_TRUE(audio.played.empty());
  tf::toggleConsole(true);  // while it slides away it opens again
  EXPECT_EQ(tf::console.getAnimState(), tf::kConsoleOpening);
  tf::toggleConsole(true);
  tf::console = debugConsole();
  tf::gameSys.setGameState(tf::kStateSplash);
  tf::toggleConsole(true);
  EXPECT_FALSE(tf::console.getConsoleState());
  EXPECT_EQ(audio.played, (std::vector<std::string>{"soundreq/open.wav once", "soundreq/close.wav once"}));
  tf::console = debugConsole();
}

}  // namespace
