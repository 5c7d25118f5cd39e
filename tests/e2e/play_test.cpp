// A person at the keyboard and mouse: a small game is picked in the game
// browser, loaded, started, played with the arrow keys until it is won,
// paused with Escape, resumed and left from its own pause menu; the shipped
// Coin Maze picked and played with the keys; typing into
// the Play textbox, hover looks and tooltips, the screenshot key, and a click
// that ends the splash.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "harness/session.h"

using tfe2e::Pixel;
using tfe2e::Session;
using tfe2e::bluish;
using tfe2e::greenish;

namespace {

// Places on the toolkit's menus (the window is 800 x 600 at 0, 0, so screen
// pixels are overlay units).
constexpr int kPlayX = 400, kPlayY = 220;
constexpr int kBrowseX = 290, kLoadX = 510, kBrowseLoadY = 300;
constexpr int kGameFieldX = 400, kGameFieldY = 227;
constexpr int kFirstRowX = 125, kFirstRowY = 150;
// The browser's check mark, and a green pixel of its disc.
constexpr int kCheckMarkX = 660, kCheckMarkY = 500, kCheckMarkGreenY = 512;
// Where the buttons show their colour beside their labels.
constexpr int kStartSideX = 320, kResumeSideX = 320, kLoadSideX = 425;
// Places on the game's menus and screen.
constexpr int kStartX = 400, kStartY = 300;
constexpr int kResumeX = 400, kResumeY = 250;
constexpr int kQuitX = 400, kQuitY = 350;
// Inside the box of the shown phrase (centred at 400, 200), above its text.
constexpr int kPhraseBoxX = 400, kPhraseBoxY = 170;

// A game of one map: the hero (object 0) left of a goal (object 1); the right
// arrow moves the hero, touching the goal wins, and a won game shows phrase
// 0. Its menus: Start on menu 0, a pause menu (1) with Resume and Quit; and
// a help page.
void writeRaceGame(Session& s, const std::string& folder) {
  s.writeFile(folder + "/system/map.cfg",
              "f version 1\n"
              "f map0stretch 0\nf map0layer 7\nf map0fog 0\nf map0fogdensity 0.1\n"
              "f map0fogr 1\nf map0fogg 1\nf map0fogb 1\n"
              "f map0w 4\nf map0h 3\ns map0name Track\n"
              "s map0object0 0.3 0.3 0.1 0.1 1 0 0.1 0.1 1 Hero\n"
              "s map0object1 0.9 0.3 0.1 0.1 2 0 0.1 0.1 1 Goal\n"
              "s map0object2 endObjectLoad\n"
              "s map1 endMapLoad\n"
              "s phrase0 You win!\n");
  s.writeFile(folder + "/system/logic.cfg",
              "f version 1\nf map0sentencecount 3\n"
              "s map0sentence0 107 0 300 400 0 600 713 0 \n"   // Right pressed: move object 0 right
              "s map0sentence1 100 0 300 400 1 600 701 0 \n"   // When object 0 is touching 1: game win
              "s map0sentence2 102 0 300 400 0 600 704 0 \n");  // When win: display phrase 0
  auto button = [](int menu, int i, int y, int tex, int func) {
    const std::string b = "f menu" + std::to_string(menu) + "button" + std::to_string(i);
    return b + "x 400\n" + b + "y " + std::to_string(y) + "\n" + b + "w 100\n" + b + "h 25\n" + b + "tex " +
           std::to_string(tex) + "\n" + b + "func " + std::to_string(func) + "\n" + b + "func2 0\n";
  };
  auto text = [](int menu, const std::string& line) {
    const std::string t = "menu" + std::to_string(menu) + "text0";
    return "f " + t + "x 300\nf " + t + "y 150\nf " + t + "r 1\nf " + t + "g 1\nf " + t + "b 1\ns " + t +
           "string " + line + "\ns menu" + std::to_string(menu) + "text1 endTextLoad\n";
  };
  s.writeFile(folder + "/system/help.cfg",
              "s helptitle Race\ns help0title Playing\ns help0line0 Hold the right arrow.\ns help0line1 end\n"
              "s help1title end\n");
  // Menu pictures of the toolkit's ui/ folder: 11 Start, 12 Resume, 7 Quit.
  s.writeFile(folder + "/system/ui.cfg",
              "f intromenu 0\nf editormainmenu 0\nf editormenu 0\nf ingamemenu 1\n"
              "f menu0background -1\n" + button(0, 0, kStartY, 11, 16) +
                  "s menu0button1 endButtonLoad\ns menu0textbox0 endTextboxLoad\n" + text(0, "Race") +
                  "f menu1background -1\n" + button(1, 0, kResumeY, 12, 14) + button(1, 1, kQuitY, 7, 8) +
                  "s menu1button2 endButtonLoad\ns menu1textbox0 endTextboxLoad\n" + text(1, "Paused") +
                  "s menu2 endMenuLoad\n");
}

// From the main menu: Play, Browse..., the first row, the check mark, Load;
// each click once the last one shows its effect.
void loadFirstGameOfTheBrowser(Session& s) {
  s.clickButton(kPlayX, kPlayY);
  ASSERT_TRUE(s.waitForPixel(kLoadSideX, kBrowseLoadY, greenish)) << "no Play menu";
  s.clickButton(kBrowseX, kBrowseLoadY);
  ASSERT_TRUE(s.waitForPixel(kCheckMarkX, kCheckMarkGreenY, greenish)) << "no game browser";
  s.click(kFirstRowX, kFirstRowY);
  s.click(kCheckMarkX, kCheckMarkY);
  ASSERT_TRUE(s.waitForPixel(kLoadSideX, kBrowseLoadY, greenish)) << "the game browser stayed open";
  s.clickButton(kLoadX, kBrowseLoadY);
}

const auto notGreenish = [](const Pixel& p) { return !greenish(p); };
const auto notBluish = [](const Pixel& p) { return !bluish(p); };

// The pixels of a rectangle, every `step` pixels.
std::vector<Pixel> area(Session& s, int x0, int y0, int x1, int y1, int step) {
  std::vector<Pixel> pixels;
  for (int y = y0; y <= y1; y += step) {
    for (int x = x0; x <= x1; x += step) pixels.push_back(s.pixel(x, y));
  }
  return pixels;
}

// The same rectangle of a picture file as ImageMagick, a reader of its own,
// sees it: x to the right and y down from the picture's top left corner.
std::vector<Pixel> fileArea(const std::string& file, int x0, int y0, int x1, int y1, int step) {
  std::vector<Pixel> pixels;
  const std::string command = "convert '" + file + "' -depth 8 -crop " + std::to_string(x1 - x0 + 1) + "x" +
                              std::to_string(y1 - y0 + 1) + "+" + std::to_string(x0) + "+" + std::to_string(y0) +
                              " +repage txt:- 2>/dev/null";
  FILE* out = popen(command.c_str(), "r");
  if (!out) return pixels;
  std::vector<std::vector<Pixel>> rows(y1 - y0 + 1, std::vector<Pixel>(x1 - x0 + 1));
  char line[256];
  while (std::fgets(line, sizeof line, out)) {
    int x, y, r, g, b;
    if (std::sscanf(line, "%d,%d: (%d,%d,%d", &x, &y, &r, &g, &b) == 5 && y < static_cast<int>(rows.size()) &&
        x < static_cast<int>(rows[y].size())) {
      rows[y][x] = Pixel{r, g, b};
    }
  }
  pclose(out);
  for (int y = 0; y <= y1 - y0; y += step) {
    for (int x = 0; x <= x1 - x0; x += step) pixels.push_back(rows[y][x]);
  }
  return pixels;
}

int differing(const std::vector<Pixel>& a, const std::vector<Pixel>& b) {
  int n = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) n += !(a[i] == b[i]);
  return n;
}

