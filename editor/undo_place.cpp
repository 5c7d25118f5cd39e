// Showing the place of an undone or redone change, and trimming the selection
// to what exists after it.
#include "editor/undo_place.h"

#include <algorithm>
#include <vector>

#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

bool worldHasMaps() { return world.getGameLoaded() && world.getMapCount() > 0; }

// The world editor's editing screen, from the menu editor or the editor's
// main menu; the mode stays unless the menu editor's own mode was set.
void showWorldEditor() {
  if (gameSys.getGameState() == kStateMenuEditor) {
    gameSys.setGameState(kStateWorldEditor);
    gameSys.setInputState(kInputNormal);
    worldEditor.setEditorMode(kModeNothing);
  }
  if (gameUI.getCurrentMenu() != gameUI.getEditorMenu()) loadMenu(gameUI.getEditorMenu());
}

void showMap(int m) {
  showWorldEditor();
  if (m != world.getCurrentMap()) changeMap(m);
}

void showLogic(const editPlace& place) {
  showMap(place.index);
  if (place.view == kViewGlobalLogic) {
    worldEditor.setEditorMode(kModeGlobalLogic);
    return;
  }
  worldEditor.resetObjectList();
  worldEditor.setCurrentObject(place.object);
  worldEditor.setEditorMode(kModeLocalLogic);
}

// The menu editor on `menu` (-1: the menu shown, or the first menu when
// coming from the world editor, whose screens are not edited there).
void showMenuEditor(int menu, int mode) {
  if (gameSys.getGameState() != kStateMenuEditor) {
    gameSys.setGameState(kStateMenuEditor);
    gameSys.setInputState(kInputNormal);
    worldEditor.setEditorMode(kMenuModeMenu);
    if (menu < 0) menu = 0;
  }
  if (menu >= 0 && menu != gameUI.getCurrentMenu() && menu < gameUI.getMenuCount()) {
    loadMenu(menu);
    worldEditor.setEditorMode(kMenuModeMenu);
  }
  if (mode != kMenuModeMenu) worldEditor.setEditorMode(mode);
}

// ---- the world editor's selection ------------------------------------------------------

void keepObjectsValid(int objects) {
  std::vector<int> kept;
  for (int slot = 0; slot < worldEditor.getObjectListAmount(); ++slot) {
    const int i = worldEditor.getObjectList(slot);
    if (i < objects && std::find(kept.begin(), kept.end(), i) == kept.end()) kept.push_back(i);
  }
  if (static_cast<int>(kept.size()) != worldEditor.getObjectListAmount()) {
    worldEditor.resetObjectList();
    // A list of one is a single selection.
    if (kept.size() == 1) worldEditor.setCurrentObject(kept.front());
    if (kept.size() > 1) {
      for (std::size_t slot = 0; slot < kept.size(); ++slot) worldEditor.setObjectList(slot, kept[slot]);
      worldEditor.setObjectListAmount(static_cast<int>(kept.size()));
      worldEditor.setCurrentObject(kept.back());
    }
  }
  const bool currentGone = worldEditor.getCurrentObject() >= objects;
  if (currentGone) worldEditor.setCurrentObject(0);
  const int mode = worldEditor.getEditorMode();
  const bool single = worldEditor.getObjectListAmount() == 0;
  if ((mode == kModeObject && single && currentGone) || (mode == kModeLocalLogic && (currentGone || !single))) {
    worldEditor.setEditorMode(kModeNothing);
  }
}

void keepTilesValid(int w, int h) {
  int x0, y0, x1, y1, cx, cy;
  worldEditor.getStartingTile(x0, y0);
  worldEditor.getEndingTile(x1, y1);
  worldEditor.getCurrentTile(cx, cy);
  if (std::max({x0, x1, cx}) < w && std::max({y0, y1, cy}) < h) return;
  worldEditor.setCurrentTile(0, 0);
  if (worldEditor.getEditorMode() == kModeTile) worldEditor.setEditorMode(kModeNothing);
}

int sentencesOfEditedList() {
  const int m = world.getCurrentMap();
  const int mode = worldEditor.getEditorMode();
  if (mode == kModeGlobalLogic) return world.mapGlobalGetSentenceAmount(m);
  if (mode == kModeLocalLogic) return world.mapLocalGetSentenceAmount(worldEditor.getCurrentObject(), m);
  return 0;
}

// The word list is closed (its steps belong to the step just undone or
// redone), and the sentence the image chooser writes to must exist.
void keepLogicValid() {
  int timer, s, slot;
  worldEditor.getGLTimer(timer, s, slot);
  if (timer > 0) worldEditor.setGLTimer(0, s, slot);
  if (worldEditor.getCurrentSentence() >= sentencesOfEditedList()) worldEditor.setCurrentSentence(0);
}

void keepWorldSelectionValid() {
  if (!worldHasMaps()) return;
  const int m = world.getCurrentMap();
  if (m >= world.getMapCount()) {
    showMap(world.getMapCount() - 1);
    return;
  }
  int w = 0, h = 0;
  std::string name;
  world.worldGetMap(w, h, name, m);
  keepObjectsValid(world.worldGetObjectCount(m));
  keepTilesValid(w, h);
  keepLogicValid();
}

// ---- the menu editor's selection ---------------------------------------------------------

void keepMenuSelectionValid() {
  if (gameSys.getGameState() != kStateMenuEditor) return;
  const int menu = gameUI.getCurrentMenu();
  int count = -1, selected = 0;
  switch (worldEditor.getEditorMode()) {
    case kMenuModeButton:
      count = gameUI.menuGetButtonCount(menu);
      selected = worldEditor.getCurrentButton();
      break;
    case kMenuModeTextbox:
      count = gameUI.menuGetTextboxCount(menu);
      selected = worldEditor.getCurrentTextbox();
      break;
    case kMenuModeTextline:
      count = gameUI.menuGetTextlineCount(menu);
      selected = worldEditor.getCurrentTextline();
      break;
    default: return;
  }
  if (selected >= 0 && selected < count) return;
  worldEditor.setEditorMode(kMenuModeMenu);
  if (gameSys.getInputState() == kInputMenuEditorText) gameSys.setInputState(kInputNormal);
}

}  // namespace

void showEditPlace(const editPlace& place) {
  switch (place.view) {
    case kViewMap:
      if (!worldHasMaps()) return;
      showMap(place.index);
      if (inLogicEditor()) worldEditor.setEditorMode(kModeNothing);
      break;
    case kViewGlobalLogic:
    case kViewLocalLogic:
      if (worldHasMaps()) showLogic(place);
      break;
    case kViewPhrases:
      if (!worldHasMaps()) return;
      showWorldEditor();
      worldEditor.setPhraseMenu(place.index);
      break;
    case kViewGameImage:
      if (!worldHasMaps()) return;
      showWorldEditor();
      worldEditor.setEditorMode(kModeAnimation);
      worldEditor.setCurrentAnimImage(place.index);
      break;
    case kViewMenuImage:
      showMenuEditor(-1, kMenuModeAnimation);
      worldEditor.setCurrentAnimImage(place.index);
      break;
    case kViewMenu: showMenuEditor(place.index, kMenuModeMenu); break;
    case kViewNone: break;
  }
}

void keepSelectionValid() {
  if (gameSys.getGameState() == kStateWorldEditor) keepWorldSelectionValid();
  keepMenuSelectionValid();
}

}  // namespace tf
