// Drawing the tooltip: a framed box near the mouse with the text's lines.
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/tooltip.h"

namespace tf {
namespace {
constexpr float kBoxDepth = 0;
}  // namespace

void toolTipRender() {
  TooltipLayout layout;
  if (!prepareTooltip(layout)) return;
  displayTexture(layout.boxX, layout.boxY, kBoxDepth, layout.boxHalfWidth, layout.boxHalfHeight, 1, 1, 1,
                 systemTexture(kImgGameEditorBackground), true, true, 1, kPickNone);
  for (int j = 0; j <= layout.text.lastLine; ++j) {
    displayTextString(layout.textX, layout.firstLineY + layout.lineSpacing * j, layout.text.lines[j]);
  }
}

}  // namespace tf
