// The toolkit's own menus, dialogs, help pages and editor help lines as they
// are shipped in data/system: they load without a complaint, the menu writer
// reproduces the menu files exactly, every button does something known, the
// screens lay out cleanly on the 800 x 600 screen, and the help teaches with
// the real words of the logic vocabulary.
#include <algorithm>
#include <cctype>
#include <set>

#include "logic/vocabulary.h"
#include "media/text.h"
#include "menu_files.h"
#include "menu_screen.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"
#include "menus/help.h"
#include "menus/help_layout.h"
#include "menus/menu_layout.h"
#include "menus/ui_info.h"

namespace {

using namespace tftest;

class ShippedFiles : public MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    for (const char* file : {"ui.cfg", "ingameui.cfg", "dialog.cfg", "help.cfg", "uiinfo.cfg"}) {
      dir.write(std::string("system/") + file,
                readWholeFile(std::string(TF_SOURCE_DIR) + "/data/system/" + file));
    }
  }

  static bool offers(int func, int func2) {
    const std::string ending = " " + ints({func, func2});
    for (int m = 0; m < tf::gameUI.getMenuCount(); ++m) {
      for (int b = 0; b < tf::gameUI.menuGetButtonCount(m); ++b) {
        const std::string button = buttonOf(m, b);
        if (button.size() > ending.size() && button.rfind(ending) == button.size() - ending.size()) return true;
      }
    }
    return false;
  }

  // Every element of menu m as the screen shows it (a hovered button or field
  // grows: it must not touch its neighbours then either). Checks each button
  // on the way: a known function, a picture of data/ui, a menu or dialog
  // that is there.
  static std::vector<ScreenBox> elementsOf(int m) {
    std::vector<ScreenBox> boxes;
    for (int b = 0; b < tf::gameUI.menuGetButtonCount(m); ++b) {
      SCOPED_TRACE("menu " + std::to_string(m) + " button " + std::to_string(b));
      float x, y, w, h;
      int tex, func, func2;
      tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, b);
      EXPECT_TRUE(tf::isButtonFunction(func)) << func;
      EXPECT_TRUE(tex >= 0 && tex < 26) << tex;
      EXPECT_TRUE(func != tf::kFuncLoadMenu || func2 < tf::gameUI.getMenuCount()) << func2;
      EXPECT_TRUE(func != tf::kFuncOpenDialog || tf::namesSystemImage(tf::dialogBackground(func2))) << func2;
      boxes.push_back({x - 1.1f * w, y - 1.1f * h, x + 1.1f * w, y + 1.1f * h, "button " + std::to_string(b)});
    }
    for (int t = 0; t < tf::gameUI.menuGetTextboxCount(m); ++t) {
      float x, y, w, h;
      int text, tex, func, func2;
      tf::gameUI.uiGetTextbox(x, y, w, h, text, m, t);
      const tf::WholeRect f = tf::textboxField(x, y, w, h, true);
      boxes.push_back({float(f.x - f.w), float(f.y - f.h), float(f.x + f.w), float(f.y + f.h),
                       "textbox " + std::to_string(t)});
      // The textbox edits the string its linked button acts on (Enter runs it).
      const int linked = tf::gameUI.uiGetLinkedButton(t, m);
      EXPECT_TRUE(linked >= 0 && linked < tf::gameUI.menuGetButtonCount(m)) << "menu " << m << " textbox " << t;
      tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, linked);
      EXPECT_EQ(func2, text) << "menu " << m << " textbox " << t;
    }
    for (int l = 0; l < tf::gameUI.menuGetTextlineCount(m); ++l) {
      float x, y, r, g, b;
      std::string text;
      tf::gameUI.uiGetText(x, y, r, g, b, text, m, l);
      boxes.push_back(textBox(x, y, text, "text line " + std::to_string(l)));
    }
    return boxes;
  }
};

