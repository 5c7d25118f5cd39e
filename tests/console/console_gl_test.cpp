// The console drawn on a real window, opened over a history of commands and
// kept as the README's picture.
#include <gtest/gtest.h>

#include "console/console.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "settings_guard.h"

namespace {

class ConsoleOnScreen : public tftest::GlTest {
 protected:
  tftest::ManualClock clock{800};
  tftest::SettingsGuard guard;
};

TEST_F(ConsoleOnScreen, AScreenshotOfTheConsole) {
  ASSERT_TRUE(useDataSystemImages());
  tf::console = tf::debugConsole();
  for (const char* line :
       {"", "^3^wWelcome to Tessera Forge", "", "^wVersion ^yV 1.1 ^w- Build ^y0",
        "^wUse '^yUp^w' and '^yDown^w' to scroll the console", "^wType '^yhelp^w' ^wfor command assistance", "",
        "^wYou have entered: ^yloadgame maze", "", "^2^ymaze^g Game World Initialization Successful", "",
        "^wYou have entered: ^yloadmap 1", ""}) {
    tf::console.echo(line);
  }
  tf::console.setCommandLine("log hello console");
  tf::console.enableConsole();
  for (int frame = 0; frame < 20; ++frame) tf::consoleRender();
  clearFrame(tftest::Rgb{24, 28, 36});
  tf::consoleRender();
  EXPECT_NE(pixel(400, 100), (tftest::Rgb{24, 28, 36}));  // the panel covers the top of the screen
  keepScreenshot("console.png");  // the README's docs/console.png
  tf::console = tf::debugConsole();
}

}  // namespace
