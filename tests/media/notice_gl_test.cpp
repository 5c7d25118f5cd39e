// The notice box and the clickable pictures on a real window, in normal and in
// colour pick passes.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cmath>
#include <cstdlib>

#include "core/system.h"
#include "gl_window.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/text.h"
#include "menus/choice.h"

using tftest::Rgb;

namespace {

const Rgb kBackground{0, 0, 0};

Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
}

class NoticeBox : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
  }
  // The box spans x 110..237, y 41..108 for a one-line notice: its corners inside, the edges' neighbours outside.
  void expectBox(const Rgb& inside) {
    EXPECT_EQ(pixel(111, 42), inside);
    EXPECT_EQ(pixel(236, 107), inside);
    for (auto [x, y] : {std::pair{109, 75}, {238, 75}, {174, 40}, {174, 109}}) EXPECT_EQ(pixel(x, y), kBackground);
  }
};

using Choice = NoticeBox;

TEST_F(NoticeBox, TheBoxTitleAndLinesLandWhereTheLayoutSays) {
  tf::notice.setNotice("Sound", "Sound is off");
  tf::noticeRender();
  expectBox(tftest::kTestNoticeBackground);
  // The title at size 2 from x 124, y 62: glyphs 11 apart, 8.5 high above their centre.
  EXPECT_EQ(pixel(124, 62), glyphColor('S'));
  EXPECT_EQ(pixel(124 + 11, 62), glyphColor('o'));
  EXPECT_EQ(pixel(124 + 44, 55), glyphColor('d'));
  // The message at y 76, the dismiss line in 0.7 grey at y 90.
  EXPECT_EQ(pixel(124, 76), glyphColor('S'));
  EXPECT_EQ(pixel(124 + 9 * 9, 76), glyphColor('o'));
  const Rgb c = glyphColor('C');
  EXPECT_TRUE(tftest::near(pixel(133, 90), Rgb{int(std::lround(c.r * 0.7)), int(std::lround(c.g * 0.7)),
                                               int(std::lround(c.b * 0.7))}, 1)) << pixel(133, 90);

  // A pick pass draws only the box, in its pick colour.
  clearFrame();
  tf::gameSys.setColorPick(true);
  tf::noticeRender();
  expectBox(Rgb{91, 144, 144});
  EXPECT_EQ(pixel(124, 62), (Rgb{91, 144, 144}));
  EXPECT_EQ(pixel(124, 76), (Rgb{91, 144, 144}));
}

TEST_F(NoticeBox, DroppedAndHiddenNoticesDrawNothing) {
  tf::notice.setNotice(std::string(31, 'T'), "message");
  tf::noticeRender();
  tf::notice.setNotice("Title", "message");
  tf::gameSys.setDisableMouseState(true);
  tf::noticeRender();
  for (int x = 100; x < 400; x += 10) {
    for (int y = 20; y < 140; y += 10) ASSERT_EQ(pixel(x, y), kBackground) << x << "," << y;
  }
}

TEST_F(NoticeBox, AScreenshotOfANotice) {
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

TEST_F(Choice, ASingleChoiceShowsItsImageOrItsPickColourAndNothingForAnUnknownImage) {
  EXPECT_TRUE(tf::displaySingleChoice(300, 200, 20, 10, tf::kImgOk, 110, 144, 1));
  for (auto [x, y] : {std::pair{281, 191}, {318, 209}}) {
    EXPECT_EQ(pixel(x, y), tftest::testSystemImageColor(tf::kImgOk));
  }
  EXPECT_EQ(pixel(279, 200), kBackground);
  EXPECT_EQ(pixel(300, 189), kBackground);
  EXPECT_FALSE(tf::displaySingleChoice(500, 200, 20, 20, tf::kSystemImageCount, 1, 2, 3));

  clearFrame();
  tf::gameSys.setColorPick(true);
  EXPECT_TRUE(tf::displaySingleChoice(300, 200, 20, 10, tf::kImgOk, 110, 144, 1));
  EXPECT_EQ(pixel(281, 191), (Rgb{110, 144, 1}));
  EXPECT_EQ(pixel(318, 209), (Rgb{110, 144, 1}));
  // The transparent "none" picture still blocks clicks where it lies.
  EXPECT_TRUE(tf::displaySingleChoice(600, 200, 20, 20, tf::kImgNone, 144, 144, 144));
  EXPECT_EQ(pixel(600, 200), (Rgb{144, 144, 144}));
  EXPECT_FALSE(tf::displaySingleChoice(500, 200, 20, 20, -1, 1, 2, 3));
  EXPECT_EQ(pixel(500, 200), kBackground);
}

TEST_F(Choice, ALabelWithTwoButtonsAfterIt) {
  // "Size" is 36 wide: plus at (151, 197), minus at (191, 197), half size 16.
  tf::displayChoice(100, 200, "Size", 1, 144, 2, 1, 144, 3);
  EXPECT_EQ(pixel(100, 200), glyphColor('S'));
  EXPECT_EQ(pixel(151, 197), tftest::testSystemImageColor(tf::kImgPlus));
  EXPECT_EQ(pixel(136, 182), tftest::testSystemImageColor(tf::kImgPlus));
  EXPECT_EQ(pixel(191, 197), tftest::testSystemImageColor(tf::kImgMinus));
  EXPECT_EQ(pixel(206, 212), tftest::testSystemImageColor(tf::kImgMinus));
  EXPECT_EQ(pixel(171, 197), kBackground);
  // "^yMap" is 27 wide: the buttons 15 and 55 after it.
  tf::displayCustomChoice(50, 400, "^yMap", tf::kImgArrowLeft, 5, 144, 6, tf::kImgArrowRight, 7, 144, 8);
  EXPECT_EQ(pixel(50 + 27 + 15, 397), tftest::testSystemImageColor(tf::kImgArrowLeft));
  EXPECT_EQ(pixel(50 + 27 + 55, 397), tftest::testSystemImageColor(tf::kImgArrowRight));

  clearFrame();
  tf::gameSys.setColorPick(true);
  tf::displayChoice(100, 200, "Size", 1, 144, 2, 1, 144, 3);
  tf::displayCustomChoice(50, 400, "^yMap", tf::kImgArrowLeft, 5, 144, 6, tf::kImgArrowRight, 7, 144, 8);
  EXPECT_EQ(pixel(100, 200), kBackground);
  EXPECT_EQ(pixel(151, 197), (Rgb{1, 144, 2}));
  EXPECT_EQ(pixel(191, 197), (Rgb{1, 144, 3}));
  EXPECT_EQ(pixel(50 + 27 + 15, 397), (Rgb{5, 144, 6}));
  EXPECT_EQ(pixel(50 + 27 + 55, 397), (Rgb{7, 144, 8}));
}

}  // namespace
