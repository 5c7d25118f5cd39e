// The map drawn on a real window: one small scene of tiles and objects seen in
// play and in the world editor (grid, highlights, marks, pulse, layer
// switches), fog, the phrase box, the display image, selection passes that name
// the object or tile under a pixel, and a screenshot made of the toolkit's own
// map pictures.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
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

const Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};
const Rgb kGrass{40, 160, 60}, kSand{230, 210, 140}, kStone{120, 120, 130}, kWater{30, 80, 200};
const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};
constexpr float kObjectZ = tf::kFirstObjectDepth;

// Screen pixels per world unit at depth z, seen from the camera 0.15 above
// the plane z = 0 with a 45 degree field of view, 600 pixels high.
double pixelsPerUnit(double z) { return 300.0 / ((0.15 - z) * std::tan(22.5 * M_PI / 180.0)); }

// The scene: a 10 x 10 map of grass with sand at tile (3, 2), stone right of
// it and water above it, seen from the centre of the sand tile (0.9, 0.6).
// Objects: 0 red on layer 1 over 1 green (larger) and 2 blue on layer 0; 3 a
// hidden red; 4 a killed blue; 5 a red one that carries logic.
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

  void buildScene() {
    const int grass = addImage(kGrass);
    for (int tile = 0; tile < 100; ++tile) tf::world.worldSetTile(grass, tile % 10, tile / 10, 0);
    tf::world.worldSetTile(addImage(kSand), 3, 2, 0);
    tf::world.worldSetTile(addImage(kStone), 4, 2, 0);
    tf::world.worldSetTile(addImage(kWater), 3, 3, 0);
    const int red = addImage(kRed), green = addImage(kGreen), blue = addImage(kBlue);
    addObject(0.3f, 1.2f, 0.1f, red, 1);
    addObject(0.3f, 1.2f, 0.2f, green, 0);
    addObject(0.45f, 1.2f, 0.1f, blue, 0);
    tf::world.worldSetObjectVisible(false, addObject(1.5f, 1.2f, 0.1f, red, 0), 0);
    tf::world.worldSetObjectLife(false, addObject(1.8f, 1.2f, 0.1f, blue, 0), 0);
    ASSERT_TRUE(tf::world.mapLocalAddSentence(addObject(1.5f, 0, 0.1f, red, 0), 0));
    lookAt(0.9f, 0.6f);
  }
  // A solid game image; returns its index.
  int addImage(const Rgb& c) {
    return addPictureFile(solidPicture("game" + std::to_string(tf::gameImg.size()) + ".png", c));
  }
  int addPictureFile(const std::string& path) {
    tf::img image;
    image.SetTex(static_cast<int>(tf::platform().loadTexture(path)));
    EXPECT_GT(image.GetTex(), 0) << path;
    image.SetPointer(static_cast<int>(tf::gameImg.size()));
    tf::gameImg.push_back(image);
    return image.GetPointer();
  }
  static int addObject(float x, float y, float half, int image, int layer) {
    const int index = tf::world.worldGetObjectCount(0);
    tf::world.worldSetObject(x, y, half, half, image, layer, index, 0);
    return index;
  }
  void lookAt(float x, float y) { tf::camera.SetPos(camX_ = x, camY_ = y, 0); }
  static void showEditor() {
    tf::gameSys.setGameState(tf::kStateWorldEditor);
    tf::gameUI.setCurrentMenu(tf::gameUI.getEditorMenu());
  }
  // The window pixel of world point (x, y) at depth z.
  int screenX(double x, double z) const { return static_cast<int>(std::lround(400 + (x - camX_) * pixelsPerUnit(z))); }
  int screenY(double y, double z) const { return static_cast<int>(std::lround(300 - (y - camY_) * pixelsPerUnit(z))); }
  Rgb at(double x, double y, double z = tf::kTileDepth) const { return pixel(screenX(x, z), screenY(y, z)); }
  // One frame of the map: cleared, camera applied, drawn.
  void drawFrame(const Rgb& background = Rgb()) {
    clearFrame(background);
    tf::UpdateCamera();
    tf::gameRender();
  }
  // A selection pass at world point (x, y): the front-most record's one name,
  // 10000 + first * 100 + second for two names, 0 for none; -1 with no record.
  int pickWorld(double x, double y, double z = kObjectZ) {
    unsigned buffer[tf::kSelectBufferSize] = {};
    tf::UpdateCamera();
    tf::startPicking(screenX(x, z), screenY(y, z), buffer);
    tf::gameRender();
    const int hits = tf::stopPicking(buffer);
    tf::PickHit hit;
    if (!tf::chooseHit(buffer, tf::kSelectBufferSize, hits, hit)) return -1;
    return hit.nameCount == 0 ? 0 : hit.nameCount == 1 ? static_cast<int>(hit.names[0])
                                                         : static_cast<int>(10000 + hit.names[0] * 100 + hit.names[1]);
  }
  static std::string noticeTitle() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time == 1 ? title : "";
  }
  static int timerOf(bool box) {
    int timer, index;
    box ? tf::world.getGameBox(timer, index) : tf::world.getDisplayPhrase(timer, index);
    return timer;
  }

  float camX_ = 0, camY_ = 0;
};

