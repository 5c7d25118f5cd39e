// Colour picking without a window: what a pass draws, when it runs at all, and
// what each pick colour does for a hover, a press, a release and a drag, fed
// as made-up pixels.
#include "input/color_pick.h"

#include <gtest/gtest.h>

#include <functional>

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

using namespace tf;

enum Event { kHover, kPress, kRelease, kDrag };

class ColorPick : public tftest::InputTest {
 protected:
  // One pass of the given kind over pixel (r, g, b); true when it was consumed.
  static bool on(Event event, int r, int g, int b) {
    const unsigned char pixel[3] = {static_cast<unsigned char>(r), static_cast<unsigned char>(g),
                                    static_cast<unsigned char>(b)};
    gameSys.setLeftMouse(event == kRelease ? kMouseRelease : kMousePress);
    gameSys.setHoverCheck(event == kHover);
    gameSys.setDragState(event == kDrag);
    const bool consumed = dispatchPickPixel(pixel);
    gameSys.setHoverCheck(false);
    gameSys.setDragState(false);
    return consumed;
  }
  static void setMarks() {
    gameUI.setHoverButton(0);
    gameUI.setPressedButton(0);
    gameUI.setHoverTextbox(0);
  }
  static bool marksCleared() {
    return gameUI.getHoverButton() == -1 && gameUI.getPressedButton() == -1 && gameUI.getHoverTextbox() == -1;
  }
};

