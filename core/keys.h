// The codes in which the window toolkit reports keys and mouse buttons, and
// the kind of mouse event the program records for each button. Every screen
// reads them, so they are named here once.
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

inline bool isArrowKey(int key) {
  return key == kSpecialLeft || key == kSpecialUp || key == kSpecialRight || key == kSpecialDown;
}

// Modifier keys held during a key or button event.
enum KeyModifier { kModNone = 0, kModShift = 1 };

// Buttons and button states of the mouse callback.
enum MouseButton { kButtonLeft = 0, kButtonMiddle, kButtonRight, kButtonWheelUp, kButtonWheelDown };
enum MouseButtonState { kButtonDown = 0, kButtonUp = 1 };

// The kind of mouse event a pick pass runs for, as the left and right
// buttons record it (System::getLeftMouse, getRightMouse).
constexpr int kMouseNoEvent = 0;
constexpr int kMousePress = 1;
constexpr int kMouseRelease = 2;

}  // namespace tf
