// Pictures on a real window: placement by centre and half extents on the
// overlay and in the world, orientation, colour and transparency, the pick
// pass, refused rectangles and the frames of animation strips.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "core/system.h"
#include "gl_window.h"
#include "media/draw.h"
#include "media/notice.h"

using tftest::Rgb;

namespace {

// Screen pixels per world unit on the plane z = -2 seen from the camera at
// the origin (eye 0.15 above it, 45 degree field of view, 600 pixels high).
const double kWorldScale = 300.0 / (2.15 * std::tan(22.5 * M_PI / 180.0));
int worldX(double x) { return static_cast<int>(std::lround(400 + x * kWorldScale)); }
int worldY(double y) { return static_cast<int>(std::lround(300 - y * kWorldScale)); }

const Rgb kBlack{0, 0, 0}, kGreen{0, 255, 0};
const Rgb kQuad[4] = {tftest::kQuadTopLeft, tftest::kQuadTopRight, tftest::kQuadBottomLeft, tftest::kQuadBottomRight};

class Draw : public tftest::GlTest {
 protected:
  // The quarters of a picture at screen points left/right x top/bottom.
  void expectQuarters(int left, int top, int right, int bottom, const Rgb (&c)[4]) {
    EXPECT_EQ(pixel(left, top), c[0]);
    EXPECT_EQ(pixel(right, top), c[1]);
    EXPECT_EQ(pixel(left, bottom), c[2]);
    EXPECT_EQ(pixel(right, bottom), c[3]);
  }
  // Nothing just beyond the middle of each edge.
  void expectNothingBeyond(int left, int top, int right, int bottom) {
    for (auto [x, y] : {std::pair{left, (top + bottom) / 2}, {right, (top + bottom) / 2}, {(left + right) / 2, top},
                        {(left + right) / 2, bottom}}) {
      EXPECT_EQ(pixel(x, y), kBlack) << x << "," << y;
    }
  }
  std::string shownNotice() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time == 1 ? title + "|" + message : "";
  }
};

TEST_F(Draw, PicturesFillTheirRectangleUprightOnTheOverlayAndInTheWorld) {
  int tex = loadPicture(quadrantPicture());
  ASSERT_GT(tex, 0);
  EXPECT_TRUE(tf::displayTexture(200, 150, 0, 50, 30, 1, 1, 1, tex, true, false, 1, tf::kPickNone));
  expectQuarters(150, 120, 249, 179, kQuad);  // x 150..249, y 120..179
  expectNothingBeyond(149, 119, 250, 180);

  clearFrame();
  EXPECT_TRUE(tf::displayTexture(0.3f, 0.15f, -2, 0.3f, 0.3f, 1, 1, 1, tex, false, false, 1, tf::kPickNone));
  expectQuarters(worldX(0.02), worldY(0.43), worldX(0.58), worldY(-0.13), kQuad);
  expectNothingBeyond(worldX(-0.02), worldY(0.47), worldX(0.62), worldY(-0.17));
}

TEST_F(Draw, TheOutermostHundredthOfAPictureIsNeverShown) {
  // A 256-pixel picture with a 2-pixel red border (under a hundredth) drawn
  // 128 pixels wide: its edge pixels would take some red without the inset.
  std::string path = dir.path() + "/framed.png";
  ASSERT_TRUE(tftest::runProgram({"convert", "-size", "252x252", "xc:rgb(0,255,0)", "-bordercolor", "rgb(255,0,0)",
                                  "-border", "2", path}));
  int tex = loadPicture(path);
  EXPECT_TRUE(tf::displayTexture(400, 300, 0, 64, 64, 1, 1, 1, tex, true, false, 1, tf::kPickNone));
  expectQuarters(336, 236, 463, 363, {kGreen, kGreen, kGreen, kGreen});
  clearFrame();
  EXPECT_TRUE(tf::displayFrame(400, 300, 0, 64, 64, tex, 0, true, false, tf::kPickNone));
  expectQuarters(336, 236, 463, 363, {kGreen, kGreen, kGreen, kGreen});
}

