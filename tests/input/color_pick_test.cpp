// Colour picking without a window: which parts of the screen a pick pass
// draws, when a pass runs at all, and what each pick colour does for a hover,
// a press, a release and a drag, fed as made-up pixels.
#include "input/color_pick.h"

#include <gtest/gtest.h>

#include "console/console_view.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "input_fixture.h"
#include "menus/dialog.h"
#include "menus/file_browser.h"
#include "menus/help_layout.h"
#include "menus/menu_layout.h"
#include "menus/system_textboxes.h"

namespace {

using tf::PickPassPlan;

class ColorPick : public tftest::InputTest {
 protected:
  // One pass of each kind over pixel (r, g, b); the result of the dispatch.
  static bool dispatch(int r, int g, int b) {
    const unsigned char pixel[3] = {static_cast<unsigned char>(r), static_cast<unsigned char>(g),
                                    static_cast<unsigned char>(b)};
    return tf::dispatchPickPixel(pixel);
  }
  static bool hoverOver(int r, int g, int b) {
    tf::gameSys.setHoverCheck(true);
    const bool consumed = dispatch(r, g, b);
    tf::gameSys.setHoverCheck(false);
    return consumed;
  }
  static bool pressOn(int r, int g, int b) {
    tf::gameSys.setLeftMouse(tf::kMousePress);
    return dispatch(r, g, b);
  }
  static bool releaseOn(int r, int g, int b) {
    tf::gameSys.setLeftMouse(tf::kMouseRelease);
    return dispatch(r, g, b);
  }
  static bool dragOver(int r, int g, int b) {
    tf::gameSys.setLeftMouse(tf::kMousePress);
    tf::gameSys.setDragState(true);
    const bool consumed = dispatch(r, g, b);
    tf::gameSys.setDragState(false);
    return consumed;
  }
  static void typingInto(int textbox) {
    tf::gameUI.setTextboxEdit(textbox);
    tf::gameSys.setInputState(tf::kInputMenuTextbox);
  }
};

bool operator==(const PickPassPlan& a, const PickPassPlan& b) {
  return a.help == b.help && a.menus == b.menus && a.dialog == b.dialog && a.console == b.console;
}

TEST_F(ColorPick, APassDrawsHelpAloneOrTheMenusDialogAndConsoleOfTheState) {
  // help, menus, dialog, console
  EXPECT_TRUE(tf::planPickPass(0, tf::kInputHelp, true) == (PickPassPlan{true, false, false, false}));
  for (int state : {tf::kStateMenus, tf::kStateIngameMenu, tf::kStateWorldEditor, tf::kStateMenuEditor}) {
    EXPECT_TRUE(tf::planPickPass(state, tf::kInputNormal, false) == (PickPassPlan{false, true, false, false}))
        << state;
  }
  EXPECT_TRUE(tf::planPickPass(tf::kStateDialog, tf::kInputNormal, false) ==
              (PickPassPlan{false, false, true, false}));
  EXPECT_TRUE(tf::planPickPass(tf::kStatePlay, tf::kInputConsole, true) ==
              (PickPassPlan{false, false, false, true}));
  EXPECT_TRUE(tf::planPickPass(tf::kStatePlaytest, tf::kInputNormal, false) == PickPassPlan{});
}

TEST_F(ColorPick, NoPassRunsDuringTheSplashNorInPlayWithoutHelp) {
  makeMenus(1);
  tf::gameSys.setGameState(tf::kStateSplash);
  EXPECT_FALSE(tf::colorPickRender());
  startGame();
  tf::gameUI.setCurrentTT(37, 0, 10);
  EXPECT_FALSE(tf::colorPickRender());
  int code, index, time;
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, -1);
  EXPECT_TRUE(platform.calls.empty());

