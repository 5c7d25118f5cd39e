// Button functions: what each id does, the debounce that turns clicks close
// together into one action, the click sound, the words that describe each
// function, and the world editor's fog controls.
#include "menus/button_actions.h"

#include "menu_files.h"
#include "menus/dialog.h"

namespace {

using namespace tftest;
constexpr const char* kClick = "soundreq/click.wav once";

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
  static void addMaps(int count) {
    tf::world.allocateMaps(count);
    for (int m = 0; m < count; ++m) tf::world.worldSetMap(4, 4, "map" + std::to_string(m), m);
    tf::world.setGameLoaded(true);
  }
  static std::string mapName(int m) {
    int w, h;
    std::string name;
    tf::world.worldGetMap(w, h, name, m);
    return name + " " + std::to_string(w) + "x" + std::to_string(h);
  }
  // Game state, menu, dialog and input state.
  static std::string states() {
    return ints({tf::gameSys.getGameState(), tf::gameUI.getCurrentMenu(), tf::gameUI.getCurrentDialogBox(),
                 tf::gameSys.getInputState()});
  }
};

TEST_F(ButtonActions, ClicksCloserThan200MsRunOneAction) {
  click(tf::kFuncGameState, 5);
  clock.advance(150);
  tf::buttonAction(tf::kFuncGameState, 6);
  EXPECT_EQ(tf::gameSys.getGameState(), 5);
  EXPECT_EQ(played(kClick), 1);
  clock.advance(250);
  tf::buttonAction(tf::kFuncGameState, 6);
  EXPECT_EQ(tf::gameSys.getGameState(), 6);
  // The 200 ms count from the last action that ran, not from the last click held back.
  clock.advance(199);
  tf::buttonAction(tf::kFuncGameState, 7);
  clock.advance(1);
  tf::buttonAction(tf::kFuncGameState, 7);
  EXPECT_EQ(tf::gameSys.getGameState(), 7);
  EXPECT_EQ(played(kClick), 3);
  clock.set(10);  // a clock that has started over never holds an action back
  tf::buttonAction(tf::kFuncGameState, 8);
  EXPECT_EQ(tf::gameSys.getGameState(), 8);
}

TEST_F(ButtonActions, EachStepBetweenMenusStatesDialogsAndEditors) {
  addMaps(1);
  tf::worldBackup = tf::world;
  tf::world.worldSetMap(4, 4, "changed in play", 0);
  tf::gameSys.setGameState(tf::kStateIngameMenu);
  tf::gameUI.setCurrentMenu(1);
  // A menu shown has nothing hovered, pressed or typed into.
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  tf::gameUI.setHoverButton(2);
  tf::gameUI.setPressedButton(2);
  tf::gameUI.setTextboxEdit(0);
  tf::gameUI.setHoverTextbox(0);
  MessageLog messages;
  const int menus = tf::kStateMenus, ingame = tf::kStateIngameMenu, play = tf::kStatePlay;
  const struct {
    int func, func2;
    std::string after;  // game state, menu, dialog, input state
  } steps[] = {
      {tf::kFuncLoadMenu, 4, ints({ingame, 1, 0, tf::kInputMenuTextbox})},  // no such menu
      {tf::kFuncLoadMenu, -1, ints({ingame, 1, 0, tf::kInputMenuTextbox})},
      {tf::kFuncLoadMenu, 3, ints({menus, 3, 0, 0})},
      {tf::kFuncInputState, tf::kInputConsole, ints({menus, 3, 0, tf::kInputConsole})},
      {tf::kFuncGameState, ingame, ints({ingame, 3, 0, tf::kInputConsole})},
      {tf::kFuncOpenDialog, 2, ints({tf::kStateDialog, 3, 2, tf::kInputConsole})},
      {tf::kFuncCloseDialog, 0, ints({ingame, 3, 0, tf::kInputConsole})},
      {tf::kFuncGameMainMenu, 0, ints({menus, 0, 0, 0})},
      {tf::kFuncStartGame, 0, ints({play, 0, 0, 0})},
      {tf::kFuncPause, 0, ints({ingame, 2, 0, 0})},
      {tf::kFuncResume, 0, ints({play, 2, 0, 0})},
      {tf::kFuncGameState, ingame, ints({ingame, 2, 0, 0})},
      {tf::kFuncReenterGame, 0, ints({play, 2, 0, 0})},
      {tf::kFuncEditWorld, 0, ints({play, 3, 0, 0})},
      {tf::kFuncEditorMainMenu, 0, ints({play, 1, 0, 0})},
      {tf::kFuncMenuEditor, 0, ints({tf::kStateMenuEditor, 0, 0, 0})},
      {tf::kFuncHelp, 0, ints({tf::kStateMenuEditor, 0, 0, tf::kInputHelp})},
  };
  for (const auto& step : steps) {
    click(step.func, step.func2);
    EXPECT_EQ(states(), step.after) << "after function " << step.func << " " << step.func2;
    if (step.func == tf::kFuncStartGame) {
      EXPECT_EQ(mapName(0), "map0 4x4");  // the game starts afresh
    }
  }
  EXPECT_TRUE(messages.contains("^rERROR: ^wA button asked for menu ^y4^w, which does not exist."));
  EXPECT_EQ(ints({tf::gameUI.getHoverButton(), tf::gameUI.getPressedButton(), tf::gameUI.getTextboxEdit(),
                  tf::gameUI.getHoverTextbox(), tf::uiHelp.getHelpState()}),
            "-1 -1 -1 -1 1");
  click(tf::kFuncBrowse, 1);
  click(tf::kFuncWelcome);
  int timer, menu;
  tf::worldEditor.getWelcome(timer, menu);
  EXPECT_EQ(ints({tf::gameSys.getDirTextbox(), timer, menu}), "1 1000 3");
  MessageLog quiet;
  std::string debug;
  for (int on : {1, 1, 0, 1}) {
    click(tf::kFuncDebugMode, on);
    debug += std::to_string(tf::gameSys.getDebugState());
  }
  EXPECT_EQ(debug, "1101");
  EXPECT_TRUE(quiet.lines().empty());  // turned on when already on: silently
  tf::gameSys.setGameState(tf::kStateMenus);
  click(tf::kFuncLeaveEditor);  // only from the editor or its dialogs
  EXPECT_TRUE(quiet.contains("Game editor is not active, cannot exit editor"));
}

