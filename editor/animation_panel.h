// The animation panel of an image registry: the editor's animated image with
// its frame count, speed and switch, a live preview, and the controls that
// change them (the world editor's animation editing on the game images, the
// menu editor's on the menu images). Every change goes through the edits.
#pragma once

#include "core/panel_plan.h"
#include "core/screen.h"
#include "editor/image_registry.h"

namespace tf {

// The panel's lines, preview and controls.
void planAnimationPanel(ImageRegistry registry, PanelPlan& out);

// Its codes, each on a left or right press: the image (opens the chooser on
// `registry`), more and fewer frames (0 to 9), on and off, faster and slower
// (100 to 1000 ms a frame). True for the panel's codes, whatever the event.
bool animationPanelPick(ImageRegistry registry, const PickEvent& e);

}  // namespace tf
