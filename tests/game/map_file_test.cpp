// The map file: its exact text, round trips of everything it stores (through
// the text and through the game folder), older files, the image animation
// settings, and damaged files that must be refused or read as far as sound.
#include "game/map_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/script_object.h"
#include "game/logic_file.h"
#include "game/world.h"
#include "media/images.h"
#include "media/notice.h"
#include "messages.h"
#include "temp_dir.h"
#include "world_compare.h"

using namespace tf;

namespace {

// Reads `text` as a map file into `into`.
bool readMaps(const std::string& text, gameWorld& into) {
  scriptObject table;
  table.readText(text, "map.cfg");
  return readGameMaps(table, into, "map.cfg");
}

// A map file of one map from its body lines (between the version line and
// the end of the first map's object list).
std::string oneMapFile(const std::string& body) {
  return "f version 1\n" + body + "s map1 endMapLoad\n";
}

void getObject(const gameWorld& game, int obj, float& x, float& y, float& w, float& h, int& tex,
               int& layer) {
  game.worldGetObject(x, y, w, h, tex, layer, obj, 0);
}

// A game that uses every stored field.
gameWorld richWorld() {
  gameWorld game;
  game.allocateMaps(3);
  game.worldSetMap(5, 4, "First Map", 0);
  for (int x = 0; x < 5; ++x) {
    for (int y = 0; y < 4; ++y) {
      if ((x + y) % 3 != 0) game.worldSetTile(200 + x * 4 + y, x, y, 0);
    }
  }
  game.worldSetMapLayerCount(5, 0);
  const float blue[3] = {0.2f, 0.5f, 1.0f};
  game.worldSetFog(true, 0.35f, blue, 0);
  game.worldSetTileStretch(true, 0);
  game.worldSetObject(1.23456789f, -0.6f, 0.15f, 0.7f, 201, 2, 0, 0);
  game.worldSetObjectName("Hero", 0, 0);
  game.worldSetObject(3.5f, 2.25f, 0.05f, 0.02f, 0, 6, 1, 0);
  game.worldSetObjectName("Big Old Tree", 1, 0);
  game.worldSetObjectObstructionState(false, 1, 0);
  game.worldSetObstructionSize(0.04f, 0.3f, 1, 0);
  game.worldSetObject(1e-5f, 123456.7f, 0.1f, 0.1f, 7, 0, 2, 0);
  game.worldSetObjectName("  spaced  name ", 2, 0);

  game.worldSetMap(700, 3, "Second", 1);
  game.worldSetTile(5, 699, 2, 1);
  const float grey[3] = {0.3f, 0.4f, 0.5f};
  game.worldSetFog(true, 0.6f, grey, 1);
  game.worldSetFog(false, 0.6f, grey, 1);  // switched off, settings kept
  game.worldSetMapLayerCount(0, 1);
  game.worldSetMap(0, 0, "", 2);

  game.mapGlobalAddSentence(0);
  game.mapGlobalChangeSentence(0, 0, kSlotAction, 748);
  game.mapGlobalChangeSentence(0, 0, kSlotActionOperand, 1);
  game.mapLocalAddSentence(1, 0);
  game.mapLocalAddSentence(1, 0);
  game.mapLocalChangeSentence(1, 0, 1, kSlotOpener, 111);
  game.mapLocalChangeSentence(1, 0, 1, kSlotOpenerOperand, 25);

  game.setPhrase(0, "Hello there");
  game.setPhrase(7, " starts with a space");
  game.setPhrase(1023, std::string(3000, 'x'));
  return game;
}

class MapFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    world = gameWorld();
    gameImg.clear();
    scriptMap.clear();
    scriptLogic.clear();
  }
};

