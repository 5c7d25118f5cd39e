// Moving between games: creating, loading, leaving and saving a game, the
// in-game menu, and the game loaded automatically at start-up.
#pragma once

#include <string>

namespace tf {

// True exactly for the names of the toolkit's own menu sets, "mainui" and "ingameui".
bool checkGameName(const std::string& name);

// Creates a new game in memory with a first map of w by h tiles and opens it
// in the world editor; nothing is written until the game is saved.
void createGame(const std::string& name, int w, int h);
void loadGame(const std::string& name);
// Opens one of the toolkit's own menu sets ("mainui", "ingameui") for editing.
void loadPredefinedUI(const std::string& name);
void leaveGame();
// Saves the game being edited: maps, logic and menus.
void saveProject();

// The in-game menu: pausing play, resuming it, and returning to the game's
// main menu (the "end game" action).
void loadIngameMenu();
void leaveIngameMenu();
void loadIngameMainMenu();

// Loads the game named in system/autoload.cfg; true when a game was loaded.
bool autoLoadGame();
// The Leave Game button: a game opened from the toolkit's menus returns to
// them; a standalone game, or the toolkit with no game, ends the program.
void leaveGameOrQuit();

}  // namespace tf
