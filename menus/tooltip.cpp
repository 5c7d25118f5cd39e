// Tooltip texts, line breaking and placement.
#include "menus/tooltip.h"

#include <algorithm>
#include <iterator>

#include "core/clock.h"
#include "core/numbers.h"
#include "core/system.h"
#include "media/text.h"
#include "menus/button_actions.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

struct FixedTip {
  int code;
  const char* text;
};

// The tooltips of the editors' and the toolkit's controls, by pick code,
// ordered by code: only codes that some control answers to, so that no
// tooltip describes a control the toolkit does not have.
const FixedTip kFixedTips[] = {
    {0, "Go to the next map."},
    {1, "Go to the previous map."},
    {2, "Toggle whether menus are hidden."},
    {3, "Return to the World Editor Main Menu. ^yNo Data will be ^ylost."},
    {4, "Select an image to change animation settings."},
    {6, "Increase the number of frames in the animation."},
    {7, "Decrease the number of frames in the animation."},
    {8, "Enable animation for this image."},
    {9, "Disable animation for this image."},
    {10, "Increase the rate in which frames change in the animation."},
    {11, "Decrease the rate in which frames change in the animation."},
    {12, "Select the next menu."},
    {13, "Select the previous menu."},
    {14, "Choose the menu background in the image chooser."},
    {16, "Choose the button's image in the image chooser."},
    {18, "Increase the button width."},
    {19, "Decrease the button width."},
    {20, "Increase the button height."},
    {21, "Decrease the button height."},
    {24, "Click to select this line of text. While clicking, drag your mouse to move the text."},
    {25, "Change the tile image."},
    {27, "Change the object(s) image."},
    {28, "Change the object(s) image."},
    {29, "Increase the layer level that the object is drawn at."},
    {30, "Decrease the layer level that the object is drawn at."},
    {31, "Increase the object's width."},
    {32, "Decrease the object's width."},
    {33, "Increase the object's height."},
    {34, "Decrease the object's height."},
    {38, "Hide"},
    {39, "Click a topic title to read more information."},
    {40, "Save project"},
    {41, "Animation"},
    {47, "Toggle Developer Console"},
    {48, "Hide"},
    {49, "Create a new map"},
    {50, "Create the new map"},
    {51, "Scroll the console window upward"},
    {52, "Scroll the console window downward"},
    {53, "Map attributes"},
    {54, "Apply your size changes to the map"},
    {55, "Help"},
    {56, "Leave Help"},
    {58, "Leave the current project"},
    {59, "Edit Local Game Logic"},
    {60, "Edit Global Game Logic"},
    {61, "Leave the game logic editor"},
    {63, "Add a new sentence to your game logic window"},
    {64, "Delete this sentence"},
    {67, "Add object"},
    {68, "Delete the current object(s) that you have selected"},
    {70, "Delete the current map"},
    {71, "Modify fog"},
    {72, "Toggle whether fog is used or not in this map"},
    {73, "Increase the thickness of the fog"},
    {74, "Decrease the thickness of the fog"},
    {75, "Increase the intensity of red"},
    {76, "Decrease the intensity of red"},
    {77, "Increase the intensity of green"},
    {78, "Decrease the intensity of green"},
    {79, "Increase the intensity of blue"},
    {80, "Decrease the intensity of blue"},
    {81, "Create a copy of the current object(s) selected."},
    {82, "Toggles whether the object is solid or not"},
    {83, "Scroll the above image list downward"},
    {84, "Scroll the above image list upward"},
    {85, "Click this image to select it for your current tile/object."},
    {86, "Leave this menu."},
    {87, "Apply your name change to this map"},
    {88, "Dismiss the welcome screen"},
    {89, "Add a line of text"},
    {90, "Delete the current line of text"},
    {92, "Increase the object's solid width"},
    {93, "Increase the object's solid height"},
    {94, "Decrease the object's solid width"},
    {95, "Decrease the object's solid height"},
    {96, "Change the name of this object"},
    {97, "Enable tile stretching for this map"},
    {98, "Disable tile stretching for this map"},
    {99, "Make a new map that is a copy of this map"},
    {100, "Next tip"},
    {101, "Previous tip"},
    {102, "Select a game logic macro for this object"},
    {103, "Leave the macro selection menu"},
    {104, "Apply this logic macro to the object"},
    {105, "Toggle the phrase editor"},
    {106, "Proceed to the next phrase"},
    {107, "Go back to the previous phrase"},
    {108, "Apply changes to this phrase"},
    {114, "Go to the next phrase"},
    {115, "Go to the previous phrase"},
    {116, "Toggle the phrase selector menu"},
    {119, "Play Game"},
    {120, "Make a copy of this sentence"},
};

const char* const kUiStringDescriptions[] = {
    "Name of Playable Game to Load", "Name of Game to Load in Game Editor", "Name of Game to Create",
    "Width of first map in Tiles of Created Game", "Height of first map in Tiles of Created Game"};

