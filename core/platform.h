// The seam between the program's logic and its window. Everything that needs a
// real window, an OpenGL context or the pointer is asked of the platform, so
// the logic runs (and is tested) without a display. The base class is the
// platform of a program without a window: it draws nothing and loads nothing.
#pragma once

#include <string>

namespace tf {

enum class CursorShape { Arrow, None };

class Platform {
 public:
  virtual ~Platform() = default;

  // Window.
  virtual void enterFullScreen() {}
  virtual void leaveFullScreen(int x, int y, int width, int height) {}
  virtual int windowWidth() const { return 800; }
  virtual int windowHeight() const { return 600; }
  virtual void warpPointer(int x, int y) {}
  virtual void setCursor(CursorShape shape) {}
  // While set, a held key sends no repeated presses.
  virtual void ignoreKeyRepeat(bool ignore) {}

  // Pictures: a texture name for the picture file, 0 when it cannot be read.
  virtual unsigned loadTexture(const std::string& path) { return 0; }
  virtual void freeTexture(unsigned texture) {}

  // Drawing that the logic asks for while it runs: one loading-screen frame
  // shown at once, and a text in the game world at the moment of an action.
  virtual void showLoadingScreen(const std::string& message, float percent) {}
  virtual void drawWorldText(float x, float y, const std::string& text) {}
};

// The platform in use; the windowless one until the program opens its window.
Platform& platform();
// Installs `p` (not owned); nullptr returns to the windowless platform.
void setPlatform(Platform* p);

}  // namespace tf
