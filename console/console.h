// The developer console's state: every echoed line (newest first), the scroll
// position, the command being typed, the slide in and out and the caret. The
// commands are in console_commands.cpp, the layout of a frame in
// console_view.h and the drawing in console_gl.cpp.
#pragma once

#include <string>
#include <vector>

#include "core/screen.h"
#include "menus/menu_layout.h"

namespace tf {

// The slide: the panel's centre starts above the screen and moves by a step a
// frame until it reaches the open position.
constexpr float kConsoleClosedY = -70.0f;
constexpr float kConsoleOpenY = 78.0f;
constexpr float kConsoleSlideStep = 10.0f;
// The caret after the command switches between hidden and shown this often.
constexpr int kConsoleCaretMs = 750;

// Slide states.
enum ConsoleAnim { kConsoleClosed = 0, kConsoleOpening = 1, kConsoleOpen = 2, kConsoleClosing = 3 };

class debugConsole {
 public:
  // Input state 1 (typing goes to the console) and the slide-in begins.
  void enableConsole();
  // Input state 0 and the slide-out begins; the console stays enabled until
  // the slide ends.
  void disableConsole();

  // Appends a line; it becomes line 0, the newest.
  void echo(const std::string& line);
  // Line i counted from the newest (0), or "" beyond the oldest.
  std::string getLine(int i) const;
  int getLineCount() const { return lineCount; }

  // Accepted only for an existing line.
  void setCurrentLine(int i);
  int getCurrentLine() const { return currentLine; }
  // Scrolling: one line older or newer, or to either end of the history.
  void scrollOlder();
  void scrollNewer();
  void scrollNewest();
  void scrollOldest();

  void setCommandLine(const std::string& text) { commandLine = text; }
  std::string getCommandLine() const { return commandLine; }
  // Typing: a character is appended (the back-quote, which opens and closes
  // the console, is not); backspace removes the last one; submit runs the
  // command line.
  void typeCharacter(char c);
  void backspace();
  void submit();

  void setAnimState(int state) { animState = state; }
  int getAnimState() const { return animState; }
  bool getConsoleState() const { return consoleEnabled; }
  void setConsoleState(bool enabled) { consoleEnabled = enabled; }
  // True while the console is open or sliding open, not while it slides away.
  bool isOpening() const { return consoleEnabled && animState != kConsoleClosing; }

  // The start of a drawn frame (or, with `advance` false, of a pick pass,
  // which does not move the panel): typing is kept on the console while it is
  // open or opening, and the panel slides one step. False once the slide-out
  // has ended and the console is closed: nothing is drawn.
  bool beginFrame(bool advance);
  // The vertical centre of the panel on the 800 x 600 screen.
  float getConsoleY() const { return consoley; }
  // " " or "_": the caret after the command, switched when due at `now`.
  std::string caretAt(int now);

  // Executes one command line typed into the console.
  void inputConsole(const std::string& line);

 private:
  void slideStep();

  // Held oldest first, so an echo is an append; getLine counts from the end.
  std::vector<std::string> consoleLine;
  int currentLine = 0;
  bool consoleEnabled = false;
  std::string commandLine;
  int lineCount = 0;
  int animState = kConsoleClosed;
  float consoley = kConsoleClosedY;
  Blink caret{kConsoleCaretMs, false};
};

extern debugConsole console;

// The back-quote key and the console's close button: opens the console (with
// key repeat on, for typing) or closes it. The button plays system sound 7 on
// opening and 8 on closing.
void toggleConsole(bool withSound);

// The console is open for typing (enabled and not sliding away).
bool consoleOpen();

// The console's colour codes, each on a left press: its close button (with
// the sounds of opening and closing) and the two scroll arrows. True for any
// of its codes.
bool consolePick(const PickEvent& e);

// Writes the debug greeting to the console (debug mode switched on).
void debugInit();

// Draws the console while it is enabled, in drawn frames and in colour pick
// passes (console_gl.cpp).
void consoleRender();

}  // namespace tf
