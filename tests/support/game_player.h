// Playing a loaded game without a window, the way the program does: each
// frame counts the phrase box down (as drawing the map does), runs the
// frame's logic and the held keys' logic and counts the display image down;
// key presses and releases and mouse clicks change the key and mouse state
// and run the key and mouse logic as the input callbacks do, picking the
// object clicked as the selection pass would.
#pragma once

#include <string>

#include "manual_clock.h"

namespace tftest {

class GamePlayer {
 public:
  // Frames are `frameMs` apart on `clock`.
  explicit GamePlayer(ManualClock& clock, int frameMs = 16);

  void frame();
  void frames(int n);

  // The arrow keys (tf::kKeyUp ... tf::kKeyLeft): a press takes down an image
  // or phrase that has been up long enough, then, unless the key is disabled,
  // holds it and runs the key logic. A release runs the key logic with the
  // key released, then lets it go.
  void pressArrow(int key);
  void releaseArrow(int key);
  // Space and enter (tf::kKeySpace, tf::kKeyEnter): the same without taking
  // anything down.
  void pressKey(int key);
  void releaseKey(int key);
  // Holds an arrow key for `steps` runs of its logic (the press and then one
  // a frame) and lets it go.
  void holdArrow(int key, int steps);

  // A left or right press and release over object `obj` of the current map
  // (-1: the ground). A press takes down the image and the phrase; each
  // event runs the mouse logic with the object selected, then with none.
  // Only a visible object can be clicked: the selection pass sees no other.
  void click(int obj, bool left = true);

 private:
  void mouseEvent(int obj, bool left, int event);

  ManualClock& clock_;
  int frameMs_;
};

// The index of the object named `name` on the current map, -1 when none.
int objectNamed(const std::string& name);
// Where object `obj` of the current map is, as "(x, y), tile (c, r)".
std::string whereIs(int obj);
// The game image on display, -1 when none.
int shownImage();

}  // namespace tftest
