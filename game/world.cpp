// The game world model: objects, maps and the world, with the index checks
// that make every out-of-range call harmless.
#include "game/world.h"

#include <algorithm>

#include "core/numbers.h"
#include "core/system.h"
#include "game/game_names.h"
#include "media/notice.h"
#include "media/sound.h"

namespace tf {

gameWorld world;
gameWorld worldBackup;

namespace {

constexpr float kMaxObjectSize = 0.7f;
constexpr float kMinObjectSize = 0.01f;
constexpr float kCopyOffset = 0.1f;
constexpr float kMinFogValue = 0.1f;
constexpr float kMaxFogValue = 1.0f;
// Fog values this close outside their range are taken as the nearest end, so
// that a value stepped by 0.1 in floats still reaches 0.1 and 1.0.
constexpr float kFogTolerance = 1e-4f;

// Stores `value` in `target` when it lies within the fog range.
void acceptFogValue(float value, float& target) {
  if (value >= kMinFogValue - kFogTolerance && value <= kMaxFogValue + kFogTolerance) {
    target = std::clamp(value, kMinFogValue, kMaxFogValue);
  }
}

}  // namespace

// ---- gameObject -------------------------------------------------------------

void gameObject::setObject(float newX, float newY, float newW, float newH, int newTex, int newLayer) {
  x = newX;
  y = newY;
  w = newW > kMaxObjectSize ? kMaxObjectSize : (newW > 0 ? newW : kMinObjectSize);
  h = newH > kMaxObjectSize ? kMaxObjectSize : (newH > 0 ? newH : kMinObjectSize);
  tex = newTex;
  layer = newLayer;
}

void gameObject::getObject(float& outX, float& outY, float& outW, float& outH, int& outTex,
                           int& outLayer) const {
  outX = x;
  outY = y;
  outW = w;
  outH = h;
  outTex = tex;
  outLayer = layer;
}

void gameObject::setObstructionSize(float newW, float newH) {
  if (!(newW > 0 && newH > 0)) return;
  obw = std::min(newW, kMaxObjectSize);
  obh = std::min(newH, kMaxObjectSize);
}

void gameObject::getObstructionSize(float& outW, float& outH) const {
  outW = obw;
  outH = obh;
}

// ---- gameMap ----------------------------------------------------------------

gameObject* gameMap::objectAt(int index) {
  return index >= 0 && index < mapGetObjectCount() ? &object[index] : nullptr;
}

const gameObject* gameMap::objectAt(int index) const {
  return index >= 0 && index < mapGetObjectCount() ? &object[index] : nullptr;
}

void gameMap::setMap(int w, int h, const std::string& name) {
  if (w < 0 || w > kMaxMapSide || h < 0 || h > kMaxMapSide) return;
  if (w != mapw || h != maph) {
    std::vector<mapTile> resized(static_cast<std::size_t>(w) * h);
    int keepW = std::min(w, mapw);
    int keepH = std::min(h, maph);
    for (int x = 0; x < keepW; ++x) {
      std::copy_n(tile.begin() + static_cast<std::size_t>(x) * maph, keepH,
                  resized.begin() + static_cast<std::size_t>(x) * h);
    }
    tile.swap(resized);
  }
  mapw = w;
  maph = h;
  mapName = name;
}

void gameMap::getMap(int& w, int& h, std::string& name) const {
  w = mapw;
  h = maph;
  name = mapName;
}

void gameMap::mapSetTile(int tex, int x, int y) {
  if (holdsTile(x, y)) tile[static_cast<std::size_t>(x) * maph + y].setTile(tex);
}

void gameMap::mapGetTile(int& tex, int x, int y) const {
  if (holdsTile(x, y)) tile[static_cast<std::size_t>(x) * maph + y].getTile(tex);
}

void gameMap::mapSetObject(float x, float y, float w, float h, int tex, int layer, int index) {
  if (index < 0 || index > mapGetObjectCount()) return;
  if (index == mapGetObjectCount()) {
    if (index >= kMaxObjects) return;
    object.emplace_back();
    objectGrid.clear();
  }
  object[index].setObject(x, y, w, h, tex, layer);
  collisionBoxChanged(index);
}

void gameMap::collisionBoxChanged(int index) {
  const gameObject& o = object[index];
  objectGrid.update(index, boxAround(o.x, o.y, o.obw, o.obh));
}

const collisionGrid& gameMap::mapCollisionGrid() const {
  if (!objectGrid.built()) {
    std::vector<collisionBox> boxes;
    boxes.reserve(object.size());
    for (const gameObject& o : object) boxes.push_back(boxAround(o.x, o.y, o.obw, o.obh));
    objectGrid.build(boxes);
  }
  return objectGrid;
}

void gameMap::mapGetObject(float& x, float& y, float& w, float& h, int& tex, int& layer,
                           int index) const {
  if (const gameObject* o = objectAt(index)) {
    o->getObject(x, y, w, h, tex, layer);
  } else {
    x = y = w = h = 0;
    tex = layer = 0;
  }
}

void gameMap::mapCopyObject(int index, int aimedAt) {
  if (mapGetObjectCount() >= kMaxObjects) {
    notice.setNotice("Too many objects", "You have exceeded the maximum # of objects for this map");
    return;
  }
  if (!objectAt(index)) return;
  int copyIndex = mapGetObjectCount();
  object.push_back(object[index]);
  objectGrid.clear();
  gameObject& copy = object.back();
  for (int k = 0; k < copy.localGetSentenceAmount(); ++k) copy.localSetOwner(copyIndex, k, aimedAt);
  copy.x += kCopyOffset;
  copy.y += kCopyOffset;
}

bool gameMap::mapDeleteObject(int index) { return mapDeleteObjects({index}) == 1; }

int gameMap::mapDeleteObjects(const std::vector<int>& indexes, std::vector<sentenceFieldChange>* changes) {
  std::vector<int> present;
  for (int index : indexes) {
    if (objectAt(index)) present.push_back(index);
  }
  if (present.empty()) return 0;
  const objectRenumbering numbers(std::move(present), mapGetObjectCount());
  const std::vector<int>& deleted = numbers.deletedObjects();
  if (changes) changes->reserve(changes->size() + fieldsRenumberedAtMost());
  // One pass moves every kept object to its new place.
  auto next = object.begin() + deleted.front();
  auto gone = deleted.begin();
  for (int i = deleted.front(); i < mapGetObjectCount(); ++i) {
    if (gone != deleted.end() && *gone == i) {
      ++gone;
    } else {
      *next++ = std::move(object[i]);
    }
  }
  object.erase(next, object.end());
  objectGrid.clear();
  for (int i = deleted.front(); i < mapGetObjectCount(); ++i) object[i].localLogic.assignOwnerToAll(i, i, changes);
  for (int i = 0; i < mapGetObjectCount(); ++i) object[i].localLogic.renumberObjects(numbers, i, changes);
  globalLogic.renumberObjects(numbers, kGlobalLogicList, changes);
  return static_cast<int>(deleted.size());
}

std::size_t gameMap::fieldsRenumberedAtMost() const {
  // Three operands and the owner of each local sentence, three operands of each global one.
  std::size_t fields = static_cast<std::size_t>(globalLogic.getSentenceAmount()) * 3;
  for (const gameObject& o : object) fields += static_cast<std::size_t>(o.localGetSentenceAmount()) * 4;
  return fields;
}

void gameMap::mapRestoreLogicFields(const std::vector<sentenceFieldChange>& changes) {
  for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
    if (change->list == kGlobalLogicList) {
      globalLogic.restoreField(change->sentenceNum, change->field, change->old);
    } else if (gameObject* o = objectAt(change->list)) {
      o->localLogic.restoreField(change->sentenceNum, change->field, change->old);
    }
  }
}

