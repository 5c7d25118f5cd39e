// The map file: its exact text, round trips through the text and the game
// folder, older files, image animations, and damaged files that are refused
// or read as far as sound.
#include "game/map_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/numbers.h"
#include "core/script_object.h"
#include "game/logic_file.h"
#include "game/world.h"
#include "game_tree.h"
#include "media/images.h"
#include "messages.h"
#include "temp_dir.h"
#include "world_compare.h"

using namespace tf;
using tftest::objectText;

namespace {

bool readMaps(const std::string& text, gameWorld& into) {
  scriptObject table;
  table.readText(text, "map.cfg");
  return readGameMaps(table, into, "map.cfg");
}

// A map file of one map from the lines of map 0.
std::string oneMapFile(const std::string& body) { return "f version 1\n" + body + "s map1 endMapLoad\n"; }

// Map 0 of one tile with `count` objects and the end of its object list.
std::string objects(int count) {
  std::string text = "f map0w 1\nf map0h 1\n";
  for (int i = 0; i < count; ++i) text += "s map0object" + std::to_string(i) + " 0 0 0.1 0.1 1 0 0.1 0.1 1 O\n";
  return text + "s map0object" + std::to_string(count) + " endObjectLoad\n";
}

std::string mapText(const gameWorld& game, int m) {
  int w, h;
  std::string name;
  game.worldGetMap(w, h, name, m);
  return std::to_string(w) + "x" + std::to_string(h) + " " + name;
}

std::string fogText(const gameWorld& game, int m) {
  bool fog;
  float density, r, g, b;
  game.worldGetFog(fog, density, r, g, b, m);
  std::string text = fog ? "on" : "off";
  for (float v : {density, r, g, b}) text += " " + formatFloat(v);
  return text;
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
  const float blue[3] = {0.2f, 0.5f, 1.0f}, grey[3] = {0.3f, 0.4f, 0.5f};
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
  game.worldSetFog(false, 0.6f, grey, 1);  // switched off, settings kept
  game.worldSetMapLayerCount(0, 1);
  game.mapGlobalAddSentence(0);
  game.mapGlobalChangeSentence(0, 0, kSlotAction, 748);
  game.mapLocalAddSentence(1, 0);
  game.mapLocalAddSentence(1, 0);
  game.mapLocalChangeSentence(1, 0, 1, kSlotOpenerOperand, 25);
  game.setPhrase(0, "Hello there");
  game.setPhrase(7, " starts with a space");
  game.setPhrase(1023, std::string(3000, 'x'));
  return game;
}

class MapFileTest : public ::testing::Test {
 protected:
  void TearDown() override { tftest::resetLifecycleGlobals(); }
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

TEST_F(MapFileTest, WhatIsStoredComesBackAndWhatIsNotStartsFromItsDefault) {
  gameWorld game = richWorld();
  game.worldSetObjectLabel(3, 0, 0);
  game.worldSetObjectScore(12, 0, 0);
  game.worldSetObjectLife(false, 0, 0);
  game.worldSetObjectVisible(false, 0, 0);
  game.setGlobalScore(4, 9);
  gameWorld loaded;
  ASSERT_TRUE(readMaps(mapFileText(game, {}).str(), loaded));
  scriptObject logic;
  logic.readText(logicFileText(game).str(), "logic.cfg");
  ASSERT_TRUE(readGameLogic(logic, loaded, "logic.cfg"));
  EXPECT_TRUE(tftest::sameStoredWorld(game, loaded));
  EXPECT_EQ(tftest::joined({loaded.worldGetObjectLabel(0, 0), loaded.worldGetObjectScore(0, 0), loaded.getGlobalScore(4)}),
            "-1 0 0");
  EXPECT_TRUE(loaded.worldGetObjectLife(0, 0) && loaded.worldGetObjectVisible(0, 0));

  // Line breaks in names and phrases become spaces and cannot start a new entry.
  game = gameWorld();
  game.allocateMaps(1);
  game.worldSetMap(1, 1, "Two\nLines", 0);
  game.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, 0, 0);
  game.worldSetObjectName("Crate\r\nf map0w 5", 0, 0);
  game.setPhrase(2, "first\nsecond");
  ASSERT_TRUE(readMaps(mapFileText(game, {}).str(), loaded));
  EXPECT_EQ(mapText(loaded, 0), "1x1 Two Lines");
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
  const gameWorld saved = world;
  tftest::MessageLog messages;
  ASSERT_TRUE(saveGameWorld());
  for (const char* folder : {"system", "map", "sound"}) EXPECT_TRUE(dir.exists("games/Quest/" + std::string(folder)));
  EXPECT_FALSE(dir.exists("games/Quest/system/map.cfg.saving") || dir.exists("games/Quest/system/logic.cfg.saving"));
  EXPECT_TRUE(messages.contains("^wGame has been successfully saved!"));
  EXPECT_EQ(tftest::shownNotice(), "World Saved | The game world for ^yQuest^w has been saved.");

