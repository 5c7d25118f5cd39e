// The world editor's camera and map selection: edge scrolling by pointer
// position, window size and speed within the map's bounds, when it is held
// back, the drift back onto the map, and selecting an object or a tile that
// the map's selection pass hit.
#include "editor/world_editor.h"

#include <gtest/gtest.h>

#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "recording_platform.h"

using namespace tf;

namespace {

// A window of a size other than the smallest one.
class WideWindow : public tftest::RecordingPlatform {
 public:
  int windowWidth() const override { return 1024; }
  int windowHeight() const override { return 768; }
};

class EditorCameraTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset();
    world.allocateMaps(1);
    world.worldSetMap(10, 10, "map", 0);  // 3 x 3 world units
    world.setGameLoaded(true);
    gameSys.setGameState(kStateWorldEditor);
    camera.SetPos(1, 1, 0);
  }
  void TearDown() override { reset(); }
  static void reset() {
    world = gameWorld();
    worldEditor = editor();
    gameSys.setGameState(kStateMenus);
    gameSys.setMousePos(0, 0);
    gameSys.setFS(false);
    camera.SetPos(0, 0, 0);
  }
  // Scrolls once with the pointer at (x, y); the camera afterwards.
  std::pair<float, float> scrollAt(int x, int y, float speed = 1) {
    gameSys.setMousePos(x, y);
    moved = editorScroll(speed);
    float cx, cy, cz;
    camera.GetPos(cx, cy, cz);
    return {cx, cy};
  }
  bool moved = false;
  tftest::RecordingPlatform platform;
};

using Pos = std::pair<float, float>;

void expectPos(const Pos& got, float x, float y) {
  EXPECT_FLOAT_EQ(got.first, x);
  EXPECT_FLOAT_EQ(got.second, y);
}

TEST_F(EditorCameraTest, ThePointerAtAWindowEdgeMovesTheCameraThatWay) {
  expectPos(scrollAt(400, 300), 1, 1);
  EXPECT_FALSE(moved);
  expectPos(scrollAt(3, 300), 0.94f, 1);  // left
  EXPECT_TRUE(moved);
  camera.SetPos(1, 1, 0);
  expectPos(scrollAt(796, 300, 2), 1.12f, 1);  // right, at twice the speed
  camera.SetPos(1, 1, 0);
  expectPos(scrollAt(400, 0), 1, 1.06f);  // the top edge is up on the map
  camera.SetPos(1, 1, 0);
  expectPos(scrollAt(400, 600), 1, 0.94f);
  camera.SetPos(1, 1, 0);
  expectPos(scrollAt(0, 599, 0.5f), 0.97f, 0.97f);  // a corner moves both ways
  camera.SetPos(1, 1, 0);
  expectPos(scrollAt(6, 6), 1, 1);  // just inside the margin
  EXPECT_FALSE(moved);
  expectPos(scrollAt(-1, 300), 1, 1);  // outside the window
  EXPECT_FALSE(moved);
}

TEST_F(EditorCameraTest, ScrollingStaysOnTheMap) {
  camera.SetPos(0.03f, 0.03f, 0);
  expectPos(scrollAt(0, 598), 0, 0);  // stops at 0 on both axes
  EXPECT_TRUE(moved);
  expectPos(scrollAt(0, 598), 0, 0);
  EXPECT_FALSE(moved);
  camera.SetPos(2.95f, 2.95f, 0);
  expectPos(scrollAt(799, 2), 2.95f, 2.95f);  // would reach 3.01
  EXPECT_FALSE(moved);
  expectPos(scrollAt(799, 2, 0.5f), 2.98f, 2.98f);
  EXPECT_TRUE(moved);
  // Below the map the camera does not scroll further down.
  camera.SetPos(1, 3.5f, 0);
  expectPos(scrollAt(400, 599), 1, 3.5f);
  EXPECT_FALSE(moved);
  // Speed 0 (the renderer's first frame) moves nothing.
  camera.SetPos(1, 1, 0);
  expectPos(scrollAt(0, 300, 0), 1, 1);
  EXPECT_FALSE(moved);
}

