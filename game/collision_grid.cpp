// The collision grid: cells of a fixed size hashed onto a table of buckets,
// kept up to date object by object as objects move.
#include "game/collision_grid.h"

#include <algorithm>
#include <cmath>

namespace tf {
namespace {

// Side of a cell in world units: an object of the largest collision size
// (half-size 0.7) covers at most four cells on each axis.
constexpr double kCellSize = 0.5;
// Boxes are widened by this much before their cells are taken, although the
// grid and the overlap test compute them from the same numbers.
constexpr double kMargin = 1e-3;
// Cell coordinates are held within this range, so that far-out (or infinite)
// positions still map to cells in order.
constexpr double kCellLimit = 1 << 28;
// An object covering more cells than this is checked by every search instead.
constexpr long long kMaxCellsPerObject = 64;
constexpr std::size_t kMinBuckets = 64;
// Buckets per object, rounded up to a power of two.
constexpr std::size_t kBucketsPerObject = 8;

int cellOf(double v) {
  return static_cast<int>(std::clamp(std::floor(v / kCellSize), -kCellLimit, kCellLimit));
}

}  // namespace

collisionGrid& collisionGrid::operator=(const collisionGrid& other) {
  if (this != &other) clear();
  return *this;
}

collisionGrid::collisionGrid(collisionGrid&& other) noexcept { *this = std::move(other); }

collisionGrid& collisionGrid::operator=(collisionGrid&& other) noexcept {
  if (this == &other) return *this;
  isBuilt = other.isBuilt;
  objectCount = other.objectCount;
  ranges = std::move(other.ranges);
  buckets = std::move(other.buckets);
  bucketMask = other.bucketMask;
  everywhere = std::move(other.everywhere);
  seen = std::move(other.seen);
  mark = other.mark;
  other.clear();
  return *this;
}

void collisionGrid::clear() {
  isBuilt = false;
  objectCount = 0;
  ranges.clear();
  buckets.clear();
  bucketMask = 0;
  everywhere.clear();
  seen.clear();
  mark = 0;
}

collisionGrid::cellRange collisionGrid::rangeOf(const collisionBox& box) {
  cellRange range;
  // A box with an unordered side (NaN, say) overlaps nothing.
  if (!(box.left <= box.right) || !(box.bottom <= box.top)) return range;
  range.x0 = cellOf(box.left - kMargin);
  range.x1 = cellOf(box.right + kMargin);
  range.y0 = cellOf(box.bottom - kMargin);
  range.y1 = cellOf(box.top + kMargin);
  const long long cells = (static_cast<long long>(range.x1) - range.x0 + 1) *
                          (static_cast<long long>(range.y1) - range.y0 + 1);
  range.kind = cells > kMaxCellsPerObject ? cellRange::kEverywhere : cellRange::kCells;
  return range;
}

std::size_t collisionGrid::bucketOf(int cx, int cy) const {
  std::uint32_t h = static_cast<std::uint32_t>(cx) * 0x9E3779B1u;
  h ^= static_cast<std::uint32_t>(cy) * 0x85EBCA77u;
  h ^= h >> 15;
  return h & bucketMask;
}

void collisionGrid::insert(int index, const cellRange& range) {
  if (range.kind == cellRange::kEverywhere) {
    everywhere.push_back(index);
    return;
  }
  if (range.kind != cellRange::kCells) return;
  for (int cx = range.x0; cx <= range.x1; ++cx) {
    for (int cy = range.y0; cy <= range.y1; ++cy) buckets[bucketOf(cx, cy)].push_back(index);
  }
}

void collisionGrid::remove(int index, const cellRange& range) {
  auto dropOne = [index](std::vector<int>& list) {
    auto it = std::find(list.begin(), list.end(), index);
    if (it == list.end()) return;
    *it = list.back();
    list.pop_back();
  };
  if (range.kind == cellRange::kEverywhere) {
    dropOne(everywhere);
    return;
  }
  if (range.kind != cellRange::kCells) return;
  for (int cx = range.x0; cx <= range.x1; ++cx) {
    for (int cy = range.y0; cy <= range.y1; ++cy) dropOne(buckets[bucketOf(cx, cy)]);
  }
}

void collisionGrid::build(const std::vector<collisionBox>& boxes) {
  clear();
  objectCount = static_cast<int>(boxes.size());
  std::size_t bucketCount = kMinBuckets;
  while (bucketCount < boxes.size() * kBucketsPerObject) bucketCount *= 2;
  buckets.assign(bucketCount, {});
  bucketMask = bucketCount - 1;
  ranges.resize(boxes.size());
  seen.assign(boxes.size(), 0);
  for (int i = 0; i < objectCount; ++i) {
    ranges[i] = rangeOf(boxes[i]);
    insert(i, ranges[i]);
  }
  isBuilt = true;
}

void collisionGrid::update(int index, const collisionBox& box) {
  if (!isBuilt || index < 0 || index >= objectCount) return;
  const cellRange range = rangeOf(box);
  if (range == ranges[index]) return;
  remove(index, ranges[index]);
  ranges[index] = range;
  insert(index, range);
}

std::uint32_t collisionGrid::nextMark() const {
  if (++mark == 0) {
    // The marks went round: forget every old one.
    std::fill(seen.begin(), seen.end(), 0);
    mark = 1;
  }
  return mark;
}

}  // namespace tf
