// The keyboard callbacks: game keys and their logic, Escape, Tab and the
// backquote by game state, help, the console, textbox typing in each input
// state, the special keys and the editors' keys.
#include <gtest/gtest.h>

#include "console/console.h"
#include "core/camera.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "input/color_pick.h"
#include "input_fixture.h"
#include "media/text.h"
#include "menus/system_textboxes.h"

namespace {

using tf::kCharBackquote;
using tf::kCharBackspace;
using tf::kCharEnter;
using tf::kCharEscape;
using tf::kCharSpace;

constexpr int kLetterK = 'k' - 'a';
// Logic openers and actions used below.
constexpr int kKeyPressed = 111, kKeyReleased = 119;
constexpr int kRightPressed = 107, kRightReleased = 115;
constexpr int kEnterPressed = 109, kSpacePressed = 108;

class Keyboard : public tftest::InputTest {
 protected:
  static void press(unsigned char key) { tf::keyboard(key, 0, 0); }
  static void release(unsigned char key) { tf::keyboardUp(key, 0, 0); }
  static void type(const std::string& text) {
    for (char c : text) press(static_cast<unsigned char>(c));
  }
  static void special(int key) { tf::processSpecialKeys(key, 0, 0); }
  static void specialUp(int key) { tf::specialKeysUp(key, 0, 0); }
};

TEST_F(Keyboard, ALetterInPlayRunsTheKeyLogicOnPressAndOnRelease) {
  startGame();
  countWhen(kKeyPressed, kLetterK, 0);
  countWhen(kKeyReleased, kLetterK, 1);

  press('k');
  EXPECT_EQ(score(0), 1);
  EXPECT_EQ(score(1), 0);
  EXPECT_EQ(tf::gameSys.getAlphabetKeyState(kLetterK), tf::kKeyHeld);
  EXPECT_EQ(platform.calls.back(), "repeat off");

  release('k');
  EXPECT_EQ(score(0), 1);
  EXPECT_EQ(score(1), 1);
  EXPECT_EQ(tf::gameSys.getAlphabetKeyState(kLetterK), tf::kKeyIdle);
  EXPECT_EQ(platform.calls.back(), "repeat on");

  // The capital is the same key: shift pressed while k was held does not
  // leave k held for ever.
  press('k');
  release('K');
  EXPECT_EQ(tf::gameSys.getAlphabetKeyState(kLetterK), tf::kKeyIdle);
  EXPECT_EQ(score(1), 2);
}

TEST_F(Keyboard, ADisabledLetterChangesNothingAndFiresNothing) {
  startGame();
  countWhen(kKeyPressed, kLetterK, 0);
  countWhen(kKeyReleased, kLetterK, 1);
  tf::gameSys.setAlphabetKeyState(kLetterK, tf::kKeyBlocked);
  press('k');
  release('k');
  EXPECT_EQ(tf::gameSys.getAlphabetKeyState(kLetterK), tf::kKeyBlocked);
  EXPECT_EQ(score(0) + score(1), 0);
  EXPECT_TRUE(platform.calls.empty());
}

TEST_F(Keyboard, EnterAndSpaceAreGameKeysInPlayAndPlayTestOnly) {
  startGame();
  countWhen(kEnterPressed, 0, 0);
  countWhen(kSpacePressed, 0, 1);
  press(kCharEnter);
  EXPECT_EQ(score(0), 1);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeyEnter), tf::kKeyHeld);
  release(kCharEnter);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeyEnter), tf::kKeyIdle);
  press(kCharSpace);
  EXPECT_EQ(score(1), 1);
  release(kCharSpace);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeySpace), tf::kKeyIdle);
  EXPECT_EQ(score(0), 1);

  tf::gameSys.setGameState(tf::kStatePlaytest);
  press(kCharSpace);
  EXPECT_EQ(score(1), 2);
  release(kCharSpace);

  // Over the in-game menu, with the console or with help, keys are not the game's.
  tf::gameSys.setGameState(tf::kStateIngameMenu);
  press('k');
  press(kCharSpace);
  EXPECT_EQ(tf::gameSys.getAlphabetKeyState(kLetterK), tf::kKeyIdle);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeySpace), tf::kKeyIdle);
  tf::gameSys.setGameState(tf::kStatePlay);
  tf::console.enableConsole();
  press('k');
  EXPECT_EQ(tf::gameSys.getAlphabetKeyState(kLetterK), tf::kKeyIdle);
  EXPECT_EQ(tf::console.getCommandLine(), "k");
}

