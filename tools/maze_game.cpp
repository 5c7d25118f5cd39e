// Coin Maze: a top-down maze in two maps. In the garden the player gathers
// five coins while a bat, woken by the first coin, flies over the hedges
// towards them; the coins open the garden gate, which leads down into the
// crypt. There a lever opens the gate to the flag, while a slime crawls after
// the player and spikes wait on the floor.
#include <string>
#include <vector>

#include "game/world.h"
#include "game_builder.h"
#include "sample_games.h"

namespace tfgames {
namespace {

// The words of the rules, by the names the vocabulary gives their step ids.
using namespace tf;

const char* const kName = "maze";

// Sounds (games/maze/sound/1000.wav ...).
enum Sound : int { kSoundCoin, kSoundGate, kSoundCaught, kSoundWin, kSoundLever };
// Global score 0 counts the coins.
constexpr int kCoins = 0;
constexpr int kCoinsToOpen = 5;
// The win picture, games/maze/map/10000.png.
constexpr int kWinPicture = kOwnImage;

enum Phrase : int {
  kIntro,
  kBatWakes,
  kGardenGateOpen,
  kGateLocked,
  kCaughtByBat,
  kGardenHint,
  kCryptIntro,
  kCryptHint,
  kCryptGateOpen,
  kSpiked,
  kSlimed,
};

// The bat flies one step towards the player this often; the slime crawls.
constexpr int kBatStepMs = 80;
constexpr int kSlimeStepMs = 75;

// '#' hedge, '.' path, 'c' coin, 'G' gate, 'P' player, 'B' bat.
const Grid kGarden({
    "###############",
    "#c....#......c#",
    "#.###.#.####..#",
    "#...#...#....##",
    "###.#####.##..#",
    "#c..#.P...#..c#",
    "#.###.###.#.###",
    "#.....#.....#.G",
    "#.###.#.###.#.#",
    "#...#.B.#c....#",
    "###############",
});

// '#' wall, 't' wall with a torch, '.' floor, 'K' lever, '^' spikes, 'G'
// gate, 'F' flag, 'P' player, 'S' slime.
const Grid kCrypt({
    "####t###t####",
    "#K.........S#",
    "#...........#",
    "#..^.....^..#",
    "#...........#",
    "#.....^.....#",
    "#........####",
    "#P.......GF##",
    "#############",
});

// A wall fills its tile, below everything else. Every other object stands on
// layer 1, where the touch conditions between it and the player work.
Thing wall(int image) { return {"Wall", 0, 0, 0.15f, image, 0, true, 0.15f}; }
Thing at(const Grid& grid, char c, const std::string& name, float half, int image, bool solid, float box) {
  const Grid::Cell cell = grid.only(c);
  return {name, tileX(cell), tileY(cell), half, image, 1, solid, box};
}
// The player's collision box is smaller than its picture, so that it turns
// into a side passage without having to stand exactly in its middle.
Thing player(const Grid& grid) { return at(grid, 'P', "Player", 0.12f, kPlayerImage, true, 0.09f); }

// The arrow keys move `who`; space shows the map's hint again, enter puts any
// message away and Q gives up. The coins gathered float above the player's head.
void playerControls(GameBuilder& game, int m, int who, int hint) {
  game.local(m, who, rule(kOpenerUpPressed).then(kActionMoveObjectUp, who));
  game.local(m, who, rule(kOpenerDownPressed).then(kActionMoveObjectDown, who));
  game.local(m, who, rule(kOpenerLeftPressed).then(kActionMoveObjectLeft, who));
  game.local(m, who, rule(kOpenerRightPressed).then(kActionMoveObjectRight, who));
  game.local(m, who, rule(kOpenerSpacebarPressed).then(kActionDisplayPhrase, hint));
  game.local(m, who, rule(kOpenerEnterPressed).then(kActionRemovePhrase));
  game.local(m, who, rule(kOpenerKeyPressed, kGiveUpLetter).then(kActionRemovePhrase));
  game.local(m, who, rule(kOpenerKeyPressed, kGiveUpLetter).then(kActionEndGame));
  game.local(m, who, rule(kOpenerRepeatedlyDo).then(kActionDisplayGlobalScore, kCoins));
}

// The camera follows the player; when the game is won or lost the arrows stop
// and, once the picture or message has been put away, the game returns to
// its first menu.
void mapRules(GameBuilder& game, int m, int who, int intro) {
  game.global(m, rule(kOpenerRepeatedlyDo).then(kActionCameraOnObject, who));
  game.global(m, rule(kOpenerDoOnce).then(kActionDisplayPhrase, intro));
  game.global(m, rule(kOpenerWhenWin).then(kActionDisableAllArrowKeys));
  game.global(m, rule(kOpenerWhenWin).then(kActionEndGame));
  game.global(m, rule(kOpenerWhenLose).then(kActionDisableAllArrowKeys));
  game.global(m, rule(kOpenerWhenLose).then(kActionEndGame));
}

// kConditionTouching `who` loses the game: every sound stops, the caught sound plays
// and a message says what happened.
void deadly(GameBuilder& game, int m, int self, int who, int message) {
  game.local(m, self, rule(kOpenerWhenObject, self).is(kConditionTouching, who).then(kActionStopAllSounds));
  game.local(m, self, rule(kOpenerWhenObject, self).is(kConditionTouching, who).then(kActionPlaySound, kSoundCaught));
  game.local(m, self, rule(kOpenerWhenObject, self).is(kConditionTouching, who).then(kActionDisplayPhrase, message));
  game.local(m, self, rule(kOpenerWhenObject, self).is(kConditionTouching, who).then(kActionGameLose));
}

void makeGarden(GameBuilder& game) {
  const int m = game.addMap("Garden", kGarden);
  game.paint(m, kGarden, [](char c) { return c == '#' ? kGrass : kDirtPath; });
  game.addObjectsAt(m, kGarden, '#', wall(kTree));
  const std::vector<int> coins =
      game.addObjectsAt(m, kGarden, 'c', {"Coin", 0, 0, 0.1f, kCoinStrip, 1, false, 0.08f});
  const int gate = game.addObject(m, at(kGarden, 'G', "Gate", 0.15f, kDoorClosed, true, 0.15f));
  const int hero = game.addObject(m, player(kGarden));
  const int bat = game.addObject(m, at(kGarden, 'B', "Bat", 0.12f, kBatImage, false, 0.09f));

  mapRules(game, m, hero, kIntro);
  game.global(m, rule(kOpenerDoOnce).then(kActionHideMousePointer));
  game.global(m, rule(kOpenerWhenGlobalScore, kCoins).is(kConditionEqualTo, 1).then(kActionDisplayPhrase, kBatWakes));
  game.global(m, rule(kOpenerWhenGlobalScore, kCoins).is(kConditionEqualTo, kCoinsToOpen)
      .then(kActionDisplayPhrase, kGardenGateOpen));
  game.global(m, rule(kOpenerWhenGlobalScore, kCoins).is(kConditionEqualTo, kCoinsToOpen)
      .then(kActionPlaySound, kSoundGate));

  playerControls(game, m, hero, kGardenHint);

  // A coin counts before it hides: a hidden coin touches nothing.
  for (int coin : coins) {
    game.local(m, coin, rule(kOpenerWhenObject, coin).is(kConditionTouching, hero)
        .then(kActionAddOneToGlobalScore, kCoins));
    game.local(m, coin, rule(kOpenerWhenObject, coin).is(kConditionTouching, hero).then(kActionPlaySound, kSoundCoin));
    game.local(m, coin, rule(kOpenerWhenObject, coin).is(kConditionTouching, hero).then(kActionHideObject, coin));
  }

  // The gate opens for five coins; until then it says so when touched.
  // Walking into the open gate leads to the crypt.
  game.local(m, gate, rule(kOpenerWhenGlobalScore, kCoins).is(kConditionEqualTo, kCoinsToOpen)
      .then(kActionChangeObjectImage, kDoorOpen));
  game.local(m, gate, rule(kOpenerWhenGlobalScore, kCoins).is(kConditionEqualTo, kCoinsToOpen)
      .then(kActionObjectUnsolid, gate));
  game.local(m, gate, rule(kOpenerWhileObject, gate).is(kConditionTouching, hero).then(kActionAnd));
  game.local(m, gate, rule(kOpenerWhileGlobalScore, kCoins).is(kConditionLessThan, kCoinsToOpen)
      .then(kActionPhraseAboveObj, kGateLocked));
  game.local(m, gate, rule(kOpenerWhileObject, gate).is(kConditionTouching, hero).then(kActionAnd));
  game.local(m, gate, rule(kOpenerWhileGlobalScore, kCoins).is(kConditionEqualTo, kCoinsToOpen)
      .then(kActionGotoMap, 1));

  // The bat sleeps until the first coin, then flies over the hedges.
  game.local(m, bat, rule(kOpenerWhileGlobalScore, kCoins).is(kConditionGreaterThan, 0).then(kActionAnd));
  game.local(m, bat, rule(kOpenerEveryMilliseconds, kBatStepMs).then(kActionSeekObject, hero));
  deadly(game, m, bat, hero, kCaughtByBat);
}

void makeCrypt(GameBuilder& game) {
  const int m = game.addMap("Crypt", kCrypt);
  game.paint(m, kCrypt, [](char) { return kStoneFloor; });
  game.addObjectsAt(m, kCrypt, '#', wall(kBrickWall));
  game.addObjectsAt(m, kCrypt, 't', wall(kBrickWall));
  game.addObjectsAt(m, kCrypt, 't', {"Torch", 0, 0, 0.13f, kTorch, 2, false, 0.1f});
  const int lever = game.addObject(m, at(kCrypt, 'K', "Lever", 0.13f, kSwitchOff, false, 0.1f));
  const std::vector<int> spikes =
      game.addObjectsAt(m, kCrypt, '^', {"Spikes", 0, 0, 0.13f, kSpikesImage, 1, false, 0.1f});
  const int gate = game.addObject(m, at(kCrypt, 'G', "Gate", 0.15f, kDoorClosed, true, 0.15f));
  const int flag = game.addObject(m, at(kCrypt, 'F', "Flag", 0.14f, kGoalFlag, false, 0.1f));
  const int hero = game.addObject(m, player(kCrypt));
  const int slime = game.addObject(m, at(kCrypt, 'S', "Slime", 0.12f, kSlimeImage, true, 0.1f));

  mapRules(game, m, hero, kCryptIntro);
  // Once the flag is reached the slime is gone: a hidden object touches nothing.
  game.global(m, rule(kOpenerWhenWin).then(kActionHideObject, slime));

  playerControls(game, m, hero, kCryptHint);

  game.local(m, lever, rule(kOpenerWhenObject, lever).is(kConditionTouching, hero)
      .then(kActionChangeObjectImage, kSwitchOn));
  game.local(m, lever, rule(kOpenerWhenObject, lever).is(kConditionTouching, hero).then(kActionPlaySound, kSoundLever));
  game.local(m, lever, rule(kOpenerWhenObject, lever).is(kConditionTouching, hero).then(kActionHideObject, gate));
  game.local(m, lever, rule(kOpenerWhenObject, lever).is(kConditionTouching, hero)
      .then(kActionDisplayPhrase, kCryptGateOpen));

  for (int spike : spikes) deadly(game, m, spike, hero, kSpiked);

  game.local(m, slime, rule(kOpenerEveryMilliseconds, kSlimeStepMs).then(kActionSeekObject, hero));
  deadly(game, m, slime, hero, kSlimed);

  game.local(m, flag, rule(kOpenerWhenObject, flag).is(kConditionTouching, hero).then(kActionStopAllSounds));
  game.local(m, flag, rule(kOpenerWhenObject, flag).is(kConditionTouching, hero).then(kActionPlaySound, kSoundWin));
  game.local(m, flag, rule(kOpenerWhenObject, flag).is(kConditionTouching, hero)
      .then(kActionDisplayImage, kWinPicture));
  game.local(m, flag, rule(kOpenerWhenObject, flag).is(kConditionTouching, hero).then(kActionGameWin));
}

void phrases(GameBuilder& game) {
  game.phrase(kIntro, "Gather the 5 gold coins: they open the garden gate. Space: hint");
  game.phrase(kBatWakes, "Clink! Something stirs in the hedges... a bat is coming!");
  game.phrase(kGardenGateOpen, "All 5 coins! The garden gate swings open, on the east side.");
  game.phrase(kGateLocked, "Locked: find all 5 coins");
  game.phrase(kCaughtByBat, "The bat caught you! Press Enter for the menu.");
  game.phrase(kGardenHint, "Coins: two in the north corners, one each by the west, east and south walls.");
  game.phrase(kCryptIntro, "The crypt! Pull the lever to open the way to the flag.");
  game.phrase(kCryptHint, "The lever is in the north-west corner. Mind the spikes.");
  game.phrase(kCryptGateOpen, "Clunk! Somewhere a gate has opened.");
  game.phrase(kSpiked, "Ouch, spikes! Press Enter for the menu.");
  game.phrase(kSlimed, "The slime got you! Press Enter for the menu.");
}

void menus() {
  MenuBuilder menu;
  menu.titleMenu(firstOwnMenuPicture(), "Gather the coins, open the gates, reach the flag.",
                 "^yArrows^w move   ^ySpace^w hint   ^yEnter^w close a message   ^yQ^w give up   ^yEscape^w pause");
  menu.pauseMenu("^yArrows^w move   ^ySpace^w hint   ^yEnter^w close a message   ^yQ^w give up");
  menu.save();
}

void help() {
  writeHelp(kName, "^3^yCoin Maze^w:",
            {{"How to play",
              {"Find your way out of the garden maze and through",
               "the crypt below it to the flag.",
               "",
               "^yArrow keys^w - walk. Hold two arrows at once to slip",
               "  round a corner as soon as the way is open.",
               "^ySpace^w - show the hint for this place again.",
               "^yEnter^w - put a message away (any arrow key does",
               "  too, once the message has been up a moment).",
               "^yEscape^w - pause: resume, or back to the menu.",
               "^yQ^w - give up: straight back to the menu.",
               "",
               "The number above your head counts your coins."}},
             {"The garden",
              {"Five gold coins lie in the maze: two in its north",
               "corners, and one each by the west, east and south",
               "walls.",
               "",
               "The gate on the east side stays locked until you",
               "hold all five. Then walk into it: it leads down",
               "into the crypt.",
               "",
               "The first coin wakes a ^ybat^w. It flies slowly",
               "straight at you, over the hedges. If it touches",
               "you, the game is lost: keep moving!"}},
             {"The crypt",
              {"The flag waits behind a locked gate in the",
               "south-east corner.",
               "",
               "Pull the ^ylever^w in the north-west corner by",
               "walking onto it, and the gate opens.",
               "",
               "A ^yslime^w crawls after you, slower than you walk:",
               "lead it round the room and slip past it. Walls stop",
               "it, spikes do not. Do not step on the ^yspikes^w.",
               "",
               "Touch the flag to win."}},
             {"How it is made",
              {"Coin Maze is made only of logic sentences. Open",
               "it in the editor to read them. A few of them:",
               "",
               "Player: ^yRight pressed then move object right^w",
               "Coin: ^yWhen object is touching^w player ^ythen add 1",
               "  ^yto global score^w 0, then ^yplay sound^w, then",
               "  ^yhide object^w. It counts before it hides, as a",
               "  hidden coin touches nothing.",
               "Gate: ^yWhen global score^w 0 ^yis equal to^w 5 ^ythen",
               "  ^ychange object image^w and ^yobject unsolid^w.",
               "Bat: ^yWhile global score^w 0 ^yis greater than^w 0",
               "  ^ythen and^w, ^yEvery milliseconds^w " + std::to_string(kBatStepMs) + " ^ythen seek",
               "  ^yobject^w player.",
               "Map: ^yWhen lose then end game^w, which waits until",
               "  the message has been put away."}}});
}

}  // namespace

void makeMaze() {
  GameBuilder game(kName);
  phrases(game);
  makeGarden(game);
  makeCrypt(game);
  game.animate(kCoinStrip, kStripLastFrame, 100);
  game.save();
  menus();
  help();
}

}  // namespace tfgames
