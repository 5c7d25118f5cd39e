// Dialog state and the look-ups of the dialog file, the editors' help lines
// and the system textboxes' table.
#include "menus/dialog.h"

#include <gtest/gtest.h>

#include "core/script_object.h"
#include "core/system.h"
#include "menus/system_textboxes.h"
#include "menus/ui_info.h"
#include "menus/ui_model.h"

namespace {

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    savedUI = tf::gameUI;
    savedSys = tf::gameSys;
    tf::scriptSys.clear();
    tf::uiInfo.clear();
  }
  void TearDown() override {
    tf::gameUI = savedUI;
    tf::gameSys = savedSys;
    tf::scriptSys.clear();
    tf::uiInfo.clear();
  }
  tf::UI savedUI;
  tf::System savedSys;
};

TEST_F(Dialogs, ClosingADialogReturnsToTheStateBeforeIt) {
  tf::gameSys.setGameState(tf::kStateIngameMenu);
  tf::enableDialog(2);
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateDialog);
  EXPECT_EQ(tf::gameUI.getCurrentDialogBox(), 2);
  tf::disableDialog();
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateIngameMenu);
  EXPECT_EQ(tf::gameUI.getCurrentDialogBox(), 0);
}

TEST_F(Dialogs, ASecondDialogKeepsTheFirstStateToReturnTo) {
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::enableDialog(1);
  tf::enableDialog(3);
  EXPECT_EQ(tf::gameUI.getCurrentDialogBox(), 3);
  EXPECT_EQ(tf::gameUI.getLastGS(), tf::kStateWorldEditor);
  tf::disableDialog();
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateWorldEditor);
}

TEST_F(Dialogs, TheDialogFileDescribesPicturesButtonsAndText) {
  // The settings come first in the same table; a dialog key there wins.
  tf::scriptSys.readText("f fps 30\nf dialog2background 4\n", "system/system.cfg");
  tf::scriptSys.readText(
      "f dialog2background 9\nf dialog2button0 6\nf dialog2button1 7\n"
      "f dialog2button0func 21\nf dialog2button0func2 0\nf dialog2button1func 5\nf dialog2button1func2 3\n"
      "s dialog2text0 ^yDelete this map?\ns dialog2text1 It cannot be undone.\ns dialog2text2 \ns dialog2text3 end\n"
      "s dialog2text4 never shown\n"
      "s dialog3text0 Only line\ns dialog3text1 second\n",
      "system/dialog.cfg");
  EXPECT_EQ(tf::dialogBackground(2), 4);
  EXPECT_EQ(tf::dialogButtonImage(2, 0), 6);
  EXPECT_EQ(tf::dialogButtonImage(2, 1), 7);
  tf::DialogAction left = tf::dialogButtonAction(2, 0);
  tf::DialogAction right = tf::dialogButtonAction(2, 1);
  EXPECT_EQ(left.func, 21);
  EXPECT_EQ(left.func2, 0);
  EXPECT_EQ(right.func, 5);
  EXPECT_EQ(right.func2, 3);
  EXPECT_EQ(tf::dialogTextLines(2),
            (std::vector<std::string>{"^yDelete this map?", "It cannot be undone.", ""}));
  // Without its "end" the text stops at the first missing line.
  EXPECT_EQ(tf::dialogTextLines(3), (std::vector<std::string>{"Only line", "second"}));
}

TEST_F(Dialogs, AMissingDialogHasNoPicturesAndANullFirstLine) {
  EXPECT_EQ(tf::dialogBackground(8), -1);
  EXPECT_EQ(tf::dialogButtonImage(8, 1), -1);
  EXPECT_FALSE(tf::namesSystemImage(tf::dialogBackground(8)));
  EXPECT_TRUE(tf::namesSystemImage(0));
  EXPECT_TRUE(tf::namesSystemImage(50));
  EXPECT_FALSE(tf::namesSystemImage(51));
  EXPECT_EQ(tf::dialogButtonAction(8, 0).func, -1);
  EXPECT_EQ(tf::dialogTextLines(8), std::vector<std::string>{"NULL"});
}