TEST_F(Keyboard, ArrowKeysInPlayAreHeldUntilReleased) {
  startGame();
  countWhen(kRightPressed, 0, 0);
  countWhen(kRightReleased, 0, 1);
  special(tf::kSpecialRight);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeyRight), tf::kKeyHeld);
  EXPECT_EQ(score(0), 1);
  // Held, the frame loop runs the key logic once a frame.
  tf::updateHeldKeyLogic();
  EXPECT_EQ(score(0), 2);
  specialUp(tf::kSpecialRight);
  EXPECT_EQ(score(1), 1);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeyRight), tf::kKeyIdle);

  tf::gameSys.setKeyState(tf::kKeyRight, tf::kKeyBlocked);
  special(tf::kSpecialRight);
  specialUp(tf::kSpecialRight);
  EXPECT_EQ(score(0), 2);
  EXPECT_EQ(score(1), 1);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeyRight), tf::kKeyBlocked);

  // Each arrow is its own key.
  special(tf::kSpecialUp);
  special(tf::kSpecialLeft);
  special(tf::kSpecialDown);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeyUp), tf::kKeyHeld);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeyLeft), tf::kKeyHeld);
  EXPECT_EQ(tf::gameSys.getKeyState(tf::kKeyDown), tf::kKeyHeld);
}

TEST_F(Keyboard, ASpecialKeyTakesDownAShownImageAndPhraseWhoseTimeHasCome) {
  startGame();
  tf::world.setGameBox(1, 7);
  tf::world.setDisplayPhrase(1, 3);
  special(tf::kSpecialF4);
  int timer, index;
  tf::world.getGameBox(timer, index);
  EXPECT_EQ(timer, 0);
  tf::world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, 0);

  // Still counting down: they stay.
  tf::world.setGameBox(400, 7);
  tf::world.setDisplayPhrase(400, 3);
  special(tf::kSpecialRight);
  tf::world.getGameBox(timer, index);
  EXPECT_EQ(timer, 400);
  tf::world.getDisplayPhrase(timer, index);
  EXPECT_EQ(timer, 400);
}

TEST_F(Keyboard, EscapePausesPlayResumesFromTheInGameMenuAndEndsAPlayTest) {
  makeMenus(3);
  tf::gameUI.setIngameMenu(2);
  startGame();
  press(kCharEscape);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateIngameMenu);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 2);
  press(kCharEscape);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlay);

  // From another menu of the pause screen, Escape does not resume.
  press(kCharEscape);
  tf::loadMenu(1);
  press(kCharEscape);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateIngameMenu);

  tf::gameSys.setGameState(tf::kStatePlaytest);
  press(kCharEscape);
  EXPECT_EQ(tf::worldEditor.getEndTest(), 1);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlaytest);

  tf::gameSys.setGameState(tf::kStateMenus);
  press(kCharEscape);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
}

TEST_F(Keyboard, EscapeClosesTheBrowserAndThePhraseWindows) {
  makeMenus(1);
  tf::gameSys.setDirTextbox(0);
  tf::worldEditor.setPhraseMenu(4);
  tf::worldEditor.setPhraseSelector(1);
  press(kCharEscape);
  EXPECT_EQ(tf::gameSys.getDirTextbox(), -1);
  EXPECT_EQ(tf::worldEditor.getPhraseMenu(), -1);
  EXPECT_EQ(tf::worldEditor.getPhraseSelector(), -1);
}

