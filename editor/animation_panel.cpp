// What the animation panel shows and what its controls change.
#include "editor/animation_panel.h"

#include <string>

#include "editor/editor.h"
#include "editor/edits.h"
#include "editor/image_chooser.h"
#include "editor/panel_controls.h"
#include "media/images.h"

namespace tf {
namespace {

constexpr int kSpeedStep = 100;
constexpr float kPreviewX = 400, kPreviewY = 510, kPreviewHalfSize = 50;

// The animated image's settings, when it is an image of the registry.
struct Animation {
  int image = 0;
  bool on = false;
  int frames = 0, speed = 0;
};

bool animatedImage(ImageRegistry registry, Animation& a) {
  a.image = worldEditor.getCurrentAnimImage();
  if (!imageExists(registry, a.image)) return false;
  const img& image = registryImages(registry)[a.image];
  a.on = image.getAnimState();
  a.frames = image.getFrameCount();
  a.speed = image.getAnimSpeed();
  return true;
}

void openChooserForAnimation(ImageRegistry registry) {
  ChooserOpener opener;
  opener.registry = registry;
  opener.marked = [] { return worldEditor.getCurrentAnimImage(); };
  opener.choose = [](int image) { worldEditor.setCurrentAnimImage(image); };
  openImageChooser(std::move(opener));
}

// A frame count or speed outside its range is refused by the edit.
void change(ImageRegistry registry, int frameStep, int speedStep, int onSwitch) {
  Animation a;
  if (!animatedImage(registry, a)) return;
  const bool on = onSwitch < 0 ? a.on : onSwitch == 1;
  editSetAnimation(registry, a.image, a.frames + frameStep, a.speed + speedStep, on);
}

}  // namespace

void planAnimationPanel(ImageRegistry registry, PanelPlan& out) {
  Animation a;
  const bool shown = animatedImage(registry, a);
  out.text(13, 445, "^yAnimation Editing ^b| ^yImage^w: " + std::to_string(a.image) + "^b|^y Frames^w: " +
                        std::to_string(a.frames) + "^b|^y Speed (MS)^w: " + std::to_string(a.speed));
  out.picture(kImgNone, kPreviewX, kPreviewY, kPreviewHalfSize, kPreviewHalfSize, kPickBlocking);
  if (shown) {
    out.registryPicture(registry == kGameImages ? PictureSource::Game : PictureSource::Menu, a.image, kPreviewX,
                        kPreviewY, kPreviewHalfSize, kPreviewHalfSize);
  }
  labelWithButton(out, 14, 475, "Change Image:", kImgPlus, kPickAnimImage);
  labelWithPlusMinus(out, 13, 510, "Change Frames:", kPickAnimFramesMore, kPickAnimFramesFewer);
  labelWithPlusMinus(out, 13, 545, "Speed:", kPickAnimFaster, kPickAnimSlower);
  labelWithButtons(out, 13, 580, "Animation:", kImgOn, kPickAnimOn, kImgOff, kPickAnimOff);
}

bool animationPanelPick(ImageRegistry registry, const PickEvent& e) {
  switch (e.code) {
    case kPickAnimImage:
    case kPickAnimFramesMore:
    case kPickAnimFramesFewer:
    case kPickAnimOn:
    case kPickAnimOff:
    case kPickAnimFaster:
    case kPickAnimSlower:
      break;
    default:
      return false;
  }
  if (!e.leftPress() && !e.rightPress()) return true;
  switch (e.code) {
    case kPickAnimImage: openChooserForAnimation(registry); break;
    case kPickAnimFramesMore: change(registry, 1, 0, -1); break;
    case kPickAnimFramesFewer: change(registry, -1, 0, -1); break;
    case kPickAnimOn: change(registry, 0, 0, 1); break;
    case kPickAnimOff: change(registry, 0, 0, 0); break;
    case kPickAnimFaster: change(registry, 0, -kSpeedStep, -1); break;
    default: change(registry, 0, kSpeedStep, -1); break;
  }
  return true;
}

}  // namespace tf
