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
  // "title: line; line | title: ..." of every topic.
  static std::string topics() {
    std::string out;
    for (int t = 0; t < tf::uiHelp.getMenuCount(); ++t) {
      out += (t ? " | " : "") + tf::uiHelp.menuGetMenuTitle(t) + ":";
      for (int l = 0; l < tf::uiHelp.getLineCount(t); ++l) out += (l ? "; " : " ") + tf::uiHelp.menuGetMenuLine(t, l);
    }
    return out;
  }
};

TEST_F(Help, TheToolkitsOrTheGamesHelpIsReadTopicByTopic) {
  MessageLog messages;
  tf::uiHelp.setHelp(1);
  tf::uiHelp.setHelpState(true);
  tf::initHelp("default");
  EXPECT_TRUE(messages.contains("Tessera Forge help file loaded successfully."));
  EXPECT_EQ(tf::uiHelp.getHelpTitle() + " = " + topics(),
            "^yToolkit Help = Getting started: Welcome.; Second line. | Maps: A map is a grid.");
  EXPECT_EQ(ints({tf::uiHelp.getHelp(), tf::uiHelp.getHelpState()}), "0 0");

  dir.write("games/maze/system/help.cfg",
            "s helptitle Maze\ns help0title How to play\ns help0line0 Find the exit.\ns help0line1 end\n"
            "s help1title end\n");
  tf::initHelp("maze");
  EXPECT_TRUE(messages.contains("^ymaze/system/help.cfg^w was loaded successfully."));
  EXPECT_EQ(topics(), "How to play: Find the exit.");
  tf::initHelp("castle");  // no help of its own
  EXPECT_TRUE(messages.contains("Attempted to load: ^ycastle/system/help.cfg^w, but it failed"));
  EXPECT_TRUE(messages.contains("Loading Tessera Forge help instead."));
  EXPECT_EQ(tf::uiHelp.getMenuCount(), 2);

  // Missing entries read as "NULL" on the first line and topic.
  dir.write("system/help.cfg", "s help0title Only\n");
  tf::initHelp("default");
  EXPECT_EQ(tf::uiHelp.getHelpTitle() + " = " + topics(), "NULL = Only: NULL");
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
  std::string pages;
  for (auto turn : {tf::helpPreviousTopic, tf::helpNextTopic, tf::helpNextTopic, tf::helpPreviousTopic}) {
    turn();
    pages += std::to_string(tf::uiHelp.getHelp());
  }
  EXPECT_EQ(pages, "0110");  // no turning before the first or beyond the last

  tf::gameSys.setInputState(tf::kInputConsole);  // something took the keys
  EXPECT_FALSE(tf::helpShown());
  tf::enableHelp();
  tf::disableHelp();
  EXPECT_FALSE(tf::helpShown());
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
}

TEST_F(Help, TopicsGoDownTheLeftAndLinesDownTheRight) {
  const float width = tf::getDisplayTextSize("Maps");
  const tf::HelpTopicRow row = tf::helpTopicRow(2, "Maps");  // the drawing tests show rows 0 and 1
  EXPECT_EQ(numbers({row.titleX, row.titleY, row.pick.x, row.pick.y, row.pick.w, row.pick.h}),
            numbers({58, 160, 53 + width / 2, 160, width / 2, 15}));
  float x, y, hx, hy;
  tf::helpLinePosition(3, x, y);
  tf::helpHeaderPosition(hx, hy);
  EXPECT_EQ(numbers({x, y, hx, hy}), "268 119 98 50");
  tf::initHelp("default");
  tf::uiHelp.setHelp(1);
  EXPECT_EQ(tf::helpHeader(), "^yToolkit Help^3 Maps");
}

}  // namespace
