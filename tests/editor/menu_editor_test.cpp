// The menu editor through the input callbacks, with the pick pixel chosen by
// the test and the clock set by hand: selecting and dragging items (the drag
// delay, the throttle, one step of the history per drag), the panel's
// controls at their limits (button sizes, the number of text lines, the ends
// of the menu list), typing into a text line, and the images the chooser
// hands over.
#include <gtest/gtest.h>

#include <string>

#include "core/numbers.h"
#include "editor/edits.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "game/world.h"
#include "input/color_pick.h"
#include "input_fixture.h"
#include "media/notice.h"
#include "media/text.h"

namespace {

using namespace tf;

// Where the test's pointer is; the windowless platform's overlay is the window.
constexpr int kPointerX = 300, kPointerY = 200;

class MenuEditor : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    // Menus 0, 1 (the world editor's editing screen) and 2 of a game's menus;
    // menu 0 holds two buttons, a textbox and two text lines.
    makeMenus(3);
    gameUI.setEditorMenu(1);
    gameUI.setUIImageCount(30);
    addButton(0, kFuncNothing);
    addButton(0, kFuncNothing);
    addTextbox(0, 0, 200);
    for (int l = 0; l < 2; ++l) {
      gameUI.uiModifyText(100, 400 + 20 * l, 1, 1, 1, "Line " + std::to_string(l), 0, l);
    }
    gameUI.menuSetTextlineCount(0, 2);
    world.setGameName("maze");
    world.setGameLoaded(true);
    loadMenu(0);
    gameSys.setGameState(kStateMenuEditor);
    worldEditor.setEditorMode(kMenuModeMenu);
  }

  // A mouse event at the pointer over something of pick colour (r, g, b).
  void button(int which, bool pressed, int r, int g, int b, int x = kPointerX, int y = kPointerY) {
    platform.setPickPixel(r, g, b);
    mouse(which, pressed ? kButtonDown : kButtonUp, x, y);
  }
  // A left click: press and release over the same colour.
  void click(int r, int g, int b, int which = kButtonLeft) {
    button(which, true, r, g, b);
    button(which, false, r, g, b);
  }
  void clickControl(int code, int which = kButtonLeft) { click(code, kPickMenuMark, kPickMenuMark, which); }

  static std::string buttonBox(int i) {
    float x, y, w, h;
    int tex, func, func2;
    gameUI.uiGetButton(x, y, w, h, tex, func, func2, 0, i);
    return formatFloat(x) + " " + formatFloat(y) + " " + formatFloat(w) + " " + formatFloat(h) + " tex " +
           std::to_string(tex);
  }
  static std::string textboxAt(int i) {
    float x, y, w, h;
    int text;
    gameUI.uiGetTextbox(x, y, w, h, text, 0, i);
    return formatFloat(x) + " " + formatFloat(y);
  }
  static std::string line(int l, int menu = 0) {
    float x, y, r, g, b;
    std::string text;
    gameUI.uiGetText(x, y, r, g, b, text, menu, l);
    return formatFloat(x) + " " + formatFloat(y) + " " + text;
  }
  static std::string modeAndInput() {
    return std::to_string(worldEditor.getEditorMode()) + " " + std::to_string(gameSys.getInputState());
  }
};

// ---- selecting and dragging -----------------------------------------------------------------

