// A game in play for the logic tests: fresh globals, maps of 20 x 20 tiles,
// objects placed by hand, sentences written slot by slot, the world read back;
// and the whole state the logic can change written out exactly (floats by
// their bits), so that a change that should not have happened shows up.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <sstream>
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

inline void dumpSentence(std::ostringstream& out, const tf::sentence& s) {
  for (int step = 0; step < tf::kSentenceSteps; ++step) out << s.getSentenceStep(step) << ' ';
  out << "owner " << s.getOwner() << " state " << s.getExecutionState() << " timer " << s.getTimer() << '\n';
}

inline void dumpObject(std::ostringstream& out, int i, int m) {
  const tf::gameWorld& w = tf::world;
  float x, y, width, height, obw, obh;
  int tex, layer;
  w.worldGetObject(x, y, width, height, tex, layer, i, m);
  w.worldGetObstructionSize(obw, obh, i, m);
  out << "object " << i << ": " << x << ' ' << y << ' ' << width << ' ' << height << " tex " << tex << " layer "
      << layer << " life " << w.worldGetObjectLife(i, m) << " visible " << w.worldGetObjectVisible(i, m) << " solid "
      << w.worldGetObjectObstructionState(i, m) << " box " << obw << ' ' << obh << " score "
      << w.worldGetObjectScore(i, m) << " name " << w.worldGetObjectName(i, m) << '\n';
  for (int k = 0; k < w.mapLocalGetSentenceAmount(i, m); ++k) dumpSentence(out, w.mapLocalGetWholeSentence(i, m, k));
}

inline std::string dumpWorld() {
  const tf::gameWorld& w = tf::world;
  std::ostringstream out;
  out << std::hexfloat;
  int timer, index;
  w.getGameBox(timer, index);
  out << "map " << w.getCurrentMap() << " change " << w.getChangeMap() << " condition " << w.getGameCondition()
      << " box " << timer << ' ' << index << " score " << w.getGameScore();
  w.getDisplayPhrase(timer, index);
  out << " phrase " << timer << ' ' << index << " freelook " << w.getFreeLook() << " input "
      << w.getIngameInputDisallow() << " state " << tf::gameSys.getGameState() << '\n';
  for (int id = 0; id < tf::kGlobalScoreCount; ++id) out << w.getGlobalScore(id) << ' ';
  out << "\nkeys";
  for (int key = 0; key < tf::kSpecialKeyCount; ++key) out << ' ' << tf::gameSys.getKeyState(key);
  for (int letter = 0; letter < tf::kLetterCount; ++letter) out << ' ' << tf::gameSys.getAlphabetKeyState(letter);
  float cx, cy, cz;
  tf::camera.GetPos(cx, cy, cz);
  out << "\ncamera " << cx << ' ' << cy << ' ' << cz << '\n';
  for (int m = 0; m < w.getMapCount(); ++m) {
    out << "map " << m << '\n';
    for (int k = 0; k < w.mapGlobalGetSentenceAmount(m); ++k) dumpSentence(out, w.mapGlobalGetWholeSentence(m, k));
    for (int i = 0; i < w.worldGetObjectCount(m); ++i) dumpObject(out, i, m);
  }
  return out.str();
}

// The dump's lines that begin with `prefix`, or every line cut at `cut`.
inline std::string dumpLines(const std::string& dump, const std::string& prefix, const std::string& cut = "") {
  std::string kept;
  for (std::size_t at = 0, end; at < dump.size(); at = end + 1) {
    end = dump.find('\n', at);
    const std::string line = dump.substr(at, end - at);
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    kept += line.substr(0, cut.empty() ? line.npos : line.find(cut)) + "\n";
  }
  return kept;
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
    tf::resetLogicState();
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

  // An object of map m at (x, y), drawn and colliding with half-size (w, h); returns its index.
  static int addObject(float x, float y, float w = 0.1f, float h = 0.1f, int layer = 0, int m = 0) {
    const int index = tf::world.worldGetObjectCount(m);
    tf::world.worldSetObject(x, y, w, h, 0, layer, index, m);
    tf::world.worldSetObstructionSize(w, h, index, m);
    return index;
  }

  static tf::sentence make(const Slots& s, int owner) {
    tf::sentence sentence;
    sentence.setWholeSentence(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    sentence.assignOwner(owner);
    return sentence;
  }
  static void addGlobal(const Slots& s, int m = 0) { ASSERT_TRUE(tf::world.mapGlobalAppendSentence(m, make(s, m))); }
  static void addLocal(int obj, const Slots& s) { ASSERT_TRUE(tf::world.mapLocalAppendSentence(obj, 0, make(s, obj))); }

  // "Repeatedly do" and "Do once" the action; When/While (opener 100/101) object `obj` is (not) `condition`.
  static Slots always(int action, int operand = 0) { return {129, 0, 300, 400, 0, 600, action, operand}; }
  static Slots once(int action, int operand = 0) { return {128, 0, 300, 400, 0, 600, action, operand}; }
  static Slots rule(int opener, int obj, int condition, int conditionOperand, int action, int actionOperand,
                    bool is = true) {
    return {opener, obj, is ? 300 : 301, condition, conditionOperand, 600, action, actionOperand};
  }

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
  static int scoreOf(int obj) { return tf::world.worldGetObjectScore(obj, tf::world.getCurrentMap()); }
  static int globalScore(int id) { return tf::world.getGlobalScore(id); }

  ManualClock clock{0};
  RecordingPlatform window;
};

}  // namespace tftest
