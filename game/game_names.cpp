// Safe game names.
#include "game/game_names.h"

#include <boost/filesystem.hpp>
#include <cstdio>

#include "game/map_file.h"

namespace tf {
namespace {

// Names longer than this are shortened in messages.
constexpr std::size_t kShownNameLength = 40;
constexpr const char* kShortenedMark = "...";

bool isControl(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7f;
}

bool leavesTheFolder(char c) { return c == '/' || c == '\\' || c == ':'; }

}  // namespace

bool isSafeGameName(const std::string& name) {
  if (name.empty() || name.size() > kMaxGameNameLength) return false;
  bool onlyDotsAndSpaces = true;
  for (char c : name) {
    if (isControl(c) || leavesTheFolder(c)) return false;
    if (c != '.' && c != ' ') onlyDotsAndSpaces = false;
  }
  return !onlyDotsAndSpaces;
}

bool isToolkitMenuSet(const std::string& name) {
  return name == "default" || name == "mainui" || name == "ingameui";
}

bool gameMapFileOpens(const std::string& name) {
  if (!isSafeGameName(name)) return false;
  const std::string path = mapFilePath(name);
  boost::system::error_code error;
  if (!boost::filesystem::is_regular_file(path, error)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

std::string shownGameName(const std::string& name) {
  std::string shown = name.size() > kShownNameLength ? name.substr(0, kShownNameLength) + kShortenedMark : name;
  for (char& c : shown) {
    if (isControl(c)) c = '?';
  }
  return shown;
}

}  // namespace tf
