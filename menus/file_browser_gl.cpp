// Drawing the game browser: a window over a veil, its title, the rows of game
// names (the selected one underlined), the scroll arrows and the check mark
// and cross; in a pick pass each in its pick colour.
#include "media/choice.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/file_browser.h"
#include "menus/menu_layout.h"

namespace tf {
namespace {

constexpr int kWindowHalfWidth = 350, kWindowHalfHeight = 250;
constexpr int kIconHalfSize = 16;
constexpr int kOkX = 660, kCancelX = 705, kChoiceY = 500;
constexpr int kArrowX = 90, kUpArrowY = 170, kDownArrowY = 470;
constexpr int kTitleX = 90, kTitleY = 90, kHintY = 115;
constexpr int kRowX = 110;
constexpr int kRowMargin = 5;
constexpr int kRowHalfHeight = 12;
constexpr const char* kTitle = "^4^yTessera Forge Game Browser";
constexpr const char* kHint = "Select a game below and click on the green checkmark to confirm.";

void drawBlocking(const WholeRect& r, int image) {
  displaySingleChoice(r.x, r.y, r.w, r.h, image, kPickBlocking.r, kPickBlocking.g, kPickBlocking.b);
}

void drawIcon(int x, int y, int image, int code, int blue) {
  displaySingleChoice(x, y, kIconHalfSize, kIconHalfSize, image, code, kPickMenuMark, blue);
}

void drawRow(const BrowserRow& row) {
  displaySingleChoice(row.width / 2 + kRowX, row.y, row.width / 2 + kRowMargin, kRowHalfHeight,
                      row.selected ? kImgLine : kImgNone, kPickBrowserRow, kPickMenuMark, row.index);
  displayTextString(kRowX, row.y, row.label);
}

}  // namespace

void renderFileBrowser() {
  if (!browserOpen()) return;
  drawBlocking(kWholeScreen, kImgBlur);
  drawBlocking({kWholeScreen.x, kWholeScreen.y, kWindowHalfWidth, kWindowHalfHeight}, kImgDialogBackground);
  drawIcon(kOkX, kChoiceY, kImgOk, kPickBrowserChoice, 1);
  drawIcon(kCancelX, kChoiceY, kImgCancel, kPickBrowserChoice, 0);
  const BrowserLayout layout = layoutBrowser();
  if (layout.upArrow) drawIcon(kArrowX, kUpArrowY, kImgArrowUp, kPickBrowserUp, kPickMenuMark);
  displayTextString(kTitleX, kTitleY, kTitle);
  displayTextString(kTitleX, kHintY, kHint);
  for (const BrowserRow& row : layout.rows) drawRow(row);
  if (layout.downArrow) drawIcon(kArrowX, kDownArrowY, kImgArrowDown, kPickBrowserDown, kPickMenuMark);
}

}  // namespace tf
