// The window geometry read from the settings, and how often a frame is drawn
// in each game state under a controlled clock.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/run_state.h"
#include "core/script_object.h"
#include "core/system.h"
#include "manual_clock.h"
#include "messages.h"
#include "recording_platform.h"
#include "settings_guard.h"

namespace {

class StartupPlan : public ::testing::Test {
 protected:
  void SetUp() override { tf::gameSys = tf::System(); }
  // Frames drawn in the next `span` ms, asked for every millisecond.
  int framesOver(int span) {
    int frames = 0;
    for (int t = 0; t < span; ++t) {
      clock.advance(1);
      frames += tf::renderScene();
    }
    return frames;
  }
  tftest::SettingsGuard guard;
  tftest::ManualClock clock{0};
};

TEST_F(StartupPlan, WindowGeometryFrom800By600UpToWhatADisplayCanPlace) {
  const struct {
    double x, y, w, h;
    bool valid;
  } cases[] = {{10, 20, 800, 600, true},    {0, 0, 32767, 600, true},  {0, 0, 799, 600, false},
               {0, 0, 800, 599, false},     {-1, 0, 1000, 700, false}, {0, -5, 1000, 700, false},
               {40000, 0, 800, 600, false}, {0, 0, 3e9, 600, false}};
  for (const auto& c : cases) {
    tf::scriptSys.clear();
    tf::scriptSys.readText("f windowx " + std::to_string(c.x) + "\nf windowy " + std::to_string(c.y) +
                               "\nf windowwidth " + std::to_string(c.w) + "\nf windowheight " + std::to_string(c.h),
                           "system.cfg");
    tftest::MessageLog messages;
    const tf::WindowGeometry g = tf::readWindowGeometry();
    const std::vector<int> expected =
        c.valid ? std::vector<int>{int(c.x), int(c.y), int(c.w), int(c.h)} : std::vector<int>{0, 0, 800, 600};
    EXPECT_EQ((std::vector<int>{g.x, g.y, g.width, g.height}), expected) << c.x << " " << c.w;
    EXPECT_EQ(messages.contains("^wINVALID WINDOW PARAMETERS ENTERED! Defaulting to 0x0x800x600"), !c.valid);
  }
}

// Only "windowfscreen 1" starts in full screen; leaving it restores the
// window of the settings at (5, 26).
TEST_F(StartupPlan, FullScreenFromTheSettingsAndBackToTheirWindow) {
  for (const auto& [value, fullScreen] : {std::pair{"1", true}, {"1.9", true}, {"0", false}, {"2", false}, {"", false}}) {
    SCOPED_TRACE(value);
    tf::gameSys = tf::System();
    tf::gameSys.SetSystem(10, 20, 1000, 700, "Forge");
    tf::scriptSys.clear();
    if (*value) tf::scriptSys.readText(std::string("f windowfscreen ") + value, "system.cfg");
    tftest::RecordingPlatform platform;
    tftest::MessageLog messages;
    tf::readFullScreen();
    EXPECT_EQ(tf::gameSys.getFS(), fullScreen);
    tf::setFullScreen(false, true);
    const std::vector<std::string> expected =
        fullScreen ? std::vector<std::string>{"fullscreen", "window 5,26 1000x700"} : std::vector<std::string>{};
    EXPECT_EQ(platform.calls, expected);
    EXPECT_EQ(messages.lines().size(), 0u);
  }
}

TEST_F(StartupPlan, MenusFollowTheCapPlayRunsAtSixtyWhateverTheCap) {
  tf::gameSys.setFPSRender(10);
  clock.set(100);
  EXPECT_FALSE(tf::renderScene());  // exactly 100 ms: not more than the interval
  EXPECT_EQ(framesOver(1011), 11);
  tf::gameSys.setGameState(tf::kStatePlay);
  EXPECT_EQ(framesOver(1700), 100);  // one frame every 17 ms
  tf::gameSys.setGameState(tf::kStateMenus);
  tf::gameSys.setFPSRender(0);  // a cap that cannot pace paces as 30: one frame every 34 ms
  EXPECT_EQ(framesOver(340), 10);
}

// The event loop sleeps as long as it is told between frames: frames still
// come as often as when it asked every millisecond; it wakes for a frame or
// at most once in a frame of play (17 ms), and a sleep of 0 comes only when
// a frame is due.
TEST_F(StartupPlan, SleepingUntilTheNextFrameKeepsThePace) {
  const struct {
    int state, cap;
  } paces[] = {{tf::kStateMenus, 30}, {tf::kStateMenus, 10}, {tf::kStatePlay, 30}, {tf::kStateMenus, 0},
               {tf::kStateMenus, 1000}};
  for (const auto& p : paces) {
    SCOPED_TRACE(std::to_string(p.state) + " " + std::to_string(p.cap));
    tf::gameSys.setGameState(p.state);
    tf::gameSys.setFPSRender(p.cap);
    tf::resetRunState();
    clock.set(5000);
    const int polled = framesOver(2000);
    tf::resetRunState();
    clock.set(5000);
    int frames = 0, wakes = 0;
    while (clock.now() < 7000) {
      const int wait = tf::msUntilNextFrame();
      if (wait == 0) {
        EXPECT_TRUE(tf::renderScene());
        ++frames;
        continue;
      }
      clock.advance(wait);
      ++wakes;
      frames += tf::renderScene();
    }
    EXPECT_NEAR(frames, polled, 1);
    EXPECT_LE(wakes, frames + 2000 / 17 + 1);
  }
}

// The steps of a frame by game state, as flags in the order: game, held-key
// logic, game box, menus, dialog, splash, notice, play-test banner, tooltip.
TEST_F(StartupPlan, EachGameStateDrawsItsOwnStepsOfAFrame) {
  const struct {
    int state;
    bool loaded, editorMenu, consoleOrHelp;
    const char* steps;
  } cases[] = {
      {tf::kStateMenus, false, false, false, "000100101"},
      {tf::kStateIngameMenu, true, false, false, "000100101"},  // the paused game is not drawn
      {tf::kStatePlay, true, false, false, "111000101"},
      {tf::kStatePlay, true, false, true, "101000101"},  // the console or help keeps held keys away
      {tf::kStateSplash, false, false, false, "000001000"},
      {tf::kStateDialog, true, false, false, "100110101"},
      {tf::kStateDialog, false, false, false, "000110101"},
      {tf::kStateWorldEditor, true, true, false, "100100101"},
      {tf::kStateWorldEditor, true, false, false, "000100101"},
      {tf::kStateMenuEditor, true, false, false, "000100101"},
      {tf::kStatePlaytest, true, true, false, "111000111"},
  };
  for (const auto& c : cases) {
    const tf::FramePlan p = tf::planFrame(c.state, c.loaded, c.editorMenu, c.consoleOrHelp);
    std::string steps;
    for (bool step : {p.drawGame, p.runKeyLogic, p.drawGameBox, p.drawMenus, p.drawDialog, p.drawSplash,
                      p.drawNotice, p.drawPlaytestBanner, p.drawTooltip}) {
      steps += step ? '1' : '0';
    }
    EXPECT_EQ(steps, c.steps) << "state " << c.state << " loaded " << c.loaded << " editor menu " << c.editorMenu
                              << " console or help " << c.consoleOrHelp;
  }
}

}  // namespace
