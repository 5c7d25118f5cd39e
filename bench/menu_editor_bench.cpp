// The menu editor's share of a frame and of a drag: planning its panel with a
// button selected, the tips bar and the longest welcome window (each planned
// every frame and in every pick pass), and one move of a drag of a button,
// whose history stays one change however long the drag goes on.
//
// A measurement beyond its limit is reported as an error: a plan over 0.1 ms
// on average (a frame at 30 frames a second has 33 ms for everything), or a
// drag whose history grows with its moves.
#include <benchmark/benchmark.h>

#include <chrono>

#include "core/system.h"
#include "editor/edits.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/menu_editor_panel.h"
#include "editor/tips_bar.h"
#include "editor/welcome_window.h"
#include "menus/ui_model.h"

namespace {

using namespace tf;

constexpr double kPlanLimitMs = 0.1;
constexpr benchmark::IterationCount kJudgedIterations = 100;

// A menu of 20 buttons and 20 lines of text in the menu editor, button 3 selected.
void editedMenu() {
  gameUI = UI();
  gameUI.allocateMenu(1);
  gameUI.setMenuCount(1);
  for (int i = 0; i < 20; ++i) {
    gameUI.uiModifyButton(400, 20.0f * i, 100, 25, 2, 0, 0, 0, i);
    gameUI.uiModifyText(50, 20.0f * i, 1, 1, 1, "^yA line of ^wtext " + std::to_string(i), 0, i);
  }
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setEditorMode(kMenuModeButton);
  worldEditor.setCurrentButton(3);
}

template <typename Plan>
void measurePlan(benchmark::State& state, Plan plan) {
  editedMenu();
  PanelPlan out;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    out.clear();
    plan(out);
    benchmark::DoNotOptimize(out.items().data());
  }
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  const double meanMs = took.count() / static_cast<double>(state.iterations());
  state.counters["mean_ms"] = meanMs;
  // The library first tries a few iterations, cold, to choose how many to run.
  if (state.iterations() >= kJudgedIterations && meanMs > kPlanLimitMs) {
    state.SkipWithError("a plan took longer than 0.1 ms");
  }
}

void BM_MenuEditorPanel(benchmark::State& state) { measurePlan(state, planMenuEditorPanel); }
BENCHMARK(BM_MenuEditorPanel);

void BM_TipsBar(benchmark::State& state) {
  measurePlan(state, [](PanelPlan& out) { planTipsBar(kStateMenuEditor, 4, out); });
}
BENCHMARK(BM_TipsBar);

void BM_WelcomeWindow(benchmark::State& state) {
  measurePlan(state, [](PanelPlan& out) { planWelcome(kWelcomeWorldEditor, out); });
}
BENCHMARK(BM_WelcomeWindow);

void BM_DragMove(benchmark::State& state) {
  editedMenu();
  editHistoryLog.clear();
  editHistoryLog.beginStep();
  editModifyButton(0, 3, 401, 60, 100, 25, 2);
  const std::size_t oneMove = editHistoryLog.getBytes();
  float x = 400;
  for (auto _ : state) {
    x = x > 700 ? 100 : x + 1;
    editModifyButton(0, 3, x, 60, 100, 25, 2);
  }
  editHistoryLog.endStep();
  state.counters["history_bytes"] = static_cast<double>(editHistoryLog.getBytes());
  if (editHistoryLog.getBytes() > oneMove + 1024) state.SkipWithError("the drag's history grew with its moves");
  editHistoryLog.clear();
}
BENCHMARK(BM_DragMove);

}  // namespace
