// The decisions of menu drawing, apart from the drawing itself: which parts of
// a menu a pass draws, where a hovered or pressed button and a textbox field
// lie, the pick colours of menu elements, the blinking carets of textboxes and
// text lines, the shown strings of a menu file, and the system textboxes of
// the editors. The drawing on the overlay is in ui_render_gl.cpp.
#pragma once

#include <string>
#include <vector>

#include "core/pick_codes.h"

namespace tf {

// Pick colour of button, textbox or text line `i` of the current menu; in the
// menu editor (game state 6) buttons and textboxes carry the editor's codes.
PickColor menuButtonPick(int i, int gameState);
PickColor menuTextboxPick(int i, int gameState);
PickColor menuTextlinePick(int l);
PickColor systemTextboxPick(int i);

// A rectangle by its centre and half extents, in screen units.
struct ScreenRect {
  float x = 0, y = 0, w = 0, h = 0;
};
// The same in whole units, as clickable pictures are placed.
struct WholeRect {
  int x = 0, y = 0, w = 0, h = 0;
};

// The whole 800 x 600 screen.
constexpr ScreenRect kFullScreen{400, 300, 400, 300};
constexpr WholeRect kWholeScreen{400, 300, 400, 300};

// What one pass of the menu renderer draws.
struct MenuDrawPlan {
  bool background = false;   // the menu's background picture
  bool worldEditor = false;  // the world editor's screen, over the editor menu
  bool elements = false;     // buttons, textboxes, text lines and shown strings
  bool menuEditor = false;   // the menu editor's codes, drag layers and panels
};
MenuDrawPlan planMenuDraw(int gameState, bool pickPass, bool editorMenuShown, int backgroundTex);

// A button as drawn: a hovered button grows by a tenth, a pressed one is
// darkened (and does not grow).
struct ButtonLook {
  ScreenRect rect;
  float shade = 1;
};
constexpr float kPressedShade = 0.6f;
ButtonLook buttonLook(float x, float y, float w, float h, bool hovered, bool pressed);

// A menu textbox's field: the textbox's x, y is the left end of its text's
// baseline region and w, h the field's full size; a hovered field grows by a
// thirtieth in width and a tenth in height.
WholeRect textboxField(float x, float y, float w, float h, bool hovered);
// Where its text starts.
void textboxTextPosition(float x, float y, float& textX, float& textY);

// The pick rectangle of a text line in the menu editor, around the text shown.
ScreenRect textlinePickRect(float x, float y, const std::string& shown);

// What the menu editor has selected in the menu it edits: its mode (1
// buttons, 2 textboxes, 3 text lines) and the selected button, textbox and
// text line. The menu editor fills it in for every pass.
struct MenuEditMarks {
  int mode = -1;
  int button = -1, textbox = -1, textline = -1;
};
constexpr int kEditButtons = 1, kEditTextboxes = 2, kEditTextlines = 3;

// True while the menu editor drags item `i` of the kind it edits in `mode`:
// the item is selected and the left button is held. The item then lies under
// the mouse wherever it goes.
bool menuEditorDragging(const MenuEditMarks& marks, int mode, int i);

// A caret that shows and hides by turns: it switches when more than its
// interval has passed since its last switch.
class Blink {
 public:
  Blink(int intervalMs, bool shown) : interval_(intervalMs), shown_(shown) {}
  // Switches when due at `now`; true while the caret shows.
  bool shownAt(int now);

 private:
  int interval_;
  bool shown_;
  int lastSwitch_ = 0;
};

constexpr int kMenuCaretMs = 750;
constexpr int kSystemCaretMs = 1000;

// The text a menu textbox shows: UI string `stringIndex`, followed by a
// blinking "|" while textbox `i` of the current menu is being typed into.
std::string menuTextboxText(int i, int stringIndex);
// The text of text line `l`: a blinking "_" while the menu editor types into
// it (`typedLine`); in the menu editor an empty line shows "_" so that it can
// be found.
std::string menuTextlineText(int l, const std::string& text, int gameState, int typedLine);

// A string of the UI string table shown on a menu where its file says.
struct ShownString {
  float x = 0, y = 0;
  std::string text;
};
// The shown strings of menu `menu`, from the menu file last read: entries
// menu<m>string<k> up to the first that holds "end" or is missing; those
// whose k names no UI string are left out.
std::vector<ShownString> shownStrings(int menu);

// A system textbox as drawn by an editor at (x, y) with width w: its field
// lies to the left of (x, y). Placing it records where it is, so that
// picking and the editors find it.
struct SystemTextboxLook {
  WholeRect field;
  float textX = 0, textY = 0;
  std::string text;  // with the blinking "_" while it is being typed into
  PickColor pick;
};
// False (nothing placed) for a textbox number that names none.
bool placeSystemTextbox(int x, int y, int w, int textbox, SystemTextboxLook& look);

}  // namespace tf
