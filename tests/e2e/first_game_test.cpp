// A person makes a whole game from nothing with the mouse and the keyboard,
// as the README's "Make your first game" tells it: the game garden created
// from the main menu; its first map made 16 x 12 tiles, floored and walled
// through the image chooser; a player, three coins, a gate and a flag placed
// on it; the rules written in the logic editors (a coin touched rings with
// the coin chime of the starter sounds, heard in a recording of what the
// program plays) and the phrases typed in the phrase editor; the title menu
// given the game's name and a moved Start button; everything saved and the
// editor left; the game loaded from Play, started from its title menu and won
// with the arrow key; and, opened in the editor again and saved, every file
// the same to the byte. Pictures of each step go to
// $TF_SCREENSHOT_DIR/first-game when that is set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "core/panel_plan.h"
#include "editor/editor.h"
#include "editor/logic_editor_plan.h"
#include "editor/logic_steps.h"
#include "game/sentence.h"
#include "game/step_ids.h"
#include "game/world.h"
#include "harness/session.h"
#include "media/choice.h"
#include "wav_file.h"

using tfe2e::Pixel;
using tfe2e::Place;
using tfe2e::Session;
using tfe2e::greenish;

namespace {

constexpr const char* kGame = "garden";

// The toolkit's menus, the editor's main menu and the dialog asking to leave.
constexpr Place kCreateGame{400, 278}, kEditGame{400, 336}, kPlay{400, 220};
constexpr Place kNameField{400, 227};
constexpr Place kEditWorld{220, 140}, kEditMenus{220, 230}, kLeaveEditor{220, 410};
constexpr Place kDialogYes{300, 370};
// The editing screen's toolbar.
constexpr int kToolbarX = 30;
constexpr Place kQuitIcon{kToolbarX, 50}, kSaveIcon{kToolbarX, 80}, kEditMapIcon{kToolbarX, 185};
constexpr Place kGlobalLogicIcon{kToolbarX, 305}, kAddObjectIcon{kToolbarX, 350}, kLocalLogicIcon{kToolbarX, 440};
// The edit-map panel's size fields and check mark.
constexpr Place kResizeWidth{175, 560}, kResizeHeight{245, 560}, kResizeMap{305, 560};
// An empty part of the image chooser's panel, and its check mark.
constexpr Place kChooserPanel{600, 280}, kChooserClose{730, 410};
// The tile under the camera, and the one below it.
constexpr Place kScreenMiddle{400, 300}, kTileBelowMiddle{400, 400}, kLeftOfMiddle{300, 300};

// The game's pictures: the stone floor, the brick wall, the player, a coin,
// a closed door and a flag.
constexpr int kFloorImage = 3, kWallImage = 4, kHeroImage = 11, kCoinImage = 13, kGateImage = 16, kFlagImage = 23;

// The map: 16 x 12 tiles; the objects on row 5, by index.
constexpr int kMapWidth = 16, kMapHeight = 12, kObjectRow = 5;
enum Object { kHero, kCoin1, kCoin2, kCoin3, kGate, kFlag, kObjectCount };
constexpr int kObjectColumn[kObjectCount] = {3, 4, 5, 6, 8, 9};

// The object panel's name field; the macro menu's RPG player icon and an
// empty part of its panel.
constexpr Place kObjectNameField{580, 585}, kRpgMacro{110, 70}, kMacroMenuPanel{600, 300};

// The logic editor: the x of the plus, copy and delete icons and of a red
// pixel of the delete icon; its exit icon.
constexpr int kPlusX = 40, kCopyX = 50, kDeleteX = 30, kDeleteRedX = 22;
constexpr Place kLogicExit{775, 575};
// The phrase windows: the icon that opens the editor, the field, the check
// mark, the forward arrow and the close icons.
constexpr Place kPhraseIcon{45, 575}, kPhraseField{400, 330}, kPhraseCheck{660, 380};
constexpr Place kPhraseForward{180, 380}, kPhraseEditorClose{668, 464};

// Inside the notice box at the top left.
constexpr Place kNotice{140, 44};
// The menu editor's quit icon; the title menu's Start button, where it is
// dragged, and the new text line (at the middle).
constexpr Place kMenuQuitIcon{780, 560};
constexpr Place kStart{400, 150}, kMovedStart{400, 400};
constexpr Place kNewTextLine{400 + 9 * 8 / 2, 299};
// The title menu's Quit button, which leaves the game.
constexpr Place kLeaveGame{400, 345};
int afterLabel(int x, const std::string& label) { return x + 9 * static_cast<int>(label.size()) + 15; }

// Buttons show their colour this far left of their middle.
constexpr int kButtonSide = 80;
// The phrase box in play, above its text.
constexpr Place kPhraseBox{400, 170};

constexpr const char* kSavedLine = "The project has been successfully saved.";
constexpr const char* kGatePhrase = "The gate is open!";
constexpr const char* kWinPhrase = "You found the flag!";
// Frames spent at the flag before the game ends.
constexpr int kFramesAtTheFlag = 45;

void click(Session& s, Place p, int button = 1) { s.click(p.x, p.y, button); }

bool waitForSaves(Session& s, int count) { return s.waitForLogLines(kSavedLine, count); }

// A picture of the screen for the README, made small.
void picture(Session& s, const std::string& name) {
  const char* keep = std::getenv("TF_SCREENSHOT_DIR");
  if (keep == nullptr) return;
  const std::string shot = s.path(name + ".png");
  s.screenshot(shot);
  const std::string command = "mkdir -p '" + std::string(keep) + "/first-game' && convert '" + shot +
                              "' -resize 50% -strip -colors 128 '" + keep + "/first-game/" + name + ".png'";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

std::string gameFile(Session& s, const char* file) { return s.readFile(std::string("games/") + kGame + "/system/" + file); }

bool hasLine(const std::string& text, const std::string& line) {
  return ("\n" + text + "\n").find("\n" + line + "\n") != std::string::npos;
}

// Pixels of a tile picture: the grey stone floor, and anything that is not
// grey (the walls' bricks, the objects' pictures).
bool greyish(const Pixel& p) {
  return std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) < 30;
}
// Anything but the stone floor: its grey without the white that marks a
// selection.
bool notFloor(const Pixel& p) { return !greyish(p) || p.r > 215; }
// The share of the square of `half` around `p` that passes `test`.
template <typename Test>
double share(Session& s, Place p, int half, Test test) {
  const std::vector<Pixel> pixels = s.area(p.x - half, p.y - half, p.x + half, p.y + half, 4);
  if (pixels.empty()) return 0;
  return static_cast<double>(std::count_if(pixels.begin(), pixels.end(), test)) / pixels.size();
}
// Most of it.
template <typename Test>
bool mostly(Session& s, Place p, int half, Test test) {
  return share(s, p, half, test) > 2.0 / 3;
}

// ---- the editing screen ------------------------------------------------------------

// The tile selected, followed by the camera: the test keeps track of it.
struct Tiles {
  int column = 0, row = 0;
};

// Moves the selected tile with the arrow keys (the camera follows it); with
// Shift the range's far corner instead.
void arrows(Session& s, const char* key, int times) {
  for (int k = 0; k < times; ++k) s.key(key);
}
void moveTile(Session& s, Tiles& t, int column, int row) {
  arrows(s, column > t.column ? "Right" : "Left", std::abs(column - t.column));
  arrows(s, row > t.row ? "Up" : "Down", std::abs(row - t.row));
  t = {column, row};
}
void growRange(Session& s, int columns, int rows) {
  s.keyDown("shift");
  arrows(s, "Right", columns);
  arrows(s, "Up", rows);
  s.keyUp("shift");
}

// Chooses game image `image` in the open image chooser and closes it with
// its check mark.
void chooseImage(Session& s, int image) {
  ASSERT_TRUE(s.waitForPixel(kChooserPanel.x, kChooserPanel.y, tfe2e::bluish)) << "no image chooser";
  click(s, {150 + 60 * (image % 10), 60 + 60 * (image / 10)});
  click(s, kChooserClose);
  ASSERT_TRUE(s.waitForPixel(kChooserPanel.x, kChooserPanel.y, [](const Pixel& p) { return !tfe2e::bluish(p); }))
      << "the chooser stayed open";
}

// Paints the selected range with game image `image` through the image
// chooser.
void paintRange(Session& s, int image) {
  const tf::ChoiceButtons change = tf::choiceButtonsAfter(13, 515, "Change Tile Image:");
  s.click(change.firstX, change.y);
  ASSERT_NO_FATAL_FAILURE(chooseImage(s, image));
}

// Closes the welcome window an editor opens with.
void closeWelcome(Session& s) {
  ASSERT_TRUE(tfe2e::waitForWelcome(s)) << "no welcome window";
  click(s, tfe2e::kWelcomeClose);
  const Place green = tfe2e::kWelcomeGreen;
  ASSERT_TRUE(s.waitForPixel(green.x, green.y, [](const Pixel& p) { return !greenish(p); }));
}

// Step 1: from the main menu, a new game; its welcome window read and closed.
// What the program plays goes to a WAV file, through OpenAL Soft's wave writer.
constexpr const char* kPlayedSound = "played.wav";
std::vector<std::string> recordTheSound(Session& s) {
  s.writeFile("alsoft.conf", "[general]\ndrivers = wave\nsample-type = int16\nchannels = mono\nfrequency = 22050\n"
                             "[wave]\nfile = " + s.path(kPlayedSound) + "\n");
  return {"ALSOFT_CONF=" + s.path("alsoft.conf")};
}

void createTheGame(Session& s) {
  s.writeFile("system/system.cfg", tfe2e::windowSettings(true, true));
  s.start(recordTheSound(s));
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  // Debug mode (which starts the program without its splash pictures) off, so
  // that the editor's welcome window shows.
  s.key("F2");
  s.clickButton(kCreateGame.x, kCreateGame.y);
  click(s, kNameField);
  s.type(kGame);
  s.key("Return");
  ASSERT_TRUE(s.waitForLog(std::string("Game: ") + kGame + " has been created successfully."));
  ASSERT_TRUE(tfe2e::waitForWelcome(s)) << "no welcome window";
  picture(s, "1-welcome");
  ASSERT_NO_FATAL_FAILURE(closeWelcome(s));
  ASSERT_TRUE(s.waitForPixel(300, 200, greenish)) << "no map behind the welcome window";
}

// Clears a field (the pointer on it) and types `text` into it.
void typeInto(Session& s, Place field, const std::string& text) {
  click(s, field);
  for (int k = 0; k < 6; ++k) s.key("BackSpace");
  s.type(text);
}

// Step 2: the map made 16 x 12, floored with stone and walled with bricks.
void buildTheMap(Session& s, Tiles& t) {
  click(s, kEditMapIcon);
  typeInto(s, kResizeWidth, std::to_string(kMapWidth));
  typeInto(s, kResizeHeight, std::to_string(kMapHeight));
  click(s, kResizeMap);
  // A tile under the camera of a new game, then the corner (0, 0): the
  // selection stops at the edges of the map, so as many steps as the map is
  // wide and high reach it from any tile.
  click(s, kScreenMiddle);
  t = {kMapWidth - 1, kMapHeight - 1};
  moveTile(s, t, 0, 0);
  growRange(s, kMapWidth - 1, kMapHeight - 1);
  paintRange(s, kFloorImage);
  // A step aside and back leaves the range one tile again.
  moveTile(s, t, 1, 0);
  moveTile(s, t, 0, 0);
  ASSERT_TRUE(s.waitUntil([&] { return mostly(s, kScreenMiddle, 30, greyish); })) << "no stone floor";
  const struct {
    int column, row, columns, rows;
  } walls[] = {{0, 0, kMapWidth - 1, 0}, {0, kMapHeight - 1, kMapWidth - 1, 0}, {0, 0, 0, kMapHeight - 1},
               {kMapWidth - 1, 0, 0, kMapHeight - 1}};
  for (const auto& w : walls) {
    moveTile(s, t, w.column, w.row);
    growRange(s, w.columns, w.rows);
    paintRange(s, kWallImage);
  }
  // The camera on the top right corner, the top wall left of it.
  ASSERT_TRUE(s.waitUntil([&] { return mostly(s, kLeftOfMiddle, 30, [](const Pixel& p) { return !greyish(p); }); }))
      << "no bricks along the top";
  picture(s, "2-map");
}

// Opens the image chooser with the object panel's Change Image and chooses
// game image `image`.
void chooseObjectImage(Session& s, int image) {
  const tf::ChoiceButtons change = tf::choiceButtonsAfter(13, 515, "Change Image:");
  s.click(change.firstX, change.y);
  ASSERT_NO_FATAL_FAILURE(chooseImage(s, image));
}

// A control of the object panel, after its label.
Place objectControl(int x, int y, const char* label) {
  const tf::ChoiceButtons b = tf::choiceButtonsAfter(x, y, label);
  return {b.firstX, b.y};
}

// Step 3 and 4: an object at each place of row 5, added with the toolbar's
// icon where the camera stands, given its picture in the object panel; the
// coins made not solid (new objects are solid), the hero named and given
// the RPG player macro. A click on the tile below an object selects tiles
// again.
void placeTheObjects(Session& s, Tiles& t) {
  constexpr int kPicture[kObjectCount] = {kHeroImage, kCoinImage, kCoinImage, kCoinImage, kGateImage, kFlagImage};
  for (int i = 0; i < kObjectCount; ++i) {
    moveTile(s, t, kObjectColumn[i], kObjectRow);
    click(s, kAddObjectIcon);
    ASSERT_TRUE(s.waitUntil([&] { return mostly(s, kScreenMiddle, 20, notFloor); })) << "no object " << i;
    ASSERT_NO_FATAL_FAILURE(chooseObjectImage(s, kPicture[i]));
    if (i >= kCoin1 && i <= kCoin3) click(s, objectControl(250, 585, "Solid:"));
    if (i == kHero) {
      typeInto(s, kObjectNameField, "Hero");
      s.key("Return");
      click(s, objectControl(13, 585, "Macro:"));
      ASSERT_TRUE(s.waitForPixel(kMacroMenuPanel.x, kMacroMenuPanel.y, tfe2e::bluish)) << "no macro menu";
      picture(s, "3-macro");
      click(s, kRpgMacro);
      ASSERT_TRUE(s.waitForPixel(kMacroMenuPanel.x, kMacroMenuPanel.y, [](const Pixel& p) { return !tfe2e::bluish(p); }))
          << "the macro menu stayed open";
    }
    click(s, kTileBelowMiddle);
    t = {kObjectColumn[i], kObjectRow - 1};
  }
  picture(s, "4-objects");
}

// ---- the logic editor -------------------------------------------------------------

// The list of sentences being edited, as the program should have it after
// each step, from which the program's own layout tells where each word is.
struct LogicList {
  bool local = false;
  std::vector<tf::sentence> rows;
};

// Where the program draws slot `slot` of row `row`: the layout of the logic
// editor worked out on a copy of the world with the same map and objects.
Place wordPlace(const LogicList& list, int row, int slot) {
  tf::world = tf::gameWorld();
  tf::world.allocateMaps(1);
  tf::world.worldSetMap(kMapWidth, kMapHeight, kGame, 0);
  for (int i = 0; i < kObjectCount; ++i) {
    tf::world.worldSetObject(0.3f * kObjectColumn[i], 0.3f * kObjectRow, 0.1f, 0.1f, 1, 0, i, 0);
  }
  for (const tf::sentence& s : list.rows) {
    if (list.local) {
      tf::world.mapLocalAppendSentence(kHero, 0, s);
    } else {
      tf::world.mapGlobalAppendSentence(0, s);
    }
  }
  tf::worldEditor.setCurrentObject(kHero);
  tf::worldEditor.setEditorMode(list.local ? tf::kModeLocalLogic : tf::kModeGlobalLogic);
  tf::PanelPlan plan;
  tf::planLogicEditor(plan);
  const tf::PickColor word{tf::kPickLogicWord, row, slot};
  for (const tf::PanelItem& item : plan.items()) {
    if (item.kind == tf::PanelItem::Picture && item.pick == word) return {static_cast<int>(item.x), static_cast<int>(item.y)};
  }
  ADD_FAILURE() << "slot " << slot << " of row " << row << " is not shown";
  return {0, 0};
}

int rowY(int row) { return static_cast<int>(tf::kFirstRowY + tf::kRowStep * row); }

// A new sentence from the plus icon below the last row.
void addSentence(Session& s, LogicList& list) {
  s.click(kPlusX, rowY(static_cast<int>(list.rows.size())));
  list.rows.emplace_back();
}

// A copy of row `row`, appended at the end.
void copySentence(Session& s, LogicList& list, int row) {
  s.click(kCopyX, rowY(row));
  list.rows.push_back(list.rows[row]);
}

// A word changed through its list: opened with a click, stepped with the
// arrow keys to `target` past the words not offered here, chosen with Enter.
void chooseWord(Session& s, LogicList& list, int row, int slot, int target) {
  tf::sentence& sentence = list.rows[row];
  const Place at = wordPlace(list, row, slot);
  click(s, at);
  const int opener = sentence.getSentenceStep(tf::kSlotOpener);
  const int direction = target > sentence.getSentenceStep(slot) ? 1 : -1;
  for (int id = sentence.getSentenceStep(slot); id != target;) {
    id = tf::nextOfferedWord(id, direction, opener, !list.local);
    ASSERT_NE(id, -1) << target << " is not offered";
    s.key(direction > 0 ? "Down" : "Up");
  }
  s.key("Return");
  // What a new word resets: its operand, and after a new opener the condition.
  sentence.setSentenceStep(slot, target);
  sentence.setSentenceStep(slot + 1, 0);
  if (slot == tf::kSlotOpener) {
    const bool score = target == tf::kOpenerWhenGlobalScore || target == tf::kOpenerWhileGlobalScore;
    const int condition = score ? tf::kConditionGreaterThan : tf::kConditionTouching;
    if (sentence.getSentenceStep(tf::kSlotCondition) != condition) sentence.setSentenceStep(tf::kSlotConditionOperand, 0);
    sentence.setSentenceStep(tf::kSlotCondition, condition);
  }
}

// A number raised with clicks to `value`.
void raiseNumber(Session& s, LogicList& list, int row, int slot, int value) {
  tf::sentence& sentence = list.rows[row];
  const Place at = wordPlace(list, row, slot);
  for (int v = sentence.getSentenceStep(slot); v < value; ++v) click(s, at);
  sentence.setSentenceStep(slot, value);
}

// Step 5a: the hero's own rules, written by the RPG macro: the arrow keys
// move it and the camera follows it. The camera's rules changed so that the
// whole row stays in sight: the one that follows the arrows deleted, the one
// that puts the camera on the hero once pointed at the third coin instead.
void writeTheHerosLogic(Session& s, Tiles& t) {
  moveTile(s, t, kObjectColumn[kHero], kObjectRow - 1);
  click(s, {kScreenMiddle.x, kScreenMiddle.y - 100});  // the hero, on the row above
  click(s, kLocalLogicIcon);
  ASSERT_TRUE(s.waitForPixel(kDeleteRedX, rowY(5), tfe2e::reddish)) << "no macro sentences in the local logic";
  LogicList hero{true, {}};
  for (int action : {tf::kActionMoveObjectUp, tf::kActionMoveObjectDown, tf::kActionMoveObjectLeft,
                     tf::kActionMoveObjectRight}) {
    hero.rows.emplace_back();
    hero.rows.back().setWholeSentence(tf::kOpenerUpPressed + action - tf::kActionMoveObjectUp, 0, 300, 400, 0, 600,
                                      action, kHero);
  }
  hero.rows.emplace_back();
  hero.rows.back().setWholeSentence(tf::kOpenerDoOnce, 0, 300, 400, 0, 600, tf::kActionCameraOnObject, kHero);
  s.click(kDeleteX, rowY(4));
  ASSERT_TRUE(s.waitForPixel(kDeleteRedX, rowY(5), [](const Pixel& p) { return !tfe2e::reddish(p); }));
  raiseNumber(s, hero, 4, tf::kSlotActionOperand, kCoin3);
  // A coin the hero touches is hidden here, after the map's rules for it have
  // run (a hidden object touches nothing): one sentence for the first coin,
  // copied for the others.
  addSentence(s, hero);
  for (int coin : {kCoin1, kCoin2, kCoin3}) {
    const int row = static_cast<int>(hero.rows.size()) - 1;
    raiseNumber(s, hero, row, tf::kSlotConditionOperand, coin);
    if (coin == kCoin1) chooseWord(s, hero, row, tf::kSlotAction, tf::kActionHideObject);
    raiseNumber(s, hero, row, tf::kSlotActionOperand, coin);
    if (coin != kCoin3) copySentence(s, hero, row);
  }
  picture(s, "5-local-logic");
  click(s, kLogicExit);
}

// Types the two phrases into the phrase editor: 0 when the gate opens, 1 at
// the flag.
void typeThePhrases(Session& s) {
  click(s, kPhraseIcon);
  for (const char* phrase : {kGatePhrase, kWinPhrase}) {
    click(s, kPhraseField);
    s.type(phrase);
    click(s, kPhraseCheck);
    click(s, kPhraseForward);
  }
  picture(s, "6-phrases");
  click(s, kPhraseEditorClose);
}

// Step 5b: the map's rules, in its global logic.
void writeTheMapsLogic(Session& s) {
  click(s, kGlobalLogicIcon);
  ASSERT_TRUE(s.waitForPixel(kPlusX + 6, rowY(0) + 6, greenish)) << "no global logic";
  LogicList map{false, {}};
  // Touching the first coin counts it in global score 0, plays sound 0 (the
  // coin chime of the starter sounds) and kills the coin; the same for the
  // other two coins, copied. Only the kill's number is the coin's.
  const int coinActions[] = {tf::kActionAddOneToGlobalScore, tf::kActionPlaySound, tf::kActionKillObject};
  for (int action : coinActions) {
    const int row = static_cast<int>(map.rows.size());
    addSentence(s, map);
    raiseNumber(s, map, row, tf::kSlotConditionOperand, kCoin1);
    chooseWord(s, map, row, tf::kSlotAction, action);
    if (action == tf::kActionKillObject) raiseNumber(s, map, row, tf::kSlotActionOperand, kCoin1);
  }
  for (int coin : {kCoin2, kCoin3}) {
    for (int action : coinActions) {
      const int row = static_cast<int>(map.rows.size());
      copySentence(s, map, row - 3);
      raiseNumber(s, map, row, tf::kSlotConditionOperand, coin);
      if (action == tf::kActionKillObject) raiseNumber(s, map, row, tf::kSlotActionOperand, coin);
    }
  }
  // Three coins hide the gate and show phrase 0.
  addSentence(s, map);
  chooseWord(s, map, 9, tf::kSlotOpener, tf::kOpenerWhenGlobalScore);
  raiseNumber(s, map, 9, tf::kSlotConditionOperand, 2);
  chooseWord(s, map, 9, tf::kSlotAction, tf::kActionHideObject);
  raiseNumber(s, map, 9, tf::kSlotActionOperand, kGate);
  copySentence(s, map, 9);
  chooseWord(s, map, 10, tf::kSlotAction, tf::kActionDisplayPhrase);
  // The flag shows phrase 1, chosen in the phrase selector, and starts a
  // count of frames in global score 2; past it the game ends, as soon as
  // the phrase has been put away.
  addSentence(s, map);
  raiseNumber(s, map, 11, tf::kSlotConditionOperand, kFlag);
  chooseWord(s, map, 11, tf::kSlotAction, tf::kActionDisplayPhrase);
  click(s, wordPlace(map, 11, tf::kSlotActionOperand));
  click(s, kPhraseForward);
  click(s, kPhraseEditorClose);
  map.rows[11].setSentenceStep(tf::kSlotActionOperand, 1);
  copySentence(s, map, 0);
  raiseNumber(s, map, 12, tf::kSlotConditionOperand, kFlag);
  raiseNumber(s, map, 12, tf::kSlotActionOperand, 1);
  addSentence(s, map);
  chooseWord(s, map, 13, tf::kSlotOpener, tf::kOpenerWhileGlobalScore);
  raiseNumber(s, map, 13, tf::kSlotOpenerOperand, 1);
  chooseWord(s, map, 13, tf::kSlotAction, tf::kActionAddOneToGlobalScore);
  raiseNumber(s, map, 13, tf::kSlotActionOperand, 2);
  addSentence(s, map);
  chooseWord(s, map, 14, tf::kSlotOpener, tf::kOpenerWhileGlobalScore);
  raiseNumber(s, map, 14, tf::kSlotOpenerOperand, 2);
  raiseNumber(s, map, 14, tf::kSlotConditionOperand, kFramesAtTheFlag);
  chooseWord(s, map, 14, tf::kSlotAction, tf::kActionEndGame);
  typeThePhrases(s);
  picture(s, "7-global-logic");
  click(s, kLogicExit);
}

// Step 6: the title menu in the menu editor: Start dragged down below the
// other buttons, and a new text line with the game's name dragged to where
// Start was.
void editTheTitleMenu(Session& s) {
  click(s, kQuitIcon);
  s.clickButton(kEditMenus.x, kEditMenus.y);
  ASSERT_NO_FATAL_FAILURE(closeWelcome(s));
  ASSERT_TRUE(s.waitForPixel(kStart.x - kButtonSide, kStart.y, greenish)) << "no title menu";
  s.drag(kStart.x, kStart.y, kMovedStart.x, kMovedStart.y);
  s.key("Return");
  s.click(afterLabel(473, "Add Textline:"), 560);
  click(s, kNewTextLine);
  for (int k = 0; k < 8; ++k) s.key("BackSpace");
  s.type("^3^yGarden");
  s.key("Return");
  s.drag(kNewTextLine.x, kNewTextLine.y, kStart.x, kStart.y);
  ASSERT_TRUE(s.waitForPixel(kMovedStart.x - kButtonSide, kMovedStart.y, greenish)) << "Start did not move";
  picture(s, "8-title-menu");
  click(s, kMenuQuitIcon);
}

// Step 7: saved with the disk icon, and the editor left.
void saveAndLeave(Session& s) {
  s.clickButton(kEditWorld.x, kEditWorld.y);
  ASSERT_NO_FATAL_FAILURE(closeWelcome(s));
  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 1));
  click(s, kNotice);  // "Project Saved", read
  click(s, kQuitIcon);
  s.clickButton(kLeaveEditor.x, kLeaveEditor.y);
  s.clickButton(kDialogYes.x, kDialogYes.y);
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
}

