// The selection pass at the pointer; its front-most hit goes to the screens
// of the state.
#include "input/picking.h"

#include "core/clock.h"
#include "core/platform.h"
#include "core/system.h"
#include "core/view.h"
#include "editor/world_editor.h"
#include "game/world.h"
#include "input/hits.h"
#include "input/screens.h"
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
  gameRender(worldEditorMapView());
  const int hits = stopPicking(buffer);
  if (hits > 0) processHits(hits, buffer);
}

void processHits(int hits, unsigned int* buffer) {
  PickHit front;
  if (!chooseHit(buffer, kSelectBufferSize, hits, front)) return;
  MapHit hit = mapHitOf(front, world.worldGetObjectCount(world.getCurrentMap()));
  hit.dragging = gameSys.getDragState();
  hit.time = elapsedMs();
  hit.button = gameSys.getRightMouse() == kMousePress ? kButtonRight : kButtonLeft;
  hit.shift = platform().shiftHeld();
  currentScreens().mapHit(hit);
}

}  // namespace tf
