// What one frame of the console shows and where: the panel, the command row
// with its three buttons once the panel has come down far enough, and at most
// ten lines of the history from the scroll position upwards, however long
// the history is. The drawing is in console_gl.cpp.
#pragma once

#include <string>
#include <vector>

#include "console/console.h"
#include "menus/menu_layout.h"

namespace tf {

// The panel: a full-width strip around the console's vertical position.
constexpr int kConsolePanelX = 400;
constexpr int kConsolePanelHalfWidth = 400, kConsolePanelHalfHeight = 82;
// Lines shown at most.
constexpr int kConsoleShownLines = 10;
// The newest shown line is at the bottom; older ones go up.
constexpr float kConsoleLinesX = 10, kConsoleFirstLineY = 130, kConsoleLineSpacing = 13;
// The command row: shown once the panel uncovers this height.
constexpr float kConsoleCommandRowY = 143;
constexpr float kConsoleCommandX = 10, kConsoleCommandY = 149;
// Things are shown only above this multiple of the panel's position.
constexpr float kConsoleRevealFactor = 1.9f;

struct ConsoleButton {
  WholeRect rect;
  int image = 0;
  PickColor pick;
};
// Close, up (one line older) and down (one line newer).
extern const ConsoleButton kConsoleButtons[3];

struct ConsoleRow {
  float x = 0, y = 0;
  std::string text;
};

struct ConsoleView {
  bool blockWholeScreen = false;  // in play: clicks must not reach the game
  WholeRect panel;
  bool commandRowShown = false;   // with the buttons
  ConsoleRow command;
  std::vector<ConsoleRow> lines;  // at most kConsoleShownLines
};

// The frame of `c` in game state `gameState`, the caret being `caret`.
ConsoleView consoleView(const debugConsole& c, int gameState, const std::string& caret);

}  // namespace tf
