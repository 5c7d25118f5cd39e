// The menu editor's panel, mode by mode.
#include "editor/menu_editor_panel.h"

#include <string>

#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/panel_controls.h"
#include "media/images.h"
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

void block(PanelPlan& out, const WholeRect& r, int image) {
  out.picture(image, static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.w),
              static_cast<float>(r.h), kPickBlocking);
}

void icon(PanelPlan& out, const WholeRect& r, int image, int code) { button(out, image, r.x, r.y, r.w, code); }

void text(PanelPlan& out, const LabelPlace& at, const std::string& line) {
  out.text(static_cast<float>(at.x), static_cast<float>(at.y), line);
}

void addStatus(PanelPlan& out, const std::string& item, int index) {
  std::string line = "^yMenu^w: " + std::to_string(gameUI.getCurrentMenu());
  if (!item.empty()) line += " ^b|^y " + item + "^w: " + std::to_string(index);
  line += unsavedMark();
  text(out, kStatusLabel, line);
}

void addHelpLines(PanelPlan& out) {
  for (int k = 0; k < kMenuEditorHelpLines; ++k) {
    const std::string line = menuEditorHelpLine(worldEditor.getHelpMenu(), k);
    if (line != kMissingLine) out.text(kHelpLinesX, kHelpLineYs[k], line);
  }
}

void addMenuControls(PanelPlan& out) {
  addStatus(out, "", 0);
  labelWithButton(out, kBackgroundLabel.x, kBackgroundLabel.y, "Change Background:", kImgPlus, kPickMenuBackground);
  labelWithButton(out, kAddTextlineLabel.x, kAddTextlineLabel.y, "Add Textline:", kImgPlus, kPickTextlineAdd);
}

void addButtonControls(PanelPlan& out) {
  const int menu = gameUI.getCurrentMenu();
  const int i = worldEditor.getCurrentButton();
  addStatus(out, "Button", i);
  labelWithButton(out, kButtonImageLabel.x, kButtonImageLabel.y, "Change Image:", kImgPlus, kPickButtonImage);
  labelWithPlusMinus(out, kWidthLabel.x, kWidthLabel.y, "Change Width:", kPickButtonWider, kPickButtonNarrower);
  labelWithPlusMinus(out, kHeightLabel.x, kHeightLabel.y, "Change Height:", kPickButtonTaller, kPickButtonShorter);
  text(out, kHintLabel, "^yButton:^w Left click: Select. Arrow keys: Move.");
  if (i < 0 || i >= gameUI.menuGetButtonCount(menu)) return;
  float x, y, w, h;
  int tex, func, func2;
  gameUI.uiGetButton(x, y, w, h, tex, func, func2, menu, i);
  out.shade(x, y, w, h, kButtonShade[0], kButtonShade[1], kButtonShade[2]);
}

void addTextboxControls(PanelPlan& out) {
  const int menu = gameUI.getCurrentMenu();
  const int i = worldEditor.getCurrentTextbox();
  addStatus(out, "Textbox", i);
  text(out, kHintLabel, "^yTextbox:^w Left click to Select. Arrow keys to move.");
  if (i < 0 || i >= gameUI.menuGetTextboxCount(menu)) return;
  float x, y, w, h;
  int string;
  gameUI.uiGetTextbox(x, y, w, h, string, menu, i);
  out.shade(x + w / 2, y + h / 2 - kTextboxFieldLift, w / 2, h / 2);
}

void addTextlineControls(PanelPlan& out) {
  const int menu = gameUI.getCurrentMenu();
  const int i = worldEditor.getCurrentTextline();
  const LabelPlace& add = kAddAnotherTextlineLabel;
  const LabelPlace& remove = kDeleteTextlineLabel;
  labelWithButton(out, add.x, add.y, "Add Textline:", kImgPlus, kPickTextlineAdd);
  labelWithButton(out, remove.x, remove.y, "Delete This Textline:", kImgCancel, kPickTextlineDelete);
  addStatus(out, "Text", i);
  text(out, kHintLabel, "^yText:^w Left click to Select. Keyboard to enter text.");
  if (i < 0 || i >= gameUI.menuGetTextlineCount(menu)) return;
  float x, y, r, g, b;
  std::string line;
  gameUI.uiGetText(x, y, r, g, b, line, menu, i);
  const ScreenRect around = textlinePickRect(x, y, editorShownText(line));
  out.shade(around.x, around.y, around.w, around.h);
}

void addIcons(PanelPlan& out) {
  icon(out, kMenuPanelAnimationIcon, kImgIconAnim, kPickToolbarAnimation);
  icon(out, kMenuPanelSaveIcon, kImgIconSave, kPickToolbarSave);
  icon(out, kMenuPanelQuitIcon, kImgIconQuit, editingToolkitMenus() ? kPickLeaveMenuSet : kPickToolbarQuit);
}

}  // namespace

void planMenuEditorPanel(PanelPlan& out) {
  const int mode = worldEditor.getEditorMode();
  if (mode == kMenuModeFolded) {
    block(out, kMenuPanelFoldedBlock, kImgNone);
    icon(out, kMenuPanelUnfold, kImgPlus, kPickPanelToggle);
    return;
  }
  if (menuItemDragged()) return;
  if (mode == kMenuModeAnimation) {
    block(out, kMenuPanelAnimation, kImgGameEditorBackground);
  } else {
    block(out, kMenuPanel, kImgGameEditorBackground);
    icon(out, kMenuPanelFold, kImgMinus, kPickPanelToggle);
  }
  addIcons(out);
  if (mode != kMenuModeNothing && mode != kMenuModeAnimation) {
    labelWithPlusMinus(out, kChangeMenuLabel.x, kChangeMenuLabel.y, "Change menu:", kPickMenuNext, kPickMenuPrevious);
  }
  switch (mode) {
    case kMenuModeNothing: addHelpLines(out); break;
    case kMenuModeMenu: addMenuControls(out); break;
    case kMenuModeButton: addButtonControls(out); break;
    case kMenuModeTextbox: addTextboxControls(out); break;
    case kMenuModeTextline: addTextlineControls(out); break;
    default: break;
  }
}

}  // namespace tf
