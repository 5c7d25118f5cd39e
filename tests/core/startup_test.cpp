// Start-up decisions from the settings, frame pacing under a controlled clock,
// the measured frame rate, and which steps a frame performs in which state.
#include "core/startup.h"

#include <gtest/gtest.h>

#include "core/script_object.h"
#include "core/system.h"
#include "manual_clock.h"
#include "media/splash.h"
#include "messages.h"
#include "settings_guard.h"

namespace {

class StartupSettings : public ::testing::Test {
 protected:
  void TearDown() override { tf::splash.setHideSplash(false); }
  void settings(const std::string& text) { tf::scriptSys.readText(text, "system.cfg"); }
  tftest::SettingsGuard guard;
};

std::string window(int x, int y, int w, int h) {
  return "f windowx " + std::to_string(x) + "\nf windowy " + std::to_string(y) + "\nf windowwidth " +
         std::to_string(w) + "\nf windowheight " + std::to_string(h) + "\n";
}

TEST_F(StartupSettings, WindowGeometryIsAcceptedFrom800By600Up) {
  settings(window(10, 20, 800, 600));
  tftest::MessageLog messages;
  tf::WindowGeometry g = tf::readWindowGeometry();
  EXPECT_EQ(g.x, 10);
  EXPECT_EQ(g.y, 20);
  EXPECT_EQ(g.width, 800);
  EXPECT_EQ(g.height, 600);
  EXPECT_FALSE(messages.contains("INVALID"));
}

TEST_F(StartupSettings, InvalidOrMissingGeometryFallsBackTo800By600) {
  const std::string cases[] = {window(0, 0, 799, 600), window(0, 0, 800, 599), window(-1, 0, 1000, 700),
                               window(0, -5, 1000, 700), "", "f windowx 1e30\n" + window(0, 0, 800, 600)};
  for (const std::string& text : cases) {
    tf::scriptSys.clear();
    settings(text);
    tftest::MessageLog messages;
    tf::WindowGeometry g = tf::readWindowGeometry();
    EXPECT_EQ(g.x, 0) << text;
    EXPECT_EQ(g.y, 0) << text;
    EXPECT_EQ(g.width, 800) << text;
    EXPECT_EQ(g.height, 600) << text;
    EXPECT_TRUE(messages.contains("^wINVALID WINDOW PARAMETERS ENTERED! Defaulting to 0x0x800x600")) << text;
  }
}

TEST_F(StartupSettings, NumbersNoWindowCanHaveAreInvalidToo) {
  settings(window(0, 0, 32767, 600));
  EXPECT_EQ(tf::readWindowGeometry().width, 32767);
  for (const char* text : {"f windowx 0\nf windowy 0\nf windowwidth 3e9\nf windowheight 600\n",
                           "f windowx 40000\nf windowy 0\nf windowwidth 800\nf windowheight 600\n"}) {
    tf::scriptSys.clear();
    settings(text);
    tftest::MessageLog messages;
    tf::WindowGeometry g = tf::readWindowGeometry();
    EXPECT_EQ(g.x, 0) << text;
    EXPECT_EQ(g.width, 800) << text;
    EXPECT_TRUE(messages.contains("INVALID WINDOW PARAMETERS")) << text;
  }
}

TEST_F(StartupSettings, MissingFrameCapIsReportedAndBecomes30) {
  tftest::MessageLog messages;
  tf::readFrameCap();
  EXPECT_EQ(tf::gameSys.getFPSRender(), 30);
  EXPECT_TRUE(messages.contains("^rERROR: ^wInvalid FPS Value entered, resetting to 30 fps"));
  settings("f fps 10\n");
  tf::readFrameCap();
  EXPECT_EQ(tf::gameSys.getFPSRender(), 10);
}

TEST_F(StartupSettings, DebugModeIsOnUnlessTheSettingsSayZero) {
  tf::gameSys.setDebugState(false, true);
  tf::readDebugMode();
  EXPECT_TRUE(tf::gameSys.getDebugState());
  EXPECT_EQ(tf::firstGameState(), tf::kStateMenus);
  settings("f debugMode 0\n");
  tf::readDebugMode();
  EXPECT_FALSE(tf::gameSys.getDebugState());
  EXPECT_EQ(tf::firstGameState(), tf::kStateSplash);
  tf::splash.setHideSplash(true);
  EXPECT_EQ(tf::firstGameState(), tf::kStateMenus);
}

TEST_F(StartupSettings, MissingSoundSettingsGiveSoundOnAtVolumeZero) {
  tf::readSoundSettings();
  EXPECT_TRUE(tf::gameSys.getSoundState());
  EXPECT_FLOAT_EQ(tf::gameSys.getSoundVolume(), 0.0f);
  EXPECT_EQ(tf::gameSys.getLastGameEdited(), "NULL");
  tf::scriptSys.clear();
  settings("f sound 0\nf soundVolume 0.7\ns lastGameEdited maze\n");
  tf::readSoundSettings();
  EXPECT_FALSE(tf::gameSys.getSoundState());
  EXPECT_FLOAT_EQ(tf::gameSys.getSoundVolume(), 0.7f);
  EXPECT_EQ(tf::gameSys.getLastGameEdited(), "maze");
}

class Pacing : public ::testing::Test {
 protected:
  void SetUp() override { tf::resetFramePacing(); }
  // Frames drawn while time runs from now to now + span in steps of 1 ms.
  int framesOver(int span) {
    int frames = 0;
    for (int t = 0; t < span; ++t) {
      clock.advance(1);
      if (tf::renderScene()) ++frames;
    }
    return frames;
  }
  tftest::ManualClock clock{0};
  tftest::SettingsGuard guard;
};

TEST_F(Pacing, MenusFollowTheCapPlayRunsAtSixtyWhateverTheCap) {
  tf::gameSys.setFPSRender(10);
  tf::gameSys.setGameState(tf::kStateMenus);
  clock.set(100);
  EXPECT_FALSE(tf::renderScene());  // exactly 100 ms: not more than the interval
  clock.set(101);
  EXPECT_TRUE(tf::renderScene());
  EXPECT_FALSE(tf::renderScene());
  EXPECT_EQ(framesOver(1010), 10);

  tf::gameSys.setGameState(tf::kStatePlay);
  clock.advance(200);
  tf::renderScene();
  EXPECT_EQ(framesOver(1700), 100);  // one frame every 17 ms
  tf::gameSys.setGameState(tf::kStatePlaytest);
  EXPECT_EQ(framesOver(170), 10);
}

TEST_F(Pacing, ACapThatCannotPaceIsTreatedAsThirty) {
  for (int cap : {0, -5}) {
    tf::gameSys.setFPSRender(cap);
    tf::gameSys.setGameState(tf::kStateMenus);
    clock.advance(1000);
    tf::renderScene();
    EXPECT_EQ(framesOver(340), 10) << cap;  // one frame every 34 ms
  }
}

TEST_F(Pacing, MeasuredRateIsUpdatedOnceASecond) {
  tf::gameSys.setCurFPS(0);
  for (int i = 0; i < 30; ++i) {
    clock.advance(20);
    tf::framesPerSecond();
  }
  EXPECT_EQ(tf::gameSys.getCurFPS(), 0);  // 600 ms: not measured yet
  for (int i = 0; i < 30; ++i) {
    clock.advance(20);
    tf::framesPerSecond();
  }
  // The measurement closes at the first call after 1000 ms: 51 frames in 1020 ms.
  EXPECT_EQ(tf::gameSys.getCurFPS(), 50);
}

TEST(FramePlan, StepsByGameState) {
  tf::FramePlan play = tf::planFrame(tf::kStatePlay, true, false, false);
  EXPECT_TRUE(play.drawGame);
  EXPECT_TRUE(play.runKeyLogic);
  EXPECT_TRUE(play.drawGameBox);
  EXPECT_FALSE(play.drawMenus);
  EXPECT_FALSE(play.drawPlaytestBanner);

  tf::FramePlan paused = tf::planFrame(tf::kStateIngameMenu, true, false, false);
  EXPECT_FALSE(paused.drawGame);
  EXPECT_TRUE(paused.drawMenus);
  EXPECT_FALSE(paused.runKeyLogic);

  tf::FramePlan test = tf::planFrame(tf::kStatePlaytest, true, false, true);
  EXPECT_TRUE(test.drawPlaytestBanner);
  EXPECT_FALSE(test.runKeyLogic);  // the console or help takes the keys

  tf::FramePlan splash = tf::planFrame(tf::kStateSplash, false, false, false);
  EXPECT_TRUE(splash.drawSplash);
  EXPECT_FALSE(splash.drawMenus);
  EXPECT_FALSE(splash.drawNotice);
  EXPECT_FALSE(splash.drawTooltip);

  EXPECT_TRUE(tf::planFrame(tf::kStateWorldEditor, true, true, false).drawGame);
  EXPECT_FALSE(tf::planFrame(tf::kStateWorldEditor, true, false, false).drawGame);
  EXPECT_TRUE(tf::planFrame(tf::kStateDialog, true, false, false).drawGame);
  EXPECT_FALSE(tf::planFrame(tf::kStateDialog, false, false, false).drawGame);
  EXPECT_TRUE(tf::planFrame(tf::kStateDialog, false, false, false).drawDialog);
}

}  // namespace
