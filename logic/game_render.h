// The decisions behind drawing the map: which view a frame shows, which tiles
// and objects lie around the camera and in what order and shade they are
// drawn, the editor's highlights, the pulse of objects that carry logic, the
// edge-scrolling speed and the timers of the phrase box and the display image.
// The drawing itself is in game_render_gl.cpp.
#pragma once

#include <string>
#include <vector>

#include "game/world.h"

namespace tf {

// World depths: tiles and marks lie on the map's plane, objects just above it,
// each drawn object a little above the one before.
constexpr float kTileDepth = -2.0f;
constexpr float kFirstObjectDepth = -1.99f;
constexpr float kObjectDepthStep = 0.00001f;
// Half the side of a drawn tile, and of a tile with the editor's grid showing.
constexpr float kTileHalfSize = 0.15f;
constexpr float kWireframeTileHalfSize = 0.148f;
// Tiles and objects farther than this from the camera on either axis are skipped.
constexpr float kDrawDistance = 2.3f;
// Selection names of objects: the object's index plus this.
constexpr int kObjectPickBase = 100;
// A display timer that has counted down to this stays there while it shows.
constexpr int kDisplayTimerRest = 1;

// What a frame shows of the map.
enum class MapView { None, Game, Editor };

// What the world editor shows over the map, filled in by the editor for each
// frame (and each selection pass): plain values, so the drawing reads no
// editor.
struct MapEditView {
  bool editorMenuShown = false;  // the editing screen is the current menu
  bool wireframe = true;         // tiles are drawn with a gap, so a grid shows
  bool layerShown[kRenderLayerCount] = {true, true, true, true, true, true, true, true};
  bool tileRangeMarked = false;  // a tile range is selected and highlighted
  int startColumn = 0, startRow = 0, endColumn = 0, endRow = 0;
  bool objectsMarked = false;    // objects are selected and marked
  bool markAll = false;          // every object of the map is marked
  int object = 0;                // the single selection
  std::vector<int> listed;       // the multiple selection; empty for a single one
};

// Play and play-test show the game; the world editor shows its own view while
// the editor menu is shown. Nothing without a game, or for one of the
// toolkit's own menu sets ("mainui", "ingameui").
MapView chooseMapView(int gameState, bool editorMenuShown, const gameWorld& w);

// The tiles around the camera: columns firstColumn up to (not including)
// endColumn, rows likewise, always inside the map.
struct TileRange {
  int firstColumn = 0, endColumn = 0;
  int firstRow = 0, endRow = 0;
};
TileRange visibleTileRange(float cameraX, float cameraY, int mapWidth, int mapHeight);

// Strictly within kDrawDistance of the camera on both axes.
bool withinDrawDistance(float x, float y, float cameraX, float cameraY);

// Centre of tile (column, row) in world units.
float tileCentre(int index);

// A picture of the game image registry as it is drawn: its texture, and the
// frame to show when it is animated. An index outside the registry gives
// texture -1, which the drawing refuses.
struct GameImage {
  int tex = -1;
  bool animated = false;
  int frame = 0;
};
GameImage resolveGameImage(int index);

// One object as it is drawn this frame.
struct ObjectDraw {
  int index = 0;
  float x = 0, y = 0, w = 0, h = 0;
  int image = 0;  // game image index
  int layer = 0;
  float z = 0;
  float shade = 1;  // grey level of the colour it is drawn in
  int pick = 0;     // its selection name
};

// The objects of map `m` in drawing order: layer by layer from 0 up to and
// including the map's layer count, in index order within a layer, each within
// the draw distance of the camera. The game view skips hidden objects; the
// editor view draws them, leaves out the layers switched off and shades the
// objects that carry local logic with `imageFlash`. `out` is reused.
void planObjects(const gameWorld& w, int m, float cameraX, float cameraY, MapView view,
                 const MapEditView& edit, float imageFlash, std::vector<ObjectDraw>& out);

// The editor's highlight of the selected tile range: true for tile (column,
// row) inside it, with the shade to draw it in (white for the starting tile,
// grey for the others).
bool tileHighlight(const MapEditView& edit, int column, int row, float& shade);

// An object's selection mark: its box and its solid box around its centre.
struct SelectionMark {
  float x = 0, y = 0, w = 0, h = 0;
  float solidW = 0, solidH = 0;
};
constexpr float kMarkOuterShade = 0.7f;
// The marks the editor view draws: with objects selected or with every object
// highlighted; the current object alone when nothing is listed, else the
// listed ones, or all of them with every object highlighted. Only objects of
// map `m` within the draw distance are marked. `out` is reused.
void planSelectionMarks(const gameWorld& w, int m, float cameraX, float cameraY, const MapEditView& edit,
                        std::vector<SelectionMark>& out);

// A phrase or display image timer after one more frame: above the resting
// value it counts down by 40, never below the resting value.
int countDownDisplayTimer(int timer);

// The phrase box: system image 4 centred at (400, 200) around the phrase.
struct PhraseBox {
  int x = 400, y = 200;
  int halfWidth = 0, halfHeight = 40;
  float textX = 0, textY = 200;
};
PhraseBox phraseBoxFor(const std::string& text);

// Edge scrolling runs in the world editor outside the logic editors, and in
// play and play-test with free look or the debug overlay on.
bool edgeScrollActive(int gameState, bool inLogicEditor, bool freeLook, bool debugOn);

// The renderer's own state between frames.
struct GameRenderState {
  float imageFlash = 1.0f;   // brightness of objects that carry logic in the editor
  bool flashDown = true;     // direction of the pulse
  float scrollMultiplier = 0;  // speed handed to the edge scrolling

  // One step of the pulse between 0.5 and 1.0.
  void advancePulse();
  // After a frame's edge scrolling: faster while the view keeps moving.
  void afterScroll(bool moved);
};
extern GameRenderState gameRenderState;

// Drawing (game_render_gl.cpp).
// One frame of the current map around the camera: tiles, objects by layer,
// fog, and in play the phrase box; in the world editor what `edit` shows. In
// a selection pass only what can be picked is drawn, and nothing advances.
// True when a map was shown.
bool gameRender(const MapEditView& edit);
// The full-screen image of the logic's "display image", if one is shown.
void renderGameBox();

}  // namespace tf
