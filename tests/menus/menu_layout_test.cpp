// Menu drawing decisions: what a pass draws, hover and pressed looks, textbox
// fields, pick colours, blinking carets, shown strings and system textboxes.
#include "menus/menu_layout.h"

#include <gtest/gtest.h>

#include "core/script_object.h"
#include "core/system.h"
#include "editor/editor.h"
#include "manual_clock.h"
#include "media/text.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace {

class MenuLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    savedUI = tf::gameUI;
    savedSys = tf::gameSys;
    savedStrings = tf::uiScriptString;
    savedEditor = tf::worldEditor;
    tf::scriptUI.clear();
    // Carets switch when due; every test starts long after the last switch.
    static int start = 0;
    start += 1000000;
    clock.set(start);
  }
  void TearDown() override {
    tf::gameUI = savedUI;
    tf::gameSys = savedSys;
    tf::uiScriptString = savedStrings;
    tf::worldEditor = savedEditor;
    tf::scriptUI.clear();
    tf::loadSysTextboxes();
  }

  // The text shown at each of `times` (ms from now), for a text function.
  template <typename Shown>
  std::vector<std::string> shownOver(const std::vector<int>& times, Shown shown) {
    std::vector<std::string> texts;
    const int start = clock.now();
    for (int t : times) {
      clock.set(start + t);
      texts.push_back(shown());
    }
    return texts;
  }

  // `seen` was taken in pairs: the first of each pair just after the caret
  // was due to switch, the second before it was due again. The pairs must
  // alternate between the text with the caret and the text without it
  // (which comes first depends on where the shared caret stood).
  static void expectBlinking(const std::vector<std::string>& seen, const std::string& on,
                             const std::string& off) {
    ASSERT_GE(seen.size(), 4u);
    EXPECT_TRUE((seen[0] == on && seen[2] == off) || (seen[0] == off && seen[2] == on)) << seen[0];
    for (std::size_t i = 0; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i], seen[i / 2 % 2 == 0 ? 0 : 2]) << "sample " << i;
    }
  }

  tftest::ManualClock clock;

 private:
  tf::UI savedUI;
  tf::System savedSys;
  tf::uiString savedStrings;
  tf::editor savedEditor;
};

TEST_F(MenuLayout, EachPassDrawsWhatItsStateShows) {
  tf::MenuDrawPlan menus = tf::planMenuDraw(tf::kStateMenus, false, false, 0);
  EXPECT_TRUE(menus.background);
  EXPECT_TRUE(menus.elements);
  EXPECT_FALSE(menus.worldEditor);
  EXPECT_FALSE(menus.menuEditor);

  EXPECT_FALSE(tf::planMenuDraw(tf::kStateMenus, true, false, 0).background);   // pick pass
  EXPECT_FALSE(tf::planMenuDraw(tf::kStateMenus, false, false, -1).background);  // no picture
  EXPECT_FALSE(tf::planMenuDraw(tf::kStatePlay, false, false, 0).elements);
  EXPECT_FALSE(tf::planMenuDraw(tf::kStateSplash, false, false, 0).elements);
  EXPECT_TRUE(tf::planMenuDraw(tf::kStateDialog, false, false, 0).elements);

  EXPECT_TRUE(tf::planMenuDraw(tf::kStateWorldEditor, false, true, -1).worldEditor);
  EXPECT_FALSE(tf::planMenuDraw(tf::kStateWorldEditor, false, false, -1).worldEditor);
  EXPECT_FALSE(tf::planMenuDraw(tf::kStateMenus, false, true, -1).worldEditor);
  EXPECT_TRUE(tf::planMenuDraw(tf::kStateMenuEditor, true, false, 0).menuEditor);
}

TEST_F(MenuLayout, MenuElementsCarryTheEditorsCodesInTheMenuEditor) {
  EXPECT_EQ(tf::menuButtonPick(5, tf::kStateMenus), (tf::PickColor{37, 144, 5}));
  EXPECT_EQ(tf::menuButtonPick(5, tf::kStateMenuEditor), (tf::PickColor{22, 144, 5}));
  EXPECT_EQ(tf::menuTextboxPick(2, tf::kStateWorldEditor), (tf::PickColor{38, 144, 2}));
  EXPECT_EQ(tf::menuTextboxPick(2, tf::kStateMenuEditor), (tf::PickColor{23, 144, 2}));
  EXPECT_EQ(tf::menuTextlinePick(7), (tf::PickColor{24, 144, 7}));
  EXPECT_EQ(tf::systemTextboxPick(6), (tf::PickColor{48, 144, 6}));
}

