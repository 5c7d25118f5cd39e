// Notice state and layout.
#include "media/notice.h"

#include "core/log.h"
#include "core/numbers.h"
#include "core/system.h"
#include "media/text.h"

namespace tf {

uiNotice notice;

namespace {

// What a dropped notice is left holding.
constexpr const char* kDroppedText = "a";

// The box's left part and the text's margin inside it.
constexpr int kBoxLeft = 120;
constexpr int kBoxCentreY = 75;
constexpr int kBoxMargin = 10;
constexpr int kBoxBaseHalfHeight = 28;
constexpr int kHeightPerLine = 6;
constexpr int kTextX = 124;
constexpr int kTitleY = 68;
constexpr int kFirstLineY = 82;
constexpr int kLineSpacing = 14;
constexpr const char* kTitleSize = "^2";

bool showable(const std::string& title, const std::string& message, int time) {
  return time >= 0 && !title.empty() && !message.empty() && title.size() <= kMaxNoticeTitle &&
         message.size() <= kMaxNoticeMessage;
}

}  // namespace

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

bool prepareNotice(NoticeLayout& layout) {
  if (gameSys.getDisableMouseState()) {
    notice.leaveNotice();
    return false;
  }
  std::string title, message;
  int time = 0;
  notice.getNotice(title, message, time);
  if (!showable(title, message, time)) {
    notice.setNotice(kDroppedText, kDroppedText);
    notice.leaveNotice();
    return false;
  }

  BrokenText broken = breakIntoLines(message);
  const int width = truncToInt(getDisplayTextSize(broken.lines[longestLine(broken)]));
  const int half = width / 2;
  layout.lastLine = broken.lastLine + 1;
  for (int j = 0; j < layout.lastLine; ++j) layout.lines[j] = broken.lines[j];
  layout.lines[layout.lastLine] = kNoticeDismissLine;
  for (int j = layout.lastLine + 1; j <= kMaxBrokenLines; ++j) layout.lines[j].clear();

  const int shift = kHeightPerLine * layout.lastLine;
  layout.title = kTitleSize + title;
  layout.boxX = kBoxLeft + half;
  layout.boxY = kBoxCentreY;
  layout.boxHalfWidth = half + kBoxMargin;
  layout.boxHalfHeight = kBoxBaseHalfHeight + shift;
  layout.textX = kTextX;
  layout.titleY = kTitleY - shift;
  layout.firstLineY = kFirstLineY - shift;
  layout.lineSpacing = kLineSpacing;
  return true;
}

void refuseWithNotice(const std::string& text) { refuseWithNotice("^rERROR: ^w" + text, "^yERROR", text); }

void refuseWithNotice(const std::string& message, const std::string& title, const std::string& noticeText) {
  systemMsg(message);
  notice.setNotice(title, noticeText);
}

bool noticePick(const PickEvent& e) {
  if (e.code != kPickNotice || !e.leftPress()) return false;
  notice.leaveNotice();
  return true;
}

}  // namespace tf
