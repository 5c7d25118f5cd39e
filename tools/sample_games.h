// The sample games shipped in data/games, each made by one function, and the
// pictures, sounds and menu pieces they share.
#pragma once

namespace tfgames {

// Writes games/maze and games/whack under the working folder (the program's
// data folder): maps, logic, phrases, menus and help. Their pictures, sounds
// and splash pictures are drawn by scripts/make-games.
void makeMaze();
void makeWhack();

// The toolkit's default map pictures (data/map/100NN.png), by game image index.
enum DefaultImage : int {
  kGrass = 0,
  kDirtPath = 1,
  kSand = 2,
  kStoneFloor = 3,
  kBrickWall = 4,
  kWater = 5,
  kLava = 6,
  kWoodenFloor = 7,
  kTree = 8,
  kBush = 9,
  kRock = 10,
  kPlayerImage = 11,
  kVillager = 12,
  kCoin = 13,
  kGem = 14,
  kKey = 15,
  kDoorClosed = 16,
  kDoorOpen = 17,
  kChest = 18,
  kSlimeImage = 19,
  kBatImage = 20,
  kHeart = 21,
  kStar = 22,
  kGoalFlag = 23,
  kSignPost = 24,
  kCrate = 25,
  kSwitchOff = 26,
  kSwitchOn = 27,
  kSpikesImage = 28,
  kTorch = 29,
  kWaterStrip = 30,
  kCoinStrip = 31,
};
// Q, among the letter keys (0 = A), gives up a game in both.
constexpr int kGiveUpLetter = 'q' - 'a';

// The animation strips hold frames 0 to 9.
constexpr int kStripLastFrame = 9;

// A game's own pictures (games/<g>/map/100NN.png) follow from this index.
constexpr int kOwnImage = 200;

// The toolkit's menu pictures (data/ui/100NN.png) that the games' menus use.
enum MenuPicture : int {
  kPictureOptions = 5,
  kPictureHelp = 6,
  kPictureQuit = 7,
  kPictureStart = 11,
};

// Menus of a game's menu file, built on the toolkit's in-game set: the
// game's first menu, the pause menu and the options stay where they are.
constexpr int kTitleMenu = 0, kPauseMenu = 1, kOptionsMenu = 2;

}  // namespace tfgames