bool gameMap::mapInsertObject(const gameObject& o, int index) {
  if (index < 0 || index > mapGetObjectCount() || mapGetObjectCount() >= kMaxObjects) return false;
  object.insert(object.begin() + index, o);
  objectGrid.clear();
  return true;
}

bool gameMap::mapRemoveObject(int index) {
  if (!objectAt(index)) return false;
  object.erase(object.begin() + index);
  objectGrid.clear();
  return true;
}

void gameMap::mapSetFog(bool fogOn, float density, const float color[3]) {
  fog = fogOn;
  acceptFogValue(density, fogDens);
  for (int c = 0; c < 3; ++c) acceptFogValue(color[c], fogColor[c]);
}

void gameMap::mapRestoreFog(bool fogOn, float density, const float color[3]) {
  fog = fogOn;
  fogDens = density;
  std::copy_n(color, 3, fogColor);
}

void gameMap::mapGetFog(bool& fogOn, float& density, float& r, float& g, float& b) const {
  fogOn = fog;
  density = fogDens;
  r = fogColor[0];
  g = fogColor[1];
  b = fogColor[2];
}

void gameMap::mapSetObjectLabel(int label, int index) {
  if (gameObject* o = objectAt(index)) o->setObjectLabel(label);
}
int gameMap::mapGetObjectLabel(int index) const {
  const gameObject* o = objectAt(index);
  return o ? o->getObjectLabel() : 0;
}
void gameMap::mapSetObjectScore(int score, int index) {
  if (gameObject* o = objectAt(index)) o->setObjectScore(score);
}
int gameMap::mapGetObjectScore(int index) const {
  const gameObject* o = objectAt(index);
  return o ? o->getObjectScore() : 0;
}
void gameMap::mapSetObjectName(const std::string& name, int index) {
  if (gameObject* o = objectAt(index)) o->setObjectName(name);
}
std::string gameMap::mapGetObjectName(int index) const {
  const gameObject* o = objectAt(index);
  return o ? o->getObjectName() : std::string();
}
void gameMap::mapSetObjectLife(bool life, int index) {
  if (gameObject* o = objectAt(index)) o->setObjectLife(life);
}
bool gameMap::mapGetObjectLife(int index) const {
  const gameObject* o = objectAt(index);
  return o && o->getObjectLife();
}
void gameMap::mapSetObjectVisible(bool visible, int index) {
  if (gameObject* o = objectAt(index)) o->setObjectVisible(visible);
}
bool gameMap::mapGetObjectVisible(int index) const {
  const gameObject* o = objectAt(index);
  return o && o->getObjectVisible();
}
void gameMap::mapSetObjectObstructionState(bool solid, int index) {
  if (gameObject* o = objectAt(index)) o->setObstructionState(solid);
}
bool gameMap::mapGetObjectObstructionState(int index) const {
  const gameObject* o = objectAt(index);
  return o && o->getObstructionState();
}
void gameMap::setObstructionSize(float w, float h, int index) {
  if (gameObject* o = objectAt(index)) {
    o->setObstructionSize(w, h);
    collisionBoxChanged(index);
  }
}
void gameMap::getObstructionSize(float& w, float& h, int index) const {
  if (const gameObject* o = objectAt(index)) {
    o->getObstructionSize(w, h);
  } else {
    w = h = 0;
  }
}

