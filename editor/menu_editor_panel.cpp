// The menu editor's panel, mode by mode.
#include "editor/menu_editor_panel.h"

#include <string>

#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/ui_info.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

constexpr const char* kMissingLine = "NULL";
// The shades over the selection: blue over a button, the shading picture in
// its own colour over a textbox or text line.
constexpr float kButtonShade[] = {0, 0, 1};
// A textbox's field hangs this far above its text's baseline region.
constexpr float kTextboxFieldLift = 13;

void addLabelled(PanelPlan& plan, const LabelPlace& at, const std::string& label, int image, int code) {
  addLabelledButton(plan, at.x, at.y, label, image, code);
}

void addStatus(PanelPlan& plan, const std::string& item, int index) {
  std::string line = "^yMenu^w: " + std::to_string(gameUI.getCurrentMenu());
  if (!item.empty()) line += " ^b|^y " + item + "^w: " + std::to_string(index);
  addText(plan, kStatusLabel.x, kStatusLabel.y, line);
}

void addShade(PanelPlan& plan, const ScreenRect& rect, const float* color = nullptr) {
  PanelShade shade;
  shade.rect = rect;
  if (color) {
    shade.r = color[0];
    shade.g = color[1];
    shade.b = color[2];
  }
  plan.shades.push_back(shade);
}

void addHelpLines(PanelPlan& plan) {
  for (int k = 0; k < kMenuEditorHelpLines; ++k) {
    const std::string line = menuEditorHelpLine(worldEditor.getHelpMenu(), k);
    if (line != kMissingLine) addText(plan, kHelpLinesX, kHelpLineYs[k], line);
  }
}

void addMenuControls(PanelPlan& plan) {
  addStatus(plan, "", 0);
  addLabelled(plan, kBackgroundLabel, "Change Background:", kImgPlus, kPickMenuBackground);
  addLabelled(plan, kAddTextlineLabel, "Add Textline:", kImgPlus, kPickTextlineAdd);
}

void addButtonControls(PanelPlan& plan) {
  const int menu = gameUI.getCurrentMenu();
  const int i = worldEditor.getCurrentButton();
  addStatus(plan, "Button", i);
  addLabelled(plan, kButtonImageLabel, "Change Image:", kImgPlus, kPickButtonImage);
  addPlusMinus(plan, kWidthLabel.x, kWidthLabel.y, "Change Width:", kPickButtonWider, kPickButtonNarrower);
  addPlusMinus(plan, kHeightLabel.x, kHeightLabel.y, "Change Height:", kPickButtonTaller, kPickButtonShorter);
  addText(plan, kHintLabel.x, kHintLabel.y, "^yButton:^w Left click: Select. Arrow keys: Move.");
  if (i < 0 || i >= gameUI.menuGetButtonCount(menu)) return;
  float x, y, w, h;
  int tex, func, func2;
  gameUI.uiGetButton(x, y, w, h, tex, func, func2, menu, i);
  addShade(plan, {x, y, w, h}, kButtonShade);
}

void addTextboxControls(PanelPlan& plan) {
  const int menu = gameUI.getCurrentMenu();
  const int i = worldEditor.getCurrentTextbox();
  addStatus(plan, "Textbox", i);
  addText(plan, kHintLabel.x, kHintLabel.y, "^yTextbox:^w Left click to Select. Arrow keys to move.");
  if (i < 0 || i >= gameUI.menuGetTextboxCount(menu)) return;
  float x, y, w, h;
  int text;
  gameUI.uiGetTextbox(x, y, w, h, text, menu, i);
  addShade(plan, {x + w / 2, y + h / 2 - kTextboxFieldLift, w / 2, h / 2});
}

void addTextlineControls(PanelPlan& plan) {
  const int menu = gameUI.getCurrentMenu();
  const int i = worldEditor.getCurrentTextline();
  addLabelled(plan, kAddAnotherTextlineLabel, "Add Textline:", kImgPlus, kPickTextlineAdd);
  addLabelled(plan, kDeleteTextlineLabel, "Delete This Textline:", kImgCancel, kPickTextlineDelete);
  addStatus(plan, "Text", i);
  addText(plan, kHintLabel.x, kHintLabel.y, "^yText:^w Left click to Select. Keyboard to enter text.");
  if (i < 0 || i >= gameUI.menuGetTextlineCount(menu)) return;
  float x, y, r, g, b;
  std::string text;
  gameUI.uiGetText(x, y, r, g, b, text, menu, i);
  addShade(plan, textlinePickRect(x, y, editorShownText(text)));
}

void addIcons(PanelPlan& plan) {
  addPicture(plan, kMenuPanelAnimationIcon, kImgIconAnim, controlPick(kPickToolbarAnimation));
  addPicture(plan, kMenuPanelSaveIcon, kImgIconSave, controlPick(kPickToolbarSave));
  const int quit = editingToolkitMenus() ? kPickLeaveMenuSet : kPickToolbarQuit;
  addPicture(plan, kMenuPanelQuitIcon, kImgIconQuit, controlPick(quit));
}

}  // namespace

PanelPlan menuEditorPanel() {
  PanelPlan plan;
  const int mode = worldEditor.getEditorMode();
  if (mode == kMenuModeFolded) {
    addPicture(plan, kMenuPanelFoldedBlock, kImgNone);
    addPicture(plan, kMenuPanelUnfold, kImgPlus, controlPick(kPickPanelToggle));
    return plan;
  }
  if (menuItemDragged()) return plan;
  if (mode == kMenuModeAnimation) {
    addPicture(plan, kMenuPanelAnimation, kImgGameEditorBackground);
  } else {
    addPicture(plan, kMenuPanel, kImgGameEditorBackground);
    addPicture(plan, kMenuPanelFold, kImgMinus, controlPick(kPickPanelToggle));
  }
  addIcons(plan);
  if (mode != kMenuModeNothing && mode != kMenuModeAnimation) {
    addPlusMinus(plan, kChangeMenuLabel.x, kChangeMenuLabel.y, "Change menu:", kPickMenuNext, kPickMenuPrevious);
  }
  switch (mode) {
    case kMenuModeNothing: addHelpLines(plan); break;
    case kMenuModeMenu: addMenuControls(plan); break;
    case kMenuModeButton: addButtonControls(plan); break;
    case kMenuModeTextbox: addTextboxControls(plan); break;
    case kMenuModeTextline: addTextlineControls(plan); break;
    default: break;
  }
  return plan;
}

}  // namespace tf
