// Drawing the open dialog: a veil over the screen, the dialog's picture, its
// two buttons and its text; in a pick pass the buttons in their pick colours
// over a surface that absorbs every other click.
#include <GL/gl.h>

#include "core/system.h"
#include "media/choice.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/dialog.h"
#include "menus/menu_layout.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

constexpr int kCentreX = 400, kCentreY = 300;
constexpr int kBackgroundHalfWidth = 220, kBackgroundHalfHeight = 150;
constexpr float kButtonDepth = -2.0f;
constexpr int kPickButtonCodes[2] = {kPickDialogLeft, kPickDialogRight};

void drawBlocking(int halfWidth, int halfHeight, int image) {
  displaySingleChoice(kCentreX, kCentreY, halfWidth, halfHeight, image, kPickBlocking.r, kPickBlocking.g,
                      kPickBlocking.b);
}

void drawButton(const DialogButtonLook& button, int k, bool pick) {
  if (button.image < 0) return;
  if (pick) {
    glColor3ub(static_cast<GLubyte>(kPickButtonCodes[k]), kPickMenuMark, kPickMenuMark);
    displayTexture(button.x, button.y, kButtonDepth, button.w, button.h, 1, 1, 1, 0, true, false, 1, kPickFlat);
    return;
  }
  displayTexture(button.x, button.y, kButtonDepth, button.w, button.h, button.shade, button.shade, button.shade,
                 systemTexture(button.image), true, true, 1, kPickNone);
}

}  // namespace

void dialogRender() {
  const bool pick = gameSys.getColorPick();
  const DialogLayout layout = layoutDialog(gameUI.getCurrentDialogBox());
  drawBlocking(kWholeScreen.w, kWholeScreen.h, kImgBlur);
  if (layout.background >= 0) drawBlocking(kBackgroundHalfWidth, kBackgroundHalfHeight, layout.background);
  if (pick) drawBlocking(kWholeScreen.w, kWholeScreen.h, kImgNone);
  for (int k = 0; k < 2; ++k) drawButton(layout.buttons[k], k, pick);
  if (pick) return;
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    displayTextString(layout.textX, layout.firstLineY + layout.lineSpacing * i, layout.lines[i]);
  }
}

}  // namespace tf
