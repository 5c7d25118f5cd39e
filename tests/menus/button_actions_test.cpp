// Button functions: what each id does, the debounce that turns clicks close
// together into one action, the click sound, the words that describe each
// function, and the world editor's fog controls.
#include "menus/button_actions.h"

#include <gtest/gtest.h>

#include "core/clock.h"
#include "editor/editor.h"
#include "game/world.h"
#include "manual_clock.h"
#include "media/notice.h"
#include "menu_files.h"
#include "menus/dialog.h"
#include "menus/help.h"
#include "messages.h"

namespace {

class ButtonActions : public tftest::MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    savedWorld = tf::world;
    savedBackup = tf::worldBackup;
    savedEditor = tf::worldEditor;
    savedHelp = tf::uiHelp;
    tf::world = tf::gameWorld();
    tf::worldBackup = tf::gameWorld();
    tf::notice.leaveNotice();
    tf::gameUI.allocateMenu(4);
    tf::gameUI.setIngameMenu(2);
    tf::gameUI.setEditorMenu(3);
    tf::gameUI.setEditorMainMenu(1);
    tf::gameSys.setGameState(tf::kStateMenus);
    // The debounce outlives a test: every test starts long after the last.
    static int start = 0;
    start += 1000000;
    clock.set(start);
  }
  void TearDown() override {
    tf::world = savedWorld;
    tf::worldBackup = savedBackup;
    tf::worldEditor = savedEditor;
    tf::uiHelp = savedHelp;
    tf::notice.leaveNotice();
    MenuFiles::TearDown();
  }

  // A click well after the one before, so that it is never held back.
  void click(int func, int func2 = 0) {
    clock.advance(1000);
    tf::buttonAction(func, func2);
  }

  int clicks() const {
    int n = 0;
    for (const std::string& played : audio.played) n += played == "soundreq/click.wav once";
    return n;
  }

  std::string noticeText() const {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time < 0 ? "" : title + ": " + message;
  }

  void addMaps(int count) {
    tf::world.allocateMaps(count);
    for (int m = 0; m < count; ++m) tf::world.worldSetMap(4, 4, "map" + std::to_string(m), m);
    tf::world.setGameLoaded(true);
  }

  tftest::ManualClock clock;

 private:
  tf::gameWorld savedWorld, savedBackup;
  tf::editor savedEditor;
  tf::help savedHelp;
};

TEST_F(ButtonActions, ClicksCloserThan200MsRunOneAction) {
  click(tf::kFuncGameState, 5);
  clock.advance(150);
  tf::buttonAction(tf::kFuncGameState, 6);
  EXPECT_EQ(tf::gameSys.getGameState(), 5);
  EXPECT_EQ(clicks(), 1);

  clock.advance(250);
  tf::buttonAction(tf::kFuncGameState, 6);
  EXPECT_EQ(tf::gameSys.getGameState(), 6);
  EXPECT_EQ(clicks(), 2);

  // The 200 ms count from the last action that ran, not from the last click.
  clock.advance(199);
  tf::buttonAction(tf::kFuncGameState, 7);
  clock.advance(2);
  tf::buttonAction(tf::kFuncGameState, 7);
  EXPECT_EQ(tf::gameSys.getGameState(), 7);
  EXPECT_EQ(clicks(), 3);
}

TEST_F(ButtonActions, ANewerClockNeverHoldsAnActionBack) {
  click(tf::kFuncGameState, 5);
  clock.set(10);  // the clock has started over
  tf::buttonAction(tf::kFuncGameState, 6);
  EXPECT_EQ(tf::gameSys.getGameState(), 6);
}

TEST_F(ButtonActions, ShowingAMenuLeavesNothingHoveredPressedOrTyping) {
  tf::gameSys.setGameState(tf::kStateIngameMenu);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  tf::gameUI.setHoverButton(2);
  tf::gameUI.setPressedButton(2);
  tf::gameUI.setTextboxEdit(0);
  click(tf::kFuncLoadMenu, 3);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 3);
  EXPECT_EQ(tf::gameUI.getHoverButton(), -1);
  EXPECT_EQ(tf::gameUI.getPressedButton(), -1);
  EXPECT_EQ(tf::gameUI.getTextboxEdit(), -1);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
}

TEST_F(ButtonActions, AMenuThatIsNotThereIsRefused) {
  tf::gameUI.setCurrentMenu(1);
  tf::gameSys.setGameState(tf::kStateIngameMenu);
  tftest::MessageLog messages;
  click(tf::kFuncLoadMenu, 4);
  click(tf::kFuncLoadMenu, -1);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 1);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateIngameMenu);
  EXPECT_TRUE(messages.contains("^rERROR: ^wA button asked for menu ^y4^w, which does not exist."));
}