TEST_F(MenuEditor, ADragMovesTheSelectedItemAfterTheDelayAtMostOnceEveryFiveMillisecondsAndDropsItWhereReleased) {
  button(kButtonLeft, true, kPickEditorButton, kPickMenuMark, 1);
  // While the button is held, the whole screen reads as the dragged button.
  platform.setPickPixel(kPickEditorButton, kPickMenuMark, 1);
  for (int k = 0; k < kSelectDragDelay; ++k) mouseDrag(500 + k, 250);
  EXPECT_EQ(buttonBox(1), "400 160 100 25 tex 0");  // five drag events held back
  EXPECT_FALSE(menuItemDragged());
  mouseDrag(500, 250);
  EXPECT_EQ(buttonBox(1), "500 250 100 25 tex 0");
  EXPECT_TRUE(menuItemDragged());
  clock.advance(4);
  mouseDrag(510, 260);  // within the throttle
  EXPECT_EQ(buttonBox(1), "500 250 100 25 tex 0");
  clock.advance(1);
  mouseDrag(520, 270);
  EXPECT_EQ(buttonBox(1), "520 270 100 25 tex 0");
  // The last move came too soon to be followed; the button comes up there.
  clock.advance(1);
  mouseDrag(530, 280);
  EXPECT_EQ(buttonBox(1), "520 270 100 25 tex 0");
  button(kButtonLeft, false, kPickEditorButton, kPickMenuMark, 1, 530, 280);
  EXPECT_FALSE(menuItemDragged());
  EXPECT_EQ(buttonBox(1), "530 280 100 25 tex 0");
  // The whole drag is one step, its moves kept as one change: it holds as
  // much as a drag of a single move.
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
  const std::size_t longDrag = editHistoryLog.getBytes();
  button(kButtonLeft, true, kPickEditorButton, kPickMenuMark, 1);
  gameSys.setDragDelay(0);
  clock.advance(10);
  mouseDrag(kPointerX, kPointerY);
  button(kButtonLeft, false, kPickEditorButton, kPickMenuMark, 1);
  EXPECT_EQ(editHistoryLog.getBytes(), 2 * longDrag);
}

TEST_F(MenuEditor, APressSelectsAnItemWhichADragHoldsByItsMiddleAndNoOtherMoves) {
  const float lineWidth = getDisplayTextSize("Line 1");
  const struct {
    int code, index, mode, input;
    int (editor::*selected)() const;
    std::string (*where)();
    std::string dragged;  // where it stands, dragged to the pointer
  } cases[] = {
      {kPickEditorButton, 1, kMenuModeButton, kInputNormal, &editor::getCurrentButton,
       [] { return buttonBox(1).substr(0, 7); }, "300 200"},
      {kPickEditorTextbox, 0, kMenuModeTextbox, kInputNormal, &editor::getCurrentTextbox, [] { return textboxAt(0); },
       "200 200"},  // 200 wide
      {kPickEditorTextline, 1, kMenuModeTextline, kInputMenuEditorText, &editor::getCurrentTextline,
       [] { return line(1); }, formatFloat(300 - lineWidth / 2) + " 200 Line 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    worldEditor.setEditorMode(kMenuModeMenu);
    audio.played.clear();
    button(kButtonLeft, true, c.code, kPickMenuMark, c.index);
    EXPECT_EQ(timesPlayed("select"), 0);  // no sound on the press
    EXPECT_EQ((worldEditor.*c.selected)(), c.index);
    EXPECT_EQ(modeAndInput(), std::to_string(c.mode) + " " + std::to_string(c.input));
    EXPECT_EQ(gameSys.getDragDelay(), kSelectDragDelay);
    gameSys.setDragDelay(0);
    clock.advance(10);
    mouseDrag(kPointerX, kPointerY);
    button(kButtonLeft, false, c.code, kPickMenuMark, c.index);
    EXPECT_EQ(timesPlayed("select"), 1);
    EXPECT_EQ(c.where(), c.dragged);
  }
  EXPECT_EQ(editHistoryLog.getStepCount(), 3u);

  // A drag pass over another item than the one selected moves nothing, and
  // an item the menu does not hold is not taken.
  button(kButtonLeft, true, kPickEditorButton, kPickMenuMark, 0);
  gameSys.setDragDelay(0);
  platform.setPickPixel(kPickEditorButton, kPickMenuMark, 1);
  mouseDrag(600, 500);
  mouse(kButtonLeft, kButtonUp, 600, 500);
  EXPECT_EQ(editHistoryLog.getStepCount(), 3u);
  EXPECT_FALSE(pickPixel(kPickEditorButton, kPickMenuMark, 2, PickAt::LeftPress));
}

// ---- the panel's controls --------------------------------------------------------------------

TEST_F(MenuEditor, ButtonSizesStepByTwoOrTenAndStopWhereTheButtonCanStillBeClicked) {
  const struct {
    float start;
    int code, mouseButton;
    const char* size;  // width and height after the click
  } cases[] = {
      {10, kPickButtonWider, kButtonLeft, "12 10"},
      {10, kPickButtonWider, kButtonRight, "20 10"},
      {10, kPickButtonNarrower, kButtonLeft, "8 10"},
      {10, kPickButtonTaller, kButtonRight, "10 20"},
      {10, kPickButtonShorter, kButtonRight, "10 2"},
      {7, kPickButtonNarrower, kButtonRight, "2 7"},   // stops at the smallest size
      {2, kPickButtonNarrower, kButtonLeft, "2 2"},    // and goes no further
      {1, kPickButtonShorter, kButtonLeft, "1 1"},     // a smaller one does not grow
      {2.5f, kPickButtonShorter, kButtonLeft, "2.5 2"},
  };
  worldEditor.setCurrentButton(0);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + " code " + std::to_string(c.code));
    gameUI.uiModifyButton(400, 100, c.start, c.start, 3, kFuncNothing, 0, 0, 0);
    worldEditor.setEditorMode(kMenuModeButton);
    clickControl(c.code, c.mouseButton);
    const std::string box = buttonBox(0);
    EXPECT_EQ(box.substr(8, box.find(" tex") - 8), c.size);
  }
  // Only with a button selected.
  gameUI.uiModifyButton(400, 100, 10, 10, 3, kFuncNothing, 0, 0, 0);
  worldEditor.setEditorMode(kMenuModeMenu);
  clickControl(kPickButtonWider);
  EXPECT_EQ(buttonBox(0), "400 100 10 10 tex 3");
}

