// The developer console driven by real keys: opened with the back-quote key,
// it loads a game, changes its map, switches debug mode, writes to the log
// and ends the program, which saves its settings on the way out.
#include <gtest/gtest.h>

#include <string>

#include "harness/session.h"

using tfe2e::Session;

namespace {

// A game of two maps with one object each and a menu of its own.
void writeTour(Session& s) {
  s.writeFile("games/tour/system/map.cfg",
              "f version 1\n"
              "f map0stretch 0\nf map0layer 7\nf map0fog 0\nf map0fogdensity 0.1\n"
              "f map0fogr 1\nf map0fogg 1\nf map0fogb 1\n"
              "f map0w 4\nf map0h 3\ns map0name Entrance\n"
              "s map0object0 0.3 0.3 0.1 0.1 1 0 0.1 0.1 1 Hero\ns map0object1 endObjectLoad\n"
              "f map1stretch 0\nf map1layer 7\nf map1fog 0\nf map1fogdensity 0.1\n"
              "f map1fogr 1\nf map1fogg 1\nf map1fogb 1\n"
              "f map1w 6\nf map1h 5\ns map1name Hall\n"
              "s map1object0 0.6 0.6 0.1 0.1 1 0 0.1 0.1 1 Guard\ns map1object1 endObjectLoad\n"
              "s map2 endMapLoad\n");
  s.writeFile("games/tour/system/logic.cfg", "f version 1\n");
  s.writeFile("games/tour/system/ui.cfg",
              "f intromenu 0\nf editormainmenu 0\nf editormenu 0\nf ingamemenu 0\n"
              "f menu0background -1\ns menu0button0 endButtonLoad\ns menu0textbox0 endTextboxLoad\n"
              "f menu0text0x 300\nf menu0text0y 300\nf menu0text0r 1\nf menu0text0g 1\nf menu0text0b 1\n"
              "s menu0text0string Tour\ns menu0text1 endTextLoad\ns menu1 endMenuLoad\n");
}

// Opens the console, types `command` and runs it.
void runCommand(Session& s, const std::string& command) {
  s.key("grave");
  s.type(command);
  s.key("Return");
}

TEST(ConsoleKeys, TypedCommandsLoadAGameLogAndQuit) {
  Session s;
  // Debug mode: no splash pictures, during which the console does not open.
  s.writeFile("system/system.cfg", tfe2e::windowSettings());
  writeTour(s);
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));

  // loadgame and loadmap close the console behind them; the others leave it
  // open, so it is opened once more for them only. The program takes the
  // keys in the order they are typed, each command run to its end before the
  // next key.
  runCommand(s, "loadgame tour");
  ASSERT_TRUE(s.waitForLog("Game: tour has been loaded successfully."));
  runCommand(s, "loadmap 1");
  s.key("grave");
  for (const char* command : {"debug off", "debug on", "log hello console", "quit"}) {
    s.type(command);
    s.key("Return");
  }
  EXPECT_EQ(s.waitForExit(), 0);

  const std::string log = s.log();
  EXPECT_NE(log.find("\nhello console\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("Attempted to load an unloaded map"), std::string::npos) << log;
  EXPECT_EQ(log.find("There is no game loaded"), std::string::npos) << log;
  // Saved on the way out, with debug mode switched back on by the console.
  ASSERT_TRUE(s.exists("system/system.cfg"));
  EXPECT_NE(s.readFile("system/system.cfg").find("f debugMode 1\n"), std::string::npos);
  EXPECT_NE(s.standardOutput().find("Successfully saved system settings."), std::string::npos);
}

}  // namespace