TEST_F(MapFileTest, ExactTextOfASmallGame) {
  gameWorld game;
  game.allocateMaps(1);
  game.worldSetMap(3, 2, "Start", 0);
  game.worldSetTile(4, 1, 0, 0);
  game.worldSetObject(1.2f, 0.6f, 0.1f, 0.1f, 5, 1, 0, 0);
  game.setPhrase(0, "Hello there");
  game.setPhrase(7, "Bye");
  std::vector<img> images(5);
  images[3].setAnimState(true);
  images[3].setFrameCount(4);
  images[3].setAnimSpeed(500);

  EXPECT_EQ(mapFileText(game, images).str(),
            "// This file was created by the Tessera Forge application.\n"
            "// Please do not change or edit anything in this file as it may\n"
            "// cause errors when the map is trying to be loaded.\n"
            "\n"
            "// The version format of this configuration file\n"
            "f version 1\n"
            "f image3anim 1\n"
            "f image3frame 4\n"
            "f image3speed 500\n"
            "\n"
            "// ***\n"
            "// Map 0\n"
            "// ***\n"
            "\n"
            "// Tile Stretch\n"
            "f map0stretch 0\n"
            "// Layer\n"
            "f map0layer 7\n"
            "\n"
            "// Fog\n"
            "f map0fog 0\n"
            "f map0fogdensity 0\n"
            "f map0fogr 1\n"
            "f map0fogg 1\n"
            "f map0fogb 1\n"
            "\n"
            "// Map Width\n"
            "f map0w 3\n"
            "\n"
            "// Map Height\n"
            "f map0h 2\n"
            "\n"
            "// Map Name\n"
            "s map0name Start\n"
            "\n"
            "// Tile Data \n"
            "f map0tile1_0 4\n"
            "\n"
            "// Object Data \n"
            "s map0object0 1.2 0.6 0.1 0.1 5 1 0.1 0.1 1 Object\n"
            "s map0object1 endObjectLoad\n"
            "\n"
            "// Stop map loading\n"
            "s map1 endMapLoad\n"
            "// Game Phrases\n"
            "s phrase0 Hello there\n"
            "s phrase7 Bye\n");
}

TEST_F(MapFileTest, MarkersNameTheFirstFreeIndex) {
  gameWorld game;
  game.allocateMaps(2);
  std::string text = mapFileText(game, {}).str();
  EXPECT_NE(text.find("s map0object0 endObjectLoad\n"), std::string::npos);
  EXPECT_NE(text.find("s map1object0 endObjectLoad\n"), std::string::npos);
  EXPECT_NE(text.find("// Stop map loading\ns map2 endMapLoad\n"), std::string::npos);
  EXPECT_EQ(text.find("phrase"), std::string::npos);
}

TEST_F(MapFileTest, EverythingStoredComesBackThroughTheText) {
  gameWorld game = richWorld();
  gameWorld loaded;
  ASSERT_TRUE(readMaps(mapFileText(game, {}).str(), loaded));
  scriptObject logic;
  logic.readText(logicFileText(game).str(), "logic.cfg");
  ASSERT_TRUE(readGameLogic(logic, loaded, "logic.cfg"));
  EXPECT_TRUE(tftest::sameStoredWorld(game, loaded));

  float x, y, w, h;
  int tex, layer;
  getObject(loaded, 0, x, y, w, h, tex, layer);
  EXPECT_FLOAT_EQ(x, 1.23457f);  // six significant digits
  EXPECT_EQ(loaded.worldGetObjectName(1, 0), "Big Old Tree");
  EXPECT_EQ(loaded.worldGetObjectName(2, 0), "  spaced  name ");
  bool fog;
  float density, r, g, b;
  loaded.worldGetFog(fog, density, r, g, b, 1);
  EXPECT_FALSE(fog);
  EXPECT_FLOAT_EQ(density, 0.6f);
  EXPECT_FLOAT_EQ(g, 0.4f);
}

TEST_F(MapFileTest, ValuesNotStoredStartFromTheirDefaults) {
  gameWorld game = richWorld();
  game.worldSetObjectLabel(3, 0, 0);
  game.worldSetObjectScore(12, 0, 0);
  game.worldSetObjectLife(false, 0, 0);
  game.worldSetObjectVisible(false, 0, 0);
  game.setGlobalScore(4, 9);
  gameWorld loaded;
  ASSERT_TRUE(readMaps(mapFileText(game, {}).str(), loaded));
  EXPECT_EQ(loaded.worldGetObjectLabel(0, 0), -1);
  EXPECT_EQ(loaded.worldGetObjectScore(0, 0), 0);
  EXPECT_TRUE(loaded.worldGetObjectLife(0, 0));
  EXPECT_TRUE(loaded.worldGetObjectVisible(0, 0));
  EXPECT_EQ(loaded.getGlobalScore(4), 0);
}

