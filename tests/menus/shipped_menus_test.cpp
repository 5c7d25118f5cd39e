// The toolkit's own menus, dialogs, help pages and editor help lines as they
// are shipped in data/system: they load without a complaint, the menu writer
// reproduces the menu files exactly, every button does something known, the
// screens lay out cleanly on the 800 x 600 screen, and the help teaches with
// the real words of the logic vocabulary.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "core/script_object.h"
#include "game/world.h"
#include "logic/vocabulary.h"
#include "media/images.h"
#include "media/text.h"
#include "menu_files.h"
#include "menu_screen.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"
#include "menus/help.h"
#include "menus/help_layout.h"
#include "menus/menu_layout.h"
#include "menus/ui_info.h"
#include "messages.h"

namespace {

const std::string kShipped = std::string(TF_SOURCE_DIR) + "/data/system/";

struct Button {
  int menu, index, tex, func, func2;
};

class ShippedFiles : public tftest::MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    for (const char* file : {"ui.cfg", "ingameui.cfg", "dialog.cfg", "help.cfg", "uiinfo.cfg"}) {
      dir.write(std::string("system/") + file, tftest::readWholeFile(kShipped + file));
    }
    savedHelp = tf::uiHelp;
    savedName = tf::world.getGameName();
    tf::scriptSys.clear();
    tf::uiInfo.clear();
  }
  void TearDown() override {
    tf::uiHelp = savedHelp;
    tf::world.setGameName(savedName);
    tf::scriptSys.clear();
    tf::uiInfo.clear();
    MenuFiles::TearDown();
  }

  std::vector<Button> buttons() const {
    std::vector<Button> all;
    for (int m = 0; m < tf::gameUI.getMenuCount(); ++m) {
      for (int b = 0; b < tf::gameUI.menuGetButtonCount(m); ++b) {
        float x, y, w, h;
        Button button{m, b, 0, 0, 0};
        tf::gameUI.uiGetButton(x, y, w, h, button.tex, button.func, button.func2, m, b);
        all.push_back(button);
      }
    }
    return all;
  }

  bool offers(int func, int func2) const {
    for (const Button& b : buttons()) {
      if (b.func == func && b.func2 == func2) return true;
    }
    return false;
  }

  void expectMenuSet(const std::string& name, const std::string& file) {
    SCOPED_TRACE(name);
    const std::string original = dir.read(file);
    tftest::MessageLog messages;
    ASSERT_TRUE(tf::scriptSys.readFile("system/dialog.cfg"));
    tf::loadUI(name, true);
    EXPECT_FALSE(messages.contains("ERROR")) << messages.lines().size();

    const int menus = tf::gameUI.getMenuCount();
    for (int id : {tf::gameUI.getIngameMenu(), tf::gameUI.getEditorMenu(), tf::gameUI.getEditorMainMenu()}) {
      EXPECT_GE(id, 0);
      EXPECT_LT(id, menus);
    }
    for (const Button& b : buttons()) {
      SCOPED_TRACE("menu " + std::to_string(b.menu) + " button " + std::to_string(b.index));
      EXPECT_TRUE(tf::isButtonFunction(b.func)) << b.func;
      EXPECT_GE(b.tex, 0);
      EXPECT_LT(b.tex, 26);  // the pictures of data/ui
      if (b.func == tf::kFuncLoadMenu) {
        EXPECT_LT(b.func2, menus);
      }
      if (b.func == tf::kFuncOpenDialog) {
        EXPECT_TRUE(tf::namesSystemImage(tf::dialogBackground(b.func2)));
      }
    }
    for (int m = 0; m < menus; ++m) expectTextboxesLinked(m);

    // Saved again through the menu writer, the files come out as shipped.
    tf::world.setGameName(name);
    tf::saveUI();
    EXPECT_EQ(dir.read(file), original);
  }

  // A textbox edits the string its buttons act on, and Enter runs one of them.
  void expectTextboxesLinked(int m) const {
    for (int t = 0; t < tf::gameUI.menuGetTextboxCount(m); ++t) {
      float x, y, w, h;
      int text;
      tf::gameUI.uiGetTextbox(x, y, w, h, text, m, t);
      const int linked = tf::gameUI.uiGetLinkedButton(t, m);
      ASSERT_GE(linked, 0);
      ASSERT_LT(linked, tf::gameUI.menuGetButtonCount(m));
      int tex, func, func2;
      tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, linked);
      EXPECT_EQ(func2, text) << "menu " << m << " textbox " << t;
    }
  }

  tf::help savedHelp;
  std::string savedName;
};

