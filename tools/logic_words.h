// The words of the logic vocabulary by name, and a sentence written the way
// the logic editor shows it: opener, "is" or "is not", condition, "then",
// action, each word with its operand.
#pragma once

#include <array>

namespace tfgames {

// Openers (slot 0).
enum Opener : int {
  WhenObject = 100,
  WhileObject = 101,
  WhenWin = 102,
  WhenLose = 103,
  UpPressed = 104,
  DownPressed = 105,
  LeftPressed = 106,
  RightPressed = 107,
  SpacebarPressed = 108,
  EnterPressed = 109,
  ArrowPressed = 110,
  KeyPressed = 111,
  UpReleased = 112,
  DownReleased = 113,
  LeftReleased = 114,
  RightReleased = 115,
  SpaceReleased = 116,
  EnterReleased = 117,
  ArrowsReleased = 118,
  KeyReleased = 119,
  WhenGlobalScore = 126,
  WhileGlobalScore = 127,
  DoOnce = 128,
  RepeatedlyDo = 129,
  EverySeconds = 132,
  EveryMilliseconds = 133,
  LeftClick = 134,
  RightClick = 135,
  LeftClickReleased = 136,
  RightClickReleased = 137,
};

// Conditions (slot 3).
enum Condition : int {
  Touching = 400,
  TouchingTop = 401,
  TouchingBottom = 402,
  TouchingLeft = 403,
  TouchingRight = 404,
  AnyTouch = 405,
  Alive = 411,
  Dead = 412,
  Visible = 413,
  Invisible = 414,
  ScoreMoreThan = 417,
  ScoreLessThan = 418,
  ScoreEqualTo = 419,
  ScoreGreaterThanObj = 420,
  ScoreLessThanObj = 421,
  ScoreEqualToObj = 422,
  GreaterThan = 426,  // of a global score
  LessThan = 427,
  EqualTo = 428,
  LClicked = 435,
  RClicked = 436,
  LReleased = 437,
  RReleased = 438,
};

// Actions (slot 6).
enum Action : int {
  And = 700,
  GameWin = 701,
  GameLose = 702,
  DisplayImage = 703,
  DisplayPhrase = 704,
  PhraseAboveObj = 705,
  DisplayObjectScore = 706,
  DisplayGlobalScore = 707,
  KillObject = 708,
  ReviveObject = 709,
  MoveObjectUp = 710,
  MoveObjectDown = 711,
  MoveObjectLeft = 712,
  MoveObjectRight = 713,
  HideObject = 714,
  ShowObject = 715,
  ObjectSolid = 716,
  ObjectUnsolid = 717,
  SpawnObjectUp = 718,
  SpawnObjectDown = 719,
  SpawnObjectLeft = 720,
  SpawnObjectRight = 721,
  ChangeObjectImage = 722,
  SeekObject = 723,
  ResetLogic = 724,
  CameraOnObject = 725,
  PlaySound = 728,
  PlayLoopSound = 729,
  StopSound = 730,
  StopAllSounds = 731,
  AddToSelfScoreBy = 736,
  SubFromSelfScoreBy = 737,
  SetSelfScoreTo = 738,
  AddSelfScoreByObj = 739,
  SubSelfScoreByObj = 740,
  SetSelfScoreByObj = 741,
  AddObjectScoreBy1 = 742,
  SubObjectScoreBy1 = 743,
  SetObjectScoreTo0 = 744,
  Add1ToGlobalScore = 745,
  Sub1FromGlobalScore = 746,
  ResetGlobalScore = 747,
  GotoMap = 748,
  EndGame = 751,
  AllowInput = 760,
  DisallowInput = 761,
  EnableAllArrowKeys = 766,
  DisableAllArrowKeys = 774,
  ShowMousePointer = 778,
  HideMousePointer = 779,
  ObjToGblScore = 780,
  AddObjRand = 783,
  SetObjRand = 785,
  RemoveImg = 786,
  RemovePhrase = 787,
};

// One sentence, slot by slot. A new rule holds what the logic editor puts in a
// new sentence; the words that follow fill in the rest:
//   rule(WhenObject, coin).is(Touching, player).then(Add1ToGlobalScore, 0)
//   rule(UpPressed).then(MoveObjectUp, player)
struct Rule {
  std::array<int, 8> steps{WhenObject, 0, 300, Touching, 0, 600, And, 0};

  Rule& is(int condition, int operand = 0) { return compare(300, condition, operand); }
  Rule& isNot(int condition, int operand = 0) { return compare(301, condition, operand); }
  Rule& then(int action, int operand = 0) {
    steps[6] = action;
    steps[7] = operand;
    return *this;
  }

 private:
  Rule& compare(int polarity, int condition, int operand) {
    steps[2] = polarity;
    steps[3] = condition;
    steps[4] = operand;
    return *this;
  }
};

inline Rule rule(int opener, int operand = 0) {
  Rule r;
  r.steps[0] = opener;
  r.steps[1] = operand;
  return r;
}

}  // namespace tfgames
