// The program's message channel: the log file `log.txt`, and systemMsg, which
// reports one message to the developer console (with its colour codes), to the
// log and to standard output (without them). The console is reached through
// the output it installs at start-up, so that every folder can report.
#pragma once

#include <fstream>
#include <functional>
#include <string>

namespace tf {

class log {
 public:
  // Opens `name` for writing, truncating it, and remembers the name.
  void openLog(const std::string& name);
  // Closes the file and opens the remembered name again, truncated.
  void clearLog();
  // Writes one line when the file is open.
  void msg(const std::string& text);
  // Writes the closing line and closes the file.
  void closeLog();
  bool isOpen() const { return logFile.is_open(); }

 private:
  std::string file;
  std::ofstream logFile;
};

extern log gameLog;

// The text without its caret codes: every "^" goes together with the character
// after it.
std::string stripCaretCodes(const std::string& text);

// Reports one message to the console, the log and standard output.
void systemMsg(const std::string& text);

// Writes one line to the console only (not to the log).
void echoConsole(const std::string& text);
// Where console lines go; until one is installed (or after an empty function)
// they go nowhere.
void setConsoleOutput(std::function<void(const std::string&)> output);

}  // namespace tf
