// The world editor's codes read back from made-up pick pixels on a press, a
// release and a hover, mode by mode: the toolbar, the map arrows, the test
// button, the tile panel with its painting through the chooser, the animation
// panel; and the tile range chosen on the map with Shift or the right button
// and moved with the arrow keys, the camera following.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/camera.h"
#include "core/numbers.h"
#include "editor/edit_history.h"
#include "editor/edits.h"
#include "editor/editor.h"
#include "editor/animation_panel.h"
#include "editor/image_chooser.h"
#include "editor/menu_editor.h"
#include "editor/world_editor.h"
#include "editor/world_editor_layout.h"
#include "input/screens.h"
#include "input_fixture.h"
#include "media/images.h"

namespace {

using namespace tf;

class WorldEditorCodes : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    scene();
  }
  // A game of two 10 x 10 maps with one object on map 0, in the world
  // editor's editing screen (menu 1; menu 0 is its main menu), nothing
  // selected; game images 0 to 9, image 4 animated.
  static void scene() {
    onEditingScreen();
    world.allocateMaps(2);
    world.worldSetMap(10, 10, "Other", 1);
    world.worldSetObject(0.6f, 0.9f, 0.1f, 0.2f, 1, 0, 0, 0);
    worldEditor.setEditorMode(kModeNothing);
    gameImg.assign(10, img());
    for (int i = 0; i < 10; ++i) gameImg[i].SetPointer(i);
    gameImg[4].startAnimation(3, 500);
    world.setGameImageCount(10);
  }
  static std::string mode() { return std::to_string(worldEditor.getEditorMode()); }
  static std::string range() {
    int x0, y0, x1, y1, cx, cy;
    worldEditor.getStartingTile(x0, y0);
    worldEditor.getEndingTile(x1, y1);
    worldEditor.getCurrentTile(cx, cy);
    return std::to_string(cx) + "," + std::to_string(cy) + " " + std::to_string(x0) + "," + std::to_string(y0) +
           "-" + std::to_string(x1) + "," + std::to_string(y1);
  }
  static void tileHit(int column, int row, bool shift, int button = kButtonLeft) {
    MapHit hit;
    hit.kind = MapHit::Tile;
    hit.column = column;
    hit.row = row;
    hit.shift = shift;
    hit.button = button;
    currentScreens().mapHit(hit);
  }
};