TEST_F(GameRenderGl, PlayDrawsTilesOnTheirPixelsAndVisibleObjectsLayerByLayer) {
  buildScene();
  drawFrame();
  const int half = static_cast<int>(0.15 * pixelsPerUnit(tf::kTileDepth));  // 50 pixels
  const struct {
    int x, y;
    Rgb color;
  } pixels[] = {{400 - half + 2, 300 + half - 2, kSand}, {400 + half + 3, 300, kStone},
                {400 + 3 * half - 3, 300, kStone}, {400, 300 - half - 3, kWater}, {400 - half - 3, 300, kGrass}};
  for (const auto& p : pixels) EXPECT_EQ(pixel(p.x, p.y), p.color) << p.x << " " << p.y;
  EXPECT_EQ(at(-0.2, 0.6), kBlack) << "nothing beyond the map's edges";
  // Layer 1 over layer 0; a hidden object is not drawn.
  const double objects[][2] = {{0.37, 1.2}, {0.53, 1.2}, {0.15, 1.2}, {1.5, 1.2}};
  const Rgb colors[] = {kRed, kBlue, kGreen, kGrass};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(at(objects[k][0], objects[k][1], kObjectZ), colors[k]) << k;
  EXPECT_EQ(noticeTitle(), "");

  // Image indexes outside the registry draw nothing and raise the image notice.
  tf::world.worldSetTile(500, 3, 2, 0);
  tf::world.worldSetTile(-4, 4, 2, 0);
  tf::world.worldSetObject(1.5f, 0, 0.1f, 0.1f, 77, 0, 5, 0);
  drawFrame();
  EXPECT_EQ(pixel(400, 300), kBlack);
  EXPECT_EQ(at(1.2, 0.6), kBlack);
  EXPECT_EQ(at(1.5, 0, kObjectZ), kGrass);
  EXPECT_EQ(noticeTitle(), "Image Error!");

  // A stretched tile: tile (0, 0)'s grass spans the map from 0 to 3 units, not centred on tile (0, 0).
  tf::world.worldSetTileStretch(true, 0);
  drawFrame();
  for (double x : {0.05, 0.9, 1.6}) EXPECT_EQ(at(x, 0.6), kGrass) << x;
  EXPECT_EQ(at(-0.1, 0.6), kBlack);
  for (const char* name : {"mainui", ""}) {  // nothing without a playable game
    tf::world.setGameName(name);
    tf::world.setGameLoaded(name[0] != 0);
    drawFrame();
    EXPECT_EQ(pixel(400, 300), kBlack) << name;
  }
}