TEST_F(MapFileTest, LineBreaksInNamesDoNotBreakTheFile) {
  gameWorld game;
  game.allocateMaps(1);
  game.worldSetMap(1, 1, "Two\nLines", 0);
  game.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, 0, 0);
  game.worldSetObjectName("Crate\r\nf map0w 5", 0, 0);
  game.setPhrase(2, "first\nsecond");
  gameWorld loaded;
  ASSERT_TRUE(readMaps(mapFileText(game, {}).str(), loaded));
  int w, h;
  std::string name;
  loaded.worldGetMap(w, h, name, 0);
  EXPECT_EQ(w, 1);
  EXPECT_EQ(name, "Two Lines");
  EXPECT_EQ(loaded.worldGetObjectName(0, 0), "Crate  f map0w 5");
  EXPECT_EQ(loaded.getPhrase(2), "first second");
}

TEST_F(MapFileTest, TheLargestMapAnd1024ObjectsComeBack) {
  gameWorld game;
  game.allocateMaps(1);
  game.worldSetMap(700, 700, "Largest", 0);
  for (int x = 0; x < 700; ++x) {
    for (int y = 0; y < 700; ++y) game.worldSetTile(1 + (x * 7 + y) % 250, x, y, 0);
  }
  for (int i = 0; i < kMaxObjects; ++i) {
    game.worldSetObject(i * 0.01f, 1, 0.1f, 0.1f, i % 300, i % 7, i, 0);
    game.worldSetObjectName("Object number " + std::to_string(i), i, 0);
  }
  gameWorld loaded;
  ASSERT_TRUE(readMaps(mapFileText(game, {}).str(), loaded));
  EXPECT_TRUE(tftest::sameStoredWorld(game, loaded));
}

TEST_F(MapFileTest, SavingWritesTheGameFolderAndLoadingReadsItBack) {
  tftest::ScopedWorkDir dir;
  world = richWorld();
  world.setGameName("Quest");
  gameImg.assign(4, img());
  gameImg[2].setAnimState(true);
  gameImg[2].setFrameCount(3);
  gameImg[2].setAnimSpeed(300);
  gameWorld saved = world;

  tftest::MessageLog messages;
  ASSERT_TRUE(saveGameWorld());
  for (const char* folder : {"games/Quest/system", "games/Quest/map", "games/Quest/sound"}) {
    EXPECT_TRUE(dir.exists(folder)) << folder;
  }
  EXPECT_FALSE(dir.exists("games/Quest/system/map.cfg.saving"));
  EXPECT_FALSE(dir.exists("games/Quest/system/logic.cfg.saving"));
  EXPECT_TRUE(messages.contains("Outputting map data"));
  EXPECT_TRUE(messages.contains("^wGame has been successfully saved!"));
  std::string title, message;
  int shown;
  notice.getNotice(title, message, shown);
  EXPECT_EQ(title, "World Saved");
  EXPECT_EQ(message, "The game world for ^yQuest^w has been saved.");

  world = gameWorld();
  world.setGameName("Quest");
  gameImg.assign(4, img());
  ASSERT_TRUE(loadGameMaps());
  applyImageAnimations();
  ASSERT_TRUE(loadGameLogic());
  EXPECT_TRUE(tftest::sameStoredWorld(saved, world));
  EXPECT_TRUE(gameImg[2].getAnimState());
  EXPECT_EQ(gameImg[2].getFrameCount(), 3);
  EXPECT_EQ(gameImg[2].getAnimSpeed(), 300);
  EXPECT_FALSE(gameImg[1].getAnimState());
}

TEST_F(MapFileTest, AMissingFileIsAFilenameError) {
  tftest::ScopedWorkDir dir;
  world.setGameName("Nowhere");
  tftest::MessageLog messages;
  EXPECT_FALSE(loadGameMaps());
  EXPECT_TRUE(messages.contains("games/Nowhere/system/map.cfg"));
  EXPECT_TRUE(messages.contains("Filename Error"));
}

