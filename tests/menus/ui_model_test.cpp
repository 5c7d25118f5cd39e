// The menu model: a text line put back among the others at its place.
#include "menus/ui_model.h"

#include <gtest/gtest.h>

#include <string>

using namespace tf;

namespace {

std::string lines(const Menu& menu) {
  std::string all;
  for (int i = 0; i < menu.getTextlineCount(); ++i) {
    float x, y, r, g, b;
    std::string text;
    menu.menuGetText(x, y, r, g, b, text, i);
    all += text + "@" + std::to_string(static_cast<int>(x)) + " ";
  }
  return all;
}

TEST(MenuModel, ATextLineIsPutBackAtItsPlaceAmongTheOthers) {
  Menu menu;
  EXPECT_FALSE(menu.menuInsertTextline(1, 0, 1, 1, 1, "b", 1));  // beyond the end of an empty list
  EXPECT_TRUE(menu.menuInsertTextline(1, 0, 1, 1, 1, "b", 0));
  EXPECT_TRUE(menu.menuInsertTextline(0, 0, 1, 1, 1, "a", 0));
  EXPECT_TRUE(menu.menuInsertTextline(3, 0, 1, 1, 1, "d", 2));
  EXPECT_TRUE(menu.menuInsertTextline(2, 0, 1, 1, 1, "c", 2));
  EXPECT_FALSE(menu.menuInsertTextline(9, 0, 1, 1, 1, "x", -1));
  EXPECT_EQ(lines(menu), "a@0 b@1 c@2 d@3 ");
  menu.menuDeleteTextline(1);
  EXPECT_TRUE(menu.menuInsertTextline(1, 0, 1, 1, 1, "b", 1));
  EXPECT_EQ(lines(menu), "a@0 b@1 c@2 d@3 ");
}

}  // namespace
