// A person making a game in the world editor with real clicks and keys: a
// game created from the main menu, a second map made in the new-map panel, a
// tile range chosen with Shift and painted through the image chooser, fog,
// renaming, copying a map and deleting the copy through its dialog, saving,
// leaving and opening the game again (its files read back and save again
// byte for byte the same); a play-test that leaves the world as it was; and
// bad input: sizes out of range or not numbers, the only map, and a save
// that cannot be written. Objects: three added, dragged, shaped in the
// object panel, two deleted as a list, a macro given to the third, saved,
// opened again, and play-tested.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "harness/session.h"
#include "media/choice.h"

using tfe2e::Pixel;
using tfe2e::Place;
using tfe2e::Session;
using tfe2e::greenish;
using tfe2e::reddish;

namespace {

// The toolkit's menus.
constexpr Place kCreateGame{400, 278}, kEditGame{400, 336};
constexpr Place kNameField{400, 227};
constexpr Place kEditWorld{220, 140}, kLeaveEditor{220, 410};
constexpr Place kDialogYes{300, 370};
// The editor's toolbar.
constexpr Place kQuitIcon{30, 50}, kSaveIcon{30, 80}, kEditMapIcon{30, 185}, kNewMapIcon{30, 215};
constexpr Place kDeleteMapIcon{30, 245}, kFogIcon{30, 275};
// The lower panels.
constexpr Place kNewWidth{175, 535}, kNewHeight{245, 535}, kCreateMap{305, 535}, kCopyMap{160, 570};
constexpr Place kMapName{350, 510}, kResizeWidth{175, 560}, kResizeHeight{245, 560}, kResizeMap{305, 560};
constexpr Place kNextMap{715, 530}, kPreviousMap{755, 530};
// The image chooser's cells, and an empty part of its panel (dark blue) over
// a grass tile of map 1.
constexpr Place kChooserPanel{600, 280};
constexpr Place kChooserClose{730, 410};
Place chooserCell(int k) { return {150 + 60 * (k % 10), 60 + 60 * (k / 10)}; }
// Inside the notice box at the top left, above its title.
constexpr Place kNotice{140, 44};
// A grass tile of a new game's first map, clear of the debug panel and the
// notice.
constexpr Place kFirstMapGrass{300, 200};

// The first button after a panel's label.
Place after(int x, int y, const char* label) {
  const tf::ChoiceButtons b = tf::choiceButtonsAfter(x, y, label);
  return {b.firstX, b.y};
}

// The middle of the tile at `p` is red bricks (with their light joints)
// rather than green grass, on average, even under the pale highlight of a
// selected range or under fog.
bool bricksAt(Session& s, Place p) {
  const std::vector<Pixel> pixels = s.area(p.x - 20, p.y - 20, p.x + 20, p.y + 20, 5);
  long redOverGreen = 0;
  for (const Pixel& px : pixels) redOverGreen += px.r - px.g;
  return !pixels.empty() && redOverGreen > 5 * static_cast<long>(pixels.size());
}
bool noticeShown(const Pixel& p) { return tfe2e::bluish(p); }
bool notNoticeShown(const Pixel& p) { return !noticeShown(p); }

void click(Session& s, Place p) { s.click(p.x, p.y); }

// Opens the image chooser with the panel's `control` and chooses the bricks
// with a double click, which closes it; `grass` is grass that the chooser's
// panel covers while open.
void chooseBricks(Session& s, Place control, Place grass) {
  click(s, control);
  ASSERT_TRUE(s.waitForPixel(grass.x, grass.y, tfe2e::bluish)) << "no image chooser";
  const Place bricks = chooserCell(4);
  s.click(bricks.x, bricks.y);
  click(s, kChooserClose);
  ASSERT_TRUE(s.waitForPixel(grass.x, grass.y, greenish)) << "the chooser stayed open";
}

// Clears a field (the pointer on it) and types `text` into it.
void typeInto(Session& s, Place field, const std::string& text) {
  click(s, field);
  for (int k = 0; k < 12; ++k) s.key("BackSpace");
  if (!text.empty()) s.type(text);
}

int occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}
constexpr const char* kSavedLine = "The project has been successfully saved.";
bool waitForSaves(Session& s, int count) { return s.waitForLogLines(kSavedLine, count); }

