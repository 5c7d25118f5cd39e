// Button functions: the debounce that turns clicks close together into one
// action, the steps between menus, states, dialogs and editors, the return from
// nested dialogs, and the orderly end of the program.
#include "menus/button_actions.h"

#include "menu_files.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "editor/editor.h"

namespace {

using namespace tftest;

class ButtonActions : public MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    tf::gameUI.allocateMenu(4);
    tf::gameUI.setIngameMenu(2);
    tf::gameUI.setEditorMenu(3);
    tf::gameUI.setEditorMainMenu(1);
    tf::gameSys.setGameState(tf::kStateMenus);
  }
  // A click well after the one before, so that it is never held back.
  void click(int func, int func2 = 0) {
    clock.advance(1000);
    tf::buttonAction(func, func2);
  }
  // Game state, menu, dialog and input state.
  static std::string states() {
    return joined({tf::gameSys.getGameState(), tf::gameUI.getCurrentMenu(), tf::gameUI.getCurrentDialogBox(),
                 tf::gameSys.getInputState()});
  }
};

TEST_F(ButtonActions, ClicksCloserThan200MsRunOneAction) {
  // The 200 ms count from the last action that ran, not from the last click held back.
  const struct {
    int afterMs, asked, state;
  } clicks[] = {{1000, 5, 5}, {150, 6, 5}, {250, 6, 6}, {199, 7, 6}, {1, 7, 7}};
  for (const auto& c : clicks) {
    clock.advance(c.afterMs);
    tf::buttonAction(tf::kFuncGameState, c.asked);
    EXPECT_EQ(tf::gameSys.getGameState(), c.state) << c.afterMs;
  }
  EXPECT_EQ(std::count(audio.played.begin(), audio.played.end(), "soundreq/click.wav once"), 3);  // one an action
  clock.set(10);  // a clock that has started over never holds an action back
  tf::buttonAction(tf::kFuncGameState, 8);
  EXPECT_EQ(tf::gameSys.getGameState(), 8);
}

TEST_F(ButtonActions, EachStepBetweenMenusStatesDialogsAndEditors) {
  tf::world.allocateMaps(1);
  tf::world.worldSetMap(4, 4, "map0", 0);
  tf::world.setGameLoaded(true);
  tf::worldBackup = tf::world;
  tf::world.worldSetMap(4, 4, "changed in play", 0);
  tf::gameSys.setGameState(tf::kStateIngameMenu);
  tf::gameUI.setCurrentMenu(1);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  tf::gameUI.setHoverButton(2);  // a menu shown has nothing hovered or typed into
  tf::gameUI.setTextboxEdit(0);
  MessageLog messages;
  const int menus = tf::kStateMenus, ingame = tf::kStateIngameMenu, play = tf::kStatePlay;
  const struct {
    int func, func2;
    std::string after;  // game state, menu, dialog, input state
  } steps[] = {
      {tf::kFuncLoadMenu, 4, joined({ingame, 1, 0, tf::kInputMenuTextbox})},  // no such menu
      {tf::kFuncLoadMenu, -1, joined({ingame, 1, 0, tf::kInputMenuTextbox})},
      {tf::kFuncLoadMenu, 3, joined({menus, 3, 0, 0})},
      {tf::kFuncInputState, tf::kInputConsole, joined({menus, 3, 0, tf::kInputConsole})},
      {tf::kFuncGameState, ingame, joined({ingame, 3, 0, tf::kInputConsole})},
      {tf::kFuncOpenDialog, 2, joined({tf::kStateDialog, 3, 2, tf::kInputConsole})},
      {tf::kFuncCloseDialog, 0, joined({ingame, 3, 0, tf::kInputConsole})},
      {tf::kFuncGameMainMenu, 0, joined({menus, 0, 0, 0})},
      {tf::kFuncStartGame, 0, joined({play, 0, 0, 0})},
      {tf::kFuncPause, 0, joined({ingame, 2, 0, 0})},
      {tf::kFuncResume, 0, joined({play, 2, 0, 0})},
      {tf::kFuncGameState, ingame, joined({ingame, 2, 0, 0})},
      {tf::kFuncReenterGame, 0, joined({play, 2, 0, 0})},
      {tf::kFuncEditWorld, 0, joined({play, 3, 0, 0})},
      {tf::kFuncEditorMainMenu, 0, joined({play, 1, 0, 0})},
      {tf::kFuncMenuEditor, 0, joined({tf::kStateMenuEditor, 0, 0, 0})},
      {tf::kFuncHelp, 0, joined({tf::kStateMenuEditor, 0, 0, tf::kInputHelp})},
  };
  for (const auto& step : steps) {
    click(step.func, step.func2);
    EXPECT_EQ(states(), step.after) << "after function " << step.func << " " << step.func2;
  }
  int w, h;
  std::string name;
  tf::world.worldGetMap(w, h, name, 0);
  EXPECT_EQ(name, "map0");  // the game started afresh from its saved state
  EXPECT_TRUE(messages.contains("^rERROR: ^wA button asked for menu ^y4^w, which does not exist."));
  EXPECT_EQ(joined({tf::gameUI.getHoverButton(), tf::gameUI.getTextboxEdit()}), "-1 -1");
}

