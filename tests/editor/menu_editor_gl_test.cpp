// The menu editor and the editors' overlays on a real window: the pick pass
// read at the centre of every control the panel plans, mode by mode, and of
// the menu's items in the editor's colours; a dragged item under the whole
// screen; the welcome window blocking everything behind it; and the README's
// pictures of the menu editor and of a welcome window.
#include <gtest/gtest.h>

#include <string>

#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/menu_editor_panel.h"
#include "editor/welcome_window.h"
#include "game/world.h"
#include "gl_window.h"
#include "input/color_pick.h"
#include "input/screens.h"
#include "tests/menus/menu_files.h"
#include "menus/ui_file.h"
#include "menus/ui_info.h"
#include "menus/ui_model.h"

namespace {

using namespace tf;
using tftest::Rgb;

using tftest::At;
constexpr Rgb kBlocking = tftest::kBlockingPick, kEmpty = tftest::kEmptyPick;

Rgb control(int code) { return {code, kPickMenuMark, kPickMenuMark}; }
Rgb item(int code, int i) { return {code, kPickMenuMark, i}; }

class MenuEditorOnScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
    // A game's menu 0: a button, a textbox and a text line, over nothing.
    gameUI = UI();
    gameUI.allocateMenu(2);
    gameUI.setMenuCount(2);
    gameUI.setEditorMenu(1);
    gameUI.setMenuBackgroundTex(0, -1);
    gameUI.uiModifyButton(400, 150, 80, 20, 0, 0, 0, 0, 0);
    gameUI.menuSetButtonCount(0, 1);
    gameUI.uiModifyTextbox(300, 250, 200, 20, 0, 0, 0);
    gameUI.menuSetTextboxCount(0, 1);
    gameUI.uiModifyText(350, 350, 1, 1, 1, "Hello", 0, 0);
    gameUI.menuSetTextlineCount(0, 1);
    world.setGameName("maze");
    loadMenu(0);
    gameSys.setGameState(kStateMenuEditor);
    gameSys.setInputState(kInputNormal);
    gameSys.setLeftMouse(kMouseNoEvent);
    worldEditor = editor();
    worldEditor.setCurrentButton(0);
    worldEditor.setCurrentTextbox(0);
    worldEditor.setCurrentTextline(0);
  }
  void TearDown() override {
    gameSys.setColorPick(false);
    worldEditor = editor();
    GlTest::TearDown();
  }
  void pickScene() {
    clearFrame();
    gameSys.setColorPick(true);
    drawColorPickScene();
    gameSys.setColorPick(false);
  }
  void frame() {
    clearFrame(Rgb{30, 34, 40});
    renderMenus();
    currentScreens().draw(ScreenLayer::Panels, false);
  }
  tftest::MenuGlobals saved;
};

// Every control the panel plans reads as its own code at its centre in each
// mode, with nothing drawn over it; around the panel, the menu's items pick
// in the editor's colours.
TEST_F(MenuEditorOnScreen, EveryControlOfThePanelAndEveryItemPicksAsItselfInEachMode) {
  const std::vector<At> items = {{400, 150, item(kPickEditorButton, 0)}, {400, 247, item(kPickEditorTextbox, 0)},
                                 {370, 350, item(kPickEditorTextline, 0)}, {600, 300, kEmpty}};
  // The tips bar and the panel, over all but the folded panel.
  const std::vector<At> bars = {{12, 8, control(kPickTipPrevious)}, {31, 8, control(kPickTipNext)},
                                {120, 10, kBlocking}, {690, 598, kBlocking}};
  for (int mode = kMenuModeFolded; mode <= kMenuModeAnimation; ++mode) {
    SCOPED_TRACE(mode);
    worldEditor.setEditorMode(mode);
    PanelPlan plan;
    planMenuEditorPanel(plan);
    std::vector<At> points = items;
    if (mode != kMenuModeFolded) points.insert(points.end(), bars.begin(), bars.end());
    for (const PanelItem& p : plan.items()) {
      if (p.pickable && !(p.pick == kPickBlocking)) {
        points.push_back({static_cast<int>(p.x), static_cast<int>(p.y), {p.pick.r, p.pick.g, p.pick.b}});
      }
    }
    pickScene();
    expectPixels(points);
  }
}