// Starts the program on its main menu and creates a game of that name from
// it; the editing screen is shown. Debug mode (no splash) keeps the debug
// panel at the top right, which also dismisses the editor's welcome window.
void createGame(Session& s, const std::string& name) {
  s.writeFile("system/system.cfg", tfe2e::windowSettings());
  s.start();
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  s.clickButton(kCreateGame.x, kCreateGame.y);
  click(s, kNameField);
  s.type(name);
  s.key("Return");
  ASSERT_TRUE(s.waitForLog("Game: " + name + " has been created successfully."));
  ASSERT_TRUE(s.waitForPixel(kFirstMapGrass.x, kFirstMapGrass.y, greenish)) << "no map in the editor";
}

// Leaves the editor from its main menu, asking first.
void leaveEditor(Session& s) {
  click(s, kQuitIcon);
  s.clickButton(kLeaveEditor.x, kLeaveEditor.y);
  s.clickButton(kDialogYes.x, kDialogYes.y);
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
}

// From the main menu into the editing screen of game `name`, until the map's
// grass shows at `grass`; `welcomed`, when given, is done with the welcome
// window that greets the person there when the debug panel is off. A program
// run can open the same game more than once, so the wait is for one more
// "loaded" line than the log held before.
void editGame(Session& s, const std::string& name, Place grass, const std::function<void()>& welcomed = nullptr) {
  const std::string loaded = "Game: " + name + " has been loaded successfully.";
  const int loadsBefore = s.countLog(loaded);
  s.clickButton(kEditGame.x, kEditGame.y);
  typeInto(s, kNameField, name);
  s.key("Return");
  ASSERT_TRUE(s.waitForLogLines(loaded, loadsBefore + 1));
  s.clickButton(kEditWorld.x, kEditWorld.y);
  if (welcomed) welcomed();
  ASSERT_TRUE(s.waitForPixel(grass.x, grass.y, greenish)) << "no editing screen";
}

// A screenshot of the window, kept in $TF_SCREENSHOT_DIR when that is set
// (the README's pictures in docs/).
void keepScreenshot(Session& s, const std::string& name) {
  const std::string shot = s.path(name);
  s.screenshot(shot);
  if (const char* keep = std::getenv("TF_SCREENSHOT_DIR")) {
    boost::filesystem::copy_file(shot, std::string(keep) + "/" + name,
                                 boost::filesystem::copy_option::overwrite_if_exists);
  }
}

std::string gameFile(Session& s, const std::string& game, const char* file) {
  return s.readFile("games/" + game + "/system/" + file);
}

// The painted range of map 1 (20 x 15, shown centred): columns 10 and 11,
// rows 7 to 9, on screen from (350, 100) to (550, 400); inside it the centre
// of tile (11, 9), outside it that of tile (9, 8).
constexpr Place kRangeStart{420, 320}, kRangeEnd{520, 150};
constexpr Place kInsideRange{500, 150}, kOutsideRange{300, 250};

