// The font grid, the colour and size codes, and the walk over a string's
// glyphs that drawing and measuring share.
#include "media/text.h"

#include <cstring>

namespace tf {
namespace {

// The font picture's cells, row by row from the top; a space marks a cell
// without a glyph.
constexpr char kFontGrid[] =
    "ABCDEFGHIJ"
    "KLMNOPQRST"
    "UVWXYZabcd"
    "efghijklmn"
    "opqrstuvwx"
    "yz./ ,()!:"
    "0123456789"
    "-_|@'?+=<>"
    "*#`~&;    "
    "          ";
static_assert(sizeof(kFontGrid) == kFontCells * kFontCells + 1, "the font grid has 100 cells");
constexpr int kBlankCell = kFontCells - 1;  // column and row of the blank cell

struct ColorCode {
  char code;
  TextColor color;
};

constexpr float byteScale(int value) { return value / 255.0f; }

constexpr ColorCode kColorCodes[] = {
    {'a', {byteScale(178), byteScale(34), byteScale(34)}},
    {'b', {0, 0, 0.9f}},
    {'c', {0, byteScale(191), 1}},
    {'d', {0.7f, 0.7f, 0.7f}},
    {'f', {byteScale(205), byteScale(38), byteScale(38)}},
    {'g', {0, 0.9f, 0}},
    {'k', {0, 0, 0}},
    {'m', {byteScale(25), byteScale(25), byteScale(112)}},
    {'n', {0, 1, byteScale(127)}},
    {'o', {1, byteScale(140), 0}},
    {'p', {1, byteScale(218), byteScale(185)}},
    {'r', {0.9f, 0, 0}},
    {'s', {byteScale(47), byteScale(79), byteScale(79)}},
    {'t', {0, byteScale(100), 0}},
    {'w', {1, 1, 1}},
    {'y', {1, 1, 0}},
};

// Glyph sizes of the codes ^1 to ^4.
constexpr float kOverlaySizes[] = {4.0f, 5.0f, 6.0f, 8.0f};
constexpr float kWorldSizes[] = {0.016f, 0.02f, 0.024f, 0.028f};
constexpr int kSizeCodeCount = 4;

// On the overlay glyphs stand one unit apart; in the world they touch.
float glyphGap(TextSpace space) { return space == TextSpace::Overlay ? 1.0f : 0.0f; }

constexpr char kCaret = '^';

}  // namespace

void fontCell(char letter, int& column, int& row) {
  const void* found = letter == ' ' || letter == '\0'
                          ? nullptr
                          : std::memchr(kFontGrid, letter, kFontCells * kFontCells);
  if (!found) {
    column = row = kBlankCell;
    return;
  }
  int cell = static_cast<int>(static_cast<const char*>(found) - kFontGrid);
  column = cell % kFontCells;
  row = cell / kFontCells;
}

void findFontPos(char letter, float& charw, float& charh) {
  int column, row;
  fontCell(letter, column, row);
  charw = column / static_cast<float>(kFontCells);
  charh = row / static_cast<float>(kFontCells);
}

bool textColorForCode(char code, TextColor& color) {
  for (const ColorCode& entry : kColorCodes) {
    if (entry.code == code) {
      color = entry.color;
      return true;
    }
  }
  color = TextColor();
  return false;
}

float textSizeForCode(char code, TextSpace space) {
  int index = code - '1';
  if (index < 0 || index >= kSizeCodeCount) return 0;
  return space == TextSpace::Overlay ? kOverlaySizes[index] : kWorldSizes[index];
}

float startingTextSize(TextSpace space) { return textSizeForCode('1', space); }

GlyphWalk::GlyphWalk(const std::string& text, TextSpace space)
    : text_(text), space_(space), size_(startingTextSize(space)) {}

bool GlyphWalk::next(Glyph& glyph) {
  while (index_ < text_.size() && text_[index_] == kCaret) {
    if (index_ + 1 == text_.size()) {  // a caret at the very end only resets the colour
      color_ = TextColor();
      index_ = text_.size();
      return false;
    }
    char code = text_[index_ + 1];
    float size = textSizeForCode(code, space_);
    if (size > 0) {
      size_ = size;
    } else {
      textColorForCode(code, color_);
    }
    index_ += 2;
  }
  if (index_ >= text_.size()) return false;
  glyph.pen = pen_;
  glyph.size = size_;
  glyph.halfHeight = kGlyphAspect * size_;
  glyph.color = color_;
  fontCell(text_[index_], glyph.column, glyph.row);
  pen_ += 2 * size_ + glyphGap(space_);
  ++index_;
  return true;
}

float getDisplayTextSize(const std::string& text) {
  GlyphWalk walk(text, TextSpace::Overlay);
  Glyph glyph;
  while (walk.next(glyph)) {
  }
  return walk.pen();
}

}  // namespace tf
