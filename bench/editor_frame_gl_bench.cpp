// Whole frames of the largest game of one map (700 x 700 tiles, 1024 objects
// with 15 sentences each) on a real window: open in the world editor's
// editing screen, and played, in the same run. Each frame is the program's
// own: the map, the logic, the menus and the editor's panels, the overlays,
// and the buffer swap. The frame pacing is taken out (a clock that has
// always moved on by a frame), so the rates are what the machine can draw.
//
// Needs a display: run it under xvfb-run. The pictures and menus are those
// of the data tree (TF_DATA_DIR), copied into a working folder of its own.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <string>

#include "app/app.h"
#include "app/glut_platform.h"
#include "app/program.h"
#include "core/camera.h"
#include "core/clock.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "measure.h"
#include "media/images.h"
#include "menus/system_textboxes.h"
#include "menus/ui.h"

namespace {

namespace fs = boost::filesystem;
using namespace tf;

constexpr int kWidth = 800, kHeight = 600;
// Each frame the clock moves on by more than any frame interval.
constexpr int kFrameStepMs = 40;

int fakeNow = 0;

// A copy of the pictures and menus of the data tree as the working folder,
// the window, the toolkit's pictures and menus, and the largest game with
// the game images.
void openProgram() {
  static bool open = false;
  if (open) return;
  open = true;
  char pattern[] = "/tmp/tf-frame-bench-XXXXXX";
  if (!mkdtemp(pattern)) std::abort();
  for (const char* folder : {"uireq", "ui", "map", "system"}) {
    fs::create_directories(fs::path(pattern) / folder);
    for (fs::directory_iterator it(fs::path(TF_DATA_DIR) / folder), end; it != end; ++it) {
      fs::copy_file(it->path(), fs::path(pattern) / folder / it->path().filename());
    }
  }
  fs::current_path(pattern);
  int argc = 1;
  char name[] = "editor_frame_gl_bench";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA | GLUT_DEPTH);
  glutInitWindowSize(kWidth, kHeight);
  glutInitWindowPosition(0, 0);
  glutCreateWindow("Tessera Forge frames");
  connectProgram();
  installWindowPlatform();
  setClockSource([] { return fakeNow; });
  changeSize(kWidth, kHeight);
  loadSysTextboxes();
  loadSysImages();
  loadUI("default", false);
  int images = 0;
  loadGameImages("Largest", images);
  world = tfbench::largestGame(kMaxMapSide, kMaxObjects, "Largest");
  world.setGameImageCount(images);
  world.setGameLoaded(true);
  worldBackup = world;
}

void frames(benchmark::State& state) {
  for (auto _ : state) {
    fakeNow += kFrameStepMs;
    display();
  }
  state.counters["frames_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                           benchmark::Counter::kIsRate);
}

void BM_FrameOfTheLargestGameInTheEditor(benchmark::State& state) {
  openProgram();
  world = worldBackup;
  gameSys.setGameState(kStateWorldEditor);
  loadMenu(gameUI.getEditorMenu());
  worldEditor.setEditorMode(kModeNothing);
  camera.SetPos(kMaxMapSide * kTileSize / 2, kMaxMapSide * kTileSize / 2, 0);
  frames(state);
}
BENCHMARK(BM_FrameOfTheLargestGameInTheEditor)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_FrameOfTheLargestGamePlayed(benchmark::State& state) {
  openProgram();
  world.enterGame();
  gameSys.setGameState(kStatePlay);
  camera.SetPos(kMaxMapSide * kTileSize / 2, kMaxMapSide * kTileSize / 2, 0);
  frames(state);
}
BENCHMARK(BM_FrameOfTheLargestGamePlayed)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace
