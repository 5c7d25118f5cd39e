// The map drawn on a real window: tiles on their pixels for a camera, objects
// in layer order, hidden objects, fog, the phrase box and the display image,
// the world editor's view (grid, highlights, marks, pulse, layer switches), a
// selection pass that names the object or tile under a pixel, and a
// screenshot of a small scene made of the toolkit's own map pictures.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/app.h"
#include "core/camera.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "gl_window.h"
#include "input/hits.h"
#include "input/picking.h"
#include "logic/game_render.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/text.h"
#include "menus/ui.h"

using tftest::Rgb;

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kGrass{40, 160, 60}, kSand{230, 210, 140}, kStone{120, 120, 130}, kWater{30, 80, 200};
const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

// Screen pixels per world unit at depth z, seen from the camera 0.15 above
// the plane z = 0 with a 45 degree field of view, 600 pixels high.
double pixelsPerUnit(double z) { return 300.0 / ((0.15 - z) * std::tan(22.5 * M_PI / 180.0)); }

class GameRenderGl : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    resetGlobals();
    useTestSystemImages();
    tf::world.allocateMaps(1);
    tf::world.worldSetMap(10, 10, "field", 0);
    tf::world.setGameLoaded(true);
    tf::world.setGameName("field");
    tf::gameSys.setGameState(tf::kStatePlay);
    tf::gameSys.setMousePos(400, 300);  // away from the edges that scroll
    tf::gameSys.setDebugState(false, true);
    tf::gameUI.setCurrentMenu(0);
    tf::gameUI.setEditorMenu(1);
  }
  void TearDown() override {
    glDisable(GL_FOG);
    resetGlobals();
    GlTest::TearDown();
  }
  static void resetGlobals() {
    tf::world = tf::gameWorld();
    tf::worldEditor = tf::editor();
    tf::gameImg.clear();
    tf::gameRenderState = tf::GameRenderState();
    tf::gameSys.setGameState(tf::kStateMenus);
    tf::gameSys.setDragState(false);
  }

  // A solid game image; returns its index.
  int addImage(const Rgb& c) {
    const std::string name = "game" + std::to_string(tf::gameImg.size()) + ".png";
    return addPictureFile(solidPicture(name, c));
  }
  int addPictureFile(const std::string& path) {
    tf::img image;
    image.SetTex(static_cast<int>(tf::platform().loadTexture(path)));
    EXPECT_GT(image.GetTex(), 0) << path;
    image.SetPointer(static_cast<int>(tf::gameImg.size()));
    tf::gameImg.push_back(image);
    return image.GetPointer();
  }
  static void fillMap(int image) {
    int w, h;
    std::string name;
    tf::world.worldGetMap(w, h, name, 0);
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < h; ++y) tf::world.worldSetTile(image, x, y, 0);
    }
  }
  static int addObject(float x, float y, float half, int image, int layer) {
    const int index = tf::world.worldGetObjectCount(0);
    tf::world.worldSetObject(x, y, half, half, image, layer, index, 0);
    return index;
  }
  void lookAt(float x, float y) {
    camX_ = x;
    camY_ = y;
    tf::camera.SetPos(x, y, 0);
    tf::UpdateCamera();
  }
  void showEditor() {
    tf::gameSys.setGameState(tf::kStateWorldEditor);
    tf::gameUI.setCurrentMenu(tf::gameUI.getEditorMenu());
  }
  // The window pixel of world point (x, y) at depth z.
  int screenX(double x, double z = tf::kTileDepth) const {
    return static_cast<int>(std::lround(400 + (x - camX_) * pixelsPerUnit(z)));
  }
  int screenY(double y, double z = tf::kTileDepth) const {
    return static_cast<int>(std::lround(300 - (y - camY_) * pixelsPerUnit(z)));
  }
  Rgb at(double x, double y, double z = tf::kTileDepth) const { return pixel(screenX(x, z), screenY(y, z)); }
  // One frame of the map: cleared, camera applied, drawn.
  void drawFrame() {
    clearFrame();
    tf::UpdateCamera();
    tf::gameRender();
  }
  // A selection pass at window pixel (x, y): the front-most record.
  tf::PickHit pickAt(int x, int y) {
    unsigned buffer[tf::kSelectBufferSize] = {};
    tf::UpdateCamera();
    tf::startPicking(x, y, buffer);
    tf::gameRender();
    const int hits = tf::stopPicking(buffer);
    tf::PickHit hit;
    hit.nameCount = -1;
    tf::chooseHit(buffer, tf::kSelectBufferSize, hits, hit);
    return hit;
  }
  tf::PickHit pickWorld(double x, double y, double z = tf::kFirstObjectDepth) {
    return pickAt(screenX(x, z), screenY(y, z));
  }
  std::string noticeTitle() const {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time == 1 ? title : "";
  }

  float camX_ = 0, camY_ = 0;
};