bool gameMap::globalAddSentence() {
  if (object.empty()) return false;
  return globalLogic.addSentence();
}

bool gameMap::mapLocalAddSentence(int obj) {
  gameObject* o = objectAt(obj);
  if (!o || !o->localAddSentence()) return false;
  o->localSetOwner(obj, o->localGetSentenceAmount() - 1, kNoObject);
  return true;
}
bool gameMap::mapLocalDeleteSentence(int obj, int k) {
  gameObject* o = objectAt(obj);
  return o && o->localDeleteSentence(k);
}
void gameMap::mapLocalChangeSentence(int obj, int k, int step, int id) {
  if (gameObject* o = objectAt(obj)) o->localChangeSentence(k, step, id);
}
sentence gameMap::mapLocalGetWholeSentence(int obj, int k) const {
  const gameObject* o = objectAt(obj);
  return o ? o->localGetWholeSentence(k) : sentence();
}
int gameMap::mapLocalGetSentenceAmount(int obj) const {
  const gameObject* o = objectAt(obj);
  return o ? o->localGetSentenceAmount() : 0;
}
void gameMap::mapLocalSetExecutionState(int obj, int state, int k) {
  if (gameObject* o = objectAt(obj)) o->localSetExecutionState(state, k);
}
int gameMap::mapLocalGetExecutionState(int obj, int k) const {
  const gameObject* o = objectAt(obj);
  return o ? o->localGetExecutionState(k) : 0;
}
void gameMap::mapLocalSetSentenceTimer(int obj, int time, int k) {
  if (gameObject* o = objectAt(obj)) o->localSetTimer(time, k);
}
int gameMap::mapLocalGetSentenceTimer(int obj, int k) const {
  const gameObject* o = objectAt(obj);
  return o ? o->localGetTimer(k) : 0;
}
bool gameMap::mapLocalAppendSentence(int obj, const sentence& s) {
  gameObject* o = objectAt(obj);
  return o && o->localAppendSentence(s);
}
bool gameMap::mapLocalInsertSentence(int obj, const sentence& s, int k) {
  gameObject* o = objectAt(obj);
  return o && o->localInsertSentence(s, k);
}

