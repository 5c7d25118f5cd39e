// The editors' changes to objects: their fields, moves (one change for a
// whole drag), adding, copying and deleting them with the renumbering of the
// map's logic.
#include <algorithm>

#include "editor/edit_changes.h"
#include "editor/edits.h"
#include "game/world.h"

namespace tf {

auto tieFields(const objectFields& f) {
  return std::tie(f.x, f.y, f.w, f.h, f.image, f.layer, f.solid, f.solidW, f.solidH, f.name, f.label);
}

namespace {

struct objectKey {
  int m, i;
};

bool objectExists(int m, int i) { return i >= 0 && i < world.worldGetObjectCount(m); }

bool acceptable(const objectFields& f) {
  return allFinite({f.x, f.y, f.w, f.h, f.solidW, f.solidH}) && f.image >= 0 && f.solidW > 0 && f.solidH > 0 &&
         !f.name.empty();
}

objectFields readFields(const objectKey& key) {
  objectFields f;
  getObjectFields(key.m, key.i, f);
  return f;
}

// Object i of the map the fields, through the model's setters (and limits);
// i equal to the object count makes a new object.
void writeFields(const objectKey& key, const objectFields& f) {
  world.worldSetObject(f.x, f.y, f.w, f.h, f.image, f.layer, key.i, key.m);
  world.worldSetObjectObstructionState(f.solid, key.i, key.m);
  world.worldSetObstructionSize(f.solidW, f.solidH, key.i, key.m);
  world.worldSetObjectName(f.name, key.i, key.m);
  world.worldSetObjectLabel(f.label, key.i, key.m);
}

constexpr valueAccess<objectKey, objectFields> kFieldsAccess{readFields, writeFields};

void insertObject(const objectKey& key, const gameObject& o) { world.worldInsertObject(o, key.i, key.m); }
void removeObject(const objectKey& key) { world.worldRemoveObject(key.i, key.m); }
constexpr presenceAccess<objectKey, gameObject> kObjectPresence{insertObject, removeObject};

int addedObject(int m, int i) {
  recordPresence(objectKey{m, i}, *readMap(m)->mapObjectAt(i), true, kObjectPresence, placeOf(kViewMap, m));
  return i;
}

// ---- moves ---------------------------------------------------------------------------

struct objectPosition {
  int object;
  float x, y;
};

void moveTo(int m, const std::vector<objectPosition>& positions) {
  for (const objectPosition& p : positions) {
    float x, y, w, h;
    int tex, layer;
    world.worldGetObject(x, y, w, h, tex, layer, p.object, m);
    world.worldSetObject(p.x, p.y, w, h, tex, layer, p.object, m);
  }
}

class objectMove final : public editChange {
 public:
  objectMove(int m, std::vector<objectPosition> before, std::vector<objectPosition> after)
      : m(m), before(std::move(before)), after(std::move(after)) {}
  void undo() override { moveTo(m, before); }
  void redo() override { moveTo(m, after); }
  std::size_t bytes() const override {
    return sizeof(*this) + (before.capacity() + after.capacity()) * sizeof(objectPosition);
  }
  // The next move of the same objects ends where this one now ends.
  bool absorb(const editChange& next) override {
    const auto* move = dynamic_cast<const objectMove*>(&next);
    if (!move || move->m != m || move->after.size() != after.size()) return false;
    for (std::size_t k = 0; k < after.size(); ++k) {
      if (move->after[k].object != after[k].object) return false;
    }
    after = move->after;
    return true;
  }

