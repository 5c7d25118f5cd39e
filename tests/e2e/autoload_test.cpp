// The game named in system/autoload.cfg, as the program meets it at start-up:
// a small game written into the session's games/ folder opens on its own
// menus; a name that reaches out of games/ is refused with its message and
// notice, and the toolkit's own menus are shown instead.
#include <gtest/gtest.h>

#include <string>

#include "harness/session.h"

using tfe2e::Pixel;
using tfe2e::Session;

namespace {

// A game of one 4 by 3 map with one object, one sentence of logic and menus
// of its own.
void writeTinyGame(Session& s, const std::string& folder) {
  s.writeFile(folder + "/system/map.cfg",
              "f version 1\n"
              "f map0stretch 0\nf map0layer 7\nf map0fog 0\nf map0fogdensity 0.1\n"
              "f map0fogr 1\nf map0fogg 1\nf map0fogb 1\n"
              "f map0w 4\nf map0h 3\ns map0name Start\nf map0tile1_2 3\n"
              "s map0object0 0.3 0.3 0.1 0.1 1 0 0.1 0.1 1 Hero\n"
              "s map0object1 endObjectLoad\n"
              "s map1 endMapLoad\n"
              "s phrase0 Hello from the tiny game\n");
  s.writeFile(folder + "/system/logic.cfg",
              "f version 1\nf map0sentencecount 1\ns map0sentence0 100 0 300 400 0 600 731 0 \n");
  s.writeFile(folder + "/system/ui.cfg",
              "f intromenu 0\nf editormainmenu 0\nf editormenu 0\nf ingamemenu 0\n"
              "f menu0background -1\ns menu0button0 endButtonLoad\ns menu0textbox0 endTextboxLoad\n"
              "f menu0text0x 300\nf menu0text0y 300\nf menu0text0r 1\nf menu0text0g 1\nf menu0text0b 1\n"
              "s menu0text0string Tiny game\ns menu0text1 endTextLoad\ns menu1 endMenuLoad\n");
}

TEST(Autoload, TheNamedGameOpensOnItsOwnMenus) {
  Session s;
  s.writeFile("system/system.cfg", tfe2e::windowSettings());
  writeTinyGame(s, "games/tiny");
  s.writeFile("system/autoload.cfg", "s autoload tiny\n");
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));

  const std::string log = s.log();
  for (const char* expected :
       {"games/tiny/system/ui.cfg has been successfully loaded\n", "Images loaded for tiny\n",
        "games/tiny/system/map.cfg has been successfully loaded\n", "Logic loaded for the game tiny\n",
        "Game: tiny has been loaded successfully.\n"}) {
    EXPECT_NE(log.find(expected), std::string::npos) << expected;
  }
  // Neither the toolkit's menus nor the in-game menus instead of the game's.
  for (const char* unexpected : {"No autoload file found", "Loading Tessera Forge Main Menu instead",
                                 "Unable to load specific game UI", "system/ingameui.cfg has been",
                                 "\nsystem/ui.cfg has been successfully loaded"}) {
    EXPECT_EQ(log.find(unexpected), std::string::npos) << unexpected;
  }
  // The game's own first menu is drawn: its white title on a plain screen.
  EXPECT_TRUE(s.waitUntil([&] {
    for (const Pixel& p : s.area(300, 290, 390, 310, 1)) {
      if (tfe2e::whitish(p)) return true;
    }
    return false;
  }));
  EXPECT_TRUE(s.running());
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

TEST(Autoload, NamesThatReachOutOfTheGamesFolderAreRefused) {
  for (const std::string name : {"../system", "x/../../y"}) {
    SCOPED_TRACE(name);
    Session s;
    s.writeFile("system/system.cfg", tfe2e::windowSettings());
    // Without the check both names would reach a game: y/ beside games/, and
    // system/system/ under the toolkit's own folder.
    writeTinyGame(s, "y");
    writeTinyGame(s, "system/system");
    s.writeFile("games/x/readme.txt", "a folder, not a game\n");
    s.writeFile("system/autoload.cfg", "s autoload " + name + "\n");
    s.start();
    ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));

    const std::string log = s.log();
    const std::size_t refused = log.find("ERROR: Unable to open game: " + name + "\n");
    ASSERT_NE(refused, std::string::npos);
    const std::size_t instead = log.find("Loading Tessera Forge Main Menu instead.\n");
    ASSERT_NE(instead, std::string::npos);
    EXPECT_LT(refused, instead);
    EXPECT_NE(log.find("\nsystem/ui.cfg has been successfully loaded\n", instead), std::string::npos);
    EXPECT_EQ(log.find("has been loaded successfully"), std::string::npos);
    EXPECT_EQ(log.find("Tiny game"), std::string::npos);

    // The notice stands in the top-left corner over the toolkit's main menu:
    // its frame covers what the menu's picture shows there.
    ASSERT_TRUE(tfe2e::waitForMainMenu(s));
    EXPECT_FALSE(s.pixel(112, 43) == s.pixel(600, 400));
    EXPECT_TRUE(s.running());
    s.closeWindow();
    EXPECT_EQ(s.waitForExit(), 0);
  }
}

}  // namespace
