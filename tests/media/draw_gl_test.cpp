// Pictures on a real window: placement by centre and half extents on the
// overlay and in the world, orientation, colour and transparency, the pick
// pass, refused rectangles, animation strips and their frames over time.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "core/system.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/notice.h"

using tftest::Rgb;

namespace {

// Screen pixels per world unit on the plane z = -2 seen from the camera at
// the origin (eye 0.15 above it, 45 degree field of view, 600 pixels high).
const double kWorldScale = 300.0 / (2.15 * std::tan(22.5 * M_PI / 180.0));

int worldX(double x) { return static_cast<int>(std::lround(400 + x * kWorldScale)); }
int worldY(double y) { return static_cast<int>(std::lround(300 - y * kWorldScale)); }

class Draw : public tftest::GlTest {
 protected:
  std::string noticeTitle() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time == 1 ? title + "|" + message : "";
  }
};

const Rgb kBlack{0, 0, 0};

TEST_F(Draw, AnOverlayPictureFillsItsRectangleUpright) {
  int tex = loadPicture(quadrantPicture());
  ASSERT_GT(tex, 0);
  EXPECT_TRUE(tf::displayTexture(200, 150, 0, 50, 30, 1, 1, 1, tex, true, false, 1, tf::kPickNone));
  // x 150..249, y 120..179.
  EXPECT_EQ(pixel(175, 135), tftest::kQuadTopLeft);
  EXPECT_EQ(pixel(225, 135), tftest::kQuadTopRight);
  EXPECT_EQ(pixel(175, 165), tftest::kQuadBottomLeft);
  EXPECT_EQ(pixel(225, 165), tftest::kQuadBottomRight);
  EXPECT_EQ(pixel(150, 120), tftest::kQuadTopLeft);
  EXPECT_EQ(pixel(249, 179), tftest::kQuadBottomRight);
  EXPECT_EQ(pixel(149, 150), kBlack);
  EXPECT_EQ(pixel(250, 150), kBlack);
  EXPECT_EQ(pixel(200, 119), kBlack);
  EXPECT_EQ(pixel(200, 180), kBlack);
}

TEST_F(Draw, TheOutermostHundredthOfAPictureIsNeverShown) {
  // A 256-pixel picture with a 2-pixel red border (under a hundredth): drawn
  // 128 pixels wide, its edge pixels would take some red without the inset.
  std::string path = dir.path() + "/framed.png";
  ASSERT_TRUE(tftest::runProgram({"convert", "-size", "252x252", "xc:rgb(0,255,0)", "-bordercolor", "rgb(255,0,0)",
                                  "-border", "2", path}));
  int tex = loadPicture(path);
  EXPECT_TRUE(tf::displayTexture(400, 300, 0, 64, 64, 1, 1, 1, tex, true, false, 1, tf::kPickNone));
  for (auto [x, y] : {std::pair{336, 300}, {463, 300}, {400, 236}, {400, 363}, {336, 236}, {463, 363}}) {
    EXPECT_EQ(pixel(x, y), (Rgb{0, 255, 0})) << x << "," << y;
  }
  int strip = loadPicture(path);
  clearFrame();
  EXPECT_TRUE(tf::displayFrame(400, 300, 0, 64, 64, strip, 0, true, false, tf::kPickNone));
  EXPECT_EQ(pixel(336, 300), (Rgb{0, 255, 0}));
  EXPECT_EQ(pixel(400, 236), (Rgb{0, 255, 0}));
}

TEST_F(Draw, AWorldPictureIsCentredOnItsPositionAndUpright) {
  int tex = loadPicture(quadrantPicture());
  EXPECT_TRUE(tf::displayTexture(0.3f, 0.15f, -2, 0.3f, 0.3f, 1, 1, 1, tex, false, false, 1, tf::kPickNone));
  const double d = 0.15;  // a quarter of the picture's width
  EXPECT_EQ(pixel(worldX(0.3 - d), worldY(0.15 + d)), tftest::kQuadTopLeft);
  EXPECT_EQ(pixel(worldX(0.3 + d), worldY(0.15 + d)), tftest::kQuadTopRight);
  EXPECT_EQ(pixel(worldX(0.3 - d), worldY(0.15 - d)), tftest::kQuadBottomLeft);
  EXPECT_EQ(pixel(worldX(0.3 + d), worldY(0.15 - d)), tftest::kQuadBottomRight);
  EXPECT_EQ(pixel(worldX(0.3 - 0.28), worldY(0.05)), tftest::kQuadBottomLeft);
  EXPECT_EQ(pixel(worldX(0.3 + 0.28), worldY(0.25)), tftest::kQuadTopRight);
  EXPECT_EQ(pixel(worldX(0.3 - 0.32), worldY(0.15)), kBlack);
  EXPECT_EQ(pixel(worldX(0.3 + 0.32), worldY(0.15)), kBlack);
  EXPECT_EQ(pixel(worldX(0.3), worldY(0.15 + 0.32)), kBlack);
}

