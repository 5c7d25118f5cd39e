// Drawing on a real window: pictures placed by centre and half extents on the
// overlay and in the world (orientation, colour, transparency, pick passes,
// refused rectangles, animation frames); text, drawn with a test font whose
// cells each have a colour of their own, so every pixel tells which glyph
// landed there; the notice box, clickable pictures, the splash picture and
// the loading screen.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "core/platform.h"
#include "core/system.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/splash.h"
#include "media/text.h"
#include "menus/choice.h"

using tftest::Rgb;

namespace {

// Screen pixels per world unit on the plane z = -2 seen from the camera at
// the origin (eye 0.15 above it, 45 degree field of view, 600 pixels high).
const double kWorldScale = 300.0 / (2.15 * std::tan(22.5 * M_PI / 180.0));
int px(double units) { return static_cast<int>(std::lround(units * kWorldScale)); }
int worldX(double x) { return 400 + px(x); }
int worldY(double y) { return 300 - px(y); }

const Rgb kBackground{0, 0, 0}, kGreen{0, 255, 0}, kNoticePick{91, 144, 144};
const Rgb kQuad[4] = {tftest::kQuadTopLeft, tftest::kQuadTopRight, tftest::kQuadBottomLeft, tftest::kQuadBottomRight};

Rgb glyphColor(char c, float r = 1, float g = 1, float b = 1) {
  int column, row;
  tf::fontCell(c, column, row);
  const Rgb cell = tftest::fontCellColor(column, row);
  return Rgb{int(std::lround(cell.r * r)), int(std::lround(cell.g * g)), int(std::lround(cell.b * b))};
}

class Drawing : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
    tf::resetSplashTiming();
  }
  void TearDown() override {
    tf::gameSys = saved;
    tf::splash = tf::uiSplash();
    tf::resetSplashTiming();
    GlTest::TearDown();
  }
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
      EXPECT_EQ(pixel(x, y), kBackground) << x << "," << y;
    }
  }
  static std::string shownNotice() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time == 1 ? title + "|" + message : "";
  }
  void expectPixels(const std::vector<std::pair<int, int>>& points, const Rgb& colour) {
    for (auto [x, y] : points) EXPECT_EQ(pixel(x, y), colour) << x << "," << y;
  }
  // The colours expected at points (x, y).
  void expectPixels(const std::vector<std::pair<std::pair<int, int>, Rgb>>& seen) {
    for (const auto& [at, colour] : seen) EXPECT_EQ(pixel(at.first, at.second), colour) << at.first << "," << at.second;
  }
  static void expectWhiteAfterwards() {
    float color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_EQ(color[0] + color[1] + color[2] + color[3], 4.0f);
  }
  // A one-line notice's box spans x 110..237, y 41..108.
  void expectNoticeBox(const Rgb& inside) {
    expectPixels({{111, 42}, {236, 107}}, inside);
    expectPixels({{109, 75}, {238, 75}, {174, 40}, {174, 109}}, kBackground);
  }
  tf::System saved = tf::gameSys;
};

