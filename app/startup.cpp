// Start-up decisions, frame pacing and the frame plan.
#include "app/startup.h"

#include <algorithm>

#include "console/console.h"
#include "core/clock.h"
#include "core/log.h"
#include "core/numbers.h"
#include "core/run_state.h"
#include "core/script_object.h"
#include "core/system.h"
#include "media/splash.h"

namespace tf {
namespace {

// Cap used when the settings give none, or one that cannot pace frames.
constexpr int kDefaultFrameCap = 30;
// Play and play-test run at up to about 60 frames a second, whatever the cap.
constexpr int kPlayFrameMs = 16;
constexpr int kRateIntervalMs = 1000;
// Window positions and sizes are 16-bit numbers on the display.
constexpr int kMaxWindowCoordinate = 32767;

int lastFrameTime = 0;
int rateFrames = 0;
int lastRateTime = 0;

// Forgets the time of the last frame and of the last rate measurement.
void resetFramePacing() {
  lastFrameTime = 0;
  rateFrames = 0;
  lastRateTime = 0;
}
const bool registered = registerRunStateReset(resetFramePacing);

}  // namespace

void reportBanner() {
  systemMsg("^4^yTessera Forge");
  systemMsg("");
  systemMsg("^wA toolkit for making and playing tile-based games.");
  systemMsg("^wMaps, objects and logic sentences, without writing a program.");
  systemMsg("");
  systemMsg("^g^2Tessera Forge Engine Initializing...");
  systemMsg("");
  systemMsg("^wCreating log file: ^ylog.txt^w. Refer to this file for diagnostic information.");
}

WindowGeometry readWindowGeometry() {
  systemMsg("^wChecking for fullscreen...");
  WindowGeometry g;
  g.x = truncToInt(scriptSys.findLineF("windowx"));
  g.y = truncToInt(scriptSys.findLineF("windowy"));
  g.width = truncToInt(scriptSys.findLineF("windowwidth"));
  g.height = truncToInt(scriptSys.findLineF("windowheight"));
  // Beyond what a window system can place, a number is as invalid as a negative one.
  bool placeable = g.x <= kMaxWindowCoordinate && g.y <= kMaxWindowCoordinate &&
                   g.width <= kMaxWindowCoordinate && g.height <= kMaxWindowCoordinate;
  if (g.x < 0 || g.y < 0 || g.width < kMinWindowWidth || g.height < kMinWindowHeight || !placeable) {
    systemMsg("^wINVALID WINDOW PARAMETERS ENTERED! Defaulting to 0x0x800x600");
    g = WindowGeometry();
  }
  return g;
}

void readFullScreen() {
  if (truncToInt(scriptSys.findLineF("windowfscreen")) == 1) setFullScreen(true, true);
}

void readFrameCap() {
  gameSys.setFPSRender(truncToInt(scriptSys.findLineF("fps")));
  if (gameSys.getFPSRender() == -1) {
    systemMsg("^rERROR: ^wInvalid FPS Value entered, resetting to 30 fps");
    gameSys.setFPSRender(kDefaultFrameCap);
  }
}

void readDebugMode() {
  gameSys.setDebugState(truncToInt(scriptSys.findLineF("debugMode")) != 0, true);
}

int firstGameState() {
  return !gameSys.getDebugState() && !splash.getHideSplash() ? kStateSplash : kStateMenus;
}

void readSoundSettings() {
  gameSys.setLastGameEdited(scriptSys.findLineS("lastGameEdited"));
  gameSys.setSoundState(scriptSys.findLineF("sound") != 0);
  gameSys.setSoundVolume(scriptSys.findLineF("soundVolume"));
}

void echoWelcome() {
  const char* const lines[] = {
      "", "", "^3^wWelcome to Tessera Forge", "", "^wMake games from maps, objects and sentences.", ""};
  for (const char* line : lines) console.echo(line);
  console.echo(std::string("^wVersion ^y") + kVersion + " ^w- Build ^y" + std::to_string(kBuildNumber));
  console.echo("^wUse '^yUp^w' and '^yDown^w' to scroll the console");
  console.echo("^wUse '^yPage Up^w' and '^yPage Down^w' to jump to the ends of the list");
  console.echo("^wType '^yhelp^w' ^wfor command assistance");
  console.echo("");
}

namespace {

// A frame is due once more than this many ms have passed since the last.
int frameInterval() {
  const int state = gameSys.getGameState();
  if (state == kStatePlay || state == kStatePlaytest) return kPlayFrameMs;
  // A cap of 0 or below cannot pace frames; it paces as the default cap.
  const int cap = gameSys.getFPSRender();
  return 1000 / (cap > 0 ? cap : kDefaultFrameCap);
}

}  // namespace

bool renderScene() {
  int now = elapsedMs();
  if (now - lastFrameTime <= frameInterval()) return false;
  lastFrameTime = now;
  return true;
}

int msUntilNextFrame() {
  const int wait = lastFrameTime + frameInterval() + 1 - elapsedMs();
  // Never longer than a frame of play, so that a game started meanwhile is
  // not held back by the slower pace of the menus.
  return std::clamp(wait, 0, kPlayFrameMs + 1);
}

void framesPerSecond() {
  int now = elapsedMs();
  ++rateFrames;
  int since = now - lastRateTime;
  if (since > kRateIntervalMs) {
    gameSys.setCurFPS(static_cast<int>(static_cast<long long>(rateFrames) * 1000 / since));
    lastRateTime = now;
    rateFrames = 0;
  }
}

FramePlan planFrame(int gameState, bool gameLoaded, bool editorMenuShown, bool consoleOrHelpOpen) {
  const bool playing = gameState == kStatePlay || gameState == kStatePlaytest;
  FramePlan plan;
  plan.drawGame = playing || (gameState == kStateWorldEditor && editorMenuShown) ||
                  (gameState == kStateDialog && gameLoaded);
  plan.runKeyLogic = playing && !consoleOrHelpOpen;
  plan.drawGameBox = playing;
  plan.drawMenus = !playing && gameState != kStateSplash;
  plan.drawDialog = gameState == kStateDialog;
  plan.drawSplash = gameState == kStateSplash;
  plan.drawNotice = gameState != kStateSplash;
  plan.drawPlaytestBanner = gameState == kStatePlaytest;
  plan.drawTooltip = gameState != kStateSplash;
  return plan;
}

}  // namespace tf
