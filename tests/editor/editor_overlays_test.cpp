// The overlays of both editors as plain data: the tips bar (both lists, the
// arrows wrapping, the bar under the whole line), the welcome windows (their
// text within the window, their checkmark, their dismissal by the debug
// overlay), and the menu editor's panel shading the selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/menu_editor_panel.h"
#include "editor/tips_bar.h"
#include "editor/welcome_window.h"
#include "game/world.h"
#include "input/color_pick.h"
#include "input_fixture.h"
#include "media/images.h"
#include "media/text.h"

namespace {

using namespace tf;

class EditorOverlays : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    makeMenus(1);
    gameSys.setGameState(kStateMenuEditor);
  }
  // A left press on `code` at the pointer.
  void pressOn(int code) {
    platform.setPickPixel(code, kPickMenuMark, kPickMenuMark);
    mouse(kButtonLeft, kButtonDown, 300, 300);
  }
  static int welcomeTimer() {
    int timer = 0, menu = 0;
    worldEditor.getWelcome(timer, menu);
    return timer;
  }
};

// The pick codes of a plan's pictures that answer to a control.
std::set<int> codesOf(const PanelPlan& plan) {
  std::set<int> codes;
  for (const PanelItem& item : plan.items()) {
    if (item.kind == PanelItem::Picture && item.pickable && !(item.pick == kPickBlocking)) codes.insert(item.pick.r);
  }
  return codes;
}

std::vector<PanelItem> itemsOf(const PanelPlan& plan, PanelItem::Kind kind) {
  std::vector<PanelItem> items;
  for (const PanelItem& item : plan.items()) {
    if (item.kind == kind) items.push_back(item);
  }
  return items;
}

// ---- the tips bar ------------------------------------------------------------------------------

TEST_F(EditorOverlays, TheArrowsStepThroughTheTipsWrappingAtEitherEnd) {
  const struct {
    int from, code, to;
  } cases[] = {
      {0, kPickTipPrevious, 18}, {18, kPickTipNext, 0}, {5, kPickTipNext, 6}, {5, kPickTipPrevious, 4}};
  for (int state : {kStateWorldEditor, kStateMenuEditor}) {
    for (const auto& c : cases) {
      gameSys.setGameState(state);
      worldEditor.setCurrentTip(c.from);
      audio.played.clear();
      pressOn(c.code);
      EXPECT_EQ(worldEditor.getCurrentTip(), c.to) << state << " " << c.from << " " << c.code;
      EXPECT_EQ(timesPlayed("select"), 1);
    }
  }
  // Each editor has its own list; the menu editor's has no tip 18.
  EXPECT_EQ(tipLine(kStateWorldEditor, 18), "^y(18/18)^w Press ^yF9^w to toggle the on-screen map grid.");
  EXPECT_EQ(tipLine(kStateMenuEditor, 18), "^y(18/18)^w No tip.");
  EXPECT_EQ(tipText(kStateWorldEditor, 19), "No tip");
  // Hovering over an arrow, or releasing the button on it, steps nothing.
  worldEditor.setCurrentTip(5);
  gameSys.setHoverCheck(true);
  gameSys.setLeftMouse(kMouseNoEvent);
  const unsigned char next[3] = {kPickTipNext, kPickMenuMark, kPickMenuMark};
  EXPECT_TRUE(dispatchPickPixel(next));
  gameSys.setHoverCheck(false);
  platform.setPickPixel(kPickTipNext, kPickMenuMark, kPickMenuMark);
  mouse(kButtonLeft, kButtonUp, 300, 300);
  EXPECT_EQ(worldEditor.getCurrentTip(), 5);
}

// The bar lies under the whole line, right of the arrows, so that a click on
// the tip's text reaches nothing behind it.
TEST_F(EditorOverlays, TheBarLiesUnderTheWholeLineAndBesideTheArrows) {
  for (int state : {kStateWorldEditor, kStateMenuEditor}) {
    for (int tip = 0; tip <= kLastTip; ++tip) {
      PanelPlan plan;
      planTipsBar(state, tip, plan);
      const std::vector<PanelItem> texts = itemsOf(plan, PanelItem::Text);
      ASSERT_EQ(texts.size(), 1u);
      EXPECT_EQ(texts[0].text, tipLine(state, tip));
      const PanelItem& bar = plan.items()[0];
      EXPECT_LE(bar.x - bar.w, texts[0].x);
      EXPECT_GE(bar.x + bar.w, texts[0].x + getDisplayTextSize(texts[0].text));
      EXPECT_GT(bar.x - bar.w, kTipNextArrow.x + kTipNextArrow.w);
      EXPECT_EQ(codesOf(plan), (std::set<int>{kPickTipNext, kPickTipPrevious}));
    }
  }
}

// ---- the welcome windows ------------------------------------------------------------------------

