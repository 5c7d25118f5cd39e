// Selecting, moving, resizing, copying and deleting objects in the world
// editor, and the object panel's controls, all through the edits.
#include "editor/world_editor_objects.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "core/camera.h"
#include "core/run_state.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/edits.h"
#include "editor/image_chooser.h"
#include "game/world.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// The panel's size steps: a left click, a right click; shown sizes stay at
// least kSmallestObjectSize (the solid sizes have no lower bound of their own).
constexpr float kSizeStepLeft = 0.01f;
constexpr float kSizeStepRight = 0.05f;
constexpr float kHeightStepDownRight = 0.03f;
constexpr float kSmallestObjectSize = 0.03f;
// Shift and an arrow key resize the current object this much.
constexpr float kObjectResizeStep = 0.01f;
// Where no drag happens: the lower panel and the toolbar (overlay units).
constexpr int kLowerPanelTop = 461;
constexpr int kToolbarLeft = 10, kToolbarRight = 45, kToolbarTop = 31, kToolbarBottom = 459;

int currentMap() { return world.getCurrentMap(); }

bool objectOnMap(int i) { return i >= 0 && i < world.worldGetObjectCount(currentMap()); }

// The current object's fields; false when it names no object.
bool currentFields(int& obj, objectFields& f) {
  obj = worldEditor.getCurrentObject();
  return getObjectFields(currentMap(), obj, f);
}

// ---- the drag -----------------------------------------------------------------------

struct ObjectDrag {
  bool leftHeld = false;   // the left button went down and has not come up
  bool anchored = false;   // a position was taken since then
  double x = 0, y = 0;     // the pointer in the world at the last drag event
  bool stepOpen = false;   // a step of the history brackets the moves
};
ObjectDrag drag;

void forgetDrag() { drag = ObjectDrag(); }
const bool registered = registerRunStateReset(forgetDrag);

bool overPanels(int x, int y) {
  const bool overToolbar = x >= kToolbarLeft && x <= kToolbarRight && y >= kToolbarTop && y <= kToolbarBottom;
  return y >= kLowerPanelTop || overToolbar;
}

// ---- moves within the map --------------------------------------------------------------

// A coordinate may move by d when it stays from 0 to below `limit`, or when
// it lies off the map and comes back towards it.
bool mayMove(float c, float d, float limit) {
  const float to = c + d;
  if (to >= 0 && to < limit) return true;
  return (c < 0 && d > 0) || (c >= limit && d < 0);
}

// Moves each object by (dx, dy) in the axes it may move in; the objects that
// move alike are moved together. The first object's move, (0, 0) for none.
std::pair<float, float> moveWithinMap(const std::vector<int>& objects, float dx, float dy) {
  const int m = currentMap();
  int w = 0, h = 0;
  std::string name;
  world.worldGetMap(w, h, name, m);
  // Objects stay below the centre of the last row and column.
  const float limitX = (w - 1) * kTileSize, limitY = (h - 1) * kTileSize;
  std::map<std::pair<bool, bool>, std::vector<int>> groups;
  std::pair<float, float> first{0, 0};
  for (std::size_t k = 0; k < objects.size(); ++k) {
    objectFields f;
    if (!getObjectFields(m, objects[k], f)) continue;
    const bool moveX = dx != 0 && mayMove(f.x, dx, limitX);
    const bool moveY = dy != 0 && mayMove(f.y, dy, limitY);
    if (k == 0) first = {moveX ? dx : 0, moveY ? dy : 0};
    if (moveX || moveY) groups[{moveX, moveY}].push_back(objects[k]);
  }
  for (const auto& [axes, group] : groups) editMoveObjects(m, group, axes.first ? dx : 0, axes.second ? dy : 0);
  return first;
}

// ---- the list ---------------------------------------------------------------------------

