// A person writes a game's logic in the logic editor with the mouse, the
// wheel and the keys: in a game of two objects, the hero's local sentence
// "Right pressed then move object right (the hero)" by dragging through the
// openers and wheeling through the actions, and a global sentence that shows
// a phrase typed in the phrase editor when the other object touches the
// hero, stepped with clicks and the arrow keys; a sentence copied and the
// copy deleted; the game saved, reopened and saved again to the same logic
// file; and a play-test in which the right arrow moves the hero until the
// phrase shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/logic_file.h"
#include "game/map_file.h"
#include "game/world.h"
#include "harness/session.h"
#include "media/images.h"
#include "media/text.h"

using tfe2e::Pixel;
using tfe2e::Session;

namespace {

constexpr const char* kGame = "duel";
// The main menu's Edit a Game button; its menu's game field and Edit Game
// button; the editor main menu's Edit World and Leave Editor buttons.
constexpr int kEditAGameX = 400, kEditAGameY = 336;
constexpr int kGameFieldX = 250, kGameFieldY = 230;
constexpr int kEditGameX = 510, kEditGameY = 300;
constexpr int kEditWorldX = 220, kEditWorldY = 140;
constexpr int kLeaveEditorX = 220, kLeaveEditorY = 410;
// The check mark of the dialog that asks whether to leave the editor.
constexpr int kLeaveYesX = 300, kLeaveYesY = 370;
// The editing screen's toolbar (x 30): quit, save, global logic, and local
// logic (shown with one object selected).
constexpr int kToolbarX = 30;
constexpr int kQuitY = 50, kSaveY = 80, kGlobalLogicY = 305, kLocalLogicY = 440;
// The logic editor: the first row, its icons, the plus icon, the exit and
// phrase icons; the phrase editor's field, check mark and close icon.
constexpr int kRowY = 80, kRowStep = 30, kDeleteX = 30, kCopyX = 50, kPlusX = 40, kFirstWordX = 70;
constexpr int kExitX = 775, kExitY = 575, kPhraseIconX = 45, kPhraseIconY = 575;
constexpr int kFieldX = 400, kFieldY = 330, kCheckMarkX = 660, kCheckMarkY = 380, kCloseX = 668, kCloseY = 464;
// The gap after each word of a row, and the picture after an object's number.
constexpr int kWordGap = 20, kObjectPicture = 28;
// A red pixel of a row's delete icon, and a green one of the plus icon.
constexpr int kDeleteRedX = 22, kPlusGreenX = 46, kPlusGreenDy = 6;
// Where the phrase box stands in play, and its line of text.
constexpr int kPhraseBoxX = 400, kPhraseBoxY = 170, kPhraseTextY = 200;

bool hero(const Pixel& p) { return p.r > 200 && p.g < 80 && p.b > 200; }

// The first pixel of the hero's colour on the map (x, y), or x = -1.
constexpr int kMapLeft = 80, kMapTop = 40, kMapRight = 779, kMapBottom = 459, kScanStep = 4;
int heroX(Session& s, int& y) {
  const std::vector<Pixel> map = s.area(kMapLeft, kMapTop, kMapRight, kMapBottom, kScanStep);
  const int columns = (kMapRight - kMapLeft) / kScanStep + 1;
  for (std::size_t i = 0; i < map.size(); ++i) {
    if (!hero(map[i])) continue;
    y = kMapTop + static_cast<int>(i) / columns * kScanStep;
    return kMapLeft + static_cast<int>(i) % columns * kScanStep;
  }
  return -1;
}

// A map of two objects on one layer, 0.9 apart: the hero (object 0, a
// magenta picture of the game's own) and a rock (object 1, cyan); written by
// the program's own writers.
void writeDuelGame(Session& s) {
  tf::gameWorld game;
  game.allocateMaps(1);
  game.worldSetMap(8, 5, "Yard", 0);
  game.worldSetObject(0.9f, 0.6f, 0.1f, 0.1f, tf::kFirstOwnGameImage, 0, 0, 0);
  game.worldSetObject(1.8f, 0.6f, 0.1f, 0.1f, tf::kFirstOwnGameImage + 1, 0, 1, 0);
  const std::string folder = std::string("games/") + kGame;
  s.writeFile(folder + "/system/map.cfg", tf::mapFileText(game, {}).str());
  s.writeFile(folder + "/system/logic.cfg", tf::logicFileText(game).str());
  s.writeFile(folder + "/map/placeholder", "");
  for (const auto& [file, color] : {std::pair<const char*, const char*>{"10000.png", "#ff00ff"}, {"10001.png", "#00ffff"}}) {
    const std::string command = "convert -size 32x32 xc:'" + std::string(color) + "' '" + s.path(folder + "/map/" + file) + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  s.removeFile(folder + "/map/placeholder");
}

// From the main menu to the editing screen of the game.
// The game field holds the game edited last ("NULL" before the first).
void openInTheEditor(Session& s, bool typeName) {
  // The log holds the line of every load before this one: wait for a new one
  // before the next click, or it would land on a screen still loading.
  const std::string loaded = std::string("Game: ") + kGame + " has been loaded successfully.";
  const int loadsBefore = s.countLog(loaded);
  s.clickButton(kEditAGameX, kEditAGameY);
  if (typeName) {
    s.click(kGameFieldX, kGameFieldY);
    for (int i = 0; i < 4; ++i) s.key("BackSpace");
    s.type(kGame);
  }
  s.clickButton(kEditGameX, kEditGameY);
  ASSERT_TRUE(s.waitForLogLines(loaded, loadsBefore + 1)) << s.log();
  s.clickButton(kEditWorldX, kEditWorldY);
}

// The x at which the word after `words` of a row starts (the widths of
// the words shown before it, each followed by the gap).
int wordX(const std::vector<std::string>& words) {
  float x = kFirstWordX;
  for (const std::string& w : words) x += tf::getDisplayTextSize(w) + kWordGap + (w == "^y0" || w == "^y1" ? kObjectPicture : 0);
  return static_cast<int>(x) + 4;
}

TEST(LogicEditor, APersonWritesLogicWithTheMouseAndKeysSavesItAndPlaysIt) {
  Session s;
  writeDuelGame(s);
  s.writeFile("system/system.cfg", tfe2e::windowSettings());
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  openInTheEditor(s, true);

  // The hero, selected on the map, and its local logic.
  int y = 0;
  ASSERT_TRUE(s.waitUntil([&] { return heroX(s, y) >= 0; })) << "the hero is not on the map";
  s.click(heroX(s, y) + 4, y + 4);
  s.click(kToolbarX, kLocalLogicY);
  ASSERT_TRUE(s.waitForPixel(kPlusGreenX, kRowY + kPlusGreenDy, tfe2e::greenish)) << "no plus icon";
  s.click(kPlusX, kRowY);
  ASSERT_TRUE(s.waitForPixel(kDeleteRedX, kRowY, tfe2e::reddish)) << "no sentence";
  // Dragged seven words down from "When object": "Right pressed".
  s.drag(kFirstWordX + 4, kRowY, kFirstWordX + 4, kRowY + 77, 1, 7);
  s.key("Return");
  // The action after "Right pressed" and "then": the wheel, 13 words down from "and".
  const int action = wordX({"Right pressed", "then"});
  s.click(action, kRowY);
  for (int i = 0; i < 13; ++i) s.click(action, kRowY, 5);
  s.key("Escape");
  s.click(kExitX, kExitY);

  // The map's global logic: When object 1 is touching 0 then display phrase 0.
  s.click(kToolbarX, kGlobalLogicY);
  ASSERT_TRUE(s.waitForPixel(kPlusGreenX, kRowY + kPlusGreenDy, tfe2e::greenish));
  s.click(kPlusX, kRowY);
  ASSERT_TRUE(s.waitForPixel(kDeleteRedX, kRowY, tfe2e::reddish));
  s.click(wordX({"When object"}), kRowY);
  const int globalAction = wordX({"When object", "^y1", "is", "touching", "^y0", "then"});
  s.click(globalAction, kRowY);
  for (int i = 0; i < 4; ++i) s.key("Down");
  s.key("Return");
  // The phrase, typed into the phrase editor.
  s.click(kPhraseIconX, kPhraseIconY);
  s.click(kFieldX, kFieldY);
  s.type("Hello hero");
  s.click(kCheckMarkX, kCheckMarkY);
  s.click(kCloseX, kCloseY);
  // A copy of the sentence, deleted again.
  s.click(kCopyX, kRowY);
  ASSERT_TRUE(s.waitForPixel(kDeleteRedX, kRowY + kRowStep, tfe2e::reddish)) << "no copy";
  s.click(kDeleteX, kRowY + kRowStep);
  ASSERT_TRUE(s.waitForPixel(kDeleteRedX, kRowY + kRowStep, [](const Pixel& p) { return !tfe2e::reddish(p); }));
  s.click(kExitX, kExitY);

  s.click(kToolbarX, kSaveY);
  ASSERT_TRUE(s.waitForLog("The project has been successfully saved.")) << s.log();
  const std::string logicFile = std::string("games/") + kGame + "/system/logic.cfg";
  const std::string saved = s.readFile(logicFile);
  EXPECT_NE(saved.find("s map0sentence0 100 1 300 400 0 600 704 0 \n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("f map0sentencecount 1\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("s map0object0sentence0 107 0 300 400 0 600 713 0 \n"), std::string::npos) << saved;
  EXPECT_NE(s.readFile(std::string("games/") + kGame + "/system/map.cfg").find("s phrase0 Hello hero\n"),
            std::string::npos);

  // Reopened, the game saves the same logic file again, byte for byte.
  s.click(kToolbarX, kQuitY);
  s.clickButton(kLeaveEditorX, kLeaveEditorY);
  s.clickButton(kLeaveYesX, kLeaveYesY);
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  openInTheEditor(s, false);
  ASSERT_TRUE(s.waitUntil([&] { return heroX(s, y) >= 0; }));
  s.removeFile(logicFile);  // read in; the save writes it anew
  s.click(kToolbarX, kSaveY);
  ASSERT_TRUE(s.waitForFile(logicFile));
  EXPECT_EQ(s.readFile(logicFile), saved);

  // Play-testing: the right arrow moves the hero until the rock touches it
  // and the phrase shows.
  const int start = heroX(s, y);
  s.key("F5");
  s.keyDown("Right");
  const bool shown = s.waitForPixel(kPhraseBoxX, kPhraseBoxY, tfe2e::bluish);
  s.keyUp("Right");
  ASSERT_TRUE(shown) << "no phrase";
  const std::vector<Pixel> box = s.area(kPhraseBoxX - 60, kPhraseTextY - 5, kPhraseBoxX + 60, kPhraseTextY + 5, 1);
  EXPECT_GT(std::count_if(box.begin(), box.end(), tfe2e::whitish), 10) << "no text in the phrase box";
  EXPECT_GT(heroX(s, y), start) << "the hero did not move right";
  s.key("Escape");
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

}  // namespace
