// Numbering the entries of real folders: order, extensions, collisions with
// names already numbered, renames that fail, sub-folders, and a second run
// that changes nothing. No file may ever be lost.
#include "media/folder_numbering.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <functional>
#include <map>
#include <set>
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

TEST(FolderNumbering, EntriesTakeNumbersInOrderAndASecondRunChangesNothing) {
  const struct {
    std::vector<std::string> files;
    Contents after;  // every name a five-digit number, so listed in name order
  } cases[] = {
      {{"b.png", "a.jpg", "tree.big.png", "readme"},
       {{"10000.jpg", "a.jpg"}, {"10001.png", "b.png"}, {"10002.readme", "readme"},
        {"10003.big.png", "tree.big.png"}}},
      {{"10000.png", "10001.png", "new.png", "another.jpg"},
       {{"10000.png", "10000.png"}, {"10001.png", "10001.png"}, {"10002.jpg", "another.jpg"},
        {"10003.png", "new.png"}}},
      {{"0.png", "10000.png"}, {{"10000.png", "0.png"}, {"10001.png", "10000.png"}}},
      {{"b.png", "10000.png", "10001.png"},
       {{"10000.png", "10000.png"}, {"10001.png", "10001.png"}, {"10002.png", "b.png"}}},
      {{"5.jpg", "10000.png", "10001.gif"},
       {{"10000.jpg", "5.jpg"}, {"10001.png", "10000.png"}, {"10002.gif", "10001.gif"}}},
      // Numbers sort by value whatever their length or leading zeros.
      {{"100000.png", "10002.png", "007.png", "9.png"},
       {{"10000.png", "007.png"}, {"10001.png", "9.png"}, {"10002.png", "10002.png"}, {"10003.png", "100000.png"}}},
      {{"a.png", "extra/inside.png"}, {{"10000.png", "a.png"}, {"10001.extra", "<folder>"}}},
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

TEST(FolderNumbering, UserFilesNamedLikeParkingPlacesAndFailedRenamesAreKept) {
  tftest::ScopedWorkDir dir;
  files(dir, {"a.png", "~10000.png", "~~10000.png"});
  std::vector<std::string> listed = tf::numberFolder("pics");
  Contents found = contents(dir);
  EXPECT_EQ(found["10000.png"], "a.png");
  std::set<std::string> held, names;
  for (const auto& entry : found) held.insert(entry.second), names.insert(entry.first);
  EXPECT_EQ(held, (std::set<std::string>{"a.png", "~10000.png", "~~10000.png"}));
  EXPECT_EQ(names, std::set<std::string>(listed.begin(), listed.end()));

  // A name as long as a name may be cannot take a number in front of it.
  tftest::ScopedWorkDir other;
  const std::string longName(250, 'q');
  files(other, {"a.png", longName, "z.png"});
  EXPECT_EQ(tf::numberFolder("pics"), (std::vector<std::string>{"10000.png", longName, "10002.png"}));
  EXPECT_EQ(contents(other), (Contents{{"10000.png", "a.png"}, {longName, longName}, {"10002.png", "z.png"}}));
}

// A renaming step that refuses what `refuse` says, records what it is asked
// and checks that it is never asked to overwrite an entry.
tf::RenameEntry renamer(const std::string& folder, std::function<bool(const std::string&, const std::string&)> refuse,
                        std::vector<std::string>* attempts) {
  return [folder, refuse, attempts](const std::string& from, const std::string& to) {
    attempts->push_back(from + ">" + to);
    EXPECT_FALSE(fs::exists(folder + "/" + to)) << from << " onto " << to;
    if (refuse(from, to)) return false;
    fs::rename(folder + "/" + from, folder + "/" + to);
    return true;
  };
}

TEST(FolderNumbering, RenamesThatFailNeverLeaveAnEntryParkedOrLost) {
  tftest::ScopedWorkDir dir;
  std::vector<std::string> attempts;
  files(dir, {"0.png", "10000.png", "x.png"});
  // Every parked entry fails to take its number: all come back.
  auto toNumber = [](const std::string& from, const std::string& to) { return from == "~" + to; };
  EXPECT_EQ(tf::numberFolder("pics", renamer(dir.path() + "/pics", toNumber, &attempts)),
            (std::vector<std::string>{"0.png", "10000.png", "x.png"}));
  EXPECT_EQ(contents(dir), (Contents{{"0.png", "0.png"}, {"10000.png", "10000.png"}, {"x.png", "x.png"}}));

  // 10000.png cannot be parked; it moves straight on, after which 0.png takes its place.
  tftest::ScopedWorkDir other;
  attempts.clear();
  files(other, {"0.png", "10000.png"});
  auto parking10000 = [](const std::string& from, const std::string& to) {
    return from == "10000.png" && to[0] == '~';
  };
  EXPECT_EQ(tf::numberFolder("pics", renamer(other.path() + "/pics", parking10000, &attempts)),
            (std::vector<std::string>{"10000.png", "10001.png"}));
  EXPECT_EQ(contents(other), (Contents{{"10000.png", "0.png"}, {"10001.png", "10000.png"}}));
  EXPECT_EQ(attempts, (std::vector<std::string>{"0.png>~10000.png", "10000.png>~10001.png", "10000.png>10001.png",
                                                "~10000.png>10000.png"}));
}

TEST(FolderNumbering, AMissingFolderGivesNothingAndTheOrderIsNumbersFirst) {
  tftest::ScopedWorkDir dir;
  dir.write("afile", "x");
  EXPECT_TRUE(tf::numberFolder("nowhere").empty() && tf::numberFolder("afile").empty());
  EXPECT_EQ(dir.read("afile"), "x");

  for (auto [a, b] : {std::pair{"10002.png", "100000.png"}, {"99999.png", "a.png"}, {"B.png", "a.png"},
                      {"0010.png", "11.png"}, {"10000.jpg", "10000.png"}}) {
    EXPECT_TRUE(tf::numberedBefore(a, b) && !tf::numberedBefore(b, a)) << a << " " << b;
  }
  EXPECT_NE(tf::numberedBefore("010.png", "10.png"), tf::numberedBefore("10.png", "010.png"));
  EXPECT_FALSE(tf::numberedBefore("a.png", "a.png"));
}

}  // namespace
