// The game world model: deleting objects renumbers the logic that names
// objects and the owners of the objects that move down, what is taken out can
// be put back as it was, and resizing a map keeps every tile that still fits
// where it was.
#include "game/world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model_dump.h"
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
  // Object 4, now 3, owns its sentence under its new number.
  EXPECT_EQ(sentenceText(map.mapLocalGetWholeSentence(3, 0)), "3: 100 0 300 400 1 600 714 3");
  EXPECT_FALSE(map.mapDeleteObject(4));
  EXPECT_FALSE(map.mapDeleteObject(-1));
  EXPECT_EQ(map.mapGetObjectCount(), 4);
}

// A world of one map with `objects` objects whose global and local logic
// names random objects (some that do not exist) after words that take objects.
gameWorld worldWithRandomLogic(std::mt19937& rng, int objects) {
  auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const int words[] = {100, 101, 104, 400, 401, 405, 708, 714, 745};
  gameWorld game;
  game.allocateMaps(1);
  game.worldSetMap(3, 3, "Map", 0);
  for (int i = 0; i < objects; ++i) game.worldSetObject(0.1f * i, 0, 0.1f, 0.1f, i, 0, i, 0);
  for (int list = -1; list < objects; ++list) {
    for (int k = any(0, 3); k > 0; --k) {
      sentence s;
      for (int slot : {kSlotOpener, kSlotCondition, kSlotAction}) s.setSentenceStep(slot, words[any(0, 8)]);
      for (int slot : {kSlotOpenerOperand, kSlotConditionOperand, kSlotActionOperand}) {
        s.setSentenceStep(slot, any(-2, objects + 2));
      }
      s.assignOwner(list < 0 ? 0 : list);
      list < 0 ? game.mapGlobalAppendSentence(0, s) : game.mapLocalAppendSentence(list, 0, s);
    }
  }
  return game;
}

TEST(World, DeletingListedObjectsAtOnceEqualsDeletingThemOneByOneAndCanBePutBack) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const gameWorld start = worldWithRandomLogic(rng, 12);
    std::vector<int> listed(std::uniform_int_distribution<int>(1, 6)(rng));
    for (int& i : listed) i = std::uniform_int_distribution<int>(-1, 13)(rng);

    gameWorld oneByOne = start;
    std::vector<int> descending = listed;
    std::sort(descending.rbegin(), descending.rend());
    descending.erase(std::unique(descending.begin(), descending.end()), descending.end());
    int deleted = 0;
    for (int i : descending) deleted += oneByOne.worldDeleteObject(i, 0) ? 1 : 0;

    gameWorld atOnce = start;
    std::vector<sentenceFieldChange> changes;
    ASSERT_EQ(atOnce.worldDeleteObjects(listed, &changes, 0), deleted);
    ASSERT_TRUE(tftest::sameDump(tftest::worldDump(oneByOne), tftest::worldDump(atOnce)));

    atOnce.worldRestoreLogicFields(changes, 0);
    const objectRenumbering numbers(listed);
    for (int i : numbers.deletedObjects()) {
      if (i >= 0 && i < start.worldGetObjectCount(0)) atOnce.worldInsertObject(*start.mapAt(0)->mapObjectAt(i), i, 0);
    }
    ASSERT_TRUE(tftest::sameDump(tftest::worldDump(start), tftest::worldDump(atOnce)));
  }
}

TEST(World, PuttingThingsBackKeepsToTheListsAndLimits) {
  gameWorld game;
  game.allocateMaps(1);
  gameObject named;
  named.setObjectName("Back");
  EXPECT_FALSE(game.worldInsertObject(named, 1, 0));  // beyond the end of the list
  EXPECT_TRUE(game.worldInsertObject(named, 0, 0));
  for (int i = 1; i < kMaxObjects; ++i) game.worldSetObject(0, 0, 0.1f, 0.1f, 0, 0, i, 0);
  EXPECT_FALSE(game.worldInsertObject(named, 0, 0));  // 1024 objects
  EXPECT_TRUE(game.worldRemoveObject(0, 0));
  EXPECT_EQ(game.worldGetObjectName(0, 0), "Object");

  sentence marked;
  marked.setSentenceStep(kSlotActionOperand, 42);
  EXPECT_FALSE(game.mapGlobalInsertSentence(0, marked, 1));
  for (int k = 0; k < kMaxSentences - 1; ++k) game.mapGlobalAddSentence(0);
  EXPECT_TRUE(game.mapGlobalInsertSentence(0, marked, 3));
  EXPECT_FALSE(game.mapGlobalInsertSentence(0, marked, 0));  // 15 sentences
  EXPECT_EQ(game.mapGlobalGetWholeSentence(0, 3).getSentenceStep(kSlotActionOperand), 42);

  EXPECT_FALSE(game.worldInsertMap(gameMap(), 2));
  EXPECT_TRUE(game.worldInsertMap(gameMap(), 0));
  EXPECT_EQ(game.worldGetObjectCount(1), kMaxObjects - 1);
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