void listObject(int index) {
  editor& e = worldEditor;
  const int amount = e.getObjectListAmount();
  if (e.notInObjectList(index) || amount >= kObjectListSize) return;
  int slot = amount;
  const int single = e.getCurrentObject();
  if (e.getEditorMode() == kModeObject && amount == 0 && single != index && objectOnMap(single)) {
    e.setObjectList(slot++, single);
  }
  e.setObjectList(slot++, index);
  e.setObjectListAmount(slot);
  e.setCurrentObject(index);
}

bool doubleClick(int index, int time) {
  const editor& e = worldEditor;
  const int since = time - e.getLastClickTime();
  return e.getObjectListAmount() == 0 && e.getEditorMode() == kModeObject && e.getCurrentObject() == index &&
         since >= 0 && since < kObjectDoubleClickMs;
}

// Applies `change` to the current object's fields; nothing when it names no
// object.
template <typename Change>
void changeCurrentObject(Change change) {
  int obj;
  objectFields f;
  if (!currentFields(obj, f)) return;
  change(f);
  editSetObject(currentMap(), obj, f);
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Only what the font shows and the map file keeps on one line.
bool printable(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c < 127; });
}

}  // namespace

std::vector<int> selectedObjects() {
  const editor& e = worldEditor;
  std::vector<int> objects;
  for (int slot = 0; slot < e.getObjectListAmount(); ++slot) objects.push_back(e.getObjectList(slot));
  if (objects.empty() && objectOnMap(e.getCurrentObject())) objects.push_back(e.getCurrentObject());
  return objects;
}

void editorSelectObject(int index, int time, bool addToList) {
  if (!objectOnMap(index)) return;
  playSystemSound(kSoundSelect, 0);
  if (addToList) {
    listObject(index);
  } else if (doubleClick(index, time)) {
    worldEditor.setEditorMode(kModeLocalLogic);
    return;
  } else {
    worldEditor.resetObjectList();
    worldEditor.setCurrentObject(index);
  }
  worldEditor.setEditorMode(kModeObject);
  gameSys.setDragDelay(kObjectDragDelay);
}

void moveSelectedObjects(float dx, float dy) {
  const auto [movedX, movedY] = moveWithinMap(selectedObjects(), dx, dy);
  float x, y, z;
  camera.GetPos(x, y, z);
  camera.SetPos(x + movedX, y + movedY, z);
}

void resizeCurrentObject(int key) {
  float dw = 0, dh = 0;
  switch (key) {
    case kSpecialUp: dh = -kObjectResizeStep; break;
    case kSpecialDown: dh = kObjectResizeStep; break;
    case kSpecialLeft: dw = -kObjectResizeStep; break;
    case kSpecialRight: dw = kObjectResizeStep; break;
    default: return;
  }
  changeCurrentObject([dw, dh](objectFields& f) {
    f.w += dw;
    f.h += dh;
  });
}

void beginObjectDrag() {
  endObjectDrag();
  drag.leftHeld = true;
}

void dragObjects(const DragEvent& e) {
  if (!drag.leftHeld || worldEditor.getEditorMode() != kModeObject) return;
  const double dx = e.worldX - drag.x, dy = e.worldY - drag.y;
  const bool moves = drag.anchored && !overPanels(e.overlayX, e.overlayY);
  drag.x = e.worldX;
  drag.y = e.worldY;
  drag.anchored = true;
  if (!moves) return;
  if (!drag.stepOpen) editHistoryLog.beginStep(editPlace{kViewMap, currentMap(), -1});
  drag.stepOpen = true;
  moveWithinMap(selectedObjects(), static_cast<float>(dx), static_cast<float>(dy));
}

void endObjectDrag() {
  if (drag.stepOpen) editHistoryLog.endStep();
  drag = ObjectDrag();
}

