// The program's only way out: frees images and sounds, closes the log, saves
// the settings and ends the process.
#pragma once

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

}  // namespace tf
