// Drawing a screen's panel plan on the overlay (panel_painter_gl.cpp): the
// window's platform hands every plan here.
#pragma once

#include "core/panel_plan.h"

namespace tf {

// Draws `plan` in order; in a pick pass only its pickable pictures, each as a
// flat rectangle in its pick colour, and its entry fields.
void paintPanel(const PanelPlan& plan, bool picking);

}  // namespace tf
