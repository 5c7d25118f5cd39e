// Drawing one frame of the splash sequence: the current picture over the
// whole screen at the sequence's brightness, under a veil that clicks cannot
// pass.
#include "media/choice.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/splash.h"

namespace tf {
namespace {

constexpr int kScreenCentreX = 400, kScreenCentreY = 300;
constexpr int kScreenHalfWidth = 400, kScreenHalfHeight = 300;
// The veil's pick colour: the colour that blocks clicks.
constexpr int kBlockingPick = 144;

}  // namespace

void splashRender() {
  SplashFrame frame = advanceSplash();
  if (!frame.draw) return;
  if (frame.image >= 0 && frame.image < static_cast<int>(uiImage.size())) {
    displayTexture(kScreenCentreX, kScreenCentreY, 0, kScreenHalfWidth, kScreenHalfHeight, frame.alpha,
                   frame.alpha, frame.alpha, uiImage[frame.image].GetTex(), true, false, frame.alpha, kPickNone);
  }
  displaySingleChoice(kScreenCentreX, kScreenCentreY, kScreenHalfWidth, kScreenHalfHeight, kImgNone, kBlockingPick,
                      kBlockingPick, kBlockingPick);
}

}  // namespace tf
