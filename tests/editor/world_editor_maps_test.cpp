// The world editor's map panels through their codes, as a click on them
// reads back: sizes typed into the new-map and edit-map fields (whole numbers
// in range only), maps the game cannot hold, renaming, deleting a map through
// its dialog, the fog panel, and saving: a save that cannot be written keeps
// the editor, the edits and the old files, and a later one succeeds.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <string>

#include "core/numbers.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/world_editor_maps.h"
#include "input_fixture.h"
#include "media/notice.h"
#include "messages.h"
#include "menus/system_textboxes.h"

namespace {

using namespace tf;
using tftest::shownNotice;

class WorldEditorMaps : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    scene();
  }
  // A game "field" of one 10 x 10 map in the world editor, nothing selected,
  // no edits and no notice.
  static void scene() {
    onEditingScreen();
    world.setGameName("field");
    loadSysTextboxes();
    clearNotice();
  }

  // The maps: "count, current: W x H name".
  static std::string maps() {
    int w = 0, h = 0;
    std::string name;
    world.worldGetMap(w, h, name, world.getCurrentMap());
    return std::to_string(world.getMapCount()) + ", " + std::to_string(world.getCurrentMap()) + ": " +
           std::to_string(w) + "x" + std::to_string(h) + " " + name;
  }
  std::string sounds() const {
    return timesPlayed("open") ? "open" : timesPlayed("error") ? "error" : timesPlayed("close") ? "close" : "-";
  }
  static void clearNotice() {
    notice.setNotice("", "");
    notice.leaveNotice();
  }
};

TEST_F(WorldEditorMaps, SizesAreWholeNumbersInRangeAndAnythingElseIsRefused) {
  const char* const kCreateRefused = "Create Map | Invalid Width or Height entered for new map!";
  const char* const kResizeRefused = "Edit Map | Invalid Width or Height entered for resize!";
  const struct {
    int code;
    const char* width;
    const char* height;
    std::string maps, notice, sound;
  } cases[] = {
      {kPickNewMapCreate, "20", "15", "2, 1: 20x15 New Map", "(none)", "open"},
      {kPickNewMapCreate, " 699", "1 ", "2, 1: 699x1 New Map", "(none)", "open"},
      {kPickNewMapCreate, "0", "10", "1, 0: 10x10 Field", kCreateRefused, "error"},
      {kPickNewMapCreate, "700", "10", "1, 0: 10x10 Field", kCreateRefused, "error"},
      {kPickNewMapCreate, "-3", "10", "1, 0: 10x10 Field", kCreateRefused, "error"},
      {kPickNewMapCreate, "99999999999", "5", "1, 0: 10x10 Field", kCreateRefused, "error"},
      {kPickNewMapCreate, "4294967306", "5", "1, 0: 10x10 Field", kCreateRefused, "error"},  // 10 past 2^32
      {kPickNewMapCreate, "12a", "5", "1, 0: 10x10 Field", kCreateRefused, "error"},
      {kPickNewMapCreate, "", "5", "1, 0: 10x10 Field", kCreateRefused, "error"},
      {kPickNewMapCreate, "5", "  ", "1, 0: 10x10 Field", kCreateRefused, "error"},
      {kPickEditMapResize, "700", "700", "1, 0: 700x700 Field", "(none)", "-"},
      {kPickEditMapResize, "3", "4", "1, 0: 3x4 Field", "(none)", "-"},
      {kPickEditMapResize, "701", "10", "1, 0: 10x10 Field", kResizeRefused, "-"},
      {kPickEditMapResize, "10", "701", "1, 0: 10x10 Field", kResizeRefused, "-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.code == kPickNewMapCreate ? "new map " : "resize ") + "'" + c.width + "' x '" +
                 c.height + "'");
    fresh();
    scene();
    gameSys.setInputState(kInputSystemTextbox);  // the size was typed into a field
    const int first = c.code == kPickNewMapCreate ? 0 : 2;
    field(first, c.width);
    field(first + 1, c.height);
    EXPECT_TRUE(pickCode(c.code));
    EXPECT_EQ(maps(), c.maps);
    EXPECT_EQ(shownNotice(), c.notice);
    EXPECT_EQ(sounds(), c.sound);
    const bool taken = c.notice == "(none)";
    EXPECT_EQ(editHistoryLog.canUndo(), taken);
    EXPECT_EQ(gameSys.getInputState(), taken ? kInputNormal : kInputSystemTextbox);
  }
}

