// The overlap test, movement with blocking by solid objects, and the search
// for touching objects, each with a grid search and a plain scan over the map.
#include "logic/collision.h"

#include <algorithm>
#include <utility>

#include "game/world.h"

namespace tf {
namespace {

CollisionSearch currentSearch = CollisionSearch::Grid;

// What the overlap test needs of an object, read once.
struct body {
  collisionBox box;  // not displaced
  float x, y, w, h;  // centre and collision half-size
  int layer;
  bool visible;
  bool solid;
};

bool readBody(const gameMap& map, int index, body& out) {
  const gameObject* o = map.mapObjectAt(index);
  if (!o) return false;
  float dw, dh;
  int tex;
  o->getObject(out.x, out.y, dw, dh, tex, out.layer);
  o->getObstructionSize(out.w, out.h);
  out.visible = o->getObjectVisible();
  out.solid = o->getObstructionState();
  out.box = boxAround(out.x, out.y, out.w, out.h);
  return true;
}

collisionBox displaced(const body& b, float dx, float dy) { return boxAround(b.x, b.y, b.w, b.h, dx, dy); }

bool within(float v, float low, float high) { return v >= low && v <= high; }

// Some corner of a lies inside b (bounds included): one of a's x values
// within b's width and one of a's y values within b's height.
bool cornerInside(const collisionBox& a, const collisionBox& b) {
  const bool x = within(a.left, b.left, b.right) || within(a.right, b.left, b.right);
  const bool y = within(a.bottom, b.bottom, b.top) || within(a.top, b.bottom, b.top);
  return x && y;
}

bool boxesCollide(const collisionBox& a, const collisionBox& b) {
  return cornerInside(a, b) || cornerInside(b, a);
}

// The smallest box holding a displaced by every probe.
collisionBox probedBox(const body& a, const touchProbe* probes, int count) {
  collisionBox all = displaced(a, probes[0].dx, probes[0].dy);
  for (int k = 1; k < count; ++k) {
    const collisionBox b = displaced(a, probes[k].dx, probes[k].dy);
    all.left = std::min(all.left, b.left);
    all.right = std::max(all.right, b.right);
    all.bottom = std::min(all.bottom, b.bottom);
    all.top = std::max(all.top, b.top);
  }
  return all;
}

// ---- plain scan: every object of the map, through the overlap test ----------

bool scanTouches(int objectNum, const touchProbe* probes, int count) {
  const int m = world.getCurrentMap();
  float x, y, w, h;
  int tex, layer;
  world.worldGetObject(x, y, w, h, tex, layer, objectNum, m);
  for (int j = 0; j < world.worldGetObjectCount(m); ++j) {
    if (j == objectNum) continue;
    int otherLayer;
    world.worldGetObject(x, y, w, h, tex, otherLayer, j, m);
    if (otherLayer != layer) continue;
    for (int k = 0; k < count; ++k) {
      if (checkObjectCollide(objectNum, probes[k].dx, probes[k].dy, j)) return true;
    }
  }
  return false;
}

bool scanSolidBlocks(float x, float y, int objectNum, int mapNum) {
  for (int j = 0; j < world.worldGetObjectCount(mapNum); ++j) {
    if (j == objectNum || !world.worldGetObjectObstructionState(j, mapNum)) continue;
    if (checkObjectCollide(objectNum, x, y, j)) return true;
  }
  return false;
}

// ---- grid search: only the objects near the probed box ----------------------

bool gridTouches(int objectNum, const touchProbe* probes, int count) {
  const gameMap* map = std::as_const(world).mapAt(world.getCurrentMap());
  body a;
  if (!map || count <= 0 || !readBody(*map, objectNum, a) || !a.visible) return false;
  bool found = false;
  map->mapCollisionGrid().forEachNear(probedBox(a, probes, count), [&](int j) {
    body b;
    if (j == objectNum || !readBody(*map, j, b) || !b.visible || b.layer != a.layer) return false;
    for (int k = 0; k < count && !found; ++k) {
      found = boxesCollide(displaced(a, probes[k].dx, probes[k].dy), b.box);
    }
    return found;
  });
  return found;
}

bool gridSolidBlocks(float x, float y, int objectNum, const gameMap& map) {
  body a;
  if (!readBody(map, objectNum, a) || !a.visible) return false;
  const collisionBox moved = displaced(a, x, y);
  bool found = false;
  map.mapCollisionGrid().forEachNear(moved, [&](int j) {
    body b;
    if (j == objectNum || !readBody(map, j, b) || !b.solid || !b.visible) return false;
    found = boxesCollide(moved, b.box);
    return found;
  });
  return found;
}

}  // namespace

bool checkObjectCollide(int object1, float movex, float movey, int object2) {
  const int m = world.getCurrentMap();
  if (!world.worldGetObjectVisible(object1, m) || !world.worldGetObjectVisible(object2, m)) return false;
  float ax, ay, aw, ah, bx, by, bw, bh;
  int tex, layer;
  world.worldGetObject(ax, ay, aw, ah, tex, layer, object1, m);
  world.worldGetObject(bx, by, bw, bh, tex, layer, object2, m);
  world.worldGetObstructionSize(aw, ah, object1, m);
  world.worldGetObstructionSize(bw, bh, object2, m);
  return boxesCollide(boxAround(ax, ay, aw, ah, movex, movey), boxAround(bx, by, bw, bh));
}

void moveObject(float x, float y, int objectNum, int mapNum) {
  if (objectNum < 0 || objectNum >= world.worldGetObjectCount(mapNum)) return;
  float ox, oy, w, h;
  int tex, layer;
  world.worldGetObject(ox, oy, w, h, tex, layer, objectNum, mapNum);
  if (world.worldGetObjectObstructionState(objectNum, mapNum)) {
    // The overlap test reads the current map; the grid of another map would
    // not describe what it reads, so such a move is scanned.
    const bool blocked = currentSearch == CollisionSearch::Grid && mapNum == world.getCurrentMap()
                             ? gridSolidBlocks(x, y, objectNum, *std::as_const(world).mapAt(mapNum))
                             : scanSolidBlocks(x, y, objectNum, mapNum);
    if (blocked) return;
  }
  world.worldSetObject(ox + x, oy + y, w, h, tex, layer, objectNum, mapNum);
}

bool touchesAnotherOnLayer(int objectNum, const touchProbe* probes, int count) {
  return currentSearch == CollisionSearch::Grid ? gridTouches(objectNum, probes, count)
                                                : scanTouches(objectNum, probes, count);
}

void setCollisionSearch(CollisionSearch search) { currentSearch = search; }

CollisionSearch getCollisionSearch() { return currentSearch; }

}  // namespace tf
