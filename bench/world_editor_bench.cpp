// The world editor on the largest game of one map (700 x 700 mixed tiles,
// 1024 objects): painting the whole map with one choice of the image chooser
// (through the edits, the history of edits included), and the editor's own
// drawing decisions for one frame (the toolbar, the lower panel, and the
// chooser's page of the game's images).
//
// A measurement beyond its limit is reported as an error: a whole-map paint
// over 50 ms, a frame's decisions over 0.2 ms.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/panel_plan.h"
#include "core/system.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/image_chooser.h"
#include "editor/world_editor_layout.h"
#include "editor/world_editor_maps.h"
#include "game/world.h"
#include "measure.h"
#include "media/images.h"
#include "menus/ui_model.h"

namespace {

using namespace tf;
using tfbench::operationTimes;

constexpr int kSide = kMaxMapSide;
constexpr double kPaintLimitMs = 50;
constexpr double kDecisionsLimitMs = 0.2;
// The toolkit's pictures, then 250 of the game's own.
constexpr int kDefaultImages = 32;
constexpr int kOwnImages = 250;

// The editing screen of the largest game, its images registered, a tile
// range over the whole map selected.
const gameWorld& largestGameInTheEditor() {
  static const gameWorld game = tfbench::largestGame(kSide, kMaxObjects, "Largest");
  world = game;
  world.setGameLoaded(true);
  gameImg.assign(kFirstOwnGameImage + kOwnImages, img());
  for (int i = 0; i < static_cast<int>(gameImg.size()); ++i) {
    gameImg[i].SetPointer(i < kDefaultImages || i >= kFirstOwnGameImage ? i : -1);
  }
  world.setGameImageCount(static_cast<int>(gameImg.size()));
  tfbench::showEditingScreen();
  worldEditor.setEditorMode(kModeTile);
  worldEditor.setCurrentTile(0, 0);
  worldEditor.setEndingTile(kSide - 1, kSide - 1);
  editHistoryLog.clear();
  return game;
}

PickEvent chooserPress(int image) {
  PickEvent e;
  e.code = kPickChooserImage;
  e.green = image / 256;
  e.blue = image % 256;
  e.left = kMousePress;
  return e;
}

void BM_PaintWholeMapWithOneChoice(benchmark::State& state) {
  const gameWorld& mixed = largestGameInTheEditor();
  chooseTileImage();
  operationTimes paint;
  int image = kFirstOwnGameImage;
  for (auto _ : state) {
    // Each choice paints over the mixed tiles, so that the history keeps every old tile.
    state.PauseTiming();
    world = mixed;
    world.setGameImageCount(static_cast<int>(gameImg.size()));
    editHistoryLog.clear();
    image = image == kFirstOwnGameImage ? kFirstOwnGameImage + 1 : kFirstOwnGameImage;
    state.ResumeTiming();
    paint.measure([image] { imageChooserPick(chooserPress(image)); });
  }
  state.counters["history_MB"] = static_cast<double>(editHistoryLog.getBytes()) / (1024.0 * 1024.0);
  paint.report(state, kPaintLimitMs, "painting the whole map took over 50 ms");
}
BENCHMARK(BM_PaintWholeMapWithOneChoice)->Unit(benchmark::kMillisecond)->Iterations(20);

// One frame's decisions: the editing screen, and the image chooser when it
// is open (over the tile panel).
void frameDecisions(benchmark::State& state, const std::vector<int>& modes) {
  largestGameInTheEditor();
  chooseTileImage();
  worldEditor.setImageMenuRow(3);
  PanelPlan plan;
  operationTimes frame;
  std::size_t next = 0;
  for (auto _ : state) {
    worldEditor.setEditorMode(modes[next++ % modes.size()]);
    frame.measure([&plan] {
      plan.clear();
      planWorldEditor(plan);
      if (worldEditor.getEditorMode() == kModeTile) planImageChooser(plan);
      benchmark::DoNotOptimize(plan.items().data());
    });
  }
  frame.report(state, kDecisionsLimitMs, "a frame's drawing decisions took over 0.2 ms");
}

void BM_EditorDecisionsOfEachPanel(benchmark::State& state) {
  frameDecisions(state, {kModeNothing, kModeAnimation, kModeNewMap, kModeEditMap, kModeFog, kModeObject});
}
BENCHMARK(BM_EditorDecisionsOfEachPanel)->Unit(benchmark::kMicrosecond);

void BM_EditorDecisionsWithTheChooserOpen(benchmark::State& state) { frameDecisions(state, {kModeTile}); }
BENCHMARK(BM_EditorDecisionsWithTheChooserOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
