// The colour of each caret code of text, and the frames of animated pictures
// stepped under a controlled clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "manual_clock.h"
#include "media/images.h"
#include "media/text.h"

namespace {

TEST(TextCodes, EachCodeHasItsColourAndEveryOtherCharacterIsWhite) {
  const float k = 1.0f / 255;
  const struct {
    char code;
    float r, g, b;
  } colours[] = {
      {'a', 178 * k, 34 * k, 34 * k},  {'b', 0, 0, 0.9f},         {'c', 0, 191 * k, 1},
      {'d', 0.7f, 0.7f, 0.7f},         {'f', 205 * k, 38 * k, 38 * k}, {'g', 0, 0.9f, 0},
      {'k', 0, 0, 0},                  {'m', 25 * k, 25 * k, 112 * k}, {'n', 0, 1, 127 * k},
      {'o', 1, 140 * k, 0},            {'p', 1, 218 * k, 185 * k}, {'r', 0.9f, 0, 0},
      {'s', 47 * k, 79 * k, 79 * k},   {'t', 0, 100 * k, 0},       {'w', 1, 1, 1},
      {'y', 1, 1, 0},
  };
  for (const auto& c : colours) {
    tf::TextColor colour;
    EXPECT_TRUE(tf::textColorForCode(c.code, colour)) << c.code;
    EXPECT_NEAR(colour.r, c.r, 1e-4) << c.code;
    EXPECT_NEAR(colour.g, c.g, 1e-4) << c.code;
    EXPECT_NEAR(colour.b, c.b, 1e-4) << c.code;
  }
  // Codes are small letters only; digits are sizes, not colours.
  for (char other : std::string("ehijlquvxzAWY15^ ")) {
    tf::TextColor colour{0.1f, 0.2f, 0.3f};
    EXPECT_FALSE(tf::textColorForCode(other, colour)) << other;
    EXPECT_EQ(colour.r + colour.g + colour.b, 3.0f) << other;
  }
}

// An animation shows frames 0 to its frame count, each for just over its
// speed, then starts again at 0; a picture that is not animated stays on
// frame 0, as does one whose frame count is 0. Game and menu pictures alike.
TEST(Animation, FramesAdvanceWhenMoreThanTheSpeedHasPassed) {
  tftest::ManualClock clock(0);
  tf::gameImg.assign(3, tf::img());
  tf::uiImage.assign(1, tf::img());
  tf::gameImg[0].startAnimation(3, 200);
  tf::gameImg[2].startAnimation(0, 100);
  tf::uiImage[0].startAnimation(1, 500);
  std::vector<std::string> seen;
  for (int t = 0; t <= 1010; t += 10) {
    clock.set(t);
    tf::updateAnimation();
    std::string frames;
    for (const tf::img& image : {tf::gameImg[0], tf::gameImg[1], tf::gameImg[2], tf::uiImage[0]}) {
      frames += std::to_string(image.getCurrentFrame());
    }
    if (seen.empty() || seen.back() != frames) seen.push_back(frames);
    if (t == 200) EXPECT_EQ(frames, "0000");  // exactly 200 ms is not more than 200
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"0000", "1000", "2000", "2001", "3001", "0001"}));
  tf::gameImg.clear();
  tf::uiImage.clear();
}

}  // namespace
