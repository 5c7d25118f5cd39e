// Menu file keys.
#include "menus/ui_keys.h"

namespace tf {
namespace uikeys {

const ElementKeys kButtons{"button", "endButtonLoad", {"x", "y", "w", "h", "tex", "func", "func2"}};
const ElementKeys kTextboxes{"textbox", "endTextboxLoad", {"x", "y", "w", "h", "textnum", "linkedbutton"}};
const ElementKeys kTextlines{"text", "endTextLoad", {"x", "y", "r", "g", "b", "string"}};

const char* const kMenuIds[4] = {"intromenu", "editormainmenu", "editormenu", "ingamemenu"};

std::string menuKey(int m, const std::string& part) { return "menu" + std::to_string(m) + part; }

std::string elementKey(int m, const ElementKeys& list, int i, const std::string& field) {
  return menuKey(m, list.kind + std::to_string(i) + field);
}

std::string imageKey(int i, const std::string& field) { return "image" + std::to_string(i) + field; }

}  // namespace uikeys
}  // namespace tf
