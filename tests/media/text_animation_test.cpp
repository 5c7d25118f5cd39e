// The colours of the caret codes messages use, and the frames of animated
// pictures stepped under a controlled clock.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/numbers.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/text.h"

namespace {

// The colours messages speak in: red for the error tag, white, yellow for
// names and values, green for success.
TEST(TextCodes, MessageCodesHaveTheirColoursAndEveryOtherCharacterIsWhite) {
  const auto colourOf = [](char code) {
    tf::TextColor c{0.1f, 0.2f, 0.3f};
    const bool known = tf::textColorForCode(code, c);
    return (known ? "" : "unknown ") + tf::formatFloat(c.r) + " " + tf::formatFloat(c.g) + " " + tf::formatFloat(c.b);
  };
  const std::pair<char, const char*> codes[] = {{'r', "0.9 0 0"}, {'w', "1 1 1"}, {'y', "1 1 0"}, {'g', "0 0.9 0"}};
  for (const auto& [code, colour] : codes) EXPECT_EQ(colourOf(code), colour) << code;
  // Codes are small letters only; digits are sizes, not colours.
  for (char other : std::string("ehijlquvxzAWY15^ ")) EXPECT_EQ(colourOf(other), "unknown 1 1 1") << other;
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
    if (t == 200) {
      EXPECT_EQ(frames, "0000");  // exactly 200 ms is not more than 200
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"0000", "1000", "2000", "2001", "3001", "0001"}));
  tf::gameImg.clear();
  tf::uiImage.clear();
}

}  // namespace
