// The editor panels as screens: so far each names the colour codes it reads
// (the macros; the welcome's close icon; the tips' arrows). The image chooser
// is image_chooser.cpp.
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

Screen& welcomeWindow() {
  static Panel panel(pickList(kWelcomePicks));
  return panel;
}

Screen& tipsBar() {
  static Panel panel(pickList(kTipsPicks));
  return panel;
}

}  // namespace tf
