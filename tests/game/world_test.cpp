// The game world model: size rules of objects and maps, tiles kept through
// resizing, adding, copying and deleting objects with the renumbering of the
// logic that names them, maps, scores, phrases, deep copies, and the
// operations that move between maps and restart a game.
#include "game/world.h"

#include <gtest/gtest.h>

#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "media/notice.h"

using namespace tf;

namespace {

// Fresh globals for each test, and again afterwards.
class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }
  static void reset() {
    world = gameWorld();
    worldBackup = gameWorld();
    worldEditor = editor();
    gameSys.setGameState(kStateMenus);
    gameSys.resetKeyState();
    camera.SetPos(0, 0, 0);
    notice.leaveNotice();
  }

  // A map of `objects` objects, object i at (i, 0).
  static gameMap mapWithObjects(int objects) {
    gameMap map;
    map.setMap(10, 10, "Map");
    for (int i = 0; i < objects; ++i) map.mapSetObject(static_cast<float>(i), 0, 0.1f, 0.1f, i, 0, i);
    return map;
  }

  static float xOf(const gameMap& map, int i) {
    float x, y, w, h;
    int tex, layer;
    map.mapGetObject(x, y, w, h, tex, layer, i);
    return x;
  }
};

TEST_F(WorldTest, ObjectSizesAreHeldWithinLimits) {
  gameObject o;
  o.setObject(1, 2, 0.9f, -1, 3, 4);
  float x, y, w, h;
  int tex, layer;
  o.getObject(x, y, w, h, tex, layer);
  EXPECT_FLOAT_EQ(w, 0.7f);
  EXPECT_FLOAT_EQ(h, 0.01f);
  EXPECT_EQ(tex, 3);
  EXPECT_EQ(layer, 4);

  o.setObstructionSize(0.5f, 0);
  float ow, oh;
  o.getObstructionSize(ow, oh);
  EXPECT_FLOAT_EQ(ow, 0.1f);
  EXPECT_FLOAT_EQ(oh, 0.1f);
  o.setObstructionSize(2, 0.2f);
  o.getObstructionSize(ow, oh);
  EXPECT_FLOAT_EQ(ow, 0.7f);
  EXPECT_FLOAT_EQ(oh, 0.2f);
}

TEST_F(WorldTest, MapSizesAreZeroTo700) {
  gameMap map;
  map.setMap(701, 10, "Too wide");
  map.setMap(10, -1, "Negative");
  int w, h;
  std::string name;
  map.getMap(w, h, name);
  EXPECT_EQ(w, 0);
  EXPECT_EQ(name, "New Map");
  map.setMap(700, 700, "Largest");
  map.getMap(w, h, name);
  EXPECT_EQ(w, 700);
  EXPECT_EQ(h, 700);
  map.mapSetTile(9, 699, 699);
  int tex = 0;
  map.mapGetTile(tex, 699, 699);
  EXPECT_EQ(tex, 9);
}

TEST_F(WorldTest, ResizingKeepsTilesInPlace) {
  gameMap map;
  map.setMap(10, 10, "M");
  for (int x = 0; x < 10; ++x) {
    for (int y = 0; y < 10; ++y) map.mapSetTile(100 * x + y + 1, x, y);
  }
  map.setMap(12, 8, "M");
  for (int x = 0; x < 12; ++x) {
    for (int y = 0; y < 8; ++y) {
      int tex = -1;
      map.mapGetTile(tex, x, y);
      EXPECT_EQ(tex, x < 10 ? 100 * x + y + 1 : 0) << x << "," << y;
    }
  }
  // Shrinking drops what lies outside; growing again brings empty tiles.
  map.setMap(5, 5, "M");
  map.setMap(12, 8, "M");
  int tex = -1;
  map.mapGetTile(tex, 7, 3);
  EXPECT_EQ(tex, 0);
  map.mapGetTile(tex, 4, 4);
  EXPECT_EQ(tex, 405);
}

