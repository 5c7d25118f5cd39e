// A game played frame by frame and event by event.
#include "game_player.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "core/system.h"
#include "game/world.h"
#include "logic/evaluation.h"
#include "logic/game_render.h"

namespace tftest {
namespace {

constexpr int kMousePressed = 1, kMouseReleased = 2;

bool playing() {
  const int state = tf::gameSys.getGameState();
  return state == tf::kStatePlay || state == tf::kStatePlaytest;
}

void countDownPhrase() {
  int timer = 0, phrase = -1;
  tf::world.getDisplayPhrase(timer, phrase);
  if (timer > 0) tf::world.setDisplayPhrase(tf::countDownDisplayTimer(timer), phrase);
}

void countDownImage() {
  int timer = 0, image = 0;
  tf::world.getGameBox(timer, image);
  if (timer > 0) tf::world.setGameBox(tf::countDownDisplayTimer(timer), image);
}

}  // namespace

GamePlayer::GamePlayer(ManualClock& clock, int frameMs) : clock_(clock), frameMs_(frameMs) {}

void GamePlayer::frame() {
  clock_.advance(frameMs_);
  const bool drawn = playing();
  if (drawn) countDownPhrase();
  tf::updateLogic(false);
  if (drawn) {
    tf::updateHeldKeyLogic();
    countDownImage();
  }
}

void GamePlayer::frames(int n) {
  for (int k = 0; k < n; ++k) frame();
}

void GamePlayer::pressArrow(int key) {
  if (!playing()) return;
  int timer = 0, shown = 0;
  tf::world.getGameBox(timer, shown);
  if (timer == tf::kDisplayTimerRest) tf::world.setGameBox(0, 0);
  tf::world.getDisplayPhrase(timer, shown);
  if (timer == tf::kDisplayTimerRest) tf::world.setDisplayPhrase(0, 0);
  pressKey(key);
}

void GamePlayer::releaseArrow(int key) { releaseKey(key); }

void GamePlayer::pressKey(int key) {
  if (!playing() || tf::gameSys.getKeyState(key) == tf::kKeyBlocked) return;
  tf::gameSys.setKeyState(key, tf::kKeyHeld);
  tf::updateKeyLogic();
}

void GamePlayer::releaseKey(int key) {
  if (!playing() || tf::gameSys.getKeyState(key) == tf::kKeyBlocked) return;
  tf::gameSys.setKeyState(key, tf::kKeyReleased);
  tf::updateKeyLogic();
  tf::gameSys.setKeyState(key, tf::kKeyIdle);
}

void GamePlayer::holdArrow(int key, int steps) {
  if (steps < 1) return;
  pressArrow(key);
  frames(steps - 1);
  releaseArrow(key);
}

void GamePlayer::click(int obj, bool left) {
  if (obj >= 0) {
    ASSERT_TRUE(tf::world.worldGetObjectVisible(obj, tf::world.getCurrentMap()))
        << "object " << obj << " cannot be clicked: it is not shown";
  }
  mouseEvent(obj, left, kMousePressed);
  mouseEvent(obj, left, kMouseReleased);
}

void GamePlayer::mouseEvent(int obj, bool left, int event) {
  tf::gameSys.setLeftMouse(left ? event : 0);
  tf::gameSys.setRightMouse(left ? 0 : event);
  if (!playing()) return;
  if (event == kMousePressed) {
    tf::world.setGameBox(0, 0);
    tf::world.setDisplayPhrase(-1, -1);
  }
  if (obj >= 0) {
    tf::world.setSelectedObject(obj);
    tf::updateMouseLogic();
  }
  tf::world.setSelectedObject(-1);
  tf::updateMouseLogic();
}

int objectNamed(const std::string& name) {
  const int m = tf::world.getCurrentMap();
  for (int obj = 0; obj < tf::world.worldGetObjectCount(m); ++obj) {
    if (tf::world.worldGetObjectName(obj, m) == name) return obj;
  }
  return -1;
}

std::string whereIs(int obj) {
  float x, y, w, h;
  int tex, layer;
  tf::world.worldGetObject(x, y, w, h, tex, layer, obj, tf::world.getCurrentMap());
  std::ostringstream out;
  out << "(" << x << ", " << y << "), tile (" << std::lround(x / tf::kTileSize) << ", "
      << std::lround(y / tf::kTileSize) << ") of map " << tf::world.getCurrentMap();
  return out.str();
}

int shownImage() {
  int timer = 0, image = 0;
  tf::world.getGameBox(timer, image);
  return timer > 0 ? image : -1;
}

}  // namespace tftest
