// Input on a real window: the pointer unprojected onto the overlay and the
// world, and a real pick pass finding the button under a hover and a click.
#include <gtest/gtest.h>

#include "core/camera.h"
#include "core/run_state.h"
#include "core/system.h"
#include "core/view.h"
#include "gl_window.h"
#include "input/dispatch.h"
#include "input/input.h"
#include "manual_clock.h"
#include "media/images.h"
#include "menus/ui.h"
#include "settings_guard.h"

namespace {

class InputOnScreen : public tftest::GlTest {
 protected:
  void TearDown() override {
    tf::gameUI = savedUI;
    GlTest::TearDown();
  }
  tftest::SettingsGuard guard;
  tftest::ManualClock clock{1000000};
  tf::UI savedUI = tf::gameUI;
};

TEST_F(InputOnScreen, ThePointerIsUnprojectedWhereverTheCameraIsAndAPickPassFindsTheButton) {
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
  // Menu 0: a 200 x 50 button centred at (400, 300) that shows menu 1.
  useTestSystemImages();
  tf::uiImage.assign(1, tf::img());
  tf::uiImage[0].SetTex(loadPicture(solidPicture("button.png", {200, 100, 50})));
  tf::gameUI = tf::UI();
  tf::gameUI.allocateMenu(2);
  tf::gameUI.setMenuCount(2);
  for (int menu : {0, 1}) tf::gameUI.setMenuBackgroundTex(menu, -1);
  tf::gameUI.uiModifyButton(400, 300, 100, 25, 0, 1, 1, 0, 0);
  tf::gameUI.menuSetButtonCount(0, 1);
  tf::loadMenu(0);
  tf::gameSys.setGameState(tf::kStateMenus);
  tf::gameSys.setInputState(tf::kInputNormal);
  tf::gameSys.setDirTextbox(-1);
  tf::resetRunState();
  tf::mousePassive(400, 330);  // just below it
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  clock.advance(tf::kHoverThrottleMs);
  tf::mousePassive(310, 280);  // its corner
  EXPECT_EQ(tf::gameUI.getHoverButton(), 0);
  tf::mouse(tf::kButtonLeft, tf::kButtonDown, 310, 280);
  EXPECT_EQ(tf::gameUI.getPressedButton(), 0);
  tf::mouse(tf::kButtonLeft, tf::kButtonUp, 310, 280);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 1);
}

}  // namespace
