// The keyboard callbacks: game keys and their logic, what each key does by
// game state and input state, the console's keys, and textbox typing.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "input_fixture.h"
#include "media/text.h"

namespace {

using namespace tf;

constexpr int kLetterK = 'k' - 'a';

class Keyboard : public tftest::InputTest {
 protected:
  void type(const std::string& text) {
    for (char c : text) press(static_cast<unsigned char>(c));
  }
  static int key(int id) { return gameSys.getKeyState(id); }
  static std::string text(int i) { return uiScriptString.getString(i); }
  static int score(int id) { return world.getGlobalScore(id); }
};

TEST_F(Keyboard, GameKeysAreHeldFromPressToReleaseAndRunTheKeyLogicUnlessBlocked) {
  startGame();
  countWhen(111, kLetterK, 0);  // key k pressed
  countWhen(119, kLetterK, 1);  // key k released
  countWhen(107, 0, 2);         // right arrow pressed
  press('k');
  EXPECT_EQ(gameSys.getAlphabetKeyState(kLetterK), kKeyHeld);
  EXPECT_EQ(platform.calls.back(), "repeat off");
  EXPECT_EQ(score(1), 0);
  keyboardUp('K', 0, 0);  // a capital is the same key: shift pressed meanwhile leaves nothing held
  EXPECT_EQ(gameSys.getAlphabetKeyState(kLetterK), kKeyIdle);
  EXPECT_EQ(platform.calls.back(), "repeat on");
  special(kSpecialRight);
  EXPECT_EQ(key(kKeyRight), kKeyHeld);
  specialKeysUp(kSpecialRight, 0, 0);
  EXPECT_EQ(key(kKeyRight), kKeyIdle);
  gameSys.setKeyState(kKeyRight, kKeyBlocked);
  special(kSpecialRight);
  EXPECT_EQ(key(kKeyRight), kKeyBlocked);
  EXPECT_EQ(std::vector<int>({score(0), score(1), score(2)}), std::vector<int>(3, 1));
}

// Keys typed into the console or pressed over help belong to them: neither
// their presses nor their releases reach a sentence. A key held when they
// opened comes back to idle at its release, so it is not held ever after.
TEST_F(Keyboard, WhileTheConsoleOrHelpIsOpenNoKeyReachesTheGameAndNoneStaysHeld) {
  // The same key opens and closes each.
  for (const auto& [what, toggle] : {std::pair{"console", +[](Keyboard& t) { t.press(kCharBackquote); }},
                                     std::pair{"help", +[](Keyboard& t) { t.special(kSpecialF3); }}}) {
    SCOPED_TRACE(what);
    fresh();
    startGame();
    countWhen(111, kLetterK, 0);  // key k pressed
    countWhen(119, kLetterK, 1);  // key k released
    countWhen(115, 0, 2);         // right arrow released
    countWhen(107, 0, 3);         // right arrow pressed, also from the frame loop while held
    special(kSpecialRight);
    toggle(*this);
    press('k');
    keyboardUp('k', 0, 0);
    specialKeysUp(kSpecialRight, 0, 0);
    EXPECT_EQ(std::vector<int>({score(0), score(1), score(2), score(3)}), std::vector<int>({0, 0, 0, 1}));
    EXPECT_EQ(std::vector<int>({gameSys.getAlphabetKeyState(kLetterK), key(kKeyRight)}),
              std::vector<int>({kKeyIdle, kKeyIdle}));
    toggle(*this);
    updateHeldKeyLogic();
    EXPECT_EQ(score(3), 1);
  }
}

TEST_F(Keyboard, EachKeyActsByGameStateAndInputState) {
  using Probe = std::function<int()>;
  const Probe state = [] { return gameSys.getGameState(); };
  const Probe help = [] { return helpShown() ? uiHelp.getHelp() : -1; };
  const Probe leftDialogFrom = [] { return gameSys.getGameState() == kStateDialog ? gameUI.getLastGS() : -1; };
  const std::function<void()> none = [] {};
  struct Case {  // keys: characters as they are, special keys negated
    const char* what;
    int state;
    std::function<void()> setup;
    std::vector<int> keys;
    Probe probe;
    int expected;
  } cases[] = {
      {"Escape pauses play", kStatePlay, none, {kCharEscape}, [] { return gameUI.getCurrentMenu(); }, 2},
      {"and resumes from the in-game menu", kStateIngameMenu, [] { loadMenu(2); }, {kCharEscape}, state, kStatePlay},
      {"not from another menu of it", kStateIngameMenu, [] { loadMenu(1); }, {kCharEscape}, state, kStateIngameMenu},
      {"Tab opens the leave dialog", kStateMenus, none, {kCharTab}, leftDialogFrom, kStateMenus},
      {"and shows the pointer in play", kStatePlay, none, {kCharTab},
       [this] { return static_cast<int>(std::count(platform.calls.begin(), platform.calls.end(), "cursor arrow")); },
       1},
      {"h opens help", kStateMenus, none, {'h'}, help, 0},
      {"Escape closes it", kStateMenus, enableHelp, {kCharEscape}, help, -1},
      {"h is a letter in play", kStatePlay, none, {'h'}, [] { return gameSys.getAlphabetKeyState(7); }, kKeyHeld},
      {"and typed into a textbox", kStateMenus, [] { typingInto(0); }, {'h'}, [] { return text(0) == "h"; }, 1},
      {"F3 opens help in play, then h closes it", kStatePlay, none, {-kSpecialF3, 'h'}, help, -1},
      {"Enter takes the browser's choice", kStateMenus,
       [] { gameSys.setDirName(1, "maze"); gameSys.setSelectedDir(1); gameSys.setDirTextbox(0); }, {kCharEnter},
       [] { return text(0) == "maze" ? gameSys.getDirTextbox() : -2; }, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fresh();
    makeMenus(3);
    addTextbox(0, 0);
    for (int t = 0; t < 4; ++t) uiHelp.menuSetMenuTitle(t, "Topic");
    gameUI.setIngameMenu(2);
    startGame();
    gameSys.setGameState(c.state);
    c.setup();
    for (int k : c.keys) k < 0 ? special(-k) : press(static_cast<unsigned char>(k));
    EXPECT_EQ(c.probe(), c.expected);
  }
}

TEST_F(Keyboard, TheBackquoteTogglesTheConsoleWhichScrollsTakesTypingAndRunsTheLine) {
  makeMenus(1);
  startGame();
  for (int i = 0; i < 5; ++i) console.echo("line " + std::to_string(i));
  press(kCharBackquote);
  EXPECT_EQ(gameSys.getInputState(), kInputConsole);
  for (auto [k, line] : {std::pair{kSpecialUp, 1}, {kSpecialPageUp, 4}, {kSpecialUp, 4}, {kSpecialDown, 3},
                         {kSpecialPageDown, 0}, {kSpecialDown, 0}}) {
    special(k);
    EXPECT_EQ(console.getCurrentLine(), line) << k;
  }
  EXPECT_EQ(key(kKeyDown), kKeyIdle);  // the arrows are the console's, not the game's
  type("ecxo\b\bho hi");
  EXPECT_EQ(console.getCommandLine(), "echo hi");
  press(kCharEnter);
  EXPECT_EQ(console.getLine(1), "hi");

  press(kCharBackquote);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(console.getAnimState(), kConsoleClosing);
  press(kCharBackquote);  // while it slides away, it comes back
  EXPECT_EQ(console.getAnimState(), kConsoleOpening);
}

TEST_F(Keyboard, TextboxesTakeTypingWhileThereIsRoomAndEnterWithoutALinkedButtonOnlyStoresIt) {
  makeMenus(1);
  addTextbox(0, 0, getDisplayTextSize("abcd") + 13);
  typingInto(0);
  type("abcdefgh");   // letters go in while the text is narrower than the field less 13
  press(kCharEnter);
  EXPECT_EQ(gameSys.getInputState(), kInputMenuTextbox);
  EXPECT_EQ(text(0), "abcd");
}

}  // namespace
