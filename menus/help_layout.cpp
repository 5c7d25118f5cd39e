// Help window layout.
#include "menus/help_layout.h"

#include "media/text.h"
#include "menus/help.h"

namespace tf {
namespace {

// The window's layout origin.
constexpr float kX0 = 98;
constexpr float kY0 = 80;
constexpr float kTopicSpacing = 40;
constexpr float kTopicTitleIndent = 40;
constexpr float kTopicPickIndent = 45;
constexpr float kTopicPickHalfHeight = 15;
constexpr float kHeaderLift = 30;
constexpr float kLinesIndent = 170;
constexpr float kLineSpacing = 13;
constexpr const char* kHeaderSize = "^3 ";

}  // namespace

HelpTopicRow helpTopicRow(int t, const std::string& title) {
  const float width = getDisplayTextSize(title);
  HelpTopicRow row;
  row.titleX = kX0 - kTopicTitleIndent;
  row.titleY = kY0 + kTopicSpacing * t;
  row.pick = {kX0 - kTopicPickIndent + width / 2, row.titleY, width / 2, kTopicPickHalfHeight};
  return row;
}

std::string helpHeader() {
  return uiHelp.getHelpTitle() + kHeaderSize + uiHelp.menuGetMenuTitle(uiHelp.getHelp());
}

void helpHeaderPosition(float& x, float& y) {
  x = kX0;
  y = kY0 - kHeaderLift;
}

void helpLinePosition(int l, float& x, float& y) {
  x = kX0 + kLinesIndent;
  y = kY0 + kLineSpacing * l;
}

}  // namespace tf
