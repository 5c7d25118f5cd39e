// Tooltips: the text for each code, the descriptions of menu elements, when a
// tooltip shows, how its text breaks and where its box goes.
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

TEST_F(Tooltips, EachCodeHasItsTextAndMenuElementsAreDescribedByWhatTheyDo) {
  const std::string editButton = "Click to select this button. While clicking, Drag your mouse to move the button. ";
  const std::string editBox = "Click to select this textbox. While clicking, drag your mouse to move the textbox. ";
  const struct {
    int code, index;
    std::string text;
  } cases[] = {
      {0, 0, "Go to the next map."},
      {3, 0, "Return to the World Editor Main Menu. ^yNo Data will be ^ylost."},
      {55, 144, "Help"},
      {120, 3, "Make a copy of this sentence"},
      {37, 0, "Enable Sound"},
      {37, 1, "Hide"},  // showing a menu has no tooltip
      {22, 1, editButton + "Effect: Load Menu ^y4"},
      {23, 0, editBox + "Use: Name of Game to Create"},
      {23, 1, editBox + "Use: Description missing"},
  };
  for (const auto& c : cases) EXPECT_EQ(tf::toolTipText(c.code, c.index), c.text) << c.code;
  for (int code : {-1, 35, 38, 42, 62, 91, 121, 254}) EXPECT_EQ(tf::toolTipText(code, 0), "Hide") << code;
  // Beyond the current menu's elements there is nothing to describe.
  for (int code : {22, 23, 37}) {
    EXPECT_EQ(tf::toolTipText(code, 2) + tf::toolTipText(code, -1) + tf::getEditorObjectInfo(code, 2), "HideHideHide");
  }
  EXPECT_EQ(tf::getEditorObjectInfo(22, 0) + "|" + tf::getEditorObjectInfo(24, 0), "^yEnable^w Sound|");
  EXPECT_EQ(tf::uiStringDescription(0) + "|" + tf::uiStringDescription(4) + "|" + tf::uiStringDescription(-1),
            "Name of Playable Game to Load|Height of first map in Tiles of Created Game|Description missing");
}

TEST_F(Tooltips, AToolTipWaitsForTheMouseToRestAndBreaksLongTexts) {
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
  for (int code : {-1, 38}) {  // none, and "Hide"
    tf::gameUI.setCurrentTT(code, 0, 0);
    EXPECT_FALSE(tf::prepareTooltip(layout)) << code;
  }
  // The widest line sets the box.
  tf::gameUI.setCurrentTT(63, 0, 0);  // "Add a new sentence to your game logic window"
  ASSERT_TRUE(tf::prepareTooltip(layout));
  ASSERT_EQ(layout.text.lastLine, 1);
  EXPECT_EQ(layout.text.lines[0], "Add a new sentence to your ");
  EXPECT_EQ(layout.boxHalfWidth, static_cast<int>(tf::getDisplayTextSize(layout.text.lines[0])) / 2 + 10);
}

TEST_F(Tooltips, TheBoxOpensBesideTheMouseAwayFromTheEdges) {
  tf::BrokenText three = tf::breakIntoLines("Play Game");
  three.lastLine = 2;
  const struct {
    const tf::BrokenText text;
    int width, mouseX, mouseY;
    const char* box;  // centre, half size, text start and first line
  } cases[] = {
      {tf::breakIntoLines("Play Game"), 81, 100, 100, "160 145 50 12 124 145"},  // right of and below the mouse
      {tf::breakIntoLines("Play Game"), 81, 780, 100, "739 145 50 12 703 145"},  // left near the right edge
      {tf::breakIntoLines("Play Game"), 81, 100, 400, "160 396 50 12 124 396"},  // above in the lower half
      {tf::breakIntoLines("Play Game"), 81, 100, 300, "160 345 50 12 124 345"},  // 300 is the upper half
      {three, 200, 100, 100, "220 145 110 24 124 133"},  // each line 12 higher, text starts 6 higher
  };
  for (const auto& c : cases) {
    const tf::TooltipLayout l = tf::layoutTooltip(c.text, c.width, c.mouseX, c.mouseY);
    EXPECT_EQ(ints({l.boxX, l.boxY, l.boxHalfWidth, l.boxHalfHeight, l.textX, l.firstLineY, l.lineSpacing}),
              c.box + std::string(" 12"))
        << c.mouseX << "," << c.mouseY;
  }
}

}  // namespace