TEST_F(Dialogs, TheLayoutPlacesPicturesButtonsAndLines) {
  tf::scriptSys.readText(
      "f dialog1background 5\nf dialog1button0 6\nf dialog1button1 60\n"
      "s dialog1text0 ^3^yLeave?\ns dialog1text1 Sure?\ns dialog1text2 end\n",
      "system/dialog.cfg");
  tf::gameUI.setHoverButton(-1);
  tf::gameUI.setPressedButton(-1);
  tf::DialogLayout plain = tf::layoutDialog(1);
  EXPECT_EQ(plain.background, 5);
  EXPECT_EQ(plain.buttons[0].image, 6);
  EXPECT_EQ(plain.buttons[1].image, -1);  // 60 names no system image: not drawn
  EXPECT_EQ(plain.buttons[0].x, 300);
  EXPECT_EQ(plain.buttons[1].x, 500);
  EXPECT_EQ(plain.buttons[0].y, 370);
  EXPECT_EQ(plain.buttons[0].w, 43);
  EXPECT_EQ(plain.buttons[0].shade, 1);
  EXPECT_EQ(plain.lines, (std::vector<std::string>{"^3^yLeave?", "Sure?"}));
  EXPECT_EQ(plain.textX, 250);
  EXPECT_EQ(plain.firstLineY, 200);
  EXPECT_EQ(plain.lineSpacing, 15);

  // Hover marks 0 and 1 grow the left and right button; pressed marks -2 and
  // -3 darken them.
  tf::gameUI.setHoverButton(1);
  tf::gameUI.setPressedButton(-2);
  tf::DialogLayout marked = tf::layoutDialog(1);
  EXPECT_FLOAT_EQ(marked.buttons[1].w, 47.3f);
  EXPECT_FLOAT_EQ(marked.buttons[1].h, 47.3f);
  EXPECT_EQ(marked.buttons[0].w, 43);
  EXPECT_FLOAT_EQ(marked.buttons[0].shade, 0.7f);
  EXPECT_EQ(marked.buttons[1].shade, 1);
  tf::gameUI.setPressedButton(-3);
  EXPECT_FLOAT_EQ(tf::layoutDialog(1).buttons[1].shade, 0.7f);

  tf::DialogLayout missing = tf::layoutDialog(7);
  EXPECT_EQ(missing.background, -1);
  EXPECT_EQ(missing.lines, std::vector<std::string>{"NULL"});
}

TEST_F(Dialogs, EditorHelpLinesComeFromTheInfoFile) {
  tf::uiInfo.readText("s gehelp2line6 Last line of panel 2\ns uehelp0line0 Click a button to select it.\n",
                      "system/uiinfo.cfg");
  EXPECT_EQ(tf::worldEditorHelpLine(2, 6), "Last line of panel 2");
  EXPECT_EQ(tf::menuEditorHelpLine(0, 0), "Click a button to select it.");
  EXPECT_EQ(tf::menuEditorHelpLine(2, 6), "NULL");
  EXPECT_EQ(tf::worldEditorHelpLine(0, 0), "NULL");
}

TEST(SystemTextboxes, EachEditsItsStringAndNamesTheControlThatTakesIt) {
  tf::loadSysTextboxes();
  const int texts[] = {3, 4, 6, 7, 8, 9, 10};
  const int linked[] = {-1, 50, -1, 54, 87, 96, 108};
  for (int i = 0; i < tf::kSystemTextboxCount; ++i) {
    float x, y, w, h;
    int text;
    tf::sysTextbox[i].getTextbox(x, y, w, h, text);
    EXPECT_EQ(text, texts[i]) << i;
    EXPECT_EQ(tf::sysTextbox[i].getLinkedButton(), linked[i]) << i;
    EXPECT_EQ(x, 300) << i;
    EXPECT_EQ(y, 300) << i;
    EXPECT_EQ(w, 300) << i;
    EXPECT_EQ(h, 300) << i;
  }
}

}  // namespace
