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

class FolderNumbering : public ::testing::Test {
 protected:
  // Each file holds its own original name, so where it went can be checked.
  void files(const std::vector<std::string>& names) {
    for (const std::string& name : names) dir.write("pics/" + name, name);
  }
  // The folder's contents: name on disk -> what the file holds.
  std::map<std::string, std::string> contents() const {
    std::map<std::string, std::string> found;
    for (fs::directory_iterator it(dir.path() + "/pics"), end; it != end; ++it) {
      std::string name = it->path().filename().string();
      found[name] = fs::is_directory(it->path()) ? "<folder>" : dir.read("pics/" + name);
    }
    return found;
  }
  tftest::ScopedWorkDir dir;
};

TEST_F(FolderNumbering, EntriesAreNumberedInNameOrderKeepingTheirExtensions) {
  files({"b.png", "a.jpg", "tree.big.png", "readme"});
  EXPECT_EQ(tf::numberFolder("pics"),
            (std::vector<std::string>{"10000.jpg", "10001.png", "10002.readme", "10003.big.png"}));
  EXPECT_EQ(contents(), (std::map<std::string, std::string>{{"10000.jpg", "a.jpg"},
                                                           {"10001.png", "b.png"},
                                                           {"10002.readme", "readme"},
                                                           {"10003.big.png", "tree.big.png"}}));
}

TEST_F(FolderNumbering, ASecondRunChangesNothing) {
  files({"b.png", "a.jpg", "c", "10000.gif"});
  std::vector<std::string> first = tf::numberFolder("pics");
  std::map<std::string, std::string> after = contents();
  EXPECT_EQ(tf::numberFolder("pics"), first);
  EXPECT_EQ(contents(), after);
  EXPECT_EQ(after.size(), 4u);
}

TEST_F(FolderNumbering, NumberedNamesKeepTheirOrderAndNewOnesFollow) {
  files({"10000.png", "10001.png", "10002.png", "new.png", "another.jpg"});
  std::vector<std::string> listed = tf::numberFolder("pics");
  std::vector<std::string> expected = {"10000.png", "10001.png", "10002.png", "10003.jpg", "10004.png"};
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(contents()["10000.png"], "10000.png");
  EXPECT_EQ(contents()["10003.jpg"], "another.jpg");
  EXPECT_EQ(contents()["10004.png"], "new.png");
}

TEST_F(FolderNumbering, CollisionsWithNumberedNamesLoseNoFile) {
  files({"0.png", "10000.png"});
  EXPECT_EQ(tf::numberFolder("pics"), (std::vector<std::string>{"10000.png", "10001.png"}));
  EXPECT_EQ(contents(), (std::map<std::string, std::string>{{"10000.png", "0.png"}, {"10001.png", "10000.png"}}));
}

TEST_F(FolderNumbering, ANameTakingTheNumberOfTheNextEntryLosesNoFile) {
  files({"b.png", "10000.png", "10001.png"});
  EXPECT_EQ(tf::numberFolder("pics"), (std::vector<std::string>{"10000.png", "10001.png", "10002.png"}));
  EXPECT_EQ(contents(), (std::map<std::string, std::string>{
                            {"10000.png", "10000.png"}, {"10001.png", "10001.png"}, {"10002.png", "b.png"}}));

  // Numbered names with other extensions move up one by one.
  tftest::ScopedWorkDir other;
  other.write("pics/5.jpg", "5.jpg");
  other.write("pics/10000.png", "10000.png");
  other.write("pics/10001.gif", "10001.gif");
  EXPECT_EQ(tf::numberFolder("pics"), (std::vector<std::string>{"10000.jpg", "10001.png", "10002.gif"}));
  EXPECT_EQ(other.read("pics/10001.png"), "10000.png");
  EXPECT_EQ(other.read("pics/10002.gif"), "10001.gif");
}

TEST_F(FolderNumbering, NumbersSortByValueWhateverTheirLengthOrLeadingZeros) {
  files({"100000.png", "10002.png", "007.png", "9.png"});
  EXPECT_EQ(tf::numberFolder("pics"), (std::vector<std::string>{"10000.png", "10001.png", "10002.png", "10003.png"}));
  std::map<std::string, std::string> found = contents();
  EXPECT_EQ(found["10000.png"], "007.png");
  EXPECT_EQ(found["10001.png"], "9.png");
  EXPECT_EQ(found["10002.png"], "10002.png");
  EXPECT_EQ(found["10003.png"], "100000.png");
}

TEST_F(FolderNumbering, AUserFileNamedLikeAParkingPlaceIsKept) {
  files({"a.png", "~10000.png", "~~10000.png"});
  std::vector<std::string> listed = tf::numberFolder("pics");
  std::map<std::string, std::string> found = contents();
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found["10000.png"], "a.png");
  std::set<std::string> held;
  for (const auto& entry : found) held.insert(entry.second);
  EXPECT_EQ(held, (std::set<std::string>{"a.png", "~10000.png", "~~10000.png"}));
  for (const std::string& name : listed) EXPECT_TRUE(found.count(name)) << name;
}

