// The per-frame planning of the map's drawing: the objects of a full map put
// in layer order around the camera, in play and in the world editor, and the
// selection marks of every object.
#include <benchmark/benchmark.h>

#include <vector>

#include "game/world.h"
#include "logic/game_render.h"

namespace {

// A 100 x 100 map holding the most objects a map can, spread over all layers
// and over the map, so that some lie around the camera and most do not.
void fillWorld() {
  tf::world = tf::gameWorld();
  tf::world.allocateMaps(1);
  tf::world.worldSetMap(100, 100, "bench", 0);
  tf::world.setGameLoaded(true);
  for (int i = 0; i < tf::kMaxObjects; ++i) {
    const float x = static_cast<float>(i % 32) * 0.3f;
    const float y = static_cast<float>(i / 32) * 0.3f;
    tf::world.worldSetObject(x, y, 0.1f, 0.1f, 0, i % 8, i, 0);
    if (i % 5 == 0) tf::world.mapLocalAddSentence(i, 0);
  }
}

void BM_PlanObjects(benchmark::State& state) {
  fillWorld();
  const tf::MapView view = state.range(0) == 0 ? tf::MapView::Game : tf::MapView::Editor;
  const tf::MapEditView edit;
  std::vector<tf::ObjectDraw> drawn;
  for (auto _ : state) {
    tf::planObjects(tf::world, 0, 4.8f, 4.8f, view, edit, 0.7f, drawn);
    benchmark::DoNotOptimize(drawn.data());
  }
  state.counters["drawn"] = static_cast<double>(drawn.size());
  state.SetItemsProcessed(state.iterations() * tf::kMaxObjects);
}
BENCHMARK(BM_PlanObjects)->Arg(0)->Arg(1)->ArgName("editor");

void BM_PlanSelectionMarks(benchmark::State& state) {
  fillWorld();
  tf::MapEditView edit;
  edit.markAll = true;
  std::vector<tf::SelectionMark> marks;
  for (auto _ : state) {
    tf::planSelectionMarks(tf::world, 0, 4.8f, 4.8f, edit, marks);
    benchmark::DoNotOptimize(marks.data());
  }
  state.counters["marked"] = static_cast<double>(marks.size());
}
BENCHMARK(BM_PlanSelectionMarks);

}  // namespace
