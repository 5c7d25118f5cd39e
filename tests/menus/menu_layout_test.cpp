// Menu drawing decisions: what a pass draws, textbox fields, dragging,
// blinking carets, shown strings and system textboxes.
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
  // Reads `shown` in pairs, just after a caret switching every `ms` was due
  // to switch and exactly `ms` later, when it has not switched yet; the pairs
  // alternate between `on` and `off`, in either order.
  template <typename Shown>
  void expectBlinking(int ms, Shown shown, const std::string& on, const std::string& off) {
    Lines seen;
    const int start = clock.now() + 100000;  // long after any earlier switch
    for (int t : {0, ms, ms + 10, 2 * ms + 10, 2 * ms + 20, 3 * ms + 20}) {
      clock.set(start + t);
      seen.push_back(shown());
    }
    EXPECT_TRUE((seen[0] == on && seen[2] == off) || (seen[0] == off && seen[2] == on)) << seen[0];
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], seen[i / 2 % 2 == 0 ? 0 : 2]) << i;
  }
};

TEST_F(MenuLayout, EachPassDrawsWhatItsStateShows) {
  const struct {
    int state;
    bool pickPass, editorMenuShown;
    int background;
    const char* plan;  // background, world editor, elements, menu editor
  } cases[] = {{tf::kStateMenus, false, false, 0, "1 0 1 0"},       {tf::kStateMenus, true, false, 0, "0 0 1 0"},
               {tf::kStateMenus, false, false, -1, "0 0 1 0"},      {tf::kStatePlay, false, false, 0, "1 0 0 0"},
               {tf::kStateSplash, false, false, 0, "1 0 0 0"},      {tf::kStateDialog, false, false, 0, "1 0 1 0"},
               {tf::kStateWorldEditor, false, true, -1, "0 1 1 0"}, {tf::kStateMenus, false, true, -1, "0 0 1 0"},
               {tf::kStateWorldEditor, false, false, -1, "0 0 1 0"}, {tf::kStateMenuEditor, true, false, 0, "0 0 1 1"}};
  for (const auto& c : cases) {
    const tf::MenuDrawPlan p = tf::planMenuDraw(c.state, c.pickPass, c.editorMenuShown, c.background);
    EXPECT_EQ(ints({p.background, p.worldEditor, p.elements, p.menuEditor}), c.plan)
        << c.state << " " << c.pickPass << " " << c.editorMenuShown << " " << c.background;
  }
}

TEST_F(MenuLayout, TextboxFieldsAndTextLinesAreWhereTheyAreDrawn) {
  const tf::WholeRect plain = tf::textboxField(250, 230, 300, 20, false);
  const tf::WholeRect hovered = tf::textboxField(250, 230, 300, 20, true);  // a thirtieth wider, a tenth higher
  EXPECT_EQ(ints({plain.x, plain.y, plain.w, plain.h, hovered.x, hovered.y, hovered.w, hovered.h}),
            "400 227 150 10 400 227 155 11");
  float x, y;
  tf::textboxTextPosition(250, 230, x, y);
  const float width = tf::getDisplayTextSize("^yGo on");
  const tf::ScreenRect r = tf::textlinePickRect(100, 50, "^yGo on");
  EXPECT_EQ(numbers({x, y, r.x, r.y, r.w, r.h}), numbers({254, 227, 100 + width / 2, 50, width / 2 + 6, 10}));
}

TEST_F(MenuLayout, TheMenuEditorDragsTheSelectedItemWhileTheButtonIsHeld) {
  tf::worldEditor.setCurrentButton(4);
  tf::worldEditor.setCurrentTextline(1);
  const struct {
    int editorMode, mouse, mode, item;
    bool dragging;
  } cases[] = {{tf::kEditButtons, 1, tf::kEditButtons, 4, true},      {tf::kEditButtons, 1, tf::kEditButtons, 3, false},
               {tf::kEditButtons, 1, tf::kEditTextboxes, 4, false},   {tf::kEditButtons, 2, tf::kEditButtons, 4, false},
               {tf::kEditTextlines, 1, tf::kEditTextlines, 1, true},
               {tf::kEditTextlines, 1, tf::kEditTextlines, 4, false}};
  for (const auto& c : cases) {
    tf::worldEditor.setEditorMode(c.editorMode);
    tf::gameSys.setLeftMouse(c.mouse);
    EXPECT_EQ(tf::menuEditorDragging(c.mode, c.item), c.dragging) << c.mode << " " << c.item << " " << c.mouse;
  }
}

TEST_F(MenuLayout, TheEditedTextboxAndTextLineShowABlinkingCaret) {
  tf::uiScriptString.setString("maze", 2);
  tf::gameUI.setTextboxEdit(1);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  expectBlinking(750, [] { return tf::menuTextboxText(1, 2); }, "maze|", "maze");
  // Another textbox, or the same one outside typing, shows its text alone.
  EXPECT_EQ(tf::menuTextboxText(0, 2), "maze");
  tf::gameSys.setInputState(tf::kInputNormal);
  EXPECT_EQ(tf::menuTextboxText(1, 40), "");  // beyond the string table
  expectBlinking(750, [] { return tf::menuTextboxText(1, 2); }, "maze", "maze");

  tf::worldEditor.setCurrentTextline(3);
  tf::gameSys.setInputState(tf::kInputMenuEditorText);
  expectBlinking(750, [] { return tf::menuTextlineText(3, "Go", tf::kStateMenuEditor); }, "Go_", "Go");
  EXPECT_EQ(tf::menuTextlineText(2, "Go", tf::kStateMenuEditor), "Go");
  // An empty line shows as "_" in the menu editor so it can be clicked; on a live menu it stays empty.
  EXPECT_EQ(tf::menuTextlineText(2, "", tf::kStateMenuEditor), "_");
  tf::gameSys.setInputState(tf::kInputNormal);
  EXPECT_EQ(tf::menuTextlineText(3, "", tf::kStateMenus), "");
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
  EXPECT_EQ(ints({int(tf::shownStrings(3).size()), int(tf::shownStrings(0).size())}), "1 0");
}

TEST_F(MenuLayout, ASystemTextboxIsPlacedWhereItIsDrawnAndBlinksEverySecondWhileTyped) {
  tf::uiScriptString.setString("Hall", 8);
  tf::SystemTextboxLook look;
  ASSERT_TRUE(tf::placeSystemTextbox(500, 510, 101, 4, look));
  float x, y, w, h;
  int text;
  tf::sysTextbox[4].getTextbox(x, y, w, h, text);
  EXPECT_EQ(numbers({x, y, w, h, look.textX, look.textY}) + " " + std::to_string(text), "500 510 101 7 406 510 8");
  EXPECT_EQ(ints({look.field.x, look.field.y, look.field.w, look.field.h, look.pick.r, look.pick.g, look.pick.b}),
            "450 510 50 11 48 144 4");
  EXPECT_EQ(look.text, "Hall");
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
  expectBlinking(1000, typed, "12_", "12 ");
  tf::gameSys.setInputState(tf::kInputMenuTextbox);  // a menu textbox is typed into
  EXPECT_EQ(typed(), "12");
}

}  // namespace
