// The in-memory game: maps of tiles and objects with their logic, the game's
// phrases and global scores, and the run-time state of play. `world` is the
// game in use; `worldBackup` the state a game starts from.
//
// Every operation exists on the object, on the map (object index last) and on
// the world (object index, then map index, last). Indexes out of range are
// ignored by setters and read as 0, false or "" by getters.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/collision_grid.h"
#include "game/sentence.h"

namespace tf {

// Limits of the model.
constexpr int kMaxObjects = 1024;       // objects on one map
constexpr int kMaxMaps = 4096;          // maps of one game
constexpr int kMaxMapSide = 700;        // tiles on each side of a map
// Tiles of all maps of one game together (about 34 maps of 700 x 700), so
// that no game, and no map file, can claim more memory than a machine has.
constexpr long long kMaxWorldTiles = 16LL * 1024 * 1024;
constexpr int kGlobalScoreCount = 50;
constexpr int kPhraseCount = 1024;
constexpr int kDefaultLayerCount = 7;
// The object layers the editor can show or hide, 0 to 7 (shown as 1 to 8).
constexpr int kRenderLayerCount = 8;
// World units per tile.
constexpr float kTileSize = 0.3f;

class mapTile {
 public:
  void setTile(int texture) { tex = texture; }
  void getTile(int& texture) const { texture = tex; }

 private:
  int tex = 0;  // game image index; 0 is the empty tile
};

class gameObject {
 public:
  // Sizes are held within 0.01 to 0.7.
  void setObject(float x, float y, float w, float h, int tex, int layer);
  void getObject(float& x, float& y, float& w, float& h, int& tex, int& layer) const;
  void setObjectLabel(int value) { label = value; }
  int getObjectLabel() const { return label; }
  void setObjectVisible(bool value) { visible = value; }
  bool getObjectVisible() const { return visible; }
  void setObjectLife(bool value) { life = value; }
  bool getObjectLife() const { return life; }
  void setObstructionState(bool value) { obstruction = value; }
  bool getObstructionState() const { return obstruction; }
  // Each side at most 0.7; kept only when both are above 0.
  void setObstructionSize(float w, float h);
  void getObstructionSize(float& w, float& h) const;
  void setObjectScore(int value) { score = value; }
  int getObjectScore() const { return score; }
  void setObjectName(const std::string& value) { name = value; }
  std::string getObjectName() const { return name; }

  // The object's own logic.
  bool localAddSentence() { return localLogic.addSentence(); }
  bool localDeleteSentence(int k) { return localLogic.deleteSentence(k); }
  void localChangeSentence(int k, int step, int id) { localLogic.changeSentence(k, step, id); }
  sentence localGetWholeSentence(int k) const { return localLogic.getWholeSentence(k); }
  int localGetSentenceAmount() const { return localLogic.getSentenceAmount(); }
  void localSetOwner(int owner, int k, int aimedAt) { localLogic.sentenceSetOwner(owner, k, aimedAt); }
  void localSetExecutionState(int state, int k) { localLogic.setSentenceExecutionState(state, k); }
  int localGetExecutionState(int k) const { return localLogic.getSentenceExecutionState(k); }
  void localSetTimer(int time, int k) { localLogic.setSentenceTimer(time, k); }
  int localGetTimer(int k) const { return localLogic.getSentenceTimer(k); }
  // Appends a sentence as it is (the logic file reader); false when full.
  bool localAppendSentence(const sentence& s) { return localLogic.appendSentence(s); }
  // Puts a sentence as it is at place k; false when full or k is outside the list.
  bool localInsertSentence(const sentence& s, int k) { return localLogic.insertSentence(s, k); }

 private:
  friend class gameMap;

