// The data file reader on arbitrary bytes: it must read without fault, and a
// file appended a second time must not change any look-up (the first entry
// of a key wins).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "core/script_object.h"
#include "game/config_text.h"

namespace {

struct Found {
  float number;
  std::string text;
  bool operator==(const Found& other) const { return number == other.number && text == other.text; }
};

std::vector<Found> lookUp(const tf::scriptObject& table, const std::vector<std::string>& keys) {
  std::vector<Found> found;
  for (const std::string& key : keys) found.push_back({table.findLineF(key), table.findLineS(key)});
  return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::console = tf::debugConsole();  // keep the echoed messages from piling up
  const std::string text(reinterpret_cast<const char*>(data), size);

  std::vector<std::string> keys = {"version", "map0w", "NULL", ""};
  std::size_t pos = 0;
  for (std::string_view word = tf::nextWord(text, pos); !word.empty(); word = tf::nextWord(text, pos)) {
    keys.emplace_back(word);
  }

  tf::scriptObject table;
  table.readText(text, "fuzz.cfg");
  int entries = table.getLineAmount();
  std::vector<Found> first = lookUp(table, keys);

  table.readText(text, "fuzz.cfg");
  if (table.getLineAmount() != 2 * entries) __builtin_trap();
  if (lookUp(table, keys) != first) __builtin_trap();

  table.clear();
  table.readText(text, "fuzz.cfg");
  if (table.getLineAmount() != entries || lookUp(table, keys) != first) __builtin_trap();
  return 0;
}
