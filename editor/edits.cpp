// The editors' changes to tiles and maps (painting, tile stretch, creating,
// copying, resizing, renaming and deleting maps, fog), and undo and redo with
// a place that names what exists.
#include "editor/edits.h"

#include <algorithm>

#include "editor/edit_changes.h"
#include "game/world.h"

namespace tf {
namespace {

// ---- tiles kept in a fixed order ------------------------------------------------

// Tile images kept one by one, or packed as runs of one image where that
// takes less room (a map painted in few images). Only what is kept is
// allocated: the images are gone through once to measure, once to keep.
class tileRuns {
 public:
  // `visit(keep)` calls keep(image) for every tile, in the same order each time.
  template <typename Visit>
  explicit tileRuns(Visit visit) {
    std::size_t count = 0, changes = 0;
    int last = 0;
    visit([&](int tex) {
      changes += count == 0 || tex != last;
      last = tex;
      ++count;
    });
    packed = changes * sizeof(run) < count * sizeof(int);
    if (packed) {
      runs.reserve(changes);
    } else {
      plain.reserve(count);
    }
    visit([&](int tex) { push(tex); });
  }
  bool allAre(int tex) const {
    return packed ? std::all_of(runs.begin(), runs.end(), [tex](const run& r) { return r.tex == tex; })
                  : std::all_of(plain.begin(), plain.end(), [tex](int each) { return each == tex; });
  }
  std::size_t bytes() const { return runs.capacity() * sizeof(run) + plain.capacity() * sizeof(int); }

  // Reads the tiles back in the order they were pushed.
  class cursor {
   public:
    explicit cursor(const tileRuns& tiles) : tiles(tiles) {}
    int next() {
      if (!tiles.packed) return tiles.plain[read++];
      if (used == tiles.runs[read].count) {
        ++read;
        used = 0;
      }
      ++used;
      return tiles.runs[read].tex;
    }

   private:
    const tileRuns& tiles;
    std::size_t read = 0;
    int used = 0;
  };

 private:
  struct run {
    int tex;
    int count;
  };
  void push(int tex) {
    if (!packed) {
      plain.push_back(tex);
    } else if (!runs.empty() && runs.back().tex == tex) {
      ++runs.back().count;
    } else {
      runs.push_back({tex, 1});
    }
  }

  bool packed = false;
  std::vector<int> plain;
  std::vector<run> runs;
};

// A tile range of one map, corners inclusive, x0 <= x1 and y0 <= y1.
struct tileRect {
  int m, x0, y0, x1, y1;
};

template <typename Visit>
void forEachTile(const tileRect& r, Visit visit) {
  for (int x = r.x0; x <= r.x1; ++x) {
    for (int y = r.y0; y <= r.y1; ++y) visit(x, y);
  }
}

// The tiles of a w x h grid that a new size of keptW x keptH leaves out.
template <typename Visit>
void forEachDroppedTile(int w, int h, int keptW, int keptH, Visit visit) {
  for (int x = 0; x < w; ++x) {
    for (int y = x < keptW ? keptH : 0; y < h; ++y) visit(x, y);
  }
}

bool mapSize(int m, int& w, int& h) {
  if (!readMap(m)) return false;
  std::string name;
  world.worldGetMap(w, h, name, m);
  return true;
}

bool tileOnMap(int m, int x, int y) {
  int w = 0, h = 0;
  return mapSize(m, w, h) && x >= 0 && x < w && y >= 0 && y < h;
}

int tileAt(int m, int x, int y) {
  int tex = 0;
  world.worldGetTile(tex, x, y, m);
  return tex;
}

void paint(const tileRect& r, int image) {
  forEachTile(r, [&](int x, int y) { world.worldSetTile(image, x, y, r.m); });
}

class tilePaint final : public editChange {
 public:
  tilePaint(const tileRect& rect, int image, tileRuns old) : rect(rect), image(image), old(std::move(old)) {}
  void undo() override {
    tileRuns::cursor tiles(old);
    forEachTile(rect, [&](int x, int y) { world.worldSetTile(tiles.next(), x, y, rect.m); });
  }
  void redo() override { paint(rect, image); }
  std::size_t bytes() const override { return sizeof(*this) + old.bytes(); }

 private:
  tileRect rect;
  int image;
  tileRuns old;
};

// ---- maps ---------------------------------------------------------------------------

void resize(int m, int w, int h) {
  int oldW = 0, oldH = 0;
  std::string name;
  world.worldGetMap(oldW, oldH, name, m);
  world.worldSetMap(w, h, name, m);
}

class mapResize final : public editChange {
 public:
  mapResize(int m, int oldW, int oldH, int newW, int newH, tileRuns dropped)
      : m(m), oldW(oldW), oldH(oldH), newW(newW), newH(newH), dropped(std::move(dropped)) {}
  void undo() override {
    resize(m, oldW, oldH);
    tileRuns::cursor tiles(dropped);
    forEachDroppedTile(oldW, oldH, newW, newH, [&](int x, int y) { world.worldSetTile(tiles.next(), x, y, m); });
  }
  void redo() override { resize(m, newW, newH); }
  std::size_t bytes() const override { return sizeof(*this) + dropped.bytes(); }

