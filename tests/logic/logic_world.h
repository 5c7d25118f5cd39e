// A game in play for the logic tests: fresh globals, one or more maps, objects
// placed by hand, sentences written slot by slot, and the world read back.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "logic/collision.h"
#include "logic/evaluation.h"
#include "manual_clock.h"
#include "recording_platform.h"

namespace tftest {

using Slots = std::array<int, 8>;

class LogicWorld : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }

  static void reset() {
    tf::world = tf::gameWorld();
    tf::worldBackup = tf::gameWorld();
    tf::worldEditor = tf::editor();
    tf::camera.SetPos(0, 0, 0);
    tf::gameSys.resetKeyState();
    tf::gameSys.setLeftMouse(0);
    tf::gameSys.setRightMouse(0);
    tf::gameSys.setGameState(tf::kStateMenus);
    tf::resetLogicState();
    tf::setCollisionSearch(tf::CollisionSearch::Grid);
  }

  // A loaded game of `maps` maps of 20 x 20 tiles, in play.
  void startGame(int maps = 1) {
    tf::world.allocateMaps(maps);
    for (int m = 0; m < maps; ++m) tf::world.worldSetMap(20, 20, "Map " + std::to_string(m), m);
    tf::world.setGameLoaded(true);
    tf::world.setCurrentMap(0);
    tf::gameSys.setGameState(tf::kStatePlay);
  }

  // Adds an object to map m at (x, y) with collision half-size (obw, obh)
  // (drawn the same size) on `layer`; returns its index.
  static int addObject(float x, float y, float obw = 0.1f, float obh = 0.1f, int layer = 0, int m = 0) {
    int index = tf::world.worldGetObjectCount(m);
    tf::world.worldSetObject(x, y, obw, obh, 0, layer, index, m);
    tf::world.worldSetObstructionSize(obw, obh, index, m);
    return index;
  }

  static void addGlobal(const Slots& s, int m = 0) {
    tf::sentence sentence;
    sentence.setWholeSentence(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    sentence.assignOwner(m);
    ASSERT_TRUE(tf::world.mapGlobalAppendSentence(m, sentence));
  }

  static void addLocal(int obj, const Slots& s, int m = 0) {
    tf::sentence sentence;
    sentence.setWholeSentence(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    sentence.assignOwner(obj);
    ASSERT_TRUE(tf::world.mapLocalAppendSentence(obj, m, sentence));
  }

  // Sentences in words: an opener without operand, and an action.
  static Slots always(int action, int operand = 0) { return {129, 0, 300, 400, 0, 600, action, operand}; }
  static Slots once(int action, int operand = 0) { return {128, 0, 300, 400, 0, 600, action, operand}; }
  static Slots whileObject(int obj, int condition, int conditionOperand, int action, int actionOperand,
                           bool is = true) {
    return {101, obj, is ? 300 : 301, condition, conditionOperand, 600, action, actionOperand};
  }
  static Slots whenObject(int obj, int condition, int conditionOperand, int action, int actionOperand,
                          bool is = true) {
    return {100, obj, is ? 300 : 301, condition, conditionOperand, 600, action, actionOperand};
  }

  static float xOf(int obj, int m = 0) { return read(obj, m).x; }
  static float yOf(int obj, int m = 0) { return read(obj, m).y; }
  static int scoreOf(int obj) { return tf::world.worldGetObjectScore(obj, tf::world.getCurrentMap()); }
  static int globalScore(int id) { return tf::world.getGlobalScore(id); }

  struct Placed {
    float x, y, w, h;
    int tex, layer;
  };
  static Placed read(int obj, int m = 0) {
    Placed p;
    tf::world.worldGetObject(p.x, p.y, p.w, p.h, p.tex, p.layer, obj, m);
    return p;
  }

  ManualClock clock{0};
  RecordingPlatform window;
};

}  // namespace tftest
