// Menu drawing decisions: what a pass draws, hover and pressed looks, textbox
// fields, pick colours, blinking carets, shown strings and system textboxes.
#include "menus/menu_layout.h"

#include "editor/editor.h"
#include "media/text.h"
#include "menu_files.h"
#include "menus/system_textboxes.h"

namespace {

using namespace tftest;

class MenuLayout : public MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    tf::loadSysTextboxes();
  }
  void TearDown() override {
    tf::loadSysTextboxes();
    MenuFiles::TearDown();
  }

  // The text shown at each of `times` (ms from now).
  template <typename Shown>
  Lines shownOver(const std::vector<int>& times, Shown shown) {
    Lines texts;
    const int start = clock.now();
    for (int t : times) {
      clock.set(start + t);
      texts.push_back(shown());
    }
    return texts;
  }

  // `seen` was taken in pairs: the first of each pair just after the caret
  // was due to switch, the second before it was due again. The pairs
  // alternate between `on` and `off` (which comes first depends on where the
  // shared caret stood).
  static void expectBlinking(const Lines& seen, const std::string& on, const std::string& off) {
    ASSERT_GE(seen.size(), 4u);
    EXPECT_TRUE((seen[0] == on && seen[2] == off) || (seen[0] == off && seen[2] == on)) << seen[0];
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], seen[i / 2 % 2 == 0 ? 0 : 2]) << i;
  }
};

std::string pick(const tf::PickColor& c) { return ints({c.r, c.g, c.b}); }

TEST_F(MenuLayout, EachPassDrawsWhatItsStateShows) {
  const struct {
    int state;
    bool pickPass, editorMenuShown;
    int background;
    const char* plan;  // background, world editor, elements, menu editor
  } cases[] = {{tf::kStateMenus, false, false, 0, "1 0 1 0"}, {tf::kStateMenus, true, false, 0, "0 0 1 0"},
               {tf::kStateMenus, false, false, -1, "0 0 1 0"}, {tf::kStatePlay, false, false, 0, "1 0 0 0"},
               {tf::kStateSplash, false, false, 0, "1 0 0 0"}, {tf::kStateDialog, false, false, 0, "1 0 1 0"},
               {tf::kStateWorldEditor, false, true, -1, "0 1 1 0"},
               {tf::kStateWorldEditor, false, false, -1, "0 0 1 0"},
               {tf::kStateMenus, false, true, -1, "0 0 1 0"}, {tf::kStateMenuEditor, true, false, 0, "0 0 1 1"}};
  for (const auto& c : cases) {
    const tf::MenuDrawPlan p = tf::planMenuDraw(c.state, c.pickPass, c.editorMenuShown, c.background);
    EXPECT_EQ(ints({p.background, p.worldEditor, p.elements, p.menuEditor}), c.plan)
        << c.state << " " << c.pickPass << " " << c.editorMenuShown << " " << c.background;
  }
}

TEST_F(MenuLayout, PickColoursAndTheEditorsCodesInTheMenuEditor) {
  EXPECT_EQ(pick(tf::menuButtonPick(5, tf::kStateMenus)), "37 144 5");
  EXPECT_EQ(pick(tf::menuButtonPick(5, tf::kStateMenuEditor)), "22 144 5");
  EXPECT_EQ(pick(tf::menuTextboxPick(2, tf::kStateWorldEditor)), "38 144 2");
  EXPECT_EQ(pick(tf::menuTextboxPick(2, tf::kStateMenuEditor)), "23 144 2");
  EXPECT_EQ(pick(tf::menuTextlinePick(7)), "24 144 7");
}

