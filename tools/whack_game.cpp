// Whack-a-Slime: one screen of six burrows. Every second each slime rolls a
// die and shows itself on a six; clicking a slime that is up scores a point.
// Now and then a gem worth a random bonus appears, and a bat flies across
// that costs two points when clicked. 25 points within 30 seconds win.
#include <string>
#include <vector>

#include "game/world.h"
#include "game_builder.h"
#include "sample_games.h"

namespace tfgames {
namespace {

// The words of the rules, by the names the vocabulary gives their step ids.
using namespace tf;

const char* const kName = "whack";

// Sounds (games/whack/sound/1000.wav ...).
enum Sound : int { kSoundWhack, kSoundBonus, kSoundBite, kSoundWin, kSoundTimeUp, kSoundSwish, kSoundMusic };
// Own pictures (games/whack/map/10000.png ...).
constexpr int kBurrowPicture = kOwnImage, kWinPicture = kOwnImage + 1, kTimeUpPicture = kOwnImage + 2;
// Global scores: the slimes whacked, and 1 once the game is over (the clock stops).
constexpr int kWhacks = 0, kOver = 1;

enum Phrase : int { kRules, kBitten };

constexpr int kPointsToWin = 25;
constexpr int kSeconds = 30;
// A slime rolls 0 to kDieSides every second and is up on kDieSides.
constexpr int kDieSides = 3;
// The gem appears every kGemEvery seconds and stays for kGemStays.
constexpr int kGemEvery = 7, kGemStays = 3;
// A gem is worth 1 plus 0 to kGemExtra points.
constexpr int kGemExtra = 2;
// The bat sets off every kBatEvery seconds and flies one step per kBatStepMs.
constexpr int kBatEvery = 6, kBatStepMs = 30;

// The field in world units: three columns of burrows in two rows, the bat's
// lane between them, the gem above them and the signs across the top. The
// camera looks at the centre of the field.
const float kColumns[] = {0.35f, 1.05f, 1.75f};
const float kRows[] = {0.15f, 0.7f};
constexpr float kCentreX = 1.05f, kCentreY = 0.75f;
constexpr float kBatLaneY = 0.43f;
constexpr float kRoostX = -0.45f;
constexpr float kSignsY = 1.3f;

const Grid kField({
    "gggggggg",
    "gggggggg",
    "dddddddd",
    "dddddddd",
    "dddddddd",
    "dddddddd",
});

// An object that only marks a place: hidden from the first frame.
Thing marker(const std::string& name, float x, float y) { return {name, x, y, 0.1f, kGrass, 3, false, 0.1f}; }

void hideAtStart(GameBuilder& game, int m, int self) {
  game.local(m, self, rule(kOpenerDoOnce).then(kActionHideObject, self));
}

// Shows `self` while it is alive and hides it while it is dead.
void showWhileAlive(GameBuilder& game, int m, int self) {
  game.local(m, self, rule(kOpenerWhileObject, self).is(kConditionAlive).then(kActionShowObject, self));
  game.local(m, self, rule(kOpenerWhileObject, self).is(kConditionDead).then(kActionHideObject, self));
}

Rule clicked(int self) { return rule(kOpenerWhenObject, self).is(kConditionLClicked); }

void slime(GameBuilder& game, int m, int self, int score) {
  hideAtStart(game, m, self);
  game.local(m, self, rule(kOpenerEverySeconds, 1).then(kActionSetObjRand, kDieSides));
  game.local(m, self, rule(kOpenerWhileObject, self).is(kConditionScoreEqualTo, kDieSides)
      .then(kActionShowObject, self));
  game.local(m, self, rule(kOpenerWhileObject, self).is(kConditionScoreLessThan, kDieSides)
      .then(kActionHideObject, self));
  // Hidden at once: a hidden slime cannot be clicked twice.
  game.local(m, self, clicked(self).then(kActionHideObject, self));
  game.local(m, self, clicked(self).then(kActionSetSelfScoreTo, 0));
  game.local(m, self, clicked(self).then(kActionAddObjectScoreByOne, score));
  game.local(m, self, clicked(self).then(kActionAddOneToGlobalScore, kWhacks));
  game.local(m, self, clicked(self).then(kActionPlaySound, kSoundWhack));
}

void gem(GameBuilder& game, int m, int self) {
  game.local(m, self, rule(kOpenerDoOnce).then(kActionKillObject, self));
  showWhileAlive(game, m, self);
  game.local(m, self, rule(kOpenerEverySeconds, kGemStays).then(kActionKillObject, self));
  game.local(m, self, clicked(self).then(kActionKillObject, self));
  game.local(m, self, clicked(self).then(kActionAddToSelfScoreBy, 1));
  game.local(m, self, clicked(self).then(kActionAddObjRand, kGemExtra));
  game.local(m, self, clicked(self).then(kActionPlaySound, kSoundBonus));
}

void bat(GameBuilder& game, int m, int self, int score) {
  game.local(m, self, rule(kOpenerEveryMilliseconds, kBatStepMs).then(kActionMoveObjectRight, self));
  showWhileAlive(game, m, self);
  game.local(m, self, clicked(self).then(kActionKillObject, self));
  game.local(m, self, clicked(self).then(kActionSubObjectScoreByOne, score));
  game.local(m, self, clicked(self).then(kActionSubObjectScoreByOne, score));
  game.local(m, self, clicked(self).then(kActionPlaySound, kSoundBite));
  game.local(m, self, clicked(self).then(kActionDisplayPhrase, kBitten));
}

// The score sign shows the points, takes in a clicked gem's points and
// declares the win.
void scoreSign(GameBuilder& game, int m, int self, int gemObject) {
  game.local(m, self, rule(kOpenerRepeatedlyDo).then(kActionDisplayObjectScore, self));
  game.local(m, self, rule(kOpenerRepeatedlyDo).then(kActionAddSelfScoreByObj, gemObject));
  game.local(m, self, rule(kOpenerRepeatedlyDo).then(kActionSetObjectScoreToZero, gemObject));
  const Rule won = rule(kOpenerWhenObject, self).is(kConditionScoreMoreThan, kPointsToWin - 1);
  game.local(m, self, Rule(won).then(kActionAddOneToGlobalScore, kOver));
  game.local(m, self, Rule(won).then(kActionPlaySound, kSoundWin));
  game.local(m, self, Rule(won).then(kActionDisplayImage, kWinPicture));
  game.local(m, self, Rule(won).then(kActionGameWin));
}

// The clock counts down from thirty, one a second, until the game is over;
// at zero the game is lost.
void clock(GameBuilder& game, int m, int self) {
  game.local(m, self, rule(kOpenerDoOnce).then(kActionSetSelfScoreTo, kSeconds));
  game.local(m, self, rule(kOpenerRepeatedlyDo).then(kActionDisplayObjectScore, self));
  game.local(m, self, rule(kOpenerEverySeconds, 1).then(kActionAnd));
  game.local(m, self, rule(kOpenerWhileGlobalScore, kOver).is(kConditionEqualTo, 0).then(kActionSubFromSelfScoreBy, 1));
  const Rule timeUp = rule(kOpenerWhenObject, self).is(kConditionScoreEqualTo, 0);
  game.local(m, self, Rule(timeUp).then(kActionAddOneToGlobalScore, kOver));
  game.local(m, self, Rule(timeUp).then(kActionPlaySound, kSoundTimeUp));
  game.local(m, self, Rule(timeUp).then(kActionDisplayImage, kTimeUpPicture));
  game.local(m, self, Rule(timeUp).then(kActionGameLose));
}

void makeField(GameBuilder& game) {
  const int m = game.addMap("Field", kField);
  game.paint(m, kField, [](char c) { return c == 'g' ? kGrass : kDirtPath; });

  std::vector<int> slimes;
  for (float y : kRows) {
    for (float x : kColumns) {
      const std::string n = std::to_string(slimes.size() + 1);
      game.addObject(m, {"Burrow" + n, x, y, 0.14f, kBurrowPicture, 0, false, 0.1f});
      slimes.push_back(game.addObject(m, {"Slime" + n, x, y, 0.12f, kSlimeImage, 1, false, 0.1f}));
    }
  }
  const int centre = game.addObject(m, marker("Centre", kCentreX, kCentreY));
  const int gemObject = game.addObject(m, {"Gem", kCentreX, 1.0f, 0.09f, kGem, 1, false, 0.08f});
  const int roost = game.addObject(m, marker("Roost", kRoostX, kBatLaneY));
  const int batObject = game.addObject(m, {"Bat", -0.2f, kBatLaneY, 0.12f, kBatImage, 2, false, 0.1f});
  const int score = game.addObject(m, {"Score", 0.25f, kSignsY, 0.1f, kSignPost, 1, false, 0.1f});
  const int whacks = game.addObject(m, {"Whacks", kCentreX, kSignsY, 0.08f, kSlimeImage, 1, false, 0.08f});
  const int time = game.addObject(m, {"Time", 1.75f, kSignsY, 0.1f, kTorch, 1, false, 0.1f});

  game.global(m, rule(kOpenerDoOnce).then(kActionCameraOnObject, centre));
  game.global(m, rule(kOpenerDoOnce).then(kActionDisplayPhrase, kRules));
  game.global(m, rule(kOpenerDoOnce).then(kActionPlayLoopSound, kSoundMusic));
  game.global(m, rule(kOpenerRightClick).then(kActionDisplayPhrase, kRules));
  game.global(m, rule(kOpenerLeftClick).then(kActionPlaySound, kSoundSwish));
  game.global(m, rule(kOpenerKeyPressed, kGiveUpLetter).then(kActionRemovePhrase));
  game.global(m, rule(kOpenerKeyPressed, kGiveUpLetter).then(kActionEndGame));
  for (int opener : {kOpenerWhenWin, kOpenerWhenLose}) {
    game.global(m, rule(opener).then(kActionDisallowInput));
    game.global(m, rule(opener).then(kActionStopSound, kSoundMusic));
    game.global(m, rule(opener).then(kActionEndGame));
  }

  for (int s : slimes) slime(game, m, s, score);
  hideAtStart(game, m, centre);
  game.local(m, centre, rule(kOpenerEverySeconds, kGemEvery).then(kActionSpawnObjectUp, gemObject));
  gem(game, m, gemObject);
  hideAtStart(game, m, roost);
  game.local(m, roost, rule(kOpenerEverySeconds, kBatEvery).then(kActionSpawnObjectRight, batObject));
  bat(game, m, batObject, score);
  scoreSign(game, m, score, gemObject);
  game.local(m, whacks, rule(kOpenerRepeatedlyDo).then(kActionDisplayGlobalScore, kWhacks));
  clock(game, m, time);
}

void phrases(GameBuilder& game) {
  game.phrase(kRules, "Click the slimes! " + std::to_string(kPointsToWin) + " points in " + std::to_string(kSeconds) +
                          " seconds. Gems: bonus. Bats bite!");
  game.phrase(kBitten, "Ouch! The bat bit you: 2 points lost.");
}

void menus() {
  MenuBuilder menu;
  menu.titleMenu(firstOwnMenuPicture(),
                 std::to_string(kPointsToWin) + " points in " + std::to_string(kSeconds) + " seconds: whack the slimes!",
                 "^yLeft click^w whack   ^yRight click^w the rules   ^yQ^w give up   ^yEscape^w pause");
  menu.pauseMenu("^yLeft click^w whack   ^yRight click^w the rules   ^yQ^w give up");
  menu.save();
}

void help() {
  writeHelp(kName, "^3^yWhack-a-Slime^w:",
            {{"How to play",
              {"Slimes pop out of the six burrows. Click one while",
               "it is up to whack it: one point.",
               "",
               "Make ^y" + std::to_string(kPointsToWin) + " points^w before the clock above the torch",
               "runs down from ^y" + std::to_string(kSeconds) + "^w, and you win.",
               "",
               "^yLeft click^w - whack.",
               "^yRight click^w - show the rules again.",
               "^yEscape^w - pause: resume, or back to the menu.",
               "^yQ^w - give up: straight back to the menu.",
               "",
               "A click anywhere puts a message away."}},
             {"Gems and bats",
              {"Every few seconds a ^ygem^w sparkles above the",
               "middle burrows for three seconds. Click it for a",
               "bonus of 1 to 3 points.",
               "",
               "A ^ybat^w flies across between the burrows. Do not",
               "click it: it bites, and costs you 2 points.",
               "",
               "The sign shows your points, the slime between the",
               "signs how many slimes you whacked, the torch the",
               "seconds left."}},
             {"How it is made",
              {"Whack-a-Slime is made only of logic sentences.",
               "Open it in the editor to read them. A few:",
               "",
               "Slime: ^yEvery seconds^w 1 ^ythen set obj rand^w 3,",
               "  ^yWhile object is score equal to^w 3 ^ythen show",
               "  ^yobject^w, and ^yWhen object is L. Clicked then",
               "  ^yadd object score by 1^w, the score sign.",
               "Gem: ^yWhen object is L. Clicked then add obj rand^w 2",
               "Clock: ^yEvery seconds^w 1 ^ythen and^w, ^yWhile global",
               "  ^yscore^w 1 ^yis equal to^w 0 ^ythen sub from self",
               "  ^yscore by^w 1. So it stops once the game is over.",
               "Map: ^yRight click then display phrase^w 0."}}});
}

}  // namespace

void makeWhack() {
  GameBuilder game(kName);
  phrases(game);
  makeField(game);
  game.save();
  menus();
  help();
}

}  // namespace tfgames
