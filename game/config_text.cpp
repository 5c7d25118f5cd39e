// Data file text building.
#include "game/config_text.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "core/numbers.h"
#include "core/script_object.h"

namespace tf {

void appendInt(std::string& out, std::int64_t value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

void appendFloat(std::string& out, float value) {
  out.append(formatFloat(std::isfinite(value) ? value : 0.0f));
}

std::string_view nextWord(std::string_view text, std::size_t& pos) {
  auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (pos < text.size() && blank(text[pos])) ++pos;
  std::size_t start = pos;
  while (pos < text.size() && !blank(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

double decimalValue(std::string_view word) {
  if (!word.empty() && word.front() == '+') word.remove_prefix(1);
  double value = 0;
  auto result = std::from_chars(word.data(), word.data() + word.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0;
  return value;
}

void configText::line(std::string_view text) {
  text_.append(text);
  text_.push_back('\n');
}

void configText::startEntry(char type, std::string_view key) {
  text_.push_back(type);
  text_.push_back(' ');
  text_.append(key);
  text_.push_back(' ');
  ++entries_;
}

void configText::number(std::string_view key, std::int64_t value) {
  startEntry('f', key);
  appendInt(text_, value);
  text_.push_back('\n');
}

void configText::number(std::string_view key, float value) {
  startEntry('f', key);
  appendFloat(text_, value);
  text_.push_back('\n');
}

void configText::text(std::string_view key, std::string_view value) {
  startEntry('s', key);
  for (char c : value) text_.push_back(c == '\n' || c == '\r' ? ' ' : c);
  text_.push_back('\n');
}

bool configText::fitsReader() const {
  // The reader stops at its limit even before a trailing comment, hence "<".
  return entries_ < scriptObject::kMaxEntries &&
         static_cast<std::int64_t>(text_.size()) <= scriptObject::kMaxFileBytes;
}

}  // namespace tf
