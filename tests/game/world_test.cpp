// The game world model: size rules, tiles kept through resizing, objects
// added, copied and deleted with the logic that names them renumbered, maps,
// the tile bound, scores, phrases, and moving between maps and restarts.
#include "game/world.h"

#include <gtest/gtest.h>

#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game_tree.h"
#include "world_compare.h"

using namespace tf;
using tftest::objectText;
using tftest::sentenceText;

namespace {

class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override { tftest::resetLifecycleGlobals(); }
  void TearDown() override { tftest::resetLifecycleGlobals(); }
};

// A map of `objects` objects, object i at (i, 0) with image i.
gameMap mapWithObjects(int objects) {
  gameMap map;
  map.setMap(10, 10, "Map");
  for (int i = 0; i < objects; ++i) map.mapSetObject(static_cast<float>(i), 0, 0.1f, 0.1f, i, 0, i);
  return map;
}

int tileAt(const gameMap& map, int x, int y) {
  int tex = -1;
  map.mapGetTile(tex, x, y);
  return tex;
}

TEST_F(WorldTest, ObjectAndObstructionSizesAreHeldWithinLimits) {
  gameMap map = mapWithObjects(1);
  map.mapSetObject(1, 2, 0.9f, -1, 3, 4, 0);
  map.setObstructionSize(0.5f, 0, 0);  // a zero side: the box is kept
  EXPECT_EQ(objectText(map, 0), "1 2 0.7 0.01 3 4 / 0.1 0.1");
  map.setObstructionSize(2, 0.2f, 0);
  EXPECT_EQ(objectText(map, 0), "1 2 0.7 0.01 3 4 / 0.7 0.2");
}

TEST_F(WorldTest, MapSizesAreZeroTo700AndResizingKeepsTilesInPlace) {
  gameMap map;
  map.setMap(701, 10, "Too wide");
  map.setMap(10, -1, "Negative");
  int w, h;
  std::string name;
  map.getMap(w, h, name);
  EXPECT_EQ(std::to_string(w) + " " + name, "0 New Map");
  map.setMap(700, 700, "Largest");
  map.mapSetTile(9, 699, 699);
  EXPECT_EQ(tileAt(map, 699, 699), 9);

  map.setMap(10, 10, "M");
  for (int x = 0; x < 10; ++x) {
    for (int y = 0; y < 10; ++y) map.mapSetTile(100 * x + y + 1, x, y);
  }
  map.setMap(12, 8, "M");
  for (int x = 0; x < 12; ++x) {
    for (int y = 0; y < 8; ++y) ASSERT_EQ(tileAt(map, x, y), x < 10 ? 100 * x + y + 1 : 0) << x << "," << y;
  }
  // Shrinking drops what lies outside; growing again brings empty tiles.
  map.setMap(5, 5, "M");
  map.setMap(12, 8, "M");
  EXPECT_EQ(tileAt(map, 7, 3), 0);
  EXPECT_EQ(tileAt(map, 4, 4), 405);
  // Tiles outside the map are ignored and reading one leaves the value alone.
  map.setMap(3, 2, "M");
  for (auto [x, y] : {std::pair{3, 0}, {0, 2}, {-1, 0}, {0, -1}, {1000000, 1000000}}) {
    map.mapSetTile(5, x, y);
    int tex = 77;
    map.mapGetTile(tex, x, y);
    EXPECT_EQ(tex, 77) << x << "," << y;
  }
}

TEST_F(WorldTest, ObjectsAreAddedAtTheEndUpTo1024AndMissingOnesReadAsNothing) {
  gameMap map;
  map.mapSetObject(1, 1, 0.1f, 0.1f, 1, 0, 1);  // beyond the end: ignored
  map.mapSetObject(1, 1, 0.1f, 0.1f, 1, 0, -1);
  EXPECT_EQ(map.mapGetObjectCount(), 0);
  for (int i = 0; i < kMaxObjects + 3; ++i) map.mapSetObject(0, 0, 0.1f, 0.1f, 1, 0, i);
  EXPECT_EQ(map.mapGetObjectCount(), 1024);
  map.mapSetObject(4, 0, 0.1f, 0.1f, 1, 0, 10);  // an existing one is set
  EXPECT_EQ(objectText(map, 10), "4 0 0.1 0.1 1 0 / 0.1 0.1");

  map = mapWithObjects(1);
  map.mapSetObjectScore(5, 1);
  map.mapSetObjectName("x", -1);
  EXPECT_EQ(objectText(map, 1), "0 0 0 0 0 0 / 0 0");
  EXPECT_EQ(tftest::joined({map.mapGetObjectScore(1), map.mapLocalGetSentenceAmount(1)}), "0 0");
  EXPECT_EQ(map.mapGetObjectName(-1), "");
  EXPECT_FALSE(map.mapGetObjectLife(1) || map.mapGetObjectVisible(1) || map.mapLocalAddSentence(1));
}

