// Boxes that overlap, touch at an edge or cross without a corner inside;
// movement blocked only between solid, visible objects; and the collision
// grid, which must find whatever the plain scan finds however objects were
// moved, resized, added, removed or copied, and wherever they lie.
#include "logic/collision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "logic_world.h"

using namespace tf;

namespace {

class Collision : public tftest::LogicWorld {
 protected:
  void SetUp() override {
    LogicWorld::SetUp();
    startGame(2);
  }

  // touchesAnotherOnLayer with the five probes at 0.05, by the given search.
  static bool anyTouch(int obj, CollisionSearch search) {
    const touchProbe probes[5] = {{0, 0}, {0.05f, 0}, {-0.05f, 0}, {0, 0.05f}, {0, -0.05f}};
    setCollisionSearch(search);
    bool found = touchesAnotherOnLayer(obj, probes, 5);
    setCollisionSearch(CollisionSearch::Grid);
    return found;
  }

  // The grid's answer, checked against the scan's.
  static bool anyTouchChecked(int obj) {
    bool scanned = anyTouch(obj, CollisionSearch::Scan);
    EXPECT_EQ(anyTouch(obj, CollisionSearch::Grid), scanned) << "object " << obj;
    return scanned;
  }
};

TEST_F(Collision, EdgesThatMeetCountAsOverlap) {
  int a = addObject(0, 0, 0.15f, 0.15f);
  int b = addObject(0.3f, 0, 0.15f, 0.15f);
  EXPECT_TRUE(checkObjectCollide(a, 0, 0, b));
  EXPECT_TRUE(checkObjectCollide(b, 0, 0, a));
  EXPECT_TRUE(anyTouchChecked(a));

  moveObject(kMoveStep, 0, a, 0);
  EXPECT_FLOAT_EQ(xOf(a), 0);
  moveObject(-kMoveStep, 0, a, 0);
  EXPECT_FLOAT_EQ(xOf(a), -kMoveStep);
  EXPECT_FALSE(checkObjectCollide(a, 0, 0, b));
  EXPECT_TRUE(checkObjectCollide(a, kMoveStep, 0, b));
}

TEST_F(Collision, OnlyCollisionSizeCounts) {
  int a = addObject(0, 0, 0.1f, 0.1f);
  int b = addObject(0.5f, 0, 0.1f, 0.1f);
  world.worldSetObject(0, 0, 0.7f, 0.7f, 0, 0, a, 0);  // drawn large, collision box unchanged
  EXPECT_FALSE(checkObjectCollide(a, 0, 0, b));
  world.worldSetObstructionSize(0.4f, 0.1f, a, 0);
  EXPECT_TRUE(checkObjectCollide(a, 0, 0, b));
  EXPECT_TRUE(anyTouchChecked(b));
}

TEST_F(Collision, BoxesCrossingWithoutACornerInsideDoNotCollide) {
  int wide = addObject(0, 0, 0.6f, 0.05f);
  int tall = addObject(0, 0, 0.05f, 0.6f);
  EXPECT_FALSE(checkObjectCollide(wide, 0, 0, tall));
  EXPECT_FALSE(checkObjectCollide(tall, 0, 0, wide));
  // A box wholly inside another: its corners are inside.
  int inner = addObject(0.3f, 0, 0.02f, 0.02f);
  EXPECT_TRUE(checkObjectCollide(wide, 0, 0, inner));
  EXPECT_TRUE(checkObjectCollide(inner, 0, 0, wide));
}

TEST_F(Collision, TheDisplacementMovesOnlyTheFirstObject) {
  int a = addObject(0, 0);
  int b = addObject(0.25f, 0);
  EXPECT_FALSE(checkObjectCollide(a, 0, 0, b));
  EXPECT_TRUE(checkObjectCollide(a, 0.05f, 0, b));
  EXPECT_FALSE(checkObjectCollide(b, 0.05f, 0, a));
  EXPECT_TRUE(checkObjectCollide(b, -0.05f, 0, a));
  EXPECT_FLOAT_EQ(xOf(a), 0);
}

TEST_F(Collision, InvisibleAndMissingObjectsOverlapNothing) {
  int a = addObject(0, 0);
  int b = addObject(0, 0);
  EXPECT_TRUE(checkObjectCollide(a, 0, 0, a));  // no test that the two differ
  world.worldSetObjectVisible(false, b, 0);
  EXPECT_FALSE(checkObjectCollide(a, 0, 0, b));
  EXPECT_FALSE(checkObjectCollide(b, 0, 0, a));
  EXPECT_FALSE(anyTouchChecked(a));
  for (int missing : {-1, 2, 1024, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
    EXPECT_FALSE(checkObjectCollide(a, 0, 0, missing));
    EXPECT_FALSE(checkObjectCollide(missing, 0, 0, a));
    EXPECT_FALSE(anyTouchChecked(missing));
  }
}

TEST_F(Collision, OnlySolidObjectsBlockSolidObjects) {
  int mover = addObject(0, 0);
  int wall = addObject(0.25f, 0);  // 0.05 between the two
  for (int i = 0; i < 5; ++i) moveObject(kMoveStep, 0, mover, 0);
  EXPECT_NEAR(xOf(mover), 2 * kMoveStep, 1e-6) << "the third step would overlap: refused whole, no sliding";

  world.worldSetObjectObstructionState(false, wall, 0);
  moveObject(kMoveStep, 0, mover, 0);
  EXPECT_NEAR(xOf(mover), 3 * kMoveStep, 1e-6) << "a non-solid object blocks nothing";

  world.worldSetObjectObstructionState(true, wall, 0);
  world.worldSetObjectObstructionState(false, mover, 0);
  for (int i = 0; i < 10; ++i) moveObject(kMoveStep, 0, mover, 0);
  EXPECT_NEAR(xOf(mover), 13 * kMoveStep, 1e-5) << "a non-solid object passes through solid ones";
}

TEST_F(Collision, HiddenSolidObjectsNeitherBlockNorAreBlocked) {
  int mover = addObject(0, 0);
  int wall = addObject(0.2f, 0);
  world.worldSetObjectVisible(false, wall, 0);
  moveObject(kMoveStep, 0, mover, 0);
  EXPECT_FLOAT_EQ(xOf(mover), kMoveStep);
  world.worldSetObjectVisible(true, wall, 0);
  world.worldSetObjectVisible(false, mover, 0);
  moveObject(kMoveStep, 0, mover, 0);
  EXPECT_FLOAT_EQ(xOf(mover), 2 * kMoveStep);
}

TEST_F(Collision, SolidObjectsBlockAcrossLayers) {
  int mover = addObject(0, 0, 0.1f, 0.1f, 1);
  addObject(0.2f, 0, 0.1f, 0.1f, 5);
  moveObject(kMoveStep, 0, mover, 0);
  EXPECT_FLOAT_EQ(xOf(mover), 0);
  moveObject(0, kMoveStep, mover, 0);
  EXPECT_FLOAT_EQ(yOf(mover), 0) << "still overlapping the corner after the step";
}

TEST_F(Collision, AnOverlappingObjectLeavesOnlyInOneStep) {
  int mover = addObject(0, 0, 0.1f, 0.1f);
  addObject(0.15f, 0, 0.1f, 0.1f);
  for (float dx : {kMoveStep, -kMoveStep}) {
    moveObject(dx, 0, mover, 0);
    EXPECT_FLOAT_EQ(xOf(mover), 0);
  }
  moveObject(-0.2f, 0, mover, 0);
  EXPECT_FLOAT_EQ(xOf(mover), -0.2f) << "a step that ends clear of the other is taken";
}

TEST_F(Collision, ObjectsLeaveTheMapFreely) {
  int mover = addObject(10.0f, 3.0f);
  for (int i = 0; i < 2000; ++i) moveObject(kMoveStep, 0, mover, 0);
  EXPECT_GT(xOf(mover), 20 * kTileSize + 1);
}

TEST_F(Collision, MissingObjectsAndMapsChangeNothing) {
  addObject(0, 0);
  for (int missing : {-1, 1, 1024, std::numeric_limits<int>::min()}) moveObject(kMoveStep, 0, missing, 0);
  for (int map : {-1, 2, 99}) moveObject(kMoveStep, 0, 0, map);
  EXPECT_EQ(world.worldGetObjectCount(0), 1) << "a move never adds an object";
  EXPECT_EQ(world.worldGetObjectCount(1), 0);
  EXPECT_FLOAT_EQ(xOf(0), 0);
}

TEST_F(Collision, TouchSearchesKeepToTheLayerAndSkipTheObjectItself) {
  int a = addObject(0, 0, 0.1f, 0.1f, 2);
  int b = addObject(0.1f, 0, 0.1f, 0.1f, 3);
  EXPECT_FALSE(anyTouchChecked(a));
  EXPECT_FALSE(anyTouchChecked(b));
  int c = addObject(-0.24f, 0, 0.1f, 0.1f, 2);  // within the 0.05 probe, not in place
  EXPECT_TRUE(anyTouchChecked(a));
  EXPECT_TRUE(anyTouchChecked(c));
  const touchProbe right{0.05f, 0};
  EXPECT_TRUE(touchesAnotherOnLayer(c, &right, 1)) << "c touches a on its right";
  const touchProbe left{-0.05f, 0};
  EXPECT_FALSE(touchesAnotherOnLayer(c, &left, 1));
}

// Every write of a position, size or count reaches the grid: each change
// below brings a second object to the first, or takes it away, and the
// grid must see it as the scan does.
TEST_F(Collision, TheGridFollowsEveryChangeOfTheObjects) {
  int a = addObject(0, 0);
  int b = addObject(5, 5);
  EXPECT_FALSE(anyTouchChecked(a));  // the grid is built here

  world.worldSetObject(0.15f, 0, 0.1f, 0.1f, 0, 0, b, 0);
  EXPECT_TRUE(anyTouchChecked(a)) << "moved next to a";
  world.worldSetObject(3, 0, 0.1f, 0.1f, 0, 0, b, 0);
  EXPECT_FALSE(anyTouchChecked(a)) << "moved away";
  world.worldSetObstructionSize(0.7f, 0.1f, a, 0);
  world.worldSetObject(0.78f, 0, 0.1f, 0.1f, 0, 0, b, 0);
  EXPECT_TRUE(anyTouchChecked(a)) << "a grew to reach b";
  world.worldSetObstructionSize(0.1f, 0.1f, a, 0);
  EXPECT_FALSE(anyTouchChecked(a)) << "a shrank";

  world.worldCopyObject(b, 0);  // the copy lies 0.1 up and right of b
  world.worldSetObject(-0.15f, 0, 0.1f, 0.1f, 0, 0, 2, 0);
  EXPECT_TRUE(anyTouchChecked(a)) << "a copy moved next to a";
  ASSERT_TRUE(world.worldDeleteObject(0, 0));
  EXPECT_FALSE(anyTouchChecked(0)) << "b is now object 0, far from the copy";
  EXPECT_FALSE(anyTouchChecked(1));

  world.worldSetObject(0.95f, 0, 0.1f, 0.1f, 0, 0, 1, 0);
  worldBackup = world;
  world.worldSetObject(9, 9, 0.1f, 0.1f, 0, 0, 1, 0);
  EXPECT_FALSE(anyTouchChecked(0));
  world = worldBackup;
  EXPECT_TRUE(anyTouchChecked(0)) << "a restored world is searched as restored";
  world.allocateMaps(40);  // the maps move to a larger array
  EXPECT_TRUE(anyTouchChecked(0));
  world.worldSetObject(9, 9, 0.1f, 0.1f, 0, 0, 1, 0);
  EXPECT_FALSE(anyTouchChecked(0));
  world.copyMap(0, 1);
  world.setCurrentMap(1);
  world.worldSetObject(0.95f, 0, 0.1f, 0.1f, 0, 0, 1, 1);
  EXPECT_TRUE(anyTouchChecked(0)) << "a copied map has a grid of its own";
  world.setCurrentMap(0);
  EXPECT_FALSE(anyTouchChecked(0));
}

TEST_F(Collision, FarOutInfiniteAndUndefinedPositionsAreSearchedAsScanned) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float spots[][2] = {{1e6f, 0}, {1e6f + 0.15f, 0}, {-3e38f, 3e38f}, {-3e38f, 3e38f}, {inf, 0},
                            {inf, 0},  {0, -inf},         {nan, 0},        {0, nan},         {nan, nan},
                            {0.5f, 0.5f}, {0.7f, 0.5f}};
  for (const auto& spot : spots) addObject(spot[0], spot[1]);
  for (int i = 0; i < world.worldGetObjectCount(0); ++i) anyTouchChecked(i);
  EXPECT_TRUE(anyTouchChecked(0));
  EXPECT_TRUE(anyTouchChecked(4)) << "two objects at infinity overlap";
  EXPECT_FALSE(anyTouchChecked(7)) << "an undefined position overlaps nothing";
  EXPECT_TRUE(anyTouchChecked(10)) << "cell borders";

  int mover = addObject(1e6f - 0.25f, 0);
  for (CollisionSearch search : {CollisionSearch::Grid, CollisionSearch::Scan}) {
    setCollisionSearch(search);
    moveObject(0.1f, 0, mover, 0);
    EXPECT_EQ(xOf(mover), 1e6f - 0.25f) << "blocked by the object at a million";
  }
  moveObject(-0.1f, 0, mover, 0);
  EXPECT_LT(xOf(mover), 1e6f - 0.25f);
}

TEST_F(Collision, ACopiedGridStartsUnbuiltAndAMovedOneKeepsItsObjects) {
  collisionGrid grid;
  grid.build({boxAround(0, 0, 0.1f, 0.1f), boxAround(2, 2, 0.1f, 0.1f)});
  collisionGrid copy(grid);
  EXPECT_FALSE(copy.built());
  collisionGrid moved(std::move(grid));
  EXPECT_TRUE(moved.built());
  EXPECT_FALSE(grid.built());
  auto near = [](const collisionGrid& g, float x, float y) {
    std::set<int> found;
    g.forEachNear(boxAround(x, y, 0.01f, 0.01f), [&](int j) {
      EXPECT_TRUE(found.insert(j).second) << "each object is met once";
      return false;
    });
    return found;
  };
  EXPECT_EQ(near(moved, 2, 2).count(1), 1u);
  moved.update(1, boxAround(0, 0.1f, 0.1f, 0.1f));
  EXPECT_EQ(near(moved, 0, 0), (std::set<int>{0, 1}));
  moved.clear();
  EXPECT_FALSE(moved.built());
  EXPECT_TRUE(near(moved, 0, 0).empty());
}

}  // namespace
