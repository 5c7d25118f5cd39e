// The logic file reader on arbitrary text, attached to a world of one to
// three maps with up to four objects each (chosen by the first two bytes).
// What it reads must be written and read back to the same file; the
// vocabulary and the deletion renumbering must take any step ids read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "console/console.h"
#include "core/script_object.h"
#include "game/logic_file.h"
#include "game/vocabulary.h"
#include "game/world.h"

namespace {

tf::gameWorld shapedWorld(int maps, int objects) {
  tf::gameWorld game;
  game.allocateMaps(maps);
  for (int m = 0; m < maps; ++m) {
    for (int i = 0; i < objects; ++i) game.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, i, m);
  }
  return game;
}

bool read(const std::string& text, tf::gameWorld& game) {
  tf::scriptObject table;
  table.readText(text, "logic.cfg");
  return tf::readGameLogic(table, game, "logic.cfg");
}

void useSteps(tf::gameWorld game) {
  std::string line1, line2;
  for (int m = 0; m < game.getMapCount(); ++m) {
    for (int k = 0; k < game.mapGlobalGetSentenceAmount(m); ++k) {
      tf::sentence s = game.mapGlobalGetWholeSentence(m, k);
      for (int step = 0; step < tf::kSentenceSteps; ++step) {
        tf::stepIDToString(s.getSentenceStep(step), s.getSentenceStep(tf::kSlotOpener));
        tf::stepIDToDescription(s.getSentenceStep(step), line1, line2);
        tf::checkStepType(s.getSentenceStep(step));
      }
    }
    game.worldDeleteObject(0, m);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::console = tf::debugConsole();  // keep the echoed messages from piling up
  if (size < 2) return 0;
  const int maps = 1 + data[0] % 3;
  const int objects = data[1] % 5;
  const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);

  tf::gameWorld game = shapedWorld(maps, objects);
  if (!read(text, game)) return 0;
  const std::string saved = tf::logicFileText(game).str();

  tf::gameWorld again = shapedWorld(maps, objects);
  if (!read(saved, again)) __builtin_trap();
  if (tf::logicFileText(again).str() != saved) __builtin_trap();

  useSteps(game);
  return 0;
}