TEST_F(EditorCameraTest, TheEdgesAreThoseOfTheWindowAndNarrowerInFullScreen) {
  WideWindow wide;
  expectPos(scrollAt(797, 300), 1, 1);
  EXPECT_FALSE(moved);
  expectPos(scrollAt(1020, 765), 1.06f, 0.94f);
  camera.SetPos(1, 1, 0);
  gameSys.setFS(true);
  expectPos(scrollAt(4, 300), 1, 1);
  EXPECT_FALSE(moved);
  expectPos(scrollAt(2, 300), 0.94f, 1);
  expectPos(scrollAt(1022, 300), 1, 1);
  EXPECT_TRUE(moved);
}

TEST_F(EditorCameraTest, NoScrollingUnderTheChoosersOrInTheLogicEditors) {
  worldEditor.setImageMenuTimer(1);
  expectPos(scrollAt(0, 300), 1, 1);
  worldEditor.setImageMenuTimer(0);
  worldEditor.setTemplateSelect(1);
  expectPos(scrollAt(0, 300), 1, 1);
  worldEditor.setTemplateSelect(0);
  for (int mode : {kModeGlobalLogic, kModeLocalLogic}) {
    worldEditor.setEditorMode(mode);
    expectPos(scrollAt(0, 300), 1, 1);
    EXPECT_FALSE(moved);
  }
  // In play the editor's state does not matter.
  gameSys.setGameState(kStatePlay);
  expectPos(scrollAt(0, 300), 0.94f, 1);
}

TEST_F(EditorCameraTest, TheCameraDriftsBackOntoTheMap) {
  camera.SetPos(3.2f, -0.5f, 0);
  checkEditorCamera();
  float x, y, z;
  camera.GetPos(x, y, z);
  EXPECT_FLOAT_EQ(x, 3.14f);
  EXPECT_FLOAT_EQ(y, -0.44f);
  camera.SetPos(1.5f, 2.9f, 0);
  checkEditorCamera();
  camera.GetPos(x, y, z);
  EXPECT_FLOAT_EQ(x, 1.5f);
  EXPECT_FLOAT_EQ(y, 2.9f);
}

TEST_F(EditorCameraTest, APickedObjectBecomesTheSingleSelection) {
  for (int i = 0; i < 3; ++i) world.worldSetObject(0.3f * i, 0.3f, 0.1f, 0.1f, 0, 0, i, 0);
  worldEditor.setObjectList(0, 0);
  worldEditor.setObjectList(1, 1);
  worldEditor.setObjectListAmount(2);
  worldEditor.setEditorMode(kModeTile);
  editorSelectObject(2);
  EXPECT_EQ(worldEditor.getCurrentObject(), 2);
  EXPECT_EQ(worldEditor.getEditorMode(), kModeObject);
  EXPECT_EQ(worldEditor.getObjectListAmount(), 0);
  EXPECT_EQ(worldEditor.getObjectList(0), -1);
  // Indexes that name no object change nothing.
  worldEditor.setEditorMode(kModeNothing);
  editorSelectObject(3);
  editorSelectObject(-1);
  EXPECT_EQ(worldEditor.getCurrentObject(), 2);
  EXPECT_EQ(worldEditor.getEditorMode(), kModeNothing);
}

TEST_F(EditorCameraTest, APickedTileBecomesTheCurrentTileAndTheWholeRange) {
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setEndingTile(8, 8);
  editorSelectTile(4, 9);
  int x, y;
  worldEditor.getCurrentTile(x, y);
  EXPECT_EQ(x, 4);
  EXPECT_EQ(y, 9);
  worldEditor.getStartingTile(x, y);
  EXPECT_EQ(x * 100 + y, 409);
  worldEditor.getEndingTile(x, y);
  EXPECT_EQ(x * 100 + y, 409);
  EXPECT_EQ(worldEditor.getEditorMode(), kModeTile);
  // Tiles outside the map change nothing.
  worldEditor.setEditorMode(kModeNothing);
  editorSelectTile(10, 0);
  editorSelectTile(0, -1);
  worldEditor.getCurrentTile(x, y);
  EXPECT_EQ(x * 100 + y, 409);
  EXPECT_EQ(worldEditor.getEditorMode(), kModeNothing);
}

}  // namespace
