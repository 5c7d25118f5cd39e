// A game's folder under games/ and its map file, system/map.cfg: every map
// (size, name, tiles, objects, layers, fog, tile stretch), the animation
// settings of the game's images and the game's phrases. Saving writes the map
// file and then the logic file (game/logic_file.h).
#pragma once

#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "game/config_text.h"

namespace tf {

class gameWorld;
class img;
class scriptObject;

std::string gameFolder(const std::string& game);
std::string mapFilePath(const std::string& game);

// Saves `world` into its game folder (created where missing): map.cfg and
// logic.cfg, which replace the old files together. A game too large for the
// readers is refused with a message and nothing is written (false). A file
// that cannot be written ends the program.
bool saveGameWorld();
// The first part of saving: the game folder made where missing, and the map
// and logic files of `world` ready to be written, added to `files`. False,
// with a message and nothing added, for a game too large for the readers.
bool prepareGameWorldFiles(std::vector<fileWrite>& files);

// Reads map.cfg of the game named by `world` into `world` through scriptMap.
// False, with a message and the world's maps untouched, when the file cannot
// be read or is refused (a newer version, more maps or objects than a game may
// hold, a list without its end marker).
bool loadGameMaps();

// Switches on the animations that the map file read into scriptMap names for
// the game images.
void applyImageAnimations();

// The parts of the above, on given tables and worlds.
configText mapFileText(const gameWorld& game, const std::vector<img>& images);
bool readGameMaps(const scriptObject& table, gameWorld& into, const std::string& source);
void applyImageAnimations(const scriptObject& table, std::vector<img>& images);

}  // namespace tf
