// A temporary folder that is the working folder while the object lives, so
// code that reads and writes relative paths (system/, games/, log.txt) works
// on files of the test's own.
#pragma once

#include <string>

namespace tftest {

class ScopedWorkDir {
 public:
  ScopedWorkDir();
  ~ScopedWorkDir();
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

  const std::string& path() const { return path_; }
  // Writes a file, making its folders; relative to the folder.
  void write(const std::string& relative, const std::string& text) const;
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  // Copies the file or folder `source` (with everything in it) to `relative`.
  void copyIn(const std::string& source, const std::string& relative) const;

 private:
  std::string path_;
  std::string previous_;
};

// The whole text of a file, "" when it cannot be read.
std::string readWholeFile(const std::string& path);

}  // namespace tftest
