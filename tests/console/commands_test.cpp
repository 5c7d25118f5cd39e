// The console's commands on a data tree of their own: exact, case-sensitive
// command words split at the first space, each command's messages, notices
// and argument rules, game names that reach out of games/ refused, and the
// program ending with its settings saved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "core/log.h"
#include "core/system.h"
#include "game/world.h"
#include "game_tree.h"
#include "media/notice.h"
#include "menus/help.h"
#include "menus/ui.h"
#include "messages.h"

using tf::console;

namespace {

bool startsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

// True when `text` holds `line` as one whole line.
bool hasLine(const std::string& text, const std::string& line) {
  return startsWith(text, line + "\n") || text.find("\n" + line + "\n") != std::string::npos;
}

std::string shownNotice() {
  std::string title, message;
  int time = 0;
  tf::notice.getNotice(title, message, time);
  return time == 1 ? title + " | " + message : "(none)";
}

// A game of `maps` small maps.
tf::gameWorld mazeGame(int maps) {
  tf::gameWorld game;
  game.allocateMaps(maps);
  for (int m = 0; m < maps; ++m) {
    game.worldSetMap(3 + m, 2, "Room " + std::to_string(m), m);
    game.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 1, 0, 0, m);
  }
  return game;
}

class ConsoleCommands : public tftest::GameTree {
 protected:
  void SetUp() override {
    GameTree::SetUp();
    saved = console;
    console = tf::debugConsole();
    tf::notice.leaveNotice();
  }
  void TearDown() override {
    console = saved;
    tf::notice.leaveNotice();
    GameTree::TearDown();
  }

  // Runs `line` and returns what it echoed after the entry line and the
  // empty line that follows it, up to the closing empty line.
  std::vector<std::string> run(const std::string& line) {
    tftest::MessageLog messages;
    console.setCommandLine(line);
    console.inputConsole(line);
    std::vector<std::string> lines = messages.lines();
    EXPECT_GE(lines.size(), 3u);
    if (lines.size() < 3) return lines;
    EXPECT_EQ(lines[0], "^wYou have entered: ^y" + line);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(console.getCommandLine(), "");
    return std::vector<std::string>(lines.begin() + 2, lines.end() - 1);
  }

  void openConsole() {
    console.enableConsole();
    while (console.getAnimState() != tf::kConsoleOpen) console.beginFrame(true);
  }

  tf::debugConsole saved;
};

const std::vector<std::string> kNotFound = {"^yWARNING: ^wThat command wasn't found. Please try again."};

TEST_F(ConsoleCommands, WordsAreMatchedExactlyAndSplitAtTheFirstSpace) {
  const std::vector<std::string> help = {"", "^w^3Help", "", "^wType '^ycommands^w' for a list of commands"};
  EXPECT_EQ(run("help"), help);
  EXPECT_EQ(run("Help"), help);
  EXPECT_EQ(run("HELP"), kNotFound);
  EXPECT_EQ(run("hElp"), kNotFound);
  EXPECT_EQ(run(" help"), kNotFound);  // the word before the first space is empty
  EXPECT_EQ(run(""), kNotFound);
  // An argument a command does not use changes nothing.
  EXPECT_EQ(run("help me please"), help);
  EXPECT_EQ(run("help "), help);
}

TEST_F(ConsoleCommands, TheCommandListAndTheCredits) {
  const std::vector<std::string> list = run("commands");
  ASSERT_EQ(list.size(), 16u);
  EXPECT_EQ(list[1], "^3^wCommands");
  EXPECT_EQ(list[3], "^yWARNING: ^wImproper use may crash Tessera Forge!");
  EXPECT_EQ(list[4], "^w'^ySave^w' - Saves current system settings.");
  EXPECT_EQ(list[10], "^w'^yloadgame NAME^w' where NAME is the title of the game");
  EXPECT_EQ(list[15], "^w'^ylog (message)^w' - Outputs a string to the log file: ^y/log.txt^w.");
  EXPECT_EQ(run("Commands"), list);

  const std::vector<std::string> credits = run("Credits");
  ASSERT_EQ(credits.size(), 7u);
  EXPECT_EQ(credits[1], "^3Credits");
  for (int i = 3; i < 7; ++i) EXPECT_TRUE(startsWith(credits[i], "^w")) << credits[i];
  EXPECT_EQ(run("credits"), credits);
}

