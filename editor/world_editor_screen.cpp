// The world editor's screen: keys, buttons, map hits and codes.
#include "editor/world_editor_screen.h"

#include "console/console.h"
#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/editor_codes.h"
#include "editor/world_editor.h"
#include "game/world.h"
#include "menus/ui.h"

namespace tf {
namespace {

// The layers shown to the user as 1 to 7 are switches 0 to 6.
constexpr unsigned char kFirstLayerKey = '1';
constexpr unsigned char kLastLayerKey = '7';
// Shift and an arrow key resize the current object this much.
constexpr float kObjectResizeStep = 0.01f;

bool editingScreenShown() { return gameUI.getCurrentMenu() == gameUI.getEditorMenu(); }

// The image chooser or the macro menu lies over the map.
bool overlayOpen() { return worldEditor.getImageMenuTimer() > 0 || worldEditor.getTemplateSelectState() != 0; }

bool currentObject(int& obj, int& m) {
  m = world.getCurrentMap();
  obj = worldEditor.getCurrentObject();
  return obj >= 0 && obj < world.worldGetObjectCount(m);
}

void cameraOnCurrentObject() {
  int obj, m;
  if (!currentObject(obj, m)) return;
  float x, y, w, h, camX, camY, camZ;
  int tex, layer;
  world.worldGetObject(x, y, w, h, tex, layer, obj, m);
  camera.GetPos(camX, camY, camZ);
  camera.SetPos(x, y, camZ);
}

class WorldEditorScreen : public Screen {
 public:
  bool onKey(unsigned char key, int) override {
    if (key >= kFirstLayerKey && key <= kLastLayerKey) {
      const int layer = key - kFirstLayerKey;
      worldEditor.setRenderLayer(layer, !worldEditor.getRenderLayer(layer));
    }
    if (key == kCharEnter && editingScreenShown() && worldEditor.getEditorMode() == kModeObject) {
      cameraOnCurrentObject();
    }
    return false;
  }

  bool onSpecialKey(int key, int modifiers) override {
    if (key == kSpecialF10) worldEditor.setSAO(worldEditor.getSAO() ? 0 : 1);
    if (consoleOpen() || !isArrowKey(key) || gameSys.getInputState() != kInputNormal) return false;
    if (worldEditor.getEditorMode() == kModeObject && (modifiers & kModShift)) resizeCurrentObject(key);
    return false;
  }

  // The wheel is the logic editor's or nobody's; a middle click adds an
  // object on the editing screen when nothing lies over the map.
  bool onButton(const ButtonEvent& e) override {
    if (e.button == kButtonWheelUp || e.button == kButtonWheelDown) return !inLogicEditor();
    if (e.button != kButtonMiddle) return false;
    if (e.pressed) return true;
    if (!inLogicEditor() && editingScreenShown() && !overlayOpen()) addObject();
    return false;
  }

  void onMapHit(const MapHit& hit) override {
    if (overlayOpen()) return;
    if (hit.kind == MapHit::Object) editorSelectObject(hit.object);
    if (hit.kind == MapHit::Tile && !hit.dragging) editorSelectTile(hit.column, hit.row);
    worldEditor.setLastClickTime(hit.time);
  }

  bool onPick(const PickEvent& e) override { return sharedEditorPick(e); }
  bool onPickAfterMenus(const PickEvent& e) override { return uiAndGameEditorPicking(e); }

  std::vector<PickList> picks() const override { return {pickList(kWorldEditorPicks), pickList(kEditorPicks)}; }
};

}  // namespace

Screen& worldEditorScreen() {
  static WorldEditorScreen screen;
  return screen;
}

void resizeCurrentObject(int key) {
  int obj, m;
  if (!currentObject(obj, m)) return;
  float dw = 0, dh = 0;
  switch (key) {
    case kSpecialUp: dh = -kObjectResizeStep; break;
    case kSpecialDown: dh = kObjectResizeStep; break;
    case kSpecialLeft: dw = -kObjectResizeStep; break;
    case kSpecialRight: dw = kObjectResizeStep; break;
    default: return;
  }
  float x, y, w, h;
  int tex, layer;
  world.worldGetObject(x, y, w, h, tex, layer, obj, m);
  world.worldSetObject(x, y, w + dw, h + dh, tex, layer, obj, m);
}

}  // namespace tf
