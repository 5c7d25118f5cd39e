// The program's only way out: frees images and sounds, closes the log, saves
// the settings and ends the process.
#pragma once

#include <functional>

namespace tf {

// Orderly end: exit code 0.
[[noreturn]] void quitEngine();
// End after a fatal error (a file that cannot be written or read): the same
// shutdown, with exit code 1 so that the failure is not reported as success.
[[noreturn]] void quitEngineOnError();
// End after the settings could not be saved: no second attempt to save them.
[[noreturn]] void quitEngineWithoutSaving();
// True once a shutdown has begun.
bool isShuttingDown();

// What is released before the settings are saved: the game, images and
// sounds of the whole program, and the log, in the order the program needs.
// The top of the program installs it at start-up; without it only the log is
// closed.
void setShutdownSteps(std::function<void()> steps);

}  // namespace tf
