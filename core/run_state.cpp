// The registered resets of the modules' run state.
#include "core/run_state.h"

#include <vector>

namespace tf {
namespace {

std::vector<void (*)()>& resets() {
  static std::vector<void (*)()> registered;
  return registered;
}

}  // namespace

bool registerRunStateReset(void (*reset)()) {
  if (reset) resets().push_back(reset);
  return true;
}

void resetRunState() {
  for (void (*reset)() : resets()) reset();
}

}  // namespace tf
