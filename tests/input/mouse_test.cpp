// The mouse callbacks: the button state they record, routing by game state
// (play, menus, splash, editors), and the hover and drag passes with their
// throttles, under a clock set by hand.
#include <gtest/gtest.h>

#include "core/camera.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "input/color_pick.h"
#include "input_fixture.h"
#include "menus/dialog.h"

namespace {

constexpr int kLeftClick = 134;
constexpr int kWhenObject = 100;
constexpr int kLeftClicked = 435;

class Mouse : public tftest::InputTest {
 protected:
  int pickScenes() const { return timesCalled("pick scene"); }
  int selectionPasses() const { return timesCalled("selection pass"); }
  static void button(int b, int state) { tf::mouse(b, state, 100, 100); }
};

// A window of another size than the overlay: the pointer scales to it.
class WideWindow : public tftest::RecordingPlatform {
 public:
  int windowWidth() const override { return 1600; }
  int windowHeight() const override { return 1200; }
};

TEST_F(Mouse, ThePointerIsKeptInWindowPixelsAndOverlayUnits) {
  tf::updateMousePos(300, 200);
  int x, y;
  tf::gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 300);
  EXPECT_EQ(y, 200);
  tf::gameSys.getOrthoPos(x, y);
  EXPECT_EQ(x, 300);
  EXPECT_EQ(y, 200);
  {
    WideWindow wide;
    tf::updateMousePos(301, 201);
    tf::gameSys.getOrthoPos(x, y);
    EXPECT_EQ(x, 150);
    EXPECT_EQ(y, 100);
  }
  tf::setPlatform(&platform);
  // A click is picked where it happens, without motion before it.
  makeMenus(1);
  tf::mouse(tf::kButtonLeft, tf::kButtonDown, 420, 310);
  tf::gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 420);
  EXPECT_EQ(y, 310);
  EXPECT_EQ(platform.calls.back(), "read 420,310");
}

TEST_F(Mouse, ButtonsRecordTheirEventAndClearTheTooltip) {
  makeMenus(1);
  tf::gameUI.setCurrentTT(37, 2, 5);
  leftPress();
  EXPECT_EQ(tf::gameSys.getLeftMouse(), tf::kMousePress);
  EXPECT_EQ(tf::gameSys.getRightMouse(), tf::kMouseNoEvent);
  int code, index, time;
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, -1);
  leftRelease();
  EXPECT_EQ(tf::gameSys.getLeftMouse(), tf::kMouseRelease);
  button(tf::kButtonRight, tf::kButtonDown);
  EXPECT_EQ(tf::gameSys.getLeftMouse(), tf::kMouseNoEvent);
  EXPECT_EQ(tf::gameSys.getRightMouse(), tf::kMousePress);
  button(tf::kButtonMiddle, tf::kButtonUp);
  EXPECT_EQ(tf::gameSys.getRightMouse(), tf::kMouseNoEvent);

  // While a loader runs the mouse is off: nothing is recorded.
  tf::gameSys.setDisableMouseState(true);
  tf::gameSys.setDragState(true);
  leftPress();
  EXPECT_EQ(tf::gameSys.getLeftMouse(), tf::kMouseNoEvent);
  EXPECT_FALSE(tf::gameSys.getDragState());
}

TEST_F(Mouse, InTheMenusOnlyTheLeftButtonPicks) {
  makeMenus(1);
  leftPress();
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(timesCalled("read 100,100"), 1);
  button(tf::kButtonRight, tf::kButtonDown);
  button(tf::kButtonRight, tf::kButtonUp);
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(selectionPasses(), 0);
  // A release nothing consumed lets go of whatever was hovered and held.
  tf::gameUI.setHoverButton(0);
  tf::gameUI.setPressedButton(0);
  tf::gameUI.setHoverTextbox(0);
  button(tf::kButtonRight, tf::kButtonUp);
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  EXPECT_EQ(tf::gameUI.getHoverTextbox(), -1);
}

