// The editor panels as screens: so far each names the colour codes it reads
// (the macros). The image chooser is image_chooser.cpp; the welcome window and
// the tips bar are modules of their own.
#include "editor/editor_panels.h"

namespace tf {
namespace {

class Panel : public Screen {
 public:
  explicit Panel(PickList codes) : codes_(codes) {}
  std::vector<PickList> picks() const override { return {codes_}; }

 private:
  PickList codes_;
};

}  // namespace

Screen& macroMenu() {
  static Panel panel(pickList(kMacroMenuPicks));
  return panel;
}

}  // namespace tf
