// The step ids of the logic vocabulary, each named once: the openers (slot 0),
// the polarities (slot 2), the conditions (slot 3), the connective (slot 5)
// and the actions (slot 6) that logic files store and the evaluation, the
// actions, the vocabulary table and the editors switch on.
#pragma once

namespace tf {

// Openers: what a sentence waits for. Hidden ids are read and kept but never
// offered in the editor.
enum OpenerId : int {
  kOpenerWhenObject = 100,
  kOpenerWhileObject = 101,
  kOpenerWhenWin = 102,
  kOpenerWhenLose = 103,
  kOpenerUpPressed = 104,
  kOpenerDownPressed = 105,
  kOpenerLeftPressed = 106,
  kOpenerRightPressed = 107,
  kOpenerSpacebarPressed = 108,
  kOpenerEnterPressed = 109,
  kOpenerArrowPressed = 110,
  kOpenerKeyPressed = 111,
  kOpenerUpReleased = 112,
  kOpenerDownReleased = 113,
  kOpenerLeftReleased = 114,
  kOpenerRightReleased = 115,
  kOpenerSpaceReleased = 116,
  kOpenerEnterReleased = 117,
  kOpenerArrowsReleased = 118,
  kOpenerKeyReleased = 119,
  kOpenerWhenGameScoreEqual = 120,  // hidden
  kOpenerWhenGameScoreLess = 121,  // hidden
  kOpenerWhenGameScoreMore = 122,  // hidden
  kOpenerWhileGameScoreEqual = 123,  // hidden
  kOpenerWhileGameScoreLess = 124,  // hidden
  kOpenerWhileGameScoreMore = 125,  // hidden
  kOpenerWhenGlobalScore = 126,
  kOpenerWhileGlobalScore = 127,
  kOpenerDoOnce = 128,
  kOpenerRepeatedlyDo = 129,
  kOpenerReserved130 = 130,  // hidden
  kOpenerReserved131 = 131,  // hidden
  kOpenerEverySeconds = 132,
  kOpenerEveryMilliseconds = 133,
  kOpenerLeftClick = 134,
  kOpenerRightClick = 135,
  kOpenerLeftClickReleased = 136,
  kOpenerRightClickReleased = 137,
};

// Polarities.
enum PolarityId : int {
  kPolarityIs = 300,
  kPolarityIsNot = 301,
};

// Conditions.
enum ConditionId : int {
  kConditionTouching = 400,
  kConditionTouchingTop = 401,
  kConditionTouchingBottom = 402,
  kConditionTouchingLeft = 403,
  kConditionTouchingRight = 404,
  kConditionAnyTouch = 405,
  kConditionTopAnyTouch = 406,
  kConditionBottomAnyTouch = 407,
  kConditionLeftAnyTouch = 408,
  kConditionRightAnyTouch = 409,
  kConditionNotTouching = 410,  // hidden
  kConditionAlive = 411,
  kConditionDead = 412,
  kConditionVisible = 413,
  kConditionInvisible = 414,
  kConditionReserved415 = 415,  // hidden
  kConditionReserved416 = 416,  // hidden
  kConditionScoreMoreThan = 417,
  kConditionScoreLessThan = 418,
  kConditionScoreEqualTo = 419,
  kConditionScoreGreaterThanObj = 420,
  kConditionScoreLessThanObj = 421,
  kConditionScoreEqualToObj = 422,
  kConditionScoreGreaterThanGbl = 423,
  kConditionScoreLessThanGbl = 424,
  kConditionScoreEqualToGbl = 425,
  kConditionGreaterThan = 426,
  kConditionLessThan = 427,
  kConditionEqualTo = 428,
  kConditionGreaterThanGbl = 429,
  kConditionLessThanGbl = 430,
  kConditionEqualToGbl = 431,
  kConditionGreaterThanObj = 432,
  kConditionLessThanObj = 433,
  kConditionEqualToObj = 434,
  kConditionLClicked = 435,
  kConditionRClicked = 436,
  kConditionLReleased = 437,
  kConditionRReleased = 438,
};

// The connective.
enum ConnectiveId : int {
  kConnectiveThen = 600,
};

// Actions.
enum ActionId : int {
  kActionAnd = 700,
  kActionGameWin = 701,
  kActionGameLose = 702,
  kActionDisplayImage = 703,
  kActionDisplayPhrase = 704,
  kActionPhraseAboveObj = 705,
  kActionDisplayObjectScore = 706,
  kActionDisplayGlobalScore = 707,
  kActionKillObject = 708,
  kActionReviveObject = 709,
  kActionMoveObjectUp = 710,
  kActionMoveObjectDown = 711,
  kActionMoveObjectLeft = 712,
  kActionMoveObjectRight = 713,
  kActionHideObject = 714,
  kActionShowObject = 715,
  kActionObjectSolid = 716,
  kActionObjectUnsolid = 717,
  kActionSpawnObjectUp = 718,
  kActionSpawnObjectDown = 719,
  kActionSpawnObjectLeft = 720,
  kActionSpawnObjectRight = 721,
  kActionChangeObjectImage = 722,
  kActionSeekObject = 723,
  kActionResetLogic = 724,
  kActionCameraOnObject = 725,
  kActionEnableFreelook = 726,
  kActionDisableFreelook = 727,
  kActionPlaySound = 728,
  kActionPlayLoopSound = 729,
  kActionStopSound = 730,
  kActionStopAllSounds = 731,
  kActionSetGameScore = 732,  // hidden
  kActionAddGameScore = 733,  // hidden
  kActionSubGameScore = 734,  // hidden
  kActionHideGameScore = 735,  // hidden
  kActionAddToSelfScoreBy = 736,
  kActionSubFromSelfScoreBy = 737,
  kActionSetSelfScoreTo = 738,
  kActionAddSelfScoreByObj = 739,
  kActionSubSelfScoreByObj = 740,
  kActionSetSelfScoreByObj = 741,
  kActionAddObjectScoreByOne = 742,
  kActionSubObjectScoreByOne = 743,
  kActionSetObjectScoreToZero = 744,
  kActionAddOneToGlobalScore = 745,
  kActionSubOneFromGlobalScore = 746,
  kActionResetGlobalScore = 747,
  kActionGotoMap = 748,
  kActionGotoMapObjScore = 749,
  kActionGotoMapGblScore = 750,
  kActionEndGame = 751,
  kActionQuitGame = 752,  // hidden
  kActionReserved753 = 753,  // hidden
  kActionReserved754 = 754,  // hidden
  kActionReserved755 = 755,  // hidden
  kActionReserved756 = 756,  // hidden
  kActionReserved757 = 757,  // hidden
  kActionReserved758 = 758,  // hidden
  kActionReserved759 = 759,  // hidden
  kActionAllowInput = 760,
  kActionDisallowInput = 761,
  kActionEnableUpArrow = 762,
  kActionEnableDownArrow = 763,
  kActionEnableLeftArrow = 764,
  kActionEnableRightArrow = 765,
  kActionEnableAllArrowKeys = 766,
  kActionEnableSpaceBar = 767,
  kActionEnableEnter = 768,
  kActionEnableKey = 769,
  kActionDisableUpArrow = 770,
  kActionDisableDownArrow = 771,
  kActionDisableLeftArrow = 772,
  kActionDisableRightArrow = 773,
  kActionDisableAllArrowKeys = 774,
  kActionDisableSpaceBar = 775,
  kActionDisableEnter = 776,
  kActionDisableKey = 777,
  kActionShowMousePointer = 778,
  kActionHideMousePointer = 779,
  kActionObjToGblScore = 780,
  kActionObjToObjScore = 781,
  kActionGblToObjScore = 782,
  kActionAddObjRand = 783,
  kActionSubObjRand = 784,
  kActionSetObjRand = 785,
  kActionRemoveImg = 786,
  kActionRemovePhrase = 787,
};

}  // namespace tf
