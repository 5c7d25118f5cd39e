// The map file reader on arbitrary text. Whatever it accepts must be written
// and read back to the same file (a loaded game always saves and loads again),
// and the model must take the usual editing on what was read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "core/script_object.h"
#include "game/map_file.h"
#include "game/world.h"
#include "media/images.h"

namespace {

constexpr int kImages = 8;

// Reads `text` as a map file; false when refused.
bool read(const std::string& text, tf::gameWorld& game, std::vector<tf::img>& images) {
  tf::scriptObject table;
  table.readText(text, "map.cfg");
  if (!tf::readGameMaps(table, game, "map.cfg")) return false;
  images.assign(kImages, tf::img());
  tf::applyImageAnimations(table, images);
  return true;
}

void edit(tf::gameWorld game) {
  for (int m = 0; m < game.getMapCount(); ++m) {
    game.worldCopyObject(0, m, 0);
    game.worldDeleteObject(0, m);
    game.worldDeleteObject(game.worldGetObjectCount(m) - 1, m);
  }
  game.copyMap(0, game.getMapCount() - 1);
  game.worldDeleteMap(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::console = tf::debugConsole();  // keep the echoed messages from piling up
  const std::string text(reinterpret_cast<const char*>(data), size);

  tf::gameWorld game;
  std::vector<tf::img> images;
  if (!read(text, game, images)) return 0;
  const std::string saved = tf::mapFileText(game, images).str();

  tf::gameWorld again;
  std::vector<tf::img> imagesAgain;
  if (!read(saved, again, imagesAgain)) __builtin_trap();
  if (tf::mapFileText(again, imagesAgain).str() != saved) __builtin_trap();

  edit(game);
  return 0;
}
