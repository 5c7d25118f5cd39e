// What the map's drawing decides before it draws: views, ranges, order,
// shades, highlights, timers and the pulse.
#include "logic/game_render.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "core/run_state.h"
#include "core/system.h"
#include "game/game_names.h"
#include "game/world.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

// The tile range reaches this far behind and ahead of the camera (world
// units), converted to tiles at about 3.33 tiles per unit.
constexpr float kRangeBehind = 2.0f;
constexpr float kRangeAhead = 3.0f;
constexpr float kTilesPerUnit = 3.33f;

constexpr float kPulseStep = 0.005f;
constexpr float kPulseLow = 0.5f;
constexpr float kPulseHigh = 1.0f;

constexpr float kScrollSpeedUp = 0.04f;
constexpr float kScrollTopSpeed = 3.0f;
constexpr float kScrollRestSpeed = 0.5f;

constexpr int kDisplayTimerStep = 40;

// The phrase box is this much wider than its text on each side.
constexpr float kPhraseBoxMargin = 20.0f;

constexpr float kTileRangeShade = 0.75f;

// A range bound in tiles, kept within 0..limit.
float clampedBound(float value, int limit) {
  return std::clamp(value, 0.0f, static_cast<float>(std::max(limit, 0)));
}

}  // namespace

GameRenderState gameRenderState;

namespace {
void restartPulseAndScroll() { gameRenderState = GameRenderState(); }
const bool registered = registerRunStateReset(restartPulseAndScroll);
}  // namespace

MapView chooseMapView(int gameState, bool editorMenuShown, const gameWorld& w) {
  if (!w.getGameLoaded() || checkGameName(w.getGameName())) return MapView::None;
  if (gameState == kStatePlay || gameState == kStatePlaytest) return MapView::Game;
  if (gameState == kStateWorldEditor && editorMenuShown) return MapView::Editor;
  return MapView::None;
}

TileRange visibleTileRange(float cameraX, float cameraY, int mapWidth, int mapHeight) {
  const float firstColumn = clampedBound((cameraX - kRangeBehind) * kTilesPerUnit, mapWidth);
  const float firstRow = clampedBound((cameraY - kRangeBehind) * kTilesPerUnit, mapHeight);
  const float lastColumn = clampedBound((cameraX + kRangeAhead) * kTilesPerUnit, mapWidth);
  const float lastRow = clampedBound((cameraY + kRangeAhead) * kTilesPerUnit, mapHeight);
  // Whole tiles from the truncated first bound while below the last bound.
  TileRange range;
  range.firstColumn = truncToInt(firstColumn);
  range.firstRow = truncToInt(firstRow);
  range.endColumn = truncToInt(std::ceil(lastColumn));
  range.endRow = truncToInt(std::ceil(lastRow));
  return range;
}

bool withinDrawDistance(float x, float y, float cameraX, float cameraY) {
  return std::fabs(x - cameraX) < kDrawDistance && std::fabs(y - cameraY) < kDrawDistance;
}

float tileCentre(int index) { return index * kTileSize; }

GameImage resolveGameImage(int index) {
  GameImage image;
  if (index < 0 || index >= static_cast<int>(gameImg.size())) return image;
  const img& picture = gameImg[static_cast<std::size_t>(index)];
  image.tex = picture.GetTex();
  image.animated = picture.getAnimState();
  image.frame = picture.getCurrentFrame();
  return image;
}

void planObjects(const gameWorld& w, int m, float cameraX, float cameraY, MapView view,
                 const MapEditView& edit, float imageFlash, std::vector<ObjectDraw>& out) {
  out.clear();
  if (view == MapView::None) return;
  const int layerCount = w.worldGetMapLayerCount(m);
  const int count = w.worldGetObjectCount(m);
  for (int i = 0; i < count; ++i) {
    ObjectDraw d;
    w.worldGetObject(d.x, d.y, d.w, d.h, d.image, d.layer, i, m);
    if (d.layer < 0 || d.layer > layerCount) continue;
    if (!withinDrawDistance(d.x, d.y, cameraX, cameraY)) continue;
    if (view == MapView::Game && !w.worldGetObjectVisible(i, m)) continue;
    if (view == MapView::Editor) {
      if (d.layer >= kRenderLayerCount || !edit.layerShown[d.layer]) continue;
      if (w.mapLocalGetSentenceAmount(i, m) > 0) d.shade = imageFlash;
    }
    d.index = i;
    d.pick = i + kObjectPickBase;
    out.push_back(d);
  }
  // Layer by layer, index order within a layer.
  std::stable_sort(out.begin(), out.end(),
                   [](const ObjectDraw& a, const ObjectDraw& b) { return a.layer < b.layer; });
  for (std::size_t k = 0; k < out.size(); ++k) {
    out[k].z = kFirstObjectDepth + static_cast<float>(k) * kObjectDepthStep;
  }
}

bool tileHighlight(const MapEditView& edit, int column, int row, float& shade) {
  if (!edit.tileRangeMarked) return false;
  const int startX = edit.startColumn, startY = edit.startRow, endX = edit.endColumn, endY = edit.endRow;
  if (column < std::min(startX, endX) || column > std::max(startX, endX)) return false;
  if (row < std::min(startY, endY) || row > std::max(startY, endY)) return false;
  shade = column == startX && row == startY ? 1.0f : kTileRangeShade;
  return true;
}

void planSelectionMarks(const gameWorld& w, int m, float cameraX, float cameraY, const MapEditView& edit,
                        std::vector<SelectionMark>& out) {
  out.clear();
  const bool all = edit.markAll;
  if (!edit.objectsMarked && !all) return;
  const bool single = edit.listed.empty() && !all;
  const int count = w.worldGetObjectCount(m);
  for (int i = 0; i < count; ++i) {
    const bool listed = std::find(edit.listed.begin(), edit.listed.end(), i) != edit.listed.end();
    const bool marked = all || (single ? i == edit.object : listed);
    if (!marked) continue;
    SelectionMark mark;
    int image, layer;
    w.worldGetObject(mark.x, mark.y, mark.w, mark.h, image, layer, i, m);
    if (!withinDrawDistance(mark.x, mark.y, cameraX, cameraY)) continue;
    w.worldGetObstructionSize(mark.solidW, mark.solidH, i, m);
    out.push_back(mark);
  }
}

int countDownDisplayTimer(int timer) {
  if (timer <= kDisplayTimerRest) return timer;
  return std::max(timer - kDisplayTimerStep, kDisplayTimerRest);
}

PhraseBox phraseBoxFor(const std::string& text) {
  PhraseBox box;
  const float width = getDisplayTextSize(text);
  box.halfWidth = truncToInt(width / 2 + kPhraseBoxMargin);
  box.textX = box.x - width / 2;
  return box;
}

bool edgeScrollActive(int gameState, bool inLogicEditor, bool freeLook, bool debugOn) {
  if (gameState == kStateWorldEditor) return !inLogicEditor;
  if (gameState == kStatePlay || gameState == kStatePlaytest) return freeLook || debugOn;
  return false;
}

void GameRenderState::advancePulse() {
  if (flashDown) {
    imageFlash -= kPulseStep;
    if (imageFlash <= kPulseLow) flashDown = false;
  } else {
    imageFlash += kPulseStep;
    if (imageFlash >= kPulseHigh) flashDown = true;
  }
}

void GameRenderState::afterScroll(bool moved) {
  scrollMultiplier = moved ? std::min(scrollMultiplier + kScrollSpeedUp, kScrollTopSpeed) : kScrollRestSpeed;
}

}  // namespace tf
