// Entering and leaving the graphics library's selection mode around the pointer.
#include <GL/gl.h>
#include <GL/glu.h>

#include "input/hits.h"
#include "input/picking.h"

namespace tf {
namespace {

// The pick region's side in pixels, and the projection the pass looks through.
constexpr double kPickRegion = 5.0;
constexpr double kPickFieldOfView = 45.0;
constexpr double kPickNearPlane = 0.1;
constexpr double kPickFarPlane = 1000.0;

}  // namespace

void startPicking(int x, int y, unsigned int* buffer) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glSelectBuffer(kSelectBufferSize, buffer);
  glRenderMode(GL_SELECT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPickMatrix(x, viewport[3] - y, kPickRegion, kPickRegion, viewport);
  const double aspect = viewport[3] > 0 ? static_cast<double>(viewport[2]) / viewport[3] : 1.0;
  gluPerspective(kPickFieldOfView, aspect, kPickNearPlane, kPickFarPlane);
  glMatrixMode(GL_MODELVIEW);
  glInitNames();
}

int stopPicking(unsigned int* buffer) {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glFlush();
  return glRenderMode(GL_RENDER);
}

}  // namespace tf
