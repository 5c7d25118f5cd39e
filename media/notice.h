// The notice box: the program's one-line message window. Any part of the
// program hands it a title and a short message; it stays in the top-left
// corner until clicked away. The layout is decided here, the drawing is in
// notice_gl.cpp.
#pragma once

#include <string>

#include "core/screen.h"
#include "media/line_break.h"

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

// Longest title and message a notice shows; longer ones are dropped.
constexpr std::size_t kMaxNoticeTitle = 30;
constexpr std::size_t kMaxNoticeMessage = 100;
// The line that ends every notice.
constexpr const char* kNoticeDismissLine = "^d(Click to dismiss)";

// Where one frame draws the notice, in screen units.
struct NoticeLayout {
  std::string title;  // with its size code
  // The message's lines followed by the dismiss line, which is line `lastLine`.
  std::string lines[kMaxBrokenLines + 1];
  int lastLine = 0;
  int boxX = 0, boxY = 0, boxHalfWidth = 0, boxHalfHeight = 0;
  int textX = 0;
  int titleY = 0;
  int firstLineY = 0;
  int lineSpacing = 0;
};

// Decides this frame's notice: hides it while the mouse is disabled, drops
// one that is hidden, empty or too long (without a message), and otherwise
// lays it out. True when there is a notice to draw.
bool prepareNotice(NoticeLayout& layout);

// Draws the notice box (notice_gl.cpp); in a pick pass only its pick colour.
void noticeRender();

// A left press on the notice box closes it; true for its code.
bool noticePick(const PickEvent& e);

// A refused operation reported the common way, from one text: the message
// "^rERROR: ^w" + text and a notice titled "^yERROR" with the text.
void refuseWithNotice(const std::string& text);
// The same where the message and the notice are worded apart.
void refuseWithNotice(const std::string& message, const std::string& title, const std::string& noticeText);

}  // namespace tf