TEST_F(ColorPick, EachCodeActsOnItsEventOnly) {
  const int helpTopic = kPickHelpTopic, close = kPickHelpClose, sysBox = kPickSystemTextbox;
  const int noticeCode = kNoticePick[0], toggle = kPickConsoleToggle, fold = kPickPanelToggle;
  const auto none = [] {};
  const auto help = [] { enableHelp(); };
  const auto typing = [] { typingInto(0); };
  const auto input = [](int state) { return [state] { return gameSys.getInputState() == state; }; };
  const auto mode = [](int m) { return [m] { worldEditor.setEditorMode(m); }; };
  const auto inMode = [](int m) { return [m] { return worldEditor.getEditorMode() == m; }; };
  const auto topic = [](int t) { return [t] { return uiHelp.getHelp() == t; }; };
  const auto unpressed = [] { return gameUI.getPressedButton() == -1; };
  const auto lastDir = [](int d) { return [d] { return gameSys.getLastDir() == d; }; };
  const auto selected = [](int d) { return [d] { return gameSys.getSelectedDir() == d; }; };
  struct Case {
    const char* what;
    int state;
    std::function<void()> setup;
    Event event;
    int r, g, b;
    bool consumed;
    std::function<bool()> done;
  } cases[] = {
      {"a panel absorbs a press", kStateMenus, typing, kPress, 144, 144, 144, true, input(kInputMenuTextbox)},
      {"a press on the background ends typing", kStateMenus, typing, kPress, 254, 254, 254, false, input(kInputNormal)},
      {"a release does not", kStateMenus, typing, kRelease, 254, 254, 254, false, input(kInputMenuTextbox)},
      {"a hover does not", kStateMenus, typing, kHover, 254, 254, 254, false, input(kInputMenuTextbox)},
      {"nor a press in the menu editor", kStateMenuEditor, [] { gameSys.setInputState(kInputMenuEditorText); },
       kPress, 254, 254, 254, false, input(kInputMenuEditorText)},
      {"nor one with the console open", kStateMenus, [] { console.enableConsole(); }, kPress, 254, 254, 254, false,
       input(kInputConsole)},
      {"a help topic pressed", kStateMenus, help, kPress, helpTopic, 144, 2, true,
       [this] { return uiHelp.getHelp() == 2 && timesPlayed("select") == 1; }},
      {"a help topic hovered", kStateMenus, help, kHover, helpTopic, 144, 2, false, topic(0)},
      {"a help topic dragged over", kStateMenus, help, kDrag, helpTopic, 144, 1, false, topic(0)},
      {"no such help topic", kStateMenus, help, kPress, helpTopic, 144, 3, true, topic(0)},
      {"help's close hovered", kStateMenus, help, kHover, close, 144, 144, true, helpShown},
      {"help's close released", kStateMenus, help, kRelease, close, 144, 144, true,
       [this] { return !helpShown() && timesPlayed("select") == 1; }},
      {"help opened", kStateMenus, none, kPress, kPickHelpOpen, 144, 144, true, helpShown},
      {"a system textbox pressed", kStateMenus, none, kPress, sysBox, 144, 5, true,
       [] { return gameUI.getTextboxEdit() == 5 && gameSys.getInputState() == kInputSystemTextbox; }},
      {"no such system textbox", kStateMenus, none, kPress, sysBox, 144, kSystemTextboxCount, false,
       input(kInputNormal)},
      {"the notice released", kStateMenus, [] { notice.setNotice("T", "M"); }, kRelease, noticeCode, 144, 144, false,
       [] { return noticeShown() == "T: M"; }},
      {"the notice pressed", kStateMenus, [] { notice.setNotice("T", "M"); }, kPress, noticeCode, 144, 144, true,
       [] { return noticeShown().empty(); }},
      {"the console opened", kStateMenus, none, kPress, toggle, 144, 144, true,
       [this] { return console.getConsoleState() && timesPlayed("open") == 1; }},
      {"the console released", kStateMenus, none, kRelease, toggle, 144, 144, true, input(kInputNormal)},
      {"the console scrolled back", kStateMenus, [] { console.echo("a"); console.echo("b"); }, kPress,
       kPickConsoleOlder, 144, 144, true, [] { return console.getCurrentLine() == 1; }},
      {"the console scrolled on", kStateMenus, [] { console.echo("a"); console.echo("b"); console.scrollOldest(); },
       kPress, kPickConsoleNewer, 144, 144, true, [] { return console.getCurrentLine() == 0; }},
      {"the project saved", kStateMenus, [] { world.setGameName("mainui"); }, kPress, kPickSave, 144, 144, true,
       [this] { return dir.exists("system/ui.cfg"); }},
      {"animation in the world editor", kStateWorldEditor, none, kPress, kPickAnimation, 144, 144, true,
       inMode(kModeAnimation)},
      {"animation in the menu editor", kStateMenuEditor, none, kPress, kPickAnimation, 144, 144, true,
       inMode(kMenuModeAnimation)},
      {"no fold outside the editors", kStateMenus, none, kPress, fold, 144, 144, false, [] { return true; }},
      {"no fold on a release", kStateWorldEditor, mode(kModeObject), kRelease, fold, 144, 144, false,
       inMode(kModeObject)},
      {"fold the world editor", kStateWorldEditor, mode(kModeObject), kPress, fold, 144, 144, true,
       inMode(kModeFolded)},
      {"unfold it", kStateWorldEditor, mode(kModeFolded), kPress, fold, 144, 144, true, inMode(kModeNothing)},
      {"fold the menu editor", kStateMenuEditor, mode(kMenuModeButton), kPress, fold, 144, 144, true,
       inMode(kMenuModeFolded)},
      {"unfold it", kStateMenuEditor, mode(kMenuModeFolded), kPress, fold, 144, 144, true, inMode(kMenuModeMenu)},
      {"no menu button in the menu editor", kStateMenuEditor, none, kPress, kPickButton, 144, 0, false, unpressed},
      {"nor in play", kStatePlay, none, kPress, kPickButton, 144, 0, false, unpressed},
      {"nor on a drag", kStateMenus, none, kDrag, kPickButton, 144, 0, false, unpressed},
      {"a colour without the menu mark", kStateMenus, setMarks, kPress, kPickButton, 12, 0, false, marksCleared},
      {"the image chooser's code", kStateMenus, setMarks, kPress, kPickImageChooser, 1, 44, false, marksCleared},
      {"no such menu textbox", kStateMenus, none, kRelease, kPickTextbox, 144, 1, false, input(kInputNormal)},
      {"a miss hovered", kStateMenus, setMarks, kHover, 99, 144, 144, false,
       [] { return gameUI.getHoverButton() == -1 && gameUI.getHoverTextbox() == -1; }},
      {"a miss ends typing", kStateMenus, [] { setMarks(); typingInto(0); }, kPress, 99, 144, 144, false,
       [] { return marksCleared() && gameSys.getInputState() == kInputNormal && gameUI.getTextboxEdit() == -1; }},
      {"but not a system textbox's", kStateMenus, [] { typingInto(3, kInputSystemTextbox); }, kPress, 99, 144, 144,
       false, [] { return gameSys.getInputState() == kInputSystemTextbox && gameUI.getTextboxEdit() == 3; }},
      {"the browser scrolls down", kStateMenus, none, kPress, kPickBrowserDown, 144, 144, true, lastDir(1)},
      {"and up", kStateMenus, [] { gameSys.setLastDir(2); }, kPress, kPickBrowserUp, 144, 144, true, lastDir(1)},
      {"a row is picked on a press", kStateMenus, none, kPress, kPickBrowserRow, 144, 5, true, selected(5)},
      {"not on a release", kStateMenus, none, kRelease, kPickBrowserRow, 144, 5, true, selected(0)},
      {"the check mark takes it", kStateMenus, [] { gameSys.setSelectedDir(5); }, kPress, kPickBrowserChoice, 144, 1,
       true, [] { return uiScriptString.getString(0) == "game5" && gameSys.getDirTextbox() == -1; }},
      {"the cross does not", kStateMenus, [] { gameSys.setSelectedDir(5); }, kPress, kPickBrowserChoice, 144, 0,
       true, [] { return uiScriptString.getString(0).empty() && gameSys.getDirTextbox() == -1; }},
      {"a logic word pressed", kStateWorldEditor, none, kPress, kPickLogicWord, 3, 6, true, [] { return true; }},
      {"a logic word hovered", kStateWorldEditor, none, kHover, kPickLogicWord, 3, 6, true, [] { return true; }},
  };
  const auto run = [&](const Case& c) {
    SCOPED_TRACE(c.what);
    reset();
    later();
    audio.played.clear();
    gameSys.setSoundState(true);
    makeMenus(3);
    addButton(0, kFuncLoadMenu, 2);
    addTextbox(0, 0);
    for (int t = 0; t < 3; ++t) uiHelp.menuSetMenuTitle(t, "Topic");
    for (int i = 0; i < 20; ++i) gameSys.setDirName(i, "game" + std::to_string(i));
    gameSys.setDirTextbox(0);
    gameSys.setGameState(c.state);
    c.setup();
    EXPECT_EQ(on(c.event, c.r, c.g, c.b), c.consumed);
    EXPECT_TRUE(c.done());
    EXPECT_EQ(gameUI.getCurrentMenu(), 0);
  };
  for (const Case& c : cases) run(c);
  // The phrase windows' icons take anything but a hover.
  for (int code : {105, 106, 107, 114, 115, 116}) {
    run({"a phrase icon pressed", kStateWorldEditor, none, kPress, code, 144, 144, true, [] { return true; }});
    run({"a phrase icon hovered", kStateWorldEditor, none, kHover, code, 144, 144, false, [] { return true; }});
  }
}