  tf::enableHelp();
  pickUnder(144, 144, 144);
  tf::gameSys.setMousePos(100, 100);
  EXPECT_TRUE(tf::colorPickRender());
  EXPECT_EQ(timesCalled("pick scene"), 1);
  EXPECT_FALSE(tf::gameSys.getColorPick());
}

TEST_F(ColorPick, APointerOutsideTheWindowPicksNothing) {
  makeMenus(1);
  pickUnder(144, 144, 144);
  for (auto [x, y] : {std::pair{0, 10}, {800, 10}, {10, 0}, {10, 600}}) {
    tf::gameSys.setMousePos(x, y);
    EXPECT_FALSE(tf::colorPickCheck()) << x << "," << y;
  }
  EXPECT_TRUE(platform.calls.empty());
  tf::gameSys.setMousePos(799, 599);
  EXPECT_TRUE(tf::colorPickCheck());
  EXPECT_EQ(platform.calls.back(), "read 799,599");
}

TEST_F(ColorPick, PanelsAbsorbClicksAndTheEmptyBackgroundEndsTextEntryOnAPress) {
  makeMenus(1);
  addTextbox(0, 0);
  typingInto(0);
  EXPECT_TRUE(pressOn(144, 144, 144));
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputMenuTextbox);
  EXPECT_FALSE(hoverOver(254, 254, 254));
  EXPECT_FALSE(releaseOn(254, 254, 254));
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputMenuTextbox);
  EXPECT_FALSE(pressOn(254, 254, 254));
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);

  // Not in the menu editor, nor with the console open.
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  tf::gameSys.setInputState(tf::kInputMenuEditorText);
  pressOn(254, 254, 254);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputMenuEditorText);
  tf::gameSys.setGameState(tf::kStateMenus);
  tf::console.enableConsole();
  pressOn(254, 254, 254);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
}

TEST_F(ColorPick, AHoverPassKeysTheTooltipToTheCodeUnderThePointer) {
  makeMenus(1);
  addButton(0, tf::kFuncHelp);
  addButton(0, tf::kFuncQuit);
  hoverOver(37, 144, 0);
  int code, index, time;
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, 37);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(time, clock.now());
  // Another button of the same kind keeps the delay running.
  clock.advance(700);
  hoverOver(37, 144, 1);
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(time, clock.now() - 700);
  clock.advance(10);
  hoverOver(144, 144, 144);
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, 144);
  EXPECT_EQ(time, clock.now());
  // Only hover passes touch it.
  pressOn(37, 144, 1);
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, 144);
}

TEST_F(ColorPick, AColourWithoutTheMenuMarkLetsGoOfTheMenus) {
  makeMenus(1);
  addButton(0, tf::kFuncNothing);
  tf::gameUI.setHoverButton(0);
  tf::gameUI.setPressedButton(0);
  tf::gameUI.setHoverTextbox(0);
  EXPECT_FALSE(pressOn(37, 12, 0));
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  EXPECT_EQ(tf::gameUI.getHoverTextbox(), -1);
  // The image chooser's code carries data in green and is not such a colour.
  tf::gameUI.setHoverButton(0);
  EXPECT_FALSE(pressOn(85, 1, 44));
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);  // reset as a miss of the menus instead
}