TEST_F(WorldTest, TilesOutsideTheMapAreIgnored) {
  gameMap map;
  map.setMap(3, 2, "M");
  for (auto [x, y] : {std::pair{3, 0}, {0, 2}, {-1, 0}, {0, -1}, {1000000, 1000000}}) {
    map.mapSetTile(5, x, y);
    int tex = 77;
    map.mapGetTile(tex, x, y);
    EXPECT_EQ(tex, 77);  // left as it was
  }
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 2; ++y) {
      int tex = -1;
      map.mapGetTile(tex, x, y);
      EXPECT_EQ(tex, 0);
    }
  }
}

TEST_F(WorldTest, ObjectsAreAddedAtTheEndUpTo1024) {
  gameMap map;
  map.mapSetObject(1, 1, 0.1f, 0.1f, 1, 0, 5);  // beyond the end: ignored
  map.mapSetObject(1, 1, 0.1f, 0.1f, 1, 0, -1);
  EXPECT_EQ(map.mapGetObjectCount(), 0);
  for (int i = 0; i < kMaxObjects + 3; ++i) map.mapSetObject(0, 0, 0.1f, 0.1f, 1, 0, i);
  EXPECT_EQ(map.mapGetObjectCount(), 1024);
  map.mapSetObject(4, 0, 0.1f, 0.1f, 1, 0, 10);  // an existing one is set
  EXPECT_FLOAT_EQ(xOf(map, 10), 4);
}

TEST_F(WorldTest, ObjectAccessorsOutsideTheMapReadAsNothing) {
  gameMap map = mapWithObjects(1);
  map.mapSetObjectScore(5, 1);
  map.mapSetObjectName("x", -1);
  EXPECT_EQ(map.mapGetObjectScore(1), 0);
  EXPECT_EQ(map.mapGetObjectName(3), "");
  EXPECT_FALSE(map.mapGetObjectLife(1));
  EXPECT_FALSE(map.mapGetObjectVisible(1));
  EXPECT_EQ(map.mapLocalGetSentenceAmount(1), 0);
  EXPECT_FALSE(map.mapLocalAddSentence(1));
  float x = 9, y = 9, w = 9, h = 9;
  int tex = 9, layer = 9;
  map.mapGetObject(x, y, w, h, tex, layer, 1);
  EXPECT_EQ(x + y + w + h, 0);
  EXPECT_EQ(tex + layer, 0);
}

TEST_F(WorldTest, CopyingAnObjectAimsItsLogicAtTheCopy) {
  gameMap map = mapWithObjects(3);
  map.mapSetObjectName("Hero", 1);
  map.mapSetObjectScore(7, 1);
  map.mapSetObjectLabel(2, 1);
  map.mapLocalAddSentence(1);
  map.mapLocalChangeSentence(1, 0, kSlotAction, 708);       // kill object 1 (itself)
  map.mapLocalChangeSentence(1, 0, kSlotActionOperand, 1);
  worldEditor.setCurrentObject(1);

  map.mapCopyObject(1);
  ASSERT_EQ(map.mapGetObjectCount(), 4);
  EXPECT_EQ(map.mapGetObjectName(3), "Hero");
  EXPECT_EQ(map.mapGetObjectScore(3), 7);
  EXPECT_EQ(map.mapGetObjectLabel(3), 2);
  EXPECT_FLOAT_EQ(xOf(map, 3), 1.1f);
  sentence copied = map.mapLocalGetWholeSentence(3, 0);
  EXPECT_EQ(copied.getOwner(), 3);
  EXPECT_EQ(copied.getSentenceStep(kSlotActionOperand), 3);
  EXPECT_EQ(map.mapLocalGetWholeSentence(1, 0).getSentenceStep(kSlotActionOperand), 1);
  EXPECT_EQ(worldEditor.getCurrentObject(), 3);
}

