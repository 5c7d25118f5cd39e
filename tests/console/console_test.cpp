// The console on a data tree of its own: each command's messages, notices and
// argument rules, the history and its scrolling, the slide, and the ten lines
// a frame shows.
#include "console/console.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "console/console_view.h"
#include "core/log.h"
#include "game_tree.h"
#include "media/notice.h"
#include "messages.h"

using namespace tf;
using Lines = std::vector<std::string>;
using Ys = std::vector<float>;

namespace {

class Console : public tftest::GameTree {
 protected:
  void SetUp() override { GameTree::SetUp(); console = debugConsole(); }
  void TearDown() override { console = debugConsole(); GameTree::TearDown(); }
  // Runs `line`; what it echoed between the entry line and empty line after it and the closing empty line.
  Lines run(const std::string& line) {
    tftest::MessageLog messages;
    console.setCommandLine(line);
    console.inputConsole(line);
    const Lines lines = messages.lines();
    EXPECT_GE(lines.size(), 3u) << line;
    if (lines.size() < 3) return lines;
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 2), (Lines{"^wYou have entered: ^y" + line, ""}));
    EXPECT_EQ(lines.back(), "");
    return Lines(lines.begin() + 2, lines.end() - 1);
  }
  // The panel's place after each drawn frame, for `frames` frames or until the console has closed.
  static Ys slide(int frames) {
    Ys ys;
    for (int i = 0; i < frames && console.beginFrame(true); ++i) ys.push_back(console.getConsoleY());
    return ys;
  }
};

TEST_F(Console, EachCommandsMessagesNoticesAndArgumentRules) {
  writeGame("my maze", tftest::sampleGame());
  writeGame("../system", tftest::sampleGame());  // games/../system, were the name not checked
  dir.write("outside/system/help.cfg", tftest::helpFileText("Outside"));
  gameLog.openLog("log.txt");
  const std::string noGame = "There is no game loaded, unable to change map.";
  const std::string outside = "Unable to open game: ^y../system";
  const std::string badHelp = "Cannot load help, the name: ^y../outside^w cannot be a folder name";
  const Lines help = {"", "^w^3Help", "", "^wType '^ycommands^w' for a list of commands"};
  const Lines unknown = {"^yWARNING: ^wThat command wasn't found. Please try again."};
  const Lines unloaded = {"^rERROR: ^wAttempted to load an unloaded map"};
  const int kAsItIs = -1;
  const struct {
    int state;
    const char* line;
    Lines echoed;
    std::string notice;
  } steps[] = {
      {kStateMenus, "Log  two  spaces ", {" two  spaces "}, ""},  // the whole argument, first in the log
      // Words are matched exactly, case aside, and split at the first space.
      {kStateMenus, "help", help, ""}, {kStateMenus, "Help", help, ""}, {kStateMenus, "help me please", help, ""},
      {kStateMenus, "help ", help, ""}, {kStateMenus, "HELP", unknown, ""}, {kStateMenus, " help", unknown, ""},
      {kStateMenus, "", unknown, ""}, {kStateMenus, "echo ^ycolour", {"^ycolour"}, ""},
      {kStateMenus, "Editui mainui ", {"^rERROR:^w You must enter editui mainui ^yor^w editui ingameui!"}, ""},
      {kStatePlay, "editui mainui", {"^rERROR: ^wYou must be in the Main Menu to edit a specific UI"},
       "Edit UI | You must be in the Main Menu to edit a UI"},
      {kStateMenus, "fullscreen ON", {}, ""}, {kStateMenus, "fullscreen on", {}, ""},
      {kStateMenus, "Fullscreen Off", {}, ""}, {kStateMenus, "Debug Off", {"^wDebug mode ^yoff"}, ""},
      {kStateMenus, "fullscreen off", {"^rERROR:^w Cannot enter Window mode because it is currently enabled!"}, ""},
      // Refusals, with their notices; names reaching outside games/ are refused.
      {kStateMenus, "loadhelp", {"^rERROR:^w Cannot load help, no game name has been entered."},
       "^yERROR | Cannot load help, no game name has been entered."},
      {kStateMenus, "loadhelp ../outside", {"^rERROR:^w " + badHelp}, "^yERROR | " + badHelp},
      {kStateMenus, "loadgame ../system", {"^rERROR: ^w" + outside}, "^yERROR | " + outside},
      {kStateMenus, "loadmap 0", {"^rERROR: ^w" + noGame}, "^yERROR | " + noGame},
      {kStateWorldEditor, "loadgame my maze", {"^rERROR:^w Cannot load game, Editor is active"},
       "^yERROR | Cannot load game. Editor is active"},
      // The name is everything after the first space; maps are numbered from 0 up to the last one loaded.
      {kStateMenus, "Loadgame my maze", {"^2^ymy maze^g Game World Initialization Successful", ""}, ""},
      {kAsItIs, "loadmap 2", unloaded, ""}, {kAsItIs, "loadmap -1", unloaded, ""},
      {kAsItIs, "loadmap 99999999999999999999", unloaded, ""}, {kAsItIs, "loadmap 1", {}, ""},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.line);
    notice.leaveNotice();
    if (step.state != kAsItIs) gameSys.setGameState(step.state);
    const Lines echoed = run(step.line);
    const Lines tail(echoed.end() - std::min(echoed.size(), step.echoed.size()), echoed.end());
    EXPECT_EQ(step.echoed.empty() ? echoed : tail, step.echoed);
    EXPECT_EQ(tftest::shownNotice(), step.notice.empty() ? "(none)" : step.notice);
  }
  EXPECT_EQ(world.getCurrentMap(), 1);
  platform.calls.resize(2);  // the loading screens follow
  EXPECT_EQ(platform.calls, (Lines{"fullscreen", "window 5,26 1x1"}));
  EXPECT_EQ(run("commands").size(), 16u);
  EXPECT_EQ(run("Credits").size(), 7u);
  gameLog.closeLog();
  EXPECT_EQ(dir.read("log.txt").substr(0, 14), " two  spaces \n");
}

