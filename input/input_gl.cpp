// The pointer's unprojection on OpenGL, and the window toolkit's key and
// button codes, which the input callbacks take as they come.
#include <GL/freeglut.h>
#include <GL/glu.h>

#include "core/view.h"
#include "input/dispatch.h"
#include "input/window_input.h"

namespace tf {

static_assert(GLUT_KEY_F1 == kSpecialF1 && GLUT_KEY_F12 == kSpecialF12, "function key codes");
static_assert(GLUT_KEY_LEFT == kSpecialLeft && GLUT_KEY_UP == kSpecialUp && GLUT_KEY_RIGHT == kSpecialRight &&
                  GLUT_KEY_DOWN == kSpecialDown,
              "arrow key codes");
static_assert(GLUT_KEY_PAGE_UP == kSpecialPageUp && GLUT_KEY_PAGE_DOWN == kSpecialPageDown, "page key codes");
static_assert(GLUT_LEFT_BUTTON == kButtonLeft && GLUT_MIDDLE_BUTTON == kButtonMiddle &&
                  GLUT_RIGHT_BUTTON == kButtonRight,
              "mouse button codes");
static_assert(GLUT_DOWN == kButtonDown && GLUT_UP == kButtonUp, "mouse button states");

namespace {

// Window depths at which the pointer is unprojected: the world plane under the
// camera, and the overlay plane.
constexpr double kWorldDepth = 0.53;
constexpr double kOverlayDepth = -2.0;

void unproject(double winX, double winY, double depth, double& x, double& y) {
  GLdouble model[16], projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble z;
  gluUnProject(winX, winY, depth, model, projection, viewport, &x, &y, &z);
}

}  // namespace

void unprojectOnWindow(int x, int y, double& worldX, double& worldY, double& overlayX, double& overlayY) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const double winY = viewport[3] - y;
  unproject(x, winY, kWorldDepth, worldX, worldY);

  // The overlay's own projection with nothing moved: its mirror (see
  // draw2dortho) gives the point back negated.
  glPushMatrix();
  glLoadIdentity();
  draw2dortho();
  double mirroredX = 0, mirroredY = 0;
  unproject(x, winY, kOverlayDepth, mirroredX, mirroredY);
  leave2dortho();
  overlayX = -mirroredX;
  overlayY = -mirroredY;
}

}  // namespace tf
