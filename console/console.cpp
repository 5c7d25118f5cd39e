// The console's line history and open/close state.
#include "console/console.h"

#include "core/system.h"

namespace tf {

debugConsole console;

void debugConsole::enableConsole() {
  gameSys.setInputState(1);
  consoleEnabled = true;
  animState = 1;
}

void debugConsole::disableConsole() {
  gameSys.setInputState(0);
  animState = 3;
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

void debugConsole::inputConsole(const std::string& line) {
  echo("^wYou have entered: ^y" + line);
  echo("");
  echo("^yWARNING: ^wThat command wasn't found. Please try again.");
  echo("");
  commandLine.clear();
}

}  // namespace tf
