// Tooltips: the framed text shown near the mouse when it has rested on an
// element for a moment. The text comes from the hovered element's pick code
// (and, for menu buttons and textboxes, from what the element does); this
// module decides the text, its lines and the box, and tooltip_gl.cpp draws it.
#pragma once

#include <string>

#include "media/line_break.h"

namespace tf {

// The mouse must rest this long on an element before its tooltip shows.
constexpr int kTooltipDelayMs = 1500;

// Tooltip codes that describe an element of the current menu by its index.
constexpr int kTipEditorButton = 22;
constexpr int kTipEditorTextbox = 23;
constexpr int kTipMenuButton = 37;

// How the menu editor and the tooltips describe element `identifier2` of the
// current menu: 22 a button by its function in the editor's words, 37 the
// same in a live menu's words, 23 a textbox by the UI string it edits. An
// index beyond the menu's elements gives "Hide"; any other identifier "".
std::string getEditorObjectInfo(int identifier, int identifier2);

// What UI string `index` is for, as the menu editor tells it.
std::string uiStringDescription(int index);

// The tooltip text for a tooltip code and element index; "Hide" when the
// element has no tooltip.
std::string toolTipText(int code, int index);

// Where a tooltip is drawn, in whole screen units.
struct TooltipLayout {
  BrokenText text;
  int boxX = 0, boxY = 0, boxHalfWidth = 0, boxHalfHeight = 0;
  int textX = 0;
  int firstLineY = 0;
  int lineSpacing = 0;
};

// The box for a text broken into lines whose widest line is `widestLine`
// wide, with the mouse at (mouseX, mouseY): beside the mouse, to its left
// near the right edge of the screen, and above it in the lower half.
TooltipLayout layoutTooltip(const BrokenText& text, int widestLine, int mouseX, int mouseY);

// Decides this frame's tooltip: none during the splash, without a code,
// before the delay has passed or for a text of "Hide". True when there is one
// to draw.
bool prepareTooltip(TooltipLayout& layout);

// Draws the tooltip (tooltip_gl.cpp).
void toolTipRender();

}  // namespace tf
