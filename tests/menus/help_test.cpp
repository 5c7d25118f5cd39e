// Help pages: loading the toolkit's help or a game's own, the ends of topics
// and lines, cutting long lines, turning pages and where the window puts its
// topics and lines.
#include "menus/help.h"

#include <gtest/gtest.h>

#include "core/system.h"
#include "media/text.h"
#include "menus/help_layout.h"
#include "messages.h"
#include "temp_dir.h"

namespace {

const char* const kToolkitHelp =
    "s helptitle ^yToolkit Help\n"
    "s help0title Getting started\ns help0line0 Welcome.\ns help0line1 Second line.\ns help0line2 end\n"
    "s help1title Maps\ns help1line0 A map is a grid.\ns help1line1 end\n"
    "s help2title end\n";

class Help : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = tf::uiHelp;
    savedSys = tf::gameSys;
    dir.write("system/help.cfg", kToolkitHelp);
  }
  void TearDown() override {
    tf::uiHelp = saved;
    tf::gameSys = savedSys;
  }
  tftest::ScopedWorkDir dir;
  tf::help saved;
  tf::System savedSys;
};

TEST_F(Help, TheToolkitsHelpIsReadTopicByTopic) {
  tftest::MessageLog messages;
  tf::uiHelp.setHelp(1);
  tf::uiHelp.setHelpState(true);
  tf::initHelp("default");
  EXPECT_TRUE(messages.contains("Tessera Forge help file loaded successfully."));
  EXPECT_EQ(tf::uiHelp.getHelpTitle(), "^yToolkit Help");
  ASSERT_EQ(tf::uiHelp.getMenuCount(), 2);
  EXPECT_EQ(tf::uiHelp.menuGetMenuTitle(0), "Getting started");
  EXPECT_EQ(tf::uiHelp.getLineCount(0), 2);
  EXPECT_EQ(tf::uiHelp.menuGetMenuLine(0, 1), "Second line.");
  EXPECT_EQ(tf::uiHelp.menuGetMenuLine(0, 2), "NULL");
  EXPECT_EQ(tf::uiHelp.getLineCount(1), 1);
  EXPECT_EQ(tf::uiHelp.getHelp(), 0);
  EXPECT_FALSE(tf::uiHelp.getHelpState());
}

TEST_F(Help, AGameBringsItsOwnHelpOrGetsTheToolkits) {
  dir.write("games/maze/system/help.cfg",
            "s helptitle Maze\ns help0title How to play\ns help0line0 Find the exit.\ns help0line1 end\n"
            "s help1title end\n");
  tftest::MessageLog messages;
  tf::initHelp("maze");
  EXPECT_TRUE(messages.contains("^ymaze/system/help.cfg^w was loaded successfully."));
  ASSERT_EQ(tf::uiHelp.getMenuCount(), 1);
  EXPECT_EQ(tf::uiHelp.menuGetMenuTitle(0), "How to play");

  tf::initHelp("castle");
  EXPECT_TRUE(messages.contains("Attempted to load: ^ycastle/system/help.cfg^w, but it failed"));
  EXPECT_TRUE(messages.contains("Loading Tessera Forge help instead."));
  ASSERT_EQ(tf::uiHelp.getMenuCount(), 2);
  EXPECT_EQ(tf::uiHelp.menuGetMenuTitle(1), "Maps");
}

TEST_F(Help, LinesLongerThan59CharactersAreCutTo50) {
  tf::help h;
  h.menuSetMenuLine(0, 0, std::string(59, 'a'));
  h.menuSetMenuLine(0, 1, std::string(60, 'b'));
  EXPECT_EQ(h.menuGetMenuLine(0, 0), std::string(59, 'a'));
  EXPECT_EQ(h.menuGetMenuLine(0, 1), std::string(50, 'b'));
}

TEST_F(Help, MissingEntriesReadAsNullOnTheFirstLineAndTopic) {
  dir.write("system/help.cfg", "s help0title Only\n");
  tf::initHelp("default");
  EXPECT_EQ(tf::uiHelp.getHelpTitle(), "NULL");
  ASSERT_EQ(tf::uiHelp.getMenuCount(), 1);
  EXPECT_EQ(tf::uiHelp.getLineCount(0), 1);
  EXPECT_EQ(tf::uiHelp.menuGetMenuLine(0, 0), "NULL");
}

TEST_F(Help, TheArrowKeysTurnThePagesWithinTheTopics) {
  tf::initHelp("default");
  tf::helpPreviousTopic();
  EXPECT_EQ(tf::uiHelp.getHelp(), 0);
  tf::helpNextTopic();
  EXPECT_EQ(tf::uiHelp.getHelp(), 1);
  tf::helpNextTopic();  // the last topic
  EXPECT_EQ(tf::uiHelp.getHelp(), 1);
  tf::helpPreviousTopic();
  EXPECT_EQ(tf::uiHelp.getHelp(), 0);
}

TEST_F(Help, TheWindowIsShownWhileOpenWithTheInputInHelp) {
  tf::initHelp("default");
  EXPECT_FALSE(tf::helpShown());
  tf::enableHelp();
  EXPECT_TRUE(tf::helpShown());
  tf::gameSys.setInputState(tf::kInputConsole);  // something took the keys
  EXPECT_FALSE(tf::helpShown());
  tf::enableHelp();
  tf::disableHelp();
  EXPECT_FALSE(tf::helpShown());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
}

TEST_F(Help, TopicsGoDownTheLeftAndLinesDownTheRight) {
  for (int t = 0; t < 6; ++t) {
    tf::HelpTopicRow row = tf::helpTopicRow(t, "Maps");
    EXPECT_EQ(row.titleY, 80 + 40 * t);
    EXPECT_EQ(row.titleX, 58);
    const float width = tf::getDisplayTextSize("Maps");
    EXPECT_FLOAT_EQ(row.pick.x, 53 + width / 2);
    EXPECT_EQ(row.pick.y, row.titleY);
    EXPECT_FLOAT_EQ(row.pick.w, width / 2);
    EXPECT_EQ(row.pick.h, 15);
  }
  float x, y;
  tf::helpLinePosition(3, x, y);
  EXPECT_EQ(x, 268);
  EXPECT_EQ(y, 80 + 39);
  tf::helpHeaderPosition(x, y);
  EXPECT_EQ(x, 98);
  EXPECT_EQ(y, 50);

  tf::initHelp("default");
  tf::uiHelp.setHelp(1);
  EXPECT_EQ(tf::helpHeader(), "^yToolkit Help^3 Maps");
}

}  // namespace