TEST_F(ButtonActions, StatesDialogsAndDebugMode) {
  click(tf::kFuncInputState, tf::kInputConsole);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputConsole);

  tf::gameSys.setGameState(tf::kStateIngameMenu);
  click(tf::kFuncOpenDialog, 2);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateDialog);
  EXPECT_EQ(tf::gameUI.getCurrentDialogBox(), 2);
  click(tf::kFuncCloseDialog);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateIngameMenu);
  EXPECT_EQ(tf::gameUI.getCurrentDialogBox(), 0);

  tftest::MessageLog messages;
  click(tf::kFuncDebugMode, 1);
  EXPECT_TRUE(tf::gameSys.getDebugState());
  click(tf::kFuncDebugMode, 1);  // already on: silently
  click(tf::kFuncDebugMode, 0);
  EXPECT_FALSE(tf::gameSys.getDebugState());
  EXPECT_TRUE(messages.lines().empty());
}

TEST_F(ButtonActions, LoadingAGameTakesItsNameFromAUiString) {
  tftest::MessageLog messages;
  click(tf::kFuncLoadGame, 5);  // beyond the string table
  EXPECT_EQ(noticeText(), "Load Game: Enter a valid ^yGame Name^w to load a game.");
  EXPECT_FALSE(messages.contains("Game World Initializing"));

  // An empty name still reaches the loader, which refuses it.
  click(tf::kFuncLoadGame, 0);
  EXPECT_TRUE(messages.contains("Enter a valid game name for a game to be loaded."));

  tf::uiScriptString.setString("maze", 3);
  click(tf::kFuncLoadGame, 3);
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to open game: ^ymaze"));
  EXPECT_FALSE(tf::gameSys.getDisableMouseState());  // back on after the load
}

TEST_F(ButtonActions, EditingAGameTakesItsNameFromAUiString) {
  tftest::MessageLog messages;
  click(tf::kFuncEditGame, 5);  // beyond the string table: nothing at all
  EXPECT_TRUE(messages.lines().empty());

  tf::uiScriptString.setString("castle", 1);
  click(tf::kFuncEditGame, 1);
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to open game: ^ycastle"));
  EXPECT_FALSE(tf::gameSys.getDisableMouseState());
}

TEST_F(ButtonActions, CreatingAGameMakesATenByTenMapInTheEditor) {
  tftest::MessageLog messages;
  click(tf::kFuncCreateGame, 2);
  EXPECT_TRUE(messages.contains("Cannot create game, no game name has been entered."));

  tf::uiScriptString.setString("castle", 2);
  click(tf::kFuncCreateGame, 2);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateWorldEditor);
  EXPECT_EQ(tf::world.getGameName(), "castle");
  int w = 0, h = 0;
  std::string name;
  tf::world.worldGetMap(w, h, name, 0);
  EXPECT_EQ(w, 10);
  EXPECT_EQ(h, 10);
  EXPECT_EQ(tf::uiScriptString.getString(2), "");
}

TEST_F(ButtonActions, PausingResumingStartingAndReturningToTheFirstMenu) {
  addMaps(1);
  tf::worldBackup = tf::world;
  tf::world.worldSetMap(4, 4, "changed in play", 0);
  tf::gameUI.setCurrentMenu(0);

  click(tf::kFuncStartGame);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlay);
  int w, h;
  std::string name;
  tf::world.worldGetMap(w, h, name, 0);
  EXPECT_EQ(name, "map0");  // the game starts afresh

  click(tf::kFuncPause);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateIngameMenu);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 2);
  click(tf::kFuncResume);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlay);

  tf::gameSys.setGameState(tf::kStateIngameMenu);
  click(tf::kFuncReenterGame);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStatePlay);

  tf::gameSys.setGameState(tf::kStateIngameMenu);
  tf::gameUI.setCurrentMenu(2);
  click(tf::kFuncGameMainMenu);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0);
}

TEST_F(ButtonActions, TheEditorsScreensAndLeavingThem) {
  click(tf::kFuncEditWorld);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 3);
  click(tf::kFuncEditorMainMenu);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 1);
  click(tf::kFuncMenuEditor);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenuEditor);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0);

  tf::gameSys.setGameState(tf::kStateMenus);
  tftest::MessageLog messages;
  click(tf::kFuncLeaveEditor);  // only from the editor or its dialogs
  EXPECT_TRUE(messages.contains("Game editor is not active, cannot exit editor"));

  click(tf::kFuncWelcome);
  int timer, menu;
  tf::worldEditor.getWelcome(timer, menu);
  EXPECT_EQ(timer, 1000);
  EXPECT_EQ(menu, 3);
}

