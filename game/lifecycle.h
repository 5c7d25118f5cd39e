// Moving between games: creating, loading, leaving and saving a game, the
// in-game menu, and the game loaded automatically at start-up.
#pragma once

#include <string>

namespace tf {

// True exactly for the names of the toolkit's own menu sets, "mainui" and "ingameui".
bool checkGameName(const std::string& name);

void loadGame(const std::string& name);
void leaveGame();

// Loads the game named in system/autoload.cfg; true when a game was loaded.
bool autoLoadGame();

}  // namespace tf
