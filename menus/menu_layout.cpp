// Menu drawing decisions: plans, geometry, pick colours, carets and the
// system textboxes.
#include "menus/menu_layout.h"

#include "core/clock.h"
#include "core/keys.h"
#include "core/numbers.h"
#include "core/run_state.h"
#include "core/script_object.h"
#include "core/system.h"
#include "media/text.h"
#include "menus/system_textboxes.h"
#include "menus/ui_keys.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

constexpr float kHoverGrowth = 1.1f;
constexpr float kFieldHoverWidthGrowth = 31.0f / 30.0f;
// A textbox's field begins this far above its text's baseline region.
constexpr float kFieldLift = 13;
constexpr float kTextboxTextIndent = 4;
constexpr float kTextboxTextLift = 3;
// Text lines are clickable a little beyond their text.
constexpr float kTextlinePickMargin = 6;
constexpr float kTextlinePickHalfHeight = 10;
// System textboxes: the height their record is given, the half height of
// their field, and their text's indent from the field's left end.
constexpr int kSystemTextboxRecordHeight = 7;
constexpr int kSystemFieldHalfHeight = 11;
constexpr int kSystemTextIndent = 7;

constexpr const char* kMenuCaret = "|";
constexpr const char* kTextlineCaret = "_";
constexpr const char* kSystemCaret = "_";
constexpr const char* kHiddenSystemCaret = " ";
constexpr const char* kEndOfShownStrings = "end";
constexpr const char* kMissingText = "NULL";

// The menu textboxes and the text lines share one caret; the system
// textboxes have their own, shown at first.
Blink menuCaret(kMenuCaretMs, false);
Blink systemCaret(kSystemCaretMs, true);

void restartCarets() {
  menuCaret = Blink(kMenuCaretMs, false);
  systemCaret = Blink(kSystemCaretMs, true);
}
const bool registered = registerRunStateReset(restartCarets);

}  // namespace

PickColor menuButtonPick(int i, int gameState) {
  return {gameState == kStateMenuEditor ? kPickEditorButton : kPickButton, kPickMenuMark, i};
}

PickColor menuTextboxPick(int i, int gameState) {
  return {gameState == kStateMenuEditor ? kPickEditorTextbox : kPickTextbox, kPickMenuMark, i};
}

PickColor menuTextlinePick(int l) { return {kPickEditorTextline, kPickMenuMark, l}; }

PickColor systemTextboxPick(int i) { return {kPickSystemTextbox, kPickMenuMark, i}; }

MenuDrawPlan planMenuDraw(int gameState, bool pickPass, bool editorMenuShown, int backgroundTex) {
  MenuDrawPlan plan;
  plan.background = !pickPass && backgroundTex >= 0;
  plan.worldEditor = editorMenuShown && gameState == kStateWorldEditor;
  plan.elements = gameState != kStatePlay && gameState != kStateSplash;
  plan.menuEditor = plan.elements && gameState == kStateMenuEditor;
  return plan;
}

ButtonLook buttonLook(float x, float y, float w, float h, bool hovered, bool pressed) {
  ButtonLook look;
  look.rect = {x, y, w, h};
  if (pressed) {
    look.shade = kPressedShade;
  } else if (hovered) {
    look.rect.w = w * kHoverGrowth;
    look.rect.h = h * kHoverGrowth;
  }
  return look;
}

WholeRect textboxField(float x, float y, float w, float h, bool hovered) {
  float halfWidth = w / 2;
  float halfHeight = h / 2;
  if (hovered) {
    halfWidth *= kFieldHoverWidthGrowth;
    halfHeight *= kHoverGrowth;
  }
  return {truncToInt(x + w / 2), truncToInt(y - kFieldLift + h / 2), truncToInt(halfWidth), truncToInt(halfHeight)};
}

void textboxTextPosition(float x, float y, float& textX, float& textY) {
  textX = x + kTextboxTextIndent;
  textY = y - kTextboxTextLift;
}

ScreenRect textlinePickRect(float x, float y, const std::string& shown) {
  const float width = getDisplayTextSize(shown);
  return {x + width / 2, y, width / 2 + kTextlinePickMargin, kTextlinePickHalfHeight};
}

bool menuEditorDragging(const MenuEditMarks& marks, int mode, int i) {
  if (marks.mode != mode || gameSys.getLeftMouse() != kMousePress) return false;
  switch (mode) {
    case kEditButtons: return marks.button == i;
    case kEditTextboxes: return marks.textbox == i;
    case kEditTextlines: return marks.textline == i;
    default: return false;
  }
}

bool Blink::shownAt(int now) {
  // A clock that reads earlier than the last switch (a new clock) switches at once.
  if (now < lastSwitch_ || now - lastSwitch_ > interval_) {
    shown_ = !shown_;
    lastSwitch_ = now;
  }
  return shown_;
}

std::string menuTextboxText(int i, int stringIndex) {
  std::string text = uiScriptString.getString(stringIndex);
  const bool typing = i == gameUI.getTextboxEdit() && gameSys.getInputState() == kInputMenuTextbox;
  if (typing && menuCaret.shownAt(elapsedMs())) text += kMenuCaret;
  return text;
}

std::string menuTextlineText(int l, const std::string& text, int gameState, int typedLine) {
  std::string shown = text;
  const bool typing = gameSys.getInputState() == kInputMenuEditorText && l == typedLine;
  if (typing && menuCaret.shownAt(elapsedMs())) shown += kTextlineCaret;
  if (gameState == kStateMenuEditor && shown.empty()) shown = kTextlineCaret;
  return shown;
}

std::vector<ShownString> shownStrings(int menu) {
  std::vector<ShownString> shown;
  for (int k = 0;; ++k) {
    const std::string key = uikeys::menuKey(menu, "string" + std::to_string(k));
    const std::string value = scriptUI.findLineS(key);
    if (value == kEndOfShownStrings || value == kMissingText) break;
    if (k > uiScriptString.getStringCount()) continue;
    ShownString s;
    s.x = scriptUI.findLineF(key + "x");
    s.y = scriptUI.findLineF(key + "y");
    s.text = uiScriptString.getString(truncToInt(scriptUI.findLineF(key + "string")));
    shown.push_back(s);
  }
  return shown;
}

bool placeSystemTextbox(int x, int y, int w, int textbox, SystemTextboxLook& look) {
  if (textbox < 0 || textbox >= kSystemTextboxCount) return false;
  float oldX, oldY, oldW, oldH;
  int text = 0;
  sysTextbox[textbox].getTextbox(oldX, oldY, oldW, oldH, text);
  sysTextbox[textbox].modifyTextbox(x, y, w, kSystemTextboxRecordHeight, text);

  look.field = {x - w / 2, y, w / 2, kSystemFieldHalfHeight};
  look.textX = x - w + kSystemTextIndent;
  look.textY = y;
  look.text = uiScriptString.getString(text);
  const bool typing = gameUI.getTextboxEdit() == textbox && gameSys.getInputState() == kInputSystemTextbox;
  if (typing) look.text += systemCaret.shownAt(elapsedMs()) ? kSystemCaret : kHiddenSystemCaret;
  look.pick = systemTextboxPick(textbox);
  return true;
}

}  // namespace tf
