// Undo and redo from the keyboard: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z through the
// keyboard callback in each editor, never while a field takes typing (a text
// line of the menu editor excepted, which they step); the place of the change
// shown first (map, logic list, phrase, image, menu); a selection trimmed to
// what exists; a quiet word when there is nothing to do; play-tests never
// entering the history.
#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "editor/editor.h"
#include "editor/edits.h"
#include "editor/menu_editor.h"
#include "editor/undo_keys.h"
#include "editor/world_editor.h"
#include "input_fixture.h"
#include "media/images.h"
#include "menus/system_textboxes.h"

namespace {

using namespace tf;
using tftest::joined;

class UndoKeys : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    onEditingScreen();
    world.allocateMaps(2);
    world.worldSetMap(4, 4, "Cave", 1);
    for (int i = 0; i < 4; ++i) world.worldSetObject(0.3f * i, 0.3f, 0.1f, 0.1f, 1, 0, i, 0);
    gameUI.setMenuBackgroundTex(1, 0);
    gameUI.uiModifyText(10, 10, 1, 1, 1, "Hi", 1, 0);
    gameUI.menuSetTextlineCount(1, 1);
    gameImg.assign(5, img());
    world.setGameImageCount(5);
    uiImage.assign(5, img());
    gameUI.setUIImageCount(5);
    worldEditor.setEditorMode(kModeNothing);
  }
  static int tile(int x, int y, int m = 0) {
    int tex = -1;
    world.worldGetTile(tex, x, y, m);
    return tex;
  }
  // Where the editors stand: "state S menu M map P mode D".
  static std::string where() {
    return "state " + std::to_string(gameSys.getGameState()) + " menu " + std::to_string(gameUI.getCurrentMenu()) +
           " map " + std::to_string(world.getCurrentMap()) + " mode " + std::to_string(worldEditor.getEditorMode());
  }
};

TEST_F(UndoKeys, AFieldTakingTypingKeepsTheKeysButATextLineOfTheMenuEditorIsSteppedBack) {
  loadSysTextboxes();
  ASSERT_TRUE(editPaintTiles(0, 1, 1, 1, 1, 4));
  gameUI.setTextboxEdit(0);
  gameSys.setInputState(kInputSystemTextbox);
  const int before = gameUI.getTextboxEdit();
  press(kCharCtrlZ);
  EXPECT_EQ(tile(1, 1), 4);  // not undone while the field has the keys
  float x, y, w, h;
  int text;
  sysTextbox[before].getTextbox(x, y, w, h, text);
  EXPECT_EQ(uiScriptString.getString(text).find('\x1a'), std::string::npos);
  gameSys.setInputState(kInputNormal);

  // Typing into a text line: what is typed until the typing stops is one
  // step, stepped back and forth; a click on the line stops it.
  gameSys.setGameState(kStateMenuEditor);
  const auto line = [] {
    float lx, ly, r, g, b;
    std::string s;
    gameUI.uiGetText(lx, ly, r, g, b, s, 1, 0);
    return s;
  };
  const auto clickLine = [this] {
    clock.advance(1000);
    platform.setPickPixel(kPickEditorTextline, kPickMenuMark, 0);
    mouse(kButtonLeft, kButtonDown, 100, 100);
    mouse(kButtonLeft, kButtonUp, 100, 100);
  };
  clickLine();
  ASSERT_EQ(gameSys.getInputState(), kInputMenuEditorText);
  press('a');
  press('b');
  EXPECT_EQ(line(), "Hiab");
  press(kCharCtrlZ);
  EXPECT_EQ(line(), "Hi");
  press(kCharCtrlY);
  EXPECT_EQ(line(), "Hiab");
  EXPECT_EQ(gameSys.getInputState(), kInputMenuEditorText);  // still typing
  press('c');
  clickLine();
  press('d');
  press(kCharCtrlZ);
  EXPECT_EQ(line(), "Hiabc");
  press(kCharCtrlZ);
  EXPECT_EQ(line(), "Hiab");
}

