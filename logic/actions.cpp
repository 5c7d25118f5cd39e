// The actions, grouped by what they change: objects, scores, what is shown,
// keys and input, and the game as a whole. Every object, map, image, sound,
// phrase, score and letter operand is checked before it is used.
#include "logic/actions.h"

#include <climits>
#include <cstdlib>
#include <string>

#include "core/camera.h"
#include "core/numbers.h"
#include "core/platform.h"
#include "core/shutdown.h"
#include "core/system.h"
#include "game/lifecycle.h"
#include "game/step_ids.h"
#include "game/world.h"
#include "logic/collision.h"
#include "logic/play_screen.h"
#include "media/sound.h"

namespace tf {
namespace {

// The random actions draw from 0 to this many minus one before scaling.
constexpr long long kRandomRange = 32768;

int currentMap() { return world.getCurrentMap(); }

bool objectExists(int obj) { return obj >= 0 && obj < world.worldGetObjectCount(currentMap()); }
bool imageExists(int image) { return image >= 0 && image < world.getGameImageCount(); }
bool phraseExists(int phrase) { return phrase >= 0 && phrase < kPhraseCount; }
bool globalScoreExists(int id) { return id >= 0 && id < kGlobalScoreCount; }
bool letterExists(int letter) { return letter >= 0 && letter < kLetterCount; }
bool mapExists(int m) { return m >= 0 && m < world.getMapCount(); }

struct placedObject {
  float x = 0, y = 0, w = 0, h = 0;
  int tex = 0, layer = 0;
};

placedObject readObject(int obj) {
  placedObject o;
  world.worldGetObject(o.x, o.y, o.w, o.h, o.tex, o.layer, obj, currentMap());
  return o;
}

void writeObject(const placedObject& o, int obj) {
  world.worldSetObject(o.x, o.y, o.w, o.h, o.tex, o.layer, obj, currentMap());
}

int scoreOf(int obj) { return world.worldGetObjectScore(obj, currentMap()); }

// An object score is never stored below 0, nor beyond the int range.
void writeScore(long long value, int obj) {
  if (!objectExists(obj)) return;
  world.worldSetObjectScore(saturatedSum(value < 0 ? 0 : value, 0), obj, currentMap());
}

void resetTimers(int obj) {
  const int m = currentMap();
  for (int k = 0; k < world.mapLocalGetSentenceAmount(obj, m); ++k) world.mapLocalSetSentenceTimer(obj, m, 0, k);
}

void resetExecutionStates(int obj) {
  const int m = currentMap();
  for (int k = 0; k < world.mapLocalGetSentenceAmount(obj, m); ++k) {
    world.mapLocalSetExecutionState(obj, m, 0, k);
  }
}

// A number from 0 to n (n + 1 values) from the C generator, scaled from its
// lowest 32768 steps; wide enough that no operand overflows.
int randomUpTo(int n) {
  const long long draw = std::rand() / (RAND_MAX / kRandomRange + 1);
  return static_cast<int>(static_cast<double>(draw * (static_cast<long long>(n) + 1)) / kRandomRange);
}

// ---- objects ------------------------------------------------------------------

void setLife(bool alive, int target) {
  if (!objectExists(target)) return;
  world.worldSetObjectLife(alive, target, currentMap());
  resetTimers(target);
}

enum class Side { Up, Down, Left, Right };

// Moves target next to self on `side`, alive, its size and image kept.
void spawn(int target, int self, Side side) {
  if (!objectExists(target) || !objectExists(self)) return;
  placedObject t = readObject(target);
  const placedObject s = readObject(self);
  float obw, obh;
  world.worldGetObstructionSize(obw, obh, self, currentMap());
  resetTimers(target);
  t.x = s.x;
  t.y = s.y;
  switch (side) {
    case Side::Up: t.y = s.y + 2 * obh + kSpawnGap; break;
    case Side::Down: t.y = s.y - 2 * obh - kSpawnGap; break;
    case Side::Left: t.x = s.x - 2 * obw - kSpawnGap; break;
    case Side::Right: t.x = s.x + 2 * obw + kSpawnGap; break;
  }
  writeObject(t, target);
  world.worldSetObjectLife(true, target, currentMap());
}

// Self steps diagonally towards target, unless the step would touch it.
void seek(int self, int target) {
  if (!objectExists(target) || !objectExists(self)) return;
  const placedObject s = readObject(self), t = readObject(target);
  const float dx = t.x >= s.x ? kMoveStep : -kMoveStep;
  const float dy = t.y >= s.y ? kMoveStep : -kMoveStep;
  if (checkObjectCollide(self, dx, dy, target)) return;
  moveObject(dx, dy, self, currentMap());
}

void changeImage(int image, int self) {
  if (!imageExists(image) || !objectExists(self)) return;
  placedObject s = readObject(self);
  s.tex = image;
  writeObject(s, self);
}

void cameraOn(int target) {
  if (!objectExists(target)) return;
  const placedObject t = readObject(target);
  camera.SetPos(t.x, t.y, 0);
}

bool objectAction(int action, int target, int self) {
  const int m = currentMap();
  switch (action) {
    case kActionKillObject: setLife(false, target); break;
    case kActionReviveObject: setLife(true, target); break;
    case kActionMoveObjectUp: moveObject(0, kMoveStep, target, m); break;
    case kActionMoveObjectDown: moveObject(0, -kMoveStep, target, m); break;
    case kActionMoveObjectLeft: moveObject(-kMoveStep, 0, target, m); break;
    case kActionMoveObjectRight: moveObject(kMoveStep, 0, target, m); break;
    case kActionHideObject: world.worldSetObjectVisible(false, target, m); break;
    case kActionShowObject: world.worldSetObjectVisible(true, target, m); break;
    case kActionObjectSolid: world.worldSetObjectObstructionState(true, target, m); break;
    case kActionObjectUnsolid: world.worldSetObjectObstructionState(false, target, m); break;
    case kActionSpawnObjectUp: spawn(target, self, Side::Up); break;
    case kActionSpawnObjectDown: spawn(target, self, Side::Down); break;
    case kActionSpawnObjectLeft: spawn(target, self, Side::Left); break;
    case kActionSpawnObjectRight: spawn(target, self, Side::Right); break;
    case kActionChangeObjectImage: changeImage(target, self); break;
    case kActionSeekObject: seek(self, target); break;
    case kActionResetLogic: if (objectExists(target)) resetExecutionStates(target); break;
    case kActionCameraOnObject: cameraOn(target); break;
    default: return false;
  }
  return true;
}

// ---- scores -------------------------------------------------------------------

void addToGlobalScore(int id, int amount) {
  if (globalScoreExists(id)) world.setGlobalScore(id, saturatedSum(world.getGlobalScore(id), amount));
}

bool objectScoreAction(int action, int n, int self) {
  const long long own = scoreOf(self);
  switch (action) {
    case kActionAddToSelfScoreBy: writeScore(own + n, self); break;
    case kActionSubFromSelfScoreBy: writeScore(own - n, self); break;
    case kActionSetSelfScoreTo: writeScore(n, self); break;
    case kActionAddSelfScoreByObj: if (objectExists(n)) writeScore(own + scoreOf(n), self); break;
    case kActionSubSelfScoreByObj: if (objectExists(n)) writeScore(own - scoreOf(n), self); break;
    case kActionSetSelfScoreByObj: if (objectExists(n)) writeScore(scoreOf(n), self); break;
    case kActionAddObjectScoreByOne: writeScore(static_cast<long long>(scoreOf(n)) + 1, n); break;
    case kActionSubObjectScoreByOne: writeScore(static_cast<long long>(scoreOf(n)) - 1, n); break;
    case kActionSetObjectScoreToZero: writeScore(0, n); break;
    case kActionObjToObjScore: if (objectExists(self)) writeScore(own, n); break;
    case kActionGblToObjScore: if (globalScoreExists(n)) writeScore(world.getGlobalScore(n), self); break;
    case kActionAddObjRand: if (objectExists(self)) writeScore(own + randomUpTo(n), self); break;
    case kActionSubObjRand: if (objectExists(self)) writeScore(own - randomUpTo(n), self); break;
    case kActionSetObjRand: if (objectExists(self)) writeScore(randomUpTo(n), self); break;
    default: return false;
  }
  return true;
}

bool gameScoreAction(int action, int n, int self) {
  switch (action) {
    case kActionSetGameScore: world.setGameScore(n); break;
    case kActionAddGameScore: world.addGameScore(n); break;
    case kActionSubGameScore: world.subGameScore(n); break;
    case kActionHideGameScore: world.setGameScore(0); break;
    case kActionAddOneToGlobalScore: addToGlobalScore(n, 1); break;
    case kActionSubOneFromGlobalScore: addToGlobalScore(n, -1); break;
    case kActionResetGlobalScore: if (globalScoreExists(n)) world.setGlobalScore(n, 0); break;
    case kActionObjToGblScore: if (objectExists(self)) world.setGlobalScore(n, scoreOf(self)); break;
    default: return false;
  }
  return true;
}

// ---- what is shown ------------------------------------------------------------

void clearShown() {
  world.setGameBox(0, 0);
  world.setDisplayPhrase(-1, -1);
}

// Draws `text` above self, where the texts of objects go.
void drawAbove(int self, const std::string& text) {
  const placedObject s = readObject(self);
  platform().drawWorldText(s.x, s.y + 2 * s.h, text);
}

void gotoMap(int m) {
  if (!mapExists(m)) return;
  clearShown();
  world.setChangeMap(m);
}

bool displayAction(int action, int operand, int self) {
  switch (action) {
    case kActionDisplayImage: if (imageExists(operand)) world.setGameBox(kDisplayTime, operand); break;
    case kActionDisplayPhrase: if (phraseExists(operand)) world.setDisplayPhrase(kDisplayTime, operand); break;
    case kActionPhraseAboveObj:
      if (phraseExists(operand) && objectExists(self)) drawAbove(self, world.getPhrase(operand));
      break;
    case kActionDisplayObjectScore:
      if (objectExists(operand) && objectExists(self)) {
        drawAbove(self, world.worldGetObjectName(operand, currentMap()) + " " + std::to_string(scoreOf(operand)));
      }
      break;
    case kActionDisplayGlobalScore:
      if (globalScoreExists(operand) && objectExists(self)) {
        drawAbove(self, std::to_string(world.getGlobalScore(operand)));
      }
      break;
    case kActionGotoMap: gotoMap(operand); break;
    case kActionGotoMapObjScore: if (objectExists(operand)) gotoMap(scoreOf(operand)); break;
    case kActionGotoMapGblScore: if (globalScoreExists(operand)) gotoMap(world.getGlobalScore(operand)); break;
    case kActionRemoveImg: world.setGameBox(0, 0); break;
    case kActionRemovePhrase: world.setDisplayPhrase(-1, -1); break;
    default: return false;
  }
  return true;
}

// ---- keys, input and pointer --------------------------------------------------

const int kArrowKeys[] = {kKeyUp, kKeyDown, kKeyLeft, kKeyRight};

// An arrow key is enabled unless it is being held.
void enableUnlessHeld(int key) {
  if (gameSys.getKeyState(key) != kKeyHeld) gameSys.setKeyState(key, kKeyIdle);
}

void setArrows(int state) {
  for (int key : kArrowKeys) gameSys.setKeyState(key, state);
}

void setLetter(int letter, int state) {
  if (letterExists(letter)) gameSys.setAlphabetKeyState(letter, state);
}

bool inputAction(int action, int letter) {
  switch (action) {
    case kActionAllowInput: world.setIngameInputDisallow(false); break;
    case kActionDisallowInput: world.setIngameInputDisallow(true); break;
    case kActionEnableUpArrow: enableUnlessHeld(kKeyUp); break;
    case kActionEnableDownArrow: enableUnlessHeld(kKeyDown); break;
    case kActionEnableLeftArrow: enableUnlessHeld(kKeyLeft); break;
    case kActionEnableRightArrow: enableUnlessHeld(kKeyRight); break;
    case kActionEnableAllArrowKeys: setArrows(kKeyIdle); break;
    case kActionEnableSpaceBar: gameSys.setKeyState(kKeySpace, kKeyIdle); break;
    case kActionEnableEnter: gameSys.setKeyState(kKeyEnter, kKeyIdle); break;
    case kActionEnableKey: setLetter(letter, kKeyIdle); break;
    case kActionDisableUpArrow: gameSys.setKeyState(kKeyUp, kKeyBlocked); break;
    case kActionDisableDownArrow: gameSys.setKeyState(kKeyDown, kKeyBlocked); break;
    case kActionDisableLeftArrow: gameSys.setKeyState(kKeyLeft, kKeyBlocked); break;
    case kActionDisableRightArrow: gameSys.setKeyState(kKeyRight, kKeyBlocked); break;
    case kActionDisableAllArrowKeys: setArrows(kKeyBlocked); break;
    case kActionDisableSpaceBar: gameSys.setKeyState(kKeySpace, kKeyBlocked); break;
    case kActionDisableEnter: gameSys.setKeyState(kKeyEnter, kKeyBlocked); break;
    case kActionDisableKey: setLetter(letter, kKeyBlocked); break;
    case kActionShowMousePointer: platform().setCursor(CursorShape::Arrow); break;
    case kActionHideMousePointer: platform().setCursor(CursorShape::None); break;
    default: return false;
  }
  return true;
}

// ---- the game as a whole ------------------------------------------------------

void endGame() {
  const int state = gameSys.getGameState();
  if (state == kStatePlay) {
    loadIngameMainMenu();
  } else if (state == kStatePlaytest) {
    endPlaytest();
  }
}

bool gameStateAction(int action, int sound) {
  switch (action) {
    case kActionAnd: break;
    case kActionGameWin: world.setGameCondition(1); break;
    case kActionGameLose: world.setGameCondition(2); break;
    case kActionEnableFreelook:
      world.setFreeLook(true);
      platform().setCursor(CursorShape::Arrow);
      break;
    case kActionDisableFreelook: world.setFreeLook(false); break;
    case kActionPlaySound: playGameSound(sound, 0); break;
    case kActionPlayLoopSound: playGameSound(sound, 1); break;
    case kActionStopSound: stopGameSound(sound); break;
    case kActionStopAllSounds: stopGameSounds(); break;
    case kActionEndGame: endGame(); break;
    case kActionQuitGame: quitEngine();
    default: return false;
  }
  return true;
}

}  // namespace

bool gameAction(int action, int addInfo, int addInfo2) {
  if (action >= kActionReserved753 && action <= kActionReserved759) return true;  // reserved: no effect
  return gameStateAction(action, addInfo) || objectAction(action, addInfo, addInfo2) ||
         objectScoreAction(action, addInfo, addInfo2) || gameScoreAction(action, addInfo, addInfo2) ||
         displayAction(action, addInfo, addInfo2) || inputAction(action, addInfo);
}

}  // namespace tf