TEST_F(ShippedFiles, TheToolkitsMenusLoadCleanlyAndSaveUnchanged) {
  expectMenuSet("mainui", "system/ui.cfg");
  EXPECT_EQ(tf::gameUI.getMenuCount(), 7);
  tftest::expectCleanMenuLayout();

  // Play a game through the browser, create one, edit one.
  EXPECT_TRUE(offers(tf::kFuncBrowse, 0));
  EXPECT_TRUE(offers(tf::kFuncLoadGame, 0));
  EXPECT_TRUE(offers(tf::kFuncCreateGame, 2));
  EXPECT_TRUE(offers(tf::kFuncBrowse, 1));
  EXPECT_TRUE(offers(tf::kFuncEditGame, 1));
  // Options, help and quitting.
  for (int func : {tf::kFuncSoundOn, tf::kFuncSoundOff, tf::kFuncVolumeUp, tf::kFuncVolumeDown,
                   tf::kFuncFullScreen, tf::kFuncWindow, tf::kFuncHelp, tf::kFuncQuit}) {
    EXPECT_TRUE(offers(func, 0)) << func;
  }
  EXPECT_TRUE(offers(tf::kFuncDebugMode, 0));
  EXPECT_TRUE(offers(tf::kFuncDebugMode, 1));
  // The editor main menu leads to the world, the menus and (after asking) out.
  EXPECT_TRUE(offers(tf::kFuncEditWorld, 0));
  EXPECT_TRUE(offers(tf::kFuncMenuEditor, 0));

  // The editing screen leaves the map visible for the editor to draw on.
  const int editing = tf::gameUI.getEditorMenu();
  EXPECT_EQ(tf::gameUI.getMenuBackgroundTex(editing), -1);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(editing), 0);
}

TEST_F(ShippedFiles, TheInGameMenusLoadCleanlyAndSaveUnchanged) {
  expectMenuSet("ingameui", "system/ingameui.cfg");
  tftest::expectCleanMenuLayout();
  EXPECT_EQ(tf::gameUI.getIngameMenu(), 1);
  for (int func : {tf::kFuncStartGame, tf::kFuncResume, tf::kFuncGameMainMenu, tf::kFuncSoundOn,
                   tf::kFuncSoundOff, tf::kFuncVolumeUp, tf::kFuncVolumeDown, tf::kFuncQuit, tf::kFuncLeaveGame}) {
    EXPECT_TRUE(offers(func, 0)) << func;
  }
  // Every new game starts from these menus, and its editor uses them.
  EXPECT_EQ(tf::gameUI.getMenuBackgroundTex(tf::gameUI.getEditorMenu()), -1);
  EXPECT_TRUE(offers(tf::kFuncEditWorld, 0));
}

