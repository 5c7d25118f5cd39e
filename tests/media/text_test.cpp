// Text layout without drawing: font cells, colour and size codes, the glyph
// walk that both drawing functions use, and measuring.
#include "media/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<tf::Glyph> glyphsOf(const std::string& text, tf::TextSpace space = tf::TextSpace::Overlay) {
  std::vector<tf::Glyph> glyphs;
  tf::GlyphWalk walk(text, space);
  for (tf::Glyph g; walk.next(g);) glyphs.push_back(g);
  return glyphs;
}

TEST(Font, EveryGlyphHasItsGridCellAndEverythingElseTheBlankCell) {
  const char* rows[] = {"ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZabcd", "efghijklmn", "opqrstuvwx",
                        "yz./ ,()!:", "0123456789", "-_|@'?+=<>", "*#`~&;"};  // ' ': an empty cell
  int column = -1, row = -1;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; rows[r][c]; ++c) {
      if (rows[r][c] == ' ') continue;
      tf::fontCell(rows[r][c], column, row);
      EXPECT_EQ(column * 100 + row, c * 100 + r) << rows[r][c];
    }
  }
  for (char c : {' ', '\n', '\0', '"', '$', '[', '\\', '{', static_cast<char>(0xC3)}) {
    tf::fontCell(c, column, row);
    EXPECT_TRUE(column == 9 && row == 9) << int(c);
  }
  float w = 0, h = 0;
  tf::findFontPos('>', w, h);
  EXPECT_FLOAT_EQ(w, 0.9f);
  EXPECT_FLOAT_EQ(h, 0.7f);
}

TEST(TextCodes, ColourCodesGiveTheirColoursAndSizeCodesTheirSizes) {
  const float k = 1 / 255.f;
  const struct {
    char code;
    float r, g, b;
  } colours[] = {{'a', 178 * k, 34 * k, 34 * k}, {'b', 0, 0, 0.9f},      {'c', 0, 191 * k, 1},
                 {'d', 0.7f, 0.7f, 0.7f},        {'f', 205 * k, 38 * k, 38 * k}, {'g', 0, 0.9f, 0},
                 {'k', 0, 0, 0},                 {'m', 25 * k, 25 * k, 112 * k}, {'n', 0, 1, 127 * k},
                 {'o', 1, 140 * k, 0},           {'p', 1, 218 * k, 185 * k}, {'r', 0.9f, 0, 0},
                 {'s', 47 * k, 79 * k, 79 * k},  {'t', 0, 100 * k, 0},   {'w', 1, 1, 1}, {'y', 1, 1, 0}};
  for (const auto& c : colours) {
    tf::TextColor color;
    EXPECT_TRUE(tf::textColorForCode(c.code, color)) << c.code;
    EXPECT_NEAR(color.r, c.r, 1e-6) << c.code;
    EXPECT_NEAR(color.g, c.g, 1e-6) << c.code;
    EXPECT_NEAR(color.b, c.b, 1e-6) << c.code;
  }
  for (char code : std::string("ehijlquvxzRY05^! ")) {
    tf::TextColor color{0.1f, 0.2f, 0.3f};
    EXPECT_FALSE(tf::textColorForCode(code, color)) << code;
    EXPECT_EQ(color.r + color.g + color.b, 3) << code;  // white
  }
  const float overlay[] = {4, 5, 6, 8}, world[] = {0.016f, 0.02f, 0.024f, 0.028f};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(tf::textSizeForCode(static_cast<char>('1' + i), tf::TextSpace::Overlay), overlay[i]);
    EXPECT_FLOAT_EQ(tf::textSizeForCode(static_cast<char>('1' + i), tf::TextSpace::World), world[i]);
  }
  for (char code : {'0', '5', 'y'}) EXPECT_EQ(tf::textSizeForCode(code, tf::TextSpace::Overlay), 0) << code;
}

TEST(GlyphWalk, GlyphsAdvanceByTheirWidthAndAGapAndFollowTheCodes) {
  // Glyphs 2 x size wide and one unit apart on the overlay; codes take no room.
  const struct {
    const char* text;
    float width;
  } widths[] = {{"", 0},        {"^yOK", 18}, {"Hello world", 99}, {"^4A^1B", 17 + 9},
                {"^2ab^3c", 35}, {"^", 0},     {"^^^^", 0}};
  for (const auto& w : widths) EXPECT_FLOAT_EQ(tf::getDisplayTextSize(w.text), w.width) << w.text;

  // A, B, x, the space, y and z.
  std::vector<tf::Glyph> g = glyphsOf("^4A^1B^rx y^^z");
  ASSERT_EQ(g.size(), 6u);
  const float pens[] = {0, 17, 26, 35, 44, 53}, sizes[] = {8, 4, 4, 4, 4, 4};
  for (int i = 0; i < 6; ++i) {
    EXPECT_FLOAT_EQ(g[i].pen, pens[i]) << i;
    EXPECT_FLOAT_EQ(g[i].size, sizes[i]) << i;
    EXPECT_FLOAT_EQ(g[i].halfHeight, 1.7f * sizes[i]) << i;
    EXPECT_FLOAT_EQ(g[i].color.g, i >= 2 && i <= 4 ? 0 : 1) << i;  // red from x to y, then white again
  }
  EXPECT_EQ(g[1].column * 10 + g[1].row, 10);  // B
  EXPECT_EQ(g[3].column * 10 + g[3].row, 99);  // the space: the blank cell

  // A caret at the very end draws nothing and resets the colour.
  std::string text = "^rx^";
  tf::GlyphWalk trailing(text, tf::TextSpace::Overlay);
  tf::Glyph glyph;
  ASSERT_TRUE(trailing.next(glyph));
  EXPECT_FLOAT_EQ(trailing.color().g, 0);
  EXPECT_FALSE(trailing.next(glyph));
  EXPECT_FLOAT_EQ(trailing.color().g, 1);
  EXPECT_FLOAT_EQ(trailing.pen(), 9);
}

TEST(GlyphWalk, WorldGlyphsTouchAndUseWorldSizes) {
  std::vector<tf::Glyph> g = glyphsOf("A^4BC", tf::TextSpace::World);
  ASSERT_EQ(g.size(), 3u);
  EXPECT_FLOAT_EQ(g[0].size, 0.016f);
  EXPECT_FLOAT_EQ(g[1].pen, 0.032f);
  EXPECT_FLOAT_EQ(g[1].size, 0.028f);
  EXPECT_NEAR(g[1].halfHeight, 0.0476f, 1e-6);
  EXPECT_FLOAT_EQ(g[2].pen, 0.032f + 0.056f);
}

}  // namespace
