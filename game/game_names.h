// Game names come from what a person types, from the autoload file and from
// the console; they become folder names under games/. This module decides
// which names may be used that way and how a refused name is shown.
#pragma once

#include <string>

namespace tf {

// Folder names longer than this cannot be made on common file systems.
constexpr std::size_t kMaxGameNameLength = 255;

// True when `name` can only ever mean a folder directly inside games/: not
// empty, at most kMaxGameNameLength bytes, without path separators ('/' and
// '\\'), a drive colon or control characters, and not made of dots and
// spaces alone ("." and ".." among them).
bool isSafeGameName(const std::string& name);

// True for the names of the toolkit's own menu sets: "default" (its menus and
// help), "mainui" and "ingameui" (its two menu files). A game folder of such a
// name would read, and on saving overwrite, the toolkit's files, so none of
// them is ever a game name.
bool isToolkitMenuSet(const std::string& name);

// True when games/<name>/system/map.cfg is a file that can be opened for reading; false for
// every name that isSafeGameName refuses, whatever lies outside games/.
bool gameMapFileOpens(const std::string& name);

// The name as a message may show it: control characters replaced by '?' and
// a long name shortened, so that a refused name cannot break a log line or
// push a notice past its length.
std::string shownGameName(const std::string& name);

}  // namespace tf
