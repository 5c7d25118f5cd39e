// What the menu editor's panel at the bottom of the screen shows in each mode:
// the icons (animation, save, quit), the menu stepper, the controls of the
// selected item or menu, the help lines, and the shades that mark the
// selection. Nothing while an item is being dragged; only the unfold icon
// while the panel is folded away.
#pragma once

#include "core/panel_plan.h"
#include "menus/menu_layout.h"

namespace tf {

// Folded away: a small block with the unfold icon at the lower right.
constexpr WholeRect kMenuPanelFoldedBlock{780, 580, 20, 20};
constexpr WholeRect kMenuPanelUnfold{780, 580, 15, 15};
// The panel, taller in animation editing, and its fold icon.
constexpr WholeRect kMenuPanel{400, 560, 400, 40};
constexpr WholeRect kMenuPanelAnimation{400, 510, 400, 90};
constexpr WholeRect kMenuPanelFold{782, 534, 11, 11};
// The icons: animation editing, save, and leaving the editor.
constexpr WholeRect kMenuPanelAnimationIcon{720, 560, 16, 16};
constexpr WholeRect kMenuPanelSaveIcon{750, 560, 16, 16};
constexpr WholeRect kMenuPanelQuitIcon{780, 560, 16, 16};

// Where the panel's labels stand (left end and baseline).
struct LabelPlace {
  int x, y;
};
constexpr LabelPlace kChangeMenuLabel{13, 563};
constexpr LabelPlace kStatusLabel{13, 539};
constexpr LabelPlace kHintLabel{13, 585};
constexpr LabelPlace kBackgroundLabel{213, 563};
constexpr LabelPlace kAddTextlineLabel{473, 563};
constexpr LabelPlace kButtonImageLabel{213, 563};
constexpr LabelPlace kWidthLabel{453, 563};
constexpr LabelPlace kHeightLabel{453, 585};
constexpr LabelPlace kAddAnotherTextlineLabel{213, 563};
constexpr LabelPlace kDeleteTextlineLabel{385, 563};
// The help lines shown with nothing selected.
constexpr float kHelpLinesX = 13;
constexpr float kHelpLineYs[] = {535, 550, 563, 576, 589};

// The panel as the editor's state has it now.
void planMenuEditorPanel(PanelPlan& out);

}  // namespace tf
