// What the map's drawing decides without a window: the view by game state,
// the tile range around the camera and its clamping, the draw distance, the
// order, depth, shade and selection names of objects in play and in the
// editor, the editor's highlights and marks, the display timers, the phrase
// box, and the pulse and scrolling speed.
#include "logic/game_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "media/images.h"

using namespace tf;

namespace {

class GameRenderTest : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }
  static void reset() {
    world = gameWorld();
    worldEditor = editor();
    gameImg.clear();
    gameRenderState = GameRenderState();
    gameSys.setGameState(kStateMenus);
  }

  // A loaded game with one map of w x h tiles.
  static void loadMap(int w, int h) {
    world.allocateMaps(1);
    ASSERT_TRUE(world.worldSetMap(w, h, "map", 0));
    world.setGameLoaded(true);
    world.setGameName("meadow");
  }
  // Adds an object of image `image` on `layer` at (x, y); returns its index.
  static int addObject(float x, float y, int layer, int image = 0) {
    int index = world.worldGetObjectCount(0);
    world.worldSetObject(x, y, 0.1f, 0.1f, image, layer, index, 0);
    return index;
  }
  static std::vector<int> drawnIndexes(MapView view, float cameraX = 0, float cameraY = 0) {
    std::vector<ObjectDraw> drawn;
    planObjects(world, 0, cameraX, cameraY, view, worldEditor, gameRenderState.imageFlash, drawn);
    std::vector<int> indexes;
    for (const ObjectDraw& d : drawn) indexes.push_back(d.index);
    return indexes;
  }
};

using Indexes = std::vector<int>;

TEST_F(GameRenderTest, TheViewFollowsTheGameStateAndNeedsAPlayableGame) {
  EXPECT_EQ(chooseMapView(kStatePlay, false, world), MapView::None);  // no game loaded
  loadMap(4, 4);
  EXPECT_EQ(chooseMapView(kStatePlay, false, world), MapView::Game);
  EXPECT_EQ(chooseMapView(kStatePlaytest, true, world), MapView::Game);
  EXPECT_EQ(chooseMapView(kStateWorldEditor, true, world), MapView::Editor);
  EXPECT_EQ(chooseMapView(kStateWorldEditor, false, world), MapView::None);
  for (int state : {kStateMenus, kStateIngameMenu, kStateSplash, kStateDialog, kStateMenuEditor}) {
    EXPECT_EQ(chooseMapView(state, true, world), MapView::None) << state;
  }
  for (const char* reserved : {"mainui", "ingameui"}) {
    world.setGameName(reserved);
    EXPECT_EQ(chooseMapView(kStatePlay, false, world), MapView::None);
    EXPECT_EQ(chooseMapView(kStateWorldEditor, true, world), MapView::None);
  }
}

TEST_F(GameRenderTest, TheTileRangeIsClampedAtTheMapsEdges) {
  // Near the lower left corner: from column and row 0.
  TileRange low = visibleTileRange(0.2f, 0.3f, 40, 40);
  EXPECT_EQ(low.firstColumn, 0);
  EXPECT_EQ(low.firstRow, 0);
  EXPECT_EQ(low.endColumn, 11);  // (0.2 + 3) x 3.33 = 10.66: columns up to 10
  EXPECT_EQ(low.endRow, 11);     // 10.99
  // Near the far corner: up to the map's width and height.
  TileRange high = visibleTileRange(11.8f, 11.9f, 40, 40);
  EXPECT_EQ(high.firstColumn, 32);  // 32.63
  EXPECT_EQ(high.firstRow, 32);     // 32.97
  EXPECT_EQ(high.endColumn, 40);
  EXPECT_EQ(high.endRow, 40);
  // In the middle of a large map about 17 x 17 tiles.
  TileRange middle = visibleTileRange(6.0f, 9.0f, 100, 100);
  EXPECT_EQ(middle.firstColumn, 13);
  EXPECT_EQ(middle.endColumn, 30);
  EXPECT_EQ(middle.firstRow, 23);
  EXPECT_EQ(middle.endRow, 40);
  // A camera far off the map, or a map without tiles: nothing to visit.
  TileRange off = visibleTileRange(-10, -10, 40, 40);
  EXPECT_GE(off.firstColumn, off.endColumn);
  TileRange beyond = visibleTileRange(50, 50, 40, 40);
  EXPECT_GE(beyond.firstColumn, beyond.endColumn);
  EXPECT_GE(beyond.firstRow, beyond.endRow);
  TileRange empty = visibleTileRange(0, 0, 0, 0);
  EXPECT_EQ(empty.endColumn, 0);
  EXPECT_EQ(empty.endRow, 0);
}

