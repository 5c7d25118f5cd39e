// The recovery copy of the largest game of one map (700 x 700 tiles, 1024
// objects with 15 local sentences each, 1024 phrases): how long writing the
// copy holds up a frame, once a minute while changes are not saved, and how
// long checking it takes when the game is opened. Each is reported as an
// error beyond one second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <string>

#include "core/system.h"
#include "editor/edits.h"
#include "editor/recovery.h"
#include "game/world.h"
#include "measure.h"
#include "menus/ui_model.h"

namespace {

using namespace tf;
using tfbench::operationTimes;

constexpr double kLimitMs = 1000;
constexpr const char* kGame = "largest";

// A working folder of its own holding the game's folder, removed at the end.
class scratchFolder {
 public:
  scratchFolder() {
    char pattern[] = "/tmp/tf-recovery-bench-XXXXXX";
    path = mkdtemp(pattern);
    previous = boost::filesystem::current_path().string();
    boost::filesystem::current_path(path);
    boost::filesystem::create_directories(std::string("games/") + kGame + "/system");
  }
  ~scratchFolder() {
    boost::filesystem::current_path(previous);
    boost::system::error_code ignored;
    boost::filesystem::remove_all(path, ignored);
  }

 private:
  std::string path, previous;
};

void editedLargestGame() {
  world = tfbench::largestGame(kMaxMapSide, kMaxObjects, kGame);
  world.setGameName(kGame);
  world.setGameLoaded(true);
  gameUI.allocateMenu(1);
  gameUI.setMenuCount(1);
  gameSys.setGameState(kStateWorldEditor);
  editHistoryLog.clear();
}

void BM_WriteRecoveryCopyOfTheLargestGame(benchmark::State& state) {
  scratchFolder folder;
  editedLargestGame();
  operationTimes writes;
  int image = 1;
  for (auto _ : state) {
    state.PauseTiming();
    editPaintTiles(0, 5, 5, 5, 5, ++image);  // a change not yet in the copy
    state.ResumeTiming();
    writes.measure([&] {
      if (!writeRecoveryCopy()) state.SkipWithError("the copy was not written");
    });
  }
  writes.report(state, kLimitMs, "writing the recovery copy took over a second");
}
BENCHMARK(BM_WriteRecoveryCopyOfTheLargestGame)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CheckRecoveryCopyOfTheLargestGame(benchmark::State& state) {
  scratchFolder folder;
  editedLargestGame();
  editPaintTiles(0, 5, 5, 5, 5, 7);
  writeRecoveryCopy();
  operationTimes checks;
  for (auto _ : state) {
    checks.measure([&] {
      if (findRecoveryCopy(kGame) != RecoveryCopy::Offered) state.SkipWithError("the copy was not found whole");
    });
  }
  checks.report(state, kLimitMs, "checking the recovery copy took over a second");
}
BENCHMARK(BM_CheckRecoveryCopyOfTheLargestGame)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
