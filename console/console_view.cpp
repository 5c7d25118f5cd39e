// The console's frame layout.
#include "console/console_view.h"

#include <cmath>

#include "core/system.h"
#include "media/images.h"

namespace tf {

const ConsoleButton kConsoleButtons[3] = {
    {{770, 20, 15, 15}, kImgQuit, {kPickConsoleToggle, kPickMenuMark, kPickMenuMark}},
    {{770, 60, 16, 16}, kImgArrowUp, {kPickConsoleOlder, kPickMenuMark, kPickMenuMark}},
    {{770, 100, 16, 16}, kImgArrowDown, {kPickConsoleNewer, kPickMenuMark, kPickMenuMark}},
};

ConsoleView consoleView(const debugConsole& c, int gameState, const std::string& caret) {
  ConsoleView view;
  view.blockWholeScreen = gameState == kStatePlay || gameState == kStatePlaytest;
  const float y = c.getConsoleY();
  view.panel = {kConsolePanelX, static_cast<int>(std::lround(y)), kConsolePanelHalfWidth, kConsolePanelHalfHeight};
  const float revealed = y * kConsoleRevealFactor;
  view.commandRowShown = kConsoleCommandRowY < revealed;
  view.command = {kConsoleCommandX, kConsoleCommandY, ": " + c.getCommandLine() + caret};

  const int shown = c.getLineCount() < kConsoleShownLines ? c.getLineCount() : kConsoleShownLines;
  for (int k = 0; k < shown; ++k) {
    const float lineY = kConsoleFirstLineY - kConsoleLineSpacing * k;
    if (lineY >= revealed) continue;
    view.lines.push_back({kConsoleLinesX, lineY, "^w" + c.getLine(c.getCurrentLine() + k)});
  }
  return view;
}

}  // namespace tf
