// Random editing through the program's own entry points (clicks on pick
// colours, keys, drags, map hits, the buttons of the editor's menus) in the
// world editor, the logic editor and the menu editor. Each undo followed by a
// redo comes back to the same state; then Ctrl+Z undoes everything, leaving
// the game and its saved files exactly as they started with a selection that
// names only what exists, and Ctrl+Y redoes everything back to the end state.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "editor/edit_history.h"
#include "editor/edits.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/undo_keys.h"
#include "editor/world_editor.h"
#include "game/map_file.h"
#include "input/screens.h"
#include "input_fixture.h"
#include "media/images.h"
#include "media/notice.h"
#include "menus/system_textboxes.h"
#include "menus/ui_file.h"
#include "model_dump.h"

namespace {

using namespace tf;

constexpr unsigned kSeed = 7031;
constexpr int kActions = 400;
// Between two actions: past the button debounce and every double click.
constexpr int kPauseMs = 700;
constexpr int kGameImages = 12;
constexpr int kMenuImages = 8;

class UndoEverything : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    // The editor's main menu (0), its editing screen (1) and two menus of the game.
    makeMenus(4);
    gameUI.setEditorMainMenu(0);
    gameUI.setEditorMenu(1);
    for (int menu : {2, 3}) {
      addButton(menu, kFuncNothing);
      addButton(menu, kFuncNothing);
      gameUI.uiModifyText(100, 450, 1, 1, 1, "Line", menu, 0);
      gameUI.menuSetTextlineCount(menu, 1);
    }
    world.allocateMaps(2);
    world.worldSetMap(8, 6, "Field", 0);
    world.worldSetMap(5, 5, "Cave", 1);
    for (int i = 0; i < 4; ++i) world.worldSetObject(0.3f * i, 0.3f, 0.1f, 0.1f, 1, i % 2, i, 0);
    world.setGameName("rand");
    world.setGameLoaded(true);
    gameImg.assign(kGameImages, img());
    world.setGameImageCount(kGameImages);
    uiImage.assign(kMenuImages, img());
    gameUI.setUIImageCount(kMenuImages);
    loadSysTextboxes();
    loadMenu(1);
    gameSys.setGameState(kStateWorldEditor);
    worldEditor.setEditorMode(kModeNothing);
    gameSys.setDragDelay(0);
  }

  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

  // ---- the user's hands -----------------------------------------------------------------
  void button(int which, bool down, int r, int g, int b, int x = 400, int y = 300) {
    platform.setPickPixel(r, g, b);
    mouse(which, down ? kButtonDown : kButtonUp, x, y);
  }
  void click(int r, int g, int b, int which = kButtonLeft) {
    clock.advance(kPauseMs);
    button(which, true, r, g, b);
    button(which, false, r, g, b);
  }
  void control(int code, int which = kButtonLeft) { click(code, kPickMenuMark, kPickMenuMark, which); }
  void hit(MapHit h) {
    clock.advance(kPauseMs);
    h.time = clock.now();
    currentScreens().mapHit(h);
  }
  static int mapSide(bool width) {
    int w = 0, h = 0;
    std::string name;
    world.worldGetMap(w, h, name, world.getCurrentMap());
    return width ? w : h;
  }
  void chooseImage(int image) {
    click(kPickChooserImage, image / 256, image % 256);
    control(kPickChooserClose);
  }

  void select();
  void worldEditorAction();
  void logicAction();
  void menuEditorAction();
  void act();

  // ---- what is compared -------------------------------------------------------------------
  std::string savedFiles() {
    saveGameWorld();
    saveUI("rand");
    notice.leaveNotice();
    const std::string folder = "games/rand/system/";
    return dir.read(folder + "map.cfg") + "\n=== logic\n" + dir.read(folder + "logic.cfg") + "\n=== ui\n" +
           dir.read(folder + "ui.cfg");
  }
  // What the editors select names only what exists.
  static std::string badSelection() {
    if (gameSys.getGameState() == kStateMenuEditor) {
      const int menu = gameUI.getCurrentMenu();
      const int mode = worldEditor.getEditorMode();
      if (mode == kMenuModeButton && worldEditor.getCurrentButton() >= gameUI.menuGetButtonCount(menu)) return "button";
      if (mode == kMenuModeTextline && worldEditor.getCurrentTextline() >= gameUI.menuGetTextlineCount(menu)) {
        return "text line";
      }
      return "";
    }
    const int m = world.getCurrentMap();
    if (m >= world.getMapCount()) return "map";
    const int objects = world.worldGetObjectCount(m);
    for (int slot = 0; slot < worldEditor.getObjectListAmount(); ++slot) {
      if (worldEditor.getObjectList(slot) >= objects) return "listed object";
    }
    const int mode = worldEditor.getEditorMode();
    if ((mode == kModeObject || mode == kModeLocalLogic) && worldEditor.getObjectListAmount() == 0 &&
        worldEditor.getCurrentObject() >= objects) {
      return "object";
    }
    int x0, y0, x1, y1;
    worldEditor.getStartingTile(x0, y0);
    worldEditor.getEndingTile(x1, y1);
    if (mode == kModeTile && (std::max(x0, x1) >= mapSide(true) || std::max(y0, y1) >= mapSide(false))) return "tile";
    return "";
  }

  std::mt19937 rng{kSeed};
};

