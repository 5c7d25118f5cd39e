// The editors' changes: every change an editor makes to the world, the logic,
// the phrases, the image animations or the menus goes through one of these
// operations, which makes it through the model and records it in the history
// of edits (editor/edit_history.h) so that it can be undone and redone.
//
// Each operation checks its arguments as the model does and returns whether
// something changed; a refused or empty change records nothing. Maps, objects,
// menus and elements are named by their indexes; numbers must be finite.
// Bracket the calls of one user action with editHistoryLog.beginStep() and
// endStep() to make them one step (a drag, deleting a selection).
#pragma once

#include <string>
#include <vector>

#include "editor/edit_history.h"
#include "editor/image_registry.h"
#include "game/sentence.h"

namespace tf {

// ---- tiles ----------------------------------------------------------------------
// Paints the tiles from corner (x0, y0) to corner (x1, y1), inclusive, in either
// order; both corners must lie on map m and the image must not be negative.
bool editPaintTiles(int m, int x0, int y0, int x1, int y1, int image);
bool editSetTileStretch(int m, bool on);

// ---- objects --------------------------------------------------------------------
// What the world editor can change of an object.
struct objectFields {
  float x = 0, y = 0;
  float w = 0.1f, h = 0.1f;  // half width and height; the model keeps them within 0.01 to 0.7
  int image = 0;             // not negative
  int layer = 0;
  bool solid = true;
  float solidW = 0.1f, solidH = 0.1f;  // each above 0; the model keeps them at most 0.7
  std::string name = "Object";         // not empty
  int label = -1;
};
// Object i of map m; false (and `out` untouched) when there is none.
bool getObjectFields(int m, int i, objectFields& out);
bool editSetObject(int m, int i, const objectFields& fields);
// Moves each listed object by (dx, dy); entries naming no object and repeats
// are ignored. Within one step the moves of the same list are kept as one.
bool editMoveObjects(int m, const std::vector<int>& objects, float dx, float dy);
// The new object's index, or -1 when refused (1024 objects, bad fields).
int editAddObject(int m, const objectFields& fields);
// The copy's index (the copy of object i, moved by 0.1), or -1 when refused.
int editCopyObject(int m, int i);
// Deletes exactly the listed objects, in any order (entries naming no object
// and repeats are ignored); the logic of the map is renumbered to match.
bool editDeleteObjects(int m, const std::vector<int>& objects);
// Replaces the local logic of object i by the eight slots of each of
// `sentences` (at most 15), owned by i, as a macro does.
bool editReplaceLocalLogic(int m, int i, const std::vector<sentence>& sentences);

// ---- maps -----------------------------------------------------------------------
// The new map's index (the last), or -1 when refused (sizes outside 0 to 700,
// too many maps or tiles, an empty name).
int editAddMap(int w, int h, const std::string& name);
// The index of the copy of map `from` (the last), or -1 when refused.
int editCopyMap(int from);
// Tiles keep their place; undoing a shrink brings back the tiles it dropped.
bool editResizeMap(int m, int w, int h);
bool editRenameMap(int m, const std::string& name);
// Never the last map; undoing puts it back at m with everything on it.
bool editDeleteMap(int m);
// Density and colour parts are taken only within 0.1 to 1.0, as the model does.
bool editSetFog(int m, bool on, float density, float r, float g, float b);

// ---- logic ----------------------------------------------------------------------
// A logic list: the global logic of a map, or the local logic of an object on it.
struct logicList {
  int map = 0;
  int object = kGlobalLogicList;
};
inline logicList globalLogicOf(int m) { return {m, kGlobalLogicList}; }
inline logicList localLogicOf(int m, int object) { return {m, object}; }

// Appends a new sentence owned by `owner`; a global list takes none while its
// map has no objects, no list more than 15.
bool editAddSentence(const logicList& list, int owner);
bool editDeleteSentence(const logicList& list, int k);
// Appends a new sentence with the eight slots of sentence k, owned by the
// list's map (global) or object (local).
bool editCopySentence(const logicList& list, int k);
bool editSetSentenceSlot(const logicList& list, int k, int slot, int value);
// Several slots of sentence k in one change (a new word and its reset operand).
struct slotValue {
  int slot;  // 0 to 7
  int value;
};
bool editSetSentenceSlots(const logicList& list, int k, const std::vector<slotValue>& values);

// ---- phrases ----------------------------------------------------------------------
bool editSetPhrase(int i, const std::string& text);

// ---- image animations ---------------------------------------------------------------
// Frames 0 to 9 (the last frame shown), speed 100 to 1000 ms; the image must
// be one of the registry's counted images.
bool editSetAnimation(ImageRegistry registry, int image, int frames, int speed, bool on);

// ---- menus (gameUI) -------------------------------------------------------------------
// Sizes and images must not be negative. The button's functions, the
// textbox's text and linked button, and the text line's colour are kept.
bool editModifyButton(int menu, int i, float x, float y, float w, float h, int image);
bool editModifyTextbox(int menu, int i, float x, float y, float w, float h);
bool editModifyText(int menu, int i, float x, float y, const std::string& text);
// The new line's index, or -1 past the 99 lines a menu file holds.
int editAddText(int menu, float x, float y, float r, float g, float b, const std::string& text);
bool editDeleteText(int menu, int i);
bool editSetMenuBackground(int menu, int image);

// ---- undo and redo ----------------------------------------------------------------
// editHistoryLog.undo() / redo() with the place made to name what exists now:
// a map that is gone becomes the last map, an object that is gone its map.
editPlace editUndo();
editPlace editRedo();

}  // namespace tf
