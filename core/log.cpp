// The log file and systemMsg.
#include "core/log.h"

#include <cstdio>
#include <utility>

namespace tf {

log gameLog;

namespace {

std::function<void(const std::string&)>& consoleOutput() {
  static std::function<void(const std::string&)> output;
  return output;
}

}  // namespace

void log::openLog(const std::string& name) {
  file = name;
  if (logFile.is_open()) logFile.close();
  logFile.clear();
  logFile.open(name, std::ios::out | std::ios::trunc);
}

void log::clearLog() {
  if (logFile.is_open()) logFile.close();
  logFile.clear();
  logFile.open(file, std::ios::out | std::ios::trunc);
}

void log::msg(const std::string& text) {
  if (!logFile.is_open()) return;
  // Flushed line by line: the log must hold everything up to a crash.
  logFile << text << '\n' << std::flush;
}

void log::closeLog() {
  if (!logFile.is_open()) return;
  logFile << "Closing log file \n" << std::flush;
  logFile.close();
}

std::string stripCaretCodes(const std::string& text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '^') {
      ++i;  // the code character goes with its caret
    } else {
      plain += text[i];
    }
  }
  return plain;
}

void echoConsole(const std::string& text) {
  if (consoleOutput()) consoleOutput()(text);
}

void setConsoleOutput(std::function<void(const std::string&)> output) { consoleOutput() = std::move(output); }

void systemMsg(const std::string& text) {
  echoConsole(text);
  std::string plain = stripCaretCodes(text);
  gameLog.msg(plain);
  std::fwrite(plain.data(), 1, plain.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace tf
