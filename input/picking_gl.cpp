// The selection pass at the pointer and what its front-most hit selects.
#include "input/picking.h"

#include "core/view.h"
#include "core/clock.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/world_editor.h"
#include "game/world.h"
#include "input/hits.h"
#include "logic/evaluation.h"
#include "logic/game_render.h"

namespace tf {

void renderPick() {
  const int state = gameSys.getGameState();
  if (state != kStatePlay && state != kStateWorldEditor && state != kStatePlaytest) return;
  unsigned int buffer[kSelectBufferSize] = {};
  int x, y;
  gameSys.getMousePos(x, y);
  UpdateCamera();
  startPicking(x, y, buffer);
  gameRender();
  const int hits = stopPicking(buffer);
  if (hits > 0) processHits(hits, buffer);
}

void processHits(int hits, unsigned int* buffer) {
  const int state = gameSys.getGameState();
  const bool overlayOpen = worldEditor.getImageMenuTimer() > 0 || worldEditor.getTemplateSelectState() != 0;
  PickHit hit;
  if (!chooseHit(buffer, kSelectBufferSize, hits, hit)) return;
  const PickAction action = decidePick(hit, state, overlayOpen, gameSys.getDragState(),
                                       world.worldGetObjectCount(world.getCurrentMap()));
  switch (action.kind) {
    case PickActionKind::SelectInPlay:
      world.setSelectedObject(action.object);
      updateMouseLogic();
      break;
    case PickActionKind::EditorObject:
      editorSelectObject(action.object);
      break;
    case PickActionKind::EditorTile:
      editorSelectTile(action.column, action.row);
      break;
    case PickActionKind::None:
      break;
  }
  if (action.recordPickTime) worldEditor.setLastClickTime(elapsedMs());
}

}  // namespace tf