TEST_F(ColorPick, APassDrawsHelpAloneOrTheMenusDialogAndConsoleOfTheState) {
  const auto plan = [](int state, int input, bool console) {
    const PickPassPlan p = planPickPass(state, input, console);
    return std::to_string(p.help) + std::to_string(p.menus) + std::to_string(p.dialog) + std::to_string(p.console);
  };
  EXPECT_EQ(plan(kStateMenus, kInputHelp, true), "1000");
  for (int state : {kStateMenus, kStateIngameMenu, kStateWorldEditor, kStateMenuEditor}) {
    EXPECT_EQ(plan(state, kInputNormal, false), "0100") << state;
  }
  EXPECT_EQ(plan(kStateDialog, kInputNormal, false), "0010");
  EXPECT_EQ(plan(kStatePlay, kInputConsole, true), "0001");
  EXPECT_EQ(plan(kStatePlaytest, kInputNormal, false), "0000");
}

TEST_F(ColorPick, NoPassRunsDuringTheSplashNorInPlayWithoutHelpNorOutsideTheWindow) {
  makeMenus(1);
  gameSys.setGameState(kStateSplash);
  EXPECT_FALSE(colorPickRender());
  startGame();
  gameUI.setCurrentTT(37, 0, 10);
  EXPECT_FALSE(colorPickRender());
  EXPECT_EQ(tooltipCode(), -1);
  pickUnder(144, 144, 144);
  for (auto [x, y] : {std::pair{0, 10}, {800, 10}, {10, 0}, {10, 600}}) {
    gameSys.setMousePos(x, y);
    EXPECT_FALSE(colorPickCheck()) << x << "," << y;
  }
  EXPECT_TRUE(platform.calls.empty());
  enableHelp();
  platform.calls.clear();
  gameSys.setMousePos(799, 599);
  EXPECT_TRUE(colorPickRender());
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"pick scene", "read 799,599"}));
  EXPECT_FALSE(gameSys.getColorPick());
}

