// Writing files so that they are never left half-written: the text goes to a
// temporary file beside each, which then replaces the old file in one step;
// a set of files is written whole or not at all.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tf {

// Writes `path` through `write`. False, with the old file untouched, when the
// temporary file cannot be created, written or moved into place.
bool writeFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write);

// One file of a set: where it goes and what writes its text.
struct fileWrite {
  std::string path;
  std::function<void(std::ostream&)> write;
};

// Why a set of files was not written: the file that failed and the system's
// reason ("No space left on device").
struct fileWriteFailure {
  std::string path;
  std::string reason;
};

// Writes every file of `files` or none: all are written to temporary files
// first, and only then do they replace the old files, one by one; when a
// replacement fails, those already replaced are put back. False, with every
// old file as it was and `failure` saying why, when any could not be written.
bool writeFilesAtomically(const std::vector<fileWrite>& files, fileWriteFailure& failure);

}  // namespace tf
