// Elapsed time, read through one replaceable source.
#include "core/clock.h"

#include <chrono>

namespace tf {
namespace {

int steadyElapsedMs() {
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now();
  return static_cast<int>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

std::function<int()>& source() {
  static std::function<int()> current = steadyElapsedMs;
  return current;
}

}  // namespace

int elapsedMs() { return source()(); }

void setClockSource(std::function<int()> newSource) {
  source() = newSource ? std::move(newSource) : std::function<int()>(steadyElapsedMs);
}

}  // namespace tf
