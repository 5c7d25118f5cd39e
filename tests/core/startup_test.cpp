// Start-up decisions from the settings, frame pacing under a controlled clock,
// the measured frame rate, and which steps a frame performs in which state.
#include "core/startup.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/numbers.h"
#include "core/script_object.h"
#include "core/system.h"
#include "manual_clock.h"
#include "media/splash.h"
#include "messages.h"
#include "settings_guard.h"

namespace {

class StartupPlan : public ::testing::Test {
 protected:
  void SetUp() override {
    tf::gameSys = tf::System();
    tf::resetFramePacing();
  }
  void TearDown() override { tf::splash.setHideSplash(false); }
  void settings(const std::string& text) {
    tf::scriptSys.clear();
    tf::scriptSys.readText(text, "system.cfg");
  }
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
    settings("f windowx " + std::to_string(c.x) + "\nf windowy " + std::to_string(c.y) + "\nf windowwidth " +
             std::to_string(c.w) + "\nf windowheight " + std::to_string(c.h) + "\n");
    tftest::MessageLog messages;
    const tf::WindowGeometry g = tf::readWindowGeometry();
    const std::vector<int> expected =
        c.valid ? std::vector<int>{int(c.x), int(c.y), int(c.w), int(c.h)} : std::vector<int>{0, 0, 800, 600};
    EXPECT_EQ((std::vector<int>{g.x, g.y, g.width, g.height}), expected) << c.x << " " << c.w;
    EXPECT_EQ(messages.contains("^wINVALID WINDOW PARAMETERS ENTERED! Defaulting to 0x0x800x600"), !c.valid);
  }
}

TEST_F(StartupPlan, FrameCapDebugModeAndSoundWhenMissingAndWhenGiven) {
  // Frame cap, debug mode, first game state, sound switch and volume, last game edited.
  auto read = [] {
    tf::readFrameCap();
    tf::readDebugMode();
    tf::readSoundSettings();
    const tf::System& s = tf::gameSys;
    return std::to_string(s.getFPSRender()) + " " + std::to_string(s.getDebugState()) + " " +
           std::to_string(tf::firstGameState()) + " " + std::to_string(s.getSoundState()) + " " +
           tf::formatFloat(s.getSoundVolume()) + " " + s.getLastGameEdited();
  };
  tftest::MessageLog messages;
  EXPECT_EQ(read(), "30 1 0 1 0 NULL");
  EXPECT_TRUE(messages.contains("^rERROR: ^wInvalid FPS Value entered, resetting to 30 fps"));
  settings("f fps 10\nf debugMode 0\nf sound 0\nf soundVolume 0.7\ns lastGameEdited maze\n");
  EXPECT_EQ(read(), "10 0 3 0 0.7 maze");
  tf::splash.setHideSplash(true);
  EXPECT_EQ(tf::firstGameState(), tf::kStateMenus);
}

TEST_F(StartupPlan, MenusFollowTheCapPlayRunsAtSixtyWhateverTheCap) {
  tf::gameSys.setFPSRender(10);
  clock.set(100);
  EXPECT_FALSE(tf::renderScene());  // exactly 100 ms: not more than the interval
  EXPECT_EQ(framesOver(1011), 11);
  tf::gameSys.setGameState(tf::kStatePlay);
  EXPECT_EQ(framesOver(1700), 100);  // one frame every 17 ms
  tf::gameSys.setGameState(tf::kStatePlaytest);
  EXPECT_EQ(framesOver(170), 10);
  tf::gameSys.setGameState(tf::kStateMenus);
  for (int cap : {0, -5}) {  // a cap that cannot pace paces as 30: one frame every 34 ms
    tf::gameSys.setFPSRender(cap);
    EXPECT_EQ(framesOver(340), 10) << cap;
  }
}

TEST_F(StartupPlan, MeasuredRateIsUpdatedOnceASecond) {
  for (int i = 1; i <= 51; ++i) {
    clock.advance(20);
    tf::framesPerSecond();
    // The measurement closes at the first call after 1000 ms: 51 frames in 1020 ms.
    EXPECT_EQ(tf::gameSys.getCurFPS(), i < 51 ? 0 : 50) << i;
  }
}

TEST(FramePlan, StepsByGameState) {
  const struct {
    int state;
    bool loaded, editorMenu, consoleOpen;
    const char* steps;
  } cases[] = {{tf::kStatePlay, true, false, false, "game keys box notice tooltip "},
               {tf::kStatePlaytest, true, false, true, "game box notice banner tooltip "},
               {tf::kStateIngameMenu, true, false, false, "menus notice tooltip "},
               {tf::kStateSplash, false, false, false, "splash "},
               {tf::kStateWorldEditor, true, true, false, "game menus notice tooltip "},
               {tf::kStateWorldEditor, true, false, false, "menus notice tooltip "},
               {tf::kStateDialog, true, false, false, "game menus dialog notice tooltip "},
               {tf::kStateDialog, false, true, false, "menus dialog notice tooltip "}};
  for (const auto& c : cases) {
    const tf::FramePlan p = tf::planFrame(c.state, c.loaded, c.editorMenu, c.consoleOpen);
    std::string steps;
    for (auto step : {std::pair<bool, const char*>{p.drawGame, "game "}, {p.runKeyLogic, "keys "},
                      {p.drawGameBox, "box "}, {p.drawMenus, "menus "}, {p.drawDialog, "dialog "},
                      {p.drawSplash, "splash "}, {p.drawNotice, "notice "}, {p.drawPlaytestBanner, "banner "},
                      {p.drawTooltip, "tooltip "}}) {
      steps += step.first ? step.second : "";
    }
    EXPECT_EQ(steps, c.steps) << c.state;
  }
}

}  // namespace