TEST_F(Console, HistoryScrollsOverExistingLinesItSlidesTenUnitsAFrameAndAFrameShowsTenLines) {
  for (int i = 0; i < 3; ++i) console.echo("line " + std::to_string(i));
  EXPECT_EQ((Lines{console.getLine(0), console.getLine(2), console.getLine(3)}), (Lines{"line 2", "line 0", ""}));
  console.scrollOldest();
  console.echo("new");  // the scroll position stays on its line as new lines arrive
  EXPECT_EQ(console.getLine(console.getCurrentLine()), "line 1");
  console.setCurrentLine(4);
  console.scrollOlder();
  EXPECT_EQ(console.getCurrentLine(), 3);
  console.enableConsole();
  for (int pass = 0; pass < 20; ++pass) ASSERT_TRUE(console.beginFrame(false));  // pick passes do not move it
  // Ten units a frame; at 80 it is past 78: the next frame ends the slide without moving.
  EXPECT_EQ(slide(16), (Ys{-60, -50, -40, -30, -20, -10, 0, 10, 20, 30, 40, 50, 60, 70, 80, 80}));
  EXPECT_EQ(console.getAnimState(), kConsoleOpen);
  console.disableConsole();
  EXPECT_EQ(slide(20).size(), 14u);  // 70 down to -60
  EXPECT_FALSE(console.getConsoleState());
  console = debugConsole();
  for (int i = 0; i < 30; ++i) console.echo("line " + std::to_string(i));
  console.enableConsole();
  slide(20);
  for (int current : {0, 25}) {
    console.setCurrentLine(current);
    const ConsoleView view = consoleView(console, kStateMenus, "_");
    ASSERT_EQ(view.lines.size(), 10u);
    for (int k = 0; k < 10; ++k) {
      const int line = 29 - current - k;  // at the oldest lines the rows above them are empty
      EXPECT_EQ(view.lines[k].text, line < 0 ? "^w" : "^wline " + std::to_string(line)) << current << " " << k;
    }
  }
}

}  // namespace
