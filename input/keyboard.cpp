// The keyboard callbacks: the game's keys held and released, the keys every
// state shares (console, help, the game browser, the function keys), and the
// rest routed by input state to the console, the textboxes and help, and to
// the screens of the current game state.
#include <string>

#include "console/console.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/menu_editor.h"
#include "editor/phrase_windows.h"
#include "editor/world_editor.h"
#include "input/dispatch.h"
#include "input/input.h"
#include "input/screens.h"
#include "logic/evaluation.h"
#include "media/notice.h"
#include "media/text.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"
#include "menus/file_browser.h"
#include "menus/help.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// A closed game browser.
constexpr int kClosed = -1;
// The dialog that Tab and F11 open: leaving the toolkit.
constexpr int kLeaveDialog = 0;
// Textbox entry: room kept free at the right end of the field.
constexpr float kTextRoom = 13;
constexpr float kBlankRoom = 7;
constexpr int kBlankWidth = 8;

const char* const kScreenshotTitle = "Screenshot";
// The working folder is the data folder the program runs in.
const char* const kScreenshotSavedAs = "Saved as ^y";
const char* const kScreenshotSavedWhere = "^w in the data folder, where the program runs.";
const char* const kScreenshotFailed = "The screenshot could not be saved.";

bool playing() {
  const int state = gameSys.getGameState();
  return state == kStatePlay || state == kStatePlaytest;
}

// Keys reach the game's logic only while it runs with nothing over it.
bool gameTakesKeys() { return playing() && !consoleOpen() && !helpShown(); }

