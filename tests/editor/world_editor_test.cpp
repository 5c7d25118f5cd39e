// The world editor on a game of the data tree: opening it, games that cannot
// be opened, a play-test that leaves the edited game as it was, and scrolling
// the camera at the window's edges within the map.
#include "editor/world_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game/game_names.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "game_tree.h"
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

}  // namespace
