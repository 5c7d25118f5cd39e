// What an editor panel draws, as plain data: system pictures placed by centre
// and half size, each answering to its own pick colour in a pick pass (a
// control's code, or the blocking colour for backgrounds and decorations),
// the translucent shades that mark a selection, and texts, which pick passes
// leave out. Panels build a plan each frame; panel_plan_gl.cpp draws it.
#pragma once

#include <string>
#include <vector>

#include "core/pick_codes.h"
#include "menus/menu_layout.h"

namespace tf {

struct PanelPicture {
  WholeRect rect;
  int image = 0;  // system image
  PickColor pick = kPickBlocking;
};

struct PanelText {
  float x = 0, y = 0;  // left end and baseline
  std::string text;
};

// The shading picture over `rect` in colour (r, g, b); normal passes only.
struct PanelShade {
  ScreenRect rect;
  float r = 1, g = 1, b = 1;
};

struct PanelPlan {
  std::vector<PanelShade> shades;      // drawn first
  std::vector<PanelPicture> pictures;  // then these, in order
  std::vector<PanelText> texts;        // then these, in normal passes
};

// A control's pick colour: `code` with the menu mark and no index.
constexpr PickColor controlPick(int code) { return {code, kPickMenuMark, kPickMenuMark}; }

// Adds a picture that answers to `pick`.
void addPicture(PanelPlan& plan, const WholeRect& rect, int image, const PickColor& pick = kPickBlocking);
void addText(PanelPlan& plan, float x, float y, const std::string& text);
// A label at (x, y) with one button after it: system image `image` answering
// to `code`, where the first button of a labelled pair stands.
void addLabelledButton(PanelPlan& plan, int x, int y, const std::string& label, int image, int code);
// A label with a plus and a minus button after it.
void addPlusMinus(PanelPlan& plan, int x, int y, const std::string& label, int plusCode, int minusCode);
// Where the first and the second button after label `label` at (x, y) stand.
WholeRect firstButtonAfter(int x, int y, const std::string& label);
WholeRect secondButtonAfter(int x, int y, const std::string& label);

// Draws `plan`: in pick colours when `picking` (panel_plan_gl.cpp).
void drawPanelPlan(const PanelPlan& plan, bool picking);

}  // namespace tf
