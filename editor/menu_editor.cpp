// Entering the menu editor, and its screen: selecting, dragging and nudging
// the items of the current menu, the panel's controls, and typing into a text
// line, every change through the history of edits.
#include "editor/menu_editor.h"

#include <algorithm>
#include <string>

#include "console/console.h"
#include "core/log.h"
#include "core/platform.h"
#include "core/run_state.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/editor_codes.h"
#include "editor/edits.h"
#include "editor/menu_editor_panel.h"
#include "editor/recovery.h"
#include "editor/undo_keys.h"
#include "editor/world_editor.h"
#include "game/game_names.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/text.h"
#include "menus/help.h"
#include "menus/ui.h"

namespace tf {
namespace {

// The welcome window of the menu editor.
constexpr int kMenuEditorWelcome = 2;
// An empty text line is shown, and measured, as this.
constexpr const char* kEmptyTextline = "_";
constexpr float kWhite = 1;

// ---- the drag of the selected item -----------------------------------------------------

// A drag is one step of the history: it opens with the first move and closes
// with the next button event.
bool dragStepOpen = false;
// A drag has moved the selected item since the button went down.
bool itemMoved = false;

// Typing into a text line is one step of the history until the typing
// stops: a key that is not typing, a button event, or an undo (which closes
// the bracket itself).
bool typingStepOpen = false;

void endTypingStep() {
  if (typingStepOpen && editHistoryLog.stepOpen()) editHistoryLog.endStep();
  typingStepOpen = false;
}

void beginTypingStep(int menu) {
  if (typingStepOpen && editHistoryLog.stepOpen()) return;
  editHistoryLog.beginStep(editPlace{kViewMenu, menu, -1});
  typingStepOpen = true;
}

void endDrag() {
  if (dragStepOpen) editHistoryLog.endStep();
  dragStepOpen = false;
  itemMoved = false;
}

void forgetDrag() {
  dragStepOpen = false;
  itemMoved = false;
  typingStepOpen = false;
}
const bool registered = registerRunStateReset(forgetDrag);

void beginDragMove(int menu) {
  if (!dragStepOpen) editHistoryLog.beginStep(editPlace{kViewMenu, menu, -1});
  dragStepOpen = true;
  itemMoved = true;
}

// ---- the items of the current menu -----------------------------------------------------

int currentMenu() { return gameUI.getCurrentMenu(); }
int mode() { return worldEditor.getEditorMode(); }

struct ButtonItem {
  float x = 0, y = 0, w = 0, h = 0;
  int tex = 0, func = 0, func2 = 0;
};

bool readButton(int i, ButtonItem& b) {
  if (i < 0 || i >= gameUI.menuGetButtonCount(currentMenu())) return false;
  gameUI.uiGetButton(b.x, b.y, b.w, b.h, b.tex, b.func, b.func2, currentMenu(), i);
  return true;
}

struct TextboxItem {
  float x = 0, y = 0, w = 0, h = 0;
  int text = 0;
};

bool readTextbox(int i, TextboxItem& t) {
  if (i < 0 || i >= gameUI.menuGetTextboxCount(currentMenu())) return false;
  gameUI.uiGetTextbox(t.x, t.y, t.w, t.h, t.text, currentMenu(), i);
  return true;
}

struct TextlineItem {
  float x = 0, y = 0, r = 0, g = 0, b = 0;
  std::string text;
};

bool readTextline(int i, TextlineItem& t) {
  if (i < 0 || i >= gameUI.menuGetTextlineCount(currentMenu())) return false;
  gameUI.uiGetText(t.x, t.y, t.r, t.g, t.b, t.text, currentMenu(), i);
  return true;
}

float shownWidth(const std::string& text) { return getDisplayTextSize(editorShownText(text)); }

// Each kind of item: where it is, how it is put somewhere else (through the
// history), and how far its x lies left of the point a drag holds it by.
template <typename Item, bool (*read)(int, Item&)>
bool positionOf(int i, float& x, float& y) {
  Item item;
  if (!read(i, item)) return false;
  x = item.x;
  y = item.y;
  return true;
}

void placeButton(int i, float x, float y) {
  ButtonItem b;
  if (readButton(i, b)) editModifyButton(currentMenu(), i, x, y, b.w, b.h, b.tex);
}
float buttonGrip(int) { return 0; }

void placeTextbox(int i, float x, float y) {
  TextboxItem t;
  if (readTextbox(i, t)) editModifyTextbox(currentMenu(), i, x, y, t.w, t.h);
}
float textboxGrip(int i) {
  TextboxItem t;
  return readTextbox(i, t) ? t.w / 2 : 0;
}

void placeTextline(int i, float x, float y) {
  TextlineItem t;
  if (readTextline(i, t)) editModifyText(currentMenu(), i, x, y, t.text);
}
float textlineGrip(int i) {
  TextlineItem t;
  return readTextline(i, t) ? shownWidth(t.text) / 2 : 0;
}

// ---- selecting, dragging and nudging ----------------------------------------------------

// The items a pick can name: their mode, count and selection, and where they are.
struct ItemKind {
  int mode;
  int (UI::*count)(int menu) const;
  void (editor::*select)(int i);
  int (editor::*selected)() const;
  bool (*position)(int i, float& x, float& y);
  void (*place)(int i, float x, float y);
  float (*grip)(int i);
};
constexpr ItemKind kButtons{kMenuModeButton,         &UI::menuGetButtonCount,
                            &editor::setCurrentButton, &editor::getCurrentButton,
                            positionOf<ButtonItem, readButton>, placeButton, buttonGrip};
constexpr ItemKind kTextboxes{kMenuModeTextbox,          &UI::menuGetTextboxCount,
                              &editor::setCurrentTextbox, &editor::getCurrentTextbox,
                              positionOf<TextboxItem, readTextbox>, placeTextbox, textboxGrip};
constexpr ItemKind kTextlines{kMenuModeTextline,          &UI::menuGetTextlineCount,
                              &editor::setCurrentTextline, &editor::getCurrentTextline,
                              positionOf<TextlineItem, readTextline>, placeTextline, textlineGrip};

// The kind of item selected in `editorMode`, or nullptr.
const ItemKind* selectedKind(int editorMode) {
  for (const ItemKind* kind : {&kButtons, &kTextboxes, &kTextlines}) {
    if (kind->mode == editorMode) return kind;
  }
  return nullptr;
}

// Moves item i of `kind` under the pointer on the 800 x 600 screen.
void dragItem(const ItemKind& kind, int i) {
  beginDragMove(currentMenu());
  int x = 0, y = 0;
  gameSys.getOrthoPos(x, y);
  kind.place(i, static_cast<float>(x) - kind.grip(i), static_cast<float>(y));
}

// A click on item B of `kind` selects it; a drag pass over the selected item
// moves it. Items that are not there are not taken.
bool pickItem(const ItemKind& kind, const PickEvent& e) {
  const int i = e.blue;
  if (i >= (gameUI.*kind.count)(currentMenu())) return false;
  if (e.drag) {
    if (mode() == kind.mode && (worldEditor.*kind.selected)() == i) dragItem(kind, i);
    return true;
  }
  if (!e.acting()) return true;
  if (e.left != kMousePress && e.right != kMousePress) playSystemSound(kSoundSelect, 0);
  (worldEditor.*kind.select)(i);
  worldEditor.setEditorMode(kind.mode);
  gameSys.setInputState(kind.mode == kMenuModeTextline ? kInputMenuEditorText : kInputNormal);
  gameSys.setDragDelay(kSelectDragDelay);
  return true;
}

// ---- the panel's controls ---------------------------------------------------------------

bool leftOrRightRelease(const PickEvent& e) {
  return e.acting() && (e.left == kMouseRelease || e.right == kMouseRelease);
}

// The next or previous menu, passing over the editing screen of the world
// editor; nothing at either end.
void stepMenu(int direction) {
  int next = currentMenu() + direction;
  if (next == gameUI.getEditorMenu()) next += direction;
  if (next < 0 || next >= gameUI.getMenuCount()) return;
  worldEditor.setEditorMode(kMenuModeMenu);
  loadMenu(next);
}

// A new size: `size` changed by `delta`, never below the smallest size that
// can be clicked (a size already smaller does not shrink further).
float steppedSize(float size, float delta) {
  if (delta >= 0) return size + delta;
  return std::max(size + delta, std::min(size, kMinButtonHalfSize));
}

void resizeButton(int code, const PickEvent& e) {
  ButtonItem b;
  if (mode() != kMenuModeButton || !readButton(worldEditor.getCurrentButton(), b)) return;
  const float step = e.right == kMouseRelease ? kButtonSizeBigStep : kButtonSizeStep;
  switch (code) {
    case kPickButtonWider: b.w = steppedSize(b.w, step); break;
    case kPickButtonNarrower: b.w = steppedSize(b.w, -step); break;
    case kPickButtonTaller: b.h = steppedSize(b.h, step); break;
    case kPickButtonShorter: b.h = steppedSize(b.h, -step); break;
    default: return;
  }
  editModifyButton(currentMenu(), worldEditor.getCurrentButton(), b.x, b.y, b.w, b.h, b.tex);
}

// A text line past the last one a menu file keeps is refused: it would be
// lost when the file is read again.
void addTextline() {
  playSystemSound(kSoundCreate, 0);
  if (editAddText(currentMenu(), kNewTextlineX, kNewTextlineY, kWhite, kWhite, kWhite, kNewTextline) >= 0) return;
  playSystemSound(kSoundError, 0);
  const std::string limit = std::to_string(kMaxMenuElements);
  refuseWithNotice("^rERROR: ^wA menu holds at most " + limit + " lines of text.", "Add Textline",
                   "A menu holds at most ^y" + limit + "^w lines of text.");
}

void deleteTextline() {
  playSystemSound(kSoundDelete, 0);
  worldEditor.setEditorMode(kMenuModeMenu);
  gameSys.setInputState(kInputNormal);
  editDeleteText(currentMenu(), worldEditor.getCurrentTextline());
}

void openChooser() { worldEditor.setImageMenuTimer(1); }

// The quit icon of a game's menus: back to the world editor's main menu.
void backToEditorMainMenu() {
  worldEditor.setEditorMode(kModeNothing);
  editMenu();
  gameSys.setGameState(kStateWorldEditor);
}

// The codes of the panel; true when taken.
bool pickControl(const PickEvent& e) {
  switch (e.code) {
    case kPickMenuNext:
    case kPickMenuPrevious:
      if (e.leftRelease()) stepMenu(e.code == kPickMenuNext ? 1 : -1);
      return true;
    case kPickMenuBackground:
      if (e.acting()) openChooser();
      return true;
    case kPickButtonImage:
      if (e.leftRelease()) openChooser();
      return true;
    case kPickButtonWider:
    case kPickButtonNarrower:
    case kPickButtonTaller:
    case kPickButtonShorter:
      if (leftOrRightRelease(e)) resizeButton(e.code, e);
      return true;
    case kPickTextlineAdd:
      if (e.leftRelease()) addTextline();
      return true;
    case kPickTextlineDelete:
      if (e.leftRelease()) deleteTextline();
      return true;
    case kPickChooserImage:
      if (e.leftRelease()) menuEditorImageChosen(e.green * 256 + e.blue);
      return true;
    case kPickToolbarQuit:
      if (editingToolkitMenus()) return false;
      if (e.acting()) backToEditorMainMenu();
      return true;
    case kPickLeaveMenuSet:
      if (!editingToolkitMenus()) return false;
      if (e.acting()) {
        writeRecoveryCopy();
        leaveGame();
      }
      return true;
    default:
      return false;
  }
}

// Typing reaches the selected text line only in the menu editor, with a line
// selected.
bool typingIntoLine() { return gameSys.getGameState() == kStateMenuEditor && mode() == kMenuModeTextline; }

bool printable(unsigned char key) { return key >= ' ' && key <= '~'; }

void dropDraggedItem() {
  const ItemKind* kind = selectedKind(mode());
  if (kind) dragItem(*kind, (worldEditor.*kind->selected)());
}

bool takePick(const PickEvent& e) {
  if (sharedEditorPick(e)) return true;
  switch (e.code) {
    case kPickEditorButton: return pickItem(kButtons, e);
    case kPickEditorTextbox: return pickItem(kTextboxes, e);
    case kPickEditorTextline: return pickItem(kTextlines, e);
    default: return !e.drag && pickControl(e);
  }
}

class MenuEditorScreen : public Screen {
 public:
  // Enter, with the console and help closed, ends the selection.
  bool onKey(unsigned char key, int) override {
    if (key == kCharEnter && !consoleOpen() && !helpShown()) endSelection();
    return false;
  }

