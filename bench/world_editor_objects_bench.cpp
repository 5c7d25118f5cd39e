// Objects in the world editor on the largest game of one map (1024 objects
// with 15 local sentences each naming other objects): deleting a list of 50
// (the logic of the whole map renumbered, the history of edits included),
// and one drag event moving a list of 50 within the drag's one step.
//
// A measurement beyond its limit is reported as an error: a deletion over
// 5 ms, a drag event over 0.1 ms.
#include <benchmark/benchmark.h>

#include "core/system.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/world_editor_objects.h"
#include "game/world.h"
#include "measure.h"
#include "menus/ui_model.h"

namespace {

using namespace tf;
using tfbench::operationTimes;

constexpr double kDeleteLimitMs = 5;
constexpr double kDragLimitMs = 0.1;
// The listed objects lie spread over the map's list, every twentieth.
constexpr int kListStride = 20;

// The editing screen of the largest game with 50 objects listed.
const gameWorld& largestGameWithAList() {
  static const gameWorld game = tfbench::largestGame(kMaxMapSide, kMaxObjects, "Largest");
  world = game;
  world.setGameLoaded(true);
  tfbench::showEditingScreen();
  worldEditor.setEditorMode(kModeObject);
  worldEditor.resetObjectList();
  for (int slot = 0; slot < kObjectListSize; ++slot) worldEditor.setObjectList(slot, 1 + slot * kListStride);
  worldEditor.setObjectListAmount(kObjectListSize);
  editHistoryLog.clear();
  return game;
}

void BM_DeleteFiftyListedObjects(benchmark::State& state) {
  const gameWorld& full = largestGameWithAList();
  operationTimes deletion;
  for (auto _ : state) {
    state.PauseTiming();
    largestGameWithAList();
    world = full;
    state.ResumeTiming();
    deletion.measure([] { deleteSelectedObjects(); });
  }
  deletion.report(state, kDeleteLimitMs, "deleting 50 listed objects took over 5 ms");
}
BENCHMARK(BM_DeleteFiftyListedObjects)->Unit(benchmark::kMillisecond)->Iterations(30);

DragEvent pointerAt(double x, double y) {
  DragEvent e;
  e.overlayX = 400;
  e.overlayY = 300;
  e.worldX = x;
  e.worldY = y;
  return e;
}

void BM_DragFiftyListedObjectsOneEvent(benchmark::State& state) {
  largestGameWithAList();
  beginObjectDrag();
  dragObjects(pointerAt(10, 10));  // takes the position
  operationTimes event;
  double x = 10;
  for (auto _ : state) {
    // Back and forth, so that the objects stay where they are on the map.
    x = x == 10 ? 10.05 : 10;
    event.measure([x] { dragObjects(pointerAt(x, 10)); });
  }
  endObjectDrag();
  state.counters["history_steps"] = static_cast<double>(editHistoryLog.getStepCount());
  event.report(state, kDragLimitMs, "one drag event of 50 listed objects took over 0.1 ms");
}
BENCHMARK(BM_DragFiftyListedObjectsOneEvent)->Unit(benchmark::kMicrosecond);

}  // namespace
