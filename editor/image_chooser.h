// The image chooser: a page of the pictures of one image registry (game
// images for the world editor and the logic editor, menu images for the menu
// editor) from which the user picks one for whatever opened it: a tile range,
// objects, an animated image, a sentence's image operand, a menu background
// or button. Its state is the editor's (imageMenuTimer, imageMenuRow).
#pragma once

#include <functional>
#include <vector>

#include "core/panel_plan.h"
#include "core/screen.h"
#include "editor/image_registry.h"

namespace tf {

// The images are shown in rows of 10, six rows to a page.
constexpr int kChooserColumns = 10;
constexpr int kChooserRows = 6;
// A second choice of the same image within this time closes the chooser.
constexpr int kChooserDoubleClickMs = 500;

// Who opened the chooser: the registry it lists, the image it marks (that of
// the thing being edited, -1 for none) and what a chosen image does. The
// chooser closes by itself once the game state, editor mode or menu it was
// opened in is left.
struct ChooserOpener {
  ImageRegistry registry = kGameImages;
  std::function<int()> marked;
  std::function<void(int image)> choose;
  bool closeOnChoice = false;  // one choice closes it
};

// Opens the chooser for `opener`, on the row it was left at.
void openImageChooser(ChooserOpener opener);
// True while the chooser is open for an opener still shown (one that is no
// longer shown closes it here).
bool imageChooserOpen();
void closeImageChooser();

// The page that starts at row `row`: the images that exist in the registry,
// in order, from image number row x 10 among them. The up arrow shows past
// the first row, the down arrow while more images follow the page.
struct ChooserPage {
  int row = 0;              // the row shown, within the rows there are
  std::vector<int> images;  // at most 60 image indexes
  bool up = false, down = false;
};
ChooserPage chooserPage(ImageRegistry registry, int row);

// The open chooser's panel, page, marked image and arrows.
void planImageChooser(PanelPlan& out);

// The chooser's codes: rows down and up, an image chosen, close; each on a
// left or right press, each consumed whatever the event.
bool imageChooserPick(const PickEvent& e);

}  // namespace tf
