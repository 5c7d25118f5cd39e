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
    savedConsole = tf::console;
    savedSys = tf::gameSys;
    tf::console = tf::debugConsole();
    tf::gameSys.setGameState(tf::kStateMenus);
  }
  void TearDown() override {
    tf::console = savedConsole;
    tf::gameSys = savedSys;
    GlTest::TearDown();
  }

  // Slides the console fully open, then draws one clean frame of it.
  void drawOpen() {
    tf::console.enableConsole();
    for (int frame = 0; frame < 30 && tf::console.getAnimState() != tf::kConsoleOpen; ++frame) {
      tf::consoleRender();
    }
    ASSERT_EQ(tf::console.getAnimState(), tf::kConsoleOpen);
    clearFrame();
    tf::consoleRender();
  }

  tftest::ManualClock clock{0};
  tf::debugConsole savedConsole;
  tf::System savedSys;
};

// Lines "A line", "B line", ...: each starts with a letter of its own.
void echoLettered(int count) {
  for (int i = 0; i < count; ++i) tf::console.echo(std::string(1, static_cast<char>('A' + i)) + " line");
}

TEST_F(ConsoleOnScreen, ThePanelButtonsCommandAndTheTenNewestLines) {
  echoLettered(12);  // L is the newest
  tf::console.setCommandLine("Quit");
  drawOpen();
  const Rgb panel = imageColor(tf::kImgConsoleBackground);
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
  EXPECT_EQ(pixel(770, 80), panel);
  // The command row: ": Quit", the letters 9 apart after ": ".
  EXPECT_EQ(pixel(10, 149), glyphColor(':'));
  EXPECT_EQ(pixel(10 + 18, 149), glyphColor('Q'));
  // The newest line at the bottom, older ones above, ten of them.
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(pixel(10, 130 - 13 * k), glyphColor(static_cast<char>('L' - k))) << k;
  }
  // B and A would be at y 0 and -13: not drawn.
  EXPECT_EQ(pixel(10, 3), panel);
}

TEST_F(ConsoleOnScreen, ScrolledBackTheOldestLinesShow) {
  echoLettered(12);
  tf::console.scrollOldest();
  drawOpen();
  EXPECT_EQ(pixel(10, 130), glyphColor('A'));
  // Nothing above the oldest line.
  EXPECT_EQ(pixel(10, 117), imageColor(tf::kImgConsoleBackground));
  tf::console.scrollNewer();
  clearFrame();
  tf::consoleRender();
  EXPECT_EQ(pixel(10, 130), glyphColor('B'));
  EXPECT_EQ(pixel(10, 117), glyphColor('A'));
}

TEST_F(ConsoleOnScreen, WhileItSlidesOnlyWhatItUncoversShows) {
  echoLettered(12);
  tf::console.enableConsole();
  // Eight frames and the one drawn: y = 20, and the panel ends at 102.
  for (int frame = 0; frame < 8; ++frame) tf::consoleRender();
  clearFrame();
  tf::consoleRender();
  const Rgb panel = imageColor(tf::kImgConsoleBackground);
  EXPECT_EQ(pixel(400, 100), panel);
  EXPECT_EQ(pixel(400, 104), kBackground);
  // No buttons and no command row yet; only the lines above 38.
  EXPECT_EQ(pixel(770, 20), panel);
  EXPECT_EQ(pixel(10, 26), glyphColor('D'));
  EXPECT_EQ(pixel(10, 13), glyphColor('C'));
  EXPECT_EQ(pixel(10, 39), panel);
}

TEST_F(ConsoleOnScreen, OnceTheSlideOutEndsNothingIsDrawn) {
  drawOpen();
  tf::console.disableConsole();
  for (int frame = 0; frame < 14; ++frame) tf::consoleRender();
  clearFrame();
  tf::consoleRender();  // the last step of the slide
  EXPECT_FALSE(tf::console.getConsoleState());
  EXPECT_EQ(pixel(400, 1), kBackground);
}

TEST_F(ConsoleOnScreen, APickPassDrawsTheButtonsCodesOverABlockingPanel) {
  echoLettered(12);
  drawOpen();
  clearFrame();
  tf::gameSys.setColorPick(true);
  tf::consoleRender();
  EXPECT_EQ(pixel(400, 100), kBlocking);
  EXPECT_EQ(pixel(10, 130), kBlocking);  // no text in a pick pass
  EXPECT_EQ(pixel(770, 20), (Rgb{'/', 144, 144}));
  EXPECT_EQ(pixel(770, 60), (Rgb{'3', 144, 144}));
  EXPECT_EQ(pixel(770, 100), (Rgb{'4', 144, 144}));
  EXPECT_EQ(pixel(400, 300), kBackground);

  // In play the whole screen is blocked, so no click reaches the game.
  tf::gameSys.setGameState(tf::kStatePlay);
  clearFrame();
  tf::consoleRender();
  EXPECT_EQ(pixel(400, 300), kBlocking);
  EXPECT_EQ(pixel(1, 598), kBlocking);
  EXPECT_EQ(pixel(770, 60), (Rgb{'3', 144, 144}));

  // The panel stays where it was: pick passes are not frames.
  tf::gameSys.setColorPick(false);
  EXPECT_EQ(tf::console.getConsoleY(), 80);
}

TEST_F(ConsoleOnScreen, AScreenshotOfTheConsole) {
  useReadableSystemImages();
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
