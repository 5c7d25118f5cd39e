// The keys of a menu file, shared by its reader and its writer so that both
// spell them alike: "menu<m>background", "menu<m>button<b>x", "image<i>anim"...
#pragma once

#include <string>
#include <vector>

namespace tf {
namespace uikeys {

// One kind of element list of a menu: the word in its keys, the word that ends
// the list, and the suffixes of one element's keys in file order.
struct ElementKeys {
  const char* kind;
  const char* endWord;
  std::vector<const char*> fields;
};

extern const ElementKeys kButtons;
extern const ElementKeys kTextboxes;
extern const ElementKeys kTextlines;

constexpr const char* kEndMenus = "endMenuLoad";
// Written after each menu's shown strings; the reader stops there.
constexpr const char* kEndStrings = "end";
// The menu ids of the file, in the order they are written.
extern const char* const kMenuIds[4];

// "menu<m>" followed by `part`.
std::string menuKey(int m, const std::string& part = "");
// "menu<m><kind><i>" followed by `field`; without a field, the key that holds
// the list's end word at the index just past its last element.
std::string elementKey(int m, const ElementKeys& list, int i, const std::string& field = "");
// "image<i>" followed by `field`.
std::string imageKey(int i, const std::string& field);

}  // namespace uikeys
}  // namespace tf
