// The debug overlay's place (away from the console and the mouse), its figures
// and its game or menu section by game state, and the volume indicator.
#include "core/debug_overlay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "core/camera.h"
#include "core/system.h"
#include "game/world.h"
#include "game_tree.h"
#include "manual_clock.h"
#include "menus/ui.h"
#include "settings_guard.h"

namespace {

using Lines = std::vector<std::string>;

Lines texts(const tf::DebugOverlay& overlay) {
  Lines result;
  for (const tf::OverlayLine& line : overlay.lines) result.push_back(line.text);
  return result;
}

class DebugOverlay : public ::testing::Test {
 protected:
  void SetUp() override {
    reset();
    tf::gameSys.setOrthoPos(10, 590);  // out of the panel's way
  }
  void TearDown() override { reset(); }
  static void reset() {
    tftest::resetLifecycleGlobals();  // the world, the menus, the camera and the system state
    tf::console = tf::debugConsole();
  }

  tftest::SettingsGuard guard;
  tftest::ManualClock clock{0};
};

TEST_F(DebugOverlay, ThePanelMovesAwayFromTheConsoleAndTheMouse) {
  enum { kClosed, kOpen, kClosing };
  // Lowered when the mouse is strictly inside the upper place or the console
  // is open; hidden when the mouse is over the lowered panel of an open console.
  const struct {
    int console, mx, my;
    bool shown;
    float y;
  } cases[] = {{kClosed, 10, 590, true, 86},    {kClosed, 700, 86, true, 500}, {kClosed, 602, 86, true, 86},
               {kClosed, 798, 86, true, 86},    {kClosed, 700, 7, true, 86},   {kClosed, 700, 165, true, 86},
               {kClosed, 603, 164, true, 500},  {kOpen, 700, 86, true, 500},   {kOpen, 650, 520, false, 500},
               {kClosing, 650, 520, false, 500}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.console) + ": " + std::to_string(c.mx) + "," + std::to_string(c.my));
    tf::console = tf::debugConsole();
    if (c.console != kClosed) tf::console.enableConsole();
    if (c.console == kClosing) tf::console.disableConsole();
    tf::gameSys.setOrthoPos(c.mx, c.my);
    const tf::DebugOverlay o = tf::planDebugOverlay();
    EXPECT_EQ(o.shown, c.shown);
    EXPECT_EQ(o.y, c.y);
  }
}

TEST_F(DebugOverlay, TheFiguresOfTheProgram) {
  tf::gameSys.setCurFPS(57);
  tf::camera.SetPos(1.26f, -12.345f, 0);
  tf::gameSys.setOrthoPos(123, 456);
  tf::gameSys.setNormalPos(0.456, -2.26);
  clock.set(12999);
  tf::gameSys.setGameState(tf::kStateSplash);  // no section
  EXPECT_EQ(texts(tf::planDebugOverlay()), (Lines{"^wVer. ^yV 1.1^w Build ^y0", "FPS: ^g57", "Camera: ^y1.3, -12",
                                                  "M UI: ^y123, 456", "M IG: ^y0.46, -2.3", "Time Elapsed: ^y12"}));
  tf::camera.SetPos(0, 0.004f, 0);
  EXPECT_EQ(tf::planDebugOverlay().lines[2].text, "Camera: ^y0, 0.004");
}

TEST_F(DebugOverlay, TheSectionFollowsTheGameState) {
  // A game of two maps, the second (12 by 7, 3 objects) current; three menus,
  // menu 2 (2 buttons, 1 textbox, 4 lines) current, menu 1 the editor's.
  tf::world.allocateMaps(2);
  tf::world.worldSetMap(4, 4, "A", 0);
  tf::world.worldSetMap(12, 7, "B", 1);
  for (int i = 0; i < 3; ++i) tf::world.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 1, 0, i, 1);
  tf::world.setCurrentMap(1);
  tf::gameUI.allocateMenu(3);
  tf::gameUI.menuSetButtonCount(2, 2);
  tf::gameUI.menuSetTextboxCount(2, 1);
  tf::gameUI.menuSetTextlineCount(2, 4);
  tf::gameUI.setCurrentMenu(2);
  tf::gameUI.setEditorMenu(1);
  const Lines game = {"^yGame Debug", "Maps: ^y2", "Map: ^y1", "Map Size: ^y12x7", "Objects: ^y3"};
  const Lines menus = {"^yUI DEBUG^w. Menu:^y 2", "Menus: ^y3", "Buttons: ^y2", "Textboxes: ^y1", "TextLines: ^y4"};
  const Lines none;
  // The world editor shows the game over its editor menu, nothing over its others.
  const struct {
    int state, menu;
    const Lines& section;
  } cases[] = {{tf::kStatePlay, 2, game},        {tf::kStatePlaytest, 2, game},    {tf::kStateMenus, 2, menus},
               {tf::kStateIngameMenu, 2, menus}, {tf::kStateDialog, 2, menus},     {tf::kStateMenuEditor, 2, menus},
               {tf::kStateSplash, 2, none},      {tf::kStateWorldEditor, 2, none}, {tf::kStateWorldEditor, 1, game}};
  for (const auto& c : cases) {
    tf::gameSys.setGameState(c.state);
    tf::gameUI.setCurrentMenu(c.menu);
    const Lines all = texts(tf::planDebugOverlay());
    EXPECT_EQ(Lines(all.begin() + 6, all.end()), c.section) << c.state;
  }
}

TEST(VolumeIndicator, FiftyFramesAfterEachChangeShowingTheVolumeOnAScaleOfTen) {
  tftest::SettingsGuard guard;
  EXPECT_FALSE(tf::stepVolumeIndicator());
  tf::gameSys.setVolTimer(1000);
  for (int i = 0; i < 30; ++i) tf::stepVolumeIndicator();
  tf::gameSys.setVolTimer(1000);  // a change while it shows starts again
  int frames = 0;
  while (tf::stepVolumeIndicator()) ++frames;
  EXPECT_EQ(frames, 50);

  const std::string prefix = "^y^3Volume:^w ";
  // Whole numbers at and below 0.2: no 0.5 and no exponent.
  for (auto c : {std::pair<float, const char*>{0.55f, "5.5"}, {0.25f, "2.5"}, {0.13f, "1"}, {1e-9f, "0"}}) {
    EXPECT_EQ(tf::volumeText(c.first), prefix + c.second) << c.first;
  }
  // Every volume the buttons reach, a tenth at a time down from full and up
  // from nothing, shows its whole tenth.
  tf::gameSys.setSoundVolume(1);
  for (int step = 0; step <= 21; ++step) {
    const int tenth = step <= 10 ? 10 - step : step - 11;
    EXPECT_EQ(tf::volumeText(tf::gameSys.getSoundVolume()), prefix + std::to_string(tenth)) << step;
    tf::gameSys.setSoundVolume(tf::gameSys.getSoundVolume() + (step <= 10 ? -0.1f : 0.1f));
  }
}

}  // namespace
