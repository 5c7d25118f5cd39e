// The game world model.
#include "game/world.h"

namespace tf {

gameWorld world;
gameWorld worldBackup;

void gameWorld::clearMapData() {
  if (!gameLoaded) return;
  currentMap = 0;
  gameLoaded = false;
  mapCount = 0;
  gameName = "New Game";
}

}  // namespace tf
