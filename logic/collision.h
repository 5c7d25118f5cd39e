// Objects as boxes: the one overlap test of the game runtime, moving an
// object unless a solid object blocks it, and the searches for other objects
// that the touch conditions make. Searches go through the map's collision grid
// or, for reference, over every object of the map; both give the same answers.
#pragma once

namespace tf {

// One movement step of the logic, in world units.
constexpr float kMoveStep = 0.0175f;

// True when object1 of the current map, displaced by (movex, movey), overlaps
// object2. Only collision half-sizes count; bounds are included; an invisible
// object (or a missing one) overlaps nothing. Nothing is moved.
bool checkObjectCollide(int object1, float movex, float movey, int object2);

// Moves object objectNum of map mapNum by (x, y), unless it is solid and the
// displaced object would overlap another solid object; a blocked move is
// refused whole. A missing object or map changes nothing.
void moveObject(float x, float y, int objectNum, int mapNum);

// A displacement at which an object is tested against others.
struct touchProbe {
  float dx, dy;
};

// True when some object other than objectNum on the current map, on the same
// layer as objectNum, overlaps objectNum displaced by one of the `count`
// probes.
bool touchesAnotherOnLayer(int objectNum, const touchProbe* probes, int count);

// How other objects are found: through the collision grid, or by looking at
// every object of the map in index order.
enum class CollisionSearch { Grid, Scan };
void setCollisionSearch(CollisionSearch search);
CollisionSearch getCollisionSearch();

}  // namespace tf
