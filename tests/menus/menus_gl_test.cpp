// The menu system on a real window: the toolkit's main menu is drawn and its
// buttons read back in their pick colours; the help window's picture is kept.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "gl_window.h"
#include "menu_files.h"
#include "menus/ui_render.h"

using tftest::Rgb;
namespace fs = boost::filesystem;

namespace {

const Rgb kBlack{0, 0, 0}, kEmptyPick{254, 254, 254};

struct At {
  int x, y;
  Rgb color;
};

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
  void expectPixels(std::initializer_list<At> points) const {
    for (const At& p : points) EXPECT_EQ(pixel(p.x, p.y), p.color) << "at " << p.x << "," << p.y;
  }
  void pickPass() {
    clearFrame();
    tf::gameSys.setColorPick(true);
  }
  tftest::MenuGlobals saved;
};

TEST_F(MenusOnScreen, TheMainMenuIsDrawnAndItsButtonsPickAsThemselves) {
  ASSERT_TRUE(useDataSystemImages());
  const fs::path data = fs::path(TF_SOURCE_DIR) / "data";
  fs::create_directories("system");
  for (const char* file : {"ui.cfg", "dialog.cfg", "help.cfg"}) {
    fs::copy_file(data / "system" / file, fs::path("system") / file);
  }
  fs::create_directories("ui");
  for (fs::directory_iterator it(data / "ui"), end; it != end; ++it) {
    fs::copy_file(it->path(), fs::path("ui") / it->path().filename());
  }
  tf::loadUI("default", false);
  ASSERT_EQ(tf::gameUI.getMenuCount(), 7);
  pickPass();
  tf::uiRender();
  expectPixels({{400, 220, {37, 144, 0}}, {310, 510, {37, 144, 5}}, {400, 249, kEmptyPick}, {20, 20, kEmptyPick}});
  // Drawn, the first button covers the background; without the buttons the background shows there.
  tf::gameSys.setColorPick(false);
  clearFrame();
  tf::uiRender();
  const Rgb button = pixel(400, 220);
  tf::gameUI.menuSetButtonCount(tf::gameUI.getCurrentMenu(), 0);
  clearFrame();
  tf::uiRender();
  EXPECT_NE(pixel(20, 20), kBlack);
  EXPECT_NE(pixel(400, 220), button);
}

TEST_F(MenusOnScreen, AScreenshotOfTheHelp) {
  useReadableSystemImages();
  fs::create_directories("system");
  fs::copy_file(fs::path(TF_SOURCE_DIR) / "data/system/help.cfg", "system/help.cfg");
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
