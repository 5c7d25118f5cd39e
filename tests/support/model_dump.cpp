// Exact text forms of the world, the image animations and the menus.
#include "model_dump.h"

#include <cstdio>
#include <functional>
#include <sstream>
#include <vector>

#include "core/numbers.h"
#include "media/images.h"
#include "menus/ui_model.h"

namespace tftest {
namespace {

// Numbers and texts on one line each thing; floats in hexadecimal, or as
// the files keep them.
class dump {
 public:
  explicit dump(bool stored = false) : stored(stored) {}
  dump& operator<<(float v) {
    if (stored) return out << tf::formatFloat(v) << ' ', *this;
    char text[32];
    std::snprintf(text, sizeof text, "%a ", static_cast<double>(v));
    out << text;
    return *this;
  }
  dump& operator<<(int v) { return out << v << ' ', *this; }
  dump& operator<<(const std::string& v) { return out << '"' << v << "\" ", *this; }
  dump& operator<<(const char* label) { return out << '\n' << label << ' ', *this; }
  std::string str() const { return out.str(); }
  // The state of play (labels, life, visibility, scores) is no file's.
  bool withPlay() const { return !stored; }

 private:
  bool stored;
  std::ostringstream out;
};

void sentences(dump& d, int amount, const std::function<tf::sentence(int)>& at) {
  for (int k = 0; k < amount; ++k) {
    const tf::sentence s = at(k);
    d << "sentence";
    for (int step = 0; step < tf::kSentenceSteps; ++step) d << s.getSentenceStep(step);
    d << s.getOwner() << s.getExecutionState() << s.getTimer();
  }
}

void object(dump& d, const tf::gameObject& o) {
  float x, y, w, h, obw, obh;
  int tex, layer;
  o.getObject(x, y, w, h, tex, layer);
  o.getObstructionSize(obw, obh);
  d << "object" << x << y << w << h << tex << layer << int{o.getObstructionState()} << obw << obh << o.getObjectName();
  if (d.withPlay()) {
    d << o.getObjectLabel() << int{o.getObjectLife()} << int{o.getObjectVisible()} << o.getObjectScore();
  }
  sentences(d, o.localGetSentenceAmount(), [&](int k) { return o.localGetWholeSentence(k); });
}

void map(dump& d, const tf::gameMap& map) {
  int w, h;
  std::string name;
  map.getMap(w, h, name);
  bool fog;
  float density, r, g, b;
  map.mapGetFog(fog, density, r, g, b);
  d << "map" << w << h << name << map.getMapLayerCount() << int{map.mapGetTileStretch()} << int{fog} << density << r
    << g << b << "tiles";
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) {
      int tex = 0;
      map.mapGetTile(tex, x, y);
      d << tex;
    }
  }
  sentences(d, map.globalGetSentenceAmount(), [&](int k) { return map.globalGetWholeSentence(k); });
  for (int i = 0; i < map.mapGetObjectCount(); ++i) object(d, *map.mapObjectAt(i));
}

std::string worldText(const tf::gameWorld& game, bool stored) {
  dump d(stored);
  for (int m = 0; m < game.getMapCount(); ++m) map(d, *game.mapAt(m));
  for (int i = 0; i < tf::kPhraseCount; ++i) {
    if (!game.getPhrase(i).empty()) d << "phrase" << i << game.getPhrase(i);
  }
  return d.str();
}

std::string animationDump() {
  dump d;
  for (const auto* registry : {&tf::gameImg, &tf::uiImage}) {
    d << "registry";
    for (const tf::img& i : *registry) d << int{i.getAnimState()} << i.getFrameCount() << i.getAnimSpeed();
  }
  return d.str();
}

std::string menuDump() {
  const tf::UI& ui = tf::gameUI;
  dump d;
  float x, y, w, h, r, g, b;
  int tex, func, func2;
  std::string text;
  for (int m = 0; m < ui.getMenuCount(); ++m) {
    d << "menu" << ui.getMenuBackgroundTex(m);
    for (int i = 0; i < ui.menuGetButtonCount(m); ++i) {
      ui.uiGetButton(x, y, w, h, tex, func, func2, m, i);
      d << "button" << x << y << w << h << tex << func << func2;
    }
    for (int i = 0; i < ui.menuGetTextboxCount(m); ++i) {
      ui.uiGetTextbox(x, y, w, h, tex, m, i);
      d << "textbox" << x << y << w << h << tex << ui.uiGetLinkedButton(i, m);
    }
    for (int i = 0; i < ui.menuGetTextlineCount(m); ++i) {
      ui.uiGetText(x, y, r, g, b, text, m, i);
      d << "text" << x << y << r << g << b << text;
    }
  }
  return d.str();
}

}  // namespace

std::string worldDump(const tf::gameWorld& game) { return worldText(game, false); }

std::string storedWorldDump(const tf::gameWorld& game) { return worldText(game, true); }

std::string editableDump() { return worldDump(tf::world) + animationDump() + menuDump(); }

::testing::AssertionResult sameDump(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  auto linesOf = [](const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  };
  const auto e = linesOf(expected), a = linesOf(actual);
  std::size_t i = 0;
  while (i < e.size() && i < a.size() && e[i] == a[i]) ++i;
  auto at = [i](const std::vector<std::string>& lines) { return i < lines.size() ? lines[i].substr(0, 300) : "(end)"; };
  return ::testing::AssertionFailure() << "line " << i + 1 << " differs:\n  expected " << at(e) << "\n  actual   "
                                       << at(a);
}

}  // namespace tftest
