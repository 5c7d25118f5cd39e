// The menu system on a real window: the toolkit's main menu, menu buttons and
// textboxes in normal and pick passes, hover and pressed looks, dialogs, the
// help window, tooltips, the game browser, system textboxes and shading.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cmath>

#include "gl_window.h"
#include "manual_clock.h"
#include "media/text.h"
#include "menu_files.h"
#include "menus/dialog.h"
#include "menus/file_browser.h"
#include "menus/system_textboxes.h"
#include "menus/tooltip.h"
#include "menus/ui_render.h"

using tftest::Rgb;
namespace fs = boost::filesystem;

namespace {

const Rgb kBlack{0, 0, 0}, kEmptyPick{254, 254, 254}, kBlockingPick{144, 144, 144}, kButtonColor{200, 100, 50};

Rgb systemColor(int image) { return tftest::testSystemImageColor(image); }
Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
}

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

// (How the main menu looks is proved on the running program by the e2e tests.)
TEST_F(MenusOnScreen, TheMainMenusButtonsAndTextboxesPickAsThemselves) {
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
  tf::loadMenu(1);  // play a game: the textbox of UI string 0 at (250, 230), 300 x 20
  tf::uiScriptString.setString("maze", 0);
  pickPass();
  tf::uiRender();
  const Rgb textbox{38, 144, 0};
  expectPixels({{252, 219, textbox}, {548, 235, textbox}, {248, 227, kEmptyPick}, {400, 239, kEmptyPick}});
  clearFrame();  // in the menu editor elements carry the editor's codes
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  tf::uiRender();
  expectPixels({{400, 227, {23, 144, 0}}, {290, 300, {22, 144, 0}}});
}

TEST_F(MenusOnScreen, AButtonPicksAsItselfGrowsHoveredDarkensPressedAndIsDragged) {
  useTestSystemImages();  // one button of a solid picture at (400, 300), 200 x 50, and a textbox below it
  tf::uiImage.assign(1, tf::img());
  tf::uiImage[0].SetTex(loadPicture(solidPicture("button.png", kButtonColor)));
  tf::gameUI.allocateMenu(1);
  tf::gameUI.setMenuBackgroundTex(0, -1);
  tf::gameUI.uiModifyButton(400, 300, 100, 25, 0, 23, 0, 0, 0);
  tf::gameUI.uiModifyTextbox(250, 400, 300, 20, 0, 0, 0);
  tf::loadMenu(0);
  const Rgb button{37, 144, 0};
  pickPass();
  tf::uiRender();
  expectPixels({{499, 300, button}, {505, 300, kEmptyPick}, {400, 272, kEmptyPick}});
  tf::gameUI.setHoverButton(0);
  tf::uiRender();
  expectPixels({{505, 300, button}, {400, 274, button}, {512, 300, kEmptyPick}});

  tf::gameSys.setColorPick(false);
  clearFrame();
  tf::uiRender();
  EXPECT_EQ(pixel(505, 300), kButtonColor);
  clearFrame();
  tf::gameUI.setPressedButton(0);
  tf::uiRender();
  EXPECT_TRUE(tftest::near(pixel(400, 300), Rgb{120, 60, 30}, 1)) << pixel(400, 300);
  EXPECT_EQ(pixel(505, 300), kBlack);  // pressed, it keeps its size
  for (int state : {tf::kStatePlay, tf::kStateSplash}) {  // no menu elements
    clearFrame();
    tf::gameSys.setGameState(state);
    tf::uiRender();
    EXPECT_EQ(pixel(400, 300), kBlack) << state;
  }
  // While the menu editor drags the button, the whole screen picks as it.
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  tf::worldEditor.setEditorMode(1);
  tf::worldEditor.setCurrentButton(0);
  tf::gameSys.setLeftMouse(1);
  pickPass();
  tf::uiRender();
  expectPixels({{20, 20, {22, 144, 0}}, {400, 397, {23, 144, 0}}});  // drawn after it, the textbox stays itself
}

TEST_F(MenusOnScreen, TextLinesTakeTheirColourFromTheirCodes) {
  useTestSystemImages();
  tf::gameUI.allocateMenu(1);
  tf::gameUI.setMenuBackgroundTex(0, -1);
  tf::gameUI.uiModifyText(100, 100, 1, 0, 0, "^gG", 0, 0);  // red in the file, green on screen
  tf::loadMenu(0);
  tf::uiRender();
  EXPECT_TRUE(tftest::near(pixel(100, 100), Rgb{0, static_cast<int>(std::lround(glyphColor('G').g * 0.9)), 0}, 1))
      << pixel(100, 100);
  tf::gameSys.setGameState(tf::kStateMenuEditor);  // the editor's pick pass answers around the text
  pickPass();
  tf::uiRender();
  expectPixels({{96, 100, {24, 144, 0}}, {100, 108, {24, 144, 0}}, {100, 112, kEmptyPick}});
}

