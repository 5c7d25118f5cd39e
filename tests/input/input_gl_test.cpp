// Input on a real window: the pointer unprojected onto the overlay and the
// world, real pick passes under hovers and clicks, and the screenshot's file.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "core/app.h"
#include "core/camera.h"
#include "core/glut_platform.h"
#include "core/platform.h"
#include "core/system.h"
#include "gl_window.h"
#include "input/dispatch.h"
#include "input/input.h"
#include "manual_clock.h"
#include "media/images.h"
#include "menus/help.h"
#include "menus/ui.h"

using tftest::Rgb;

namespace {

const Rgb kButtonColor{200, 100, 50};

class InputOnScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    savedUI = tf::gameUI;
    savedStrings = tf::uiScriptString;
    savedSys = tf::gameSys;
    savedHelp = tf::uiHelp;
    tf::gameUI = tf::UI();
    tf::uiScriptString = tf::uiString();
    tf::uiHelp.clearData();
    tf::gameSys.setGameState(tf::kStateMenus);
    tf::gameSys.setInputState(tf::kInputNormal);
    tf::gameSys.setDirTextbox(-1);
    tf::resetInputDispatch();
    static int start = 0;
    start += 1000000;
    clock.set(start);

    // Menu 0: a button that shows menu 1 at (400, 300), 200 x 50, and a
    // textbox of UI string 0 whose field is centred at (400, 397).
    useTestSystemImages();
    tf::uiImage.assign(1, tf::img());
    tf::uiImage[0].SetTex(loadPicture(solidPicture("button.png", kButtonColor)));
    tf::gameUI.allocateMenu(2);
    tf::gameUI.setMenuCount(2);
    tf::gameUI.setMenuBackgroundTex(0, -1);
    tf::gameUI.setMenuBackgroundTex(1, -1);
    tf::gameUI.uiModifyButton(400, 300, 100, 25, 0, 1, 1, 0, 0);
    tf::gameUI.menuSetButtonCount(0, 1);
    tf::gameUI.uiModifyTextbox(250, 400, 300, 20, 0, 0, 0);
    tf::gameUI.menuSetTextboxCount(0, 1);
    tf::loadMenu(0);
  }
  void TearDown() override {
    tf::gameUI = savedUI;
    tf::uiScriptString = savedStrings;
    tf::gameSys = savedSys;
    tf::uiHelp = savedHelp;
    GlTest::TearDown();
  }

  static void click(int x, int y) {
    tf::mouse(tf::kButtonLeft, tf::kButtonDown, x, y);
    tf::mouse(tf::kButtonLeft, tf::kButtonUp, x, y);
  }

  tftest::ManualClock clock;

 private:
  tf::UI savedUI;
  tf::uiString savedStrings;
  tf::System savedSys;
  tf::help savedHelp;
};

TEST_F(InputOnScreen, ThePointerFallsOnTheOverlayPixelForPixelWhereverTheCameraIs) {
  for (float cameraX : {0.0f, 3.0f}) {
    tf::camera.SetPos(cameraX, 2, 0);
    tf::UpdateCamera();
    int mismatches = 0;
    for (int px = 0; px < 800; ++px) {
      int x, y;
      tf::updateMousePos(px, 599 - px * 3 / 4);
      tf::gameSys.getOrthoPos(x, y);
      mismatches += x != px || y != 599 - px * 3 / 4;
    }
    EXPECT_EQ(mismatches, 0);
    // The middle of the window lies on the world point under the camera.
    tf::updateMousePos(400, 300);
    double wx, wy;
    tf::gameSys.getNormalPos(wx, wy);
    EXPECT_NEAR(wx, cameraX, 1e-3);
    EXPECT_NEAR(wy, 2, 1e-3);
    // Further right and further down on the window is further right and
    // further south in the world.
    tf::updateMousePos(500, 400);
    double rightX, lowerY;
    tf::gameSys.getNormalPos(rightX, lowerY);
    EXPECT_GT(rightX, wx);
    EXPECT_LT(lowerY, wy);
  }
}

TEST_F(InputOnScreen, HoveringClickingAndTypingRunThroughRealPickPasses) {
  tf::mousePassive(400, 300);
  EXPECT_EQ(tf::gameUI.getHoverButton(), 0);
  clock.advance(tf::kHoverThrottleMs);
  tf::mousePassive(400, 360);
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  click(400, 397);  // the textbox
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputMenuTextbox);
  EXPECT_EQ(tf::gameUI.getTextboxEdit(), 0);
  for (char c : std::string("maze 2")) tf::keyboard(static_cast<unsigned char>(c), 0, 0);
  EXPECT_EQ(tf::uiScriptString.getString(0), "maze2");
  click(700, 100);  // beside it
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  clock.advance(tf::kHoverThrottleMs);
  tf::mousePassive(310, 280);  // the corner of the 200 x 50 button
  EXPECT_EQ(tf::gameUI.getHoverButton(), 0);
  tf::mouse(tf::kButtonLeft, tf::kButtonDown, 310, 280);
  EXPECT_EQ(tf::gameUI.getPressedButton(), 0);
  tf::mouse(tf::kButtonLeft, tf::kButtonUp, 310, 280);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 1);
  EXPECT_FALSE(tf::gameSys.getColorPick());
}

TEST_F(InputOnScreen, HelpCoversTheMenuAndItsTopicsAnswerClicks) {
  tf::uiHelp.menuSetMenuTitle(0, "First");
  tf::uiHelp.menuSetMenuTitle(1, "Second");
  tf::enableHelp();
  // The button under the help window is not reached.
  click(400, 300);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0);
  // Topic 1's row lies at y 120, from x 53 on.
  tf::mouse(tf::kButtonLeft, tf::kButtonDown, 60, 120);
  EXPECT_EQ(tf::uiHelp.getHelp(), 1);
  tf::mouse(tf::kButtonLeft, tf::kButtonUp, 60, 120);
  // The close button at (70, 535).
  click(70, 535);
  EXPECT_FALSE(tf::helpShown());
}

TEST_F(InputOnScreen, TheScreenshotIsTakenFromTheNextFrameDrawnAsAnUncompressedTga) {
  bool answered = false, saved = false;
  tf::platform().saveScreenshot([&](bool written) {
    answered = true;
    saved = written;
  });
  EXPECT_FALSE(answered);
  clearFrame(Rgb{10, 200, 30});
  tf::capturePendingScreenshot();
  ASSERT_TRUE(answered);
  EXPECT_TRUE(saved);
  const std::string tga = dir.read("screen0.tga");
  constexpr std::size_t kHeader = 18;
  ASSERT_GE(tga.size(), kHeader + 800 * 600 * 3);
  EXPECT_EQ(tga[2], 2);  // uncompressed true colour, stored from the bottom row up in blue, green, red
  EXPECT_EQ(tga.substr(kHeader, 3), std::string({30, static_cast<char>(200), 10}));
  tf::capturePendingScreenshot();  // nothing asked: nothing written; a second one takes the next name
  EXPECT_FALSE(dir.exists("screen1.tga"));
  tf::platform().saveScreenshot([](bool) {});
  tf::capturePendingScreenshot();
  EXPECT_TRUE(dir.exists("screen1.tga"));
}

}  // namespace
