// Creating, copying, resizing, renaming and deleting maps from the editor's
// panels, and painting tiles.
#include "editor/world_editor_maps.h"

#include <cctype>

#include "core/system.h"
#include "editor/editor.h"
#include "editor/edits.h"
#include "editor/image_chooser.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/dialog.h"
#include "menus/system_textboxes.h"

namespace tf {
namespace {

// The system textboxes of the panels.
constexpr int kNewWidthField = 0, kNewHeightField = 1;
constexpr int kResizeWidthField = 2, kResizeHeightField = 3;
constexpr int kMapNameField = 4;
// Dialog 3 asks whether to delete the current map.
constexpr int kDeleteMapDialog = 3;
// More digits than this cannot be a map side, whatever they say.
constexpr std::size_t kMostDigits = 9;
constexpr const char* kNewMapName = "New Map";

std::string fieldText(int textbox) {
  float x, y, w, h;
  int text = 0;
  sysTextbox[textbox].getTextbox(x, y, w, h, text);
  return uiScriptString.getString(text);
}

bool sizeFields(int widthField, int heightField, int highest, int& w, int& h) {
  return readWholeNumber(fieldText(widthField), 1, highest, w) &&
         readWholeNumber(fieldText(heightField), 1, highest, h);
}

void refuse(const char* title, const char* message) {
  playSystemSound(kSoundError, 0);
  notice.setNotice(title, message);
}

// The editor shows the map just made, its fields done with.
void showNewMap(int m) {
  playSystemSound(kSoundOpen, 0);
  changeMap(m);
  gameSys.setInputState(kInputNormal);
}

bool blank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

// A resize leaves the selected tiles on the map, or selects tile (0, 0).
void keepTileSelectionOnMap() {
  int w = 0, h = 0;
  std::string name;
  world.worldGetMap(w, h, name, world.getCurrentMap());
  int x0, y0, x1, y1;
  worldEditor.getStartingTile(x0, y0);
  worldEditor.getEndingTile(x1, y1);
  if (x0 < w && x1 < w && y0 < h && y1 < h) return;
  worldEditor.setCurrentTile(0, 0);
  if (worldEditor.getEditorMode() == kModeTile) worldEditor.setEditorMode(kModeNothing);
}

}  // namespace

bool readWholeNumber(const std::string& text, int lowest, int highest, int& value) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::size_t last = text.find_last_not_of(' ');
  const std::string digits = text.substr(first, last - first + 1);
  if (digits.size() > kMostDigits) return false;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  const int number = std::stoi(digits);
  if (number < lowest || number > highest) return false;
  value = number;
  return true;
}

void createMapFromFields() {
  int w = 0, h = 0;
  if (!sizeFields(kNewWidthField, kNewHeightField, kLargestNewMapSide, w, h)) {
    refuse("Create Map", "Invalid Width or Height entered for new map!");
    return;
  }
  const int m = editAddMap(w, h, kNewMapName);
  if (m < 0) {
    refuse("Create Map", "The game cannot hold another map of this size.");
    return;
  }
  showNewMap(m);
}

void copyCurrentMap() {
  const int m = editCopyMap(world.getCurrentMap());
  if (m < 0) {
    refuse("Copy Map", "The game cannot hold another copy of this map.");
    return;
  }
  showNewMap(m);
}

void resizeMapFromFields() {
  int w = 0, h = 0;
  if (!sizeFields(kResizeWidthField, kResizeHeightField, kMaxMapSide, w, h)) {
    notice.setNotice("Edit Map", "Invalid Width or Height entered for resize!");
    return;
  }
  int oldW = 0, oldH = 0;
  std::string name;
  world.worldGetMap(oldW, oldH, name, world.getCurrentMap());
  if ((w != oldW || h != oldH) && !editResizeMap(world.getCurrentMap(), w, h)) {
    notice.setNotice("Edit Map", "The game cannot hold a map of this size.");
    return;
  }
  keepTileSelectionOnMap();
  gameSys.setInputState(kInputNormal);
}

void renameMapFromField() {
  const std::string name = fieldText(kMapNameField);
  if (blank(name)) {
    notice.setNotice("Edit Map", "Invalid name entered.");
    return;
  }
  editRenameMap(world.getCurrentMap(), name);
  gameSys.setInputState(kInputNormal);
}

void askToDeleteMap() {
  if (world.getMapCount() < 2) {
    notice.setNotice("Cannot Delete Map", "There must always be at least one map.");
    return;
  }
  enableDialog(kDeleteMapDialog);
}

void chooseTileImage() {
  playSystemSound(kSoundOpen, 0);
  ChooserOpener opener;
  opener.registry = kGameImages;
  opener.marked = [] {
    int x = 0, y = 0, image = 0;
    worldEditor.getCurrentTile(x, y);
    world.worldGetTile(image, x, y, world.getCurrentMap());
    return image;
  };
  opener.choose = [](int image) {
    int x0, y0, x1, y1;
    worldEditor.getStartingTile(x0, y0);
    worldEditor.getEndingTile(x1, y1);
    editPaintTiles(world.getCurrentMap(), x0, y0, x1, y1, image);
  };
  openImageChooser(std::move(opener));
}

void setTileStretch(bool on) {
  if (on) worldEditor.setCurrentTile(0, 0);
  editSetTileStretch(world.getCurrentMap(), on);
}

}  // namespace tf