TEST_F(GameRenderTest, OnlyWhatLiesStrictlyWithinTheDrawDistanceOnBothAxesIsDrawn) {
  EXPECT_TRUE(withinDrawDistance(2.29f, -2.29f, 0, 0));
  EXPECT_FALSE(withinDrawDistance(2.3f, 0, 0, 0));
  EXPECT_FALSE(withinDrawDistance(0, -2.3f, 0, 0));
  EXPECT_FALSE(withinDrawDistance(2.31f, 2.31f, 0, 0));
  EXPECT_TRUE(withinDrawDistance(7.2f, 2.8f, 5, 5));
  EXPECT_FALSE(withinDrawDistance(7.4f, 5, 5, 5));
  EXPECT_FLOAT_EQ(tileCentre(7), 2.1f);
}

TEST_F(GameRenderTest, ObjectsAreDrawnLayerByLayerEachALittleAboveTheLast) {
  loadMap(10, 10);
  addObject(0.5f, 0.5f, 2);
  addObject(0.6f, 0.5f, 0);
  addObject(0.7f, 0.5f, 1);
  addObject(0.8f, 0.5f, 0);
  std::vector<ObjectDraw> drawn;
  planObjects(world, 0, 0, 0, MapView::Game, worldEditor, 1, drawn);
  ASSERT_EQ(drawn.size(), 4u);
  const int order[] = {1, 3, 2, 0};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(drawn[k].index, order[k]);
    EXPECT_EQ(drawn[k].pick, order[k] + 100);
    EXPECT_FLOAT_EQ(drawn[k].z, -1.99f + 0.00001f * k);
    EXPECT_FLOAT_EQ(drawn[k].shade, 1);
  }
  EXPECT_GT(drawn[3].z, drawn[2].z);
  EXPECT_FLOAT_EQ(drawn[2].x, 0.7f);
  // The depth counts drawn objects only: skipped ones take none.
  world.worldSetObjectVisible(false, 1, 0);
  planObjects(world, 0, 0, 0, MapView::Game, worldEditor, 1, drawn);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].index, 3);
  EXPECT_FLOAT_EQ(drawn[0].z, -1.99f);
}

TEST_F(GameRenderTest, VisibilityDecidesInPlayButTheEditorDrawsHiddenObjects) {
  loadMap(10, 10);
  const int hidden = addObject(0.3f, 0.3f, 0);
  const int killed = addObject(0.6f, 0.3f, 0);
  const int plain = addObject(0.9f, 0.3f, 0);
  world.worldSetObjectVisible(false, hidden, 0);
  world.worldSetObjectLife(false, killed, 0);
  EXPECT_EQ(drawnIndexes(MapView::Game), (Indexes{killed, plain}));
  EXPECT_EQ(drawnIndexes(MapView::Editor), (Indexes{hidden, killed, plain}));
  EXPECT_EQ(drawnIndexes(MapView::None), Indexes{});
}

TEST_F(GameRenderTest, LayersBeyondTheMapsLayerCountAndSwitchedOffLayersAreNotDrawn) {
  loadMap(10, 10);
  world.worldSetMapLayerCount(3, 0);
  const int top = addObject(0.3f, 0.3f, 3);
  addObject(0.3f, 0.3f, 4);
  addObject(0.3f, 0.3f, -1);
  const int bottom = addObject(0.3f, 0.3f, 0);
  EXPECT_EQ(drawnIndexes(MapView::Game), (Indexes{bottom, top}));
  EXPECT_EQ(drawnIndexes(MapView::Editor), (Indexes{bottom, top}));
  worldEditor.setRenderLayer(3, false);
  EXPECT_EQ(drawnIndexes(MapView::Editor), (Indexes{bottom}));
  EXPECT_EQ(drawnIndexes(MapView::Game), (Indexes{bottom, top}));  // play ignores the editor's switches

  // A larger layer count reaches further in play; the editor has switches
  // for layers 0 to 7 only.
  world.worldSetMapLayerCount(20, 0);
  const int high = addObject(0.3f, 0.3f, 9);
  EXPECT_EQ(drawnIndexes(MapView::Game), (Indexes{bottom, top, 1, high}));
  worldEditor.setRenderLayer(3, true);
  EXPECT_EQ(drawnIndexes(MapView::Editor), (Indexes{bottom, top, 1}));
}

TEST_F(GameRenderTest, ObjectsFarFromTheCameraAreSkipped) {
  loadMap(40, 40);
  const int near = addObject(5.0f, 5.0f, 0);
  addObject(7.5f, 5.0f, 0);
  addObject(5.0f, 2.6f, 0);
  EXPECT_EQ(drawnIndexes(MapView::Game, 5, 5), (Indexes{near}));
  EXPECT_EQ(drawnIndexes(MapView::Editor, 5, 5), (Indexes{near}));
}

