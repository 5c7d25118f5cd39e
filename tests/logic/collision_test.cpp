// Boxes that overlap, touch at an edge or cross without a corner inside;
// movement blocked only between solid, visible objects; and the collision
// grid, which must find whatever the plain scan finds however objects were
// moved, resized, added, removed or copied, and wherever they lie.
#include "logic/collision.h"

#include <gtest/gtest.h>

#include <limits>

#include "logic_world.h"

using namespace tf;

namespace {

class Collision : public tftest::LogicWorld {
 protected:
  void SetUp() override {
    LogicWorld::SetUp();
    startGame(2);
  }

  // touchesAnotherOnLayer with the five probes at 0.05, by the grid and by the scan, which must agree.
  static bool anyTouch(int obj) {
    const touchProbe probes[5] = {{0, 0}, {0.05f, 0}, {-0.05f, 0}, {0, 0.05f}, {0, -0.05f}};
    setCollisionSearch(CollisionSearch::Scan);
    const bool scanned = touchesAnotherOnLayer(obj, probes, 5);
    setCollisionSearch(CollisionSearch::Grid);
    EXPECT_EQ(touchesAnotherOnLayer(obj, probes, 5), scanned) << "object " << obj;
    return scanned;
  }
  static void put(int obj, float x, int m = 0) { world.worldSetObject(x, 0, 0.1f, 0.1f, 0, 0, obj, m); }
};

TEST_F(Collision, EdgesThatMeetOverlapOnlyCollisionSizesCountAndCornersMustLieInside) {
  int a = addObject(0, 0, 0.15f, 0.15f);
  int b = addObject(0.3f, 0, 0.15f, 0.15f);
  EXPECT_TRUE(checkObjectCollide(a, 0, 0, b) && checkObjectCollide(b, 0, 0, a));
  EXPECT_TRUE(anyTouch(a));
  moveObject(kMoveStep, 0, a, 0);
  EXPECT_FLOAT_EQ(xOf(a), 0);
  moveObject(-kMoveStep, 0, a, 0);
  EXPECT_FLOAT_EQ(xOf(a), -kMoveStep);
  // Only the first object is displaced, and the test moves nothing.
  EXPECT_FALSE(checkObjectCollide(a, 0, 0, b));
  EXPECT_TRUE(checkObjectCollide(a, kMoveStep, 0, b));
  EXPECT_FALSE(checkObjectCollide(b, kMoveStep, 0, a));
  EXPECT_TRUE(checkObjectCollide(b, -kMoveStep, 0, a));
  EXPECT_FLOAT_EQ(xOf(a), -kMoveStep);

  world.worldSetObject(0, 0, 0.7f, 0.7f, 0, 0, a, 0);  // drawn large, collision box unchanged
  world.worldSetObject(0.5f, 0, 0.1f, 0.1f, 0, 0, b, 0);
  world.worldSetObstructionSize(0.1f, 0.1f, a, 0);
  world.worldSetObstructionSize(0.1f, 0.1f, b, 0);
  EXPECT_FALSE(checkObjectCollide(a, 0, 0, b));
  world.worldSetObstructionSize(0.4f, 0.1f, a, 0);
  EXPECT_TRUE(checkObjectCollide(a, 0, 0, b));
  EXPECT_TRUE(anyTouch(b));
  // A cross: no corner of either lies inside the other. A box wholly inside another does.
  int wide = addObject(0, 3, 0.6f, 0.05f), tall = addObject(0, 3, 0.05f, 0.6f);
  int inner = addObject(0.3f, 3, 0.02f, 0.02f);
  EXPECT_FALSE(checkObjectCollide(wide, 0, 0, tall) || checkObjectCollide(tall, 0, 0, wide));
  EXPECT_TRUE(checkObjectCollide(wide, 0, 0, inner) && checkObjectCollide(inner, 0, 0, wide));
}

TEST_F(Collision, InvisibleAndMissingObjectsOverlapNothing) {
  int a = addObject(0, 0);
  int b = addObject(0, 0);
  EXPECT_TRUE(checkObjectCollide(a, 0, 0, a));  // no test that the two differ
  world.worldSetObjectVisible(false, b, 0);
  EXPECT_FALSE(checkObjectCollide(a, 0, 0, b) || checkObjectCollide(b, 0, 0, a));
  EXPECT_FALSE(anyTouch(a));
  for (int missing : {-1, 2, 1024, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
    EXPECT_FALSE(checkObjectCollide(a, 0, 0, missing) || checkObjectCollide(missing, 0, 0, a) || anyTouch(missing));
  }
}

TEST_F(Collision, OnlyVisibleSolidObjectsBlockEachOtherOnAnyLayerAndMovesAreWhole) {
  int mover = addObject(0, 0);
  int wall = addObject(0.25f, 0, 0.1f, 0.1f, 5);  // 0.05 between the two, on another layer
  for (int i = 0; i < 5; ++i) moveObject(kMoveStep, 0, mover, 0);
  EXPECT_NEAR(xOf(mover), 2 * kMoveStep, 1e-6) << "the third step would overlap: refused whole, no sliding";
  world.worldSetObjectObstructionState(false, wall, 0);
  moveObject(kMoveStep, 0, mover, 0);
  EXPECT_NEAR(xOf(mover), 3 * kMoveStep, 1e-6) << "a non-solid object blocks nothing";
  world.worldSetObjectObstructionState(true, wall, 0);
  world.worldSetObjectVisible(false, wall, 0);
  moveObject(kMoveStep, 0, mover, 0);
  EXPECT_NEAR(xOf(mover), 4 * kMoveStep, 1e-6) << "a hidden object blocks nothing";
  world.worldSetObjectVisible(true, wall, 0);
  world.worldSetObjectVisible(false, mover, 0);
  moveObject(kMoveStep, 0, mover, 0);
  EXPECT_NEAR(xOf(mover), 5 * kMoveStep, 1e-6) << "a hidden object is not blocked";
  world.worldSetObjectVisible(true, mover, 0);
  // Overlapping now: every small step still overlaps; one that ends clear is taken.
  for (float d : {kMoveStep, -kMoveStep}) {
    moveObject(d, 0, mover, 0);
    moveObject(0, d, mover, 0);
  }
  EXPECT_NEAR(xOf(mover), 5 * kMoveStep, 1e-6);
  EXPECT_FLOAT_EQ(yOf(mover), 0);
  moveObject(-0.2f, 0, mover, 0);
  EXPECT_NEAR(xOf(mover), 5 * kMoveStep - 0.2f, 1e-6);
  world.worldSetObjectObstructionState(false, mover, 0);
  for (int i = 0; i < 30; ++i) moveObject(kMoveStep, 0, mover, 0);
  EXPECT_GT(xOf(mover), 0.35f) << "a non-solid object passes through solid ones";
}

TEST_F(Collision, ObjectsLeaveTheMapFreelyAndMissingObjectsOrMapsChangeNothing) {
  int mover = addObject(10.0f, 3.0f);
  for (int i = 0; i < 2000; ++i) moveObject(kMoveStep, 0, mover, 0);
  EXPECT_GT(xOf(mover), 20 * kTileSize + 1);
  for (int missing : {-1, 1, 1024, std::numeric_limits<int>::min()}) moveObject(kMoveStep, 0, missing, 0);
  for (int map : {-1, 2, 99}) moveObject(kMoveStep, 0, 0, map);
  EXPECT_EQ(world.worldGetObjectCount(0), 1) << "a move never adds an object";
  EXPECT_EQ(world.worldGetObjectCount(1), 0);
}

// Every write of a position, size or count reaches the grid: each change
// brings an object next to the one asked about, or takes it away.
TEST_F(Collision, TheGridFollowsEveryChangeOfTheObjects) {
  addObject(0, 0);
  addObject(5, 5);
  const struct {
    void (*change)();
    int asked;
    bool touches;
  } steps[] = {
      {[] {}, 0, false},  // the grid is built here
      {[] { put(1, 0.15f); }, 0, true},
      {[] { put(1, 3); }, 0, false},
      {[] { world.worldSetObstructionSize(0.7f, 0.1f, 0, 0); put(1, 0.78f); }, 0, true},  // object 0 grew to reach 1
      {[] { world.worldSetObstructionSize(0.1f, 0.1f, 0, 0); }, 0, false},
      {[] { world.worldCopyObject(1, 0); put(2, -0.15f); }, 0, true},  // a copy moved next to 0
      {[] { ASSERT_TRUE(world.worldDeleteObject(0, 0)); }, 0, false},  // object 1 is now 0, the copy 1
      {[] { put(1, 0.95f); worldBackup = world; put(1, 9); }, 0, false},
      {[] { world = worldBackup; }, 0, true},  // a restored world is searched as restored
      {[] { world.allocateMaps(40); }, 0, true},  // the maps move to a larger array
      {[] { put(1, 9); }, 0, false},
      {[] { world.copyMap(0, 1); world.setCurrentMap(1); put(1, 0.95f, 1); }, 0, true},  // a grid of its own
      {[] { world.setCurrentMap(0); }, 0, false},
  };
  for (std::size_t k = 0; k < std::size(steps); ++k) {
    steps[k].change();
    EXPECT_EQ(anyTouch(steps[k].asked), steps[k].touches) << "step " << k;
  }
}

TEST_F(Collision, FarOutInfiniteAndUndefinedPositionsAreSearchedAsScanned) {
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  const float spots[][2] = {{1e6f, 0}, {1e6f + 0.15f, 0}, {-3e38f, 3e38f}, {-3e38f, 3e38f}, {inf, 0},    {inf, 0},
                            {0, -inf}, {nan, 0},          {0, nan},        {nan, nan},      {0.5f, 0.5f}, {0.7f, 0.5f}};
  for (const auto& spot : spots) addObject(spot[0], spot[1]);
  for (int i = 0; i < world.worldGetObjectCount(0); ++i) anyTouch(i);
  EXPECT_TRUE(anyTouch(0));
  EXPECT_TRUE(anyTouch(4)) << "two objects at infinity overlap";
  EXPECT_FALSE(anyTouch(7)) << "an undefined position overlaps nothing";
  EXPECT_TRUE(anyTouch(10)) << "cell borders";

  int mover = addObject(1e6f - 0.25f, 0);
  for (CollisionSearch search : {CollisionSearch::Grid, CollisionSearch::Scan}) {
    setCollisionSearch(search);
    moveObject(0.1f, 0, mover, 0);
    EXPECT_EQ(xOf(mover), 1e6f - 0.25f) << "blocked by the object at a million";
  }
  moveObject(-0.1f, 0, mover, 0);
  EXPECT_LT(xOf(mover), 1e6f - 0.25f);
}

}  // namespace
