// Text on a real window, drawn with a test font whose cells each have a colour
// of their own, so every pixel tells which glyph landed there.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "core/platform.h"
#include "core/system.h"
#include "gl_window.h"
#include "media/text.h"

using tftest::Rgb;

namespace {

const Rgb kBackground{0, 0, 0};

Rgb glyphColor(char c, float r = 1, float g = 1, float b = 1) {
  int column, row;
  tf::fontCell(c, column, row);
  const Rgb cell = tftest::fontCellColor(column, row);
  return Rgb{int(std::lround(cell.r * r)), int(std::lround(cell.g * g)), int(std::lround(cell.b * b))};
}

class Text : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
  }
  // The colours expected at points (x, y).
  void expectPixels(const std::vector<std::pair<std::pair<int, int>, Rgb>>& seen) {
    for (const auto& [at, colour] : seen) EXPECT_EQ(pixel(at.first, at.second), colour) << at.first << "," << at.second;
  }
  void expectWhiteAfterwards() {
    float color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_EQ(color[0] + color[1] + color[2] + color[3], 4.0f);
  }
};

TEST_F(Text, GlyphsComeFromTheirCellsCentredOnThePenAndSizedByTheCodes) {
  const Rgb a = glyphColor('A'), b = glyphColor('B'), none = kBackground;
  // A at size 4: half width 8 and half height 13.6; then B at size 1 (4 and 6.8), 17 to the right.
  tf::displayTextString(100, 100, "^4A^1B");
  expectPixels({{{91, 100}, none}, {{92, 100}, a}, {{107, 100}, a}, {{108, 100}, none}, {{100, 85}, none},
                {{100, 87}, a}, {{100, 112}, a}, {{100, 114}, none}, {{112, 100}, none}, {{113, 100}, b},
                {{120, 100}, b}, {{121, 100}, none}, {{117, 92}, none}, {{117, 94}, b}});
  const std::string text = "Jz9>~;x";
  tf::displayTextString(200, 300, text);
  for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(pixel(200 + 9 * int(i), 300), glyphColor(text[i])) << text[i];
}

TEST_F(Text, ColourCodesTintTheGlyphsAfterThemAndCaretsAreNeverShown) {
  const Rgb grey{50, 60, 70};
  clearFrame(grey);
  tf::displayTextString(100, 200, "^rRed^wWhite^kK^yY");
  EXPECT_TRUE(tftest::near(pixel(100, 200), glyphColor('R', 0.9f, 0, 0), 1)) << pixel(100, 200);
  expectPixels({{{127, 200}, glyphColor('W')}, {{172, 200}, Rgb{0, 0, 0}}, {{181, 200}, glyphColor('Y', 1, 1, 0)}});
  expectWhiteAfterwards();
  // The colour does not carry over to the next string; a trailing caret shows nothing.
  tf::displayTextString(100, 300, "W^");
  expectPixels({{{100, 300}, glyphColor('W')}, {{109, 300}, grey}});

  EXPECT_TRUE(tf::setColor('b'));
  float color[4];
  glGetFloatv(GL_CURRENT_COLOR, color);
  EXPECT_FLOAT_EQ(color[0] + color[1], 0);
  EXPECT_FLOAT_EQ(color[2], 0.9f);
  EXPECT_FALSE(tf::setColor('Q'));
  expectWhiteAfterwards();
}

TEST_F(Text, WorldTextLiesOnTheTilePlaneAndNothingIsDrawnInAPickPass) {
  // 0.016 world units per half glyph: about 5.4 pixels from the camera's height.
  const double scale = 300.0 / (2.15 * std::tan(22.5 * M_PI / 180.0));
  auto px = [scale](double units) { return static_cast<int>(std::lround(units * scale)); };
  const Rgb a = glyphColor('A'), b = glyphColor('B'), none = kBackground;
  tf::platform().drawWorldText(0, 0, "AB");
  const int w = static_cast<int>(0.016 * scale), h = static_cast<int>(0.016 * 1.7 * scale);
  expectPixels({{{400 - w - 2, 300}, none}, {{400 - w + 1, 300}, a}, {{400 + px(0.032), 300}, b},
                {{400, 300 - h - 2}, none}, {{400, 300 - h + 1}, a}, {{400, 300 + h - 1}, a},
                {{400, 300 + h + 2}, none}});
  // Size codes use the world sizes; glyphs touch.
  clearFrame();
  tf::displayTextStringIngame(-0.2f, 0.1f, "^4A^1B");
  const int x = 400 - px(0.2), y = 300 - px(0.1);
  expectPixels({{{x, y}, a}, {{x + px(0.028) - 2, y}, a}, {{x + px(0.028 + 0.016), y}, b}});

  clearFrame();
  tf::gameSys.setColorPick(true);
  tf::displayTextString(100, 100, "AB");
  tf::displayTextStringIngame(0, 0, "AB");
  EXPECT_EQ(pixel(100, 100), none);
  EXPECT_EQ(pixel(400, 300), none);
}

}  // namespace
