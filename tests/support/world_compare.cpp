// Field-by-field world comparison.
#include "world_compare.h"

#include <algorithm>
#include <sstream>

#include "core/numbers.h"

namespace tftest {
namespace {

using tf::gameMap;
using tf::sentence;

class Differences {
 public:
  template <typename T>
  void check(const std::string& what, const T& expected, const T& actual) {
    if (expected == actual) return;
    if (++count_ > kShown) return;
    out_ << what << ": expected " << expected << ", got " << actual << "\n";
  }
  void checkFloat(const std::string& what, float expected, float actual) {
    check(what, tf::formatFloat(expected), tf::formatFloat(actual));
  }
  ::testing::AssertionResult result() const {
    if (count_ == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << count_ << " differences\n" << out_.str();
  }

 private:
  static constexpr int kShown = 20;
  std::ostringstream out_;
  int count_ = 0;
};

void compareSentences(Differences& d, const std::string& where, const sentence& e, const sentence& a) {
  for (int step = 0; step < tf::kSentenceSteps; ++step) {
    d.check(where + " step " + std::to_string(step), e.getSentenceStep(step), a.getSentenceStep(step));
  }
  d.check(where + " owner", e.getOwner(), a.getOwner());
  d.check(where + " state", e.getExecutionState(), a.getExecutionState());
  d.check(where + " timer", e.getTimer(), a.getTimer());
}

void compareObject(Differences& d, const std::string& where, const gameMap& e, const gameMap& a, int i) {
  float ex, ey, ew, eh, ax, ay, aw, ah;
  int etex, elayer, atex, alayer;
  e.mapGetObject(ex, ey, ew, eh, etex, elayer, i);
  a.mapGetObject(ax, ay, aw, ah, atex, alayer, i);
  d.checkFloat(where + " x", ex, ax);
  d.checkFloat(where + " y", ey, ay);
  d.checkFloat(where + " w", ew, aw);
  d.checkFloat(where + " h", eh, ah);
  d.check(where + " tex", etex, atex);
  d.check(where + " layer", elayer, alayer);
  e.getObstructionSize(ew, eh, i);
  a.getObstructionSize(aw, ah, i);
  d.checkFloat(where + " obstruction w", ew, aw);
  d.checkFloat(where + " obstruction h", eh, ah);
  d.check(where + " solid", e.mapGetObjectObstructionState(i), a.mapGetObjectObstructionState(i));
  d.check(where + " name", e.mapGetObjectName(i), a.mapGetObjectName(i));
  d.check(where + " sentences", e.mapLocalGetSentenceAmount(i), a.mapLocalGetSentenceAmount(i));
  for (int k = 0; k < std::min(e.mapLocalGetSentenceAmount(i), a.mapLocalGetSentenceAmount(i)); ++k) {
    compareSentences(d, where + " sentence " + std::to_string(k), e.mapLocalGetWholeSentence(i, k),
                     a.mapLocalGetWholeSentence(i, k));
  }
}

void compareMap(Differences& d, const std::string& where, const gameMap& e, const gameMap& a) {
  int ew, eh, aw, ah;
  std::string en, an;
  e.getMap(ew, eh, en);
  a.getMap(aw, ah, an);
  d.check(where + " width", ew, aw);
  d.check(where + " height", eh, ah);
  d.check(where + " name", en, an);
  for (int x = 0; x < std::min(ew, aw); ++x) {
    for (int y = 0; y < std::min(eh, ah); ++y) {
      int et = 0, at = 0;
      e.mapGetTile(et, x, y);
      a.mapGetTile(at, x, y);
      d.check(where + " tile " + std::to_string(x) + "_" + std::to_string(y), et, at);
    }
  }
  d.check(where + " layers", e.getMapLayerCount(), a.getMapLayerCount());
  d.check(where + " stretch", e.mapGetTileStretch(), a.mapGetTileStretch());
  bool efog, afog;
  float edens, er, eg, eb, adens, ar, ag, ab;
  e.mapGetFog(efog, edens, er, eg, eb);
  a.mapGetFog(afog, adens, ar, ag, ab);
  d.check(where + " fog", efog, afog);
  d.checkFloat(where + " fog density", edens, adens);
  d.checkFloat(where + " fog red", er, ar);
  d.checkFloat(where + " fog green", eg, ag);
  d.checkFloat(where + " fog blue", eb, ab);
  d.check(where + " global sentences", e.globalGetSentenceAmount(), a.globalGetSentenceAmount());
  for (int k = 0; k < std::min(e.globalGetSentenceAmount(), a.globalGetSentenceAmount()); ++k) {
    compareSentences(d, where + " global sentence " + std::to_string(k), e.globalGetWholeSentence(k),
                     a.globalGetWholeSentence(k));
  }
  d.check(where + " objects", e.mapGetObjectCount(), a.mapGetObjectCount());
  for (int i = 0; i < std::min(e.mapGetObjectCount(), a.mapGetObjectCount()); ++i) {
    compareObject(d, where + " object " + std::to_string(i), e, a, i);
  }
}

}  // namespace

::testing::AssertionResult sameStoredWorld(const tf::gameWorld& expected, const tf::gameWorld& actual) {
  Differences d;
  d.check("maps", expected.getMapCount(), actual.getMapCount());
  for (int m = 0; m < std::min(expected.getMapCount(), actual.getMapCount()); ++m) {
    compareMap(d, "map " + std::to_string(m), *expected.mapAt(m), *actual.mapAt(m));
  }
  for (int i = 0; i < tf::kPhraseCount; ++i) {
    d.check("phrase " + std::to_string(i), expected.getPhrase(i), actual.getPhrase(i));
  }
  return d.result();
}

std::string objectText(const tf::gameMap& map, int i) {
  float x = 9, y = 9, w = 9, h = 9, ow = 9, oh = 9;
  int tex = 9, layer = 9;
  map.mapGetObject(x, y, w, h, tex, layer, i);
  map.getObstructionSize(ow, oh, i);
  std::string text;
  for (float v : {x, y, w, h}) text += tf::formatFloat(v) + " ";
  return text + std::to_string(tex) + " " + std::to_string(layer) + " / " + tf::formatFloat(ow) + " " +
         tf::formatFloat(oh);
}

std::string objectText(const tf::gameWorld& game, int obj, int m) {
  const tf::gameMap* map = game.mapAt(m);
  return map ? objectText(*map, obj) : "no map";
}

std::string sentenceText(const tf::sentence& s) {
  std::string text = std::to_string(s.getOwner()) + ":";
  for (int k = 0; k < tf::kSentenceSteps; ++k) text += " " + std::to_string(s.getSentenceStep(k));
  return text;
}

}  // namespace tftest
