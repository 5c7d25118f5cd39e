// What the world editor's editing screen draws over the map, as a panel plan:
// the toolbar on the left, the lower panel of the mode with the map and layer
// lines and the map arrows, the fold and unfold icons, the edge markers and
// the play-test button. The logic editor (modes 6 and 7) and the panels over
// the editor (image chooser, welcome, tips) draw themselves.
#pragma once

#include "core/panel_plan.h"

namespace tf {

// One icon of the toolbar and the modes it is shown in.
struct ToolbarIcon {
  enum Shown { Always, ObjectMode, SingleObject };
  int image;
  int code;
  Shown shown;
  bool gapAfter;  // a wider gap follows it
};
extern const ToolbarIcon kToolbarIcons[13];

// The toolbar's icons: at x = 30, the first at y = 50, each next 30 lower
// and 15 more after a gap; half size 15.
constexpr int kToolbarX = 30;
constexpr int kToolbarFirstY = 50;
constexpr int kToolbarStep = 30;
constexpr int kToolbarGap = 15;
constexpr int kToolbarIconHalfSize = 15;

// The editing screen for the current game, map, mode and selection.
void planWorldEditor(PanelPlan& out);

}  // namespace tf
