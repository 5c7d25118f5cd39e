// The debug overlay's panel drawn on a real window, and kept as a screenshot
// for the README.
#include <gtest/gtest.h>

#include "app/debug_overlay.h"
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
    tf::world = tf::gameWorld();
    GlTest::TearDown();
  }
  tftest::ManualClock clock{0};
  tftest::SettingsGuard guard;
};

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
