// The global camera.
#include "core/camera.h"

namespace tf {
Camera camera;
}  // namespace tf
