// A game in play for the logic tests: fresh globals, maps of 20 x 20 tiles,
// objects placed by hand, sentences written slot by slot; and the whole state
// the logic can change written out exactly (floats by their bits), so that a
// change that should not have happened shows up.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "core/camera.h"
#include "core/run_state.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/world.h"
#include "logic/collision.h"
#include "logic/evaluation.h"
#include "manual_clock.h"
#include "model_dump.h"
#include "recording_platform.h"

namespace tftest {

// The state of play (map, display box and phrase, scores, keys, camera) and
// then every map with its objects and logic.
inline std::string dumpWorld() {
  const tf::gameWorld& w = tf::world;
  std::ostringstream out;
  out << std::hexfloat;
  int timer, index, phraseTimer, phrase;
  w.getGameBox(timer, index);
  w.getDisplayPhrase(phraseTimer, phrase);
  out << "map " << w.getCurrentMap() << " change " << w.getChangeMap() << " condition " << w.getGameCondition()
      << " box " << timer << ' ' << index << " phrase " << phraseTimer << ' ' << phrase << " score "
      << w.getGameScore() << " freelook " << w.getFreeLook() << " input " << w.getIngameInputDisallow() << " state "
      << tf::gameSys.getGameState() << "\nglobals";
  for (int id = 0; id < tf::kGlobalScoreCount; ++id) out << ' ' << w.getGlobalScore(id);
  out << "\nkeys";
  for (int key = 0; key < tf::kSpecialKeyCount; ++key) out << ' ' << tf::gameSys.getKeyState(key);
  for (int letter = 0; letter < tf::kLetterCount; ++letter) out << ' ' << tf::gameSys.getAlphabetKeyState(letter);
  float cx, cy, cz;
  tf::camera.GetPos(cx, cy, cz);
  out << "\ncamera " << cx << ' ' << cy << ' ' << cz;
  return out.str() + worldDump(w);
}

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
    tf::resetRunState();
    tf::setCollisionSearch(tf::CollisionSearch::Grid);
  }
  // A loaded game of `maps` maps, in play on map 0.
  static void startGame(int maps) {
    tf::world.allocateMaps(maps);
    for (int m = 0; m < maps; ++m) tf::world.worldSetMap(20, 20, "Map " + std::to_string(m), m);
    tf::world.setGameLoaded(true);
    tf::world.setCurrentMap(0);
    tf::gameSys.setGameState(tf::kStatePlay);
  }
  // An object of map 0 at (x, y), drawn and colliding with half-size (w, h); returns its index.
  static int addObject(float x, float y, float w = 0.1f, float h = 0.1f, int layer = 0) {
    const int index = tf::world.worldGetObjectCount(0);
    tf::world.worldSetObject(x, y, w, h, 0, layer, index, 0);
    tf::world.worldSetObstructionSize(w, h, index, 0);
    return index;
  }
  static tf::sentence make(const Slots& s, int owner) {
    tf::sentence made;
    made.setWholeSentence(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    made.assignOwner(owner);
    return made;
  }
  static void addGlobal(const Slots& s) { ASSERT_TRUE(tf::world.mapGlobalAppendSentence(0, make(s, 0))); }
  static void addLocal(int obj, const Slots& s) { ASSERT_TRUE(tf::world.mapLocalAppendSentence(obj, 0, make(s, obj))); }

 public:
  struct Placed {
    float x, y, w, h;
    int tex, layer;
  };
  static Placed read(int obj) {
    Placed p;
    tf::world.worldGetObject(p.x, p.y, p.w, p.h, p.tex, p.layer, obj, 0);
    return p;
  }
  static float xOf(int obj) { return read(obj).x; }
  static float yOf(int obj) { return read(obj).y; }

 protected:
  ManualClock clock{0};
  RecordingPlatform window;
};

}  // namespace tftest
