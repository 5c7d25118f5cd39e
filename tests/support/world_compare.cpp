// Worlds compared as the game files keep them, and objects and sentences in
// short text.
#include "world_compare.h"

#include "core/numbers.h"
#include "model_dump.h"

namespace tftest {

::testing::AssertionResult sameStoredWorld(const tf::gameWorld& expected, const tf::gameWorld& actual) {
  return sameDump(storedWorldDump(expected), storedWorldDump(actual));
}

std::string objectText(const tf::gameMap& map, int i) {
  float x = 9, y = 9, w = 9, h = 9, ow = 9, oh = 9;
  int tex = 9, layer = 9;
  map.mapGetObject(x, y, w, h, tex, layer, i);
  map.getObstructionSize(ow, oh, i);
  std::string text;
  for (float v : {x, y, w, h}) text += tf::formatFloat(v) + " ";
  return text + std::to_string(tex) + " " + std::to_string(layer) + " / " + tf::formatFloat(ow) + " " +
         tf::formatFloat(oh);
}

std::string objectText(const tf::gameWorld& game, int obj, int m) {
  const tf::gameMap* map = game.mapAt(m);
  return map ? objectText(*map, obj) : "no map";
}

std::string sentenceText(const tf::sentence& s) {
  std::string text = std::to_string(s.getOwner()) + ":";
  for (int k = 0; k < tf::kSentenceSteps; ++k) text += " " + std::to_string(s.getSentenceStep(k));
  return text;
}

}  // namespace tftest
