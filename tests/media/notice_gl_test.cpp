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
const Rgb kNoticePick{91, 144, 144};

Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
}

// A glyph in the hint colour ^d (0.7 grey).
Rgb greyed(char c) {
  Rgb g = glyphColor(c);
  return Rgb{static_cast<int>(std::lround(g.r * 0.7)), static_cast<int>(std::lround(g.g * 0.7)),
             static_cast<int>(std::lround(g.b * 0.7))};
}

class NoticeBox : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
  }
};

TEST_F(NoticeBox, TheBoxTitleAndLinesLandWhereTheLayoutSays) {
  tf::notice.setNotice("Sound", "Sound is off");
  tf::noticeRender();
  // Box centred at (174, 75), half size (64, 34): x 110..237, y 41..108.
  EXPECT_EQ(pixel(111, 42), tftest::kTestNoticeBackground);
  EXPECT_EQ(pixel(236, 107), tftest::kTestNoticeBackground);
  EXPECT_EQ(pixel(109, 75), kBackground);
  EXPECT_EQ(pixel(238, 75), kBackground);
  EXPECT_EQ(pixel(174, 40), kBackground);
  EXPECT_EQ(pixel(174, 109), kBackground);
  // The title at size 5 from x 124, y 62: S, o, u, n, d 11 apart.
  EXPECT_EQ(pixel(124, 62), glyphColor('S'));
  EXPECT_EQ(pixel(124 + 11, 62), glyphColor('o'));
  EXPECT_EQ(pixel(124 + 44, 55), glyphColor('d'));  // 8.5 high above its centre
  // The message at y 76, the dismiss line in grey at y 90.
  EXPECT_EQ(pixel(124, 76), glyphColor('S'));
  EXPECT_EQ(pixel(124 + 9 * 9, 76), glyphColor('o'));
  EXPECT_TRUE(tftest::near(pixel(124, 90), greyed('('), 1)) << pixel(124, 90);
  EXPECT_TRUE(tftest::near(pixel(133, 90), greyed('C'), 1)) << pixel(133, 90);
}

TEST_F(NoticeBox, APickPassDrawsOnlyTheBoxInItsPickColour) {
  tf::notice.setNotice("Sound", "Sound is off");
  tf::gameSys.setColorPick(true);
  tf::noticeRender();
  EXPECT_EQ(pixel(124, 62), kNoticePick);
  EXPECT_EQ(pixel(124, 76), kNoticePick);
  EXPECT_EQ(pixel(111, 42), kNoticePick);
  EXPECT_EQ(pixel(236, 107), kNoticePick);
  EXPECT_EQ(pixel(109, 75), kBackground);
  EXPECT_EQ(pixel(238, 75), kBackground);
}

TEST_F(NoticeBox, TallerNoticesGrowUpwardsAndDownwards) {
  std::string message;
  while (message.size() < 60) message += message.size() % 5 == 4 ? ' ' : 'w';
  tf::notice.setNotice("Words", message);  // three lines and the dismiss line: L = 3
  tf::noticeRender();
  // Half height 28 + 18 = 46 around y 75: 29..120; the title at 68 - 18 = 50.
  EXPECT_EQ(pixel(111, 30), tftest::kTestNoticeBackground);
  EXPECT_EQ(pixel(111, 120), tftest::kTestNoticeBackground);
  EXPECT_EQ(pixel(111, 28), kBackground);
  EXPECT_EQ(pixel(111, 121), kBackground);
  EXPECT_EQ(pixel(124, 50), glyphColor('W'));
  for (int j = 0; j < 3; ++j) EXPECT_EQ(pixel(124, 64 + 14 * j), glyphColor('w')) << j;
}

TEST_F(NoticeBox, DroppedAndHiddenNoticesDrawNothing) {
  tf::notice.setNotice(std::string(31, 'T'), "message");
  tf::noticeRender();
  tf::notice.setNotice("Title", "message");
  tf::gameSys.setDisableMouseState(true);
  tf::noticeRender();
  tf::gameSys.setDisableMouseState(false);
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

class Choice : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
  }
};

