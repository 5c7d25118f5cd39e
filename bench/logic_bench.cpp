// One frame of logic on the heaviest map the toolkit allows: 1024 objects on
// one layer, each with 15 local sentences whose conditions are touch tests
// ("touching", "any touch" and their sides, "not touching") and whose actions
// move objects (steps and seeks), so the objects keep moving from frame to
// frame. Measured with the collision grid and with the plain scan over every
// object, and both side by side on the same frames (GridVersusScan reports
// the two times and their ratio).
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <utility>

#include "core/run_state.h"
#include "core/system.h"
#include "game/world.h"
#include "logic/collision.h"
#include "logic/evaluation.h"

namespace {

using namespace tf;

constexpr int kSide = 32;  // 32 x 32 objects
constexpr float kSpacing = 0.3f;
constexpr int kWarmUpFrames = 5;

int neighbour(std::mt19937& rng, int i) {
  const int offsets[] = {1, -1, kSide, -kSide, kSide + 1, -kSide - 1};
  const int j = i + offsets[std::uniform_int_distribution<int>(0, 5)(rng)];
  return j >= 0 && j < kSide * kSide ? j : (i + 1) % (kSide * kSide);
}

// The sentence k of object i: a touch condition on itself, and an action
// that moves it or a neighbour.
sentence heavySentence(std::mt19937& rng, int i, int k) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  const int condition = k % 3 == 0 ? pick(400, 404) : (k % 3 == 1 ? pick(405, 409) : (pick(0, 1) ? 410 : 405));
  const int polarity = pick(0, 2) == 0 ? 301 : 300;
  int action = pick(710, 713);
  int operand = pick(0, 3) == 0 ? neighbour(rng, i) : i;
  if (pick(0, 3) == 0) {
    action = 723;  // seek a neighbour
    operand = neighbour(rng, i);
  }
  sentence s;
  s.setWholeSentence(101, i, polarity, condition, neighbour(rng, i), 600, action, operand);
  s.assignOwner(i);
  return s;
}

gameWorld heaviestWorld() {
  gameWorld w;
  w.allocateMaps(1);
  w.worldSetMap(kSide, kSide, "Heaviest", 0);
  std::mt19937 rng(2024);
  std::uniform_real_distribution<float> jitter(-0.06f, 0.06f);
  for (int i = 0; i < kSide * kSide; ++i) {
    const float x = (i % kSide) * kSpacing + jitter(rng);
    const float y = (i / kSide) * kSpacing + jitter(rng);
    w.worldSetObject(x, y, 0.1f, 0.1f, 0, 0, i, 0);
    for (int k = 0; k < kMaxSentences; ++k) w.mapLocalAppendSentence(i, 0, heavySentence(rng, i, k));
  }
  w.setGameLoaded(true);
  return w;
}

// The world after a few frames, so that objects are already on the move.
const gameWorld& startingWorld() {
  static const gameWorld start = [] {
    world = heaviestWorld();
    gameSys.setGameState(kStatePlay);
    resetRunState();
    setCollisionSearch(CollisionSearch::Grid);
    for (int f = 0; f < kWarmUpFrames; ++f) updateLogic(false);
    return world;
  }();
  return start;
}

void prepare(CollisionSearch search) {
  world = startingWorld();
  gameSys.setGameState(kStatePlay);
  setCollisionSearch(search);
  std::as_const(world).mapAt(0)->mapCollisionGrid();
}

void BM_LogicFrame(benchmark::State& state) {
  const CollisionSearch search = state.range(0) == 0 ? CollisionSearch::Grid : CollisionSearch::Scan;
  prepare(search);
  for (auto _ : state) updateLogic(false);
  state.SetLabel(search == CollisionSearch::Grid ? "grid" : "plain scan");
}
BENCHMARK(BM_LogicFrame)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LogicFrame)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(4);

// How many objects stand elsewhere in `after` than in `before`.
int movedObjects(const gameWorld& before, const gameWorld& after) {
  int moved = 0;
  for (int i = 0; i < before.worldGetObjectCount(0); ++i) {
    float x0, y0, x1, y1, w, h;
    int tex, layer;
    before.worldGetObject(x0, y0, w, h, tex, layer, i, 0);
    after.worldGetObject(x1, y1, w, h, tex, layer, i, 0);
    if (x0 != x1 || y0 != y1) ++moved;
  }
  return moved;
}

// Each iteration runs the same frame twice from the same world, once with
// each search; the results are equal, so the next frame starts from either.
void BM_GridVersusScan(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  prepare(CollisionSearch::Grid);
  gameWorld before;
  double scanMs = 0, gridMs = 0, moved = 0;
  for (auto _ : state) {
    before = world;
    setCollisionSearch(CollisionSearch::Scan);
    auto t0 = Clock::now();
    updateLogic(false);
    scanMs += std::chrono::duration<double, std::milli>(Clock::now() - t0).count();

    world = before;
    setCollisionSearch(CollisionSearch::Grid);
    std::as_const(world).mapAt(0)->mapCollisionGrid();
    t0 = Clock::now();
    updateLogic(false);
    gridMs += std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    moved += movedObjects(before, world);
  }
  const double frames = static_cast<double>(state.iterations());
  state.counters["scan_ms"] = scanMs / frames;
  state.counters["grid_ms"] = gridMs / frames;
  state.counters["scan_per_grid"] = scanMs / gridMs;
  state.counters["objects_moved"] = moved / frames;
}
BENCHMARK(BM_GridVersusScan)->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace
