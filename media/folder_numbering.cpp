// Folder numbering in passes that never overwrite an entry: entries to move
// are first parked under free temporary names, then moved to their numbers.
#include "media/folder_numbering.h"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <set>

namespace tf {
namespace {

namespace fs = boost::filesystem;

// How many temporary names are tried for one entry before it stays put.
constexpr int kParkingTries = 16;

bool isNumber(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The part of a name before its first dot, and after it; a name without a
// dot is all extension.
std::string stemOf(const std::string& name) {
  std::size_t dot = name.find('.');
  return dot == std::string::npos ? std::string() : name.substr(0, dot);
}
std::string extensionOf(const std::string& name) {
  std::size_t dot = name.find('.');
  return dot == std::string::npos ? name : name.substr(dot + 1);
}

// A decimal number without its leading zeros, so numbers compare by length
// and then by digits.
std::string significantDigits(const std::string& digits) {
  std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? std::string() : digits.substr(first);
}

std::vector<std::string> listFolder(const fs::path& folder) {
  std::vector<std::string> names;
  boost::system::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), numberedBefore);
  return names;
}

bool renameOnDisk(const fs::path& folder, const std::string& from, const std::string& to) {
  boost::system::error_code error;
  fs::rename(folder / from, folder / to, error);
  return !error;
}

// The folder's entries as the renaming goes on: which names are in use, on
// disk or by an entry of the listing.
class FolderNames {
 public:
  FolderNames(const fs::path& folder, const std::vector<std::string>& names)
      : folder_(folder), used_(names.begin(), names.end()) {}

  // A name that cannot be checked (too long, say) counts as in use, and so
  // does a link that leads nowhere.
  bool inUse(const std::string& name) const {
    if (used_.count(name) > 0) return true;
    boost::system::error_code error;
    return fs::symlink_status(folder_ / name, error).type() != fs::file_not_found;
  }

  // Renames `from` to `to` when `to` is free; true when the entry moved.
  bool move(std::string& from, const std::string& to, const RenameEntry& rename) {
    if (to.empty() || inUse(to) || !rename(from, to)) return false;
    used_.erase(from);
    used_.insert(to);
    from = to;
    return true;
  }

  // A free name to park an entry under on its way to `target`; empty when
  // none is found.
  std::string parkingName(const std::string& target) const {
    std::string name = "~" + target;
    for (int tries = 0; tries < kParkingTries; ++tries, name = "~" + name) {
      if (!inUse(name)) return name;
    }
    return std::string();
  }

 private:
  fs::path folder_;
  std::set<std::string> used_;
};

}  // namespace

bool numberedBefore(const std::string& a, const std::string& b) {
  const std::string stemA = stemOf(a), stemB = stemOf(b);
  const bool numberA = isNumber(stemA), numberB = isNumber(stemB);
  if (numberA != numberB) return numberA;
  if (numberA) {
    const std::string digitsA = significantDigits(stemA), digitsB = significantDigits(stemB);
    if (digitsA.size() != digitsB.size()) return digitsA.size() < digitsB.size();
    if (digitsA != digitsB) return digitsA < digitsB;
  }
  return a < b;
}

std::vector<std::string> numberFolder(const std::string& folder) {
  return numberFolder(folder, NumberingScheme());
}

std::vector<std::string> numberFolder(const std::string& folder, const RenameEntry& rename) {
  return numberFolder(folder, NumberingScheme(), rename);
}

std::vector<std::string> numberFolder(const std::string& folder, const NumberingScheme& scheme) {
  const fs::path dir(folder);
  return numberFolder(folder, scheme, [dir](const std::string& from, const std::string& to) {
    return renameOnDisk(dir, from, to);
  });
}

std::vector<std::string> numberFolder(const std::string& folder, const NumberingScheme& scheme,
                                      const RenameEntry& rename) {
  const fs::path dir(folder);
  boost::system::error_code error;
  if (!fs::is_directory(dir, error)) return {};
  const std::vector<std::string> names = listFolder(dir);
  FolderNames onDisk(dir, names);

  std::vector<std::string> target(names.size());
  for (std::size_t k = 0; k < names.size(); ++k) {
    const std::string extension = scheme.extension.empty() ? extensionOf(names[k]) : scheme.extension;
    target[k] = std::to_string(scheme.first + static_cast<long long>(k)) + "." + extension;
  }

  // Park every entry that must move, so that no entry still waiting for its
  // number holds the number of another.
  std::vector<std::string> current(names);
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (current[k] != target[k]) onDisk.move(current[k], onDisk.parkingName(target[k]), rename);
  }
  // Move entries to their numbers; an entry that could not be parked may hold
  // another's number until it moves itself, so go on while anything moves.
  for (bool moved = true; moved;) {
    moved = false;
    for (std::size_t k = 0; k < names.size(); ++k) {
      if (current[k] != target[k] && onDisk.move(current[k], target[k], rename)) moved = true;
    }
  }
  // An entry that could not take its number goes back to its own name rather
  // than stay under a temporary one.
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (current[k] != target[k] && current[k] != names[k]) onDisk.move(current[k], names[k], rename);
  }
  return current;
}

}  // namespace tf
