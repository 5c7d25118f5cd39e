// Text on the overlay and in the world: one textured quad per glyph, cut from
// the font picture and blended over what lies beneath.
#include <GL/gl.h>

#include "core/system.h"
#include "core/view.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

constexpr float kCellSpan = 1.0f / kFontCells;
// In-world text lies on the plane of the map's tiles.
constexpr float kWorldTextDepth = -2.0f;

// Font texture coordinates of a glyph's cell; the picture's top row is the
// top of the texture (t = 1).
struct CellCoords {
  float left, right, top, bottom;
};

CellCoords cellCoords(const Glyph& glyph) {
  CellCoords c;
  c.left = glyph.column * kCellSpan;
  c.right = c.left + kCellSpan;
  c.top = 1.0f - glyph.row * kCellSpan;
  c.bottom = c.top - kCellSpan;
  return c;
}

void beginGlyphs() {
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(systemTexture(kImgFont)));
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void endGlyphs() {
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
}

// A glyph's quad with its cell's top at `top` and its left edge on the
// screen's left: `across` is +1 where x grows to the right on screen (the
// world) and -1 where it is mirrored (the overlay). In both, a larger y is
// higher on screen.
void glyphQuad(const Glyph& glyph, float centreX, float top, float bottom, float across) {
  CellCoords c = cellCoords(glyph);
  float left = centreX - across * glyph.size;
  float right = centreX + across * glyph.size;
  glColor4f(glyph.color.r, glyph.color.g, glyph.color.b, 1.0f);
  glTexCoord2f(c.left, c.top); glVertex3f(left, top, 0);
  glTexCoord2f(c.right, c.top); glVertex3f(right, top, 0);
  glTexCoord2f(c.right, c.bottom); glVertex3f(right, bottom, 0);
  glTexCoord2f(c.left, c.bottom); glVertex3f(left, bottom, 0);
}

}  // namespace

bool setColor(char c) {
  TextColor color;
  bool known = textColorForCode(c, color);
  glColor4f(color.r, color.g, color.b, 1.0f);
  return known;
}

void displayTextString(float x, float y, const std::string& text) {
  if (gameSys.getColorPick()) return;
  // The overlay mirrors both axes: a point (x, y) on screen is (-x, -y) here,
  // so the string's start is the origin and its glyphs run towards -x.
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(-x, -y, 0);
  draw2dortho();
  beginGlyphs();
  glBegin(GL_QUADS);
  GlyphWalk walk(text, TextSpace::Overlay);
  for (Glyph glyph; walk.next(glyph);) {
    glyphQuad(glyph, -glyph.pen, glyph.halfHeight, -glyph.halfHeight, -1.0f);
  }
  glEnd();
  endGlyphs();
  leave2dortho();
}

void displayTextStringIngame(float x, float y, const std::string& text) {
  if (gameSys.getColorPick()) return;
  glPushMatrix();
  glTranslatef(x, y, kWorldTextDepth);
  beginGlyphs();
  glBegin(GL_QUADS);
  GlyphWalk walk(text, TextSpace::World);
  for (Glyph glyph; walk.next(glyph);) {
    glyphQuad(glyph, glyph.pen, glyph.halfHeight, -glyph.halfHeight, 1.0f);
  }
  glEnd();
  endGlyphs();
  glPopMatrix();
}

}  // namespace tf