TEST_F(MapFileTest, OlderFilesKeepOneKeyPerObjectField) {
  const std::string old =
      "f map0w 2\n"
      "f map0h 2\n"
      "s map0name Old\n"
      "f map0tile0_1 3\n"
      "s map0object0 x\n"
      "f map0object0x 0.5\n"
      "f map0object0y 0.25\n"
      "f map0object0w 0.9\n"
      "f map0object0h 0.3\n"
      "f map0object0tex 6\n"
      "f map0object0layer 2\n"
      "f map0object0obstruction 0\n"
      "f map0object0ow 0.15\n"
      "f map0object0oh 0.05\n"
      "s map0object0name Old Crate\n"
      "s map0object1 endObjectLoad\n"
      "f map0layer 7\n"
      "f map0fog 0\n"
      "s map1 endMapLoad\n";
  for (const std::string& version : {std::string(), std::string("f version 0\n")}) {
    gameWorld loaded;
    ASSERT_TRUE(readMaps(version + old, loaded));
    float x, y, w, h, ow, oh;
    int tex, layer;
    getObject(loaded, 0, x, y, w, h, tex, layer);
    EXPECT_FLOAT_EQ(x, 0.5f);
    EXPECT_FLOAT_EQ(y, 0.25f);
    EXPECT_FLOAT_EQ(w, 0.7f);
    EXPECT_FLOAT_EQ(h, 0.3f);
    EXPECT_EQ(tex, 6);
    EXPECT_EQ(layer, 2);
    EXPECT_FALSE(loaded.worldGetObjectObstructionState(0, 0));
    loaded.worldGetObstructionSize(ow, oh, 0, 0);
    EXPECT_FLOAT_EQ(ow, 0.15f);
    EXPECT_FLOAT_EQ(oh, 0.05f);
    EXPECT_EQ(loaded.worldGetObjectName(0, 0), "Old Crate");
    int t = 0;
    loaded.worldGetTile(t, 0, 1, 0);
    EXPECT_EQ(t, 3);
  }
}

TEST_F(MapFileTest, ObjectLinesReadTheirNameWholeAndTheirSizesWithinLimits) {
  gameWorld loaded;
  ASSERT_TRUE(readMaps(oneMapFile("f map0w 1\nf map0h 1\n"
                                  "s map0object0 1 2 0.9 0.3 4 1 0.2 0 0 Tree\n"
                                  "s map0object1 1 2 0.1 0.1 4 1 0.1 0.1 1 Big Tree\n"
                                  "s map0object2 3\n"
                                  "s map0object3 endObjectLoad\n"),
                       loaded));
  float x, y, w, h, ow, oh;
  int tex, layer;
  getObject(loaded, 0, x, y, w, h, tex, layer);
  EXPECT_FLOAT_EQ(w, 0.7f);
  EXPECT_EQ(loaded.worldGetObjectName(0, 0), "Tree");
  loaded.worldGetObstructionSize(ow, oh, 0, 0);
  EXPECT_FLOAT_EQ(ow, 0.1f);  // a zero side keeps the default box
  EXPECT_EQ(loaded.worldGetObjectName(1, 0), "Big Tree");
  getObject(loaded, 2, x, y, w, h, tex, layer);  // missing words read as 0
  EXPECT_FLOAT_EQ(x, 3);
  EXPECT_FLOAT_EQ(w, 0.01f);
  EXPECT_EQ(tex, 0);
  EXPECT_EQ(loaded.worldGetObjectName(2, 0), "");
}

TEST_F(MapFileTest, FogValuesOutsideTheirRangeKeepThePreviousOnes) {
  gameWorld loaded;
  ASSERT_TRUE(readMaps(oneMapFile("f map0fog 1\nf map0fogdensity 0.05\nf map0fogr 0.5\n"
                                  "f map0fogg 2\ns map0object0 endObjectLoad\n"),
                       loaded));
  bool fog;
  float density, r, g, b;
  loaded.worldGetFog(fog, density, r, g, b, 0);
  EXPECT_TRUE(fog);
  EXPECT_FLOAT_EQ(density, 0);
  EXPECT_FLOAT_EQ(r, 0.5f);
  EXPECT_FLOAT_EQ(g, 1);
  EXPECT_FLOAT_EQ(b, 1);
}

