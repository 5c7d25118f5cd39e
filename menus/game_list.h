// The list of game folders under games/ that the game browser shows.
#pragma once

namespace tf {

// Rebuilds the browser's list of game folder names (at most 128, by name).
void updateGameList();

}  // namespace tf