TEST_F(MenuLayout, AHoveredButtonGrowsAndAPressedOneDarkens) {
  tf::ButtonLook plain = tf::buttonLook(400, 300, 100, 25, false, false);
  EXPECT_EQ(plain.rect.w, 100);
  EXPECT_EQ(plain.shade, 1);
  tf::ButtonLook hovered = tf::buttonLook(400, 300, 100, 25, true, false);
  EXPECT_EQ(hovered.rect.x, 400);
  EXPECT_FLOAT_EQ(hovered.rect.w, 110);
  EXPECT_FLOAT_EQ(hovered.rect.h, 27.5f);
  EXPECT_EQ(hovered.shade, 1);
  // Held down, a button keeps its size even under the mouse.
  tf::ButtonLook pressed = tf::buttonLook(400, 300, 100, 25, true, true);
  EXPECT_EQ(pressed.rect.w, 100);
  EXPECT_FLOAT_EQ(pressed.shade, 0.6f);
}

TEST_F(MenuLayout, ATextboxFieldLiesRightOfAndAroundItsTextStart) {
  tf::WholeRect field = tf::textboxField(250, 230, 300, 20, false);
  EXPECT_EQ(field.x, 400);
  EXPECT_EQ(field.y, 227);
  EXPECT_EQ(field.w, 150);
  EXPECT_EQ(field.h, 10);
  tf::WholeRect hovered = tf::textboxField(250, 230, 300, 20, true);
  EXPECT_EQ(hovered.x, 400);
  EXPECT_EQ(hovered.w, 155);  // a thirtieth wider
  EXPECT_EQ(hovered.h, 11);   // a tenth higher
  float x, y;
  tf::textboxTextPosition(250, 230, x, y);
  EXPECT_EQ(x, 254);
  EXPECT_EQ(y, 227);
}

TEST_F(MenuLayout, ATextLineIsPickedAroundItsText) {
  const float width = tf::getDisplayTextSize("^yGo on");
  tf::ScreenRect r = tf::textlinePickRect(100, 50, "^yGo on");
  EXPECT_FLOAT_EQ(r.x, 100 + width / 2);
  EXPECT_EQ(r.y, 50);
  EXPECT_FLOAT_EQ(r.w, width / 2 + 6);
  EXPECT_EQ(r.h, 10);
}

TEST_F(MenuLayout, TheEditedTextboxShowsABlinkingBar) {
  tf::uiScriptString.setString("maze", 2);
  tf::gameUI.setTextboxEdit(1);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  auto text = [] { return tf::menuTextboxText(1, 2); };
  expectBlinking(shownOver({0, 700, 760, 1500, 1520, 2260}, text), "maze|", "maze");

  // Another textbox, or the same one outside typing, shows its text alone.
  EXPECT_EQ(tf::menuTextboxText(0, 2), "maze");
  tf::gameSys.setInputState(tf::kInputNormal);
  EXPECT_EQ(shownOver({800, 1600}, text), (std::vector<std::string>{"maze", "maze"}));
  EXPECT_EQ(tf::menuTextboxText(1, 40), "");  // beyond the string table
}

TEST_F(MenuLayout, TheMenuEditorsTextLineShowsABlinkingUnderscore) {
  tf::worldEditor.setCurrentTextline(3);
  tf::gameSys.setInputState(tf::kInputMenuEditorText);
  auto text = [] { return tf::menuTextlineText(3, "Go", tf::kStateMenuEditor); };
  expectBlinking(shownOver({0, 740, 760, 1500, 1520, 2260}, text), "Go_", "Go");
  EXPECT_EQ(tf::menuTextlineText(2, "Go", tf::kStateMenuEditor), "Go");

  // An empty line shows as "_" in the menu editor so it can be clicked; on a
  // live menu it stays empty.
  EXPECT_EQ(tf::menuTextlineText(2, "", tf::kStateMenuEditor), "_");
  tf::gameSys.setInputState(tf::kInputNormal);
  EXPECT_EQ(tf::menuTextlineText(3, "", tf::kStateMenus), "");
}

