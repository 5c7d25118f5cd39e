// Temporary files, then renames over the old ones; a set of files keeps a
// second name of each old file until every new one is in place.
#include "core/atomic_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace tf {
namespace {

std::string temporaryOf(const std::string& path) { return path + ".saving"; }
std::string keptOf(const std::string& path) { return path + ".previous"; }

std::string reason(int error) { return error != 0 ? std::strerror(error) : "the file could not be written"; }

// Writes the temporary file of `path`; false (and no temporary file left)
// when it could not be written whole, with the system's reason in `error`.
bool writeTemporary(const std::string& path, const std::function<void(std::ostream&)>& write, int& error) {
  const std::string temporary = temporaryOf(path);
  errno = 0;
  std::ofstream out(temporary, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!out.is_open()) {
    error = errno;
    return false;
  }
  write(out);
  out.flush();
  out.close();
  if (!out) {
    error = errno;
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool fileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// Gives the old file a second name: a second link where the file system
// has them, a copy elsewhere.
bool keepOld(const std::string& path) {
  const std::string kept = keptOf(path);
  std::remove(kept.c_str());
  if (link(path.c_str(), kept.c_str()) == 0) return true;
  std::ifstream in(path, std::ios::binary);
  std::ofstream out(kept, std::ios::binary | std::ios::trunc);
  if (in && out && (out << in.rdbuf()) && out.flush()) return true;
  out.close();
  std::remove(kept.c_str());
  return false;
}

// Where one file of a set stands while it is replaced.
struct Replacement {
  std::string path;
  bool hadOld = false;  // the old file is kept under its second name
  bool replaced = false;
};

// Puts the old files of the replaced ones back and removes what is left over.
void undoReplacements(std::vector<Replacement>& files) {
  for (Replacement& f : files) {
    if (f.replaced) {
      if (f.hadOld) {
        std::rename(keptOf(f.path).c_str(), f.path.c_str());
      } else {
        std::remove(f.path.c_str());
      }
    } else {
      std::remove(temporaryOf(f.path).c_str());
      if (f.hadOld) std::remove(keptOf(f.path).c_str());
    }
  }
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write) {
  fileWriteFailure failure;
  return writeFilesAtomically({{path, write}}, failure);
}

bool writeFilesAtomically(const std::vector<fileWrite>& files, fileWriteFailure& failure) {
  std::vector<Replacement> done;
  for (const fileWrite& file : files) {
    int error = 0;
    if (!writeTemporary(file.path, file.write, error)) {
      failure = {temporaryOf(file.path), reason(error)};
      undoReplacements(done);
      return false;
    }
    done.push_back({file.path, false, false});
  }
  for (Replacement& f : done) {
    // The old file keeps a second name until the whole set is in place.
    if (fileExists(f.path)) f.hadOld = keepOld(f.path);
    errno = 0;
    if (std::rename(temporaryOf(f.path).c_str(), f.path.c_str()) != 0) {
      failure = {f.path, reason(errno)};
      undoReplacements(done);
      return false;
    }
    f.replaced = true;
  }
  for (const Replacement& f : done) {
    if (f.hadOld) std::remove(keptOf(f.path).c_str());
  }
  return true;
}

}  // namespace tf