TEST_F(MenuEditor, TextLinesAreAddedInTheMiddleUpToWhatAMenuFileKeepsAndDeletedWithTheirSelection) {
  clickControl(kPickTextlineAdd);
  EXPECT_EQ(gameUI.menuGetTextlineCount(0), 3);
  EXPECT_EQ(line(2), "400 300 New Text");
  EXPECT_EQ(timesPlayed("create"), 1);

  while (gameUI.menuGetTextlineCount(0) < kMaxMenuElements) clickControl(kPickTextlineAdd);
  EXPECT_EQ(tftest::shownNotice(), "(none)");
  clickControl(kPickTextlineAdd);
  EXPECT_EQ(gameUI.menuGetTextlineCount(0), kMaxMenuElements);
  EXPECT_EQ(tftest::shownNotice(), "Add Textline | A menu holds at most ^y99^w lines of text.");

  // Deleting the selected line leaves the menu selected, not typing.
  worldEditor.setEditorMode(kMenuModeTextline);
  worldEditor.setCurrentTextline(0);
  gameSys.setInputState(kInputMenuEditorText);
  clickControl(kPickTextlineDelete);
  EXPECT_EQ(gameUI.menuGetTextlineCount(0), kMaxMenuElements - 1);
  EXPECT_EQ(line(0), "100 420 Line 1");
  EXPECT_EQ(modeAndInput(), "0 0");
  editUndo();
  EXPECT_EQ(line(0), "100 400 Line 0");
}

TEST_F(MenuEditor, ChangeMenuStepsOverTheEditingScreenAndStopsAtEitherEnd) {
  const struct {
    int from, code, to;
  } cases[] = {
      {0, kPickMenuNext, 2},  // menu 1 is the world editor's editing screen
      {2, kPickMenuNext, 2},
      {2, kPickMenuPrevious, 0},
      {0, kPickMenuPrevious, 0},
  };
  for (const auto& c : cases) {
    loadMenu(c.from);
    gameSys.setGameState(kStateMenuEditor);
    worldEditor.setEditorMode(kMenuModeButton);
    clickControl(c.code);
    EXPECT_EQ(gameUI.getCurrentMenu(), c.to) << c.from << " " << c.code;
    EXPECT_EQ(worldEditor.getEditorMode(), c.to == c.from ? kMenuModeButton : kMenuModeMenu);
  }
}

