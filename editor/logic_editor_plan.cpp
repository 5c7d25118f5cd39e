// The logic editor's panel plan.
#include "editor/logic_editor_plan.h"

#include <algorithm>
#include <iterator>

#include "editor/editor.h"
#include "editor/logic_editor.h"
#include "editor/phrase_windows.h"
#include "game/vocabulary.h"
#include "game/world.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

// Centre and half size of a picture on the overlay.
struct Box {
  float x, y, w, h;
};

constexpr Box kBackground{400, 300, 400, 300};
constexpr Box kMainPanel{400, 300, 395, 255};
constexpr Box kExitIcon{775, 575, 15, 15};
constexpr Box kPhraseIcon{45, 575, 16, 16};
constexpr float kTitleX = 50, kTitleY = 30;
// The picture of the local logic's object after the title: its distance
// from the title's start, its half size and its frame's.
constexpr float kTitlePictureGap = 30;
constexpr float kTitlePictureHalf = 15, kTitleFrameHalf = 17;
constexpr float kPhraseHintX = 75, kPhraseHintY = 570, kHintLineStep = 15;
constexpr float kRememberX = 45, kRememberY = 140;
constexpr float kWelcomeX = 45, kWelcomeY = 175, kWelcomeLineStep = 15;
// Below this many sentences the welcome text shows.
constexpr int kWelcomeBelow = 3;

// A row: its icons, and each word on a panel a little larger than its text.
constexpr float kDeleteX = 30, kCopyX = 50, kRowIconHalfW = 10, kRowIconHalfH = 14;
constexpr float kWordGap = 20;
constexpr float kWordPanelPad = 4, kWordPanelHalfH = 11;
// An operand's picture: its half size and the room it takes after a text.
constexpr float kOperandPictureHalf = 12;
constexpr float kPictureGap = 4;
constexpr Box kPlusIcon{40, 0, 14, 14};
constexpr float kPlusHintX = 65;

// The word list: its panel beside the pointer, the screen it may fill, and
// the information window under it.
constexpr float kListPanelOffsetX = 100, kListPanelY = 300, kListPanelHalfW = 120, kListPanelHalfH = 400;
constexpr float kScreenTop = 0, kScreenBottom = 600;
constexpr Box kInfoPanel{400, 580, 400, 30};
constexpr float kInfoX = 20, kInfoWordY = 559, kInfoLine1Y = 574, kInfoLine2Y = 589;

const char* const kGlobalTitle = "^y^4Global Game Logic Editor^1 for Map ";
const char* const kLocalTitle = "^y^4Local Game Logic Editor^1 for Object ";
const char* const kPhraseHint[] = {
    "Click on the icon to the left to add phrases. Phrases can be displayed",
    "during your game by using the ^yPhrase^w action option in a logic sentence.",
};
const char* const kRemember = "^y^3Remember:^w^1 You need to create at least one object to add Global Logic.";
const char* const kPlusHint = "Press this ^yPlus Icon^w to make a sentence.";
const char* const kWelcome[] = {
    "^y^2Welcome to the ^yGame Logic Editor",
    "",
    "Game logic refers to the rules that govern your game world.",
    "To begin creating game logic, press the ^yPlus Icon^w in the upper-left",
    "corner of this screen. This will add a default ^ylogic sentence^w that you",
    "may change. Basically, whatever the logic sentence says, your game will do.",
    "These sentences can refer to objects, scores, displaying text and information,",
    "playing sound and music as well as a myraid of other choices.",
    "",
    "Once you have added a sentence, you may ^yLeft Click^w on the different parts",
    "of it to make modifications. Once you click on a word, a list will appear of",
    "possible alternative choices. Hold the ^yLeft Mouse Button^w and move it up or down.",
    "to navigate the list. You may ^yLeft^w and ^yRight Click^w on the other parts of the",
    "sentence to change them. A quick way to scroll through these options is by",
    "hovering your mouse over a part (such as an object number) and press the ^yUp^w",
    "or ^yDown^w arrow keys. When selecting a new part of a sentence, typically an",
    "information window will appear at the bottom of the screen identifying exactly",
    "what that choice will do. For additional help, press ^yh^w at any time.",
    "",
    "^yTip:^w There is a specific order in which game logic is executed. Global game",
    "logic is executed first, then local game logic afterwards. The order of sentence",
    "execution is done in a linear top-to-bottom order. Make sure you keep this in",
    "mind as you construct the logic for your game.",
};
const char* const kListMarkBefore = "^c|^y";
const char* const kListMarkAfter = "^c|";
const char* const kOperandMark = "^y";
const char* const kMissingMark = "^r";
const char* const kMissingWord = " missing";
const char* const kSelf = "^yself";