TEST(WorldEditor, AGameIsMadeSavedLeftAndOpenedAgainToTheSameFiles) {
  Session s;
  createGame(s, "forest");

  // A second map of 20 x 15 tiles.
  click(s, kNewMapIcon);
  typeInto(s, kNewWidth, "20");
  typeInto(s, kNewHeight, "15");
  click(s, kCreateMap);
  ASSERT_TRUE(s.waitForPixel(kPreviousMap.x, kPreviousMap.y - 10, reddish)) << "no second map";

  // A range chosen with Shift, painted with the bricks through the chooser,
  // which its close button closes. (A second choice of the same image closes
  // it too, but only within half a second, a time a loaded machine can miss
  // between two clicks: the unit tests hold that rule.)
  click(s, kRangeStart);
  s.keyDown("shift");
  click(s, kRangeEnd);
  s.keyUp("shift");
  chooseBricks(s, after(13, 515, "Change Tile Image:"), kChooserPanel);
  EXPECT_TRUE(s.waitUntil([&s] { return bricksAt(s, kInsideRange); }));
  EXPECT_TRUE(greenish(s.pixel(kOutsideRange.x, kOutsideRange.y)));

  // Fog on, three tenths thick.
  click(s, kFogIcon);
  click(s, after(13, 515, "Fog (ON/OFF):"));
  for (int k = 0; k < 3; ++k) click(s, after(13, 550, "Thickness:"));

  // The map renamed, with Enter in its name field.
  click(s, kEditMapIcon);
  typeInto(s, kMapName, "Clearing");
  s.key("Return");

  // A copy of it, deleted again through its dialog.
  click(s, kNewMapIcon);
  click(s, kCopyMap);
  click(s, kDeleteMapIcon);
  s.clickButton(kDialogYes.x, kDialogYes.y);

  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 1));
  const std::string maps = gameFile(s, "forest", "map.cfg");
  const std::string logic = gameFile(s, "forest", "logic.cfg");
  const std::string menus = gameFile(s, "forest", "ui.cfg");
  for (const char* line : {"f map1w 20\n", "f map1h 15\n", "s map1name Clearing\n", "f map1fog 1\n",
                           "f map1fogdensity 0.3\n", "f map1tile10_7 4\n", "f map1tile11_9 4\n", "s map2 endMapLoad"}) {
    EXPECT_NE(maps.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(occurrences(maps, "tile"), 6) << maps;
  EXPECT_FALSE(menus.empty());

  leaveEditor(s);
  editGame(s, "forest", kFirstMapGrass);
  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 2));
  EXPECT_EQ(gameFile(s, "forest", "map.cfg"), maps);
  EXPECT_EQ(gameFile(s, "forest", "logic.cfg"), logic);
  EXPECT_EQ(gameFile(s, "forest", "ui.cfg"), menus);

  // The painted range on the second map, under its fog.
  click(s, kNextMap);
  EXPECT_TRUE(s.waitUntil([&s] { return bricksAt(s, kInsideRange); }));
  EXPECT_FALSE(bricksAt(s, kOutsideRange));
  click(s, kNotice);  // the notice of the save, and the debug panel, away for the picture
  s.key("F2");
  ASSERT_TRUE(s.waitForPixel(700, 100, [](const Pixel& p) { return !tfe2e::bluish(p); }));
  keepScreenshot(s, "world-editor.png");
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

// The map file of a game of one square map of grass named Yard, `side`
// tiles a side, with the given object lines ("s map0object<i> ...") before
// the end of its objects.
std::string yardMapFile(int side, const std::string& objects, int count) {
  const std::string w = std::to_string(side);
  return "f version 1\nf map0stretch 0\nf map0layer 7\nf map0fog 0\nf map0fogdensity 0.1\n"
         "f map0fogr 1\nf map0fogg 1\nf map0fogb 1\nf map0w " + w + "\nf map0h " + w + "\ns map0name Yard\n" +
         objects + "s map0object" + std::to_string(count) + " endObjectLoad\ns map1 endMapLoad\n";
}

// Starts the program with the window settings and opens game `game` from
// the main menu on its editing screen, until grass shows at `grass`.
void openInEditor(Session& s, const std::string& game, Place grass) {
  s.writeFile("system/system.cfg", tfe2e::windowSettings());
  s.start();
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  editGame(s, game, grass);
}

