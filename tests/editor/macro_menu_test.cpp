// The macro menu: it opens over a single selected object, says whether the
// object's logic will be replaced, replaces it with exactly the macro's
// sentences aimed at the object as one step, and closes itself when the
// object panel is left.
#include "editor/macro_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/edit_history.h"
#include "editor/edits.h"
#include "editor/editor.h"
#include "game/step_ids.h"
#include "input/screens.h"
#include "input_fixture.h"
#include "world_compare.h"

namespace {

using namespace tf;

class MacroMenu : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    onEditingScreen();
    for (int i = 0; i < 3; ++i) ASSERT_GE(editAddObject(0, objectFields()), 0);
    // Object 2 has five sentences of its own.
    for (int k = 0; k < 5; ++k) ASSERT_TRUE(editAddSentence(localLogicOf(0, 2), 2));
    editHistoryLog.clear();
    worldEditor.setCurrentObject(2);
    worldEditor.setEditorMode(kModeObject);
  }
  static std::string logicOf(int obj) {
    std::string text;
    for (int k = 0; k < world.mapLocalGetSentenceAmount(obj, 0); ++k) {
      text += tftest::sentenceText(world.mapLocalGetWholeSentence(obj, 0, k)) + "\n";
    }
    return text;
  }
  static std::string shownTexts() {
    PanelPlan plan;
    planMacroMenu(plan);
    std::string texts;
    for (const PanelItem& item : plan.items()) {
      if (item.kind == PanelItem::Text) texts += item.text + "\n";
    }
    return texts;
  }
};

TEST_F(MacroMenu, EachMacroReplacesTheLocalLogicWithItsOwnSentencesAimedAtTheObject) {
  const struct {
    int macro;
    std::string firstTwo;
    int count;
  } cases[] = {
      {kMacroRpgPlayer, "2: 104 0 300 400 0 600 710 2\n2: 105 0 300 400 0 600 711 2\n", 6},
      {kMacroPlatformerPlayer, "2: 101 2 300 407 2 600 767 2\n2: 101 2 301 407 2 600 775 2\n", 11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.macro);
    const std::string before = logicOf(2);
    ASSERT_TRUE(pickCode(kPickMacroOpen));
    EXPECT_TRUE(macroMenuOpen());
    audio.played.clear();
    EXPECT_TRUE(pickPixel(kPickMacroApply, kPickMenuMark, c.macro, PickAt::LeftPress));
    const std::string after = logicOf(2);
    EXPECT_EQ(after.substr(0, c.firstTwo.size()), c.firstTwo);
    EXPECT_EQ(world.mapLocalGetSentenceAmount(2, 0), c.count);
    EXPECT_EQ(logicOf(0) + logicOf(1), "");
    EXPECT_FALSE(macroMenuOpen());
    EXPECT_EQ(timesPlayed("ok"), 1);
    // One step, undone as a whole.
    editUndo();
    EXPECT_EQ(logicOf(2), before);
    editRedo();
    EXPECT_EQ(logicOf(2), after);
  }
  // Every "self" of the tables is the object.
  const sentence jump = world.mapLocalGetWholeSentence(2, 0, 2);
  EXPECT_EQ(tftest::sentenceText(jump), "2: 108 2 300 400 2 600 738 26");
}

TEST_F(MacroMenu, TheMenuSaysWhatItReplacesAndTakesClicksOnlyWhileOpen) {
  EXPECT_TRUE(pickPixel(kPickMacroApply, kPickMenuMark, kMacroRpgPlayer, PickAt::LeftPress));  // closed
  EXPECT_EQ(world.mapLocalGetSentenceAmount(2, 0), 5);

  pickCode(kPickMacroOpen);
  EXPECT_NE(shownTexts().find("replaces this object's local logic (^y5^r sentences)"), std::string::npos);
  EXPECT_TRUE(pickPixel(kPickMacroApply, kPickMenuMark, kMacroCount, PickAt::LeftPress));  // no such macro
  EXPECT_TRUE(pickPixel(kPickMacroApply, kPickMenuMark, kMacroRpgPlayer, PickAt::Hover));
  EXPECT_EQ(world.mapLocalGetSentenceAmount(2, 0), 5);
  EXPECT_TRUE(pickCode(kPickMacroClose));
  EXPECT_FALSE(macroMenuOpen());

  worldEditor.setCurrentObject(1);  // no logic yet
  pickCode(kPickMacroOpen);
  EXPECT_NE(shownTexts().find("The macro becomes this object's local logic."), std::string::npos);
  // Leaving object mode closes it; it does not come back with the mode.
  worldEditor.setEditorMode(kModeTile);
  EXPECT_FALSE(macroMenuOpen());
  worldEditor.setEditorMode(kModeObject);
  EXPECT_FALSE(macroMenuOpen());
  // Nor does it open for several objects.
  worldEditor.setObjectList(0, 0);
  worldEditor.setObjectList(1, 1);
  worldEditor.setObjectListAmount(2);
  pickCode(kPickMacroOpen);
  EXPECT_FALSE(macroMenuOpen());
}

}  // namespace