TEST_F(ShippedFiles, TheDialogsAskWithButtonsThatWork) {
  tftest::MessageLog messages;
  ASSERT_TRUE(tf::scriptSys.readFile("system/dialog.cfg"));
  const struct {
    int dialog;
    int confirm;
  } dialogs[] = {{0, tf::kFuncQuit}, {1, tf::kFuncLeaveEditor}, {3, tf::kFuncDeleteMap}};
  for (const auto& d : dialogs) {
    SCOPED_TRACE("dialog " + std::to_string(d.dialog));
    tf::DialogLayout layout = tf::layoutDialog(d.dialog);
    EXPECT_EQ(layout.background, tf::kImgDialogBackground);
    EXPECT_EQ(layout.buttons[0].image, tf::kImgOk);
    EXPECT_EQ(layout.buttons[1].image, tf::kImgCancel);
    EXPECT_EQ(tf::dialogButtonAction(d.dialog, 0).func, d.confirm);
    EXPECT_EQ(tf::dialogButtonAction(d.dialog, 1).func, tf::kFuncCloseDialog);
    EXPECT_GE(layout.lines.size(), 3u);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
      const tftest::ScreenBox text = tftest::textBox(layout.textX, layout.firstLineY + layout.lineSpacing * i, layout.lines[i], "");
      // Within the dialog's picture (half size 220 x 150) and above its buttons.
      EXPECT_LE(text.right, 400 + 220 - 10) << layout.lines[i];
      EXPECT_LT(text.bottom, 370 - 43 * 1.1f) << layout.lines[i];
    }
  }
  EXPECT_FALSE(messages.contains("ERROR"));
}

TEST_F(ShippedFiles, TheEditorsHelpLinesAreThereAndFitTheirPanels) {
  tftest::MessageLog messages;
  ASSERT_TRUE(tf::uiInfo.readFile("system/uiinfo.cfg"));
  for (int k = 0; k < tf::kWorldEditorHelpLines; ++k) {
    const std::string line = tf::worldEditorHelpLine(0, k);
    EXPECT_NE(line, "NULL") << k;
    EXPECT_LE(13 + tf::getDisplayTextSize(line), 690) << line;  // left of the map controls
  }
  for (int k = 0; k < tf::kMenuEditorHelpLines; ++k) {
    const std::string line = tf::menuEditorHelpLine(0, k);
    EXPECT_NE(line, "NULL") << k;
    EXPECT_LE(13 + tf::getDisplayTextSize(line), 705) << line;  // left of the panel's icons
  }
  EXPECT_FALSE(messages.contains("ERROR"));
}

TEST_F(ShippedFiles, TheHelpIsReadWholeAndFitsItsWindow) {
  tftest::MessageLog messages;
  tf::initHelp("default");
  EXPECT_FALSE(messages.contains("ERROR"));
  const int topics = tf::uiHelp.getMenuCount();
  // Topic titles go down the left, above the close button at y 503.
  EXPECT_GE(topics, 9);
  EXPECT_LE(topics, 11);

  tf::scriptObject raw;
  ASSERT_TRUE(raw.readFile("system/help.cfg"));
  for (int t = 0; t < topics; ++t) {
    const std::string title = tf::uiHelp.menuGetMenuTitle(t);
    EXPECT_LE(tf::helpTopicRow(t, title).pick.x + tf::helpTopicRow(t, title).pick.w, 255) << title;
    EXPECT_GE(tf::uiHelp.getLineCount(t), 5) << title;
    EXPECT_LE(tf::uiHelp.getLineCount(t), 36) << title;  // down to y 535
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

// The words of the logic vocabulary, as the logic editor shows them.
std::set<std::string> vocabulary() {
  std::set<std::string> words;
  for (int id = 100; id <= 787; ++id) {
    for (int opener : {100, tf::kOpenerWhenGlobalScore}) {
      const std::string word = tf::stepIDToString(id, opener);
      if (word != "NULL" && word != "SKIP" && !word.empty()) words.insert(word);
    }
  }
  return words;
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
  tf::initHelp("default");
  int examples = -1;
  for (int t = 0; t < tf::uiHelp.getMenuCount(); ++t) {
    if (tf::uiHelp.menuGetMenuTitle(t) == "Logic examples") examples = t;
  }
  ASSERT_GE(examples, 0);
  const std::set<std::string> words = vocabulary();
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