TEST_F(MenuLayout, TheMenuEditorDragsTheSelectedItemWhileTheButtonIsHeld) {
  tf::worldEditor.setEditorMode(tf::kEditButtons);
  tf::worldEditor.setCurrentButton(4);
  tf::gameSys.setLeftMouse(1);
  EXPECT_TRUE(tf::menuEditorDragging(tf::kEditButtons, 4));
  EXPECT_FALSE(tf::menuEditorDragging(tf::kEditButtons, 3));
  EXPECT_FALSE(tf::menuEditorDragging(tf::kEditTextboxes, 4));  // another mode
  tf::gameSys.setLeftMouse(2);
  EXPECT_FALSE(tf::menuEditorDragging(tf::kEditButtons, 4));

  tf::worldEditor.setEditorMode(tf::kEditTextlines);
  tf::worldEditor.setCurrentTextline(1);
  tf::gameSys.setLeftMouse(1);
  EXPECT_TRUE(tf::menuEditorDragging(tf::kEditTextlines, 1));
}

TEST_F(MenuLayout, ShownStringsComeFromTheMenuFileUpToTheirEnd) {
  tf::uiScriptString.setString("castle", 1);
  tf::scriptUI.readText(
      "s menu2string0 name\nf menu2string0x 100\nf menu2string0y 50\nf menu2string0string 1\n"
      "s menu2string1 other\nf menu2string1x 10\nf menu2string1y 20\nf menu2string1string 0\n"
      "s menu2string2 beyond\nf menu2string2string 1\n"
      "s menu2string3 end\n"
      "s menu2string4 never\nf menu2string4string 1\n"
      "s menu3string0 only\nf menu3string0x 5\nf menu3string0y 6\nf menu3string0string 1\n",
      "ui.cfg");
  std::vector<tf::ShownString> shown = tf::shownStrings(2);
  // k = 2 names no UI string (the table holds 0 and 1): it is left out.
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "castle");
  EXPECT_EQ(shown[0].x, 100);
  EXPECT_EQ(shown[0].y, 50);
  EXPECT_EQ(shown[1].text, "");
  // Without its "end" the list stops at the first missing entry.
  ASSERT_EQ(tf::shownStrings(3).size(), 1u);
  EXPECT_TRUE(tf::shownStrings(0).empty());
}

TEST_F(MenuLayout, ASystemTextboxIsPlacedWhereItIsDrawn) {
  tf::loadSysTextboxes();
  tf::uiScriptString.setString("Hall", 8);
  tf::SystemTextboxLook look;
  ASSERT_TRUE(tf::placeSystemTextbox(500, 510, 101, 4, look));
  float x, y, w, h;
  int text;
  tf::sysTextbox[4].getTextbox(x, y, w, h, text);
  EXPECT_EQ(x, 500);
  EXPECT_EQ(y, 510);
  EXPECT_EQ(w, 101);
  EXPECT_EQ(h, 7);
  EXPECT_EQ(text, 8);
  EXPECT_EQ(look.field.x, 450);
  EXPECT_EQ(look.field.y, 510);
  EXPECT_EQ(look.field.w, 50);
  EXPECT_EQ(look.field.h, 11);
  EXPECT_EQ(look.textX, 406);
  EXPECT_EQ(look.textY, 510);
  EXPECT_EQ(look.text, "Hall");
  EXPECT_EQ(look.pick, (tf::PickColor{48, 144, 4}));
  EXPECT_FALSE(tf::placeSystemTextbox(0, 0, 10, 7, look));
  EXPECT_FALSE(tf::placeSystemTextbox(0, 0, 10, -1, look));
}

TEST_F(MenuLayout, TheTypedSystemTextboxBlinksEverySecond) {
  tf::loadSysTextboxes();
  tf::uiScriptString.setString("12", 3);
  tf::gameUI.setTextboxEdit(0);
  tf::gameSys.setInputState(tf::kInputSystemTextbox);
  auto text = [] {
    tf::SystemTextboxLook look;
    tf::placeSystemTextbox(200, 535, 50, 0, look);
    return look.text;
  };
  expectBlinking(shownOver({0, 1000, 1100, 2100, 2200, 3100}, text), "12_", "12 ");
  tf::gameSys.setInputState(tf::kInputMenuTextbox);  // a menu textbox is typed into
  EXPECT_EQ(text(), "12");
}

}  // namespace
