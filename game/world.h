// The in-memory game: its name, whether it is loaded, and its run-time state.
// `world` is the game in use; `worldBackup` the state a game starts from.
#pragma once

#include <string>

namespace tf {

class gameWorld {
 public:
  void setGameLoaded(bool loaded) { gameLoaded = loaded; }
  bool getGameLoaded() const { return gameLoaded; }
  void setGameName(const std::string& name) { gameName = name; }
  std::string getGameName() const { return gameName; }
  int getMapCount() const { return mapCount; }
  void setGameImageCount(int count) { gameImageCount = count; }
  int getGameImageCount() const { return gameImageCount; }
  int getCurrentMap() const { return currentMap; }

  // Empties the world when a game is loaded.
  void clearMapData();

 private:
  bool gameLoaded = false;
  int currentMap = 0;
  int mapCount = 0;
  std::string gameName = "New Game";
  int gameImageCount = 0;
};

extern gameWorld world;
extern gameWorld worldBackup;

}  // namespace tf