TEST_F(ColorPick, ALeftPressOnAHelpTopicShowsIt) {
  makeMenus(1);
  for (int t = 0; t < 3; ++t) tf::uiHelp.menuSetMenuTitle(t, "Topic");
  tf::enableHelp();
  EXPECT_FALSE(hoverOver(tf::kPickHelpTopic, 144, 2));
  EXPECT_EQ(tf::uiHelp.getHelp(), 0);
  EXPECT_TRUE(pressOn(tf::kPickHelpTopic, 144, 2));
  EXPECT_EQ(tf::uiHelp.getHelp(), 2);
  EXPECT_EQ(timesPlayed("select"), 1);
  EXPECT_TRUE(pressOn(tf::kPickHelpTopic, 144, 3));  // no such topic: consumed, nothing shown
  EXPECT_EQ(tf::uiHelp.getHelp(), 2);
  EXPECT_FALSE(dragOver(tf::kPickHelpTopic, 144, 1));
  EXPECT_EQ(tf::uiHelp.getHelp(), 2);
  // The close button, on anything but a hover.
  EXPECT_TRUE(hoverOver(tf::kPickHelpClose, 144, 144));
  EXPECT_TRUE(tf::helpShown());
  EXPECT_TRUE(releaseOn(tf::kPickHelpClose, 144, 144));
  EXPECT_FALSE(tf::helpShown());
  EXPECT_EQ(timesPlayed("select"), 2);
  EXPECT_TRUE(pressOn(tf::kPickHelpOpen, 144, 144));
  EXPECT_TRUE(tf::helpShown());
}

TEST_F(ColorPick, SystemTextboxesAndTheNoticeAnswerAPress) {
  makeMenus(1);
  EXPECT_TRUE(pressOn(tf::kPickSystemTextbox, 144, 5));
  EXPECT_EQ(tf::gameUI.getTextboxEdit(), 5);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputSystemTextbox);
  EXPECT_FALSE(pressOn(tf::kPickSystemTextbox, 144, tf::kSystemTextboxCount));
  EXPECT_EQ(tf::gameUI.getTextboxEdit(), 5);

  tf::notice.setNotice("Title", "A message");
  EXPECT_FALSE(releaseOn(tf::kNoticePick[0], 144, 144));
  EXPECT_NE(noticeShown(), "");
  EXPECT_TRUE(pressOn(tf::kNoticePick[0], 144, 144));
  EXPECT_EQ(noticeShown(), "");
}

TEST_F(ColorPick, TheConsoleButtonsToggleAndScrollIt) {
  makeMenus(1);
  for (int i = 0; i < 3; ++i) tf::console.echo("line");
  EXPECT_TRUE(pressOn(tf::kPickConsoleToggle, 144, 144));
  EXPECT_TRUE(tf::console.getConsoleState());
  EXPECT_EQ(timesPlayed("open"), 1);
  EXPECT_TRUE(releaseOn(tf::kPickConsoleToggle, 144, 144));  // consumed, only a press acts
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
  for (int i = 0; i < 3; ++i) pressOn(tf::kPickConsoleOlder, 144, 144);
  EXPECT_EQ(tf::console.getCurrentLine(), 2);
  pressOn(tf::kPickConsoleNewer, 144, 144);
  EXPECT_EQ(tf::console.getCurrentLine(), 1);
  pressOn(tf::kPickConsoleToggle, 144, 144);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(timesPlayed("close"), 1);
}

TEST_F(ColorPick, SaveAndAnimationIconsOfTheEditors) {
  makeMenus(1);
  tf::world.setGameName("mainui");
  EXPECT_TRUE(pressOn(tf::kPickSave, 144, 144));
  EXPECT_TRUE(dir.exists("system/ui.cfg"));
  EXPECT_EQ(noticeShown(), "Project Saved: The project^y mainui^w has been successfully saved.");

  tf::gameSys.setGameState(tf::kStateWorldEditor);
  EXPECT_TRUE(pressOn(tf::kPickAnimation, 144, 144));
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kModeAnimation);
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  EXPECT_TRUE(pressOn(tf::kPickAnimation, 144, 144));
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kMenuModeAnimation);
}

