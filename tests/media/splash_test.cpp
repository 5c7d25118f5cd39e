// The splash sequence under a controlled clock: fade in, hold, fade out, the
// next picture, and the menus at the end.
#include "media/splash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/system.h"
#include "manual_clock.h"
#include "menus/ui.h"
#include "messages.h"

namespace {

const char* const kRefused = "^rERROR: ^wAttempt to set splash texture out of array";

class Splash : public ::testing::Test {
 protected:
  void SetUp() override { tf::resetSplashTiming(); }
  void TearDown() override {
    tf::gameSys = saved;
    tf::splash = tf::uiSplash();
    tf::resetSplashTiming();
  }
  // A sequence of `count` pictures from menu image `first`, as the menu loader prepares it.
  void prepare(int count, int first) {
    tf::splash = tf::uiSplash();
    tf::splash.setSplash(count);
    tf::splash.setHideSplash(count == 0);
    tf::splash.setStartingSplash(first);
    tf::splash.setResetSplash(true);
    tf::gameSys.setGameState(tf::kStateSplash);
  }
  tftest::ManualClock clock{0};
  tf::System saved = tf::gameSys;
};

TEST_F(Splash, EachPictureFadesInHoldsAndFadesOutThenTheMenusCome) {
  prepare(2, 5);
  struct Shown {
    int time;
    tf::SplashFrame frame;
    float brightness;  // after the frame
  };
  std::vector<Shown> shown;
  for (int n = 0; tf::gameSys.getGameState() == tf::kStateSplash && n < 3600; ++n) {
    clock.set(5000 + n * 1000 / 60);
    tf::SplashFrame frame = tf::advanceSplash();
    shown.push_back({clock.now(), frame, tf::splash.getSplashAlpha()});
  }
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
  std::size_t second = 0;
  while (second < shown.size() && shown[second].frame.image == 5) ++second;
  ASSERT_LT(second, shown.size());
  for (std::size_t k = 0; k < shown.size(); ++k) {
    EXPECT_EQ(shown[k].frame.image, k < second ? 5 : 6);
    // A frame shows the brightness the frame before left, never below 0.
    EXPECT_FLOAT_EQ(shown[k].frame.alpha, k == 0 ? 0 : std::max(shown[k - 1].brightness, 0.0f)) << k;
  }

  for (std::size_t begin : {std::size_t(0), second}) {
    const int start = shown[begin == 0 ? 0 : begin - 1].time;
    const std::size_t end = begin == 0 ? second : shown.size();
    float previous = 0, peak = 0;  // every picture starts from black
    for (std::size_t k = begin; k < end; ++k) {
      const int elapsed = shown[k].time - start;
      const float step = elapsed < 3000 ? 0.028f : elapsed <= 4000 ? 0 : -0.028f;
      EXPECT_NEAR(shown[k].brightness - previous, step, 1e-4) << elapsed;
      peak = std::max(peak, shown[k].brightness);
      previous = shown[k].brightness;
    }
    EXPECT_GT(peak, 1.0f);  // not capped: drawn as full brightness
    EXPECT_GT(shown[end - 1].time - start, 7000);
    EXPECT_LT(shown[end - 1].time - start, 7200);
    EXPECT_LT(shown[end - 1].brightness, 0.01f);
  }
  EXPECT_EQ(tf::gameSys.getStartingSystemTime(), shown.back().time);
}

TEST_F(Splash, AHiddenOrEmptySequenceGoesStraightToTheMenus) {
  tftest::MessageLog messages;
  for (int count : {2, 0}) {
    prepare(count, 3);
    tf::splash.setHideSplash(true);
    tf::gameUI.setCurrentTT(37, 2, 100);
    EXPECT_FALSE(tf::advanceSplash().draw);
    EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
    EXPECT_FALSE(tf::splash.getHideSplash());
    int code = 0, index = 0, time = 0;
    tf::gameUI.getCurrentTT(code, index, time);
    EXPECT_TRUE(code == -1 && index == -1) << "every frame clears the tooltip";
  }
  tf::gameSys.setGameState(tf::kStateSplash);
  EXPECT_FALSE(tf::advanceSplash().draw);
  // Only the reset of the empty sequence asked for a picture it does not have.
  int errors = 0;
  for (const std::string& line : messages.lines()) errors += line == kRefused;
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

  tftest::MessageLog messages;  // pictures beyond the sequence are refused
  tf::splash.setCurrentSplash(3);
  tf::splash.setCurrentSplash(-1);
  EXPECT_EQ(tf::splash.getCurrentSplash(), 0);
  EXPECT_EQ(messages.lines(), (std::vector<std::string>{kRefused, kRefused}));
}

}  // namespace