  world = gameWorld();
  world.setGameName("Quest");
  gameImg.assign(4, img());
  ASSERT_TRUE(loadGameMaps());
  applyImageAnimations();
  ASSERT_TRUE(loadGameLogic());
  EXPECT_TRUE(tftest::sameStoredWorld(saved, world));
  EXPECT_TRUE(gameImg[2].getAnimState() && !gameImg[1].getAnimState());
  EXPECT_EQ(tftest::joined({gameImg[2].getFrameCount(), gameImg[2].getAnimSpeed()}), "3 300");

  world.setGameName("Nowhere");
  EXPECT_FALSE(loadGameMaps());
  EXPECT_TRUE(messages.contains("games/Nowhere/system/map.cfg"));
  EXPECT_TRUE(messages.contains("Filename Error"));
}

TEST_F(MapFileTest, OlderFilesKeepOneKeyPerObjectField) {
  const std::string old =
      "f map0w 2\nf map0h 2\ns map0name Old\nf map0tile0_1 3\ns map0object0 x\n"
      "f map0object0x 0.5\nf map0object0y 0.25\nf map0object0w 0.9\nf map0object0h 0.3\nf map0object0tex 6\n"
      "f map0object0layer 2\nf map0object0obstruction 0\nf map0object0ow 0.15\nf map0object0oh 0.05\n"
      "s map0object0name Old Crate\ns map0object1 endObjectLoad\nf map0layer 7\ns map1 endMapLoad\n";
  for (const std::string version : {"", "f version 0\n"}) {
    gameWorld loaded;
    ASSERT_TRUE(readMaps(version + old, loaded));
    EXPECT_EQ(objectText(loaded, 0, 0), "0.5 0.25 0.7 0.3 6 2 / 0.15 0.05");
    EXPECT_FALSE(loaded.worldGetObjectObstructionState(0, 0));
    EXPECT_EQ(loaded.worldGetObjectName(0, 0), "Old Crate");
    int t = 0;
    loaded.worldGetTile(t, 0, 1, 0);
    EXPECT_EQ(t, 3);
  }
}

TEST_F(MapFileTest, FieldsAreReadWithinTheirLimits) {
  tftest::MessageLog messages;
  gameWorld loaded;
  ASSERT_TRUE(readMaps(oneMapFile("f map0w 3\nf map0h 2\nf map0tile1_0 4\nf map0tile2_1 -7\nf map0tile5_5 9\n"
                                  "f map0stretch 0.5\nf map0fog 1\nf map0fogdensity 0.05\nf map0fogr 0.5\n"
                                  "f map0fogg 2\n"
                                  "s map0object0 1 2 0.9 0.3 4 1 0.2 0 0 Tree\n"
                                  "s map0object1 1 2 0.1 0.1 4 1 0.1 0.1 1 Big Tree\n"
                                  "s map0object2 3\n"
                                  "s map0object3 endObjectLoad\n") +
                           "s phrase3 kept\ns phrase4 \ns phrase1024 beyond\n",
                       loaded));
  const gameMap& map = *std::as_const(loaded).mapAt(0);
  // Sizes held, a zero obstruction side keeps the default box, the name is the rest of the line.
  EXPECT_EQ(objectText(map, 0) + " " + map.mapGetObjectName(0), "1 2 0.7 0.3 4 1 / 0.1 0.1 Tree");
  EXPECT_EQ(map.mapGetObjectName(1), "Big Tree");
  EXPECT_EQ(objectText(map, 2) + map.mapGetObjectName(2), "3 0 0.01 0.01 0 0 / 0.1 0.1");  // missing words: 0
  std::string tiles;
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 2; ++y) {
      int tex = -1;
      map.mapGetTile(tex, x, y);
      tiles += std::to_string(tex);
    }
  }
  EXPECT_EQ(tiles, "004000");  // the negative tile reads as empty
  EXPECT_FALSE(map.mapGetTileStretch());  // 0.5 truncates to 0
  EXPECT_EQ(fogText(loaded, 0), "on 0 0.5 1 1");  // values outside 0.1 to 1 keep the previous ones
  EXPECT_EQ(map.getMapLayerCount(), 0);
  EXPECT_TRUE(messages.contains("^rERROR: ^wInvalid layer count specified for a map"));
  EXPECT_EQ(loaded.getPhrase(3) + "|" + loaded.getPhrase(4), "kept|");
}

