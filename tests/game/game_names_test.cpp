// Which game names may become folders under games/, and how a refused name
// is shown in a message.
#include "game/game_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"

using namespace tf;

namespace {

TEST(GameNames, NamesOfOneFolderInsideGamesAreSafe) {
  for (const std::string& name : std::vector<std::string>{"maze", "My Game", "a..b", ".hidden", "x.", "caf\xc3\xa9", "^ycolour", "-1",
                                 "default", "mainui", std::string(kMaxGameNameLength, 'n')}) {
    EXPECT_TRUE(isSafeGameName(name)) << name;
  }
}

TEST(GameNames, NamesThatReachOutsideGamesOrAreNoFolderAreRefused) {
  const std::string refused[] = {
      "", ".", "..", "...", " ", "  ", ". .", "../system", "x/../../y", "..\\system", "a/b", "a\\b", "/etc",
      "/", "C:", "C:\\games\\x", "x:y", "line\nbreak", "tab\there", std::string("nul\0in", 6), "bell\a",
      "del\x7f", std::string(kMaxGameNameLength + 1, 'n'),
  };
  for (const std::string& name : refused) EXPECT_FALSE(isSafeGameName(name)) << shownGameName(name);
}

TEST(GameNames, AMapFileOpensOnlyForASafeNameWithAReadableFile) {
  tftest::ScopedWorkDir dir;
  dir.write("games/maze/system/map.cfg", "f version 1\n");
  dir.write("games/empty/system/logic.cfg", "");
  dir.write("games/folder/system/map.cfg/inside", "");  // a folder where the file should be
  // Files that a name with a way out of games/ would reach.
  dir.write("y/system/map.cfg", "f version 1\n");
  dir.write("games/x/placeholder", "");
  dir.write("system/system/map.cfg", "f version 1\n");

  EXPECT_TRUE(gameMapFileOpens("maze"));
  EXPECT_FALSE(gameMapFileOpens("empty"));
  EXPECT_FALSE(gameMapFileOpens("nowhere"));
  EXPECT_FALSE(gameMapFileOpens("folder"));
  EXPECT_FALSE(gameMapFileOpens("x/../../y"));
  EXPECT_FALSE(gameMapFileOpens("../system"));
  EXPECT_FALSE(gameMapFileOpens(dir.path() + "/games/maze"));
}

TEST(GameNames, ShownNamesHaveNoControlCharactersAndAreShort) {
  EXPECT_EQ(shownGameName("maze"), "maze");
  EXPECT_EQ(shownGameName("two\nlines\x7f"), "two?lines?");
  EXPECT_EQ(shownGameName(std::string(41, 'a')), std::string(40, 'a') + "...");
  EXPECT_EQ(shownGameName(std::string(40, 'a')), std::string(40, 'a'));
}

}  // namespace