  bool onSpecialKey(int key, int) override {
    endTypingStep();
    if (!consoleOpen() && isArrowKey(key)) nudgeMenuItem(key);
    return false;
  }

  // Every button event ends a drag and, unless help is shown, typing. The
  // dragged item is dropped where the button comes up: the last moves of a
  // drag may have come too close together to be followed.
  bool onButton(const ButtonEvent& e) override {
    if (itemMoved && !e.pressed) dropDraggedItem();
    endTypingStep();
    endDrag();
    if (!helpShown()) gameSys.setInputState(kInputNormal);
    return false;
  }

  // A left release that nothing took ends the selection of a text line.
  void onButtonMissed(const ButtonEvent& e) override {
    if (gameSys.getGameState() == kStateMenuEditor && mode() == kMenuModeTextline && e.button == kButtonLeft &&
        !e.pressed) {
      worldEditor.setEditorMode(kMenuModeMenu);
    }
  }

  // A click while a text line is selected keeps it taking typing, until the
  // click selects something else; hover passes only look.
  bool onPick(const PickEvent& e) override {
    if (e.acting() && mode() == kMenuModeTextline) gameSys.setInputState(kInputMenuEditorText);
    const bool taken = takePick(e);
    if (gameSys.getInputState() == kInputMenuEditorText && mode() != kMenuModeTextline) {
      gameSys.setInputState(kInputNormal);
    }
    return taken;
  }
  bool onPickAfterMenus(const PickEvent& e) override { return uiAndGameEditorPicking(e); }

