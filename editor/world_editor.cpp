// World editor entry and exit, play-testing, camera rules, adding objects and
// selecting what the map's selection pass hit.
#include "editor/world_editor.h"

#include <algorithm>

#include "core/camera.h"
#include "core/log.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/edits.h"
#include "editor/macro_menu.h"
#include "editor/recovery.h"
#include "game/game_names.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/button_actions.h"
#include "menus/dialog.h"
#include "menus/help.h"
#include "menus/ui.h"

namespace tf {
namespace {

// The camera's step when it drifts back to the map.
constexpr float kDriftStep = 0.06f;
// Edge scrolling: how close to an edge the pointer must rest (pixels), and
// the camera's step at speed 1 (world units).
constexpr int kScrollMarginWindow = 5;
constexpr int kScrollMarginFullScreen = 2;
constexpr float kScrollStep = 0.06f;
constexpr float kFogStep = 0.1f;
// The toolkit's welcome window of the editors, shown as at a first start.
constexpr int kToolkitWelcomeTimer = 1000;
constexpr int kToolkitWelcome = 3;
// The welcome window of a game just created.
constexpr int kNewGameWelcome = 0;
constexpr float kNewObjectHalfSize = 0.1f;
constexpr int kNewObjectImage = 1;

void currentMapSize(int& w, int& h) {
  std::string name;
  world.worldGetMap(w, h, name, world.getCurrentMap());
}

void centreCameraOnMap() {
  int w = 0, h = 0;
  currentMapSize(w, h);
  camera.SetPos(w * kTileSize / 2, h * kTileSize / 2, 0);
}

// The editor shows something over the map that takes the pointer.
bool editorBusy() {
  return worldEditor.getImageMenuTimer() > 0 || macroMenuOpen() || inLogicEditor();
}

void refuseUnopenedGame(const std::string& game) {
  const std::string shown = shownGameName(game);
  systemMsg("^rERROR: ^wUnable to open game: ^y" + shown);
  notice.setNotice("^yERROR", "^wUnable to open game: ^y" + shown);
}

}  // namespace

void resetEditorSelection() {
  worldEditor.setCurrentAnimImage(0);
  worldEditor.setCurrentButton(0);
  worldEditor.setCurrentTextbox(0);
  worldEditor.setCurrentTextline(0);
  worldEditor.setCurrentTile(0, 0);
  worldEditor.setCurrentObject(0);
  worldEditor.setEditorMode(kModeNothing);
  worldEditor.setHelpMenu(0);
  worldEditor.resetObjectList();
}

void loadGameEditor(const std::string& game) {
  echoConsole("");
  echoConsole("^2^gWorld Editor Initializing...");
  if (checkGameName(game)) {
    loadPredefinedUI(game);
    offerRecovery();
    return;
  }
  if (!gameMapFileOpens(game)) {
    refuseUnopenedGame(game);
    return;
  }
  int state = gameSys.getGameState();
  if (state == kStatePlay || state == kStateWorldEditor || state == kStatePlaytest) {
    echoConsole("^rERROR: ^wCannot load game editor, a current game is already loaded");
    notice.setNotice("^yERROR", "Cannot load game editor, a current game is already loaded");
    return;
  }
  loadGame(game);
  if (!world.getGameLoaded()) return;
  gameSys.setLastGameEdited(game);
  editHistoryLog.clear();
  echoConsole("^yNOTE: ^wDefault Tessera Forge help is enabled while the World Editor is in use.");
  resetEditorSelection();
  worldEditor.setCurrentTip(0);
  centreCameraOnMap();
  for (int layer = 0; layer < kRenderLayerCount; ++layer) worldEditor.setRenderLayer(layer, true);
  initHelp("default");
  loadMenu(gameUI.getEditorMainMenu());
  gameSys.setGameState(kStateWorldEditor);
  echoConsole("");
  echoConsole("^2^gWorld Editor Successfully Initialized");
  echoConsole("");
  offerRecovery();
}

void leaveGameEditor() {
  int state = gameSys.getGameState();
  if (state != kStateDialog && state != kStateWorldEditor) {
    refuseWithNotice("Game editor is not active, cannot exit editor");
    return;
  }
  worldEditor.setImageMenuRow(0);
  worldEditor.setPhraseSelectorChoice(0);
  worldEditor.setPhraseMenu(-1);
  writeRecoveryCopy();
  leaveGame();
}

void editGame() {
  loadMenu(gameUI.getEditorMenu());
  worldEditor.setCurrentTip(0);
  worldEditor.setEditorMode(kModeNothing);
  worldEditor.setHelpMenu(0);
  worldEditor.setWelcome(1, 1);
}

void editMenu() {
  worldEditor.setCurrentAnimImage(0);
  loadMenu(gameUI.getEditorMainMenu());
}

void enterTest() {
  if (gameSys.getGameState() != kStateWorldEditor || gameUI.getCurrentMenu() != gameUI.getEditorMenu()) return;
  writeRecoveryCopy();
  worldBackup = world;
  float x, y, z;
  camera.GetPos(x, y, z);
  camera.SetStorPos(x, y, z);
  world.setChangeMap(-1);
  stopGameSounds();
  gameSys.setGameState(kStatePlaytest);
}

void returnToEditor() {
  if (gameSys.getGameState() != kStatePlaytest) return;
  world = worldBackup;
  float x, y, z;
  camera.GetStorPos(x, y, z);
  camera.SetPos(x, y, z);
  platform().ignoreKeyRepeat(false);
  gameSys.resetKeyState();
  stopGameSounds();
  gameSys.setGameState(kStateWorldEditor);
  platform().setCursor(CursorShape::Arrow);
}

bool editorScroll(float speed) {
  if (gameSys.getGameState() == kStateWorldEditor && editorBusy()) return false;
  int mouseX, mouseY;
  gameSys.getMousePos(mouseX, mouseY);
  const int windowW = platform().windowWidth();
  const int windowH = platform().windowHeight();
  const int margin = gameSys.getFS() ? kScrollMarginFullScreen : kScrollMarginWindow;
  int w = 0, h = 0;
  currentMapSize(w, h);
  const float limitX = w * kTileSize, limitY = h * kTileSize;
  const float step = speed * kScrollStep;
  float x, y, z;
  camera.GetPos(x, y, z);
  const float oldX = x, oldY = y;
  // Window y grows downwards, world y upwards.
  if (mouseX >= 0 && mouseX <= margin && x > 0) x = std::max(x - step, 0.0f);
  if (mouseX >= windowW - margin && mouseX <= windowW && x + step < limitX) x += step;
  if (mouseY >= 0 && mouseY <= margin && y + step < limitY) y += step;
  if (mouseY >= windowH - margin && mouseY <= windowH && y > 0 && y <= limitY) y = std::max(y - step, 0.0f);
  if (x == oldX && y == oldY) return false;
  camera.SetPos(x, y, z);
  return true;
}

void checkEditorCamera() {
  int w = 0, h = 0;
  currentMapSize(w, h);
  float x, y, z;
  camera.GetPos(x, y, z);
  if (x > w * kTileSize) x -= kDriftStep;
  if (x < 0) x += kDriftStep;
  if (y > h * kTileSize) y -= kDriftStep;
  if (y < 0) y += kDriftStep;
  camera.SetPos(x, y, z);
}

void addObject() {
  int m = world.getCurrentMap();
  if (m >= world.getMapCount()) return;  // the toolkit's own menu sets hold no map
  if (world.worldGetObjectCount(m) >= kMaxObjects) {
    notice.setNotice("Too many objects", "You have exceeded the maximum # of objects for this map");
    return;
  }
  worldEditor.resetObjectList();
  float z;
  objectFields fields;
  camera.GetPos(fields.x, fields.y, z);
  fields.w = fields.h = kNewObjectHalfSize;
  fields.image = kNewObjectImage;
  const int added = editAddObject(m, fields);
  if (added < 0) return;
  playSystemSound(kSoundBoop, 0);
  worldEditor.setCurrentObject(added);
  worldEditor.setEditorMode(kModeObject);
}

void editorSelectTile(int column, int row) {
  int w = 0, h = 0;
  currentMapSize(w, h);
  if (column < 0 || column >= w || row < 0 || row >= h) return;
  playSystemSound(kSoundSelect, 0);
  worldEditor.setCurrentTile(column, row);
  worldEditor.setEditorMode(kModeTile);
}

void editorExtendTileRange(int column, int row) {
  int w = 0, h = 0;
  currentMapSize(w, h);
  if (column < 0 || column >= w || row < 0 || row >= h) return;
  playSystemSound(kSoundSelect, 0);
  int startX, startY;
  worldEditor.getStartingTile(startX, startY);
  // In each direction the tile moves the corner it lies beyond.
  if (column < startX) {
    worldEditor.setStartingTile(column, -1);
  } else {
    worldEditor.setEndingTile(column, -1);
  }
  if (row < startY) {
    worldEditor.setStartingTile(-1, row);
  } else {
    worldEditor.setEndingTile(-1, row);
  }
  worldEditor.setEditorMode(kModeTile);
}

void moveTileSelection(int dx, int dy, bool extend) {
  int w = 0, h = 0;
  currentMapSize(w, h);
  int x, y, minX = 0, minY = 0;
  if (extend) {
    worldEditor.getStartingTile(minX, minY);
    worldEditor.getEndingTile(x, y);
  } else {
    worldEditor.getCurrentTile(x, y);
  }
  x = std::clamp(x + dx, minX, std::max(minX, w - 1));
  y = std::clamp(y + dy, minY, std::max(minY, h - 1));
  if (extend) {
    worldEditor.setEndingTile(x, y);
  } else {
    worldEditor.setCurrentTile(x, y);
  }
  float camX, camY, camZ;
  camera.GetPos(camX, camY, camZ);
  camera.SetPos(x * kTileSize, y * kTileSize, camZ);
}

void editorFollowLifecycle(LifecycleEvent event) {
  switch (event) {
    case LifecycleEvent::PreviousGameCleared:
      worldEditor.setCurrentAnimImage(0);
      break;
    case LifecycleEvent::ToolkitMenusShown:
      worldEditor.setEditorMode(kModeNothing);
      worldEditor.setCurrentTextbox(-1);
      worldEditor.setCurrentTextline(-1);
      worldEditor.setCurrentButton(-1);
      break;
    case LifecycleEvent::GameLeft:
      worldEditor.setPhraseMenu(-1);
      worldEditor.setSAO(0);
      worldEditor.setImageMenuTimer(0);
      worldEditor.setTemplateSelect(0);
      editHistoryLog.clear();
      break;
    case LifecycleEvent::GameCreated:
      editHistoryLog.clear();
      editGame();
      resetEditorSelection();
      for (int layer = 0; layer < kRenderLayerCount; ++layer) worldEditor.setRenderLayer(layer, true);
      worldEditor.setWelcome(1, kNewGameWelcome);
      break;
    case LifecycleEvent::MenuSetOpened:
      editHistoryLog.clear();
      resetEditorSelection();
      break;
    case LifecycleEvent::MapChangedInEditor:
      worldEditor.resetObjectList();
      worldEditor.setCurrentObject(0);
      worldEditor.setCurrentTile(0, 0);
      worldEditor.setEditorMode(kModeNothing);
      worldEditor.setHelpMenu(0);
      break;
  }
}

MapEditView worldEditorMapView() {
  const editor& e = worldEditor;
  MapEditView view;
  view.editorMenuShown = gameUI.getCurrentMenu() == gameUI.getEditorMenu();
  view.wireframe = e.getWireframe();
  for (int layer = 0; layer < kRenderLayerCount; ++layer) view.layerShown[layer] = e.getRenderLayer(layer);
  view.tileRangeMarked = e.getEditorMode() == kModeTile;
  e.getStartingTile(view.startColumn, view.startRow);
  e.getEndingTile(view.endColumn, view.endRow);
  view.objectsMarked = e.getEditorMode() == kModeObject;
  view.markAll = e.getSAO() == 1;
  view.object = e.getCurrentObject();
  for (int slot = 0; slot < e.getObjectListAmount(); ++slot) view.listed.push_back(e.getObjectList(slot));
  return view;
}

void menuFunction(int function) {
  const int m = world.getCurrentMap();
  bool on = false;
  float density = 0;
  float color[3] = {0, 0, 0};
  world.worldGetFog(on, density, color[0], color[1], color[2], m);
  switch (function) {
    case 21: on = !on; break;
    case 22: density += kFogStep; break;
    case 23: density -= kFogStep; break;
    case 24: color[0] += kFogStep; break;
    case 25: color[0] -= kFogStep; break;
    case 26: color[1] += kFogStep; break;
    case 27: color[1] -= kFogStep; break;
    case 28: color[2] += kFogStep; break;
    case 29: color[2] -= kFogStep; break;
    default: return;
  }
  editSetFog(m, on, density, color[0], color[1], color[2]);
}


void toggleWireframe() { worldEditor.setWireframe(!worldEditor.getWireframe()); }

void editNamedGame(int string) {
  std::string name;
  if (!buttonString(string, name)) return;
  withMouseDisabled([&name] { loadGameEditor(name); });
}

void deleteCurrentMap() {
  worldEditor.setEditorMode(kModeNothing);
  const bool deleted = editDeleteMap(world.getCurrentMap());
  disableDialog();
  // The selection named things of the map that went; the editor shows the
  // first map afresh, as after changing maps.
  if (deleted) changeMap(world.getCurrentMap());
}

void showToolkitWelcome() { worldEditor.setWelcome(kToolkitWelcomeTimer, kToolkitWelcome); }

}  // namespace tf
