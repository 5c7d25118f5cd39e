// The debug overlay: where its panel goes (away from the console and the
// mouse), the panel drawn on a real window, and a screenshot for the README.
#include <gtest/gtest.h>

#include "app/debug_overlay.h"
#include "console/console.h"
#include "core/camera.h"
#include "core/system.h"
#include "game/world.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "media/images.h"
#include "settings_guard.h"

namespace {

class DebugOverlay : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
  }
  void TearDown() override {
    tf::console = tf::debugConsole();
    tf::world = tf::gameWorld();
    GlTest::TearDown();
  }
  tftest::ManualClock clock{0};
  tftest::SettingsGuard guard;
};

TEST_F(DebugOverlay, ThePanelMovesAwayFromTheConsoleAndTheMouse) {
  enum { kClosed, kOpen, kClosing };
  // The panel is x 602..798, y 7..165. Lowered when the mouse is strictly inside that or the
  // console is open; hidden when the mouse is over the lowered panel of an open console.
  const struct {
    int console, mx, my;
    bool shown;
    float y;
  } cases[] = {{kClosed, 10, 590, true, 86},    {kClosed, 700, 86, true, 500}, {kClosed, 602, 86, true, 86},
               {kClosed, 798, 86, true, 86},    {kClosed, 700, 7, true, 86},   {kClosed, 700, 165, true, 86},
               {kClosed, 603, 164, true, 500},  {kOpen, 700, 86, true, 500},   {kOpen, 650, 520, false, 500},
               {kClosing, 650, 520, false, 500}};
  for (const auto& c : cases) {
    tf::console = tf::debugConsole();
    if (c.console != kClosed) tf::console.enableConsole();
    if (c.console == kClosing) tf::console.disableConsole();
    tf::gameSys.setOrthoPos(c.mx, c.my);
    const tf::DebugOverlay o = tf::planDebugOverlay();
    EXPECT_EQ(o.shown, c.shown) << c.console << ": " << c.mx << "," << c.my;
    EXPECT_EQ(o.y, c.y) << c.console << ": " << c.mx << "," << c.my;
  }
}

TEST_F(DebugOverlay, ThePanelIsDrawnAndKeptAsAScreenshot) {
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
  const tftest::Rgb backdrop{24, 28, 36};
  clearFrame(backdrop);
  tf::debugRender();
  // With the test pictures the panel is a flat colour over x 602..798, y 7..165.
  EXPECT_EQ(pixel(603, 8), tftest::testSystemImageColor(tf::kImgDialogBackground));
  EXPECT_EQ(pixel(600, 86), backdrop);
  ASSERT_TRUE(useDataSystemImages());
  clearFrame(backdrop);
  tf::debugRender();
  tf::renderVolume();
  keepScreenshot("debug.png");  // the README's docs/debug.png
}

}  // namespace
