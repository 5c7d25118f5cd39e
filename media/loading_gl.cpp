// The loading screen: the loading picture over the whole screen, the step
// being loaded, and a progress bar that grows to the right.
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

constexpr float kDepth = -1;
constexpr float kMessageX = 20, kMessageY = 550;
constexpr float kBarLeft = 20, kBarY = 575;
constexpr float kBarLength = 100;  // a full bar, in screen units
constexpr float kBarHalfHeight = 5;
// The frame around the bar reaches a little beyond it on every side.
constexpr float kFrameX = 70, kFrameHalfWidth = 53, kFrameHalfHeight = 7;
// Pick name of the loading screen's rectangles.
constexpr int kLoadingPick = 1;

}  // namespace

void drawLoadingScreen(const std::string& message, float percent) {
  displayTexture(400, 300, kDepth, 400, 300, 1, 1, 1, systemTexture(kImgLoad), true, false, 1, kLoadingPick);
  displayTextString(kMessageX, kMessageY, message);
  displayTexture(kFrameX, kBarY, kDepth, kFrameHalfWidth, kFrameHalfHeight, 0, 0, 0.6f, systemTexture(kImgShader),
                 true, true, 1, kLoadingPick);
  const float half = kBarLength / 2 * percent;
  displayTexture(kBarLeft + half, kBarY, kDepth, half, kBarHalfHeight, 0, 0, 1, systemTexture(kImgShader), true,
                 true, 1, kLoadingPick);
}

}  // namespace tf
