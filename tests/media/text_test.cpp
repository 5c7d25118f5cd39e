// Text layout without drawing: font cells, colour and size codes, the glyph
// walk that both drawing functions use, and measuring.
#include "media/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(Font, EveryGlyphHasItsGridCellAndEverythingElseTheBlankCell) {
  const char* rows[] = {"ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZabcd", "efghijklmn", "opqrstuvwx",
                        "yz./ ,()!:", "0123456789", "-_|@'?+=<>", "*#`~&;"};  // ' ': an empty cell
  int column = -1, row = -1;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; rows[r][c]; ++c) {
      if (rows[r][c] == ' ') continue;
      tf::fontCell(rows[r][c], column, row);
      EXPECT_EQ(column * 10 + row, c * 10 + r) << rows[r][c];
    }
  }
  for (char c : {' ', '\n', '\0', '"', '$', '[', '\\', '{', static_cast<char>(0xC3)}) {
    tf::fontCell(c, column, row);
    EXPECT_EQ(column * 10 + row, 99) << int(c);
  }
  float w = 0, h = 0;
  tf::findFontPos('>', w, h);
  EXPECT_FLOAT_EQ(w * 10 + h, 9.7f);
}

TEST(TextCodes, ColourCodesGiveTheirColoursAndSizeCodesTheirSizes) {
  const struct {
    char code;
    float r, g, b;
  } colours[] = {{'a', 178 / 255.f, 34 / 255.f, 34 / 255.f}, {'d', 0.7f, 0.7f, 0.7f}, {'k', 0, 0, 0}, {'y', 1, 1, 0}};
  for (const auto& c : colours) {
    tf::TextColor color;
    EXPECT_TRUE(tf::textColorForCode(c.code, color)) << c.code;
    EXPECT_NEAR(std::abs(color.r - c.r) + std::abs(color.g - c.g) + std::abs(color.b - c.b), 0, 1e-6) << c.code;
  }
  for (char code : std::string("ehijlquvxzRY05^! ")) {
    tf::TextColor color{0.1f, 0.2f, 0.3f};
    EXPECT_FALSE(tf::textColorForCode(code, color)) << code;
    EXPECT_EQ(color.r + color.g + color.b, 3) << code;  // white
  }
  const float overlay[] = {0, 4, 5, 6, 8, 0}, world[] = {0, 0.016f, 0.02f, 0.024f, 0.028f, 0};
  for (int i = 0; i < 6; ++i) {  // codes 0 to 5
    EXPECT_FLOAT_EQ(tf::textSizeForCode(static_cast<char>('0' + i), tf::TextSpace::Overlay), overlay[i]);
    EXPECT_FLOAT_EQ(tf::textSizeForCode(static_cast<char>('0' + i), tf::TextSpace::World), world[i]);
  }
}

TEST(GlyphWalk, GlyphsAdvanceByTheirWidthAndAGapAndFollowTheCodes) {
  // Glyphs 2 x size wide, one unit apart on the overlay and touching in the world; codes take no room.
  const struct {
    const char* text;
    float width;
  } widths[] = {{"", 0}, {"^yOK", 18}, {"Hello world", 99}, {"^4A^1B", 17 + 9}, {"^2ab^3c", 35}, {"^", 0}, {"^^^^", 0}};
  for (const auto& w : widths) EXPECT_FLOAT_EQ(tf::getDisplayTextSize(w.text), w.width) << w.text;

  const struct {
    std::string text;
    tf::TextSpace space;
    std::vector<float> pens, sizes;
    std::vector<int> cells, red;  // column * 10 + row; 1 where the glyph is red
  } walks[] = {{"^4A^1B^rx y^^z", tf::TextSpace::Overlay, {0, 17, 26, 35, 44, 53}, {8, 4, 4, 4, 4, 4},
                {0, 10, 94, 99, 5, 15}, {0, 0, 1, 1, 1, 0}},
               {"A^4BC", tf::TextSpace::World, {0, 0.032f, 0.088f}, {0.016f, 0.028f, 0.028f}, {0, 10, 20}, {0, 0, 0}}};
  for (const auto& w : walks) {
    tf::GlyphWalk walk(w.text, w.space);
    tf::Glyph g;
    for (std::size_t i = 0; i < w.pens.size(); ++i) {
      SCOPED_TRACE(w.text + " " + std::to_string(i));
      ASSERT_TRUE(walk.next(g));
      EXPECT_FLOAT_EQ(g.pen, w.pens[i]);
      EXPECT_FLOAT_EQ(g.size, w.sizes[i]);
      EXPECT_FLOAT_EQ(g.halfHeight, 1.7f * w.sizes[i]);
      EXPECT_EQ(g.column * 10 + g.row, w.cells[i]);
      EXPECT_FLOAT_EQ(g.color.g, 1 - w.red[i]);
    }
    EXPECT_FALSE(walk.next(g)) << w.text;
  }

  // A caret at the very end draws nothing and resets the colour.
  const std::string text = "^rx^";
  tf::GlyphWalk trailing(text, tf::TextSpace::Overlay);
  tf::Glyph glyph;
  ASSERT_TRUE(trailing.next(glyph));
  EXPECT_FLOAT_EQ(trailing.color().g, 0);
  EXPECT_FALSE(trailing.next(glyph));
  EXPECT_FLOAT_EQ(trailing.color().g, 1);
  EXPECT_FLOAT_EQ(trailing.pen(), 9);
}

}  // namespace