TEST_F(WorldTest, CopyingIsRefusedAt1024Objects) {
  gameMap map = mapWithObjects(kMaxObjects);
  map.mapCopyObject(0);
  EXPECT_EQ(map.mapGetObjectCount(), 1024);
  std::string title, message;
  int shown = 0;
  notice.getNotice(title, message, shown);
  EXPECT_EQ(title, "Too many objects");
  EXPECT_EQ(message, "You have exceeded the maximum # of objects for this map");
  EXPECT_EQ(shown, 1);
}

TEST_F(WorldTest, DeletingAnObjectRenumbersTheLogicThatNamesObjects) {
  gameMap map = mapWithObjects(5);
  map.globalAddSentence();
  map.globalChangeSentence(0, kSlotConditionOperand, 4);  // touching 4
  map.globalAddSentence();
  map.globalChangeSentence(1, kSlotConditionOperand, 2);  // touching 2 (deleted)
  map.globalAddSentence();
  map.globalChangeSentence(2, kSlotOpenerOperand, 3);     // When object 3
  map.globalChangeSentence(2, kSlotAction, 708);          // kill object 4
  map.globalChangeSentence(2, kSlotActionOperand, 4);
  map.mapLocalAddSentence(0);
  map.mapLocalChangeSentence(0, 0, kSlotAction, 713);     // move object 3 right
  map.mapLocalChangeSentence(0, 0, kSlotActionOperand, 3);
  map.mapLocalAddSentence(4);
  map.mapLocalChangeSentence(4, 0, kSlotAction, 714);     // hide object 4 (itself)
  map.mapLocalChangeSentence(4, 0, kSlotActionOperand, 4);
  map.mapLocalChangeSentence(4, 0, kSlotConditionOperand, 1);

  ASSERT_TRUE(map.mapDeleteObject(2));
  ASSERT_EQ(map.mapGetObjectCount(), 4);
  EXPECT_FLOAT_EQ(xOf(map, 2), 3);  // objects 3 and 4 became 2 and 3
  EXPECT_FLOAT_EQ(xOf(map, 3), 4);
  EXPECT_EQ(map.globalGetWholeSentence(0).getSentenceStep(kSlotConditionOperand), 3);
  EXPECT_EQ(map.globalGetWholeSentence(1).getSentenceStep(kSlotConditionOperand), 0);
  EXPECT_EQ(map.globalGetWholeSentence(2).getSentenceStep(kSlotOpenerOperand), 2);
  EXPECT_EQ(map.globalGetWholeSentence(2).getSentenceStep(kSlotActionOperand), 3);
  EXPECT_EQ(map.mapLocalGetWholeSentence(0, 0).getSentenceStep(kSlotActionOperand), 2);
  sentence moved = map.mapLocalGetWholeSentence(3, 0);
  EXPECT_EQ(moved.getOwner(), 3);
  EXPECT_EQ(moved.getSentenceStep(kSlotActionOperand), 3);
  EXPECT_EQ(moved.getSentenceStep(kSlotConditionOperand), 1);

  EXPECT_FALSE(map.mapDeleteObject(4));
  EXPECT_FALSE(map.mapDeleteObject(-1));
  EXPECT_EQ(map.mapGetObjectCount(), 4);
}

TEST_F(WorldTest, GlobalSentencesNeedAnObjectLocalOnesTheirOwner) {
  world.allocateMaps(2);
  EXPECT_FALSE(world.mapGlobalAddSentence(1));
  EXPECT_EQ(world.mapGlobalGetSentenceAmount(1), 0);
  world.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, 0, 1);
  world.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, 1, 1);
  EXPECT_TRUE(world.mapGlobalAddSentence(1));
  EXPECT_EQ(world.mapGlobalGetWholeSentence(1, 0).getOwner(), 1);
  EXPECT_TRUE(world.mapLocalAddSentence(1, 1));
  EXPECT_EQ(world.mapLocalGetWholeSentence(1, 1, 0).getOwner(), 1);
  world.mapLocalSetExecutionState(1, 1, 1, 0);
  world.mapLocalSetSentenceTimer(1, 1, 30, 0);
  EXPECT_EQ(world.mapLocalGetExecutionState(1, 1, 0), 1);
  EXPECT_EQ(world.mapLocalGetSentenceTimer(1, 1, 0), 30);
  world.mapGlobalSetSentenceTimer(1, 12, 0);
  EXPECT_EQ(world.mapGlobalGetSentenceTimer(1, 0), 12);
  EXPECT_TRUE(world.mapGlobalDeleteSentence(1, 0));
  EXPECT_FALSE(world.mapGlobalAddSentence(5));
}

