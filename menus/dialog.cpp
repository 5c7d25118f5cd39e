// Dialog state and dialog file look-ups.
#include "menus/dialog.h"

#include <utility>

#include "core/numbers.h"
#include "core/script_object.h"
#include "core/system.h"
#include "media/images.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

constexpr const char* kEndOfText = "end";
constexpr const char* kMissingText = "NULL";

std::string dialogKey(int d, const std::string& part) { return "dialog" + std::to_string(d) + part; }
std::string buttonKey(int d, int k, const std::string& part = "") {
  return dialogKey(d, "button" + std::to_string(k) + part);
}
int integer(const std::string& key) { return truncToInt(scriptSys.findLineF(key)); }

constexpr float kButtonX[2] = {300, 500};
constexpr float kButtonY = 370;
constexpr float kButtonHalfSize = 43;
constexpr float kHoverGrowth = 1.1f;
constexpr float kPressedShade = 0.7f;
constexpr int kPressedMark[2] = {kPressedDialogLeft, kPressedDialogRight};
constexpr float kTextX = 250;
constexpr float kFirstLineY = 200;
constexpr float kLineSpacing = 15;

int pictureOrNone(int index) { return namesSystemImage(index) ? index : -1; }

std::function<int(int)>& dialogChoice() {
  static std::function<int(int)> choose;
  return choose;
}

}  // namespace

void setDialogChoice(std::function<int(int id)> choose) { dialogChoice() = std::move(choose); }

void enableDialog(int id) {
  if (dialogChoice()) id = dialogChoice()(id);
  if (gameSys.getGameState() != kStateDialog) gameUI.setLastGS(gameSys.getGameState());
  gameSys.setGameState(kStateDialog);
  gameUI.setCurrentDialogBox(id);
}

void disableDialog() {
  gameSys.setGameState(gameUI.getLastGS());
  gameUI.setCurrentDialogBox(0);
}

int dialogBackground(int d) { return integer(dialogKey(d, "background")); }

int dialogButtonImage(int d, int k) { return integer(buttonKey(d, k)); }

DialogAction dialogButtonAction(int d, int k) {
  DialogAction action;
  action.func = integer(buttonKey(d, k, "func"));
  action.func2 = integer(buttonKey(d, k, "func2"));
  return action;
}

std::vector<std::string> dialogTextLines(int d) {
  std::vector<std::string> lines{scriptSys.findLineS(dialogKey(d, "text0"))};
  for (int i = 1;; ++i) {
    std::string line = scriptSys.findLineS(dialogKey(d, "text" + std::to_string(i)));
    if (line == kEndOfText || line == kMissingText) break;
    lines.push_back(line);
  }
  return lines;
}

bool namesSystemImage(int index) { return index >= 0 && index < kSystemImageCount; }

DialogLayout layoutDialog(int d) {
  DialogLayout layout;
  layout.background = pictureOrNone(dialogBackground(d));
  for (int k = 0; k < 2; ++k) {
    DialogButtonLook& button = layout.buttons[k];
    button.image = pictureOrNone(dialogButtonImage(d, k));
    button.x = kButtonX[k];
    button.y = kButtonY;
    const float growth = gameUI.getHoverButton() == k ? kHoverGrowth : 1.0f;
    button.w = button.h = kButtonHalfSize * growth;
    button.shade = gameUI.getPressedButton() == kPressedMark[k] ? kPressedShade : 1.0f;
  }
  layout.lines = dialogTextLines(d);
  layout.textX = kTextX;
  layout.firstLineY = kFirstLineY;
  layout.lineSpacing = kLineSpacing;
  return layout;
}

}  // namespace tf