TEST_F(MenusOnScreen, ADialogShowsItsButtonsAndBlocksEveryOtherClick) {
  useTestSystemImages();
  tf::scriptSys.readText(
      "f dialog2background 5\nf dialog2button0 6\nf dialog2button1 7\ns dialog2text0 AB\ns dialog2text1 end\n",
      "system/dialog.cfg");
  tf::enableDialog(2);
  tf::dialogRender();
  expectPixels({{300, 370, systemColor(tf::kImgOk)}, {500, 370, systemColor(tf::kImgCancel)},
                {400, 300, systemColor(tf::kImgDialogBackground)}, {100, 100, systemColor(tf::kImgBlur)},
                {250, 200, glyphColor('A')}});
  pickPass();
  tf::dialogRender();
  expectPixels({{300, 370, {35, 144, 144}}, {540, 410, {36, 144, 144}}, {400, 300, kBlockingPick},
                {20, 580, kBlockingPick}});
}

TEST_F(MenusOnScreen, TheHelpWindowListsTopicsAndShowsTheChosenOne) {
  useTestSystemImages();
  dir.write("system/help.cfg",
            "s helptitle Help\ns help0title One\ns help0line0 First\ns help0line1 end\n"
            "s help1title Two\ns help1line0 Second\ns help1line1 end\ns help2title end\n");
  tf::initHelp("default");
  tf::helpRender();  // closed: nothing
  EXPECT_EQ(pixel(400, 300), kBlack);
  tf::enableHelp();
  tf::uiHelp.setHelp(1);
  tf::helpRender();
  expectPixels({{70, 535, systemColor(tf::kImgQuit)}, {55, 107, {255, 0, 255}},  // the highlight behind "Two"
                {55, 67, systemColor(tf::kImgDialogBackground)}, {268, 80, glyphColor('S')}});  // the topic's line 0
  pickPass();
  tf::helpRender();
  expectPixels({{55, 80, {39, 144, 0}}, {55, 120, {39, 144, 1}}, {70, 535, {56, 144, 144}}, {268, 80, kBlockingPick}});
}

TEST_F(MenusOnScreen, AScreenshotOfTheHelp) {
  useReadableSystemImages();
  fs::create_directories("system");
  fs::copy_file(fs::path(TF_SOURCE_DIR) / "data/system/help.cfg", "system/help.cfg");
  tf::initHelp("default");
  tf::enableHelp();
  tf::uiHelp.setHelp(5);  // logic examples
  clearFrame(Rgb{24, 28, 36});
  tf::helpRender();
  keepScreenshot("help.png");  // the README's docs/help.png
}

TEST_F(MenusOnScreen, ATooltipShowsBesideTheRestingMouse) {
  useTestSystemImages();
  tftest::ManualClock clock(5000);
  tf::gameSys.setOrthoPos(100, 100);
  tf::gameUI.setCurrentTT(119, 0, 4000);  // "Play Game", 81 wide
  tf::toolTipRender();
  EXPECT_EQ(pixel(160, 140), kBlack);  // not yet: 1000 ms
  clock.set(5500);
  tf::toolTipRender();
  // Box centred at (160, 145), half size (50, 12).
  expectPixels({{112, 134, tftest::kTestNoticeBackground}, {208, 156, tftest::kTestNoticeBackground},
                {108, 145, kBlack}, {160, 159, kBlack}, {124, 145, glyphColor('P')}});
}

TEST_F(MenusOnScreen, TheGameBrowserListsGamesAsRowsToPick) {
  useTestSystemImages();
  tf::gameSys.setDirName(0, "alpha");
  tf::gameSys.setDirName(1, "beta");
  tf::gameSys.setDirName(2, "");
  tf::gameSys.setSelectedDir(1);
  tf::gameSys.setLastDir(0);
  tf::renderFileBrowser();  // closed
  EXPECT_EQ(pixel(400, 300), kBlack);
  tf::gameSys.setDirTextbox(0);
  tf::renderFileBrowser();
  expectPixels({{660, 500, systemColor(tf::kImgOk)}, {705, 500, systemColor(tf::kImgCancel)},
                {106, 186, systemColor(tf::kImgLine)},  // the selected row's underline
                {106, 161, systemColor(tf::kImgDialogBackground)}});
  pickPass();
  tf::renderFileBrowser();
  expectPixels({{110, 150, {111, 144, 0}}, {130, 175, {111, 144, 1}}, {130, 200, kBlockingPick},  // no third game
                {660, 500, {110, 144, 1}}, {705, 500, {110, 144, 0}}, {90, 170, kBlockingPick},  // no arrows for two
                {10, 10, kBlockingPick}});
}

TEST_F(MenusOnScreen, SystemTextboxesAndShadingPanels) {
  useTestSystemImages();
  tf::loadSysTextboxes();
  pickPass();
  tf::displayTextbox(300, 200, 100, 99, 5);
  expectPixels({{201, 200, {48, 144, 5}}, {299, 210, {48, 144, 5}}, {301, 200, kBlack}, {250, 212, kBlack}});
  tf::gameSys.setColorPick(false);
  clearFrame();
  tf::drawShade(400, 400, 30, 20, 0, 0, 1, 0.2f);
  expectPixels({{400, 400, {0, 0, 255}}, {431, 400, kBlack}});
}

}  // namespace