void expectOrderlyEnd(Session& s) {
  EXPECT_EQ(s.waitForExit(), 0);
  const std::string log = s.log();
  ASSERT_GE(log.size(), 18u);
  EXPECT_EQ(log.substr(log.size() - 18), "Closing log file \n");
  EXPECT_NE(s.readFile("system/system.cfg").find("f debugMode 1\n"), std::string::npos);
}

// Starts the program in debug mode and waits for its main menu.
void startOnTheMainMenu(Session& s) {
  s.writeFile("system/system.cfg", tfe2e::windowSettings());
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
}

TEST(PlayingAGame, APersonPicksItInTheBrowserPlaysItToTheEndAndQuits) {
  Session s;
  // Named to sort before the shipped games, so it is the browser's first row.
  writeRaceGame(s, "games/dash");
  startOnTheMainMenu(s);

  loadFirstGameOfTheBrowser(s);
  ASSERT_TRUE(s.waitForLog("Game: dash has been loaded successfully.")) << s.log();
  // The game's own first menu, with its Start button.
  ASSERT_TRUE(s.waitForPixel(kStartSideX, kStartY, greenish));
  s.clickButton(kStartX, kStartY);
  // Playing: the map, no phrase yet.
  ASSERT_TRUE(s.waitForPixel(kStartSideX, kStartY, notGreenish)) << "the game did not start";
  const Pixel field = s.pixel(kPhraseBoxX, kPhraseBoxY);
  EXPECT_FALSE(bluish(field)) << field.r << "," << field.g << "," << field.b;

  s.keyDown("Right");
  const bool won = s.waitForPixel(kPhraseBoxX, kPhraseBoxY, bluish);
  s.keyUp("Right");
  ASSERT_TRUE(won) << "the phrase of the won game did not show";
  s.screenshot(s.path("won.png"));

  // Escape pauses on the game's pause menu; Resume returns to the game.
  s.key("Escape");
  ASSERT_TRUE(s.waitForPixel(kResumeSideX, kResumeY, greenish));
  s.clickButton(kResumeX, kResumeY);
  EXPECT_TRUE(s.waitForPixel(kResumeSideX, kResumeY, notGreenish));
  EXPECT_TRUE(bluish(s.pixel(kPhraseBoxX, kPhraseBoxY)));

  // Leave Game on the pause menu returns to the toolkit's main menu, whose
  // Play button shows just above where the game's Resume was.
  s.key("Escape");
  ASSERT_TRUE(s.waitForPixel(kResumeSideX, kResumeY, greenish));
  s.clickButton(kQuitX, kQuitY);
  EXPECT_TRUE(s.waitForPixel(kStartSideX, kPlayY, greenish)) << "not back on the toolkit's menu";
  EXPECT_TRUE(s.running());
  s.closeWindow();
  expectOrderlyEnd(s);
  EXPECT_EQ(s.log().find("ERROR"), std::string::npos) << s.log();
}