TEST_F(MapFileTest, AbsurdValuesAreReadAsFarAsSound) {
  tftest::MessageLog messages;
  gameWorld loaded;
  ASSERT_TRUE(readMaps("f version 1\nf map0w 1e9\nf map0h -5\nf map0layer 1e9\n"
                       "s map0object0 1e39 nan inf -inf 99999999999 -4 1e-50 0x10 7 Name\n"
                       "s map0object1 endObjectLoad\n"
                       "f map1w 2\nf map1h 2\nf map1tile1_1 2147483647\nf map1tile0_0 1e30\nf map1layer -3\n"
                       "s map1object0 endObjectLoad\ns map2 endMapLoad\n",
                       loaded));
  EXPECT_EQ(mapText(loaded, 0), "0x0 New Map");
  EXPECT_TRUE(messages.contains("Map 0 of ^ymap.cfg^w has no valid size"));
  EXPECT_EQ(tftest::joined({loaded.worldGetMapLayerCount(0), loaded.worldGetMapLayerCount(1)}), "100 0");
  EXPECT_EQ(objectText(loaded, 0, 0), "0 0 0.01 0.01 2147483647 -4 / 0.1 0.1");
  EXPECT_TRUE(loaded.worldGetObjectObstructionState(0, 0));
  EXPECT_EQ(loaded.worldGetObjectName(0, 0), "Name");
  int a = 0, b = 0;
  loaded.worldGetTile(a, 1, 1, 1);
  loaded.worldGetTile(b, 0, 0, 1);
  EXPECT_EQ(a, 2147483647);
  EXPECT_EQ(b, 2147483647);
}

TEST_F(MapFileTest, ImageAnimationsFromTheTable) {
  scriptObject table;
  table.readText("f image0anim 1\nf image0frame 4\nf image0speed 200\nf image1anim 2\nf image1frame 4\n"
                 "f image2anim 1\nf image2frame 12\nf image2speed 50\nf image9anim 1\n",
                 "map.cfg");
  std::vector<img> images(3);
  images[1].setFrameCount(6);
  applyImageAnimations(table, images);
  std::string got;
  for (const img& i : images) {
    got += std::to_string(i.getAnimState()) + " " + std::to_string(i.getFrameCount()) + " " +
           std::to_string(i.getAnimSpeed()) + "|";
  }
  // Image 1 is not switched on; image 2's values are out of range and take the editor's defaults.
  EXPECT_EQ(got, "1 4 200|0 6 1000|1 1 1000|");
}

TEST_F(MapFileTest, DamagedFilesAreRefusedAndLeaveTheWorldAlone) {
  std::string tooManyTiles = "f version 1\n";
  const int maps = static_cast<int>(kMaxWorldTiles / (700 * 700)) + 1;
  for (int m = 0; m < maps; ++m) {
    const std::string map = "map" + std::to_string(m);
    tooManyTiles += "f " + map + "w 700\nf " + map + "h 700\ns " + map + "object0 endObjectLoad\n";
  }
  tooManyTiles += "s map" + std::to_string(maps) + " endMapLoad\n";
  const std::string whole = mapFileText(richWorld(), {}).str();
  const std::size_t end = whole.find("endMapLoad");
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk.push_back(static_cast<char>((i * 7919 + 13) % 256));
  const struct {
    std::string text, why;
  } cases[] = {
      {"f version 2\n" + objects(1) + "s map1 endMapLoad\n", "is of version 2"},
      {"f version 1\nf map0w 2\nf map0h 2\ns map0object0 0 0 0.1 0.1 1 0 0.1 0.1 1 O\n",
       "the object list of map 0 has no end marker"},
      {"f version 1\n" + objects(2), "its list of maps has no end marker"},
      {"", "the object list of map 0 has no end marker"},
      {oneMapFile(objects(1025)), "holds more than 1024 objects on map 0"},
      {tooManyTiles, "holds more tiles than a game may"},
      {whole.substr(0, end / 4), "no end marker"},
      {whole.substr(0, end / 2), "no end marker"},
      {whole.substr(0, end - 3), "no end marker"},
      {junk, "no end marker"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    gameWorld into;
    into.allocateMaps(1);
    into.worldSetMap(2, 2, "Untouched", 0);
    into.setPhrase(0, "kept");
    tftest::MessageLog messages;
    EXPECT_FALSE(readMaps(c.text, into));
    EXPECT_TRUE(messages.contains(c.why));
    EXPECT_TRUE(messages.contains("the game cannot be loaded"));
    EXPECT_EQ(mapText(into, 0) + " " + into.getPhrase(0) + " " + std::to_string(into.getMapCount()),
              "2x2 Untouched kept 1");
  }
  gameWorld loaded;
  ASSERT_TRUE(readMaps(oneMapFile(objects(1024)), loaded));
  EXPECT_EQ(loaded.worldGetObjectCount(0), 1024);
}

}  // namespace
