// Text measuring and line breaking, which menus, tooltips and notices run for
// every string they show, every frame.
#include <benchmark/benchmark.h>

#include <string>

#include "media/line_break.h"
#include "media/text.h"

namespace {

const std::string kMessage =
    "^rERROR: ^wUnable to load specific game UI, using ^ydefault^w instead. ^2Check the folder.";

void BM_MeasureText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(tf::getDisplayTextSize(kMessage));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kMessage.size()));
}
BENCHMARK(BM_MeasureText);

void BM_FontCell(benchmark::State& state) {
  int column = 0, row = 0;
  for (auto _ : state) {
    for (char c : kMessage) {
      tf::fontCell(c, column, row);
      benchmark::DoNotOptimize(column);
      benchmark::DoNotOptimize(row);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kMessage.size()));
}
BENCHMARK(BM_FontCell);

void BM_BreakIntoLines(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(tf::breakIntoLines(kMessage));
}
BENCHMARK(BM_BreakIntoLines);

}  // namespace
