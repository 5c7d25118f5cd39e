// Drawing on a real window: a picture placed by its centre and half extents
// on the overlay and in the world; text, drawn with a test font whose cells
// each have a colour of their own, so every pixel tells which glyph landed
// there; a frame of an animation strip; and the notice box kept as a picture
// for the README.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gl_window.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/text.h"

using tftest::Rgb;

namespace {

// Screen pixels per world unit on the plane z = -2 seen from the camera at
// the origin (eye 0.15 above it, 45 degree field of view, 600 pixels high).
const double kWorldScale = 300.0 / (2.15 * std::tan(22.5 * M_PI / 180.0));
int worldX(double x) { return 400 + static_cast<int>(std::lround(x * kWorldScale)); }
int worldY(double y) { return 300 - static_cast<int>(std::lround(y * kWorldScale)); }

const Rgb kBackground{0, 0, 0};
const Rgb kQuad[4] = {tftest::kQuadTopLeft, tftest::kQuadTopRight, tftest::kQuadBottomLeft, tftest::kQuadBottomRight};

Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
}

class Drawing : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
  }
};

TEST_F(Drawing, PicturesFillTheirRectangleUprightOnTheOverlayAndInTheWorld) {
  int tex = loadPicture(quadrantPicture());
  ASSERT_GT(tex, 0);
  for (bool overlay : {true, false}) {
    clearFrame();  // x 150..249, y 120..179 on the overlay; 0.6 world units square in the world
    const int left = overlay ? 150 : worldX(0.0), right = overlay ? 249 : worldX(0.6), in = overlay ? 0 : 6;
    const int top = overlay ? 120 : worldY(0.45), bottom = overlay ? 179 : worldY(-0.15), out = overlay ? 1 : 6;
    const float x = overlay ? 200 : 0.3f, y = overlay ? 150 : 0.15f, w = overlay ? 50 : 0.3f, h = overlay ? 30 : 0.3f;
    EXPECT_TRUE(tf::displayTexture(x, y, overlay ? 0 : -2, w, h, 1, 1, 1, tex, overlay, false, 1, tf::kPickNone));
    expectPixels({{left + in, top + in, kQuad[0]}, {right - in, top + in, kQuad[1]},
                  {left + in, bottom - in, kQuad[2]}, {right - in, bottom - in, kQuad[3]},
                  {left - out, top + 20, kBackground}, {right + out, top + 20, kBackground},
                  {left + 20, top - out, kBackground}, {left + 20, bottom + out, kBackground}});
  }
}

// An animation strip is ten cells side by side; frame k shows cell k alone
// over the whole rectangle.
TEST_F(Drawing, AnAnimationFrameShowsItsOwnCellOfTheStrip) {
  std::vector<Rgb> cells;
  std::vector<std::string> colours;
  for (int k = 0; k < 10; ++k) {
    cells.push_back(Rgb{20 * k + 10, 250 - 20 * k, 128});
    colours.push_back(tftest::magickColor(cells.back()));
  }
  const std::string strip = dir.path() + "/strip.png";
  ASSERT_TRUE(tftest::makeGridPicture(strip, 1, 10, 32, colours));
  const int tex = loadPicture(strip);
  ASSERT_GT(tex, 0);
  for (int frame : {0, 3, 9}) {
    clearFrame();  // x 350..449, y 250..349
    EXPECT_TRUE(tf::displayFrame(400, 300, 0, 50, 50, tex, static_cast<float>(frame), true, false, tf::kPickNone));
    expectPixels({{352, 252, cells[frame]}, {400, 300, cells[frame]}, {447, 347, cells[frame]},
                  {348, 300, kBackground}, {451, 300, kBackground}});
  }
}

TEST_F(Drawing, TextGlyphsComeFromTheirCellsCentredOnThePenAndSizedByTheCodes) {
  const Rgb a = glyphColor('A'), b = glyphColor('B'), none = kBackground;
  // A at size 4: half width 8 and half height 13.6; then B at size 1 (4 and 6.8), 17 to the right.
  tf::displayTextString(100, 100, "^4A^1B");
  expectPixels({{91, 100, none}, {92, 100, a}, {107, 100, a}, {108, 100, none}, {100, 85, none},
                {100, 87, a}, {100, 112, a}, {100, 114, none}, {112, 100, none}, {113, 100, b},
                {120, 100, b}, {121, 100, none}, {117, 92, none}, {117, 94, b}});
  const std::string text = "Jz9>~;x";
  tf::displayTextString(200, 300, text);
  for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(pixel(200 + 9 * int(i), 300), glyphColor(text[i])) << text[i];
}

TEST_F(Drawing, TheNoticeBoxIsDrawnAndKeptAsAScreenshot) {
  tf::notice.setNotice("UI Saved", "The user interface for ^ymaze^w has been saved.");
  const Rgb backdrop{24, 28, 36};
  clearFrame(backdrop);
  tf::noticeRender();
  // Whatever its height, the box's left edge is at x 110 and its middle at y 75.
  expectPixels({{109, 75, backdrop}, {111, 75, tftest::kTestNoticeBackground}});
  ASSERT_TRUE(useDataSystemImages());
  clearFrame(backdrop);
  tf::noticeRender();
  keepScreenshot("notice.png");  // the README's docs/notice.png
}

}  // namespace
