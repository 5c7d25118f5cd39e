// What the map's drawing decides without a window: the view, the tile range
// and draw distance around the camera, the order, depth and selection names
// of objects, the editor's highlights and marks, the display timers, the
// phrase box, edge scrolling and the pulse.
#include "logic/game_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "media/images.h"

using namespace tf;

namespace {

using Indexes = std::vector<int>;

class GameRenderTest : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }
  static void reset() {
    world = gameWorld();
    worldEditor = editor();
    gameImg.clear();
  }
  // A loaded game with one map of 40 x 40 tiles.
  static void loadMap() {
    world.allocateMaps(1);
    ASSERT_TRUE(world.worldSetMap(40, 40, "map", 0));
    world.setGameLoaded(true);
    world.setGameName("meadow");
  }
  static int addObject(float x, float y, int layer) {
    const int index = world.worldGetObjectCount(0);
    world.worldSetObject(x, y, 0.1f, 0.1f, 0, layer, index, 0);
    return index;
  }
  static std::vector<ObjectDraw> plan(MapView view, float cameraX = 0) {
    std::vector<ObjectDraw> drawn = {ObjectDraw()};  // the list is reused: stale entries must go
    planObjects(world, 0, cameraX, 0, view, worldEditor, 1, drawn);
    return drawn;
  }
  static Indexes drawn(MapView view, float cameraX = 0) {
    Indexes indexes;
    for (const ObjectDraw& d : plan(view, cameraX)) indexes.push_back(d.index);
    return indexes;
  }
};

TEST_F(GameRenderTest, TheViewFollowsTheGameStateAndTheTileRangeStaysOnTheMap) {
  EXPECT_EQ(chooseMapView(kStatePlay, false, world), MapView::None);  // no game loaded
  loadMap();
  for (int state : {kStateMenus, kStatePlay, kStateSplash, kStateWorldEditor, kStateMenuEditor, kStatePlaytest}) {
    const bool game = state == kStatePlay || state == kStatePlaytest;
    EXPECT_EQ(chooseMapView(state, true, world), game ? MapView::Game : state == kStateWorldEditor ? MapView::Editor
                                                                                                  : MapView::None);
    EXPECT_EQ(chooseMapView(state, false, world), game ? MapView::Game : MapView::None) << state;
  }
  world.setGameName("ingameui");
  EXPECT_EQ(chooseMapView(kStateWorldEditor, true, world), MapView::None);

  const struct {
    float x, y;
    int size, firstColumn, endColumn, firstRow, endRow;
  } cases[] = {
      {0.2f, 0.3f, 40, 0, 11, 0, 11},      // (0.2 + 3) x 3.33 = 10.66: columns up to 10; rows to 10.99
      {11.8f, 11.9f, 40, 32, 40, 32, 40},  // 32.63 and 32.97 up to the map's size
      {6.0f, 9.0f, 100, 13, 30, 23, 40},   {-10, -10, 40, 0, 0, 0, 0}, {50, 50, 40, 40, 40, 40, 40},
      {0, 0, 0, 0, 0, 0, 0},  // a map without tiles
  };
  for (const auto& c : cases) {
    const TileRange r = visibleTileRange(c.x, c.y, c.size, c.size);
    EXPECT_EQ(std::vector<int>({r.firstColumn, r.endColumn, r.firstRow, r.endRow}),
              std::vector<int>({c.firstColumn, c.endColumn, c.firstRow, c.endRow})) << c.x << " " << c.y;
  }
  EXPECT_TRUE(withinDrawDistance(2.29f, -2.29f, 0, 0) && withinDrawDistance(7.2f, 2.8f, 5, 5));
  const float beyond[][4] = {{2.3f, 0, 0, 0}, {0, -2.3f, 0, 0}, {7.4f, 5, 5, 5}};  // strictly within only
  for (const auto& p : beyond) EXPECT_FALSE(withinDrawDistance(p[0], p[1], p[2], p[3])) << p[0] << " " << p[1];
  EXPECT_FLOAT_EQ(tileCentre(7), 2.1f);
}