TEST_F(GameRenderGl, TilesLandOnTheirPixelsAroundTheCamera) {
  const int grass = addImage(kGrass), sand = addImage(kSand), stone = addImage(kStone), water = addImage(kWater);
  fillMap(grass);
  tf::world.worldSetTile(sand, 3, 2, 0);
  tf::world.worldSetTile(stone, 4, 2, 0);   // right of it
  tf::world.worldSetTile(water, 3, 3, 0);   // above it
  lookAt(0.9f, 0.6f);                     // the centre of tile (3, 2)
  drawFrame();
  const int half = static_cast<int>(0.15 * pixelsPerUnit(-2.0));  // 50 pixels
  EXPECT_EQ(pixel(400, 300), kSand);
  EXPECT_EQ(pixel(400 - half + 2, 300 + half - 2), kSand);
  EXPECT_EQ(pixel(400 + half + 3, 300), kStone);
  EXPECT_EQ(pixel(400 + 3 * half - 3, 300), kStone);
  EXPECT_EQ(pixel(400, 300 - half - 3), kWater);
  EXPECT_EQ(pixel(400, 300 + half + 3), kGrass);
  EXPECT_EQ(pixel(400 - half - 3, 300), kGrass);

  // Beyond the map's lower left corner there is nothing.
  lookAt(0, 0);
  drawFrame();
  EXPECT_EQ(pixel(400, 300), kGrass);
  EXPECT_EQ(at(-0.2, 0), kBlack);
  EXPECT_EQ(at(0, -0.2), kBlack);
  EXPECT_EQ(at(0.2, 0.2), kGrass);
}

TEST_F(GameRenderGl, AStretchedTileCoversTheWholeMap) {
  const int grass = addImage(kGrass), sand = addImage(kSand);
  fillMap(grass);
  tf::world.worldSetTile(sand, 0, 0, 0);
  tf::world.worldSetTileStretch(true, 0);
  lookAt(0.5f, 1.0f);
  drawFrame();
  // It spans the map from 0 to 3 units, not centred on tile (0, 0).
  for (double x : {0.05, 0.5, 1.6}) EXPECT_EQ(at(x, 1.0), kSand) << x;
  EXPECT_EQ(at(-0.1, 1.0), kBlack);
  EXPECT_EQ(at(0.5, -0.1), kBlack);
}

TEST_F(GameRenderGl, ImageIndexesOutsideTheRegistryDrawNothingAndRaiseTheImageNotice) {
  const int grass = addImage(kGrass);
  fillMap(grass);
  tf::world.worldSetTile(500, 3, 2, 0);
  tf::world.worldSetTile(-4, 4, 2, 0);
  addObject(0.3f, 0.6f, 0.1f, 77, 0);
  lookAt(0.9f, 0.6f);
  drawFrame();
  EXPECT_EQ(pixel(400, 300), kBlack);
  EXPECT_EQ(at(1.2, 0.6), kBlack);
  EXPECT_EQ(at(0.3, 0.6), kGrass);
  EXPECT_EQ(at(0.9, 0.9), kGrass);
  EXPECT_EQ(noticeTitle(), "Image Error!");
}

TEST_F(GameRenderGl, ObjectsDrawLayerByLayerTheLaterOneOnTop) {
  fillMap(addImage(kBlack));
  const int red = addImage(kRed), green = addImage(kGreen), blue = addImage(kBlue);
  addObject(0.9f, 0.6f, 0.1f, red, 1);     // the upper layer, though added first
  addObject(0.9f, 0.6f, 0.2f, green, 0);
  addObject(1.05f, 0.6f, 0.1f, blue, 0);   // same layer as green, added later
  lookAt(0.9f, 0.6f);
  drawFrame();
  const float z = tf::kFirstObjectDepth;
  EXPECT_EQ(at(0.9, 0.6, z), kRed);
  EXPECT_EQ(at(0.97, 0.6, z), kRed);
  EXPECT_EQ(at(1.08, 0.6, z), kBlue);
  EXPECT_EQ(at(0.75, 0.6, z), kGreen);
  EXPECT_EQ(at(1.13, 0.6, z), kBlue);
}

