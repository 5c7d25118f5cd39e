// The editors as screens, reached through the input callbacks: the keys and
// buttons of the world editor, the logic editor, the phrase windows and the
// menu editor in their states and modes, the codes both editors share, and
// what the map's selection pass hits.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "core/camera.h"
#include "core/numbers.h"
#include "editor/editor.h"
#include "editor/image_chooser.h"
#include "editor/logic_editor.h"
#include "editor/menu_editor.h"
#include "game/step_ids.h"
#include "input/color_pick.h"
#include "input/screens.h"
#include "input_fixture.h"

namespace {

using namespace tf;

class EditorScreens : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    scene();
  }
  // Fresh globals and a game of one 10 x 10 map with two objects, in the
  // world editor on the editing screen (menu 1 of 2), object 1 selected.
  void freshScene() {
    fresh();
    scene();
  }
  static void scene() {
    makeMenus(2);
    gameUI.setEditorMenu(1);
    loadMenu(1);
    startGame();
    world.worldSetObject(0.6f, 0.9f, 0.1f, 0.2f, 1, 0, 0, 0);
    world.worldSetObject(1.2f, 1.5f, 0.1f, 0.2f, 1, 0, 1, 0);
    gameSys.setGameState(kStateWorldEditor);
    worldEditor.setEditorMode(kModeObject);
    worldEditor.setCurrentObject(1);
  }
  static void click(int button, bool pressed) { mouse(button, pressed ? kButtonDown : kButtonUp, 400, 300); }
  static std::string objectBox(int obj) {
    float x, y, w, h;
    int tex, layer;
    world.worldGetObject(x, y, w, h, tex, layer, obj, 0);
    return formatFloat(x) + " " + formatFloat(y) + " " + formatFloat(w) + " " + formatFloat(h);
  }
  // The menu editor on menu 0, which holds a button, a textbox and a text line.
  static void inMenuEditor(int mode) {
    addButton(0, kFuncNothing);
    addTextbox(0, 0);
    gameUI.uiModifyText(100, 120, 1, 1, 1, "Hi", 0, 0);
    gameUI.menuSetTextlineCount(0, 1);
    loadMenu(0);
    gameSys.setGameState(kStateMenuEditor);
    worldEditor.setEditorMode(mode);
    worldEditor.setCurrentButton(0);
    worldEditor.setCurrentTextbox(0);
    worldEditor.setCurrentTextline(0);
  }
  long picks() const { return std::count(platform.calls.begin(), platform.calls.end(), "pick scene"); }
};

