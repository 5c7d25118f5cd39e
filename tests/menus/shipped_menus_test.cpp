// The toolkit's own menus and help as shipped in data/system: the menus load
// without a complaint, every button does something known, they lay out cleanly
// and save unchanged; the help is read whole and fits its window.
#include "media/text.h"
#include "menu_files.h"
#include "menu_screen.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"
#include "menus/help.h"
#include "menus/help_layout.h"

namespace {

using namespace tftest;

class ShippedFiles : public MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    for (const char* file : {"ui.cfg", "ingameui.cfg", "dialog.cfg", "help.cfg"}) {
      dir.write(std::string("system/") + file, readWholeFile(std::string(TF_SOURCE_DIR) + "/data/system/" + file));
    }
  }
};

TEST_F(ShippedFiles, TheMenuSetsLoadCleanlyLayOutCleanlyAndSaveUnchanged) {
  const struct {
    const char* set;
    const char* file;
  } sets[] = {{"mainui", "system/ui.cfg"}, {"ingameui", "system/ingameui.cfg"}};
  ASSERT_TRUE(tf::scriptSys.readFile("system/dialog.cfg"));
  for (const auto& set : sets) {
    SCOPED_TRACE(set.set);
    const std::string original = dir.read(set.file);
    MessageLog messages;
    tf::loadUI(set.set, true);
    EXPECT_EQ(errorsOf(messages), Lines{});
    const tf::UI& ui = tf::gameUI;
    for (int id : {ui.getIngameMenu(), ui.getEditorMenu(), ui.getEditorMainMenu()}) {
      EXPECT_TRUE(id >= 0 && id < ui.getMenuCount()) << id;
    }
    for (int m = 0; m < ui.getMenuCount(); ++m) {
      for (int b = 0; b < ui.menuGetButtonCount(m); ++b) {
        float x, y, w, h;
        int tex, func, func2;
        ui.uiGetButton(x, y, w, h, tex, func, func2, m, b);
        // A known function, a picture of data/ui, a menu or dialog that is there.
        EXPECT_TRUE(tf::isButtonFunction(func) && tex >= 0 && tex < 26 &&
                    (func != tf::kFuncLoadMenu || func2 < ui.getMenuCount()) &&
                    (func != tf::kFuncOpenDialog || tf::namesSystemImage(tf::dialogBackground(func2))))
            << "menu " << m << " button " << b << ": " << joined({tex, func, func2});
      }
    }
    expectCleanMenuLayout();
    std::remove(set.file);  // the toolkit's own sets are saved to their system files
    tf::world.setGameName(set.set);
    tf::saveUI(tf::world.getGameName());
    EXPECT_EQ(dir.read(set.file), original);
  }
}

TEST_F(ShippedFiles, TheHelpIsReadWholeAndFitsItsWindow) {
  MessageLog messages;
  tf::initHelp("default");
  EXPECT_EQ(errorsOf(messages), Lines{});
  const int topics = tf::uiHelp.getMenuCount();
  // Topic titles go down the left, above the close button at y 503.
  EXPECT_TRUE(topics >= 9 && topics <= 11) << topics;
  tf::scriptObject raw;
  ASSERT_TRUE(raw.readFile("system/help.cfg"));
  for (int t = 0; t < topics; ++t) {
    const std::string title = tf::uiHelp.menuGetMenuTitle(t);
    const tf::HelpTopicRow row = tf::helpTopicRow(t, title);
    EXPECT_LE(row.pick.x + row.pick.w, 255) << title;
    EXPECT_TRUE(tf::uiHelp.getLineCount(t) >= 5 && tf::uiHelp.getLineCount(t) <= 36) << title;  // down to y 535
    for (int l = 0; l < tf::uiHelp.getLineCount(t); ++l) {
      const std::string line = tf::uiHelp.menuGetMenuLine(t, l);
      // Nothing was cut on reading, and every line ends inside the panel.
      EXPECT_EQ(line, raw.findLineS("help" + std::to_string(t) + "line" + std::to_string(l)));
      float x, y;
      tf::helpLinePosition(l, x, y);
      EXPECT_LE(x + tf::getDisplayTextSize(line), 775) << line;
      EXPECT_EQ(line.find('"'), std::string::npos) << "the font has no double quote: " << line;
    }
  }
}

}  // namespace
