// The debug overlay and the volume indicator on a real window.
#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "core/camera.h"
#include "core/debug_overlay.h"
#include "core/system.h"
#include "game/world.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/ui.h"
#include "settings_guard.h"

using tftest::Rgb;

namespace {

const Rgb kBackground{0, 0, 0};

Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
}

class DebugOverlayOnScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
    reset();
    tf::gameSys.setOrthoPos(10, 590);
  }
  void TearDown() override {
    reset();
    GlTest::TearDown();
  }
  static void reset() {
    tf::console = tf::debugConsole();
    tf::gameUI = tf::UI();
    tf::world = tf::gameWorld();
  }

  struct At {
    int x, y;
    Rgb color;
  };
  void expectPixels(std::initializer_list<At> points) const {
    for (const At& p : points) EXPECT_EQ(pixel(p.x, p.y), p.color) << "at " << p.x << "," << p.y;
  }

  tftest::ManualClock clock{0};
  tftest::SettingsGuard guard;
  const Rgb panel = tftest::testSystemImageColor(tf::kImgDialogBackground);
};

TEST_F(DebugOverlayOnScreen, AtTheTopRightLoweredForTheConsoleAndGoneUnderTheMouse) {
  tf::debugRender();
  // Centred at (700, 86), 98 by 79 on each side; "^wVer. ..." from x 620 at y 21, the last of
  // the eleven lines (the menu section) at y 151.
  expectPixels({{603, 8, panel}, {797, 164, panel}, {600, 86, kBackground}, {700, 166, kBackground},
                {620, 21, glyphColor('V')}, {620, 151, glyphColor('T')}});
  tf::console.enableConsole();
  clearFrame();
  tf::debugRender();
  expectPixels({{603, 422, panel}, {620, 435, glyphColor('V')}, {603, 8, kBackground}});
  clearFrame();
  tf::gameSys.setOrthoPos(700, 500);
  tf::debugRender();
  for (int y = 5; y < 600; y += 20) ASSERT_EQ(pixel(700, y), kBackground) << y;
}

TEST_F(DebugOverlayOnScreen, TheVolumeIndicatorShowsUntilItsTimeIsUp) {
  tf::gameSys.setSoundVolume(0.5f);
  tf::gameSys.setVolTimer(20);  // one frame left
  tf::renderVolume();
  // "Volume" in yellow at size 3 from x 335.
  const Rgb v = glyphColor('V');
  expectPixels({{301, 476, tftest::kTestNoticeBackground}, {499, 524, tftest::kTestNoticeBackground},
                {400, 474, kBackground}, {335, 500, {v.r, v.g, 0}}});
  clearFrame();
  tf::renderVolume();
  EXPECT_EQ(pixel(301, 476), kBackground);
}

TEST_F(DebugOverlayOnScreen, AScreenshotOfTheDebugOverlay) {
  useReadableSystemImages();
  tf::world.allocateMaps(3);
  tf::world.worldSetMap(20, 15, "Village", 1);
  for (int i = 0; i < 12; ++i) tf::world.worldSetObject(0.3f * i, 0.6f, 0.1f, 0.1f, 1, 0, i, 1);
  tf::world.setCurrentMap(1);
  tf::gameSys.setGameState(tf::kStatePlay);
  tf::gameSys.setCurFPS(60);
  tf::gameSys.setNormalPos(2.71, 1.4);
  tf::gameSys.setOrthoPos(412, 318);
  tf::camera.SetPos(2.4f, 1.8f, 0);
  clock.set(754000);
  tf::gameSys.setSoundVolume(0.7f);
  tf::gameSys.setVolTimer(1000);
  clearFrame(Rgb{24, 28, 36});
  tf::debugRender();
  tf::renderVolume();
  tf::camera.SetPos(0, 0, 0);
  keepScreenshot("debug.png");  // the README's docs/debug.png
}

}  // namespace