constexpr PickColor kBlocking = kPickBlocking;

void picture(PanelPlan& out, int image, const Box& b, const PickColor& pick) {
  out.picture(image, b.x, b.y, b.w, b.h, pick);
}

void blocking(PanelPlan& out, int image, const Box& b) { picture(out, image, b, kBlocking); }

bool gameImageExists(int image) {
  return image >= 0 && image < static_cast<int>(gameImg.size()) && gameImg[image].GetPointer() != -1;
}

int objectImage(int m, int object) {
  float x, y, w, h;
  int tex = -1, layer;
  world.worldGetObject(x, y, w, h, tex, layer, object, m);
  return tex;
}

// The frame: background, exit icon, main panel, title, phrase icon and hint.
void planFrame(PanelPlan& out, bool local) {
  blocking(out, kImgBlur, kBackground);
  out.picture(kImgQuit, kExitIcon.x, kExitIcon.y, kExitIcon.w, kExitIcon.h,
              {kPickLogicExit, kPickMenuMark, local ? kModeObject : kModeNothing});
  blocking(out, kImgDialogBackground, kMainPanel);
  const int m = world.getCurrentMap();
  const int object = worldEditor.getCurrentObject();
  const std::string title = local ? kLocalTitle + std::to_string(object) : kGlobalTitle + std::to_string(m);
  out.text(kTitleX, kTitleY, title);
  if (local && object < world.worldGetObjectCount(m)) {
    const float x = kTitleX + kTitlePictureGap + getDisplayTextSize(title);
    out.picture(kImgNone, x, kTitleY, kTitleFrameHalf, kTitleFrameHalf);
    out.registryPicture(PictureSource::Game, objectImage(m, object), x, kTitleY, kTitlePictureHalf,
                        kTitlePictureHalf);
  }
  out.picture(kImgTextEd, kPhraseIcon.x, kPhraseIcon.y, kPhraseIcon.w, kPhraseIcon.h,
              {kPickPhraseEditor, kPickMenuMark, kPhraseIconOpen});
  for (int line = 0; line < 2; ++line) out.text(kPhraseHintX, kPhraseHintY + kHintLineStep * line, kPhraseHint[line]);
}

void planWelcome(PanelPlan& out, bool local, int count) {
  if (count >= kWelcomeBelow) return;
  if (!local && world.worldGetObjectCount(world.getCurrentMap()) == 0) {
    out.text(kRememberX, kRememberY, kRemember);
    return;
  }
  float y = kWelcomeY;
  for (const char* line : kWelcome) {
    if (*line) out.text(kWelcomeX, y, line);
    y += kWelcomeLineStep;
  }
}

// The pickable panel under a word `width` wide whose left edge is `left`.
void wordPanel(PanelPlan& out, float left, float y, float width, const PickColor& pick) {
  const float half = width / 2 + kWordPanelPad;
  out.picture(kImgLine, left + width / 2, y, half, kWordPanelHalfH, pick);
}

// One shown slot at `x`: its panel, text and picture; returns the x of the
// next one.
float planSlot(PanelPlan& out, const sentence& s, int i, int slot, float x, bool local, const LogicBounds& bounds) {
  const float y = kFirstRowY + kRowStep * i;
  const PickColor pick{kPickLogicWord, i, slot};
  const int value = s.getSentenceStep(slot);
  const int opener = s.getSentenceStep(kSlotOpener);
  std::string text;
  int picture = -1;
  if (isWordSlot(slot)) {
    text = stepIDToString(value, opener, bounds.global);
  } else {
    const int kind = checkStepType(s.getSentenceStep(slot - 1));
    const bool self = local && slot == kSlotOpenerOperand && kind == kObjectOperand;
    text = operandText(kind, value, self, bounds);
    if (kind == kObjectOperand && !self && operandInBounds(kind, value, bounds)) {
      picture = objectImage(world.getCurrentMap(), value);
    } else if (kind == kImageOperand && text.empty()) {
      picture = value;
    }
  }
  const float glyphHalf = startingTextSize(TextSpace::Overlay);
  const float left = x - glyphHalf;
  const float textWidth = getDisplayTextSize(text);
  const float pictureWidth = picture >= 0 ? 2 * kOperandPictureHalf + (text.empty() ? 0 : kPictureGap) : 0;
  const float width = textWidth + pictureWidth;
  wordPanel(out, left, y, width, pick);
  if (!text.empty()) out.text(x, y, text);
  if (picture >= 0) {
    out.registryPicture(PictureSource::Game, picture, left + width - kOperandPictureHalf, y, kOperandPictureHalf,
                        kOperandPictureHalf);
  }
  return x + width + kWordGap;
}