TEST_F(Keyboard, TabShowsThePointerInPlayAndOpensTheLeaveDialog) {
  startGame();
  press(tf::kCharTab);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateDialog);
  EXPECT_EQ(tf::gameUI.getCurrentDialogBox(), 0);
  EXPECT_EQ(tf::gameUI.getLastGS(), tf::kStatePlay);
  EXPECT_EQ(timesCalled("cursor arrow"), 1);

  tf::gameSys.setGameState(tf::kStateMenus);
  press(tf::kCharTab);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateDialog);
  EXPECT_EQ(tf::gameUI.getLastGS(), tf::kStateMenus);
  EXPECT_EQ(timesCalled("cursor arrow"), 1);
}

TEST_F(Keyboard, TheBackquoteTogglesTheConsoleExceptDuringTheSplash) {
  makeMenus(1);
  press(kCharBackquote);
  EXPECT_TRUE(tf::console.getConsoleState());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);
  EXPECT_EQ(platform.calls.back(), "repeat on");
  EXPECT_EQ(tf::console.getCommandLine(), "");  // the backquote is not typed
  press(kCharBackquote);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(tf::console.getAnimState(), 3);
  // While it slides away, the backquote brings it back.
  press(kCharBackquote);
  EXPECT_EQ(tf::console.getAnimState(), 1);
  press(kCharEscape);

  tf::console = tf::debugConsole();
  tf::gameSys.setGameState(tf::kStateSplash);
  press(kCharBackquote);
  EXPECT_FALSE(tf::console.getConsoleState());
}

TEST_F(Keyboard, HOpensAndClosesHelpButIsALetterInPlay) {
  makeMenus(1);
  press('h');
  EXPECT_TRUE(tf::helpShown());
  press('H');
  EXPECT_FALSE(tf::helpShown());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  special(tf::kSpecialF3);
  EXPECT_TRUE(tf::helpShown());
  press(kCharEscape);
  EXPECT_FALSE(tf::helpShown());

  // Typing into a textbox, h is a letter of the text.
  addTextbox(0, 0);
  tf::gameUI.setTextboxEdit(0);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  press('h');
  EXPECT_FALSE(tf::helpShown());
  EXPECT_EQ(tf::uiScriptString.getString(0), "h");

  startGame();
  tf::gameSys.setInputState(tf::kInputNormal);
  press('h');
  EXPECT_FALSE(tf::helpShown());
  EXPECT_EQ(tf::gameSys.getAlphabetKeyState('h' - 'a'), tf::kKeyHeld);
  // With help open (F3 works in play), h closes it.
  special(tf::kSpecialF3);
  ASSERT_TRUE(tf::helpShown());
  press('h');
  EXPECT_FALSE(tf::helpShown());
}

TEST_F(Keyboard, TheArrowsTurnThePagesOfHelp) {
  makeMenus(1);
  for (int t = 0; t < 3; ++t) tf::uiHelp.menuSetMenuTitle(t, "Topic " + std::to_string(t));
  tf::enableHelp();
  special(tf::kSpecialRight);
  special(tf::kSpecialDown);
  EXPECT_EQ(tf::uiHelp.getHelp(), 2);
  special(tf::kSpecialRight);
  EXPECT_EQ(tf::uiHelp.getHelp(), 2);
  special(tf::kSpecialLeft);
  special(tf::kSpecialUp);
  special(tf::kSpecialUp);
  EXPECT_EQ(tf::uiHelp.getHelp(), 0);
}

TEST_F(Keyboard, TheConsoleTakesTypingAndRunsTheLineOnEnter) {
  makeMenus(1);
  press(kCharBackquote);
  type("ecxo");
  press(kCharBackspace);
  press(kCharBackspace);
  type("ho hi");
  EXPECT_EQ(tf::console.getCommandLine(), "echo hi");
  const int before = tf::console.getLineCount();
  press(kCharEnter);
  bool entered = false;
  for (int i = 0; i < tf::console.getLineCount() - before; ++i) {
    entered = entered || tf::console.getLine(i) == "^wYou have entered: ^yecho hi";
  }
  EXPECT_TRUE(entered);
  EXPECT_EQ(tf::console.getCommandLine(), "");
  press(kCharBackspace);  // nothing left to remove
  EXPECT_EQ(tf::console.getCommandLine(), "");
  press(kCharEscape);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
}

