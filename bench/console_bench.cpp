// The console with a long history: echoing a line (every message the program
// reports goes through it) and laying out the frame it draws, which shows ten
// lines at most. Both should cost the same for ten lines of history as for a
// hundred thousand.
#include <benchmark/benchmark.h>

#include <string>

#include "console/console.h"
#include "console/console_view.h"
#include "core/system.h"

namespace {

const std::string kLine = "^wLoading ^ymaze^w: map 3 of 12, 240 objects, 18 sentences of logic";

tf::debugConsole consoleWith(int64_t lines) {
  tf::debugConsole c;
  for (int64_t i = 0; i < lines; ++i) c.echo(kLine);
  return c;
}

// One more line on a history of range(0) lines.
void BM_EchoOntoHistory(benchmark::State& state) {
  tf::debugConsole c = consoleWith(state.range(0));
  for (auto _ : state) c.echo(kLine);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EchoOntoHistory)->Arg(10)->Arg(1000)->Arg(100000);

// The layout of one open frame over a history of range(0) lines.
void BM_ConsoleFrameLayout(benchmark::State& state) {
  tf::debugConsole c = consoleWith(state.range(0));
  c.enableConsole();
  while (c.getAnimState() != tf::kConsoleOpen) c.beginFrame(true);
  c.setCurrentLine(static_cast<int>(state.range(0) / 2));
  size_t drawn = 0;
  for (auto _ : state) {
    tf::ConsoleView view = tf::consoleView(c, tf::kStateMenus, "_");
    drawn = view.lines.size();
    benchmark::DoNotOptimize(view);
  }
  state.counters["lines_drawn"] = static_cast<double>(drawn);
}
BENCHMARK(BM_ConsoleFrameLayout)->Arg(10)->Arg(1000)->Arg(100000);

}  // namespace
