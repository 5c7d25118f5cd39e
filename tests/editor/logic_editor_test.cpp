// The logic editor through its colour codes, keys, wheel and drags: each word
// and operand stepped within its bounds and context, the resets a new word
// brings, the word list opened, stepped and closed as one step of the
// history, a sound previewed, the choosers opened, and the icons that add,
// copy and delete sentences and leave the editor. Its phrase windows: opened
// and closed, the selector's choice going into the sentence through the
// edits, the check mark and Enter storing the typed text, and typed text that
// a phrase cannot hold (control characters, too wide, the word the files read
// as no text).
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/logic_editor.h"
#include "editor/phrase_windows.h"
#include "game/step_ids.h"
#include "game/world.h"
#include "input/color_pick.h"
#include "input/screens.h"
#include "input_fixture.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/text.h"
#include "menus/system_textboxes.h"

namespace {

using namespace tf;

// Sentence steps as written in a table: the eight slots.
struct Steps {
  int slot[kSentenceSteps];
};

std::string text(const Steps& steps) {
  std::string out;
  for (int slot = 0; slot < kSentenceSteps; ++slot) out += (slot ? " " : "") + std::to_string(steps.slot[slot]);
  return out;
}

std::string stepsText(const sentence& s) {
  Steps steps;
  for (int slot = 0; slot < kSentenceSteps; ++slot) steps.slot[slot] = s.getSentenceStep(slot);
  return text(steps);
}

class LogicEditor : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    for (const char* name : {"a", "b", "c"}) dir.write(std::string("games/g/sound/") + name + ".wav", "");
    scene();
  }
  void TearDown() override {
    freeGameSounds(static_cast<int>(gameSounds.size()));
    InputTest::TearDown();
  }
  // Two maps, three objects on map 0, three game sounds, in the logic
  // editor of `mode` with object 1 selected.
  void scene(int mode = kModeGlobalLogic) {
    makeMenus(2);
    gameUI.setEditorMenu(1);
    loadMenu(1);
    world.allocateMaps(2);
    world.worldSetMap(10, 10, "Field", 0);
    world.worldSetMap(5, 5, "Cave", 1);
    world.setGameLoaded(true);
    for (int i = 0; i < 3; ++i) world.worldSetObject(0.3f * i, 0.3f, 0.1f, 0.1f, 1, 0, i, 0);
    ASSERT_EQ(loadGameSounds("g"), 3);
    world.setGameSoundCount(3);
    gameSys.setGameState(kStateWorldEditor);
    worldEditor.setEditorMode(mode);
    worldEditor.setCurrentObject(1);
    gameSys.setMousePos(400, 300);
    loadSysTextboxes();
  }
  // Sentence 0 of the edited list holds `steps`.
  static void write(const Steps& steps) {
    const logicList list = editedLogicList();
    ASSERT_TRUE(editAddSentence(list, 0));
    for (int slot = 0; slot < kSentenceSteps; ++slot) editSetSentenceSlot(list, 0, slot, steps.slot[slot]);
    editHistoryLog.clear();
  }
  static std::string steps(int s = 0) { return stepsText(editedSentence(s)); }
  // The colour code of word or operand `slot` of sentence `s`, and of an icon.
  static bool word(int s, int slot, PickAt event = PickAt::LeftPress) {
    return pickPixel(kPickLogicWord, s, slot, event);
  }
  static bool icon(int code, int blue, PickAt event = PickAt::LeftPress) {
    return pickPixel(code, kPickMenuMark, blue, event);
  }
  static void click(int code, int blue = kPickMenuMark) {
    icon(code, blue);
    icon(code, blue, PickAt::LeftRelease);
  }
  static void button(int which, bool pressed, int y = 300) { mouse(which, pressed ? kButtonDown : kButtonUp, 400, y); }
  static std::string listState() {
    int timer, s, slot;
    worldEditor.getGLTimer(timer, s, slot);
    return tftest::joined({timer, s, slot});
  }
  // The phrase windows: the text typed into their field, and which are open.
  static int typedString() {
    float x, y, w, h;
    int text;
    sysTextbox[kPhraseTextbox].getTextbox(x, y, w, h, text);
    return text;
  }
  static void typeIntoField(const std::string& text) {
    icon(kPickSystemTextbox, kPhraseTextbox);
    for (char c : text) keyboard(static_cast<unsigned char>(c), 0, 0);
  }
  static std::string typedText() { return uiScriptString.getString(typedString()); }
  static std::string windows() {
    return tftest::joined({worldEditor.getPhraseMenu(), worldEditor.getPhraseSelector(),
                           worldEditor.getPhraseSelectorChoice()});
  }
};