TEST_F(WorldTest, MapsAreAllocatedDeletedAndCopied) {
  EXPECT_TRUE(world.allocateMaps(3));
  EXPECT_EQ(world.getMapCount(), 3);
  world.worldSetMap(4, 4, "Zero", 0);
  world.worldSetMap(5, 5, "One", 1);
  world.worldSetTile(3, 1, 1, 1);
  world.setCurrentMap(2);
  world.setCurrentMap(3);
  EXPECT_EQ(world.getCurrentMap(), 2);

  EXPECT_TRUE(world.copyMap(1, 2));
  world.worldSetTile(8, 1, 1, 2);  // the copy is its own
  int tex = 0;
  world.worldGetTile(tex, 1, 1, 1);
  EXPECT_EQ(tex, 3);
  EXPECT_FALSE(world.copyMap(1, 3));

  world.worldDeleteMap(0);
  EXPECT_EQ(world.getMapCount(), 2);
  EXPECT_EQ(world.getCurrentMap(), 0);
  int w, h;
  std::string name;
  world.worldGetMap(w, h, name, 0);
  EXPECT_EQ(name, "One");
  world.worldDeleteMap(0);
  world.worldDeleteMap(0);  // the last map stays
  EXPECT_EQ(world.getMapCount(), 1);

  EXPECT_FALSE(world.allocateMaps(-1));
  EXPECT_FALSE(world.allocateMaps(kMaxMaps + 1));
  EXPECT_EQ(world.getMapCount(), 1);
}

TEST_F(WorldTest, MapIndexesOutsideTheWorldReadAsNothing) {
  world.allocateMaps(1);
  world.worldSetMap(3, 3, "M", 0);
  for (int m : {-1, 1, 1 << 30}) {
    EXPECT_FALSE(world.worldSetMap(2, 2, "x", m));
    world.worldSetTile(4, 0, 0, m);
    world.worldSetObject(0, 0, 1, 1, 1, 1, 0, m);
    EXPECT_EQ(world.worldGetObjectCount(m), 0);
    EXPECT_EQ(world.worldGetMapLayerCount(m), 0);
    EXPECT_FALSE(world.worldGetTileStretch(m));
    EXPECT_EQ(world.worldGetObjectName(0, m), "");
    EXPECT_EQ(world.mapGlobalGetSentenceAmount(m), 0);
    int w = 5, h = 5;
    std::string name = "stale";
    world.worldGetMap(w, h, name, m);
    EXPECT_EQ(w + h, 0);
    EXPECT_EQ(name, "");
  }
  EXPECT_EQ(world.worldGetObjectCount(0), 0);
}

TEST_F(WorldTest, TheGameHoldsABoundedNumberOfTiles) {
  // Enough 700 x 700 maps to pass the bound: the one that would is refused.
  int full = static_cast<int>(kMaxWorldTiles / (700 * 700));
  world.allocateMaps(full + 1);
  for (int m = 0; m < full; ++m) ASSERT_TRUE(world.worldSetMap(700, 700, "Big", m));
  EXPECT_FALSE(world.worldSetMap(700, 700, "Big", full));
  EXPECT_FALSE(world.copyMap(0, full));
  EXPECT_TRUE(world.worldSetMap(10, 10, "Small", full));
  EXPECT_LE(world.getTileTotal(), kMaxWorldTiles);
}

