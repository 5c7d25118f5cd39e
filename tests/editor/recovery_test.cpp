// The recovery copy of a game being edited: written a minute after the first
// change not yet copied (on the controlled clock), before a play-test, never
// over the saved files; removed by a save or by undoing back to the saved
// state; offered when the game is opened again and restored as the edited,
// unsaved state, or discarded; a damaged copy reported and never loaded, a
// stale one removed; a toolkit menu set copied into the toolkit's own folder;
// the leave dialogs naming changes not saved.
#include "editor/recovery.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <string>

#include "core/system.h"
#include "editor/edit_history.h"
#include "editor/edits.h"
#include "editor/editor.h"
#include "editor/world_editor.h"
#include "game/world.h"
#include "game_tree.h"
#include "input/color_pick.h"
#include "manual_clock.h"
#include "menus/dialog.h"
#include "menus/ui_model.h"
#include "model_dump.h"

namespace {

using namespace tf;
namespace fs = boost::filesystem;

constexpr const char* kCopy = "games/alpha/recovery";
constexpr const char* kSaved = "games/alpha/system/";

class Recovery : public tftest::GameTree {
 protected:
  void SetUp() override {
    GameTree::SetUp();
    writeGame("alpha", tftest::sampleGame());
    openAlpha();
    ASSERT_EQ(gameSys.getGameState(), kStateWorldEditor);
  }
  // Opens the game in the world editor: its editor, or the restore dialog over it.
  static void openAlpha() {
    gameSys.setGameState(kStateMenus);
    loadGameEditor("alpha");
  }
  // The program ends without a save and starts again.
  static void crash() {
    editHistoryLog.clear();
    tftest::resetLifecycleGlobals();
  }
  std::string savedFiles() const {
    return dir.read(std::string(kSaved) + "map.cfg") + dir.read(std::string(kSaved) + "logic.cfg") +
           dir.read(std::string(kSaved) + "ui.cfg");
  }
  // A change of each kind a copy carries: tiles, objects, logic, phrases, menus.
  static void editAll() {
    ASSERT_TRUE(editPaintTiles(0, 0, 0, 3, 2, 7));
    ASSERT_GE(editAddObject(1, objectFields()), 0);
    ASSERT_TRUE(editAddSentence(globalLogicOf(0), 0));
    ASSERT_TRUE(editSetPhrase(9, "Found it"));
    ASSERT_TRUE(editSetMenuBackground(0, 0));
    ASSERT_TRUE(editRenameMap(1, "Deep Cave"));
  }
  // Edits of every kind copied, then a crash.
  static void copyAndCrash() {
    editAll();
    ASSERT_TRUE(writeRecoveryCopy());
    crash();
  }
  static void save() {
    gameSys.setLeftMouse(kMousePress);
    const unsigned char pixel[3] = {kPickToolbarSave, kPickMenuMark, kPickMenuMark};
    ASSERT_TRUE(dispatchPickPixel(pixel));
  }
  tftest::ManualClock clock{5000};
};

TEST_F(Recovery, TheCopyIsWrittenAMinuteAfterTheFirstChangeNotYetCopied) {
  recoveryTick();
  EXPECT_FALSE(dir.exists(kCopy));  // nothing to copy
  ASSERT_TRUE(editPaintTiles(0, 1, 1, 1, 1, 9));
  recoveryTick();
  clock.advance(30000);
  ASSERT_TRUE(editPaintTiles(0, 2, 1, 2, 1, 9));  // later changes do not put it off
  recoveryTick();
  clock.advance(29999);
  recoveryTick();
  EXPECT_FALSE(dir.exists(kCopy));
  clock.advance(1);
  recoveryTick();
  ASSERT_TRUE(dir.exists(std::string(kCopy) + "/map.cfg"));
  EXPECT_NE(dir.read(std::string(kCopy) + "/map.cfg"), dir.read(std::string(kSaved) + "map.cfg"));

  // Without further changes it is not written again, however long it waits.
  fs::remove_all(kCopy);
  clock.advance(10 * kRecoveryIntervalMs);
  recoveryTick();
  EXPECT_FALSE(dir.exists(kCopy));
  ASSERT_TRUE(editPaintTiles(0, 3, 1, 3, 1, 9));
  recoveryTick();
  clock.advance(kRecoveryIntervalMs - 1);
  recoveryTick();
  EXPECT_FALSE(dir.exists(kCopy));
  clock.advance(1);
  recoveryTick();
  EXPECT_TRUE(dir.exists(kCopy));
  EXPECT_EQ(savedFiles().find("recovery"), std::string::npos);
}

TEST_F(Recovery, TheIntervalCanOnlyBeShortenedThroughTheEnvironment) {
  const struct {
    const char* value;
    int ms;
  } cases[] = {{"500", 500}, {"60000", 60000}, {"0", 60000}, {"-5", 60000}, {"12x", 60000}, {"", 60000},
               {"60001", 60000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    setenv(kRecoveryIntervalVariable, c.value, 1);
    EXPECT_EQ(recoveryIntervalMs(), c.ms);
  }
  unsetenv(kRecoveryIntervalVariable);
  EXPECT_EQ(recoveryIntervalMs(), kRecoveryIntervalMs);
}

TEST_F(Recovery, ASaveOrUndoingBackToTheSavedStateRemovesTheCopy) {
  ASSERT_TRUE(editPaintTiles(0, 1, 1, 1, 1, 9));
  ASSERT_TRUE(writeRecoveryCopy());
  ASSERT_TRUE(dir.exists(kCopy));
  editGame();
  save();
  EXPECT_FALSE(dir.exists(kCopy));
  EXPECT_FALSE(editHistoryLog.hasUnsavedChanges());

  ASSERT_TRUE(editPaintTiles(0, 2, 2, 2, 2, 9));
  ASSERT_TRUE(writeRecoveryCopy());
  ASSERT_TRUE(dir.exists(kCopy));
  editHistoryLog.undo();
  recoveryTick();
  EXPECT_FALSE(dir.exists(kCopy));
}

TEST_F(Recovery, APlayTestWritesTheCopyFirstAndNothingOfTheTestGetsIntoIt) {
  editGame();
  ASSERT_TRUE(editPaintTiles(0, 1, 1, 1, 1, 9));
  enterTest();
  ASSERT_EQ(gameSys.getGameState(), kStatePlaytest);
  ASSERT_TRUE(dir.exists(kCopy));
  const std::string copied = dir.read(std::string(kCopy) + "/map.cfg");
  world.worldSetTile(4, 1, 1, 0);  // the game changes itself while it runs
  clock.advance(2 * kRecoveryIntervalMs);
  recoveryTick();
  EXPECT_EQ(dir.read(std::string(kCopy) + "/map.cfg"), copied);
  EXPECT_FALSE(writeRecoveryCopy());
  returnToEditor();
}

TEST_F(Recovery, AfterACrashTheCopyIsOfferedAndRestoredAsTheEditedStateUnsavedUntilSaved) {
  const std::string saved = savedFiles();
  const std::string original = tftest::editableDump();
  editAll();
  const std::string edited = tftest::editableDump();
  ASSERT_TRUE(writeRecoveryCopy());
  EXPECT_EQ(savedFiles(), saved);
  crash();

  openAlpha();
  EXPECT_EQ(gameSys.getGameState(), kStateDialog);
  EXPECT_EQ(gameUI.getCurrentDialogBox(), kRestoreDialog);
  answerRecovery(1);
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_EQ(tftest::editableDump(), edited);
  EXPECT_TRUE(editHistoryLog.hasUnsavedChanges());
  EXPECT_EQ(savedFiles(), saved);
  EXPECT_TRUE(dir.exists(kCopy));  // until the save

  editGame();
  save();
  EXPECT_FALSE(dir.exists(kCopy));
  crash();
  openAlpha();
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);  // nothing offered
  EXPECT_EQ(tftest::editableDump(), edited);
  EXPECT_NE(edited, original);
}

TEST_F(Recovery, ADiscardedCopyIsRemovedAndTheSavedGameStays) {
  const std::string original = tftest::editableDump();
  copyAndCrash();
  openAlpha();
  ASSERT_EQ(gameSys.getGameState(), kStateDialog);
  answerRecovery(0);
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_FALSE(dir.exists(kCopy));
  EXPECT_EQ(tftest::editableDump(), original);
  EXPECT_FALSE(editHistoryLog.hasUnsavedChanges());
}

TEST_F(Recovery, ADamagedCopyIsReportedAndNeverLoaded) {
  const std::string original = tftest::editableDump();
  // The file damaged in the copy: a byte changed, the end cut off, or the
  // file gone (the list of files among them).
  enum Damage { kFlip, kCut, kGone };
  const struct {
    const char* file;
    Damage damage;
  } cases[] = {{"map.cfg", kFlip}, {"logic.cfg", kCut}, {"ui.cfg", kGone}, {"recovery.cfg", kGone}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    crash();
    openAlpha();
    editAll();
    ASSERT_TRUE(writeRecoveryCopy());
    const std::string file = std::string(kCopy) + "/" + c.file;
    std::string text = dir.read(file);
    if (c.damage == kFlip) text[text.size() / 2] ^= 1;
    if (c.damage == kCut) text.resize(text.size() - 3);
    if (c.damage == kGone) {
      fs::remove(file);
    } else {
      dir.write(file, text);
    }
    EXPECT_EQ(findRecoveryCopy("alpha"), RecoveryCopy::Damaged);
    crash();
    openAlpha();
    EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
    EXPECT_EQ(tftest::shownNotice().rfind("^yRecovery | ", 0), 0u) << tftest::shownNotice();
    EXPECT_EQ(tftest::editableDump(), original);
    EXPECT_TRUE(dir.exists(kCopy));
    fs::remove_all(kCopy);
  }
}

TEST_F(Recovery, ACopyThatCannotBeReadWholeLeavesTheSavedGameAsItWas) {
  const std::string original = tftest::editableDump();
  editAll();
  const int menus = gameUI.getMenuCount();
  gameUI.setMenuCount(0);  // a menu file that holds no menu, whole by its checksum
  ASSERT_TRUE(writeRecoveryCopy());
  gameUI.setMenuCount(menus);
  crash();
  openAlpha();
  ASSERT_EQ(gameSys.getGameState(), kStateDialog);
  answerRecovery(1);  // its maps read well before its menus fail
  EXPECT_EQ(tftest::editableDump(), original);
  EXPECT_EQ(tftest::shownNotice().rfind("^yRecovery | ", 0), 0u) << tftest::shownNotice();
  EXPECT_FALSE(editHistoryLog.hasUnsavedChanges());
}

TEST_F(Recovery, ACopyOlderThanTheSavedFilesIsRemovedWithoutAsking) {
  copyAndCrash();
  const std::time_t copied = fs::last_write_time(std::string(kCopy) + "/recovery.cfg");
  fs::last_write_time(std::string(kSaved) + "map.cfg", copied + 10);
  EXPECT_EQ(findRecoveryCopy("alpha"), RecoveryCopy::Stale);
  openAlpha();
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_FALSE(dir.exists(kCopy));
}

TEST_F(Recovery, AToolkitMenuSetIsCopiedIntoTheToolkitsOwnFolderOnly) {
  crash();
  gameSys.setGameState(kStateMenus);
  loadGameEditor("mainui");
  ASSERT_EQ(gameSys.getGameState(), kStateMenuEditor);
  ASSERT_TRUE(editSetMenuBackground(0, 0));
  ASSERT_TRUE(writeRecoveryCopy());
  EXPECT_TRUE(dir.exists("system/recovery/mainui/ui.cfg"));
  EXPECT_FALSE(dir.exists("system/recovery/mainui/map.cfg"));
  EXPECT_FALSE(dir.exists("games/mainui"));
  EXPECT_EQ(findRecoveryCopy("mainui"), RecoveryCopy::Offered);
}

TEST_F(Recovery, TheLeaveDialogsSayWhetherChangesAreNotSaved) {
  setDialogChoice(chooseLeaveDialog);
  const struct {
    bool changed;
    int asked, shown;
  } cases[] = {{false, kLeaveEditorDialog, kLeaveEditorDialog},
               {false, kLeaveToolkitDialog, kLeaveToolkitDialog},
               {true, kLeaveEditorDialog, kLeaveEditorUnsavedDialog},
               {true, kLeaveToolkitDialog, kLeaveToolkitUnsavedDialog},
               {true, 3, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.asked) + (c.changed ? " changed" : " saved"));
    editHistoryLog.clear();
    if (c.changed) {
      ASSERT_TRUE(editRenameMap(0, "Other " + std::to_string(c.asked)));
    }
    enableDialog(c.asked);
    EXPECT_EQ(gameUI.getCurrentDialogBox(), c.shown);
    disableDialog();
  }
  // Outside the editors a leave dialog is the plain one.
  editHistoryLog.clear();
  ASSERT_TRUE(editRenameMap(0, "Again"));
  leaveGameEditor();
  EXPECT_EQ(chooseLeaveDialog(kLeaveToolkitDialog), kLeaveToolkitDialog);
  setDialogChoice(nullptr);
}

}  // namespace
