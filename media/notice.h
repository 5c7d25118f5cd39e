// The notice box: the program's one-line message window. Any part of the
// program hands it a title and a short message; it stays until clicked away.
#pragma once

#include <string>

namespace tf {

class uiNotice {
 public:
  // Shows a notice, replacing the one shown.
  void setNotice(const std::string& title, const std::string& message);
  void getNotice(std::string& title, std::string& message, int& time) const;
  // Hides the notice.
  void leaveNotice() { noticeTime = -1; }

 private:
  std::string noticeTitle;
  std::string noticeMessage;
  int noticeTime = -1;  // 1 shown, -1 hidden
};

extern uiNotice notice;

}  // namespace tf