TEST_F(GameRenderGl, HiddenObjectsAreLeftOutInPlayAndShownInTheEditor) {
  fillMap(addImage(kGrass));
  const int red = addImage(kRed), blue = addImage(kBlue);
  const int hidden = addObject(0.9f, 0.6f, 0.1f, red, 0);
  const int killed = addObject(1.5f, 0.6f, 0.1f, blue, 0);
  tf::world.worldSetObjectVisible(false, hidden, 0);
  tf::world.worldSetObjectLife(false, killed, 0);
  lookAt(0.9f, 0.6f);
  drawFrame();
  EXPECT_EQ(pixel(400, 300), kGrass);
  EXPECT_EQ(at(1.5, 0.6), kBlue);

  showEditor();
  drawFrame();
  EXPECT_EQ(pixel(400, 300), kRed);
  EXPECT_EQ(at(1.5, 0.6), kBlue);
  // The editor's layer switches hide a whole layer.
  tf::worldEditor.setRenderLayer(0, false);
  drawFrame();
  EXPECT_EQ(pixel(400, 300), kGrass);
}

TEST_F(GameRenderGl, FogTintsTheMapAndIsOffAfterwards) {
  fillMap(addImage(Rgb{255, 255, 255}));
  lookAt(1.5f, 1.5f);
  drawFrame();
  EXPECT_EQ(pixel(400, 300), (Rgb{255, 255, 255}));

  const float color[3] = {0.2f, 0.4f, 0.6f};
  tf::world.worldSetFog(true, 1.0f, color, 0);
  drawFrame();
  // Exponential fog over the 2.15 units from the eye: about 12 % of the tile
  // is left, the rest is the fog's colour.
  const double left = std::exp(-2.15);
  const Rgb fogged{static_cast<int>(255 * (left + (1 - left) * 0.2)),
                   static_cast<int>(255 * (left + (1 - left) * 0.4)),
                   static_cast<int>(255 * (left + (1 - left) * 0.6))};
  EXPECT_TRUE(tftest::near(pixel(400, 300), fogged, 6)) << pixel(400, 300) << " " << fogged;
  EXPECT_FALSE(glIsEnabled(GL_FOG));

  // Thinner fog lets more of the tile through.
  tf::world.worldSetFog(true, 0.1f, color, 0);
  drawFrame();
  EXPECT_GT(pixel(400, 300).r, 200);
  EXPECT_LT(pixel(400, 300).r, 250);
  tf::world.worldSetFog(false, 0.1f, color, 0);
  drawFrame();
  EXPECT_EQ(pixel(400, 300), (Rgb{255, 255, 255}));
}

TEST_F(GameRenderGl, ThePhraseBoxShowsThePhraseUnfoggedAndCountsDown) {
  fillMap(addImage(kGrass));
  const float color[3] = {1.0f, 1.0f, 1.0f};
  tf::world.worldSetFog(true, 1.0f, color, 0);
  tf::world.setPhrase(3, "Hello");
  tf::world.setDisplayPhrase(1000, 3);
  lookAt(1.5f, 1.5f);
  drawFrame();
  // System image 4 centred at (400, 200), 42 x 40 half size around the text.
  EXPECT_EQ(pixel(362, 166), tftest::kTestNoticeBackground);
  EXPECT_EQ(pixel(438, 234), tftest::kTestNoticeBackground);
  EXPECT_NE(pixel(355, 200), tftest::kTestNoticeBackground);
  EXPECT_NE(pixel(400, 245), tftest::kTestNoticeBackground);
  // "H" is centred at 377.5, "o" at 413.5.
  int column, row;
  tf::fontCell('H', column, row);
  EXPECT_EQ(pixel(378, 200), tftest::fontCellColor(column, row));
  tf::fontCell('o', column, row);
  EXPECT_EQ(pixel(413, 200), tftest::fontCellColor(column, row));
  int timer, phrase;
  tf::world.getDisplayPhrase(timer, phrase);
  EXPECT_EQ(timer, 960);
  EXPECT_EQ(phrase, 3);

  // Not in the editor, and not once removed.
  showEditor();
  drawFrame();
  EXPECT_NE(pixel(362, 166), tftest::kTestNoticeBackground);
  tf::gameSys.setGameState(tf::kStatePlay);
  tf::world.setDisplayPhrase(-1, -1);
  drawFrame();
  EXPECT_NE(pixel(362, 166), tftest::kTestNoticeBackground);
}

