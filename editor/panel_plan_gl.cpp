// Drawing panel plans on the overlay.
#include "editor/panel_plan.h"

#include "media/choice.h"
#include "media/text.h"
#include "menus/ui_render.h"

namespace tf {

void drawPanelPlan(const PanelPlan& plan, bool picking) {
  if (!picking) {
    for (const PanelShade& s : plan.shades) drawShade(s.rect.x, s.rect.y, s.rect.w, s.rect.h, s.r, s.g, s.b, 1);
  }
  for (const PanelPicture& p : plan.pictures) {
    displaySingleChoice(p.rect.x, p.rect.y, p.rect.w, p.rect.h, p.image, p.pick.r, p.pick.g, p.pick.b);
  }
  if (picking) return;
  for (const PanelText& t : plan.texts) displayTextString(t.x, t.y, t.text);
}

}  // namespace tf
