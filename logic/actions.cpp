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
    case 708: setLife(false, target); break;
    case 709: setLife(true, target); break;
    case 710: moveObject(0, kMoveStep, target, m); break;
    case 711: moveObject(0, -kMoveStep, target, m); break;
    case 712: moveObject(-kMoveStep, 0, target, m); break;
    case 713: moveObject(kMoveStep, 0, target, m); break;
    case 714: world.worldSetObjectVisible(false, target, m); break;
    case 715: world.worldSetObjectVisible(true, target, m); break;
    case 716: world.worldSetObjectObstructionState(true, target, m); break;
    case 717: world.worldSetObjectObstructionState(false, target, m); break;
    case 718: spawn(target, self, Side::Up); break;
    case 719: spawn(target, self, Side::Down); break;
    case 720: spawn(target, self, Side::Left); break;
    case 721: spawn(target, self, Side::Right); break;
    case 722: changeImage(target, self); break;
    case 723: seek(self, target); break;
    case 724: if (objectExists(target)) resetExecutionStates(target); break;
    case 725: cameraOn(target); break;
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
    case 736: writeScore(own + n, self); break;
    case 737: writeScore(own - n, self); break;
    case 738: writeScore(n, self); break;
    case 739: if (objectExists(n)) writeScore(own + scoreOf(n), self); break;
    case 740: if (objectExists(n)) writeScore(own - scoreOf(n), self); break;
    case 741: if (objectExists(n)) writeScore(scoreOf(n), self); break;
    case 742: writeScore(static_cast<long long>(scoreOf(n)) + 1, n); break;
    case 743: writeScore(static_cast<long long>(scoreOf(n)) - 1, n); break;
    case 744: writeScore(0, n); break;
    case 781: if (objectExists(self)) writeScore(own, n); break;
    case 782: if (globalScoreExists(n)) writeScore(world.getGlobalScore(n), self); break;
    case 783: if (objectExists(self)) writeScore(own + randomUpTo(n), self); break;
    case 784: if (objectExists(self)) writeScore(own - randomUpTo(n), self); break;
    case 785: if (objectExists(self)) writeScore(randomUpTo(n), self); break;
    default: return false;
  }
  return true;
}

bool gameScoreAction(int action, int n, int self) {
  switch (action) {
    case 732: world.setGameScore(n); break;
    case 733: world.addGameScore(n); break;
    case 734: world.subGameScore(n); break;
    case 735: world.setGameScore(0); break;
    case 745: addToGlobalScore(n, 1); break;
    case 746: addToGlobalScore(n, -1); break;
    case 747: if (globalScoreExists(n)) world.setGlobalScore(n, 0); break;
    case 780: if (objectExists(self)) world.setGlobalScore(n, scoreOf(self)); break;
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
    case 703: if (imageExists(operand)) world.setGameBox(kDisplayTime, operand); break;
    case 704: if (phraseExists(operand)) world.setDisplayPhrase(kDisplayTime, operand); break;
    case 705:
      if (phraseExists(operand) && objectExists(self)) drawAbove(self, world.getPhrase(operand));
      break;
    case 706:
      if (objectExists(operand) && objectExists(self)) {
        drawAbove(self, world.worldGetObjectName(operand, currentMap()) + " " + std::to_string(scoreOf(operand)));
      }
      break;
    case 707:
      if (globalScoreExists(operand) && objectExists(self)) {
        drawAbove(self, std::to_string(world.getGlobalScore(operand)));
      }
      break;
    case 748: gotoMap(operand); break;
    case 749: if (objectExists(operand)) gotoMap(scoreOf(operand)); break;
    case 750: if (globalScoreExists(operand)) gotoMap(world.getGlobalScore(operand)); break;
    case 786: world.setGameBox(0, 0); break;
    case 787: world.setDisplayPhrase(-1, -1); break;
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
    case 760: world.setIngameInputDisallow(false); break;
    case 761: world.setIngameInputDisallow(true); break;
    case 762: enableUnlessHeld(kKeyUp); break;
    case 763: enableUnlessHeld(kKeyDown); break;
    case 764: enableUnlessHeld(kKeyLeft); break;
    case 765: enableUnlessHeld(kKeyRight); break;
    case 766: setArrows(kKeyIdle); break;
    case 767: gameSys.setKeyState(kKeySpace, kKeyIdle); break;
    case 768: gameSys.setKeyState(kKeyEnter, kKeyIdle); break;
    case 769: setLetter(letter, kKeyIdle); break;
    case 770: gameSys.setKeyState(kKeyUp, kKeyBlocked); break;
    case 771: gameSys.setKeyState(kKeyDown, kKeyBlocked); break;
    case 772: gameSys.setKeyState(kKeyLeft, kKeyBlocked); break;
    case 773: gameSys.setKeyState(kKeyRight, kKeyBlocked); break;
    case 774: setArrows(kKeyBlocked); break;
    case 775: gameSys.setKeyState(kKeySpace, kKeyBlocked); break;
    case 776: gameSys.setKeyState(kKeyEnter, kKeyBlocked); break;
    case 777: setLetter(letter, kKeyBlocked); break;
    case 778: platform().setCursor(CursorShape::Arrow); break;
    case 779: platform().setCursor(CursorShape::None); break;
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
    case 700: break;
    case 701: world.setGameCondition(1); break;
    case 702: world.setGameCondition(2); break;
    case 726:
      world.setFreeLook(true);
      platform().setCursor(CursorShape::Arrow);
      break;
    case 727: world.setFreeLook(false); break;
    case 728: playGameSound(sound, 0); break;
    case 729: playGameSound(sound, 1); break;
    case 730: stopGameSound(sound); break;
    case 731: stopGameSounds(); break;
    case 751: endGame(); break;
    case 752: quitEngine();
    default: return false;
  }
  return true;
}

}  // namespace

bool gameAction(int action, int addInfo, int addInfo2) {
  if (action >= 753 && action <= 759) return true;  // reserved: no effect
  return gameStateAction(action, addInfo) || objectAction(action, addInfo, addInfo2) ||
         objectScoreAction(action, addInfo, addInfo2) || gameScoreAction(action, addInfo, addInfo2) ||
         displayAction(action, addInfo, addInfo2) || inputAction(action, addInfo);
}

}  // namespace tf
