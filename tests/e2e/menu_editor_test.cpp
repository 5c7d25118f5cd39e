// The menu editor driven by real clicks, drags and keys: a game's title menu
// edited, saved, read back and played; and the toolkit's own main menu
// edited from the console, seen changed after a restart, and put back.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/session.h"

using tfe2e::Session;

namespace {

// The panel's icons and controls on the 800 x 600 window. A control after a
// label stands 15 units past the label's end (9 units a letter), 3 up.
constexpr tfe2e::Place kSaveIcon{750, 560};
int afterLabel(int x, const std::string& label) { return x + 9 * static_cast<int>(label.size()) + 15; }
const tfe2e::Place kWidthPlus{afterLabel(453, "Change Width:"), 560};
const tfe2e::Place kAddTextline{afterLabel(473, "Add Textline:"), 560};
const tfe2e::Place kDeleteTextline{afterLabel(385, "Delete This Textline:"), 560};

// Opens the console, types `command` and runs it.
void runCommand(Session& s, const std::string& command) {
  s.key("grave");
  s.type(command);
  s.key("Return");
}

// What the log says when a menu file has been read and when one has been written.
constexpr const char* kMenusRead = "The User Interface has been Successfully Built.";
constexpr const char* kMenusSaved = "UI has been successfully saved!";

// Starts the program and waits for its main menu.
bool startAtMainMenu(Session& s) {
  s.start();
  return s.waitForLog(tfe2e::kStartedLine) && tfe2e::waitForMainMenu(s);
}

// Opens Coin Maze in the editor from the main menu (its name is filled in as
// the game edited last) and its menus in the menu editor.
void openMazeMenus(Session& s) {
  const tfe2e::Place editGame{400, 336}, editGameConfirm{510, 300}, editMenus{220, 230};
  const tfe2e::Pixel before = s.pixel(editGameConfirm.x, editGameConfirm.y);
  s.clickButton(editGame.x, editGame.y);
  ASSERT_TRUE(s.waitUntil([&] { return !(s.pixel(editGameConfirm.x, editGameConfirm.y) == before); }));
  s.clickButton(editGameConfirm.x, editGameConfirm.y);
  ASSERT_TRUE(s.waitForLog("Game: maze has been loaded successfully."));
  const tfe2e::Pixel menu = s.pixel(kSaveIcon.x, kSaveIcon.y);
  s.clickButton(editMenus.x, editMenus.y);
  ASSERT_TRUE(s.waitUntil([&] { return !(s.pixel(kSaveIcon.x, kSaveIcon.y) == menu); }));
}

// True when `line` is a whole line of `text`.
bool hasLine(const std::string& text, const std::string& line) {
  return ("\n" + text + "\n").find("\n" + line + "\n") != std::string::npos;
}

bool yellowish(const tfe2e::Pixel& p) { return p.r > 180 && p.g > 180 && p.b < 100; }

TEST(MenuEditorSession, AGamesTitleMenuEditedWithTheMouseAndKeysIsSavedReadBackAndPlayed) {
  Session s;
  s.writeFile("system/system.cfg", tfe2e::windowSettings() + "s lastGameEdited maze\n");
  const std::string file = "games/maze/system/ui.cfg";
  const tfe2e::Place start{400, 265}, moved{600, 140}, firstLine{300, 205};
  const tfe2e::Place newLine{400 + 9 * 8 / 2, 299};  // "New Text" at (400, 300)

  ASSERT_TRUE(startAtMainMenu(s));
  openMazeMenus(s);
  // Start dragged elsewhere and made 10 units wider with the right button.
  s.drag(start.x, start.y, moved.x, moved.y);
  s.click(kWidthPlus.x, kWidthPlus.y, 3);
  // Enter selects the menu: a new line, typed over; the first line deleted.
  s.key("Return");
  s.click(kAddTextline.x, kAddTextline.y);
  s.click(newLine.x, newLine.y);
  for (int k = 0; k < 8; ++k) s.key("BackSpace");
  s.type("^yHello");
  s.key("Return");
  s.click(firstLine.x, firstLine.y);
  s.click(kDeleteTextline.x, kDeleteTextline.y);
  s.click(kSaveIcon.x, kSaveIcon.y);
  ASSERT_TRUE(s.waitForLog(kMenusSaved));

  const std::string written = s.readFile(file);
  for (const char* line :
       {"f menu0button0x 600", "f menu0button0y 140", "f menu0button0w 110",
        "s menu0text0string ^w^yArrows^w move   ^ySpace^w hint   ^yEnter^w close a message   ^yQ^w give up   "
        "^yEscape^w pause",
        "f menu0text1x 400", "f menu0text1y 300", "s menu0text1string ^yHello", "s menu0text2 endTextLoad"}) {
    EXPECT_TRUE(hasLine(written, line)) << line;
  }
  runCommand(s, "quit");
  ASSERT_EQ(s.waitForExit(), 0);

  // Read back and saved again, the file is the same to the byte.
  ASSERT_TRUE(startAtMainMenu(s));
  openMazeMenus(s);
  s.click(kSaveIcon.x, kSaveIcon.y);
  ASSERT_TRUE(s.waitForLog(kMenusSaved));
  EXPECT_EQ(s.readFile(file), written);
  runCommand(s, "quit");
  ASSERT_EQ(s.waitForExit(), 0);

  // Played, the title menu shows Start where it was dragged and the new line.
  ASSERT_TRUE(startAtMainMenu(s));
  runCommand(s, "loadgame maze");
  ASSERT_TRUE(s.waitForLog("Game: maze has been loaded successfully."));
  EXPECT_TRUE(s.waitForPixel(moved.x - 80, moved.y, tfe2e::greenish));
  EXPECT_FALSE(tfe2e::greenish(s.pixel(start.x - 80, start.y)));
  const std::vector<tfe2e::Pixel> hello = s.area(400, 290, 455, 302, 1);
  EXPECT_TRUE(std::any_of(hello.begin(), hello.end(), yellowish));
}

TEST(MenuEditorSession, TheToolkitsMainMenuEditedFromTheConsoleShowsAfterARestartAndIsPutBack) {
  Session s;
  s.writeFile("system/system.cfg", tfe2e::windowSettings());
  const std::string original = s.readFile("system/ui.cfg");
  const tfe2e::Place play = tfe2e::kMainMenuPlay;
  constexpr int kMoved = 50;  // ten presses of the right arrow

  ASSERT_TRUE(startAtMainMenu(s));
  runCommand(s, "editui mainui");
  ASSERT_TRUE(s.waitForLogLines(kMenusRead, 2));
  s.click(play.x, play.y);
  for (int k = 0; k < kMoved / 5; ++k) s.key("Right");
  s.click(kSaveIcon.x, kSaveIcon.y);
  ASSERT_TRUE(s.waitForLog(kMenusSaved));
  EXPECT_FALSE(s.exists("games/mainui"));
  runCommand(s, "quit");
  ASSERT_EQ(s.waitForExit(), 0);

  // The main menu of the toolkit now shows Play moved right, clear of where it was.
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  EXPECT_TRUE(s.waitForPixel(play.x + kMoved, play.y, tfe2e::greenish));
  EXPECT_FALSE(tfe2e::greenish(s.pixel(play.x - 10, play.y)));

  // Put back the same way, the file is as it was.
  runCommand(s, "editui mainui");
  ASSERT_TRUE(s.waitForLogLines(kMenusRead, 2));
  s.click(play.x + kMoved, play.y);
  for (int k = 0; k < kMoved / 5; ++k) s.key("Left");
  s.click(kSaveIcon.x, kSaveIcon.y);
  ASSERT_TRUE(s.waitForLog(kMenusSaved));
  runCommand(s, "quit");
  ASSERT_EQ(s.waitForExit(), 0);
  EXPECT_EQ(s.readFile("system/ui.cfg"), original);
}

}  // namespace
