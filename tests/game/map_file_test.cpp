// The map file: its exact text, a round trip with the logic file, older
// files, and damaged files that are refused.
#include "game/map_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/script_object.h"
#include "game/logic_file.h"
#include "game/world.h"
#include "media/images.h"
#include "messages.h"
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
  game.worldSetObjectName("  Hero  spaced ", 0, 0);
  game.worldSetObject(3.5f, 2.25f, 0.05f, 0.02f, 0, 6, 1, 0);
  game.worldSetObjectName("Big Old Tree", 1, 0);
  game.worldSetObjectObstructionState(false, 1, 0);
  game.worldSetObstructionSize(0.04f, 0.3f, 1, 0);
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

TEST(MapFile, ExactTextOfASmallGame) {
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

TEST(MapFile, WhatIsStoredComesBackWithTheLogic) {
  gameWorld game = richWorld();
  gameWorld loaded;
  ASSERT_TRUE(readMaps(mapFileText(game, {}).str(), loaded));
  scriptObject logic;
  logic.readText(logicFileText(game).str(), "logic.cfg");
  ASSERT_TRUE(readGameLogic(logic, loaded, "logic.cfg"));
  EXPECT_TRUE(tftest::sameStoredWorld(game, loaded));

  // Line breaks in names and phrases become spaces and cannot start a new entry.
  game.worldSetMap(5, 4, "Two\nLines", 0);
  game.worldSetObjectName("Crate\r\nf map0w 9", 0, 0);
  game.setPhrase(2, "first\nsecond");
  ASSERT_TRUE(readMaps(mapFileText(game, {}).str(), loaded));
  EXPECT_EQ(mapText(loaded, 0) + "|" + loaded.worldGetObjectName(0, 0) + "|" + loaded.getPhrase(2),
            "5x4 Two Lines|Crate  f map0w 9|first second");
}

TEST(MapFile, OlderFilesKeepOneKeyPerObjectField) {
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
    int t = 0;
    loaded.worldGetTile(t, 0, 1, 0);
    EXPECT_EQ(loaded.worldGetObjectName(0, 0) + " " + std::to_string(t), "Old Crate 3");
  }
}

TEST(MapFile, DamagedFilesAreRefusedAndLeaveTheWorldAlone) {
  std::string tooManyTiles = "f version 1\n";
  const int maps = static_cast<int>(kMaxWorldTiles / (700 * 700)) + 1;
  for (int m = 0; m < maps; ++m) {
    const std::string map = "map" + std::to_string(m);
    tooManyTiles += "f " + map + "w 700\nf " + map + "h 700\ns " + map + "object0 endObjectLoad\n";
  }
  tooManyTiles += "s map" + std::to_string(maps) + " endMapLoad\n";
  const std::string whole = oneMapFile(objects(3));
  const struct {
    std::string text, why;
  } cases[] = {
      {"f version 2\n" + objects(1) + "s map1 endMapLoad\n", "is of version 2"},
      {"f version 1\nf map0w 2\nf map0h 2\ns map0object0 0 0 0.1 0.1 1 0 0.1 0.1 1 O\n",
       "the object list of map 0 has no end marker"},
      {"f version 1\n" + objects(2), "its list of maps has no end marker"},
      {oneMapFile(objects(1025)), "holds more than 1024 objects on map 0"},
      {tooManyTiles, "holds more tiles than a game may"},
      {whole.substr(0, whole.size() - 4), "its list of maps has no end marker"},
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

// The biggest game the editor lets a person make on one map comes back whole.
TEST(MapFile, TheLargestMapAnd1024ObjectsComeBack) {
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

}  // namespace