TEST_F(ButtonActions, DeletingTheCurrentMapClosesTheDialog) {
  addMaps(3);
  tf::world.setCurrentMap(1);
  tf::worldEditor.setEditorMode(tf::kModeEditMap);
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::enableDialog(3);
  click(tf::kFuncDeleteMap);
  EXPECT_EQ(tf::world.getMapCount(), 2);
  int w, h;
  std::string name;
  tf::world.worldGetMap(w, h, name, 1);
  EXPECT_EQ(name, "map2");
  EXPECT_EQ(tf::worldEditor.getEditorMode(), tf::kModeNothing);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateWorldEditor);
  EXPECT_EQ(tf::gameUI.getCurrentDialogBox(), 0);
}

TEST_F(ButtonActions, FullScreenAndWindow) {
  tf::gameSys.SetSystem(0, 0, 800, 600, "Tessera Forge");
  click(tf::kFuncFullScreen);
  EXPECT_TRUE(tf::gameSys.getFS());
  click(tf::kFuncWindow);
  EXPECT_FALSE(tf::gameSys.getFS());
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"fullscreen", "window 5,26 800x600"}));
}

TEST_F(ButtonActions, SoundOnAndOffStartAndStopTheMenuMusic) {
  tf::gameSys.setSoundState(false);
  click(tf::kFuncSoundOn);
  EXPECT_TRUE(tf::gameSys.getSoundState());
  EXPECT_EQ(noticeText(), "Sound: Sound has been ^yenabled^w.");
  // The click came while sound was still off.
  EXPECT_EQ(audio.played, std::vector<std::string>{"soundreq/mainmenu.wav looping"});

  click(tf::kFuncSoundOn);  // already on: the music is not started twice
  EXPECT_EQ(audio.played.back(), "soundreq/click.wav once");

  click(tf::kFuncSoundOff);
  EXPECT_FALSE(tf::gameSys.getSoundState());
  EXPECT_EQ(noticeText(), "Sound: Sound has been ^ydisabled^w.");

  // Outside the menus the music is left alone.
  tf::gameSys.setGameState(tf::kStateIngameMenu);
  const std::size_t before = audio.played.size();
  click(tf::kFuncSoundOn);
  click(tf::kFuncSoundOn);
  EXPECT_TRUE(tf::gameSys.getSoundState());
  EXPECT_EQ(audio.played.size(), before + 1);  // the second click only
}

TEST_F(ButtonActions, VolumeStepsByATenthWithinItsRangeAndShowsTheDisplay) {
  tf::gameSys.setSoundVolume(0.5f);
  click(tf::kFuncVolumeUp);
  EXPECT_NEAR(tf::gameSys.getSoundVolume(), 0.6f, 1e-6);
  EXPECT_EQ(tf::gameSys.getVolTimer(), 1000);
  tf::gameSys.setVolTimer(0);
  click(tf::kFuncVolumeDown);
  click(tf::kFuncVolumeDown);
  EXPECT_NEAR(tf::gameSys.getSoundVolume(), 0.4f, 1e-6);
  EXPECT_EQ(tf::gameSys.getVolTimer(), 1000);
  tf::gameSys.setSoundVolume(0.95f);
  click(tf::kFuncVolumeUp);
  EXPECT_EQ(tf::gameSys.getSoundVolume(), 1.0f);
}

TEST_F(ButtonActions, TheBrowserAndTheHelpOpen) {
  click(tf::kFuncBrowse, 1);
  EXPECT_EQ(tf::gameSys.getDirTextbox(), 1);
  click(tf::kFuncHelp);
  EXPECT_TRUE(tf::uiHelp.getHelpState());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputHelp);
}

TEST_F(ButtonActions, IdsThatDoNothingStillClick) {
  const tf::System before = tf::gameSys;
  for (int func : {27, 28, 32, 99, -1}) click(func, 3);
  EXPECT_EQ(clicks(), 5);
  EXPECT_EQ(tf::gameSys.getGameState(), before.getGameState());
  EXPECT_EQ(tf::gameSys.getInputState(), before.getInputState());
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 0);
  EXPECT_EQ(noticeText(), "");
}

