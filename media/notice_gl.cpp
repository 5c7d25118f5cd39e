// Drawing the notice box: its background, which is also its pick rectangle,
// the title and the lines of the message.
#include "media/choice.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/text.h"

namespace tf {

void noticeRender() {
  NoticeLayout layout;
  if (!prepareNotice(layout)) return;
  displaySingleChoice(layout.boxX, layout.boxY, layout.boxHalfWidth, layout.boxHalfHeight,
                      kImgGameEditorBackground, kPickNotice, kPickMenuMark, kPickMenuMark);
  displayTextString(layout.textX, layout.titleY, layout.title);
  for (int j = 0; j <= layout.lastLine; ++j) {
    displayTextString(layout.textX, layout.firstLineY + layout.lineSpacing * j, layout.lines[j]);
  }
}

}  // namespace tf