TEST_F(WorldTest, AssignmentIsADeepCopy) {
  world.allocateMaps(1);
  world.worldSetMap(4, 4, "M", 0);
  world.worldSetTile(2, 1, 1, 0);
  world.worldSetObject(1, 1, 0.1f, 0.1f, 1, 0, 0, 0);
  world.mapLocalAddSentence(0, 0);
  world.setPhrase(3, "Hello");
  gameWorld copy = world;
  copy.worldSetTile(9, 1, 1, 0);
  copy.worldSetObjectName("Changed", 0, 0);
  copy.mapLocalChangeSentence(0, 0, 0, kSlotAction, 751);
  copy.setPhrase(3, "Bye");
  int tex = 0;
  world.worldGetTile(tex, 1, 1, 0);
  EXPECT_EQ(tex, 2);
  EXPECT_EQ(world.worldGetObjectName(0, 0), "Object");
  EXPECT_EQ(world.mapLocalGetWholeSentence(0, 0, 0).getSentenceStep(kSlotAction), 700);
  EXPECT_EQ(world.getPhrase(3), "Hello");
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
  EXPECT_EQ(world.getGlobalScore(50), 0);
  world.setGlobalScore(3, -2);
  EXPECT_EQ(world.getGlobalScore(3), 0);
  world.setGlobalScore(49, 8);
  EXPECT_EQ(world.getGlobalScore(49), 8);
  world.resetGlobalScores();
  EXPECT_EQ(world.getGlobalScore(49), 0);

  world.setPhrase(1023, "last");
  world.setPhrase(1024, "beyond");
  world.setPhrase(-1, "before");
  EXPECT_EQ(world.getPhrase(1023), "last");
  EXPECT_EQ(world.getPhrase(1024), "");
  EXPECT_EQ(world.getPhrase(-1), "");
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
  EXPECT_EQ(world.getMapCount(), 0);
  EXPECT_FALSE(world.getGameLoaded());
  EXPECT_EQ(world.getGameName(), "New Game");
  EXPECT_EQ(world.getGameImageCount(), 0);
  EXPECT_EQ(world.getGameScore(), 0);
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
  EXPECT_EQ(worldEditor.getEditorMode(), kModeNothing);
  EXPECT_EQ(worldEditor.getCurrentObject(), 0);
  EXPECT_EQ(worldEditor.getObjectListAmount(), 0);
  EXPECT_EQ(worldEditor.getObjectList(0), -1);
  EXPECT_EQ(worldEditor.getHelpMenu(), 0);
  int tx, ty;
  worldEditor.getEndingTile(tx, ty);
  EXPECT_EQ(tx + ty, 0);
  float x, y, z;
  camera.GetPos(x, y, z);
  EXPECT_FLOAT_EQ(x, 1.5f);
  EXPECT_FLOAT_EQ(y, 3.0f);

  changeMap(2);  // no such map
  EXPECT_EQ(world.getCurrentMap(), 1);

  gameSys.setGameState(kStatePlay);
  worldEditor.setCurrentObject(4);
  changeMap(0);
  EXPECT_EQ(world.getCurrentMap(), 0);
  EXPECT_EQ(worldEditor.getCurrentObject(), 4);
  camera.GetPos(x, y, z);
  EXPECT_FLOAT_EQ(x, 0);
  EXPECT_FLOAT_EQ(y, 0);
}

TEST_F(WorldTest, EnteringAGameRestartsItFromTheBackup) {
  world.allocateMaps(1);
  world.worldSetMap(3, 3, "M", 0);
  world.worldSetObject(1, 1, 0.1f, 0.1f, 1, 0, 0, 0);
  world.setGameLoaded(true);
  worldBackup = world;

  world.worldSetObjectLife(false, 0, 0);
  gameSys.setKeyState(kKeyUp, kKeyHeld);
  world.reenterGame();
  EXPECT_EQ(gameSys.getGameState(), kStatePlay);
  EXPECT_FALSE(world.worldGetObjectLife(0, 0));  // play resumes where it was

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
