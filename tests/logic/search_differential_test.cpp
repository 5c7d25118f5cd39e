// The collision grid against the plain scan: random crowded worlds with
// random logic (touch conditions, moves, seeks, spawns, hiding, solidity,
// "and" chains), edited between frames the way the editor and the game do
// (moves, resizes, copies, deletions, restores), run frame by frame once with
// each search. Every frame must leave exactly the same world.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "logic/collision.h"
#include "logic/evaluation.h"
#include "logic_world.h"

using namespace tf;

namespace {

class SearchDifferential : public tftest::LogicWorld {
 protected:
  using Rng = std::mt19937;

  static int pick(Rng& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
  static bool chance(Rng& rng, double p) { return std::bernoulli_distribution(p)(rng); }
  template <typename T, std::size_t N>
  static T oneOf(Rng& rng, const T (&values)[N]) {
    return values[pick(rng, 0, static_cast<int>(N) - 1)];
  }

  // Positions on a lattice of 0.05 units, so that boxes often meet exactly at
  // their edges, in a crowded square of about 3 by 3 units.
  static float latticeSpot(Rng& rng) { return pick(rng, -30, 30) * 0.05f; }
  static float halfSize(Rng& rng) {
    const float sizes[] = {0.05f, 0.1f, 0.1f, 0.15f, 0.2f, 0.25f, 0.3f, 0.7f};
    return chance(rng, 0.2) ? std::uniform_real_distribution<float>(0.01f, 0.7f)(rng) : oneOf(rng, sizes);
  }
  // An object index, now and then one that does not exist.
  static int someObject(Rng& rng, int count) {
    return chance(rng, 0.05) ? pick(rng, count, count + 3) : pick(rng, 0, count - 1);
  }

  static tftest::Slots randomSentence(Rng& rng, int count) {
    const int openers[] = {100, 101, 101, 101, 101, 129, 128, 132, 133, 127};
    const int touches[] = {400, 401, 402, 403, 404, 405, 406, 407, 408, 409, 410, 405, 405, 411, 413};
    const int actions[] = {710, 711, 712, 713, 710, 711, 712, 713, 723, 723, 718, 719, 720, 721,
                           714, 715, 716, 717, 708, 709, 736, 737, 785, 745, 700, 700, 724};
    const int opener = oneOf(rng, openers);
    int openerOperand = someObject(rng, count);
    if (opener == 132) openerOperand = pick(rng, 0, 2);
    if (opener == 133) openerOperand = pick(rng, 0, 80);
    if (opener == 127) openerOperand = pick(rng, 0, 3);
    const int condition = opener == 127 ? pick(rng, 426, 428) : oneOf(rng, touches);
    const int conditionOperand = opener == 127 ? pick(rng, 0, 5) : someObject(rng, count);
    const int action = oneOf(rng, actions);
    int actionOperand = someObject(rng, count);
    if (action == 785 || action == 736 || action == 737) actionOperand = pick(rng, 0, 9);
    if (action == 745) actionOperand = pick(rng, 0, 3);
    return {opener, openerOperand, chance(rng, 0.7) ? 300 : 301, condition, conditionOperand, 600, action,
            actionOperand};
  }

  static void buildWorld(unsigned seed) {
    Rng rng(seed);
    const int count = pick(rng, 60, 140);
    for (int i = 0; i < count; ++i) {
      int index = addObject(latticeSpot(rng), latticeSpot(rng), halfSize(rng), halfSize(rng), pick(rng, 0, 2));
      world.worldSetObjectVisible(!chance(rng, 0.1), index, 0);
      world.worldSetObjectObstructionState(!chance(rng, 0.3), index, 0);
      for (int k = pick(rng, 0, 6); k > 0; --k) addLocal(index, randomSentence(rng, count));
    }
    for (int k = pick(rng, 0, 10); k > 0; --k) addGlobal(randomSentence(rng, count));
  }

  // Puts object obj at (x, y), or moves it by (x, y), keeping the rest of it.
  static void place(int obj, float x, float y, bool by) {
    Placed p = read(obj);
    world.worldSetObject(by ? p.x + x : x, by ? p.y + y : y, p.w, p.h, p.tex, p.layer, obj, 0);
  }

  // What the editor or a restart may do between two frames: mostly moves and
  // resizes; now and then a change of the object count or a restore, after
  // which the grid is built afresh.
  static void editBetweenFrames(Rng& rng) {
    const int count = world.worldGetObjectCount(0);
    const int obj = pick(rng, 0, count - 1);
    switch (pick(rng, 0, 40)) {
      case 0: place(obj, latticeSpot(rng), latticeSpot(rng), false); break;
      case 1: world.worldSetObstructionSize(halfSize(rng), halfSize(rng), obj, 0); break;
      case 2: if (count < kMaxObjects) world.worldCopyObject(obj, 0); break;
      case 3: if (count > 20) world.worldDeleteObject(obj, 0); break;
      case 4: worldBackup = world; break;
      case 5: world = worldBackup; break;
      default: break;
    }
    if (chance(rng, 0.5)) {
      const int other = pick(rng, 0, world.worldGetObjectCount(0) - 1);
      place(other, pick(rng, -2, 2) * 0.05f, pick(rng, -2, 2) * 0.05f, true);
    }
  }

  // Runs `frames` frames with `search` and returns the world after each.
  std::vector<std::string> run(unsigned seed, int frames, CollisionSearch search) {
    reset();
    startGame(1);
    buildWorld(seed);
    worldBackup = world;
    setCollisionSearch(search);
    std::srand(seed);
    clock.set(0);
    Rng edits(seed * 7919u + 1);
    std::vector<std::string> states;
    for (int f = 0; f < frames; ++f) {
      clock.advance(17);
      updateLogic(false);
      if (chance(edits, 0.3)) editBetweenFrames(edits);
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
    ASSERT_EQ(scanned.size(), gridded.size());
    int moving = 0;
    for (int f = 0; f < kFrames; ++f) {
      ASSERT_EQ(gridded[f], scanned[f]) << "seed " << seed << " frame " << f;
      const auto objects = [&](int at) { return tftest::dumpLines(scanned[at], "object "); };
      if (f > 0 && objects(f) != objects(f - 1)) ++moving;
    }
    EXPECT_GT(moving, kFrames * 3 / 4) << "seed " << seed << ": objects keep moving";
  }
}

}  // namespace