TEST_F(GameRenderTest, TheEditorShadesObjectsThatCarryLogicWithThePulse) {
  loadMap(10, 10);
  addObject(0.3f, 0.3f, 0);
  const int withLogic = addObject(0.6f, 0.3f, 0);
  ASSERT_TRUE(world.mapLocalAddSentence(withLogic, 0));
  std::vector<ObjectDraw> drawn;
  planObjects(world, 0, 0, 0, MapView::Editor, worldEditor, 0.62f, drawn);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_FLOAT_EQ(drawn[0].shade, 1);
  EXPECT_FLOAT_EQ(drawn[1].shade, 0.62f);
  planObjects(world, 0, 0, 0, MapView::Game, worldEditor, 0.62f, drawn);
  EXPECT_FLOAT_EQ(drawn[1].shade, 1);
}

TEST_F(GameRenderTest, AnImageIndexOutsideTheRegistryResolvesToARefusedTexture) {
  gameImg.assign(3, img());
  gameImg[1].SetTex(17);
  gameImg[2].SetTex(18);
  gameImg[2].setAnimState(true);
  gameImg[2].setCurrentFrame(4);
  EXPECT_EQ(resolveGameImage(1).tex, 17);
  EXPECT_FALSE(resolveGameImage(1).animated);
  EXPECT_TRUE(resolveGameImage(2).animated);
  EXPECT_EQ(resolveGameImage(2).frame, 4);
  for (int index : {-1, 3, 100000}) EXPECT_EQ(resolveGameImage(index).tex, -1) << index;
}

TEST_F(GameRenderTest, TheSelectedTileRangeIsHighlightedInTileModeOnly) {
  worldEditor.setEditorMode(kModeTile);
  worldEditor.setCurrentTile(4, 5);
  worldEditor.setStartingTile(2, 3);
  float shade = 0;
  EXPECT_TRUE(tileHighlight(worldEditor, 2, 3, shade));
  EXPECT_FLOAT_EQ(shade, 1);
  EXPECT_TRUE(tileHighlight(worldEditor, 4, 5, shade));
  EXPECT_FLOAT_EQ(shade, 0.75f);
  EXPECT_TRUE(tileHighlight(worldEditor, 3, 3, shade));
  EXPECT_FALSE(tileHighlight(worldEditor, 5, 5, shade));
  EXPECT_FALSE(tileHighlight(worldEditor, 2, 2, shade));
  // Corners given the other way round span the same rectangle.
  worldEditor.setStartingTile(4, 5);
  worldEditor.setEndingTile(2, 3);
  EXPECT_TRUE(tileHighlight(worldEditor, 2, 3, shade));
  EXPECT_FLOAT_EQ(shade, 0.75f);
  EXPECT_TRUE(tileHighlight(worldEditor, 4, 5, shade));
  EXPECT_FLOAT_EQ(shade, 1);
  worldEditor.setEditorMode(kModeObject);
  EXPECT_FALSE(tileHighlight(worldEditor, 4, 5, shade));
}

TEST_F(GameRenderTest, SelectionMarksFollowTheSelection) {
  loadMap(40, 40);
  for (int i = 0; i < 4; ++i) addObject(0.25f * i, 0.3f, 0);
  const int far = addObject(6.0f, 0.3f, 0);
  world.worldSetObstructionSize(0.05f, 0.04f, 1, 0);
  std::vector<SelectionMark> marks;
  auto markedXs = [&]() {
    planSelectionMarks(world, 0, 0, 0, worldEditor, marks);
    std::vector<float> xs;
    for (const SelectionMark& m : marks) xs.push_back(m.x);
    return xs;
  };
  using Xs = std::vector<float>;
  worldEditor.setCurrentObject(1);
  EXPECT_EQ(markedXs(), Xs{});  // not in object mode
  worldEditor.setEditorMode(kModeObject);
  EXPECT_EQ(markedXs(), (Xs{0.25f}));
  EXPECT_FLOAT_EQ(marks[0].w, 0.1f);
  EXPECT_FLOAT_EQ(marks[0].solidW, 0.05f);
  EXPECT_FLOAT_EQ(marks[0].solidH, 0.04f);
  worldEditor.setObjectList(0, 3);
  worldEditor.setObjectList(1, 0);
  worldEditor.setObjectList(2, far);
  worldEditor.setObjectListAmount(3);
  EXPECT_EQ(markedXs(), (Xs{0.0f, 0.75f}));  // the far one is beyond the draw distance
  worldEditor.setEditorMode(kModeNothing);
  worldEditor.setSAO(1);
  EXPECT_EQ(markedXs(), (Xs{0.0f, 0.25f, 0.5f, 0.75f}));
  // A current object that names nothing on the map marks nothing.
  worldEditor = editor();
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setCurrentObject(12);
  EXPECT_EQ(markedXs(), Xs{});
}

