// Numbering the entries of an image folder: every entry is renamed to a
// number (10000, 10001, ... in name order) keeping its extension, so menus and
// maps can refer to pictures by a stable index whatever the files were called.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tf {

// The first number a folder's entries are given.
constexpr int kFirstFolderNumber = 10000;

// Renames entry `from` of the folder to `to`; false when it could not.
using RenameEntry = std::function<bool(const std::string& from, const std::string& to)>;

// Numbers the entries (files and sub-folders) of `folder` and returns their
// names on disk afterwards, in numbering order; a missing folder gives an
// empty list. No entry is ever renamed onto another: an entry that cannot take
// its number keeps a name of its own and is still listed.
std::vector<std::string> numberFolder(const std::string& folder);
// The same with the renaming step given (the default renames on disk).
std::vector<std::string> numberFolder(const std::string& folder, const RenameEntry& rename);

// The order in which entries are numbered: numbered names first by their
// number (so 10002 comes before 100000), then every other name by its bytes,
// the same on every machine.
bool numberedBefore(const std::string& a, const std::string& b);

}  // namespace tf
