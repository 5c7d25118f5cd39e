// Drawing menus on the overlay: the current menu with its background,
// buttons, textboxes, text lines and shown strings, in normal passes and in
// colour pick passes; the editors' system textboxes; and the translucent
// shading panel of the editors. Drawing only: every decision is in
// menu_layout.h.
#pragma once

#include <functional>

#include "menus/menu_layout.h"

namespace tf {

// What the editors add to the menu they are drawn with: the menu editor's
// selection, and their own drawing under the menu's elements (the world
// editor's screen over the editor menu) and over them (the menu editor's
// panels).
struct MenuOverlay {
  MenuEditMarks marks;
  std::function<void()> underElements;
  std::function<void()> overElements;
};

// Draws the current menu with `overlay`; in a pick pass its elements in their
// pick colours.
void uiRender(const MenuOverlay& overlay = MenuOverlay());
// Draws system textbox `textbox` with its field to the left of (x, y) and w
// wide, and records where it is; h is not used.
void displayTextbox(int x, int y, int w, int h, int textbox);
// The shading picture (system image 11) at (x, y) with half size (w, h) in
// colour (r, g, b); a is not used.
void drawShade(float x, float y, float w, float h, float r, float g, float b, float a);

}  // namespace tf
