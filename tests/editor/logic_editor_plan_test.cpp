// What the logic editor's plan shows: each operand's text by kind (and
// plainly, in red, what does not exist), which slots a row shows, the welcome
// and reminder texts, and the word list's neighbours in the sentence's
// context.
#include "editor/logic_editor_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/run_state.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/logic_editor.h"
#include "game/step_ids.h"
#include "game/vocabulary.h"
#include "game/world.h"
#include "media/images.h"

namespace {

using namespace tf;

TEST(OperandText, ShowsEachKindAndMarksWhatDoesNotExist) {
  LogicBounds b;
  b.objects = 3;
  b.maps = 2;
  b.sounds = 3;
  b.images = 0;
  const struct {
    int kind, value;
    bool self;
    const char* text;
  } cases[] = {
      {kObjectOperand, 2, false, "^y2"},        {kObjectOperand, 3, false, "^r3 missing"},
      {kObjectOperand, 9, true, "^yself"},      {kKeyOperand, 0, false, "a"},
      {kKeyOperand, 25, false, "z"},            {kKeyOperand, 26, false, "^r26 missing"},
      {kMapOperand, 1, false, "^y1"},           {kMapOperand, 2, false, "^r2 missing"},
      {kSoundOperand, 2, false, "^y2"},         {kSoundOperand, 3, false, "^r3 missing"},
      {kGlobalScoreOperand, 49, false, "^y49"}, {kGlobalScoreOperand, 50, false, "^r50 missing"},
      {kNumberOperand, 7, false, "^y7"},        {kNumberOperand, -3, false, "^r-3 missing"},
      {kPhraseOperand, 1023, false, "^y1023"},  {kPhraseOperand, 1024, false, "^r1024 missing"},
      {kImageOperand, 0, false, "^r0 missing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " " + std::to_string(c.value));
    EXPECT_EQ(operandText(c.kind, c.value, c.self, b), c.text);
  }
  EXPECT_EQ(intToAlpha(26), "NULL");
  EXPECT_EQ(intToAlpha(-1), "NULL");
}

TEST(SlotShown, TheOpenerAndEachWordDecideWhichSlotsARowShows) {
  const struct {
    int steps[kSentenceSteps];
    const char* shown;  // one digit per slot
  } cases[] = {
      {{100, 0, 300, 400, 0, 600, 708, 0}, "11111111"},
      {{100, 0, 300, 405, 0, 600, 700, 0}, "11110110"},  // no operand after "any touch" and "and"
      {{104, 0, 300, 400, 0, 600, 713, 0}, "10000111"},  // a key opener without operand
      {{132, 5, 300, 400, 0, 600, 713, 0}, "11000111"},  // a number opener hides the condition
      {{111, 5, 300, 400, 0, 600, 713, 0}, "11000111"},  // so does a key opener
      {{126, 3, 300, 426, 9, 600, 713, -1}, "11111110"},  // -1 is no operand
  };
  for (const auto& c : cases) {
    sentence s;
    s.setWholeSentence(c.steps[0], c.steps[1], c.steps[2], c.steps[3], c.steps[4], c.steps[5], c.steps[6],
                       c.steps[7]);
    std::string shown;
    for (int slot = 0; slot < kSentenceSteps; ++slot) shown += slotShown(s, slot) ? '1' : '0';
    EXPECT_EQ(shown, c.shown) << c.steps[0];
  }
}

class LogicEditorPlan : public ::testing::Test {
 protected:
  void SetUp() override {
    resetRunState();
    world = gameWorld();
    worldEditor = editor();
    editHistoryLog.clear();
    world.allocateMaps(2);
    world.worldSetMap(10, 10, "Field", 0);
    world.worldSetMap(10, 10, "Empty", 1);
    world.setGameLoaded(true);
    for (int i = 0; i < 2; ++i) world.worldSetObject(0.3f * i, 0.3f, 0.1f, 0.1f, 5 + i, 0, i, 0);
    worldEditor.setEditorMode(kModeGlobalLogic);
  }
  void TearDown() override {
    editHistoryLog.clear();
    world = gameWorld();
    worldEditor = editor();
  }
  static std::vector<std::string> texts() {
    PanelPlan plan;
    planLogicEditor(plan);
    std::vector<std::string> out;
    for (const PanelItem& item : plan.items()) {
      if (item.kind == PanelItem::Text) out.push_back(item.text);
    }
    return out;
  }
  static bool shows(const std::string& text) {
    const std::vector<std::string> all = texts();
    return std::find(all.begin(), all.end(), text) != all.end();
  }
  // The game pictures of the plan, by image.
  static std::vector<int> gamePictures() {
    PanelPlan plan;
    planLogicEditor(plan);
    std::vector<int> out;
    for (const PanelItem& item : plan.items()) {
      if (item.kind == PanelItem::Picture && item.source == PictureSource::Game) out.push_back(item.image);
    }
    return out;
  }
};

TEST_F(LogicEditorPlan, ARowShowsGoneObjectsPlainlyAndPicturesThoseThatExist) {
  editAddSentence(globalLogicOf(0), 0);
  editSetSentenceSlots(globalLogicOf(0), 0, {{kSlotOpenerOperand, 1}, {kSlotConditionOperand, 7}});
  EXPECT_TRUE(shows("^y1"));
  EXPECT_TRUE(shows("^r7 missing"));
  EXPECT_EQ(gamePictures(), std::vector<int>({6})) << "object 1's image; object 7 has none";
  editSetSentenceSlots(globalLogicOf(0), 0, {{kSlotAction, kActionDisplayImage}, {kSlotActionOperand, 4}});
  EXPECT_TRUE(shows("^r4 missing")) << "no image 4 yet";
  gameImg.resize(5);
  EXPECT_EQ(gamePictures(), std::vector<int>({6, 4}));
  gameImg[4].SetPointer(-1);  // an empty slot of the registry
  EXPECT_TRUE(shows("^r4 missing"));
  gameImg.clear();
}

TEST_F(LogicEditorPlan, TheWelcomeTextShowsBelowThreeSentencesAndTheReminderWithoutObjects) {
  const std::string welcome = "^y^2Welcome to the ^yGame Logic Editor";
  const std::string remember = "^y^3Remember:^w^1 You need to create at least one object to add Global Logic.";
  const std::string plusHint = "Press this ^yPlus Icon^w to make a sentence.";
  EXPECT_TRUE(shows(welcome) && shows(plusHint));
  editAddSentence(globalLogicOf(0), 0);
  editAddSentence(globalLogicOf(0), 0);
  EXPECT_TRUE(shows(welcome));
  EXPECT_FALSE(shows(plusHint));
  editAddSentence(globalLogicOf(0), 0);
  EXPECT_FALSE(shows(welcome));
  world.setCurrentMap(1);
  EXPECT_TRUE(shows(remember));
  EXPECT_FALSE(shows(welcome));
  worldEditor.setEditorMode(kModeLocalLogic);
  world.setCurrentMap(0);
  EXPECT_TRUE(shows(welcome));
  EXPECT_TRUE(shows("^y^4Local Game Logic Editor^1 for Object 0"));
}

TEST_F(LogicEditorPlan, ThePlusIconFollowsTheLastRowUntilTheListIsFull) {
  const PickColor plus{kPickLogicAdd, kPickMenuMark, kPickMenuMark};
  for (int count = 0; count <= kMaxSentences; ++count) {
    PanelPlan plan;
    planLogicEditor(plan);
    std::vector<float> ys;
    for (const PanelItem& item : plan.items()) {
      if (item.pickable && item.pick == plus) ys.push_back(item.y);
    }
    EXPECT_EQ(ys, count < kMaxSentences ? std::vector<float>{kFirstRowY + kRowStep * count} : std::vector<float>{});
    editAddSentence(globalLogicOf(0), 0);
  }
}

TEST_F(LogicEditorPlan, TheWordListShowsTheWordsOfferedAroundTheCurrentOne) {
  editAddSentence(globalLogicOf(0), 0);
  editSetSentenceSlot(globalLogicOf(0), 0, kSlotAction, kActionKillObject);
  worldEditor.setGLTimer(999, 0, kSlotAction);
  PanelPlan plan;
  planLogicEditor(plan);
  // The texts at the list's x, top to bottom.
  std::vector<std::pair<float, std::string>> listed;
  for (const PanelItem& item : plan.items()) {
    if (item.kind == PanelItem::Text && item.x == wordListX()) listed.push_back({item.y, item.text});
  }
  std::sort(listed.begin(), listed.end());
  std::vector<std::string> words;
  for (const auto& entry : listed) words.push_back(entry.second);
  // Row 0 stands at y 80: two words above it, then as many below as the screen holds.
  ASSERT_GE(words.size(), 5u);
  EXPECT_EQ(words[0], "display image");
  EXPECT_EQ(words[1], "display phrase");  // "phrase above obj" and the score displays are local only
  EXPECT_EQ(words[2], "^c|^ykill object^c|");
  EXPECT_EQ(words[3], "revive object");
  EXPECT_EQ(listed.back().first, 80 + 30 * 17) << "the last row above the screen's bottom";
  EXPECT_TRUE(shows("^ykill object"));
  std::string line1, line2;
  stepIDToDescription(kActionKillObject, line1, line2);
  EXPECT_TRUE(shows(line1) && shows(line2));
}

}  // namespace
