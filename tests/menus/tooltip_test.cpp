// Tooltips: the text for each code, the descriptions of menu elements, when a
// tooltip shows and where its box goes.
#include "menus/tooltip.h"

#include "media/text.h"
#include "menu_files.h"

namespace {

using namespace tftest;

class Tooltips : public MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    tf::gameUI.allocateMenu(2);
    tf::gameUI.setCurrentMenu(1);
    tf::gameUI.uiModifyButton(400, 300, 100, 25, 2, 23, 0, 1, 0);  // sound on
    tf::gameUI.uiModifyButton(400, 360, 100, 25, 3, 1, 4, 1, 1);   // menu 4
    tf::gameUI.uiModifyTextbox(250, 230, 300, 20, 2, 1, 0);
    tf::gameUI.uiModifyTextbox(250, 260, 300, 20, 9, 1, 1);
    tf::gameSys.SetSystem(0, 0, 800, 600, "Tessera Forge");
    tf::gameSys.setGameState(tf::kStateMenus);
    tf::gameSys.setOrthoPos(100, 100);
  }
};

TEST_F(Tooltips, FixedCodesHaveTheirTexts) {
  EXPECT_EQ(tf::toolTipText(0, 0), "Go to the next map.");
  EXPECT_EQ(tf::toolTipText(3, 0), "Return to the World Editor Main Menu. ^yNo Data will be ^ylost.");
  EXPECT_EQ(tf::toolTipText(24, 9),
            "Click to select this line of text. While clicking, drag your mouse to move the text.");
  EXPECT_EQ(tf::toolTipText(55, 144), "Help");
  EXPECT_EQ(tf::toolTipText(70, 0), "Delete the current map");
  EXPECT_EQ(tf::toolTipText(119, 0), "Play Game");
  EXPECT_EQ(tf::toolTipText(120, 3), "Make a copy of this sentence");
  for (int code : {-1, 35, 36, 38, 42, 43, 48, 61, 62, 91, 104, 109, 113, 117, 118, 121, 254}) {
    EXPECT_EQ(tf::toolTipText(code, 0), "Hide") << code;
  }
}

TEST_F(Tooltips, MenuElementsAreDescribedByWhatTheyDo) {
  EXPECT_EQ(tf::toolTipText(37, 0), "Enable Sound");
  EXPECT_EQ(tf::toolTipText(37, 1), "Hide");  // showing a menu has no tooltip
  EXPECT_EQ(tf::toolTipText(22, 1),
            "Click to select this button. While clicking, Drag your mouse to move the button. Effect: Load Menu ^y4");
  EXPECT_EQ(tf::toolTipText(23, 0),
            "Click to select this textbox. While clicking, drag your mouse to move the textbox. Use: Name of Game "
            "to Create");
  EXPECT_EQ(tf::toolTipText(23, 1),
            "Click to select this textbox. While clicking, drag your mouse to move the textbox. Use: Description "
            "missing");
  // Beyond the current menu's elements there is nothing to describe.
  for (int code : {22, 23, 37}) {
    EXPECT_EQ(tf::toolTipText(code, 2) + tf::toolTipText(code, -1), "HideHide") << code;
    EXPECT_EQ(tf::getEditorObjectInfo(code, 2), "Hide") << code;
  }
  EXPECT_EQ(tf::getEditorObjectInfo(22, 0), "^yEnable^w Sound");
  EXPECT_EQ(tf::getEditorObjectInfo(37, 0), "Enable Sound");
  EXPECT_EQ(tf::getEditorObjectInfo(23, 0), "Name of Game to Create");
  EXPECT_EQ(tf::getEditorObjectInfo(24, 0), "");
  const char* const strings[] = {"Name of Playable Game to Load", "Name of Game to Load in Game Editor",
                                 "Name of Game to Create", "Width of first map in Tiles of Created Game",
                                 "Height of first map in Tiles of Created Game", "Description missing"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(tf::uiStringDescription(i), strings[i]);
  EXPECT_EQ(tf::uiStringDescription(-1), "Description missing");
}

TEST_F(Tooltips, AToolTipWaitsForTheMouseToRest) {
  tf::TooltipLayout layout;
  tf::gameUI.setCurrentTT(119, 0, clock.now() - 1000);
  EXPECT_FALSE(tf::prepareTooltip(layout));
  clock.advance(499);
  EXPECT_FALSE(tf::prepareTooltip(layout));
  clock.advance(1);
  ASSERT_TRUE(tf::prepareTooltip(layout));
  EXPECT_EQ(layout.text.lines[0], "Play Game");

  tf::gameSys.setGameState(tf::kStateSplash);
  EXPECT_FALSE(tf::prepareTooltip(layout));
  tf::gameSys.setGameState(tf::kStateMenus);
  tf::gameUI.setCurrentTT(-1, -1, 0);
  EXPECT_FALSE(tf::prepareTooltip(layout));
  tf::gameUI.setCurrentTT(38, 0, 0);  // "Hide"
  EXPECT_FALSE(tf::prepareTooltip(layout));

  // The widest line sets the box.
  tf::gameUI.setCurrentTT(63, 0, 0);  // "Add a new sentence to your game logic window"
  ASSERT_TRUE(tf::prepareTooltip(layout));
  ASSERT_EQ(layout.text.lastLine, 1);
  EXPECT_EQ(layout.text.lines[0], "Add a new sentence to your ");
  EXPECT_EQ(layout.boxHalfWidth, static_cast<int>(tf::getDisplayTextSize(layout.text.lines[0])) / 2 + 10);
}

// Box centre, half size, text start and first line, as "bx by bw bh tx ty".
std::string boxOf(const tf::TooltipLayout& l) {
  return ints({l.boxX, l.boxY, l.boxHalfWidth, l.boxHalfHeight, l.textX, l.firstLineY});
}

TEST_F(Tooltips, TheBoxOpensBesideTheMouseAwayFromTheEdges) {
  const tf::BrokenText one = tf::breakIntoLines("Play Game");
  const int width = 81;  // nine glyphs
  // Right of and below the mouse.
  EXPECT_EQ(boxOf(tf::layoutTooltip(one, width, 100, 100)), "160 145 50 12 124 145");
  // Near the right edge to the left of the mouse, staying on screen.
  EXPECT_EQ(boxOf(tf::layoutTooltip(one, width, 780, 100)), "739 145 50 12 703 145");
  // In the lower half above the mouse; 300 itself is the upper half.
  EXPECT_EQ(boxOf(tf::layoutTooltip(one, width, 100, 400)), "160 396 50 12 124 396");
  EXPECT_EQ(boxOf(tf::layoutTooltip(one, width, 100, 300)), "160 345 50 12 124 345");
  // Every further line makes the box 12 higher and starts the text 6 higher.
  tf::BrokenText three = one;
  three.lastLine = 2;
  const tf::TooltipLayout tall = tf::layoutTooltip(three, 200, 100, 100);
  EXPECT_EQ(boxOf(tall), "220 145 110 24 124 133");
  EXPECT_EQ(tall.lineSpacing, 12);
}

}  // namespace
