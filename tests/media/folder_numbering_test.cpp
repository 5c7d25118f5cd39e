// Numbering the entries of real folders: the order the numbers follow, and
// entries that already carry a number or a parking place's name, or cannot be
// parked. No file may ever be lost; a second run changes nothing.
#include "media/folder_numbering.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <map>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace fs = boost::filesystem;

namespace {

using Contents = std::map<std::string, std::string>;  // name on disk -> what the entry holds

// Each file holds its own original name, so where it went can be checked.
void files(const tftest::ScopedWorkDir& dir, const std::vector<std::string>& names) {
  for (const std::string& name : names) dir.write("pics/" + name, name);
}

Contents contents(const tftest::ScopedWorkDir& dir) {
  Contents found;
  for (fs::directory_iterator it(dir.path() + "/pics"), end; it != end; ++it) {
    std::string name = it->path().filename().string();
    found[name] = fs::is_directory(it->path()) ? "<folder>" : dir.read("pics/" + name);
  }
  return found;
}

TEST(FolderNumbering, NumbersFollowTheOrderAndNumberedNamesAreNeverOverwritten) {
  const struct {
    std::vector<std::string> files;
    Contents after;  // every name a five-digit number, so listed in name order
  } cases[] = {
      {{"b.png", "a.jpg", "tree.big.png", "extra/inside.png"},
       {{"10000.jpg", "a.jpg"}, {"10001.png", "b.png"}, {"10002.extra", "<folder>"},
        {"10003.big.png", "tree.big.png"}}},
      {{"0.png", "10000.png"}, {{"10000.png", "0.png"}, {"10001.png", "10000.png"}}},  // 10000.png moves on
      // Numbers sort by value whatever their length or leading zeros.
      {{"100000.png", "10002.png", "007.png", "9.png"},
       {{"10000.png", "007.png"}, {"10001.png", "9.png"}, {"10002.png", "10002.png"}, {"10003.png", "100000.png"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files[0]);
    tftest::ScopedWorkDir dir;
    files(dir, c.files);
    std::vector<std::string> listed;
    for (const auto& entry : c.after) listed.push_back(entry.first);
    for (int run = 0; run < 2; ++run) {
      EXPECT_EQ(tf::numberFolder("pics"), listed) << run;
      EXPECT_EQ(contents(dir), c.after) << run;
    }
  }
}

TEST(FolderNumbering, AnEntryThatCannotBeParkedAndAUserFileNamedLikeAParkingPlaceAreKept) {
  tftest::ScopedWorkDir dir;
  files(dir, {"0.png", "10000.png", "~10001.png"});
  const std::string folder = dir.path() + "/pics";
  // Refuses to park 10000.png (so it moves straight on) and checks no entry goes onto another.
  auto rename = [&folder](const std::string& from, const std::string& to) {
    EXPECT_FALSE(fs::exists(folder + "/" + to)) << from << " onto " << to;
    if (from == "10000.png" && to[0] == '~') return false;
    fs::rename(folder + "/" + from, folder + "/" + to);
    return true;
  };
  EXPECT_EQ(tf::numberFolder("pics", rename), (std::vector<std::string>{"10000.png", "10001.png", "10002.png"}));
  EXPECT_EQ(contents(dir), (Contents{{"10000.png", "0.png"}, {"10001.png", "10000.png"}, {"10002.png", "~10001.png"}}));
}

}  // namespace
