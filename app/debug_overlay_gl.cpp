// Drawing the debug overlay, a half-transparent panel with its lines, and the
// volume indicator.
#include "app/debug_overlay.h"
#include "core/system.h"
#include "media/choice.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/menu_layout.h"

namespace tf {
namespace {

constexpr float kOverlayDepth = -2.0f;
constexpr float kPanelAlpha = 0.5f;

constexpr int kVolumeBoxX = 400, kVolumeBoxY = 500, kVolumeBoxHalfWidth = 100, kVolumeBoxHalfHeight = 25;
constexpr float kVolumeTextX = 335, kVolumeTextY = 500;

}  // namespace

void debugRender() {
  const DebugOverlay overlay = planDebugOverlay();
  if (!overlay.shown) return;
  displayTexture(overlay.x, overlay.y, kOverlayDepth, kDebugPanelHalfWidth, kDebugPanelHalfHeight, 1, 1, 1,
                 systemTexture(kImgDialogBackground), true, true, kPanelAlpha, kPickNone);
  for (const OverlayLine& line : overlay.lines) displayTextString(line.x, line.y, line.text);
}

void renderVolume() {
  if (!stepVolumeIndicator()) return;
  displaySingleChoice(kVolumeBoxX, kVolumeBoxY, kVolumeBoxHalfWidth, kVolumeBoxHalfHeight,
                      kImgGameEditorBackground, kPickBlocking.r, kPickBlocking.g, kPickBlocking.b);
  displayTextString(kVolumeTextX, kVolumeTextY, volumeText(gameSys.getSoundVolume()));
}

}  // namespace tf