  logicStrings localLogic;
  float x = 0, y = 0;
  float w = 0.1f, h = 0.1f;
  int tex = 0;
  int layer = 0;
  int label = -1;  // -1: no label group
  bool life = true;
  bool visible = true;
  bool obstruction = true;
  float obw = 0.1f, obh = 0.1f;
  int score = 0;
  std::string name = "Object";
};

class gameMap {
 public:
  // Ignored unless both sides are 0 to 700. Tiles keep their place; tiles
  // beyond a smaller size are dropped.
  void setMap(int w, int h, const std::string& name);
  void getMap(int& w, int& h, std::string& name) const;
  long long getTileCount() const { return static_cast<long long>(mapw) * maph; }

  // Tiles outside the map are ignored; reading one leaves `tex` unchanged.
  void mapSetTile(int tex, int x, int y);
  void mapGetTile(int& tex, int x, int y) const;

  // `index` equal to the object count adds an object (at most 1024); a larger
  // or negative index is ignored.
  void mapSetObject(float x, float y, float w, float h, int tex, int layer, int index);
  void mapGetObject(float& x, float& y, float& w, float& h, int& tex, int& layer, int index) const;
  // Appends a copy of object `index`, moved by 0.1 in x and y, its logic
  // owned by the copy (actions aimed at `aimedAt`, the editor's selection, are
  // aimed at the copy); refused with a notice at 1024 objects.
  void mapCopyObject(int index, int aimedAt);
  // Removes object `index`; later objects move down and every object operand
  // of the map's logic is renumbered to match. False for a missing object.
  bool mapDeleteObject(int index);
  // Removes the listed objects at once (indexes that name no object, and
  // repeats, are ignored), renumbering the logic as deleting them one by one
  // would. With `changes`, every sentence field the renumbering changed is
  // recorded there with its old value. Returns how many objects went.
  int mapDeleteObjects(const std::vector<int>& indexes, std::vector<sentenceFieldChange>* changes = nullptr);
  // Puts the fields recorded by mapDeleteObjects back (on the map as the
  // deletion left it).
  void mapRestoreLogicFields(const std::vector<sentenceFieldChange>& changes);
  // Puts `o` as it is at `index` (0 to the object count), moving the later
  // objects up; no logic is renumbered. False at 1024 objects or for an index
  // outside the list.
  bool mapInsertObject(const gameObject& o, int index);
  // Takes object `index` out as it is, moving the later objects down; no logic
  // is renumbered (the inverse of mapInsertObject). False for a missing object.
  bool mapRemoveObject(int index);
  int mapGetObjectCount() const { return static_cast<int>(object.size()); }
  // Read access to one object; nullptr for a missing one.
  const gameObject* mapObjectAt(int index) const { return objectAt(index); }
  // The grid over the objects' collision boxes, built when first asked after
  // a change of the object count and kept up to date as objects move.
  const collisionGrid& mapCollisionGrid() const;

  void setMapLayerCount(int count) { layerCount = count; }
  int getMapLayerCount() const { return layerCount; }
  // Density and each colour part are kept only within 0.1 to 1.0.
  void mapSetFog(bool fogOn, float density, const float color[3]);
  void mapGetFog(bool& fogOn, float& density, float& r, float& g, float& b) const;
  // Puts back fog values the map held, as they are (even those mapSetFog
  // would not take, such as the density 0 of a new map).
  void mapRestoreFog(bool fogOn, float density, const float color[3]);
  void mapSetTileStretch(bool stretch) { tileStretch = stretch; }
  bool mapGetTileStretch() const { return tileStretch; }

  void mapSetObjectLabel(int label, int index);
  int mapGetObjectLabel(int index) const;
  void mapSetObjectScore(int score, int index);
  int mapGetObjectScore(int index) const;
  void mapSetObjectName(const std::string& name, int index);
  std::string mapGetObjectName(int index) const;
  void mapSetObjectLife(bool life, int index);
  bool mapGetObjectLife(int index) const;
  void mapSetObjectVisible(bool visible, int index);
  bool mapGetObjectVisible(int index) const;
  void mapSetObjectObstructionState(bool solid, int index);
  bool mapGetObjectObstructionState(int index) const;
  void setObstructionSize(float w, float h, int index);
  void getObstructionSize(float& w, float& h, int index) const;

