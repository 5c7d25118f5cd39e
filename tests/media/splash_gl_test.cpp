// The splash picture and the loading screen on a real window.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/platform.h"
#include "core/system.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/splash.h"
#include "media/text.h"

using tftest::Rgb;

namespace {

Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
}

class SplashScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
    saved = tf::gameSys;
    tf::resetSplashTiming();
  }
  void TearDown() override {
    tf::gameSys = saved;
    tf::splash = tf::uiSplash();
    tf::resetSplashTiming();
    GlTest::TearDown();
  }
  tf::System saved;
};

TEST_F(SplashScreen, ThePictureFillsTheScreenAtTheSequencesBrightness) {
  tftest::ManualClock clock(0);
  tf::uiImage.assign(3, tf::img());
  tf::uiImage[2].SetTex(loadPicture(solidPicture("splash0.png", Rgb{255, 255, 255})));
  tf::splash.setSplash(1);
  tf::splash.setStartingSplash(2);
  tf::splash.setResetSplash(true);
  tf::gameSys.setGameState(tf::kStateSplash);

  tf::splashRender();  // the first frame is black
  EXPECT_EQ(pixel(400, 300), (Rgb{0, 0, 0}));
  for (int frame = 1; frame <= 18; ++frame) {
    clock.advance(16);
    clearFrame(Rgb{255, 0, 0});
    tf::splashRender();
  }
  // Drawn with the brightness of 18 steps: 0.504.
  const int grey = static_cast<int>(std::lround(255 * 18 * 0.028));
  for (auto [x, y] : {std::pair{400, 300}, {0, 0}, {799, 0}, {0, 599}, {799, 599}}) {
    EXPECT_TRUE(tftest::near(pixel(x, y), Rgb{grey, grey, grey}, 1)) << x << "," << y << " " << pixel(x, y);
  }
  // Outside game state 3 nothing is drawn.
  tf::gameSys.setGameState(tf::kStateMenus);
  clearFrame();
  tf::splashRender();
  EXPECT_EQ(pixel(400, 300), (Rgb{0, 0, 0}));
}

class LoadingScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
  }
};

const Rgb kFrame{0, 0, 153};
const Rgb kBar{0, 0, 255};

TEST_F(LoadingScreen, PictureMessageAndAHalfBar) {
  tf::drawLoadingScreen("Loading maps", 0.5f);
  EXPECT_EQ(pixel(400, 300), tftest::kTestLoadingBackground);
  EXPECT_EQ(pixel(0, 0), tftest::kTestLoadingBackground);
  EXPECT_EQ(pixel(799, 599), tftest::kTestLoadingBackground);
  EXPECT_EQ(pixel(20, 550), glyphColor('L'));
  EXPECT_EQ(pixel(29, 550), glyphColor('o'));
  // The bar frame spans x 17..122, y 568..581; the bar x 20..69, y 570..579.
  EXPECT_EQ(pixel(18, 575), kFrame);
  EXPECT_EQ(pixel(121, 575), kFrame);
  EXPECT_EQ(pixel(60, 569), kFrame);
  EXPECT_EQ(pixel(20, 575), kBar);
  EXPECT_EQ(pixel(69, 575), kBar);
  EXPECT_EQ(pixel(70, 575), kFrame);
  EXPECT_EQ(pixel(16, 575), tftest::kTestLoadingBackground);
  EXPECT_EQ(pixel(123, 575), tftest::kTestLoadingBackground);
}

TEST_F(LoadingScreen, IsShownAtOnceWithAFullBarForNoProgress) {
  const std::vector<Rgb> expected = {kBar, kBar, kFrame, glyphColor('S')};
  std::vector<Rgb> seen;
  // A window that another test opens over this one at the moment of the swap
  // hides part of the frame: show it again until one swap lands on top.
  for (int attempt = 0; attempt < 5 && seen != expected; ++attempt) {
    raiseWindow();
    tf::loadRender("Starting", 0);
    seen = shownPixels({{20, 575}, {119, 575}, {121, 575}, {20, 550}});
  }
  EXPECT_EQ(seen, expected);

  // Nothing at all during a pick pass.
  clearFrame(Rgb{1, 2, 3});
  tf::gameSys.setColorPick(true);
  tf::loadRender("Hidden", 0.5f);
  EXPECT_EQ(pixel(400, 300), (Rgb{1, 2, 3}));
}

}  // namespace