TEST_F(MapFileTest, TilesStretchLayersAndPhrasesWithDefaults) {
  tftest::MessageLog messages;
  gameWorld loaded;
  ASSERT_TRUE(readMaps(oneMapFile("f map0w 3\nf map0h 2\nf map0tile1_0 4\nf map0tile2_1 -7\n"
                                  "f map0tile5_5 9\nf map0stretch 0.5\n"
                                  "s map0object0 endObjectLoad\n") +
                           "s phrase3 kept\ns phrase4 \ns phrase1024 beyond\n",
                       loaded));
  int tiles = 0;
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 2; ++y) {
      int tex = -1;
      loaded.worldGetTile(tex, x, y, 0);
      tiles += tex != 0;
      if (x == 1 && y == 0) {
        EXPECT_EQ(tex, 4);
      }
    }
  }
  EXPECT_EQ(tiles, 1);  // the negative tile reads as empty
  EXPECT_FALSE(loaded.worldGetTileStretch(0));  // 0.5 truncates to 0
  EXPECT_EQ(loaded.worldGetMapLayerCount(0), 0);
  EXPECT_TRUE(messages.contains("^rERROR: ^wInvalid layer count specified for a map"));
  EXPECT_EQ(loaded.getPhrase(3), "kept");
  EXPECT_EQ(loaded.getPhrase(4), "");
}

TEST_F(MapFileTest, ImageAnimationsFromTheTable) {
  scriptObject table;
  table.readText("f image0anim 1\nf image0frame 4\nf image0speed 200\n"
                 "f image1anim 2\nf image1frame 4\n"
                 "f image2anim 1\nf image2frame 12\nf image2speed 50\n"
                 "f image9anim 1\n",
                 "map.cfg");
  std::vector<img> images(3);
  images[1].setFrameCount(6);
  applyImageAnimations(table, images);
  EXPECT_TRUE(images[0].getAnimState());
  EXPECT_EQ(images[0].getFrameCount(), 4);
  EXPECT_EQ(images[0].getAnimSpeed(), 200);
  EXPECT_FALSE(images[1].getAnimState());
  EXPECT_EQ(images[1].getFrameCount(), 6);
  EXPECT_TRUE(images[2].getAnimState());  // out of range: the editor's defaults
  EXPECT_EQ(images[2].getFrameCount(), 1);
  EXPECT_EQ(images[2].getAnimSpeed(), 1000);
}

// ---- damaged files --------------------------------------------------------------

// Reads `text` and expects a refusal that names `why` and leaves `into` alone.
void expectRefused(const std::string& text, const std::string& why) {
  gameWorld into;
  into.allocateMaps(1);
  into.worldSetMap(2, 2, "Untouched", 0);
  into.setPhrase(0, "kept");
  tftest::MessageLog messages;
  EXPECT_FALSE(readMaps(text, into));
  EXPECT_TRUE(messages.contains(why)) << "no message with: " << why;
  EXPECT_TRUE(messages.contains("the game cannot be loaded"));
  int w, h;
  std::string name;
  into.worldGetMap(w, h, name, 0);
  EXPECT_EQ(into.getMapCount(), 1);
  EXPECT_EQ(name, "Untouched");
  EXPECT_EQ(into.getPhrase(0), "kept");
}

std::string objects(int count) {
  std::string text = "f map0w 1\nf map0h 1\n";
  for (int i = 0; i < count; ++i) text += "s map0object" + std::to_string(i) + " 0 0 0.1 0.1 1 0 0.1 0.1 1 O\n";
  return text + "s map0object" + std::to_string(count) + " endObjectLoad\n";
}

TEST_F(MapFileTest, NewerVersionsAreRefused) {
  expectRefused("f version 2\n" + objects(1) + "s map1 endMapLoad\n", "is of version 2");
}

