// Window, pointer and picture operations on freeglut, OpenGL and DevIL.
#include "core/glut_platform.h"

#include <GL/freeglut.h>
#define ILUT_USE_OPENGL
#include <IL/il.h>
#include <IL/ilut.h>

#include <vector>

#include "core/platform.h"
#include "media/draw.h"
#include "media/images.h"

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
    ilGetError();  // an undecodable picture draws untextured; nothing to report
    return texture;
  }

  void freeTexture(unsigned texture) override {
    GLuint t = texture;
    glDeleteTextures(1, &t);
  }

  void showLoadingScreen(const std::string& message, float percent) override {
    drawLoadingScreen(message, percent);
  }

 private:
  static void drawLoadingScreen(const std::string& message, float percent) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    auto tex = [](int index) { return sysImage[index].GetTex(); };
    displayTexture(400, 300, -1, 400, 300, 1, 1, 1, tex(kImgLoad), true, false, 1, 1);
    displayTexture(70, 575, -1, 53, 7, 0, 0, 0.6f, tex(kImgShader), true, true, 1, 1);
    displayTexture(20 + 50 * percent, 575, -1, 50 * percent, 5, 0, 0, 1, tex(kImgShader), true, true,
                   1, 1);
    glutSwapBuffers();
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
