// The image registries: every picture the program shows is loaded once into a
// texture and referred to by its index in the system, menu or game registry.
// This module keeps the registries, loads them and steps their animations.
#pragma once

#include <string>
#include <vector>

namespace tf {

// What an animation may be set to: frames 0 to 9 (the number of the last
// frame shown), 100 to 1000 milliseconds a frame.
constexpr int kMinAnimFrame = 0;
constexpr int kMaxAnimFrame = 9;
constexpr int kMinAnimSpeed = 100;
constexpr int kMaxAnimSpeed = 1000;

class img {
 public:
  void SetTex(int tex) { texNum = tex; }
  int GetTex() const { return texNum; }
  void SetPointer(int index) { identNum = index; }
  int GetPointer() const { return identNum; }
  void setAnimState(bool on) { animState = on; }
  bool getAnimState() const { return animState; }
  void setFrameCount(int count) { frameCount = count; }
  int getFrameCount() const { return frameCount; }
  void setCurrentFrame(int frame) { currentFrame = frame; }
  int getCurrentFrame() const { return currentFrame; }
  void setAnimSpeed(int ms) { animSpeed = ms; }
  int getAnimSpeed() const { return animSpeed; }
  // Switches the animation on with the frame count and speed a map or menu
  // file gives; values out of range (frames 0..9, 100..1000 ms) are replaced
  // by one frame and 1000 ms.
  void startAnimation(int frames, int speedMs);

  // Time of this image's last frame change, for the animation step.
  int lastAdvance = 0;

 private:
  int texNum = 0;      // texture name; 0 when the picture could not be decoded
  int identNum = 0;    // own index in its registry; -1 marks an empty slot
  bool animState = false;
  int frameCount = 1;  // number of the last frame shown, 0..9
  int currentFrame = 0;
  int animSpeed = 1000;  // milliseconds per frame
};

// The system images, by their fixed index.
enum SystemImage {
  kImgOn = 0, kImgOff, kImgPlus, kImgMinus, kImgGameEditorBackground, kImgDialogBackground,
  kImgOk, kImgCancel, kImgLoad, kImgConsoleBackground, kImgQuit, kImgShader, kImgFont,
  kImgNotice, kImgNone, kImgSave, kImgAnim, kImgScreen, kImgDebug, kImgSmallQuit, kImgBlur,
  kImgConsole, kImgNewMap, kImgArrowUp, kImgArrowDown, kImgEditMap, kImgHelp, kImgIconQuit,
  kImgIconSave, kImgIconHelp, kImgIconAnim, kImgIconMapSize, kImgIconNewMap, kImgIconDeleteMap,
  kImgIconFog, kImgIconGlobalLogic, kImgIconAddObject, kImgIconCopyObject, kImgIconDeleteObject,
  kImgIconLocalLogic, kImgArrowLeft, kImgArrowRight, kImgLine, kImgLogo, kImgOpen, kImgTextEd,
  kImgRpg, kImgPlatform, kImgTest, kImgDelSen, kImgCopySen,
  kSystemImageCount
};

// File names (without extension, in uireq/) of the system images, by index.
extern const char* const kSystemImageNames[kSystemImageCount];

extern std::vector<img> sysImage;
extern std::vector<img> uiImage;
extern std::vector<img> gameImg;

// The texture of system image `index`; 0 (untextured) when the registry has
// no such image.
int systemTexture(int index);

// Loads the 51 system images from uireq/.
void loadSysImages();
// Loads uireq/<name>.jpg, or .png when there is no .jpg, as system image `index`.
bool generateSysImage(const std::string& name, int index);
// Loads the menu images of the menu set `name` ("default" or a game): those
// of ui/, then with `gameImages` the game's own, and prepares the splash
// sequence with the splash pictures found. Returns the number of menu images.
int loadUIImages(const std::string& name, bool gameImages);
// Loads the images of game `game`: the default images of map/ from index 0,
// the game's own from index 200; `count` is the registry's size then. Always
// true.
bool loadGameImages(const std::string& game, int& count);
// Load one picture into a registry slot; they report success even when the
// picture cannot be decoded (it then draws untextured).
bool generateImage(const std::string& path, int index);
bool generateGameImage(const std::string& path, int index);

// Game image indexes: the toolkit's default images come first, the game's own
// start at kFirstOwnGameImage.
constexpr int kFirstOwnGameImage = 200;

// Frees the menu, game and system image tables.
void freeImageTables();
// Advances every running animation of the game and menu images.
void updateAnimation();
// Shows one frame of the loading screen at once (not during a pick pass); a
// percent of 0 or less shows a full bar.
void loadRender(const std::string& message, float percent);
// Draws the loading screen into the back buffer (loading_gl.cpp): the loading
// picture, the message and a bar `percent` (0..1) full.
void drawLoadingScreen(const std::string& message, float percent);

}  // namespace tf
