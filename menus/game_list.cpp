// Game folder listing.
#include "menus/game_list.h"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <string>
#include <vector>

#include "core/log.h"
#include "core/system.h"
#include "menus/ui_file.h"

namespace tf {
namespace {

// Folders that belong to the toolkit, never games, and folders named like the
// toolkit's own menu sets, which no game may be called.
bool isReservedFolder(const std::string& name) {
  static const char* const reserved[] = {"soundreq", "system", "ui", "uireq", "map", "documentation"};
  return std::find(std::begin(reserved), std::end(reserved), name) != std::end(reserved) ||
         isToolkitMenuSet(name);
}

}  // namespace

void updateGameList() {
  namespace fs = boost::filesystem;
  for (int i = 0; i < kMaxGameFolders; ++i) gameSys.setDirName(i, "");
  gameSys.setSelectedDir(0);

  std::vector<std::string> names;
  boost::system::error_code error;
  for (fs::directory_iterator it("games", error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    if (fs::is_directory(it->status()) && !isReservedFolder(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  if (names.size() > static_cast<std::size_t>(kMaxGameFolders)) names.resize(kMaxGameFolders);
  for (std::size_t i = 0; i < names.size(); ++i) {
    gameSys.setDirName(static_cast<int>(i), names[i]);
    systemMsg("^yGame: ^w" + names[i]);
  }
}

}  // namespace tf