  // The panel over the menu's elements.
  void draw(ScreenLayer layer, bool picking) override {
    if (layer != ScreenLayer::OverMenu) return;
    PanelPlan plan;
    planMenuEditorPanel(plan);
    platform().drawPanel(plan, picking);
  }

  std::vector<PickList> picks() const override { return {pickList(kMenuEditorPicks), pickList(kEditorPicks)}; }

 private:
  static void endSelection() {
    gameSys.setInputState(kInputNormal);
    worldEditor.setEditorMode(kMenuModeMenu);
  }
};

}  // namespace

void loadUIEditor() {
  loadMenu(0);
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setCurrentTip(0);
  worldEditor.setEditorMode(kMenuModeNothing);
  worldEditor.setHelpMenu(0);
  worldEditor.setWelcome(1, kMenuEditorWelcome);
}

Screen& menuEditorScreen() {
  static MenuEditorScreen screen;
  return screen;
}

void nudgeMenuItem(int key) {
  float dx = 0, dy = 0;
  switch (key) {
    case kSpecialUp: dy = -kMenuItemNudge; break;
    case kSpecialDown: dy = kMenuItemNudge; break;
    case kSpecialLeft: dx = -kMenuItemNudge; break;
    case kSpecialRight: dx = kMenuItemNudge; break;
    default: return;
  }
  const ItemKind* kind = selectedKind(mode());
  if (!kind) return;
  const int i = (worldEditor.*kind->selected)();
  float x = 0, y = 0;
  if (kind->position(i, x, y)) kind->place(i, x + dx, y + dy);
}

void inputState3Keyboard(unsigned char key) {
  if (undoRedoKey(key, platform().shiftHeld())) return;
  if (key == kCharEscape || key == kCharEnter) {
    endTypingStep();
    gameSys.setInputState(kInputNormal);
    worldEditor.setEditorMode(kMenuModeMenu);
    return;
  }
  const int l = worldEditor.getCurrentTextline();
  TextlineItem t;
  if (!typingIntoLine() || !readTextline(l, t)) return;
  if (key == kCharBackspace) {
    if (t.text.empty()) return;
    t.text.pop_back();
  } else if (printable(key)) {
    t.text += static_cast<char>(key);
  } else {
    endTypingStep();
    return;
  }
  beginTypingStep(currentMenu());
  editModifyText(currentMenu(), l, t.x, t.y, t.text);
}

void menuEditorImageChosen(int image) {
  if (image < 0 || image >= gameUI.getUIImageCount()) return;
  playSystemSound(kSoundSelect, 0);
  ButtonItem b;
  switch (mode()) {
    case kMenuModeMenu:
      editSetMenuBackground(currentMenu(), image);
      break;
    case kMenuModeButton:
      if (readButton(worldEditor.getCurrentButton(), b)) {
        editModifyButton(currentMenu(), worldEditor.getCurrentButton(), b.x, b.y, b.w, b.h, image);
      }
      break;
    case kMenuModeAnimation:
      worldEditor.setCurrentAnimImage(image);
      break;
    default: break;
  }
}

std::string editorShownText(const std::string& text) { return text.empty() ? kEmptyTextline : text; }

MenuEditMarks menuEditorMarks() {
  MenuEditMarks marks;
  marks.mode = worldEditor.getEditorMode();
  marks.button = worldEditor.getCurrentButton();
  marks.textbox = worldEditor.getCurrentTextbox();
  marks.textline = worldEditor.getCurrentTextline();
  return marks;
}

bool menuItemDragged() { return itemMoved && gameSys.getLeftMouse() == kMousePress; }

bool editingToolkitMenus() { return checkGameName(world.getGameName()); }

}  // namespace tf