  // The map's global logic. Nothing is added while the map has no objects.
  bool globalAddSentence();
  bool globalDeleteSentence(int k) { return globalLogic.deleteSentence(k); }
  void globalChangeSentence(int k, int step, int id) { globalLogic.changeSentence(k, step, id); }
  sentence globalGetWholeSentence(int k) const { return globalLogic.getWholeSentence(k); }
  int globalGetSentenceAmount() const { return globalLogic.getSentenceAmount(); }
  void globalSetOwner(int owner, int k, int aimedAt) { globalLogic.sentenceSetOwner(owner, k, aimedAt); }
  void globalSetExecutionState(int state, int k) { globalLogic.setSentenceExecutionState(state, k); }
  int globalGetExecutionState(int k) const { return globalLogic.getSentenceExecutionState(k); }
  void globalSetSentenceTimer(int time, int k) { globalLogic.setSentenceTimer(time, k); }
  int globalGetSentenceTimer(int k) const { return globalLogic.getSentenceTimer(k); }
  // Appends a sentence as it is, objects or not (the logic file reader).
  bool globalAppendSentence(const sentence& s) { return globalLogic.appendSentence(s); }
  bool globalInsertSentence(const sentence& s, int k) { return globalLogic.insertSentence(s, k); }

  // Local logic of object `obj`; the added sentence is owned by `obj`.
  bool mapLocalAddSentence(int obj);
  bool mapLocalDeleteSentence(int obj, int k);
  void mapLocalChangeSentence(int obj, int k, int step, int id);
  sentence mapLocalGetWholeSentence(int obj, int k) const;
  int mapLocalGetSentenceAmount(int obj) const;
  void mapLocalSetExecutionState(int obj, int state, int k);
  int mapLocalGetExecutionState(int obj, int k) const;
  void mapLocalSetSentenceTimer(int obj, int time, int k);
  int mapLocalGetSentenceTimer(int obj, int k) const;
  bool mapLocalAppendSentence(int obj, const sentence& s);
  bool mapLocalInsertSentence(int obj, const sentence& s, int k);

 private:
  gameObject* objectAt(int index);
  const gameObject* objectAt(int index) const;
  bool holdsTile(int x, int y) const { return x >= 0 && x < mapw && y >= 0 && y < maph; }
  // How many sentence fields an object deletion could renumber at most.
  std::size_t fieldsRenumberedAtMost() const;
  // Tells the collision grid that object `index` may have moved or changed size.
  void collisionBoxChanged(int index);

  std::vector<gameObject> object;  // index = object number
  std::vector<mapTile> tile;       // column by column: tile (x, y) at x * maph + y
  logicStrings globalLogic;
  std::string mapName = "New Map";
  int mapw = 0, maph = 0;
  int layerCount = kDefaultLayerCount;
  bool fog = false;
  float fogColor[3] = {1, 1, 1};
  float fogDens = 0;
  bool tileStretch = false;
  // Every object, whatever its visibility or layer, by its collision box;
  // a copied map builds its own.
  mutable collisionGrid objectGrid;
};

class gameWorld {
 public:
  gameWorld();

  // Makes the game hold `n` maps (new ones are empty); false, with nothing
  // changed, for a negative count or more than kMaxMaps.
  bool allocateMaps(int n);
  // True when map m took the size and name; sizes outside 0 to 700, or that
  // would take the game beyond kMaxWorldTiles, are refused.
  bool worldSetMap(int w, int h, const std::string& name, int m);
  void worldGetMap(int& w, int& h, std::string& name, int m) const;
  // Removes map m when at least two maps remain; the current map becomes 0.
  void worldDeleteMap(int m);
  // Puts `newMap` at m (0 to the map count), moving the later maps up; false
  // beyond kMaxMaps or kMaxWorldTiles, or for a place outside the list.
  bool worldInsertMap(const gameMap& newMap, int m);
  // Map `to` becomes a copy of map `from`; false when refused (a missing map,
  // or beyond kMaxWorldTiles).
  bool copyMap(int from, int to);
  // Tiles of all maps together.
  long long getTileTotal() const;

