// The run state of the modules: the timers, throttles, click times, anchors
// and debounce they keep between events. Each module registers how to forget
// its own, and one call forgets all of them, when a game is left and before
// each test. User data (the console's history, settings, a game) is never
// part of it.
#pragma once

namespace tf {

// Adds `reset` to the resets run by resetRunState; returns true, so that a
// module can register from a namespace-scope initializer.
bool registerRunStateReset(void (*reset)());
// Runs every registered reset.
void resetRunState();

}  // namespace tf