TEST_F(WorldTest, CopyingAnObjectAimsItsLogicAtTheCopyUpTo1024Objects) {
  gameMap map = mapWithObjects(3);
  map.mapSetObjectName("Hero", 1);
  map.mapSetObjectScore(7, 1);
  map.mapSetObjectLabel(2, 1);
  map.mapLocalAddSentence(1);
  map.mapLocalChangeSentence(1, 0, kSlotAction, 708);  // kill object 1 (itself)
  map.mapLocalChangeSentence(1, 0, kSlotActionOperand, 1);
  worldEditor.setCurrentObject(1);

  map.mapCopyObject(1);
  ASSERT_EQ(map.mapGetObjectCount(), 4);
  EXPECT_EQ(objectText(map, 3), "1.1 0.1 0.1 0.1 1 0 / 0.1 0.1");
  EXPECT_EQ(map.mapGetObjectName(3) + " " + std::to_string(map.mapGetObjectScore(3)) + " " +
                std::to_string(map.mapGetObjectLabel(3)),
            "Hero 7 2");
  EXPECT_EQ(sentenceText(map.mapLocalGetWholeSentence(3, 0)), "3: 100 0 300 400 0 600 708 3");
  EXPECT_EQ(sentenceText(map.mapLocalGetWholeSentence(1, 0)), "1: 100 0 300 400 0 600 708 1");
  EXPECT_EQ(worldEditor.getCurrentObject(), 3);

  map = mapWithObjects(kMaxObjects);
  map.mapCopyObject(0);
  EXPECT_EQ(map.mapGetObjectCount(), 1024);
  EXPECT_EQ(tftest::shownNotice(), "Too many objects | You have exceeded the maximum # of objects for this map");
}

TEST_F(WorldTest, DeletingAnObjectRenumbersTheLogicThatNamesObjects) {
  gameMap map = mapWithObjects(5);
  auto global = [&](int slot, int value) {
    map.globalAddSentence();
    map.globalChangeSentence(map.globalGetSentenceAmount() - 1, slot, value);
  };
  global(kSlotConditionOperand, 4);  // touching 4
  global(kSlotConditionOperand, 2);  // touching 2 (deleted)
  global(kSlotOpenerOperand, 3);     // When object 3 ... kill object 4
  map.globalChangeSentence(2, kSlotAction, 708);
  map.globalChangeSentence(2, kSlotActionOperand, 4);
  map.mapLocalAddSentence(0);
  map.mapLocalChangeSentence(0, 0, kSlotAction, 713);  // move object 3 right
  map.mapLocalChangeSentence(0, 0, kSlotActionOperand, 3);
  map.mapLocalAddSentence(4);
  map.mapLocalChangeSentence(4, 0, kSlotAction, 714);  // hide object 4 (itself)
  map.mapLocalChangeSentence(4, 0, kSlotActionOperand, 4);
  map.mapLocalChangeSentence(4, 0, kSlotConditionOperand, 1);

  ASSERT_TRUE(map.mapDeleteObject(2));
  ASSERT_EQ(map.mapGetObjectCount(), 4);
  EXPECT_EQ(objectText(map, 2) + " | " + objectText(map, 3), "3 0 0.1 0.1 3 0 / 0.1 0.1 | 4 0 0.1 0.1 4 0 / 0.1 0.1");
  EXPECT_EQ(sentenceText(map.globalGetWholeSentence(0)), "0: 100 0 300 400 3 600 700 0");
  EXPECT_EQ(sentenceText(map.globalGetWholeSentence(1)), "0: 100 0 300 400 0 600 700 0");
  EXPECT_EQ(sentenceText(map.globalGetWholeSentence(2)), "0: 100 2 300 400 0 600 708 3");
  EXPECT_EQ(sentenceText(map.mapLocalGetWholeSentence(0, 0)), "0: 100 0 300 400 0 600 713 2");
  EXPECT_EQ(sentenceText(map.mapLocalGetWholeSentence(3, 0)), "3: 100 0 300 400 1 600 714 3");
  EXPECT_FALSE(map.mapDeleteObject(4));
  EXPECT_FALSE(map.mapDeleteObject(-1));
  EXPECT_EQ(map.mapGetObjectCount(), 4);
}

