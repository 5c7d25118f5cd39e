// The state of the editors: the world editor's mode and selection, and the
// flags the rest of the program reads (end of a play-test, the welcome window).
#pragma once

namespace tf {

// What the world editor is doing.
enum EditorMode {
  kModeFolded = -1,     // panels folded away
  kModeNothing = 0,     // nothing selected
  kModeTile = 1,        // a tile or tile range is selected
  kModeObject = 2,      // one or several objects are selected
  kModeAnimation = 3,   // animation editing
  kModeNewMap = 4,      // the new-map panel
  kModeEditMap = 5,     // the edit-map panel
  kModeGlobalLogic = 6, // logic editor on the map's global logic
  kModeLocalLogic = 7,  // logic editor on the selected object's local logic
  kModeFog = 8,         // the fog panel
};

// At most this many objects are selected at once.
constexpr int kObjectListSize = 50;

class editor {
 public:
  editor();

  void setEditorMode(int mode) { editorMode = mode; }
  int getEditorMode() const { return editorMode; }

  // The current tile; both corners of the tile range move with it.
  void setCurrentTile(int x, int y);
  void getCurrentTile(int& x, int& y) const {
    x = curTile[0];
    y = curTile[1];
  }
  // A coordinate given as -1 is left as it is.
  void setStartingTile(int x, int y);
  void getStartingTile(int& x, int& y) const {
    x = startingTile[0];
    y = startingTile[1];
  }
  void setEndingTile(int x, int y);
  void getEndingTile(int& x, int& y) const {
    x = endingTile[0];
    y = endingTile[1];
  }

  // Negative indexes are ignored.
  void setCurrentObject(int object) {
    if (object >= 0) curObject = object;
  }
  int getCurrentObject() const { return curObject; }

  void setHelpMenu(int menu) { helpMenu = menu; }
  int getHelpMenu() const { return helpMenu; }

  // The multiple selection. Slots outside 0..49 and negative objects are
  // ignored; a slot outside the list reads as -1.
  void setObjectList(int slot, int object);
  int getObjectList(int slot) const;
  void setObjectListAmount(int amount);
  int getObjectListAmount() const { return objectListAmount; }
  // True when `object` IS among the listed objects (the name reads the other
  // way; callers use it to test for an object already listed).
  bool notInObjectList(int object) const;
  // Empties the multiple selection.
  void resetObjectList();

  void setWelcome(int timer, int menu) {
    welcomeTimer = timer;
    welcomeMenu = menu;
  }
  void getWelcome(int& timer, int& menu) const {
    timer = welcomeTimer;
    menu = welcomeMenu;
  }
  void setEndTest(int end) { endTest = end; }
  int getEndTest() const { return endTest; }

 private:
  int editorMode = kModeNothing;
  int curTile[2] = {0, 0};
  int startingTile[2] = {0, 0};
  int endingTile[2] = {0, 0};
  int curObject = 0;
  int helpMenu = 0;
  int welcomeTimer = 0, welcomeMenu = 0;
  int objectList[kObjectListSize];  // -1 in every unused slot
  int objectListAmount = 0;  // 0: single selection (curObject)
  int endTest = 0;           // 1: leave play-testing at the start of the next frame
};

extern editor worldEditor;

}  // namespace tf
