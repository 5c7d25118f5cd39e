// What the menu editor writes: a toolkit menu set opened for editing is saved
// to its own system file and never into a game's folder; a game's menus are
// saved into the game's folder and never over the toolkit's files, even when
// the game had no menus of its own and showed the toolkit's in-game menus.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <map>
#include <string>

#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/world_editor.h"
#include "game/lifecycle.h"
#include "game/world.h"
#include "game_tree.h"
#include "input/color_pick.h"
#include "menus/ui_file.h"
#include "menus/ui_model.h"

namespace {

using namespace tf;
using tftest::sampleGame;
namespace fs = boost::filesystem;

// Every file under `folder` with its text.
std::map<std::string, std::string> filesUnder(const std::string& folder) {
  std::map<std::string, std::string> files;
  if (!fs::exists(folder)) return files;
  for (fs::recursive_directory_iterator it(folder), end; it != end; ++it) {
    if (fs::is_regular_file(it->path())) files[it->path().string()] = tftest::readWholeFile(it->path().string());
  }
  return files;
}

class MenuEditorFiles : public tftest::GameTree {
 protected:
  // Moves text line 0 of the menu shown 5 units right with the arrow key, as
  // the editor does with the line selected, and saves with the disk icon.
  static void moveFirstLineAndSave() {
    worldEditor.setEditorMode(kMenuModeTextline);
    worldEditor.setCurrentTextline(0);
    nudgeMenuItem(kSpecialRight);
    gameSys.setLeftMouse(kMousePress);
    const unsigned char save[3] = {kPickToolbarSave, kPickMenuMark, kPickMenuMark};
    ASSERT_TRUE(dispatchPickPixel(save));
  }
  // "menu<m>text0x <value>" as the file should hold it.
  static std::string firstLineX(int menu, const char* value) {
    return "f menu" + std::to_string(menu) + "text0x " + value + "\n";
  }
};

TEST_F(MenuEditorFiles, AToolkitSetIsSavedToItsOwnFileAndNeverIntoAGamesFolder) {
  // Opened from the console (editui) or given as the name of a game to edit.
  const struct {
    const char* set;
    void (*open)(const std::string& name);
    const char* file;
    const char* untouched;
  } sets[] = {{"mainui", loadPredefinedUI, "system/ui.cfg", "system/ingameui.cfg"},
              {"ingameui", loadGameEditor, "system/ingameui.cfg", "system/ui.cfg"}};
  writeGame("maze", sampleGame());
  for (const auto& s : sets) {
    SCOPED_TRACE(s.set);
    const auto games = filesUnder("games");
    const std::string other = dir.read(s.untouched);
    gameSys.setGameState(kStateMenus);
    s.open(s.set);
    ASSERT_EQ(gameSys.getGameState(), kStateMenuEditor);
    EXPECT_TRUE(editingToolkitMenus());
    moveFirstLineAndSave();
    EXPECT_NE(dir.read(s.file).find(firstLineX(0, "15")), std::string::npos);
    EXPECT_EQ(dir.read(s.untouched), other);
    EXPECT_EQ(filesUnder("games"), games);
    EXPECT_FALSE(dir.exists(std::string("games/") + s.set));
    // The quit icon leaves the set for the toolkit's own menus.
    const unsigned char leave[3] = {kPickLeaveMenuSet, kPickMenuMark, kPickMenuMark};
    EXPECT_TRUE(dispatchPickPixel(leave));
    EXPECT_EQ(gameSys.getGameState(), kStateMenus);
    EXPECT_FALSE(world.getGameLoaded());
  }
}

TEST_F(MenuEditorFiles, AGamesMenusAreSavedIntoItsFolderAndNeverOverTheToolkitsFiles) {
  const struct {
    const char* what;
    bool ownMenus;
  } cases[] = {{"menus of its own", true}, {"the toolkit's in-game menus shown for want of its own", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeGame("maze", sampleGame());
    if (!c.ownMenus) fs::remove("games/maze/system/ui.cfg");
    const auto system = filesUnder("system");
    gameSys.setGameState(kStateMenus);
    loadGameEditor("maze");
    ASSERT_EQ(gameSys.getGameState(), kStateWorldEditor);
    loadUIEditor();
    EXPECT_FALSE(editingToolkitMenus());
    moveFirstLineAndSave();
    EXPECT_NE(dir.read("games/maze/system/ui.cfg").find(firstLineX(0, "15")), std::string::npos);
    EXPECT_EQ(filesUnder("system"), system);
    leaveGame();
  }
}

}  // namespace
