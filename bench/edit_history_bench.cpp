// The history of edits on the largest maps: the memory that ten whole-map
// paints of a 700 x 700 map hold (as the history counts it, and as the
// process's resident size grows), undoing one of them, one drag step of 50
// listed objects, and deleting 50 listed objects from a map of 1024 objects
// with 15 local sentences each.
//
// A measurement beyond its limit is reported as an error: paints over 40 MB
// or counted below what the process really took, an undo of a paint over
// 50 ms, a drag step over 0.1 ms, a deletion over 5 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "editor/edits.h"
#include "game/world.h"
#include "measure.h"

namespace {

using namespace tf;
using tfbench::failBeyond;
using tfbench::operationTimes;

constexpr int kSide = kMaxMapSide;
constexpr int kPaints = 10;
constexpr int kListed = 50;
constexpr double kMB = 1024.0 * 1024.0;
constexpr double kPaintsLimitMB = 40;
constexpr double kUndoPaintLimitMs = 50;
constexpr double kDragStepLimitMs = 0.1;
constexpr double kDeleteLimitMs = 5;

long residentBytes() {
  long pages = 0, resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

// One 700 x 700 map of mixed tiles, the kind that packs worst.
void mixedMap() {
  world = gameWorld();
  editHistoryLog.clear();
  world.allocateMaps(1);
  world.worldSetMap(kSide, kSide, "Largest", 0);
  std::mt19937 rng(1);
  for (int x = 0; x < kSide; ++x) {
    for (int y = 0; y < kSide; ++y) world.worldSetTile(static_cast<int>(rng() % 300), x, y, 0);
  }
}

// A full map: 1024 objects, each with 15 local sentences naming other objects.
void fullMap() {
  world = gameWorld();
  editHistoryLog.clear();
  world.allocateMaps(1);
  world.worldSetMap(100, 100, "Full", 0);
  std::mt19937 rng(2);
  for (int i = 0; i < kMaxObjects; ++i) {
    world.worldSetObject(0.01f * i, 0.02f * i, 0.1f, 0.1f, i % 200, i % 7, i, 0);
    for (int k = 0; k < kMaxSentences; ++k) {
      sentence s;
      s.setWholeSentence(100, static_cast<int>(rng() % kMaxObjects), 300, 400, static_cast<int>(rng() % kMaxObjects),
                         600, 708, static_cast<int>(rng() % kMaxObjects));
      s.assignOwner(i);
      world.mapLocalAppendSentence(i, 0, s);
    }
  }
}

// Objects spread over the whole list, as a selection by hand may be.
std::vector<int> listedObjects() {
  std::vector<int> listed;
  for (int k = 0; k < kListed; ++k) listed.push_back(k * (kMaxObjects / kListed) + 3);
  return listed;
}

void BM_TenWholeMapPaints(benchmark::State& state) {
  double counted = 0, resident = 0;
  for (auto _ : state) {
    state.PauseTiming();
    mixedMap();
    const long before = residentBytes();
    state.ResumeTiming();
    for (int p = 1; p <= kPaints; ++p) editPaintTiles(0, 0, 0, kSide - 1, kSide - 1, p);
    state.PauseTiming();
    counted = static_cast<double>(editHistoryLog.getBytes());
    resident = static_cast<double>(residentBytes() - before);
    state.ResumeTiming();
  }
  state.counters["counted_MB"] = counted / kMB;
  state.counters["resident_growth_MB"] = resident / kMB;
  failBeyond(state, counted / kMB, kPaintsLimitMB, "the paints hold more than 40 MB");
  // Honest counting: the process took no more than the history says (within
  // a page-rounding megabyte).
  failBeyond(state, resident, counted * 1.1 + kMB, "the history holds more than it counts");
}
// One run, first in the program, so that the resident size grows only by what the paints keep.
BENCHMARK(BM_TenWholeMapPaints)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_UndoWholeMapPaint(benchmark::State& state) {
  mixedMap();
  editPaintTiles(0, 0, 0, kSide - 1, kSide - 1, 1);
  operationTimes undo;
  for (auto _ : state) {
    undo.measure([] { editHistoryLog.undo(); });
    state.PauseTiming();
    editHistoryLog.redo();
    state.ResumeTiming();
  }
  undo.report(state, kUndoPaintLimitMs, "undoing a whole-map paint took over 50 ms");
}
BENCHMARK(BM_UndoWholeMapPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DragFiftyObjectsOneStep(benchmark::State& state) {
  fullMap();
  const std::vector<int> listed = listedObjects();
  editHistoryLog.beginStep({kViewMap, 0});
  float direction = 1;
  operationTimes step;
  for (auto _ : state) {
    step.measure([&] { editMoveObjects(0, listed, 0.01f * direction, -0.01f * direction); });
    direction = -direction;
  }
  editHistoryLog.endStep();
  step.report(state, kDragStepLimitMs, "a drag step of 50 objects took over 0.1 ms");
}
BENCHMARK(BM_DragFiftyObjectsOneStep)->Unit(benchmark::kMicrosecond);

void BM_DeleteFiftyListedObjects(benchmark::State& state) {
  fullMap();
  const std::vector<int> listed = listedObjects();
  operationTimes deletion;
  for (auto _ : state) {
    deletion.measure([&] { editDeleteObjects(0, listed); });
    state.PauseTiming();
    editHistoryLog.undo();
    state.ResumeTiming();
  }
  deletion.report(state, kDeleteLimitMs, "deleting 50 listed objects took over 5 ms");
}
BENCHMARK(BM_DeleteFiftyListedObjects)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