TEST_F(EditorOverlays, EveryWelcomeWindowKeepsItsTextWithinTheWindowClearOfTheCheckmark) {
  const WholeRect& window = kWelcomeWindowRect;
  for (int menu = kWelcomeNewGame; menu <= kWelcomeToolkit; ++menu) {
    SCOPED_TRACE(menu);
    PanelPlan plan;
    planWelcome(menu, plan);
    const std::vector<PanelItem> texts = itemsOf(plan, PanelItem::Text);
    std::size_t lines = 0;
    for (const auto& paragraph : welcomeParagraphs(menu)) lines += paragraph.size();
    EXPECT_EQ(texts.size(), lines);
    float above = window.y - window.h;  // the top of the window
    for (const PanelItem& t : texts) {
      EXPECT_GE(t.y - above, kWelcomeLineStep) << "a line of its own: " << t.text;
      above = t.y;
      const float right = t.x + getDisplayTextSize(t.text);
      EXPECT_LE(right, window.x + window.w) << t.text;
      EXPECT_LT(t.y, window.y + window.h) << t.text;
      const bool besideCheckmark = t.y > kWelcomeClose.y - kWelcomeClose.h && t.y < kWelcomeClose.y + kWelcomeClose.h;
      if (besideCheckmark) {
        EXPECT_LT(right, kWelcomeClose.x - kWelcomeClose.w) << t.text;
      }
    }
    // Only the checkmark answers; window 3 shows the logo.
    EXPECT_EQ(codesOf(plan), std::set<int>{kPickWelcomeClose});
    const std::vector<PanelItem> pictures = itemsOf(plan, PanelItem::Picture);
    const bool logo = std::any_of(pictures.begin(), pictures.end(), [](const PanelItem& p) { return p.image == kImgLogo; });
    EXPECT_EQ(logo, menu == kWelcomeToolkit);
  }
  EXPECT_TRUE(welcomeParagraphs(4).empty());
}

TEST_F(EditorOverlays, TheCheckmarkOrTurningTheDebugOverlayOnClosesTheWelcome) {
  for (int state : {kStateMenus, kStateDialog, kStateWorldEditor, kStateMenuEditor}) {
    gameSys.setGameState(state);
    worldEditor.setWelcome(1, kWelcomeNewGame);
    audio.played.clear();
    pressOn(kPickWelcomeClose);
    EXPECT_EQ(welcomeTimer(), 0) << state;
    EXPECT_EQ(timesPlayed("select"), 1);
  }
  worldEditor.setWelcome(1, kWelcomeMenuEditor);
  EXPECT_TRUE(welcomeShown());
  processSpecialKeys(kSpecialF2, 0, 0);  // the debug overlay on
  EXPECT_FALSE(welcomeShown());
  EXPECT_EQ(welcomeTimer(), 0);
  processSpecialKeys(kSpecialF2, 0, 0);  // and off again: the window stays closed
  EXPECT_FALSE(welcomeShown());
  // A welcome opened while the overlay shows is dismissed at once.
  gameSys.setDebugState(true, false);
  worldEditor.setWelcome(1000, kWelcomeToolkit);
  EXPECT_FALSE(welcomeShown());
  EXPECT_EQ(welcomeTimer(), 0);
}

// ---- the menu editor's panel ---------------------------------------------------------------------

// The drawing test reads the panel's controls mode by mode; here the shade
// over the selected item, in the modes that select one, and an empty panel
// while the selected button is dragged.
TEST_F(EditorOverlays, TheMenuEditorsPanelShadesTheSelectionAndStepsAsideDuringADrag) {
  world.setGameName("maze");
  addButton(0, kFuncNothing);
  addTextbox(0, 0);
  gameUI.uiModifyText(100, 400, 1, 1, 1, "", 0, 0);
  gameUI.menuSetTextlineCount(0, 1);
  for (int mode = kMenuModeFolded; mode <= kMenuModeAnimation; ++mode) {
    worldEditor.setEditorMode(mode);
    worldEditor.setCurrentButton(0);
    worldEditor.setCurrentTextbox(0);
    worldEditor.setCurrentTextline(0);
    PanelPlan plan;
    planMenuEditorPanel(plan);
    const bool selects = mode == kMenuModeButton || mode == kMenuModeTextbox || mode == kMenuModeTextline;
    EXPECT_EQ(itemsOf(plan, PanelItem::Shade).size(), selects ? 1u : 0u) << mode;
  }
  worldEditor.setEditorMode(kMenuModeButton);
  platform.setPickPixel(kPickEditorButton, kPickMenuMark, 0);
  mouse(kButtonLeft, kButtonDown, 300, 300);
  gameSys.setDragDelay(0);
  mouseDrag(320, 310);
  PanelPlan dragging;
  planMenuEditorPanel(dragging);
  EXPECT_TRUE(dragging.items().empty());
}

}  // namespace
