// The world editor's map panels: a map created from the new-map fields, the
// current map copied, resized from the edit-map fields, renamed and deleted
// (after the user confirms), and the tile panel's painting and stretch. Every
// change goes through the edits; every refusal is a notice and changes
// nothing.
#pragma once

#include <string>

namespace tf {

// New maps are below 700 tiles a side; a resize may reach 700.
constexpr int kLargestNewMapSide = 699;

// `text` as a whole number from `lowest` to `highest` (blanks around it
// allowed); false for anything else: no digits, signs, letters, a number out
// of range or too long to be one.
bool readWholeNumber(const std::string& text, int lowest, int highest, int& value);

// The new-map panel's check mark: a map of the fields' width and height,
// named "New Map", which the editor then shows.
void createMapFromFields();
// A copy of the current map as the last map, which the editor then shows.
void copyCurrentMap();
// The edit-map panel: the fields' size (tiles keep their places) and name.
void resizeMapFromFields();
void renameMapFromField();
// The delete-map icon: asks first (dialog 3), never for the last map.
void askToDeleteMap();

// The tile panel: the chooser opens for the selected range, whose tiles all
// take the image chosen; tile stretch on (from tile 0, 0) and off.
void chooseTileImage();
void setTileStretch(bool on);

}  // namespace tf