constexpr const char* kEditorButtonTip =
    "Click to select this button. While clicking, Drag your mouse to move the button. Effect: ";
constexpr const char* kEditorTextboxTip =
    "Click to select this textbox. While clicking, drag your mouse to move the textbox. Use: ";

// Box geometry: the screen's width, the point dividing the upper and lower
// half, the gaps between mouse and box, and the box's height per line.
constexpr int kScreenWidth = 800;
constexpr int kScreenMiddle = 300;
constexpr int kGapRight = 20;
constexpr int kGapBelow = 20;
constexpr int kGapAbove = 5;
constexpr int kBaseHalfHeight = 12;
constexpr int kHalfHeightPerLine = 6;
constexpr int kBoxDrop = 25;
constexpr int kBoxMargin = 10;
constexpr int kTextIndent = 4;
constexpr int kFirstLineDrop = 8 + 17;
constexpr int kLineSpacing = 12;

bool inCurrentMenu(int index, int count) { return index >= 0 && index < count; }

}  // namespace

std::string uiStringDescription(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kUiStringDescriptions))) return "Description missing";
  return kUiStringDescriptions[index];
}

std::string getEditorObjectInfo(int identifier, int identifier2) {
  const int menu = gameUI.getCurrentMenu();
  if (identifier == kTipEditorButton || identifier == kTipMenuButton) {
    if (!inCurrentMenu(identifier2, gameUI.menuGetButtonCount(menu))) return kNoTooltip;
    float x, y, w, h;
    int tex, func, func2;
    gameUI.uiGetButton(x, y, w, h, tex, func, func2, menu, identifier2);
    return identifier == kTipEditorButton ? buttonEditorDescription(func, func2)
                                          : buttonTooltipDescription(func, func2);
  }
  if (identifier == kTipEditorTextbox) {
    if (!inCurrentMenu(identifier2, gameUI.menuGetTextboxCount(menu))) return kNoTooltip;
    float x, y, w, h;
    int text;
    gameUI.uiGetTextbox(x, y, w, h, text, menu, identifier2);
    return uiStringDescription(text);
  }
  return "";
}

std::string toolTipText(int code, int index) {
  const int menu = gameUI.getCurrentMenu();
  switch (code) {
    case kTipEditorButton:
      if (!inCurrentMenu(index, gameUI.menuGetButtonCount(menu))) return kNoTooltip;
      return kEditorButtonTip + getEditorObjectInfo(code, index);
    case kTipEditorTextbox:
      if (!inCurrentMenu(index, gameUI.menuGetTextboxCount(menu))) return kNoTooltip;
      return kEditorTextboxTip + getEditorObjectInfo(code, index);
    case kTipMenuButton:
      return getEditorObjectInfo(code, index);
    default:
      break;
  }
  auto found = std::lower_bound(std::begin(kFixedTips), std::end(kFixedTips), code,
                                [](const FixedTip& tip, int c) { return tip.code < c; });
  if (found == std::end(kFixedTips) || found->code != code) return kNoTooltip;
  return found->text;
}

TooltipLayout layoutTooltip(const BrokenText& text, int widestLine, int mouseX, int mouseY) {
  TooltipLayout layout;
  layout.text = text;
  const int half = widestLine / 2;
  const int lastLine = text.lastLine;
  const int halfHeight = kBaseHalfHeight + kHalfHeightPerLine * lastLine;
  int left = mouseX + half / 2;
  left = kScreenWidth - widestLine < left ? left - widestLine : left + kGapRight;
  const int top = mouseY > kScreenMiddle ? mouseY - 2 * halfHeight - kGapAbove : mouseY + kGapBelow;
  layout.boxX = left + half / 2;
  layout.boxY = top + kBoxDrop;
  layout.boxHalfWidth = half + kBoxMargin;
  layout.boxHalfHeight = halfHeight;
  layout.textX = left + kTextIndent - half / 2;
  layout.firstLineY = top - kHalfHeightPerLine * lastLine + kFirstLineDrop;
  layout.lineSpacing = kLineSpacing;
  return layout;
}

bool prepareTooltip(TooltipLayout& layout) {
  if (gameSys.getGameState() == kStateSplash) return false;
  int code, index, since;
  gameUI.getCurrentTT(code, index, since);
  if (code == -1 || elapsedMs() - since < kTooltipDelayMs) return false;
  const std::string text = toolTipText(code, index);
  if (text == kNoTooltip) return false;
  BrokenText broken = breakIntoLines(text);
  const int widest = truncToInt(getDisplayTextSize(broken.lines[longestLine(broken)]));
  int mouseX, mouseY;
  gameSys.getOrthoPos(mouseX, mouseY);
  layout = layoutTooltip(broken, widest, mouseX, mouseY);
  return true;
}

}  // namespace tf
