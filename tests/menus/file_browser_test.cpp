// The game browser: which folders are games, which rows show as the list
// scrolls, and what its check mark, cross, rows and arrows do.
#include "menus/file_browser.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/system.h"
#include "manual_clock.h"
#include "media/text.h"
#include "menu_files.h"
#include "menus/game_list.h"
#include "messages.h"

namespace {

class GameBrowser : public tftest::MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    static int start = 0;
    start += 1000000;
    clock.set(start);
  }

  void makeGames(int count) {
    for (int i = 0; i < count; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "game%03d", i);
      dir.write(std::string("games/") + name + "/system/map.cfg", "");
    }
  }

  int selectSounds() const {
    int n = 0;
    for (const std::string& played : audio.played) n += played == "soundreq/select.wav once";
    return n;
  }

  std::vector<int> shownRows() const {
    std::vector<int> rows;
    for (const tf::BrowserRow& row : tf::layoutBrowser().rows) rows.push_back(row.index);
    return rows;
  }

  static std::vector<int> range(int first, int last) {
    std::vector<int> r;
    for (int i = first; i <= last; ++i) r.push_back(i);
    return r;
  }

  tftest::ManualClock clock;
};

TEST_F(GameBrowser, TheToolkitsOwnFoldersAndFilesAreNoGames) {
  for (const char* name : {"soundreq", "system", "ui", "uireq", "map", "documentation", "maze", "Castle", "zoo"}) {
    dir.write(std::string("games/") + name + "/x.txt", "");
  }
  dir.write("games/notes.txt", "not a folder");
  tftest::MessageLog messages;
  tf::updateGameList();
  EXPECT_EQ(tf::gameSys.getDirName(0), "Castle");
  EXPECT_EQ(tf::gameSys.getDirName(1), "maze");
  EXPECT_EQ(tf::gameSys.getDirName(2), "zoo");
  EXPECT_EQ(tf::gameSys.getDirName(3), "");
  EXPECT_TRUE(messages.contains("^yGame: ^wmaze"));
  EXPECT_FALSE(messages.contains("^yGame: ^wmap"));
}

TEST_F(GameBrowser, AtMost128GamesAreListed) {
  makeGames(130);
  tf::gameSys.setSelectedDir(9);
  tf::updateGameList();
  EXPECT_EQ(tf::gameSys.getDirName(127), "game127");
  EXPECT_EQ(tf::gameSys.getDirName(128), "");
  EXPECT_EQ(tf::gameSys.getSelectedDir(), 0);

  // Scrolled to the end, the last rows stop at the 128th name.
  tf::gameSys.setDirTextbox(0);
  tf::gameSys.setLastDir(120);
  EXPECT_EQ(shownRows(), range(120, 127));
}

TEST_F(GameBrowser, FourteenRowsShowAndTheArrowsScroll) {
  makeGames(20);
  tf::updateGameList();
  tf::gameSys.setDirTextbox(0);
  tf::gameSys.setLastDir(0);
  tf::BrowserLayout layout = tf::layoutBrowser();
  EXPECT_EQ(shownRows(), range(0, 13));
  EXPECT_TRUE(layout.downArrow);
  EXPECT_FALSE(layout.upArrow);
  EXPECT_EQ(layout.rows[0].y, 150);
  EXPECT_EQ(layout.rows[13].y, 150 + 13 * 25);
  EXPECT_EQ(layout.rows[3].width, static_cast<int>(tf::getDisplayTextSize("game003")));

  tf::browserScrollDown();
  layout = tf::layoutBrowser();
  EXPECT_EQ(shownRows(), range(1, 14));
  EXPECT_TRUE(layout.upArrow);
  EXPECT_EQ(layout.rows[0].y, 150);
  EXPECT_EQ(selectSounds(), 1);

  tf::browserScrollUp();
  tf::browserScrollUp();  // already at the top: nothing, not even a sound
  EXPECT_EQ(tf::gameSys.getLastDir(), 0);
  EXPECT_EQ(selectSounds(), 2);

  tf::gameSys.setLastDir(128);
  tf::browserScrollDown();
  EXPECT_EQ(tf::gameSys.getLastDir(), 128);
  EXPECT_EQ(selectSounds(), 2);
}

TEST_F(GameBrowser, TheDownArrowShowsFromThirteenRows) {
  makeGames(13);
  tf::updateGameList();
  tf::gameSys.setDirTextbox(0);
  EXPECT_TRUE(tf::layoutBrowser().downArrow);
  tf::gameSys.setLastDir(1);
  EXPECT_FALSE(tf::layoutBrowser().downArrow);
  tf::gameSys.setLastDir(-4);  // read as the top
  EXPECT_EQ(shownRows(), range(0, 12));
}

TEST_F(GameBrowser, TheCheckMarkTakesTheSelectedNameAndTheCrossDoesNot) {
  makeGames(3);
  tf::updateGameList();
  EXPECT_FALSE(tf::browserOpen());
  tf::gameSys.setDirTextbox(1);
  ASSERT_TRUE(tf::browserOpen());

  tf::browserClickRow(2);
  EXPECT_EQ(tf::gameSys.getSelectedDir(), 2);
  tf::BrowserLayout layout = tf::layoutBrowser();
  EXPECT_TRUE(layout.rows[2].selected);
  EXPECT_EQ(layout.rows[2].label, "^ygame002");
  EXPECT_EQ(layout.rows[1].label, "game001");

  tf::browserConfirm();
  EXPECT_EQ(tf::uiScriptString.getString(1), "game002");
  EXPECT_FALSE(tf::browserOpen());
  EXPECT_EQ(selectSounds(), 2);

  tf::gameSys.setDirTextbox(0);
  tf::browserClickRow(1);
  tf::browserCancel();
  EXPECT_EQ(tf::uiScriptString.getString(0), "");
  EXPECT_FALSE(tf::browserOpen());

  // Enter takes the selection without a sound.
  tf::gameSys.setDirTextbox(2);
  const int before = selectSounds();
  tf::browserTakeSelection();
  EXPECT_EQ(tf::uiScriptString.getString(2), "game001");
  EXPECT_EQ(selectSounds(), before);
  tf::browserTakeSelection();  // closed: nothing more
  EXPECT_EQ(tf::uiScriptString.getStringCount(), 2);
}

TEST_F(GameBrowser, ASecondClickOnTheSelectedRowWithinHalfASecondTakesIt) {
  makeGames(3);
  tf::updateGameList();
  tf::gameSys.setDirTextbox(0);
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