TEST_F(FolderNumbering, SubFoldersAreNumberedWithTheirContents) {
  files({"a.png"});
  dir.write("pics/extra/inside.png", "inside");
  EXPECT_EQ(tf::numberFolder("pics"), (std::vector<std::string>{"10000.png", "10001.extra"}));
  EXPECT_TRUE(fs::is_directory(dir.path() + "/pics/10001.extra"));
  EXPECT_EQ(dir.read("pics/10001.extra/inside.png"), "inside");
}

TEST_F(FolderNumbering, ARenameThatFailsKeepsTheEntryUnderItsOwnName) {
  // A name without a dot that is already as long as a name may be cannot
  // take a number in front of it: the rename fails on disk.
  const std::string longName(250, 'q');
  files({"a.png", longName, "z.png"});
  std::vector<std::string> listed = tf::numberFolder("pics");
  EXPECT_EQ(listed, (std::vector<std::string>{"10000.png", longName, "10002.png"}));
  std::map<std::string, std::string> found = contents();
  EXPECT_EQ(found.size(), 3u);
  EXPECT_EQ(found[longName], longName);
  EXPECT_EQ(found["10002.png"], "z.png");
}

// A renaming step on the test folder that refuses what `refuse` says and
// checks that it is never asked to overwrite an entry.
tf::RenameEntry renamer(const std::string& folder, std::function<bool(const std::string&, const std::string&)> refuse,
                        std::vector<std::string>* attempts = nullptr) {
  return [folder, refuse, attempts](const std::string& from, const std::string& to) {
    if (attempts) attempts->push_back(from + ">" + to);
    EXPECT_FALSE(fs::exists(folder + "/" + to)) << from << " onto " << to;
    if (refuse(from, to)) return false;
    fs::rename(folder + "/" + from, folder + "/" + to);
    return true;
  };
}

TEST_F(FolderNumbering, FailedRenamesNeverLeaveAnEntryParked) {
  files({"0.png", "10000.png", "x.png"});
  // Every parked entry fails to take its number: all must come back.
  auto toNumber = [](const std::string& from, const std::string& to) { return from == "~" + to; };
  EXPECT_EQ(tf::numberFolder("pics", renamer(dir.path() + "/pics", toNumber)),
            (std::vector<std::string>{"0.png", "10000.png", "x.png"}));
  EXPECT_EQ(contents(), (std::map<std::string, std::string>{
                            {"0.png", "0.png"}, {"10000.png", "10000.png"}, {"x.png", "x.png"}}));
}

TEST_F(FolderNumbering, AnEntryThatCannotBeParkedStillMakesWayLater) {
  files({"0.png", "10000.png"});
  // 10000.png cannot be parked; it moves straight to 10001.png, after which
  // 0.png can take 10000.png.
  auto parking10000 = [](const std::string& from, const std::string& to) {
    return from == "10000.png" && to[0] == '~';
  };
  std::vector<std::string> attempts;
  EXPECT_EQ(tf::numberFolder("pics", renamer(dir.path() + "/pics", parking10000, &attempts)),
            (std::vector<std::string>{"10000.png", "10001.png"}));
  EXPECT_EQ(contents(), (std::map<std::string, std::string>{{"10000.png", "0.png"}, {"10001.png", "10000.png"}}));
  EXPECT_EQ(attempts, (std::vector<std::string>{"0.png>~10000.png", "10000.png>~10001.png", "10000.png>10001.png",
                                                "~10000.png>10000.png"}));
}

TEST_F(FolderNumbering, AMissingFolderGivesNothing) {
  EXPECT_TRUE(tf::numberFolder("nowhere").empty());
  dir.write("afile", "x");
  EXPECT_TRUE(tf::numberFolder("afile").empty());
  EXPECT_EQ(dir.read("afile"), "x");
}

TEST(FolderOrder, NumberedNamesFirstByValueThenTheRestByBytes) {
  EXPECT_TRUE(tf::numberedBefore("10002.png", "100000.png"));
  EXPECT_TRUE(tf::numberedBefore("99999.png", "a.png"));
  EXPECT_TRUE(tf::numberedBefore("B.png", "a.png"));
  EXPECT_TRUE(tf::numberedBefore("0010.png", "11.png"));
  EXPECT_TRUE(tf::numberedBefore("010.png", "10.png") != tf::numberedBefore("10.png", "010.png"));
  EXPECT_FALSE(tf::numberedBefore("a.png", "a.png"));
  EXPECT_TRUE(tf::numberedBefore("10000.jpg", "10000.png"));
}

}  // namespace