// ---- gameWorld --------------------------------------------------------------

gameWorld::gameWorld() : phrases(kPhraseCount) {}

gameMap* gameWorld::mapAt(int m) { return m >= 0 && m < getMapCount() ? &map[m] : nullptr; }

const gameMap* gameWorld::mapAt(int m) const {
  return m >= 0 && m < getMapCount() ? &map[m] : nullptr;
}

bool gameWorld::allocateMaps(int n) {
  if (n < 0 || n > kMaxMaps) return false;
  map.resize(n);
  if (currentMap >= n) currentMap = 0;
  return true;
}

long long gameWorld::getTileTotal() const {
  long long total = 0;
  for (const gameMap& each : map) total += each.getTileCount();
  return total;
}

bool gameWorld::worldSetMap(int w, int h, const std::string& name, int m) {
  gameMap* p = mapAt(m);
  if (!p || w < 0 || w > kMaxMapSide || h < 0 || h > kMaxMapSide) return false;
  if (getTileTotal() - p->getTileCount() + static_cast<long long>(w) * h > kMaxWorldTiles) return false;
  p->setMap(w, h, name);
  return true;
}

void gameWorld::worldGetMap(int& w, int& h, std::string& name, int m) const {
  if (const gameMap* p = mapAt(m)) {
    p->getMap(w, h, name);
  } else {
    w = h = 0;
    name.clear();
  }
}

void gameWorld::worldDeleteMap(int m) {
  if (getMapCount() < 2 || !mapAt(m)) return;
  currentMap = 0;
  map.erase(map.begin() + m);
}

bool gameWorld::worldInsertMap(const gameMap& newMap, int m) {
  if (m < 0 || m > getMapCount() || getMapCount() >= kMaxMaps) return false;
  if (getTileTotal() + newMap.getTileCount() > kMaxWorldTiles) return false;
  map.insert(map.begin() + m, newMap);
  return true;
}

bool gameWorld::copyMap(int from, int to) {
  if (!mapAt(from) || !mapAt(to)) return false;
  if (getTileTotal() - map[to].getTileCount() + map[from].getTileCount() > kMaxWorldTiles) return false;
  if (from != to) map[to] = map[from];
  return true;
}

void gameWorld::worldSetTile(int tex, int x, int y, int m) {
  if (gameMap* p = mapAt(m)) p->mapSetTile(tex, x, y);
}

void gameWorld::worldGetTile(int& tex, int x, int y, int m) const {
  if (const gameMap* p = mapAt(m)) {
    p->mapGetTile(tex, x, y);
  } else {
    tex = 0;
  }
}

void gameWorld::worldSetObject(float x, float y, float w, float h, int tex, int layer, int obj,
                               int m) {
  if (gameMap* p = mapAt(m)) p->mapSetObject(x, y, w, h, tex, layer, obj);
}

void gameWorld::worldGetObject(float& x, float& y, float& w, float& h, int& tex, int& layer,
                               int obj, int m) const {
  if (const gameMap* p = mapAt(m)) {
    p->mapGetObject(x, y, w, h, tex, layer, obj);
  } else {
    x = y = w = h = 0;
    tex = layer = 0;
  }
}

