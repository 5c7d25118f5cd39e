// Orderly shutdown.
#include "core/shutdown.h"

#include <cstdlib>

#include "core/log.h"
#include "core/system.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "media/images.h"
#include "media/sound.h"

namespace tf {
namespace {

bool shuttingDown = false;

[[noreturn]] void shutDown(bool saveSettings, int exitCode) {
  shuttingDown = true;
  // One of the toolkit's own menu sets open for editing: restore the toolkit's
  // images and menus before they are freed.
  if (checkGameName(world.getGameName())) leaveGame();
  freeImageTables();
  gameLog.closeLog();
  freeSystemSounds();
  if (saveSettings && !saveSystem()) exitCode = 1;
  std::exit(exitCode);
}

}  // namespace

void quitEngine() { shutDown(true, 0); }

void quitEngineOnError() { shutDown(true, 1); }

void quitEngineWithoutSaving() { shutDown(false, 1); }

bool isShuttingDown() { return shuttingDown; }

}  // namespace tf