// Selects what is there, changing nothing of the game: the highest items,
// which an undo takes away first.
void UndoEverything::select() {
  if (gameSys.getGameState() == kStateMenuEditor) {
    const int menu = gameUI.getCurrentMenu();
    const int lines = gameUI.menuGetTextlineCount(menu);
    // The line takes typing, and the undo key with it.
    if (lines > 0) click(kPickEditorTextline, kPickMenuMark, lines - 1);
    return;
  }
  if (inLogicEditor()) return;
  const int objects = world.worldGetObjectCount(world.getCurrentMap());
  MapHit h;
  if (objects > 0 && pick(0, 2) > 0) {
    h.kind = MapHit::Object;
    h.object = objects - 1 - pick(0, std::min(objects - 1, 2));
    h.shift = pick(0, 1) == 0;
  } else {
    h.kind = MapHit::Tile;
    h.column = mapSide(true) - 1;
    h.row = mapSide(false) - 1;
  }
  hit(h);
}

void UndoEverything::worldEditorAction() {
  const int mode = worldEditor.getEditorMode();
  switch (pick(0, 15)) {
    case 0: {  // a tile, or a range with Shift or the right button
      MapHit h;
      h.kind = MapHit::Tile;
      h.column = pick(0, mapSide(true) - 1);
      h.row = pick(0, mapSide(false) - 1);
      h.shift = pick(0, 2) == 0;
      hit(h);
      break;
    }
    case 1:
    case 2:
      if (mode != kModeTile) break;
      control(kPickTileImage);
      chooseImage(pick(0, kGameImages - 1));
      break;
    case 3:
      if (mode == kModeTile) control(pick(0, 1) ? kPickTileStretchOn : kPickTileStretchOff);
      break;
    case 4:  // the add-object icon, or a middle click
      if (pick(0, 1)) {
        control(kPickToolbarAddObject);
      } else {
        clock.advance(kPauseMs);
        button(kButtonMiddle, true, 254, 254, 254);
        button(kButtonMiddle, false, 254, 254, 254);
      }
      break;
    case 5: {  // an object, then resized with Shift and the arrows
      const int objects = world.worldGetObjectCount(world.getCurrentMap());
      if (objects == 0) break;
      MapHit h;
      h.kind = MapHit::Object;
      h.object = pick(0, objects - 1);
      hit(h);
      for (int k = pick(1, 3); k > 0; --k) special(kSpecialUp + pick(0, 3), true);
      break;
    }
    case 6: {
      const int codes[] = {kPickFogToggle, kPickFogDenser, kPickFogThinner, kPickFogRedMore, kPickFogRedLess,
                           kPickFogGreenMore, kPickFogGreenLess, kPickFogBlueMore, kPickFogBlueLess};
      control(kPickToolbarFog);
      for (int k = pick(1, 3); k > 0; --k) control(codes[pick(0, 8)], pick(0, 1) ? kButtonLeft : kButtonRight);
      break;
    }
    case 7:
      if (world.getMapCount() >= 5) break;
      field(0, std::to_string(pick(1, 9)));
      field(1, std::to_string(pick(1, 9)));
      control(kPickNewMapCreate);
      break;
    case 8:
      if (world.getMapCount() < 5) control(kPickNewMapCopy);
      break;
    case 9:
      field(2, std::to_string(pick(1, 12)));
      field(3, std::to_string(pick(1, 12)));
      control(kPickEditMapResize);
      break;
    case 10:
      field(4, "Map " + std::to_string(pick(0, 99)));
      control(kPickEditMapRename);
      break;
    case 11:  // the delete-map icon and its dialog's check mark
      control(kPickToolbarDeleteMap);
      if (gameSys.getGameState() == kStateDialog) deleteCurrentMap();
      break;
    case 12: control(pick(0, 1) ? kPickMapNext : kPickMapPrevious); break;
    case 13: {  // animation settings, and the image they are for
      control(kPickToolbarAnimation);
      if (pick(0, 2) == 0) {
        control(kPickAnimImage);
        chooseImage(pick(0, kGameImages - 1));
      }
      const int codes[] = {kPickAnimFramesMore, kPickAnimFramesFewer, kPickAnimOn, kPickAnimOff, kPickAnimFaster,
                           kPickAnimSlower};
      for (int k = pick(1, 3); k > 0; --k) control(codes[pick(0, 5)]);
      break;
    }
    case 14: control(kPickToolbarGlobalLogic); break;
    default:
      if (mode == kModeObject) control(kPickToolbarLocalLogic);
      break;
  }
  notice.leaveNotice();
}