TEST_F(Draw, ColourTintsThePictureAndAlphaComesFromThePictureWhenBlending) {
  int white = loadPicture(solidPicture("white.png", Rgb{255, 255, 255}));
  EXPECT_TRUE(tf::displayTexture(100, 100, 0, 20, 20, 0.2f, 0.4f, 0.6f, white, true, false, 0.3f, tf::kPickNone));
  EXPECT_EQ(pixel(100, 100), (Rgb{51, 102, 153}));

  // Half-transparent red over a blue background: blended by the picture's
  // own alpha, whatever `a` says.
  std::string path = dir.path() + "/half.png";
  ASSERT_TRUE(tftest::runProgram({"convert", "-size", "16x16", "xc:rgba(255,0,0,0.5)", "PNG32:" + path}));
  int half = loadPicture(path);
  clearFrame(Rgb{0, 0, 255});
  EXPECT_TRUE(tf::displayTexture(300, 100, 0, 20, 20, 1, 1, 1, half, true, true, 0.1f, tf::kPickNone));
  EXPECT_TRUE(tftest::near(pixel(300, 100), Rgb{128, 0, 127}, 1)) << pixel(300, 100);
  // Without blending the picture covers what lies beneath.
  EXPECT_TRUE(tf::displayTexture(400, 100, 0, 20, 20, 1, 1, 1, half, true, false, 1, tf::kPickNone));
  EXPECT_EQ(pixel(400, 100), (Rgb{255, 0, 0}));
  // Drawing leaves opaque white behind for whoever draws next.
  float color[4];
  glGetFloatv(GL_CURRENT_COLOR, color);
  EXPECT_EQ(color[0] + color[1] + color[2] + color[3], 4.0f);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Draw, APickPassDrawsTheCallersFlatColour) {
  int tex = loadPicture(quadrantPicture());
  tf::gameSys.setColorPick(true);
  glColor3ub(91, 144, 144);
  EXPECT_TRUE(tf::displayTexture(300, 300, 0, 40, 40, 1, 1, 1, tex, true, true, 1, tf::kPickFlat));
  EXPECT_EQ(pixel(270, 270), (Rgb{91, 144, 144}));
  EXPECT_EQ(pixel(330, 330), (Rgb{91, 144, 144}));
  glColor3ub(12, 144, 7);
  EXPECT_TRUE(tf::displayFrame(500, 300, 0, 40, 40, tex, 3, true, false, tf::kPickFlat));
  EXPECT_EQ(pixel(500, 300), (Rgb{12, 144, 7}));
  // A named rectangle (selection) draws as usual.
  tf::gameSys.setColorPick(false);
  EXPECT_TRUE(tf::displayTexture(100, 500, 0, 40, 40, 1, 1, 1, tex, true, false, 1, 7));
  EXPECT_EQ(pixel(80, 480), tftest::kQuadTopLeft);
}