TEST_F(Mouse, APressInPlayRunsTheMouseLogicWithTheObjectUnderThePointerAndOnceMore) {
  startGame();
  countWhen(kLeftClick, 0, 0);
  addGlobal({kWhenObject, 1, 300, kLeftClicked, 0, 600, 745, 1});
  platform.onSelectionPass = [] {
    tf::world.setSelectedObject(1);
    tf::updateMouseLogic();
  };
  tf::world.setGameBox(900, 4);
  tf::world.setDisplayPhrase(900, 2);
  leftPress();
  EXPECT_EQ(selectionPasses(), 1);
  EXPECT_EQ(score(0), 2);  // "Left click" in both passes
  EXPECT_EQ(score(1), 1);  // the object clicked, in the first only
  EXPECT_EQ(tf::world.getSelectedObject(), -1);
  int timer, index;
  tf::world.getGameBox(timer, index);
  EXPECT_EQ(timer, 0);
  tf::world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, -1);
  // No colour pass in play: the tooltip is cleared instead.
  EXPECT_EQ(pickScenes(), 0);

  tf::world.setDisplayPhrase(900, 2);
  leftRelease();
  EXPECT_EQ(selectionPasses(), 2);
  tf::world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, 900);  // only a press takes the phrase down
  button(tf::kButtonRight, tf::kButtonDown);
  EXPECT_EQ(selectionPasses(), 3);

  // With help shown over the game, the left button picks in the help window
  // (which covers everything behind it).
  tf::enableHelp();
  pickUnder(144, 144, 144);
  leftPress();
  EXPECT_EQ(pickScenes(), 1);
  // ... and its release is not an event at all.
  leftRelease();
  EXPECT_EQ(selectionPasses(), 4);
  EXPECT_EQ(pickScenes(), 1);
}

TEST_F(Mouse, AReleaseOverTheSplashEndsIt) {
  makeMenus(1);
  tf::gameSys.setGameState(tf::kStateSplash);
  tf::playSystemSound(tf::kSoundMelody, 0);
  leftPress();
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateSplash);
  clock.advance(1234);
  button(tf::kButtonRight, tf::kButtonUp);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
  EXPECT_EQ(tf::gameSys.getStartingSystemTime(), clock.now());
  EXPECT_EQ(audio.playingCount("soundreq/melody.wav"), 0);
  EXPECT_EQ(pickScenes(), 0);
}

TEST_F(Mouse, TheWorldEditorAddsAnObjectOnAMiddleReleaseAndIgnoresTheWheel) {
  makeMenus(2);
  tf::gameUI.setEditorMenu(1);
  startGame();
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::loadMenu(1);
  button(tf::kButtonWheelUp, tf::kButtonDown);
  button(tf::kButtonWheelUp, tf::kButtonUp);
  EXPECT_EQ(pickScenes(), 0);
  button(tf::kButtonMiddle, tf::kButtonDown);
  EXPECT_EQ(tf::world.worldGetObjectCount(0), 2);
  EXPECT_EQ(pickScenes(), 0);
  button(tf::kButtonMiddle, tf::kButtonUp);
  EXPECT_EQ(tf::world.worldGetObjectCount(0), 3);
  EXPECT_EQ(tf::worldEditor.getCurrentObject(), 2);
  // Not while the image chooser is open.
  tf::worldEditor.setImageMenuTimer(5);
  button(tf::kButtonMiddle, tf::kButtonUp);
  EXPECT_EQ(tf::world.worldGetObjectCount(0), 3);
}

TEST_F(Mouse, InTheEditorsAPressNoPickConsumedGoesToTheSelectionPass) {
  makeMenus(1);
  startGame();
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  pickUnder(254, 254, 254);
  leftPress();
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(selectionPasses(), 1);
  leftRelease();
  EXPECT_EQ(selectionPasses(), 1);
  pickUnder(144, 144, 144);  // a panel
  leftPress();
  EXPECT_EQ(selectionPasses(), 1);
  // The right button picks there too.
  pickUnder(254, 254, 254);
  button(tf::kButtonRight, tf::kButtonDown);
  EXPECT_EQ(pickScenes(), 4);
  EXPECT_EQ(selectionPasses(), 2);
}

TEST_F(Mouse, TwoQuickPressesInTheLogicEditorCloseItsWordList) {
  makeMenus(1);
  startGame();
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::worldEditor.setEditorMode(tf::kModeGlobalLogic);
  tf::worldEditor.setGLTimer(5, 1, 6);
  leftPress();
  int timer, sentence, step;
  tf::worldEditor.getGLTimer(timer, sentence, step);
  EXPECT_EQ(timer, 5);  // the first press of the run
  clock.advance(150);
  leftPress();
  tf::worldEditor.getGLTimer(timer, sentence, step);
  EXPECT_EQ(timer, -1);
  EXPECT_EQ(pickScenes(), 1);

  tf::worldEditor.setGLTimer(5, 1, 6);
  clock.advance(250);
  leftPress();
  tf::worldEditor.getGLTimer(timer, sentence, step);
  EXPECT_EQ(timer, 5);
}

