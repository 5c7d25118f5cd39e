// The phrase editor and the phrase selector: opening and closing them, the
// arrows stepping the phrase (the selector's choice going into the sentence
// through the edits), the check mark and Enter storing the typed text, and
// typed text that a phrase cannot hold (control characters, too wide, the
// word the files read as no text).
#include <gtest/gtest.h>

#include <string>

#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/logic_editor.h"
#include "editor/phrase_windows.h"
#include "game/step_ids.h"
#include "game/world.h"
#include "input/color_pick.h"
#include "input_fixture.h"
#include "media/notice.h"
#include "media/text.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace {

using namespace tf;

class PhraseWindows : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    makeMenus(2);
    gameUI.setEditorMenu(1);
    loadMenu(1);
    startGame();
    world.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 1, 0, 0, 0);
    gameSys.setGameState(kStateWorldEditor);
    worldEditor.setEditorMode(kModeGlobalLogic);
    loadSysTextboxes();
  }
  static bool code(int red, int blue, PickAt event = PickAt::LeftPress) {
    return pickPixel(red, kPickMenuMark, blue, event);
  }
  static void click(int red, int blue = kPickMenuMark) {
    code(red, blue);
    code(red, blue, PickAt::LeftRelease);
  }
  static int typedString() {
    float x, y, w, h;
    int text;
    sysTextbox[kPhraseTextbox].getTextbox(x, y, w, h, text);
    return text;
  }
  static void typeIntoField(const std::string& text) {
    code(kPickSystemTextbox, kPhraseTextbox);
    for (char c : text) keyboard(static_cast<unsigned char>(c), 0, 0);
  }
  static std::string typedText() { return uiScriptString.getString(typedString()); }
  static std::string windows() {
    return tftest::joined({worldEditor.getPhraseMenu(), worldEditor.getPhraseSelector(),
                           worldEditor.getPhraseSelectorChoice()});
  }
};

TEST_F(PhraseWindows, TheEditorOpensOnTheIconsReleaseAndClosesOnItsOwnIcon) {
  code(kPickPhraseEditor, kPhraseIconOpen);
  EXPECT_EQ(windows(), "-1 -1 0");
  code(kPickPhraseEditor, kPhraseIconOpen, PickAt::LeftRelease);
  click(kPickPhraseNext);
  EXPECT_EQ(windows(), "1 -1 0");
  click(kPickPhraseEditor, kPhraseIconClose);
  EXPECT_EQ(windows(), "-1 -1 0");
  EXPECT_EQ(tftest::joined({timesPlayed("open"), timesPlayed("select"), timesPlayed("close")}), "1 1 1");
}

TEST_F(PhraseWindows, TheSelectorWritesEachChoiceIntoTheSentenceAtOnce) {
  ASSERT_TRUE(editAddSentence(editedLogicList(), 0));
  editSetSentenceSlots(editedLogicList(), 0, {{kSlotAction, kActionDisplayPhrase}, {kSlotActionOperand, 1}});
  editHistoryLog.clear();
  pickPixel(kPickLogicWord, 0, kSlotActionOperand, PickAt::LeftPress);
  EXPECT_EQ(windows(), "-1 1 1");
  click(kPickPhraseChoiceNext);
  processSpecialKeys(kSpecialRight, 0, 0);
  EXPECT_EQ(editedSentence(0).getSentenceStep(kSlotActionOperand), 3);
  for (int i = 0; i < 4; ++i) click(kPickPhraseChoicePrevious);
  EXPECT_EQ(editedSentence(0).getSentenceStep(kSlotActionOperand), kPhraseCount - 1);
  EXPECT_EQ(editHistoryLog.getStepCount(), 6u);
  editUndo();
  EXPECT_EQ(editedSentence(0).getSentenceStep(kSlotActionOperand), 0);
  code(kPickPhraseSelectorClose, kPhraseIconClose, PickAt::LeftRelease);
  EXPECT_EQ(worldEditor.getPhraseSelector(), 1);
  code(kPickPhraseSelectorClose, kPhraseIconClose);
  EXPECT_EQ(worldEditor.getPhraseSelector(), -1);
}

TEST_F(PhraseWindows, TheCheckMarkAndEnterStoreTheTypedTextAsThePhraseOfTheWindowOnTop) {
  worldEditor.setPhraseMenu(7);
  typeIntoField("Hi there");
  EXPECT_EQ(gameSys.getInputState(), kInputSystemTextbox);
  click(kPickPhraseStore);
  EXPECT_EQ(world.getPhrase(7), "Hi there");
  EXPECT_EQ(typedText(), "");
  EXPECT_EQ(gameSys.getInputState(), kInputNormal);
  EXPECT_EQ(timesPlayed("boop"), 1);

  worldEditor.setPhraseSelector(1);
  worldEditor.setPhraseSelectorChoice(9);
  typeIntoField("Bye");
  keyboard(kCharEnter, 0, 0);
  EXPECT_EQ(tftest::joined({world.getPhrase(9) == "Bye", world.getPhrase(7) == "Hi there"}), "1 1");
  EXPECT_EQ(editHistoryLog.getStepCount(), 2u);
  editUndo();
  EXPECT_EQ(world.getPhrase(9), "");

  closePhraseWindows();
  typeIntoField("Lost");
  click(kPickPhraseStore);  // no window open: nothing is stored
  EXPECT_EQ(typedText(), "Lost");
}

TEST_F(PhraseWindows, TextAPhraseCannotHoldIsCutOrRefusedWithANotice) {
  worldEditor.setPhraseMenu(2);
  const std::string wide(200, 'W');
  const auto storing = [this](const std::string& typed) {
    notice.leaveNotice();
    world.setPhrase(2, "before");
    uiScriptString.setString(typed, typedString());
    click(kPickPhraseStore);
    return tftest::shownNotice() != "(none)";
  };
  EXPECT_FALSE(storing("Open the gate"));
  EXPECT_EQ(world.getPhrase(2), "Open the gate");
  EXPECT_TRUE(storing(std::string("a\tb\rc\x7f" "d\n")));
  EXPECT_EQ(world.getPhrase(2), "abcd");
  EXPECT_TRUE(storing("NULL"));
  EXPECT_EQ(world.getPhrase(2), "before");

  EXPECT_TRUE(storing(wide));
  const std::string cut = world.getPhrase(2);
  EXPECT_EQ(cut, wide.substr(0, cut.size())) << "the start of what was typed";
  EXPECT_LE(getDisplayTextSize(cut), kPhraseShownWidth);
  EXPECT_GT(getDisplayTextSize(cut + "W"), kPhraseShownWidth) << "as much of it as fits";

  typeIntoField(std::string("a\tb") + static_cast<char>(1) + "c" + static_cast<char>(200));
  EXPECT_EQ(typedText(), "abc") << "the field takes no control characters";
}

}  // namespace
