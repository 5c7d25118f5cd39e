// The game browser's list of games, help loading for the toolkit and for a
// game, and tooltips: the wait for the mouse to rest and long texts broken.
#include "media/text.h"
#include "menu_files.h"
#include "menus/file_browser.h"
#include "menus/game_list.h"
#include "menus/help.h"
#include "menus/tooltip.h"

namespace {

using namespace tftest;

TEST_F(MenuFiles, TheToolkitsOwnFoldersAndFilesAreNoGamesAndAtMost128AreListed) {
  for (const char* name : {"soundreq", "system", "ui", "uireq", "map", "documentation", "default", "mainui",
                           "ingameui", "maze", "Castle", "zoo"}) {
    dir.write(std::string("games/") + name + "/x.txt", "");
  }
  dir.write("games/notes.txt", "not a folder");
  tf::updateGameList();
  std::string names;
  for (int i = 0; i < 4; ++i) names += tf::gameSys.getDirName(i) + ";";
  EXPECT_EQ(names, "Castle;maze;zoo;;");
  for (int i = 0; i < 130; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "game%03d", i);
    dir.write(std::string("games/") + name + "/system/map.cfg", "");
  }
  tf::gameSys.setSelectedDir(9);
  tf::updateGameList();
  EXPECT_EQ(tf::gameSys.getDirName(127), "game126");  // after Castle, and before maze and zoo
  EXPECT_EQ(tf::gameSys.getDirName(128), "");
  EXPECT_EQ(tf::gameSys.getSelectedDir(), 0);
  tf::gameSys.setDirTextbox(0);
  tf::gameSys.setLastDir(120);  // scrolled to the end, the rows stop at the 128th name
  const tf::BrowserLayout layout = tf::layoutBrowser();
  ASSERT_FALSE(layout.rows.empty());
  EXPECT_EQ(joined({layout.rows.front().index, layout.rows.back().index, layout.downArrow}), "120 127 0");
}

// "title: line; line | title: ..." of every topic.
std::string topics() {
  std::string out = tf::uiHelp.getHelpTitle() + " =";
  for (int t = 0; t < tf::uiHelp.getMenuCount(); ++t) {
    out += (t ? " | " : " ") + tf::uiHelp.menuGetMenuTitle(t) + ":";
    for (int l = 0; l < tf::uiHelp.getLineCount(t); ++l) out += (l ? "; " : " ") + tf::uiHelp.menuGetMenuLine(t, l);
  }
  return out;
}

TEST_F(MenuFiles, TheGamesOwnHelpOrElseTheToolkitsIsReadTopicByTopic) {
  dir.write("system/help.cfg",
            "s helptitle ^yToolkit Help\n"
            "s help0title Getting started\ns help0line0 Welcome.\ns help0line1 Second line.\ns help0line2 end\n"
            "s help1title Maps\ns help1line0 A map is a grid.\ns help1line1 end\ns help2title end\n");
  dir.write("games/maze/system/help.cfg",
            "s helptitle Maze\ns help0title How to play\ns help0line0 Find the exit.\ns help0line1 end\n"
            "s help1title end\ns help1line0 never read\n");
  const std::string toolkit = "^yToolkit Help = Getting started: Welcome.; Second line. | Maps: A map is a grid.";
  const struct {
    const char* game;
    const char* message;
    std::string topics;
  } cases[] = {
      {"default", "Tessera Forge help file loaded successfully.", toolkit},
      {"maze", "^ymaze/system/help.cfg^w was loaded successfully.", "Maze = How to play: Find the exit."},
      {"castle", "Attempted to load: ^ycastle/system/help.cfg^w, but it failed", toolkit},
  };
  for (const auto& c : cases) {
    MessageLog messages;
    tf::uiHelp.setHelp(1);
    tf::initHelp(c.game);
    EXPECT_TRUE(messages.contains(c.message)) << c.game;
    EXPECT_EQ(topics(), c.topics);
    EXPECT_EQ(tf::uiHelp.getHelp(), 0) << c.game;  // opens on the first topic
  }
}

TEST_F(MenuFiles, WithoutTheToolkitsHelpFileTheProgramEndsWithAFailure) {
  EXPECT_EXIT(tf::initHelp("default"), ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(tf::initHelp("maze"), ::testing::ExitedWithCode(1), "");
}

TEST_F(MenuFiles, AToolTipWaitsForTheMouseToRestAndBreaksLongTexts) {
  tf::gameSys.SetSystem(0, 0, 800, 600, "Tessera Forge");
  tf::gameSys.setGameState(tf::kStateMenus);
  tf::gameSys.setOrthoPos(100, 100);
  tf::TooltipLayout layout;
  tf::gameUI.setCurrentTT(119, 0, clock.now() - tf::kTooltipDelayMs + 1);
  EXPECT_FALSE(tf::prepareTooltip(layout));
  clock.advance(1);
  ASSERT_TRUE(tf::prepareTooltip(layout));
  EXPECT_EQ(layout.text.lines[0] + "|" + std::to_string(layout.text.lastLine), "Play Game|0");
  tf::gameUI.setCurrentTT(63, 0, 0);  // "Add a new sentence to your game logic window"
  ASSERT_TRUE(tf::prepareTooltip(layout));
  ASSERT_EQ(layout.text.lastLine, 1);
  EXPECT_EQ(layout.text.lines[0] + "|" + layout.text.lines[1], "Add a new sentence to your |game logic window");
  EXPECT_EQ(layout.boxHalfWidth, static_cast<int>(tf::getDisplayTextSize(layout.text.lines[0])) / 2 + 10);
  EXPECT_EQ(layout.boxHalfHeight, 18);  // 12, and 6 more for the second line
}

}  // namespace