TEST_F(GameRenderTest, ObjectsAreDrawnLayerByLayerEachALittleAboveTheLastWithinTheMapsLayers) {
  loadMap();
  for (int layer : {2, 0, 1, 0}) addObject(0.5f, 0.5f, layer);
  std::vector<ObjectDraw> objects = plan(MapView::Game);
  ASSERT_EQ(objects.size(), 4u);
  const int order[] = {1, 3, 2, 0};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(objects[k].index, order[k]);
    EXPECT_EQ(objects[k].pick, order[k] + 100);
    EXPECT_FLOAT_EQ(objects[k].z, -1.99f + 0.00001f * k);
  }
  world.worldSetObjectVisible(false, 1, 0);  // skipped objects take no depth
  EXPECT_FLOAT_EQ(plan(MapView::Game)[0].z, -1.99f);

  world = gameWorld();
  loadMap();
  world.worldSetMapLayerCount(3, 0);
  const int hidden = addObject(0.3f, 0.3f, 0), killed = addObject(0.6f, 0.3f, 0), top = addObject(0.3f, 0.3f, 3);
  addObject(0.3f, 0.3f, 4);  // beyond the map's layer count
  addObject(0.3f, 0.3f, -1);
  addObject(2.5f, 0.3f, 0);  // beyond the draw distance on one axis
  addObject(0.3f, -2.4f, 0);
  world.worldSetObjectVisible(false, hidden, 0);
  world.worldSetObjectLife(false, killed, 0);
  EXPECT_EQ(drawn(MapView::Game), (Indexes{killed, top}));
  EXPECT_EQ(drawn(MapView::Editor), (Indexes{hidden, killed, top}));
  EXPECT_EQ(drawn(MapView::None), Indexes{});
  EXPECT_EQ(drawn(MapView::Game, 2.5f), (Indexes{killed, 5, top}));
  worldEditor.setRenderLayer(3, false);
  EXPECT_EQ(drawn(MapView::Editor), (Indexes{hidden, killed}));
  EXPECT_EQ(drawn(MapView::Game), (Indexes{killed, top})) << "play ignores the editor's switches";
  // A larger layer count reaches further in play; the editor has switches for layers 0 to 7 only.
  world.worldSetMapLayerCount(20, 0);
  const int high = addObject(0.3f, 0.3f, 9);
  EXPECT_EQ(drawn(MapView::Game), (Indexes{killed, top, 3, high}));
  worldEditor.setRenderLayer(3, true);
  EXPECT_EQ(drawn(MapView::Editor), (Indexes{hidden, killed, top, 3}));

  gameImg.assign(3, img());
  gameImg[2].SetTex(18);
  gameImg[2].setAnimState(true);
  gameImg[2].setCurrentFrame(4);
  EXPECT_EQ(resolveGameImage(2).tex * 10 + resolveGameImage(2).frame, 184);
  for (int index : {-1, 3, 100000}) EXPECT_EQ(resolveGameImage(index).tex, -1) << index;
}

