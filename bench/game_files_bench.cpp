// Saving and loading the game files. The largest game on one map: 700 x 700
// tiles all painted, 1024 objects with 15 local sentences each, 15 global
// sentences and 1024 phrases. Loading is also measured at several map sizes
// to show its growth with the number of keys, and against a plain line count
// of the same file (what `wc -l` does).
//
// Set TF_BENCH_KEEP=1 to keep the saved game folder (its path is printed) for
// measurements outside this program.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/logic_file.h"
#include "game/map_file.h"
#include "game/world.h"
#include "measure.h"

namespace {

namespace fs = boost::filesystem;
using namespace tf;

constexpr const char* kGame = "Largest";

// A working folder of the benchmark's own for the whole run.
class BenchFolder {
 public:
  BenchFolder() {
    char pattern[] = "/tmp/tf-bench-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    path_ = pattern;
    fs::current_path(path_);
  }
  ~BenchFolder() {
    if (std::getenv("TF_BENCH_KEEP")) {
      std::fprintf(stderr, "game folder kept in %s/games\n", path_.c_str());
      return;
    }
    boost::system::error_code ignored;
    fs::remove_all(path_, ignored);
  }

 private:
  std::string path_;
};

BenchFolder& benchFolder() {
  static BenchFolder folder;
  return folder;
}

// Messages of the save and load go to standard output; they are kept out of
// the benchmark's table while a measurement runs.
class QuietOutput {
 public:
  QuietOutput() {
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    close(devNull);
  }
  ~QuietOutput() {
    std::fflush(stdout);
    dup2(saved_, STDOUT_FILENO);
    close(saved_);
  }

 private:
  int saved_;
};

gameWorld largestGame(int side, int objects) { return tfbench::largestGame(side, objects, kGame); }

void saveGame(const gameWorld& game) {
  benchFolder();
  world = game;
  QuietOutput quiet;
  saveGameWorld();
}

void loadGame() {
  world = gameWorld();
  world.setGameName(kGame);
  if (!loadGameMaps() || !loadGameLogic()) std::abort();
}

void BM_SaveLargestGame(benchmark::State& state) {
  world = largestGame(kMaxMapSide, kMaxObjects);
  benchFolder();
  QuietOutput quiet;
  for (auto _ : state) saveGameWorld();
}
BENCHMARK(BM_SaveLargestGame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadLargestGame(benchmark::State& state) {
  saveGame(largestGame(kMaxMapSide, kMaxObjects));
  QuietOutput quiet;
  for (auto _ : state) loadGame();
  state.counters["objects"] = world.worldGetObjectCount(0);
}
BENCHMARK(BM_LoadLargestGame)->Unit(benchmark::kMillisecond)->UseRealTime();

// What `wc -l` does with the map file of the largest game: read it, count
// line feeds.
void BM_CountLinesOfLargestMapFile(benchmark::State& state) {
  saveGame(largestGame(kMaxMapSide, kMaxObjects));
  std::string path = mapFilePath(kGame);
  std::size_t lines = 0;
  for (auto _ : state) {
    lines = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    static char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
      for (const char* p = buffer; (p = static_cast<const char*>(std::memchr(p, '\n', buffer + got - p)));
           ++p) {
        ++lines;
      }
    }
    std::fclose(file);
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CountLinesOfLargestMapFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Loading a map of side x side painted tiles: the time per key must not grow
// with the number of keys.
void BM_LoadBySize(benchmark::State& state) {
  int side = static_cast<int>(state.range(0));
  saveGame(largestGame(side, 0));
  QuietOutput quiet;
  for (auto _ : state) loadGame();
  state.SetComplexityN(static_cast<std::int64_t>(side) * side);
  state.counters["keys"] = static_cast<double>(side) * side;
  state.counters["ns_per_key"] =
      benchmark::Counter(static_cast<double>(side) * side, benchmark::Counter::kIsIterationInvariantRate |
                                                               benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadBySize)
    ->Arg(88)
    ->Arg(175)
    ->Arg(350)
    ->Arg(700)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

}  // namespace
