// The toolkit's own menus and dialogs as shipped in data/system: they load
// without a complaint, the menu writer reproduces the menu files exactly,
// every button does something known and the screens lay out cleanly.
#include <set>

#include "menu_files.h"
#include "menu_screen.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"

namespace {

using namespace tftest;

class ShippedFiles : public MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    for (const char* file : {"ui.cfg", "ingameui.cfg", "dialog.cfg"}) {
      dir.write(std::string("system/") + file, readWholeFile(std::string(TF_SOURCE_DIR) + "/data/system/" + file));
    }
  }
};

TEST_F(ShippedFiles, TheMenuSetsLoadCleanlyLayOutCleanlyAndSaveUnchanged) {
  using namespace tf;
  auto offer = [](int func, int func2 = 0) { return ints({func, func2}); };
  const struct {
    const char* set;
    const char* file;
    std::set<std::string> offers;  // "func func2" a player must be able to click
  } sets[] = {
      {"mainui", "system/ui.cfg",
       {offer(kFuncBrowse), offer(kFuncLoadGame), offer(kFuncCreateGame, 2), offer(kFuncBrowse, 1),
        offer(kFuncEditGame, 1), offer(kFuncSoundOn), offer(kFuncSoundOff), offer(kFuncVolumeUp),
        offer(kFuncVolumeDown), offer(kFuncFullScreen), offer(kFuncWindow), offer(kFuncHelp), offer(kFuncQuit),
        offer(kFuncDebugMode), offer(kFuncDebugMode, 1), offer(kFuncEditWorld), offer(kFuncMenuEditor)}},
      {"ingameui", "system/ingameui.cfg",
       {offer(kFuncStartGame), offer(kFuncResume), offer(kFuncGameMainMenu), offer(kFuncSoundOn),
        offer(kFuncSoundOff), offer(kFuncVolumeUp), offer(kFuncVolumeDown), offer(kFuncQuit), offer(kFuncLeaveGame),
        offer(kFuncEditWorld)}},
  };
  ASSERT_TRUE(tf::scriptSys.readFile("system/dialog.cfg"));
  for (const auto& set : sets) {
    SCOPED_TRACE(set.set);
    const std::string original = dir.read(set.file);
    MessageLog messages;
    tf::loadUI(set.set, true);
    EXPECT_EQ(errorLines(messages), 0);
    const tf::UI& ui = tf::gameUI;
    for (int id : {ui.getIngameMenu(), ui.getEditorMenu(), ui.getEditorMainMenu()}) {
      EXPECT_TRUE(id >= 0 && id < ui.getMenuCount()) << id;
    }
    // The editing screen leaves the map visible for the editor to draw on.
    EXPECT_EQ(ints({ui.getMenuBackgroundTex(ui.getEditorMenu()), ui.menuGetButtonCount(ui.getEditorMenu())}), "-1 0");
    std::set<std::string> offered;
    for (int m = 0; m < ui.getMenuCount(); ++m) {
      for (int b = 0; b < ui.menuGetButtonCount(m); ++b) {
        float x, y, w, h;
        int tex, func, func2;
        ui.uiGetButton(x, y, w, h, tex, func, func2, m, b);
        offered.insert(ints({func, func2}));
        // A known function, a picture of data/ui, a menu or dialog that is there.
        EXPECT_TRUE(tf::isButtonFunction(func) && tex >= 0 && tex < 26 &&
                    (func != tf::kFuncLoadMenu || func2 < ui.getMenuCount()) &&
                    (func != tf::kFuncOpenDialog || tf::namesSystemImage(tf::dialogBackground(func2))))
            << "menu " << m << " button " << b << ": " << buttonOf(m, b);
      }
      // Each textbox edits the string its linked button acts on (Enter runs it).
      for (int t = 0; t < ui.menuGetTextboxCount(m); ++t) {
        float x, y, w, h;
        int text;
        ui.uiGetTextbox(x, y, w, h, text, m, t);
        const int linked = ui.uiGetLinkedButton(t, m);
        EXPECT_TRUE(linked >= 0 && linked < ui.menuGetButtonCount(m)) << "menu " << m << " textbox " << t;
        EXPECT_EQ(buttonOf(m, linked).substr(buttonOf(m, linked).rfind(' ') + 1), std::to_string(text)) << m;
      }
    }
    for (const std::string& offer : set.offers) EXPECT_EQ(offered.count(offer), 1u) << offer;
    expectCleanMenuLayout();
    tf::world.setGameName(set.set);
    tf::saveUI();
    EXPECT_EQ(dir.read(set.file), original);
  }
}

TEST_F(ShippedFiles, TheDialogsAskWithButtonsThatWork) {
  MessageLog messages;
  ASSERT_TRUE(tf::scriptSys.readFile("system/dialog.cfg"));
  const int confirms[][2] = {{0, tf::kFuncQuit}, {1, tf::kFuncLeaveEditor}, {3, tf::kFuncDeleteMap}};
  for (const auto& d : confirms) {
    SCOPED_TRACE("dialog " + std::to_string(d[0]));
    const tf::DialogLayout layout = tf::layoutDialog(d[0]);
    EXPECT_EQ(ints({layout.background, layout.buttons[0].image, layout.buttons[1].image,
                    tf::dialogButtonAction(d[0], 0).func, tf::dialogButtonAction(d[0], 1).func}),
              ints({tf::kImgDialogBackground, tf::kImgOk, tf::kImgCancel, d[1], tf::kFuncCloseDialog}));
    EXPECT_GE(layout.lines.size(), 3u);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
      const ScreenBox text = textBox(layout.textX, layout.firstLineY + layout.lineSpacing * i, layout.lines[i], "");
      // Within the dialog's picture (half size 220 x 150) and above its buttons.
      EXPECT_TRUE(text.right <= 400 + 220 - 10 && text.bottom < 370 - 43 * 1.1f) << layout.lines[i];
    }
  }
  EXPECT_EQ(errorLines(messages), 0);
}

}  // namespace
