// A private working folder for the fuzz targets whose readers open their files
// by path (relative to the working folder): made once per process (in memory
// under /dev/shm when there is one) and removed when the process ends. Each
// input is run inside it, and the working folder is given back afterwards,
// since libFuzzer opens its corpus and writes its findings by relative paths.
#pragma once

#include <signal.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace tffuzz {

// The folder is named after the process. A process that ends on a finding
// cannot remove its folder; the next one removes the folders of processes
// that are gone.
class FuzzFolder {
 public:
  FuzzFolder() {
    const boost::filesystem::path base = boost::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    removeFoldersOfEndedProcesses(base);
    path_ = (base / (kPrefix + std::to_string(getpid()))).string();
    boost::filesystem::remove_all(path_);
    boost::filesystem::create_directories(path_);
  }
  ~FuzzFolder() {
    boost::system::error_code ignored;
    boost::filesystem::remove_all(path_, ignored);
  }
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  static constexpr const char* kPrefix = "tf-fuzz-";

  static void removeFoldersOfEndedProcesses(const boost::filesystem::path& base) {
    boost::system::error_code ignored;
    const std::string prefix = kPrefix;
    for (boost::filesystem::directory_iterator it(base, ignored), end; it != end; it.increment(ignored)) {
      const std::string name = it->path().filename().string();
      if (name.compare(0, prefix.size(), prefix) != 0) continue;
      char* rest = nullptr;
      const long pid = std::strtol(name.c_str() + prefix.size(), &rest, 10);
      if (pid > 0 && *rest == '\0' && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
        boost::filesystem::remove_all(it->path(), ignored);
      }
    }
  }

  std::string path_;
};

// While it lives, the working folder is the process's fuzz folder; `prepare`
// fills the folder once, inside it, before the first input.
class InFuzzFolder {
 public:
  explicit InFuzzFolder(void (*prepare)()) {
    static const FuzzFolder folder;
    if (!getcwd(previous_, sizeof previous_) || chdir(folder.path().c_str()) != 0) std::abort();
    static const bool prepared = (prepare(), true);
    (void)prepared;
  }
  ~InFuzzFolder() {
    if (chdir(previous_) != 0) std::abort();
  }
  InFuzzFolder(const InFuzzFolder&) = delete;
  InFuzzFolder& operator=(const InFuzzFolder&) = delete;

 private:
  char previous_[PATH_MAX];
};

// Writes `text` to `path` (relative to the folder), making its folders.
inline void writeFile(const std::string& path, const std::string& text) {
  const boost::filesystem::path parent = boost::filesystem::path(path).parent_path();
  if (!parent.empty()) boost::filesystem::create_directories(parent);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Writes the fuzzer's input to `path`.
inline void writeInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  writeFile(path, std::string(reinterpret_cast<const char*>(data), size));
}

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace tffuzz
