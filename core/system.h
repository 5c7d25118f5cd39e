// The global run-time state that is not part of a game: window geometry and
// title, game and input state, debug flag, mouse and keys, frame cap, sound
// settings and the game browser's list; and the settings file that keeps them.
#pragma once

#include <string>

namespace tf {

// Game states: what a frame draws and what input means.
enum GameState {
  kStateMenus = 0,
  kStateIngameMenu = 1,
  kStatePlay = 2,
  kStateSplash = 3,
  kStateDialog = 4,
  kStateWorldEditor = 5,
  kStateMenuEditor = 6,
  kStatePlaytest = 7,
};

// Input states: who receives typed characters.
enum InputState {
  kInputNormal = 0,
  kInputConsole = 1,
  kInputMenuTextbox = 2,
  kInputMenuEditorText = 3,
  kInputHelp = 4,
  kInputSystemTextbox = 5,
};

// Key ids of the six tracked special keys.
enum KeyId { kKeyUp = 0, kKeyDown = 1, kKeyRight = 2, kKeyLeft = 3, kKeySpace = 4, kKeyEnter = 5 };

// Key states, for special keys and letters alike.
enum KeyState { kKeyIdle = 0, kKeyHeld = 1, kKeyReleased = 2, kKeyBlocked = 3 };

constexpr int kLetterCount = 26;
constexpr int kSpecialKeyCount = 6;
constexpr int kMaxGameFolders = 128;
constexpr const char* kProductName = "Tessera Forge";
constexpr const char* kVersion = "V 1.1";
constexpr int kBuildNumber = 0;

class System {
 public:
  // Stores the window geometry and title and sets the frame cap to 60.
  void SetSystem(int x, int y, int w, int h, const std::string& name);
  int getWX() const { return wx; }
  int getWY() const { return wy; }
  int getWW() const { return ww; }
  int getWH() const { return wh; }
  std::string getName() const { return wname; }
  void setFS(bool on) { fscreen = on; }
  bool getFS() const { return fscreen; }

  void setGameState(int state) { gameState = state; }
  int getGameState() const { return gameState; }
  void setInputState(int state) { inputState = state; }
  int getInputState() const { return inputState; }

  // Reports (unless silent) a request for the state already in force.
  void setDebugState(bool state, bool silent);
  bool getDebugState() const { return debugMode; }

  void setMousePos(int x, int y) { mousex = x; mousey = y; }
  void getMousePos(int& x, int& y) const { x = mousex; y = mousey; }
  void setOrthoPos(int x, int y) { orthox = x; orthoy = y; }
  void getOrthoPos(int& x, int& y) const { x = orthox; y = orthoy; }
  void setNormalPos(double x, double y) { normalx = x; normaly = y; }
  void getNormalPos(double& x, double& y) const { x = normalx; y = normaly; }

  void setFPSRender(int cap) { fps = cap; }
  int getFPSRender() const { return fps; }
  void setCurFPS(int rate) { curFPS = rate; }
  int getCurFPS() const { return curFPS; }

  void setColorPick(bool on) { colorPick = on; }
  bool getColorPick() const { return colorPick; }
  void setLeftMouse(int event) { leftMouse = event; }
  int getLeftMouse() const { return leftMouse; }
  void setRightMouse(int event) { rightMouse = event; }
  int getRightMouse() const { return rightMouse; }
  void setHoverCheck(bool on) { hoverCheck = on; }
  bool getHoverState() const { return hoverCheck; }

  void setStartingSystemTime(int ms) { startTime = ms; }
  int getStartingSystemTime() const { return startTime; }
  void setDragState(bool on) { mouseDrag = on; }
  bool getDragState() const { return mouseDrag; }
  void setDragDelay(int delay) { dragDelay = delay; }
  int getDragDelay() const { return dragDelay; }

  void setLastGameEdited(const std::string& name) { lastGameEdited = name; }
  std::string getLastGameEdited() const { return lastGameEdited; }

  // Special keys by key id; ids outside 0..5 are ignored and read as 0.
  void setKeyState(int id, int state);
  int getKeyState(int id) const;
  // Letters by index 0 (A) to 25 (Z); out-of-range indexes likewise.
  void setAlphabetKeyState(int index, int state);
  int getAlphabetKeyState(int index) const;
  // The letter last pressed while it is still held, else -1.
  int getCurrentAlphabetKey() const;
  void resetKeyState();

  void setDisableMouseState(bool on) { disableMouse = on; }
  bool getDisableMouseState() const { return disableMouse; }
  void setSoundState(bool on) { soundState = on; }
  bool getSoundState() const { return soundState; }
  // Held within 0..1.
  void setSoundVolume(float volume);
  float getSoundVolume() const { return soundVolume; }
  void setVolTimer(int timer) { volTimer = timer; }
  int getVolTimer() const { return volTimer; }

  // The game browser's folder names; indexes outside 0..127 are ignored and read as "".
  void setDirName(int i, const std::string& name);
  std::string getDirName(int i) const;
  void setDirTextbox(int textbox) { dirTextbox = textbox; }
  int getDirTextbox() const { return dirTextbox; }
  void setLastDir(int row) { lastDir = row; }
  int getLastDir() const { return lastDir; }
  void setSelectedDir(int row) { selectedDir = row; }
  int getSelectedDir() const { return selectedDir; }

 private:
  template <typename Self>
  static auto specialKeyOf(Self& self, int id) -> decltype(&self.upArrow);

  int wx = 0, wy = 0;
  int ww = 1, wh = 1;
  bool fscreen = false;
  std::string wname = kProductName;  // at most 255 characters
  int gameState = 0;
  int inputState = 0;
  bool debugMode = false;
  int mousex = 0, mousey = 0;
  int orthox = 0, orthoy = 0;
  double normalx = 0, normaly = 0;
  int fps = 0;
  bool colorPick = false;
  int leftMouse = 0, rightMouse = 0;
  bool hoverCheck = false;
  int startTime = 0;
  bool mouseDrag = false;
  int dragDelay = 0;
  std::string lastGameEdited;
  int curFPS = 0;
  int leftArrow = 0, rightArrow = 0, upArrow = 0, downArrow = 0, spaceBar = 0, enterKey = 0;
  int alphakeys[kLetterCount] = {};
  int currentAlphabetKey = 0;
  bool disableMouse = false;
  bool soundState = true;
  float soundVolume = 1.0f;
  int volTimer = 0;
  std::string dirNames[kMaxGameFolders];
  int dirTextbox = -1;
  int lastDir = 0, selectedDir = 0;
};

extern System gameSys;

// Writes system/system.cfg; a file that cannot be written ends the program.
// Returns true when the settings were saved.
bool saveSystem();

// Switches between full screen and the window (restored at (5, 26) with the
// stored size); asking for the mode in force is reported unless silent.
void setFullScreen(bool on, bool silent);

}  // namespace tf
