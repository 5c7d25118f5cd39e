// The mouse callbacks: the pointer and button state they record, routing by
// game state, and the throttled hover and drag passes under a hand-set clock.
#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "input_fixture.h"
#include "menus/dialog.h"

namespace {

using namespace tf;

class Mouse : public tftest::InputTest {
 protected:
  int pickScenes() const { return timesCalled("pick scene"); }
  int selectionPasses() const { return timesCalled("selection pass"); }
  static void button(int b, int state) { mouse(b, state, 100, 100); }
  static void expectMarksCleared() {
    EXPECT_EQ(gameUI.getHoverButton(), -1);
    EXPECT_EQ(gameUI.getPressedButton(), -1);
    EXPECT_EQ(gameUI.getHoverTextbox(), -1);
  }
};

// A window of another size than the overlay: the pointer scales to it.
class WideWindow : public tftest::RecordingPlatform {
 public:
  int windowWidth() const override { return 1600; }
  int windowHeight() const override { return 1200; }
};

TEST_F(Mouse, ThePointerIsKeptInPixelsAndOverlayUnitsAndButtonsRecordTheirEvent) {
  int x, y;
  {
    WideWindow wide;
    updateMousePos(301, 201);
    gameSys.getOrthoPos(x, y);
    EXPECT_EQ(x, 150);
    EXPECT_EQ(y, 100);
  }
  setPlatform(&platform);
  makeMenus(1);
  gameUI.setCurrentTT(37, 2, 5);
  mouse(kButtonLeft, kButtonDown, 420, 310);  // picked where it happens, without motion before
  gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 420);
  EXPECT_EQ(y, 310);
  EXPECT_EQ(platform.calls.back(), "read 420,310");
  EXPECT_EQ(tooltipCode(), -1);
  EXPECT_EQ(gameSys.getLeftMouse(), kMousePress);
  EXPECT_EQ(gameSys.getRightMouse(), kMouseNoEvent);
  leftRelease();
  EXPECT_EQ(gameSys.getLeftMouse(), kMouseRelease);
  button(kButtonRight, kButtonDown);
  EXPECT_EQ(gameSys.getLeftMouse(), kMouseNoEvent);
  EXPECT_EQ(gameSys.getRightMouse(), kMousePress);
  button(kButtonMiddle, kButtonUp);
  EXPECT_EQ(gameSys.getRightMouse(), kMouseNoEvent);
  // While a loader runs the mouse is off: nothing is recorded.
  gameSys.setDisableMouseState(true);
  gameSys.setDragState(true);
  leftPress();
  EXPECT_EQ(gameSys.getLeftMouse(), kMouseNoEvent);
  EXPECT_FALSE(gameSys.getDragState());
}

TEST_F(Mouse, InTheMenusOnlyTheLeftButtonPicksAndAnUnconsumedReleaseLetsGo) {
  makeMenus(1);
  leftPress();
  button(kButtonRight, kButtonDown);
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(selectionPasses(), 0);
  gameUI.setHoverButton(0);
  gameUI.setPressedButton(0);
  gameUI.setHoverTextbox(0);
  button(kButtonRight, kButtonUp);
  expectMarksCleared();
}

TEST_F(Mouse, InPlayEveryButtonRunsTheSelectionPassAndTheMouseLogicOnceMore) {
  startGame();
  countWhen(134, 0, 0);                        // "Left click"
  addGlobal({100, 1, 300, 435, 0, 600, 745, 1});  // object 1 left-clicked
  platform.onSelectionPass = [] { world.setSelectedObject(1); updateMouseLogic(); };
  world.setGameBox(900, 4);
  world.setDisplayPhrase(900, 2);
  leftPress();
  EXPECT_EQ(selectionPasses(), 1);
  EXPECT_EQ(score(0), 2);  // in both runs
  EXPECT_EQ(score(1), 1);  // in the first only
  EXPECT_EQ(world.getSelectedObject(), -1);
  int timer, index;
  world.getGameBox(timer, index);
  EXPECT_EQ(timer, 0);
  world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, -1);
  EXPECT_EQ(pickScenes(), 0);
  world.setDisplayPhrase(900, 2);
  leftRelease();
  world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, 900);  // only a press takes the phrase down
  button(kButtonRight, kButtonDown);
  EXPECT_EQ(selectionPasses(), 3);

  // With help over the game the left press picks in help, and its release is no event.
  enableHelp();
  pickUnder(144, 144, 144);
  leftPress();
  leftRelease();
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(selectionPasses(), 4);
}

TEST_F(Mouse, AReleaseOverTheSplashEndsIt) {
  makeMenus(1);
  gameSys.setGameState(kStateSplash);
  playSystemSound(kSoundMelody, 0);
  leftPress();
  EXPECT_EQ(gameSys.getGameState(), kStateSplash);
  clock.advance(1234);
  button(kButtonRight, kButtonUp);
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);
  EXPECT_EQ(gameSys.getStartingSystemTime(), clock.now());
  EXPECT_EQ(audio.playingCount("soundreq/melody.wav"), 0);
  EXPECT_EQ(pickScenes(), 0);
}

