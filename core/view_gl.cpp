// The overlay projection and the camera transform on OpenGL.
#include "core/view.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "core/camera.h"

namespace tf {
namespace {

// The virtual screen every overlay drawing is laid out on.
constexpr double kScreenWidth = 800.0;
constexpr double kScreenHeight = 600.0;

}  // namespace

void draw2dortho() {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(0, kScreenWidth, kScreenHeight, 0);
  glScalef(-1, -1, 0.5f);
  glTranslatef(0, 0, 0);
  glMatrixMode(GL_MODELVIEW);
}

void leave2dortho() {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

void UpdateCamera() {
  float x, y, z, upx, upy, upz;
  camera.GetPos(x, y, z);
  camera.GetUp(upx, upy, upz);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(x, y, z + kCameraEyeHeight, x, y, z, upx, upy, upz);
}

}  // namespace tf
