// Objects in the world editor: selecting them on the map (one, a list of up
// to 50, a double click opening the local logic), moving them with the arrow
// keys and by dragging, resizing, copying and deleting the selection, and the
// object panel's controls. Every change goes through the edits; a drag, a
// copy or deletion of a list and an image given to a list are one step each.
#pragma once

#include <string>
#include <vector>

#include "core/screen.h"

namespace tf {

// A second click on the selected object within this time opens its logic.
constexpr int kObjectDoubleClickMs = 500;
// Drag events dropped after an object is selected, so that a click does not
// nudge it.
constexpr int kObjectDragDelay = 5;
// The object panel's name field (a system textbox).
constexpr int kObjectNameField = 5;
// The arrow keys move objects this far.
constexpr float kObjectArrowStep = 0.05f;

// The objects the editor acts on: the listed ones, or the single current one
// (none when it names no object of the current map).
std::vector<int> selectedObjects();

// The map's selection pass hit object `index` at `time` (ms): a left click
// selects it alone, or opens its local logic when it was already selected
// alone less than kObjectDoubleClickMs after the previous pick; with the
// right button or Shift it joins the list (the single selection before it
// listed first) while fewer than 50 are listed. Indexes that name nothing on
// the map are ignored.
void editorSelectObject(int index, int time, bool addToList);

// Moves the selection by (dx, dy) world units, each object only in an axis
// where it stays on the map (or comes closer to it); the camera moves with
// the single object, or with the first listed one.
void moveSelectedObjects(float dx, float dy);
// Shift and an arrow key resize the current object: up h - 0.01, down
// h + 0.01, left w - 0.01, right w + 0.01.
void resizeCurrentObject(int key);

// Dragging the selection with the left button: a press begins, each drag
// event moves it by the pointer's move in the world since the event before
// (the first only takes the position), any button event ends it. The whole
// drag is one step.
void beginObjectDrag();
void dragObjects(const DragEvent& e);
void endObjectDrag();

// Copies the selection; the copies become the selection. On a full map the
// copying stops at the first refusal with a notice, the list kept as it is.
void copySelectedObjects();
// Deletes the selection (mode 0); the logic naming objects is renumbered.
void deleteSelectedObjects();

// The object panel's controls on the current object.
enum class ObjectSize { Width, Height, SolidWidth, SolidHeight };
void stepObjectLayer(int step);
void stepObjectSize(ObjectSize size, bool larger, bool rightButton);
void toggleObjectSolid();
// The name typed into the name field, trimmed; refused with a notice when
// empty.
void renameObjectFromField();
// Opens the image chooser for the selection, with or without its sound.
void chooseObjectImage(bool withSound);

// The panel's summary line: the single object's name, index, layer, image
// and solidity, or the count of a list.
std::string objectSummary();

}  // namespace tf
