// A screen: one thing the program can show (play, the splash, the world
// editor, the logic editor, the menu editor, a panel over one of them) with
// the events it takes. Every screen has the same entry points; the input
// callbacks route each key, button, drag and colour code to the screens of
// the current game state and editor mode through one table (input/screens.h),
// asking them in order, and the frame draws them at their layers.
#pragma once

#include <vector>

#include "core/keys.h"
#include "core/pick_codes.h"

namespace tf {

// A mouse button pressed or released, before any picking.
struct ButtonEvent {
  int button = 0;  // kButtonLeft ... kButtonWheelDown
  bool pressed = false;
  int time = 0;    // milliseconds since start
};

// The colour code under the pointer and the mouse event of the pass it was
// read in.
struct PickEvent {
  int code = 0, green = 0, blue = 0;
  int left = 0, right = 0;  // kMouseNoEvent, kMousePress or kMouseRelease
  bool hover = false;       // a hover pass: only marks and tooltips change
  bool drag = false;        // a drag pass
  // A press or release of the left or right button, not in a hover or drag
  // pass.
  bool leftPress() const { return left == kMousePress && acting(); }
  bool leftRelease() const { return left == kMouseRelease && acting(); }
  bool rightPress() const { return right == kMousePress && acting(); }
  bool acting() const { return !hover && !drag; }
};

// The pointer moved with a button held.
struct DragEvent {
  int x = 0, y = 0;                // window pixels
  int overlayX = 0, overlayY = 0;  // the 800 x 600 screen
  double worldX = 0, worldY = 0;   // world units
};

// What the selection pass found in front under the pointer: an object of the
// current map, a tile, or nothing the map names.
struct MapHit {
  enum Kind { Nothing, Object, Tile } kind = Nothing;
  int object = -1;
  int column = 0, row = 0;
  bool dragging = false;
  int time = 0;
  int button = kButtonLeft;  // the button of the press
  bool shift = false;        // shift held with it
};

// Where a screen draws: under a menu's elements (the world editor over the
// editor menu), over them (the menu editor's panel), or over everything the
// frame shows (welcome window, tips).
enum class ScreenLayer { UnderMenu, OverMenu, Panels };

class Screen {
 public:
  virtual ~Screen() = default;

  // A typed character while nothing types into a textbox, console or help;
  // true when no later screen may have it.
  virtual bool onKey(unsigned char key, int modifiers) { return false; }
  // Arrows, function and page keys; true when no later screen may have it.
  virtual bool onSpecialKey(int key, int modifiers) { return false; }
  // A mouse button before any picking; true when the event ends there.
  virtual bool onButton(const ButtonEvent& e) { return false; }
  // A mouse button that no colour code and no selection took.
  virtual void onButtonMissed(const ButtonEvent& e) {}
  // A colour code, offered after the help topics, entry fields and notice
  // and before the help and console icons and the menus' buttons: in every
  // pass, drags included. True when taken.
  virtual bool onPick(const PickEvent& e) { return false; }
  // A colour code none of those took, outside drag passes. True when taken.
  virtual bool onPickAfterMenus(const PickEvent& e) { return false; }
  // The pointer moved with a button held (after the drag delay).
  virtual void onDrag(const DragEvent& e) {}
  // What the selection pass found under a press.
  virtual void onMapHit(const MapHit& hit) {}
  // Draws the screen's part at `layer`; in pick colours when `picking`. A
  // screen that draws does so in its module's *_gl.cpp.
  virtual void draw(ScreenLayer layer, bool picking) {}
  // The colour codes the screen reads, list by list.
  virtual std::vector<PickList> picks() const { return {}; }
};

}  // namespace tf
