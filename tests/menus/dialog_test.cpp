// Dialog state, the dialog file's look-ups and layout, and the editors' help lines.
#include "menus/dialog.h"

#include "menu_files.h"
#include "menus/ui_info.h"

namespace {

using namespace tftest;
using Dialogs = MenuFiles;

TEST_F(Dialogs, ClosingReturnsToTheStateBeforeTheFirstDialog) {
  tf::gameSys.setGameState(tf::kStateWorldEditor);
  tf::enableDialog(1);
  tf::enableDialog(3);  // a second dialog keeps the first state to return to
  EXPECT_EQ(ints({tf::gameSys.getGameState(), tf::gameUI.getCurrentDialogBox()}), ints({tf::kStateDialog, 3}));
  tf::disableDialog();
  EXPECT_EQ(ints({tf::gameSys.getGameState(), tf::gameUI.getCurrentDialogBox()}), ints({tf::kStateWorldEditor, 0}));
}

TEST_F(Dialogs, TheDialogFilePlacesPicturesButtonsAndText) {
  // The settings come first in the same table; a dialog key there wins.
  tf::scriptSys.readText("f fps 30\nf dialog2background 4\n", "system/system.cfg");
  tf::scriptSys.readText(
      "f dialog2background 9\nf dialog2button0 6\nf dialog2button1 51\n"
      "f dialog2button0func 21\nf dialog2button0func2 0\nf dialog2button1func 5\nf dialog2button1func2 3\n"
      "s dialog2text0 ^yDelete this map?\ns dialog2text1 It cannot be undone.\ns dialog2text2 \ns dialog2text3 end\n"
      "s dialog2text4 never shown\ns dialog3text0 Only line\ns dialog3text1 second\n",
      "system/dialog.cfg");
  const tf::DialogAction left = tf::dialogButtonAction(2, 0), right = tf::dialogButtonAction(2, 1);
  EXPECT_EQ(ints({left.func, left.func2, right.func, right.func2}), "21 0 5 3");
  // Without its "end" the text stops at the first missing line.
  EXPECT_EQ(tf::dialogTextLines(3), (std::vector<std::string>{"Only line", "second"}));

  tf::gameUI.setHoverButton(-1);
  tf::gameUI.setPressedButton(-1);
  const tf::DialogLayout plain = tf::layoutDialog(2);
  // 51 names no system image: that picture is not drawn.
  EXPECT_EQ(ints({plain.background, plain.buttons[0].image, plain.buttons[1].image}), "4 6 -1");
  EXPECT_EQ(numbers({plain.buttons[0].x, plain.buttons[1].x, plain.buttons[0].y, plain.buttons[0].w,
                     plain.buttons[0].shade, plain.textX, plain.firstLineY, plain.lineSpacing}),
            "300 500 370 43 1 250 200 15");
  EXPECT_EQ(plain.lines, (std::vector<std::string>{"^yDelete this map?", "It cannot be undone.", ""}));

  // Hover marks 0 and 1 grow the left and right button; pressed marks -2 and -3 darken them.
  tf::gameUI.setHoverButton(1);
  tf::gameUI.setPressedButton(-2);
  const tf::DialogLayout marked = tf::layoutDialog(2);
  EXPECT_EQ(numbers({marked.buttons[0].w, marked.buttons[1].w, marked.buttons[1].h, marked.buttons[0].shade,
                     marked.buttons[1].shade}),
            numbers({43, 47.3f, 47.3f, 0.7f, 1}));
  tf::gameUI.setPressedButton(-3);
  EXPECT_FLOAT_EQ(tf::layoutDialog(2).buttons[1].shade, 0.7f);

  // A dialog the file does not describe has no pictures and a "NULL" first line.
  const tf::DialogLayout missing = tf::layoutDialog(7);
  EXPECT_EQ(ints({missing.background, missing.buttons[0].image, tf::dialogButtonAction(7, 0).func}), "-1 -1 -1");
  EXPECT_EQ(missing.lines, std::vector<std::string>{"NULL"});
  EXPECT_EQ(ints({tf::namesSystemImage(-1), tf::namesSystemImage(0)}), "0 1");
}

TEST_F(Dialogs, EditorHelpLinesComeFromTheInfoFile) {
  tf::uiInfo.readText("s gehelp2line6 Last line of panel 2\ns uehelp0line0 Click a button to select it.\n",
                      "system/uiinfo.cfg");
  EXPECT_EQ(tf::worldEditorHelpLine(2, 6) + "|" + tf::menuEditorHelpLine(0, 0),
            "Last line of panel 2|Click a button to select it.");
  EXPECT_EQ(tf::menuEditorHelpLine(2, 6) + tf::worldEditorHelpLine(0, 0), "NULLNULL");
}

}  // namespace
