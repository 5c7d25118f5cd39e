// The splash sequence under a controlled clock: each picture fades in, holds
// and fades out, one after the other, and then the menus come; without
// pictures, or hidden, the menus come at once.
#include "media/splash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "core/run_state.h"
#include "core/system.h"
#include "manual_clock.h"
#include "messages.h"

namespace {

class Splash : public ::testing::Test {
 protected:
  void SetUp() override { restart(); }
  void TearDown() override {
    restart();
    tf::gameSys = saved;
  }
  static void restart() {
    tf::splash = tf::uiSplash();
    tf::resetRunState();
  }
  tf::System saved = tf::gameSys;
  tftest::ManualClock clock{0};
};

TEST_F(Splash, EachPictureFadesInHoldsAndFadesOutThenTheMenusCome) {
  // Two pictures from menu image 5, as the menu loader prepares them.
  tf::splash.setSplash(2);
  tf::splash.setStartingSplash(5);
  tf::splash.setResetSplash(true);
  tf::gameSys.setGameState(tf::kStateSplash);
  struct Shown {  // a frame's time, what it showed and the brightness it left
    int time;
    tf::SplashFrame frame;
    float brightness;
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

// A sequence without pictures shows nothing and opens the menus at its first
// frame (the reset reports the picture it cannot show, once); a hidden one
// with pictures does the same without a word.
TEST_F(Splash, WithoutPicturesOrHiddenTheMenusComeAtOnce) {
  for (const auto& [pictures, hidden, reported] : {std::tuple{0, false, true}, std::tuple{2, true, false}}) {
    SCOPED_TRACE(pictures);
    restart();
    tf::splash.setSplash(pictures);
    tf::splash.setHideSplash(hidden);
    tf::splash.setResetSplash(true);
    tf::gameSys.setGameState(tf::kStateSplash);
    tftest::MessageLog messages;
    const tf::SplashFrame frame = tf::advanceSplash();
    EXPECT_FALSE(frame.draw);
    EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
    EXPECT_FALSE(tf::splash.getHideSplash());
    EXPECT_EQ(messages.lines().size(), reported ? 1u : 0u);
    EXPECT_EQ(messages.contains("^rERROR: ^wAttempt to set splash texture out of array"), reported);
  }
}

}  // namespace
