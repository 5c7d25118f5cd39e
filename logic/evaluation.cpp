// The evaluator: the per-frame pass with its timers and "and" chains, the key
// and mouse passes, and the conditions on objects and global scores.
#include "logic/evaluation.h"

#include "core/clock.h"
#include "core/keys.h"
#include "core/numbers.h"
#include "core/run_state.h"
#include "core/system.h"
#include "game/lifecycle.h"
#include "game/vocabulary.h"
#include "game/world.h"
#include "logic/actions.h"
#include "logic/collision.h"

namespace tf {
namespace {

// Set when a sentence ending in "and" fails: the rest of its chain is skipped.
bool andBlock = false;
int lastSentenceTimerCheck = 0;
int lastSentenceMilTimerCheck = 0;

// Forgets the "and" chain in progress and the times of the last timer ticks.
void resetLogicState() {
  andBlock = false;
  lastSentenceTimerCheck = 0;
  lastSentenceMilTimerCheck = 0;
}
const bool registered = registerRunStateReset(resetLogicState);

constexpr int kSecondMs = 1000;

// The timer ticks of one frame.
struct frameTicks {
  bool second = false;
  int milliseconds = 0;  // 0: no millisecond tick
};

bool playing() {
  const int state = gameSys.getGameState();
  return state == kStatePlay || state == kStatePlaytest;
}

frameTicks takeTicks() {
  frameTicks ticks;
  const int now = elapsedMs();
  if (static_cast<long long>(lastSentenceTimerCheck) + kSecondMs < now) {
    lastSentenceTimerCheck = now;
    ticks.second = true;
  }
  if (static_cast<long long>(lastSentenceMilTimerCheck) + 1 < now) {
    ticks.milliseconds = saturatedSum(now, -static_cast<long long>(lastSentenceMilTimerCheck));
    lastSentenceMilTimerCheck = now;
  }
  return ticks;
}

// How much the timer of a sentence with `opener` grows in this frame.
int timerGrowth(int opener, const frameTicks& ticks) {
  if (opener == kOpenerEverySeconds) return ticks.second ? 1 : 0;
  if (opener == kOpenerEveryMilliseconds) return ticks.milliseconds;
  return 0;
}

// The objects of the current map, read afresh at every step.
int objectCount() { return world.worldGetObjectCount(world.getCurrentMap()); }

// Where a sentence lives: the global list of map `m` or the local list of object `obj`.
struct sentenceHome {
  bool global;
  int holder;  // the map (global) or the object (local)
  int k;       // the sentence's place in its list
};

sentence readSentence(const sentenceHome& at) {
  const int m = world.getCurrentMap();
  return at.global ? world.mapGlobalGetWholeSentence(at.holder, at.k)
                   : world.mapLocalGetWholeSentence(at.holder, m, at.k);
}

void writeTimer(const sentenceHome& at, int timer) {
  if (at.global) {
    world.mapGlobalSetSentenceTimer(at.holder, timer, at.k);
  } else {
    world.mapLocalSetSentenceTimer(at.holder, world.getCurrentMap(), timer, at.k);
  }
}

void writeExecutionState(const sentenceHome& at, int state) {
  if (at.global) {
    world.mapGlobalSetExecutionState(at.holder, state, at.k);
  } else {
    world.mapLocalSetExecutionState(at.holder, world.getCurrentMap(), state, at.k);
  }
}

int sentenceCount(const sentenceHome& list) {
  return list.global ? world.mapGlobalGetSentenceAmount(list.holder)
                     : world.mapLocalGetSentenceAmount(list.holder, world.getCurrentMap());
}

// Grows the sentence's timer by this frame's ticks, then evaluates it.
void runTimedSentence(const sentenceHome& at, const frameTicks& ticks) {
  const sentence before = readSentence(at);
  const int growth = timerGrowth(before.getSentenceStep(kSlotOpener), ticks);
  if (growth != 0) writeTimer(at, saturatedSum(before.getTimer(), growth));
  sentenceAction(readSentence(at), at.global, at.holder, at.k);
}

// Calls `evaluate` on every sentence of the current map: global logic first,
// then each object's local logic, object by object.
template <typename Evaluate>
void forEverySentence(Evaluate evaluate) {
  const int m = world.getCurrentMap();
  for (sentenceHome at{true, m, 0}; at.k < sentenceCount(at); ++at.k) evaluate(at);
  for (int o = 0; o < objectCount(); ++o) {
    for (sentenceHome at{false, o, 0}; at.k < sentenceCount(at); ++at.k) evaluate(at);
  }
}

// The subject of a sentence: slot 1 in global logic, the owner in local logic.
int selfOf(const sentence& s, bool global, int owner) {
  return global ? s.getSentenceStep(kSlotOpenerOperand) : owner;
}

// The hidden game score openers: equal, less or more than the value.
bool gameScoreCompare(int opener, int value) {
  const int score = world.getGameScore();
  switch (opener) {
    case kOpenerWhenGameScoreEqual: case kOpenerWhileGameScoreEqual: return score == value;
    case kOpenerWhenGameScoreLess: case kOpenerWhileGameScoreLess: return score < value;
    default: return score > value;
  }
}

enum class Firing { Never, Once, EveryFrame, Timer };

// Whether the opener's test holds for sentence s in this pass, and how it fires.
Firing openerFiring(const sentence& s, bool& holds) {
  const int opener = s.getSentenceStep(kSlotOpener);
  const int operand = s.getSentenceStep(kSlotOpenerOperand);
  const bool positive = s.getSentenceStep(kSlotPolarity) == kPolarityIs;
  const int condition = s.getSentenceStep(kSlotCondition);
  const int conditionOperand = s.getSentenceStep(kSlotConditionOperand);
  switch (opener) {
    case kOpenerWhenObject:
    case kOpenerWhileObject:
      holds = compareObjects(operand, condition, conditionOperand) == positive;
      return opener == kOpenerWhenObject ? Firing::Once : Firing::EveryFrame;
    case kOpenerWhenWin: holds = world.getGameCondition() == 1; return Firing::EveryFrame;
    case kOpenerWhenLose: holds = world.getGameCondition() == 2; return Firing::EveryFrame;
    case kOpenerWhenGameScoreEqual:
    case kOpenerWhenGameScoreLess:
    case kOpenerWhenGameScoreMore:
      holds = gameScoreCompare(opener, operand);
      return Firing::Once;
    case kOpenerWhileGameScoreEqual:
    case kOpenerWhileGameScoreLess:
    case kOpenerWhileGameScoreMore:
      holds = gameScoreCompare(opener, operand);
      return Firing::EveryFrame;
    case kOpenerWhenGlobalScore:
    case kOpenerWhileGlobalScore:
      holds = compareGlobalScore(operand, condition, conditionOperand) == positive;
      return opener == kOpenerWhenGlobalScore ? Firing::Once : Firing::EveryFrame;
    case kOpenerDoOnce: holds = true; return Firing::Once;
    case kOpenerRepeatedlyDo: holds = true; return Firing::EveryFrame;
    case kOpenerReserved130:
    case kOpenerReserved131:
      holds = positive ? compareLabel(operand, condition, conditionOperand) : true;
      return Firing::EveryFrame;
    case kOpenerEverySeconds:
    case kOpenerEveryMilliseconds:
      holds = s.getTimer() >= operand;
      return Firing::Timer;
    default: holds = false; return Firing::Never;
  }
}

bool fire(const sentence& s, int self) {
  gameAction(s.getSentenceStep(kSlotAction), s.getSentenceStep(kSlotActionOperand), self);
  return true;
}

bool keyState(int key, int state) { return gameSys.getKeyState(key) == state; }

bool anyArrow(int state) {
  return keyState(kKeyUp, state) || keyState(kKeyDown, state) || keyState(kKeyLeft, state) ||
         keyState(kKeyRight, state);
}

bool keyOpenerHolds(int opener, int letter) {
  switch (opener) {
    case kOpenerUpPressed: return keyState(kKeyUp, kKeyHeld);
    case kOpenerDownPressed: return keyState(kKeyDown, kKeyHeld);
    case kOpenerLeftPressed: return keyState(kKeyLeft, kKeyHeld);
    case kOpenerRightPressed: return keyState(kKeyRight, kKeyHeld);
    case kOpenerSpacebarPressed: return keyState(kKeySpace, kKeyHeld);
    case kOpenerEnterPressed: return keyState(kKeyEnter, kKeyHeld);
    case kOpenerArrowPressed: return anyArrow(kKeyHeld);
    case kOpenerKeyPressed: return gameSys.getCurrentAlphabetKey() == letter;
    case kOpenerUpReleased: return keyState(kKeyUp, kKeyReleased);
    case kOpenerDownReleased: return keyState(kKeyDown, kKeyReleased);
    case kOpenerLeftReleased: return keyState(kKeyLeft, kKeyReleased);
    case kOpenerRightReleased: return keyState(kKeyRight, kKeyReleased);
    case kOpenerSpaceReleased: return keyState(kKeySpace, kKeyReleased);
    case kOpenerEnterReleased: return keyState(kKeyEnter, kKeyReleased);
    case kOpenerArrowsReleased: return anyArrow(kKeyReleased);
    case kOpenerKeyReleased: return gameSys.getAlphabetKeyState(letter) == kKeyReleased;
    default: return false;
  }
}

bool mouseOpenerHolds(int opener) {
  switch (opener) {
    case kOpenerLeftClick: return gameSys.getLeftMouse() == kMousePress;
    case kOpenerRightClick: return gameSys.getRightMouse() == kMousePress;
    case kOpenerLeftClickReleased: return gameSys.getLeftMouse() == kMouseRelease;
    case kOpenerRightClickReleased: return gameSys.getRightMouse() == kMouseRelease;
    default: return false;
  }
}

bool clickConditionHolds(int condition) {
  switch (condition) {
    case kConditionLClicked: return gameSys.getLeftMouse() == kMousePress;
    case kConditionRClicked: return gameSys.getRightMouse() == kMousePress;
    case kConditionLReleased: return gameSys.getLeftMouse() == kMouseRelease;
    case kConditionRReleased: return gameSys.getRightMouse() == kMouseRelease;
    default: return false;
  }
}

// Steps shared by the key and mouse passes: input allowed, and a shown image
// whose time is up taken down.
bool eventLogicMayRun() {
  if (!playing() || world.getIngameInputDisallow()) return false;
  int timer = 0, image = 0;
  world.getGameBox(timer, image);
  if (timer == 1) world.setGameBox(0, 0);
  return true;
}

// ---- conditions on objects ------------------------------------------------------

struct objectView {
  float x, y, w, h;
  int tex, layer;
};

objectView viewOf(int obj) {
  objectView v;
  world.worldGetObject(v.x, v.y, v.w, v.h, v.tex, v.layer, obj, world.getCurrentMap());
  return v;
}

bool sameLayer(int a, int b) { return viewOf(a).layer == viewOf(b).layer; }

// The five probes: in place, and d to the right, left, up and down.
void fiveProbes(float d, touchProbe probes[5]) {
  probes[0] = {0, 0};
  probes[1] = {d, 0};
  probes[2] = {-d, 0};
  probes[3] = {0, d};
  probes[4] = {0, -d};
}

bool touchesAtAll(int objectNum, float d, int other) {
  touchProbe probes[5];
  fiveProbes(d, probes);
  for (const touchProbe& p : probes) {
    if (checkObjectCollide(objectNum, p.dx, p.dy, other)) return true;
  }
  return false;
}

bool touchCondition(int objectNum, int toCompare, int other) {
  if (!sameLayer(objectNum, other)) return false;
  switch (toCompare) {
    case kConditionTouching: return touchesAtAll(objectNum, kTouchDistance, other);
    case kConditionTouchingTop: return checkObjectCollide(objectNum, 0, kTouchDistance, other);
    case kConditionTouchingBottom: return checkObjectCollide(objectNum, 0, -kTouchDistance, other);
    case kConditionTouchingLeft: return checkObjectCollide(objectNum, -kTouchDistance, 0, other);
    case kConditionTouchingRight: return checkObjectCollide(objectNum, kTouchDistance, 0, other);
    default: return !touchesAtAll(objectNum, kNearTouchDistance, other);  // kConditionNotTouching
  }
}

bool anyTouchCondition(int objectNum, int toCompare) {
  touchProbe probes[5];
  fiveProbes(kTouchDistance, probes);
  switch (toCompare) {
    case kConditionAnyTouch: return touchesAnotherOnLayer(objectNum, probes, 5);
    case kConditionTopAnyTouch: return touchesAnotherOnLayer(objectNum, &probes[3], 1);
    case kConditionBottomAnyTouch: return touchesAnotherOnLayer(objectNum, &probes[4], 1);
    case kConditionLeftAnyTouch: return touchesAnotherOnLayer(objectNum, &probes[2], 1);
    default: return touchesAnotherOnLayer(objectNum, &probes[1], 1);  // kConditionRightAnyTouch
  }
}

bool scoreCondition(int objectNum, int toCompare, int addInfo) {
  const int m = world.getCurrentMap();
  const int score = world.worldGetObjectScore(objectNum, m);
  switch (toCompare) {
    case kConditionScoreMoreThan: return score > addInfo;
    case kConditionScoreLessThan: return score < addInfo;
    case kConditionScoreEqualTo: return score == addInfo;
    case kConditionScoreGreaterThanObj: return score > world.worldGetObjectScore(addInfo, m);
    case kConditionScoreLessThanObj: return score < world.worldGetObjectScore(addInfo, m);
    case kConditionScoreEqualToObj: return score == world.worldGetObjectScore(addInfo, m);
    case kConditionScoreGreaterThanGbl: return score > world.getGlobalScore(addInfo);
    case kConditionScoreLessThanGbl: return score < world.getGlobalScore(addInfo);
    default: return score == world.getGlobalScore(addInfo);  // kConditionScoreEqualToGbl
  }
}

}  // namespace

// ---- the passes -----------------------------------------------------------------

void updateLogic(bool overrideTimer) {
  if (!playing()) return;
  if (world.getChangeMap() != -1) {
    changeMap(world.getChangeMap());
    world.setChangeMap(-1);
  }
  const frameTicks ticks = takeTicks();
  forEverySentence([&](const sentenceHome& at) { runTimedSentence(at, ticks); });
}

void updateKeyLogic() {
  if (!eventLogicMayRun()) return;
  forEverySentence([](const sentenceHome& at) {
    sentenceActionKeyboard(readSentence(at), at.global, at.holder, at.k);
  });
}

void updateMouseLogic() {
  if (!eventLogicMayRun()) return;
  forEverySentence([](const sentenceHome& at) {
    sentenceActionMouse(readSentence(at), at.global, at.holder, at.k);
  });
}

void updateHeldKeyLogic() {
  for (int key = 0; key < kSpecialKeyCount; ++key) {
    if (gameSys.getKeyState(key) == kKeyHeld) {
      updateKeyLogic();
      return;
    }
  }
  for (int letter = 0; letter < kLetterCount; ++letter) {
    if (gameSys.getAlphabetKeyState(letter) == kKeyHeld) {
      updateKeyLogic();
      return;
    }
  }
}

bool sentenceAction(sentence curSentence, bool global, int addInfo, int sentenceNum) {
  if (sentenceNum == 0) andBlock = false;
  const bool linksOn = curSentence.getSentenceStep(kSlotAction) == kActionAnd;
  if (andBlock) {
    if (!linksOn) andBlock = false;
    return false;
  }
  const int self = selfOf(curSentence, global, addInfo);
  if (!global && checkStepType(curSentence.getSentenceStep(kSlotOpener)) == kObjectOperand) {
    curSentence.setSentenceStep(kSlotOpenerOperand, addInfo);
  }
  const sentenceHome at{global, addInfo, sentenceNum};
  bool holds = false;
  const Firing firing = openerFiring(curSentence, holds);
  bool fired = false;
  if (holds && firing == Firing::EveryFrame) {
    fired = fire(curSentence, self);
  } else if (holds && firing == Firing::Once && curSentence.getExecutionState() < 1) {
    fired = fire(curSentence, self);
    writeExecutionState(at, 1);
  } else if (holds && firing == Firing::Timer) {
    fired = fire(curSentence, self);
    writeTimer(at, 0);
  }
  if (!fired && linksOn) andBlock = true;
  return fired;
}

bool sentenceActionKeyboard(sentence curSentence, bool global, int addInfo, int sentenceNum) {
  const int self = selfOf(curSentence, global, curSentence.getOwner());
  if (!keyOpenerHolds(curSentence.getSentenceStep(kSlotOpener), curSentence.getSentenceStep(kSlotOpenerOperand))) {
    return false;
  }
  return fire(curSentence, self);
}

bool sentenceActionMouse(sentence curSentence, bool global, int addInfo, int sentenceNum) {
  const int self = selfOf(curSentence, global, curSentence.getOwner());
  const int opener = curSentence.getSentenceStep(kSlotOpener);
  const bool holds = opener == kOpenerWhenObject || opener == kOpenerWhileObject
                         ? clickConditionHolds(curSentence.getSentenceStep(kSlotCondition)) &&
                               world.getSelectedObject() == self
                         : mouseOpenerHolds(opener);
  return holds && fire(curSentence, self);
}

bool compareObjects(int objectNum, int toCompare, int addInfo) {
  const int m = world.getCurrentMap();
  switch (toCompare) {
    case kConditionTouching:
    case kConditionTouchingTop:
    case kConditionTouchingBottom:
    case kConditionTouchingLeft:
    case kConditionTouchingRight:
    case kConditionNotTouching:
      return touchCondition(objectNum, toCompare, addInfo);
    case kConditionAnyTouch:
    case kConditionTopAnyTouch:
    case kConditionBottomAnyTouch:
    case kConditionLeftAnyTouch:
    case kConditionRightAnyTouch:
      return anyTouchCondition(objectNum, toCompare);
    case kConditionAlive: return world.worldGetObjectLife(objectNum, m);
    case kConditionDead: return !world.worldGetObjectLife(objectNum, m);
    case kConditionVisible: return world.worldGetObjectVisible(objectNum, m);
    case kConditionInvisible: return !world.worldGetObjectVisible(objectNum, m);
    case kConditionScoreMoreThan:
    case kConditionScoreLessThan:
    case kConditionScoreEqualTo:
    case kConditionScoreGreaterThanObj:
    case kConditionScoreLessThanObj:
    case kConditionScoreEqualToObj:
    case kConditionScoreGreaterThanGbl:
    case kConditionScoreLessThanGbl:
    case kConditionScoreEqualToGbl:
      return scoreCondition(objectNum, toCompare, addInfo);
    default: return false;
  }
}

bool compareGlobalScore(int firstValue, int compareType, int compareValue) {
  const int score = world.getGlobalScore(firstValue);
  const int objectScore = world.worldGetObjectScore(compareValue, world.getCurrentMap());
  switch (compareType) {
    case kConditionGreaterThan: return score > compareValue;
    case kConditionLessThan: return score < compareValue;
    case kConditionEqualTo: return score == compareValue;
    case kConditionGreaterThanGbl: return score > world.getGlobalScore(compareValue);
    case kConditionLessThanGbl: return score < world.getGlobalScore(compareValue);
    case kConditionEqualToGbl: return score == world.getGlobalScore(compareValue);
    case kConditionGreaterThanObj: return score > objectScore;
    case kConditionLessThanObj: return score < objectScore;
    case kConditionEqualToObj: return score == objectScore;
    default: return false;
  }
}

bool compareLabel(int labelNum, int toCompare, int addInfo) { return false; }

}  // namespace tf