void planRow(PanelPlan& out, const sentence& s, int i, bool local, const LogicBounds& bounds) {
  const float y = kFirstRowY + kRowStep * i;
  out.picture(kImgDelSen, kDeleteX, y, kRowIconHalfW, kRowIconHalfH, {kPickLogicDelete, kPickMenuMark, i});
  out.picture(kImgCopySen, kCopyX, y, kRowIconHalfW, kRowIconHalfH, {kPickLogicCopy, kPickMenuMark, i});
  float x = kFirstWordX;
  for (int slot = 0; slot < kSentenceSteps; ++slot) {
    if (slotShown(s, slot)) x = planSlot(out, s, i, slot, x, local, bounds);
  }
}

void planPlus(PanelPlan& out, int count) {
  if (count >= kMaxSentences) return;
  const float y = kFirstRowY + kRowStep * count;
  out.picture(kImgPlus, kPlusIcon.x, y, kPlusIcon.w, kPlusIcon.h, {kPickLogicAdd, kPickMenuMark, kPickMenuMark});
  if (count == 0) out.text(kPlusHintX, y, kPlusHint);
}

// The words offered before (direction -1, upwards) or after (+1, downwards)
// the current one, one a row while they stay on the screen.
void planListWords(PanelPlan& out, int id, int opener, bool global, float y, int direction) {
  for (int next = nextOfferedWord(id, direction, opener, global); next >= 0;
       next = nextOfferedWord(next, direction, opener, global)) {
    y += kRowStep * direction;
    if (y <= kScreenTop || y >= kScreenBottom) return;
    out.text(wordListX(), y, stepIDToString(next, opener, global));
  }
}

void planWordList(PanelPlan& out, const LogicBounds& bounds) {
  int timer, i, slot;
  worldEditor.getGLTimer(timer, i, slot);
  if (!isWordSlot(slot) || i < 0 || i >= editedSentenceCount()) return;
  const sentence s = editedSentence(i);
  const int id = s.getSentenceStep(slot);
  const int opener = s.getSentenceStep(kSlotOpener);
  const float x = wordListX();
  const float y = kFirstRowY + kRowStep * i;
  blocking(out, kImgNone, kBackground);
  out.picture(kImgBlur, x + kListPanelOffsetX, kListPanelY, kListPanelHalfW, kListPanelHalfH,
              {kPickLogicWord, i, slot});
  const std::string word = stepIDToString(id, opener, bounds.global);
  out.text(x, y, kListMarkBefore + word + kListMarkAfter);
  planListWords(out, id, opener, bounds.global, y, -1);
  planListWords(out, id, opener, bounds.global, y, 1);
  blocking(out, kImgGameEditorBackground, kInfoPanel);
  std::string line1, line2;
  stepIDToDescription(id, line1, line2);
  out.text(kInfoX, kInfoWordY, kOperandMark + word);
  out.text(kInfoX, kInfoLine1Y, line1);
  out.text(kInfoX, kInfoLine2Y, line2);
}


// The phrase windows: the window, its icons, field and texts.
constexpr Box kPhraseWindow{400, 300, 300, 200};
constexpr Box kPhraseCloseIcon{668, 464, 16, 16};
constexpr Box kBackArrow{150, 380, 16, 16};
constexpr Box kForwardArrow{180, 380, 16, 16};
constexpr Box kCheckMark{660, 380, 16, 16};
constexpr int kFieldRight = 680, kFieldY = 330;
// The title, then the lines from a little lower, one every 15 units.
constexpr float kTextX = 130, kTitleLineY = 130, kFirstLineY = 150, kLineStep = 15;
constexpr float kPhraseNumberY = 270, kPhraseTextY = 285;

const char* const kEditorLines[] = {
    "^y^3Phrase Editor",
    "Phrases are messages that can be displayed during gameplay.",
    "To create a phrase, simply use the arrow buttons to select",
    "an open slot and type your message into the textbox. When",
    "complete, hit the checkmark. You may have up to 1024",
    "phrases and they are identified by their id number.",
    "^yTip:^w Use the ^yLeft^w and^y Right^w arrow keys to select phrases.",
};
const char* const kSelectorLines[] = {
    "^y^3Phrase Selector",
    "Phrases are messages that can be displayed during gameplay.",
    "To select a phrase, use the arrows to scroll through",
    "them. You may enter a phrase in the textbox provided.",
    "When entering a new phrase, click the checkmark to confirm it.",
    "Press the door icon to use the phrase you have selected in ",
    "your game logic.",
    "^yTip:^w Use the ^yLeft^w and^y Right^w arrow keys to select phrases.",
};