TEST_F(WorldTest, GlobalSentencesNeedAnObjectAndAreOwnedByTheirMapLocalOnesByTheirObject) {
  world.allocateMaps(3);
  EXPECT_FALSE(world.mapGlobalAddSentence(2));
  world.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, 0, 2);
  world.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, 1, 2);
  EXPECT_TRUE(world.mapGlobalAddSentence(2));
  EXPECT_TRUE(world.mapLocalAddSentence(1, 2));
  EXPECT_FALSE(world.mapGlobalAddSentence(5));
  EXPECT_FALSE(world.mapLocalAddSentence(2, 1));
  world.mapLocalSetExecutionState(1, 2, 1, 0);
  world.mapLocalSetSentenceTimer(1, 2, 30, 0);
  world.mapGlobalSetSentenceTimer(2, 12, 0);
  EXPECT_EQ(tftest::joined({world.mapGlobalGetWholeSentence(2, 0).getOwner(), world.mapGlobalGetSentenceTimer(2, 0),
                            world.mapLocalGetWholeSentence(1, 2, 0).getOwner(), world.mapLocalGetExecutionState(1, 2, 0),
                            world.mapLocalGetSentenceTimer(1, 2, 0)}),
            "2 12 1 1 30");
  EXPECT_TRUE(world.mapGlobalDeleteSentence(2, 0));
  EXPECT_EQ(world.mapGlobalGetSentenceAmount(2), 0);
}

TEST_F(WorldTest, MapsAreAllocatedDeletedAndCopiedAndMissingOnesReadAsNothing) {
  EXPECT_TRUE(world.allocateMaps(3));
  world.worldSetMap(4, 4, "Zero", 0);
  world.worldSetMap(5, 5, "One", 1);
  world.worldSetTile(3, 1, 1, 1);
  world.setCurrentMap(2);
  world.setCurrentMap(3);
  EXPECT_EQ(world.getCurrentMap(), 2);
  EXPECT_TRUE(world.copyMap(1, 2));
  EXPECT_FALSE(world.copyMap(1, 3));
  world.worldSetTile(8, 1, 1, 2);  // the copy is its own
  int tex = 0;
  world.worldGetTile(tex, 1, 1, 1);
  EXPECT_EQ(tex, 3);

  world.worldDeleteMap(0);
  int w, h;
  std::string name;
  world.worldGetMap(w, h, name, 0);
  EXPECT_EQ(name, "One");
  EXPECT_EQ(tftest::joined({world.getMapCount(), world.getCurrentMap()}), "2 0");
  world.worldDeleteMap(0);
  world.worldDeleteMap(0);  // the last map stays
  EXPECT_EQ(world.getMapCount(), 1);
  EXPECT_FALSE(world.allocateMaps(-1));
  EXPECT_FALSE(world.allocateMaps(kMaxMaps + 1));
  EXPECT_EQ(world.getMapCount(), 1);

  for (int m : {-1, 1, 1 << 30}) {
    EXPECT_FALSE(world.worldSetMap(2, 2, "x", m));
    world.worldSetObject(0, 0, 1, 1, 1, 1, 0, m);
    w = h = 5;
    name = "stale";
    world.worldGetMap(w, h, name, m);
    EXPECT_EQ(tftest::joined({w, h, world.worldGetObjectCount(m), world.worldGetMapLayerCount(m),
                              world.mapGlobalGetSentenceAmount(m)}) + " '" + name + "'",
              "0 0 0 0 0 ''");
    EXPECT_FALSE(world.worldGetTileStretch(m));
  }
  EXPECT_EQ(world.worldGetObjectCount(0), 0);
}

