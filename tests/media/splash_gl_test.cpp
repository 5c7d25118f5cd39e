// The splash picture and the loading screen on a real window.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/system.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/splash.h"
#include "media/text.h"

using tftest::Rgb;

namespace {

const Rgb kFrame{0, 0, 153}, kBar{0, 0, 255}, kLoading = tftest::kTestLoadingBackground;

Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
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
  tf::System saved = tf::gameSys;
};

TEST_F(Screens, TheSplashPictureFillsTheScreenAtTheSequencesBrightness) {
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
  const int grey = static_cast<int>(std::lround(255 * 18 * 0.028));  // the brightness of 18 steps
  for (auto [x, y] : {std::pair{400, 300}, {0, 0}, {799, 0}, {0, 599}, {799, 599}}) {
    EXPECT_TRUE(tftest::near(pixel(x, y), Rgb{grey, grey, grey}, 1)) << x << "," << y << " " << pixel(x, y);
  }
  tf::gameSys.setGameState(tf::kStateMenus);  // outside the splash state nothing is drawn
  clearFrame();
  tf::splashRender();
  EXPECT_EQ(pixel(400, 300), (Rgb{0, 0, 0}));
}

TEST_F(Screens, TheLoadingScreenShowsThePictureTheMessageAndTheBar) {
  tf::drawLoadingScreen("Loading maps", 0.5f);
  for (auto [x, y] : {std::pair{400, 300}, {0, 0}, {799, 599}, {16, 575}, {123, 575}}) {
    EXPECT_EQ(pixel(x, y), kLoading) << x << "," << y;
  }
  EXPECT_EQ(pixel(20, 550), glyphColor('L'));
  EXPECT_EQ(pixel(29, 550), glyphColor('o'));
  // The frame spans x 17..122, y 568..581; a half bar x 20..69, y 570..579.
  const std::vector<std::pair<int, int>> points = {{18, 575}, {121, 575}, {60, 569}, {20, 575}, {69, 575}, {70, 575}};
  const std::vector<Rgb> expected = {kFrame, kFrame, kFrame, kBar, kBar, kFrame};
  for (std::size_t i = 0; i < points.size(); ++i) EXPECT_EQ(pixel(points[i].first, points[i].second), expected[i]);

  // Shown at once, with a full bar for no progress. A window that another
  // test opens over this one at the moment of the swap hides part of the
  // frame: show it again until one swap lands on top.
  const std::vector<Rgb> full = {kBar, kBar, kFrame, glyphColor('S')};
  std::vector<Rgb> seen;
  for (int attempt = 0; attempt < 5 && seen != full; ++attempt) {
    raiseWindow();
    tf::loadRender("Starting", 0);
    seen = shownPixels({{20, 575}, {119, 575}, {121, 575}, {20, 550}});
  }
  EXPECT_EQ(seen, full);
}

}  // namespace
