// The debug overlay's lines and place, the debug greeting, and the volume
// indicator's timer and text.
#include "app/debug_overlay.h"

#include <cstdio>

#include "console/console.h"
#include "core/camera.h"
#include "core/clock.h"
#include "core/numbers.h"
#include "core/system.h"
#include "game/world.h"
#include "menus/ui.h"

namespace tf {
namespace {

// The first line lies this far above the panel's centre, so that the eleven
// lines of the fullest overlay stay inside the panel, and on the screen when
// the panel is lowered.
constexpr float kDebugFirstLineOffset = -65;

// A volume change sets the timer to 1000; each shown frame takes 20 off.
constexpr int kVolumeFrameStep = 20;
// At and below this volume the value is shown as a whole number.
constexpr float kWholeVolumeLimit = 0.2f;
constexpr float kVolumeScale = 10.0f;

// Two significant digits, in the short form a stream gives (1.3, 12, 0).
std::string twoDigits(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2g", value);
  return text;
}

bool strictlyInside(int mx, int my, float x, float y) {
  return mx > x - kDebugPanelHalfWidth && mx < x + kDebugPanelHalfWidth && my > y - kDebugPanelHalfHeight &&
         my < y + kDebugPanelHalfHeight;
}

std::vector<std::string> figureLines() {
  float camx, camy, camz;
  camera.GetPos(camx, camy, camz);
  int mx, my;
  gameSys.getOrthoPos(mx, my);
  double wx, wy;
  gameSys.getNormalPos(wx, wy);
  return {
      std::string("^wVer. ^y") + kVersion + "^w Build ^y" + std::to_string(kBuildNumber),
      "FPS: ^g" + std::to_string(gameSys.getCurFPS()),
      "Camera: ^y" + twoDigits(camx) + ", " + twoDigits(camy),
      "M UI: ^y" + std::to_string(mx) + ", " + std::to_string(my),
      "M IG: ^y" + twoDigits(wx) + ", " + twoDigits(wy),
      "Time Elapsed: ^y" + std::to_string(elapsedMs() / 1000),
  };
}

std::vector<std::string> gameLines() {
  const int m = world.getCurrentMap();
  int w = 0, h = 0;
  std::string name;
  world.worldGetMap(w, h, name, m);
  return {
      "^yGame Debug",
      "Maps: ^y" + std::to_string(world.getMapCount()),
      "Map: ^y" + std::to_string(m),
      "Map Size: ^y" + std::to_string(w) + "x" + std::to_string(h),
      "Objects: ^y" + std::to_string(world.worldGetObjectCount(m)),
  };
}

std::vector<std::string> menuLines() {
  const int menu = gameUI.getCurrentMenu();
  return {
      "^yUI DEBUG^w. Menu:^y " + std::to_string(menu),
      "Menus: ^y" + std::to_string(gameUI.getMenuCount()),
      "Buttons: ^y" + std::to_string(gameUI.menuGetButtonCount(menu)),
      "Textboxes: ^y" + std::to_string(gameUI.menuGetTextboxCount(menu)),
      "TextLines: ^y" + std::to_string(gameUI.menuGetTextlineCount(menu)),
  };
}

// The section below the figures: the game while one is shown, nothing on the
// splash or over the editor's other menus, the menus otherwise.
std::vector<std::string> sectionLines() {
  const int state = gameSys.getGameState();
  const bool editorMenu = gameUI.getCurrentMenu() == gameUI.getEditorMenu();
  if (state == kStatePlay || state == kStatePlaytest || (state == kStateWorldEditor && editorMenu)) {
    return gameLines();
  }
  if (state == kStateSplash || state == kStateWorldEditor) return {};
  return menuLines();
}

}  // namespace

DebugOverlay planDebugOverlay() {
  DebugOverlay overlay;
  const bool consoleOpen = console.getConsoleState();
  if (consoleOpen) overlay.y = kDebugPanelLoweredY;
  int mx, my;
  gameSys.getOrthoPos(mx, my);
  if (strictlyInside(mx, my, overlay.x, overlay.y)) {
    if (consoleOpen) return overlay;
    overlay.y = kDebugPanelLoweredY;
  }
  overlay.shown = true;
  std::vector<std::string> texts = figureLines();
  for (std::string& line : sectionLines()) texts.push_back(std::move(line));
  const float x = overlay.x - kDebugTextIndent;
  float y = overlay.y + kDebugFirstLineOffset;
  for (std::string& text : texts) {
    overlay.lines.push_back({x, y, std::move(text)});
    y += kDebugLineSpacing;
  }
  return overlay;
}

bool stepVolumeIndicator() {
  const int timer = gameSys.getVolTimer();
  if (timer < 1) return false;
  gameSys.setVolTimer(timer - kVolumeFrameStep);
  return true;
}

std::string volumeText(float volume) {
  const float scaled = volume * kVolumeScale;
  // Volume steps of a tenth add up to a hair below a whole tenth (0.0999999
  // after stepping down from 1), so the low values are rounded, not cut.
  const std::string value = volume <= kWholeVolumeLimit ? std::to_string(truncToInt(scaled + 0.5f))
                                                         : formatFloat(scaled);
  return "^y^3Volume:^w " + value;
}

}  // namespace tf
