// The keyboard callbacks: typed characters and special keys routed by game
// state and input state to the game's key logic, the console, help, the
// textboxes, the menus and the editors.
#include <string>

#include "console/console.h"
#include "core/camera.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/world_editor.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "input/dispatch.h"
#include "input/input.h"
#include "logic/evaluation.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/text.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"
#include "menus/file_browser.h"
#include "menus/help.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// A closed phrase window, and a closed game browser.
constexpr int kClosed = -1;
// A shown image or phrase whose timer has come down to this may be dismissed.
constexpr int kDismissableTimer = 1;
// The dialog that Tab and F11 open: leaving the toolkit.
constexpr int kLeaveDialog = 0;
// Textbox entry: room kept free at the right end of the field.
constexpr float kTextRoom = 13;
constexpr float kBlankRoom = 7;
constexpr int kBlankWidth = 8;
// Render switches 0 to 6 are the layers shown to the user as 1 to 7.
constexpr unsigned char kFirstLayerKey = '1';
constexpr unsigned char kLastLayerKey = '7';

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
// Capitals are the same game keys as small letters: shift or caps lock held
// across a press and its release must not leave the key held.
int letterIndex(unsigned char key) { return key >= 'a' ? key - 'a' : key - 'A'; }

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

void worldEditorKeys(unsigned char key) {
  if (key >= kFirstLayerKey && key <= kLastLayerKey) {
    const int layer = key - kFirstLayerKey;
    worldEditor.setRenderLayer(layer, !worldEditor.getRenderLayer(layer));
  }
  if ((key == kCharEnter || key == kCharEscape) && wordListOpen()) {
    int timer, sentence, step;
    worldEditor.getGLTimer(timer, sentence, step);
    worldEditor.setGLTimer(0, sentence, step);
  }
  if (key == kCharDelete && worldEditor.getEditorMode() == kModeObject) {
    // The world editor deletes the current object or the listed ones here, with system sound 3.
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

void enterTextbox(const EditedTextbox& box) {
  uiScriptString.setString(uiScriptString.getString(box.text), box.text);
  if (box.linked < 0) return;
  const int state = gameSys.getInputState();
  gameSys.setInputState(kInputNormal);
  if (state == kInputMenuTextbox) {
    runLinkedButton(box.linked);
  } else {
    // The menu editor's picking takes the linked control's code here, as the pick (linked, 144, 144).
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
    case kSpecialF9: worldEditor.setWireframe(!worldEditor.getWireframe()); break;
    case kSpecialF10:
      if (gameSys.getGameState() == kStateWorldEditor) worldEditor.setSAO(worldEditor.getSAO() ? 0 : 1);
      break;
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

// Shown images and phrases that have had their time go at any special key.
void dismissShownImageAndPhrase() {
  int timer, index;
  world.getGameBox(timer, index);
  if (timer == kDismissableTimer) world.setGameBox(0, 0);
  world.getDisplayPhrase(timer, index);
  if (timer == kDismissableTimer) world.setDisplayPhrase(0, 0);
}

void arrowOffset(int key, float step, float& dx, float& dy) {
  dx = dy = 0;
  switch (key) {
    case kSpecialUp: dy = -step; break;
    case kSpecialDown: dy = step; break;
    case kSpecialLeft: dx = -step; break;
    case kSpecialRight: dx = step; break;
    default: break;
  }
}

// The menu editor's arrows move its selected button, textbox or text line.
void nudgeMenuItem(int key) {
  float dx, dy;
  arrowOffset(key, kMenuItemNudge, dx, dy);
  const int menu = gameUI.getCurrentMenu();
  float x, y, w, h, r, g, b;
  int tex, func, func2, text;
  std::string line;
  switch (worldEditor.getEditorMode()) {
    case kMenuModeButton: {
      const int i = worldEditor.getCurrentButton();
      if (i < 0 || i >= gameUI.menuGetButtonCount(menu)) return;
      gameUI.uiGetButton(x, y, w, h, tex, func, func2, menu, i);
      gameUI.uiModifyButton(x + dx, y + dy, w, h, tex, func, func2, menu, i);
      break;
    }
    case kMenuModeTextbox: {
      const int i = worldEditor.getCurrentTextbox();
      if (i < 0 || i >= gameUI.menuGetTextboxCount(menu)) return;
      gameUI.uiGetTextbox(x, y, w, h, text, menu, i);
      gameUI.uiModifyTextbox(x + dx, y + dy, w, h, text, menu, i);
      break;
    }
    case kMenuModeTextline: {
      const int i = worldEditor.getCurrentTextline();
      if (i < 0 || i >= gameUI.menuGetTextlineCount(menu)) return;
      gameUI.uiGetText(x, y, r, g, b, line, menu, i);
      gameUI.uiModifyText(x + dx, y + dy, r, g, b, line, menu, i);
      break;
    }
    default: break;
  }
}

bool stepsBack(int key) { return key == kSpecialLeft || key == kSpecialDown; }
bool stepsForward(int key) { return key == kSpecialRight || key == kSpecialUp; }

// The phrase windows of the logic editor step through the 1024 phrases.
void phraseWindowKeys(int key) {
  if (!stepsBack(key) && !stepsForward(key)) return;
  const int step = stepsForward(key) ? 1 : -1;
  if (worldEditor.getPhraseSelector() != kClosed) {
    worldEditor.setPhraseSelectorChoice(worldEditor.getPhraseSelectorChoice() + step);
    playSystemSound(kSoundSelect, 0);
    // The logic editor writes the choice into slot 7 of its current sentence here.
  }
  if (worldEditor.getPhraseMenu() != kClosed) {
    int page = worldEditor.getPhraseMenu() + step;
    if (page < 0) page = kPhraseCount - 1;
    worldEditor.setPhraseMenu(page);  // past the last phrase it wraps to 0
    playSystemSound(kSoundSelect, 0);
  }
}

// Shift with an arrow resizes the current object of the world editor.
void resizeCurrentObject(int key) {
  const int m = world.getCurrentMap();
  const int obj = worldEditor.getCurrentObject();
  if (obj < 0 || obj >= world.worldGetObjectCount(m)) return;
  float dw, dh;
  arrowOffset(key, kObjectResizeStep, dw, dh);
  float x, y, w, h;
  int tex, layer;
  world.worldGetObject(x, y, w, h, tex, layer, obj, m);
  world.worldSetObject(x, y, w + dw, h + dh, tex, layer, obj, m);
}

void worldEditorArrows(int key, bool shift) {
  if (arrowKeyId(key) < 0) return;
  const int mode = worldEditor.getEditorMode();
  if (mode == kModeGlobalLogic || mode == kModeLocalLogic) {
    // The logic editor steps the word of its open list, or the word under the pointer, here
    // (gameLogicColorPick with the left button and key 3 for back or key 2 for forward set).
    return;
  }
  if (gameSys.getInputState() != kInputNormal) return;
  if (mode == kModeTile && worldEditor.getImageMenuTimer() <= 0) {
    // The world editor moves its current tile here, or with shift the end corner of its range.
  } else if (mode == kModeObject) {
    if (shift) {
      resizeCurrentObject(key);
    } else {
      // The world editor moves the selected objects by 0.05 within the map here.
    }
  }
}

}  // namespace

bool consoleOpen() { return console.isOpening(); }

bool wordListOpen() {
  int timer, sentence, step;
  worldEditor.getGLTimer(timer, sentence, step);
  return timer > 0;
}

// ---- the callbacks ------------------------------------------------------------------

void keyboard(unsigned char key, int, int) {
  const int state = gameSys.getGameState();
  if (key == kCharBackquote) toggleConsole(false);
  if ((key == 'h' || key == 'H') &&
      (helpShown() || (!playing() && gameSys.getInputState() == kInputNormal))) {
    toggleHelpByKey();
  }
  if (state == kStateWorldEditor && gameSys.getInputState() == kInputNormal) worldEditorKeys(key);
  if (state == kStateMenuEditor && key == kCharEnter && !consoleOpen() && !helpShown()) {
    gameSys.setInputState(kInputNormal);
    worldEditor.setEditorMode(kMenuModeMenu);
  }
  if (key == kCharEnter && browserOpen()) browserTakeSelection();
  if (key == kCharEscape) {
    worldEditor.setPhraseMenu(kClosed);
    worldEditor.setPhraseSelector(kClosed);
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
  const int state = gameSys.getGameState();
  if (gameTakesKeys()) {
    if (isLetter(key)) pressLetter(letterIndex(key));
    if (key == kCharEnter) pressKey(kKeyEnter);
    if (key == kCharSpace) pressKey(kKeySpace);
  }
  if (state == kStateWorldEditor && gameUI.getCurrentMenu() == gameUI.getEditorMenu() && key == kCharEnter &&
      worldEditor.getEditorMode() == kModeObject) {
    const int obj = worldEditor.getCurrentObject();
    const int m = world.getCurrentMap();
    if (obj >= 0 && obj < world.worldGetObjectCount(m)) {
      float x, y, w, h, camX, camY, camZ;
      int tex, layer;
      world.worldGetObject(x, y, w, h, tex, layer, obj, m);
      camera.GetPos(camX, camY, camZ);
      camera.SetPos(x, y, camZ);
    }
  }
  if (key == kCharTab) {
    if (playing()) platform().setCursor(CursorShape::Arrow);
    enableDialog(kLeaveDialog);
  }
  if (key == kCharEscape) {
    if (state == kStateIngameMenu && gameUI.getCurrentMenu() == gameUI.getIngameMenu()) {
      leaveIngameMenu();
    } else if (state == kStatePlay) {
      loadIngameMenu();
    } else if (state == kStatePlaytest) {
      worldEditor.setEndTest(1);
    }
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

void inputState3Keyboard(unsigned char key) {
  if (key == kCharEscape || key == kCharEnter) {
    gameSys.setInputState(kInputNormal);
    worldEditor.setEditorMode(kMenuModeMenu);
    return;
  }
  const int menu = gameUI.getCurrentMenu();
  const int l = worldEditor.getCurrentTextline();
  if (l < 0 || l >= gameUI.menuGetTextlineCount(menu)) return;
  float x, y, r, g, b;
  std::string text;
  gameUI.uiGetText(x, y, r, g, b, text, menu, l);
  if (key == kCharBackspace) {
    if (text.empty()) return;
    text.pop_back();
  } else {
    text += static_cast<char>(key);
  }
  gameUI.uiModifyText(x, y, r, g, b, text, menu, l);
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
  const int state = gameSys.getGameState();
  if (helpShown()) {
    if (key == kSpecialLeft || key == kSpecialUp) helpPreviousTopic();
    if (key == kSpecialRight || key == kSpecialDown) helpNextTopic();
  }
  if (gameTakesKeys()) {
    dismissShownImageAndPhrase();
    const int id = arrowKeyId(key);
    if (id >= 0) pressKey(id);
  }
  functionKeys(key);
  if (consoleOpen()) consoleScrollKeys(key);
  if (state == kStateMenuEditor && !consoleOpen() && arrowKeyId(key) >= 0) nudgeMenuItem(key);
  if (state == kStateWorldEditor && !consoleOpen()) {
    if (gameSys.getInputState() != kInputSystemTextbox) phraseWindowKeys(key);
    worldEditorArrows(key, platform().shiftHeld());
  }
}

void specialKeysUp(int key, int, int) {
  if (!playing()) return;
  const int id = arrowKeyId(key);
  if (id >= 0) releaseKey(id);
}

}  // namespace tf