TEST_F(EditorScreens, KeysReachTheScreenOfTheirStateAndMode) {
  using Probe = std::function<std::string()>;
  const Probe layer3 = [] { return std::to_string(worldEditor.getRenderLayer(2)); };
  const Probe object1 = [] { return objectBox(1); };
  const Probe button = [] {
    float x, y, w, h;
    int tex, func, func2;
    gameUI.uiGetButton(x, y, w, h, tex, func, func2, 0, 0);
    return formatFloat(x) + " " + formatFloat(y);
  };
  const Probe line = [] {
    float x, y, r, g, b;
    std::string text;
    gameUI.uiGetText(x, y, r, g, b, text, 0, 0);
    return formatFloat(x) + " " + formatFloat(y) + " " + text;
  };
  const Probe modeAndInput = [] {
    return std::to_string(worldEditor.getEditorMode()) + " " + std::to_string(gameSys.getInputState());
  };
  const std::function<void()> none = [] {};
  struct Case {  // keys: characters as they are, special keys negated, shift + special as -(key + 1000)
    const char* what;
    std::function<void()> setup;
    std::vector<int> keys;
    Probe probe;
    std::string expected;
  } cases[] = {
      {"a digit hides its layer in the logic editor too", [] { worldEditor.setEditorMode(kModeLocalLogic); }, {'3'},
       layer3, "0"},
      {"not outside the world editor", [] { gameSys.setGameState(kStateMenus); }, {'3'}, layer3, "1"},
      {"not while a field takes typing", [] { gameSys.setInputState(kInputSystemTextbox); gameUI.setTextboxEdit(0); },
       {'3'}, layer3, "1"},
      {"shift and arrows resize no object in tile mode", [] { worldEditor.setEditorMode(kModeTile); },
       {-(kSpecialRight + 1000)}, object1, "1.2 1.5 0.1 0.2"},
      {"Enter puts the camera on the object", [] { camera.SetPos(0, 0, 7); }, {kCharEnter}, tftest::cameraAt,
       "1.2 1.5 7"},
      {"not on the editor main menu", [] { camera.SetPos(0, 0, 7); loadMenu(0); }, {kCharEnter}, tftest::cameraAt,
       "0 0 7"},
      {"F10 marks objects only in the world editor", [] { gameSys.setGameState(kStateMenus); }, {-kSpecialF10},
       [] { return std::to_string(worldEditor.getSAO()); }, "0"},
      {"F9 switches the grid anywhere", [] { gameSys.setGameState(kStateMenus); }, {-kSpecialF9},
       [] { return std::to_string(worldEditor.getWireframe()); }, "0"},
      {"Escape closes the word list", [] { worldEditor.setEditorMode(kModeGlobalLogic); worldEditor.setGLTimer(999, 2, 3); },
       {kCharEscape}, [] { return std::to_string(wordListOpen()); }, "0"},
      {"arrows move the menu editor's button", [] { inMenuEditor(kMenuModeButton); },
       {-kSpecialUp, -kSpecialUp, -kSpecialRight}, button, "405 90"},
      {"not with the console open", [] { inMenuEditor(kMenuModeButton); console.enableConsole(); }, {-kSpecialUp},
       button, "400 100"},
      {"or its text line", [] { inMenuEditor(kMenuModeTextline); }, {-kSpecialLeft, -kSpecialDown}, line, "95 125 Hi"},
      {"Enter ends its selection", [] { inMenuEditor(kMenuModeButton); }, {kCharEnter}, modeAndInput, "0 0"},
      {"and the typing", [] { inMenuEditor(kMenuModeTextline); gameSys.setInputState(kInputMenuEditorText); },
       {kCharEnter}, modeAndInput, "0 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    freshScene();
    c.setup();
    for (int k : c.keys) {
      if (k <= -1000) {
        special(-k - 1000, true);
      } else if (k < 0) {
        special(-k);
      } else {
        press(static_cast<unsigned char>(k));
      }
    }
    EXPECT_EQ(c.probe(), c.expected);
  }
}

TEST_F(EditorScreens, ThePhraseWindowsStepThroughThePhrasesAndEscapeClosesThemAnywhere) {
  worldEditor.setEditorMode(kModeGlobalLogic);
  worldEditor.setPhraseSelector(1);
  worldEditor.setPhraseSelectorChoice(0);
  worldEditor.setPhraseMenu(kPhraseCount - 1);
  special(kSpecialLeft);   // the choice wraps back to the last phrase
  special(kSpecialRight);
  special(kSpecialUp);     // the page past the last phrase wraps to 0
  EXPECT_EQ(worldEditor.getPhraseSelectorChoice(), 1);
  EXPECT_EQ(worldEditor.getPhraseMenu(), 0);
  EXPECT_EQ(timesPlayed("select"), 6);
  gameSys.setInputState(kInputSystemTextbox);  // the arrows then belong to the typing
  special(kSpecialUp);
  EXPECT_EQ(worldEditor.getPhraseMenu(), 0);
  gameSys.setInputState(kInputNormal);
  gameSys.setGameState(kStateMenus);
  press(kCharEscape);
  EXPECT_EQ(worldEditor.getPhraseMenu(), -1);
  EXPECT_EQ(worldEditor.getPhraseSelector(), -1);
}

TEST_F(EditorScreens, TheMiddleButtonAddsAnObjectOnTheEditingScreenOnly) {
  const struct {
    const char* what;
    int mode;
    bool onEditingScreen;
    bool pressed;
    int objects;
  } cases[] = {
      {"a release adds one", kModeObject, true, false, 3},
      {"a press does not", kModeObject, true, true, 2},
      {"nor the logic editor", kModeLocalLogic, true, false, 2},
      {"nor the editor main menu", kModeNothing, false, false, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    freshScene();
    worldEditor.setEditorMode(c.mode);
    if (!c.onEditingScreen) loadMenu(0);
    click(kButtonMiddle, c.pressed);
    EXPECT_EQ(world.worldGetObjectCount(0), c.objects);
  }
  freshScene();
  worldEditor.setEditorMode(kModeNothing);
  click(kButtonMiddle, false);
  EXPECT_EQ(worldEditor.getCurrentObject(), 2);  // the new object is selected
  EXPECT_EQ(worldEditor.getEditorMode(), kModeObject);
}

TEST_F(EditorScreens, TheWheelPicksNothingAndTwoQuickPressesCloseTheWordList) {
  click(kButtonWheelDown, true);
  EXPECT_EQ(picks(), 0);
  worldEditor.setEditorMode(kModeGlobalLogic);
  worldEditor.setGLTimer(999, 1, 2);
  click(kButtonWheelUp, true);
  EXPECT_EQ(picks(), 0);
  EXPECT_TRUE(wordListOpen());

  click(kButtonLeft, true);
  clock.advance(kWordListDoubleClickMs);
  click(kButtonLeft, false);
  EXPECT_EQ(picks(), 2);
  clock.advance(kWordListDoubleClickMs - 1);
  click(kButtonLeft, true);  // the second press, soon after the last event, goes no further
  EXPECT_EQ(picks(), 2);
  int timer, sentence, step;
  worldEditor.getGLTimer(timer, sentence, step);
  EXPECT_EQ(timer, -1);
}

// The fold icon the world editor shares folds the menu editor's panel too.
TEST_F(EditorScreens, TheFoldIconFoldsTheMenuEditorsPanel) {
  gameSys.setGameState(kStateMenuEditor);
  worldEditor.setEditorMode(kMenuModeButton);
  EXPECT_TRUE(pickCode(kPickPanelToggle));
  EXPECT_EQ(worldEditor.getEditorMode(), kMenuModeFolded);
}

TEST_F(EditorScreens, AMapHitSelectsInTheWorldEditorUnlessAPanelLiesOverTheMap) {
  const auto hit = [this](MapHit::Kind kind, int object, int column, bool dragging) {
    MapHit h;
    h.kind = kind;
    h.object = object;
    h.column = column;
    h.row = 4;
    h.dragging = dragging;
    h.time = clock.now();
    currentScreens().mapHit(h);
    return std::to_string(worldEditor.getEditorMode()) + " " + std::to_string(worldEditor.getCurrentObject()) +
           " " + std::to_string(worldEditor.getLastClickTime());
  };
  worldEditor.setEditorMode(kModeNothing);
  clock.set(500);
  EXPECT_EQ(hit(MapHit::Object, 0, 0, false), "2 0 500");
  clock.set(600);
  EXPECT_EQ(hit(MapHit::Tile, -1, 3, true), "2 0 600");  // a tile under a drag is not taken
  clock.set(700);
  EXPECT_EQ(hit(MapHit::Tile, -1, 3, false), "1 0 700");
  openImageChooser(ChooserOpener());
  clock.set(800);
  EXPECT_EQ(hit(MapHit::Object, 1, 0, false), "1 0 700");
  int column, row;
  worldEditor.getCurrentTile(column, row);
  EXPECT_EQ(std::to_string(column) + "," + std::to_string(row), "3,4");

  gameSys.setGameState(kStatePlay);
  countWhen(kOpenerWhenObject, 1, 0);
  world.mapGlobalChangeSentence(0, 0, kSlotCondition, kConditionLClicked);
  gameSys.setLeftMouse(kMousePress);
  hit(MapHit::Object, 1, 0, false);
  EXPECT_EQ(world.getSelectedObject(), 1);
  EXPECT_EQ(world.getGlobalScore(0), 1);  // the mouse logic ran with the object clicked
}

}  // namespace
