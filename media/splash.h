// The splash sequence: the splash pictures of the toolkit or of a game, shown
// one after another before the menus appear, and the splash as a screen: a
// mouse button released over it ends it.
#pragma once

#include "core/screen.h"

namespace tf {

class uiSplash {
 public:
  void setSplash(int count) { splashCount = count; }
  int getSplashCount() const { return splashCount; }
  // Refused (with a message) for a picture beyond the sequence.
  void setCurrentSplash(int i);
  int getCurrentSplash() const { return splashRender; }
  void setSplashAlpha(float alpha) { splashAlpha = alpha; }
  float getSplashAlpha() const { return splashAlpha; }
  void setHideSplash(bool hide) { hideSplash = hide; }
  bool getHideSplash() const { return hideSplash; }
  void setStartingSplash(int index) { startingSplash = index; }
  int getStartingSplash() const { return startingSplash; }
  void setResetSplash(bool reset) { resetSplash = reset; }
  bool getResetSplash() const { return resetSplash; }

 private:
  int splashCount = 0;
  int splashRender = 0;
  float splashAlpha = 0;
  bool hideSplash = false;
  int startingSplash = 0;
  bool resetSplash = false;
};

extern uiSplash splash;

// What one frame of the splash sequence shows: a menu image at a brightness.
struct SplashFrame {
  bool draw = false;
  int image = 0;
  float alpha = 0;
};

// Advances the splash sequence by one frame: the fade of the current picture,
// the next picture, and the end of the sequence (game state 0). Returns what
// this frame shows.
SplashFrame advanceSplash();

// Game state 3.
Screen& splashScreen();

// One frame of the splash sequence: advances it and draws the current picture
// (splash_gl.cpp).
void splashRender();

}  // namespace tf
