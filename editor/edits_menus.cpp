// The editors' changes to the menus of the menu model (buttons, textboxes,
// text lines, backgrounds) and to the animation settings of game and menu
// images.
#include <algorithm>

#include "editor/edit_changes.h"
#include "editor/edits.h"
#include "game/world.h"
#include "media/images.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// ---- image animations ----------------------------------------------------------------

struct imageKey {
  ImageRegistry registry;
  int image;
};

struct animationRecord {
  bool on;
  int frames, speed;
};
auto tieFields(const animationRecord& a) { return std::tie(a.on, a.frames, a.speed); }

animationRecord readAnimation(const imageKey& key) {
  const img& image = registryImages(key.registry)[key.image];
  return {image.getAnimState(), image.getFrameCount(), image.getAnimSpeed()};
}

void writeAnimation(const imageKey& key, const animationRecord& a) {
  img& image = registryImages(key.registry)[key.image];
  image.setAnimState(a.on);
  image.setFrameCount(a.frames);
  image.setAnimSpeed(a.speed);
}

constexpr valueAccess<imageKey, animationRecord> kAnimationAccess{readAnimation, writeAnimation};

// ---- menu elements -----------------------------------------------------------------------

struct elementKey {
  int menu, i;
};
// The moves of one element within one step are kept as one change.
bool sameKey(const elementKey& a, const elementKey& b) { return a.menu == b.menu && a.i == b.i; }

struct buttonRecord {
  float x, y, w, h;
  int tex, func, func2;
};
auto tieFields(const buttonRecord& b) { return std::tie(b.x, b.y, b.w, b.h, b.tex, b.func, b.func2); }

buttonRecord readButton(const elementKey& key) {
  buttonRecord b{};
  gameUI.uiGetButton(b.x, b.y, b.w, b.h, b.tex, b.func, b.func2, key.menu, key.i);
  return b;
}
void writeButton(const elementKey& key, const buttonRecord& b) {
  gameUI.uiModifyButton(b.x, b.y, b.w, b.h, b.tex, b.func, b.func2, key.menu, key.i);
}
constexpr valueAccess<elementKey, buttonRecord> kButtonAccess{readButton, writeButton};

struct textboxRecord {
  float x, y, w, h;
  int text;
};
auto tieFields(const textboxRecord& t) { return std::tie(t.x, t.y, t.w, t.h, t.text); }

textboxRecord readTextbox(const elementKey& key) {
  textboxRecord t{};
  gameUI.uiGetTextbox(t.x, t.y, t.w, t.h, t.text, key.menu, key.i);
  return t;
}
void writeTextbox(const elementKey& key, const textboxRecord& t) {
  gameUI.uiModifyTextbox(t.x, t.y, t.w, t.h, t.text, key.menu, key.i);
}
constexpr valueAccess<elementKey, textboxRecord> kTextboxAccess{readTextbox, writeTextbox};

struct textRecord {
  float x, y, r, g, b;
  std::string text;
};
auto tieFields(const textRecord& t) { return std::tie(t.x, t.y, t.r, t.g, t.b, t.text); }

textRecord readText(const elementKey& key) {
  textRecord t{};
  gameUI.uiGetText(t.x, t.y, t.r, t.g, t.b, t.text, key.menu, key.i);
  return t;
}
void writeText(const elementKey& key, const textRecord& t) {
  gameUI.uiModifyText(t.x, t.y, t.r, t.g, t.b, t.text, key.menu, key.i);
}
constexpr valueAccess<elementKey, textRecord> kTextAccess{readText, writeText};

void insertText(const elementKey& key, const textRecord& t) {
  gameUI.uiInsertTextline(t.x, t.y, t.r, t.g, t.b, t.text, key.menu, key.i);
}
void removeText(const elementKey& key) { gameUI.uiDeleteTextline(key.i, key.menu); }
constexpr presenceAccess<elementKey, textRecord> kTextPresence{insertText, removeText};

