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

Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
}

Rgb tinted(const Rgb& c, float r, float g, float b) {
  return Rgb{static_cast<int>(std::lround(c.r * r)), static_cast<int>(std::lround(c.g * g)),
             static_cast<int>(std::lround(c.b * b))};
}

class Text : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
  }
  // The colours expected at points along a row (or a column).
  void expectRow(int y, const std::vector<std::pair<int, Rgb>>& seen) {
    for (const auto& [x, colour] : seen) EXPECT_EQ(pixel(x, y), colour) << x << "," << y;
  }
  void expectColumn(int x, const std::vector<std::pair<int, Rgb>>& seen) {
    for (const auto& [y, colour] : seen) EXPECT_EQ(pixel(x, y), colour) << x << "," << y;
  }
  void expectWhiteAfterwards() {
    float color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_EQ(color[0] + color[1] + color[2] + color[3], 4.0f);
  }
};

TEST_F(Text, GlyphsComeFromTheirCellsCentredOnThePenAndSizedByTheCodes) {
  // At size 1 a glyph covers 8 x 13.6 units, one unit apart: A over x 96..103 and y 43.2..56.8.
  tf::displayTextString(100, 50, "AB");
  const Rgb a = glyphColor('A'), b = glyphColor('B');
  expectRow(50, {{95, kBackground}, {96, a}, {103, a}, {104, kBackground}, {105, b}, {109, b}});
  expectColumn(100, {{42, kBackground}, {43, a}, {56, a}, {57, kBackground}});

  // ^4: half width 8 and half height 13.6; then B at size 1, 17 to the right.
  tf::displayTextString(100, 100, "^4A^1B");
  expectRow(100, {{91, kBackground}, {92, a}, {107, a}, {108, kBackground}, {112, kBackground}, {113, b},
                  {120, b}, {121, kBackground}});
  expectColumn(100, {{85, kBackground}, {87, a}, {112, a}, {114, kBackground}});
  expectColumn(117, {{92, kBackground}, {94, b}});

  const std::string text = "Jz9>~;x";
  tf::displayTextString(200, 300, text);
  for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(pixel(200 + 9 * int(i), 300), glyphColor(text[i])) << text[i];
}

TEST_F(Text, ColourCodesTintTheGlyphsAfterThemAndCaretsAreNeverShown) {
  clearFrame(Rgb{50, 60, 70});
  tf::displayTextString(100, 200, "^rRed^wWhite^kK^yY");
  EXPECT_TRUE(tftest::near(pixel(100, 200), tinted(glyphColor('R'), 0.9f, 0, 0), 1)) << pixel(100, 200);
  EXPECT_EQ(pixel(127, 200), glyphColor('W'));
  EXPECT_EQ(pixel(172, 200), (Rgb{0, 0, 0}));
  EXPECT_EQ(pixel(181, 200), tinted(glyphColor('Y'), 1, 1, 0));
  expectWhiteAfterwards();
  // The colour does not carry over to the next string; a trailing caret shows nothing.
  tf::displayTextString(100, 300, "W^");
  expectRow(300, {{100, glyphColor('W')}, {109, Rgb{50, 60, 70}}});
  // Spaces and characters outside the font take room and show what lies beneath.
  tf::displayTextString(100, 100, "A B\xC3\xA9" "C");
  expectRow(100, {{100, glyphColor('A')}, {109, Rgb{50, 60, 70}}, {118, glyphColor('B')}, {127, Rgb{50, 60, 70}},
                  {136, Rgb{50, 60, 70}}, {145, glyphColor('C')}});

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
  const Rgb a = glyphColor('A'), b = glyphColor('B');
  tf::platform().drawWorldText(0, 0, "AB");
  const int halfWidth = static_cast<int>(0.016 * scale), halfHeight = static_cast<int>(0.016 * 1.7 * scale);
  expectRow(300, {{400 - halfWidth - 2, kBackground}, {400 - halfWidth + 1, a}, {400, a}, {400 + px(0.032), b}});
  expectColumn(400, {{300 - halfHeight - 2, kBackground}, {300 - halfHeight + 1, a}, {300 + halfHeight - 1, a},
                     {300 + halfHeight + 2, kBackground}});

  // Size codes use the world sizes; glyphs touch.
  clearFrame();
  tf::displayTextStringIngame(-0.2f, 0.1f, "^4A^1B");
  const int ax = 400 - px(0.2);
  expectRow(300 - px(0.1), {{ax, a}, {ax + px(0.028) - 2, a}, {ax + px(0.028 + 0.016), b}});

  clearFrame();
  tf::gameSys.setColorPick(true);
  tf::displayTextString(100, 100, "AB");
  tf::displayTextStringIngame(0, 0, "AB");
  EXPECT_EQ(pixel(100, 100), kBackground);
  EXPECT_EQ(pixel(400, 300), kBackground);
}

}  // namespace
