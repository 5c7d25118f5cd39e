// Menu elements on the screen.
#include "menu_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "media/text.h"
#include "menus/menu_layout.h"
#include "menus/ui.h"

namespace tftest {
namespace {

// The height of a text's tallest glyph, from its centre line.
float textHalfHeight(const std::string& text) {
  tf::GlyphWalk walk(text, tf::TextSpace::Overlay);
  float half = 0;
  for (tf::Glyph glyph; walk.next(glyph);) half = std::max(half, glyph.halfHeight);
  return half;
}

// Hovered, a button grows by a tenth: it must not touch its neighbours then either.
constexpr float kHoverGrowth = 1.1f;

struct ScreenBox {
  float left, top, right, bottom;
  std::string what;
};

bool overlap(const ScreenBox& a, const ScreenBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Where a text starting at (x, y) lies: its first glyph is centred on x.
ScreenBox textBox(float x, float y, const std::string& text, const std::string& what) {
  tf::GlyphWalk walk(text, tf::TextSpace::Overlay);
  tf::Glyph first;
  const float lead = walk.next(first) ? first.size : 0;
  const float half = textHalfHeight(text);
  return {x - lead, y - half, x - lead + tf::getDisplayTextSize(text), y + half, what};
}

// Every element of menu m of the menu model as the screen shows it.
std::vector<ScreenBox> menuElementBoxes(int m) {
  std::vector<ScreenBox> boxes;
  for (int b = 0; b < tf::gameUI.menuGetButtonCount(m); ++b) {
    float x, y, w, h;
    int tex, func, func2;
    tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, b);
    boxes.push_back({x - kHoverGrowth * w, y - kHoverGrowth * h, x + kHoverGrowth * w, y + kHoverGrowth * h,
                     "button " + std::to_string(b)});
  }
  for (int t = 0; t < tf::gameUI.menuGetTextboxCount(m); ++t) {
    float x, y, w, h;
    int text;
    tf::gameUI.uiGetTextbox(x, y, w, h, text, m, t);
    tf::WholeRect f = tf::textboxField(x, y, w, h, true);
    boxes.push_back({float(f.x - f.w), float(f.y - f.h), float(f.x + f.w), float(f.y + f.h),
                     "textbox " + std::to_string(t)});
  }
  for (int l = 0; l < tf::gameUI.menuGetTextlineCount(m); ++l) {
    float x, y, r, g, b;
    std::string text;
    tf::gameUI.uiGetText(x, y, r, g, b, text, m, l);
    boxes.push_back(textBox(x, y, text, "text line " + std::to_string(l)));
  }
  return boxes;
}

}  // namespace

void expectCleanMenuLayout() {
  for (int m = 0; m < tf::gameUI.getMenuCount(); ++m) {
    const std::vector<ScreenBox> boxes = menuElementBoxes(m);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const ScreenBox& a = boxes[i];
      EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= 800 && a.bottom <= 600)
          << "menu " << m << " " << a.what << " leaves the screen";
      for (std::size_t j = i + 1; j < boxes.size(); ++j) {
        EXPECT_FALSE(overlap(a, boxes[j])) << "menu " << m << ": " << a.what << " and " << boxes[j].what;
      }
    }
  }
}

}  // namespace tftest