TEST_F(ButtonActions, LoadingEditingAndCreatingAGameTakeItsNameFromAUiString) {
  MessageLog messages;
  click(tf::kFuncEditGame, 5);  // beyond the string table: nothing at all
  EXPECT_TRUE(messages.lines().empty());
  click(tf::kFuncLoadGame, 5);
  EXPECT_EQ(noticeText(), "Load Game: Enter a valid ^yGame Name^w to load a game.");
  EXPECT_FALSE(messages.contains("Game World Initializing"));
  click(tf::kFuncLoadGame, 0);  // an empty name still reaches the loader, which refuses it
  EXPECT_TRUE(messages.contains("Enter a valid game name for a game to be loaded."));
  tf::uiScriptString.setString("castle", 1);
  tf::uiScriptString.setString("maze", 3);
  click(tf::kFuncLoadGame, 3);
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to open game: ^ymaze"));
  click(tf::kFuncEditGame, 1);
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to open game: ^ycastle"));
  EXPECT_FALSE(tf::gameSys.getDisableMouseState());  // back on after the loads

  click(tf::kFuncCreateGame, 2);
  EXPECT_TRUE(messages.contains("Cannot create game, no game name has been entered."));
  dir.write("system/help.cfg", "s help0title Start\ns help0line0 end\ns help1title end\n");  // a new game's help
  tf::uiScriptString.setString("castle", 2);
  click(tf::kFuncCreateGame, 2);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateWorldEditor);
  EXPECT_EQ(mapName(0), "castle 10x10");
  EXPECT_EQ(tf::uiScriptString.getString(2), "");
}

TEST_F(ButtonActions, DeletingTheCurrentMapClosesTheDialog) {
  addMaps(3);
  tf::world.setCurrentMap(1);
  tf::worldEditor.setEditorMode(tf::kModeEditMap);
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::enableDialog(3);
  click(tf::kFuncDeleteMap);
  EXPECT_EQ(ints({tf::world.getMapCount(), tf::worldEditor.getEditorMode()}), ints({2, tf::kModeNothing}));
  EXPECT_EQ(mapName(0) + ", " + mapName(1), "map0 4x4, map2 4x4");
  EXPECT_EQ(states(), ints({tf::kStateWorldEditor, 0, 0, 0}));
}

TEST_F(ButtonActions, ScreenSoundAndVolume) {
  tf::gameSys.SetSystem(0, 0, 800, 600, "Tessera Forge");
  click(tf::kFuncFullScreen);
  const bool full = tf::gameSys.getFS();
  click(tf::kFuncWindow);
  EXPECT_EQ(ints({full, tf::gameSys.getFS()}), "1 0");
  EXPECT_EQ(platform.calls, (Lines{"fullscreen", "window 5,26 800x600"}));

  tf::gameSys.setSoundState(false);
  audio.played.clear();
  click(tf::kFuncSoundOn);
  EXPECT_EQ(noticeText() + std::to_string(tf::gameSys.getSoundState()), "Sound: Sound has been ^yenabled^w.1");
  EXPECT_EQ(audio.played, Lines{"soundreq/mainmenu.wav looping"});  // the click came while sound was off
  click(tf::kFuncSoundOn);  // already on: the music is not started twice
  EXPECT_EQ(audio.played.back(), kClick);
  click(tf::kFuncSoundOff);
  EXPECT_EQ(noticeText() + std::to_string(tf::gameSys.getSoundState()), "Sound: Sound has been ^ydisabled^w.0");
  tf::gameSys.setGameState(tf::kStateIngameMenu);  // outside the menus the music is left alone
  const std::size_t before = audio.played.size();
  click(tf::kFuncSoundOn);
  click(tf::kFuncSoundOn);
  EXPECT_EQ(audio.played.size(), before + 1);  // the second click only

  const struct {
    float from;
    int func;
    float to;
  } volumes[] = {{0.5f, tf::kFuncVolumeUp, 0.6f}, {0.5f, tf::kFuncVolumeDown, 0.4f}, {0.95f, tf::kFuncVolumeUp, 1}};
  for (const auto& v : volumes) {
    tf::gameSys.setSoundVolume(v.from);
    tf::gameSys.setVolTimer(0);
    click(v.func);
    EXPECT_NEAR(tf::gameSys.getSoundVolume(), v.to, 1e-6) << v.from << " " << v.func;
    EXPECT_EQ(tf::gameSys.getVolTimer(), 1000);
  }
}

