// The debug overlay's greeting, its place (away from the console and the
// mouse), its figures and its game or menu section by game state, and the
// volume indicator's 50 frames and value.
#include "core/debug_overlay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "core/camera.h"
#include "core/system.h"
#include "game/world.h"
#include "manual_clock.h"
#include "menus/ui.h"
#include "messages.h"
#include "settings_guard.h"

namespace {

std::vector<std::string> texts(const tf::DebugOverlay& overlay) {
  std::vector<std::string> result;
  for (const tf::OverlayLine& line : overlay.lines) result.push_back(line.text);
  return result;
}

class DebugOverlay : public ::testing::Test {
 protected:
  void SetUp() override {
    savedConsole = tf::console;
    savedWorld = tf::world;
    savedUI = tf::gameUI;
    savedCamera = tf::camera;
    tf::console = tf::debugConsole();
    tf::world = tf::gameWorld();
    tf::gameUI = tf::UI();
    tf::camera = tf::Camera();
    tf::gameSys.setOrthoPos(10, 590);  // out of the panel's way
  }
  void TearDown() override {
    tf::console = savedConsole;
    tf::world = savedWorld;
    tf::gameUI = savedUI;
    tf::camera = savedCamera;
  }

  void openConsole() {
    tf::console.enableConsole();
    tf::console.beginFrame(true);
  }

  // A game of two maps; the second, 12 by 7, is current and has 3 objects.
  void playGame() {
    tf::world.allocateMaps(2);
    tf::world.worldSetMap(4, 4, "A", 0);
    tf::world.worldSetMap(12, 7, "B", 1);
    for (int i = 0; i < 3; ++i) tf::world.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 1, 0, i, 1);
    tf::world.setCurrentMap(1);
  }

  // Three menus; menu 2 is current, with 2 buttons, 1 textbox and 4 lines.
  void showMenus() {
    tf::gameUI.allocateMenu(3);
    tf::gameUI.menuSetButtonCount(2, 2);
    tf::gameUI.menuSetTextboxCount(2, 1);
    tf::gameUI.menuSetTextlineCount(2, 4);
    tf::gameUI.setCurrentMenu(2);
    tf::gameUI.setEditorMenu(1);
  }

  tftest::SettingsGuard guard;
  tftest::ManualClock clock{0};
  tf::debugConsole savedConsole;
  tf::gameWorld savedWorld;
  tf::UI savedUI;
  tf::Camera savedCamera;
};

TEST_F(DebugOverlay, TheGreetingGoesToTheConsole) {
  tftest::MessageLog messages;
  tf::debugInit();
  EXPECT_EQ(messages.lines(),
            (std::vector<std::string>{"", "^yDebug mode is ^yEnabled",
                                      "^wTo ^ydisable ^wdebug mode, type '^ydebug off^w' into this console.",
                                      "^wYou may also press ^yF2^w to toggle debug mode at any time.", ""}));
}

TEST_F(DebugOverlay, ThePanelMovesAwayFromTheConsoleAndTheMouse) {
  tf::DebugOverlay o = tf::planDebugOverlay();
  EXPECT_TRUE(o.shown);
  EXPECT_EQ(o.x, 700);
  EXPECT_EQ(o.y, 86);

  // The mouse inside the upper place: lowered.
  tf::gameSys.setOrthoPos(700, 86);
  o = tf::planDebugOverlay();
  EXPECT_TRUE(o.shown);
  EXPECT_EQ(o.y, 500);
  // Strictly inside: on the edge it stays.
  for (auto edge : {std::pair<int, int>{602, 86}, {798, 86}, {700, 7}, {700, 165}}) {
    tf::gameSys.setOrthoPos(edge.first, edge.second);
    EXPECT_EQ(tf::planDebugOverlay().y, 86) << edge.first << "," << edge.second;
  }
  tf::gameSys.setOrthoPos(603, 164);
  EXPECT_EQ(tf::planDebugOverlay().y, 500);

  // The console open: lowered, and the mouse over the lowered panel hides it.
  openConsole();
  tf::gameSys.setOrthoPos(700, 86);
  o = tf::planDebugOverlay();
  EXPECT_TRUE(o.shown);
  EXPECT_EQ(o.y, 500);
  tf::gameSys.setOrthoPos(650, 520);
  o = tf::planDebugOverlay();
  EXPECT_FALSE(o.shown);
  EXPECT_TRUE(o.lines.empty());
  // While it slides away it still counts as open.
  tf::console.disableConsole();
  EXPECT_FALSE(tf::planDebugOverlay().shown);
}

TEST_F(DebugOverlay, TheFiguresOfTheProgram) {
  tf::gameSys.setCurFPS(57);
  tf::camera.SetPos(1.26f, -12.345f, 0);
  tf::gameSys.setOrthoPos(123, 456);
  tf::gameSys.setNormalPos(0.456, -2.26);
  clock.set(12999);
  tf::gameSys.setGameState(tf::kStateSplash);  // no section
  EXPECT_EQ(texts(tf::planDebugOverlay()),
            (std::vector<std::string>{"^wVer. ^yV 1.1^w Build ^y0", "FPS: ^g57", "Camera: ^y1.3, -12",
                                      "M UI: ^y123, 456", "M IG: ^y0.46, -2.3", "Time Elapsed: ^y12"}));
  tf::camera.SetPos(0, 0.004f, 0);
  EXPECT_EQ(tf::planDebugOverlay().lines[2].text, "Camera: ^y0, 0.004");
}

