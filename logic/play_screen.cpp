// Play, play-test and the paused game as screens.
#include "logic/play_screen.h"

#include <utility>

#include "console/console.h"
#include "core/platform.h"
#include "core/system.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "logic/evaluation.h"
#include "menus/help.h"
#include "menus/ui.h"

namespace tf {
namespace {

// A shown image or phrase whose timer has come down to this may be dismissed.
constexpr int kDismissableTimer = 1;

std::function<void()>& playtestEnd() {
  static std::function<void()> end;
  return end;
}

// Shown images and phrases that have had their time go at any special key,
// while the game has the keys.
void dismissShownImageAndPhrase() {
  int timer, index;
  world.getGameBox(timer, index);
  if (timer == kDismissableTimer) world.setGameBox(0, 0);
  world.getDisplayPhrase(timer, index);
  if (timer == kDismissableTimer) world.setDisplayPhrase(0, 0);
}

class PlayScreen : public Screen {
 public:
  bool onKey(unsigned char key, int) override {
    if (key != kCharEscape) return false;
    if (gameSys.getGameState() == kStatePlay) {
      loadIngameMenu();
    } else {
      endPlaytest();
    }
    return false;
  }

  bool onSpecialKey(int, int) override {
    if (!consoleOpen() && !helpShown()) dismissShownImageAndPhrase();
    return false;
  }

  // A press takes down the shown image and phrase; every press and release
  // runs the selection pass (the mouse logic with the object under the
  // pointer) and the mouse logic once more with no object selected.
  bool onButton(const ButtonEvent& e) override {
    if (e.pressed) {
      world.setGameBox(0, 0);
      world.setDisplayPhrase(-1, -1);
    }
    platform().selectionPass();
    world.setSelectedObject(-1);
    updateMouseLogic();
    return false;
  }

  void onMapHit(const MapHit& hit) override {
    if (hit.kind != MapHit::Object) return;
    world.setSelectedObject(hit.object);
    updateMouseLogic();
  }
};

// Escape leaves the in-game menu when it is the menu shown.
class PausedGameScreen : public Screen {
 public:
  bool onKey(unsigned char key, int) override {
    if (key == kCharEscape && gameUI.getCurrentMenu() == gameUI.getIngameMenu()) leaveIngameMenu();
    return false;
  }
};

}  // namespace

Screen& playScreen() {
  static PlayScreen screen;
  return screen;
}

Screen& pausedGameScreen() {
  static PausedGameScreen screen;
  return screen;
}

void endPlaytest() {
  if (playtestEnd()) playtestEnd()();
}

void setPlaytestEnd(std::function<void()> end) { playtestEnd() = std::move(end); }

}  // namespace tf
