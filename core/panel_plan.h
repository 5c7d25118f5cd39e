// What a screen draws on the 800 x 600 overlay, as plain data: pictures of the
// system, game or menu images, texts and the editors' entry fields, in the
// order they are drawn, each picture with the colour it shows in a colour
// pick pass. A screen plans; the window draws the plan (Platform::drawPanel).
#pragma once

#include <string>
#include <vector>

#include "core/pick_codes.h"

namespace tf {

// The registry a picture is taken from.
enum class PictureSource { System, Game, Menu };

struct PanelItem {
  enum Kind { Picture, Text, Field, Shade };
  Kind kind = Picture;
  PictureSource source = PictureSource::System;
  // A picture's index in its registry; a field's system textbox.
  int image = 0;
  // A picture's centre and half size; a text's start (the centre of its first
  // glyph); a field's right end and its width in w.
  float x = 0, y = 0, w = 0, h = 0;
  // A picture drawn in a pick pass, in `pick`; the others are left out of it.
  bool pickable = false;
  PickColor pick;
  std::string text;
  // A shade's colour.
  float r = 1, g = 1, b = 1;
};

class PanelPlan {
 public:
  // A system picture that answers to colour picking in `pick`, and one that
  // does not (drawn in normal passes only).
  void picture(int image, float x, float y, float w, float h, const PickColor& pick);
  void picture(int image, float x, float y, float w, float h);
  // A picture of the game or menu images, animated when its animation is on.
  void registryPicture(PictureSource source, int image, float x, float y, float w, float h,
                       const PickColor& pick);
  void registryPicture(PictureSource source, int image, float x, float y, float w, float h);
  void text(float x, float y, std::string text);
  // System textbox `textbox`, its field `w` wide to the left of (x, y).
  void field(int x, int y, int w, int textbox);
  // The translucent shading picture over the rectangle, in colour (r, g, b),
  // marking a selection; normal passes only.
  void shade(float x, float y, float w, float h, float r = 1, float g = 1, float b = 1);

  void clear() { items_.clear(); }
  const std::vector<PanelItem>& items() const { return items_; }

 private:
  PanelItem& add(PanelItem::Kind kind);

  std::vector<PanelItem> items_;
};

}  // namespace tf