bool isLetter(unsigned char key) { return (key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z'); }
bool isDigit(unsigned char key) { return key >= '0' && key <= '9'; }
bool isPrintable(unsigned char key) { return key >= kCharSpace && key < kCharDelete; }
// Capitals are the same game keys as small letters: shift or caps lock held
// across a press and its release must not leave the key held.
int letterIndex(unsigned char key) { return key >= 'a' ? key - 'a' : key - 'A'; }

int modifiers() { return platform().shiftHeld() ? kModShift : kModNone; }

// ---- game keys --------------------------------------------------------------------

// A press: held, the key logic runs at once, and the toolkit stops repeating
// the key while it is held (the frame loop runs the logic meanwhile).
void pressLetter(int letter) {
  if (gameSys.getAlphabetKeyState(letter) == kKeyBlocked) return;
  gameSys.setAlphabetKeyState(letter, kKeyHeld);
  updateKeyLogic();
  platform().ignoreKeyRepeat(true);
}

void pressKey(int id) {
  if (gameSys.getKeyState(id) == kKeyBlocked) return;
  gameSys.setKeyState(id, kKeyHeld);
  updateKeyLogic();
  platform().ignoreKeyRepeat(true);
}

// A release: the key logic runs once with the key released, then it is idle.
// While the console or help takes the keys, a release reaches no sentence,
// but a key held since before they opened still comes back to idle: it is
// up, and the frame loop must not run it as held once they close.
void releaseLetter(int letter) {
  if (gameSys.getAlphabetKeyState(letter) == kKeyBlocked) return;
  if (!gameTakesKeys()) {
    gameSys.setAlphabetKeyState(letter, kKeyIdle);
    return;
  }
  gameSys.setAlphabetKeyState(letter, kKeyReleased);
  updateKeyLogic();
  platform().ignoreKeyRepeat(false);
  gameSys.setAlphabetKeyState(letter, kKeyIdle);
}

void releaseKey(int id) {
  if (gameSys.getKeyState(id) == kKeyBlocked) return;
  if (!gameTakesKeys()) {
    gameSys.setKeyState(id, kKeyIdle);
    return;
  }
  gameSys.setKeyState(id, kKeyReleased);
  updateKeyLogic();
  platform().ignoreKeyRepeat(false);
  gameSys.setKeyState(id, kKeyIdle);
}

// The key id of an arrow, or -1.
int arrowKeyId(int key) {
  switch (key) {
    case kSpecialUp: return kKeyUp;
    case kSpecialDown: return kKeyDown;
    case kSpecialRight: return kKeyRight;
    case kSpecialLeft: return kKeyLeft;
    default: return -1;
  }
}

// ---- typed characters before the input state's handler -----------------------------

// H closes help when it is shown, and opens it unless the console is open.
void toggleHelpByKey() {
  if (helpShown() || consoleOpen()) {
    disableHelp();
  } else {
    enableHelp();
  }
}

// ---- textboxes ----------------------------------------------------------------------

// The textbox being typed into: its UI string and its field's width, and the
// button (input state 2) or editor control (input state 5) that takes its text.
struct EditedTextbox {
  int text = 0;
  float width = 0;
  int linked = -1;
};

bool editedTextbox(EditedTextbox& box) {
  const int i = gameUI.getTextboxEdit();
  float x, y, h;
  if (gameSys.getInputState() == kInputSystemTextbox) {
    if (i < 0 || i >= kSystemTextboxCount) return false;
    sysTextbox[i].getTextbox(x, y, box.width, h, box.text);
    box.linked = sysTextbox[i].getLinkedButton();
    return true;
  }
  const int menu = gameUI.getCurrentMenu();
  if (i < 0 || i >= gameUI.menuGetTextboxCount(menu)) return false;
  gameUI.uiGetTextbox(x, y, box.width, h, box.text, menu, i);
  box.linked = gameUI.uiGetLinkedButton(i, menu);
  return true;
}

// Enter in a menu textbox runs the linked button of the current menu.
void runLinkedButton(int button) {
  const int menu = gameUI.getCurrentMenu();
  if (button >= gameUI.menuGetButtonCount(menu)) return;
  float x, y, w, h;
  int tex, func, func2;
  gameUI.uiGetButton(x, y, w, h, tex, func, func2, menu, button);
  buttonAction(func, func2);
}

// Enter in a system textbox hands its linked control's code to the screens
// of the state, as the pick (linked, 144, 144) of a left press.
void runLinkedControl(int code) {
  PickEvent e;
  e.code = code;
  e.green = e.blue = kPickMenuMark;
  e.left = kMousePress;
  currentScreens().pick(e);
}

void enterTextbox(const EditedTextbox& box) {
  uiScriptString.setString(uiScriptString.getString(box.text), box.text);
  if (box.linked < 0) return;
  const int state = gameSys.getInputState();
  gameSys.setInputState(kInputNormal);
  if (state == kInputMenuTextbox) {
    runLinkedButton(box.linked);
  } else {
    runLinkedControl(box.linked);
  }
}

// ---- special keys -------------------------------------------------------------------

void toggleHelpByF3() {
  if (helpShown()) {
    disableHelp();
  } else {
    enableHelp();
  }
}

void saveScreenshot() {
  platform().saveScreenshot(
      [](const std::string& file) {
        notice.setNotice(kScreenshotTitle,
                         file.empty() ? kScreenshotFailed : kScreenshotSavedAs + file + kScreenshotSavedWhere);
      });
}

void functionKeys(int key) {
  switch (key) {
    case kSpecialF1: setFullScreen(!gameSys.getFS(), false); break;
    case kSpecialF2: gameSys.setDebugState(!gameSys.getDebugState(), false); break;
    case kSpecialF3: toggleHelpByF3(); break;
    case kSpecialF5: enterTest(); break;
    case kSpecialF9: toggleWireframe(); break;
    case kSpecialF11: enableDialog(kLeaveDialog); break;
    case kSpecialF12: saveScreenshot(); break;
    default: break;
  }
}

void consoleScrollKeys(int key) {
  switch (key) {
    case kSpecialDown: console.scrollNewer(); break;
    case kSpecialUp: console.scrollOlder(); break;
    case kSpecialPageDown: console.scrollNewest(); break;
    case kSpecialPageUp: console.scrollOldest(); break;
    default: break;
  }
}

}  // namespace

// ---- the callbacks ------------------------------------------------------------------

void keyboard(unsigned char key, int, int) {
  if (key == kCharBackquote) toggleConsole(false);
  if ((key == 'h' || key == 'H') &&
      (helpShown() || (!playing() && gameSys.getInputState() == kInputNormal))) {
    toggleHelpByKey();
  }
  if (key == kCharEnter && browserOpen()) browserTakeSelection();
  if (key == kCharEscape) {
    closePhraseWindows();
    gameSys.setDirTextbox(kClosed);
  }
  switch (gameSys.getInputState()) {
    case kInputNormal: inputState0Keyboard(key); break;
    case kInputConsole: inputState1Keyboard(key); break;
    case kInputMenuTextbox:
    case kInputSystemTextbox:
      if (gameUI.getTextboxEdit() >= 0) inputState2Keyboard(key);
      break;
    case kInputMenuEditorText: inputState3Keyboard(key); break;
    case kInputHelp: inputState4Keyboard(key); break;
    default: break;
  }
}

void inputState0Keyboard(unsigned char key) {
  if (gameTakesKeys()) {
    if (isLetter(key)) pressLetter(letterIndex(key));
    if (key == kCharEnter) pressKey(kKeyEnter);
    if (key == kCharSpace) pressKey(kKeySpace);
  }
  if (currentScreens().key(key, modifiers())) return;
  if (key == kCharTab) {
    if (playing()) platform().setCursor(CursorShape::Arrow);
    enableDialog(kLeaveDialog);
  }
}

void inputState1Keyboard(unsigned char key) {
  switch (key) {
    case kCharEnter: console.submit(); break;
    case kCharBackspace: console.backspace(); break;
    case kCharEscape: console.disableConsole(); break;
    default: console.typeCharacter(static_cast<char>(key)); break;
  }
}

void inputState2Keyboard(unsigned char key) {
  EditedTextbox box;
  if (!editedTextbox(box)) return;
  const bool systemTextbox = gameSys.getInputState() == kInputSystemTextbox;
  const bool taken = isLetter(key) || isDigit(key) || key == kCharEnter || key == kCharBackspace ||
                     key == kCharEscape;
  if (!systemTextbox && !taken) return;
  // Nothing the font cannot show goes into a text that files keep.
  if (!taken && !isPrintable(key)) return;
  std::string text = uiScriptString.getString(box.text);
  switch (key) {
    case kCharEscape: gameSys.setInputState(kInputNormal); return;
    case kCharEnter: enterTextbox(box); return;
    case kCharBackspace:
      if (text.empty()) return;
      text.pop_back();
      break;
    case kCharSpace:
      if (static_cast<float>(text.size() * kBlankWidth) >= box.width - kBlankRoom) return;
      text += ' ';
      break;
    default:
      if (getDisplayTextSize(text) >= box.width - kTextRoom) return;
      text += static_cast<char>(key);
      break;
  }
  uiScriptString.setString(text, box.text);
}

void inputState4Keyboard(unsigned char key) {
  if (key == kCharEscape) disableHelp();
}

void keyboardUp(unsigned char key, int, int) {
  if (!playing()) return;
  if (isLetter(key)) releaseLetter(letterIndex(key));
  if (key == kCharEnter) releaseKey(kKeyEnter);
  if (key == kCharSpace) releaseKey(kKeySpace);
}

void processSpecialKeys(int key, int, int) {
  if (helpShown()) {
    if (key == kSpecialLeft || key == kSpecialUp) helpPreviousTopic();
    if (key == kSpecialRight || key == kSpecialDown) helpNextTopic();
  }
  const bool gameKeys = gameTakesKeys();
  if (currentScreens().specialKey(key, modifiers())) return;
  const int id = arrowKeyId(key);
  if (gameKeys && id >= 0) pressKey(id);
  functionKeys(key);
  if (consoleOpen()) consoleScrollKeys(key);
}

void specialKeysUp(int key, int, int) {
  if (!playing()) return;
  const int id = arrowKeyId(key);
  if (id >= 0) releaseKey(id);
}

}  // namespace tf