TEST_F(Keyboard, TheConsoleScrollsWithTheArrowsAndJumpsWithThePageKeys) {
  makeMenus(1);
  for (int i = 0; i < 5; ++i) tf::console.echo("line " + std::to_string(i));
  press(kCharBackquote);
  special(tf::kSpecialUp);
  special(tf::kSpecialUp);
  EXPECT_EQ(tf::console.getCurrentLine(), 2);
  special(tf::kSpecialDown);
  EXPECT_EQ(tf::console.getCurrentLine(), 1);
  special(tf::kSpecialPageUp);
  EXPECT_EQ(tf::console.getCurrentLine(), 4);
  special(tf::kSpecialUp);
  EXPECT_EQ(tf::console.getCurrentLine(), 4);
  special(tf::kSpecialPageDown);
  special(tf::kSpecialDown);
  EXPECT_EQ(tf::console.getCurrentLine(), 0);
}

TEST_F(Keyboard, AMenuTextboxTakesLettersAndDigitsOnlyAndEnterRunsItsButton) {
  makeMenus(3);
  addButton(0, tf::kFuncLoadMenu, 2);
  addTextbox(0, 0, 300, 0);
  tf::gameUI.setTextboxEdit(0);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  type("../My game 2!");
  EXPECT_EQ(tf::uiScriptString.getString(0), "Mygame2");
  press(kCharBackspace);
  EXPECT_EQ(tf::uiScriptString.getString(0), "Mygame");
  press(kCharEnter);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 2);
  EXPECT_EQ(timesPlayed("click"), 1);
  EXPECT_EQ(tf::uiScriptString.getString(0), "Mygame");
}

TEST_F(Keyboard, EscapeLeavesATextboxWithItsTextAndAFullFieldTakesNoMore) {
  makeMenus(1);
  addTextbox(0, 0, 60);
  tf::gameUI.setTextboxEdit(0);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  type("abcdefghijklmnop");
  const std::string full = tf::uiScriptString.getString(0);
  EXPECT_FALSE(full.empty());
  EXPECT_LT(full.size(), 16u);
  // Letters stop once the text is as wide as the field less 13.
  EXPECT_GE(tf::getDisplayTextSize(full), 60 - 13);
  EXPECT_LT(tf::getDisplayTextSize(full.substr(0, full.size() - 1)), 60 - 13);
  press(kCharEscape);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(tf::uiScriptString.getString(0), full);
  // Enter in a textbox without a button only stores the text.
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  press(kCharEnter);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputMenuTextbox);
}

TEST_F(Keyboard, ASystemTextboxTakesEveryKeyAndBlanksWhileThereIsRoom) {
  makeMenus(1);
  tf::loadSysTextboxes();
  tf::sysTextbox[2].modifyTextbox(300, 300, 40, 7, 6);  // UI string 6, 40 wide
  tf::gameUI.setTextboxEdit(2);
  tf::gameSys.setInputState(tf::kInputSystemTextbox);
  type("a b");
  EXPECT_EQ(tf::uiScriptString.getString(6), "a b");
  type("    ");
  // A blank goes in while the text's length x 8 is below the width less 7.
  EXPECT_EQ(tf::uiScriptString.getString(6), "a b  ");
  // Other characters go in while the text is narrower than the width less 13.
  tf::sysTextbox[2].modifyTextbox(300, 300, 300, 7, 6);
  type(".");
  EXPECT_EQ(tf::uiScriptString.getString(6), "a b  .");

  // Enter with a linked control ends the typing without running a menu button.
  tf::sysTextbox[1].modifyTextbox(300, 300, 200, 7, 4);
  addButton(0, tf::kFuncLoadMenu, 0);
  tf::gameUI.setTextboxEdit(1);
  press('7');
  press(kCharEnter);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(timesPlayed("click"), 0);
  EXPECT_EQ(tf::uiScriptString.getString(4), "7");
}

