// The overlays of both editors and the menu editor's panel as plain data:
// the tips bar (both lists, the arrows wrapping, the bar under the whole
// line), the welcome windows (their layout within the window, their
// checkmark, their dismissal by the debug overlay) and what the menu editor's
// panel offers in each mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/numbers.h"
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
    makeMenus(2);
    addButton(0, kFuncNothing);
    addTextbox(0, 0);
    gameUI.uiModifyText(100, 400, 1, 1, 1, "", 0, 0);
    gameUI.menuSetTextlineCount(0, 1);
    world.setGameName("maze");
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

// The pick codes of a plan's pictures, and the blocking ones left out.
std::set<int> codesOf(const PanelPlan& plan) {
  std::set<int> codes;
  for (const PanelPicture& p : plan.pictures) {
    if (!(p.pick == kPickBlocking)) codes.insert(p.pick.r);
  }
  return codes;
}

bool inside(const WholeRect& outer, const WholeRect& inner) {
  return inner.x - inner.w >= outer.x - outer.w && inner.x + inner.w <= outer.x + outer.w &&
         inner.y - inner.h >= outer.y - outer.h && inner.y + inner.h <= outer.y + outer.h;
}

// ---- the tips bar ------------------------------------------------------------------------------

TEST_F(EditorOverlays, EachEditorShowsItsOwnTipsAndAnIndexWithoutATipSaysSo) {
  const struct {
    int state, tip;
    const char* text;
  } cases[] = {
      {kStateWorldEditor, 0, "Welcome to the Game World Editor. Press the ^yarrows^w to cycle through tips."},
      {kStateWorldEditor, 18, "Press ^yF9^w to toggle the on-screen map grid."},
      {kStateWorldEditor, 19, "No tip"},
      {kStateMenuEditor, 0, "Welcome to the Menu System Editor. Press the arrows to cycle through tips."},
      {kStateMenuEditor, 17, "Quickly change button sizes by right clicking on the change controls."},
      {kStateMenuEditor, 18, "No tip."},
      {kStateMenuEditor, -1, "No tip."},
  };
  for (const auto& c : cases) EXPECT_EQ(tipText(c.state, c.tip), c.text) << c.state << " " << c.tip;
  EXPECT_EQ(tipLine(kStateMenuEditor, 3),
            "^y(3/18)^w Change menu backgrounds by pressing ^yENTER^w and using the lower controls.");
}

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
      const PanelPlan plan = tipsBarPlan(state, tip);
      ASSERT_EQ(plan.texts.size(), 1u);
      const PanelText& line = plan.texts[0];
      EXPECT_EQ(line.text, tipLine(state, tip));
      const WholeRect& bar = plan.pictures[0].rect;
      EXPECT_LE(bar.x - bar.w, line.x);
      EXPECT_GE(bar.x + bar.w, line.x + getDisplayTextSize(line.text));
      EXPECT_GT(bar.x - bar.w, kTipNextArrow.x + kTipNextArrow.w);
      EXPECT_EQ(codesOf(plan), (std::set<int>{kPickTipNext, kPickTipPrevious}));
    }
  }
}

TEST_F(EditorOverlays, TheBarShowsInBothEditorsButNotOverFoldedPanelsNorADrag) {
  const struct {
    int state, mode;
    bool dragging, shown;
  } cases[] = {
      {kStateWorldEditor, kModeNothing, false, true},
      {kStateWorldEditor, kModeObject, false, true},
      {kStateWorldEditor, kModeFolded, false, false},
      {kStateMenuEditor, kMenuModeNothing, false, true},
      {kStateMenuEditor, kMenuModeFolded, false, false},
      {kStateMenuEditor, kMenuModeButton, true, false},
      {kStateMenus, kModeNothing, false, false},
      {kStatePlaytest, kModeNothing, false, false},
  };
  for (const auto& c : cases) {
    gameSys.setGameState(c.state);
    worldEditor.setEditorMode(c.mode);
    if (c.dragging) {
      worldEditor.setCurrentButton(0);
      platform.setPickPixel(kPickEditorButton, kPickMenuMark, 0);
      mouse(kButtonLeft, kButtonDown, 300, 300);
      gameSys.setDragDelay(0);
      mouseDrag(320, 310);
    }
    EXPECT_EQ(tipsBarShown(), c.shown) << c.state << " " << c.mode;
    mouse(kButtonLeft, kButtonUp, 320, 310);
  }
}

