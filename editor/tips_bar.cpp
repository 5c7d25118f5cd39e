// The tips bar as a screen: its two arrows.
#include "editor/tips_bar.h"

namespace tf {
namespace {

class TipsBar : public Screen {
 public:
  std::vector<PickList> picks() const override { return {pickList(kTipsPicks)}; }
};

}  // namespace

Screen& tipsBar() {
  static TipsBar screen;
  return screen;
}

}  // namespace tf
