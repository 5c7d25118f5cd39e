// The platform in use.
#include "core/platform.h"

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

}  // namespace tf