// What a case does to slot `slot` of sentence 0: a press of either button,
// passes that change nothing, an arrow key with the slot under the pointer.
enum Input { kLeftPress, kRightPress, kHover, kDrag, kRelease, kForward, kBack };

TEST_F(LogicEditor, EachWordAndOperandStepsWithinItsContextAndBounds) {
  const struct Case {
    const char* what;
    int mode;
    Steps before;
    int slot;
    Input input;
    const char* after;
  } cases[] = {
      // Operands, by kind, at their bounds (3 objects, 2 maps, 3 sounds, 50 global scores).
      {"an object goes up", kModeGlobalLogic, {100, 0, 300, 400, 1, 600, 708, 0}, 4, kLeftPress, "100 0 300 400 2 600 708 0"},
      {"nor below object 0", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 708, 0}, 4, kRightPress, "100 0 300 400 0 600 708 0"},
      {"a gone object steps back onto the map", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 708, 7}, 7, kRightPress, "100 0 300 400 0 600 708 2"},
      {"but not further away", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 708, 7}, 7, kLeftPress, "100 0 300 400 0 600 708 7"},
      {"a number has no top", kModeGlobalLogic, {100, 0, 300, 417, 41, 600, 708, 0}, 4, kLeftPress, "100 0 300 417 42 600 708 0"},
      {"nor does it overflow", kModeGlobalLogic, {100, 0, 300, 417, INT_MAX, 600, 708, 0}, 4, kLeftPress, "100 0 300 417 2147483647 600 708 0"},
      {"a number stops at 0", kModeGlobalLogic, {132, 0, 300, 400, 0, 600, 708, 0}, 1, kRightPress, "132 0 300 400 0 600 708 0"},
      {"a key stops at z", kModeGlobalLogic, {111, 25, 300, 400, 0, 600, 708, 0}, 1, kLeftPress, "111 25 300 400 0 600 708 0"},
      {"not past the last map", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 748, 1}, 7, kLeftPress, "100 0 300 400 0 600 748 1"},
      {"the global score of an opener", kModeGlobalLogic, {126, 49, 300, 426, 0, 600, 708, 0}, 1, kLeftPress, "126 49 300 426 0 600 708 0"},
      {"an arrow key steps an operand", kModeGlobalLogic, {100, 0, 300, 400, 1, 600, 708, 0}, 4, kBack, "100 0 300 400 0 600 708 0"},
      // Words: the next word offered, never a hidden one, nothing past the ends.
      {"the first opener goes no further back", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 708, 0}, 0, kBack, "100 0 300 400 0 600 708 0"},
      {"nor the last forward", kModeGlobalLogic, {137, 0, 300, 400, 0, 600, 708, 0}, 0, kForward, "137 0 300 400 0 600 708 0"},
      {"the hidden score openers are passed over", kModeGlobalLogic, {119, 3, 300, 405, 2, 600, 708, 0}, 0, kForward, "126 0 300 426 0 600 708 0"},
      {"and back", kModeGlobalLogic, {126, 3, 300, 428, 2, 600, 708, 0}, 0, kBack, "119 0 300 400 0 600 708 0"},
      {"a new opener resets its operand and the condition", kModeGlobalLogic, {127, 7, 300, 430, 2, 600, 708, 1}, 0, kBack, "126 0 300 426 0 600 708 1"},
      {"keeping a touching condition's object", kModeGlobalLogic, {100, 2, 300, 400, 2, 600, 708, 1}, 0, kForward, "101 0 300 400 2 600 708 1"},
      {"polarity", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 708, 0}, 2, kForward, "100 0 301 400 0 600 708 0"},
      {"the connective stays", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 708, 0}, 5, kBack, "100 0 300 400 0 600 708 0"},
      {"and the global score conditions", kModeGlobalLogic, {100, 0, 300, 425, 4, 600, 708, 0}, 3, kForward, "100 0 300 435 0 600 708 0"},
      {"global score openers offer only their conditions", kModeGlobalLogic, {126, 0, 300, 426, 3, 600, 708, 0}, 3, kBack, "126 0 300 426 3 600 708 0"},
      {"up to the last of them", kModeGlobalLogic, {126, 0, 300, 434, 1, 600, 708, 0}, 3, kForward, "126 0 300 434 1 600 708 0"},
      {"a new action resets its operand", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 713, 2}, 6, kForward, "100 0 300 400 0 600 714 0"},
      {"the global editor hides the phrase above an object", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 704, 9}, 6, kForward, "100 0 300 400 0 600 708 0"},
      {"nor going back", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 786, 0}, 6, kBack, "100 0 300 400 0 600 779 0"},
      {"the local editor offers them", kModeLocalLogic, {100, 0, 300, 400, 0, 600, 704, 9}, 6, kForward, "100 0 300 400 0 600 705 0"},
      {"the last action", kModeLocalLogic, {100, 0, 300, 400, 0, 600, 787, 0}, 6, kForward, "100 0 300 400 0 600 787 0"},
      {"a press on a word only opens its list", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 708, 0}, 6, kLeftPress, "100 0 300 400 0 600 708 0"},
      {"a right press on a word does nothing", kModeGlobalLogic, {100, 0, 300, 400, 0, 600, 708, 0}, 6, kRightPress, "100 0 300 400 0 600 708 0"},
      {"a hover changes nothing", kModeGlobalLogic, {100, 0, 300, 400, 1, 600, 708, 0}, 4, kHover, "100 0 300 400 1 600 708 0"},
      {"nor a drag", kModeGlobalLogic, {100, 0, 300, 400, 1, 600, 708, 0}, 4, kDrag, "100 0 300 400 1 600 708 0"},
      {"nor a release", kModeGlobalLogic, {100, 0, 300, 400, 1, 600, 708, 0}, 4, kRelease, "100 0 300 400 1 600 708 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fresh();
    scene(c.mode);
    write(c.before);
    if (c.input == kForward || c.input == kBack) {
      platform.setPickPixel(kPickLogicWord, 0, c.slot);
      special(c.input == kForward ? kSpecialDown : kSpecialLeft);
    } else {
      const PickAt events[] = {PickAt::LeftPress, PickAt::RightPress, PickAt::Hover, PickAt::Drag, PickAt::LeftRelease};
      EXPECT_TRUE(word(0, c.slot, events[c.input]));
    }
    EXPECT_EQ(steps(), c.after);
    const bool changed = std::string(c.after) != text(c.before);
    EXPECT_EQ(editHistoryLog.getStepCount(), changed ? 1u : 0u) << "one step of the history for each change";
  }
}

