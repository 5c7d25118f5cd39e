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

namespace {

const char* const kStarted = "Building file structure for Tessera Forge Directory";

// Debug mode on: a loaded game opens on its menus without splash pictures.
const char* const kSettings =
    "f windowx 0\nf windowy 0\nf windowwidth 800\nf windowheight 600\nf fps 30\nf debugMode 1\n"
    "f sound 1\nf soundVolume 0.5\nf firstTime 1\n";

bool greenish(const Pixel& p) { return p.g > p.r + 40 && p.g > p.b + 40; }
bool reddish(const Pixel& p) { return p.r > p.g + 60 && p.r > p.b + 60; }

class SampleGames : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleGames, EachLoadsCleanlyAndOpensOnItsTitleMenu) {
  const std::string game = GetParam();
  Session s;
  s.writeFile("system/system.cfg", kSettings);
  s.writeFile("system/autoload.cfg", "s autoload " + game + "\n");
  s.start();
  ASSERT_TRUE(s.waitForLog(kStarted));

  const std::string log = s.log();
  for (const std::string& expected :
       {"games/" + game + "/system/ui.cfg has been successfully loaded\n",
        game + "/system/help.cfg was loaded successfully.\n", "Images loaded for " + game + "\n",
        "Logic loaded for the game " + game + "\n", "Game: " + game + " has been loaded successfully.\n"}) {
    EXPECT_NE(log.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;
  // Start, the first button, is green; Quit, the last, red.
  tfe2e::sleepMs(tfe2e::kSettleMs);
  const Pixel start = s.pixel(320, 265);
  EXPECT_TRUE(greenish(start)) << start.r << "," << start.g << "," << start.b;
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