TEST_F(Draw, ColourTintsThePictureAndAlphaComesFromThePictureWhenBlending) {
  int white = loadPicture(solidPicture("white.png", Rgb{255, 255, 255}));
  EXPECT_TRUE(tf::displayTexture(100, 100, 0, 20, 20, 0.2f, 0.4f, 0.6f, white, true, false, 0.3f, tf::kPickNone));
  EXPECT_EQ(pixel(100, 100), (Rgb{51, 102, 153}));

  // Half-transparent red over blue: blended by the picture's own alpha, whatever `a` says.
  std::string path = dir.path() + "/half.png";
  ASSERT_TRUE(tftest::runProgram({"convert", "-size", "16x16", "xc:rgba(255,0,0,0.5)", "PNG32:" + path}));
  int half = loadPicture(path);
  clearFrame(Rgb{0, 0, 255});
  EXPECT_TRUE(tf::displayTexture(300, 100, 0, 20, 20, 1, 1, 1, half, true, true, 0.1f, tf::kPickNone));
  EXPECT_TRUE(tftest::near(pixel(300, 100), Rgb{128, 0, 127}, 1)) << pixel(300, 100);
  EXPECT_TRUE(tf::displayTexture(400, 100, 0, 20, 20, 1, 1, 1, half, true, false, 1, tf::kPickNone));
  EXPECT_EQ(pixel(400, 100), (Rgb{255, 0, 0})) << "without blending the picture covers what lies beneath";
  // Drawing leaves opaque white, no blending and no texture for whoever draws next.
  float color[4];
  glGetFloatv(GL_CURRENT_COLOR, color);
  EXPECT_EQ(color[0] + color[1] + color[2] + color[3], 4.0f);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Draw, APickPassDrawsTheCallersFlatColourAndANamedRectangleDrawsAsUsual) {
  int tex = loadPicture(quadrantPicture());
  tf::gameSys.setColorPick(true);
  glColor3ub(91, 144, 144);
  EXPECT_TRUE(tf::displayTexture(300, 300, 0, 40, 40, 1, 1, 1, tex, true, true, 1, tf::kPickFlat));
  expectQuarters(270, 270, 330, 330, {{91, 144, 144}, {91, 144, 144}, {91, 144, 144}, {91, 144, 144}});
  glColor3ub(12, 144, 7);
  EXPECT_TRUE(tf::displayFrame(500, 300, 0, 40, 40, tex, 3, true, false, tf::kPickFlat));
  EXPECT_EQ(pixel(500, 300), (Rgb{12, 144, 7}));
  tf::gameSys.setColorPick(false);
  EXPECT_TRUE(tf::displayTexture(100, 500, 0, 40, 40, 1, 1, 1, tex, true, false, 1, 7));
  expectQuarters(80, 480, 120, 520, kQuad);
}

TEST_F(Draw, RefusedRectanglesDrawNothingAndRaiseTheImageNotice) {
  int tex = loadPicture(solidPicture("green.png", kGreen));
  const std::string refused = "Image Error!|Invalid texture information trying to be displayed! Did you accidently "
                              "delete images from your project?";
  const struct {
    float x, y, w, h, r, g, b;
    int tex;
  } cases[] = {{200, 200, 0, 10, 1, 1, 1, tex},    {200, 200, 10, 0, 1, 1, 1, tex},
               {200, 200, -5, 10, 1, 1, 1, tex},   {-100.5f, 200, 150, 10, 1, 1, 1, tex},
               {200, -101, 10, 150, 1, 1, 1, tex}, {200, 200, 10, 10, -0.1f, 1, 1, tex},
               {200, 200, 10, 10, 1, -1, 1, tex},  {200, 200, 10, 10, 1, 1, -1, tex},
               {200, 200, 10, 10, 1, 1, 1, -1}};
  for (const auto& c : cases) {
    tf::notice.leaveNotice();
    EXPECT_FALSE(tf::displayTexture(c.x, c.y, 0, c.w, c.h, c.r, c.g, c.b, c.tex, true, false, 1, tf::kPickNone));
    EXPECT_EQ(shownNotice(), refused) << c.x << " " << c.y << " " << c.w << " " << c.h << " " << c.tex;
  }
  EXPECT_EQ(pixel(200, 200), kBlack);
  EXPECT_EQ(pixel(20, 200), kBlack);

  tf::notice.leaveNotice();
  EXPECT_FALSE(tf::displayFrame(200, 200, 0, 0, 10, tex, 0, true, false, tf::kPickNone));
  EXPECT_EQ(shownNotice(), "Image Error!|Invalid texture information trying to be displayed!! Did you accidently "
                           "delete images from your project?");

  // The edge itself is accepted: a rectangle centred at x -100 reaches into the screen.
  tf::notice.leaveNotice();
  EXPECT_TRUE(tf::displayTexture(-100, -100, 0, 150, 150, 1, 1, 1, tex, true, false, 1, tf::kPickNone));
  EXPECT_EQ(pixel(20, 20), kGreen);
  EXPECT_EQ(shownNotice(), "");
}

TEST_F(Draw, FramesShowTheirCellOfTheStripUprightInBothPlacements) {
  int strip = loadPicture(stripPicture());
  ASSERT_GT(strip, 0);
  for (int frame : {0, 3, 9}) {
    SCOPED_TRACE(frame);
    const Rgb cell[4] = {tftest::stripCellColor(frame, 0), tftest::stripCellColor(frame, 1),
                         tftest::stripCellColor(frame, 2), tftest::stripCellColor(frame, 3)};
    clearFrame();
    EXPECT_TRUE(tf::displayFrame(200, 200, 0, 40, 40, strip, static_cast<float>(frame), true, false, tf::kPickNone));
    expectQuarters(180, 180, 220, 220, cell);
    EXPECT_TRUE(tf::displayFrame(0, 0, -2, 0.2f, 0.2f, strip, static_cast<float>(frame), false, false, tf::kPickNone));
    expectQuarters(worldX(-0.1), worldY(0.1), worldX(0.1), worldY(-0.1), cell);
  }
}

}  // namespace
