// A uniform grid over the collision boxes of one map's objects, so that the
// objects near a box are found without looking at every object of the map.
// The grid only records which cells each object covers; callers test every
// candidate against the object itself, so a candidate too many costs a little
// time and never changes an answer.
#pragma once

#include <cstdint>
#include <vector>

namespace tf {

// The sides of a collision box, bounds included.
struct collisionBox {
  float left, right, bottom, top;
};

// The box of an object centred at (x, y) with collision half-size (w, h),
// displaced by (dx, dy). The overlap test and the grid both compute a box
// this way, so the grid sees the very numbers the test compares.
inline collisionBox boxAround(float x, float y, float w, float h, float dx = 0, float dy = 0) {
  const float cx = x + dx;
  const float cy = y + dy;
  return {cx - w, cx + w, cy - h, cy + h};
}

class collisionGrid {
 public:
  collisionGrid() = default;
  // A copy starts unbuilt: it is built from its own map's objects when first
  // asked. A move takes the index along with the objects it describes.
  collisionGrid(const collisionGrid&) {}
  collisionGrid& operator=(const collisionGrid&);
  collisionGrid(collisionGrid&& other) noexcept;
  collisionGrid& operator=(collisionGrid&& other) noexcept;

  bool built() const { return isBuilt; }
  // Forgets every object; the grid is unbuilt until the next build.
  void clear();
  // Indexes boxes[i] as object i.
  void build(const std::vector<collisionBox>& boxes);
  // Object `index` now spans `box`; ignored while the grid is unbuilt.
  void update(int index, const collisionBox& box);

  // Calls visit(j) once for each object whose box may touch `query` (bounds
  // included); every object whose box does is among them. visit returns true
  // to end the search early. Objects are not visited in index order. An
  // unbuilt grid visits nothing.
  template <typename Visit>
  void forEachNear(const collisionBox& query, Visit visit) const;

 private:
  // The cells an object covers: columns x0..x1, rows y0..y1.
  struct cellRange {
    int x0 = 0, x1 = -1, y0 = 0, y1 = -1;
    enum Kind : std::uint8_t { kCells, kEverywhere, kNowhere } kind = kNowhere;
    bool operator==(const cellRange& o) const {
      return kind == o.kind && (kind != kCells || (x0 == o.x0 && x1 == o.x1 && y0 == o.y0 && y1 == o.y1));
    }
  };

  static cellRange rangeOf(const collisionBox& box);
  std::size_t bucketOf(int cx, int cy) const;
  void insert(int index, const cellRange& range);
  void remove(int index, const cellRange& range);
  // A fresh mark for the objects seen by one search.
  std::uint32_t nextMark() const;

  bool isBuilt = false;
  int objectCount = 0;
  std::vector<cellRange> ranges;             // by object
  std::vector<std::vector<int>> buckets;     // cells hashed onto a power-of-two table
  std::size_t bucketMask = 0;
  std::vector<int> everywhere;               // objects too large (or too far out) for cells
  mutable std::vector<std::uint32_t> seen;   // by object: the mark of the last search that met it
  mutable std::uint32_t mark = 0;
};

template <typename Visit>
void collisionGrid::forEachNear(const collisionBox& query, Visit visit) const {
  const cellRange range = rangeOf(query);
  if (!isBuilt || range.kind == cellRange::kNowhere) return;
  if (range.kind == cellRange::kEverywhere) {
    for (int j = 0; j < objectCount; ++j) {
      if (visit(j)) return;
    }
    return;
  }
  const std::uint32_t searchMark = nextMark();
  for (int j : everywhere) {
    seen[j] = searchMark;
    if (visit(j)) return;
  }
  for (int cx = range.x0; cx <= range.x1; ++cx) {
    for (int cy = range.y0; cy <= range.y1; ++cy) {
      for (int j : buckets[bucketOf(cx, cy)]) {
        if (seen[j] == searchMark) continue;
        seen[j] = searchMark;
        if (visit(j)) return;
      }
    }
  }
}

}  // namespace tf