TEST_F(GameRenderTest, TheSelectedTileRangeIsHighlightedInTileModeAndMarksFollowTheSelection) {
  worldEditor.setEditorMode(kModeTile);
  // From the starting tile (white) to the ending tile, either way round; others grey.
  for (bool reversed : {false, true}) {
    worldEditor.setStartingTile(reversed ? 4 : 2, reversed ? 5 : 3);
    worldEditor.setEndingTile(reversed ? 2 : 4, reversed ? 3 : 5);
    const float cases[][3] = {{2, 3, reversed ? 0.75f : 1}, {4, 5, reversed ? 1 : 0.75f}, {3, 3, 0.75f},
                              {5, 5, 0},                    {2, 2, 0},                    {1, 4, 0}};
    for (const auto& c : cases) {
      float shade = 0;
      EXPECT_EQ(tileHighlight(worldEditor, int(c[0]), int(c[1]), shade), c[2] > 0) << c[0] << " " << c[1];
      EXPECT_FLOAT_EQ(shade, c[2]) << c[0] << " " << c[1];
    }
  }

  loadMap();
  for (int i = 0; i < 4; ++i) addObject(0.25f * i, 0.3f, 0);
  const int far = addObject(6.0f, 0.3f, 0);
  std::vector<SelectionMark> marks(3);
  auto markedXs = [&]() {
    planSelectionMarks(world, 0, 0, 0, worldEditor, marks);
    std::vector<float> xs;
    for (const SelectionMark& m : marks) xs.push_back(m.x);
    return xs;
  };
  using Xs = std::vector<float>;
  worldEditor.setCurrentObject(1);
  EXPECT_EQ(markedXs(), Xs{});  // tile mode
  worldEditor.setEditorMode(kModeObject);
  EXPECT_EQ(markedXs(), (Xs{0.25f}));
  const int listed[] = {3, 0, far};
  for (int k = 0; k < 3; ++k) worldEditor.setObjectList(k, listed[k]);
  worldEditor.setObjectListAmount(3);
  EXPECT_EQ(markedXs(), (Xs{0.0f, 0.75f})) << "the far one is beyond the draw distance";
  worldEditor.setEditorMode(kModeNothing);
  worldEditor.setSAO(1);
  EXPECT_EQ(markedXs(), (Xs{0.0f, 0.25f, 0.5f, 0.75f}));
  worldEditor = editor();
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setCurrentObject(12);  // names nothing on the map
  EXPECT_EQ(markedXs(), Xs{});
}

TEST_F(GameRenderTest, DisplayTimersThePhraseBoxEdgeScrollingAndThePulse) {
  int timer = 1000;
  for (int k = 0; k < 30; ++k, timer = countDownDisplayTimer(timer)) EXPECT_EQ(timer, k <= 24 ? 1000 - 40 * k : 1);
  for (int t : {30, 0, -5}) EXPECT_EQ(countDownDisplayTimer(t), t > 0 ? 1 : t);

  const PhraseBox box = phraseBoxFor("^yHello");  // 45 units wide; codes take no room
  EXPECT_EQ(std::vector<float>({float(box.x), float(box.y), float(box.halfWidth), float(box.halfHeight), box.textX}),
            std::vector<float>({400, 200, 42, 40, 377.5f}));  // 22.5 + 20, truncated
  EXPECT_EQ(phraseBoxFor("").halfWidth, 20);

  // In the editor outside the logic editors; in play with free look or the debug overlay.
  for (int mode : {kModeFolded, kModeNothing, kModeTile, kModeObject, kModeFog}) {
    EXPECT_TRUE(edgeScrollActive(kStateWorldEditor, mode, false, false)) << mode;
  }
  EXPECT_FALSE(edgeScrollActive(kStateWorldEditor, kModeGlobalLogic, true, true));
  EXPECT_FALSE(edgeScrollActive(kStateWorldEditor, kModeLocalLogic, false, false));
  for (int state : {kStatePlay, kStatePlaytest}) {
    EXPECT_FALSE(edgeScrollActive(state, kModeNothing, false, false));
    EXPECT_TRUE(edgeScrollActive(state, kModeNothing, true, false) && edgeScrollActive(state, kModeTile, false, true));
  }
  EXPECT_FALSE(edgeScrollActive(kStateMenus, kModeNothing, true, true));

  GameRenderState state;
  float lowest = 1, highest = 0;
  int turns = 0;
  for (int frame = 0; frame < 450; ++frame) {
    const bool down = state.flashDown;
    state.advancePulse();
    lowest = std::min(lowest, state.imageFlash);
    highest = std::max(highest, state.imageFlash);
    turns += state.flashDown != down;
  }
  EXPECT_NEAR(lowest, 0.5f, 0.006f);
  EXPECT_NEAR(highest, 1.0f, 0.006f);
  EXPECT_EQ(turns, 4);  // down, up, down, up, down: 100 frames each way
  const struct {
    bool moved;
    int times;
    float expected;
  } steps[] = {{false, 1, 0.5f}, {true, 1, 0.54f}, {true, 100, 3.0f}, {false, 1, 0.5f}};
  for (const auto& s : steps) {
    for (int i = 0; i < s.times; ++i) state.afterScroll(s.moved);
    EXPECT_FLOAT_EQ(state.scrollMultiplier, s.expected);
  }
}

}  // namespace
