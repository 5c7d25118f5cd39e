// The macro menu as a screen: its codes (the macros, close).
#include "editor/macro_menu.h"

namespace tf {
namespace {

class MacroMenu : public Screen {
 public:
  std::vector<PickList> picks() const override { return {pickList(kMacroMenuPicks)}; }
};

}  // namespace

Screen& macroMenu() {
  static MacroMenu screen;
  return screen;
}

}  // namespace tf
