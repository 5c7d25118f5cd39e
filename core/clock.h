// The program's one source of time: milliseconds elapsed since start.
// Logic timers, animation, blinking, debounce, tooltips, splash fades and frame
// pacing all read it here, so tests can replace it with a clock they control.
#pragma once

#include <functional>

namespace tf {

// Milliseconds since the program started (the window toolkit's elapsed time).
int elapsedMs();

// Replaces the time source; an empty function restores the steady clock that
// counts from the first call.
void setClockSource(std::function<int()> source);

}  // namespace tf
