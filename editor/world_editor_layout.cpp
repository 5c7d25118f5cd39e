// The editing screen's plan, part by part and mode by mode.
#include "editor/world_editor_layout.h"

#include <string>

#include "core/numbers.h"
#include "editor/animation_panel.h"
#include "editor/editor.h"
#include "editor/panel_controls.h"
#include "editor/world_editor_objects.h"
#include "game/world.h"
#include "media/images.h"
#include "menus/ui_info.h"

namespace tf {

const ToolbarIcon kToolbarIcons[13] = {
    {kImgIconQuit, kPickToolbarQuit, ToolbarIcon::Always, false},
    {kImgIconSave, kPickToolbarSave, ToolbarIcon::Always, false},
    {kImgIconHelp, kPickHelpOpen, ToolbarIcon::Always, false},
    {kImgIconAnim, kPickToolbarAnimation, ToolbarIcon::Always, true},
    {kImgIconMapSize, kPickToolbarEditMap, ToolbarIcon::Always, false},
    {kImgIconNewMap, kPickToolbarNewMap, ToolbarIcon::Always, false},
    {kImgIconDeleteMap, kPickToolbarDeleteMap, ToolbarIcon::Always, false},
    {kImgIconFog, kPickToolbarFog, ToolbarIcon::Always, false},
    {kImgIconGlobalLogic, kPickToolbarGlobalLogic, ToolbarIcon::Always, true},
    {kImgIconAddObject, kPickToolbarAddObject, ToolbarIcon::Always, false},
    {kImgIconCopyObject, kPickToolbarCopyObject, ToolbarIcon::ObjectMode, false},
    {kImgIconDeleteObject, kPickToolbarDeleteObject, ToolbarIcon::ObjectMode, false},
    {kImgIconLocalLogic, kPickToolbarLocalLogic, ToolbarIcon::SingleObject, false},
};

namespace {

// Folded away: the unfold icon over a small blocking square.
constexpr int kUnfoldX = 780, kUnfoldY = 580, kUnfoldSquare = 20, kUnfoldHalfSize = 15;
// The lower panel: in animation editing it reaches higher.
constexpr float kPanelX = 400, kPanelY = 550, kAnimationPanelY = 510, kPanelHalfW = 400, kPanelHalfH = 90;
constexpr int kFoldX = 762, kFoldY = 478, kFoldHalfSize = 11;
// The map arrows, the map line and the layer line at the panel's right.
constexpr int kChangeMapX = 700, kChangeMapY = 505;
constexpr int kNextMapX = 715, kPreviousMapX = 755, kMapArrowY = 530, kMapArrowHalfSize = 16;
constexpr int kMapLineX = 700, kMapLineY = 558, kLayerLineY = 580;
// The toolbar's background, taller in object mode for the object icons.
constexpr float kToolbarPanelHalfW = 18;
constexpr float kToolbarPanelY = 200, kToolbarPanelHalfH = 170;
constexpr float kObjectToolbarPanelY = 247, kObjectToolbarPanelHalfH = 217;
// The edge markers, white and not pickable.
constexpr float kMarkerHalfSize = 8;
// The play-test button.
constexpr float kTestX = 85, kTestY = 50, kTestHalfW = 30, kTestHalfH = 15;
// Texts of the lower panels start here.
constexpr int kTextX = 13;
constexpr int kFirstLineY = 485;
// The help lines of an empty selection: the first, then the rest 13 apart.
constexpr int kHelpSecondLineY = 511, kHelpLineStep = 13;
constexpr int kOkHalfSize = 16;
constexpr int kSizeFieldWidth = 50, kNameFieldWidth = 100;

constexpr const char* kSizePrompt =
    "Please enter the ^ywidth ^wand ^yheight ^w(in tiles) below and click the checkmark.";

int currentMap() { return world.getCurrentMap(); }

void mapSize(int& w, int& h, std::string& name) { world.worldGetMap(w, h, name, currentMap()); }

bool iconShown(const ToolbarIcon& icon, int mode) {
  switch (icon.shown) {
    case ToolbarIcon::ObjectMode: return mode == kModeObject;
    case ToolbarIcon::SingleObject: return mode == kModeObject && worldEditor.getObjectListAmount() == 0;
    default: return true;
  }
}

void planToolbar(PanelPlan& out, int mode) {
  const bool objects = mode == kModeObject;
  out.picture(kImgDialogBackground, kToolbarX, objects ? kObjectToolbarPanelY : kToolbarPanelY, kToolbarPanelHalfW,
              objects ? kObjectToolbarPanelHalfH : kToolbarPanelHalfH, kPickBlocking);
  int y = kToolbarFirstY;
  for (const ToolbarIcon& icon : kToolbarIcons) {
    if (iconShown(icon, mode)) button(out, icon.image, kToolbarX, y, kToolbarIconHalfSize, icon.code);
    y += kToolbarStep + (icon.gapAfter ? kToolbarGap : 0);
  }
}

void planEdgeMarkers(PanelPlan& out) {
  out.picture(kImgArrowUp, 400, 10, kMarkerHalfSize, kMarkerHalfSize);
  out.picture(kImgArrowDown, 400, 590, kMarkerHalfSize, kMarkerHalfSize);
  out.picture(kImgArrowLeft, 7, 300, kMarkerHalfSize, kMarkerHalfSize);
  out.picture(kImgArrowRight, 790, 300, kMarkerHalfSize, kMarkerHalfSize);
}

void planMapArrows(PanelPlan& out) {
  const int maps = world.getMapCount();
  if (maps < 2) return;
  out.text(kChangeMapX, kChangeMapY, "Change Map");
  if (currentMap() < maps - 1) button(out, kImgPlus, kNextMapX, kMapArrowY, kMapArrowHalfSize, kPickMapNext);
  if (currentMap() > 0) button(out, kImgMinus, kPreviousMapX, kMapArrowY, kMapArrowHalfSize, kPickMapPrevious);
}

void planMapLines(PanelPlan& out) {
  std::string layers = "^yL:^w";
  for (int layer = 0; layer < kDefaultLayerCount; ++layer) {
    layers += worldEditor.getRenderLayer(layer) ? "^w" : "^k";
    layers += std::to_string(layer + 1);
  }
  out.text(kMapLineX, kLayerLineY, layers);
  int w = 0, h = 0;
  std::string name;
  mapSize(w, h, name);
  out.text(kMapLineX, kMapLineY, "^y" + std::to_string(currentMap()) + "^w " + name + unsavedMark());
}

void planLowerPanel(PanelPlan& out, int mode) {
  if (mode == kModeGlobalLogic || mode == kModeLocalLogic) return;
  if (mode == kModeAnimation) {
    out.picture(kImgGameEditorBackground, kPanelX, kAnimationPanelY, kPanelHalfW, kPanelHalfH, kPickBlocking);
  } else {
    out.picture(kImgGameEditorBackground, kPanelX, kPanelY, kPanelHalfW, kPanelHalfH, kPickBlocking);
    button(out, kImgMinus, kFoldX, kFoldY, kFoldHalfSize, kPickPanelToggle);
    planMapArrows(out);
  }
  planMapLines(out);
}

void planHelpLines(PanelPlan& out) {
  for (int k = 0; k < kWorldEditorHelpLines; ++k) {
    const std::string line = worldEditorHelpLine(worldEditor.getHelpMenu(), k);
    if (line == "NULL") continue;
    const int y = k == 0 ? kFirstLineY : kHelpSecondLineY + kHelpLineStep * (k - 1);
    out.text(kTextX, y, line);
  }
}

void planTilePanel(PanelPlan& out) {
  int column = 0, row = 0, image = 0;
  worldEditor.getCurrentTile(column, row);
  world.worldGetTile(image, column, row, currentMap());
  out.text(kTextX, kFirstLineY, "^yTile^w: (" + std::to_string(column) + ", " + std::to_string(row) +
                                    ") ^b|^y Texture^w: " + std::to_string(image));
  labelWithButton(out, kTextX, 515, "Change Tile Image:", kImgPlus, kPickTileImage);
  labelWithButtons(out, kTextX, 550, "Tile Stretch:", kImgOk, kPickTileStretchOn, kImgCancel, kPickTileStretchOff);
}

void planNewMapPanel(PanelPlan& out) {
  out.text(kTextX, kFirstLineY, "^y^2Create a New Map");
  out.text(kTextX, 510, kSizePrompt);
  out.text(kTextX, 535, "Map Dimensions:");
  out.field(200, 535, kSizeFieldWidth, 0);
  out.field(270, 535, kSizeFieldWidth, 1);
  button(out, kImgOk, 305, 535, kOkHalfSize, kPickNewMapCreate);
  out.text(kTextX, 570, "Copy this Map:");
  button(out, kImgOk, 160, 570, kOkHalfSize, kPickNewMapCopy);
}

void planEditMapPanel(PanelPlan& out) {
  out.text(kTextX, kFirstLineY, "^y^2Edit Map");
  out.text(kTextX, 510, "Please enter a name for the map:");
  out.field(400, 510, kNameFieldWidth, 4);
  button(out, kImgOk, 430, 510, kOkHalfSize, kPickEditMapRename);
  out.text(kTextX, 535, kSizePrompt);
  out.text(kTextX, 560, "Map Dimensions:");
  out.field(200, 560, kSizeFieldWidth, 2);
  out.field(270, 560, kSizeFieldWidth, 3);
  button(out, kImgOk, 305, 560, kOkHalfSize, kPickEditMapResize);
  int w = 0, h = 0;
  std::string name;
  mapSize(w, h, name);
  out.text(kTextX, 585, "Current Map Size:^y" + std::to_string(w) + "^wx^y" + std::to_string(h) + "^w.");
}

void planFogPanel(PanelPlan& out) {
  bool on = false;
  float density = 0, r = 0, g = 0, b = 0;
  world.worldGetFog(on, density, r, g, b, currentMap());
  out.text(kTextX, kFirstLineY, std::string("^yFog^w: ") + (on ? "On" : "Off") + " ^b|^y Fog Thickness^w: " +
                                    formatFloat(density) + " ^b|^y Red^w: " + formatFloat(r) +
                                    " ^b|^y Green^w: " + formatFloat(g) + " ^b|^y Blue^w: " + formatFloat(b));
  labelWithButton(out, kTextX, 515, "Fog (ON/OFF):", kImgPlus, kPickFogToggle);
  labelWithPlusMinus(out, kTextX, 550, "Thickness:", kPickFogDenser, kPickFogThinner);
  labelWithPlusMinus(out, 250, 515, "Red:", kPickFogRedMore, kPickFogRedLess);
  labelWithPlusMinus(out, 250, 550, "Green:", kPickFogGreenMore, kPickFogGreenLess);
  labelWithPlusMinus(out, 250, 585, "Blue:", kPickFogBlueMore, kPickFogBlueLess);
}

// The object panel: the summary line and the image for any selection; the
// layer, sizes, solidity, name and macro of a single object.
void planObjectPanel(PanelPlan& out) {
  out.text(kTextX, kFirstLineY, objectSummary());
  labelWithButtons(out, kTextX, 515, "Change Image:", kImgPlus, kPickObjectImage, kImgNone, kPickObjectImageQuiet);
  if (worldEditor.getObjectListAmount() > 0) return;
  labelWithPlusMinus(out, kTextX, 550, "Object Layer:", kPickObjectLayerUp, kPickObjectLayerDown);
  labelWithButton(out, kTextX, 585, "Macro:", kImgPlus, kPickMacroOpen);
  labelWithPlusMinus(out, 250, 515, "Image Width:", kPickObjectWider, kPickObjectNarrower);
  labelWithPlusMinus(out, 250, 550, "Image Height:", kPickObjectTaller, kPickObjectShorter);
  labelWithButton(out, 250, 585, "Solid:", kImgPlus, kPickObjectSolid);
  labelWithPlusMinus(out, 487, 515, "Solid Width:", kPickObjectSolidWider, kPickObjectSolidNarrower);
  labelWithPlusMinus(out, 487, 550, "Solid Height:", kPickObjectSolidTaller, kPickObjectSolidShorter);
  out.text(487, 585, "Name:");
  out.field(630, 585, kNameFieldWidth, kObjectNameField);
  button(out, kImgOk, 660, 582, kOkHalfSize, kPickObjectRename);
}

void planModeContent(PanelPlan& out, int mode) {
  switch (mode) {
    case kModeNothing: planHelpLines(out); break;
    case kModeTile: planTilePanel(out); break;
    case kModeAnimation: planAnimationPanel(kGameImages, out); break;
    case kModeNewMap: planNewMapPanel(out); break;
    case kModeEditMap: planEditMapPanel(out); break;
    case kModeFog: planFogPanel(out); break;
    case kModeObject: planObjectPanel(out); break;
    default: break;  // 6 and 7: the logic editor
  }
}

}  // namespace

void planWorldEditor(PanelPlan& out) {
  const int mode = worldEditor.getEditorMode();
  if (mode == kModeFolded) {
    out.picture(kImgNone, kUnfoldX, kUnfoldY, kUnfoldSquare, kUnfoldSquare, kPickBlocking);
    button(out, kImgPlus, kUnfoldX, kUnfoldY, kUnfoldHalfSize, kPickPanelToggle);
    return;
  }
  planLowerPanel(out, mode);
  planToolbar(out, mode);
  planEdgeMarkers(out);
  out.picture(kImgTest, kTestX, kTestY, kTestHalfW, kTestHalfH, menuPick(kPickPlaytest));
  planModeContent(out, mode);
}

}  // namespace tf
