// The splash sequence under a controlled clock: fade in, hold, fade out, the
// next picture, and the menus at the end.
#include "media/splash.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/system.h"
#include "manual_clock.h"
#include "menus/ui.h"
#include "messages.h"

namespace {

struct Shown {
  int time;
  tf::SplashFrame frame;
  float brightness;  // splashAlpha after the frame
};

class Splash : public ::testing::Test {
 protected:
  void SetUp() override {
    savedSystem = tf::gameSys;
    tf::resetSplashTiming();
    tf::splash = tf::uiSplash();
  }
  void TearDown() override {
    tf::gameSys = savedSystem;
    tf::splash = tf::uiSplash();
    tf::resetSplashTiming();
  }
  // A sequence of `count` pictures from menu image `first`, as the menu
  // loader prepares it, in game state 3.
  void prepare(int count, int first) {
    tf::splash.setSplash(count);
    tf::splash.setHideSplash(count == 0);
    tf::splash.setStartingSplash(first);
    tf::splash.setResetSplash(true);
    tf::gameSys.setGameState(tf::kStateSplash);
  }
  // Runs frames at 60 a second until the sequence leaves game state 3.
  std::vector<Shown> runAt60() {
    std::vector<Shown> shown;
    for (int n = 0; tf::gameSys.getGameState() == tf::kStateSplash && n < 60 * 60; ++n) {
      clock.set(startMs + n * 1000 / 60);
      tf::SplashFrame frame = tf::advanceSplash();
      shown.push_back({clock.now(), frame, tf::splash.getSplashAlpha()});
    }
    return shown;
  }
  tftest::ManualClock clock{0};
  const int startMs = 5000;
  tf::System savedSystem;
};

TEST_F(Splash, TwoPicturesFadeInHoldFadeOutThenTheMenus) {
  prepare(2, 5);
  std::vector<Shown> shown = runAt60();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);

  // Where the second picture begins.
  std::size_t second = 0;
  while (second < shown.size() && shown[second].frame.image == 5) ++second;
  ASSERT_LT(second, shown.size());
  EXPECT_EQ(shown[second].frame.image, 6);
  EXPECT_LT(shown[second].frame.alpha, 0.01f);  // from black
  for (std::size_t k = second; k + 1 < shown.size(); ++k) EXPECT_EQ(shown[k].frame.image, 6);

  for (std::size_t begin : {std::size_t(0), second}) {
    const int start = begin == 0 ? shown[0].time : shown[begin - 1].time;
    const std::size_t end = begin == 0 ? second : shown.size();
    float previous = 0;  // every picture starts from black
    float peak = 0;
    for (std::size_t k = begin; k < end; ++k) {
      const int elapsed = shown[k].time - start;
      const float now = shown[k].brightness;
      if (elapsed < 3000) {
        EXPECT_NEAR(now - previous, 0.028f, 1e-4) << "brightening at " << elapsed;
      } else if (elapsed <= 4000) {
        EXPECT_FLOAT_EQ(now, previous) << "holding at " << elapsed;
      } else {
        EXPECT_NEAR(now - previous, -0.028f, 1e-4) << "darkening at " << elapsed;
      }
      if (now > peak) peak = now;
      // The frame shows the brightness of the frame before, never below 0.
      if (k > begin) {
        EXPECT_FLOAT_EQ(shown[k].frame.alpha, previous < 0 ? 0 : previous);
      }
      previous = now;
    }
    EXPECT_GT(peak, 1.0f);  // not capped: drawn as full brightness
    const int length = shown[end - 1].time - start;
    EXPECT_GT(length, 7000);
    EXPECT_LT(length, 7200);
    EXPECT_LT(shown[end - 1].brightness, 0.01f);
  }
  EXPECT_EQ(tf::gameSys.getStartingSystemTime(), shown.back().time);
  EXPECT_EQ(tf::splash.getCurrentSplash(), 1);
}

TEST_F(Splash, EveryFrameClearsTheTooltip) {
  prepare(1, 0);
  tf::gameUI.setCurrentTT(37, 2, 100);
  tf::advanceSplash();
  int code = 0, index = 0, time = 0;
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, -1);
  EXPECT_EQ(index, -1);
}

TEST_F(Splash, AHiddenSequenceGoesStraightToTheMenus) {
  prepare(2, 0);
  tf::splash.setHideSplash(true);
  tf::SplashFrame frame = tf::advanceSplash();
  EXPECT_FALSE(frame.draw);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
  EXPECT_FALSE(tf::splash.getHideSplash());
}

TEST_F(Splash, ASequenceWithoutPicturesEndsAtOnceWithOneError) {
  tftest::MessageLog messages;
  prepare(0, 3);
  EXPECT_FALSE(tf::advanceSplash().draw);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
  tf::gameSys.setGameState(tf::kStateSplash);
  EXPECT_FALSE(tf::advanceSplash().draw);
  int errors = 0;
  for (const std::string& line : messages.lines()) {
    if (line == "^rERROR: ^wAttempt to set splash texture out of array") ++errors;
  }
  EXPECT_EQ(errors, 1);
}

TEST_F(Splash, AResetRestartsFromTheFirstPictureInTheDark) {
  prepare(3, 10);
  for (int n = 0; n < 100; ++n) {
    clock.set(n * 16);
    tf::advanceSplash();
  }
  tf::splash.setCurrentSplash(2);
  tf::splash.setResetSplash(true);
  clock.set(20000);
  tf::SplashFrame frame = tf::advanceSplash();
  EXPECT_EQ(frame.image, 10);
  EXPECT_EQ(frame.alpha, 0);
  EXPECT_NEAR(tf::splash.getSplashAlpha(), 0.028f, 1e-6);
  EXPECT_FALSE(tf::splash.getResetSplash());
}

TEST_F(Splash, PicturesBeyondTheSequenceAreRefused) {
  tf::splash.setSplash(2);
  tf::splash.setCurrentSplash(1);
  tftest::MessageLog messages;
  tf::splash.setCurrentSplash(2);
  tf::splash.setCurrentSplash(-1);
  EXPECT_EQ(tf::splash.getCurrentSplash(), 1);
  EXPECT_EQ(messages.lines().size(), 2u);
  EXPECT_TRUE(messages.contains("^rERROR: ^wAttempt to set splash texture out of array"));
}

}  // namespace
