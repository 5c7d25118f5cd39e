// Nothing lost to a crash, with real keys and clicks: an edit of a saved game
// is copied into the game's recovery folder (the interval shortened through
// the environment), Ctrl+Z takes it back (the copy goes with it) and
// Ctrl+Shift+Z or Ctrl+Y brings it again; the program is killed outright;
// started again, it offers the copy when the game is opened, and restoring
// brings the edit back, saved by the next save. A damaged copy is reported
// and the game opens as it was saved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/session.h"

using tfe2e::Place;
using tfe2e::Session;
using tfe2e::greenish;

namespace {

constexpr Place kCreateGame{400, 278}, kEditGame{400, 336};
constexpr Place kNameField{400, 227};
constexpr Place kEditWorld{220, 140};
constexpr Place kDialogYes{300, 370};
constexpr Place kSaveIcon{30, 80}, kEditMapIcon{30, 185};
constexpr Place kMapName{350, 510};
constexpr Place kFirstMapGrass{300, 200};

constexpr const char* kGame = "haven";
constexpr const char* kCopyList = "games/haven/recovery/recovery.cfg";
constexpr const char* kCopiedMaps = "games/haven/recovery/map.cfg";
constexpr const char* kRenamed = "s map0name Harbour\n";
const std::vector<std::string> kShortInterval = {"TF_RECOVERY_INTERVAL_MS=200"};

void click(Session& s, Place p) { s.click(p.x, p.y); }
void typeInto(Session& s, Place field, const std::string& text) {
  click(s, field);
  for (int k = 0; k < 12; ++k) s.key("BackSpace");
  s.type(text);
}
bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A game created and saved, its first map then renamed without saving, the
// recovery copy waited for.
void editWithoutSaving(Session& s) {
  s.writeFile("system/system.cfg", tfe2e::windowSettings());
  s.start(kShortInterval);
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  s.clickButton(kCreateGame.x, kCreateGame.y);
  click(s, kNameField);
  s.type(kGame);
  s.key("Return");
  ASSERT_TRUE(s.waitForPixel(kFirstMapGrass.x, kFirstMapGrass.y, greenish)) << "no map in the editor";
  click(s, kSaveIcon);
  ASSERT_TRUE(s.waitForLog("The project has been successfully saved."));
  EXPECT_FALSE(s.exists("games/haven/recovery"));

  click(s, kEditMapIcon);
  typeInto(s, kMapName, "Harbour");
  s.key("Return");
  ASSERT_TRUE(s.waitForFile(kCopyList)) << "no recovery copy";
  EXPECT_TRUE(holds(s.readFile(kCopiedMaps), kRenamed));
  EXPECT_FALSE(holds(s.readFile("games/haven/system/map.cfg"), kRenamed));
}

// From the main menu, the game opened in the editor again.
void openAgain(Session& s) {
  s.start(kShortInterval);
  ASSERT_TRUE(tfe2e::waitForMainMenu(s));
  s.clickButton(kEditGame.x, kEditGame.y);
  typeInto(s, kNameField, kGame);
  s.key("Return");
  ASSERT_TRUE(s.waitForLog("Game: haven has been loaded successfully."));
}

TEST(Recovery, UndoRedoAndAKilledProgramLoseNoEdit) {
  Session s;
  editWithoutSaving(s);

  // Undone, the game is as saved and the copy goes; redone, it comes back.
  s.key("ctrl+z");
  ASSERT_TRUE(s.waitUntil([&s] { return !s.exists(kCopyList); })) << "the undo left the copy";
  s.key("ctrl+shift+z");
  ASSERT_TRUE(s.waitForFile(kCopyList)) << "Ctrl+Shift+Z did not redo";
  EXPECT_TRUE(holds(s.readFile(kCopiedMaps), kRenamed));
  s.key("ctrl+z");
  ASSERT_TRUE(s.waitUntil([&s] { return !s.exists(kCopyList); }));
  s.key("ctrl+y");
  ASSERT_TRUE(s.waitForFile(kCopyList)) << "Ctrl+Y did not redo";

  s.killProgram();
  openAgain(s);
  // The debug panel away for the picture of the offer: where it stood, the
  // screen shows something else.
  const tfe2e::Pixel panel = s.pixel(700, 100);
  s.key("F2");
  ASSERT_TRUE(s.waitForPixel(700, 100, [&panel](const tfe2e::Pixel& p) { return !(p == panel); }));
  s.keepScreenshot("recovery.png");
  s.key("F2");  // debug mode again, which keeps the editor's welcome window away
  s.clickButton(kDialogYes.x, kDialogYes.y);  // restore
  ASSERT_TRUE(s.waitForLog("were restored from the recovery copy"));
  s.clickButton(kEditWorld.x, kEditWorld.y);
  ASSERT_TRUE(s.waitForPixel(kFirstMapGrass.x, kFirstMapGrass.y, greenish)) << "no editing screen";
  EXPECT_FALSE(holds(s.readFile("games/haven/system/map.cfg"), kRenamed));  // restored, not yet saved
  click(s, kSaveIcon);
  ASSERT_TRUE(s.waitUntil([&s] { return holds(s.readFile("games/haven/system/map.cfg"), kRenamed); }));
  EXPECT_TRUE(s.waitUntil([&s] { return !s.exists("games/haven/recovery"); })) << "the save left the copy";
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

TEST(Recovery, ADamagedCopyIsReportedAndTheSavedGameOpens) {
  Session s;
  editWithoutSaving(s);
  s.killProgram();
  s.writeFile(kCopiedMaps, s.readFile(kCopiedMaps) + "s map0name Mangled\n");

  openAgain(s);
  ASSERT_TRUE(s.waitForLog("is damaged; it was not loaded"));
  s.clickButton(kEditWorld.x, kEditWorld.y);  // no dialog stands in the way
  ASSERT_TRUE(s.waitForPixel(kFirstMapGrass.x, kFirstMapGrass.y, greenish)) << "no editing screen";
  click(s, kSaveIcon);
  ASSERT_TRUE(s.waitForLog("The project has been successfully saved."));
  const std::string maps = s.readFile("games/haven/system/map.cfg");
  EXPECT_FALSE(holds(maps, kRenamed));
  EXPECT_FALSE(holds(maps, "Mangled"));
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

}  // namespace