TEST_F(GameRenderGl, TheEditorDrawsHiddenObjectsTheGridThePulseHighlightsAndMarks) {
  buildScene();
  showEditor();
  tf::gameRenderState.imageFlash = 0.6f;
  drawFrame();
  EXPECT_FLOAT_EQ(tf::gameRenderState.imageFlash, 0.595f);
  EXPECT_TRUE(tftest::near(at(1.5, 0, kObjectZ), Rgb{152, 0, 0}, 1)) << at(1.5, 0, kObjectZ);
  EXPECT_EQ(at(1.5, 1.2, kObjectZ), kRed) << "hidden objects are drawn in the editor";
  // The grid: a gap at the border between tiles 3 and 4 while the wireframe switch is on.
  const int edge = static_cast<int>(std::floor(400 + 0.15 * pixelsPerUnit(tf::kTileDepth)));
  EXPECT_EQ(pixel(edge, 300), kBlack);
  tf::worldEditor.setWireframe(false);
  drawFrame();
  EXPECT_NE(pixel(edge, 300), kBlack);

  // Tile mode: the range from (3, 2) to (4, 3) under the white system image 11,
  // the starting tile white and the others grey.
  tf::worldEditor.setEditorMode(tf::kModeTile);
  tf::worldEditor.setCurrentTile(3, 2);
  tf::worldEditor.setEndingTile(4, 3);
  drawFrame();
  EXPECT_EQ(at(0.9, 0.6), kWhite);
  EXPECT_TRUE(tftest::near(at(1.2, 0.9), Rgb{191, 191, 191}, 1)) << at(1.2, 0.9);
  EXPECT_EQ(at(1.5, 0.9), kGrass);

  // Object mode: the selected object under a grey mark with its solid box in white.
  tf::world.worldSetObstructionSize(0.05f, 0.05f, 1, 0);
  tf::worldEditor.setEditorMode(tf::kModeObject);
  tf::worldEditor.setCurrentObject(1);
  drawFrame();
  EXPECT_EQ(at(0.3, 1.2), kWhite);
  EXPECT_TRUE(tftest::near(at(0.42, 1.2), Rgb{178, 178, 178}, 1)) << at(0.42, 1.2);
  EXPECT_EQ(at(1.8, 1.2, kObjectZ), kBlue) << "not selected, not marked";

  // In play the pulse neither runs nor shows.
  tf::gameSys.setGameState(tf::kStatePlay);
  tf::gameRenderState.imageFlash = 0.6f;
  drawFrame();
  EXPECT_FLOAT_EQ(tf::gameRenderState.imageFlash, 0.6f);
  EXPECT_EQ(at(1.5, 0, kObjectZ), kRed);
}

TEST_F(GameRenderGl, FogTintsTheMapByItsDensityButNotThePhraseBoxWhichCountsDownInPlayOnly) {
  buildScene();
  const float color[3] = {0.2f, 0.4f, 0.6f};
  for (float density : {0.1f, 1.0f}) {
    tf::world.worldSetFog(true, density, color, 0);
    drawFrame();
    // Exponential fog over the 2.15 units from the eye to the tiles.
    const double left = std::exp(-2.15 * density);
    auto fogged = [&](int c, float f) { return static_cast<int>(c * left + (1 - left) * f * 255); };
    const Rgb expected{fogged(kSand.r, color[0]), fogged(kSand.g, color[1]), fogged(kSand.b, color[2])};
    EXPECT_TRUE(tftest::near(pixel(400, 300), expected, 6)) << pixel(400, 300) << " " << expected;
    EXPECT_FALSE(glIsEnabled(GL_FOG));
  }
  tf::world.setPhrase(3, "Hello");
  tf::world.setDisplayPhrase(1000, 3);
  drawFrame();
  // System image 4 centred at (400, 200), 42 x 40 half size around the text.
  for (auto [x, y] : {std::pair{362, 166}, {438, 234}}) EXPECT_EQ(pixel(x, y), tftest::kTestNoticeBackground);
  for (auto [x, y] : {std::pair{355, 200}, {400, 245}}) EXPECT_NE(pixel(x, y), tftest::kTestNoticeBackground);
  int column, row;  // "H" is centred at 377.5
  tf::fontCell('H', column, row);
  EXPECT_EQ(pixel(378, 200), tftest::fontCellColor(column, row));
  EXPECT_EQ(timerOf(false), 960);
  tf::world.worldSetFog(false, 0.1f, color, 0);
  showEditor();  // not in the editor, and not once removed
  drawFrame();
  EXPECT_EQ(pixel(400, 300), kSand);
  EXPECT_NE(pixel(362, 166), tftest::kTestNoticeBackground);
  tf::gameSys.setGameState(tf::kStatePlay);
  tf::world.setDisplayPhrase(-1, -1);
  drawFrame();
  EXPECT_NE(pixel(362, 166), tftest::kTestNoticeBackground);
}

TEST_F(GameRenderGl, TheDisplayImageCoversTheScreenWhileItsTimerRuns) {
  buildScene();
  const int picture = addPictureFile(quadrantPicture());
  drawFrame();
  const Rgb scene = pixel(200, 150);
  tf::renderGameBox();  // no image shown
  EXPECT_EQ(pixel(200, 150), scene);
  tf::world.setGameBox(1000, picture);
  tf::renderGameBox();
  EXPECT_EQ(pixel(200, 150), tftest::kQuadTopLeft);
  EXPECT_EQ(pixel(600, 150), tftest::kQuadTopRight);
  EXPECT_EQ(pixel(798, 598), tftest::kQuadBottomRight);
  EXPECT_EQ(pixel(20, 20), tftest::kQuadTopLeft);  // the corner box is the transparent "none"
  EXPECT_EQ(timerOf(true), 960);
  // An image the game does not have draws nothing and says so.
  drawFrame();
  tf::world.setGameBox(40, 999);
  tf::renderGameBox();
  EXPECT_EQ(pixel(200, 150), scene);
  EXPECT_EQ(noticeTitle(), "Image Error!");
  EXPECT_EQ(timerOf(true), 1);
}

