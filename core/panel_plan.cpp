// Building a panel plan item by item.
#include "core/panel_plan.h"

#include <utility>

namespace tf {

PanelItem& PanelPlan::add(PanelItem::Kind kind) {
  items_.emplace_back();
  items_.back().kind = kind;
  return items_.back();
}

namespace {

void place(PanelItem& item, float x, float y, float w, float h) {
  item.x = x;
  item.y = y;
  item.w = w;
  item.h = h;
}

}  // namespace

void PanelPlan::picture(int image, float x, float y, float w, float h, const PickColor& pick) {
  registryPicture(PictureSource::System, image, x, y, w, h, pick);
}

void PanelPlan::picture(int image, float x, float y, float w, float h) {
  registryPicture(PictureSource::System, image, x, y, w, h);
}

void PanelPlan::registryPicture(PictureSource source, int image, float x, float y, float w, float h,
                                const PickColor& pick) {
  registryPicture(source, image, x, y, w, h);
  items_.back().pickable = true;
  items_.back().pick = pick;
}

void PanelPlan::registryPicture(PictureSource source, int image, float x, float y, float w, float h) {
  PanelItem& item = add(PanelItem::Picture);
  item.source = source;
  item.image = image;
  place(item, x, y, w, h);
}

void PanelPlan::text(float x, float y, std::string text) {
  PanelItem& item = add(PanelItem::Text);
  item.x = x;
  item.y = y;
  item.text = std::move(text);
}

void PanelPlan::field(int x, int y, int w, int textbox) {
  PanelItem& item = add(PanelItem::Field);
  item.image = textbox;
  item.x = static_cast<float>(x);
  item.y = static_cast<float>(y);
  item.w = static_cast<float>(w);
}

void PanelPlan::shade(float x, float y, float w, float h, float r, float g, float b) {
  PanelItem& item = add(PanelItem::Shade);
  place(item, x, y, w, h);
  item.r = r;
  item.g = g;
  item.b = b;
}

}  // namespace tf
