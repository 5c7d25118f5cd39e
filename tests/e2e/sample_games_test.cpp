// The sample games of data/games in the running program: each one, named in
// the autoload file, loads with its pictures, sounds, maps, logic, menus and
// help without a complaint and opens on its own title menu.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <string>

#include "harness/session.h"

using tfe2e::Pixel;
using tfe2e::Session;
using tfe2e::greenish;
using tfe2e::reddish;

namespace {

class SampleGames : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleGames, EachLoadsCleanlyAndOpensOnItsTitleMenu) {
  const std::string game = GetParam();
  Session s;
  s.writeFile("system/system.cfg", tfe2e::windowSettings(true, true));
  s.writeFile("system/autoload.cfg", "s autoload " + game + "\n");
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));

  const std::string log = s.log();
  for (const std::string& expected :
       {"games/" + game + "/system/ui.cfg has been successfully loaded\n",
        game + "/system/help.cfg was loaded successfully.\n", "Images loaded for " + game + "\n",
        "Logic loaded for the game " + game + "\n", "Game: " + game + " has been loaded successfully.\n"}) {
    EXPECT_NE(log.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
  // Start, the first button, is green; Quit, the last, red.
  ASSERT_TRUE(s.waitForPixel(320, 265, greenish));
  const Pixel quit = s.pixel(320, 460);
  EXPECT_TRUE(reddish(quit)) << quit.r << "," << quit.g << "," << quit.b;
  // Set TF_SCREENSHOT_DIR to keep the picture (<game>-menu.png).
  if (const char* keep = std::getenv("TF_SCREENSHOT_DIR")) {
    const std::string shot = s.path(game + "-menu.png");
    s.screenshot(shot);
    boost::filesystem::copy_file(shot, std::string(keep) + "/" + game + "-menu.png",
                                 boost::filesystem::copy_option::overwrite_if_exists);
  }
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Shipped, SampleGames, ::testing::Values("maze", "whack"));

}  // namespace