TEST_F(GameRenderTest, DisplayTimersCountDownBy40ToOneAndStayThere) {
  std::vector<int> seen;
  int timer = 1000;
  for (int frame = 0; frame < 30; ++frame) {
    seen.push_back(timer);
    timer = countDownDisplayTimer(timer);
  }
  for (int k = 0; k <= 24; ++k) EXPECT_EQ(seen[k], 1000 - 40 * k) << k;
  for (int k = 25; k < 30; ++k) EXPECT_EQ(seen[k], 1) << k;
  EXPECT_EQ(countDownDisplayTimer(30), 1);
  EXPECT_EQ(countDownDisplayTimer(0), 0);
  EXPECT_EQ(countDownDisplayTimer(-5), -5);
}

TEST_F(GameRenderTest, ThePhraseBoxIsCentredAroundItsText) {
  PhraseBox box = phraseBoxFor("Hello");  // 45 units wide
  EXPECT_EQ(box.x, 400);
  EXPECT_EQ(box.y, 200);
  EXPECT_EQ(box.halfWidth, 42);  // 22.5 + 20, truncated
  EXPECT_EQ(box.halfHeight, 40);
  EXPECT_FLOAT_EQ(box.textX, 377.5f);
  EXPECT_FLOAT_EQ(box.textY, 200);
  EXPECT_EQ(phraseBoxFor("^yHello").halfWidth, 42);
  EXPECT_EQ(phraseBoxFor("").halfWidth, 20);
}

TEST_F(GameRenderTest, EdgeScrollingRunsInTheEditorOutsideLogicAndInPlayWithFreeLookOrDebug) {
  for (int mode : {kModeFolded, kModeNothing, kModeTile, kModeObject, kModeFog}) {
    EXPECT_TRUE(edgeScrollActive(kStateWorldEditor, mode, false, false)) << mode;
  }
  EXPECT_FALSE(edgeScrollActive(kStateWorldEditor, kModeGlobalLogic, true, true));
  EXPECT_FALSE(edgeScrollActive(kStateWorldEditor, kModeLocalLogic, false, false));
  for (int state : {kStatePlay, kStatePlaytest}) {
    EXPECT_FALSE(edgeScrollActive(state, kModeNothing, false, false));
    EXPECT_TRUE(edgeScrollActive(state, kModeNothing, true, false));
    EXPECT_TRUE(edgeScrollActive(state, kModeGlobalLogic, false, true));
  }
  EXPECT_FALSE(edgeScrollActive(kStateMenus, kModeNothing, true, true));
  EXPECT_FALSE(edgeScrollActive(kStateDialog, kModeNothing, true, true));
}

TEST_F(GameRenderTest, ThePulseSwingsBetweenHalfAndFullBrightness) {
  GameRenderState state;
  float lowest = 1, highest = 0;
  int turns = 0;
  bool down = state.flashDown;
  for (int frame = 0; frame < 450; ++frame) {
    state.advancePulse();
    lowest = std::min(lowest, state.imageFlash);
    highest = std::max(highest, state.imageFlash);
    if (state.flashDown != down) ++turns;
    down = state.flashDown;
  }
  EXPECT_NEAR(lowest, 0.5f, 0.006f);
  EXPECT_NEAR(highest, 1.0f, 0.006f);
  EXPECT_EQ(turns, 4);  // down, up, down, up, down: 100 frames each way
}

TEST_F(GameRenderTest, ScrollingSpeedsUpWhileTheViewMovesAndRestsOtherwise) {
  GameRenderState state;
  EXPECT_FLOAT_EQ(state.scrollMultiplier, 0);
  state.afterScroll(false);
  EXPECT_FLOAT_EQ(state.scrollMultiplier, 0.5f);
  state.afterScroll(true);
  EXPECT_FLOAT_EQ(state.scrollMultiplier, 0.54f);
  for (int frame = 0; frame < 100; ++frame) state.afterScroll(true);
  EXPECT_FLOAT_EQ(state.scrollMultiplier, 3.0f);
  state.afterScroll(false);
  EXPECT_FLOAT_EQ(state.scrollMultiplier, 0.5f);
}

}  // namespace
