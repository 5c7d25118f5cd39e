// The messages reported while an object lives, read back from the console
// (every systemMsg line is echoed there), oldest first.
#pragma once

#include <string>
#include <vector>

namespace tftest {

class MessageLog {
 public:
  MessageLog();
  // Every line echoed since construction, caret codes included.
  std::vector<std::string> lines() const;
  // True when some line contains `part`.
  bool contains(const std::string& part) const;

 private:
  int start_;
};

}  // namespace tftest
