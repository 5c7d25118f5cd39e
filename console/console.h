// The developer console's state: every echoed line (newest first), the scroll
// position, the command being typed and the slide animation. Drawing and the
// commands live in their own modules.
#pragma once

#include <string>
#include <vector>

namespace tf {

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

  void setCommandLine(const std::string& text) { commandLine = text; }
  std::string getCommandLine() const { return commandLine; }
  void setAnimState(int state) { animState = state; }
  int getAnimState() const { return animState; }
  bool getConsoleState() const { return consoleEnabled; }
  void setConsoleState(bool enabled) { consoleEnabled = enabled; }

  // Executes one command line typed into the console.
  void inputConsole(const std::string& line);

 private:
  // Held oldest first, so an echo is an append; getLine counts from the end.
  std::vector<std::string> consoleLine;
  int currentLine = 0;
  bool consoleEnabled = false;
  std::string commandLine;
  int lineCount = 0;
  int animState = 0;  // 0 closed, 1 sliding open, 2 open, 3 sliding closed
};

extern debugConsole console;

}  // namespace tf
