// The seam between the program's logic and its window. Everything that needs a
// real window, an OpenGL context or the pointer is asked of the platform, so
// the logic runs (and is tested) without a display. The base class is the
// platform of a program without a window: it draws nothing and loads nothing.
#pragma once

#include <functional>
#include <string>

#include "core/panel_plan.h"

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
  // Whether shift is held during the key event being handled.
  virtual bool shiftHeld() const { return false; }
  // The pointer at window pixel (x, y), y counted from the top: in world units
  // on the plane under the camera, and in the 800 x 600 overlay units. The
  // windowless platform has no world in view and an overlay the size of the
  // window.
  virtual void unprojectPointer(int x, int y, double& worldX, double& worldY, double& overlayX,
                                double& overlayY) const;

  // Pictures: a texture name for the picture file, 0 when it cannot be read.
  virtual unsigned loadTexture(const std::string& path) { return 0; }
  virtual void freeTexture(unsigned texture) {}

  // Drawing that the logic asks for while it runs: one loading-screen frame
  // shown at once, and a text in the game world at the moment of an action.
  virtual void showLoadingScreen(const std::string& message, float percent) {}
  virtual void drawWorldText(float x, float y, const std::string& text) {}
  // A screen's panel on the overlay, in its pick colours when `picking`.
  virtual void drawPanel(const PanelPlan& plan, bool picking) {}

  // Picking what lies under the pointer. The colour pick scene is the screen
  // drawn once more, unseen, with every clickable thing in its pick colour;
  // readPixel reads one pixel of it back at window pixel (x, y), y counted
  // from the top (false when there is no pixel to read). The selection pass
  // finds the map's object or tile under the pointer and acts on it.
  virtual void drawPickScene() {}
  virtual bool readPixel(int x, int y, unsigned char& r, unsigned char& g, unsigned char& b) { return false; }
  virtual void selectionPass() {}

  // Saves the next frame drawn as a picture file in the working folder, then
  // tells `done` the name of the file written, or "" when none was. Without
  // a window there is no frame: `done` hears "" at once.
  virtual void saveScreenshot(std::function<void(const std::string& file)> done) { done(""); }
};

// The platform in use; the windowless one until the program opens its window.
Platform& platform();
// Installs `p` (not owned); nullptr returns to the windowless platform.
void setPlatform(Platform* p);

}  // namespace tf
