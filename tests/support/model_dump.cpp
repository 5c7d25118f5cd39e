// Exact text forms of the world, the image animations and the menus.
#include "model_dump.h"

#include <cstdio>
#include <sstream>

#include "media/images.h"
#include "menus/ui_model.h"

namespace tftest {
namespace {

class dump {
 public:
  dump& operator<<(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%a", static_cast<double>(v));
    out << text << ' ';
    return *this;
  }
  dump& operator<<(int v) {
    out << v << ' ';
    return *this;
  }
  dump& operator<<(const std::string& v) {
    out << '"' << v << "\" ";
    return *this;
  }
  dump& operator<<(const char* label) {
    out << '\n' << label << ' ';
    return *this;
  }
  std::string str() const { return out.str(); }

 private:
  std::ostringstream out;
};

void sentenceLine(dump& d, const tf::sentence& s) {
  d << "sentence";
  for (int step = 0; step < tf::kSentenceSteps; ++step) d << s.getSentenceStep(step);
  d << s.getOwner() << s.getExecutionState() << s.getTimer();
}

void objectLines(dump& d, const tf::gameObject& o) {
  float x, y, w, h, obw, obh;
  int tex, layer;
  o.getObject(x, y, w, h, tex, layer);
  o.getObstructionSize(obw, obh);
  d << "object" << x << y << w << h << tex << layer << o.getObjectLabel() << int{o.getObjectLife()}
    << int{o.getObjectVisible()} << int{o.getObstructionState()} << obw << obh << o.getObjectScore()
    << o.getObjectName();
  for (int k = 0; k < o.localGetSentenceAmount(); ++k) sentenceLine(d, o.localGetWholeSentence(k));
}

void mapLines(dump& d, const tf::gameMap& map) {
  int w, h;
  std::string name;
  map.getMap(w, h, name);
  bool fog;
  float density, r, g, b;
  map.mapGetFog(fog, density, r, g, b);
  d << "map" << w << h << name << map.getMapLayerCount() << int{map.mapGetTileStretch()} << int{fog} << density << r
    << g << b;
  d << "tiles";
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) {
      int tex = 0;
      map.mapGetTile(tex, x, y);
      d << tex;
    }
  }
  for (int k = 0; k < map.globalGetSentenceAmount(); ++k) sentenceLine(d, map.globalGetWholeSentence(k));
  for (int i = 0; i < map.mapGetObjectCount(); ++i) objectLines(d, *map.mapObjectAt(i));
}

}  // namespace

std::string worldDump(const tf::gameWorld& game) {
  dump d;
  for (int m = 0; m < game.getMapCount(); ++m) mapLines(d, *game.mapAt(m));
  for (int i = 0; i < tf::kPhraseCount; ++i) {
    if (!game.getPhrase(i).empty()) d << "phrase" << i << game.getPhrase(i);
  }
  return d.str();
}

std::string animationDump() {
  dump d;
  for (const auto* registry : {&tf::gameImg, &tf::uiImage}) {
    d << "registry";
    for (const tf::img& image : *registry) {
      d << "image" << int{image.getAnimState()} << image.getFrameCount() << image.getAnimSpeed();
    }
  }
  return d.str();
}

std::string menuDump() {
  dump d;
  for (int m = 0; m < tf::gameUI.getMenuCount(); ++m) {
    d << "menu" << tf::gameUI.getMenuBackgroundTex(m);
    for (int i = 0; i < tf::gameUI.menuGetButtonCount(m); ++i) {
      float x, y, w, h;
      int tex, func, func2;
      tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, i);
      d << "button" << x << y << w << h << tex << func << func2;
    }
    for (int i = 0; i < tf::gameUI.menuGetTextboxCount(m); ++i) {
      float x, y, w, h;
      int text;
      tf::gameUI.uiGetTextbox(x, y, w, h, text, m, i);
      d << "textbox" << x << y << w << h << text << tf::gameUI.uiGetLinkedButton(i, m);
    }
    for (int i = 0; i < tf::gameUI.menuGetTextlineCount(m); ++i) {
      float x, y, r, g, b;
      std::string text;
      tf::gameUI.uiGetText(x, y, r, g, b, text, m, i);
      d << "text" << x << y << r << g << b << text;
    }
  }
  return d.str();
}

std::string editableDump() { return worldDump(tf::world) + animationDump() + menuDump(); }

::testing::AssertionResult sameDump(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  std::istringstream e(expected), a(actual);
  std::string el, al;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, el));
    const bool moreA = static_cast<bool>(std::getline(a, al));
    if (!moreE) el = "(end)";
    if (!moreA) al = "(end)";
    if (el != al || (!moreE && !moreA)) {
      return ::testing::AssertionFailure() << "line " << line << " differs:\n  expected " << el.substr(0, 300)
                                           << "\n  actual   " << al.substr(0, 300);
    }
  }
}

}  // namespace tftest
