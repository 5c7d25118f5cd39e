// The toolkit's main menu in the running program: it appears after start-up,
// drawn from the shipped menu file and pictures, with nothing reported wrong.
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

TEST(MainMenu, TheToolkitOpensOnItsMainMenu) {
  Session s;
  // In debug mode the program starts on its menus without the splash.
  s.writeFile("system/system.cfg",
              "f windowx 0\nf windowy 0\nf windowwidth 800\nf windowheight 600\ns progName Tessera Forge\n"
              "f fps 30\nf debugMode 1\nf sound 1\nf soundVolume 0.5\nf firstTime 1\n");
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  EXPECT_TRUE(s.waitForLog("The User Interface has been Successfully Built."));
  EXPECT_TRUE(s.waitForLog("Tessera Forge help file loaded successfully."));
  EXPECT_EQ(s.log().find("ERROR"), std::string::npos) << s.log();

  // The Play button (green) at the top of the column, Quit (red) at its foot,
  // and the background picture between the buttons.
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  const Pixel quit = s.pixel(320, 515);
  EXPECT_TRUE(reddish(quit)) << quit.r << "," << quit.g << "," << quit.b;
  const Pixel between = s.pixel(320, 249);
  EXPECT_FALSE(greenish(between));

  const std::string shot = s.path("main-menu.png");
  s.screenshot(shot);
  EXPECT_TRUE(boost::filesystem::exists(shot));
  // Set TF_SCREENSHOT_DIR to keep the picture (the README's docs/main-menu.png).
  if (const char* keep = std::getenv("TF_SCREENSHOT_DIR")) {
    boost::filesystem::copy_file(shot, std::string(keep) + "/main-menu.png",
                                 boost::filesystem::copy_option::overwrite_if_exists);
  }

  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

}  // namespace
