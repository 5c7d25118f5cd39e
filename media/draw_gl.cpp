// Textured rectangles in the two placements. On the overlay the modelview is
// mirrored on both axes (see draw2dortho), so the texture coordinates are
// mirrored too and every picture comes out upright in both placements.
#include "media/draw.h"

#include <GL/gl.h>

#include <utility>

#include "core/view.h"
#include "media/notice.h"

namespace tf {
namespace {

// Texture coordinates stay a hundredth inside the picture so edges never bleed.
constexpr float kInset = 0.01f;
// Drawing further left or up than this is refused as a damaged placement.
constexpr float kLowestPosition = -100.0f;

bool drawable(float x, float y, float w, float h, int tex) {
  return x >= kLowestPosition && y >= kLowestPosition && w > 0 && h > 0 && tex >= 0;
}

void beginPlacement(float x, float y, float z, bool ov) {
  glPushMatrix();
  if (ov) {
    glLoadIdentity();
    glTranslatef(-x, -y, -z);
    draw2dortho();
  } else {
    glDisable(GL_DEPTH_TEST);
    glTranslatef(x, y, z);
  }
}

void endPlacement(bool ov) {
  if (ov) {
    leave2dortho();  // also pops the matrix pushed for the placement
  } else {
    glPopMatrix();
  }
}

// One rectangle; s0..s1 and t0..t1 span the part of the texture shown, t0 at
// the bottom of the picture. The overlay's mirror of y already turns its
// "down" into the screen's "down", so only x needs mirroring there.
void quad(float w, float h, float s0, float s1, float t0, float t1, bool ov) {
  if (ov) std::swap(s0, s1);
  glBegin(GL_QUADS);
  glTexCoord2f(s0, t0); glVertex3f(-w, -h, 0);
  glTexCoord2f(s0, t1); glVertex3f(-w, h, 0);
  glTexCoord2f(s1, t1); glVertex3f(w, h, 0);
  glTexCoord2f(s1, t0); glVertex3f(w, -h, 0);
  glEnd();
}

bool drawRect(float x, float y, float z, float w, float h, float r, float g, float b, float a, int tex,
              bool ov, bool al, int pick, float s0, float s1) {
  beginPlacement(x, y, z, ov);
  const bool flat = pick == kPickFlat;
  if (flat) {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
  } else {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(tex));
    glColor4f(r, g, b, al ? 1.0f : a);
    if (al) {
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
  }
  if (pick >= 0) glPushName(static_cast<GLuint>(pick));
  quad(w, h, s0, s1, kInset, 1.0f - kInset, ov);
  if (pick >= 0) glPopName();
  if (al) {
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
  }
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  endPlacement(ov);
  return true;
}

}  // namespace

bool displayTexture(float x, float y, float z, float w, float h, float r, float g, float b, int tex,
                    bool ov, bool al, float a, int pick) {
  if (!drawable(x, y, w, h, tex) || r < 0 || g < 0 || b < 0) {
    notice.setNotice("Image Error!",
                     "Invalid texture information trying to be displayed! Did you accidently delete "
                     "images from your project?");
    return false;
  }
  return drawRect(x, y, z, w, h, r, g, b, a, tex, ov, al, pick, kInset, 1.0f - kInset);
}

bool displayFrame(float x, float y, float z, float w, float h, int tex, float frame, bool ov, bool al,
                  int pick) {
  if (!drawable(x, y, w, h, tex)) {
    notice.setNotice("Image Error!",
                     "Invalid texture information trying to be displayed!! Did you accidently delete "
                     "images from your project?");
    return false;
  }
  float cell = frame / 10.0f;
  return drawRect(x, y, z, w, h, 1, 1, 1, 1, tex, ov, al, pick, cell + kInset, cell + 0.1f);
}

}  // namespace tf
