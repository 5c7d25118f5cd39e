// Configuration reader: the word grammar of every data file and the first-match
// key index over the entries read.
#include "core/script_object.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string_view>

#include "core/log.h"

namespace tf {

scriptObject scriptSys;
scriptObject uiInfo;
scriptObject scriptUI;
scriptObject scriptMap;
scriptObject scriptLogic;
scriptObject scriptHelp;

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t hashKey(std::string_view key) {
  // FNV-1a: keys are short and many share a prefix, which it spreads well.
  std::size_t h = 1469598103934665603ULL;
  for (unsigned char c : key) {
    h ^= c;
    h *= 1099511628211ULL;
  }
  return h;
}

// Reads a whole file into memory. False when it cannot be opened, is not a
// readable file, or is larger than any data file the program writes.
bool slurp(const std::string& path, std::string& out, bool& tooLarge) {
  tooLarge = false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  out.clear();
  char chunk[1 << 16];
  bool ok = true;
  for (;;) {
    std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    out.append(chunk, got);
    if (static_cast<std::int64_t>(out.size()) > scriptObject::kMaxFileBytes) {
      tooLarge = true;
      ok = false;
      break;
    }
    if (got < sizeof chunk) {
      ok = !std::ferror(file);
      break;
    }
  }
  std::fclose(file);
  return ok;
}

}  // namespace

// Walks the text as a stream of whitespace-separated words, the way the files
// have always been read: a number may stand on a later line than its key, and
// a string value is the rest of its line less one separating character.
class scriptObject::Parser {
 public:
  Parser(std::string_view text, const std::string& source) : text_(text), source_(source) {}

  bool atEnd() { return skipBlanks() >= text_.size(); }

