// The console on a real window: the panel, its buttons, the command row and
// the ten newest lines at most; the slide as it shows; the pick pass with the
// buttons' codes and, in play, the whole screen blocked.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <string>

#include "console/console.h"
#include "core/system.h"
#include "gl_window.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/text.h"
#include "settings_guard.h"

using tftest::Rgb;

namespace {

const Rgb kBackground{0, 0, 0};
const Rgb kBlocking{144, 144, 144};

Rgb glyphColor(char c) {
  int column, row;
  tf::fontCell(c, column, row);
  return tftest::fontCellColor(column, row);
}

Rgb imageColor(int image) { return tftest::testSystemImageColor(image); }

class ConsoleOnScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    useTestSystemImages();
    tf::console = tf::debugConsole();
    // Lines "A line" (the oldest) to "L line": each starts with a letter of its own.
    for (char letter = 'A'; letter <= 'L'; ++letter) tf::console.echo(std::string(1, letter) + " line");
  }
  void TearDown() override {
    tf::console = tf::debugConsole();
    GlTest::TearDown();
  }

  // `frames` frames of the console, then one more drawn on a cleared frame.
  void drawAfter(int frames) {
    for (int frame = 0; frame < frames; ++frame) tf::consoleRender();
    clearFrame();
    tf::consoleRender();
  }

  tftest::ManualClock clock{0};
  tftest::SettingsGuard guard;
  const Rgb panel = imageColor(tf::kImgConsoleBackground);
};

TEST_F(ConsoleOnScreen, WhatItUncoversAsItSlidesThenThePanelButtonsLinesAndPickColoursUntilItCloses) {
  tf::console.setCommandLine("Quit");
  tf::console.enableConsole();
  tf::gameSys.setColorPick(true);
  drawAfter(5);  // pick passes are not frames: the panel stays where it is
  tf::gameSys.setColorPick(false);
  drawAfter(8);  // y = 20: the panel ends at 102
  EXPECT_EQ(pixel(400, 100), panel);
  EXPECT_EQ(pixel(400, 104), kBackground);
  // No buttons and no command row yet; only the lines above 38.
  EXPECT_EQ(pixel(770, 20), panel);
  EXPECT_EQ(pixel(10, 149), kBackground);
  EXPECT_EQ(pixel(10, 26), glyphColor('D'));
  EXPECT_EQ(pixel(10, 13), glyphColor('C'));
  EXPECT_EQ(pixel(10, 39), panel);

  drawAfter(20);
  // The panel: centred at y 80, 82 high on each side, the screen's width.
  EXPECT_EQ(pixel(400, 1), panel);
  EXPECT_EQ(pixel(1, 161), panel);
  EXPECT_EQ(pixel(798, 161), panel);
  EXPECT_EQ(pixel(400, 163), kBackground);
  // Close, up and down at the right.
  EXPECT_EQ(pixel(770, 20), imageColor(tf::kImgQuit));
  EXPECT_EQ(pixel(756, 6), imageColor(tf::kImgQuit));
  EXPECT_EQ(pixel(770, 60), imageColor(tf::kImgArrowUp));
  EXPECT_EQ(pixel(770, 100), imageColor(tf::kImgArrowDown));
  // The command row ": Quit", the letters 9 apart.
  EXPECT_EQ(pixel(10, 149), glyphColor(':'));
  EXPECT_EQ(pixel(10 + 18, 149), glyphColor('Q'));
  // The newest line at the bottom, older ones above, ten of them: B and A
  // would be at y 0 and -13.
  for (int k = 0; k < 10; ++k) EXPECT_EQ(pixel(10, 130 - 13 * k), glyphColor(static_cast<char>('L' - k))) << k;
  EXPECT_EQ(pixel(10, 3), panel);

  // A pick pass: the buttons' codes over a blocking panel, no text; in play
  // the whole screen is blocked, so no click reaches the game.
  tf::gameSys.setColorPick(true);
  drawAfter(0);
  EXPECT_EQ(pixel(400, 100), kBlocking);
  EXPECT_EQ(pixel(10, 130), kBlocking);
  EXPECT_EQ(pixel(770, 20), (Rgb{'/', 144, 144}));
  EXPECT_EQ(pixel(770, 60), (Rgb{'3', 144, 144}));
  EXPECT_EQ(pixel(770, 100), (Rgb{'4', 144, 144}));
  EXPECT_EQ(pixel(400, 300), kBackground);
  tf::gameSys.setGameState(tf::kStatePlay);
  drawAfter(0);
  EXPECT_EQ(pixel(400, 300), kBlocking);
  EXPECT_EQ(pixel(1, 598), kBlocking);

  tf::gameSys.setColorPick(false);
  tf::console.disableConsole();
  drawAfter(14);  // the last step of the slide
  EXPECT_FALSE(tf::console.getConsoleState());
  EXPECT_EQ(pixel(400, 1), kBackground);
}

TEST_F(ConsoleOnScreen, AScreenshotOfTheConsole) {
  useReadableSystemImages();
  tf::console = tf::debugConsole();
  for (const char* line :
       {"", "^3^wWelcome to Tessera Forge", "", "^wVersion ^yV 1.1 ^w- Build ^y0",
        "^wUse '^yUp^w' and '^yDown^w' to scroll the console", "^wType '^yhelp^w' ^wfor command assistance", "",
        "^wYou have entered: ^yloadgame maze", "", "^2^ymaze^g Game World Initialization Successful", "",
        "^wYou have entered: ^yloadmap 1", ""}) {
    tf::console.echo(line);
  }
  tf::console.setCommandLine("log hello console");
  clock.set(800);
  tf::console.enableConsole();
  for (int frame = 0; frame < 20; ++frame) tf::consoleRender();
  clearFrame(Rgb{24, 28, 36});
  tf::consoleRender();
  const std::string shot = dir.path() + "/console.png";
  ASSERT_TRUE(saveScreenshot(shot));
  EXPECT_GT(boost::filesystem::file_size(shot), 1000u);
  // Set TF_SCREENSHOT_DIR to keep the picture (the README's docs/console.png).
  if (const char* keep = std::getenv("TF_SCREENSHOT_DIR")) {
    boost::filesystem::copy_file(shot, std::string(keep) + "/console.png",
                                 boost::filesystem::copy_option::overwrite_if_exists);
  }
}

}  // namespace
