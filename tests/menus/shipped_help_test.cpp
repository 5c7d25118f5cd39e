// The toolkit's own help pages and editor help lines as shipped in
// data/system: read whole, inside their windows, and teaching logic with the
// vocabulary's real words.
#include <cctype>
#include <set>

#include "logic/vocabulary.h"
#include "media/text.h"
#include "menu_files.h"
#include "menus/help.h"
#include "menus/help_layout.h"
#include "menus/ui_info.h"

namespace {

using namespace tftest;

class ShippedHelp : public MenuFiles {
 protected:
  void SetUp() override {
    MenuFiles::SetUp();
    for (const char* file : {"help.cfg", "uiinfo.cfg"}) {
      dir.write(std::string("system/") + file, readWholeFile(std::string(TF_SOURCE_DIR) + "/data/system/" + file));
    }
  }
};

TEST_F(ShippedHelp, TheEditorsHelpLinesAreThereAndFitTheirPanels) {
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

TEST_F(ShippedHelp, TheHelpIsReadWholeAndFitsItsWindow) {
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

TEST_F(ShippedHelp, TheLogicExamplesUseTheVocabularysOwnWords) {
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
