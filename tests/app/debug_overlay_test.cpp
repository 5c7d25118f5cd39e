// What the debug overlay tells below its figures in each game state (the
// game, the menus or nothing), where its panel goes (away from the console
// and the mouse), and the volume indicator's 0 to 10 scale.
#include "app/debug_overlay.h"

#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "core/system.h"
#include "game/world.h"
#include "menus/ui_model.h"
#include "settings_guard.h"

namespace {

using namespace tf;

// The version, frame rate, camera, two mouse lines and the time come first.
constexpr std::size_t kFigureLines = 6;

class DebugSections : public ::testing::Test {
 protected:
  void SetUp() override {
    console = debugConsole();
    world = gameWorld();
    world.allocateMaps(2);
    world.worldSetMap(15, 11, "Garden", 0);
    world.worldSetMap(4, 3, "Crypt", 1);
    world.setCurrentMap(1);
    world.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 0, 1, 0, 1);
    gameUI = UI();
    gameUI.allocateMenu(4);
    gameUI.setMenuCount(4);
    gameUI.setEditorMenu(3);
    gameUI.uiModifyButton(400, 300, 100, 25, 0, 0, 0, 2, 0);
    gameUI.menuSetButtonCount(2, 1);
    gameSys.setOrthoPos(10, 590);  // away from the panel
  }
  void TearDown() override {
    console = debugConsole();
    world = gameWorld();
    gameUI = UI();
  }
  tftest::SettingsGuard guard;
};

TEST_F(DebugSections, TheGameWhileItIsShownNothingOnTheSplashTheMenusOtherwise) {
  const std::string game = "^yGame Debug|Maps: ^y2|Map: ^y1|Map Size: ^y4x3|Objects: ^y1";
  const std::string menus =
      "^yUI DEBUG^w. Menu:^y 2|Menus: ^y4|Buttons: ^y1|Textboxes: ^y0|TextLines: ^y0";
  const std::string editorMenus =
      "^yUI DEBUG^w. Menu:^y 3|Menus: ^y4|Buttons: ^y0|Textboxes: ^y0|TextLines: ^y0";
  const struct {
    int state, menu;
    std::string section;
  } cases[] = {
      {kStatePlay, 2, game},          {kStatePlaytest, 2, game},   {kStateWorldEditor, 3, game},
      {kStateWorldEditor, 2, ""},     {kStateSplash, 2, ""},       {kStateMenus, 2, menus},
      {kStateIngameMenu, 2, menus},   {kStateDialog, 2, menus},    {kStateMenuEditor, 3, editorMenus},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.state) + " menu " + std::to_string(c.menu));
    gameSys.setGameState(c.state);
    gameUI.setCurrentMenu(c.menu);
    const DebugOverlay overlay = planDebugOverlay();
    ASSERT_GE(overlay.lines.size(), kFigureLines);
    std::string section;
    for (std::size_t i = kFigureLines; i < overlay.lines.size(); ++i) {
      section += (i > kFigureLines ? "|" : "") + overlay.lines[i].text;
    }
    EXPECT_EQ(section, c.section);
  }
}

TEST_F(DebugSections, ThePanelMovesAwayFromTheConsoleAndTheMouse) {
  enum { kClosed, kOpen, kClosing };
  // The panel is x 602..798, y 7..165. Lowered when the mouse is strictly inside that or the
  // console is open; hidden when the mouse is over the lowered panel of an open console.
  const struct {
    int console, mx, my;
    bool shown;
    float y;
  } cases[] = {{kClosed, 10, 590, true, 86},    {kClosed, 700, 86, true, 500}, {kClosed, 602, 86, true, 86},
               {kClosed, 798, 86, true, 86},    {kClosed, 700, 7, true, 86},   {kClosed, 700, 165, true, 86},
               {kClosed, 603, 164, true, 500},  {kOpen, 700, 86, true, 500},   {kOpen, 650, 520, false, 500},
               {kClosing, 650, 520, false, 500}};
  for (const auto& c : cases) {
    console = debugConsole();
    if (c.console != kClosed) console.enableConsole();
    if (c.console == kClosing) console.disableConsole();
    gameSys.setOrthoPos(c.mx, c.my);
    const DebugOverlay o = planDebugOverlay();
    EXPECT_EQ(o.shown, c.shown) << c.console << ": " << c.mx << "," << c.my;
    EXPECT_EQ(o.y, c.y) << c.console << ": " << c.mx << "," << c.my;
  }
}

// Up to 0.2 the volume shows as a whole number, rounded, so that a volume
// stepped down from 1 in tenths (a hair below each tenth) shows its tenth;
// above, as the decimal it is.
TEST(VolumeIndicator, TheVolumeOnAScaleOf0To10) {
  const struct {
    float volume;
    const char* shown;
  } cases[] = {{0.0f, "0"},   {0.1f, "1"},   {0.0999999f, "1"}, {0.2f, "2"},  {0.19f, "2"},
               {0.3f, "3"},   {0.5f, "5"},   {0.25f, "2.5"},    {1.0f, "10"}};
  for (const auto& c : cases) {
    EXPECT_EQ(volumeText(c.volume), std::string("^y^3Volume:^w ") + c.shown) << c.volume;
  }
}

}  // namespace
