// Orderly shutdown.
#include "core/shutdown.h"

#include <cstdlib>
#include <utility>

#include "core/log.h"
#include "core/system.h"

namespace tf {
namespace {

bool shuttingDown = false;

std::function<void()>& releaseSteps() {
  static std::function<void()> steps;
  return steps;
}

[[noreturn]] void shutDown(bool saveSettings, int exitCode) {
  shuttingDown = true;
  if (releaseSteps()) {
    releaseSteps()();
  } else {
    gameLog.closeLog();
  }
  if (saveSettings && !saveSystem()) exitCode = 1;
  std::exit(exitCode);
}

}  // namespace

void setShutdownSteps(std::function<void()> steps) { releaseSteps() = std::move(steps); }

void quitEngine() { shutDown(true, 0); }

void quitEngineOnError() { shutDown(true, 1); }

void quitEngineWithoutSaving() { shutDown(false, 1); }

bool isShuttingDown() { return shuttingDown; }

}  // namespace tf