TEST_F(ShippedFiles, TheMenuSetsLoadCleanlyLayOutCleanlyAndSaveUnchanged) {
  using Offer = std::pair<int, int>;
  const struct {
    const char* set;
    const char* file;
    std::vector<Offer> offers;  // what a player must be able to do
  } sets[] = {
      {"mainui", "system/ui.cfg",
       {{tf::kFuncBrowse, 0}, {tf::kFuncLoadGame, 0}, {tf::kFuncCreateGame, 2}, {tf::kFuncBrowse, 1},
        {tf::kFuncEditGame, 1}, {tf::kFuncSoundOn, 0}, {tf::kFuncSoundOff, 0}, {tf::kFuncVolumeUp, 0},
        {tf::kFuncVolumeDown, 0}, {tf::kFuncFullScreen, 0}, {tf::kFuncWindow, 0}, {tf::kFuncHelp, 0},
        {tf::kFuncQuit, 0}, {tf::kFuncDebugMode, 0}, {tf::kFuncDebugMode, 1}, {tf::kFuncEditWorld, 0},
        {tf::kFuncMenuEditor, 0}}},
      {"ingameui", "system/ingameui.cfg",
       {{tf::kFuncStartGame, 0}, {tf::kFuncResume, 0}, {tf::kFuncGameMainMenu, 0}, {tf::kFuncSoundOn, 0},
        {tf::kFuncSoundOff, 0}, {tf::kFuncVolumeUp, 0}, {tf::kFuncVolumeDown, 0}, {tf::kFuncQuit, 0},
        {tf::kFuncLeaveGame, 0}, {tf::kFuncEditWorld, 0}}},
  };
  ASSERT_TRUE(tf::scriptSys.readFile("system/dialog.cfg"));
  for (const auto& set : sets) {
    SCOPED_TRACE(set.set);
    const std::string original = dir.read(set.file);
    MessageLog messages;
    tf::loadUI(set.set, true);
    EXPECT_EQ(errorLines(messages), 0);
    const int menus = tf::gameUI.getMenuCount();
    for (int id : {tf::gameUI.getIngameMenu(), tf::gameUI.getEditorMenu(), tf::gameUI.getEditorMainMenu()}) {
      EXPECT_TRUE(id >= 0 && id < menus) << id;
    }
    for (const Offer& offer : set.offers) EXPECT_TRUE(offers(offer.first, offer.second)) << offer.first;
    // The editing screen leaves the map visible for the editor to draw on.
    EXPECT_EQ(tf::gameUI.getMenuBackgroundTex(tf::gameUI.getEditorMenu()), -1);
    EXPECT_EQ(tf::gameUI.menuGetButtonCount(tf::gameUI.getEditorMenu()), 0);

    for (int m = 0; m < menus; ++m) {
      const std::vector<ScreenBox> boxes = elementsOf(m);
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        const ScreenBox& a = boxes[i];
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= 800 && a.bottom <= 600)
            << "menu " << m << " " << a.what << " leaves the screen";
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
          EXPECT_FALSE(overlap(a, boxes[j])) << "menu " << m << ": " << a.what << " and " << boxes[j].what;
        }
      }
    }
    // Saved again through the menu writer, the file comes out as shipped.
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
    EXPECT_EQ(ints({layout.background, layout.buttons[0].image, layout.buttons[1].image}),
              ints({tf::kImgDialogBackground, tf::kImgOk, tf::kImgCancel}));
    EXPECT_EQ(tf::dialogButtonAction(d[0], 0).func, d[1]);
    EXPECT_EQ(tf::dialogButtonAction(d[0], 1).func, tf::kFuncCloseDialog);
    EXPECT_GE(layout.lines.size(), 3u);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
      const ScreenBox text = textBox(layout.textX, layout.firstLineY + layout.lineSpacing * i, layout.lines[i], "");
      // Within the dialog's picture (half size 220 x 150) and above its buttons.
      EXPECT_LE(text.right, 400 + 220 - 10) << layout.lines[i];
      EXPECT_LT(text.bottom, 370 - 43 * 1.1f) << layout.lines[i];
    }
  }
  EXPECT_EQ(errorLines(messages), 0);
}

TEST_F(ShippedFiles, TheEditorsHelpLinesAreThereAndFitTheirPanels) {
  ASSERT_TRUE(tf::uiInfo.readFile("system/uiinfo.cfg"));
  // Left of the world editor's map controls and of the menu editor panel's icons.
  for (int k = 0; k < tf::kWorldEditorHelpLines; ++k) {
    const std::string line = tf::worldEditorHelpLine(0, k);
    EXPECT_TRUE(line != "NULL" && 13 + tf::getDisplayTextSize(line) <= 690) << k << " " << line;
  }
  for (int k = 0; k < tf::kMenuEditorHelpLines; ++k) {
    const std::string line = tf::menuEditorHelpLine(0, k);
    EXPECT_TRUE(line != "NULL" && 13 + tf::getDisplayTextSize(line) <= 705) << k << " " << line;
  }
}

TEST_F(ShippedFiles, TheHelpIsReadWholeAndFitsItsWindow) {
  MessageLog messages;
  tf::initHelp("default");
  EXPECT_EQ(errorLines(messages), 0);
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
  float x, y;
  tf::helpHeaderPosition(x, y);
  tf::uiHelp.setHelp(2);
  EXPECT_LE(x + tf::getDisplayTextSize(tf::helpHeader()), 775);
}

// True when `text` is a run of vocabulary words separated by single spaces.
bool madeOfWords(const std::string& text, const std::set<std::string>& words) {
  if (text.empty()) return true;
  for (const std::string& word : words) {
    if (text.compare(0, word.size(), word) != 0) continue;
    if (text.size() == word.size()) return true;
    if (text[word.size()] == ' ' && madeOfWords(text.substr(word.size() + 1), words)) return true;
  }
  return false;
}

TEST_F(ShippedFiles, TheLogicExamplesUseTheVocabularysOwnWords) {
  std::set<std::string> words;  // as the logic editor shows them
  for (int id = 100; id <= 787; ++id) {
    for (int opener : {100, tf::kOpenerWhenGlobalScore}) {
      const std::string word = tf::stepIDToString(id, opener);
      if (word != "NULL" && word != "SKIP" && !word.empty()) words.insert(word);
    }
  }
  tf::initHelp("default");
  int examples = -1;
  for (int t = 0; t < tf::uiHelp.getMenuCount(); ++t) {
    if (tf::uiHelp.menuGetMenuTitle(t) == "Logic examples") examples = t;
  }
  ASSERT_GE(examples, 0);
  int checked = 0;
  for (int l = 0; l < tf::uiHelp.getLineCount(examples); ++l) {
    // The words of a sentence are in yellow ("^y" up to "^w" or the end of
    // the line); the numbers between them in white.
    const std::string line = tf::uiHelp.menuGetMenuLine(examples, l);
    for (std::size_t at = line.find("^y"); at != std::string::npos; at = line.find("^y", at)) {
      at += 2;
      std::string run = line.substr(at, line.find("^w", at) - at);
      while (!run.empty() && (run.back() == ' ' || std::isdigit(static_cast<unsigned char>(run.back())))) {
        run.pop_back();
      }
      EXPECT_TRUE(madeOfWords(run, words)) << "not the vocabulary's words: '" << run << "'";
      ++checked;
    }
  }
  EXPECT_GE(checked, 15);
}

}  // namespace
