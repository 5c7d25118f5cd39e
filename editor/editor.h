// The state of the editors: the world editor's mode and selection, and the
// flags the rest of the program reads (end of a play-test, the welcome window).
#pragma once

#include "game/world.h"

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
// The tips of the editors are numbered 0 to kLastTip.
constexpr int kLastTip = 18;

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

  void setCurrentAnimImage(int image) { currentAnimImage = image; }
  int getCurrentAnimImage() const { return currentAnimImage; }
  void setCurrentButton(int button) { currentButton = button; }
  int getCurrentButton() const { return currentButton; }
  void setCurrentTextbox(int textbox) { currentTextbox = textbox; }
  int getCurrentTextbox() const { return currentTextbox; }
  void setCurrentTextline(int line) { currentTextline = line; }
  int getCurrentTextline() const { return currentTextline; }
  void setGLTimer(int timer, int sentence, int step) {
    glTimer = timer;
    glTimerSentence = sentence;
    glTimerStep = step;
  }
  void getGLTimer(int& timer, int& sentence, int& step) const {
    timer = glTimer;
    sentence = glTimerSentence;
    step = glTimerStep;
  }
  void setImageMenuTimer(int timer) { imageMenuTimer = timer; }
  int getImageMenuTimer() const { return imageMenuTimer; }
  void setImageMenuRow(int row) { imageMenuRow = row; }
  int getImageMenuRow() const { return imageMenuRow; }
  // Layers outside 0..7 are ignored and read as hidden.
  void setRenderLayer(int layer, bool shown);
  bool getRenderLayer(int layer) const;
  // Below 0 wraps to the last tip, beyond the last to 0.
  void setCurrentTip(int tip);
  int getCurrentTip() const { return currentTip; }
  void setTemplateSelect(int state) { templateSelectState = state; }
  int getTemplateSelectState() const { return templateSelectState; }
  // Below -1 becomes -1; 1024 and above becomes 0.
  void setPhraseMenu(int page);
  int getPhraseMenu() const { return phraseMenu; }
  void setSAO(int on) { SAO = on; }
  int getSAO() const { return SAO; }
  void setCurrentSentence(int k) { currentSentence = k; }
  int getCurrentSentence() const { return currentSentence; }
  void setPhraseSelector(int page) { phraseSelector = page; }
  int getPhraseSelector() const { return phraseSelector; }
  // Wraps within 0..1023.
  void setPhraseSelectorChoice(int choice);
  int getPhraseSelectorChoice() const { return phraseSelectorChoice; }
  void setWireframe(bool on) { wireFrame = on; }
  bool getWireframe() const { return wireFrame; }
  // When the map was last picked in the editor (milliseconds), for double clicks.
  void setLastClickTime(int ms) { lastClickTime = ms; }
  int getLastClickTime() const { return lastClickTime; }

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
  int currentAnimImage = 0;
  int currentButton = 0, currentTextbox = 0, currentTextline = 0;
  int glTimer = 0, glTimerSentence = 0, glTimerStep = 0;
  int imageMenuTimer = 0;  // above 0 open, 0 closed, -1 closed by a double click
  int imageMenuRow = 0;
  bool renderLayer[kRenderLayerCount] = {true, true, true, true, true, true, true, true};
  int currentTip = 0;
  int templateSelectState = 0;
  int phraseMenu = -1;
  int SAO = 0;  // 1: every object of the map is highlighted
  int currentSentence = 0;
  int phraseSelector = -1;
  int phraseSelectorChoice = 0;
  bool wireFrame = true;
  int lastClickTime = 0;
};

extern editor worldEditor;

// The world editor's mode is one of the logic editors (6 or 7).
bool inLogicEditor();

}  // namespace tf