TEST_F(ColorPick, AHoverPassKeysTheTooltipToTheCodeUnderThePointer) {
  makeMenus(1);
  addButton(0, kFuncHelp);
  addButton(0, kFuncQuit);
  int code, index, time;
  on(kHover, kPickButton, 144, 0);
  const int start = clock.now();
  clock.advance(700);
  on(kHover, kPickButton, 144, 1);  // another button keeps the delay running
  gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, kPickButton);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(time, start);
  clock.advance(10);
  on(kHover, 144, 144, 144);
  on(kPress, kPickButton, 144, 1);  // only hover passes touch it
  gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, 144);
  EXPECT_EQ(time, clock.now());
}

TEST_F(ColorPick, MenuButtonsFireWhenReleasedOverThemselvesAndTextboxesTakeTypingOnRelease) {
  makeMenus(3);
  addButton(0, kFuncLoadMenu, 2);
  addButton(0, kFuncLoadMenu, 1);
  addTextbox(0, 0);
  EXPECT_TRUE(on(kHover, kPickButton, 144, 0));
  EXPECT_EQ(gameUI.getHoverButton(), 0);
  EXPECT_TRUE(on(kRelease, kPickButton, 144, 0));  // no press before it
  EXPECT_TRUE(on(kPress, kPickButton, 144, 0));
  EXPECT_EQ(gameUI.getPressedButton(), 0);
  EXPECT_TRUE(on(kRelease, kPickButton, 144, 1));  // over another button than the one hovered
  EXPECT_EQ(gameUI.getCurrentMenu(), 0);
  EXPECT_EQ(gameUI.getPressedButton(), 0);
  EXPECT_TRUE(on(kRelease, kPickButton, 144, 0));
  EXPECT_EQ(gameUI.getCurrentMenu(), 2);
  EXPECT_EQ(timesPlayed("click"), 1);
  EXPECT_FALSE(on(kPress, kPickButton, 144, 0));  // menu 2 has no buttons

  loadMenu(0);
  EXPECT_TRUE(on(kHover, kPickTextbox, 144, 0));
  EXPECT_EQ(gameUI.getHoverTextbox(), 0);
  EXPECT_TRUE(on(kPress, kPickTextbox, 144, 0));
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_TRUE(on(kRelease, kPickTextbox, 144, 0));
  EXPECT_EQ(gameUI.getTextboxEdit(), 0);
  EXPECT_EQ(gameSys.getInputState(), kInputMenuTextbox);
  EXPECT_EQ(timesPlayed("select"), 1);
}

TEST_F(ColorPick, DialogButtonsHoverPressAndRunTheirFunctionOnRelease) {
  dir.write("system/dialog.cfg",
            "f dialog2button0func 1\nf dialog2button0func2 1\nf dialog2button1func 5\nf dialog2button1func2 0\n");
  scriptSys.readFile("system/dialog.cfg");
  makeMenus(2);
  enableDialog(2);
  EXPECT_TRUE(on(kHover, kPickDialogRight, 144, 144));
  EXPECT_EQ(gameUI.getHoverButton(), 1);
  EXPECT_TRUE(on(kPress, kPickDialogRight, 144, 144));
  EXPECT_EQ(gameUI.getPressedButton(), kPressedDialogRight);
  EXPECT_TRUE(on(kRelease, kPickDialogRight, 144, 144));
  EXPECT_EQ(gameSys.getGameState(), kStateMenus);  // "Back": the dialog closed
  enableDialog(2);
  clock.advance(1000);
  EXPECT_TRUE(on(kPress, kPickDialogLeft, 144, 144));
  EXPECT_EQ(gameUI.getPressedButton(), kPressedDialogLeft);
  EXPECT_TRUE(on(kRelease, kPickDialogLeft, 144, 144));
  EXPECT_EQ(gameUI.getCurrentMenu(), 1);
  EXPECT_EQ(timesPlayed("click"), 2);
}

}  // namespace