TEST_F(Keyboard, TheMenuEditorTypesIntoItsTextLineAndMovesItsItemsWithTheArrows) {
  makeMenus(1);
  addButton(0, tf::kFuncNothing);
  tf::gameUI.uiModifyText(100, 200, 1, 0, 0, "Go", 0, 0);
  tf::gameUI.menuSetTextlineCount(0, 1);
  tf::gameSys.setGameState(tf::kStateMenuEditor);
  tf::worldEditor.setEditorMode(tf::kMenuModeTextline);
  tf::worldEditor.setCurrentTextline(0);
  tf::gameSys.setInputState(tf::kInputMenuEditorText);
  type("ne!");
  press(kCharBackspace);
  press(kCharSpace);
  special(tf::kSpecialRight);
  special(tf::kSpecialDown);
  float x, y, r, g, b;
  std::string text;
  tf::gameUI.uiGetText(x, y, r, g, b, text, 0, 0);
  EXPECT_EQ(text, "Gone ");
  EXPECT_EQ(x, 105);
  EXPECT_EQ(y, 205);
  EXPECT_EQ(r, 1);
  press(kCharEscape);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kMenuModeMenu);

  tf::worldEditor.setEditorMode(tf::kMenuModeButton);
  tf::worldEditor.setCurrentButton(0);
  special(tf::kSpecialLeft);
  special(tf::kSpecialUp);
  float w, h;
  int tex, func, func2;
  tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, 0, 0);
  EXPECT_EQ(x, 395);
  EXPECT_EQ(y, 95);
  // With the console open the arrows scroll it instead.
  tf::console.enableConsole();
  special(tf::kSpecialLeft);
  tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, 0, 0);
  EXPECT_EQ(x, 395);

  // Enter ends whatever the menu editor had selected.
  tf::console = tf::debugConsole();
  tf::gameSys.setInputState(tf::kInputNormal);
  press(kCharEnter);
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kMenuModeMenu);
}

TEST_F(Keyboard, TheWorldEditorsKeysSwitchLayersWireframeAndTheSelectAllMark) {
  startGame();
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  press('3');
  EXPECT_FALSE(tf::worldEditor.getRenderLayer(2));
  press('3');
  EXPECT_TRUE(tf::worldEditor.getRenderLayer(2));
  press('8');
  EXPECT_TRUE(tf::worldEditor.getRenderLayer(7));

  const bool wire = tf::worldEditor.getWireframe();
  special(tf::kSpecialF9);
  EXPECT_NE(tf::worldEditor.getWireframe(), wire);
  special(tf::kSpecialF10);
  EXPECT_EQ(tf::worldEditor.getSAO(), 1);
  special(tf::kSpecialF10);
  EXPECT_EQ(tf::worldEditor.getSAO(), 0);
  tf::gameSys.setGameState(tf::kStateMenus);
  special(tf::kSpecialF10);
  EXPECT_EQ(tf::worldEditor.getSAO(), 0);

  // Enter and Escape close an open word list of the logic editor.
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::worldEditor.setGLTimer(5, 2, 3);
  press(kCharEnter);
  int timer, sentence, step;
  tf::worldEditor.getGLTimer(timer, sentence, step);
  EXPECT_EQ(timer, 0);
  EXPECT_EQ(sentence, 2);
  EXPECT_EQ(step, 3);
}

TEST_F(Keyboard, F5PlayTestsTheMapOnTheEditingScreen) {
  makeMenus(4);
  tf::gameUI.setEditorMenu(3);
  startGame();
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  special(tf::kSpecialF5);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateWorldEditor);  // not on the editing screen
  tf::loadMenu(3);
  special(tf::kSpecialF5);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlaytest);
}