  void worldSetTile(int tex, int x, int y, int m);
  void worldGetTile(int& tex, int x, int y, int m) const;
  void worldSetObject(float x, float y, float w, float h, int tex, int layer, int obj, int m);
  void worldGetObject(float& x, float& y, float& w, float& h, int& tex, int& layer, int obj,
                      int m) const;
  void worldCopyObject(int obj, int m, int aimedAt);
  bool worldDeleteObject(int obj, int m);
  int worldDeleteObjects(const std::vector<int>& objects, std::vector<sentenceFieldChange>* changes, int m);
  void worldRestoreLogicFields(const std::vector<sentenceFieldChange>& changes, int m);
  bool worldInsertObject(const gameObject& o, int obj, int m);
  bool worldRemoveObject(int obj, int m);
  int worldGetObjectCount(int m) const;
  void worldSetMapLayerCount(int count, int m);
  int worldGetMapLayerCount(int m) const;
  void worldSetFog(bool fogOn, float density, const float color[3], int m);
  void worldGetFog(bool& fogOn, float& density, float& r, float& g, float& b, int m) const;
  void worldRestoreFog(bool fogOn, float density, const float color[3], int m);
  void worldSetTileStretch(bool stretch, int m);
  bool worldGetTileStretch(int m) const;

  void worldSetObjectLabel(int label, int obj, int m);
  int worldGetObjectLabel(int obj, int m) const;
  void worldSetObjectScore(int score, int obj, int m);
  int worldGetObjectScore(int obj, int m) const;
  void worldSetObjectName(const std::string& name, int obj, int m);
  std::string worldGetObjectName(int obj, int m) const;
  void worldSetObjectLife(bool life, int obj, int m);
  bool worldGetObjectLife(int obj, int m) const;
  void worldSetObjectVisible(bool visible, int obj, int m);
  bool worldGetObjectVisible(int obj, int m) const;
  void worldSetObjectObstructionState(bool solid, int obj, int m);
  bool worldGetObjectObstructionState(int obj, int m) const;
  void worldSetObstructionSize(float w, float h, int obj, int m);
  void worldGetObstructionSize(float& w, float& h, int obj, int m) const;

  // Global logic of map m; an added sentence is owned by m.
  bool mapGlobalAddSentence(int m);
  bool mapGlobalDeleteSentence(int m, int k);
  void mapGlobalChangeSentence(int m, int k, int step, int id);
  sentence mapGlobalGetWholeSentence(int m, int k) const;
  int mapGlobalGetSentenceAmount(int m) const;
  void mapGlobalSetOwner(int m, int owner, int k, int aimedAt);
  void mapGlobalSetExecutionState(int m, int state, int k);
  int mapGlobalGetExecutionState(int m, int k) const;
  void mapGlobalSetSentenceTimer(int m, int time, int k);
  int mapGlobalGetSentenceTimer(int m, int k) const;
  bool mapGlobalAppendSentence(int m, const sentence& s);
  bool mapGlobalInsertSentence(int m, const sentence& s, int k);

  // Local logic of object obj on map m.
  bool mapLocalAddSentence(int obj, int m);
  bool mapLocalDeleteSentence(int obj, int m, int k);
  void mapLocalChangeSentence(int obj, int m, int k, int step, int id);
  sentence mapLocalGetWholeSentence(int obj, int m, int k) const;
  int mapLocalGetSentenceAmount(int obj, int m) const;
  void mapLocalSetExecutionState(int obj, int m, int state, int k);
  int mapLocalGetExecutionState(int obj, int m, int k) const;
  void mapLocalSetSentenceTimer(int obj, int m, int time, int k);
  int mapLocalGetSentenceTimer(int obj, int m, int k) const;
  bool mapLocalAppendSentence(int obj, int m, const sentence& s);
  bool mapLocalInsertSentence(int obj, int m, const sentence& s, int k);