  // The next word, or an empty view at the end of the text.
  std::string_view word() {
    std::size_t start = skipBlanks();
    while (pos_ < text_.size() && !isBlank(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

  // The rest of the current line, without its line feed (and without a
  // carriage return before it); the position moves past the line feed.
  std::string_view restOfLine() {
    std::size_t start = pos_;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    pos_ = std::min(end + 1, text_.size());
    std::size_t stop = end;
    if (stop > start && text_[stop - 1] == '\r') --stop;
    return text_.substr(start, stop - start);
  }

  // Reads a decimal number as a float extraction would; false (and the
  // position after the bad word) when the next word does not start with one.
  bool number(float& value) {
    std::size_t start = skipBlanks();
    std::size_t p = start;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) ++p;
    std::size_t digitsStart = p;
    while (p < text_.size() && isDigit(text_[p])) ++p;
    std::size_t intDigits = p - digitsStart;
    std::size_t fracDigits = 0;
    if (p < text_.size() && text_[p] == '.') {
      ++p;
      std::size_t f = p;
      while (p < text_.size() && isDigit(text_[p])) ++p;
      fracDigits = p - f;
    }
    bool ok = intDigits + fracDigits > 0;
    if (ok && p < text_.size() && (text_[p] == 'e' || text_[p] == 'E')) {
      std::size_t e = p + 1;
      if (e < text_.size() && (text_[e] == '+' || text_[e] == '-')) ++e;
      std::size_t expStart = e;
      while (e < text_.size() && isDigit(text_[e])) ++e;
      ok = e > expStart;
      p = e;
    }
    if (ok) {
      std::size_t first = start;
      if (text_[first] == '+') ++first;
      auto result = std::from_chars(text_.data() + first, text_.data() + p, value);
      ok = result.ec == std::errc() && std::isfinite(value);
    }
    if (!ok) {
      value = 0.0f;
      pos_ = start;
      word();
      return false;
    }
    pos_ = p;
    return true;
  }

  int lineNumber() const {
    return 1 + static_cast<int>(std::count(text_.begin(), text_.begin() + pos_, '\n'));
  }

  const std::string& source() const { return source_; }

 private:
  std::size_t skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    return pos_;
  }

  std::string_view text_;
  const std::string& source_;
  std::size_t pos_ = 0;
};

bool scriptObject::readFile(const std::string& path) {
  std::string text;
  bool tooLarge = false;
  if (!slurp(path, text, tooLarge)) {
    if (tooLarge) {
      systemMsg("^rERROR: ^wThe file ^y" + path + "^w is too large to be a data file; it was not read.");
    } else {
      systemMsg("^rERROR: ^wError loading/reading file ^y" + path);
    }
    return false;
  }
  return readText(text, path);
}

bool scriptObject::readText(const std::string& text, const std::string& sourceName) {
  Parser in(text, sourceName);
  while (!in.atEnd()) {
    if (lineAmount >= kMaxEntries) {
      systemMsg("^rERROR: ^wThe file ^y" + sourceName + "^w holds more than " +
                std::to_string(kMaxEntries) + " entries; the rest was not read.");
      return false;
    }
    std::string_view typeWord = in.word();
    bool isNumber = typeWord == "f" || typeWord == "F";
    bool isText = typeWord == "s" || typeWord == "S";
    if (!isNumber && !isText) {
      in.restOfLine();
      continue;
    }
    std::string_view key = in.word();
    if (key.empty()) break;  // the file ends after a type word
    if (key == "//") {
      in.restOfLine();
      continue;
    }
    if (isText) {
      std::string_view value = in.restOfLine();
      if (!value.empty()) value.remove_prefix(1);
      addEntry(typeWord[0], std::string(key), std::string(value), 0.0f);
      continue;
    }
    float value = 0.0f;
    if (!in.atEnd() && !in.number(value)) {
      systemMsg("^rERROR: ^wThe value of ^y" + std::string(key) + "^w in ^y" + sourceName +
                "^w (line " + std::to_string(in.lineNumber()) + ") is not a number; it reads as 0.");
      in.restOfLine();
    }
    addEntry(typeWord[0], std::string(key), std::string(), value);
  }
  systemMsg("^y" + sourceName + " ^whas been successfully loaded");
  return true;
}

void scriptObject::addEntry(char typeWord, std::string key, std::string text, float number) {
  type.push_back(typeWord);
  pointer.push_back(std::move(key));
  datas.push_back(std::move(text));
  dataf.push_back(number);
  indexKey(lineAmount);
  ++lineAmount;
}

float scriptObject::findLineF(const std::string& key) const {
  int i = firstIndex(key);
  return i < 0 ? -1.0f : dataf[i];
}

std::string scriptObject::findLineS(const std::string& key) const {
  int i = firstIndex(key);
  return i < 0 ? std::string("NULL") : datas[i];
}

void scriptObject::clear() {
  // The vectors keep their capacity, so the next file reuses the storage.
  type.clear();
  pointer.clear();
  datas.clear();
  dataf.clear();
  lineAmount = 0;
  indexedKeys_ = 0;
  std::fill(slots_.begin(), slots_.end(), -1);
}

int scriptObject::firstIndex(const std::string& key) const {
  if (slots_.empty()) return -1;
  std::size_t mask = slots_.size() - 1;
  for (std::size_t s = hashKey(key) & mask;; s = (s + 1) & mask) {
    int entry = slots_[s];
    if (entry < 0) return -1;
    if (pointer[entry] == key) return entry;
  }
}

void scriptObject::indexKey(int entry) {
  if (static_cast<std::size_t>(indexedKeys_ + 1) * 2 > slots_.size()) growIndex();
  std::size_t mask = slots_.size() - 1;
  for (std::size_t s = hashKey(pointer[entry]) & mask;; s = (s + 1) & mask) {
    int held = slots_[s];
    if (held < 0) {
      slots_[s] = entry;
      ++indexedKeys_;
      return;
    }
    if (pointer[held] == pointer[entry]) return;  // an earlier entry keeps the key
  }
}

void scriptObject::growIndex() {
  std::size_t size = slots_.empty() ? 64 : slots_.size() * 2;
  slots_.assign(size, -1);
  indexedKeys_ = 0;
  for (int i = 0; i < lineAmount; ++i) indexKey(i);
}

}  // namespace tf