// A game whose only object (a crate, at the middle of a 7 x 7 map) moves
// right on every frame of play.
void writeMovingCrate(Session& s) {
  s.writeFile("games/crate/system/map.cfg",
              yardMapFile(7, "s map0object0 0.9 0.9 0.1 0.1 25 0 0.1 0.1 1 Crate\n", 1));
  s.writeFile("games/crate/system/logic.cfg",
              "f version 1\nf map0sentencecount 1\n"
              "s map0sentence0 129 0 300 400 0 600 713 0 \n");  // repeatedly: move object 0 right
}

TEST(WorldEditor, APlayTestLeavesTheWorldAsItWas) {
  Session s;
  writeMovingCrate(s);
  openInEditor(s, "crate", {330, 180});
  // The map (7 x 7) is shown centred: the crate's tile (3, 3) lies at (350, 350).
  constexpr Place kCrate{350, 350};
  ASSERT_TRUE(s.waitForPixel(kCrate.x, kCrate.y, [](const Pixel& p) { return !greenish(p); })) << "no crate";
  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 1));
  const std::string before = gameFile(s, "crate", "map.cfg");

  s.key("F5");
  EXPECT_TRUE(s.waitForPixel(kCrate.x, kCrate.y, greenish)) << "the crate did not move in the play-test";
  s.key("Escape");
  EXPECT_TRUE(s.waitForPixel(kCrate.x, kCrate.y, [](const Pixel& p) { return !greenish(p); }))
      << "the crate is not back";
  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 2));
  EXPECT_EQ(gameFile(s, "crate", "map.cfg"), before);
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

TEST(WorldEditor, BadSizesTheOnlyMapAndAnUnwritableSaveAreRefusedAndNothingIsLost) {
  Session s;
  createGame(s, "rocky");
  const auto refused = [&s](const char* what) {
    EXPECT_TRUE(s.waitForPixel(kNotice.x, kNotice.y, noticeShown)) << what << ": no notice";
    click(s, kNotice);  // dismissed
    ASSERT_TRUE(s.waitForPixel(kNotice.x, kNotice.y, notNoticeShown)) << what;
  };

  click(s, kNewMapIcon);
  for (const char* width : {"0", "700", "-3", "99999999999", "ab"}) {
    typeInto(s, kNewWidth, width);
    typeInto(s, kNewHeight, "5");
    click(s, kCreateMap);
    refused(width);
  }
  EXPECT_FALSE(reddish(s.pixel(kPreviousMap.x, kPreviousMap.y - 10))) << "a map was made";

  click(s, kEditMapIcon);
  typeInto(s, kResizeWidth, "701");
  typeInto(s, kResizeHeight, "10");
  click(s, kResizeMap);
  refused("701");
  typeInto(s, kResizeWidth, "700");
  click(s, kResizeMap);

  click(s, kDeleteMapIcon);
  refused("the only map");

  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 1));
  const std::string maps = gameFile(s, "rocky", "map.cfg");
  const std::string logic = gameFile(s, "rocky", "logic.cfg");
  EXPECT_NE(maps.find("f map0w 700\n"), std::string::npos) << "the resize to 700 was refused";
  EXPECT_NE(maps.find("f map0h 10\n"), std::string::npos);
  EXPECT_EQ(maps.find("map1"), maps.find("map1 endMapLoad"));

  // An edit, then a folder where the new map file is first written.
  typeInto(s, kMapName, "Stones");
  s.key("Return");
  boost::filesystem::create_directory(s.path("games/rocky/system/map.cfg.saving"));
  click(s, kSaveIcon);
  ASSERT_TRUE(s.waitForLog("could not be saved: games/rocky/system/map.cfg.saving: Is a directory"));
  EXPECT_TRUE(s.waitForPixel(kNotice.x, kNotice.y, noticeShown));
  EXPECT_TRUE(s.running());
  EXPECT_EQ(gameFile(s, "rocky", "map.cfg"), maps);
  EXPECT_EQ(gameFile(s, "rocky", "logic.cfg"), logic);

  boost::filesystem::remove(s.path("games/rocky/system/map.cfg.saving"));
  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 2));
  EXPECT_NE(gameFile(s, "rocky", "map.cfg").find("s map0name Stones\n"), std::string::npos);
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