// The phrase box and the pixels of its text.
bool phraseShown(Session& s) { return tfe2e::bluish(s.pixel(kPhraseBox.x, kPhraseBox.y)); }
std::vector<Pixel> phraseText(Session& s) { return s.area(kPhraseBox.x - 100, 190, kPhraseBox.x + 100, 210, 2); }
// A sample louder than this is heard; sounds apart by this many seconds of
// silence are two; a coin chime is heard for longer than this many seconds
// (about 0.13), the click of a button for less (0.07 at the most).
constexpr float kHeard = 0.01f;
constexpr double kSilence = 0.05, kChime = 0.1;
// Where the gate stands in play, with the camera on the third coin.
constexpr Place kGateInPlay{400 + 100 * (kObjectColumn[kGate] - kObjectColumn[kCoin3]), 300};

// Step 8: loaded from Play, started from its title menu and won with the
// right arrow: the coins open the gate, the flag wins.
void playAndWin(Session& s) {
  s.clickButton(kPlay.x, kPlay.y);
  click(s, kNameField);
  s.type(kGame);
  s.key("Return");
  ASSERT_TRUE(s.waitForLog(std::string("Game: ") + kGame + " has been loaded successfully."));
  ASSERT_TRUE(s.waitForPixel(kMovedStart.x - kButtonSide, kMovedStart.y, greenish)) << "no title menu";
  const std::vector<Pixel> name = s.area(340, 140, 460, 156, 1);
  EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](const Pixel& p) { return p.r > 180 && p.g > 180 && p.b < 100; }))
      << "no yellow name on the title menu";
  picture(s, "9-title");
  s.clickButton(kMovedStart.x, kMovedStart.y);
  // The door stands in the middle of its tile, with the floor around it.
  ASSERT_TRUE(s.waitUntil([&] { return share(s, kGateInPlay, 20, notFloor) > 0.3; }))
      << "no gate";
  picture(s, "10-play");
  const double setOff = tftest::readWav(s.path(kPlayedSound)).seconds();
  s.keyDown("Right");
  const bool gateOpened = s.waitUntil([&] { return phraseShown(s); });
  s.keyUp("Right");
  ASSERT_TRUE(gateOpened) << "the gate's phrase did not show";
  // Since the hero set off, the three coins have rung: three sounds as long as
  // a chime, longer than any click of the toolkit's buttons that the
  // recording may still have been writing.
  int chimes = 0;
  EXPECT_TRUE(s.waitUntil([&] {
    const std::vector<double> heard = tftest::readWav(s.path(kPlayedSound)).loudStretches(kHeard, setOff, kSilence);
    chimes = static_cast<int>(std::count_if(heard.begin(), heard.end(), [](double t) { return t >= kChime; }));
    return chimes >= 3;
  })) << chimes << " coin chimes heard";
  EXPECT_TRUE(s.waitUntil([&] { return share(s, kGateInPlay, 20, notFloor) < 0.05; }))
      << "the gate is still there";
  picture(s, "11-gate-open");
  const std::vector<Pixel> gateText = phraseText(s);
  s.keyDown("Right");
  const bool won = s.waitUntil([&] { return phraseShown(s) && tfe2e::countDiffering(gateText, phraseText(s)) > 20; });
  s.keyUp("Right");
  ASSERT_TRUE(won) << "the win phrase did not show";
  picture(s, "12-won");
  // The phrase stays until an arrow key puts it away (once it has been up a
  // moment); then the game ends, its count of frames done: back on its
  // title menu.
  EXPECT_TRUE(s.waitUntil([&] {
    s.key("Right");
    return greenish(s.pixel(kMovedStart.x - kButtonSide, kMovedStart.y));
  })) << "the game did not end";
}