 private:
  int m;
  std::vector<objectPosition> before, after;
};

// ---- deletion --------------------------------------------------------------------------

class objectDeletion final : public editChange {
 public:
  objectDeletion(int m, std::vector<int> deleted, std::vector<gameObject> removed,
                 std::vector<sentenceFieldChange> fields)
      : m(m), deleted(std::move(deleted)), removed(std::move(removed)), fields(std::move(fields)) {}
  // The renumbered fields first, on the map as the deletion left it; then each
  // object back at its place, the lowest first.
  void undo() override {
    world.worldRestoreLogicFields(fields, m);
    for (std::size_t k = 0; k < deleted.size(); ++k) world.worldInsertObject(removed[k], deleted[k], m);
  }
  void redo() override { world.worldDeleteObjects(deleted, nullptr, m); }
  std::size_t bytes() const override {
    return sizeof(*this) + deleted.capacity() * sizeof(int) + extraBytes(removed) +
           fields.capacity() * sizeof(sentenceFieldChange);
  }

 private:
  int m;
  std::vector<int> deleted;  // ascending
  std::vector<gameObject> removed;
  std::vector<sentenceFieldChange> fields;
};

}  // namespace

bool getObjectFields(int m, int i, objectFields& out) {
  if (!objectExists(m, i)) return false;
  world.worldGetObject(out.x, out.y, out.w, out.h, out.image, out.layer, i, m);
  out.solid = world.worldGetObjectObstructionState(i, m);
  world.worldGetObstructionSize(out.solidW, out.solidH, i, m);
  out.name = world.worldGetObjectName(i, m);
  out.label = world.worldGetObjectLabel(i, m);
  return true;
}

bool editSetObject(int m, int i, const objectFields& fields) {
  return objectExists(m, i) && acceptable(fields) &&
         recordValueWrite(objectKey{m, i}, kFieldsAccess, fields, placeOf(kViewMap, m));
}

bool editMoveObjects(int m, const std::vector<int>& objects, float dx, float dy) {
  if (!allFinite({dx, dy})) return false;
  std::vector<objectPosition> before, after;
  bool moves = false;
  for (int i : objects) {
    const bool listed = std::any_of(before.begin(), before.end(), [i](const objectPosition& p) { return p.object == i; });
    if (!objectExists(m, i) || listed) continue;
    objectFields f;
    getObjectFields(m, i, f);
    before.push_back({i, f.x, f.y});
    after.push_back({i, f.x + dx, f.y + dy});
    moves = moves || !same(f.x, after.back().x) || !same(f.y, after.back().y);
  }
  if (!moves) return false;
  moveTo(m, after);
  editHistoryLog.record(std::make_unique<objectMove>(m, std::move(before), std::move(after)), placeOf(kViewMap, m));
  return true;
}

int editAddObject(int m, const objectFields& fields) {
  const int i = world.worldGetObjectCount(m);
  if (!readMap(m) || !acceptable(fields) || i >= kMaxObjects) return -1;
  writeFields(objectKey{m, i}, fields);
  return addedObject(m, i);
}

int editCopyObject(int m, int i) {
  if (!objectExists(m, i)) return -1;
  const int copy = world.worldGetObjectCount(m);
  // The object copied is the editor's selection at the time: actions its
  // logic aims at itself are aimed at the copy.
  world.worldCopyObject(i, m, i);
  return world.worldGetObjectCount(m) == copy + 1 ? addedObject(m, copy) : -1;
}

bool editDeleteObjects(int m, const std::vector<int>& objects) {
  std::vector<int> present;
  for (int i : objects) {
    if (objectExists(m, i)) present.push_back(i);
  }
  std::vector<int> deleted = objectRenumbering(std::move(present)).deletedObjects();
  if (deleted.empty()) return false;
  std::vector<gameObject> removed;
  removed.reserve(deleted.size());
  for (int i : deleted) removed.push_back(*readMap(m)->mapObjectAt(i));
  std::vector<sentenceFieldChange> fields;
  world.worldDeleteObjects(deleted, &fields, m);
  fields.shrink_to_fit();
  editHistoryLog.record(
      std::make_unique<objectDeletion>(m, std::move(deleted), std::move(removed), std::move(fields)),
      placeOf(kViewMap, m));
  return true;
}

}  // namespace tf
