// The image chooser: its opener, its pages, its panel and its codes.
#include "editor/image_chooser.h"

#include <algorithm>
#include <utility>

#include "core/clock.h"
#include "core/platform.h"
#include "core/run_state.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/editor_panels.h"
#include "media/images.h"
#include "media/sound.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

constexpr int kPageSize = kChooserColumns * kChooserRows;
// The colour code carries the image in two bytes.
constexpr int kPickableImages = 256 * 256;

// The panel, its buttons and its cells: centres and half sizes.
struct Box {
  float x, y, w, h;
};
constexpr Box kPanel{420, 230, 350, 220};
constexpr Box kUpArrow{645, 410, 24, 24};
constexpr Box kDownArrow{680, 410, 24, 24};
constexpr Box kCloseButton{730, 410, 24, 24};
constexpr float kFirstCellX = 150, kFirstCellY = 60, kCellStep = 60;
constexpr float kImageHalfSize = 26;
constexpr float kMarkHalfSize = 29;

// What the chooser was opened for and where.
struct OpenedFor {
  ChooserOpener opener;
  int gameState = 0, editorMode = 0, menu = 0;
};
OpenedFor openedFor;

// The last image chosen and when, for the double click.
bool chosenBefore = false;
int lastChosen = -1;
int lastChosenAt = 0;

void forgetChooser() {
  openedFor = OpenedFor();
  chosenBefore = false;
  lastChosen = -1;
  lastChosenAt = 0;
}
const bool registered = registerRunStateReset(forgetChooser);

bool openerShown() {
  return gameSys.getGameState() == openedFor.gameState && worldEditor.getEditorMode() == openedFor.editorMode &&
         gameUI.getCurrentMenu() == openedFor.menu;
}

std::vector<int> existingImages(ImageRegistry registry) {
  std::vector<int> images;
  const int counted = std::min(countedImages(registry), kPickableImages);
  for (int i = 0; i < counted; ++i) {
    if (imageExists(registry, i)) images.push_back(i);
  }
  return images;
}

int markedImage() { return openedFor.opener.marked ? openedFor.opener.marked() : -1; }

PictureSource sourceOf(ImageRegistry registry) {
  return registry == kGameImages ? PictureSource::Game : PictureSource::Menu;
}

PickColor imagePick(int image) { return {kPickChooserImage, image / 256, image % 256}; }

void button(PanelPlan& out, int image, const Box& b, int code) { out.picture(image, b.x, b.y, b.w, b.h, menuPick(code)); }

// A second choice of the same image soon after the first closes the chooser.
bool doubleChoice(int image, int now) {
  const bool twice = chosenBefore && image == lastChosen && now >= lastChosenAt &&
                     now - lastChosenAt < kChooserDoubleClickMs;
  chosenBefore = true;
  lastChosen = image;
  lastChosenAt = now;
  return twice;
}

void chooseImage(int image) {
  if (!imageExists(openedFor.opener.registry, image)) return;
  playSystemSound(kSoundSelect, 0);
  // The opener may open the chooser anew; what closes it is decided first.
  const bool close = doubleChoice(image, elapsedMs()) || openedFor.opener.closeOnChoice;
  if (openedFor.opener.choose) openedFor.opener.choose(image);
  if (close) worldEditor.setImageMenuTimer(-1);
}

void stepRows(int step) {
  const ChooserPage page = chooserPage(openedFor.opener.registry, worldEditor.getImageMenuRow());
  if ((step > 0 && !page.down) || (step < 0 && !page.up)) return;
  worldEditor.setImageMenuRow(page.row + step);
  playSystemSound(kSoundSelect, 0);
}

class ImageChooserScreen : public Screen {
 public:
  bool onPick(const PickEvent& e) override { return imageChooserPick(e); }

  // Over the world editor's panels; over the menu editor's, which it draws
  // over its menu's elements.
  void draw(ScreenLayer layer, bool picking) override {
    const ScreenLayer own = gameSys.getGameState() == kStateMenuEditor ? ScreenLayer::OverMenu : ScreenLayer::UnderMenu;
    if (layer != own || !imageChooserOpen()) return;
    plan.clear();
    planImageChooser(plan);
    platform().drawPanel(plan, picking);
  }

  std::vector<PickList> picks() const override { return {pickList(kImageChooserPicks)}; }

 private:
  PanelPlan plan;
};

}  // namespace

void openImageChooser(ChooserOpener opener) {
  openedFor.opener = std::move(opener);
  openedFor.gameState = gameSys.getGameState();
  openedFor.editorMode = worldEditor.getEditorMode();
  openedFor.menu = gameUI.getCurrentMenu();
  worldEditor.setImageMenuTimer(1);
}

bool imageChooserOpen() {
  if (worldEditor.getImageMenuTimer() <= 0) return false;
  if (openerShown()) return true;
  closeImageChooser();
  return false;
}

void closeImageChooser() { worldEditor.setImageMenuTimer(0); }

ChooserPage chooserPage(ImageRegistry registry, int row) {
  const std::vector<int> images = existingImages(registry);
  const int rows = (static_cast<int>(images.size()) + kChooserColumns - 1) / kChooserColumns;
  ChooserPage page;
  page.row = std::clamp(row, 0, std::max(0, rows - kChooserRows));
  const auto first = images.begin() + std::min<std::size_t>(images.size(), page.row * kChooserColumns);
  const auto last = images.begin() + std::min<std::size_t>(images.size(), page.row * kChooserColumns + kPageSize);
  page.images.assign(first, last);
  page.up = page.row > 0;
  page.down = last != images.end();
  return page;
}

void planImageChooser(PanelPlan& out) {
  const ImageRegistry registry = openedFor.opener.registry;
  const ChooserPage page = chooserPage(registry, worldEditor.getImageMenuRow());
  out.picture(kImgDialogBackground, kPanel.x, kPanel.y, kPanel.w, kPanel.h, kPickBlocking);
  if (page.up) button(out, kImgArrowUp, kUpArrow, kPickChooserUp);
  button(out, kImgOk, kCloseButton, kPickChooserClose);
  if (page.down) button(out, kImgArrowDown, kDownArrow, kPickChooserDown);
  const int marked = markedImage();
  for (std::size_t k = 0; k < page.images.size(); ++k) {
    const int image = page.images[k];
    const float x = kFirstCellX + kCellStep * static_cast<float>(k % kChooserColumns);
    const float y = kFirstCellY + kCellStep * static_cast<float>(k / kChooserColumns);
    if (image == marked) out.picture(kImgBlur, x, y, kMarkHalfSize, kMarkHalfSize);
    out.registryPicture(sourceOf(registry), image, x, y, kImageHalfSize, kImageHalfSize, imagePick(image));
  }
}

bool imageChooserPick(const PickEvent& e) {
  const bool chooserCode = e.code == kPickChooserDown || e.code == kPickChooserUp || e.code == kPickChooserImage ||
                           e.code == kPickChooserClose;
  if (!chooserCode) return false;
  if (!(e.leftPress() || e.rightPress()) || !imageChooserOpen()) return true;
  switch (e.code) {
    case kPickChooserDown: stepRows(1); break;
    case kPickChooserUp: stepRows(-1); break;
    case kPickChooserImage: chooseImage(e.green * 256 + e.blue); break;
    default:
      playSystemSound(kSoundClose, 0);
      closeImageChooser();
      break;
  }
  return true;
}

Screen& imageChooser() {
  static ImageChooserScreen screen;
  return screen;
}

}  // namespace tf
