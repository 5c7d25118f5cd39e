// The platform in use.
#include "core/platform.h"

namespace tf {
namespace {
Platform windowless;
Platform* current = &windowless;
}  // namespace

Platform& platform() { return *current; }

void setPlatform(Platform* p) { current = p ? p : &windowless; }

}  // namespace tf