// ---- objects ----------------------------------------------------------------------

// A game of one 4 x 4 map of grass and no objects or logic. The editor
// shows it centred: the camera at (0.6, 0.6), a world unit 1000 / 3 pixels,
// the map from (150, 150) to (550, 550); objects stay below 0.9 in each axis.
void writeEmptyYard(Session& s) {
  s.writeFile("games/props/system/map.cfg", yardMapFile(4, "", 0));
  s.writeFile("games/props/system/logic.cfg", "f version 1\nf map0sentencecount 0\n");
}
constexpr double kCameraX = 0.6, kCameraY = 0.6, kPixelsPerUnit = 1000.0 / 3;
constexpr Place kMapCentre{400, 300};
// Where new objects appear (at the camera); grass clear of the objects that
// an empty part of the image chooser, the macro menu and the welcome window
// covers; grass by the map's left edge.
constexpr Place kEmptyGrass{520, 380}, kLeftEdgeGrass{165, 300};
constexpr Place kAddObjectIcon{30, 350}, kDeleteObjectsIcon{30, 410};
constexpr Place kObjectNameField{580, 585};
constexpr Place kRpgMacro{110, 70};

// Object i's line of a map file ("x y w h tex layer obw obh solid name"),
// and where its centre is on the editor's screen.
std::string objectLine(const std::string& maps, int i) {
  const std::string key = "s map0object" + std::to_string(i) + " ";
  const std::size_t at = maps.find(key);
  if (at == std::string::npos) return "";
  return maps.substr(at + key.size(), maps.find('\n', at) - at - key.size());
}
Place onScreen(const std::string& line) {
  double x = 0, y = 0;
  std::sscanf(line.c_str(), "%lf %lf", &x, &y);
  return {static_cast<int>(400 + (x - kCameraX) * kPixelsPerUnit), static_cast<int>(300 - (y - kCameraY) * kPixelsPerUnit)};
}
double objectX(const std::string& line) { return std::atof(line.c_str()); }