TEST_F(LogicEditor, ImageAndPhraseOperandsOpenTheirChoosersForTheSentence) {
  write({100, 0, 300, 400, 0, 600, 704, 17});
  ASSERT_TRUE(editAddSentence(editedLogicList(), 0));
  editSetSentenceSlots(editedLogicList(), 1, {{kSlotAction, kActionDisplayImage}, {kSlotActionOperand, 3}});
  word(1, 7);
  EXPECT_EQ(tftest::joined({worldEditor.getImageMenuTimer(), worldEditor.getCurrentSentence()}), "1 1");
  gameImg.resize(5);
  logicEditorImageChosen(4);
  EXPECT_EQ(steps(1), "100 0 300 400 0 600 703 4");
  logicEditorImageChosen(2);  // the chooser was opened for sentence 1, whatever is chosen after
  EXPECT_EQ(steps(1), "100 0 300 400 0 600 703 2");
  worldEditor.setCurrentSentence(0);
  logicEditorImageChosen(1);  // sentence 0 shows a phrase: no image goes there
  EXPECT_EQ(steps(0), "100 0 300 400 0 600 704 17");

  word(0, 7, PickAt::RightPress);
  EXPECT_EQ(tftest::joined({worldEditor.getPhraseSelector(), worldEditor.getPhraseSelectorChoice(),
                            worldEditor.getCurrentSentence()}),
            "1 17 0");
  EXPECT_EQ(steps(0), "100 0 300 400 0 600 704 17");
}

