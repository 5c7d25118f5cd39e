// Help pages: loading the toolkit's help or a game's own, the ends of topics
// and lines, cutting long lines, turning pages and where the window puts its
// topics and lines.
#include "menus/help.h"

#include "media/text.h"
#include "menu_files.h"
#include "menus/help_layout.h"

namespace {

using namespace tftest;

class Help : public MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    dir.write("system/help.cfg",
              "s helptitle ^yToolkit Help\n"
              "s help0title Getting started\ns help0line0 Welcome.\ns help0line1 Second line.\ns help0line2 end\n"
              "s help1title Maps\ns help1line0 A map is a grid.\ns help1line1 end\ns help2title end\n");
  }
};

// "title: line; line | title: ..." of every topic.
std::string topics() {
  std::string out;
  for (int t = 0; t < tf::uiHelp.getMenuCount(); ++t) {
    out += (t ? " | " : "") + tf::uiHelp.menuGetMenuTitle(t) + ":";
    for (int l = 0; l < tf::uiHelp.getLineCount(t); ++l) out += (l ? "; " : " ") + tf::uiHelp.menuGetMenuLine(t, l);
  }
  return out;
}

TEST_F(Help, TheToolkitsHelpIsReadTopicByTopic) {
  MessageLog messages;
  tf::uiHelp.setHelp(1);
  tf::uiHelp.setHelpState(true);
  tf::initHelp("default");
  EXPECT_TRUE(messages.contains("Tessera Forge help file loaded successfully."));
  EXPECT_EQ(tf::uiHelp.getHelpTitle(), "^yToolkit Help");
  EXPECT_EQ(topics(), "Getting started: Welcome.; Second line. | Maps: A map is a grid.");
  EXPECT_EQ(tf::uiHelp.menuGetMenuLine(0, 2), "NULL");
  EXPECT_EQ(tf::uiHelp.getHelp(), 0);
  EXPECT_FALSE(tf::uiHelp.getHelpState());

  // Missing entries read as "NULL" on the first line and topic.
  dir.write("system/help.cfg", "s help0title Only\n");
  tf::initHelp("default");
  EXPECT_EQ(tf::uiHelp.getHelpTitle(), "NULL");
  EXPECT_EQ(topics(), "Only: NULL");
}

TEST_F(Help, AGameBringsItsOwnHelpOrGetsTheToolkits) {
  dir.write("games/maze/system/help.cfg",
            "s helptitle Maze\ns help0title How to play\ns help0line0 Find the exit.\ns help0line1 end\n"
            "s help1title end\n");
  MessageLog messages;
  tf::initHelp("maze");
  EXPECT_TRUE(messages.contains("^ymaze/system/help.cfg^w was loaded successfully."));
  EXPECT_EQ(topics(), "How to play: Find the exit.");
  tf::initHelp("castle");
  EXPECT_TRUE(messages.contains("Attempted to load: ^ycastle/system/help.cfg^w, but it failed"));
  EXPECT_TRUE(messages.contains("Loading Tessera Forge help instead."));
  EXPECT_EQ(tf::uiHelp.getMenuCount(), 2);
}

TEST_F(Help, WithoutTheToolkitsHelpFileTheProgramEndsWithAFailure) {
  std::remove("system/help.cfg");
  EXPECT_EXIT(tf::initHelp("default"), ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(tf::initHelp("maze"), ::testing::ExitedWithCode(1), "");
}

TEST_F(Help, LinesLongerThan59CharactersAreCutTo50) {
  tf::help h;
  h.menuSetMenuLine(0, 0, std::string(59, 'a'));
  h.menuSetMenuLine(0, 1, std::string(60, 'b'));
  EXPECT_EQ(h.menuGetMenuLine(0, 0), std::string(59, 'a'));
  EXPECT_EQ(h.menuGetMenuLine(0, 1), std::string(50, 'b'));
}

TEST_F(Help, TheWindowShowsWhileOpenWithTheInputInHelpAndTheArrowsTurnThePages) {
  tf::initHelp("default");
  EXPECT_FALSE(tf::helpShown());
  tf::enableHelp();
  EXPECT_TRUE(tf::helpShown());
  EXPECT_EQ(platform.calls.back(), "repeat on");
  tf::helpPreviousTopic();
  EXPECT_EQ(tf::uiHelp.getHelp(), 0);
  tf::helpNextTopic();
  tf::helpNextTopic();  // the last topic
  EXPECT_EQ(tf::uiHelp.getHelp(), 1);
  tf::helpPreviousTopic();
  EXPECT_EQ(tf::uiHelp.getHelp(), 0);

  tf::gameSys.setInputState(tf::kInputConsole);  // something took the keys
  EXPECT_FALSE(tf::helpShown());
  tf::enableHelp();
  tf::disableHelp();
  EXPECT_FALSE(tf::helpShown());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
}

TEST_F(Help, TopicsGoDownTheLeftAndLinesDownTheRight) {
  const float width = tf::getDisplayTextSize("Maps");
  for (int t = 0; t < 6; ++t) {
    const tf::HelpTopicRow row = tf::helpTopicRow(t, "Maps");
    EXPECT_EQ(numbers({row.titleX, row.titleY, row.pick.x, row.pick.y, row.pick.w, row.pick.h}),
              numbers({58, 80.0f + 40 * t, 53 + width / 2, 80.0f + 40 * t, width / 2, 15}));
  }
  float x, y;
  tf::helpLinePosition(3, x, y);
  EXPECT_EQ(numbers({x, y}), "268 119");
  tf::helpHeaderPosition(x, y);
  EXPECT_EQ(numbers({x, y}), "98 50");
  tf::initHelp("default");
  tf::uiHelp.setHelp(1);
  EXPECT_EQ(tf::helpHeader(), "^yToolkit Help^3 Maps");
}

}  // namespace