TEST_F(ColorPick, DialogButtonsHoverPressAndRunTheirFunctionOnRelease) {
  dir.write("system/dialog.cfg",
            "f dialog2button0func 1\nf dialog2button0func2 1\nf dialog2button1func 5\nf dialog2button1func2 0\n");
  tf::scriptSys.readFile("system/dialog.cfg");
  makeMenus(2);
  tf::enableDialog(2);
  EXPECT_TRUE(hoverOver(tf::kPickDialogRight, 144, 144));
  EXPECT_EQ(tf::gameUI.getHoverButton(), 1);
  EXPECT_TRUE(pressOn(tf::kPickDialogRight, 144, 144));
  EXPECT_EQ(tf::gameUI.getPressedButton(), tf::kPressedDialogRight);
  EXPECT_TRUE(releaseOn(tf::kPickDialogRight, 144, 144));
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);  // "Back": the dialog closed

  tf::enableDialog(2);
  clock.advance(1000);
  EXPECT_TRUE(pressOn(tf::kPickDialogLeft, 144, 144));
  EXPECT_EQ(tf::gameUI.getPressedButton(), tf::kPressedDialogLeft);
  EXPECT_TRUE(releaseOn(tf::kPickDialogLeft, 144, 144));
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 1);
  EXPECT_EQ(timesPlayed("click"), 2);
}

TEST_F(ColorPick, AMenuButtonFiresOnlyWhenReleasedOverItselfAfterAPress) {
  makeMenus(3);
  addButton(0, tf::kFuncLoadMenu, 2);
  addButton(0, tf::kFuncLoadMenu, 1);
  EXPECT_TRUE(hoverOver(37, 144, 0));
  EXPECT_EQ(tf::gameUI.getHoverButton(), 0);
  // A release without a press does nothing.
  EXPECT_TRUE(releaseOn(37, 144, 0));
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0);
  EXPECT_TRUE(pressOn(37, 144, 0));
  EXPECT_EQ(tf::gameUI.getPressedButton(), 0);
  // Released over another button than the one last hovered: nothing.
  EXPECT_TRUE(releaseOn(37, 144, 1));
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0);
  EXPECT_EQ(tf::gameUI.getPressedButton(), 0);
  EXPECT_TRUE(releaseOn(37, 144, 0));
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 2);
  EXPECT_EQ(timesPlayed("click"), 1);
  // A button the menu does not have is a miss.
  EXPECT_FALSE(pressOn(37, 144, 0));
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
}

TEST_F(ColorPick, AMenuTextboxTakesTypingOnRelease) {
  makeMenus(1);
  addTextbox(0, 0);
  EXPECT_TRUE(hoverOver(38, 144, 0));
  EXPECT_EQ(tf::gameUI.getHoverTextbox(), 0);
  EXPECT_TRUE(pressOn(38, 144, 0));
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_TRUE(releaseOn(38, 144, 0));
  EXPECT_EQ(tf::gameUI.getTextboxEdit(), 0);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputMenuTextbox);
  EXPECT_EQ(timesPlayed("select"), 1);
  EXPECT_FALSE(releaseOn(38, 144, 1));  // not a textbox of this menu
}

TEST_F(ColorPick, AMissOfTheMenusLetsGoOfEverythingAndEndsTyping) {
  makeMenus(1);
  addButton(0, tf::kFuncNothing);
  addTextbox(0, 0);
  tf::gameUI.setHoverButton(0);
  tf::gameUI.setHoverTextbox(0);
  EXPECT_FALSE(hoverOver(99, 144, 144));
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  EXPECT_EQ(tf::gameUI.getHoverTextbox(), -1);

  tf::gameUI.setPressedButton(0);
  typingInto(0);
  EXPECT_FALSE(pressOn(99, 144, 144));
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(tf::gameUI.getTextboxEdit(), -1);

  // A system textbox keeps its typing.
  tf::gameUI.setTextboxEdit(3);
  tf::gameSys.setInputState(tf::kInputSystemTextbox);
  EXPECT_FALSE(pressOn(99, 144, 144));
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputSystemTextbox);
  EXPECT_EQ(tf::gameUI.getTextboxEdit(), 3);
}

