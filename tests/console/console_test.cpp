// The console's history, typing, caret and slide, the lines a frame shows
// and the button's sounds. Its keys and buttons are driven by the input tests.
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

// Scrolling by one line and to either end is driven, with its bounds, by the input tests.
TEST(ConsoleHistory, NewestFirstAndTheScrollPositionOnlyOnAnExistingLine) {
  debugConsole c;
  c.scrollOldest();
  c.scrollOlder();
  EXPECT_EQ(c.getCurrentLine(), 0);
  echoLines(c, 3);
  for (auto line : {std::pair<int, const char*>{0, "line 2"}, {2, "line 0"}, {3, ""}, {-1, ""}}) {
    EXPECT_EQ(c.getLine(line.first), line.second) << line.first;
  }
  c.scrollOldest();
  c.echo("new");  // the scroll position is kept as new lines arrive
  EXPECT_EQ(c.getLine(c.getCurrentLine()), "line 1");
  for (int bad : {4, -1}) c.setCurrentLine(bad);
  EXPECT_EQ(c.getCurrentLine(), 2);
  c.setCurrentLine(3);
  EXPECT_EQ(c.getCurrentLine(), 3);
}

// Typing through the keys is driven by the input tests.
TEST(ConsoleTyping, TheBackQuoteIsNeverTypedEnterRunsTheLineAndTheCaretBlinksEvery750Milliseconds) {
  debugConsole c;
  c.backspace();  // nothing to remove
  for (char ch : std::string("a`bc")) c.typeCharacter(ch);
  c.backspace();
  EXPECT_EQ(c.getCommandLine(), "ab");
  c.submit();
  EXPECT_EQ(c.getCommandLine(), "");
  EXPECT_EQ(c.getLine(3), "^wYou have entered: ^yab");
  std::string caret;  // hidden first
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

TEST_F(ConsoleFrames, TenLinesAtMostFromTheScrollPositionUpwardsAndClicksStoppedInPlay) {
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
  }
  EXPECT_EQ(tf::consoleView(c, tf::kStateMenus, "_").command.text, ": loadmap 2_");
  for (int state = tf::kStateMenus; state <= tf::kStatePlaytest; ++state) {
    const bool playing = state == tf::kStatePlay || state == tf::kStatePlaytest;
    EXPECT_EQ(tf::consoleView(c, state, " ").blockWholeScreen, playing) << state;
  }
}

using ConsoleButton = tftest::GameTree;

// The key's toggling is driven by the input tests; the button also plays a sound.
TEST_F(ConsoleButton, OpensWithTheOpenSoundAndClosesWithTheCloseSound) {
  tf::console = debugConsole();
  tf::toggleConsole(true);
  tf::toggleConsole(true);
  tf::toggleConsole(false);  // the key, silently, while it slides away
  EXPECT_EQ(tf::console.getAnimState(), tf::kConsoleOpening);
  EXPECT_EQ(audio.played, (std::vector<std::string>{"soundreq/open.wav once", "soundreq/close.wav once"}));
  tf::console = debugConsole();
}

}  // namespace
