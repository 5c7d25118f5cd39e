// The kinds of recorded change the edit operations share: a value put back
// and forth (a tile setting, an object's fields, a phrase, a menu element), an
// item put in and taken out again (an object, a map, a sentence, a text line),
// with exact comparison and the memory each holds.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/edit_history.h"
#include "game/sentence.h"

namespace tf {

class gameObject;
class gameMap;

// ---- exact comparison ---------------------------------------------------------
// Floats compare by their bits: -0 and 0 differ, as the files show them.
inline bool same(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }
inline bool same(int a, int b) { return a == b; }
inline bool same(bool a, bool b) { return a == b; }
inline bool same(const std::string& a, const std::string& b) { return a == b; }
bool same(const sentence& a, const sentence& b);

// Records compare field by field through a `tieFields(record)` found next to
// the record; lists and arrays element by element.
template <typename Record>
auto same(const Record& a, const Record& b) -> decltype(tieFields(a), bool());
template <typename T, std::size_t N>
bool same(const std::array<T, N>& a, const std::array<T, N>& b);
template <typename T>
bool same(const std::vector<T>& a, const std::vector<T>& b);

template <typename Tuple, std::size_t... I>
bool sameFields(const Tuple& a, const Tuple& b, std::index_sequence<I...>) {
  return (same(std::get<I>(a), std::get<I>(b)) && ...);
}
template <typename Record>
auto same(const Record& a, const Record& b) -> decltype(tieFields(a), bool()) {
  auto ta = tieFields(a);
  return sameFields(ta, tieFields(b), std::make_index_sequence<std::tuple_size<decltype(ta)>::value>());
}
template <typename T, std::size_t N>
bool same(const std::array<T, N>& a, const std::array<T, N>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), [](const T& x, const T& y) { return same(x, y); });
}
template <typename T>
bool same(const std::vector<T>& a, const std::vector<T>& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](const T& x, const T& y) { return same(x, y); });
}

// ---- memory held beyond the value itself ------------------------------------------
constexpr std::size_t kInlineStringChars = 15;  // held within the string itself
inline std::size_t extraBytes(float) { return 0; }
inline std::size_t extraBytes(int) { return 0; }
inline std::size_t extraBytes(bool) { return 0; }
inline std::size_t extraBytes(const sentence&) { return 0; }
inline std::size_t extraBytes(const std::string& s) {
  return s.capacity() > kInlineStringChars ? s.capacity() + 1 : 0;
}
std::size_t extraBytes(const gameObject& o);
std::size_t extraBytes(const gameMap& map);
template <typename Record>
auto extraBytes(const Record& r) -> decltype(tieFields(r), std::size_t());
template <typename T>
std::size_t extraBytes(const std::vector<T>& v);
template <typename T, std::size_t N>
std::size_t extraBytes(const std::array<T, N>&) {
  return 0;  // plain numbers, held within the array
}

template <typename Record>
auto extraBytes(const Record& r) -> decltype(tieFields(r), std::size_t()) {
  return std::apply([](const auto&... field) { return (std::size_t{0} + ... + extraBytes(field)); }, tieFields(r));
}
template <typename T>
std::size_t extraBytes(const std::vector<T>& v) {
  std::size_t total = v.capacity() * sizeof(T);
  for (const T& item : v) total += extraBytes(item);
  return total;
}

// ---- argument checks ----------------------------------------------------------------
inline bool allFinite(std::initializer_list<float> values) {
  for (float v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// Read access to map m of the world; nullptr for a missing map.
const gameMap* readMap(int m);

inline editPlace placeOf(EditView view, int index, int object = -1) { return {view, index, object}; }

// ---- a value put back and forth ---------------------------------------------------------
// How to read a value of the model at `key`, and how to write one back exactly.
template <typename Key, typename Value>
struct valueAccess {
  Value (*read)(const Key&);
  void (*write)(const Key&, const Value&);
};

// Whether two keys name the same value. Where a module declares sameKey for
// its kind of key, a change of a value made right after another change of
// the same value within one step is kept as one (the moves of one drag);
// other keys are never taken as the same.
template <typename Key>
bool sameKey(const Key&, const Key&) {
  return false;
}

template <typename Key, typename Value>
class valueChange final : public editChange {
 public:
  valueChange(const Key& key, Value before, Value after, const valueAccess<Key, Value>& access)
      : key(key), before(std::move(before)), after(std::move(after)), access(access) {}
  void undo() override { access.write(key, before); }
  void redo() override { access.write(key, after); }
  std::size_t bytes() const override { return sizeof(*this) + extraBytes(before) + extraBytes(after); }
  // The next change of the same value ends where this one now ends.
  bool absorb(const editChange& next) override {
    const auto* change = dynamic_cast<const valueChange*>(&next);
    if (!change || !sameKey(key, change->key)) return false;
    after = change->after;
    return true;
  }

 private:
  Key key;
  Value before, after;
  valueAccess<Key, Value> access;
};

// Makes a change with `apply` (through the model's own operations, which may
// refuse or limit it) and records the value before and after; false, with
// nothing recorded, when the value did not change.
template <typename Key, typename Value, typename Apply>
bool recordValueChange(const Key& key, const valueAccess<Key, Value>& access, Apply apply, const editPlace& place) {
  Value before = access.read(key);
  apply();
  Value after = access.read(key);
  if (same(before, after)) return false;
  editHistoryLog.record(std::make_unique<valueChange<Key, Value>>(key, std::move(before), std::move(after), access),
                        place);
  return true;
}

// The common case: the change is writing the wanted value.
template <typename Key, typename Value>
bool recordValueWrite(const Key& key, const valueAccess<Key, Value>& access, const Value& wanted,
                      const editPlace& place) {
  return recordValueChange(key, access, [&] { access.write(key, wanted); }, place);
}

// ---- an item put in or taken out ---------------------------------------------------------
template <typename Key, typename Item>
struct presenceAccess {
  void (*insert)(const Key&, const Item&);
  void (*remove)(const Key&);
};

template <typename Key, typename Item>
class presenceChange final : public editChange {
 public:
  // `added`: the change put `item` in at `key`; otherwise it took it out.
  presenceChange(const Key& key, Item item, bool added, const presenceAccess<Key, Item>& access)
      : key(key), item(std::move(item)), added(added), access(access) {}
  void undo() override { added ? access.remove(key) : access.insert(key, item); }
  void redo() override { added ? access.insert(key, item) : access.remove(key); }
  std::size_t bytes() const override { return sizeof(*this) + extraBytes(item); }

 private:
  Key key;
  Item item;
  bool added;
  presenceAccess<Key, Item> access;
};

template <typename Key, typename Item>
void recordPresence(const Key& key, Item item, bool added, const presenceAccess<Key, Item>& access,
                    const editPlace& place) {
  editHistoryLog.record(std::make_unique<presenceChange<Key, Item>>(key, std::move(item), added, access), place);
}

}  // namespace tf