TEST_F(ButtonActions, QuitAndLeaveGameEndTheProgramOrderly) {
  EXPECT_EXIT(click(tf::kFuncQuit), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(click(tf::kFuncLeaveGame), ::testing::ExitedWithCode(0), "");
}

TEST(ButtonWords, DescriptionsNameTheProgramAndTheArgument) {
  tf::System saved = tf::gameSys;
  tf::gameSys.SetSystem(0, 0, 800, 600, "My Toolkit");
  EXPECT_EQ(tf::buttonEditorDescription(0, 0), "Quit My Toolkit");
  EXPECT_EQ(tf::buttonTooltipDescription(0, 0), "Quit My Toolkit");
  EXPECT_EQ(tf::buttonEditorDescription(1, 3), "Load Menu ^y3");
  EXPECT_EQ(tf::buttonEditorDescription(4, 0), "Open Dialogbox ^y0");
  EXPECT_EQ(tf::buttonTooltipDescription(1, 3), "Hide");
  EXPECT_EQ(tf::buttonEditorDescription(6, 0), "^yDisable^w Debug Mode");
  EXPECT_EQ(tf::buttonTooltipDescription(6, 1), "Enable Debug Mode");
  EXPECT_EQ(tf::buttonEditorDescription(13, 0), "Pause Game");
  EXPECT_EQ(tf::buttonTooltipDescription(13, 0), "Hide");
  EXPECT_EQ(tf::buttonTooltipDescription(20, 0), "Window Mode");
  for (int func : {7, 27, 30, 44, -3}) {
    EXPECT_EQ(tf::buttonEditorDescription(func, 0), "Hide") << func;
    EXPECT_EQ(tf::buttonTooltipDescription(func, 0), "Hide") << func;
  }
  tf::gameSys = saved;
}

class FogControls : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = tf::world;
    tf::world = tf::gameWorld();
    tf::world.allocateMaps(2);
    tf::world.setCurrentMap(1);
    const float color[3] = {0.5f, 0.5f, 0.5f};
    tf::world.worldSetFog(false, 0.5f, color, 1);
  }
  void TearDown() override { tf::world = saved; }
  void fog(bool& on, float& density, float& r, float& g, float& b) const {
    tf::world.worldGetFog(on, density, r, g, b, 1);
  }
  tf::gameWorld saved;
};

TEST_F(FogControls, EachControlChangesOnePartOfTheCurrentMapsFog) {
  bool on;
  float density, r, g, b;
  tf::menuFunction(21);
  tf::menuFunction(22);
  tf::menuFunction(24);
  tf::menuFunction(27);
  tf::menuFunction(28);
  tf::menuFunction(28);
  fog(on, density, r, g, b);
  EXPECT_TRUE(on);
  EXPECT_NEAR(density, 0.6f, 1e-6);
  EXPECT_NEAR(r, 0.6f, 1e-6);
  EXPECT_NEAR(g, 0.4f, 1e-6);
  EXPECT_NEAR(b, 0.7f, 1e-6);

  tf::menuFunction(23);
  tf::menuFunction(23);
  tf::menuFunction(25);
  tf::menuFunction(26);
  tf::menuFunction(29);
  tf::menuFunction(30);  // not a fog control
  tf::menuFunction(21);
  fog(on, density, r, g, b);
  EXPECT_FALSE(on);
  EXPECT_NEAR(density, 0.4f, 1e-6);
  EXPECT_NEAR(r, 0.5f, 1e-6);
  EXPECT_NEAR(g, 0.5f, 1e-6);
  EXPECT_NEAR(b, 0.6f, 1e-6);

  bool first;
  float d0, r0, g0, b0;
  tf::world.worldGetFog(first, d0, r0, g0, b0, 0);
  EXPECT_FALSE(first);  // map 0 untouched
  EXPECT_EQ(d0, 0.0f);
}

TEST_F(FogControls, TheMapKeepsItsFogWithinItsRange) {
  // The controls do not clamp; the map takes values from 0.1 to 1.0 only and
  // keeps its value otherwise.
  const float color[3] = {1.0f, 0.1f, 0.5f};
  tf::world.worldSetFog(true, 0.1f, color, 1);
  tf::menuFunction(23);
  tf::menuFunction(24);
  tf::menuFunction(27);
  bool on;
  float density, r, g, b;
  fog(on, density, r, g, b);
  EXPECT_NEAR(density, 0.1f, 1e-6);
  EXPECT_NEAR(r, 1.0f, 1e-6);
  EXPECT_NEAR(g, 0.1f, 1e-6);
}

}  // namespace