TEST_F(MenuEditorOnScreen, AnimationEditingFoldingAndAToolkitSetChangeThePanel) {
  worldEditor.setEditorMode(kMenuModeAnimation);
  pickScene();
  // The taller panel, without the fold icon and the menu stepper.
  expectPixels({{400, 440, kBlocking}, {782, 534, kBlocking}, {30, 560, kBlocking}});
  worldEditor.setEditorMode(kMenuModeFolded);
  pickScene();
  expectPixels({{795, 595, kBlocking}, {750, 560, kEmpty}, {12, 8, kEmpty}});
  world.setGameName("mainui");
  worldEditor.setEditorMode(kMenuModeMenu);
  pickScene();
  expectPixels({{780, 560, control(kPickLeaveMenuSet)}});
}

// While the selected item is held and has moved, the whole screen reads as
// it, over the panel and the tips bar: it cannot fall behind the pointer.
TEST_F(MenuEditorOnScreen, ADraggedItemLiesUnderTheWholeScreen) {
  worldEditor.setEditorMode(kMenuModeTextline);
  gameSys.setLeftMouse(kMousePress);
  gameSys.setDragDelay(0);
  gameSys.setColorPick(false);
  // A drag pass moves the line and marks the drag.
  gameSys.setDragState(true);
  const unsigned char line[3] = {kPickEditorTextline, kPickMenuMark, 0};
  gameSys.setOrthoPos(500, 450);
  dispatchPickPixel(line);
  gameSys.setDragState(false);
  ASSERT_TRUE(menuItemDragged());
  pickScene();
  expectPixels({{500, 450, item(kPickEditorTextline, 0)}, {750, 560, item(kPickEditorTextline, 0)},
            {12, 8, item(kPickEditorTextline, 0)}, {5, 595, item(kPickEditorTextline, 0)}});
  gameSys.setLeftMouse(kMouseRelease);
}

TEST_F(MenuEditorOnScreen, AWelcomeWindowBlocksEverythingBehindItButItsCheckmark) {
  for (int state : {kStateMenuEditor, kStateMenus}) {
    SCOPED_TRACE(state);
    gameSys.setGameState(state);
    worldEditor.setWelcome(1, state == kStateMenus ? kWelcomeToolkit : kWelcomeMenuEditor);
    pickScene();
    expectPixels({{400, 150, kBlocking}, {12, 8, kBlocking}, {750, 560, kBlocking}, {5, 5, kBlocking},
              {700, 523, control(kPickWelcomeClose)}});
  }
}

TEST_F(MenuEditorOnScreen, PicturesOfTheMenuEditorAndAWelcomeWindow) {
  ASSERT_TRUE(useDataSystemImages());
  copyDataMenus({"ui.cfg", "uiinfo.cfg"});
  uiInfo.readFile("system/uiinfo.cfg");
  loadUI("mainui", false);
  world.setGameName("mainui");
  loadMenu(0);
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setEditorMode(kMenuModeButton);
  worldEditor.setCurrentButton(0);
  worldEditor.setCurrentTip(4);
  frame();
  // The selected Play button under its blue shade, the panel at the bottom.
  const Rgb shaded = pixel(320, 220);
  EXPECT_GT(shaded.b, shaded.g);
  EXPECT_NE(pixel(600, 595), (Rgb{30, 34, 40}));
  keepScreenshot("menu-editor.png");  // the README's docs/menu-editor.png

  worldEditor.setWelcome(1, kWelcomeMenuEditor);
  frame();
  EXPECT_NE(pixel(400, 300), (Rgb{30, 34, 40}));
  keepScreenshot("welcome.png");  // the README's docs/welcome.png
  uiInfo.clear();
}

}  // namespace