TEST_F(Mouse, TheWorldEditorsButtonsWheelMiddleSelectionPassAndDoubleClick) {
  makeMenus(2);
  gameUI.setEditorMenu(1);
  startGame();
  gameSys.setGameState(kStateWorldEditor);
  loadMenu(1);
  button(kButtonWheelUp, kButtonDown);
  button(kButtonWheelUp, kButtonUp);
  button(kButtonMiddle, kButtonDown);
  EXPECT_EQ(world.worldGetObjectCount(0), 2);
  EXPECT_EQ(pickScenes(), 0);
  button(kButtonMiddle, kButtonUp);  // adds an object
  EXPECT_EQ(world.worldGetObjectCount(0), 3);
  EXPECT_EQ(worldEditor.getCurrentObject(), 2);
  worldEditor.setImageMenuTimer(5);  // not while the image chooser is open
  button(kButtonMiddle, kButtonUp);
  EXPECT_EQ(world.worldGetObjectCount(0), 3);

  // A press no pick consumed goes to the selection pass; the right button picks too.
  const int scenes = pickScenes();
  leftPress();
  leftRelease();
  EXPECT_EQ(selectionPasses(), 1);
  pickUnder(144, 144, 144);  // a panel
  leftPress();
  pickUnder(254, 254, 254);
  button(kButtonRight, kButtonDown);
  EXPECT_EQ(pickScenes(), scenes + 4);
  EXPECT_EQ(selectionPasses(), 2);

  // Two presses within 200 ms in the logic editor close its word list.
  worldEditor.setEditorMode(kModeGlobalLogic);
  int timer, sentence, step;
  for (auto [wait, left] : {std::pair{250, 5}, {199, -1}, {200, 5}}) {
    worldEditor.setGLTimer(5, 1, 6);
    clock.advance(wait);
    leftPress();
    worldEditor.getGLTimer(timer, sentence, step);
    EXPECT_EQ(timer, left) << wait;
  }
}

TEST_F(Mouse, TheMenuEditorEndsTextEntryOnEveryButtonEventButNotUnderHelp) {
  makeMenus(1);
  gameSys.setGameState(kStateMenuEditor);
  gameSys.setInputState(kInputMenuEditorText);
  worldEditor.setEditorMode(kMenuModeTextline);
  button(kButtonRight, kButtonDown);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(worldEditor.getEditorMode(), kMenuModeTextline);
  leftRelease();
  EXPECT_EQ(worldEditor.getEditorMode(), kMenuModeMenu);
  enableHelp();
  leftPress();
  EXPECT_EQ(gameSys.getInputState(), kInputHelp);
}

TEST_F(Mouse, MotionRunsAHoverPassAtMostEvery30MillisecondsButNotOverTheSplashOrHelp) {
  makeMenus(1);
  addButton(0, kFuncNothing);
  pickUnder(37, 144, 0);
  mousePassive(10, 20);
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(gameUI.getHoverButton(), 0);
  EXPECT_FALSE(gameSys.getHoverState());
  clock.advance(29);
  mousePassive(11, 21);
  EXPECT_EQ(pickScenes(), 1);
  int x, y;
  gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 11);  // the pointer is followed all the same
  clock.advance(1);
  pickUnder(254, 254, 254);
  mousePassive(12, 22);
  EXPECT_EQ(pickScenes(), 2);
  EXPECT_EQ(gameUI.getHoverButton(), -1);

  gameSys.setGameState(kStateSplash);
  clock.advance(kHoverThrottleMs);
  mousePassive(1, 1);
  EXPECT_EQ(pickScenes(), 2);
  gameSys.setGameState(kStateMenus);
  enableHelp();
  gameUI.setHoverButton(3);
  gameUI.setPressedButton(3);
  clock.advance(kHoverThrottleMs);
  mousePassive(1, 1);
  EXPECT_EQ(pickScenes(), 2);
  expectMarksCleared();
  disableHelp();
  enableDialog(0);
  pickUnder(35, 144, 144);
  clock.advance(kHoverThrottleMs);
  mousePassive(1, 1);
  EXPECT_EQ(pickScenes(), 3);
  EXPECT_EQ(gameUI.getHoverButton(), 0);
}

TEST_F(Mouse, DragsWaitOutTheDragDelayAndAreThrottledFasterForTheMenuEditorsItems) {
  makeMenus(1);
  addButton(0, kFuncNothing);
  gameSys.setLeftMouse(kMousePress);
  gameSys.setDragDelay(2);
  mouseDrag(50, 50);
  mouseDrag(51, 51);
  EXPECT_EQ(gameSys.getDragDelay(), 0);
  EXPECT_EQ(pickScenes(), 0);
  int x, y;
  gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 0);  // dropped events do not move the pointer

  pickUnder(37, 144, 0);
  mouseDrag(52, 52);
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(gameUI.getPressedButton(), -1);  // dragging over a button does not press it
  EXPECT_FALSE(gameSys.getDragState());
  clock.advance(29);
  mouseDrag(53, 53);
  EXPECT_EQ(pickScenes(), 1);
  gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 53);
  clock.advance(1);
  mouseDrag(54, 54);
  EXPECT_EQ(pickScenes(), 2);

  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setEditorMode(kMenuModeButton);
  for (auto [wait, passes] : {std::pair{5, 3}, {4, 3}, {5, 4}}) {
    clock.advance(wait);
    mouseDrag(55, 55);
    EXPECT_EQ(pickScenes(), passes) << wait;
  }
  worldEditor.setEditorMode(kMenuModeMenu);
  clock.advance(25);
  mouseDrag(57, 57);
  EXPECT_EQ(pickScenes(), 4);

  gameSys.setGameState(kStateMenus);
  enableHelp();
  clock.advance(100);
  mouseDrag(58, 58);
  EXPECT_EQ(pickScenes(), 4);
}

}  // namespace
