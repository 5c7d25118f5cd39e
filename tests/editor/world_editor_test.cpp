// The world editor on a game of the data tree: opening it, games that cannot
// be opened, a play-test that leaves the edited game as it was, scrolling the
// camera at the window's edges within the map, copying an object, changing
// the map, and what the map shows of the editor's selection.
#include "editor/world_editor.h"
#include "editor/world_editor_objects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/camera.h"
#include "core/numbers.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/game_names.h"
#include "game/lifecycle.h"
#include "game/step_ids.h"
#include "game/world.h"
#include "game_tree.h"
#include "logic/game_render.h"
#include "media/notice.h"
#include "media/sound.h"
#include "messages.h"
#include "world_compare.h"

using namespace tf;
using tftest::cameraAt;

namespace {

class WorldEditor : public tftest::GameTree {
 protected:
  void SetUp() override {
    GameTree::SetUp();
    writeGame("alpha", tftest::sampleGame());
  }
};

TEST_F(WorldEditor, GamesThatCannotBeOpenedAreRefusedBeforeAnythingChanges) {
  writeGame("../y", tftest::sampleGame());
  dir.write("games/x/placeholder", "");
  std::vector<std::pair<std::string, int>> cases;
  for (const char* name : {"nowhere", "", "x/../../y", "../system", "..", "al\rpha"}) cases.push_back({name, kStateMenus});
  for (int state : {kStatePlay, kStateWorldEditor, kStatePlaytest}) cases.push_back({"alpha", state});
  for (const auto& [name, state] : cases) {
    SCOPED_TRACE(name + " in state " + std::to_string(state));
    gameSys.setGameState(state);
    notice.leaveNotice();
    tftest::MessageLog messages;
    loadGameEditor(name);
    const bool busy = state != kStateMenus;
    const std::string text = busy ? "Cannot load game editor, a current game is already loaded"
                                  : "Unable to open game: ^y" + shownGameName(name);
    EXPECT_TRUE(messages.contains("^rERROR: ^w" + text));
    EXPECT_EQ(tftest::shownNotice(), "^yERROR | " + std::string(busy ? "" : "^w") + text);
    EXPECT_EQ(tftest::joined({world.getGameLoaded(), gameSys.getGameState(), static_cast<long long>(platform.frames.size())}),
              "0 " + std::to_string(state) + " 0");
  }
  gameSys.setGameState(kStateMenus);
  loadGameEditor("alpha");
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_TRUE(tftest::sameStoredWorld(tftest::sampleGame(), world));
}

TEST_F(WorldEditor, NothingThatHappensDuringAPlayTestSurvivesIt) {
  loadGameEditor("alpha");
  editGame();
  world.worldSetTile(9, 0, 0, 0);  // an edit made before the test
  const gameWorld edited = world;
  camera.SetPos(0.4f, 0.5f, 0);
  enterTest();
  ASSERT_EQ(gameSys.getGameState(), kStatePlaytest);

  // The test plays: objects die, scores change, keys are held, the camera moves.
  world.worldSetObjectLife(false, 0, 0);
  world.worldDeleteObject(1, 0);
  world.setGlobalScore(1, 40);
  world.setCurrentMap(1);
  gameSys.setKeyState(kKeySpace, kKeyHeld);
  camera.SetPos(9, 9, 0);
  playGameSound(0, 1);

  returnToEditor();

  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_TRUE(tftest::sameStoredWorld(edited, world));
  EXPECT_TRUE(world.worldGetObjectLife(0, 0));
  EXPECT_EQ(tftest::joined({world.getGlobalScore(1), world.getCurrentMap(), gameSys.getKeyState(kKeySpace)}), "0 0 0");
  EXPECT_EQ(cameraAt(), "0.4 0.5 0");
  EXPECT_EQ(audio.playingCount("games/alpha/sound/beep.wav"), 0);
}

TEST_F(WorldEditor, ThePointerAtAWindowEdgeMovesTheCameraThatWayWithinTheMap) {
  world.allocateMaps(1);
  world.worldSetMap(10, 10, "map", 0);  // 3 x 3 world units
  world.setGameLoaded(true);
  gameSys.setGameState(kStateWorldEditor);
  const struct {
    float x, y;
    int mx, my;
    float speed;
    const char* camera;
  } cases[] = {
      {1, 1, 400, 300, 1, "1 1 0"},       {1, 1, 3, 300, 1, "0.94 1 0"},        // left
      {1, 1, 796, 300, 2, "1.12 1 0"},    {1, 1, 400, 0, 1, "1 1.06 0"},        // right at twice the speed; up
      {1, 1, 0, 599, 0.5f, "0.97 0.97 0"},  {1, 1, 6, 6, 1, "1 1 0"},           // a corner; just inside the margin
      {0.03f, 0.03f, 0, 598, 1, "0 0 0"},                                       // stops at 0
      {2.95f, 2.95f, 799, 2, 1, "2.95 2.95 0"},                                 // would leave the map
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("pointer at " + std::to_string(c.mx) + "," + std::to_string(c.my));
    camera.SetPos(c.x, c.y, 0);
    const std::string before = cameraAt();
    gameSys.setMousePos(c.mx, c.my);
    EXPECT_EQ(editorScroll(c.speed), before != c.camera);  // true when it moved
    EXPECT_EQ(cameraAt(), c.camera);
  }
}

TEST_F(WorldEditor, ACopyIsSelectedAndItsActionsOnTheOriginalSpeakOfTheCopy) {
  world = tftest::sampleGame();
  const int original = 0, other = 1, copy = 2;
  world.mapLocalAddSentence(original, 0);
  world.mapLocalChangeSentence(original, 0, 1, kSlotAction, kActionKillObject);
  world.mapLocalChangeSentence(original, 0, 1, kSlotActionOperand, original);
  world.mapLocalAddSentence(original, 0);
  world.mapLocalChangeSentence(original, 0, 2, kSlotAction, kActionKillObject);
  world.mapLocalChangeSentence(original, 0, 2, kSlotActionOperand, other);
  const auto aimedAt = [](int obj, int k) {
    return world.mapLocalGetWholeSentence(obj, 0, k).getSentenceStep(kSlotActionOperand);
  };
  const auto owner = [](int obj, int k) { return world.mapLocalGetWholeSentence(obj, 0, k).getOwner(); };

  worldEditor.setCurrentObject(original);
  copySelectedObjects();
  EXPECT_EQ(worldEditor.getCurrentObject(), copy);
  EXPECT_EQ(tftest::joined({aimedAt(copy, 1), aimedAt(copy, 2), owner(copy, 1), owner(copy, 2)}), "2 1 2 2");
  EXPECT_EQ(tftest::joined({aimedAt(original, 1), owner(original, 1)}), "0 0");

  world.worldCopyObject(original, 0, kNoObject);  // re-aims nothing
  EXPECT_EQ(tftest::joined({aimedAt(3, 1), owner(3, 1)}), "0 3");
}

TEST_F(WorldEditor, AnotherMapClearsTheEditorsSelectionAndCentresTheCameraOnIt) {
  world = tftest::sampleGame();  // map 0 is 4 x 3 tiles, map 1 2 x 2
  world.setGameLoaded(true);
  const struct {
    int state, map;
    std::string camera, editor;
  } cases[] = {
      {kStateWorldEditor, 1, "0.3 0.3 0", "mode 0 tiles 0,0 0,0 0,0 object 0 list 0:-1"},
      {kStateWorldEditor, 2, "9 9 9", "mode 8 tiles 3,2 3,2 3,2 object 1 list 1:1"},  // no such map
      {kStatePlay, 1, "0 0 0", "mode 8 tiles 3,2 3,2 3,2 object 1 list 1:1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.state) + " " + std::to_string(c.map));
    world.setCurrentMap(0);
    camera.SetPos(9, 9, 9);
    tftest::dirtyEditor();
    gameSys.setGameState(c.state);
    changeMap(c.map);
    EXPECT_EQ(world.getCurrentMap(), c.map < world.getMapCount() ? c.map : 0);
    EXPECT_EQ(cameraAt(), c.camera);
    EXPECT_EQ(tftest::editorState().substr(0, c.editor.size()), c.editor);
  }
}

TEST_F(WorldEditor, TheMapMarksWhatTheEditorHasSelected) {
  world = tftest::sampleGame();
  world.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 1, 2, 2, 0);  // a third object, on layer 3
  const auto marked = [] {
    std::vector<SelectionMark> marks;
    planSelectionMarks(world, 0, 0.5f, 0.5f, worldEditorMapView(), marks);
    std::string xs;
    for (const SelectionMark& m : marks) xs += formatFloat(m.x) + " ";
    return xs;
  };
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setCurrentObject(1);
  EXPECT_EQ(marked(), "0.9 ");
  worldEditor.setObjectList(0, 0);
  worldEditor.setObjectList(1, 2);
  worldEditor.setObjectListAmount(2);
  EXPECT_EQ(marked(), "0.6 0.3 ");
  worldEditor.setEditorMode(kModeTile);
  EXPECT_EQ(marked(), "");
  worldEditor.setSAO(1);
  EXPECT_EQ(marked(), "0.6 0.9 0.3 ");

  worldEditor.setStartingTile(1, 1);
  worldEditor.setEndingTile(2, 3);
  float shade = 0;
  EXPECT_TRUE(tileHighlight(worldEditorMapView(), 2, 2, shade));
  EXPECT_LT(shade, 1.0f);
  EXPECT_TRUE(tileHighlight(worldEditorMapView(), 1, 1, shade));
  EXPECT_EQ(shade, 1.0f);
  EXPECT_FALSE(tileHighlight(worldEditorMapView(), 0, 1, shade));

  worldEditor.setRenderLayer(2, false);  // layer 3 hidden in the editor's view
  std::vector<ObjectDraw> drawn;
  planObjects(world, 0, 0.5f, 0.5f, MapView::Editor, worldEditorMapView(), 1, drawn);
  EXPECT_EQ(drawn.size(), 2u);
}

}  // namespace