// (A button's hovered and pressed looks are proved by the drawing tests.)
TEST_F(MenuLayout, TextboxFieldsAndTextLinesAreWhereTheyAreDrawn) {
  const tf::WholeRect plain = tf::textboxField(250, 230, 300, 20, false);
  const tf::WholeRect hovered = tf::textboxField(250, 230, 300, 20, true);  // a thirtieth wider, a tenth higher
  EXPECT_EQ(ints({plain.x, plain.y, plain.w, plain.h, hovered.x, hovered.y, hovered.w, hovered.h}),
            "400 227 150 10 400 227 155 11");
  float x, y;
  tf::textboxTextPosition(250, 230, x, y);
  EXPECT_EQ(numbers({x, y}), "254 227");
  const float width = tf::getDisplayTextSize("^yGo on");
  const tf::ScreenRect r = tf::textlinePickRect(100, 50, "^yGo on");
  EXPECT_EQ(numbers({r.x, r.y, r.w, r.h}), numbers({100 + width / 2, 50, width / 2 + 6, 10}));
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
  EXPECT_EQ(shownOver({800, 1600}, text), (Lines{"maze", "maze"}));
  EXPECT_EQ(tf::menuTextboxText(1, 40), "");  // beyond the string table
}

TEST_F(MenuLayout, TheMenuEditorsTextLineShowsABlinkingUnderscore) {
  tf::worldEditor.setCurrentTextline(3);
  tf::gameSys.setInputState(tf::kInputMenuEditorText);
  auto text = [] { return tf::menuTextlineText(3, "Go", tf::kStateMenuEditor); };
  expectBlinking(shownOver({0, 740, 760, 1500, 1520, 2260}, text), "Go_", "Go");
  EXPECT_EQ(tf::menuTextlineText(2, "Go", tf::kStateMenuEditor), "Go");
  // An empty line shows as "_" in the menu editor so it can be clicked; on a live menu it stays empty.
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
      "s menu2string2 beyond\nf menu2string2string 1\ns menu2string3 end\n"
      "s menu2string4 never\nf menu2string4string 1\n"
      "s menu3string0 only\nf menu3string0x 5\nf menu3string0y 6\nf menu3string0string 1\n",
      "ui.cfg");
  std::string seen;
  for (const tf::ShownString& s : tf::shownStrings(2)) seen += numbers({s.x, s.y}) + " [" + s.text + "] ";
  // k = 2 names no UI string (the table holds 0 and 1): it is left out.
  EXPECT_EQ(seen, "100 50 [castle] 10 20 [] ");
  // Without its "end" the list stops at the first missing entry.
  EXPECT_EQ(tf::shownStrings(3).size(), 1u);
  EXPECT_TRUE(tf::shownStrings(0).empty());
}

TEST_F(MenuLayout, ASystemTextboxIsPlacedWhereItIsDrawnAndBlinksEverySecondWhileTyped) {
  tf::uiScriptString.setString("Hall", 8);
  tf::SystemTextboxLook look;
  ASSERT_TRUE(tf::placeSystemTextbox(500, 510, 101, 4, look));
  float x, y, w, h;
  int text;
  tf::sysTextbox[4].getTextbox(x, y, w, h, text);
  EXPECT_EQ(numbers({x, y, w, h}) + " " + std::to_string(text), "500 510 101 7 8");
  EXPECT_EQ(ints({look.field.x, look.field.y, look.field.w, look.field.h}), "450 510 50 11");
  EXPECT_EQ(numbers({look.textX, look.textY}), "406 510");
  EXPECT_EQ(look.text, "Hall");
  EXPECT_EQ(pick(look.pick), "48 144 4");
  EXPECT_FALSE(tf::placeSystemTextbox(0, 0, 10, 7, look));
  EXPECT_FALSE(tf::placeSystemTextbox(0, 0, 10, -1, look));

  tf::uiScriptString.setString("12", 3);
  tf::gameUI.setTextboxEdit(0);
  tf::gameSys.setInputState(tf::kInputSystemTextbox);
  auto typed = [] {
    tf::SystemTextboxLook l;
    tf::placeSystemTextbox(200, 535, 50, 0, l);
    return l.text;
  };
  expectBlinking(shownOver({0, 1000, 1100, 2100, 2200, 3100}, typed), "12_", "12 ");
  tf::gameSys.setInputState(tf::kInputMenuTextbox);  // a menu textbox is typed into
  EXPECT_EQ(typed(), "12");
}

}  // namespace
