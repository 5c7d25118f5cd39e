// The parts of start-up and of the frame loop that decide rather than draw:
// reading the window geometry, frame cap and debug mode from the settings, the
// start-up messages, frame pacing by game state, the measured frame rate, and
// which steps a frame performs in which state.
#pragma once

namespace tf {

struct WindowGeometry {
  int x = 0, y = 0, width = 800, height = 600;
};

// The smallest window the toolkit accepts.
constexpr int kMinWindowWidth = 800;
constexpr int kMinWindowHeight = 600;

// The banner that opens the log.
void reportBanner();
// Reads the window position and size from the settings; an invalid or missing
// value is reported and gives 0, 0, 800, 600.
WindowGeometry readWindowGeometry();
// Switches to full screen, silently, when the settings ask for it. Needs the
// window's platform installed and the window size stored.
void readFullScreen();
// Sets the frame cap from the settings (30 with a message when it is missing).
void readFrameCap();
// Switches debug mode from the settings (on unless it reads 0).
void readDebugMode();
// Game state 3 (splash) unless debug mode is on or the splash is hidden.
int firstGameState();
// The sound switch, volume and last edited game from the settings.
void readSoundSettings();
// The console's welcome lines.
void echoWelcome();

// Frame pacing: true when a new frame is due (more than 16 ms after the last
// in play and play-test, more than 1000 / cap ms in every other state).
bool renderScene();
// Milliseconds until renderScene will next find a frame due (0: one is due
// now), at most a frame of play. The event loop sleeps this long between
// frames instead of asking again and again.
int msUntilNextFrame();
// Counts a frame and updates the measured frame rate once a second.
void framesPerSecond();

// Which steps of a frame run, by game state.
struct FramePlan {
  bool drawGame = false;         // the map, its objects, fog and phrase
  bool runKeyLogic = false;      // held keys run the key logic once
  bool drawGameBox = false;      // the full-screen image of the logic
  bool drawMenus = false;
  bool drawDialog = false;
  bool drawSplash = false;
  bool drawNotice = false;
  bool drawPlaytestBanner = false;
  bool drawTooltip = false;      // with the editor's welcome and tips panel
};

// `editorMenuShown`: the current menu is the editor menu; `consoleOrHelpOpen`
// stops held keys from reaching the game.
FramePlan planFrame(int gameState, bool gameLoaded, bool editorMenuShown, bool consoleOrHelpOpen);

}  // namespace tf
