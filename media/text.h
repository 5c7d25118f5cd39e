// Text drawn glyph by glyph from the font picture (system image 12), with caret
// codes for size and colour. The measuring and the walk over a string's glyphs
// are here; the drawing on the overlay and in the world is in text_gl.cpp.
#pragma once

#include <string>

namespace tf {

struct TextColor {
  float r = 1, g = 1, b = 1;
};

// Where a text is laid out: the 800 x 600 overlay, or the game world. They
// differ in glyph sizes and in the gap between glyphs.
enum class TextSpace { Overlay, World };

// The font picture is a grid of kFontCells x kFontCells cells.
constexpr int kFontCells = 10;

// The font cell of `letter`: every character outside the font (the space,
// accented letters, control characters) gets the blank cell.
void fontCell(char letter, int& column, int& row);
// The same cell as texture fractions: column / 10 and row / 10.
void findFontPos(char letter, float& charw, float& charh);

// The colour for a code character; false (and white) when `code` names none.
bool textColorForCode(char code, TextColor& color);
// The glyph size (half the glyph's width) for the code characters 1 to 4,
// 0 for any other character.
float textSizeForCode(char code, TextSpace space);
// Every string starts at this size.
float startingTextSize(TextSpace space);
// A glyph is this many times as high as it is wide, measured in half extents.
constexpr float kGlyphAspect = 1.7f;

// One glyph of a string: its centre is `pen` units right of the string's start.
struct Glyph {
  float pen = 0;
  float size = 0;        // half width
  float halfHeight = 0;  // kGlyphAspect x size
  int column = 0, row = 0;
  TextColor color;
};

// Walks a string's caret codes and glyphs in order without allocating; the
// string must outlive the walk.
class GlyphWalk {
 public:
  GlyphWalk(const std::string& text, TextSpace space);
  GlyphWalk(std::string&&, TextSpace) = delete;  // the walk keeps a reference
  // The next glyph; false at the end of the string.
  bool next(Glyph& glyph);
  // The pen position after the last glyph walked: the width so far.
  float pen() const { return pen_; }
  // The colour in force after the codes walked so far.
  TextColor color() const { return color_; }

 private:
  const std::string& text_;
  std::size_t index_ = 0;
  TextSpace space_;
  float size_;
  float pen_ = 0;
  TextColor color_;
};

// The overlay width of `text`: the sum of its glyphs' advances; caret codes
// take no room.
float getDisplayTextSize(const std::string& text);

// Drawing (text_gl.cpp). Nothing is drawn during a colour pick pass.
// On the overlay, (x, y) in screen units is the centre of the first glyph.
void displayTextString(float x, float y, const std::string& text);
// In the game world, in the current camera transform, at depth -2.
void displayTextStringIngame(float x, float y, const std::string& text);
// Sets the drawing colour for a code character; false (and white) for a
// character that names no colour.
bool setColor(char c);

}  // namespace tf
