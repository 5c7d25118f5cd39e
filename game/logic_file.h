// A game's logic file, system/logic.cfg: the step ids of the global sentences
// of every map and of the local sentences of every object. Owners come from
// where a sentence is attached; state and timers start afresh on reading.
#pragma once

#include <string>

#include "game/config_text.h"

namespace tf {

class gameWorld;
class scriptObject;

std::string logicFilePath(const std::string& game);

// Reads logic.cfg of the game named by `world` through scriptLogic and
// attaches its sentences to the maps and objects already read. False, with
// nothing attached, when the file cannot be read or is of a newer version.
bool loadGameLogic();

// The parts of the above, on given tables and worlds.
configText logicFileText(const gameWorld& game);
bool readGameLogic(const scriptObject& table, gameWorld& into, const std::string& source);

}  // namespace tf
