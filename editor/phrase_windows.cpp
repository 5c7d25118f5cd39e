// The phrase windows' keys and codes.
#include "editor/phrase_windows.h"

#include "console/console.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "media/sound.h"

namespace tf {
namespace {

// A closed window.
constexpr int kClosed = -1;

// Left and down step back, right and up forward; 0 for any other key.
int phraseStep(int key) {
  if (key == kSpecialLeft || key == kSpecialDown) return -1;
  if (key == kSpecialRight || key == kSpecialUp) return 1;
  return 0;
}

bool isPhraseWindowCode(int code) {
  switch (code) {
    case kPickPhraseEditor:
    case kPickPhraseNext:
    case kPickPhrasePrevious:
    case kPickPhraseChoiceNext:
    case kPickPhraseChoicePrevious:
    case kPickPhraseSelectorClose:
      return true;
    default:
      return false;
  }
}

class PhraseWindows : public Screen {
 public:
  // While nothing is typed into the windows' entry field.
  bool onSpecialKey(int key, int) override {
    if (consoleOpen() || gameSys.getInputState() == kInputSystemTextbox) return false;
    const int step = phraseStep(key);
    if (step == 0) return false;
    if (worldEditor.getPhraseSelector() != kClosed) {
      worldEditor.setPhraseSelectorChoice(worldEditor.getPhraseSelectorChoice() + step);
      playSystemSound(kSoundSelect, 0);
    }
    if (worldEditor.getPhraseMenu() != kClosed) {
      int page = worldEditor.getPhraseMenu() + step;
      if (page < 0) page = kPhraseCount - 1;
      worldEditor.setPhraseMenu(page);  // past the last phrase it wraps to 0
      playSystemSound(kSoundSelect, 0);
    }
    return false;
  }

  // The windows' icons, outside hover passes (a hover passes them on).
  bool onPick(const PickEvent& e) override { return !e.hover && isPhraseWindowCode(e.code); }

  std::vector<PickList> picks() const override { return {pickList(kPhraseWindowPicks)}; }
};

}  // namespace

Screen& phraseWindows() {
  static PhraseWindows screen;
  return screen;
}

void closePhraseWindows() {
  worldEditor.setPhraseMenu(kClosed);
  worldEditor.setPhraseSelector(kClosed);
}

}  // namespace tf