TEST_F(DebugOverlay, TheSectionFollowsTheGameState) {
  playGame();
  showMenus();
  const std::vector<std::string> game = {"^yGame Debug", "Maps: ^y2", "Map: ^y1", "Map Size: ^y12x7",
                                         "Objects: ^y3"};
  const std::vector<std::string> menus = {"^yUI DEBUG^w. Menu:^y 2", "Menus: ^y3", "Buttons: ^y2",
                                          "Textboxes: ^y1", "TextLines: ^y4"};
  auto section = [] {
    std::vector<std::string> all = texts(tf::planDebugOverlay());
    return std::vector<std::string>(all.begin() + 6, all.end());
  };
  for (int state : {tf::kStatePlay, tf::kStatePlaytest}) {
    tf::gameSys.setGameState(state);
    EXPECT_EQ(section(), game) << state;
  }
  for (int state : {tf::kStateMenus, tf::kStateIngameMenu, tf::kStateDialog, tf::kStateMenuEditor}) {
    tf::gameSys.setGameState(state);
    EXPECT_EQ(section(), menus) << state;
  }
  tf::gameSys.setGameState(tf::kStateSplash);
  EXPECT_TRUE(section().empty());
  // The world editor: the game over its editor menu, nothing over its others.
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  EXPECT_TRUE(section().empty());
  tf::gameUI.setCurrentMenu(1);
  EXPECT_EQ(section(), game);
}

TEST_F(DebugOverlay, TheLinesStayInsideThePanelWhereverItIs) {
  playGame();
  tf::gameSys.setGameState(tf::kStatePlay);
  for (bool lowered : {false, true}) {
    tf::gameSys.setOrthoPos(lowered ? 700 : 10, lowered ? 86 : 590);
    const tf::DebugOverlay o = tf::planDebugOverlay();
    ASSERT_EQ(o.lines.size(), 11u);
    for (std::size_t i = 0; i < o.lines.size(); ++i) {
      EXPECT_EQ(o.lines[i].x, 620);
      if (i > 0) {
        EXPECT_EQ(o.lines[i].y - o.lines[i - 1].y, 13);
      }
    }
    // Glyphs are 6.8 units high above and below their line.
    EXPECT_GE(o.lines.front().y - 6.8f, o.y - tf::kDebugPanelHalfHeight);
    EXPECT_LE(o.lines.back().y + 6.8f, o.y + tf::kDebugPanelHalfHeight);
    EXPECT_LE(o.lines.back().y + 6.8f, 600);
  }
}

TEST(VolumeIndicator, ItShowsForFiftyFramesAfterAChange) {
  tftest::SettingsGuard guard;
  EXPECT_FALSE(tf::stepVolumeIndicator());
  tf::gameSys.setVolTimer(1000);
  int frames = 0;
  while (tf::stepVolumeIndicator()) ++frames;
  EXPECT_EQ(frames, 50);
  EXPECT_EQ(tf::gameSys.getVolTimer(), 0);
  EXPECT_FALSE(tf::stepVolumeIndicator());
  // A change while it shows starts the 50 frames again.
  tf::gameSys.setVolTimer(1000);
  for (int i = 0; i < 30; ++i) tf::stepVolumeIndicator();
  tf::gameSys.setVolTimer(1000);
  frames = 0;
  while (tf::stepVolumeIndicator()) ++frames;
  EXPECT_EQ(frames, 50);
}

TEST(VolumeIndicator, TheVolumeOnAScaleOfTen) {
  const std::string prefix = "^y^3Volume:^w ";
  EXPECT_EQ(tf::volumeText(0.5f), prefix + "5");
  EXPECT_EQ(tf::volumeText(0.1f), prefix + "1");
  EXPECT_EQ(tf::volumeText(0.0f), prefix + "0");
  EXPECT_EQ(tf::volumeText(1.0f), prefix + "10");
  EXPECT_EQ(tf::volumeText(0.2f), prefix + "2");
  EXPECT_EQ(tf::volumeText(0.55f), prefix + "5.5");
  EXPECT_EQ(tf::volumeText(0.25f), prefix + "2.5");
  // Whole numbers at and below 0.2: no 0.5 and no exponent.
  EXPECT_EQ(tf::volumeText(0.13f), prefix + "1");
  EXPECT_EQ(tf::volumeText(1e-9f), prefix + "0");

  // Every volume the buttons reach, stepping a tenth down from full and up
  // from nothing, shows its whole tenth.
  tftest::SettingsGuard guard;
  tf::gameSys.setSoundVolume(1.0f);
  for (int tenth = 10; tenth >= 0; --tenth) {
    EXPECT_EQ(tf::volumeText(tf::gameSys.getSoundVolume()), prefix + std::to_string(tenth)) << tenth;
    tf::gameSys.setSoundVolume(tf::gameSys.getSoundVolume() - 0.1f);
  }
  for (int tenth = 0; tenth <= 10; ++tenth) {
    EXPECT_EQ(tf::volumeText(tf::gameSys.getSoundVolume()), prefix + std::to_string(tenth)) << tenth;
    tf::gameSys.setSoundVolume(tf::gameSys.getSoundVolume() + 0.1f);
  }
}

}  // namespace