void copySelectedObjects() {
  const int m = currentMap();
  editor& e = worldEditor;
  const int amount = e.getObjectListAmount();
  const std::vector<int> objects = selectedObjects();
  playSystemSound(kSoundCopy, 0);
  editHistoryLog.beginStep(editPlace{kViewMap, m, -1});
  for (std::size_t k = 0; k < objects.size(); ++k) {
    const int copy = editCopyObject(m, objects[k]);
    if (copy < 0) {
      notice.setNotice("Too many objects", "You have exceeded the maximum # of objects for this map");
      break;
    }
    e.setCurrentObject(copy);
    if (amount > 0) e.setObjectList(static_cast<int>(k), copy);
  }
  editHistoryLog.endStep();
}

void deleteSelectedObjects() {
  playSystemSound(kSoundDelete, 0);
  worldEditor.setEditorMode(kModeNothing);
  editDeleteObjects(currentMap(), selectedObjects());
  worldEditor.resetObjectList();
}

void stepObjectLayer(int step) {
  const int layers = world.worldGetMapLayerCount(currentMap());
  changeCurrentObject([step, layers](objectFields& f) {
    // Up while below the layer count; down no further than the first layer.
    if ((step > 0 && f.layer < layers) || (step < 0 && f.layer > 0)) f.layer += step;
  });
}

void stepObjectSize(ObjectSize size, bool larger, bool rightButton) {
  float step = rightButton ? kSizeStepRight : kSizeStepLeft;
  if (size == ObjectSize::Height && !larger && rightButton) step = kHeightStepDownRight;
  changeCurrentObject([size, larger, step](objectFields& f) {
    float* value = nullptr;
    switch (size) {
      case ObjectSize::Width: value = &f.w; break;
      case ObjectSize::Height: value = &f.h; break;
      case ObjectSize::SolidWidth: value = &f.solidW; break;
      case ObjectSize::SolidHeight: value = &f.solidH; break;
    }
    const float to = *value + (larger ? step : -step);
    const bool shown = size == ObjectSize::Width || size == ObjectSize::Height;
    // A solid size that reaches 0 is refused by the edits.
    if (larger || !shown || to >= kSmallestObjectSize - 1e-6f) *value = to;
  });
}

void toggleObjectSolid() {
  changeCurrentObject([](objectFields& f) { f.solid = !f.solid; });
}

void renameObjectFromField() {
  float x, y, w, h;
  int text = 0;
  sysTextbox[kObjectNameField].getTextbox(x, y, w, h, text);
  const std::string name = trimmed(uiScriptString.getString(text));
  if (name.empty() || !printable(name)) {
    notice.setNotice("Edit Object", "Invalid name entered.");
    return;
  }
  changeCurrentObject([&name](objectFields& f) { f.name = name; });
  gameSys.setInputState(kInputNormal);
}

void chooseObjectImage(bool withSound) {
  if (withSound) playSystemSound(kSoundOpen, 0);
  ChooserOpener opener;
  opener.registry = kGameImages;
  opener.marked = [] {
    int obj;
    objectFields f;
    return currentFields(obj, f) ? f.image : -1;
  };
  opener.choose = [](int image) {
    const int m = currentMap();
    editHistoryLog.beginStep(editPlace{kViewMap, m, -1});
    for (int obj : selectedObjects()) {
      objectFields f;
      if (!getObjectFields(m, obj, f)) continue;
      f.image = image;
      editSetObject(m, obj, f);
    }
    editHistoryLog.endStep();
  };
  openImageChooser(std::move(opener));
}

std::string objectSummary() {
  const int amount = worldEditor.getObjectListAmount();
  if (amount > 0) {
    return "^yObjects:^w (^y" + std::to_string(amount) + "^w/^y" + std::to_string(kObjectListSize) + "^w)";
  }
  int obj;
  objectFields f;
  if (!currentFields(obj, f)) return "";
  return "^y" + f.name + "^1^w (" + std::to_string(obj) + ") ^b|^y Layer^w: " + std::to_string(f.layer + 1) + "/" +
         std::to_string(world.worldGetMapLayerCount(currentMap())) + "^b|^y Texture^w: " + std::to_string(f.image) +
         "^b|^y Solid^w: " + (f.solid ? "Yes" : "No");
}

}  // namespace tf
