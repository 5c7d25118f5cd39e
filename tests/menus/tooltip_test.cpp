// Tooltips: the text for each code, the descriptions of menu elements, when a
// tooltip shows, how its text breaks into lines and where its box goes.
#include "menus/tooltip.h"

#include <gtest/gtest.h>

#include "core/system.h"
#include "manual_clock.h"
#include "media/text.h"
#include "menus/ui_model.h"

namespace {

class Tooltips : public ::testing::Test {
 protected:
  void SetUp() override {
    savedUI = tf::gameUI;
    savedSys = tf::gameSys;
    tf::gameUI = tf::UI();
    tf::gameUI.allocateMenu(2);
    tf::gameUI.setCurrentMenu(1);
    tf::gameUI.uiModifyButton(400, 300, 100, 25, 2, 23, 0, 1, 0);  // sound on
    tf::gameUI.uiModifyButton(400, 360, 100, 25, 3, 1, 4, 1, 1);   // menu 4
    tf::gameUI.uiModifyTextbox(250, 230, 300, 20, 2, 1, 0);
    tf::gameUI.uiModifyTextbox(250, 260, 300, 20, 9, 1, 1);
    tf::gameSys.SetSystem(0, 0, 800, 600, "Tessera Forge");
    tf::gameSys.setGameState(tf::kStateMenus);
  }
  void TearDown() override {
    tf::gameUI = savedUI;
    tf::gameSys = savedSys;
  }
  tf::UI savedUI;
  tf::System savedSys;
};

TEST_F(Tooltips, FixedCodesHaveTheirTexts) {
  EXPECT_EQ(tf::toolTipText(0, 0), "Go to the next map.");
  EXPECT_EQ(tf::toolTipText(3, 0), "Return to the World Editor Main Menu. ^yNo Data will be ^ylost.");
  EXPECT_EQ(tf::toolTipText(24, 9), "Click to select this line of text. While clicking, drag your mouse to move the text.");
  EXPECT_EQ(tf::toolTipText(39, 2), "Click a topic title to read more information.");
  EXPECT_EQ(tf::toolTipText(55, 144), "Help");
  EXPECT_EQ(tf::toolTipText(70, 0), "Delete the current map");
  EXPECT_EQ(tf::toolTipText(85, 7), "Click this image to select it for your current tile/object.");
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
    EXPECT_EQ(tf::toolTipText(code, 2), "Hide") << code;
    EXPECT_EQ(tf::toolTipText(code, -1), "Hide") << code;
  }
}

TEST_F(Tooltips, EditorObjectInfoNamesButtonsAndTextboxes) {
  EXPECT_EQ(tf::getEditorObjectInfo(22, 0), "^yEnable^w Sound");
  EXPECT_EQ(tf::getEditorObjectInfo(37, 0), "Enable Sound");
  EXPECT_EQ(tf::getEditorObjectInfo(23, 0), "Name of Game to Create");
  EXPECT_EQ(tf::getEditorObjectInfo(22, 5), "Hide");
  EXPECT_EQ(tf::getEditorObjectInfo(23, 5), "Hide");
  EXPECT_EQ(tf::getEditorObjectInfo(24, 0), "");
  EXPECT_EQ(tf::uiStringDescription(0), "Name of Playable Game to Load");
  EXPECT_EQ(tf::uiStringDescription(1), "Name of Game to Load in Game Editor");
  EXPECT_EQ(tf::uiStringDescription(3), "Width of first map in Tiles of Created Game");
  EXPECT_EQ(tf::uiStringDescription(4), "Height of first map in Tiles of Created Game");
  EXPECT_EQ(tf::uiStringDescription(5), "Description missing");
}

TEST_F(Tooltips, AToolTipWaitsForTheMouseToRest) {
  tftest::ManualClock clock(50000);
  tf::gameSys.setOrthoPos(100, 100);
  tf::TooltipLayout layout;
  tf::gameUI.setCurrentTT(119, 0, 49000);
  EXPECT_FALSE(tf::prepareTooltip(layout));  // 1000 ms
  clock.set(50499);
  EXPECT_FALSE(tf::prepareTooltip(layout));
  clock.set(50500);
  ASSERT_TRUE(tf::prepareTooltip(layout));
  EXPECT_EQ(layout.text.lines[0], "Play Game");

  tf::gameSys.setGameState(tf::kStateSplash);
  EXPECT_FALSE(tf::prepareTooltip(layout));
  tf::gameSys.setGameState(tf::kStateMenus);
  tf::gameUI.setCurrentTT(-1, -1, 0);
  EXPECT_FALSE(tf::prepareTooltip(layout));
  tf::gameUI.setCurrentTT(38, 0, 0);  // "Hide"
  EXPECT_FALSE(tf::prepareTooltip(layout));
}