void UndoEverything::logicAction() {
  const int sentences = [] {
    const int m = world.getCurrentMap();
    return worldEditor.getEditorMode() == kModeGlobalLogic
               ? world.mapGlobalGetSentenceAmount(m)
               : world.mapLocalGetSentenceAmount(worldEditor.getCurrentObject(), m);
  }();
  switch (pick(0, 6)) {
    case 0: control(kPickLogicAdd); break;
    case 1:
    case 2:
    case 3:
      if (sentences == 0) break;
      // A word opens its list (Enter closes it), an operand steps.
      click(kPickLogicWord, pick(0, sentences - 1), pick(0, 7), pick(0, 1) ? kButtonLeft : kButtonRight);
      if (pick(0, 1)) special(pick(0, 1) ? kSpecialDown : kSpecialUp);
      press(kCharEnter);
      break;
    case 4:
      if (sentences > 0) click(kPickLogicCopy, kPickMenuMark, pick(0, sentences - 1));
      break;
    case 5:
      if (sentences > 0) click(kPickLogicDelete, kPickMenuMark, pick(0, sentences - 1));
      break;
    default: click(kPickLogicExit, kPickMenuMark, 0); break;
  }
  notice.leaveNotice();
}

void UndoEverything::menuEditorAction() {
  const int menu = gameUI.getCurrentMenu();
  const int buttons = gameUI.menuGetButtonCount(menu);
  const int lines = gameUI.menuGetTextlineCount(menu);
  switch (pick(0, 9)) {
    case 0:
      if (buttons > 0) click(kPickEditorButton, kPickMenuMark, pick(0, buttons - 1));
      break;
    case 1:
      if (lines > 0) click(kPickEditorTextline, kPickMenuMark, pick(0, lines - 1));
      break;
    case 2:
      for (int k = pick(1, 4); k > 0; --k) special(kSpecialUp + pick(0, 3));
      break;
    case 3: {  // a drag of the selected button
      if (worldEditor.getEditorMode() != kMenuModeButton) break;
      const int b = worldEditor.getCurrentButton();
      clock.advance(kPauseMs);
      button(kButtonLeft, true, kPickEditorButton, kPickMenuMark, b);
      for (int k = 0; k < 4; ++k) {
        clock.advance(10);
        mouseDrag(300 + pick(0, 200), 200 + pick(0, 200));
      }
      button(kButtonLeft, false, kPickEditorButton, kPickMenuMark, b, 350, 250);
      break;
    }
    case 4: {
      const int codes[] = {kPickButtonWider, kPickButtonNarrower, kPickButtonTaller, kPickButtonShorter};
      control(codes[pick(0, 3)], pick(0, 1) ? kButtonLeft : kButtonRight);
      break;
    }
    case 5: control(kPickTextlineAdd); break;
    case 6:  // typing into the selected text line
      if (worldEditor.getEditorMode() != kMenuModeTextline) break;
      for (int k = pick(1, 4); k > 0; --k) {
        press(pick(0, 3) ? static_cast<unsigned char>('a' + pick(0, 25)) : kCharBackspace);
      }
      press(kCharEnter);
      break;
    case 7:
      if (worldEditor.getEditorMode() == kMenuModeTextline) control(kPickTextlineDelete);
      break;
    case 8:
      if (worldEditor.getEditorMode() == kMenuModeMenu) {
        control(kPickMenuBackground);
        chooseImage(pick(0, kMenuImages - 1));
      }
      break;
    default: control(pick(0, 1) ? kPickMenuNext : kPickMenuPrevious); break;
  }
  notice.leaveNotice();
}