TEST_F(ButtonActions, ClosingADialogReturnsToTheStateBeforeTheFirstDialog) {
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  click(tf::kFuncOpenDialog, 1);
  click(tf::kFuncOpenDialog, 3);  // a second dialog keeps the first state to return to
  EXPECT_EQ(states(), joined({tf::kStateDialog, 0, 3, 0}));
  click(tf::kFuncCloseDialog);
  EXPECT_EQ(states(), joined({tf::kStateWorldEditor, 0, 0, 0}));
}

// Sound, volume, the editors' welcome and the game browser, one function
// after the other: what each leaves behind.
TEST_F(ButtonActions, SoundVolumeWelcomeAndBrowserFunctions) {
  tf::gameSys.setSoundState(true);
  tf::gameSys.setSoundVolume(0.5f);
  const auto sound = [this] {
    std::string title, message;
    int shown = 0;
    tf::notice.getNotice(title, message, shown);
    return std::to_string(tf::gameSys.getSoundState()) + " music " +
           std::to_string(audio.playingCount("soundreq/mainmenu.wav")) + " | " + title + " | " + message;
  };
  const auto volume = [] {
    return tftest::joined({std::lround(tf::gameSys.getSoundVolume() * 10), tf::gameSys.getVolTimer()});
  };
  const auto welcomeAndBrowser = [] {
    int timer = 0, menu = 0;
    tf::worldEditor.getWelcome(timer, menu);
    return tftest::joined({timer, menu, tf::gameSys.getDirTextbox()});
  };
  const struct {
    int func, func2, times;
    std::function<std::string()> probe;
    std::string after;
  } steps[] = {
      {tf::kFuncSoundOff, 0, 1, sound, "0 music 0 | Sound | Sound has been ^ydisabled^w."},
      {tf::kFuncSoundOn, 0, 1, sound, "1 music 1 | Sound | Sound has been ^yenabled^w."},
      {tf::kFuncSoundOn, 0, 1, sound, "1 music 1 | Sound | Sound has been ^yenabled^w."},  // one loop only
      {tf::kFuncVolumeUp, 0, 1, volume, "6 1000"},
      {tf::kFuncVolumeDown, 0, 3, volume, "3 1000"},
      {tf::kFuncVolumeUp, 0, 9, volume, "10 1000"},    // kept within 0..1
      {tf::kFuncVolumeDown, 0, 12, volume, "0 1000"},
      {tf::kFuncNothing, 0, 1, welcomeAndBrowser, "0 0 -1"},
      {tf::kFuncNothingEither, 0, 1, welcomeAndBrowser, "0 0 -1"},
      {tf::kFuncWelcome, 0, 1, welcomeAndBrowser, "1000 3 -1"},
      {tf::kFuncBrowse, 2, 1, welcomeAndBrowser, "1000 3 2"},
  };
  for (const auto& step : steps) {
    for (int n = 0; n < step.times; ++n) click(step.func, step.func2);
    EXPECT_EQ(step.probe(), step.after) << "after function " << step.func << " x" << step.times;
    tf::gameSys.setVolTimer(0);
  }
}

TEST_F(ButtonActions, QuitAndLeaveGameWithoutAGameEndTheProgramOrderly) {
  EXPECT_EXIT(click(tf::kFuncQuit), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(click(tf::kFuncLeaveGame), ::testing::ExitedWithCode(0), "");
}

}  // namespace
