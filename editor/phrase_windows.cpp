// The phrase windows' keys, codes and panels: stepping the phrase or the
// choice, opening and closing, and storing the typed text.
#include "editor/phrase_windows.h"

#include "console/console.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/edits.h"
#include "editor/editor.h"
#include "editor/logic_editor.h"
#include "editor/logic_editor_plan.h"
#include "game/world.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/text.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// A closed window.
constexpr int kClosed = -1;
// A word the data files read as "no text": a phrase of it would be lost.
const char* const kNoText = "NULL";

const char* const kStoreTitle = "^yPhrase";
const char* const kCutMessage = "^wThe phrase was too long or held control characters; the rest was stored.";
const char* const kNoTextMessage = "^wA phrase cannot be the word NULL. Nothing was stored.";

bool printable(char c) { return c >= ' ' && c < 127; }

// The phrase editor's page wraps at both ends.
void stepPhrasePage(int step) {
  int page = worldEditor.getPhraseMenu() + step;
  if (page < 0) page = kPhraseCount - 1;
  worldEditor.setPhraseMenu(page);  // past the last phrase it wraps to 0
  playSystemSound(kSoundSelect, 0);
}

// The selector's choice wraps too, and goes into the sentence at once.
void stepPhraseChoice(int step) {
  worldEditor.setPhraseSelectorChoice(worldEditor.getPhraseSelectorChoice() + step);
  playSystemSound(kSoundSelect, 0);
  editSetSentenceSlot(editedLogicList(), worldEditor.getCurrentSentence(), kSlotActionOperand,
                      worldEditor.getPhraseSelectorChoice());
}

int typedTextString() {
  float x, y, w, h;
  int text;
  sysTextbox[kPhraseTextbox].getTextbox(x, y, w, h, text);
  return text;
}

// The check mark: the typed text becomes the phrase of the window on top
// (the selector's choice, or the editor's page), the field empties and the
// typing ends.
void storeTypedPhrase() {
  const int textString = typedTextString();
  std::string text = uiScriptString.getString(textString);
  if (text == kNoText) {
    notice.setNotice(kStoreTitle, kNoTextMessage);
    return;
  }
  if (phraseFromTyping(text)) notice.setNotice(kStoreTitle, kCutMessage);
  const int phrase = phraseSelectorOpen() ? worldEditor.getPhraseSelectorChoice() : worldEditor.getPhraseMenu();
  editSetPhrase(phrase, text);
  playSystemSound(kSoundBoop, 0);
  uiScriptString.setString("", textString);
  gameSys.setInputState(kInputNormal);
}

// Left and down step back, right and up forward; 0 for any other key.
int phraseStep(int key) {
  if (key == kSpecialLeft || key == kSpecialDown) return -1;
  if (key == kSpecialRight || key == kSpecialUp) return 1;
  return 0;
}

// What a code does, on the event that makes it act.
bool windowCode(const PickEvent& e) {
  switch (e.code) {
    case kPickPhraseEditor:
      if (!e.leftRelease()) return true;
      if (e.blue == kPhraseIconClose) {
        closePhraseWindows();
        playSystemSound(kSoundClose, 0);
      } else {
        worldEditor.setPhraseMenu(0);
        playSystemSound(kSoundOpen, 0);
      }
      return true;
    case kPickPhraseNext:
    case kPickPhrasePrevious:
      if (e.leftRelease() && phraseEditorOpen()) stepPhrasePage(e.code == kPickPhraseNext ? 1 : -1);
      return true;
    case kPickPhraseChoiceNext:
    case kPickPhraseChoicePrevious:
      if (e.leftRelease() && phraseSelectorOpen()) stepPhraseChoice(e.code == kPickPhraseChoiceNext ? 1 : -1);
      return true;
    case kPickPhraseSelectorClose:
      if (e.leftPress()) worldEditor.setPhraseSelector(kClosed);
      return true;
    case kPickPhraseStore:
      // On the press, as Enter in the field hands it on.
      if (e.leftPress() && (phraseEditorOpen() || phraseSelectorOpen())) storeTypedPhrase();
      return true;
    default:
      return false;
  }
}

class PhraseWindows : public Screen {
 public:
  // While nothing is typed into the windows' entry field; the arrows are
  // the open window's alone.
  bool onSpecialKey(int key, int) override {
    if (consoleOpen() || gameSys.getInputState() == kInputSystemTextbox) return false;
    const int step = phraseStep(key);
    if (step == 0 || !(phraseSelectorOpen() || phraseEditorOpen())) return false;
    if (phraseSelectorOpen()) stepPhraseChoice(step);
    if (phraseEditorOpen()) stepPhrasePage(step);
    return true;
  }

  // The windows' codes, outside hover passes (a hover passes them on).
  bool onPick(const PickEvent& e) override { return !e.hover && !e.drag && windowCode(e); }

  void draw(ScreenLayer layer, bool picking) override;

  std::vector<PickList> picks() const override { return {pickList(kPhraseWindowPicks)}; }
};

}  // namespace

// Over everything else the editor shows.
void PhraseWindows::draw(ScreenLayer layer, bool picking) {
  if (layer != ScreenLayer::Panels || !(phraseEditorOpen() || phraseSelectorOpen())) return;
  static PanelPlan plan;
  plan.clear();
  planPhraseWindows(plan);
  platform().drawPanel(plan, picking);
}

Screen& phraseWindows() {
  static PhraseWindows screen;
  return screen;
}

bool phraseSelectorOpen() { return worldEditor.getPhraseSelector() != kClosed; }

bool phraseEditorOpen() { return worldEditor.getPhraseMenu() != kClosed; }

void closePhraseWindows() {
  worldEditor.setPhraseMenu(kClosed);
  worldEditor.setPhraseSelector(kClosed);
}

bool phraseFromTyping(std::string& text) {
  std::string kept;
  for (char c : text) {
    if (printable(c)) kept += c;
  }
  while (!kept.empty() && getDisplayTextSize(kept) > kPhraseShownWidth) kept.pop_back();
  if (kept == text) return false;
  text = kept;
  return true;
}

}  // namespace tf
