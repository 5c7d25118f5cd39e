// Builds the text of a data file line by line in the reader's grammar
// ("f key number", "s key text", comments), counting the entries written so a
// writer can tell whether the reader will take the whole file back; and reads
// the values that a text entry packs together.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tf {

// Appends the decimal form of `value` to `out`.
void appendInt(std::string& out, std::int64_t value);
// Appends `value` in six significant digits; a value that is not finite
// could not be read back and is written as 0.
void appendFloat(std::string& out, float value);

// The next blank-separated word of `text` from `pos` (empty at the end);
// `pos` moves to the blank after it.
std::string_view nextWord(std::string_view text, std::size_t& pos);
// A word as a decimal conversion reads it: its longest leading number, 0 when
// there is none; never infinite or not a number.
double decimalValue(std::string_view word);

class configText {
 public:
  // A line written as it is (a comment or an empty line).
  void line(std::string_view text);
  // "f key value" with an integer or a float in six significant digits.
  void number(std::string_view key, std::int64_t value);
  void number(std::string_view key, int value) { number(key, static_cast<std::int64_t>(value)); }
  void number(std::string_view key, float value);
  // "s key value"; line breaks inside the value become spaces, so that the
  // value stays on its line.
  void text(std::string_view key, std::string_view value);

  const std::string& str() const { return text_; }
  int entries() const { return entries_; }
  // True when the reader takes every entry back (entry and size limits).
  bool fitsReader() const;

 private:
  void startEntry(char type, std::string_view key);

  std::string text_;
  int entries_ = 0;
};

// Reusable key: "map" 3 "tile" 4 "_" 5 -> "map3tile4_5" without new storage
// once warmed up.
class keyBuilder {
 public:
  keyBuilder& operator()(std::string_view word) {
    key_.clear();
    key_.append(word);
    return *this;
  }
  keyBuilder& add(std::string_view word) {
    key_.append(word);
    return *this;
  }
  keyBuilder& add(std::int64_t index) {
    appendInt(key_, index);
    return *this;
  }
  const std::string& str() const { return key_; }

 private:
  std::string key_;
};

}  // namespace tf
