// Notice state.
#include "media/notice.h"

namespace tf {

uiNotice notice;

void uiNotice::setNotice(const std::string& title, const std::string& message) {
  noticeTitle = title;
  noticeMessage = message;
  noticeTime = 1;
}

void uiNotice::getNotice(std::string& title, std::string& message, int& time) const {
  title = noticeTitle;
  message = noticeMessage;
  time = noticeTime;
}

}  // namespace tf