TEST_F(LogicEditor, AStepThroughTheSoundsPlaysTheNewSoundOnceAfterStoppingTheOthers) {
  write({100, 0, 300, 400, 0, 600, 728, 0});
  playGameSound(2, 1);
  ASSERT_EQ(audio.playingCount("games/g/sound/1002.wav"), 1);
  audio.played.clear();
  word(0, 7);
  EXPECT_EQ(audio.playingCount("games/g/sound/1002.wav"), 0);
  ASSERT_EQ(audio.played.size(), 1u);
  EXPECT_EQ(audio.played[0], "games/g/sound/1001.wav once");
  word(0, 7);
  word(0, 7);  // past the last sound: nothing changes, nothing plays
  EXPECT_EQ(tftest::joined({static_cast<long long>(audio.played.size()), editedSentence(0).getSentenceStep(7)}), "2 2");
}

TEST_F(LogicEditor, TheArrowKeysStepOnlyTheWordOrOperandUnderThePointerOrTheOpenList) {
  write({100, 0, 300, 400, 1, 600, 708, 0});
  platform.setPickPixel(kPickLogicAdd, kPickMenuMark, kPickMenuMark);  // an icon under the pointer is not pressed
  special(kSpecialRight);
  gameSys.setInputState(kInputSystemTextbox);  // typing into a field: the arrows are not the editor's
  platform.setPickPixel(kPickLogicWord, 0, kSlotConditionOperand);
  special(kSpecialRight);
  gameSys.setInputState(kInputNormal);
  EXPECT_EQ(tftest::joined({editedSentenceCount(), editedSentence(0).getSentenceStep(4)}), "1 1");
  worldEditor.setGLTimer(999, 0, kSlotAction);  // the open list's word, wherever the pointer is
  special(kSpecialRight);
  special(kSpecialDown);
  special(kSpecialUp);
  EXPECT_EQ(steps(), "100 0 300 400 1 600 709 0");
}

TEST_F(LogicEditor, TheOpenListStepsByWheelAndDragAsOneStepOfTheHistoryUntilItCloses) {
  write({100, 0, 300, 400, 1, 600, 708, 2});
  word(3, kSlotAction);  // no sentence 3: no list
  EXPECT_EQ(listState(), "0 0 0");
  word(0, kSlotAction);
  word(0, kSlotOpener);  // a press on the open list opens no other
  EXPECT_EQ(listState(), "1000 0 6");
  button(kButtonWheelDown, true);
  button(kButtonWheelDown, false);  // a wheel release steps nothing
  button(kButtonWheelDown, true);
  button(kButtonWheelUp, true);
  EXPECT_EQ(steps(), "100 0 300 400 1 600 709 0");
  clock.advance(1000);
  mouseDrag(400, 309);  // less than 10 pixels from where the list opened
  EXPECT_EQ(steps(), "100 0 300 400 1 600 709 0");
  mouseDrag(400, 311);
  mouseDrag(400, 320);
  mouseDrag(400, 322);
  EXPECT_EQ(steps(), "100 0 300 400 1 600 711 0");
  mouseDrag(400, 300);
  EXPECT_EQ(steps(), "100 0 300 400 1 600 710 0");
  EXPECT_EQ(editHistoryLog.getStepCount(), 0u);  // still gathering

  keyboard(kCharEnter, 0, 0);
  EXPECT_EQ(listState(), "0 0 6");
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
  button(kButtonWheelDown, true);  // a closed list takes no wheel
  EXPECT_EQ(steps(), "100 0 300 400 1 600 710 0");
  editUndo();
  EXPECT_EQ(steps(), "100 0 300 400 1 600 708 2");

  word(0, kSlotOpener);
  button(kButtonWheelDown, true);
  clock.advance(kWordListDoubleClickMs + 1);
  button(kButtonLeft, true);
  clock.advance(kWordListDoubleClickMs - 1);
  button(kButtonLeft, true);  // the second press within 200 ms closes the list
  EXPECT_EQ(listState(), "-1 0 0");
  EXPECT_EQ(steps(), "101 0 300 400 1 600 708 2");
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);  // the undone step is gone
}

