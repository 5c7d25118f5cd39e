// The ways into and out of the editors that the menus' buttons take: opening
// a game in the world editor, its two screens, leaving it, play-testing and
// coming back, adding objects, and the menu editor on a game's menus.
#include "editor/world_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/camera.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "game/game_names.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "game_tree.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/help.h"
#include "menus/ui.h"
#include "messages.h"
#include "world_compare.h"

using namespace tf;
using tftest::cameraAt;
using tftest::editorState;
using tftest::shownNotice;
using Lines = std::vector<std::string>;

namespace {

class EditorEntry : public tftest::GameTree {
 protected:
  void SetUp() override {
    GameTree::SetUp();
    writeGame("alpha", tftest::sampleGame());
  }

  void openAlpha() {
    loadGameEditor("alpha");
    ASSERT_EQ(gameSys.getGameState(), kStateWorldEditor);
  }
};

TEST_F(EditorEntry, OpeningAGameInTheEditor) {
  tftest::dirtyEditor();
  gameSys.setLastGameEdited("older");
  tftest::MessageLog messages;

  loadGameEditor("alpha");

  EXPECT_TRUE(tftest::sameStoredWorld(tftest::sampleGame(), world));
  EXPECT_TRUE(world.getGameLoaded());
  EXPECT_EQ(gameSys.getLastGameEdited(), "alpha");
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_EQ(gameUI.getCurrentMenu(), tftest::kGameEditorMainMenu);
  EXPECT_EQ(uiHelp.getHelpTitle(), tftest::kToolkitHelpTitle);  // the toolkit's help while editing
  EXPECT_EQ(editorState(), "mode 0 tiles 0,0 0,0 0,0 object 0 list 0:-1 anim 0 ui 0,0,0 help 0 tip 0 layers 11111111");
  EXPECT_EQ(cameraAt(), "0.6 0.45 0");  // over the middle of the first map, 4 by 3 tiles
  const Lines lines = messages.lines();
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 2), (Lines{"", "^2^gWorld Editor Initializing..."}));
  EXPECT_TRUE(messages.contains("^yNOTE: ^wDefault Tessera Forge help is enabled while the World Editor is in use."));
  EXPECT_EQ(Lines(lines.end() - 3, lines.end()), (Lines{"", "^2^gWorld Editor Successfully Initialized", ""}));
}

TEST_F(EditorEntry, GamesThatCannotBeOpenedAreRefusedBeforeAnythingChanges) {
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
    EXPECT_EQ(shownNotice(), "^yERROR | " + std::string(busy ? "" : "^w") + text);
    EXPECT_EQ(tftest::joined({world.getGameLoaded(), gameSys.getGameState(), static_cast<long long>(platform.frames.size())}),
              "0 " + std::to_string(state) + " 0");
    EXPECT_EQ(gameSys.getLastGameEdited(), "");
  }
  // The name of a toolkit menu set opens the menu editor instead.
  gameSys.setGameState(kStateMenus);
  loadGameEditor("ingameui");
  EXPECT_EQ(gameSys.getGameState(), kStateMenuEditor);
  EXPECT_EQ(world.getGameName() + " " + shownMenuText(), "ingameui ingame menu 0");
}

TEST_F(EditorEntry, TheEditorsTwoScreensAndTheMenuEditor) {
  openAlpha();
  tftest::dirtyEditor();
  editGame();
  EXPECT_EQ(gameUI.getCurrentMenu(), tftest::kGameEditorMenu);
  EXPECT_EQ(editorState(), "mode 0 tiles 3,2 3,2 3,2 object 1 list 1:1 anim 5 ui 2,3,4 help 0 tip 0 layers 01111110");
  int timer = 0, welcome = 0;
  worldEditor.getWelcome(timer, welcome);
  EXPECT_EQ(tftest::joined({timer, welcome}), "1 1");

  editMenu();
  EXPECT_EQ(gameUI.getCurrentMenu(), tftest::kGameEditorMainMenu);
  EXPECT_EQ(worldEditor.getCurrentAnimImage(), 0);

  worldEditor.setCurrentTip(4);
  worldEditor.setHelpMenu(1);
  loadUIEditor();
  EXPECT_EQ(gameSys.getGameState(), kStateMenuEditor);
  EXPECT_EQ(gameUI.getCurrentMenu(), 0);
  EXPECT_EQ(shownMenuText(), "alpha menu 0");
  EXPECT_EQ(worldEditor.getEditorMode(), kMenuModeNothing);
  EXPECT_EQ(tftest::joined({worldEditor.getCurrentTip(), worldEditor.getHelpMenu()}), "0 0");
  worldEditor.getWelcome(timer, welcome);
  EXPECT_EQ(tftest::joined({timer, welcome}), "1 2");
}

