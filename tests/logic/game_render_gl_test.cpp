// The map drawn on a real window: tiles on their pixels, visible objects layer
// over layer, fog by its density; and a screenshot made of the toolkit's own
// map pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/camera.h"
#include "core/system.h"
#include "core/view.h"
#include "game/world.h"
#include "gl_window.h"
#include "logic/game_render.h"
#include "media/images.h"

using tftest::Rgb;

namespace {

const Rgb kBlack{0, 0, 0}, kGrass{40, 160, 60}, kSand{230, 210, 140}, kStone{120, 120, 130};
const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0};

// Screen pixels per world unit at depth z, seen from the camera 0.15 above
// the plane z = 0 with a 45 degree field of view, 600 pixels high.
double pixelsPerUnit(double z) { return 300.0 / ((0.15 - z) * std::tan(22.5 * M_PI / 180.0)); }

class GameRenderGl : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    reset();
    tf::world.allocateMaps(1);
    tf::world.setGameLoaded(true);
    tf::world.setGameName("field");
    tf::gameSys.setGameState(tf::kStatePlay);
  }
  void TearDown() override {
    reset();
    GlTest::TearDown();
  }
  static void reset() {
    tf::world = tf::gameWorld();
    tf::gameImg.clear();
    tf::gameSys.setGameState(tf::kStateMenus);
  }
  // A game image from a picture file; returns its index.
  int addPicture(const std::string& path) {
    tf::img image;
    image.SetTex(loadPicture(path));
    EXPECT_GT(image.GetTex(), 0) << path;
    image.SetPointer(static_cast<int>(tf::gameImg.size()));
    tf::gameImg.push_back(image);
    return image.GetPointer();
  }
  int addColor(const Rgb& c) { return addPicture(solidPicture("c" + std::to_string(tf::gameImg.size()) + ".png", c)); }
  static int addObject(float x, float y, float half, int image, int layer) {
    const int index = tf::world.worldGetObjectCount(0);
    tf::world.worldSetObject(x, y, half, half, image, layer, index, 0);
    return index;
  }
  void drawFrame(const Rgb& background = Rgb()) {
    clearFrame(background);
    tf::UpdateCamera();
    tf::gameRender(tf::MapEditView());
  }
};

// A 10 x 10 map of grass with sand at tile (3, 2) and stone right of it, seen
// from the centre of the sand tile (0.9, 0.6); objects above it at y = 1.2.
TEST_F(GameRenderGl, TilesObjectsByLayerAndFogAreDrawn) {
  tf::world.worldSetMap(10, 10, "field", 0);
  const int grass = addColor(kGrass);
  for (int tile = 0; tile < 100; ++tile) tf::world.worldSetTile(grass, tile % 10, tile / 10, 0);
  tf::world.worldSetTile(addColor(kSand), 3, 2, 0);
  tf::world.worldSetTile(addColor(kStone), 4, 2, 0);
  const int red = addColor(kRed), green = addColor(kGreen);
  addObject(0.3f, 1.2f, 0.1f, red, 1);    // layer 1 ...
  addObject(0.3f, 1.2f, 0.2f, green, 0);  // ... over a larger one on layer 0, though later in index order
  tf::world.worldSetObjectVisible(false, addObject(1.5f, 1.2f, 0.1f, red, 0), 0);
  tf::camera.SetPos(0.9f, 0.6f, 0);
  drawFrame();
  const auto at = [&](double x, double y, double z) {
    return pixel(static_cast<int>(std::lround(400 + (x - 0.9) * pixelsPerUnit(z))),
                 static_cast<int>(std::lround(300 - (y - 0.6) * pixelsPerUnit(z))));
  };
  const double tile = tf::kTileDepth, object = tf::kFirstObjectDepth;
  // Nothing beyond the map's edge (-0.2, 0.6); a hidden object (1.5, 1.2) is not drawn.
  const double spots[][3] = {{0.76, 0.46, tile}, {1.06, 0.6, tile},   {0.9, 0.76, tile},    {-0.2, 0.6, tile},
                             {0.37, 1.2, object}, {0.15, 1.2, object}, {1.5, 1.2, object}};
  const Rgb colors[] = {kSand, kStone, kGrass, kBlack, kRed, kGreen, kGrass};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(at(spots[k][0], spots[k][1], spots[k][2]), colors[k]) << k;

  const float color[3] = {0.2f, 0.4f, 0.6f};
  for (float density : {0.1f, 1.0f}) {
    tf::world.worldSetFog(true, density, color, 0);
    drawFrame();
    // Exponential fog over the 2.15 units from the eye to the tiles.
    const double left = std::exp(-2.15 * density);
    auto fogged = [&](int c, float f) { return static_cast<int>(c * left + (1 - left) * f * 255); };
    const Rgb expected{fogged(kSand.r, color[0]), fogged(kSand.g, color[1]), fogged(kSand.b, color[2])};
    EXPECT_TRUE(tftest::near(pixel(400, 300), expected, 6)) << pixel(400, 300) << " " << expected;
  }
}