TEST_F(LogicEditor, QuickPressesWithoutAnOpenListAreEachTaken) {
  write({100, 0, 300, 400, 0, 600, 708, 0});
  platform.setPickPixel(kPickLogicWord, 0, kSlotConditionOperand);
  for (int i = 0; i < 2; ++i) {
    button(kButtonLeft, true);
    clock.advance(20);
    button(kButtonLeft, false);
    clock.advance(20);
  }
  EXPECT_EQ(steps(), "100 0 300 400 2 600 708 0");
}

TEST_F(LogicEditor, TheIconsAddCopyAndDeleteSentencesAndLeaveTheEditor) {
  icon(kPickLogicAdd, kPickMenuMark, PickAt::LeftRelease);  // not on a release
  icon(kPickLogicAdd, kPickMenuMark);
  icon(kPickLogicAdd, kPickMenuMark, PickAt::RightPress);
  editSetSentenceSlot(editedLogicList(), 0, kSlotActionOperand, 2);
  icon(kPickLogicCopy, 0);
  EXPECT_EQ(steps(2), steps(0));
  icon(kPickLogicDelete, 1);
  EXPECT_EQ(tftest::joined({editedSentenceCount(), editedSentence(1).getSentenceStep(7), timesPlayed("create"),
                            timesPlayed("boop"), timesPlayed("delete")}),
            "2 2 2 1 1");

  while (editedSentenceCount() < kMaxSentences) editAddSentence(editedLogicList(), 0);
  icon(kPickLogicCopy, 0);
  EXPECT_EQ(tftest::shownNotice(), "(none)");  // a copy past the last place does nothing
  icon(kPickLogicAdd, kPickMenuMark);
  EXPECT_EQ(tftest::shownNotice(), "^yAdd Sentence | ^wYou have the maximum amount of sentences available.");
  EXPECT_EQ(editedSentenceCount(), kMaxSentences);

  worldEditor.setEditorMode(kModeLocalLogic);
  icon(kPickLogicAdd, kPickMenuMark);
  EXPECT_EQ(editedSentence(0).getOwner(), 1) << "an object's sentence is the object's";
  world.setCurrentMap(1);  // no objects there
  worldEditor.setEditorMode(kModeGlobalLogic);
  icon(kPickLogicAdd, kPickMenuMark);
  EXPECT_EQ(tftest::shownNotice(), "^yAdd Sentence | ^wYou must have at least one object to add a sentence.");
  EXPECT_EQ(editedSentenceCount(), 0);

  for (const int mode : {kModeGlobalLogic, kModeLocalLogic}) {
    worldEditor.setEditorMode(mode);
    worldEditor.setPhraseSelector(1);
    icon(kPickLogicExit, mode == kModeLocalLogic ? kModeObject : kModeNothing);
    EXPECT_EQ(tftest::joined({worldEditor.getEditorMode(), worldEditor.getPhraseSelector()}),
              std::to_string(mode == kModeLocalLogic ? kModeObject : kModeNothing) + " -1");
  }
}

// ---- the phrase windows ---------------------------------------------------------------------------

using PhraseWindows = LogicEditor;

TEST_F(PhraseWindows, TheEditorOpensOnTheIconsReleaseAndClosesOnItsOwnIcon) {
  icon(kPickPhraseEditor, kPhraseIconOpen);
  EXPECT_EQ(windows(), "-1 -1 0");
  icon(kPickPhraseEditor, kPhraseIconOpen, PickAt::LeftRelease);
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
  icon(kPickPhraseSelectorClose, kPhraseIconClose, PickAt::LeftRelease);
  EXPECT_EQ(worldEditor.getPhraseSelector(), 1);
  icon(kPickPhraseSelectorClose, kPhraseIconClose);
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