TEST_F(Choice, ASingleChoiceShowsItsImageOrItsPickColour) {
  EXPECT_TRUE(tf::displaySingleChoice(300, 200, 20, 10, tf::kImgOk, 110, 144, 1));
  EXPECT_EQ(pixel(281, 191), tftest::testSystemImageColor(tf::kImgOk));
  EXPECT_EQ(pixel(318, 209), tftest::testSystemImageColor(tf::kImgOk));
  EXPECT_EQ(pixel(279, 200), kBackground);
  EXPECT_EQ(pixel(300, 189), kBackground);

  clearFrame();
  tf::gameSys.setColorPick(true);
  EXPECT_TRUE(tf::displaySingleChoice(300, 200, 20, 10, tf::kImgOk, 110, 144, 1));
  EXPECT_EQ(pixel(281, 191), (Rgb{110, 144, 1}));
  EXPECT_EQ(pixel(318, 209), (Rgb{110, 144, 1}));
  // The transparent "none" picture still blocks clicks where it lies.
  EXPECT_TRUE(tf::displaySingleChoice(600, 200, 20, 20, tf::kImgNone, 144, 144, 144));
  EXPECT_EQ(pixel(600, 200), (Rgb{144, 144, 144}));
}

TEST_F(Choice, AnIndexThatNamesNoSystemImageDrawsNothing) {
  EXPECT_FALSE(tf::displaySingleChoice(300, 200, 20, 20, -1, 1, 2, 3));
  EXPECT_FALSE(tf::displaySingleChoice(300, 200, 20, 20, tf::kSystemImageCount, 1, 2, 3));
  tf::gameSys.setColorPick(true);
  EXPECT_FALSE(tf::displaySingleChoice(300, 200, 20, 20, -1, 1, 2, 3));
  EXPECT_EQ(pixel(300, 200), kBackground);
}

TEST_F(Choice, ALabelWithPlusAndMinusAfterIt) {
  // "Size" is 36 wide: plus at (151, 197), minus at (191, 197), half size 16.
  tf::displayChoice(100, 200, "Size", 1, 144, 2, 1, 144, 3);
  EXPECT_EQ(pixel(100, 200), glyphColor('S'));
  EXPECT_EQ(pixel(151, 197), tftest::testSystemImageColor(tf::kImgPlus));
  EXPECT_EQ(pixel(136, 182), tftest::testSystemImageColor(tf::kImgPlus));
  EXPECT_EQ(pixel(191, 197), tftest::testSystemImageColor(tf::kImgMinus));
  EXPECT_EQ(pixel(206, 212), tftest::testSystemImageColor(tf::kImgMinus));
  EXPECT_EQ(pixel(171, 197), kBackground);

  clearFrame();
  tf::gameSys.setColorPick(true);
  tf::displayChoice(100, 200, "Size", 1, 144, 2, 1, 144, 3);
  EXPECT_EQ(pixel(100, 200), kBackground);
  EXPECT_EQ(pixel(151, 197), (Rgb{1, 144, 2}));
  EXPECT_EQ(pixel(191, 197), (Rgb{1, 144, 3}));
}

TEST_F(Choice, ACustomChoiceUsesTheImagesItIsGiven) {
  tf::displayCustomChoice(50, 400, "^yMap", tf::kImgArrowLeft, 5, 144, 6, tf::kImgArrowRight, 7, 144, 8);
  // "^yMap" is 27 wide.
  EXPECT_EQ(pixel(50 + 27 + 15, 397), tftest::testSystemImageColor(tf::kImgArrowLeft));
  EXPECT_EQ(pixel(50 + 27 + 55, 397), tftest::testSystemImageColor(tf::kImgArrowRight));
  tf::gameSys.setColorPick(true);
  tf::displayCustomChoice(50, 400, "^yMap", tf::kImgArrowLeft, 5, 144, 6, tf::kImgArrowRight, 7, 144, 8);
  EXPECT_EQ(pixel(50 + 27 + 15, 397), (Rgb{5, 144, 6}));
  EXPECT_EQ(pixel(50 + 27 + 55, 397), (Rgb{7, 144, 8}));
}

}  // namespace