 private:
  int m, oldW, oldH, newW, newH;
  tileRuns dropped;
};

void insertMap(const int& m, const gameMap& map) { world.worldInsertMap(map, m); }

// The last map goes even when it is the only one (undoing the first map made).
void removeMap(const int& m) {
  if (m == world.getMapCount() - 1) {
    world.allocateMaps(m);
  } else {
    world.worldDeleteMap(m);
  }
}

constexpr presenceAccess<int, gameMap> kMapPresence{insertMap, removeMap};

int addedMap(int m) {
  recordPresence(m, *readMap(m), true, kMapPresence, placeOf(kViewMap, m));
  return m;
}

bool readStretch(const int& m) { return world.worldGetTileStretch(m); }
void writeStretch(const int& m, const bool& on) { world.worldSetTileStretch(on, m); }
constexpr valueAccess<int, bool> kStretchAccess{readStretch, writeStretch};

std::string readMapName(const int& m) {
  int w = 0, h = 0;
  std::string name;
  world.worldGetMap(w, h, name, m);
  return name;
}
void writeMapName(const int& m, const std::string& name) {
  int w = 0, h = 0;
  std::string old;
  world.worldGetMap(w, h, old, m);
  world.worldSetMap(w, h, name, m);
}
constexpr valueAccess<int, std::string> kMapNameAccess{readMapName, writeMapName};

struct fogRecord {
  bool on;
  float density, r, g, b;
};
auto tieFields(const fogRecord& f) { return std::tie(f.on, f.density, f.r, f.g, f.b); }

fogRecord readFog(const int& m) {
  fogRecord f{};
  world.worldGetFog(f.on, f.density, f.r, f.g, f.b, m);
  return f;
}
void writeFog(const int& m, const fogRecord& f) {
  const float color[3] = {f.r, f.g, f.b};
  world.worldRestoreFog(f.on, f.density, color, m);
}
constexpr valueAccess<int, fogRecord> kFogAccess{readFog, writeFog};

// The place made to name what exists now.
editPlace existingPlace(editPlace place) {
  const bool onMap = place.view == kViewMap || place.view == kViewGlobalLogic || place.view == kViewLocalLogic;
  if (!onMap) return place;
  if (place.index >= world.getMapCount()) {
    place.index = world.getMapCount() - 1;
    place.view = kViewMap;
  }
  if (place.view == kViewLocalLogic && place.object >= world.worldGetObjectCount(place.index)) {
    place.view = kViewMap;
  }
  if (place.view != kViewLocalLogic) place.object = -1;
  return place;
}

}  // namespace

bool editPaintTiles(int m, int x0, int y0, int x1, int y1, int image) {
  if (image < 0 || !tileOnMap(m, x0, y0) || !tileOnMap(m, x1, y1)) return false;
  const tileRect rect{m, std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
  tileRuns old([&](auto keep) { forEachTile(rect, [&](int x, int y) { keep(tileAt(m, x, y)); }); });
  if (old.allAre(image)) return false;
  paint(rect, image);
  editHistoryLog.record(std::make_unique<tilePaint>(rect, image, std::move(old)), placeOf(kViewMap, m));
  return true;
}

bool editSetTileStretch(int m, bool on) {
  return readMap(m) && recordValueWrite(m, kStretchAccess, on, placeOf(kViewMap, m));
}

int editAddMap(int w, int h, const std::string& name) {
  const int m = world.getMapCount();
  if (name.empty() || !world.allocateMaps(m + 1)) return -1;
  if (!world.worldSetMap(w, h, name, m)) {
    world.allocateMaps(m);
    return -1;
  }
  return addedMap(m);
}

int editCopyMap(int from) {
  const int m = world.getMapCount();
  if (!readMap(from) || !world.allocateMaps(m + 1)) return -1;
  if (!world.copyMap(from, m)) {
    world.allocateMaps(m);
    return -1;
  }
  return addedMap(m);
}

bool editResizeMap(int m, int w, int h) {
  int oldW = 0, oldH = 0;
  const bool sizeTaken = w >= 0 && w <= kMaxMapSide && h >= 0 && h <= kMaxMapSide;
  if (!sizeTaken || !mapSize(m, oldW, oldH) || (w == oldW && h == oldH)) return false;
  tileRuns dropped([&](auto keep) { forEachDroppedTile(oldW, oldH, w, h, [&](int x, int y) { keep(tileAt(m, x, y)); }); });
  if (!world.worldSetMap(w, h, readMapName(m), m)) return false;
  editHistoryLog.record(std::make_unique<mapResize>(m, oldW, oldH, w, h, std::move(dropped)), placeOf(kViewMap, m));
  return true;
}

bool editRenameMap(int m, const std::string& name) {
  return readMap(m) && !name.empty() && recordValueWrite(m, kMapNameAccess, name, placeOf(kViewMap, m));
}

bool editDeleteMap(int m) {
  const gameMap* map = readMap(m);
  if (!map || world.getMapCount() < 2) return false;
  gameMap kept = *map;
  world.worldDeleteMap(m);
  recordPresence(m, std::move(kept), false, kMapPresence, placeOf(kViewMap, m));
  return true;
}

bool editSetFog(int m, bool on, float density, float r, float g, float b) {
  if (!readMap(m) || !allFinite({density, r, g, b})) return false;
  const float color[3] = {r, g, b};
  return recordValueChange(m, kFogAccess, [&] { world.worldSetFog(on, density, color, m); }, placeOf(kViewMap, m));
}

editPlace editUndo() { return existingPlace(editHistoryLog.undo()); }

editPlace editRedo() { return existingPlace(editHistoryLog.redo()); }

}  // namespace tf