TEST_F(Draw, RefusedRectanglesDrawNothingAndRaiseTheImageNotice) {
  int tex = loadPicture(solidPicture("green.png", Rgb{0, 255, 0}));
  const std::string refused =
      "Image Error!|Invalid texture information trying to be displayed! Did you accidently delete images from "
      "your project?";
  struct Case {
    float x, y, w, h, r, g, b;
    int tex;
  } cases[] = {{200, 200, 0, 10, 1, 1, 1, tex},  {200, 200, 10, 0, 1, 1, 1, tex},
               {200, 200, -5, 10, 1, 1, 1, tex}, {-100.5f, 200, 150, 10, 1, 1, 1, tex},
               {200, -101, 10, 150, 1, 1, 1, tex}, {200, 200, 10, 10, -0.1f, 1, 1, tex},
               {200, 200, 10, 10, 1, -1, 1, tex}, {200, 200, 10, 10, 1, 1, -1, tex},
               {200, 200, 10, 10, 1, 1, 1, -1}};
  for (const Case& c : cases) {
    tf::notice.leaveNotice();
    EXPECT_FALSE(tf::displayTexture(c.x, c.y, 0, c.w, c.h, c.r, c.g, c.b, c.tex, true, false, 1, tf::kPickNone));
    EXPECT_EQ(noticeTitle(), refused);
  }
  EXPECT_EQ(pixel(200, 200), kBlack);
  EXPECT_EQ(pixel(20, 200), kBlack);

  tf::notice.leaveNotice();
  EXPECT_FALSE(tf::displayFrame(200, 200, 0, 0, 10, tex, 0, true, false, tf::kPickNone));
  EXPECT_EQ(noticeTitle(),
            "Image Error!|Invalid texture information trying to be displayed!! Did you accidently delete images "
            "from your project?");

  // The edge itself is accepted: a rectangle centred at x -100 reaches into
  // the screen.
  tf::notice.leaveNotice();
  EXPECT_TRUE(tf::displayTexture(-100, -100, 0, 150, 150, 1, 1, 1, tex, true, false, 1, tf::kPickNone));
  EXPECT_EQ(pixel(20, 20), (Rgb{0, 255, 0}));
  EXPECT_EQ(noticeTitle(), "");
}

TEST_F(Draw, FramesShowTheirCellOfTheStripUprightInBothPlacements) {
  int strip = loadPicture(stripPicture());
  ASSERT_GT(strip, 0);
  for (int frame : {0, 3, 9}) {
    clearFrame();
    EXPECT_TRUE(tf::displayFrame(200, 200, 0, 40, 40, strip, static_cast<float>(frame), true, false, tf::kPickNone));
    EXPECT_EQ(pixel(180, 180), tftest::stripCellColor(frame, 0)) << frame;
    EXPECT_EQ(pixel(220, 180), tftest::stripCellColor(frame, 1)) << frame;
    EXPECT_EQ(pixel(180, 220), tftest::stripCellColor(frame, 2)) << frame;
    EXPECT_EQ(pixel(220, 220), tftest::stripCellColor(frame, 3)) << frame;
    EXPECT_EQ(pixel(159, 200), kBlack);
    EXPECT_EQ(pixel(240, 200), kBlack);

    EXPECT_TRUE(tf::displayFrame(0, 0, -2, 0.2f, 0.2f, strip, static_cast<float>(frame), false, false,
                                 tf::kPickNone));
    EXPECT_EQ(pixel(worldX(-0.1), worldY(0.1)), tftest::stripCellColor(frame, 0)) << frame;
    EXPECT_EQ(pixel(worldX(0.1), worldY(0.1)), tftest::stripCellColor(frame, 1)) << frame;
    EXPECT_EQ(pixel(worldX(-0.1), worldY(-0.1)), tftest::stripCellColor(frame, 2)) << frame;
    EXPECT_EQ(pixel(worldX(0.1), worldY(-0.1)), tftest::stripCellColor(frame, 3)) << frame;
  }
}

TEST_F(Draw, AnAnimatedImageShowsItsFramesAsTheClockRuns) {
  tftest::ManualClock clock(0);
  tf::uiImage.assign(1, tf::img());
  tf::img& image = tf::uiImage[0];
  image.SetTex(loadPicture(stripPicture()));
  image.setAnimState(true);
  image.setFrameCount(3);
  image.setAnimSpeed(200);
  std::vector<int> shown;
  for (int t = 0; t <= 1300; t += 100) {
    clock.set(t);
    tf::updateAnimation();
    clearFrame();
    ASSERT_TRUE(tf::displayFrame(400, 300, 0, 50, 50, image.GetTex(), static_cast<float>(image.getCurrentFrame()),
                                 true, false, tf::kPickNone));
    Rgb seen = pixel(380, 280);
    int frame = -1;
    for (int k = 0; k < 10; ++k) {
      if (seen == tftest::stripCellColor(k, 0)) frame = k;
    }
    shown.push_back(frame);
  }
  // Each frame stays for just over 200 ms: it changes at 300, 600, 900, 1200.
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 0, 0}));
}

}  // namespace
