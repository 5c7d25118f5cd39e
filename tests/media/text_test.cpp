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

void expectCell(char letter, int column, int row) {
  int c = -1, r = -1;
  tf::fontCell(letter, c, r);
  EXPECT_EQ(c, column) << "'" << letter << "'";
  EXPECT_EQ(r, row) << "'" << letter << "'";
}

TEST(FontCells, EveryCharacterOfTheGridHasItsCell) {
  const char* rows[] = {"ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZabcd", "efghijklmn", "opqrstuvwx",
                        "yz./_,()!:", "0123456789", "-_|@'?+=<>", "*#`~&;"};
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; rows[row][column]; ++column) {
      if (row == 5 && column == 4) continue;  // the empty cell between / and ,
      expectCell(rows[row][column], column, row);
    }
  }
}

TEST(FontCells, CharactersOutsideTheFontUseTheBlankCell) {
  for (char c : {' ', '\n', '\t', '\0', '"', '$', '%', '[', '\\', '{', static_cast<char>(0xC3),
                 static_cast<char>(0xA9)}) {
    expectCell(c, 9, 9);
  }
  float w = 0, h = 0;
  tf::findFontPos('e', w, h);
  EXPECT_FLOAT_EQ(w, 0.0f);
  EXPECT_FLOAT_EQ(h, 0.3f);
  tf::findFontPos('>', w, h);
  EXPECT_FLOAT_EQ(w, 0.9f);
  EXPECT_FLOAT_EQ(h, 0.7f);
  tf::findFontPos(' ', w, h);
  EXPECT_FLOAT_EQ(w, 0.9f);
  EXPECT_FLOAT_EQ(h, 0.9f);
}

TEST(TextColors, CodesGiveTheirColoursAndEverythingElseWhite) {
  struct Case {
    char code;
    float r, g, b;
  };
  const Case known[] = {{'a', 178 / 255.f, 34 / 255.f, 34 / 255.f}, {'b', 0, 0, 0.9f}, {'c', 0, 191 / 255.f, 1},
                        {'d', 0.7f, 0.7f, 0.7f}, {'f', 205 / 255.f, 38 / 255.f, 38 / 255.f}, {'g', 0, 0.9f, 0},
                        {'k', 0, 0, 0}, {'m', 25 / 255.f, 25 / 255.f, 112 / 255.f}, {'n', 0, 1, 127 / 255.f},
                        {'o', 1, 140 / 255.f, 0}, {'p', 1, 218 / 255.f, 185 / 255.f}, {'r', 0.9f, 0, 0},
                        {'s', 47 / 255.f, 79 / 255.f, 79 / 255.f}, {'t', 0, 100 / 255.f, 0}, {'w', 1, 1, 1},
                        {'y', 1, 1, 0}};
  for (const Case& c : known) {
    tf::TextColor color;
    EXPECT_TRUE(tf::textColorForCode(c.code, color)) << c.code;
    EXPECT_FLOAT_EQ(color.r, c.r) << c.code;
    EXPECT_FLOAT_EQ(color.g, c.g) << c.code;
    EXPECT_FLOAT_EQ(color.b, c.b) << c.code;
  }
  for (char code : {'e', 'h', 'i', 'j', 'l', 'q', 'u', 'v', 'x', 'z', 'R', 'Y', '0', '5', '^', '!', ' '}) {
    tf::TextColor color{0.1f, 0.2f, 0.3f};
    EXPECT_FALSE(tf::textColorForCode(code, color)) << code;
    EXPECT_FLOAT_EQ(color.r, 1);
    EXPECT_FLOAT_EQ(color.g, 1);
    EXPECT_FLOAT_EQ(color.b, 1);
  }
}

TEST(TextSizes, SizeCodesByPlacement) {
  const float overlay[] = {4, 5, 6, 8};
  const float world[] = {0.016f, 0.02f, 0.024f, 0.028f};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(tf::textSizeForCode(static_cast<char>('1' + i), tf::TextSpace::Overlay), overlay[i]);
    EXPECT_FLOAT_EQ(tf::textSizeForCode(static_cast<char>('1' + i), tf::TextSpace::World), world[i]);
  }
  EXPECT_EQ(tf::textSizeForCode('0', tf::TextSpace::Overlay), 0);
  EXPECT_EQ(tf::textSizeForCode('5', tf::TextSpace::Overlay), 0);
  EXPECT_EQ(tf::textSizeForCode('y', tf::TextSpace::World), 0);
}

