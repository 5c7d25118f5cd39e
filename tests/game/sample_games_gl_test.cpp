// The sample games drawn on a real window after a few frames of play: the
// camera keeps Coin Maze's player in the middle of the screen, and the
// burrows, slimes and scores of Whack-a-Slime are where the field puts them.
// Each scene is kept as a screenshot (the README's docs/maze.png and
// docs/whack.png when TF_SCREENSHOT_DIR is set).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/camera.h"
#include "core/system.h"
#include "core/view.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "game_player.h"
#include "game_tree.h"
#include "gl_window.h"
#include "logic/evaluation.h"
#include "logic/game_render.h"
#include "manual_clock.h"

using tftest::objectNamed;
using tftest::Rgb;

namespace {

// Screen pixels per world unit on the map's plane, seen from the camera 0.15
// above the plane z = 0 with a 45 degree field of view, 600 pixels high.
const double kPixelsPerUnit = 300.0 / ((0.15 - tf::kTileDepth) * std::tan(22.5 * M_PI / 180.0));

class SampleGameGl : public tftest::GlTest {
 protected:
  void TearDown() override {
    tftest::resetLifecycleGlobals();
    GlTest::TearDown();
  }

  void play(const std::string& name) {
    ASSERT_TRUE(useDataSystemImages());
    tftest::copyShippedGame(dir, name);
    tftest::resetLifecycleGlobals();
    tf::gameSys.setMousePos(400, 300);  // away from the edges that scroll
    tf::loadGame(name);
    ASSERT_TRUE(tf::world.getGameLoaded());
    tf::world.enterGame();
  }

  // One frame as the program draws it: the map, the logic (which draws the
  // texts above objects), the display image.
  void drawFrame() {
    clearFrame();
    tf::UpdateCamera();
    tf::gameRender(tf::MapEditView());
    tf::updateLogic(false);
    tf::renderGameBox();
  }

  // The pixel of world point (x, y) on the map's plane.
  Rgb at(float x, float y) const {
    float cx, cy, cz;
    tf::camera.GetPos(cx, cy, cz);
    return pixel(static_cast<int>(std::lround(400 + (x - cx) * kPixelsPerUnit)),
                 static_cast<int>(std::lround(300 - (y - cy) * kPixelsPerUnit)));
  }

  Rgb objectCentre(int obj) const {
    float x, y, w, h;
    int tex, layer;
    tf::world.worldGetObject(x, y, w, h, tex, layer, obj, tf::world.getCurrentMap());
    return at(x, y - h / 3);  // the body, below the middle of the picture
  }

  tftest::ManualClock clock{0};
  tftest::GamePlayer player{clock};
};

bool differs(const Rgb& a, const Rgb& b) { return !near(a, b, 24); }

TEST_F(SampleGameGl, CoinMazeKeepsItsPlayerInTheMiddleOfTheScreen) {
  play("maze");
  player.frames(3);
  // West, south and west again, between the first coin and the sleeping bat,
  // the greeting put away.
  player.holdArrow(tf::kKeyLeft, 17);
  player.holdArrow(tf::kKeyDown, 34);
  player.holdArrow(tf::kKeyLeft, 34);
  player.pressKey(tf::kKeyEnter);
  player.releaseKey(tf::kKeyEnter);
  player.frames(2);
  const int hero = objectNamed("Player");
  drawFrame();
  const Rgb withPlayer = pixel(400, 310);
  tf::world.worldSetObjectVisible(false, hero, 0);
  drawFrame();
  EXPECT_TRUE(differs(withPlayer, pixel(400, 310))) << withPlayer << " is the ground, not the player";
  tf::world.worldSetObjectVisible(true, hero, 0);
  drawFrame();
  keepScreenshot("maze.png", 10000);
}

TEST_F(SampleGameGl, WhackASlimeShowsItsSlimesOverTheirBurrows) {
  std::srand(3);
  play("whack");
  player.frames(3);
  player.click(-1);  // the rules put away
  // Waits for a slime to come up: each has one chance in four a second.
  int up = -1;
  for (int frames = 0; frames < 60 * 10 && up < 0; ++frames) {
    player.frame();
    for (int k = 1; k <= 6 && up < 0; ++k) {
      const int slime = objectNamed("Slime" + std::to_string(k));
      if (tf::world.worldGetObjectVisible(slime, 0)) up = slime;
    }
  }
  ASSERT_GE(up, 0) << "no slime came up";
  drawFrame();
  const Rgb slime = objectCentre(up);
  keepScreenshot("whack.png", 10000);
  tf::world.worldSetObjectVisible(false, up, 0);
  drawFrame();
  EXPECT_TRUE(differs(slime, objectCentre(up))) << slime << " is the burrow, not the slime";
}

}  // namespace
