// Window, pointer and picture operations on freeglut, OpenGL and DevIL.
#include "app/glut_platform.h"

#include <GL/freeglut.h>
#define ILUT_USE_OPENGL
#include <IL/il.h>
#include <IL/ilut.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform.h"
#include "editor/panel_painter.h"
#include "input/color_pick.h"
#include "input/picking.h"
#include "input/window_input.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

// Screenshots: screen0.tga, screen1.tga, ... below this number.
constexpr int kScreenshotNames = 128;

bool fileExists(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

std::string freeScreenshotName() {
  for (int i = 0; i < kScreenshotNames - 1; ++i) {
    std::string name = "screen" + std::to_string(i) + ".tga";
    if (!fileExists(name)) return name;
  }
  return "";
}

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
  // Asked only inside the toolkit's key callbacks, where the modifiers are known.
  bool shiftHeld() const override { return (glutGetModifiers() & GLUT_ACTIVE_SHIFT) != 0; }

  void unprojectPointer(int x, int y, double& worldX, double& worldY, double& overlayX,
                        double& overlayY) const override {
    unprojectOnWindow(x, y, worldX, worldY, overlayX, overlayY);
  }

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

  void drawPanel(const PanelPlan& plan, bool picking) override { paintPanel(plan, picking); }

  // The pick scene is drawn into the back buffer and read back from it; the
  // next frame clears it before anything is shown.
  void drawPickScene() override { drawColorPickScene(); }

  bool readPixel(int x, int y, unsigned char& r, unsigned char& g, unsigned char& b) override {
    while (glGetError() != GL_NO_ERROR) {
    }
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLubyte pixel[4] = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, viewport[3] - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    r = pixel[0];
    g = pixel[1];
    b = pixel[2];
    return glGetError() == GL_NO_ERROR;
  }

  void selectionPass() override { renderPick(); }

  // The picture is taken from the back buffer once the next frame is drawn
  // there, before it is shown (capturePendingScreenshot): what the front
  // buffer holds cannot be read back everywhere.
  void saveScreenshot(std::function<void(const std::string& file)> done) override {
    pendingScreenshot = std::move(done);
  }

  void capturePendingScreenshot() {
    if (!pendingScreenshot) return;
    std::function<void(const std::string&)> done = std::move(pendingScreenshot);
    pendingScreenshot = nullptr;
    done(captureScreenshot());
  }

 private:
  // The frame goes to the first free screen<i>.tga. Read back from OpenGL
  // and saved as it comes (as ILUT's own screenshot does) it reads upside
  // down in image viewers; marked as starting at its top row, DevIL's writer
  // turns it the right way up. Whether the writing succeeded is seen from
  // the file.
  static std::string captureScreenshot() {
    const std::string file = freeScreenshotName();
    if (file.empty()) return "";
    glReadBuffer(GL_BACK);
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (ilutGLScreen()) {
      ilRegisterOrigin(IL_ORIGIN_UPPER_LEFT);
      ilSave(IL_TGA, file.c_str());
    }
    ilDeleteImages(1, &image);
    while (ilGetError() != IL_NO_ERROR) {
    }
    return fileExists(file) ? file : "";
  }

  std::function<void(const std::string&)> pendingScreenshot;
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

void capturePendingScreenshot() { windowPlatform.capturePendingScreenshot(); }

}  // namespace tf
