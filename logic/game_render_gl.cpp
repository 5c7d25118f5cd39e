// Drawing the map of the running game and of the world editor, the phrase box
// and the full-screen display image. The decisions are in game_render.cpp.
#include <GL/gl.h>

#include <string>
#include <vector>

#include "core/camera.h"
#include "core/system.h"
#include "game/world.h"
#include "logic/game_render.h"
#include "media/choice.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

// The pick colour of the boxes drawn over the game: they block clicks.
constexpr int kBlockingPick = 144;
// The display image covers the virtual screen; a small box marks its corner.
constexpr float kScreenCentreX = 400, kScreenCentreY = 300;
constexpr int kGameBoxCorner = 51;

// Objects and selection marks drawn this frame; kept to reuse their storage.
std::vector<ObjectDraw> objectsToDraw;
std::vector<SelectionMark> marksToDraw;

bool selectionPass() {
  GLint mode = GL_RENDER;
  glGetIntegerv(GL_RENDER_MODE, &mode);
  return mode == GL_SELECT;
}

// Game image `index` in the placement asked for: an animated one at its
// current frame, any other in grey `shade`. An index outside the registry
// reaches the drawing's refusal.
void drawGameImage(float x, float y, float z, float w, float h, float shade, int index, bool ov, bool al,
                   int pick) {
  const GameImage image = resolveGameImage(index);
  if (image.animated) {
    displayFrame(x, y, z, w, h, image.tex, static_cast<float>(image.frame), ov, al, pick);
  } else {
    displayTexture(x, y, z, w, h, shade, shade, shade, image.tex, ov, al, 1, pick);
  }
}

void drawTile(int column, int row, int m, float half, int pick) {
  int tex = 0;
  world.worldGetTile(tex, column, row, m);
  drawGameImage(tileCentre(column), tileCentre(row), kTileDepth, half, half, 1, tex, false, false, pick);
}

// The image of tile (0, 0) stretched over the whole map.
void drawStretchedTile(int m, int width, int height, int pick) {
  if (width <= 0 || height <= 0) return;
  int tex = 0;
  world.worldGetTile(tex, 0, 0, m);
  const float halfW = width * kTileSize / 2;
  const float halfH = height * kTileSize / 2;
  drawGameImage(halfW, halfH, kTileDepth, halfW, halfH, 1, tex, false, false, pick);
}

void beginFog(int m) {
  bool on = false;
  float density, r, g, b;
  world.worldGetFog(on, density, r, g, b, m);
  if (!on) return;
  const GLfloat color[4] = {r, g, b, 1.0f};
  glFogfv(GL_FOG_COLOR, color);
  glFogi(GL_FOG_MODE, GL_EXP);
  glFogf(GL_FOG_DENSITY, density);
  glHint(GL_FOG_HINT, GL_DONT_CARE);
  glEnable(GL_FOG);
}

void drawObjects() {
  for (const ObjectDraw& d : objectsToDraw) {
    drawGameImage(d.x, d.y, d.z, d.w, d.h, d.shade, d.image, false, true, d.pick);
  }
}

void drawGameTiles(int m, const TileRange& range, float cameraX, float cameraY) {
  for (int column = range.firstColumn; column < range.endColumn; ++column) {
    for (int row = range.firstRow; row < range.endRow; ++row) {
      if (!withinDrawDistance(tileCentre(column), tileCentre(row), cameraX, cameraY)) continue;
      drawTile(column, row, m, kTileHalfSize, kPickNone);
    }
  }
}

void drawShader(float x, float y, float w, float h, float shade) {
  displayTexture(x, y, kTileDepth, w, h, shade, shade, shade, systemTexture(kImgShader), false, true, 1,
                 kPickNone);
}

// Each column is one selection name and each tile's row another inside it.
void drawEditorTiles(int m, const TileRange& range, const MapEditView& edit, bool decorate) {
  const float half = edit.wireframe ? kWireframeTileHalfSize : kTileHalfSize;
  for (int column = range.firstColumn; column < range.endColumn; ++column) {
    glPushName(static_cast<GLuint>(column));
    for (int row = range.firstRow; row < range.endRow; ++row) {
      drawTile(column, row, m, half, row);
      float shade = 1;
      if (decorate && tileHighlight(edit, column, row, shade)) {
        drawShader(tileCentre(column), tileCentre(row), half, half, shade);
      }
    }
    glPopName();
  }
}

void drawSelectionMarks(int m, float cameraX, float cameraY, const MapEditView& edit) {
  planSelectionMarks(world, m, cameraX, cameraY, edit, marksToDraw);
  for (const SelectionMark& mark : marksToDraw) {
    drawShader(mark.x, mark.y, mark.w, mark.h, kMarkOuterShade);
    drawShader(mark.x, mark.y, mark.solidW, mark.solidH, 1);
  }
}

void drawPhraseBox() {
  int timer = 0, phrase = -1;
  world.getDisplayPhrase(timer, phrase);
  if (timer <= 0) return;
  world.setDisplayPhrase(countDownDisplayTimer(timer), phrase);
  const std::string text = world.getPhrase(phrase);
  const PhraseBox box = phraseBoxFor(text);
  displaySingleChoice(box.x, box.y, box.halfWidth, box.halfHeight, kImgGameEditorBackground, kBlockingPick,
                      kBlockingPick, kBlockingPick);
  displayTextString(box.textX, box.textY, text);
}

}  // namespace

bool gameRender(const MapEditView& edit) {
  const bool selecting = selectionPass();
  const int state = gameSys.getGameState();
  if (state == kStateWorldEditor && !selecting) gameRenderState.advancePulse();
  const MapView view = chooseMapView(state, edit.editorMenuShown, world);
  if (view == MapView::None) return false;

  float cameraX, cameraY, cameraZ;
  camera.GetPos(cameraX, cameraY, cameraZ);
  const int m = world.getCurrentMap();
  int width = 0, height = 0;
  std::string name;
  world.worldGetMap(width, height, name, m);
  if (!selecting) beginFog(m);

  const TileRange range = visibleTileRange(cameraX, cameraY, width, height);
  const bool stretched = world.worldGetTileStretch(m);
  if (view == MapView::Game) {
    if (stretched) {
      drawStretchedTile(m, width, height, kPickNone);
    } else {
      drawGameTiles(m, range, cameraX, cameraY);
    }
  } else if (stretched) {
    glPushName(0);
    drawStretchedTile(m, width, height, 0);
    glPopName();
  } else {
    drawEditorTiles(m, range, edit, !selecting);
  }

  planObjects(world, m, cameraX, cameraY, view, edit, gameRenderState.imageFlash, objectsToDraw);
  drawObjects();
  if (selecting) return true;
  if (view == MapView::Editor) drawSelectionMarks(m, cameraX, cameraY, edit);
  glDisable(GL_FOG);
  if (view == MapView::Game) drawPhraseBox();
  return true;
}

void renderGameBox() {
  int timer = 0, tex = 0;
  world.getGameBox(timer, tex);
  if (timer <= 0) return;
  world.setGameBox(countDownDisplayTimer(timer), tex);
  drawGameImage(kScreenCentreX, kScreenCentreY, 0, kScreenCentreX, kScreenCentreY, 1, tex, true, true, kPickNone);
  displaySingleChoice(kGameBoxCorner, kGameBoxCorner, kGameBoxCorner, kGameBoxCorner, kImgNone, kBlockingPick,
                      kBlockingPick, kBlockingPick);
}

}  // namespace tf