TEST_F(GameRenderGl, TheDisplayImageCoversTheScreenWhileItsTimerRuns) {
  fillMap(addImage(kGrass));
  const int picture = addPictureFile(quadrantPicture());
  lookAt(1.5f, 1.5f);
  drawFrame();
  tf::renderGameBox();  // no image shown
  EXPECT_EQ(pixel(200, 150), kGrass);

  tf::world.setGameBox(1000, picture);
  tf::renderGameBox();
  EXPECT_EQ(pixel(200, 150), tftest::kQuadTopLeft);
  EXPECT_EQ(pixel(600, 150), tftest::kQuadTopRight);
  EXPECT_EQ(pixel(200, 450), tftest::kQuadBottomLeft);
  EXPECT_EQ(pixel(798, 598), tftest::kQuadBottomRight);
  EXPECT_EQ(pixel(20, 20), tftest::kQuadTopLeft);  // the corner box is the transparent "none"
  int timer, tex;
  tf::world.getGameBox(timer, tex);
  EXPECT_EQ(timer, 960);
  EXPECT_EQ(tex, picture);

  // An image the game does not have draws nothing and says so.
  drawFrame();
  tf::world.setGameBox(40, 999);
  tf::renderGameBox();
  EXPECT_EQ(pixel(200, 150), kGrass);
  EXPECT_EQ(noticeTitle(), "Image Error!");
  tf::world.getGameBox(timer, tex);
  EXPECT_EQ(timer, 1);
}

TEST_F(GameRenderGl, TheEditorShowsAGridTheSelectedRangeAndTheSelectedObject) {
  fillMap(addImage(kGrass));
  showEditor();
  lookAt(0.9f, 0.6f);
  // The grid: a gap between tiles while the wireframe switch is on; the
  // pixel column that holds the border between tiles 3 and 4.
  const int edge = static_cast<int>(std::floor(400 + (1.05 - 0.9) * pixelsPerUnit(tf::kTileDepth)));
  drawFrame();
  EXPECT_EQ(pixel(edge, 300), kBlack);
  EXPECT_EQ(pixel(edge - 3, 300), kGrass);
  tf::worldEditor.setWireframe(false);
  drawFrame();
  EXPECT_EQ(pixel(edge, 300), kGrass);

  // Tile mode: the range from (3, 2) to (4, 3) under system image 11 (white
  // in the test set), the starting tile white and the others grey.
  tf::worldEditor.setEditorMode(tf::kModeTile);
  tf::worldEditor.setCurrentTile(3, 2);
  tf::worldEditor.setEndingTile(4, 3);
  drawFrame();
  EXPECT_EQ(at(0.9, 0.6), (Rgb{255, 255, 255}));
  EXPECT_TRUE(tftest::near(at(1.2, 0.9), Rgb{191, 191, 191}, 1)) << at(1.2, 0.9);
  EXPECT_TRUE(tftest::near(at(0.9, 0.9), Rgb{191, 191, 191}, 1));
  EXPECT_EQ(at(0.6, 0.6), kGrass);
  EXPECT_EQ(at(1.5, 0.9), kGrass);

  // Object mode: the selected object under a grey mark with its solid box
  // in white inside it.
  const int red = addImage(kRed);
  const int object = addObject(0.9f, 0.6f, 0.2f, red, 0);
  tf::world.worldSetObstructionSize(0.05f, 0.05f, object, 0);
  addObject(1.5f, 0.6f, 0.1f, red, 0);
  tf::worldEditor.setEditorMode(tf::kModeObject);
  tf::worldEditor.setCurrentObject(object);
  drawFrame();
  EXPECT_EQ(at(0.9, 0.6), (Rgb{255, 255, 255}));
  EXPECT_TRUE(tftest::near(at(1.0, 0.6), Rgb{178, 178, 178}, 1)) << at(1.0, 0.6);
  EXPECT_EQ(at(1.5, 0.6, tf::kFirstObjectDepth), kRed);  // not selected, not marked
  // Every object with select-all on.
  tf::worldEditor.setEditorMode(tf::kModeNothing);
  tf::worldEditor.setSAO(1);
  drawFrame();
  EXPECT_EQ(at(1.5, 0.6), (Rgb{255, 255, 255}));
}