TEST_F(WorldEditorMaps, AMapTheGameCannotHoldIsNotAddedAndNothingElseChanges) {
  ASSERT_TRUE(world.allocateMaps(kMaxMaps));  // as many maps as the files can hold
  for (int m = 1; m < kMaxMaps; ++m) world.worldSetMap(1, 1, "M", m);
  world.setCurrentMap(5);
  field(0, "3");
  field(1, "3");
  for (int code : {kPickNewMapCreate, kPickNewMapCopy}) {
    SCOPED_TRACE(code);
    clearNotice();
    audio.played.clear();
    EXPECT_TRUE(pickCode(code));
    EXPECT_EQ(maps(), "4096, 5: 1x1 M");
    EXPECT_EQ(sounds(), "error");
    EXPECT_FALSE(editHistoryLog.canUndo());
  }
  EXPECT_EQ(shownNotice(), "Copy Map | The game cannot hold another copy of this map.");
}

TEST_F(WorldEditorMaps, ACopyOfTheMapIsShownAndARenameNeedsAName) {
  world.worldSetTile(4, 2, 3, 0);
  EXPECT_TRUE(pickCode(kPickNewMapCopy));
  EXPECT_EQ(maps(), "2, 1: 10x10 Field");
  int tex = 0;
  world.worldGetTile(tex, 2, 3, 1);
  EXPECT_EQ(tex, 4);
  for (const char* name : {"", "   "}) {
    clearNotice();
    field(4, name);
    EXPECT_TRUE(pickCode(kPickEditMapRename));
    EXPECT_EQ(shownNotice(), "Edit Map | Invalid name entered.");
  }
  field(4, "Lake shore");
  EXPECT_TRUE(pickCode(kPickEditMapRename, PickAt::RightPress));
  EXPECT_EQ(maps(), "2, 1: 10x10 Lake shore");
}

TEST_F(WorldEditorMaps, DeletingAMapAsksFirstNeverTakesTheLastAndForgetsTheSelection) {
  EXPECT_TRUE(pickCode(kPickToolbarDeleteMap));
  EXPECT_EQ(shownNotice(), "Cannot Delete Map | There must always be at least one map.");
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);

  EXPECT_TRUE(pickCode(kPickNewMapCopy));
  world.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 1, 0, 0, 1);
  world.worldSetObject(0.6f, 0.3f, 0.1f, 0.1f, 1, 0, 1, 1);
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setObjectList(0, 0);
  worldEditor.setObjectList(1, 1);
  worldEditor.setObjectListAmount(2);
  EXPECT_TRUE(pickCode(kPickToolbarDeleteMap, PickAt::LeftRelease));  // taken, not acted on
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_TRUE(pickCode(kPickToolbarDeleteMap));
  EXPECT_EQ(gameSys.getGameState(), kStateDialog);
  EXPECT_EQ(gameUI.getCurrentDialogBox(), 3);

  buttonAction(kFuncDeleteMap, 0);  // the dialog's check mark
  EXPECT_EQ(maps(), "1, 0: 10x10 Field");
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_EQ(tftest::editorState().substr(0, 44), "mode 0 tiles 0,0 0,0 0,0 object 0 list 0:-1 ");
  EXPECT_TRUE(editHistoryLog.canUndo());
}

