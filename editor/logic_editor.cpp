// The logic editor's screen: the word list's keys, buttons and drags, and
// the logic editor's codes.
#include "editor/logic_editor.h"

#include "console/console.h"
#include "core/run_state.h"
#include "editor/editor.h"

namespace tf {
namespace {

// The time of the last button event the editor took, for the double click.
bool clickSeen = false;
int lastClick = 0;
// Where the open word list last stepped by a drag.
bool anchored = false;
int anchorY = 0;

void forgetClicksAndAnchor() {
  clickSeen = false;
  lastClick = 0;
  anchored = false;
  anchorY = 0;
}
const bool registered = registerRunStateReset(forgetClicksAndAnchor);

bool isWheel(int button) { return button == kButtonWheelUp || button == kButtonWheelDown; }

class LogicEditorScreen : public Screen {
 public:
  bool onKey(unsigned char key, int) override {
    if ((key == kCharEnter || key == kCharEscape) && wordListOpen()) {
      int timer, sentence, step;
      worldEditor.getGLTimer(timer, sentence, step);
      worldEditor.setGLTimer(0, sentence, step);
    }
    return false;
  }

  // The wheel is the word list's alone. A press soon after the last event
  // closes the list (-1: closed by a double click) and goes no further.
  bool onButton(const ButtonEvent& e) override {
    if (isWheel(e.button)) return true;
    int timer, sentence, step;
    worldEditor.getGLTimer(timer, sentence, step);
    const bool soon = clickSeen && e.time >= lastClick && e.time - lastClick < kWordListDoubleClickMs;
    clickSeen = true;
    lastClick = e.time;
    if (e.pressed && timer >= 0 && soon) {
      worldEditor.setGLTimer(-1, 0, 0);
      return true;
    }
    return false;
  }

  // The list moves one word per 10 pixels of vertical drag; the anchor
  // follows each step.
  void onDrag(const DragEvent& e) override {
    if (!anchored) {
      anchored = true;
      anchorY = e.y;
    }
    if (wordListOpen() && (e.y > anchorY + kWordListDragStep || e.y < anchorY - kWordListDragStep)) anchorY = e.y;
  }

  // The words and operands of the sentences, and the open list over them.
  bool onPick(const PickEvent& e) override { return e.code == kPickLogicWord; }

  std::vector<PickList> picks() const override { return {pickList(kLogicEditorPicks)}; }
};

}  // namespace

Screen& logicEditorScreen() {
  static LogicEditorScreen screen;
  return screen;
}

bool wordListOpen() {
  int timer, sentence, step;
  worldEditor.getGLTimer(timer, sentence, step);
  return timer > 0;
}

}  // namespace tf