TEST_F(GameRenderGl, ASelectionPassNamesObjectsInPlayAndTilesByColumnAndRowInTheEditor) {
  buildScene();
  // Object index + 100; the upper layer is in front; bare tiles and hidden objects carry no names in play.
  const double play[][3] = {{0.3, 1.2, 100}, {0.48, 1.2, 102}, {0.15, 1.2, 101}, {0.9, 0.6, 0}, {1.5, 1.2, 0}};
  for (const auto& p : play) EXPECT_EQ(pickWorld(p[0], p[1]), p[2]) << p[0] << " " << p[1];
  // The pass draws nothing on screen and advances no timers.
  tf::world.setDisplayPhrase(1000, 0);
  clearFrame();
  pickWorld(0.9, 0.6);
  EXPECT_EQ(pixel(400, 300), kBlack);
  EXPECT_EQ(timerOf(false), 1000);

  showEditor();
  tf::worldEditor.setEditorMode(tf::kModeTile);  // highlights are not picked
  const double editor[][3] = {{1.5, 1.2, 103}, {1.2, 0.3, 10401}, {0.3, 0.9, 10103}};
  for (const auto& p : editor) EXPECT_EQ(pickWorld(p[0], p[1], tf::kTileDepth), p[2]) << p[0] << " " << p[1];
  // A stretched tile is tile (0, 0) wherever it is picked; outside the map nothing is named.
  tf::world.worldSetTileStretch(true, 0);
  EXPECT_EQ(pickWorld(1.2, 0.3, tf::kTileDepth), 10000);
  EXPECT_EQ(pickWorld(-0.2, -0.2, tf::kTileDepth), -1);
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
  // Tile areas: picture, columns x0 to x1, rows y0 to y1, in drawing order.
  const int areas[][5] = {{kGrassTile, 0, 15, 0, 11}, {kPath, 0, 15, 5, 5}, {kPath, 8, 8, 6, 11},
                          {kSandTile, 2, 6, 1, 4},    {kPond, 3, 5, 2, 3},  {kFloor, 9, 12, 8, 11},
                          {kWall, 9, 12, 7, 7},       {kFloor, 10, 10, 7, 7}};
  for (const auto& a : areas) {
    for (int x = a[1]; x <= a[2]; ++x) {
      for (int y = a[3]; y <= a[4]; ++y) tf::world.worldSetTile(image[a[0]], x, y, 0);
    }
  }
  // Objects: picture, position in tiles, half-size, layer.
  const struct {
    int picture;
    double x, y;
    float half;
    int layer;
  } objects[] = {{kTree, 4.2, 6.6, 0.2f, 2},   {kTree, 5.6, 7.4, 0.22f, 2},  {kTree, 3.4, 8.2, 0.2f, 2},
                 {kBush, 7.0, 3.2, 0.12f, 1},  {kBush, 6.4, 7.0, 0.1f, 1},   {kRock, 10.2, 3.6, 0.12f, 1},
                 {kSign, 5.3, 4.3, 0.12f, 1},  {kCoin, 9.4, 4.0, 0.08f, 1},  {kCoin, 10.0, 4.2, 0.08f, 1},
                 {kChest, 11.2, 6.2, 0.12f, 1}, {kTorch, 9.4, 7.2, 0.1f, 1}, {kTorch, 10.6, 7.2, 0.1f, 1},
                 {kFlag, 10.9, 3.0, 0.13f, 1}, {kVillager, 9.9, 6.4, 0.14f, 3}, {kPlayer, 7.6, 5.1, 0.14f, 3}};
  for (const auto& o : objects) {
    addObject(static_cast<float>(o.x * tf::kTileSize), static_cast<float>(o.y * tf::kTileSize), o.half,
              image[o.picture], o.layer);
  }
  tf::world.setPhrase(0, "^yWelcome to the village!");
  tf::world.setDisplayPhrase(1000, 0);
  lookAt(7.6f * tf::kTileSize, 5.3f * tf::kTileSize);
  drawFrame(Rgb{24, 28, 36});
  EXPECT_NE(pixel(400, 300), (Rgb{24, 28, 36}));
  EXPECT_EQ(noticeTitle(), "");

  keepScreenshot("game.png", 10000);  // the README's docs/game.png
}

}  // namespace
