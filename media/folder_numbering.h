// Numbering the entries of a folder: every entry is renamed to a number
// (10000, 10001, ... in name order for pictures, 1000.wav, 1001.wav, ... for
// sounds), so menus, maps and logic can refer to files by a stable index
// whatever the files were called.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tf {

// The first number a folder's entries are given.
constexpr int kFirstFolderNumber = 10000;

// How the entries are named: numbers from `first` on, and either each
// entry's own extension (an empty `extension`) or `extension` for all.
struct NumberingScheme {
  int first = kFirstFolderNumber;
  std::string extension;
};

// Renames entry `from` of the folder to `to`; false when it could not.
using RenameEntry = std::function<bool(const std::string& from, const std::string& to)>;

// Numbers the entries (files and sub-folders) of `folder` and returns their
// names on disk afterwards, in numbering order; a missing folder gives an
// empty list. No entry is ever renamed onto another: an entry that cannot take
// its number keeps a name of its own and is still listed.
std::vector<std::string> numberFolder(const std::string& folder);
// The same with the renaming step given (the default renames on disk).
std::vector<std::string> numberFolder(const std::string& folder, const RenameEntry& rename);
// The same with another naming scheme.
std::vector<std::string> numberFolder(const std::string& folder, const NumberingScheme& scheme);
std::vector<std::string> numberFolder(const std::string& folder, const NumberingScheme& scheme,
                                      const RenameEntry& rename);

// The order in which entries are numbered: numbered names first by their
// number (so 10002 comes before 100000), then every other name by its bytes,
// the same on every machine.
bool numberedBefore(const std::string& a, const std::string& b);

}  // namespace tf