TEST_F(ConsoleCommands, QuitEndsTheProgramWithItsSettingsSaved) {
  EXPECT_EXIT(console.inputConsole("Quit "), ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(dir.exists("system/system.cfg"));
  for (const char* word : {"quit", "exit", "Exit", "Quit"}) {
    EXPECT_EXIT(console.inputConsole(word), ::testing::ExitedWithCode(0), "") << word;
  }
  EXPECT_EQ(run("QUIT"), kNotFound);
}

TEST_F(ConsoleCommands, SaveWritesTheSettings) {
  EXPECT_FALSE(dir.exists("system/system.cfg"));
  tf::gameSys.setDebugState(true, true);
  run("save");
  EXPECT_NE(dir.read("system/system.cfg").find("f debugMode 1\n"), std::string::npos);
}

TEST_F(ConsoleCommands, FullscreenTakesOnlyOnAndOff) {
  for (const char* line : {"fullscreen ON", "fullscreen", "Fullscreen yes", "fullscreen on ", "FullScreen on"}) {
    run(line);
    EXPECT_TRUE(platform.calls.empty()) << line;
    EXPECT_FALSE(tf::gameSys.getFS()) << line;
  }
  run("fullscreen on");
  EXPECT_TRUE(tf::gameSys.getFS());
  EXPECT_EQ(run("Fullscreen On"),
            std::vector<std::string>{"^rERROR:^w Cannot enter fullscreen mode because it is currently enabled!"});
  run("Fullscreen Off");
  EXPECT_FALSE(tf::gameSys.getFS());
  run("fullscreen off");
  EXPECT_EQ(platform.calls.size(), 2u);
  EXPECT_EQ(platform.calls[0], "fullscreen");
}

TEST_F(ConsoleCommands, DebugOnGreetsAndDebugOffSaysSo) {
  const std::vector<std::string> greeting = {
      "", "^yDebug mode is ^yEnabled", "^wTo ^ydisable ^wdebug mode, type '^ydebug off^w' into this console.",
      "^wYou may also press ^yF2^w to toggle debug mode at any time.", ""};
  EXPECT_EQ(run("debug on"), greeting);
  EXPECT_TRUE(tf::gameSys.getDebugState());
  // Asked again, it greets and reports that it is on already.
  std::vector<std::string> again = greeting;
  again.push_back("Cannot change debug state, it is already ^yEnabled^w.");
  EXPECT_EQ(run("Debug On"), again);

  EXPECT_TRUE(run("debug OFF").empty());
  EXPECT_TRUE(run("debug").empty());
  EXPECT_TRUE(tf::gameSys.getDebugState());
  EXPECT_EQ(run("debug off"), std::vector<std::string>{"^wDebug mode ^yoff"});
  EXPECT_FALSE(tf::gameSys.getDebugState());
  // Off when it is off already: silently off, with the same line.
  EXPECT_EQ(run("Debug Off"), std::vector<std::string>{"^wDebug mode ^yoff"});
}

TEST_F(ConsoleCommands, LoadgameLoadsTheGameAndClosesTheConsole) {
  writeGame("maze", mazeGame(3));
  openConsole();
  run("loadgame maze");
  EXPECT_TRUE(tf::world.getGameLoaded());
  EXPECT_EQ(tf::world.getGameName(), "maze");
  EXPECT_EQ(tf::world.getMapCount(), 3);
  EXPECT_EQ(console.getAnimState(), tf::kConsoleClosing);
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  // The name is everything after the first space.
  writeGame("my maze", mazeGame(1));
  run("Loadgame my maze");
  EXPECT_EQ(tf::world.getGameName(), "my maze");
}

TEST_F(ConsoleCommands, LoadgameIsRefusedInTheEditor) {
  writeGame("maze", mazeGame(3));
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  openConsole();
  EXPECT_EQ(run("loadgame maze"), std::vector<std::string>{"^rERROR:^w Cannot load game, Editor is active"});
  EXPECT_EQ(shownNotice(), "^yERROR | Cannot load game. Editor is active");
  EXPECT_FALSE(tf::world.getGameLoaded());
  EXPECT_EQ(console.getAnimState(), tf::kConsoleOpen);
}

TEST_F(ConsoleCommands, LoadgameRefusesNamesOutsideTheGamesFolder) {
  // Without the check, games/../system would reach this map file.
  dir.write("games/readme.txt", "");
  writeGame("../system", mazeGame(2));
  ASSERT_TRUE(dir.exists("system/system/map.cfg"));
  for (const std::string name : {"../system", "..", "a/b", ""}) {
    SCOPED_TRACE(name);
    tf::notice.leaveNotice();
    const std::vector<std::string> lines = run("loadgame " + name);
    EXPECT_FALSE(tf::world.getGameLoaded());
    EXPECT_NE(shownNotice(), "(none)");
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(startsWith(lines.back(), "^rERROR:")) << lines.back();
  }
  EXPECT_EQ(shownNotice(), "Game Load | Enter a valid game name for a game to be loaded.");
  run("loadgame ../system");
  EXPECT_EQ(shownNotice(), "^yERROR | Unable to open game: ^y../system");
}

TEST_F(ConsoleCommands, LoadmapChangesToAMapOfTheLoadedGame) {
  writeGame("maze", mazeGame(3));
  tf::gameSys.setDebugState(true, true);
  run("loadgame maze");
  openConsole();

  EXPECT_EQ(run("loadmap 3"), std::vector<std::string>{"^rERROR: ^wAttempted to load an unloaded map"});
  EXPECT_EQ(run("loadmap -1"), std::vector<std::string>{"^rERROR: ^wAttempted to load an unloaded map"});
  EXPECT_EQ(run("loadmap 99999999999999999999"),
            std::vector<std::string>{"^rERROR: ^wAttempted to load an unloaded map"});
  EXPECT_EQ(tf::world.getCurrentMap(), 0);
  EXPECT_EQ(console.getAnimState(), tf::kConsoleOpen);

  EXPECT_TRUE(run("loadmap 2").empty());
  EXPECT_EQ(tf::world.getCurrentMap(), 2);
  EXPECT_EQ(console.getAnimState(), tf::kConsoleClosing);
  // Not a number: map 0.
  run("Loadmap two");
  EXPECT_EQ(tf::world.getCurrentMap(), 0);
  run("loadmap 1");
  EXPECT_EQ(tf::world.getCurrentMap(), 1);
  run("loadmap");
  EXPECT_EQ(tf::world.getCurrentMap(), 0);
}

TEST_F(ConsoleCommands, LoadmapWithoutAGame) {
  EXPECT_EQ(run("loadmap 0"),
            std::vector<std::string>{"^rERROR: ^wThere is no game loaded, unable to change map."});
  EXPECT_EQ(shownNotice(), "^yERROR | There is no game loaded, unable to change map.");
}

TEST_F(ConsoleCommands, LoadhelpReadsTheHelpOfAGame) {
  writeGame("maze", mazeGame(1));
  run("loadhelp maze");
  EXPECT_EQ(tf::uiHelp.getHelpTitle(), "maze Help");
  // A game without help of its own falls back to the toolkit's.
  dir.write("games/bare/system/map.cfg", "");
  run("Loadhelp bare");
  EXPECT_EQ(tf::uiHelp.getHelpTitle(), tftest::kToolkitHelpTitle);
}

TEST_F(ConsoleCommands, LoadhelpRefusesNamesOutsideTheGamesFolder) {
  writeGame("maze", mazeGame(1));
  run("loadhelp maze");
  // games/../outside/system/help.cfg would be read without the check.
  dir.write("outside/system/help.cfg", tftest::helpFileText("Outside"));
  for (const std::string name : {"../outside", "../../etc", "a\\b", ". .", "x\ny"}) {
    SCOPED_TRACE(name);
    tf::notice.leaveNotice();
    const std::vector<std::string> lines = run("loadhelp " + name);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(startsWith(lines[0], "^rERROR:^w Cannot load help, the name: ^y")) << lines[0];
    EXPECT_EQ(lines[0].find('\n'), std::string::npos);
    EXPECT_TRUE(startsWith(shownNotice(), "^yERROR | Cannot load help")) << shownNotice();
    EXPECT_EQ(tf::uiHelp.getHelpTitle(), "maze Help");
  }
  EXPECT_EQ(run("loadhelp ../outside"),
            std::vector<std::string>{"^rERROR:^w Cannot load help, the name: ^y../outside^w cannot be a folder name"});
  EXPECT_EQ(run("loadhelp"), std::vector<std::string>{"^rERROR:^w Cannot load help, no game name has been entered."});
  EXPECT_EQ(tf::uiHelp.getHelpTitle(), "maze Help");
}

TEST_F(ConsoleCommands, EditUiOnlyFromTheMainMenuAndOnlyForTheToolkitsMenus) {
  tf::gameSys.setGameState(tf::kStatePlay);
  EXPECT_EQ(run("editui mainui"),
            std::vector<std::string>{"^rERROR: ^wYou must be in the Main Menu to edit a specific UI"});
  EXPECT_EQ(shownNotice(), "Edit UI | You must be in the Main Menu to edit a UI");

  tf::gameSys.setGameState(tf::kStateMenus);
  for (const char* line : {"editui", "editui MainUI", "editui default", "editui mainui "}) {
    EXPECT_EQ(run(line), std::vector<std::string>{"^rERROR:^w You must enter editui mainui ^yor^w editui ingameui!"})
        << line;
  }
  EXPECT_FALSE(tf::world.getGameLoaded());

  openConsole();
  run("Editui ingameui");
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenuEditor);
  EXPECT_EQ(tf::world.getGameName(), "ingameui");
  EXPECT_EQ(console.getAnimState(), tf::kConsoleClosing);
  EXPECT_EQ(shownMenuText(), std::string(tftest::kIngameMarker) + " menu 0");

  run("quituiedit");
  EXPECT_FALSE(tf::world.getGameLoaded());
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
  EXPECT_EQ(shownMenuText(), std::string(tftest::kToolkitMarker) + " menu 1");
}