TEST_F(Mouse, TheMenuEditorEndsTextEntryOnEveryButtonEvent) {
  makeMenus(1);
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  tf::gameSys.setInputState(tf::kInputMenuEditorText);
  tf::worldEditor.setEditorMode(tf::kMenuModeTextline);
  button(tf::kButtonRight, tf::kButtonDown);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kMenuModeTextline);
  leftRelease();
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kMenuModeMenu);
  // Not while help is shown.
  tf::enableHelp();
  leftPress();
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputHelp);
}

TEST_F(Mouse, MotionRunsAHoverPassAtMostEvery30Milliseconds) {
  makeMenus(1);
  addButton(0, tf::kFuncNothing);
  pickUnder(37, 144, 0);
  tf::mousePassive(10, 20);
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(tf::gameUI.getHoverButton(), 0);
  EXPECT_FALSE(tf::gameSys.getHoverState());
  clock.advance(29);
  tf::mousePassive(11, 21);
  EXPECT_EQ(pickScenes(), 1);
  // The pointer is followed all the same.
  int x, y;
  tf::gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 11);
  clock.advance(1);
  pickUnder(254, 254, 254);
  tf::mousePassive(12, 22);
  EXPECT_EQ(pickScenes(), 2);
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  // The tooltip key changed with the code under the pointer.
  int code, index, time;
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, 254);
  EXPECT_EQ(time, clock.now());
}

TEST_F(Mouse, NoHoverPassDuringTheSplashOrOverHelp) {
  makeMenus(1);
  tf::gameSys.setGameState(tf::kStateSplash);
  hover();
  EXPECT_EQ(pickScenes(), 0);
  tf::gameSys.setGameState(tf::kStateMenus);
  tf::enableHelp();
  tf::gameUI.setHoverButton(3);
  tf::gameUI.setPressedButton(3);
  hover();
  EXPECT_EQ(pickScenes(), 0);
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  EXPECT_TRUE(tf::helpShown());
  // A dialog takes hover passes.
  tf::disableHelp();
  tf::enableDialog(0);
  pickUnder(35, 144, 144);
  hover();
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(tf::gameUI.getHoverButton(), 0);
  // In play the pass clears the tooltip and draws nothing.
  startGame();
  tf::gameUI.setCurrentTT(37, 1, 1);
  hover();
  EXPECT_EQ(pickScenes(), 1);
  int code, index, time;
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, -1);
}

TEST_F(Mouse, DragsWaitOutTheDragDelayAndAreThrottled) {
  makeMenus(1);
  addButton(0, tf::kFuncNothing);
  tf::gameSys.setLeftMouse(tf::kMousePress);
  tf::gameSys.setDragDelay(2);
  tf::mouseDrag(50, 50);
  tf::mouseDrag(51, 51);
  EXPECT_EQ(tf::gameSys.getDragDelay(), 0);
  EXPECT_EQ(pickScenes(), 0);
  int x, y;
  tf::gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 0);  // dropped events do not move the pointer

  // A drag pass consumes no menu button: nothing is pressed by dragging over one.
  pickUnder(37, 144, 0);
  tf::mouseDrag(52, 52);
  EXPECT_EQ(pickScenes(), 1);
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  EXPECT_FALSE(tf::gameSys.getDragState());
  clock.advance(29);
  tf::mouseDrag(53, 53);
  EXPECT_EQ(pickScenes(), 1);
  tf::gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 53);
  clock.advance(1);
  tf::mouseDrag(54, 54);
  EXPECT_EQ(pickScenes(), 2);

  // The menu editor, dragging an item, every 5 ms.
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  tf::worldEditor.setEditorMode(tf::kMenuModeButton);
  clock.advance(5);
  tf::mouseDrag(55, 55);
  EXPECT_EQ(pickScenes(), 3);
  clock.advance(4);
  tf::mouseDrag(56, 56);
  EXPECT_EQ(pickScenes(), 3);
  tf::worldEditor.setEditorMode(tf::kMenuModeMenu);
  clock.advance(25);
  tf::mouseDrag(57, 57);
  EXPECT_EQ(pickScenes(), 3);

  // Over help a drag does nothing.
  tf::gameSys.setGameState(tf::kStateMenus);
  tf::enableHelp();
  clock.advance(100);
  tf::mouseDrag(58, 58);
  EXPECT_EQ(pickScenes(), 3);
}

}  // namespace