// What tells the two windows apart: their lines, the codes of their close
// icon and arrows, and the phrase they show.
struct WindowLook {
  const char* const* lines;
  int lineCount;
  PickColor close, back, forward;
};
constexpr WindowLook kEditorLook{kEditorLines, static_cast<int>(std::size(kEditorLines)),
                                 {kPickPhraseEditor, kPickMenuMark, kPhraseIconClose},
                                 {kPickPhrasePrevious, kPickMenuMark, kPickMenuMark},
                                 {kPickPhraseNext, kPickMenuMark, kPickMenuMark}};
constexpr WindowLook kSelectorLook{kSelectorLines, static_cast<int>(std::size(kSelectorLines)),
                                   {kPickPhraseSelectorClose, kPickMenuMark, kPhraseIconClose},
                                   {kPickPhraseChoicePrevious, kPickMenuMark, kPickMenuMark},
                                   {kPickPhraseChoiceNext, kPickMenuMark, kPickMenuMark}};

void planWindow(PanelPlan& out, const WindowLook& look, int phrase) {
  blocking(out, kImgBlur, kBackground);
  blocking(out, kImgDialogBackground, kPhraseWindow);
  picture(out, kImgQuit, kPhraseCloseIcon, look.close);
  out.field(kFieldRight, kFieldY, kPhraseShownWidth, kPhraseTextbox);
  picture(out, kImgArrowLeft, kBackArrow, look.back);
  picture(out, kImgArrowRight, kForwardArrow, look.forward);
  picture(out, kImgOk, kCheckMark, {kPickPhraseStore, kPickMenuMark, kPickMenuMark});
  out.text(kTextX, kTitleLineY, look.lines[0]);
  for (int line = 1; line < look.lineCount; ++line) {
    out.text(kTextX, kFirstLineY + kLineStep * (line - 1), look.lines[line]);
  }
  out.text(kTextX, kPhraseNumberY,
           "Phrase (" + std::to_string(phrase) + "/" + std::to_string(kPhraseCount - 1) + ")");
  out.text(kTextX, kPhraseTextY, world.getPhrase(phrase));
}

}  // namespace

std::string operandText(int kind, int value, bool self, const LogicBounds& bounds) {
  if (self) return kSelf;
  const bool exists = operandInBounds(kind, value, bounds) && (kind != kImageOperand || gameImageExists(value));
  if (!exists) return kMissingMark + std::to_string(value) + kMissingWord;
  if (kind == kImageOperand) return "";
  if (kind == kKeyOperand) return intToAlpha(value);
  return kOperandMark + std::to_string(value);
}

bool slotShown(const sentence& s, int slot) {
  const int openerKind = checkStepType(s.getSentenceStep(kSlotOpener));
  if (openerKind == kNoOperandOpener && slot >= kSlotOpenerOperand && slot <= kSlotConditionOperand) return false;
  if ((openerKind == kNumberOperand || openerKind == kKeyOperand) && slot >= kSlotPolarity &&
      slot <= kSlotConditionOperand) {
    return false;
  }
  if (isWordSlot(slot)) return true;
  const int kind = checkStepType(s.getSentenceStep(slot - 1));
  return kind != kNoOperand && kind != kNoOperandOpener && s.getSentenceStep(slot) != -1;
}

void planLogicEditor(PanelPlan& out) {
  const bool local = worldEditor.getEditorMode() == kModeLocalLogic;
  const LogicBounds bounds = currentLogicBounds();
  const int count = editedSentenceCount();
  planFrame(out, local);
  planWelcome(out, local, count);
  for (int i = 0; i < count; ++i) planRow(out, editedSentence(i), i, local, bounds);
  planPlus(out, count);
  if (wordListOpen()) planWordList(out, bounds);
}

void planPhraseWindows(PanelPlan& out) {
  if (phraseEditorOpen()) planWindow(out, kEditorLook, worldEditor.getPhraseMenu());
  if (phraseSelectorOpen()) planWindow(out, kSelectorLook, worldEditor.getPhraseSelectorChoice());
}

}  // namespace tf
