// Text on a real window, drawn with a test font whose cells each have a colour
// of their own, so every pixel tells which glyph landed there.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

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
};

TEST_F(Text, GlyphsAreCentredOnThePenAndEightByThirteenPointSix) {
  tf::displayTextString(100, 50, "AB");
  EXPECT_EQ(pixel(100, 50), glyphColor('A'));
  EXPECT_EQ(pixel(109, 50), glyphColor('B'));
  // A covers x 96 to 104 and y 43.2 to 56.8.
  EXPECT_EQ(pixel(96, 50), glyphColor('A'));
  EXPECT_EQ(pixel(103, 50), glyphColor('A'));
  EXPECT_EQ(pixel(95, 50), kBackground);
  EXPECT_EQ(pixel(104, 50), kBackground);  // the gap between glyphs
  EXPECT_EQ(pixel(105, 50), glyphColor('B'));
  EXPECT_EQ(pixel(100, 43), glyphColor('A'));
  EXPECT_EQ(pixel(100, 56), glyphColor('A'));
  EXPECT_EQ(pixel(100, 42), kBackground);
  EXPECT_EQ(pixel(100, 57), kBackground);
}

TEST_F(Text, EveryGlyphComesFromItsOwnCell) {
  const std::string text = "Jz9>~;x";
  tf::displayTextString(200, 300, text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    EXPECT_EQ(pixel(200 + 9 * static_cast<int>(i), 300), glyphColor(text[i])) << text[i];
  }
}

TEST_F(Text, SizeCodesChangeWidthHeightAndAdvance) {
  tf::displayTextString(100, 100, "^4A^1B");
  // A: half width 8, half height 13.6; B: centred 17 to the right, half width 4.
  EXPECT_EQ(pixel(92, 100), glyphColor('A'));
  EXPECT_EQ(pixel(107, 100), glyphColor('A'));
  EXPECT_EQ(pixel(91, 100), kBackground);
  EXPECT_EQ(pixel(108, 100), kBackground);
  EXPECT_EQ(pixel(100, 87), glyphColor('A'));
  EXPECT_EQ(pixel(100, 112), glyphColor('A'));  // (the cell's last texel blends with the next)
  EXPECT_EQ(pixel(100, 85), kBackground);
  EXPECT_EQ(pixel(100, 114), kBackground);
  EXPECT_EQ(pixel(112, 100), kBackground);
  EXPECT_EQ(pixel(113, 100), glyphColor('B'));
  EXPECT_EQ(pixel(120, 100), glyphColor('B'));
  EXPECT_EQ(pixel(121, 100), kBackground);
  EXPECT_EQ(pixel(117, 94), glyphColor('B'));
  EXPECT_EQ(pixel(117, 92), kBackground);
}

TEST_F(Text, ColourCodesTintTheGlyphsAfterThem) {
  clearFrame(Rgb{50, 50, 50});
  tf::displayTextString(100, 200, "^rRed^wWhite^kK^yY");
  EXPECT_TRUE(tftest::near(pixel(100, 200), tinted(glyphColor('R'), 0.9f, 0, 0), 1)) << pixel(100, 200);
  EXPECT_TRUE(tftest::near(pixel(118, 200), tinted(glyphColor('d'), 0.9f, 0, 0), 1));
  EXPECT_EQ(pixel(127, 200), glyphColor('W'));
  EXPECT_EQ(pixel(163, 200), glyphColor('e'));
  EXPECT_EQ(pixel(172, 200), (Rgb{0, 0, 0}));
  EXPECT_EQ(pixel(181, 200), tinted(glyphColor('Y'), 1, 1, 0));
  // The colour does not carry over to the next string.
  tf::displayTextString(100, 300, "W");
  EXPECT_EQ(pixel(100, 300), glyphColor('W'));
}

