// The menu system on a real window: the overlays drawn over the toolkit's
// main menu hide it where they lie; the help window's picture is kept.
#include <gtest/gtest.h>

#include "gl_window.h"
#include "menu_files.h"
#include "app/debug_overlay.h"
#include "console/console.h"
#include "core/script_object.h"
#include "menus/dialog.h"
#include "menus/file_browser.h"
#include "menus/ui_render.h"

#include <functional>
#include <vector>

using tftest::Rgb;

namespace {

class MenusOnScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    tf::gameUI = tf::UI();
    tf::uiScriptString = tf::uiString();
    tf::gameSys.setGameState(tf::kStateMenus);
    tf::gameSys.setInputState(tf::kInputNormal);
    tf::gameSys.setDirTextbox(-1);
  }
  tftest::MenuGlobals saved;
};

// The dialog, the game browser, the console and the volume each drawn over the main menu
// and over an empty black frame: where their panels lie, the two must look
// the same, so no label of the menu behind shows through their text.
TEST_F(MenusOnScreen, OverlaysHideTheLabelsOfTheMenuBehindThem) {
  ASSERT_TRUE(useDataSystemImages());
  copyDataMenus({"ui.cfg", "dialog.cfg"});
  tf::loadUI("default", false);
  tf::scriptSys.readFile("system/dialog.cfg");
  const struct {
    const char* what;
    std::function<void()> open, draw, close;
    int x0, y0, x1, y1;  // inside the panel, clear of its rounded rim
  } overlays[] = {
      {"dialog", [] { tf::enableDialog(0); }, tf::dialogRender, tf::disableDialog, 200, 170, 600, 430},
      {"browser", [] { tf::gameSys.setDirTextbox(0); }, tf::renderFileBrowser, [] { tf::gameSys.setDirTextbox(-1); },
       70, 70, 730, 530},
      {"console",
       [] {
         tf::console.enableConsole();
         for (int frame = 0; frame < 30; ++frame) tf::consoleRender();
       },
       tf::consoleRender, [] { tf::console = tf::debugConsole(); }, 10, 10, 700, 140},
      {"volume", [] { tf::gameSys.setVolTimer(1000); }, tf::renderVolume, [] { tf::gameSys.setVolTimer(0); }, 310,
       482, 490, 518},
  };
  for (const auto& o : overlays) {
    SCOPED_TRACE(o.what);
    o.open();
    std::vector<Rgb> overMenu, overNothing;
    for (std::vector<Rgb>* shot : {&overMenu, &overNothing}) {
      clearFrame();
      if (shot == &overMenu) tf::uiRender();
      o.draw();
      for (int y = o.y0; y <= o.y1; y += 3) {
        for (int x = o.x0; x <= o.x1; x += 3) shot->push_back(pixel(x, y));
      }
    }
    int through = 0;
    for (std::size_t i = 0; i < overMenu.size(); ++i) through += overMenu[i] != overNothing[i];
    EXPECT_EQ(through, 0);
    o.close();
  }
}

TEST_F(MenusOnScreen, AScreenshotOfTheHelp) {
  ASSERT_TRUE(useDataSystemImages());
  copyDataMenus({"help.cfg"});
  tf::initHelp("default");
  tf::enableHelp();
  tf::uiHelp.setHelp(5);  // logic examples
  const Rgb frame{24, 28, 36};
  clearFrame(frame);
  tf::helpRender();
  EXPECT_NE(pixel(55, 67), frame);  // the window is drawn over the frame
  keepScreenshot("help.png");  // the README's docs/help.png
}

}  // namespace