  // Ignored unless 0 <= m < map count.
  void setCurrentMap(int m);
  int getCurrentMap() const { return currentMap; }
  int getMapCount() const { return static_cast<int>(map.size()); }

  void setGameLoaded(bool loaded) { gameLoaded = loaded; }
  bool getGameLoaded() const { return gameLoaded; }
  void setGameName(const std::string& name) { gameName = name; }
  std::string getGameName() const { return gameName; }
  void setGameImageCount(int count) { gameImageCount = count; }
  int getGameImageCount() const { return gameImageCount; }
  void setGameSoundCount(int count) { gameSoundCount = count; }
  int getGameSoundCount() const { return gameSoundCount; }
  // 0 none, 1 won, 2 lost.
  void setGameCondition(int state) { gameConditionState = state; }
  int getGameCondition() const { return gameConditionState; }
  void setGameBox(int timer, int tex);
  void getGameBox(int& timer, int& tex) const;

  void addGameScore(int n);
  // Never leaves the score below 0.
  void subGameScore(int n);
  void setGameScore(int n) { gameScore = n; }
  int getGameScore() const { return gameScore; }

  // The map to change to at the next logic pass; -1 for none.
  void setChangeMap(int m) { changeMapNextLoop = m; }
  int getChangeMap() const { return changeMapNextLoop; }
  void setFreeLook(bool on) { freeLook = on; }
  bool getFreeLook() const { return freeLook; }
  void setIngameInputDisallow(bool on) { ingameInputDisallow = on; }
  bool getIngameInputDisallow() const { return ingameInputDisallow; }

  // Ids 0 to 49; a negative value is stored as 0.
  void setGlobalScore(int id, int value);
  int getGlobalScore(int id) const;
  void resetGlobalScores();
  // Phrases 0 to 1023; an empty phrase is no phrase.
  void setPhrase(int i, const std::string& text);
  std::string getPhrase(int i) const;
  void clearPhrases();
  void setDisplayPhrase(int timer, int index);
  void getDisplayPhrase(int& timer, int& index) const;
  void setSelectedObject(int obj) { selectedObject = obj; }
  int getSelectedObject() const { return selectedObject; }

  // Replaces the maps and the phrases by those of `source` (a freshly read
  // map file); `source` is left without maps. The current map becomes 0.
  void takeMapsAndPhrases(gameWorld& source);

  // With a game loaded: drops its maps (the toolkit's own menu sets own none)
  // and returns to the state of no game.
  void clearMapData();
  // Play from the start of the game (restored from worldBackup): game state 2.
  void enterGame();
  // Play on from where it was: game state 2.
  void reenterGame();

  // Read access for the writers of the game files; nullptr for a missing map.
  const gameMap* mapAt(int m) const;

 private:
  gameMap* mapAt(int m);

  std::vector<gameMap> map;  // index = map number
  bool gameLoaded = false;
  int currentMap = 0;
  std::string gameName = "New Game";
  int gameImageCount = 0;
  int gameConditionState = 0;
  int gameBoxTimer = 0, gameBoxTex = 0;
  int gameScore = 0;
  int changeMapNextLoop = -1;
  bool freeLook = false;
  bool ingameInputDisallow = false;
  int gameSoundCount = 0;
  std::array<int, kGlobalScoreCount> globalScore{};
  std::vector<std::string> phrases;  // kPhraseCount entries
  int phraseTimer = -1, phraseDisplay = -1;
  int selectedObject = -1;
};

extern gameWorld world;
extern gameWorld worldBackup;

// With a game loaded: the world restored from worldBackup, keys released and
// the game sounds stopped.
void resetGame();

}  // namespace tf
