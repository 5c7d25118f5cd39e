// The collision rules in one table (overlap by collision sizes, edges included;
// a move refused whole between solid, visible objects); then the collision grid
// against the plain scan on random crowded worlds with random logic, edited
// between frames as the editor and the game do: every frame, the same world.
#include "logic/collision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "logic/evaluation.h"
#include "logic_world.h"

using namespace tf;

namespace {

using Collision = tftest::LogicWorld;

TEST_F(Collision, OverlapsAndBlockedMoves) {
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float a[4], b[4];  // centre and collision half-size; both are drawn 0.7 wide
    int aSolid, aVisible, bSolid, bVisible;
    bool overlap, moved;  // at rest; whether a moves at all when moved by 0.06 to the right
  } cases[] = {
      {{0, 0, .1f, .1f}, {.25f, 0, .1f, .1f}, 1, 1, 1, 1, false, false},  // refused whole: no sliding up to b
      {{0, 0, .1f, .1f}, {.25f, 0, .1f, .1f}, 1, 1, 0, 1, false, true},   // b not solid
      {{0, 0, .1f, .1f}, {.15f, 0, .1f, .1f}, 1, 1, 1, 0, false, true},   // b hidden: overlaps nothing
      {{0, 0, .1f, .1f}, {.25f, 0, .1f, .1f}, 0, 1, 1, 1, false, true},   // a not solid
      {{0, 0, .1f, .1f}, {.15f, 0, .1f, .1f}, 1, 0, 1, 1, false, true},   // a hidden
      {{0, 0, .15f, .15f}, {.3f, 0, .15f, .15f}, 1, 1, 1, 1, true, false},   // edges that meet
      {{0, 0, .6f, .05f}, {0, 0, .05f, .6f}, 1, 1, 1, 1, false, true},       // a cross: no corner inside
      {{0, 0, .6f, .05f}, {.3f, 0, .02f, .02f}, 1, 1, 1, 1, true, false},    // wholly inside
      {{.15f, 0, .1f, .1f}, {0, 0, .1f, .1f}, 1, 1, 1, 1, true, true},       // overlapping, moving clear
      {{1e6f, 0, .1f, .1f}, {1e6f + .15f, 0, .1f, .1f}, 1, 1, 1, 1, true, false},
      {{inf, 0, .1f, .1f}, {inf, 0, .1f, .1f}, 1, 1, 1, 1, true, false},
      {{nan, 0, .1f, .1f}, {nan, 0, .1f, .1f}, 1, 1, 1, 1, false, false},  // undefined: overlaps nothing
  };
  const touchProbe still[1] = {{0, 0}};
  for (CollisionSearch search : {CollisionSearch::Grid, CollisionSearch::Scan}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "row " << &c - cases << (search == CollisionSearch::Grid ? " grid" : " scan"));
      reset();
      startGame(1);
      setCollisionSearch(search);
      for (const float* box : {c.a, c.b}) {
        const int index = addObject(box[0], box[1], 0.7f, 0.7f);
        world.worldSetObstructionSize(box[2], box[3], index, 0);
      }
      world.worldSetObjectObstructionState(c.aSolid, 0, 0);
      world.worldSetObjectVisible(c.aVisible, 0, 0);
      world.worldSetObjectObstructionState(c.bSolid, 1, 0);
      world.worldSetObjectVisible(c.bVisible, 1, 0);
      EXPECT_EQ(checkObjectCollide(0, 0, 0, 1), c.overlap);
      EXPECT_EQ(checkObjectCollide(1, 0, 0, 0), c.overlap);
      EXPECT_EQ(touchesAnotherOnLayer(0, still, 1), c.overlap);
      moveObject(0.06f, 0, 0, 0);
      // An undefined position stays undefined whether it moved or not.
      if (!std::isnan(c.a[0])) {
        EXPECT_EQ(xOf(0) != c.a[0], c.moved) << xOf(0);
      }
    }
  }
}

// The lines of a world dump that hold the objects, without their logic.
std::string objectLines(const std::string& dump) {
  std::istringstream in(dump);
  std::string objects;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("object", 0) == 0) objects += line + '\n';
  }
  return objects;
}

class SearchDifferential : public tftest::LogicWorld {
 protected:
  using Rng = std::mt19937;

