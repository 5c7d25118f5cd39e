// What the benchmarks share: the limits a measurement must keep (one beyond
// its limit is reported as an error), the times of one operation over the
// iterations, the largest game of one map that the toolkit allows, and the
// world editor's editing screen.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "core/system.h"
#include "game/world.h"
#include "menus/ui_model.h"

namespace tfbench {

inline void failBeyond(benchmark::State& state, double value, double limit, const char* what) {
  if (value > limit) state.SkipWithError(what);
}

// Times of one operation over the iterations, in milliseconds.
class operationTimes {
 public:
  template <typename Operation>
  void measure(Operation operation) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    total += ms;
    worst = std::max(worst, ms);
    ++count;
  }
  // Reports the mean and the worst, and fails the benchmark when the mean is beyond `limitMs`.
  void report(benchmark::State& state, double limitMs, const char* what) const {
    const double mean = count ? total / count : 0;
    state.counters["mean_ms"] = mean;
    state.counters["worst_ms"] = worst;
    failBeyond(state, mean, limitMs, what);
  }

 private:
  double total = 0, worst = 0;
  long count = 0;
};

// The largest game on one map: side x side tiles all painted, `objects`
// objects with 15 local sentences each naming other objects, 15 global
// sentences and 1024 phrases.
inline tf::gameWorld largestGame(int side, int objects, const std::string& name) {
  using namespace tf;
  gameWorld game;
  game.allocateMaps(1);
  game.worldSetMap(side, side, "Largest map", 0);
  for (int x = 0; x < side; ++x) {
    for (int y = 0; y < side; ++y) game.worldSetTile(1 + (x * 31 + y) % 250, x, y, 0);
  }
  for (int i = 0; i < objects; ++i) {
    game.worldSetObject(0.3f * (i % 700), 0.15f * (i / 7), 0.1f, 0.12f, 200 + i % 50, i % 7, i, 0);
    game.worldSetObjectName("Object " + std::to_string(i), i, 0);
    for (int k = 0; k < kMaxSentences; ++k) {
      game.mapLocalAddSentence(i, 0);
      game.mapLocalChangeSentence(i, 0, k, kSlotAction, 708 + k % 10);
      game.mapLocalChangeSentence(i, 0, k, kSlotActionOperand, (i + k) % objects);
    }
  }
  for (int k = 0; k < kMaxSentences; ++k) game.mapGlobalAddSentence(0);
  for (int i = 0; i < kPhraseCount; ++i) {
    game.setPhrase(i, "Phrase " + std::to_string(i) + ": the door to the next room opens now.");
  }
  game.setGameName(name);
  return game;
}

// The world editor's editing screen shown (menu 1 of two, in game state 5).
inline void showEditingScreen() {
  using namespace tf;
  gameUI.allocateMenu(2);
  gameUI.setMenuCount(2);
  gameUI.setEditorMenu(1);
  gameUI.setCurrentMenu(1);
  gameSys.setGameState(kStateWorldEditor);
}

}  // namespace tfbench