// ---- the welcome windows ------------------------------------------------------------------------

TEST_F(EditorOverlays, EveryWelcomeWindowLaysItsParagraphsOutWithinTheWindowClearOfTheCheckmark) {
  const WholeRect& window = kWelcomeWindowRect;
  for (int menu = kWelcomeNewGame; menu <= kWelcomeToolkit; ++menu) {
    SCOPED_TRACE(menu);
    const PanelPlan plan = welcomePlan(menu);
    const auto paragraphs = welcomeParagraphs(menu);
    std::size_t lines = 0;
    for (const auto& p : paragraphs) lines += p.size();
    ASSERT_EQ(plan.texts.size(), lines);
    // Lines 16 apart, paragraphs 32; window 3 has the logo where the title would be.
    float y = menu == kWelcomeToolkit ? kWelcomeTextY + kWelcomeParagraphStep : kWelcomeTextY;
    std::size_t k = 0;
    for (const auto& paragraph : paragraphs) {
      for (std::size_t l = 0; l < paragraph.size(); ++l, ++k) {
        EXPECT_EQ(plan.texts[k].y, y + l * kWelcomeLineStep) << plan.texts[k].text;
      }
      y += (paragraph.size() - 1) * kWelcomeLineStep + kWelcomeParagraphStep;
    }
    for (const PanelText& t : plan.texts) {
      const float right = t.x + getDisplayTextSize(t.text);
      EXPECT_LE(right, window.x + window.w) << t.text;
      EXPECT_LT(t.y, window.y + window.h) << t.text;
      const bool besideCheckmark = t.y > kWelcomeClose.y - kWelcomeClose.h && t.y < kWelcomeClose.y + kWelcomeClose.h;
      if (besideCheckmark) EXPECT_LT(right, kWelcomeClose.x - kWelcomeClose.w) << t.text;
    }
    // The blurred screen and the window block; only the checkmark answers.
    EXPECT_EQ(plan.pictures[0].rect.w, 400);
    EXPECT_EQ(codesOf(plan), std::set<int>{kPickWelcomeClose});
    const bool logo = std::any_of(plan.pictures.begin(), plan.pictures.end(),
                                  [](const PanelPicture& p) { return p.image == kImgLogo; });
    EXPECT_EQ(logo, menu == kWelcomeToolkit);
  }
  EXPECT_TRUE(welcomeParagraphs(4).empty());
}

TEST_F(EditorOverlays, TurningTheDebugOverlayOnDismissesTheWelcomeForGood) {
  worldEditor.setWelcome(1, kWelcomeMenuEditor);
  EXPECT_TRUE(welcomeShown());
  processSpecialKeys(kSpecialF2, 0, 0);  // the debug overlay on
  EXPECT_FALSE(welcomeShown());
  EXPECT_EQ(welcomeTimer(), 0);
  processSpecialKeys(kSpecialF2, 0, 0);  // and off again
  EXPECT_FALSE(welcomeShown());
  // A welcome opened while the overlay shows is dismissed at once.
  gameSys.setDebugState(true, false);
  worldEditor.setWelcome(1000, kWelcomeToolkit);
  EXPECT_FALSE(welcomeShown());
  EXPECT_EQ(welcomeTimer(), 0);
}

TEST_F(EditorOverlays, TheCheckmarkClosesTheWelcomeInEveryStateThatShowsIt) {
  for (int state : {kStateMenus, kStateDialog, kStateWorldEditor, kStateMenuEditor}) {
    gameSys.setGameState(state);
    worldEditor.setWelcome(1, kWelcomeNewGame);
    audio.played.clear();
    pressOn(kPickWelcomeClose);
    EXPECT_EQ(welcomeTimer(), 0) << state;
    EXPECT_EQ(timesPlayed("select"), 1);
  }
}