int readBackground(const int& menu) { return gameUI.getMenuBackgroundTex(menu); }
void writeBackground(const int& menu, const int& image) { gameUI.setMenuBackgroundTex(menu, image); }
constexpr valueAccess<int, int> kBackgroundAccess{readBackground, writeBackground};

bool inList(int i, int count) { return i >= 0 && i < count; }

// Element i of a menu whose list of that kind holds `count` elements.
bool inMenu(int menu, int i, int count) { return gameUI.menuExists(menu) && inList(i, count); }

// A button or textbox record moved and sized, the rest of it kept.
template <typename Record>
Record placed(Record r, float x, float y, float w, float h) {
  r.x = x;
  r.y = y;
  r.w = w;
  r.h = h;
  return r;
}

// A place on the screen and a size that a menu element can take.
bool acceptablePlacement(float x, float y, float w, float h) { return allFinite({x, y, w, h}) && w >= 0 && h >= 0; }

editPlace menuPlace(int menu) { return placeOf(kViewMenu, menu); }

}  // namespace

bool editSetAnimation(ImageRegistry registry, int image, int frames, int speed, bool on) {
  const bool known = registry == kGameImages || registry == kMenuImages;
  if (!known || !inList(image, countedImages(registry)) || frames < kMinAnimFrame || frames > kMaxAnimFrame ||
      speed < kMinAnimSpeed || speed > kMaxAnimSpeed) {
    return false;
  }
  const editPlace place = placeOf(registry == kGameImages ? kViewGameImage : kViewMenuImage, image);
  return recordValueWrite(imageKey{registry, image}, kAnimationAccess, animationRecord{on, frames, speed}, place);
}

bool editModifyButton(int menu, int i, float x, float y, float w, float h, int image) {
  if (!inMenu(menu, i, gameUI.menuGetButtonCount(menu)) || !acceptablePlacement(x, y, w, h) || image < 0) return false;
  const elementKey key{menu, i};
  buttonRecord b = placed(readButton(key), x, y, w, h);
  b.tex = image;
  return recordValueWrite(key, kButtonAccess, b, menuPlace(menu));
}

bool editModifyTextbox(int menu, int i, float x, float y, float w, float h) {
  if (!inMenu(menu, i, gameUI.menuGetTextboxCount(menu)) || !acceptablePlacement(x, y, w, h)) return false;
  const elementKey key{menu, i};
  return recordValueWrite(key, kTextboxAccess, placed(readTextbox(key), x, y, w, h), menuPlace(menu));
}

bool editModifyText(int menu, int i, float x, float y, const std::string& text) {
  if (!inMenu(menu, i, gameUI.menuGetTextlineCount(menu)) || !allFinite({x, y})) return false;
  const elementKey key{menu, i};
  textRecord t = readText(key);
  t.x = x;
  t.y = y;
  t.text = text;
  return recordValueWrite(key, kTextAccess, t, menuPlace(menu));
}

int editAddText(int menu, float x, float y, float r, float g, float b, const std::string& text) {
  if (!gameUI.menuExists(menu) || !allFinite({x, y, r, g, b})) return -1;
  const elementKey key{menu, gameUI.menuGetTextlineCount(menu)};
  if (key.i >= kMaxMenuElements) return -1;
  const textRecord line{x, y, r, g, b, text};
  insertText(key, line);
  recordPresence(key, line, true, kTextPresence, menuPlace(menu));
  return key.i;
}

bool editDeleteText(int menu, int i) {
  if (!inMenu(menu, i, gameUI.menuGetTextlineCount(menu))) return false;
  const elementKey key{menu, i};
  textRecord line = readText(key);
  removeText(key);
  recordPresence(key, std::move(line), false, kTextPresence, menuPlace(menu));
  return true;
}

bool editSetMenuBackground(int menu, int image) {
  return gameUI.menuExists(menu) && image >= 0 && recordValueWrite(menu, kBackgroundAccess, image, menuPlace(menu));
}

}  // namespace tf