// The shipped Coin Maze, first in the browser's list: its greeting, put away
// with Enter; the arrows walk the player (the garden scrolls under the camera
// that follows); Q gives up and returns to the game's title menu.
TEST(PlayingAGame, TheShippedCoinMazeIsPickedInTheBrowserAndPlayedWithTheKeys) {
  Session s;
  startOnTheMainMenu(s);
  loadFirstGameOfTheBrowser(s);
  ASSERT_TRUE(s.waitForLog("Game: maze has been loaded successfully.")) << s.log();
  // The title menu's Start button (the games' menus put it at y 265).
  constexpr int kMazeStartY = 265;
  ASSERT_TRUE(s.waitForPixel(kStartSideX, kMazeStartY, greenish));
  s.clickButton(kStartX, kMazeStartY);

  ASSERT_TRUE(s.waitForPixel(kPhraseBoxX, kPhraseBoxY, bluish)) << "no greeting";
  s.key("Return");
  EXPECT_TRUE(s.waitForPixel(kPhraseBoxX, kPhraseBoxY, notBluish));

  // Held until the garden has moved well away under the camera.
  auto garden = [&] { return s.area(100, 100, 700, 500, 20); };
  const std::vector<Pixel> before = garden();
  s.keyDown("Left");
  const bool scrolled = s.waitUntil([&] { return tfe2e::countDiffering(before, garden()) > 100; });
  s.keyUp("Left");
  EXPECT_TRUE(scrolled) << "the garden did not scroll";

  s.key("q");
  EXPECT_TRUE(s.waitForPixel(kStartSideX, kMazeStartY, greenish)) << "not back on the title menu";
  s.closeWindow();
  expectOrderlyEnd(s);
  EXPECT_EQ(s.log().find("ERROR"), std::string::npos) << s.log();
}

