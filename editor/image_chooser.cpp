// The image chooser as a screen: its codes (rows, images, close).
#include "editor/image_chooser.h"

namespace tf {
namespace {

class ImageChooser : public Screen {
 public:
  std::vector<PickList> picks() const override { return {pickList(kImageChooserPicks)}; }
};

}  // namespace

Screen& imageChooser() {
  static ImageChooser screen;
  return screen;
}

}  // namespace tf