void gameWorld::worldCopyObject(int obj, int m, int aimedAt) {
  if (gameMap* p = mapAt(m)) p->mapCopyObject(obj, aimedAt);
}

bool gameWorld::worldDeleteObject(int obj, int m) {
  gameMap* p = mapAt(m);
  return p && p->mapDeleteObject(obj);
}

int gameWorld::worldDeleteObjects(const std::vector<int>& objects, std::vector<sentenceFieldChange>* changes,
                                  int m) {
  gameMap* p = mapAt(m);
  return p ? p->mapDeleteObjects(objects, changes) : 0;
}

void gameWorld::worldRestoreLogicFields(const std::vector<sentenceFieldChange>& changes, int m) {
  if (gameMap* p = mapAt(m)) p->mapRestoreLogicFields(changes);
}

bool gameWorld::worldInsertObject(const gameObject& o, int obj, int m) {
  gameMap* p = mapAt(m);
  return p && p->mapInsertObject(o, obj);
}

bool gameWorld::worldRemoveObject(int obj, int m) {
  gameMap* p = mapAt(m);
  return p && p->mapRemoveObject(obj);
}

int gameWorld::worldGetObjectCount(int m) const {
  const gameMap* p = mapAt(m);
  return p ? p->mapGetObjectCount() : 0;
}

void gameWorld::worldSetMapLayerCount(int count, int m) {
  if (gameMap* p = mapAt(m)) p->setMapLayerCount(count);
}

int gameWorld::worldGetMapLayerCount(int m) const {
  const gameMap* p = mapAt(m);
  return p ? p->getMapLayerCount() : 0;
}

void gameWorld::worldSetFog(bool fogOn, float density, const float color[3], int m) {
  if (gameMap* p = mapAt(m)) p->mapSetFog(fogOn, density, color);
}

void gameWorld::worldGetFog(bool& fogOn, float& density, float& r, float& g, float& b,
                            int m) const {
  if (const gameMap* p = mapAt(m)) {
    p->mapGetFog(fogOn, density, r, g, b);
  } else {
    fogOn = false;
    density = r = g = b = 0;
  }
}

void gameWorld::worldRestoreFog(bool fogOn, float density, const float color[3], int m) {
  if (gameMap* p = mapAt(m)) p->mapRestoreFog(fogOn, density, color);
}

void gameWorld::worldSetTileStretch(bool stretch, int m) {
  if (gameMap* p = mapAt(m)) p->mapSetTileStretch(stretch);
}

bool gameWorld::worldGetTileStretch(int m) const {
  const gameMap* p = mapAt(m);
  return p && p->mapGetTileStretch();
}

void gameWorld::worldSetObjectLabel(int label, int obj, int m) {
  if (gameMap* p = mapAt(m)) p->mapSetObjectLabel(label, obj);
}
int gameWorld::worldGetObjectLabel(int obj, int m) const {
  const gameMap* p = mapAt(m);
  return p ? p->mapGetObjectLabel(obj) : 0;
}
void gameWorld::worldSetObjectScore(int score, int obj, int m) {
  if (gameMap* p = mapAt(m)) p->mapSetObjectScore(score, obj);
}
int gameWorld::worldGetObjectScore(int obj, int m) const {
  const gameMap* p = mapAt(m);
  return p ? p->mapGetObjectScore(obj) : 0;
}
void gameWorld::worldSetObjectName(const std::string& name, int obj, int m) {
  if (gameMap* p = mapAt(m)) p->mapSetObjectName(name, obj);
}
std::string gameWorld::worldGetObjectName(int obj, int m) const {
  const gameMap* p = mapAt(m);
  return p ? p->mapGetObjectName(obj) : std::string();
}
void gameWorld::worldSetObjectLife(bool life, int obj, int m) {
  if (gameMap* p = mapAt(m)) p->mapSetObjectLife(life, obj);
}
bool gameWorld::worldGetObjectLife(int obj, int m) const {
  const gameMap* p = mapAt(m);
  return p && p->mapGetObjectLife(obj);
}
void gameWorld::worldSetObjectVisible(bool visible, int obj, int m) {
  if (gameMap* p = mapAt(m)) p->mapSetObjectVisible(visible, obj);
}
bool gameWorld::worldGetObjectVisible(int obj, int m) const {
  const gameMap* p = mapAt(m);
  return p && p->mapGetObjectVisible(obj);
}
void gameWorld::worldSetObjectObstructionState(bool solid, int obj, int m) {
  if (gameMap* p = mapAt(m)) p->mapSetObjectObstructionState(solid, obj);
}
bool gameWorld::worldGetObjectObstructionState(int obj, int m) const {
  const gameMap* p = mapAt(m);
  return p && p->mapGetObjectObstructionState(obj);
}
void gameWorld::worldSetObstructionSize(float w, float h, int obj, int m) {
  if (gameMap* p = mapAt(m)) p->setObstructionSize(w, h, obj);
}
void gameWorld::worldGetObstructionSize(float& w, float& h, int obj, int m) const {
  if (const gameMap* p = mapAt(m)) {
    p->getObstructionSize(w, h, obj);
  } else {
    w = h = 0;
  }
}