// A little village by a pond, drawn with the toolkit's own map pictures (data/map/10000.png on).
TEST_F(GameRenderGl, AScreenshotOfASmallScene) {
  ASSERT_TRUE(useDataSystemImages());
  const std::string pictures = std::string(TF_SOURCE_DIR) + "/data/map/";
  int image[32];
  for (int i = 0; i < 32; ++i) image[i] = addPicture(pictures + std::to_string(10000 + i) + ".png");
  tf::world.worldSetMap(16, 12, "village", 0);
  // Tile areas, in drawing order: picture, columns x0 to x1, rows y0 to y1 (grass, paths, sand, pond, floor, wall).
  const int areas[][5] = {{0, 0, 15, 0, 11}, {1, 0, 15, 5, 5}, {1, 8, 8, 6, 11}, {2, 2, 6, 1, 4},
                          {5, 3, 5, 2, 3},   {3, 9, 12, 8, 11}, {4, 9, 12, 7, 7}, {3, 10, 10, 7, 7}};
  for (const auto& a : areas) {
    for (int x = a[1]; x <= a[2]; ++x) {
      for (int y = a[3]; y <= a[4]; ++y) tf::world.worldSetTile(image[a[0]], x, y, 0);
    }
  }
  // Objects: picture, position in tenths of a tile, half-size in hundredths, layer (trees, bushes, a rock,
  // a sign, coins, a chest, torches, a flag, a villager and the player).
  const int objects[][5] = {{8, 42, 66, 20, 2},   {8, 56, 74, 22, 2},   {8, 34, 82, 20, 2},  {9, 70, 32, 12, 1},
                            {9, 64, 70, 10, 1},   {10, 102, 36, 12, 1}, {24, 53, 43, 12, 1}, {13, 94, 40, 8, 1},
                            {13, 100, 42, 8, 1},  {18, 112, 62, 12, 1}, {29, 94, 72, 10, 1}, {29, 106, 72, 10, 1},
                            {23, 109, 30, 13, 1}, {12, 99, 64, 14, 3},  {11, 76, 51, 14, 3}};
  for (const auto& o : objects) {
    addObject(o[1] * tf::kTileSize / 10, o[2] * tf::kTileSize / 10, o[3] / 100.f, image[o[0]], o[4]);
  }
  tf::world.setPhrase(0, "^yWelcome to the village!");
  tf::world.setDisplayPhrase(1000, 0);
  tf::camera.SetPos(7.6f * tf::kTileSize, 5.3f * tf::kTileSize, 0);
  drawFrame(Rgb{24, 28, 36});
  EXPECT_NE(pixel(400, 300), (Rgb{24, 28, 36}));
  keepScreenshot("game.png", 10000);  // the README's docs/game.png
}

}  // namespace
