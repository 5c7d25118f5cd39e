// The menu files: reading a menu set into the menu model and writing the model
// back. The reader reads exactly what the writer writes.
#pragma once

#include <ostream>
#include <string>

#include "core/atomic_file.h"

namespace tf {

// The toolkit's own menu sets: its menus as shown, the same file opened for
// editing, and the in-game menus of games without menus of their own.
constexpr const char* kToolkitMenuSet = "default";
constexpr const char* kMainMenuSet = "mainui";
constexpr const char* kIngameMenuSet = "ingameui";

// True for the names of the toolkit's own menu sets. A game folder of such a
// name would read, and on saving overwrite, the toolkit's files, so none of
// them is ever a game name.
bool isToolkitMenuSet(const std::string& name);
// The file a toolkit menu set is kept in (system/ui.cfg, system/ingameui.cfg);
// "" for any other name.
std::string toolkitMenuFile(const std::string& name);

// Loads a menu set: "default" (the toolkit's menus), "mainui" (the same file
// opened for editing), "ingameui" (the in-game menus) or a game's name. With
// `clear` the previous file's entries are dropped first and loading-screen
// frames are shown. A damaged file is read as far as it is sound, with a
// message for every fault; when no menu can be read at all a built-in menu
// that offers Quit is shown instead.
void loadUI(const std::string& name, bool clear);

// Writes the menus to the file of menu set `name`: system/ui.cfg for "mainui",
// system/ingameui.cfg for "ingameui", else games/<name>/system/ui.cfg. A file
// that cannot be written ends the program.
void saveUI(const std::string& name);
// The first part of saving them: the folders made where missing, and the
// menu file of `name` ready to be written.
fileWrite prepareUIFile(const std::string& name);
// The text of the menu file of the menus as they are, as saving writes it.
void writeMenuText(std::ostream& out);
// Reads the menus (their ids, elements and image animations) from the text of
// a menu file, in place of those loaded; the menu images stay. False, with
// the menus as they were (only the table of entries read is the text's),
// when the text holds no menu.
bool readMenuText(const std::string& text, const std::string& source);

}  // namespace tf