// One action where the editors stand; now and then the menu editor is
// entered or left through the editor's menus.
void UndoEverything::act() {
  if (gameSys.getGameState() == kStateMenuEditor) {
    if (pick(0, 9) == 0) {
      control(kPickToolbarQuit);  // back to the editor's main menu
      editGame();                 // its button to the editing screen
    } else {
      menuEditorAction();
    }
  } else if (inLogicEditor()) {
    logicAction();
  } else if (pick(0, 12) == 0) {
    control(kPickToolbarQuit);
    loadUIEditor();  // the main menu's button to the menu editor
    loadMenu(2 + pick(0, 1));
  } else {
    worldEditorAction();
  }
}

TEST_F(UndoEverything, UndoingEveryActionGivesBackTheGameAndItsFilesAndRedoingGivesBackTheActions) {
  SCOPED_TRACE("seed " + std::to_string(kSeed));
  const std::string startState = tftest::editableDump();
  const std::string startFiles = savedFiles();
  for (int a = 0; a < kActions; ++a) {
    act();
    gameSys.setInputState(kInputNormal);  // a field clicked into is left
    if (pick(0, 3) == 0 && editHistoryLog.canUndo()) {  // a slip undone and taken back
      const std::string now = tftest::editableDump();
      press(kCharCtrlZ);
      ASSERT_EQ(badSelection(), "") << "action " << a;
      press(kCharCtrlY);
      ASSERT_EQ(tftest::editableDump(), now) << "action " << a;
    }
  }
  const std::string endState = tftest::editableDump();
  ASSERT_NE(endState, startState);
  const std::size_t steps = editHistoryLog.getStepCount();
  ASSERT_GT(steps, 100u);

  for (std::size_t s = 0; s < steps; ++s) {
    if (pick(0, 1)) select();
    press(kCharCtrlZ);
    ASSERT_EQ(badSelection(), "") << "undo " << s;
  }
  EXPECT_FALSE(editHistoryLog.canUndo());
  EXPECT_EQ(tftest::editableDump(), startState);
  EXPECT_EQ(savedFiles(), startFiles);

  for (std::size_t s = 0; s < steps; ++s) {
    if (pick(0, 1)) select();
    // Ctrl+Y and Ctrl+Shift+Z in turn.
    press(s % 2 ? kCharCtrlY : kCharCtrlZ, s % 2 == 0);
    ASSERT_EQ(badSelection(), "") << "redo " << s;
  }
  EXPECT_FALSE(editHistoryLog.canRedo());
  EXPECT_EQ(tftest::editableDump(), endState);
}

}  // namespace