TEST_F(WorldEditorMaps, TheFogPanelStepsTheFogOfTheCurrentMapAsOneEditEach) {
  const auto fog = [](int m) {
    bool on = false;
    float density = 0, r = 0, g = 0, b = 0;
    world.worldGetFog(on, density, r, g, b, m);
    return std::to_string(on) + " " + formatFloat(density) + " " + formatFloat(r) + " " + formatFloat(g) + " " +
           formatFloat(b);
  };
  const struct {
    int code;
    PickAt event;
    const char* fog;
  } steps[] = {
      {kPickFogToggle, PickAt::Hover, "0 0 1 1 1"},     {kPickFogToggle, PickAt::LeftPress, "1 0 1 1 1"},
      {kPickFogDenser, PickAt::LeftPress, "1 0.1 1 1 1"}, {kPickFogDenser, PickAt::RightPress, "1 0.2 1 1 1"},
      {kPickFogDenser, PickAt::LeftRelease, "1 0.2 1 1 1"}, {kPickFogThinner, PickAt::LeftPress, "1 0.1 1 1 1"},
      {kPickFogThinner, PickAt::LeftPress, "1 0.1 1 1 1"},  // not below a tenth
      {kPickFogRedMore, PickAt::LeftPress, "1 0.1 1 1 1"},  // not above 1
      {kPickFogRedLess, PickAt::LeftPress, "1 0.1 0.9 1 1"}, {kPickFogGreenLess, PickAt::LeftPress, "1 0.1 0.9 0.9 1"},
      {kPickFogGreenMore, PickAt::LeftPress, "1 0.1 0.9 1 1"}, {kPickFogBlueLess, PickAt::LeftPress, "1 0.1 0.9 1 0.9"},
      {kPickFogBlueMore, PickAt::LeftPress, "1 0.1 0.9 1 1"},
  };
  ASSERT_TRUE(pickCode(kPickNewMapCopy));  // the copy, map 1, is shown
  editHistoryLog.clear();
  worldEditor.setEditorMode(kModeFog);
  std::size_t edits = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.code);
    const std::string before = fog(1);
    EXPECT_TRUE(pickCode(step.code, step.event));
    EXPECT_EQ(fog(1), step.fog);
    edits += before != fog(1);
  }
  EXPECT_EQ(editHistoryLog.getStepCount(), edits);
  EXPECT_EQ(fog(0), "0 0 1 1 1");
}

TEST_F(WorldEditorMaps, ASaveThatCannotBeWrittenKeepsTheEditorTheEditsAndTheOldFiles) {
  namespace fs = boost::filesystem;
  world.worldSetTile(3, 1, 1, 0);
  {
    tftest::MessageLog saved;
    ASSERT_TRUE(pickCode(kPickToolbarSave));
    EXPECT_TRUE(saved.contains("^wGame has been successfully saved!"));
    EXPECT_TRUE(saved.contains("^wUI has been successfully saved!"));
  }
  EXPECT_EQ(shownNotice(), "Project Saved | The project^y field^w has been successfully saved.");
  EXPECT_FALSE(editHistoryLog.hasUnsavedChanges());
  const std::string savedMap = dir.read("games/field/system/map.cfg");
  const std::string savedMenus = dir.read("games/field/system/ui.cfg");

  field(0, "5");
  field(1, "6");
  ASSERT_TRUE(pickCode(kPickNewMapCreate));
  fs::remove("games/field/system/logic.cfg");
  fs::create_directory("games/field/system/logic.cfg");  // in the way of the logic file
  audio.played.clear();
  tftest::MessageLog messages;
  EXPECT_TRUE(pickCode(kPickToolbarSave));
  EXPECT_TRUE(messages.contains("could not be saved: games/field/system/logic.cfg: Is a directory."));
  EXPECT_FALSE(messages.contains("^wUI has been successfully saved!"));
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_EQ(maps(), "2, 1: 5x6 New Map");
  EXPECT_TRUE(editHistoryLog.hasUnsavedChanges());
  EXPECT_EQ(dir.read("games/field/system/map.cfg"), savedMap);
  EXPECT_EQ(dir.read("games/field/system/ui.cfg"), savedMenus);
  EXPECT_EQ(shownNotice(), "Project Not Saved | ^yIs a directory^w. Nothing was written; the old files are kept.");
  NoticeLayout shown;
  EXPECT_TRUE(prepareNotice(shown));  // short enough to be shown
  EXPECT_EQ(sounds(), "error");

  fs::remove("games/field/system/logic.cfg");
  EXPECT_TRUE(pickCode(kPickToolbarSave));
  EXPECT_FALSE(editHistoryLog.hasUnsavedChanges());
  EXPECT_NE(dir.read("games/field/system/map.cfg").find("map1w 5"), std::string::npos);
}

}  // namespace
