// Input on a real window: the pointer unprojected onto the overlay and the
// world, wherever the camera is.
#include <gtest/gtest.h>

#include "core/camera.h"
#include "core/system.h"
#include "core/view.h"
#include "gl_window.h"
#include "input/input.h"
#include "settings_guard.h"

namespace {

class InputOnScreen : public tftest::GlTest {
 protected:
  tftest::SettingsGuard guard;
};

TEST_F(InputOnScreen, ThePointerIsUnprojectedWhereverTheCameraIs) {
  for (float cameraX : {0.0f, 3.0f}) {
    tf::camera.SetPos(cameraX, 2, 0);
    tf::UpdateCamera();
    int mismatches = 0, x, y;
    for (int px = 0; px < 800; ++px) {
      tf::updateMousePos(px, 599 - px * 3 / 4);
      tf::gameSys.getOrthoPos(x, y);
      mismatches += x != px || y != 599 - px * 3 / 4;
    }
    EXPECT_EQ(mismatches, 0);  // the overlay pixel for pixel
    double wx, wy, rightX, lowerY;
    tf::updateMousePos(400, 300);  // the middle lies on the world point under the camera
    tf::gameSys.getNormalPos(wx, wy);
    tf::updateMousePos(500, 400);  // further right and down is further east and south
    tf::gameSys.getNormalPos(rightX, lowerY);
    EXPECT_NEAR(wx, cameraX, 1e-3);
    EXPECT_NEAR(wy, 2, 1e-3);
    EXPECT_GT(rightX, wx);
    EXPECT_LT(lowerY, wy);
  }
}

}  // namespace
