// The whole state the logic can change, written out exactly (floats by their
// bits), so that two runs can be compared frame by frame and a change that
// should not have happened shows up as a difference.
#pragma once

#include <sstream>
#include <string>

#include "core/camera.h"
#include "core/system.h"
#include "game/world.h"

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

}  // namespace tftest
