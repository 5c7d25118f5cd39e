// The drawing decisions of the logic editor for one frame at its fullest: a
// local logic of 15 sentences, every slot shown (objects with their pictures,
// numbers, global scores, keys), with the word list of the last sentence's
// action open, listing the words around it down the whole screen. Measured
// also without the list, and with the phrase selector over the editor.
#include <benchmark/benchmark.h>

#include "core/panel_plan.h"
#include "core/run_state.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/edits.h"
#include "editor/logic_editor.h"
#include "editor/logic_editor_plan.h"
#include "game/step_ids.h"
#include "game/world.h"
#include "media/images.h"

namespace {

using namespace tf;

constexpr int kObjects = 20;
constexpr int kImages = 64;

// Object 3's local logic, full, with the widest mix of operands.
void fullLocalLogic() {
  resetRunState();
  world = gameWorld();
  worldEditor = editor();
  world.allocateMaps(3);
  for (int m = 0; m < 3; ++m) world.worldSetMap(20, 20, "Map", m);
  world.setGameLoaded(true);
  world.setGameSoundCount(8);
  gameImg.resize(kImages);
  for (int i = 0; i < kObjects; ++i) world.worldSetObject(0.3f * i, 0.3f, 0.1f, 0.1f, i % kImages, 0, i, 0);
  worldEditor.setEditorMode(kModeLocalLogic);
  worldEditor.setCurrentObject(3);
  const logicList list = editedLogicList();
  const int actions[] = {kActionKillObject, kActionPlaySound, kActionAddOneToGlobalScore, kActionGotoMap,
                         kActionDisplayImage, kActionAddToSelfScoreBy};
  for (int s = 0; s < kMaxSentences; ++s) {
    editAddSentence(list, 3);
    editSetSentenceSlots(list, s, {{kSlotOpener, s % 2 ? kOpenerWhileObject : kOpenerWhenObject},
                                   {kSlotConditionOperand, s % kObjects},
                                   {kSlotAction, actions[s % 6]},
                                   {kSlotActionOperand, s % 3}});
  }
  editHistoryLog.clear();
}

void plan(benchmark::State& state) {
  PanelPlan out;
  for (auto _ : state) {
    out.clear();
    planLogicEditor(out);
    planPhraseWindows(out);
    benchmark::DoNotOptimize(out.items().data());
  }
  state.counters["items"] = static_cast<double>(out.items().size());
}

void FullLocalEditorWithOpenWordList(benchmark::State& state) {
  fullLocalLogic();
  worldEditor.setGLTimer(999, kMaxSentences - 1, kSlotAction);
  plan(state);
}
BENCHMARK(FullLocalEditorWithOpenWordList)->Unit(benchmark::kMicrosecond);

void FullLocalEditor(benchmark::State& state) {
  fullLocalLogic();
  plan(state);
}
BENCHMARK(FullLocalEditor)->Unit(benchmark::kMicrosecond);

void FullLocalEditorWithPhraseSelector(benchmark::State& state) {
  fullLocalLogic();
  world.setPhrase(4, "Welcome to the crypt, traveller.");
  worldEditor.setPhraseSelector(1);
  worldEditor.setPhraseSelectorChoice(4);
  plan(state);
}
BENCHMARK(FullLocalEditorWithPhraseSelector)->Unit(benchmark::kMicrosecond);

}  // namespace
