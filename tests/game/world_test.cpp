// The game world model: deleting an object renumbers the logic that names
// objects and the owners of the objects that move down; resizing a map keeps
// every tile that still fits where it was.
#include "game/world.h"

#include <gtest/gtest.h>

#include "world_compare.h"

using namespace tf;
using tftest::objectText;
using tftest::sentenceText;

namespace {

// A map of `objects` objects, object i at (i, 0) with image i.
gameMap mapWithObjects(int objects) {
  gameMap map;
  map.setMap(10, 10, "Map");
  for (int i = 0; i < objects; ++i) map.mapSetObject(static_cast<float>(i), 0, 0.1f, 0.1f, i, 0, i);
  return map;
}

TEST(World, DeletingAnObjectRenumbersTheLogicThatNamesObjects) {
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

TEST(World, EveryObjectThatMovesDownOwnsItsLogicUnderItsNewNumber) {
  for (int deleted : {0, 2, 5}) {
    SCOPED_TRACE(deleted);
    gameMap map = mapWithObjects(6);
    for (int i = 0; i < 6; ++i) map.mapLocalAddSentence(i);
    ASSERT_TRUE(map.mapDeleteObject(deleted));
    for (int i = 0; i < map.mapGetObjectCount(); ++i) {
      EXPECT_EQ(map.mapLocalGetWholeSentence(i, 0).getOwner(), i) << "object " << i;
    }
  }
}

TEST(World, GrowingOrShrinkingAMapKeepsEveryTileInPlace) {
  const struct {
    int w, h;
  } sizes[] = {{7, 4}, {12, 9}, {3, 8}, {9, 2}, {1, 1}, {0, 5}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(std::to_string(size.w) + "x" + std::to_string(size.h));
    gameMap map;
    map.setMap(7, 4, "Map");
    for (int x = 0; x < 7; ++x) {
      for (int y = 0; y < 4; ++y) map.mapSetTile(100 * x + y + 1, x, y);
    }
    map.setMap(size.w, size.h, "Map");
    for (int x = 0; x < size.w; ++x) {
      for (int y = 0; y < size.h; ++y) {
        int tex = -1;
        map.mapGetTile(tex, x, y);
        EXPECT_EQ(tex, x < 7 && y < 4 ? 100 * x + y + 1 : 0) << x << "," << y;
      }
    }
  }
}

}  // namespace
