// The state of the editors: the world editor's mode and selection, and the
// flags the rest of the program reads (end of a play-test, the welcome window).
#pragma once

namespace tf {

class editor {
 public:
  void setEditorMode(int mode) { editorMode = mode; }
  int getEditorMode() const { return editorMode; }
  void setCurrentObject(int object) {
    if (object >= 0) curObject = object;
  }
  int getCurrentObject() const { return curObject; }
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
  int editorMode = 0;
  int curObject = 0;
  int welcomeTimer = 0, welcomeMenu = 0;
  int endTest = 0;  // 1: leave play-testing at the start of the next frame
};

extern editor worldEditor;

}  // namespace tf
