// The world editor's screen: keys, buttons, map hits, codes and drawing.
#include "editor/world_editor_screen.h"

#include "console/console.h"
#include "core/camera.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/animation_panel.h"
#include "editor/editor.h"
#include "editor/editor_codes.h"
#include "editor/edits.h"
#include "editor/image_chooser.h"
#include "editor/macro_menu.h"
#include "editor/world_editor.h"
#include "editor/world_editor_layout.h"
#include "editor/world_editor_maps.h"
#include "editor/world_editor_objects.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "menus/ui.h"

namespace tf {
namespace {

// The layers shown to the user as 1 to 7 are switches 0 to 6.
constexpr unsigned char kFirstLayerKey = '1';
constexpr unsigned char kLastLayerKey = '7';

bool editingScreenShown() { return gameUI.getCurrentMenu() == gameUI.getEditorMenu(); }

// The image chooser or the macro menu lies over the map.
bool overlayOpen() { return imageChooserOpen() || macroMenuOpen(); }

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

// An arrow key as a step on the map: up is a row higher.
bool arrowStep(int key, int& dx, int& dy) {
  dx = dy = 0;
  switch (key) {
    case kSpecialUp: dy = 1; return true;
    case kSpecialDown: dy = -1; return true;
    case kSpecialLeft: dx = -1; return true;
    case kSpecialRight: dx = 1; return true;
    default: return false;
  }
}

void setMode(int mode) { worldEditor.setEditorMode(mode); }

void stepMap(int step) {
  const int m = world.getCurrentMap() + step;
  if (m >= 0 && m < world.getMapCount()) changeMap(m);
}

// The local logic opens for a single selected object.
void openLocalLogic() {
  int obj, m;
  if (worldEditor.getEditorMode() == kModeObject && worldEditor.getObjectListAmount() == 0 && currentObject(obj, m)) {
    setMode(kModeLocalLogic);
  }
}

// When a code acts: a left press, a left or right press, a left release.
enum class When { LeftPress, Press, LeftRelease };
constexpr int kAnyMode = -100;

struct CodeAction {
  int code;
  When when;
  int mode;  // the only mode it acts in, or kAnyMode
  void (*act)();
};

// The world editor's codes and what they do; the fog controls run the fog
// functions of the menus (21 on or off, then density, red, green and blue
// up and down).
const CodeAction kCodeActions[] = {
    {kPickToolbarQuit, When::LeftPress, kAnyMode, editMenu},
    {kPickToolbarNewMap, When::LeftPress, kAnyMode, [] { setMode(kModeNewMap); }},
    {kPickToolbarGlobalLogic, When::LeftPress, kAnyMode, [] { setMode(kModeGlobalLogic); }},
    {kPickToolbarLocalLogic, When::LeftPress, kAnyMode, openLocalLogic},
    {kPickToolbarAddObject, When::LeftRelease, kAnyMode, addObject},
    {kPickToolbarEditMap, When::Press, kAnyMode, [] { setMode(kModeEditMap); }},
    {kPickToolbarFog, When::Press, kAnyMode, [] { setMode(kModeFog); }},
    {kPickToolbarDeleteMap, When::Press, kAnyMode, askToDeleteMap},
    {kPickNewMapCreate, When::Press, kAnyMode, createMapFromFields},
    {kPickNewMapCopy, When::Press, kAnyMode, copyCurrentMap},
    {kPickEditMapResize, When::Press, kAnyMode, resizeMapFromFields},
    {kPickEditMapRename, When::Press, kAnyMode, renameMapFromField},
    {kPickMapNext, When::Press, kAnyMode, [] { stepMap(1); }},
    {kPickMapPrevious, When::Press, kAnyMode, [] { stepMap(-1); }},
    {kPickPlaytest, When::Press, kAnyMode, enterTest},
    {kPickFogToggle, When::Press, kAnyMode, [] { menuFunction(21); }},
    {kPickFogDenser, When::Press, kAnyMode, [] { menuFunction(22); }},
    {kPickFogThinner, When::Press, kAnyMode, [] { menuFunction(23); }},
    {kPickFogRedMore, When::Press, kAnyMode, [] { menuFunction(24); }},
    {kPickFogRedLess, When::Press, kAnyMode, [] { menuFunction(25); }},
    {kPickFogGreenMore, When::Press, kAnyMode, [] { menuFunction(26); }},
    {kPickFogGreenLess, When::Press, kAnyMode, [] { menuFunction(27); }},
    {kPickFogBlueMore, When::Press, kAnyMode, [] { menuFunction(28); }},
    {kPickFogBlueLess, When::Press, kAnyMode, [] { menuFunction(29); }},
    {kPickTileImage, When::Press, kModeTile, chooseTileImage},
    {kPickTileStretchOn, When::Press, kModeTile, [] { setTileStretch(true); }},
    {kPickTileStretchOff, When::Press, kModeTile, [] { setTileStretch(false); }},
    {kPickToolbarCopyObject, When::LeftRelease, kModeObject, copySelectedObjects},
    {kPickToolbarDeleteObject, When::Press, kModeObject, deleteSelectedObjects},
    {kPickObjectImage, When::Press, kModeObject, [] { chooseObjectImage(true); }},
    {kPickObjectImageQuiet, When::Press, kModeObject, [] { chooseObjectImage(false); }},
    {kPickObjectLayerUp, When::Press, kModeObject, [] { stepObjectLayer(1); }},
    {kPickObjectLayerDown, When::Press, kModeObject, [] { stepObjectLayer(-1); }},
    {kPickObjectSolid, When::Press, kModeObject, toggleObjectSolid},
    {kPickObjectRename, When::Press, kModeObject, renameObjectFromField},
    {kPickMacroOpen, When::Press, kModeObject, openMacroMenu},
};

// The object panel's size steps, larger with the right button.
struct SizeAction {
  int code;
  ObjectSize size;
  bool larger;
};
const SizeAction kSizeActions[] = {
    {kPickObjectWider, ObjectSize::Width, true},
    {kPickObjectNarrower, ObjectSize::Width, false},
    {kPickObjectTaller, ObjectSize::Height, true},
    {kPickObjectShorter, ObjectSize::Height, false},
    {kPickObjectSolidWider, ObjectSize::SolidWidth, true},
    {kPickObjectSolidNarrower, ObjectSize::SolidWidth, false},
    {kPickObjectSolidTaller, ObjectSize::SolidHeight, true},
    {kPickObjectSolidShorter, ObjectSize::SolidHeight, false},
};

bool sizePick(const PickEvent& e, int mode) {
  for (const SizeAction& action : kSizeActions) {
    if (action.code != e.code) continue;
    if ((e.leftPress() || e.rightPress()) && mode == kModeObject) stepObjectSize(action.size, action.larger, e.rightPress());
    return true;
  }
  return false;
}

bool happens(When when, const PickEvent& e) {
  switch (when) {
    case When::LeftPress: return e.leftPress();
    case When::LeftRelease: return e.leftRelease();
    default: return e.leftPress() || e.rightPress();
  }
}

// True when the code is one of the world editor's; it acts on the event its
// rule names, in its mode, and is consumed whatever the event.
bool worldEditorPick(const PickEvent& e) {
  const int mode = worldEditor.getEditorMode();
  if (mode == kModeAnimation && animationPanelPick(kGameImages, e)) return true;
  if (sizePick(e, mode)) return true;
  for (const CodeAction& action : kCodeActions) {
    if (action.code != e.code) continue;
    if (happens(action.when, e) && (action.mode == kAnyMode || action.mode == mode)) action.act();
    return true;
  }
  return false;
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
    if (key == kCharDelete && worldEditor.getEditorMode() == kModeObject) deleteSelectedObjects();
    return false;
  }

