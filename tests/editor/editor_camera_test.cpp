// The world editor's camera and map selection: edge scrolling within the
// map's bounds and when it is held back, the drift back onto the map, and
// selecting the object or tile that the map's selection pass hit.
#include "editor/world_editor.h"

#include <gtest/gtest.h>

#include "core/camera.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "game_tree.h"

using namespace tf;
using tftest::cameraAt;
using tftest::editorState;

namespace {

class SizedWindow : public Platform {
 public:
  int windowWidth() const override { return w; }
  int windowHeight() const override { return h; }
  int w = 800, h = 600;
};

class EditorCameraTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tftest::resetLifecycleGlobals();
    setPlatform(&window);
    world.allocateMaps(1);
    world.worldSetMap(10, 10, "map", 0);  // 3 x 3 world units
    world.setGameLoaded(true);
    gameSys.setGameState(kStateWorldEditor);
  }
  void TearDown() override {
    setPlatform(nullptr);
    tftest::resetLifecycleGlobals();
  }
  // Scrolls once from the camera at (x, y) with the pointer at (mx, my); the camera afterwards.
  std::string scroll(float x, float y, int mx, int my, float speed = 1) {
    camera.SetPos(x, y, 0);
    gameSys.setMousePos(mx, my);
    const bool moved = editorScroll(speed);
    float cx, cy, cz;
    camera.GetPos(cx, cy, cz);
    EXPECT_EQ(moved, cx != x || cy != y);
    return cameraAt();
  }
  SizedWindow window;
};

TEST_F(EditorCameraTest, ThePointerAtAWindowEdgeMovesTheCameraThatWayWithinTheMap) {
  const struct {
    float x, y;
    int mx, my;
    float speed;
    int w, h;
    bool fullScreen;
    const char* camera;
  } cases[] = {
      {1, 1, 400, 300, 1, 800, 600, false, "1 1 0"},
      {1, 1, 3, 300, 1, 800, 600, false, "0.94 1 0"},   // left
      {1, 1, 796, 300, 2, 800, 600, false, "1.12 1 0"},  // right, at twice the speed
      {1, 1, 400, 0, 1, 800, 600, false, "1 1.06 0"},   // the top edge is up on the map
      {1, 1, 400, 600, 1, 800, 600, false, "1 0.94 0"},
      {1, 1, 0, 599, 0.5f, 800, 600, false, "0.97 0.97 0"},  // a corner moves both ways
      {1, 1, 6, 6, 1, 800, 600, false, "1 1 0"},              // just inside the margin
      {1, 1, -1, 300, 1, 800, 600, false, "1 1 0"},           // outside the window
      {1, 1, 0, 300, 0, 800, 600, false, "1 1 0"},            // speed 0: the renderer's first frame
      {0.03f, 0.03f, 0, 598, 1, 800, 600, false, "0 0 0"},    // stops at 0 on both axes
      {0, 0, 0, 598, 1, 800, 600, false, "0 0 0"},
      {2.95f, 2.95f, 799, 2, 1, 800, 600, false, "2.95 2.95 0"},  // would leave the map
      {2.95f, 2.95f, 799, 2, 0.5f, 800, 600, false, "2.98 2.98 0"},
      {1, 3.5f, 400, 599, 1, 800, 600, false, "1 3.5 0"},  // below the map: no further down
      {1, 1, 797, 300, 1, 1024, 768, false, "1 1 0"},      // the edges are the window's
      {1, 1, 1020, 765, 1, 1024, 768, false, "1.06 0.94 0"},
      {1, 1, 4, 300, 1, 1024, 768, true, "1 1 0"},  // narrower in full screen
      {1, 1, 2, 300, 1, 1024, 768, true, "0.94 1 0"},
      {1, 1, 1022, 300, 1, 1024, 768, true, "1.06 1 0"},
  };
  for (const auto& c : cases) {
    window.w = c.w;
    window.h = c.h;
    gameSys.setFS(c.fullScreen);
    SCOPED_TRACE("pointer at " + std::to_string(c.mx) + "," + std::to_string(c.my) + " of " + std::to_string(c.w));
    EXPECT_EQ(scroll(c.x, c.y, c.mx, c.my, c.speed), c.camera);
  }
}

TEST_F(EditorCameraTest, NoScrollingUnderTheChoosersOrInTheLogicEditors) {
  worldEditor.setImageMenuTimer(1);
  EXPECT_EQ(scroll(1, 1, 0, 300), "1 1 0");
  worldEditor.setImageMenuTimer(0);
  worldEditor.setTemplateSelect(1);
  EXPECT_EQ(scroll(1, 1, 0, 300), "1 1 0");
  worldEditor.setTemplateSelect(0);
  for (int mode : {kModeGlobalLogic, kModeLocalLogic}) {
    worldEditor.setEditorMode(mode);
    EXPECT_EQ(scroll(1, 1, 0, 300), "1 1 0");
  }
  gameSys.setGameState(kStatePlay);  // in play the editor's state does not matter
  EXPECT_EQ(scroll(1, 1, 0, 300), "0.94 1 0");
}

TEST_F(EditorCameraTest, TheCameraDriftsBackOntoTheMap) {
  camera.SetPos(3.2f, -0.5f, 0);
  checkEditorCamera();
  EXPECT_EQ(cameraAt(), "3.14 -0.44 0");
  camera.SetPos(1.5f, 2.9f, 0);
  checkEditorCamera();
  EXPECT_EQ(cameraAt(), "1.5 2.9 0");
}

TEST_F(EditorCameraTest, APickedObjectOrTileBecomesTheSingleSelection) {
  const std::string rest = " anim 0 ui 0,0,0 help 0 tip 0 layers 11111111";
  for (int i = 0; i < 3; ++i) world.worldSetObject(0.3f * i, 0.3f, 0.1f, 0.1f, 0, 0, i, 0);
  worldEditor.setObjectList(0, 0);
  worldEditor.setObjectListAmount(2);
  worldEditor.setEditorMode(kModeTile);
  editorSelectObject(2);
  EXPECT_EQ(editorState(), "mode 2 tiles 0,0 0,0 0,0 object 2 list 0:-1" + rest);
  worldEditor.setEndingTile(8, 8);
  editorSelectTile(4, 9);  // the current tile and the whole range
  EXPECT_EQ(editorState(), "mode 1 tiles 4,9 4,9 4,9 object 2 list 0:-1" + rest);
  // Indexes that name nothing on the map change nothing.
  worldEditor.setEditorMode(kModeNothing);
  editorSelectObject(3);
  editorSelectObject(-1);
  editorSelectTile(10, 0);
  editorSelectTile(0, -1);
  EXPECT_EQ(editorState(), "mode 0 tiles 4,9 4,9 4,9 object 2 list 0:-1" + rest);
}

}  // namespace