TEST_F(Keyboard, ShiftAndAnArrowResizeTheCurrentObjectInTheWorldEditor) {
  startGame();
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::worldEditor.setEditorMode(tf::kModeObject);
  tf::worldEditor.setCurrentObject(1);
  platform.shift = true;
  special(tf::kSpecialRight);
  special(tf::kSpecialRight);
  special(tf::kSpecialUp);
  float x, y, w, h;
  int tex, layer;
  tf::world.worldGetObject(x, y, w, h, tex, layer, 1, 0);
  EXPECT_FLOAT_EQ(w, 0.12f);
  EXPECT_FLOAT_EQ(h, 0.09f);
  EXPECT_FLOAT_EQ(x, 0.9f);

  // Enter on the editing screen puts the camera on the current object.
  tf::gameUI.allocateMenu(1);
  tf::gameUI.setMenuCount(1);
  tf::gameUI.setEditorMenu(0);
  tf::loadMenu(0);
  tf::camera.SetPos(0, 0, 0.5f);
  press(kCharEnter);
  float cx, cy, cz;
  tf::camera.GetPos(cx, cy, cz);
  EXPECT_FLOAT_EQ(cx, 0.9f);
  EXPECT_FLOAT_EQ(cy, 0.3f);
  EXPECT_FLOAT_EQ(cz, 0.5f);
}

TEST_F(Keyboard, TheArrowsStepThroughThePhrasesOfThePhraseWindows) {
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::worldEditor.setPhraseMenu(0);
  special(tf::kSpecialLeft);
  EXPECT_EQ(tf::worldEditor.getPhraseMenu(), 1023);
  special(tf::kSpecialUp);
  EXPECT_EQ(tf::worldEditor.getPhraseMenu(), 0);
  special(tf::kSpecialRight);
  EXPECT_EQ(tf::worldEditor.getPhraseMenu(), 1);
  EXPECT_EQ(timesPlayed("select"), 3);

  tf::worldEditor.setPhraseMenu(-1);
  tf::worldEditor.setPhraseSelector(1);
  tf::worldEditor.setPhraseSelectorChoice(0);
  special(tf::kSpecialDown);
  EXPECT_EQ(tf::worldEditor.getPhraseSelectorChoice(), 1023);
  special(tf::kSpecialRight);
  EXPECT_EQ(tf::worldEditor.getPhraseSelectorChoice(), 0);
  // Not while a system textbox is typed into.
  tf::gameSys.setInputState(tf::kInputSystemTextbox);
  special(tf::kSpecialRight);
  EXPECT_EQ(tf::worldEditor.getPhraseSelectorChoice(), 0);
}

TEST_F(Keyboard, FunctionKeysWorkInEveryState) {
  makeMenus(1);
  tf::gameSys.setGameState(tf::kStateSplash);
  special(tf::kSpecialF1);
  EXPECT_TRUE(tf::gameSys.getFS());
  EXPECT_EQ(timesCalled("fullscreen"), 1);
  special(tf::kSpecialF1);
  EXPECT_FALSE(tf::gameSys.getFS());

  const bool debug = tf::gameSys.getDebugState();
  special(tf::kSpecialF2);
  EXPECT_NE(tf::gameSys.getDebugState(), debug);

  special(tf::kSpecialF11);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateDialog);
  EXPECT_EQ(tf::gameUI.getLastGS(), tf::kStateSplash);
}

TEST_F(Keyboard, F12SavesAScreenshotAndSaysWhetherItWasWritten) {
  special(tf::kSpecialF12);
  EXPECT_EQ(timesCalled("screenshot"), 1);
  EXPECT_EQ(noticeShown(), "Screenshot: A screenshot has been saved to the root of the Tessera Forge directory.");
  tf::notice.leaveNotice();
  platform.screenshotSaved = false;
  special(tf::kSpecialF12);
  EXPECT_EQ(noticeShown(), "Screenshot: The screenshot could not be saved.");
}

TEST_F(Keyboard, EnterTakesTheGameChosenInTheBrowser) {
  makeMenus(1);
  tf::gameSys.setDirName(0, "castle");
  tf::gameSys.setDirName(1, "maze");
  tf::gameSys.setSelectedDir(1);
  tf::gameSys.setDirTextbox(0);
  press(kCharEnter);
  EXPECT_EQ(tf::uiScriptString.getString(0), "maze");
  EXPECT_EQ(tf::gameSys.getDirTextbox(), -1);
}

}  // namespace