TEST(WorldEditor, ObjectsAreAddedShapedDraggedDeletedGivenAMacroAndPlayed) {
  Session s;
  writeEmptyYard(s);
  openInEditor(s, "props", kEmptyGrass);

  // Three objects at the camera; the first dragged left, the second down.
  const auto addObject = [&s] {
    click(s, kAddObjectIcon);
    ASSERT_TRUE(s.waitForPixel(kMapCentre.x, kMapCentre.y, [](const Pixel& p) { return !greenish(p); }));
  };
  addObject();
  s.drag(kMapCentre.x, kMapCentre.y, 250, 300, 1, 30);
  ASSERT_TRUE(s.waitForPixel(kMapCentre.x, kMapCentre.y, greenish)) << "the first object was not dragged";
  addObject();
  s.drag(kMapCentre.x, kMapCentre.y, 400, 420, 1, 30);
  ASSERT_TRUE(s.waitForPixel(kMapCentre.x, kMapCentre.y, greenish)) << "the second object was not dragged";
  addObject();

  // The third: bricks through the chooser, layer 3, wider (right button),
  // taller, not solid, named with Enter in its field.
  chooseBricks(s, after(13, 515, "Change Image:"), kEmptyGrass);
  for (int k = 0; k < 2; ++k) click(s, after(13, 550, "Object Layer:"));
  const Place wider = after(250, 515, "Image Width:");
  s.click(wider.x, wider.y, 3);
  click(s, after(250, 550, "Image Height:"));
  click(s, after(250, 585, "Solid:"));
  typeInto(s, kObjectNameField, "Chest");
  s.key("Return");
  s.key("F2");  // the debug panel away for the picture of the object panel
  ASSERT_TRUE(s.waitForPixel(700, 100, [](const Pixel& p) { return !tfe2e::bluish(p); }));
  keepScreenshot(s, "object-panel.png");

  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 1));
  const std::string dragged = gameFile(s, "props", "map.cfg");
  const std::string first = objectLine(dragged, 0), second = objectLine(dragged, 1);
  EXPECT_LT(objectX(first), kCameraX - 0.1) << first;
  EXPECT_EQ(onScreen(second).x, kMapCentre.x) << second;
  EXPECT_GT(onScreen(second).y, kMapCentre.y + 30) << second;
  EXPECT_EQ(objectLine(dragged, 2), "0.6 0.6 0.15 0.11 4 2 0.1 0.1 0 Chest");

  // The first two selected with the right button (nothing selected before)
  // and deleted with the Delete key.
  click(s, kNotice);
  click(s, kEmptyGrass);
  for (const std::string& line : {first, second}) s.click(onScreen(line).x, onScreen(line).y, 3);
  s.key("Delete");
  ASSERT_TRUE(s.waitForPixel(onScreen(first).x, onScreen(first).y, greenish)) << "the first object is still there";
  ASSERT_TRUE(s.waitForPixel(onScreen(second).x, onScreen(second).y, greenish)) << "the second object is still there";
  EXPECT_TRUE(bricksAt(s, kMapCentre)) << "the chest is not shown in its bricks";  // unmarked now

  // The RPG macro on the one left.
  click(s, kMapCentre);
  click(s, after(13, 585, "Macro:"));
  ASSERT_TRUE(s.waitForPixel(kEmptyGrass.x, kEmptyGrass.y, tfe2e::bluish)) << "no macro menu";
  click(s, kRpgMacro);
  ASSERT_TRUE(s.waitForPixel(kEmptyGrass.x, kEmptyGrass.y, greenish)) << "the macro menu stayed open";

  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 2));
  const std::string maps = gameFile(s, "props", "map.cfg");
  const std::string logic = gameFile(s, "props", "logic.cfg");
  EXPECT_EQ(objectLine(maps, 0), "0.6 0.6 0.15 0.11 4 2 0.1 0.1 0 Chest");
  EXPECT_EQ(objectLine(maps, 1), "endObjectLoad");
  EXPECT_NE(logic.find("f map0object0sentencecount 6\n"), std::string::npos) << logic;
  EXPECT_NE(logic.find("s map0object0sentence0 104 0 300 400 0 600 710 0"), std::string::npos) << logic;

  // Opened again (greeted by the welcome window, the debug panel being off),
  // the files read back and save the same.
  leaveEditor(s);
  editGame(s, "props", kEmptyGrass, [&s] {
    ASSERT_TRUE(tfe2e::waitForWelcome(s)) << "no welcome window";
    keepScreenshot(s, "world-editor-welcome.png");
    click(s, tfe2e::kWelcomeClose);
  });
  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 3));
  EXPECT_EQ(gameFile(s, "props", "map.cfg"), maps);
  EXPECT_EQ(gameFile(s, "props", "logic.cfg"), logic);

  // A play-test: the arrow key moves the chest and the camera follows it, so
  // the map slides left under it; Escape brings the world back.
  s.key("F5");
  s.keyDown("Right");
  EXPECT_TRUE(s.waitForPixel(kLeftEdgeGrass.x, kLeftEdgeGrass.y, [](const Pixel& p) { return !greenish(p); }))
      << "the map did not slide";
  EXPECT_TRUE(bricksAt(s, kMapCentre)) << "the camera did not follow the chest";
  s.keyUp("Right");
  s.key("Escape");
  EXPECT_TRUE(s.waitForPixel(kLeftEdgeGrass.x, kLeftEdgeGrass.y, greenish)) << "the camera is not back";
  EXPECT_TRUE(bricksAt(s, kMapCentre));
  click(s, kSaveIcon);
  ASSERT_TRUE(waitForSaves(s, 4));
  EXPECT_EQ(gameFile(s, "props", "map.cfg"), maps);
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

}  // namespace
