// The editor panels as screens: so far each names the colour codes it reads
// (rows, images and close; the macros).
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

Screen& imageChooser() {
  static Panel panel(pickList(kImageChooserPicks));
  return panel;
}

Screen& macroMenu() {
  static Panel panel(pickList(kMacroMenuPicks));
  return panel;
}

}  // namespace tf
