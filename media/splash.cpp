// The splash sequence: its state and the fade from picture to picture, one
// step per frame.
#include "media/splash.h"

#include "core/clock.h"
#include "core/log.h"
#include "core/run_state.h"
#include "core/system.h"
#include "media/sound.h"

namespace tf {

uiSplash splash;

void uiSplash::setCurrentSplash(int i) {
  if (i >= splashCount || i < 0) {
    systemMsg("^rERROR: ^wAttempt to set splash texture out of array");
    return;
  }
  splashRender = i;
}

namespace {

// Brightness change per frame while a picture fades in or out.
constexpr float kFadeStep = 0.028f;
constexpr int kFadeInEndsMs = 3000;
constexpr int kHoldEndsMs = 4000;
constexpr int kPictureMinMs = 7000;
constexpr float kDarkEnough = 0.01f;

struct SplashTiming {
  int start = 0;
  int now = 0;
  float brightness = 0;
  bool firstPass = true;
} timing;

void resetSplashTiming() { timing = SplashTiming(); }
const bool registered = registerRunStateReset(resetSplashTiming);

// A button released over the splash stops its melody and shows the menus.
class SplashScreen : public Screen {
 public:
  bool onButton(const ButtonEvent& e) override {
    if (e.pressed) return false;
    stopSystemSound(kSoundMelody);
    gameSys.setStartingSystemTime(elapsedMs());
    gameSys.setGameState(kStateMenus);
    return false;
  }
};

}  // namespace

Screen& splashScreen() {
  static SplashScreen screen;
  return screen;
}

SplashFrame advanceSplash() {
  if (splash.getResetSplash()) {
    splash.setCurrentSplash(0);
    timing.brightness = 0;
    splash.setSplashAlpha(0);
    timing.firstPass = true;
    splash.setResetSplash(false);
  }
  if (splash.getHideSplash() || splash.getSplashCount() == 0) {
    gameSys.setGameState(kStateMenus);
    splash.setHideSplash(false);
  }
  SplashFrame frame;
  if (gameSys.getGameState() == kStateSplash) {
    frame.draw = true;
    frame.image = splash.getStartingSplash() + splash.getCurrentSplash();
    frame.alpha = splash.getSplashAlpha() < 0 ? 0 : splash.getSplashAlpha();
  }

  if (timing.firstPass) {
    timing.start = elapsedMs();
    timing.now = timing.start;
  } else {
    timing.now = elapsedMs();
  }
  int elapsed = timing.now - timing.start;
  if (elapsed < kFadeInEndsMs) {
    timing.brightness += kFadeStep;
    timing.firstPass = false;
  } else if (elapsed > kHoldEndsMs) {
    timing.brightness -= kFadeStep;
  }
  splash.setSplashAlpha(timing.brightness);

  if (elapsed > kPictureMinMs && timing.brightness < kDarkEnough) {
    if (splash.getCurrentSplash() + 1 >= splash.getSplashCount()) {
      gameSys.setStartingSystemTime(timing.now);
      gameSys.setGameState(kStateMenus);
    } else {
      splash.setCurrentSplash(splash.getCurrentSplash() + 1);
      timing.brightness = 0;
    }
    timing.start = timing.now;
  }
  return frame;
}

}  // namespace tf