// ---- the menu editor's panel ---------------------------------------------------------------------

TEST_F(EditorOverlays, ThePanelOffersTheControlsOfEachModeAndNothingDuringADrag) {
  const std::set<int> icons = {kPickToolbarAnimation, kPickToolbarSave, kPickToolbarQuit};
  const auto with = [&icons](std::set<int> more) {
    more.insert(icons.begin(), icons.end());
    more.insert(kPickPanelToggle);
    return more;
  };
  const std::set<int> stepper = {kPickMenuNext, kPickMenuPrevious};
  const struct {
    int mode;
    std::set<int> codes;
    std::size_t shades;
  } cases[] = {
      {kMenuModeFolded, {kPickPanelToggle}, 0},
      {kMenuModeNothing, with({}), 0},
      {kMenuModeMenu, with({kPickMenuNext, kPickMenuPrevious, kPickMenuBackground, kPickTextlineAdd}), 0},
      {kMenuModeButton,
       with({kPickMenuNext, kPickMenuPrevious, kPickButtonImage, kPickButtonWider, kPickButtonNarrower,
             kPickButtonTaller, kPickButtonShorter}),
       1},
      {kMenuModeTextbox, with(stepper), 1},
      {kMenuModeTextline, with({kPickMenuNext, kPickMenuPrevious, kPickTextlineAdd, kPickTextlineDelete}), 1},
      {kMenuModeAnimation, icons, 0},
  };
  for (const auto& c : cases) {
    worldEditor.setEditorMode(c.mode);
    worldEditor.setCurrentButton(0);
    worldEditor.setCurrentTextbox(0);
    worldEditor.setCurrentTextline(0);
    const PanelPlan plan = menuEditorPanel();
    EXPECT_EQ(codesOf(plan), c.codes) << c.mode;
    EXPECT_EQ(plan.shades.size(), c.shades) << c.mode;
  }
  // A toolkit set is left through its own code.
  world.setGameName("ingameui");
  worldEditor.setEditorMode(kMenuModeMenu);
  EXPECT_EQ(codesOf(menuEditorPanel()).count(kPickLeaveMenuSet), 1u);
  EXPECT_EQ(codesOf(menuEditorPanel()).count(kPickToolbarQuit), 0u);
  // While the selected button is dragged, the panel steps aside.
  worldEditor.setEditorMode(kMenuModeButton);
  platform.setPickPixel(kPickEditorButton, kPickMenuMark, 0);
  mouse(kButtonLeft, kButtonDown, 300, 300);
  gameSys.setDragDelay(0);
  mouseDrag(320, 310);
  EXPECT_TRUE(menuEditorPanel().pictures.empty());
}

TEST_F(EditorOverlays, ThePanelNamesTheSelectionAndShadesIt) {
  worldEditor.setEditorMode(kMenuModeButton);
  worldEditor.setCurrentButton(0);
  PanelPlan plan = menuEditorPanel();
  const auto hasText = [&plan](const std::string& text) {
    return std::any_of(plan.texts.begin(), plan.texts.end(), [&text](const PanelText& t) {
      return t.text == text && t.x == kStatusLabel.x && t.y == kStatusLabel.y;
    });
  };
  EXPECT_TRUE(hasText("^yMenu^w: 0 ^b|^y Button^w: 0"));
  ASSERT_EQ(plan.shades.size(), 1u);
  const PanelShade& button = plan.shades[0];
  EXPECT_EQ(formatFloat(button.rect.x) + " " + formatFloat(button.rect.y) + " " + formatFloat(button.rect.w) + " " +
                formatFloat(button.rect.h) + " " + formatFloat(button.b),
            "400 100 100 25 1");
  // An empty text line is shaded where the editor shows it, as "_".
  worldEditor.setEditorMode(kMenuModeTextline);
  plan = menuEditorPanel();
  EXPECT_TRUE(hasText("^yMenu^w: 0 ^b|^y Text^w: 0"));
  ASSERT_EQ(plan.shades.size(), 1u);
  EXPECT_EQ(plan.shades[0].rect.w, getDisplayTextSize("_") / 2 + 6);
}

}  // namespace