TEST_F(Text, SpacesAndUnknownCharactersTakeRoomAndShowWhatLiesBeneath) {
  clearFrame(Rgb{50, 60, 70});
  tf::displayTextString(100, 100, "A B\xC3\xA9" "C");
  EXPECT_EQ(pixel(100, 100), glyphColor('A'));
  EXPECT_EQ(pixel(109, 100), (Rgb{50, 60, 70}));
  EXPECT_EQ(pixel(118, 100), glyphColor('B'));
  EXPECT_EQ(pixel(127, 100), (Rgb{50, 60, 70}));
  EXPECT_EQ(pixel(136, 100), (Rgb{50, 60, 70}));
  EXPECT_EQ(pixel(145, 100), glyphColor('C'));
}

TEST_F(Text, CaretsAreNeverShown) {
  tf::displayTextString(100, 100, "x^");
  tf::displayTextString(100, 200, "^^");
  EXPECT_EQ(pixel(100, 100), glyphColor('x'));
  EXPECT_EQ(pixel(109, 100), kBackground);
  EXPECT_EQ(pixel(100, 200), kBackground);
  float color[4];
  glGetFloatv(GL_CURRENT_COLOR, color);
  EXPECT_EQ(color[0] + color[1] + color[2] + color[3], 4.0f);
}

TEST_F(Text, NothingIsDrawnDuringAPickPass) {
  tf::gameSys.setColorPick(true);
  tf::displayTextString(100, 100, "AB");
  tf::displayTextStringIngame(0, 0, "AB");
  EXPECT_EQ(pixel(100, 100), kBackground);
  EXPECT_EQ(pixel(400, 300), kBackground);
}

TEST_F(Text, WorldTextLiesOnTheTilePlaneUnderTheCamera) {
  // 0.016 world units per half glyph: about 5.4 pixels from the camera's height.
  const double scale = 300.0 / (2.15 * std::tan(22.5 * M_PI / 180.0));
  tf::platform().drawWorldText(0, 0, "AB");
  EXPECT_EQ(pixel(400, 300), glyphColor('A'));
  const int bx = static_cast<int>(std::lround(400 + 0.032 * scale));
  EXPECT_EQ(pixel(bx, 300), glyphColor('B'));
  const int halfWidth = static_cast<int>(0.016 * scale);
  const int halfHeight = static_cast<int>(0.016 * 1.7 * scale);
  EXPECT_EQ(pixel(400 - halfWidth + 1, 300), glyphColor('A'));
  EXPECT_EQ(pixel(400 - halfWidth - 2, 300), kBackground);
  EXPECT_EQ(pixel(400, 300 - halfHeight + 1), glyphColor('A'));
  EXPECT_EQ(pixel(400, 300 + halfHeight - 1), glyphColor('A'));
  EXPECT_EQ(pixel(400, 300 - halfHeight - 2), kBackground);
  EXPECT_EQ(pixel(400, 300 + halfHeight + 2), kBackground);

  // Size codes use the world sizes; glyphs touch.
  clearFrame();
  tf::displayTextStringIngame(-0.2f, 0.1f, "^4A^1B");
  const int ax = static_cast<int>(std::lround(400 - 0.2 * scale));
  const int ay = static_cast<int>(std::lround(300 - 0.1 * scale));
  EXPECT_EQ(pixel(ax, ay), glyphColor('A'));
  EXPECT_EQ(pixel(static_cast<int>(std::lround(ax + 0.028 * scale - 2)), ay), glyphColor('A'));
  EXPECT_EQ(pixel(static_cast<int>(std::lround(ax + (0.028 + 0.016) * scale)), ay), glyphColor('B'));
}

TEST_F(Text, SetColorSetsTheCodesColourOrWhite) {
  float color[4];
  EXPECT_TRUE(tf::setColor('b'));
  glGetFloatv(GL_CURRENT_COLOR, color);
  EXPECT_FLOAT_EQ(color[0], 0);
  EXPECT_FLOAT_EQ(color[2], 0.9f);
  EXPECT_FALSE(tf::setColor('Q'));
  glGetFloatv(GL_CURRENT_COLOR, color);
  EXPECT_EQ(color[0] + color[1] + color[2] + color[3], 4.0f);
}

}  // namespace
