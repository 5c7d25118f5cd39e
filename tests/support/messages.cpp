// Console lines since a mark.
#include "messages.h"

#include "console/console.h"

namespace tftest {

MessageLog::MessageLog() : start_(tf::console.getLineCount()) {}

std::vector<std::string> MessageLog::lines() const {
  std::vector<std::string> result;
  int count = tf::console.getLineCount() - start_;
  for (int i = count - 1; i >= 0; --i) result.push_back(tf::console.getLine(i));
  return result;
}

bool MessageLog::contains(const std::string& part) const {
  for (const std::string& line : lines()) {
    if (line.find(part) != std::string::npos) return true;
  }
  return false;
}

}  // namespace tftest
