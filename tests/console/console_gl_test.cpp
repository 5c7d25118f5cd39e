// The console on a real window: the panel, its buttons, the command row and
// the ten newest lines at most; the slide as it shows; the pick pass with the
// buttons' codes and, in play, the whole screen blocked.
#include <gtest/gtest.h>

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

  struct At {
    int x, y;
    Rgb color;
  };
  void expectPixels(std::initializer_list<At> points) const {
    for (const At& p : points) EXPECT_EQ(pixel(p.x, p.y), p.color) << "at " << p.x << "," << p.y;
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
  drawAfter(8);
  // At y = 20 the panel ends at 102; no buttons and no command row yet, only the lines above 38.
  expectPixels({{400, 100, panel}, {400, 104, kBackground}, {770, 20, panel}, {10, 149, kBackground}});
  expectPixels({{10, 26, glyphColor('D')}, {10, 13, glyphColor('C')}, {10, 39, panel}});

  drawAfter(20);
  // The panel centred at y 80, 82 high on each side, the screen's width; close, up and down at the right.
  expectPixels({{400, 1, panel}, {1, 161, panel}, {798, 161, panel}, {400, 163, kBackground}});
  expectPixels({{770, 20, imageColor(tf::kImgQuit)}, {756, 6, imageColor(tf::kImgQuit)},
                {770, 60, imageColor(tf::kImgArrowUp)}, {770, 100, imageColor(tf::kImgArrowDown)}});
  // The command row ": Quit", the letters 9 apart; the newest line at the bottom, older ones above,
  // ten of them: B and A would be at y 0 and -13.
  expectPixels({{10, 149, glyphColor(':')}, {10 + 18, 149, glyphColor('Q')}, {10, 3, panel}});
  for (int k = 0; k < 10; ++k) EXPECT_EQ(pixel(10, 130 - 13 * k), glyphColor(static_cast<char>('L' - k))) << k;

  // A pick pass: the buttons' codes over a blocking panel, no text; in play
  // the whole screen is blocked, so no click reaches the game.
  tf::gameSys.setColorPick(true);
  drawAfter(0);
  expectPixels({{400, 100, kBlocking}, {10, 130, kBlocking}, {770, 20, {'/', 144, 144}}, {770, 60, {'3', 144, 144}},
                {770, 100, {'4', 144, 144}}, {400, 300, kBackground}});
  tf::gameSys.setGameState(tf::kStatePlay);
  drawAfter(0);
  expectPixels({{400, 300, kBlocking}, {1, 598, kBlocking}});

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
  keepScreenshot("console.png");  // the README's docs/console.png
}

}  // namespace
