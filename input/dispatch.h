// The decisions behind the input callbacks of input.h: the key codes the
// window toolkit delivers, the handlers of each input state and game state,
// and the throttles of the pointer's motion. Everything here works on plain
// arguments, so it runs without a window.
#pragma once

namespace tf {

// Characters of the keyboard callbacks.
constexpr unsigned char kCharBackspace = 8;
constexpr unsigned char kCharTab = 9;
constexpr unsigned char kCharEnter = 13;
constexpr unsigned char kCharEscape = 27;
constexpr unsigned char kCharSpace = 32;
constexpr unsigned char kCharBackquote = 96;
constexpr unsigned char kCharDelete = 127;

// Codes of the special-key callbacks.
enum SpecialKey {
  kSpecialF1 = 1, kSpecialF2, kSpecialF3, kSpecialF4, kSpecialF5, kSpecialF6,
  kSpecialF7, kSpecialF8, kSpecialF9, kSpecialF10, kSpecialF11, kSpecialF12,
  kSpecialLeft = 100, kSpecialUp, kSpecialRight, kSpecialDown, kSpecialPageUp, kSpecialPageDown,
};

// Buttons and button states of the mouse callback.
enum MouseButton { kButtonLeft = 0, kButtonMiddle, kButtonRight, kButtonWheelUp, kButtonWheelDown };
enum MouseButtonState { kButtonDown = 0, kButtonUp = 1 };

// The kind of mouse event a pick pass runs for, as the left and right
// buttons record it.
constexpr int kMouseNoEvent = 0;
constexpr int kMousePress = 1;
constexpr int kMouseRelease = 2;

// Motion without a button runs a hover pass at most this often; motion with
// a button held a drag pass (more often while the menu editor drags an item).
constexpr int kHoverThrottleMs = 30;
constexpr int kDragThrottleMs = 30;
constexpr int kMenuEditorDragThrottleMs = 5;
// Two presses in the logic editor closer than this close its word list.
constexpr int kWordListDoubleClickMs = 200;
// The open word list steps once per this many pixels of vertical drag.
constexpr int kWordListDragStep = 10;
// Menu editor: the arrow keys move the selected item this far.
constexpr float kMenuItemNudge = 5;
// World editor: shift and an arrow key resize the current object this much.
constexpr float kObjectResizeStep = 0.01f;

// Typed characters, by input state: 0 normal, 1 console, 2 and 5 textboxes,
// 3 the menu editor's text line, 4 help.
void inputState0Keyboard(unsigned char key);
void inputState1Keyboard(unsigned char key);
void inputState2Keyboard(unsigned char key);
void inputState3Keyboard(unsigned char key);
void inputState4Keyboard(unsigned char key);

// The splash: a button released over it ends it.
void gameState3Mouse(int button, int state);
// Hover passes: over menus and editors, and over a dialog.
void gameState0MousePassive();
void gameState4MousePassive();

// The console is open for typing (enabled and not sliding away).
bool consoleOpen();
// The logic editor's word list is open.
bool wordListOpen();
// Nothing of the menus is hovered or held.
void clearMenuMarks();

// Forgets the times and anchors of past events (a new run, or a test).
void resetInputDispatch();

}  // namespace tf
