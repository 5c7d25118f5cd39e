// Game browser layout and clicks.
#include "menus/file_browser.h"

#include "core/clock.h"
#include "core/numbers.h"
#include "core/run_state.h"
#include "core/system.h"
#include "media/sound.h"
#include "media/text.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

constexpr int kFirstRowY = 150;
constexpr int kRowSpacing = 25;
constexpr const char* kSelectedColor = "^y";

// The last click on a row, for the double click.
bool rowClicked = false;
int lastRowClick = 0;

void close() { gameSys.setDirTextbox(-1); }

void forgetRowClick() {
  rowClicked = false;
  lastRowClick = 0;
}
const bool registered = registerRunStateReset(forgetRowClick);

}  // namespace

bool browserOpen() { return gameSys.getDirTextbox() >= 0; }

BrowserLayout layoutBrowser() {
  BrowserLayout layout;
  const int first = gameSys.getLastDir() < 0 ? 0 : gameSys.getLastDir();
  for (int index = first; index < kMaxGameFolders && index - first < kBrowserRowsShown; ++index) {
    const std::string name = gameSys.getDirName(index);
    if (name.empty()) break;
    BrowserRow row;
    row.index = index;
    row.y = kFirstRowY + kRowSpacing * (index - first);
    row.width = truncToInt(getDisplayTextSize(name));
    row.selected = index == gameSys.getSelectedDir();
    row.label = row.selected ? kSelectedColor + name : name;
    layout.rows.push_back(row);
  }
  layout.upArrow = first > 0;
  layout.downArrow = static_cast<int>(layout.rows.size()) > kBrowserRowsBeforeArrow;
  return layout;
}

void browserTakeSelection() {
  if (!browserOpen()) return;
  uiScriptString.setString(gameSys.getDirName(gameSys.getSelectedDir()), gameSys.getDirTextbox());
  close();
  rowClicked = false;
}

void browserConfirm() {
  playSystemSound(kSoundSelect, 0);
  browserTakeSelection();
}

void browserCancel() {
  playSystemSound(kSoundSelect, 0);
  close();
}

void browserClickRow(int index) {
  const int now = elapsedMs();
  const bool again = rowClicked && index == gameSys.getSelectedDir() && now >= lastRowClick &&
                     now - lastRowClick < kBrowserDoubleClickMs;
  if (again) {
    browserConfirm();
    return;
  }
  playSystemSound(kSoundSelect, 0);
  gameSys.setSelectedDir(index);
  rowClicked = true;
  lastRowClick = now;
}

void browserScrollDown() {
  if (gameSys.getLastDir() >= kMaxGameFolders) return;
  playSystemSound(kSoundSelect, 0);
  gameSys.setLastDir(gameSys.getLastDir() + 1);
}

void browserScrollUp() {
  if (gameSys.getLastDir() <= 0) return;
  playSystemSound(kSoundSelect, 0);
  gameSys.setLastDir(gameSys.getLastDir() - 1);
}

bool browserPick(const PickEvent& e) {
  switch (e.code) {
    case kPickBrowserChoice:
      if (e.leftPress() && e.blue == 1) browserConfirm();
      if (e.leftPress() && e.blue == 0) browserCancel();
      return true;
    case kPickBrowserRow:
      if (e.leftPress()) browserClickRow(e.blue);
      return true;
    case kPickBrowserDown:
      if (e.leftPress()) browserScrollDown();
      return true;
    case kPickBrowserUp:
      if (e.leftPress()) browserScrollUp();
      return true;
    default:
      return false;
  }
}

}  // namespace tf