TEST_F(GameRenderGl, ObjectsWithLogicPulseInTheEditor) {
  fillMap(addImage(kBlack));
  const int red = addImage(kRed);
  addObject(0.6f, 0.6f, 0.1f, red, 0);
  const int scripted = addObject(1.2f, 0.6f, 0.1f, red, 0);
  ASSERT_TRUE(tf::world.mapLocalAddSentence(scripted, 0));
  showEditor();
  lookAt(0.9f, 0.6f);
  tf::gameRenderState.imageFlash = 0.6f;
  drawFrame();
  EXPECT_FLOAT_EQ(tf::gameRenderState.imageFlash, 0.595f);
  const float z = tf::kFirstObjectDepth;
  EXPECT_EQ(at(0.6, 0.6, z), kRed);
  EXPECT_TRUE(tftest::near(at(1.2, 0.6, z), Rgb{152, 0, 0}, 1)) << at(1.2, 0.6, z);
  // In play the pulse neither runs nor shows.
  tf::gameSys.setGameState(tf::kStatePlay);
  drawFrame();
  EXPECT_FLOAT_EQ(tf::gameRenderState.imageFlash, 0.595f);
  EXPECT_EQ(at(1.2, 0.6, z), kRed);
}

TEST_F(GameRenderGl, NothingIsDrawnForTheToolkitsOwnMenuSetsOrWithoutAGame) {
  fillMap(addImage(kGrass));
  lookAt(1.5f, 1.5f);
  for (const char* name : {"mainui", "ingameui"}) {
    tf::world.setGameName(name);
    drawFrame();
    EXPECT_EQ(pixel(400, 300), kBlack) << name;
  }
  tf::world.setGameName("field");
  tf::world.setGameLoaded(false);
  drawFrame();
  EXPECT_EQ(pixel(400, 300), kBlack);
}

TEST_F(GameRenderGl, ASelectionPassNamesTheObjectUnderThePointerInPlay) {
  fillMap(addImage(kGrass));
  const int red = addImage(kRed);
  addObject(0.9f, 0.6f, 0.1f, red, 1);
  addObject(0.9f, 0.6f, 0.2f, red, 0);
  addObject(1.05f, 0.6f, 0.1f, red, 0);
  const int hidden = addObject(0.3f, 0.6f, 0.1f, red, 0);
  tf::world.worldSetObjectVisible(false, hidden, 0);
  lookAt(0.9f, 0.6f);
  tf::PickHit hit = pickWorld(0.9, 0.6);
  EXPECT_EQ(hit.nameCount, 1);
  EXPECT_EQ(hit.names[0], 100u);  // the upper layer is in front
  hit = pickWorld(1.08, 0.6);
  EXPECT_EQ(hit.names[0], 102u);
  hit = pickWorld(0.75, 0.6);
  EXPECT_EQ(hit.names[0], 101u);
  // Bare tiles and hidden objects carry no names in play.
  EXPECT_EQ(pickWorld(0.9, 1.2).nameCount, 0);
  EXPECT_EQ(pickWorld(0.3, 0.6).nameCount, 0);
  // The pass draws nothing on screen and advances no timers.
  tf::world.setDisplayPhrase(1000, 0);
  clearFrame();
  pickAt(400, 300);
  EXPECT_EQ(pixel(400, 300), kBlack);
  int timer, phrase;
  tf::world.getDisplayPhrase(timer, phrase);
  EXPECT_EQ(timer, 1000);
}

TEST_F(GameRenderGl, ASelectionPassNamesTilesByColumnAndRowInTheEditor) {
  fillMap(addImage(kGrass));
  const int red = addImage(kRed);
  const int hidden = addObject(0.9f, 0.6f, 0.1f, red, 0);
  tf::world.worldSetObjectVisible(false, hidden, 0);
  showEditor();
  tf::worldEditor.setEditorMode(tf::kModeTile);  // highlights are not picked
  lookAt(0.9f, 0.6f);
  tf::PickHit hit = pickWorld(0.9, 0.6);
  EXPECT_EQ(hit.nameCount, 1);
  EXPECT_EQ(hit.names[0], 100u);  // hidden objects are picked in the editor
  hit = pickWorld(1.2, 0.3, tf::kTileDepth);
  EXPECT_EQ(hit.nameCount, 2);
  EXPECT_EQ(hit.names[0], 4u);
  EXPECT_EQ(hit.names[1], 1u);
  hit = pickWorld(0.3, 1.5, tf::kTileDepth);
  EXPECT_EQ(hit.names[0], 1u);
  EXPECT_EQ(hit.names[1], 5u);
  // A stretched tile is tile (0, 0) wherever it is picked.
  tf::world.worldSetTileStretch(true, 0);
  hit = pickWorld(0.3, 1.5, tf::kTileDepth);
  EXPECT_EQ(hit.nameCount, 2);
  EXPECT_EQ(hit.names[0] * 100 + hit.names[1], 0u);
  // Outside the map nothing is named.
  lookAt(0, 0);
  EXPECT_EQ(pickWorld(-0.5, -0.5, tf::kTileDepth).nameCount, -1);
}

