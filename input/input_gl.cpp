// Input callbacks and the pointer's coordinate conversions.
#include "input/input.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "core/app.h"
#include "core/numbers.h"
#include "core/system.h"

namespace tf {
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

void updateMousePos(int x, int y) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const double winY = viewport[3] - y;
  double worldX = 0, worldY = 0;
  unproject(x, winY, kWorldDepth, worldX, worldY);
  gameSys.setNormalPos(worldX, worldY);

  // Unprojected through the camera's modelview too, so the camera's position
  // cancels out of the difference below.
  glPushMatrix();
  draw2dortho();
  double overlayX = 0, overlayY = 0;
  unproject(x, winY, kOverlayDepth, overlayX, overlayY);
  leave2dortho();
  gameSys.setOrthoPos(truncToInt(worldX - overlayX), truncToInt(worldY - overlayY));
  gameSys.setMousePos(x, y);
}

void keyboard(unsigned char key, int x, int y) {}

void keyboardUp(unsigned char key, int x, int y) {}

void processSpecialKeys(int key, int x, int y) {}

void specialKeysUp(int key, int x, int y) {}

void mouse(int button, int state, int x, int y) {
  gameSys.setDragState(false);
  if (gameSys.getDisableMouseState()) return;
  int event = state == GLUT_DOWN ? 1 : 2;
  gameSys.setLeftMouse(button == GLUT_LEFT_BUTTON ? event : 0);
  gameSys.setRightMouse(button == GLUT_RIGHT_BUTTON ? event : 0);
}

void mousePassive(int x, int y) {
  if (gameSys.getDisableMouseState()) return;
  updateMousePos(x, y);
  gameSys.setDragState(false);
}

void mouseDrag(int x, int y) {
  if (gameSys.getDisableMouseState()) return;
  updateMousePos(x, y);
}

}  // namespace tf