TEST_F(MapFileTest, ListsWithoutTheirEndMarkerAreRefused) {
  expectRefused("f version 1\nf map0w 2\nf map0h 2\ns map0object0 0 0 0.1 0.1 1 0 0.1 0.1 1 O\n",
                "the object list of map 0 has no end marker");
  expectRefused("f version 1\n" + objects(2), "its list of maps has no end marker");
  expectRefused("", "the object list of map 0 has no end marker");
}

TEST_F(MapFileTest, AtMost1024ObjectsOnAMap) {
  gameWorld loaded;
  ASSERT_TRUE(readMaps(oneMapFile(objects(1024)), loaded));
  EXPECT_EQ(loaded.worldGetObjectCount(0), 1024);
  expectRefused(oneMapFile(objects(1025)), "holds more than 1024 objects on map 0");
}

TEST_F(MapFileTest, MapsBeyondTheTileBoundAreRefused) {
  std::string text = "f version 1\n";
  int maps = static_cast<int>(kMaxWorldTiles / (700 * 700)) + 1;
  for (int m = 0; m < maps; ++m) {
    std::string map = "map" + std::to_string(m);
    text += "f " + map + "w 700\nf " + map + "h 700\ns " + map + "object0 endObjectLoad\n";
  }
  expectRefused(text + "s map" + std::to_string(maps) + " endMapLoad\n", "holds more tiles than a game may");
}

TEST_F(MapFileTest, ATruncatedFileIsRefused) {
  std::string text = mapFileText(richWorld(), {}).str();
  std::size_t end = text.find("endMapLoad");
  for (std::size_t cut : {end / 4, end / 2, end - 3}) {
    expectRefused(text.substr(0, cut), "no end marker");
  }
}

TEST_F(MapFileTest, JunkIsRefusedWithoutHarm) {
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk.push_back(static_cast<char>((i * 7919 + 13) % 256));
  expectRefused(junk, "no end marker");
}

TEST_F(MapFileTest, AbsurdValuesAreReadAsFarAsSound) {
  tftest::MessageLog messages;
  gameWorld loaded;
  ASSERT_TRUE(readMaps("f version 1\n"
                       "f map0w 1e9\nf map0h -5\nf map0layer 1e9\n"
                       "s map0object0 1e39 nan inf -inf 99999999999 -4 1e-50 0x10 7 Name\n"
                       "s map0object1 endObjectLoad\n"
                       "f map1w 2\nf map1h 2\nf map1tile1_1 2147483647\nf map1tile0_0 1e30\n"
                       "f map1layer -3\n"
                       "s map1object0 endObjectLoad\n"
                       "s map2 endMapLoad\n",
                       loaded));
  int w, h;
  std::string name;
  loaded.worldGetMap(w, h, name, 0);
  EXPECT_EQ(w + h, 0);
  EXPECT_TRUE(messages.contains("Map 0 of ^ymap.cfg^w has no valid size"));
  EXPECT_EQ(loaded.worldGetMapLayerCount(0), 100);
  EXPECT_EQ(loaded.worldGetMapLayerCount(1), 0);
  float x, y, ow, oh;
  int tex, layer;
  getObject(loaded, 0, x, y, ow, oh, tex, layer);
  EXPECT_FLOAT_EQ(x, 0);  // beyond a float
  EXPECT_FLOAT_EQ(y, 0);  // not a number
  EXPECT_FLOAT_EQ(ow, 0.01f);
  EXPECT_FLOAT_EQ(oh, 0.01f);
  EXPECT_EQ(tex, 2147483647);
  EXPECT_EQ(layer, -4);
  loaded.worldGetObstructionSize(ow, oh, 0, 0);
  EXPECT_FLOAT_EQ(ow, 0.1f);
  EXPECT_TRUE(loaded.worldGetObjectObstructionState(0, 0));
  EXPECT_EQ(loaded.worldGetObjectName(0, 0), "Name");
  int t = 0;
  loaded.worldGetTile(t, 1, 1, 1);
  EXPECT_EQ(t, 2147483647);
  loaded.worldGetTile(t, 0, 0, 1);
  EXPECT_EQ(t, 2147483647);
}

}  // namespace