  static int pick(Rng& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
  static bool chance(Rng& rng, double p) { return std::bernoulli_distribution(p)(rng); }
  static int oneOf(Rng& rng, std::initializer_list<int> values) {
    return values.begin()[pick(rng, 0, static_cast<int>(values.size()) - 1)];
  }

  // Positions on a lattice of 0.05 units, so that boxes often meet exactly at
  // their edges, in a crowded square of about 3 by 3 units.
  static float latticeSpot(Rng& rng) { return pick(rng, -30, 30) * 0.05f; }
  static float halfSize(Rng& rng) {
    if (chance(rng, 0.2)) return std::uniform_real_distribution<float>(0.01f, 0.7f)(rng);
    return oneOf(rng, {5, 10, 10, 15, 20, 25, 30, 70}) / 100.0f;
  }

  // Object operands now and then name an object that does not exist.
  static tftest::Slots randomSentence(Rng& rng, int count) {
    const auto openers = {100, 101, 101, 101, 101, 129, 128, 132, 133, 127};
    const auto touches = {400, 401, 402, 403, 404, 405, 406, 407, 408, 409, 410, 405, 405, 411, 413};
    const auto actions = {710, 711, 712, 713, 710, 711, 712, 713, 723, 723, 718, 719, 720, 721,
                           714, 715, 716, 717, 708, 709, 736, 737, 785, 745, 700, 700, 724};
    const int opener = oneOf(rng, openers), action = oneOf(rng, actions);
    const int openerOperand = opener == 132 ? pick(rng, 0, 2)
                              : opener == 133 ? pick(rng, 0, 80)
                              : opener == 127 ? pick(rng, 0, 3)
                                              : pick(rng, 0, count + 2);
    const int condition = opener == 127 ? pick(rng, 426, 428) : oneOf(rng, touches);
    const int conditionOperand = opener == 127 ? pick(rng, 0, 5) : pick(rng, 0, count + 2);
    const int actionOperand = action == 785 || action == 736 || action == 737 ? pick(rng, 0, 9)
                              : action == 745                                 ? pick(rng, 0, 3)
                                                                              : pick(rng, 0, count + 2);
    return {opener, openerOperand, chance(rng, 0.7) ? 300 : 301, condition, conditionOperand, 600, action,
            actionOperand};
  }

  static void buildWorld(Rng& rng) {
    const int count = pick(rng, 60, 140);
    for (int i = 0; i < count; ++i) {
      int index = addObject(latticeSpot(rng), latticeSpot(rng), halfSize(rng), halfSize(rng), pick(rng, 0, 2));
      world.worldSetObjectVisible(!chance(rng, 0.1), index, 0);
      world.worldSetObjectObstructionState(!chance(rng, 0.3), index, 0);
      for (int k = pick(rng, 0, 6); k > 0; --k) addLocal(index, randomSentence(rng, count));
    }
    for (int k = pick(rng, 0, 10); k > 0; --k) addGlobal(randomSentence(rng, count));
  }

  // Moves object obj to (x, y), or by (x, y), keeping the rest of it.
  static void place(int obj, float x, float y, bool by) {
    const Placed p = read(obj);
    world.worldSetObject(by ? p.x + x : x, by ? p.y + y : y, p.w, p.h, p.tex, p.layer, obj, 0);
  }

  // What the editor or a restart may do between two frames: mostly moves and
  // resizes; now and then a change of the object count or a restore.
  static void editBetweenFrames(Rng& rng) {
    const int count = world.worldGetObjectCount(0);
    const int obj = pick(rng, 0, count - 1);
    switch (pick(rng, 0, 40)) {
      case 0: place(obj, latticeSpot(rng), latticeSpot(rng), false); break;
      case 1: world.worldSetObstructionSize(halfSize(rng), halfSize(rng), obj, 0); break;
      case 2: if (count < kMaxObjects) world.worldCopyObject(obj, 0, 0); break;
      case 3: if (count > 20) world.worldDeleteObject(obj, 0); break;
      case 4: worldBackup = world; break;
      case 5: world = worldBackup; break;
      default: break;
    }
    if (chance(rng, 0.5)) {
      place(pick(rng, 0, world.worldGetObjectCount(0) - 1), pick(rng, -2, 2) * 0.05f, pick(rng, -2, 2) * 0.05f, true);
    }
  }

  // Runs `frames` frames with `search` and returns the world after each.
  std::vector<std::string> run(unsigned seed, int frames, CollisionSearch search) {
    reset();
    startGame(1);
    Rng rng(seed);
    buildWorld(rng);
    worldBackup = world;
    setCollisionSearch(search);
    std::srand(seed);
    clock.set(0);
    std::vector<std::string> states;
    for (int f = 0; f < frames; ++f) {
      clock.advance(17);
      updateLogic(false);
      if (chance(rng, 0.3)) editBetweenFrames(rng);
      states.push_back(tftest::dumpWorld());
    }
    return states;
  }
};

TEST_F(SearchDifferential, GridAndScanLeaveTheSameWorldEveryFrame) {
  constexpr int kFrames = 400;
  for (unsigned seed : {1u, 2u, 3u, 20240u, 777u}) {
    const std::vector<std::string> scanned = run(seed, kFrames, CollisionSearch::Scan);
    const std::vector<std::string> gridded = run(seed, kFrames, CollisionSearch::Grid);
    int moving = 0;  // frames in which objects moved or changed: the worlds compared are not standing still
    for (int f = 0; f < kFrames; ++f) {
      ASSERT_EQ(gridded[f], scanned[f]) << "seed " << seed << " frame " << f;
      if (f > 0 && objectLines(scanned[f]) != objectLines(scanned[f - 1])) ++moving;
    }
    EXPECT_GT(moving, kFrames * 3 / 4) << "seed " << seed << ": objects keep moving";
  }
}

}  // namespace