TEST_F(WorldEditorCodes, EachCodeActsOnItsEventInItsModeAndIsTakenWhateverTheEvent) {
  using Probe = std::function<std::string()>;
  const Probe modeNow = [] { return mode(); };
  const Probe menu = [] { return std::to_string(gameUI.getCurrentMenu()); };
  const Probe state = [] { return std::to_string(gameSys.getGameState()); };
  const Probe mapNow = [] { return std::to_string(world.getCurrentMap()); };
  const Probe objects = [] { return std::to_string(world.worldGetObjectCount(0)); };
  const Probe stretch = [] { return std::to_string(world.worldGetTileStretch(0)) + " " + range(); };
  const Probe chooser = [] { return std::to_string(imageChooserOpen()); };
  const std::function<void()> none = [] {};
  const auto inMode = [](int m) { return [m] { worldEditor.setEditorMode(m); }; };
  const struct {
    const char* what;
    std::function<void()> setup;
    int code;
    PickAt event;
    Probe probe;
    std::string expected;
  } cases[] = {
      {"new map panel", none, kPickToolbarNewMap, PickAt::LeftPress, modeNow, "4"},
      {"not on a right press", none, kPickToolbarNewMap, PickAt::RightPress, modeNow, "0"},
      {"edit map panel", none, kPickToolbarEditMap, PickAt::RightPress, modeNow, "5"},
      {"fog panel", none, kPickToolbarFog, PickAt::LeftPress, modeNow, "8"},
      {"not on a release", none, kPickToolbarFog, PickAt::LeftRelease, modeNow, "0"},
      {"animation editing", none, kPickToolbarAnimation, PickAt::LeftPress, modeNow, "3"},
      {"global logic", none, kPickToolbarGlobalLogic, PickAt::LeftPress, modeNow, "6"},
      {"local logic of the selected object", [] { worldEditor.setEditorMode(kModeObject); },
       kPickToolbarLocalLogic, PickAt::LeftPress, modeNow, "7"},
      {"not of several objects",
       [] {
         worldEditor.setEditorMode(kModeObject);
         worldEditor.setObjectListAmount(2);
       },
       kPickToolbarLocalLogic, PickAt::LeftPress, modeNow, "2"},
      {"fold", none, kPickPanelToggle, PickAt::LeftPress, modeNow, "-1"},
      {"and unfold", inMode(kModeFolded), kPickPanelToggle, PickAt::LeftPress, modeNow, "0"},
      {"back to the editor main menu", none, kPickToolbarQuit, PickAt::LeftPress, menu, "0"},
      {"not on a hover", none, kPickToolbarQuit, PickAt::Hover, menu, "1"},
      {"play-test", none, kPickPlaytest, PickAt::LeftPress, state, "7"},
      {"next map", none, kPickMapNext, PickAt::LeftPress, mapNow, "1"},
      {"no map after the last", [] { world.setCurrentMap(1); }, kPickMapNext, PickAt::LeftPress, mapNow, "1"},
      {"previous map", [] { world.setCurrentMap(1); }, kPickMapPrevious, PickAt::RightPress, mapNow, "0"},
      {"add an object on a release", none, kPickToolbarAddObject, PickAt::LeftRelease, objects, "2"},
      {"not on a press", none, kPickToolbarAddObject, PickAt::LeftPress, objects, "1"},
      {"tile stretch on, from tile 0, 0", [] { worldEditor.setEditorMode(kModeTile); worldEditor.setCurrentTile(3, 4); },
       kPickTileStretchOn, PickAt::LeftPress, stretch, "1 0,0 0,0-0,0"},
      {"only in tile mode", [] { worldEditor.setCurrentTile(3, 4); }, kPickTileStretchOn, PickAt::LeftPress, stretch,
       "0 3,4 3,4-3,4"},
      {"tile stretch off",
       [] {
         worldEditor.setEditorMode(kModeTile);
         world.worldSetTileStretch(true, 0);
       },
       kPickTileStretchOff, PickAt::LeftPress, stretch, "0 0,0 0,0-0,0"},
      {"the tile image opens the chooser", inMode(kModeTile), kPickTileImage, PickAt::LeftPress, chooser, "1"},
      {"only in tile mode", none, kPickTileImage, PickAt::LeftPress, chooser, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fresh();
    scene();
    c.setup();
    EXPECT_TRUE(pickCode(c.code, c.event));
    EXPECT_EQ(c.probe(), c.expected);
  }
}

TEST_F(WorldEditorCodes, ATileRangeIsChosenOnTheMapAndPaintedThroughTheChooserAsOneEdit) {
  tileHit(3, 4, false);
  EXPECT_EQ(mode() + " " + range(), "1 3,4 3,4-3,4");
  const struct {
    int column, row;
    bool shift;
    int button;
    const char* range;
  } hits[] = {
      {5, 6, true, kButtonLeft, "3,4 3,4-5,6"},   // beyond the start: the end moves
      {1, 7, false, kButtonRight, "3,4 1,4-5,7"},  // left of the start: the start moves
      {2, 2, true, kButtonLeft, "3,4 1,2-2,7"},   // each axis on its own: the end column, the start row
      {12, 2, true, kButtonLeft, "3,4 1,2-2,7"},  // off the map: nothing
  };
  for (const auto& h : hits) {
    tileHit(h.column, h.row, h.shift, h.button);
    EXPECT_EQ(range(), h.range);
  }
  audio.played.clear();
  ASSERT_TRUE(pickCode(kPickTileImage));
  EXPECT_EQ(timesPlayed("open"), 1);
  ASSERT_TRUE(pickPixel(kPickChooserImage, 0, 6, PickAt::LeftPress));
  EXPECT_EQ(timesPlayed("select"), 1);
  int painted = 0;
  for (int x = 0; x < 10; ++x) {
    for (int y = 0; y < 10; ++y) {
      int tex = 0;
      world.worldGetTile(tex, x, y, 0);
      const bool inside = x >= 1 && x <= 2 && y >= 2 && y <= 7;
      EXPECT_EQ(tex, inside ? 6 : 0) << x << "," << y;
      painted += tex == 6;
    }
  }
  EXPECT_EQ(painted, 12);
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
  editUndo();
  int tex = -1;
  world.worldGetTile(tex, 1, 3, 0);
  EXPECT_EQ(tex, 0);
}

TEST_F(WorldEditorCodes, ArrowsMoveTheTileOrGrowTheRangeWithinTheMapAndTheCameraFollows) {
  const struct {
    int key;
    bool shift;
    const char* range;
    const char* camera;
  } steps[] = {
      {kSpecialUp, false, "8,9 8,9-8,9", "2.4 2.7"},
      {kSpecialUp, false, "8,9 8,9-8,9", "2.4 2.7"},     // the top row
      {kSpecialRight, false, "9,9 9,9-9,9", "2.7 2.7"},
      {kSpecialRight, false, "9,9 9,9-9,9", "2.7 2.7"},  // the last column
      {kSpecialDown, false, "9,8 9,8-9,8", "2.7 2.4"},
      {kSpecialLeft, true, "9,8 9,8-9,8", "2.7 2.4"},    // the end stays at the start
      {kSpecialDown, true, "9,8 9,8-9,8", "2.7 2.4"},
      {kSpecialLeft, false, "8,8 8,8-8,8", "2.4 2.4"},
      {kSpecialRight, true, "8,8 8,8-9,8", "2.7 2.4"},
      {kSpecialUp, true, "8,8 8,8-9,9", "2.7 2.7"},
      {kSpecialUp, true, "8,8 8,8-9,9", "2.7 2.7"},
      {kSpecialLeft, true, "8,8 8,8-8,9", "2.4 2.7"},
  };
  tileHit(8, 8, false);
  for (const auto& step : steps) {
    SCOPED_TRACE(std::to_string(step.key) + (step.shift ? " with shift" : ""));
    special(step.key, step.shift);
    EXPECT_EQ(range(), step.range);
    EXPECT_EQ(tftest::cameraAt(), std::string(step.camera) + " 0");
  }
  // Not while the chooser lies over the map.
  ASSERT_TRUE(pickCode(kPickTileImage));
  special(kSpecialDown);
  EXPECT_EQ(range(), "8,8 8,8-8,9");
}

TEST_F(WorldEditorCodes, TheAnimationPanelKeepsFramesAndSpeedInRangeAndTakesNoTyping) {
  ASSERT_TRUE(pickCode(kPickToolbarAnimation));
  worldEditor.setCurrentAnimImage(4);  // 3 frames, 500 ms
  const auto animation = [] {
    const img& i = gameImg[4];
    return std::to_string(i.getAnimState()) + " " + std::to_string(i.getFrameCount()) + " " +
           std::to_string(i.getAnimSpeed());
  };
  const struct {
    int code;
    int times;
    PickAt event;
    const char* after;
  } steps[] = {
      {kPickAnimFramesMore, 1, PickAt::Hover, "1 3 500"},      {kPickAnimFramesMore, 1, PickAt::LeftRelease, "1 3 500"},
      {kPickAnimFramesMore, 1, PickAt::LeftPress, "1 4 500"},  {kPickAnimFramesMore, 9, PickAt::LeftPress, "1 9 500"},
      {kPickAnimFramesFewer, 12, PickAt::RightPress, "1 0 500"}, {kPickAnimFaster, 3, PickAt::LeftPress, "1 0 200"},
      {kPickAnimFaster, 3, PickAt::LeftPress, "1 0 100"},      {kPickAnimSlower, 12, PickAt::LeftPress, "1 0 1000"},
      {kPickAnimOff, 1, PickAt::LeftPress, "0 0 1000"},        {kPickAnimOn, 1, PickAt::LeftPress, "1 0 1000"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(std::to_string(step.code) + " x" + std::to_string(step.times));
    for (int n = 0; n < step.times; ++n) EXPECT_TRUE(pickCode(step.code, step.event));
    EXPECT_EQ(animation(), step.after);
  }
  // The image is chosen through the chooser, which marks the one animated.
  ASSERT_TRUE(pickCode(kPickAnimImage));
  ASSERT_TRUE(imageChooserOpen());
  ASSERT_TRUE(pickPixel(kPickChooserImage, 0, 7, PickAt::LeftPress));
  EXPECT_EQ(worldEditor.getCurrentAnimImage(), 7);
  // Keys typed in animation editing go nowhere near the menu editor's text.
  keyboard('x', 0, 0);
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  // Outside animation editing its codes do nothing.
  worldEditor.setEditorMode(kModeNothing);
  worldEditor.setCurrentAnimImage(4);
  pickCode(kPickAnimFramesMore);
  EXPECT_EQ(animation(), "1 0 1000");
}

TEST_F(WorldEditorCodes, TheLayerLineShowsTheHiddenLayersUnlessThePanelIsFolded) {
  worldEditor.setRenderLayer(2, false);
  for (int m : {kModeFolded, kModeNothing, kModeTile, kModeObject, kModeAnimation, kModeNewMap, kModeEditMap,
                kModeFog}) {
    worldEditor.setEditorMode(m);
    PanelPlan plan;
    planWorldEditor(plan);
    std::string layerLine;
    for (const PanelItem& item : plan.items()) {
      if (item.kind == PanelItem::Text && item.text.rfind("^yL:", 0) == 0) layerLine = item.text;
    }
    EXPECT_EQ(layerLine, m == kModeFolded ? "" : "^yL:^w^w1^w2^k3^w4^w5^w6^w7") << "mode " << m;
  }
}

TEST_F(WorldEditorCodes, TheCameraDriftsBackOntoTheMapAStepAFrame) {
  const struct {
    float x, y;
    const char* after;
  } cases[] = {{1, 1, "1 1"}, {-0.5f, 3.5f, "-0.44 3.44"}, {3.02f, -0.01f, "2.96 0.05"}, {3, 0, "3 0"}};
  for (const auto& c : cases) {
    camera.SetPos(c.x, c.y, 0);  // the first map is 10 x 10 tiles: 3 x 3 units
    checkEditorCamera();
    EXPECT_EQ(tftest::cameraAt(), std::string(c.after) + " 0");
  }
}

TEST_F(WorldEditorCodes, TheAnimationPanelServesTheMenuImagesToo) {
  uiImage.assign(6, img());
  for (int i = 0; i < 6; ++i) uiImage[i].SetPointer(i);
  gameUI.setUIImageCount(6);
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setEditorMode(kMenuModeAnimation);
  worldEditor.setCurrentAnimImage(2);
  PickEvent press;
  press.left = kMousePress;
  for (int code : {kPickAnimOn, kPickAnimFramesMore, kPickAnimSlower, kPickAnimImage}) {
    press.code = code;
    EXPECT_TRUE(animationPanelPick(kMenuImages, press));
  }
  EXPECT_EQ(std::to_string(uiImage[2].getAnimState()) + " " + std::to_string(uiImage[2].getFrameCount()) + " " +
                std::to_string(uiImage[2].getAnimSpeed()),
            "1 2 1000");  // one frame and 1000 ms to start with; no slower than that
  EXPECT_EQ(gameImg[2].getAnimState(), false);
  ASSERT_TRUE(imageChooserOpen());
  PanelPlan plan;
  planImageChooser(plan);
  int menuPictures = 0;
  for (const PanelItem& item : plan.items()) menuPictures += item.source == PictureSource::Menu;
  EXPECT_EQ(menuPictures, 6);
  press.code = kPickChooserImage;
  press.blue = 5;
  press.green = 0;
  EXPECT_TRUE(imageChooserPick(press));
  EXPECT_EQ(worldEditor.getCurrentAnimImage(), 5);
  uiImage.clear();
}

}  // namespace
