// Panel plans on OpenGL: system pictures as clickable pictures, game and menu
// images with their animation frame, texts and the editors' entry fields.
#include "editor/panel_painter.h"

#include <GL/gl.h>

#include <vector>

#include "media/choice.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/ui_render.h"

namespace tf {
namespace {

// Panels lie in front of everything else on the overlay.
constexpr float kPanelDepth = -2.0f;

const std::vector<img>* registryOf(PictureSource source) {
  switch (source) {
    case PictureSource::Game: return &gameImg;
    case PictureSource::Menu: return &uiImage;
    default: return nullptr;
  }
}

void drawRegistryPicture(const PanelItem& item, bool picking) {
  const std::vector<img>* images = registryOf(item.source);
  if (!images || item.image < 0 || item.image >= static_cast<int>(images->size())) return;
  const img& image = (*images)[item.image];
  if (picking) {
    glColor3ub(static_cast<GLubyte>(item.pick.r), static_cast<GLubyte>(item.pick.g),
               static_cast<GLubyte>(item.pick.b));
    displayTexture(item.x, item.y, kPanelDepth, item.w, item.h, 1, 1, 1, 0, true, false, 1, kPickFlat);
  } else if (image.getAnimState()) {
    displayFrame(item.x, item.y, kPanelDepth, item.w, item.h, image.GetTex(),
                 static_cast<float>(image.getCurrentFrame()), true, true, kPickNone);
  } else {
    displayTexture(item.x, item.y, kPanelDepth, item.w, item.h, 1, 1, 1, image.GetTex(), true, true, 1,
                   kPickNone);
  }
}

void drawPicture(const PanelItem& item, bool picking) {
  if (picking && !item.pickable) return;
  if (item.source != PictureSource::System) {
    drawRegistryPicture(item, picking);
    return;
  }
  displaySingleChoice(static_cast<int>(item.x), static_cast<int>(item.y), static_cast<int>(item.w),
                      static_cast<int>(item.h), item.image, item.pick.r, item.pick.g, item.pick.b);
}

}  // namespace

void paintPanel(const PanelPlan& plan, bool picking) {
  for (const PanelItem& item : plan.items()) {
    switch (item.kind) {
      case PanelItem::Picture: drawPicture(item, picking); break;
      case PanelItem::Text:
        if (!picking) displayTextString(item.x, item.y, item.text);
        break;
      case PanelItem::Field:
        displayTextbox(static_cast<int>(item.x), static_cast<int>(item.y), static_cast<int>(item.w), 0, item.image);
        break;
      case PanelItem::Shade:
        if (!picking) drawShade(item.x, item.y, item.w, item.h, item.r, item.g, item.b, 1);
        break;
    }
  }
}

}  // namespace tf
