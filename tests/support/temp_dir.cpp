// Temporary working folder for tests.
#include "temp_dir.h"

#include <unistd.h>

#include <boost/filesystem.hpp>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = boost::filesystem;

namespace tftest {

ScopedWorkDir::ScopedWorkDir() {
  char pattern[] = "/tmp/tf-test-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
  previous_ = fs::current_path().string();
  fs::current_path(path_);
}

ScopedWorkDir::~ScopedWorkDir() {
  boost::system::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::remove_all(path_, ignored);
}

void ScopedWorkDir::write(const std::string& relative, const std::string& text) const {
  fs::path file = fs::path(path_) / relative;
  fs::create_directories(file.parent_path());
  std::ofstream(file.string(), std::ios::binary | std::ios::trunc) << text;
}

std::string ScopedWorkDir::read(const std::string& relative) const {
  return readWholeFile((fs::path(path_) / relative).string());
}

bool ScopedWorkDir::exists(const std::string& relative) const {
  return fs::exists(fs::path(path_) / relative);
}

void ScopedWorkDir::copyIn(const std::string& source, const std::string& relative) const {
  const fs::path from(source), to = fs::path(path_) / relative;
  if (!fs::is_directory(from)) {
    fs::create_directories(to.parent_path());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    return;
  }
  fs::create_directories(to);
  for (fs::recursive_directory_iterator it(from), end; it != end; ++it) {
    const fs::path target = to / fs::relative(it->path(), from);
    if (fs::is_directory(it->status())) {
      fs::create_directories(target);
    } else {
      fs::copy_file(it->path(), target, fs::copy_options::overwrite_existing);
    }
  }
}

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace tftest