// Step 9: the game left from its title menu, opened in the editor from the
// main menu and saved again.
void reopenAndSave(Session& s) {
  s.clickButton(kLeaveGame.x, kLeaveGame.y);
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  s.clickButton(kEditGame.x, kEditGame.y);
  click(s, kNameField);
  for (int k = 0; k < 12; ++k) s.key("BackSpace");
  s.type(kGame);
  s.key("Return");
  ASSERT_TRUE(s.waitForLogLines(std::string("Game: ") + kGame + " has been loaded successfully.", 2));
  s.clickButton(kEditWorld.x, kEditWorld.y);
  ASSERT_NO_FATAL_FAILURE(closeWelcome(s));
  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 2));
}

TEST(FirstGame, APersonMakesAGameFromNothingSavesItPlaysItAndWinsIt) {
  Session s;
  Tiles t;
  ASSERT_NO_FATAL_FAILURE(createTheGame(s));
  ASSERT_NO_FATAL_FAILURE(buildTheMap(s, t));
  ASSERT_NO_FATAL_FAILURE(placeTheObjects(s, t));
  ASSERT_NO_FATAL_FAILURE(writeTheHerosLogic(s, t));
  ASSERT_NO_FATAL_FAILURE(writeTheMapsLogic(s));
  ASSERT_NO_FATAL_FAILURE(editTheTitleMenu(s));
  ASSERT_NO_FATAL_FAILURE(saveAndLeave(s));
  const std::string maps = gameFile(s, "map.cfg"), logic = gameFile(s, "logic.cfg"), menus = gameFile(s, "ui.cfg");
  for (const char* line : {"f map0w 16", "f map0h 12", "f map0tile0_0 4", "f map0tile15_11 4", "f map0tile1_1 3",
                           "f map0tile14_10 3", "s phrase0 The gate is open!", "s phrase1 You found the flag!",
                           // x y w h image layer, solid box, solid, name
                           "s map0object0 0.9 1.5 0.1 0.1 11 0 0.1 0.1 1 Hero",
                           "s map0object1 1.2 1.5 0.1 0.1 13 0 0.1 0.1 0 Object",
                           "s map0object3 1.8 1.5 0.1 0.1 13 0 0.1 0.1 0 Object",
                           "s map0object4 2.4 1.5 0.1 0.1 16 0 0.1 0.1 1 Object",
                           "s map0object5 2.7 1.5 0.1 0.1 23 0 0.1 0.1 1 Object", "s map0object6 endObjectLoad"}) {
    EXPECT_TRUE(hasLine(maps, line)) << line;
  }
  const std::regex wall("\\nf map0tile[0-9]+_[0-9]+ 4(?=\\n)");
  EXPECT_EQ(std::distance(std::sregex_iterator(maps.begin(), maps.end(), wall), std::sregex_iterator()),
            2 * kMapWidth + 2 * kMapHeight - 4)
      << maps;
  for (const char* line :
       {"f map0object0sentencecount 8", "s map0object0sentence0 104 0 300 400 0 600 710 0 ",
        "s map0object0sentence3 107 0 300 400 0 600 713 0 ", "s map0object0sentence4 128 0 300 400 0 600 725 3 ",
        "s map0object0sentence5 100 0 300 400 1 600 714 1 ", "s map0object0sentence7 100 0 300 400 3 600 714 3 ",
        "s map0sentence0 100 0 300 400 1 600 745 0 ", "s map0sentence1 100 0 300 400 1 600 728 0 ",
        "s map0sentence2 100 0 300 400 1 600 708 1 ", "s map0sentence3 100 0 300 400 2 600 745 0 ",
        "s map0sentence4 100 0 300 400 2 600 728 0 ", "s map0sentence5 100 0 300 400 2 600 708 2 ",
        "s map0sentence6 100 0 300 400 3 600 745 0 ", "s map0sentence7 100 0 300 400 3 600 728 0 ",
        "s map0sentence8 100 0 300 400 3 600 708 3 ", "s map0sentence9 126 0 300 426 2 600 714 4 ",
        "s map0sentence10 126 0 300 426 2 600 704 0 ", "s map0sentence11 100 0 300 400 5 600 704 1 ",
        "s map0sentence12 100 0 300 400 5 600 745 1 ", "s map0sentence13 127 1 300 426 0 600 745 2 ",
        "s map0sentence14 127 2 300 426 45 600 751 0 "}) {
    EXPECT_TRUE(hasLine(logic, line)) << line;
  }
  for (const char* line : {"f menu0button0x 400", "f menu0button0y 400", "f menu0text3y 150", "s menu0text3string ^3^yGarden"}) {
    EXPECT_TRUE(hasLine(menus, line)) << line;
  }
  // The starter sounds the coin rules play went into the game with its save.
  for (const char* sound : {"1000.wav", "1004.wav"}) {
    const std::string saved = s.readFile(std::string("games/") + kGame + "/sound/" + sound);
    EXPECT_TRUE(!saved.empty() && saved == s.readFile(std::string("sound/") + sound)) << sound;
  }
  ASSERT_NO_FATAL_FAILURE(playAndWin(s));
  ASSERT_NO_FATAL_FAILURE(reopenAndSave(s));
  EXPECT_EQ(gameFile(s, "map.cfg"), maps);
  EXPECT_EQ(gameFile(s, "logic.cfg"), logic);
  EXPECT_EQ(gameFile(s, "ui.cfg"), menus);
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

}  // namespace
