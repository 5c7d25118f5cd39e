// After an undo or redo: the editor shows where the change was made (the map,
// the logic list, the phrase, the image or the menu), and the selection never
// names a map, object, sentence or menu item that is gone.
#pragma once

#include "editor/edit_history.h"

namespace tf {

// Brings the editor screen that shows `place` forward: the world editor's
// editing screen on its map (the logic editor of its list, the phrase editor
// on its phrase, the animation panel on its image), or the menu editor on its
// menu. A place of kViewNone changes nothing.
void showEditPlace(const editPlace& place);

// Drops from the selection of both editors whatever no longer exists: listed
// objects, the current object, a tile range beyond the map, the sentence an
// open word list steps, a menu item. A mode that needs what went falls back
// to nothing selected.
void keepSelectionValid();

}  // namespace tf