TEST_F(Drawing, PicturesFillTheirRectangleUprightOnTheOverlayAndInTheWorld) {
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

TEST_F(Drawing, TheOutermostHundredthOfAPictureIsNeverShown) {
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

TEST_F(Drawing, ColourTintsThePictureAndAlphaComesFromThePictureWhenBlending) {
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
  expectWhiteAfterwards();  // and no blending nor texture for whoever draws next
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Drawing, APickPassDrawsTheCallersFlatColourAndANamedRectangleDrawsAsUsual) {
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

TEST_F(Drawing, RefusedRectanglesDrawNothingAndRaiseTheImageNotice) {
  int tex = loadPicture(solidPicture("green.png", kGreen));
  const std::string refused = "Image Error!|Invalid texture information trying to be displayed! Did you accidently "
                              "delete images from your project?";
  const struct {
    float x, y, w, h, r, g, b;
    int tex;
  } cases[] = {{200, 200, 0, 10, 1, 1, 1, tex},       {200, 200, 10, 0, 1, 1, 1, tex},
               {200, 200, -5, 10, 1, 1, 1, tex},      {-100.5f, 200, 150, 10, 1, 1, 1, tex},
               {200, -101, 10, 150, 1, 1, 1, tex},    {200, 200, 10, 10, -0.1f, 1, 1, tex},
               {200, 200, 10, 10, 1, -1, 1, tex},     {200, 200, 10, 10, 1, 1, -1, tex},
               {200, 200, 10, 10, 1, 1, 1, -1}};
  for (const auto& c : cases) {
    tf::notice.leaveNotice();
    EXPECT_FALSE(tf::displayTexture(c.x, c.y, 0, c.w, c.h, c.r, c.g, c.b, c.tex, true, false, 1, tf::kPickNone));
    EXPECT_EQ(shownNotice(), refused) << c.x << " " << c.y << " " << c.w << " " << c.h << " " << c.tex;
  }
  EXPECT_EQ(pixel(200, 200), kBackground);
  EXPECT_EQ(pixel(20, 200), kBackground);

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

TEST_F(Drawing, FramesShowTheirCellOfTheStripUprightInBothPlacements) {
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

TEST_F(Drawing, TextGlyphsComeFromTheirCellsCentredOnThePenAndSizedByTheCodes) {
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

TEST_F(Drawing, TextColourCodesTintTheGlyphsAfterThemAndCaretsAreNeverShown) {
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

TEST_F(Drawing, WorldTextLiesOnTheTilePlaneAndNothingIsDrawnInAPickPass) {
  // 0.016 world units per half glyph: about 5.4 pixels from the camera's height.
  const Rgb a = glyphColor('A'), b = glyphColor('B'), none = kBackground;
  tf::platform().drawWorldText(0, 0, "AB");
  const int w = static_cast<int>(0.016 * kWorldScale), h = static_cast<int>(0.016 * 1.7 * kWorldScale);
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

TEST_F(Drawing, TheNoticeBoxTitleAndLinesLandWhereTheLayoutSays) {
  tf::notice.setNotice("Sound", "Sound is off");
  tf::noticeRender();
  expectNoticeBox(tftest::kTestNoticeBackground);
  EXPECT_EQ(pixel(124, 62), glyphColor('S'));  // the title
  EXPECT_EQ(pixel(124, 76), glyphColor('S'));  // the message
  const Rgb dismiss = pixel(133, 90);  // the dismiss line
  EXPECT_TRUE(tftest::near(dismiss, glyphColor('C', 0.7f, 0.7f, 0.7f), 1)) << dismiss;

  clearFrame();  // a pick pass draws only the box, in its pick colour
  tf::gameSys.setColorPick(true);
  tf::noticeRender();
  expectNoticeBox(kNoticePick);
  expectPixels({{124, 62}, {124, 76}}, kNoticePick);
}

TEST_F(Drawing, AScreenshotOfANotice) {
  useReadableSystemImages();
  clearFrame(Rgb{24, 28, 36});
  tf::notice.setNotice("UI Saved", "The user interface for ^ymaze^w has been saved.");
  tf::noticeRender();
  keepScreenshot("notice.png");  // the README's docs/notice.png
}

TEST_F(Drawing, AChoiceShowsItsImagesOrTheirPickColours) {
  // The label "Si^yze" is 36 wide: plus at (151, 297), minus at (191, 297), half size 16.
  EXPECT_TRUE(tf::displaySingleChoice(300, 200, 20, 10, tf::kImgOk, 110, 144, 1));
  EXPECT_FALSE(tf::displaySingleChoice(500, 200, 20, 20, tf::kSystemImageCount, 1, 2, 3));
  tf::displayChoice(100, 300, "Si^yze", 1, 144, 2, 1, 144, 3);
  expectPixels({{281, 191}, {318, 209}}, tftest::testSystemImageColor(tf::kImgOk));
  expectPixels({{279, 200}, {300, 189}, {500, 200}, {171, 297}}, kBackground);
  EXPECT_EQ(pixel(100, 300), glyphColor('S'));
  expectPixels({{151, 297}, {136, 282}}, tftest::testSystemImageColor(tf::kImgPlus));
  expectPixels({{191, 297}, {206, 312}}, tftest::testSystemImageColor(tf::kImgMinus));

  clearFrame();
  tf::gameSys.setColorPick(true);
  EXPECT_TRUE(tf::displaySingleChoice(300, 200, 20, 10, tf::kImgOk, 110, 144, 1));
  EXPECT_FALSE(tf::displaySingleChoice(500, 200, 20, 20, -1, 1, 2, 3));
  // The transparent "none" picture still blocks clicks where it lies.
  EXPECT_TRUE(tf::displaySingleChoice(600, 200, 20, 20, tf::kImgNone, 144, 144, 144));
  tf::displayChoice(100, 300, "Si^yze", 1, 144, 2, 1, 144, 3);
  expectPixels({{281, 191}, {318, 209}}, Rgb{110, 144, 1});
  expectPixels({{500, 200}, {100, 300}}, kBackground);
  EXPECT_EQ(pixel(600, 200), (Rgb{144, 144, 144}));
  EXPECT_EQ(pixel(151, 297), (Rgb{1, 144, 2}));
  EXPECT_EQ(pixel(191, 297), (Rgb{1, 144, 3}));
}

TEST_F(Drawing, TheSplashPictureFillsTheScreenAtTheSequencesBrightness) {
  tftest::ManualClock clock(0);
  tf::uiImage.assign(3, tf::img());
  tf::uiImage[2].SetTex(loadPicture(solidPicture("splash0.png", Rgb{255, 255, 255})));
  tf::splash.setSplash(1);
  tf::splash.setStartingSplash(2);
  tf::splash.setResetSplash(true);
  tf::gameSys.setGameState(tf::kStateSplash);
  tf::splashRender();  // the first frame is black
  EXPECT_EQ(pixel(400, 300), kBackground);
  for (int frame = 1; frame <= 18; ++frame) {
    clock.advance(16);
    clearFrame(Rgb{255, 0, 0});
    tf::splashRender();
  }
  const int grey = static_cast<int>(std::lround(255 * 18 * 0.028));  // the brightness of 18 steps
  for (auto [x, y] : {std::pair{400, 300}, {0, 0}, {799, 0}, {0, 599}, {799, 599}}) {
    EXPECT_TRUE(tftest::near(pixel(x, y), Rgb{grey, grey, grey}, 1)) << x << "," << y << " " << pixel(x, y);
  }
  tf::gameSys.setGameState(tf::kStateMenus);  // outside the splash state nothing is drawn
  clearFrame();
  tf::splashRender();
  EXPECT_EQ(pixel(400, 300), kBackground);
}

TEST_F(Drawing, TheLoadingScreenShowsThePictureTheMessageAndTheBarAtOnce) {
  const Rgb frame{0, 0, 153}, bar{0, 0, 255};
  tf::drawLoadingScreen("Loading maps", 0.5f);
  expectPixels({{400, 300}, {0, 0}, {799, 599}, {16, 575}, {123, 575}}, tftest::kTestLoadingBackground);
  EXPECT_EQ(pixel(20, 550), glyphColor('L'));
  // The frame spans x 17..122, y 568..581; a half bar x 20..69, y 570..579.
  expectPixels({{18, 575}, {121, 575}, {60, 569}, {70, 575}}, frame);
  expectPixels({{20, 575}, {69, 575}}, bar);

  // Shown at once, with a full bar for no progress. A window that another
  // test opens over this one at the moment of the swap hides part of the
  // frame: show it again until one swap lands on top.
  const std::vector<Rgb> full = {bar, bar, frame, glyphColor('S')};
  std::vector<Rgb> seen;
  for (int attempt = 0; attempt < 5 && seen != full; ++attempt) {
    raiseWindow();
    tf::loadRender("Starting", 0);
    seen = shownPixels({{20, 575}, {119, 575}, {121, 575}, {20, 550}});
  }
  EXPECT_EQ(seen, full);
}

}  // namespace