TEST(GlyphWalk, PlainGlyphsAdvanceByTheirWidthAndAGap) {
  std::vector<tf::Glyph> glyphs = glyphsOf("AB");
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_FLOAT_EQ(glyphs[0].pen, 0);
  EXPECT_FLOAT_EQ(glyphs[1].pen, 9);
  EXPECT_FLOAT_EQ(glyphs[0].size, 4);  // 8 wide
  EXPECT_FLOAT_EQ(glyphs[0].halfHeight, 6.8f);  // 13.6 high
  EXPECT_EQ(glyphs[1].column, 1);
  EXPECT_EQ(glyphs[1].row, 0);
}

TEST(GlyphWalk, SizeCodesChangeTheFollowingGlyphs) {
  std::vector<tf::Glyph> glyphs = glyphsOf("^4A^1B");
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_FLOAT_EQ(glyphs[0].size, 8);
  EXPECT_FLOAT_EQ(glyphs[1].size, 4);
  EXPECT_FLOAT_EQ(glyphs[1].pen, 17);
}

TEST(GlyphWalk, ColourCodesColourTheFollowingGlyphs) {
  std::vector<tf::Glyph> glyphs = glyphsOf("^rRed^wWhite^Rx");
  ASSERT_EQ(glyphs.size(), 9u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(glyphs[i].color.r, 0.9f);
    EXPECT_FLOAT_EQ(glyphs[i].color.g, 0);
  }
  for (int i = 3; i < 9; ++i) {
    EXPECT_FLOAT_EQ(glyphs[i].color.r, 1);
    EXPECT_FLOAT_EQ(glyphs[i].color.g, 1);
    EXPECT_FLOAT_EQ(glyphs[i].color.b, 1);
  }
}

TEST(GlyphWalk, CaretsAtTheEndAndInPairsDrawNothing) {
  std::string text = "^rx^";
  tf::GlyphWalk trailing(text, tf::TextSpace::Overlay);
  tf::Glyph g;
  ASSERT_TRUE(trailing.next(g));
  EXPECT_EQ(g.column, 9);  // x
  EXPECT_EQ(g.row, 4);
  EXPECT_FLOAT_EQ(trailing.color().g, 0);  // still red while x is drawn
  EXPECT_FALSE(trailing.next(g));
  EXPECT_FLOAT_EQ(trailing.color().g, 1);  // the lone caret set white
  EXPECT_FLOAT_EQ(trailing.pen(), 9);

  EXPECT_TRUE(glyphsOf("^^").empty());
  std::vector<tf::Glyph> afterPair = glyphsOf("^y^^A");
  ASSERT_EQ(afterPair.size(), 1u);
  EXPECT_FLOAT_EQ(afterPair[0].color.b, 1);  // the second caret reset yellow to white
  EXPECT_FLOAT_EQ(afterPair[0].pen, 0);
}

TEST(GlyphWalk, SpacesTakeRoomWithTheBlankCell) {
  std::vector<tf::Glyph> glyphs = glyphsOf("a b");
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[1].column, 9);
  EXPECT_EQ(glyphs[1].row, 9);
  EXPECT_FLOAT_EQ(glyphs[2].pen, 18);
}

TEST(GlyphWalk, WorldGlyphsTouchAndUseWorldSizes) {
  std::vector<tf::Glyph> glyphs = glyphsOf("A^4BC", tf::TextSpace::World);
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_FLOAT_EQ(glyphs[0].size, 0.016f);
  EXPECT_FLOAT_EQ(glyphs[1].pen, 0.032f);
  EXPECT_FLOAT_EQ(glyphs[1].size, 0.028f);
  EXPECT_FLOAT_EQ(glyphs[2].pen, 0.032f + 0.056f);
  EXPECT_NEAR(glyphs[1].halfHeight, 0.0476f, 1e-6);
}

TEST(TextWidth, SumsTheAdvancesOfGlyphsOnly) {
  EXPECT_FLOAT_EQ(tf::getDisplayTextSize(""), 0);
  EXPECT_FLOAT_EQ(tf::getDisplayTextSize("^yOK"), 18);
  EXPECT_FLOAT_EQ(tf::getDisplayTextSize("Hello world"), 99);
  EXPECT_FLOAT_EQ(tf::getDisplayTextSize("^4A^1B"), 17 + 9);
  EXPECT_FLOAT_EQ(tf::getDisplayTextSize("^2ab^3c"), 11 + 11 + 13);
  EXPECT_FLOAT_EQ(tf::getDisplayTextSize("^"), 0);
  EXPECT_FLOAT_EQ(tf::getDisplayTextSize("^^^^"), 0);
}

}  // namespace
