// Clickable pictures on the overlay, drawn normally or in their pick colours.
#include "media/choice.h"

#include <GL/gl.h>

#include "core/system.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

// Clickable pictures lie in front of everything else on the overlay.
constexpr float kChoiceDepth = -2.0f;
GLubyte pickByte(int value) { return static_cast<GLubyte>(value); }

}  // namespace

bool displaySingleChoice(int x, int y, int w, int h, int atex, int a0, int a1, int a2) {
  if (atex < 0 || atex >= static_cast<int>(sysImage.size())) return false;
  const int tex = systemTexture(atex);
  if (gameSys.getColorPick()) {
    glColor3ub(pickByte(a0), pickByte(a1), pickByte(a2));
    return displayTexture(x, y, kChoiceDepth, w, h, 1, 1, 1, tex, true, true, 1, kPickFlat);
  }
  return displayTexture(x, y, kChoiceDepth, w, h, 1, 1, 1, tex, true, true, 1, kPickNone);
}

void displayCustomChoice(int x, int y, const std::string& line, int atex, int a0, int a1, int a2, int btex,
                         int b0, int b1, int b2) {
  if (!gameSys.getColorPick()) displayTextString(x, y, line);
  const ChoiceButtons at = choiceButtonsAfter(x, y, line);
  displaySingleChoice(at.firstX, at.y, at.half, at.half, atex, a0, a1, a2);
  displaySingleChoice(at.secondX, at.y, at.half, at.half, btex, b0, b1, b2);
}

void displayChoice(int x, int y, const std::string& line, int p0, int p1, int p2, int m0, int m1, int m2) {
  displayCustomChoice(x, y, line, kImgPlus, p0, p1, p2, kImgMinus, m0, m1, m2);
}

}  // namespace tf
