// The notice box, the clickable pictures, the splash picture and the loading
// screen on a real window, in normal and in colour pick passes.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "core/system.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/splash.h"
#include "media/text.h"
#include "menus/choice.h"

using tftest::Rgb;

namespace {

const Rgb kBackground{0, 0, 0}, kNoticePick{91, 144, 144};

Rgb glyphColor(char c, float shade = 1) {
  int column, row;
  tf::fontCell(c, column, row);
  const Rgb cell = tftest::fontCellColor(column, row);
  return Rgb{int(std::lround(cell.r * shade)), int(std::lround(cell.g * shade)), int(std::lround(cell.b * shade))};
}

class Screens : public tftest::GlTest {
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
  void expectPixels(const std::vector<std::pair<int, int>>& points, const Rgb& colour) {
    for (auto [x, y] : points) EXPECT_EQ(pixel(x, y), colour) << x << "," << y;
  }
  // A one-line notice's box spans x 110..237, y 41..108.
  void expectNoticeBox(const Rgb& inside) {
    expectPixels({{111, 42}, {236, 107}}, inside);
    expectPixels({{109, 75}, {238, 75}, {174, 40}, {174, 109}}, kBackground);
  }
  tf::System saved = tf::gameSys;
};

TEST_F(Screens, TheNoticeBoxTitleAndLinesLandWhereTheLayoutSays) {
  tf::notice.setNotice("Sound", "Sound is off");
  tf::noticeRender();
  expectNoticeBox(tftest::kTestNoticeBackground);
  EXPECT_EQ(pixel(124, 62), glyphColor('S'));  // the title
  EXPECT_EQ(pixel(124, 76), glyphColor('S'));  // the message
  EXPECT_TRUE(tftest::near(pixel(133, 90), glyphColor('C', 0.7f), 1)) << pixel(133, 90);  // the dismiss line

  clearFrame();  // a pick pass draws only the box, in its pick colour
  tf::gameSys.setColorPick(true);
  tf::noticeRender();
  expectNoticeBox(kNoticePick);
  expectPixels({{124, 62}, {124, 76}}, kNoticePick);
}

TEST_F(Screens, AScreenshotOfANotice) {
  useReadableSystemImages();
  clearFrame(Rgb{24, 28, 36});
  tf::notice.setNotice("UI Saved", "The user interface for ^ymaze^w has been saved.");
  tf::noticeRender();
  const std::string shot = dir.path() + "/notice.png";
  ASSERT_TRUE(saveScreenshot(shot));
  EXPECT_GT(boost::filesystem::file_size(shot), 1000u);
  // Set TF_SCREENSHOT_DIR to keep the picture (the README's docs/notice.png).
  if (const char* keep = std::getenv("TF_SCREENSHOT_DIR")) {
    boost::filesystem::copy_file(shot, std::string(keep) + "/notice.png",
                                 boost::filesystem::copy_option::overwrite_if_exists);
  }
}

TEST_F(Screens, AChoiceShowsItsImagesOrTheirPickColours) {
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

TEST_F(Screens, TheSplashPictureFillsTheScreenAtTheSequencesBrightness) {
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

TEST_F(Screens, TheLoadingScreenShowsThePictureTheMessageAndTheBarAtOnce) {
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