TEST_F(ColorPick, MenuCodesAreNotTheMenuEditorsNorThoseOfHelpOverPlay) {
  makeMenus(2);
  addButton(0, tf::kFuncLoadMenu, 1);
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  EXPECT_FALSE(pressOn(37, 144, 0));
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  tf::gameSys.setGameState(tf::kStatePlay);
  EXPECT_FALSE(pressOn(37, 144, 0));
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  // A drag pass reaches no menu code.
  tf::gameSys.setGameState(tf::kStateMenus);
  EXPECT_FALSE(dragOver(37, 144, 0));
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
}

TEST_F(ColorPick, TheFoldIconsOfTheEditorsPanels) {
  makeMenus(1);
  EXPECT_FALSE(pressOn(tf::kPickPanelToggle, 144, 144));  // not outside the editors
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::worldEditor.setEditorMode(tf::kModeObject);
  EXPECT_FALSE(releaseOn(tf::kPickPanelToggle, 144, 144));
  EXPECT_TRUE(pressOn(tf::kPickPanelToggle, 144, 144));
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kModeFolded);
  EXPECT_TRUE(pressOn(tf::kPickPanelToggle, 144, 144));
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kModeNothing);
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  EXPECT_TRUE(pressOn(tf::kPickPanelToggle, 144, 144));
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kMenuModeFolded);
  EXPECT_TRUE(pressOn(tf::kPickPanelToggle, 144, 144));
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kMenuModeMenu);
}

TEST_F(ColorPick, TheGameBrowserPicksRowsScrollsAndTakesTheChoice) {
  makeMenus(1);
  for (int i = 0; i < 20; ++i) tf::gameSys.setDirName(i, "game" + std::to_string(i));
  tf::gameSys.setDirTextbox(0);
  EXPECT_TRUE(pressOn(tf::kPickBrowserDown, 144, 144));
  EXPECT_TRUE(pressOn(tf::kPickBrowserDown, 144, 144));
  EXPECT_TRUE(pressOn(tf::kPickBrowserUp, 144, 144));
  EXPECT_EQ(tf::gameSys.getLastDir(), 1);
  EXPECT_TRUE(releaseOn(tf::kPickBrowserRow, 144, 5));  // only a press picks
  EXPECT_EQ(tf::gameSys.getSelectedDir(), 0);
  EXPECT_TRUE(pressOn(tf::kPickBrowserRow, 144, 5));
  EXPECT_EQ(tf::gameSys.getSelectedDir(), 5);
  EXPECT_TRUE(pressOn(tf::kPickBrowserChoice, 144, 0));  // the cross
  EXPECT_EQ(tf::gameSys.getDirTextbox(), -1);
  EXPECT_EQ(tf::uiScriptString.getString(0), "");

  tf::gameSys.setDirTextbox(0);
  EXPECT_TRUE(pressOn(tf::kPickBrowserChoice, 144, 1));  // the check mark
  EXPECT_EQ(tf::uiScriptString.getString(0), "game5");
  EXPECT_EQ(tf::gameSys.getDirTextbox(), -1);

  // A second click on the selected row within 500 ms takes it too.
  tf::gameSys.setDirTextbox(1);
  pressOn(tf::kPickBrowserRow, 144, 7);
  clock.advance(400);
  pressOn(tf::kPickBrowserRow, 144, 7);
  EXPECT_EQ(tf::uiScriptString.getString(1), "game7");
  EXPECT_EQ(tf::gameSys.getDirTextbox(), -1);
  EXPECT_GE(timesPlayed("select"), 6);
}

TEST_F(ColorPick, TheLogicAndPhraseEditorsCodesAreConsumed) {
  makeMenus(1);
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  EXPECT_TRUE(pressOn(tf::kPickLogicWord, 3, 6));
  EXPECT_TRUE(hoverOver(tf::kPickLogicWord, 3, 6));
  for (int code : {105, 106, 107, 114, 115, 116}) {
    EXPECT_TRUE(pressOn(code, 144, 144)) << code;
    EXPECT_FALSE(hoverOver(code, 144, 144)) << code;
  }
}

}  // namespace