// A little village by a pond, drawn with the toolkit's own map pictures.
TEST_F(GameRenderGl, AScreenshotOfASmallScene) {
  useReadableSystemImages();
  const std::string pictures = std::string(TF_SOURCE_DIR) + "/data/map/";
  std::vector<int> image(32);
  for (int i = 0; i < 32; ++i) image[i] = addPictureFile(pictures + std::to_string(10000 + i) + ".png");
  enum { kGrassTile = 0, kPath = 1, kSandTile = 2, kFloor = 3, kWall = 4, kPond = 5, kTree = 8, kBush = 9,
         kRock = 10, kPlayer = 11, kVillager = 12, kCoin = 13, kChest = 18, kFlag = 23, kSign = 24, kTorch = 29 };
  tf::world.worldSetMap(16, 12, "village", 0);
  fillMap(image[kGrassTile]);
  auto tiles = [&](int tile, int x0, int x1, int y0, int y1) {
    for (int x = x0; x <= x1; ++x) {
      for (int y = y0; y <= y1; ++y) tf::world.worldSetTile(image[tile], x, y, 0);
    }
  };
  tiles(kPath, 0, 15, 5, 5);      // the road through the village
  tiles(kPath, 8, 8, 6, 11);      // up to the courtyard
  tiles(kSandTile, 2, 6, 1, 4);   // a beach...
  tiles(kPond, 3, 5, 2, 3);       // ...around the pond
  tiles(kFloor, 9, 12, 8, 11);    // the courtyard
  tiles(kWall, 9, 12, 7, 7);      // its wall
  tf::world.worldSetTile(image[kFloor], 10, 7, 0);  // the gate
  auto object = [&](int picture, double x, double y, float half, int layer) {
    addObject(static_cast<float>(x * tf::kTileSize), static_cast<float>(y * tf::kTileSize), half, image[picture],
              layer);
  };
  object(kTree, 4.2, 6.6, 0.2f, 2);
  object(kTree, 5.6, 7.4, 0.22f, 2);
  object(kTree, 3.4, 8.2, 0.2f, 2);
  object(kBush, 7.0, 3.2, 0.12f, 1);
  object(kBush, 6.4, 7.0, 0.1f, 1);
  object(kRock, 10.2, 3.6, 0.12f, 1);
  object(kSign, 5.3, 4.3, 0.12f, 1);
  object(kCoin, 9.4, 4.0, 0.08f, 1);
  object(kCoin, 10.0, 4.2, 0.08f, 1);
  object(kChest, 11.2, 6.2, 0.12f, 1);
  object(kTorch, 9.4, 7.2, 0.1f, 1);
  object(kTorch, 10.6, 7.2, 0.1f, 1);
  object(kFlag, 10.9, 3.0, 0.13f, 1);
  object(kVillager, 9.9, 6.4, 0.14f, 3);
  object(kPlayer, 7.6, 5.1, 0.14f, 3);
  tf::world.setPhrase(0, "^yWelcome to the village!");
  tf::world.setDisplayPhrase(1000, 0);
  lookAt(7.6f * tf::kTileSize, 5.3f * tf::kTileSize);
  clearFrame(Rgb{24, 28, 36});
  tf::UpdateCamera();
  tf::gameRender();
  EXPECT_NE(pixel(400, 300), (Rgb{24, 28, 36}));
  EXPECT_EQ(noticeTitle(), "");

  const std::string shot = dir.path() + "/game.png";
  ASSERT_TRUE(saveScreenshot(shot));
  EXPECT_GT(boost::filesystem::file_size(shot), 10000u);
  // Set TF_SCREENSHOT_DIR to keep the picture (the README's docs/game.png).
  if (const char* keep = std::getenv("TF_SCREENSHOT_DIR")) {
    boost::filesystem::copy_file(shot, std::string(keep) + "/game.png",
                                 boost::filesystem::copy_option::overwrite_if_exists);
  }
}

}  // namespace