TEST_F(EditorEntry, LeavingTheEditor) {
  gameSys.setGameState(kStateMenus);
  tftest::MessageLog refused;
  leaveGameEditor();
  EXPECT_TRUE(refused.contains("^rERROR: ^wGame editor is not active, cannot exit editor"));
  EXPECT_EQ(shownNotice(), "^yERROR | Game editor is not active, cannot exit editor");

  for (int state : {kStateWorldEditor, kStateDialog}) {
    openAlpha();
    gameSys.setGameState(state);
    worldEditor.setImageMenuRow(4);
    worldEditor.setPhraseSelectorChoice(700);
    worldEditor.setPhraseMenu(2);
    leaveGameEditor();
    EXPECT_FALSE(world.getGameLoaded());
    EXPECT_EQ(gameSys.getGameState(), kStateMenus);
    EXPECT_EQ(shownMenuText(), "toolkit menu 1");
    EXPECT_EQ(tftest::joined({worldEditor.getImageMenuRow(), worldEditor.getPhraseSelectorChoice(),
                              worldEditor.getPhraseMenu()}),
              "0 0 -1");
  }
}

TEST_F(EditorEntry, NothingThatHappensDuringAPlayTestSurvivesIt) {
  openAlpha();
  enterTest();  // only from the editing screen
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  returnToEditor();  // only from a play-test
  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);

  editGame();
  world.worldSetTile(9, 0, 0, 0);  // an edit made before the test
  gameWorld edited = world;
  camera.SetPos(0.4f, 0.5f, 0);
  world.setChangeMap(1);
  playGameSound(0, 1);
  enterTest();
  EXPECT_EQ(gameSys.getGameState(), kStatePlaytest);
  EXPECT_EQ(world.getChangeMap(), -1);
  EXPECT_EQ(audio.playingCount("games/alpha/sound/beep.wav"), 0);

  // The test plays: objects die, scores change, keys are held, the camera moves.
  world.worldSetObjectLife(false, 0, 0);
  world.worldDeleteObject(1, 0);
  world.setGlobalScore(1, 40);
  world.setCurrentMap(1);
  gameSys.setKeyState(kKeySpace, kKeyHeld);
  gameSys.setAlphabetKeyState(3, kKeyHeld);
  camera.SetPos(9, 9, 0);
  playGameSound(0, 1);
  platform.calls.clear();

  returnToEditor();

  EXPECT_EQ(gameSys.getGameState(), kStateWorldEditor);
  EXPECT_TRUE(tftest::sameStoredWorld(edited, world));
  EXPECT_TRUE(world.worldGetObjectLife(0, 0));
  EXPECT_EQ(tftest::joined({world.getGlobalScore(1), world.getCurrentMap(), gameSys.getKeyState(kKeySpace),
                            gameSys.getAlphabetKeyState(3)}),
            "0 0 0 0");
  EXPECT_EQ(cameraAt(), "0.4 0.5 0");
  EXPECT_EQ(audio.playingCount("games/alpha/sound/beep.wav"), 0);
  EXPECT_EQ(platform.calls, (Lines{"repeat on", "cursor arrow"}));
}

TEST_F(EditorEntry, AddingObjects) {
  openAlpha();
  editGame();
  worldEditor.setObjectList(0, 0);
  worldEditor.setObjectListAmount(1);
  camera.SetPos(0.75f, 0.45f, 0);

  addObject();

  ASSERT_EQ(world.worldGetObjectCount(0), 3);
  EXPECT_EQ(tftest::objectText(world, 2, 0), "0.75 0.45 0.1 0.1 1 0 / 0.1 0.1");
  EXPECT_EQ(editorState(), "mode 2 tiles 0,0 0,0 0,0 object 2 list 0:-1 anim 0 ui 0,0,0 help 0 tip 0 layers 11111111");
  EXPECT_EQ(audio.played.back(), "soundreq/boop.wav once");

  while (world.worldGetObjectCount(0) < kMaxObjects) addObject();
  worldEditor.setEditorMode(kModeNothing);
  addObject();
  EXPECT_EQ(world.worldGetObjectCount(0), kMaxObjects);
  EXPECT_EQ(shownNotice(), "Too many objects | You have exceeded the maximum # of objects for this map");
  EXPECT_EQ(worldEditor.getEditorMode(), kModeNothing);

  // The toolkit's own menu sets have no map to add to.
  leaveGame();
  loadPredefinedUI("mainui");
  const std::size_t played = audio.played.size();
  addObject();
  EXPECT_EQ(tftest::joined({world.getMapCount(), static_cast<long long>(audio.played.size() - played),
                            worldEditor.getEditorMode()}),
            "0 0 0");
}

}  // namespace