TEST_F(ConsoleCommands, QuitUiEditLeavesOnlyTheToolkitsMenus) {
  writeGame("maze", mazeGame(1));
  tf::gameSys.setDebugState(true, true);
  run("loadgame maze");
  ASSERT_TRUE(tf::world.getGameLoaded());
  run("Quituiedit");
  EXPECT_TRUE(tf::world.getGameLoaded());
  EXPECT_EQ(tf::world.getGameName(), "maze");
}

TEST_F(ConsoleCommands, LogWritesTheWholeArgumentAndEchoOnlyShowsIt) {
  tf::gameLog.openLog("log.txt");
  EXPECT_EQ(run("log hello console"), std::vector<std::string>{"hello console"});
  EXPECT_EQ(run("Log  two  spaces "), std::vector<std::string>{" two  spaces "});
  EXPECT_EQ(run("echo only here"), std::vector<std::string>{"only here"});
  EXPECT_EQ(run("Echo ^ycolour"), std::vector<std::string>{"^ycolour"});
  tf::gameLog.closeLog();
  const std::string log = dir.read("log.txt");
  EXPECT_TRUE(hasLine(log, "hello console")) << log;
  EXPECT_TRUE(hasLine(log, " two  spaces ")) << log;
  EXPECT_EQ(log.find("only here"), std::string::npos);
  EXPECT_EQ(log.find("colour"), std::string::npos);
}

}  // namespace