TEST_F(ButtonActions, IdsThatDoNothingStillClickAndQuitEndsTheProgramOrderly) {
  const tf::System before = tf::gameSys;
  for (int func : {27, 28, 32, 99, -1}) click(func, 3);
  EXPECT_EQ(played(kClick), 5);
  EXPECT_EQ(ints({tf::gameSys.getGameState(), tf::gameSys.getInputState(), tf::gameUI.getCurrentMenu()}),
            ints({before.getGameState(), before.getInputState(), 0}));
  EXPECT_EQ(noticeText(), "");
  EXPECT_EXIT(click(tf::kFuncQuit), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(click(tf::kFuncLeaveGame), ::testing::ExitedWithCode(0), "");
}

TEST_F(ButtonActions, DescriptionsNameTheProgramAndTheArgument) {
  tf::gameSys.SetSystem(0, 0, 800, 600, "My Toolkit");
  const struct {
    int func, func2;
    const char *editor, *tooltip;
  } cases[] = {
      {0, 0, "Quit My Toolkit", "Quit My Toolkit"}, {1, 3, "Load Menu ^y3", "Hide"},
      {2, 4, "Game State ^y4", "Hide"},             {3, 5, "Input State ^y5", "Hide"},
      {4, 0, "Open Dialogbox ^y0", "Hide"},         {6, 0, "^yDisable^w Debug Mode", "Disable Debug Mode"},
      {6, 1, "^yEnable^w Debug Mode", "Enable Debug Mode"}, {8, 0, "Leave Game", "Leave Game"},
      {20, 0, "^yEnable^w Windows Mode", "Window Mode"}, {31, 0, "Open Help", "Help"},
      {7, 0, "Hide", "Hide"},                       {32, 0, "Hide", "Hide"},
      {-3, 0, "Hide", "Hide"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tf::buttonEditorDescription(c.func, c.func2) + " | " + tf::buttonTooltipDescription(c.func, c.func2),
              c.editor + std::string(" | ") + c.tooltip);
  }
}

TEST_F(ButtonActions, EachFogControlChangesOnePartOfTheCurrentMapsFog) {
  addMaps(2);
  tf::world.setCurrentMap(1);
  auto fogAfter = [](int function, bool on, float density, const std::vector<float>& color, int m) {
    tf::world.worldSetFog(on, density, color.data(), 1);
    tf::menuFunction(function);
    float d, r, g, b;
    tf::world.worldGetFog(on, d, r, g, b, m);
    char text[64];
    std::snprintf(text, sizeof text, "%d %.3g %.3g %.3g %.3g", on, d, r, g, b);
    return std::string(text);
  };
  const char* const fromHalf[] = {"1 0.5 0.5 0.5 0.5", "0 0.6 0.5 0.5 0.5", "0 0.4 0.5 0.5 0.5", "0 0.5 0.6 0.5 0.5",
                                  "0 0.5 0.4 0.5 0.5", "0 0.5 0.5 0.6 0.5", "0 0.5 0.5 0.4 0.5", "0 0.5 0.5 0.5 0.6",
                                  "0 0.5 0.5 0.5 0.4", "0 0.5 0.5 0.5 0.5"};  // 30 is no fog control
  for (int function = 21; function <= 30; ++function) {
    EXPECT_EQ(fogAfter(function, false, 0.5f, {0.5f, 0.5f, 0.5f}, 1), fromHalf[function - 21]) << function;
  }
  EXPECT_EQ(fogAfter(21, true, 0.5f, {0.5f, 0.5f, 0.5f}, 1), "0 0.5 0.5 0.5 0.5");
  EXPECT_EQ(fogAfter(21, true, 0.5f, {0.5f, 0.5f, 0.5f}, 0), "0 0 1 1 1");  // map 0 untouched
  // The controls do not clamp; the map keeps its value when a step leaves 0.1 to 1.0.
  for (int function : {23, 24, 27}) {
    EXPECT_EQ(fogAfter(function, true, 0.1f, {1.0f, 0.1f, 0.5f}, 1), "1 0.1 1 0.1 0.5") << function;
  }
}

}  // namespace
