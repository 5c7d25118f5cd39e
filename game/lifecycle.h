// Moving between games: creating, loading, leaving and saving a game, the
// in-game menu, and the game loaded automatically at start-up.
#pragma once

#include <functional>
#include <string>

namespace tf {

// What the editors hear of games coming and going, so that they forget or
// set up their selection and panels.
enum class LifecycleEvent {
  PreviousGameCleared,  // a game held before is dropped for another
  ToolkitMenusShown,    // the toolkit's own menus are back
  GameLeft,             // the game was left
  GameCreated,          // a new game is open for editing
  MenuSetOpened,        // one of the toolkit's menu sets is open for editing
  MapChangedInEditor,   // the world editor shows another map
};
// The editors' part; the top of the program installs it at start-up.
void setEditorLifecycle(std::function<void(LifecycleEvent)> editors);

// Creates a new game in memory with a first map of w by h tiles and opens it
// in the world editor; nothing is written until the game is saved.
void createGame(const std::string& name, int w, int h);
void loadGame(const std::string& name);
// Opens one of the toolkit's own menu sets ("mainui", "ingameui") for editing.
void loadPredefinedUI(const std::string& name);
void leaveGame();
// Saves the game being edited: maps, logic and menus, all or none of them.
// False when they could not be written: the files on disk stay as they were,
// the game stays in memory, and a notice and the log say why.
bool saveProject();

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

// Button functions: load or create the game named in UI string `string`.
void loadNamedGame(int string);
void createNamedGame(int string);

// Makes m the current map; ignored unless m is a map of the game. In the
// world editor the editor's selection is reset and the camera centred on the
// map; elsewhere the camera goes to the origin.
void changeMap(int m);

}  // namespace tf
