// The console's line history, scrolling, typing, open/close state and slide.
#include "console/console.h"

#include "core/platform.h"
#include "core/system.h"
#include "media/sound.h"

namespace tf {

debugConsole console;

namespace {
// Typed to open and close the console, so never part of a command.
constexpr char kToggleKey = '`';
}  // namespace

void debugConsole::enableConsole() {
  gameSys.setInputState(kInputConsole);
  consoleEnabled = true;
  animState = kConsoleOpening;
}

void debugConsole::disableConsole() {
  gameSys.setInputState(kInputNormal);
  animState = kConsoleClosing;
}

void debugConsole::echo(const std::string& line) {
  consoleLine.push_back(line);
  ++lineCount;
}

std::string debugConsole::getLine(int i) const {
  if (i < 0 || i >= lineCount) return "";
  return consoleLine[lineCount - 1 - i];
}

void debugConsole::setCurrentLine(int i) {
  if (i >= 0 && i < lineCount) currentLine = i;
}

void debugConsole::scrollOlder() {
  if (currentLine < lineCount - 1) ++currentLine;
}

void debugConsole::scrollNewer() {
  if (currentLine > 0) --currentLine;
}

void debugConsole::scrollNewest() { currentLine = 0; }

void debugConsole::scrollOldest() { currentLine = lineCount > 0 ? lineCount - 1 : 0; }

void debugConsole::typeCharacter(char c) {
  if (c != kToggleKey) commandLine += c;
}

void debugConsole::backspace() {
  if (!commandLine.empty()) commandLine.pop_back();
}

void debugConsole::submit() {
  // The command clears the command line as it runs.
  const std::string line = commandLine;
  inputConsole(line);
}

bool debugConsole::beginFrame(bool advance) {
  if (!consoleEnabled) return false;
  // While it slides away the keys belong to the program again.
  if (animState != kConsoleClosing && gameSys.getInputState() != kInputConsole) {
    gameSys.setInputState(kInputConsole);
  }
  if (advance) slideStep();
  return consoleEnabled;
}

void debugConsole::slideStep() {
  if (animState == kConsoleOpening) {
    if (consoley < kConsoleOpenY) {
      consoley += kConsoleSlideStep;
    } else {
      animState = kConsoleOpen;
    }
    return;
  }
  if (animState != kConsoleClosing) return;
  consoley -= kConsoleSlideStep;
  if (consoley > kConsoleClosedY) return;
  consoley = kConsoleClosedY;
  animState = kConsoleClosed;
  consoleEnabled = false;
  // Something else may have taken the keys since the console let them go.
  if (gameSys.getInputState() == kInputConsole) gameSys.setInputState(kInputNormal);
}

std::string debugConsole::caretAt(int now) { return caret.shownAt(now) ? "_" : " "; }

bool consoleOpen() { return console.isOpening(); }

bool consolePick(const PickEvent& e) {
  switch (e.code) {
    case kPickConsoleToggle:
      if (e.leftPress()) toggleConsole(true);
      return true;
    case kPickConsoleOlder:
      if (e.leftPress()) console.scrollOlder();
      return true;
    case kPickConsoleNewer:
      if (e.leftPress()) console.scrollNewer();
      return true;
    default:
      return false;
  }
}

void toggleConsole(bool withSound) {
  if (gameSys.getGameState() == kStateSplash) return;
  if (console.isOpening()) {
    console.disableConsole();
    if (withSound) playSystemSound(kSoundClose, 0);
    return;
  }
  console.enableConsole();
  platform().ignoreKeyRepeat(false);
  if (withSound) playSystemSound(kSoundOpen, 0);
}

}  // namespace tf