  bool onSpecialKey(int key, int modifiers) override {
    if (key == kSpecialF10) worldEditor.setSAO(worldEditor.getSAO() ? 0 : 1);
    if (consoleOpen() || !isArrowKey(key) || gameSys.getInputState() != kInputNormal) return false;
    const bool shift = (modifiers & kModShift) != 0;
    const int mode = worldEditor.getEditorMode();
    int dx, dy;
    if (imageChooserOpen() || !arrowStep(key, dx, dy)) return false;
    if (mode == kModeTile) moveTileSelection(dx, dy, shift);
    if (mode == kModeObject && shift) resizeCurrentObject(key);
    if (mode == kModeObject && !shift) moveSelectedObjects(dx * kObjectArrowStep, dy * kObjectArrowStep);
    return false;
  }

  // The wheel is the logic editor's or nobody's; a middle click adds an
  // object on the editing screen when nothing lies over the map.
  // Every button event ends a drag of the selection; the drag events a
  // click on an object holds back are those of its own press, never the
  // first moves of a later drag.
  bool onButton(const ButtonEvent& e) override {
    endObjectDrag();
    if (!e.pressed) gameSys.setDragDelay(0);
    if (e.button == kButtonWheelUp || e.button == kButtonWheelDown) return !inLogicEditor();
    if (e.button != kButtonMiddle) return false;
    if (e.pressed) return true;
    if (!inLogicEditor() && editingScreenShown() && !overlayOpen()) addObject();
    return false;
  }

  void onMapHit(const MapHit& hit) override {
    if (overlayOpen()) return;
    const bool extend = hit.button == kButtonRight || hit.shift;
    if (hit.kind == MapHit::Object) editorSelectObject(hit.object, hit.time, extend);
    if (hit.kind == MapHit::Tile && !hit.dragging) {
      if (extend) {
        editorExtendTileRange(hit.column, hit.row);
      } else {
        editorSelectTile(hit.column, hit.row);
      }
    }
    worldEditor.setLastClickTime(hit.time);
  }

  // A left press that no control took may begin dragging the selection.
  void onButtonMissed(const ButtonEvent& e) override {
    if (e.button == kButtonLeft && e.pressed && editingScreenShown()) beginObjectDrag();
  }

  void onDrag(const DragEvent& e) override {
    if (editingScreenShown() && !overlayOpen()) dragObjects(e);
  }

  bool onPick(const PickEvent& e) override { return sharedEditorPick(e) || worldEditorPick(e); }
  bool onPickAfterMenus(const PickEvent& e) override { return uiAndGameEditorPicking(e); }

  // Over the map, under the menu's elements: the camera drifts back onto the
  // map once a frame, then the screen's panels.
  void draw(ScreenLayer layer, bool picking) override {
    if (layer != ScreenLayer::UnderMenu) return;
    if (!picking) checkEditorCamera();
    plan.clear();
    planWorldEditor(plan);
    platform().drawPanel(plan, picking);
  }

  std::vector<PickList> picks() const override { return {pickList(kWorldEditorPicks), pickList(kEditorPicks)}; }

 private:
  PanelPlan plan;
};

}  // namespace

Screen& worldEditorScreen() {
  static WorldEditorScreen screen;
  return screen;
}

}  // namespace tf