bool gameWorld::mapGlobalAddSentence(int m) {
  gameMap* p = mapAt(m);
  if (!p || !p->globalAddSentence()) return false;
  p->globalSetOwner(m, p->globalGetSentenceAmount() - 1, kNoObject);
  return true;
}
bool gameWorld::mapGlobalDeleteSentence(int m, int k) {
  gameMap* p = mapAt(m);
  return p && p->globalDeleteSentence(k);
}
void gameWorld::mapGlobalChangeSentence(int m, int k, int step, int id) {
  if (gameMap* p = mapAt(m)) p->globalChangeSentence(k, step, id);
}
sentence gameWorld::mapGlobalGetWholeSentence(int m, int k) const {
  const gameMap* p = mapAt(m);
  return p ? p->globalGetWholeSentence(k) : sentence();
}
int gameWorld::mapGlobalGetSentenceAmount(int m) const {
  const gameMap* p = mapAt(m);
  return p ? p->globalGetSentenceAmount() : 0;
}
void gameWorld::mapGlobalSetOwner(int m, int owner, int k, int aimedAt) {
  if (gameMap* p = mapAt(m)) p->globalSetOwner(owner, k, aimedAt);
}
void gameWorld::mapGlobalSetExecutionState(int m, int state, int k) {
  if (gameMap* p = mapAt(m)) p->globalSetExecutionState(state, k);
}
int gameWorld::mapGlobalGetExecutionState(int m, int k) const {
  const gameMap* p = mapAt(m);
  return p ? p->globalGetExecutionState(k) : 0;
}
void gameWorld::mapGlobalSetSentenceTimer(int m, int time, int k) {
  if (gameMap* p = mapAt(m)) p->globalSetSentenceTimer(time, k);
}
int gameWorld::mapGlobalGetSentenceTimer(int m, int k) const {
  const gameMap* p = mapAt(m);
  return p ? p->globalGetSentenceTimer(k) : 0;
}
bool gameWorld::mapGlobalAppendSentence(int m, const sentence& s) {
  gameMap* p = mapAt(m);
  return p && p->globalAppendSentence(s);
}
bool gameWorld::mapGlobalInsertSentence(int m, const sentence& s, int k) {
  gameMap* p = mapAt(m);
  return p && p->globalInsertSentence(s, k);
}