TEST(PlayingAGame, TypingIntoThePlayTextboxShowsTheTextAndANameOutsideTheGamesFolderIsRefused) {
  Session s;
  // Were "../system" taken as typed, it would name this game beside games/.
  writeRaceGame(s, "system");
  startOnTheMainMenu(s);
  s.clickButton(kPlayX, kPlayY);
  ASSERT_TRUE(s.waitForPixel(kLoadSideX, kBrowseLoadY, greenish)) << "no Play menu";

  // The field's text row, before and after typing (a blinking caret alone
  // changes a few of these pixels, the typed name many).
  auto fieldRow = [&] { return s.area(252, 220, 330, 234, 2); };
  const std::vector<Pixel> empty = fieldRow();
  s.click(kGameFieldX, kGameFieldY);
  s.type("../system");
  EXPECT_TRUE(s.waitUntil([&] { return tfe2e::countDiffering(empty, fieldRow()) > 20; }));

  // Enter runs the Load button linked to the textbox. The textbox takes
  // letters and digits only, so the loader is handed "system", which names
  // no game in games/.
  s.key("Return");
  ASSERT_TRUE(s.waitForLog("Unable to open game: system"));
  EXPECT_EQ(s.log().find("has been loaded successfully"), std::string::npos);
  EXPECT_EQ(s.log().find("Game World Initializing"), std::string::npos);
  EXPECT_TRUE(s.running());
  // Still on the Play menu: the Load button where it was.
  EXPECT_TRUE(greenish(s.pixel(kLoadSideX, kBrowseLoadY)));

  // F12 writes the frame to a picture in the working folder, the right way
  // up for an image viewer: the Load button and the Play textbox are where
  // the screen shows them, and what lies below them is not where they are.
  const std::vector<Pixel> onScreen = area(s, 200, 200, 600, 320, 20);
  s.key("F12");
  ASSERT_TRUE(s.waitForFile("screen0.tga"));
  const std::vector<Pixel> inFile = fileArea(s.path("screen0.tga"), 200, 200, 600, 320, 20);
  ASSERT_EQ(inFile.size(), onScreen.size());
  EXPECT_LE(differing(onScreen, inFile), static_cast<int>(onScreen.size()) / 20);
  EXPECT_TRUE(greenish(inFile[(kBrowseLoadY - 200) / 20 * 21 + (kLoadSideX - 200) / 20]));

  s.closeWindow();
  expectOrderlyEnd(s);
}

TEST(PlayingAGame, AHoveredButtonGrowsAndShowsItsTooltip) {
  Session s;
  startOnTheMainMenu(s);
  // Just right of the Play button: it reaches there only when it grows. The
  // pointer starts in the middle of the window, away from it.
  constexpr int kBesidePlayX = 505;
  EXPECT_FALSE(greenish(s.pixel(kBesidePlayX, kPlayY)));
  EXPECT_TRUE(s.hoverUntil(kPlayX, kPlayY, kBesidePlayX, kPlayY, greenish));
  EXPECT_TRUE(s.hoverUntil(700, 300, kBesidePlayX, kPlayY, notGreenish));

  // The Quit button (at y 510) grows red beyond its right end, and in a
  // while tells what it does in a blue box beside the pointer, over its face.
  EXPECT_TRUE(s.hoverUntil(400, 505, 505, 510, tfe2e::reddish));
  EXPECT_TRUE(s.waitForPixel(440, 494, bluish)) << "no tooltip";
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

TEST(Splash, AClickEndsTheSplash) {
  Session s;
  s.writeFile("system/system.cfg",
              tfe2e::windowSettings(false));
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  // A splash picture lasts seven seconds at least; the menu is not up yet.
  ASSERT_TRUE(tfe2e::waitForSplash(s));
  EXPECT_FALSE(greenish(s.pixel(tfe2e::kMainMenuPlay.x, tfe2e::kMainMenuPlay.y)));
  s.click(400, 300);
  EXPECT_TRUE(tfe2e::waitForMainMenu(s));
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

}  // namespace
