// The console's commands on a data tree of their own: exact command words,
// each command's messages, notices and argument rules, unsafe game names.
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
#include "messages.h"

using tf::console;
using Lines = std::vector<std::string>;

namespace {

class ConsoleCommands : public tftest::GameTree {
 protected:
  void SetUp() override {
    GameTree::SetUp();
    console = tf::debugConsole();
  }
  void TearDown() override {
    console = tf::debugConsole();
    GameTree::TearDown();
  }

  // Runs `line`; what it echoed between the entry line (with the empty line
  // after it) and the closing empty line.
  Lines run(const std::string& line) {
    tftest::MessageLog messages;
    console.setCommandLine(line);
    console.inputConsole(line);
    Lines lines = messages.lines();
    EXPECT_EQ(console.getCommandLine(), "");
    EXPECT_GE(lines.size(), 3u) << line;
    if (lines.size() < 3) return lines;
    EXPECT_EQ(lines[0], "^wYou have entered: ^y" + line);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines.back(), "");
    return Lines(lines.begin() + 2, lines.end() - 1);
  }

  static std::string shownNotice() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time == 1 ? title + " | " + message : "";
  }
};

TEST_F(ConsoleCommands, WordsArgumentsAndRefusalsWithTheirNotices) {
  writeGame("maze", tftest::sampleGame());
  writeGame("../system", tftest::sampleGame());  // games/../system, were the name not checked
  dir.write("outside/system/help.cfg", tftest::helpFileText("Outside"));
  run("loadhelp maze");
  ASSERT_EQ(tf::uiHelp.getHelpTitle(), "maze Help");

  // Words are matched exactly and split at the first space; unused arguments change nothing.
  const Lines help = {"", "^w^3Help", "", "^wType '^ycommands^w' for a list of commands"};
  for (const char* line : {"help", "Help", "help me please", "help "}) EXPECT_EQ(run(line), help) << line;
  for (const char* line : {"HELP", "hElp", " help", "", "QUIT"}) {
    EXPECT_EQ(run(line), Lines{"^yWARNING: ^wThat command wasn't found. Please try again."}) << line;
  }
  for (const char* line : {"editui", "editui MainUI", "Editui default", "editui mainui "}) {
    EXPECT_EQ(run(line), Lines{"^rERROR:^w You must enter editui mainui ^yor^w editui ingameui!"}) << line;
  }
  // Refusals: (game state, command, the last line echoed, the notice shown).
  const std::string badName = "Cannot load help, the name: ^y../outside^w cannot be a folder name";
  const std::string noHelp = "Cannot load help, no game name has been entered.";
  const std::string noGame = "There is no game loaded, unable to change map.";
  const std::string noName = "Enter a valid game name for a game to be loaded.";
  const std::string cannotOpen = "Unable to open game: ^y../system";
  const std::string controlName = "Cannot load help, the name: ^yx?y^w cannot be a folder name";
  const struct {
    int state;
    const char* line;
    std::string echoed, notice;
  } cases[] = {
      {tf::kStateMenus, "loadmap 0", "^rERROR: ^w" + noGame, "^yERROR | " + noGame},
      {tf::kStateMenus, "loadhelp", "^rERROR:^w " + noHelp, "^yERROR | " + noHelp},
      {tf::kStateMenus, "loadhelp ../outside", "^rERROR:^w " + badName, "^yERROR | " + badName},
      {tf::kStateMenus, "Loadhelp x\ny", "^rERROR:^w " + controlName, "^yERROR | " + controlName},
      {tf::kStateMenus, "loadgame", "^rERROR:^w " + noName, "Game Load | " + noName},
      {tf::kStateMenus, "loadgame ../system", "^rERROR: ^w" + cannotOpen, "^yERROR | " + cannotOpen},
      {tf::kStateWorldEditor, "loadgame maze", "^rERROR:^w Cannot load game, Editor is active",
       "^yERROR | Cannot load game. Editor is active"},
      {tf::kStatePlay, "editui mainui", "^rERROR: ^wYou must be in the Main Menu to edit a specific UI",
       "Edit UI | You must be in the Main Menu to edit a UI"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    tf::notice.leaveNotice();
    tf::gameSys.setGameState(c.state);
    const Lines echoed = run(c.line);
    EXPECT_EQ(echoed.empty() ? "" : echoed.back(), c.echoed);
    EXPECT_EQ(shownNotice(), c.notice);
  }
  EXPECT_FALSE(tf::world.getGameLoaded());
  EXPECT_EQ(tf::uiHelp.getHelpTitle(), "maze Help");
}

TEST_F(ConsoleCommands, TheCommandListAndTheCredits) {
  const Lines list = run("commands");
  ASSERT_EQ(list.size(), 16u);
  EXPECT_EQ(list[1], "^3^wCommands");
  EXPECT_EQ(list[3], "^yWARNING: ^wImproper use may crash Tessera Forge!");
  EXPECT_EQ(list[10], "^w'^yloadgame NAME^w' where NAME is the title of the game");
  EXPECT_EQ(list[15], "^w'^ylog (message)^w' - Outputs a string to the log file: ^y/log.txt^w.");
  EXPECT_EQ(run("Commands"), list);
  const Lines credits = run("Credits");
  ASSERT_EQ(credits.size(), 7u);
  EXPECT_EQ(credits[1], "^3Credits");
  EXPECT_EQ(run("credits"), credits);
}

TEST_F(ConsoleCommands, FullscreenAndDebugTakeOnlyOnAndOffAndReportTheModeInForce) {
  const Lines greeting = {"", "^yDebug mode is ^yEnabled",
                          "^wTo ^ydisable ^wdebug mode, type '^ydebug off^w' into this console.",
                          "^wYou may also press ^yF2^w to toggle debug mode at any time.", ""};
  Lines greetingAgain = greeting;
  greetingAgain.push_back("Cannot change debug state, it is already ^yEnabled^w.");
  const std::pair<const char*, Lines> steps[] = {
      {"fullscreen ON", {}}, {"fullscreen", {}}, {"Fullscreen yes", {}}, {"fullscreen on ", {}}, {"fullscreen on", {}},
      {"Fullscreen On", {"^rERROR:^w Cannot enter fullscreen mode because it is currently enabled!"}},
      {"Fullscreen Off", {}},
      {"fullscreen off", {"^rERROR:^w Cannot enter Window mode because it is currently enabled!"}},
      {"debug on", greeting}, {"debug OFF", {}}, {"debug", {}}, {"Debug On", greetingAgain},
      // Off when it is off already: silently off, with the same line.
      {"debug off", {"^wDebug mode ^yoff"}}, {"Debug Off", {"^wDebug mode ^yoff"}}};
  for (const auto& step : steps) EXPECT_EQ(run(step.first), step.second) << step.first;
  EXPECT_EQ(platform.calls, (Lines{"fullscreen", "window 5,26 1x1"}));
  EXPECT_FALSE(tf::gameSys.getDebugState());
}

TEST_F(ConsoleCommands, SaveWritesTheSettingsAndQuitEndsTheProgramSavingThem) {
  tf::gameSys.setDebugState(true, true);
  run("save");
  EXPECT_NE(dir.read("system/system.cfg").find("f debugMode 1\n"), std::string::npos);
  tf::gameSys.setDebugState(false, true);
  for (const char* word : {"Quit ", "quit", "exit", "Exit"}) {
    EXPECT_EXIT(console.inputConsole(word), ::testing::ExitedWithCode(0), "") << word;
  }
  EXPECT_NE(dir.read("system/system.cfg").find("f debugMode 0\n"), std::string::npos);
}

TEST_F(ConsoleCommands, LoadgameLoadmapAndEdituiChangeWhatIsShownAndCloseTheConsole) {
  writeGame("my maze", tftest::sampleGame());
  tf::gameSys.setDebugState(true, true);
  console.enableConsole();
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  run("loadgame my maze");  // refused, and the console stays
  EXPECT_EQ(console.getAnimState(), tf::kConsoleOpening);
  tf::gameSys.setGameState(tf::kStateMenus);
  run("Loadgame my maze");  // the name is everything after the first space
  EXPECT_EQ(tf::world.getGameName(), "my maze");
  EXPECT_EQ(console.getAnimState(), tf::kConsoleClosing);

  console.enableConsole();
  for (const char* line : {"loadmap 2", "loadmap -1", "loadmap 99999999999999999999"}) {
    EXPECT_EQ(run(line), Lines{"^rERROR: ^wAttempted to load an unloaded map"}) << line;
  }
  EXPECT_EQ(console.getAnimState(), tf::kConsoleOpening);
  EXPECT_TRUE(run("loadmap 1").empty());
  EXPECT_EQ(tf::world.getCurrentMap(), 1);
  EXPECT_EQ(console.getAnimState(), tf::kConsoleClosing);
  // Not a number, or none: map 0.
  for (auto step : {std::pair<const char*, int>{"Loadmap two", 0}, {"loadmap 1", 1}, {"loadmap", 0}}) {
    run(step.first);
    EXPECT_EQ(tf::world.getCurrentMap(), step.second) << step.first;
  }
  run("Quituiedit");  // leaves the toolkit's own menus only, not a game
  EXPECT_EQ(tf::world.getGameName(), "my maze");

  tf::gameSys.setGameState(tf::kStateMenus);
  console.enableConsole();
  run("Editui ingameui");
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenuEditor);
  EXPECT_EQ(console.getAnimState(), tf::kConsoleClosing);
  run("quituiedit");
  EXPECT_FALSE(tf::world.getGameLoaded());
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
}

TEST_F(ConsoleCommands, LogWritesTheWholeArgumentAndEchoOnlyShowsIt) {
  tf::gameLog.openLog("log.txt");
  EXPECT_EQ(run("log hello console"), Lines{"hello console"});
  EXPECT_EQ(run("Log  two  spaces "), Lines{" two  spaces "});
  EXPECT_EQ(run("echo only here"), Lines{"only here"});
  EXPECT_EQ(run("Echo ^ycolour"), Lines{"^ycolour"});
  tf::gameLog.closeLog();
  EXPECT_EQ(dir.read("log.txt"), "hello console\n two  spaces \nClosing log file \n");
}

}  // namespace
