// The keyboard callbacks: game keys and their logic, what each key does by
// game state and input state, the console, and textbox typing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/camera.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "input_fixture.h"
#include "media/text.h"
#include "menus/system_textboxes.h"

namespace {

using namespace tf;

constexpr int kLetterK = 'k' - 'a';

class Keyboard : public tftest::InputTest {
 protected:
  static void press(unsigned char key) { keyboard(key, 0, 0); }
  static void type(const std::string& text) {
    for (char c : text) press(static_cast<unsigned char>(c));
  }
  static void special(int key) { processSpecialKeys(key, 0, 0); }
  static int letter(int i) { return gameSys.getAlphabetKeyState(i); }
  static int key(int id) { return gameSys.getKeyState(id); }
  static std::string text(int i) { return uiScriptString.getString(i); }
  static bool near(float a, float b) { return std::abs(a - b) < 1e-6f; }
};

TEST_F(Keyboard, GameKeysAreHeldFromPressToReleaseAndRunTheKeyLogicInPlayOnly) {
  startGame();
  countWhen(111, kLetterK, 0);  // key k pressed
  countWhen(119, kLetterK, 1);  // key k released
  countWhen(109, 0, 2);         // Enter pressed
  countWhen(108, 0, 3);         // Space pressed
  countWhen(107, 0, 4);         // right arrow pressed
  press('k');
  EXPECT_EQ(letter(kLetterK), kKeyHeld);
  EXPECT_EQ(platform.calls.back(), "repeat off");
  EXPECT_EQ(score(1), 0);
  keyboardUp('K', 0, 0);  // a capital is the same key: shift pressed meanwhile leaves nothing held
  EXPECT_EQ(letter(kLetterK), kKeyIdle);
  EXPECT_EQ(platform.calls.back(), "repeat on");
  gameSys.setGameState(kStatePlaytest);
  struct GameKey {
    unsigned char character;
    int special, id;
  };
  for (const GameKey k : {GameKey{kCharEnter, 0, kKeyEnter}, {kCharSpace, 0, kKeySpace}, {0, kSpecialRight, kKeyRight},
                          {0, kSpecialLeft, kKeyLeft}, {0, kSpecialUp, kKeyUp}, {0, kSpecialDown, kKeyDown}}) {
    k.character ? press(k.character) : special(k.special);
    EXPECT_EQ(key(k.id), kKeyHeld) << k.id;
    k.character ? keyboardUp(k.character, 0, 0) : specialKeysUp(k.special, 0, 0);
    EXPECT_EQ(key(k.id), kKeyIdle) << k.id;
  }
  EXPECT_EQ(std::vector<int>({score(0), score(1), score(2), score(3), score(4)}), std::vector<int>(5, 1));

  // Blocked keys change and fire nothing.
  gameSys.setAlphabetKeyState(kLetterK, kKeyBlocked);
  gameSys.setKeyState(kKeyRight, kKeyBlocked);
  platform.calls.clear();
  press('k');
  keyboardUp('k', 0, 0);
  special(kSpecialRight);
  specialKeysUp(kSpecialRight, 0, 0);
  EXPECT_EQ(letter(kLetterK), kKeyBlocked);
  EXPECT_EQ(key(kKeyRight), kKeyBlocked);
  EXPECT_EQ(score(0) + score(1) + score(4), 3);
  EXPECT_TRUE(platform.calls.empty());

  // Over the in-game menu, or with the console open, keys are not the game's.
  gameSys.setGameState(kStateIngameMenu);
  press(kCharSpace);
  special(kSpecialLeft);
  EXPECT_EQ(key(kKeySpace), kKeyIdle);
  EXPECT_EQ(key(kKeyLeft), kKeyIdle);
  gameSys.setGameState(kStatePlay);
  console.enableConsole();
  press('j');
  special(kSpecialLeft);
  EXPECT_EQ(letter('j' - 'a'), kKeyIdle);
  EXPECT_EQ(key(kKeyLeft), kKeyIdle);
  EXPECT_EQ(console.getCommandLine(), "j");
}

TEST_F(Keyboard, EachKeyActsByGameStateAndInputState) {
  using Probe = std::function<int()>;
  const Probe state = [] { return gameSys.getGameState(); };
  const Probe input = [] { return gameSys.getInputState(); };
  const Probe menu = [] { return gameUI.getCurrentMenu(); };
  const Probe help = [] { return helpShown() ? uiHelp.getHelp() : -1; };
  const Probe leftDialogFrom = [] { return gameSys.getGameState() == kStateDialog ? gameUI.getLastGS() : -1; };
  const Probe arrowCursors = [this] { return timesCalled("cursor arrow"); };
  const Probe fullScreen = [this] { return gameSys.getFS() ? timesCalled("fullscreen") : 0; };
  const Probe debug = [] { return gameSys.getDebugState() != System().getDebugState(); };
  const Probe letterH = [] { return letter('h' - 'a'); };
  const Probe box = [] { return text(0) == "h" ? 1 : 0; };
  const Probe shown = [] {  // the timers of the shown image and phrase
    int image, phrase, index;
    world.getGameBox(image, index);
    world.getDisplayPhrase(phrase, index);
    return image * 1000 + phrase;
  };
  const Probe browser = [] { return text(0) == "maze" ? gameSys.getDirTextbox() : -2; };
  const Probe phraseWindows = [] { return worldEditor.getPhraseMenu() + worldEditor.getPhraseSelector(); };
  const Probe layers = [] { return worldEditor.getRenderLayer(2) * 10 + worldEditor.getRenderLayer(7); };
  const Probe wireframe = [] { return worldEditor.getWireframe() != editor().getWireframe(); };
  const Probe sao = [] { return worldEditor.getSAO(); };
  const Probe wordList = [] {
    int timer, sentence, step;
    worldEditor.getGLTimer(timer, sentence, step);
    return timer * 100 + sentence * 10 + step;
  };
  // Hundredths of the camera's x and y, and of the object's width and height.
  const Probe cameraAt = [] {
    float x, y, z;
    camera.GetPos(x, y, z);
    return std::lround(x * 100) * 100 + std::lround(y * 100);
  };
  const Probe objectSize = [] {
    float x, y, w, h;
    int tex, layer;
    world.worldGetObject(x, y, w, h, tex, layer, 1, 0);
    return std::lround(w * 100) * 100 + std::lround(h * 100);
  };
  const Probe phrase = [] { return worldEditor.getPhraseMenu(); };
  const Probe choice = [] { return worldEditor.getPhraseSelectorChoice(); };
  const Probe buttonAt = [] {
    float x, y, w, h;
    int tex, func, func2;
    gameUI.uiGetButton(x, y, w, h, tex, func, func2, 0, 0);
    return static_cast<int>(x) * 1000 + static_cast<int>(y);
  };
  const Probe editorMode = [] { return worldEditor.getEditorMode(); };
  const std::function<void()> none = [] {};
  const auto objectSelected = [] {
    loadMenu(1);
    worldEditor.setEditorMode(kModeObject);
    worldEditor.setCurrentObject(1);
  };
  const auto buttonSelected = [] { worldEditor.setEditorMode(kMenuModeButton); worldEditor.setCurrentButton(0); };
  const int last = kPhraseCount - 1;
  // Keys: characters as they are, special keys negated.
  struct Case {
    const char* what;
    int state;
    std::function<void()> setup;
    std::vector<int> keys;
    Probe probe;
    int expected;
  } cases[] = {
      {"Escape pauses play", kStatePlay, none, {kCharEscape}, menu, 2},
      {"and resumes from the in-game menu", kStateIngameMenu, [] { loadMenu(2); }, {kCharEscape}, state, kStatePlay},
      {"but not from another menu of it", kStateIngameMenu, [] { loadMenu(1); }, {kCharEscape}, state,
       kStateIngameMenu},
      {"Escape ends a play-test", kStatePlaytest, none, {kCharEscape}, [] { return worldEditor.getEndTest(); }, 1},
      {"Escape closes the browser", kStateMenus, [] { gameSys.setDirTextbox(0); }, {kCharEscape},
       [] { return gameSys.getDirTextbox(); }, -1},
      {"and the phrase windows", kStateMenus, [] { worldEditor.setPhraseMenu(4); worldEditor.setPhraseSelector(1); },
       {kCharEscape}, phraseWindows, -2},
      {"Tab opens the leave dialog", kStateMenus, none, {kCharTab}, leftDialogFrom, kStateMenus},
      {"and shows the pointer in play", kStatePlay, none, {kCharTab}, arrowCursors, 1},
      {"only there", kStateMenus, none, {kCharTab}, arrowCursors, 0},
      {"F11 opens it anywhere", kStateSplash, none, {-kSpecialF11}, leftDialogFrom, kStateSplash},
      {"F1 goes full screen", kStateSplash, none, {-kSpecialF1}, fullScreen, 1},
      {"and back", kStateSplash, none, {-kSpecialF1, -kSpecialF1}, [] { return gameSys.getFS(); }, 0},
      {"F2 switches debugging", kStateSplash, none, {-kSpecialF2}, debug, 1},
      {"h opens help", kStateMenus, none, {'h'}, help, 0},
      {"H closes it", kStateMenus, enableHelp, {'H'}, input, kInputNormal},
      {"so does Escape", kStateMenus, enableHelp, {kCharEscape}, help, -1},
      {"h is a letter in play", kStatePlay, none, {'h'}, letterH, kKeyHeld},
      {"and typed into a textbox", kStateMenus, [] { typingInto(0); }, {'h'}, box, 1},
      {"F3 opens help in play", kStatePlay, none, {-kSpecialF3}, help, 0},
      {"then h closes it", kStatePlay, none, {-kSpecialF3, 'h'}, help, -1},
      {"F3 closes it", kStateMenus, enableHelp, {-kSpecialF3}, help, -1},
      {"the arrows turn help's pages", kStateMenus, enableHelp,
       {-kSpecialRight, -kSpecialDown, -kSpecialRight, -kSpecialUp, -kSpecialLeft}, help, 1},
      {"a special key takes down what has had its time", kStatePlay,
       [] { world.setGameBox(1, 7); world.setDisplayPhrase(1, 3); }, {-kSpecialF4}, shown, 0},
      {"but not what still counts down", kStatePlay, [] { world.setGameBox(4, 7); world.setDisplayPhrase(5, 3); },
       {-kSpecialF4}, shown, 4005},
      {"Enter takes the browser's choice", kStateMenus,
       [] { gameSys.setDirName(1, "maze"); gameSys.setSelectedDir(1); gameSys.setDirTextbox(0); }, {kCharEnter},
       browser, -1},
      {"the world editor's layer keys", kStateWorldEditor, none, {'3', '8'}, layers, 1},
      {"F9 switches the wireframe", kStateWorldEditor, none, {-kSpecialF9}, wireframe, 1},
      {"F10 the select-all mark", kStateWorldEditor, none, {-kSpecialF10}, sao, 1},
      {"in the world editor only", kStateMenus, none, {-kSpecialF10}, sao, 0},
      {"F5 play-tests from the editing screen", kStateWorldEditor, [] { loadMenu(1); }, {-kSpecialF5}, state,
       kStatePlaytest},
      {"only from there", kStateWorldEditor, none, {-kSpecialF5}, state, kStateWorldEditor},
      {"Enter closes the word list", kStateWorldEditor, [] { worldEditor.setGLTimer(5, 2, 3); }, {kCharEnter},
       wordList, 23},
      {"Enter puts the camera on the current object", kStateWorldEditor, objectSelected, {kCharEnter}, cameraAt,
       9030},
      {"shift and the arrows resize it", kStateWorldEditor, [&, this] { objectSelected(); platform.shift = true; },
       {-kSpecialRight, -kSpecialRight, -kSpecialUp}, objectSize, 1209},
      {"the phrase menu steps back past the first phrase", kStateWorldEditor, [] { worldEditor.setPhraseMenu(0); },
       {-kSpecialLeft}, phrase, last},
      {"and on past the last", kStateWorldEditor, [=] { worldEditor.setPhraseMenu(last); }, {-kSpecialUp}, phrase, 0},
      {"the phrase selector steps", kStateWorldEditor,
       [] { worldEditor.setPhraseSelector(1); worldEditor.setPhraseSelectorChoice(0); }, {-kSpecialDown}, choice,
       last},
      {"but not while a system textbox is typed into", kStateWorldEditor,
       [] { worldEditor.setPhraseSelector(1); typingInto(0, kInputSystemTextbox); }, {-kSpecialRight}, choice, 0},
      {"the menu editor's arrows move its button", kStateMenuEditor, buttonSelected, {-kSpecialLeft, -kSpecialUp},
       buttonAt, 395095},
      {"but scroll the console when it is open", kStateMenuEditor, [&] { buttonSelected(); console.enableConsole(); },
       {-kSpecialLeft}, buttonAt, 400100},
      {"Enter ends the menu editor's selection", kStateMenuEditor, buttonSelected, {kCharEnter}, editorMode,
       kMenuModeMenu},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    reset();
    later();
    platform.calls.clear();
    audio.played.clear();
    platform.shift = false;
    gameSys.setSoundState(true);
    makeMenus(3);
    addButton(0, kFuncNothing);
    addTextbox(0, 0);
    for (int t = 0; t < 4; ++t) uiHelp.menuSetMenuTitle(t, "Topic");
    gameUI.setEditorMenu(1);
    gameUI.setIngameMenu(2);
    startGame();
    gameSys.setGameState(c.state);
    c.setup();
    for (int k : c.keys) k < 0 ? special(-k) : press(static_cast<unsigned char>(k));
    EXPECT_EQ(c.probe(), c.expected);
  }
}

TEST_F(Keyboard, F12SaysWhetherTheScreenshotWasWritten) {
  special(kSpecialF12);
  EXPECT_EQ(timesCalled("screenshot"), 1);
  EXPECT_EQ(noticeShown(), "Screenshot: A screenshot has been saved to the root of the Tessera Forge directory.");
  platform.screenshotSaved = false;
  special(kSpecialF12);
  EXPECT_EQ(noticeShown(), "Screenshot: The screenshot could not be saved.");
}

TEST_F(Keyboard, TheBackquoteTogglesTheConsoleWhichScrollsTakesTypingAndRunsTheLine) {
  makeMenus(1);
  for (int i = 0; i < 5; ++i) console.echo("line " + std::to_string(i));
  press(kCharBackquote);
  EXPECT_EQ(gameSys.getInputState(), kInputConsole);
  EXPECT_EQ(platform.calls.back(), "repeat on");
  for (auto [k, line] : {std::pair{kSpecialUp, 1}, {kSpecialUp, 2}, {kSpecialDown, 1}, {kSpecialPageUp, 4},
                         {kSpecialUp, 4}, {kSpecialPageDown, 0}, {kSpecialDown, 0}}) {
    special(k);
    EXPECT_EQ(console.getCurrentLine(), line) << k;
  }
  type("ecxo\b\bho hi");
  EXPECT_EQ(console.getCommandLine(), "echo hi");
  const int before = console.getLineCount();
  press(kCharEnter);
  EXPECT_GT(console.getLineCount(), before);
  EXPECT_EQ(console.getCommandLine(), "");

  press(kCharBackquote);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(console.getAnimState(), 3);
  press(kCharBackquote);  // while it slides away, it comes back
  EXPECT_EQ(console.getAnimState(), 1);
  press(kCharEscape);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  console = debugConsole();
  gameSys.setGameState(kStateSplash);
  press(kCharBackquote);
  EXPECT_FALSE(console.getConsoleState());
}

TEST_F(Keyboard, AMenuTextboxTakesLettersAndDigitsWhileThereIsRoomAndEnterRunsItsButton) {
  makeMenus(3);
  addButton(0, kFuncLoadMenu, 2);
  addTextbox(0, 0, 300, 0);
  addTextbox(0, 1, getDisplayTextSize("abcd") + 13);
  typingInto(0);
  type("../My game 2!\b");
  EXPECT_EQ(text(0), "Mygame");
  press(kCharEnter);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(gameUI.getCurrentMenu(), 2);
  EXPECT_EQ(timesPlayed("click"), 1);
  EXPECT_EQ(text(0), "Mygame");

  loadMenu(0);
  typingInto(1);
  type("abcdefgh");  // letters go in while the text is narrower than the field less 13
  press(kCharEnter);  // no linked button: the text is only stored
  EXPECT_EQ(gameSys.getInputState(), kInputMenuTextbox);
  press(kCharEscape);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(text(1), "abcd");
}

TEST_F(Keyboard, ASystemTextboxTakesEveryKeyAndBlanksWhileThereIsRoom) {
  makeMenus(1);
  loadSysTextboxes();
  sysTextbox[2].modifyTextbox(300, 300, 39, 7, 6);  // UI string 6, 39 wide
  typingInto(2, kInputSystemTextbox);
  type("a b    ");
  // A blank goes in while the text's length x 8 is below the width less 7.
  EXPECT_EQ(text(6), "a b ");
  sysTextbox[2].modifyTextbox(300, 300, 300, 7, 6);
  type(".");
  EXPECT_EQ(text(6), "a b .");
  // Enter with a linked control ends the typing without running a menu button.
  sysTextbox[1].modifyTextbox(300, 300, 200, 7, 4);
  addButton(0, kFuncLoadMenu, 0);
  gameUI.setTextboxEdit(1);
  type("7\r");
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(timesPlayed("click"), 0);
  EXPECT_EQ(text(4), "7");
}

TEST_F(Keyboard, TheMenuEditorTypesIntoItsTextLineUntilEscape) {
  makeMenus(1);
  gameUI.uiModifyText(100, 200, 1, 0, 0, "Go", 0, 0);
  gameUI.menuSetTextlineCount(0, 1);
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setEditorMode(kMenuModeTextline);
  worldEditor.setCurrentTextline(0);
  gameSys.setInputState(kInputMenuEditorText);
  type("ne!\b ");
  special(kSpecialRight);
  special(kSpecialDown);
  float x, y, r, g, b;
  std::string line;
  gameUI.uiGetText(x, y, r, g, b, line, 0, 0);
  EXPECT_EQ(line, "Gone ");
  EXPECT_EQ(std::vector<float>({x, y, r}), std::vector<float>({105, 205, 1}));
  press(kCharEscape);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(worldEditor.getEditorMode(), kMenuModeMenu);
}

}  // namespace