TEST_F(Tooltips, LongTextsBreakAtSpacesIntoAtMostFiveLines) {
  // Four-letter words: a space at every fifth character.
  std::string text;
  for (int i = 0; i < 12; ++i) text += "abcd ";
  text.resize(60);
  tf::BrokenText broken = tf::breakIntoLines(text);
  EXPECT_EQ(broken.lastLine, 2);
  EXPECT_EQ(broken.lines[0], text.substr(0, 30));   // up to the space at the 30th
  EXPECT_EQ(broken.lines[1], text.substr(30, 25));  // up to the space at the 55th
  EXPECT_EQ(broken.lines[2], text.substr(55));

  std::string longer;
  for (int i = 0; i < 40; ++i) longer += "abcd ";
  tf::BrokenText five = tf::breakIntoLines(longer);
  EXPECT_EQ(five.lastLine, 4);
  EXPECT_EQ(five.lines[3], longer.substr(80, 25));
  EXPECT_EQ(five.lines[4], longer.substr(105));  // the rest stays on the last line
}

TEST_F(Tooltips, TheBoxOpensBesideTheMouseAwayFromTheEdges) {
  tf::BrokenText one = tf::breakIntoLines("Play Game");
  const int width = 81;  // nine glyphs

  tf::TooltipLayout upperLeft = tf::layoutTooltip(one, width, 100, 100);
  // Right of and below the mouse.
  EXPECT_EQ(upperLeft.boxX, 100 + 20 + 20 + 20);
  EXPECT_EQ(upperLeft.boxY, 100 + 20 + 25);
  EXPECT_EQ(upperLeft.boxHalfWidth, 40 + 10);
  EXPECT_EQ(upperLeft.boxHalfHeight, 12);
  EXPECT_EQ(upperLeft.textX, 100 + 20 + 20 + 4 - 20);
  EXPECT_EQ(upperLeft.firstLineY, 100 + 20 + 25);
  EXPECT_GT(upperLeft.boxX - upperLeft.boxHalfWidth, 100);

  // Near the right edge it opens to the left of the mouse, and stays on screen.
  tf::TooltipLayout right = tf::layoutTooltip(one, width, 780, 100);
  EXPECT_LT(right.boxX, 780);
  EXPECT_LE(right.boxX + right.boxHalfWidth, 800);
  EXPECT_EQ(right.textX, 780 + 20 - 81 + 4 - 20);

  // In the lower half it opens above the mouse.
  tf::TooltipLayout low = tf::layoutTooltip(one, width, 100, 400);
  EXPECT_LT(low.boxY, 400);
  EXPECT_EQ(low.boxY, 400 - 24 - 5 + 25);
  tf::TooltipLayout middle = tf::layoutTooltip(one, width, 100, 300);
  EXPECT_GT(middle.boxY - middle.boxHalfHeight, 300);  // 300 itself is the upper half

  // Every further line makes the box 12 higher and starts the text 6 higher.
  tf::BrokenText three = tf::breakIntoLines(std::string(20, 'a') + " " + std::string(10, 'b') + " " +
                                            std::string(30, 'c') + " d");
  ASSERT_EQ(three.lastLine, 2);
  tf::TooltipLayout tall = tf::layoutTooltip(three, 200, 100, 100);
  EXPECT_EQ(tall.boxHalfHeight, 24);
  EXPECT_EQ(tall.firstLineY, 100 + 20 - 12 + 25);
  EXPECT_EQ(tall.lineSpacing, 12);
}

TEST_F(Tooltips, TheWidestLineSetsTheBox) {
  tftest::ManualClock clock(10000);
  tf::gameSys.setOrthoPos(100, 100);
  tf::gameUI.setCurrentTT(63, 0, 0);  // "Add a new sentence to your game logic window"
  tf::TooltipLayout layout;
  ASSERT_TRUE(tf::prepareTooltip(layout));
  ASSERT_EQ(layout.text.lastLine, 1);
  EXPECT_EQ(layout.text.lines[0], "Add a new sentence to your ");
  const int widest = static_cast<int>(tf::getDisplayTextSize(layout.text.lines[0]));
  EXPECT_EQ(layout.boxHalfWidth, widest / 2 + 10);
}

}  // namespace
