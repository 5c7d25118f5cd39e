// The game browser: which folders are games, which rows show as the list
// scrolls, and what its check mark, cross, rows and arrows do.
#include "menus/file_browser.h"

#include "media/text.h"
#include "menu_files.h"
#include "menus/game_list.h"

namespace {

using namespace tftest;
constexpr const char* kSelect = "soundreq/select.wav once";

class GameBrowser : public MenuFiles {
 protected:
  void makeGames(int count) {
    for (int i = 0; i < count; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "game%03d", i);
      dir.write(std::string("games/") + name + "/system/map.cfg", "");
    }
    tf::updateGameList();
    tf::gameSys.setDirTextbox(0);
  }
  // The first and last row shown, and the arrows.
  static std::string shown() {
    const tf::BrowserLayout layout = tf::layoutBrowser();
    if (layout.rows.empty()) return "none";
    return ints({layout.rows.front().index, layout.rows.back().index, layout.upArrow, layout.downArrow});
  }
};

TEST_F(GameBrowser, TheToolkitsOwnFoldersAndFilesAreNoGamesAndAtMost128AreListed) {
  for (const char* name : {"soundreq", "system", "ui", "uireq", "map", "documentation", "maze", "Castle", "zoo"}) {
    dir.write(std::string("games/") + name + "/x.txt", "");
  }
  dir.write("games/notes.txt", "not a folder");
  MessageLog messages;
  tf::updateGameList();
  std::string names;
  for (int i = 0; i < 4; ++i) names += tf::gameSys.getDirName(i) + ";";
  EXPECT_EQ(names, "Castle;maze;zoo;;");
  EXPECT_TRUE(messages.contains("^yGame: ^wmaze"));

  tf::gameSys.setSelectedDir(9);
  makeGames(130);
  EXPECT_EQ(tf::gameSys.getDirName(127), "game126");  // after Castle, and before maze and zoo
  EXPECT_EQ(tf::gameSys.getDirName(128), "");
  EXPECT_EQ(tf::gameSys.getSelectedDir(), 0);
  tf::gameSys.setLastDir(120);  // scrolled to the end, the rows stop at the 128th name
  EXPECT_EQ(shown(), "120 127 1 0");
}

TEST_F(GameBrowser, FourteenRowsShowAndTheArrowsScroll) {
  makeGames(20);
  tf::gameSys.setLastDir(0);
  EXPECT_EQ(shown(), "0 13 0 1");
  const tf::BrowserLayout layout = tf::layoutBrowser();
  EXPECT_EQ(ints({layout.rows[0].y, layout.rows[13].y}), "150 475");
  EXPECT_EQ(layout.rows[3].width, static_cast<int>(tf::getDisplayTextSize("game003")));

  tf::browserScrollDown();
  EXPECT_EQ(shown() + ", " + ints({tf::layoutBrowser().rows[0].y, played(kSelect)}), "1 14 1 1, 150 1");
  tf::browserScrollUp();
  tf::browserScrollUp();  // already at the top: nothing, not even a sound
  EXPECT_EQ(ints({tf::gameSys.getLastDir(), played(kSelect)}), "0 2");
  tf::gameSys.setLastDir(128);
  tf::browserScrollDown();
  EXPECT_EQ(ints({tf::gameSys.getLastDir(), played(kSelect)}), "128 2");

  // The down arrow shows from 13 rows on; a first row before the top reads as the top.
  const std::pair<int, const char*> cases[] = {{7, "7 19 1 1"}, {8, "8 19 1 0"}, {-4, "0 13 0 1"}};
  for (const auto& c : cases) {
    tf::gameSys.setLastDir(c.first);
    EXPECT_EQ(shown(), c.second) << c.first;
  }
}

TEST_F(GameBrowser, TheCheckMarkTakesTheSelectedNameAndTheCrossDoesNot) {
  makeGames(3);
  tf::gameSys.setDirTextbox(-1);
  EXPECT_FALSE(tf::browserOpen());
  tf::gameSys.setDirTextbox(1);
  tf::browserClickRow(2);
  const tf::BrowserLayout layout = tf::layoutBrowser();
  EXPECT_TRUE(layout.rows[2].selected);
  EXPECT_EQ(layout.rows[2].label + ";" + layout.rows[1].label, "^ygame002;game001");
  tf::browserConfirm();
  EXPECT_EQ(tf::uiScriptString.getString(1), "game002");
  EXPECT_FALSE(tf::browserOpen());
  EXPECT_EQ(played(kSelect), 2);

  tf::gameSys.setDirTextbox(0);
  tf::browserClickRow(1);
  tf::browserCancel();
  EXPECT_EQ(tf::uiScriptString.getString(0), "");
  EXPECT_FALSE(tf::browserOpen());

  // Enter takes the selection without a sound.
  tf::gameSys.setDirTextbox(2);
  const int before = played(kSelect);
  tf::browserTakeSelection();
  EXPECT_EQ(tf::uiScriptString.getString(2), "game001");
  EXPECT_EQ(played(kSelect), before);
  tf::browserTakeSelection();  // closed: nothing more
  EXPECT_EQ(tf::uiScriptString.getStringCount(), 2);
}

TEST_F(GameBrowser, ASecondClickOnTheSelectedRowWithinHalfASecondTakesIt) {
  makeGames(3);
  tf::browserClickRow(1);
  clock.advance(499);
  tf::browserClickRow(1);
  EXPECT_EQ(tf::uiScriptString.getString(0), "game001");
  EXPECT_FALSE(tf::browserOpen());

  tf::gameSys.setDirTextbox(0);
  clock.advance(100);
  tf::browserClickRow(2);  // the first click after a choice only selects
  EXPECT_TRUE(tf::browserOpen());
  clock.advance(500);
  tf::browserClickRow(2);
  EXPECT_TRUE(tf::browserOpen());  // too slow: selected again
  clock.advance(200);
  tf::browserClickRow(0);
  clock.advance(200);
  tf::browserClickRow(2);  // another row in between
  EXPECT_TRUE(tf::browserOpen());
  EXPECT_EQ(tf::gameSys.getSelectedDir(), 2);
}

}  // namespace
