// The reader of every data file: lines of a type letter ("f" number, "s" text),
// a key and a value; everything else is a comment. Entries are kept in file
// order and looked up by key, the first entry of a key winning.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tf {

class scriptObject {
 public:
  scriptObject() = default;
  scriptObject(const scriptObject&) = delete;
  scriptObject& operator=(const scriptObject&) = delete;

  // Appends the entries of the file at `path`. False when the file cannot be
  // opened or holds more entries than a table may.
  bool readFile(const std::string& path);
  // Appends the entries of `text`, as if read from a file named `sourceName`.
  bool readText(const std::string& text, const std::string& sourceName);

  // The number of the first entry of `key`, or -1 when there is none.
  float findLineF(const std::string& key) const;
  // The text of the first entry of `key`, or "NULL" when there is none.
  std::string findLineS(const std::string& key) const;
  bool hasKey(const std::string& key) const { return firstIndex(key) >= 0; }

  // Empties the table; the storage is kept for the next file.
  void clear();
  int getLineAmount() const { return lineAmount; }

  // No table holds more entries than this; a larger file is refused from there.
  static constexpr int kMaxEntries = 4000000;
  // Files larger than this are not read at all.
  static constexpr std::int64_t kMaxFileBytes = 512LL * 1024 * 1024;

 private:
  class Parser;

  void addEntry(char typeWord, std::string key, std::string text, float number);
  int firstIndex(const std::string& key) const;
  void indexKey(int entry);
  void growIndex();

  std::vector<char> type;            // 'f' or 's' (upper-case words are stored lower-case)
  std::vector<std::string> pointer;  // the keys
  std::vector<std::string> datas;    // text of "s" entries
  std::vector<float> dataf;          // number of "f" entries (0 for "s" entries)
  int lineAmount = 0;

  // Open-addressed hash of the first entry of every key: slot -> entry index, -1 empty.
  std::vector<std::int32_t> slots_;
  int indexedKeys_ = 0;
};

// The parsed files the program keeps: settings with dialog texts, the editors'
// help lines, menu files (and the autoload file), a game's map, logic and help.
extern scriptObject scriptSys;
extern scriptObject uiInfo;
extern scriptObject scriptUI;
extern scriptObject scriptMap;
extern scriptObject scriptLogic;
extern scriptObject scriptHelp;

}  // namespace tf
