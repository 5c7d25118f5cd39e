// The logic editor's screen: stepping words and operands, the word list's
// opening, stepping and closing, and the row icons.
#include "editor/logic_editor.h"

#include <algorithm>

#include "console/console.h"
#include "core/platform.h"
#include "core/run_state.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/logic_editor_plan.h"
#include "editor/phrase_windows.h"
#include "game/vocabulary.h"
#include "game/world.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"

namespace tf {
namespace {

// The word list opens where the pointer is, but no further right than this.
constexpr int kWordListRightmost = 580;
// The timer of a list just opened.
constexpr int kWordListOpened = 1000;
// Timer values that close the list: Enter or Escape, and a double click.
constexpr int kWordListClosed = 0;
constexpr int kWordListClosedByDoubleClick = -1;

const char* const kAddSentenceTitle = "^yAdd Sentence";
const char* const kNeedsObject = "^wYou must have at least one object to add a sentence.";
const char* const kListFull = "^wYou have the maximum amount of sentences available.";

// The time of the last button event the editor took, for the double click.
bool clickSeen = false;
int lastClick = 0;
// The open list: where it stands, the window y of its last drag step, and
// whether its steps are being gathered into one step of the history.
int listX = 0;
int anchorY = 0;
bool listStepOpen = false;

void forgetListState() {
  clickSeen = false;
  lastClick = 0;
  listX = 0;
  anchorY = 0;
  listStepOpen = false;
}
const bool registered = registerRunStateReset(forgetListState);

bool isWheel(int button) { return button == kButtonWheelUp || button == kButtonWheelDown; }

void listTimer(int& timer, int& s, int& slot) { worldEditor.getGLTimer(timer, s, slot); }

// The steps made through an open list are one step of the history; it ends
// once the list is closed, however that happened.
void settleListStep() {
  if (!listStepOpen || wordListOpen()) return;
  listStepOpen = false;
  editHistoryLog.endStep();
}

void openWordList(int s, int slot) {
  worldEditor.setGLTimer(kWordListOpened, s, slot);
  int x, y, windowX;
  gameSys.getOrthoPos(x, y);
  gameSys.getMousePos(windowX, anchorY);
  listX = std::min(x, kWordListRightmost);
  if (!listStepOpen) {
    listStepOpen = true;
    editHistoryLog.beginStep();
  }
}

void closeWordList(int timer) {
  int old, s, slot;
  listTimer(old, s, slot);
  if (timer == kWordListClosedByDoubleClick) s = slot = 0;
  worldEditor.setGLTimer(timer, s, slot);
  settleListStep();
}

// Steps the word of the open list.
void stepOpenList(int d) {
  int timer, s, slot;
  listTimer(timer, s, slot);
  stepLogicSlot(s, slot, d);
}

// Left and up step back, right and down forward.
int arrowStep(int key) { return key == kSpecialLeft || key == kSpecialUp ? -1 : 1; }

bool pressOfEitherButton(const PickEvent& e) { return e.leftPress() || e.rightPress(); }

int listAmount(const logicList& list) {
  return list.object == kGlobalLogicList ? world.mapGlobalGetSentenceAmount(list.map)
                                         : world.mapLocalGetSentenceAmount(list.object, list.map);
}

sentence sentenceOf(const logicList& list, int s) {
  return list.object == kGlobalLogicList ? world.mapGlobalGetWholeSentence(list.map, s)
                                         : world.mapLocalGetWholeSentence(list.object, list.map, s);
}

void addSentence() {
  const logicList list = editedLogicList();
  if (list.object == kGlobalLogicList && world.worldGetObjectCount(list.map) == 0) {
    notice.setNotice(kAddSentenceTitle, kNeedsObject);
    return;
  }
  if (listAmount(list) >= kMaxSentences) {
    notice.setNotice(kAddSentenceTitle, kListFull);
    return;
  }
  const int owner = list.object == kGlobalLogicList ? list.map : list.object;
  if (editAddSentence(list, owner)) playSystemSound(kSoundCreate, 0);
}

void deleteSentence(int s) {
  if (editDeleteSentence(editedLogicList(), s)) playSystemSound(kSoundDelete, 0);
}

void copySentence(int s) {
  if (editCopySentence(editedLogicList(), s)) playSystemSound(kSoundBoop, 0);
}

// Back to the world editor: mode 0 from the global logic, 2 (the object
// selected) from the local logic.
void leaveLogicEditor() {
  if (wordListOpen()) closeWordList(kWordListClosed);
  closePhraseWindows();
  worldEditor.setEditorMode(worldEditor.getEditorMode() == kModeLocalLogic ? kModeObject : kModeNothing);
}

// The row icons and the exit icon, on a left or right press.
bool iconPick(const PickEvent& e) {
  const bool press = pressOfEitherButton(e);
  switch (e.code) {
    case kPickLogicAdd:
      if (press) addSentence();
      return true;
    case kPickLogicDelete:
      if (press) deleteSentence(e.blue);
      return true;
    case kPickLogicCopy:
      if (press) copySentence(e.blue);
      return true;
    case kPickLogicExit:
      if (press) leaveLogicEditor();
      return true;
    default:
      return false;
  }
}

void openImageChooserFor(int s) {
  worldEditor.setCurrentSentence(s);
  worldEditor.setImageMenuTimer(1);
}

void openPhraseSelectorFor(int s, int phrase) {
  worldEditor.setCurrentSentence(s);
  worldEditor.setPhraseSelectorChoice(phrase);
  worldEditor.setPhraseSelector(1);
}

class LogicEditorScreen : public Screen {
 public:
  bool onKey(unsigned char key, int) override {
    settleListStep();
    if ((key == kCharEnter || key == kCharEscape) && wordListOpen()) closeWordList(kWordListClosed);
    return false;
  }