TEST_F(MenuEditor, AnImageFromTheChooserBecomesTheBackgroundTheButtonsImageOrTheAnimatedImage) {
  button(kButtonLeft, true, kPickMenuBackground, kPickMenuMark, kPickMenuMark);
  EXPECT_GT(worldEditor.getImageMenuTimer(), 0);  // the chooser opens on the press
  const auto choose = [this](int image) { click(kPickChooserImage, image / 256, image % 256); };
  choose(7);
  EXPECT_EQ(gameUI.getMenuBackgroundTex(0), 7);
  choose(300);  // past the menu images: nothing
  EXPECT_EQ(gameUI.getMenuBackgroundTex(0), 7);
  worldEditor.setEditorMode(kMenuModeButton);
  worldEditor.setCurrentButton(1);
  choose(12);
  EXPECT_EQ(buttonBox(1), "400 160 100 25 tex 12");
  EXPECT_EQ(gameUI.getMenuBackgroundTex(0), 7);
  worldEditor.setEditorMode(kMenuModeAnimation);
  choose(4);
  EXPECT_EQ(worldEditor.getCurrentAnimImage(), 4);
  EXPECT_EQ(editHistoryLog.getStepCount(), 2u);
  editUndo();
  editUndo();
  EXPECT_EQ(gameUI.getMenuBackgroundTex(0), 0);
  EXPECT_EQ(buttonBox(1), "400 160 100 25 tex 0");
}

// Each quit icon is taken only where it is drawn: a game's menus have no menu
// set to leave, and the toolkit's sets are no game to go back to.
TEST_F(MenuEditor, TheQuitIconsOfAGameAndOfAToolkitSetAreNotTakenForEachOther) {
  for (const auto& [game, code] : {std::pair<const char*, int>{"maze", kPickLeaveMenuSet}, {"mainui", kPickToolbarQuit}}) {
    world.setGameName(game);
    EXPECT_FALSE(pickCode(code)) << game;
    EXPECT_EQ(gameSys.getGameState(), kStateMenuEditor);
  }
}

// ---- typing ------------------------------------------------------------------------------------

TEST_F(MenuEditor, TypingTakesPrintableCharactersAndCaretCodesAsOneStepUntilAnotherKeyStopsIt) {
  click(kPickEditorTextline, kPickMenuMark, 0);
  ASSERT_EQ(modeAndInput(), "3 3");
  for (int k = 0; k < 7; ++k) keyboard(kCharBackspace, 0, 0);  // one more Backspace than there are letters
  EXPECT_EQ(line(0), "100 400 ");
  for (unsigned char key : std::string("^yHello")) keyboard(key, 0, 0);
  for (unsigned char key : {'\t', '\x01', '\x7f', '\x80', '\xe9'}) keyboard(key, 0, 0);
  keyboard(' ', 0, 0);
  EXPECT_EQ(line(0), "100 400 ^yHello ");
  // What was typed before the Tab is one step; the blank after it begins another.
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
  editUndo();
  EXPECT_EQ(line(0), "100 400 ^yHello");
  keyboard(kCharEscape, 0, 0);
  EXPECT_EQ(modeAndInput(), "0 0");
  keyboard('x', 0, 0);
  EXPECT_EQ(line(0), "100 400 ^yHello");
}

TEST_F(MenuEditor, AClickOnTheControlsKeepsTheLineTakingTypingUntilSomethingElseIsSelected) {
  click(kPickEditorTextline, kPickMenuMark, 1);
  clickControl(kPickTextlineAdd);
  EXPECT_EQ(modeAndInput(), "3 3");
  keyboard('!', 0, 0);
  EXPECT_EQ(line(1), "100 420 Line 1!");
  click(kPickEditorButton, kPickMenuMark, 0);
  EXPECT_EQ(modeAndInput(), "1 0");
  keyboard('?', 0, 0);
  EXPECT_EQ(line(1), "100 420 Line 1!");
  // A click on nothing ends the selection of a line on its release.
  click(kPickEditorTextline, kPickMenuMark, 1);
  click(kPickEmpty.r, kPickEmpty.g, kPickEmpty.b);
  EXPECT_EQ(modeAndInput(), "0 0");
  // Animation editing takes no typing, though it was chosen with a line selected.
  click(kPickEditorTextline, kPickMenuMark, 1);
  clickControl(kPickToolbarAnimation);
  EXPECT_EQ(modeAndInput(), std::to_string(kMenuModeAnimation) + " 0");
}

}  // namespace