bool gameWorld::mapLocalAddSentence(int obj, int m) {
  gameMap* p = mapAt(m);
  return p && p->mapLocalAddSentence(obj);
}
bool gameWorld::mapLocalDeleteSentence(int obj, int m, int k) {
  gameMap* p = mapAt(m);
  return p && p->mapLocalDeleteSentence(obj, k);
}
void gameWorld::mapLocalChangeSentence(int obj, int m, int k, int step, int id) {
  if (gameMap* p = mapAt(m)) p->mapLocalChangeSentence(obj, k, step, id);
}
sentence gameWorld::mapLocalGetWholeSentence(int obj, int m, int k) const {
  const gameMap* p = mapAt(m);
  return p ? p->mapLocalGetWholeSentence(obj, k) : sentence();
}
int gameWorld::mapLocalGetSentenceAmount(int obj, int m) const {
  const gameMap* p = mapAt(m);
  return p ? p->mapLocalGetSentenceAmount(obj) : 0;
}
void gameWorld::mapLocalSetExecutionState(int obj, int m, int state, int k) {
  if (gameMap* p = mapAt(m)) p->mapLocalSetExecutionState(obj, state, k);
}
int gameWorld::mapLocalGetExecutionState(int obj, int m, int k) const {
  const gameMap* p = mapAt(m);
  return p ? p->mapLocalGetExecutionState(obj, k) : 0;
}
void gameWorld::mapLocalSetSentenceTimer(int obj, int m, int time, int k) {
  if (gameMap* p = mapAt(m)) p->mapLocalSetSentenceTimer(obj, time, k);
}
int gameWorld::mapLocalGetSentenceTimer(int obj, int m, int k) const {
  const gameMap* p = mapAt(m);
  return p ? p->mapLocalGetSentenceTimer(obj, k) : 0;
}
bool gameWorld::mapLocalAppendSentence(int obj, int m, const sentence& s) {
  gameMap* p = mapAt(m);
  return p && p->mapLocalAppendSentence(obj, s);
}
bool gameWorld::mapLocalInsertSentence(int obj, int m, const sentence& s, int k) {
  gameMap* p = mapAt(m);
  return p && p->mapLocalInsertSentence(obj, s, k);
}

void gameWorld::setCurrentMap(int m) {
  if (mapAt(m)) currentMap = m;
}

void gameWorld::setGameBox(int timer, int tex) {
  gameBoxTimer = timer;
  gameBoxTex = tex;
}

void gameWorld::getGameBox(int& timer, int& tex) const {
  timer = gameBoxTimer;
  tex = gameBoxTex;
}

void gameWorld::addGameScore(int n) { gameScore = saturatedSum(gameScore, n); }

void gameWorld::subGameScore(int n) {
  gameScore = saturatedSum(gameScore, -static_cast<long long>(n));
  if (gameScore < 0) gameScore = 0;
}

void gameWorld::setGlobalScore(int id, int value) {
  if (id < 0 || id >= kGlobalScoreCount) return;
  globalScore[id] = value < 0 ? 0 : value;
}

int gameWorld::getGlobalScore(int id) const {
  return id >= 0 && id < kGlobalScoreCount ? globalScore[id] : 0;
}

void gameWorld::resetGlobalScores() { globalScore.fill(0); }

void gameWorld::setPhrase(int i, const std::string& text) {
  if (i >= 0 && i < kPhraseCount) phrases[i] = text;
}

std::string gameWorld::getPhrase(int i) const {
  return i >= 0 && i < kPhraseCount ? phrases[i] : std::string();
}

void gameWorld::clearPhrases() {
  for (std::string& phrase : phrases) phrase.clear();
}

void gameWorld::setDisplayPhrase(int timer, int index) {
  phraseTimer = timer;
  phraseDisplay = index;
}

void gameWorld::getDisplayPhrase(int& timer, int& index) const {
  timer = phraseTimer;
  index = phraseDisplay;
}

void gameWorld::takeMapsAndPhrases(gameWorld& source) {
  map.swap(source.map);
  source.map.clear();
  phrases.swap(source.phrases);
  source.clearPhrases();
  currentMap = 0;
}

void gameWorld::clearMapData() {
  if (!gameLoaded) return;
  if (!checkGameName(gameName)) map.clear();
  currentMap = 0;
  gameLoaded = false;
  gameName = "New Game";
  gameImageCount = 0;
  gameScore = 0;
}

void gameWorld::enterGame() {
  resetGame();
  gameSys.setGameState(kStatePlay);
}

void gameWorld::reenterGame() { gameSys.setGameState(kStatePlay); }

// ---- free functions -----------------------------------------------------------

void resetGame() {
  if (!world.getGameLoaded()) return;
  world = worldBackup;
  gameSys.resetKeyState();
  stopGameSounds();
}

}  // namespace tf