TEST_F(UndoKeys, AnUndoShowsWhereTheChangeWasMadeFirst) {
  const struct {
    const char* what;
    int startState;
    bool (*change)();
    std::string where;  // after the undo
    int extra;          // object, phrase page or image shown (-1: not checked)
    int (*shown)();
  } cases[] = {
      {"tiles of another map", kStateWorldEditor, [] { return editPaintTiles(1, 0, 0, 3, 3, 2); }, "state 5 menu 1 map 1 mode 0",
       -1, nullptr},
      {"global logic from the editing screen", kStateWorldEditor,
       [] { return editAddSentence(globalLogicOf(0), 0); }, "state 5 menu 1 map 0 mode 6", -1, nullptr},
      {"local logic of object 2", kStateWorldEditor, [] { return editAddSentence(localLogicOf(0, 2), 2); },
       "state 5 menu 1 map 0 mode 7", 2, [] { return worldEditor.getCurrentObject(); }},
      {"a phrase", kStateWorldEditor, [] { return editSetPhrase(37, "Hello"); }, "state 5 menu 1 map 0 mode 0", 37,
       [] { return worldEditor.getPhraseMenu(); }},
      {"a game image's animation", kStateWorldEditor, [] { return editSetAnimation(kGameImages, 3, 4, 300, true); },
       "state 5 menu 1 map 0 mode 3", 3, [] { return worldEditor.getCurrentAnimImage(); }},
      {"a menu from the world editor", kStateWorldEditor, [] { return editSetMenuBackground(0, 4); },
       "state 6 menu 0 map 0 mode 0", -1, nullptr},
      {"a map from the menu editor", kStateMenuEditor, [] { return editRenameMap(1, "Deep"); },
       "state 5 menu 1 map 1 mode 0", -1, nullptr},
      {"a menu image from the world editor", kStateWorldEditor,
       [] { return editSetAnimation(kMenuImages, 2, 5, 500, true); }, "state 6 menu 0 map 0 mode 4", 2,
       [] { return worldEditor.getCurrentAnimImage(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    gameSys.setGameState(c.startState);
    loadMenu(1);
    world.setCurrentMap(0);
    worldEditor.setEditorMode(kModeNothing);
    worldEditor.setCurrentObject(0);
    worldEditor.setPhraseMenu(-1);
    ASSERT_TRUE(c.change());
    press(kCharCtrlZ);
    EXPECT_EQ(where(), c.where);
    if (c.shown) {
      EXPECT_EQ(c.shown(), c.extra);
    }
    editHistoryLog.clear();
  }
}

TEST_F(UndoKeys, TheSelectionNeverNamesWhatAnUndoTookAway) {
  // An object added and selected, then undone: nothing selected.
  addObject();
  ASSERT_EQ(joined({worldEditor.getEditorMode(), worldEditor.getCurrentObject()}), "2 4");
  press(kCharCtrlZ);
  EXPECT_EQ(joined({worldEditor.getEditorMode(), worldEditor.getCurrentObject(), world.worldGetObjectCount(0)}),
            "0 0 4");

  // Listed objects that are gone leave the list; a list of one is a single selection.
  ASSERT_EQ(editAddObject(0, objectFields()), 4);
  ASSERT_EQ(editAddObject(0, objectFields()), 5);
  editHistoryLog.clear();
  ASSERT_TRUE(editAddObject(0, objectFields()) == 6);
  ASSERT_TRUE(editAddObject(0, objectFields()) == 7);
  for (int slot = 0; slot < 3; ++slot) worldEditor.setObjectList(slot, 5 + slot);
  worldEditor.setObjectListAmount(3);
  worldEditor.setCurrentObject(7);
  worldEditor.setEditorMode(kModeObject);
  press(kCharCtrlZ);  // object 7 goes
  EXPECT_EQ(joined({worldEditor.getObjectListAmount(), worldEditor.getObjectList(0), worldEditor.getObjectList(1),
                    worldEditor.getCurrentObject(), worldEditor.getEditorMode()}),
            "2 5 6 6 2");
  press(kCharCtrlZ);  // object 6 goes: object 5 alone is the selection
  EXPECT_EQ(joined({worldEditor.getObjectListAmount(), worldEditor.getCurrentObject(), worldEditor.getEditorMode()}),
            "0 5 2");

  // A map made and shown, then undone: the last map is shown, its tiles chosen afresh.
  const int made = editAddMap(20, 20, "Big");
  ASSERT_EQ(made, 2);
  changeMap(made);
  worldEditor.setCurrentTile(15, 15);
  worldEditor.setEditorMode(kModeTile);
  press(kCharCtrlZ);
  int x, y;
  worldEditor.getEndingTile(x, y);
  EXPECT_EQ(joined({world.getMapCount(), world.getCurrentMap(), x, y}), "2 1 0 0");

  // A text line added and selected in the menu editor, then undone.
  gameSys.setGameState(kStateMenuEditor);
  loadMenu(1);
  const int line = editAddText(1, 5, 5, 1, 1, 1, "New");
  worldEditor.setEditorMode(kMenuModeTextline);
  worldEditor.setCurrentTextline(line);
  gameSys.setInputState(kInputMenuEditorText);
  press(kCharCtrlZ);
  EXPECT_EQ(joined({worldEditor.getEditorMode(), gameSys.getInputState(), gameUI.menuGetTextlineCount(1)}), "0 0 1");
}

TEST_F(UndoKeys, WithNothingToUndoOrRedoTheConsoleSaysSoAndNothingChanges) {
  const std::string before = where();
  press(kCharCtrlZ);
  press(kCharCtrlY);
  ASSERT_TRUE(editPaintTiles(0, 0, 0, 0, 0, 3));
  press(kCharCtrlY);
  // The console's lines, newest first.
  EXPECT_EQ(console.getLine(2) + " " + console.getLine(1) + " " + console.getLine(0),
            "^yNothing to undo. ^yNothing to redo. ^yNothing to redo.");
  EXPECT_EQ(where(), before);
  EXPECT_EQ(tile(0, 0), 3);
}

TEST_F(UndoKeys, APlayTestNeverEntersTheHistory) {
  ASSERT_TRUE(editPaintTiles(0, 2, 2, 2, 2, 5));
  const std::size_t steps = editHistoryLog.getStepCount();
  enterTest();
  ASSERT_EQ(gameSys.getGameState(), kStatePlaytest);
  world.worldSetTile(6, 2, 2, 0);  // what the game does while it runs
  press(kCharCtrlZ);                 // the play-test has no undo
  EXPECT_EQ(tile(2, 2), 6);
  returnToEditor();
  EXPECT_EQ(editHistoryLog.getStepCount(), steps);
  EXPECT_EQ(tile(2, 2), 5);
  press(kCharCtrlZ);
  EXPECT_EQ(tile(2, 2), 0);
}

}  // namespace
