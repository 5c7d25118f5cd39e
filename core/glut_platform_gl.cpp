// Window, pointer and picture operations on freeglut, OpenGL and DevIL.
#include "core/glut_platform.h"

#include <GL/freeglut.h>
#define ILUT_USE_OPENGL
#include <IL/il.h>
#include <IL/ilut.h>

#include <vector>

#include "core/platform.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

class WindowPlatform : public Platform {
 public:
  void enterFullScreen() override { glutFullScreen(); }

  void leaveFullScreen(int x, int y, int width, int height) override {
    glutPositionWindow(x, y);
    glutReshapeWindow(width, height);
  }

  int windowWidth() const override { return glutGet(GLUT_WINDOW_WIDTH); }
  int windowHeight() const override { return glutGet(GLUT_WINDOW_HEIGHT); }
  void warpPointer(int x, int y) override { glutWarpPointer(x, y); }

  void setCursor(CursorShape shape) override {
    glutSetCursor(shape == CursorShape::None ? GLUT_CURSOR_NONE : GLUT_CURSOR_LEFT_ARROW);
  }

  void ignoreKeyRepeat(bool ignore) override { glutIgnoreKeyRepeat(ignore ? 1 : 0); }

  unsigned loadTexture(const std::string& path) override {
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    GLuint texture = ilutGLLoadImage(name.data());
    // An undecodable picture draws untextured; there is nothing to report.
    while (ilGetError() != IL_NO_ERROR) {
    }
    return texture;
  }

  void freeTexture(unsigned texture) override {
    GLuint t = texture;
    glDeleteTextures(1, &t);
  }

  void showLoadingScreen(const std::string& message, float percent) override {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawLoadingScreen(message, percent);
    glutSwapBuffers();  // shown at once: loading goes on inside a callback
  }

  void drawWorldText(float x, float y, const std::string& text) override {
    displayTextStringIngame(x, y, text);
  }
};

WindowPlatform windowPlatform;

}  // namespace

void installWindowPlatform() {
  ilInit();
  ilEnable(IL_ORIGIN_SET);
  ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
  ilutInit();
  ilutRenderer(ILUT_OPENGL);
  setPlatform(&windowPlatform);
}

}  // namespace tf