TEST_F(WorldTest, TheGameHoldsABoundedNumberOfTiles) {
  int full = static_cast<int>(kMaxWorldTiles / (700 * 700));
  world.allocateMaps(full + 1);
  for (int m = 0; m < full; ++m) ASSERT_TRUE(world.worldSetMap(700, 700, "Big", m));
  EXPECT_FALSE(world.worldSetMap(700, 700, "Big", full));
  EXPECT_FALSE(world.copyMap(0, full));
  EXPECT_TRUE(world.worldSetMap(10, 10, "Small", full));
  EXPECT_LE(world.getTileTotal(), kMaxWorldTiles);
}

TEST_F(WorldTest, ScoresAndPhrases) {
  world.setGameScore(4);
  world.subGameScore(10);
  EXPECT_EQ(world.getGameScore(), 0);
  world.setGameScore(4);
  world.addGameScore(-10);
  EXPECT_EQ(world.getGameScore(), -6);

  world.setGlobalScore(50, 3);
  world.setGlobalScore(-1, 3);
  world.setGlobalScore(3, -2);
  world.setGlobalScore(49, 8);
  EXPECT_EQ(tftest::joined({world.getGlobalScore(50), world.getGlobalScore(3)}), "0 0");
  EXPECT_EQ(world.getGlobalScore(49), 8);
  world.resetGlobalScores();
  EXPECT_EQ(world.getGlobalScore(49), 0);

  world.setPhrase(1023, "last");
  world.setPhrase(1024, "beyond");
  world.setPhrase(-1, "before");
  EXPECT_EQ(world.getPhrase(1023) + world.getPhrase(1024) + world.getPhrase(-1), "last");
  world.clearPhrases();
  EXPECT_EQ(world.getPhrase(1023), "");
}

TEST_F(WorldTest, ClearingAGameLeavesNoMaps) {
  world.allocateMaps(2);
  world.setGameName("Quest");
  world.setGameImageCount(230);
  world.setGameScore(5);
  world.clearMapData();  // no game loaded: nothing happens
  EXPECT_EQ(world.getMapCount(), 2);
  world.setGameLoaded(true);
  world.clearMapData();
  EXPECT_FALSE(world.getGameLoaded());
  EXPECT_EQ(world.getGameName(), "New Game");
  EXPECT_EQ(tftest::joined({world.getMapCount(), world.getGameImageCount(), world.getGameScore()}), "0 0 0");
}

TEST_F(WorldTest, ChangingMapInTheEditorResetsTheSelectionAndCentresTheCamera) {
  world.allocateMaps(2);
  world.worldSetMap(10, 20, "Second", 1);
  gameSys.setGameState(kStateWorldEditor);
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setCurrentObject(4);
  worldEditor.setCurrentTile(3, 3);
  worldEditor.setObjectListAmount(2);
  worldEditor.setObjectList(0, 1);
  worldEditor.setHelpMenu(2);

  changeMap(1);
  EXPECT_EQ(world.getCurrentMap(), 1);
  EXPECT_EQ(tftest::editorState(),
            "mode 0 tiles 0,0 0,0 0,0 object 0 list 0:-1 anim 0 ui 0,0,0 help 0 tip 0 layers 11111111");
  EXPECT_EQ(tftest::cameraAt(), "1.5 3 0");
  changeMap(2);  // no such map
  EXPECT_EQ(world.getCurrentMap(), 1);

  gameSys.setGameState(kStatePlay);
  worldEditor.setCurrentObject(4);
  changeMap(0);
  EXPECT_EQ(world.getCurrentMap(), 0);
  EXPECT_EQ(worldEditor.getCurrentObject(), 4);
  EXPECT_EQ(tftest::cameraAt(), "0 0 0");
}

TEST_F(WorldTest, EnteringAGameRestartsItFromTheBackupReenteringDoesNot) {
  world.allocateMaps(1);
  world.worldSetObject(1, 1, 0.1f, 0.1f, 1, 0, 0, 0);
  world.setGameLoaded(true);
  worldBackup = world;
  world.worldSetObjectLife(false, 0, 0);
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  world.reenterGame();
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  EXPECT_FALSE(world.worldGetObjectLife(0, 0));

  gameSys.setGameState(kStateMenus);
  world.enterGame();
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  EXPECT_TRUE(world.worldGetObjectLife(0, 0));
  EXPECT_EQ(gameSys.getKeyState(kKeyUp), kKeyIdle);

  world.setGameLoaded(false);
  world.worldSetObjectLife(false, 0, 0);
  resetGame();  // without a loaded game nothing is restored
  EXPECT_FALSE(world.worldGetObjectLife(0, 0));
}

}  // namespace
