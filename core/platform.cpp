// The platform in use.
#include "core/platform.h"

#include "core/system.h"

namespace tf {
namespace {
// The virtual screen every overlay drawing is laid out on.
constexpr double kOverlayWidth = 800.0;
constexpr double kOverlayHeight = 600.0;

Platform windowless;
Platform* current = &windowless;
}  // namespace

void Platform::unprojectPointer(int x, int y, double& worldX, double& worldY, double& overlayX,
                                double& overlayY) const {
  worldX = worldY = 0;
  const int w = windowWidth(), h = windowHeight();
  overlayX = w > 0 ? x * kOverlayWidth / w : 0;
  overlayY = h > 0 ? y * kOverlayHeight / h : 0;
}

Platform& platform() { return *current; }

void setPlatform(Platform* p) { current = p ? p : &windowless; }

bool readPixelUnderPointer(unsigned char pixel[3]) {
  int x, y;
  gameSys.getMousePos(x, y);
  if (x < 1 || x >= current->windowWidth() || y < 1 || y >= current->windowHeight()) return false;
  return current->readPixel(x, y, pixel[0], pixel[1], pixel[2]);
}

bool pickUnderPointer(unsigned char pixel[3]) {
  gameSys.setColorPick(true);
  current->drawPickScene();
  gameSys.setColorPick(false);
  return readPixelUnderPointer(pixel);
}

}  // namespace tf