  // The arrows step the open list, or else the word or operand under the
  // pointer; not while the console or an entry field takes the keys.
  bool onSpecialKey(int key, int) override {
    settleListStep();
    if (!isArrowKey(key) || consoleOpen() || gameSys.getInputState() != kInputNormal) return false;
    if (wordListOpen()) {
      stepOpenList(arrowStep(key));
      return true;
    }
    unsigned char pixel[3];
    if (pickUnderPointer(pixel) && pixel[0] == kPickLogicWord) stepLogicSlot(pixel[1], pixel[2], arrowStep(key));
    return true;
  }

  // The wheel steps the open list (down forward) and is the list's alone. A
  // press soon after the last button event closes the open list and goes no
  // further.
  bool onButton(const ButtonEvent& e) override {
    settleListStep();
    if (isWheel(e.button)) {
      if (e.pressed && wordListOpen()) stepOpenList(e.button == kButtonWheelDown ? 1 : -1);
      return true;
    }
    const bool soon = clickSeen && e.time >= lastClick && e.time - lastClick < kWordListDoubleClickMs;
    clickSeen = true;
    lastClick = e.time;
    if (e.pressed && wordListOpen() && soon) {
      closeWordList(kWordListClosedByDoubleClick);
      return true;
    }
    return false;
  }

  // The list moves one word per 10 pixels of vertical drag, downwards
  // forward; the anchor follows each step.
  void onDrag(const DragEvent& e) override {
    settleListStep();
    if (!wordListOpen()) return;
    if (e.y > anchorY + kWordListDragStep) {
      stepOpenList(1);
    } else if (e.y < anchorY - kWordListDragStep) {
      stepOpenList(-1);
    } else {
      return;
    }
    anchorY = e.y;
  }

  bool onPick(const PickEvent& e) override {
    settleListStep();
    return gameLogicColorPick(e) || iconPick(e);
  }

  void draw(ScreenLayer layer, bool picking) override;

  std::vector<PickList> picks() const override { return {pickList(kLogicEditorPicks)}; }
};

}  // namespace

// Under the editor menu's elements, over the world editor's screen.
void LogicEditorScreen::draw(ScreenLayer layer, bool picking) {
  if (layer != ScreenLayer::UnderMenu) return;
  static PanelPlan plan;
  plan.clear();
  planLogicEditor(plan);
  platform().drawPanel(plan, picking);
}

Screen& logicEditorScreen() {
  static LogicEditorScreen screen;
  return screen;
}

bool wordListOpen() {
  int timer, s, slot;
  listTimer(timer, s, slot);
  return timer > 0;
}

int wordListX() { return listX; }

int editedSentenceCount() { return listAmount(editedLogicList()); }

sentence editedSentence(int s) { return sentenceOf(editedLogicList(), s); }

logicList editedLogicList() {
  const int m = world.getCurrentMap();
  return worldEditor.getEditorMode() == kModeLocalLogic ? localLogicOf(m, worldEditor.getCurrentObject())
                                                        : globalLogicOf(m);
}

LogicBounds currentLogicBounds() {
  LogicBounds b;
  b.global = worldEditor.getEditorMode() != kModeLocalLogic;
  b.objects = world.worldGetObjectCount(world.getCurrentMap());
  b.maps = world.getMapCount();
  b.sounds = world.getGameSoundCount();
  b.images = static_cast<int>(gameImg.size());
  return b;
}

void stepLogicSlot(int s, int slot, int d) {
  const logicList list = editedLogicList();
  if (s < 0 || s >= listAmount(list)) return;
  const sentence current = sentenceOf(list, s);
  const SlotStep step = stepSlot(current, slot, d, currentLogicBounds());
  if (!step.changes.empty() && !editSetSentenceSlots(list, s, step.changes)) return;
  if (step.previewSound >= 0) {
    stopGameSounds();
    playGameSound(step.previewSound, 0);
  }
  if (step.opens == SlotStep::kImageChooser) openImageChooserFor(s);
  if (step.opens == SlotStep::kPhraseSelector) openPhraseSelectorFor(s, current.getSentenceStep(kSlotActionOperand));
}

bool gameLogicColorPick(const PickEvent& e) {
  if (e.code != kPickLogicWord) return false;
  if (!pressOfEitherButton(e)) return true;
  const int s = e.green, slot = e.blue;
  if (isOperandSlot(slot)) {
    stepLogicSlot(s, slot, e.leftPress() ? 1 : -1);
  } else if (isWordSlot(slot) && e.leftPress() && !wordListOpen()) {
    if (s < listAmount(editedLogicList())) openWordList(s, slot);
  }
  return true;
}

void logicEditorImageChosen(int image) {
  const logicList list = editedLogicList();
  const int s = worldEditor.getCurrentSentence();
  if (s < 0 || s >= listAmount(list) || checkStepType(sentenceOf(list, s).getSentenceStep(kSlotAction)) != kImageOperand) {
    return;
  }
  editSetSentenceSlot(list, s, kSlotActionOperand, image);
}

}  // namespace tf
