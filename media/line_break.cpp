// Line breaking for tooltips and notices.
#include "media/line_break.h"

#include <algorithm>

namespace tf {
namespace {

// Visible characters per line before a space moves the text on.
constexpr int kCharactersPerLine = 25;

// The line a text continues on after `counted` visible characters.
int lineAfter(int counted) {
  if (counted <= 0) return 0;
  return std::min((counted - 1) / kCharactersPerLine, kMaxBrokenLines - 1);
}

}  // namespace

BrokenText breakIntoLines(const std::string& text) {
  BrokenText broken;
  int line = 0;
  int counted = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::string& current = broken.lines[line];
    current += text[i];
    if (text[i] == '^') {
      if (i + 1 < text.size()) current += text[++i];
      continue;
    }
    if (i == 0) continue;
    ++counted;
    if (text[i] == ' ') line = std::max(line, lineAfter(counted));
  }
  broken.lastLine = line;
  return broken;
}

int longestLine(const BrokenText& text) {
  int longest = 0;
  for (int j = 1; j <= text.lastLine; ++j) {
    if (text.lines[j].size() > text.lines[longest].size()) longest = j;
  }
  return longest;
}

}  // namespace tf
