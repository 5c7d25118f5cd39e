// Objects in the world editor, driven through its screen as clicks, keys and
// drags reach it: the selection rules (one object, a list of 50, a double
// click measured on the controlled clock), moves and drags kept on the map as
// one step, copying and deleting a selection with the logic renumbered, and
// the object panel's controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/camera.h"
#include "core/numbers.h"
#include "editor/edit_history.h"
#include "editor/edits.h"
#include "editor/editor.h"
#include "editor/image_chooser.h"
#include "editor/world_editor_objects.h"
#include "game/step_ids.h"
#include "input/screens.h"
#include "input_fixture.h"
#include "media/images.h"
#include "media/notice.h"
#include "menus/system_textboxes.h"
#include "world_compare.h"

namespace {

using namespace tf;

class WorldEditorObjects : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    onEditingScreen();  // one 10 x 10 map: objects stay below 2.7 in each axis
    loadSysTextboxes();
    for (int i = 0; i < 8; ++i) addObjectAt(0.3f * static_cast<float>(i % 9) + 0.3f, 1.0f, "o" + std::to_string(i));
    worldEditor.setEditorMode(kModeNothing);
    editHistoryLog.clear();
  }
  static void addObjectAt(float x, float y, const std::string& name) {
    objectFields f;
    f.x = x;
    f.y = y;
    f.name = name;
    ASSERT_GE(editAddObject(0, f), 0);
  }
  static void fill(int count) {
    for (int i = world.worldGetObjectCount(0); i < count; ++i) addObjectAt(1, 1, "f" + std::to_string(i));
    editHistoryLog.clear();
  }
  // A click on object i: with the right button or Shift it joins the list.
  void click(int i, bool list = false) {
    MapHit hit;
    hit.kind = MapHit::Object;
    hit.object = i;
    hit.time = clock.now();
    hit.button = list ? kButtonRight : kButtonLeft;
    currentScreens().mapHit(hit);
  }
  static std::string selection() {
    std::string text = "mode " + std::to_string(worldEditor.getEditorMode()) + " current " +
                       std::to_string(worldEditor.getCurrentObject()) + " list";
    for (int slot = 0; slot < worldEditor.getObjectListAmount(); ++slot) {
      text += " " + std::to_string(worldEditor.getObjectList(slot));
    }
    return text;
  }
  static std::string names() {
    std::string text;
    for (int i = 0; i < world.worldGetObjectCount(0); ++i) text += world.worldGetObjectName(i, 0) + " ";
    return text;
  }
  static objectFields fields(int i) {
    objectFields f;
    getObjectFields(0, i, f);
    return f;
  }
  static std::string xy(int i) { return formatFloat(fields(i).x) + " " + formatFloat(fields(i).y); }
  // The left button, pressed where no control takes it (or where one does).
  static void button(bool pressed, bool onControl = false) {
    const ButtonEvent e{kButtonLeft, pressed, 0};
    if (!currentScreens().button(e) && !onControl) currentScreens().buttonMissed(e);
  }
  static void dragTo(double x, double y, int overlayY = 300) {
    DragEvent e;
    e.worldX = x;
    e.worldY = y;
    e.overlayX = 400;
    e.overlayY = overlayY;
    currentScreens().drag(e);
  }
};

TEST_F(WorldEditorObjects, AClickSelectsOneObjectAndTheRightButtonOrShiftBuildsAList) {
  const struct {
    int object;
    bool list;
    int afterMs;
    const char* selection;
  } clicks[] = {
      {3, false, 0, "mode 2 current 3 list"},
      {5, true, 100, "mode 2 current 5 list 3 5"},      // the single selection is listed first
      {5, true, 100, "mode 2 current 5 list 3 5"},      // already listed
      {6, true, 100, "mode 2 current 6 list 3 5 6"},
      {2, false, 100, "mode 2 current 2 list"},         // a left click starts afresh
      {2, true, 100, "mode 2 current 2 list 2"},        // itself only once
      {9, false, 100, "mode 2 current 2 list 2"},       // no such object
  };
  for (const auto& c : clicks) {
    SCOPED_TRACE(std::to_string(c.object) + (c.list ? " listed" : ""));
    clock.advance(c.afterMs);
    audio.played.clear();
    click(c.object, c.list);
    EXPECT_EQ(selection(), c.selection);
    EXPECT_EQ(timesPlayed("select"), c.object < 8 ? 1 : 0);
  }
  EXPECT_EQ(gameSys.getDragDelay(), kObjectDragDelay);  // a click does not nudge what it selects
  button(false);
  EXPECT_EQ(gameSys.getDragDelay(), 0);  // nor holds back a later drag
}

TEST_F(WorldEditorObjects, FiftyObjectsAreListedAndTheFiftyFirstIsNot) {
  fill(60);
  click(0);
  for (int i = 1; i <= 50; ++i) click(i, true);
  EXPECT_EQ(worldEditor.getObjectListAmount(), kObjectListSize);
  EXPECT_EQ(worldEditor.getObjectList(0), 0);
  EXPECT_EQ(worldEditor.getObjectList(49), 49);
  EXPECT_FALSE(worldEditor.notInObjectList(50));
  EXPECT_EQ(worldEditor.getCurrentObject(), 49);
}

TEST_F(WorldEditorObjects, ASecondClickWithinHalfASecondOpensTheObjectsLocalLogic) {
  const struct {
    int secondObject;
    int afterMs;
    bool listed;
    int mode;
  } cases[] = {
      {4, kObjectDoubleClickMs - 1, false, kModeLocalLogic},
      {4, kObjectDoubleClickMs, false, kModeObject},   // too late: selected again
      {5, 100, false, kModeObject},                    // another object
      {4, 100, true, kModeObject},                     // with the right button it lists
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.afterMs) + " ms later on " + std::to_string(c.secondObject));
    worldEditor.setEditorMode(kModeNothing);
    worldEditor.resetObjectList();
    click(4);
    clock.advance(c.afterMs);
    click(c.secondObject, c.listed);
    EXPECT_EQ(worldEditor.getEditorMode(), c.mode);
  }
  // Not when several objects are selected.
  click(4);
  click(5, true);
  click(5);
  EXPECT_EQ(worldEditor.getEditorMode(), kModeObject);
}

TEST_F(WorldEditorObjects, DeletingListedObjectsTwoAndFiveDeletesExactlyThoseAndTheLogicFollows) {
  // Object 7 kills object 6, which becomes object 4.
  const logicList local = localLogicOf(0, 7);
  ASSERT_TRUE(editAddSentence(local, 7));
  ASSERT_TRUE(editSetSentenceSlots(local, 0, {{kSlotAction, kActionKillObject}, {kSlotActionOperand, 6}}));
  editHistoryLog.clear();
  for (const bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "the Delete key" : "the delete icon");
    click(2);
    click(5, true);
    audio.played.clear();
    if (byKey) {
      keyboard(kCharDelete, 0, 0);
    } else {
      EXPECT_TRUE(pickCode(kPickToolbarDeleteObject));
    }
    EXPECT_EQ(names(), "o0 o1 o3 o4 o6 o7 ");
    EXPECT_EQ(world.mapLocalGetWholeSentence(5, 0, 0).getSentenceStep(kSlotActionOperand), 4);
    EXPECT_EQ(selection(), "mode 0 current 5 list");
    EXPECT_EQ(timesPlayed("delete"), 1);
    EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
    editUndo();
    EXPECT_EQ(names(), "o0 o1 o2 o3 o4 o5 o6 o7 ");
    EXPECT_EQ(world.mapLocalGetWholeSentence(7, 0, 0).getSentenceStep(kSlotActionOperand), 6);
    editHistoryLog.clear();
  }
  // A single selection deletes only itself; outside object mode nothing.
  click(1);
  pickCode(kPickToolbarDeleteObject);
  EXPECT_EQ(names(), "o0 o2 o3 o4 o5 o6 o7 ");
  keyboard(kCharDelete, 0, 0);
  EXPECT_EQ(world.worldGetObjectCount(0), 7);
}

TEST_F(WorldEditorObjects, CopiesBecomeTheSelectionUntilTheMapIsFull) {
  fill(1022);
  click(3);
  click(4, true);
  click(5, true);
  EXPECT_TRUE(pickCode(kPickToolbarCopyObject, PickAt::LeftPress));  // taken, acts on the release
  EXPECT_EQ(world.worldGetObjectCount(0), 1022);
  EXPECT_TRUE(pickCode(kPickToolbarCopyObject, PickAt::LeftRelease));
  // Two copies fit; the third is refused and its entry keeps the original.
  EXPECT_EQ(world.worldGetObjectCount(0), kMaxObjects);
  EXPECT_EQ(selection(), "mode 2 current 1023 list 1022 1023 5");
  EXPECT_EQ(tftest::shownNotice(), "Too many objects | You have exceeded the maximum # of objects for this map");
  EXPECT_EQ(world.worldGetObjectName(1022, 0) + " " + world.worldGetObjectName(1023, 0), "o3 o4");
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
  // Deleting the selection now deletes the copies and object 5, nothing else.
  pickCode(kPickToolbarDeleteObject);
  EXPECT_EQ(world.worldGetObjectCount(0), 1021);
  EXPECT_EQ(world.worldGetObjectName(5, 0), "o6");
  EXPECT_EQ(world.worldGetObjectName(4, 0), "o4");

  // At 1023 objects a single copy is taken and selected; at 1024 refused.
  fill(1023);
  notice.leaveNotice();
  click(0);
  pickCode(kPickToolbarCopyObject, PickAt::LeftRelease);
  EXPECT_EQ(selection(), "mode 2 current 1023 list");
  EXPECT_EQ(tftest::shownNotice(), "(none)");
  pickCode(kPickToolbarCopyObject, PickAt::LeftRelease);
  EXPECT_EQ(world.worldGetObjectCount(0), kMaxObjects);
  EXPECT_EQ(selection(), "mode 2 current 1023 list");
  EXPECT_NE(tftest::shownNotice(), "(none)");
}

TEST_F(WorldEditorObjects, ArrowKeysMoveTheSelectionWithinTheMapAndTheCameraWithIt) {
  world.worldSetObject(0.02f, 2.68f, 0.1f, 0.1f, 1, 0, 0, 0);  // near the left and top edges
  world.worldSetObject(-0.5f, 1.0f, 0.1f, 0.1f, 1, 0, 1, 0);   // left of the map
  camera.SetPos(1, 1, 0);
  const struct {
    int key;
    const char* first;
    const char* second;
    const char* camera;
  } steps[] = {
      {kSpecialLeft, "0.02 2.68", "-0.5 1", "1 1"},      // one would leave, the other is off the map
      {kSpecialUp, "0.02 2.68", "-0.5 1.05", "1 1"},     // the first stays below the last row
      {kSpecialRight, "0.07 2.68", "-0.45 1.05", "1.05 1"},  // towards the map both move
      {kSpecialDown, "0.07 2.63", "-0.45 1", "1.05 0.95"},
  };
  click(0);
  click(1, true);
  for (const auto& s : steps) {
    SCOPED_TRACE(s.key);
    special(s.key);
    EXPECT_EQ(xy(0), s.first);
    EXPECT_EQ(xy(1), s.second);
    EXPECT_EQ(tftest::cameraAt(), std::string(s.camera) + " 0");  // with the first listed object
  }
  EXPECT_EQ(editHistoryLog.getStepCount(), 3u);  // the first arrow moved nothing
  // Shift resizes the current object alone, through the history too.
  special(kSpecialRight, true);
  special(kSpecialUp, true);
  EXPECT_EQ(formatFloat(fields(1).w) + " " + formatFloat(fields(1).h), "0.11 0.09");
  EXPECT_EQ(editHistoryLog.getStepCount(), 5u);
}

TEST_F(WorldEditorObjects, ADragMovesTheSelectionByThePointersMoveAsOneStep) {
  click(1);
  click(2, true);
  gameSys.setDragDelay(0);
  button(true);
  dragTo(1.0, 1.0);  // takes the position only
  EXPECT_EQ(xy(1) + " / " + xy(2), "0.6 1 / 0.9 1");
  dragTo(1.2, 0.9);
  dragTo(1.3, 1.0);
  EXPECT_EQ(xy(1) + " / " + xy(2), "0.9 1 / 1.2 1");
  dragTo(1.5, 1.0, 470);  // over the lower panel: no move
  dragTo(1.6, 1.0);
  EXPECT_EQ(xy(1) + " / " + xy(2), "1 1 / 1.3 1");
  button(false);
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
  dragTo(2.0, 2.0);  // the button is up
  EXPECT_EQ(xy(1), "1 1");
  editUndo();
  EXPECT_EQ(xy(1) + " / " + xy(2), "0.6 1 / 0.9 1");
  // Not from a press that a control of the panels took.
  button(true, true);
  dragTo(1.0, 1.0);
  dragTo(1.5, 1.5);
  EXPECT_EQ(xy(1), "0.6 1");
  button(false);
  // Not while the image chooser lies over the map.
  pickCode(kPickObjectImage);
  ASSERT_TRUE(imageChooserOpen());
  button(true);
  dragTo(1.0, 1.0);
  dragTo(1.5, 1.5);
  EXPECT_EQ(xy(1), "0.6 1");
}

TEST_F(WorldEditorObjects, ThePanelChangesTheSelectedObjectWithinItsBounds) {
  world.worldSetMapLayerCount(3, 0);
  click(0);
  const struct {
    int code;
    PickAt event;
    int times;
    const char* expected;  // w h layer solid obw obh
  } steps[] = {
      {kPickObjectLayerDown, PickAt::LeftPress, 2, "0.1 0.1 0 1 0.1 0.1"},   // stops at the first layer
      {kPickObjectLayerUp, PickAt::LeftPress, 5, "0.1 0.1 3 1 0.1 0.1"},     // up to the layer count
      {kPickObjectWider, PickAt::RightPress, 2, "0.2 0.1 3 1 0.1 0.1"},
      {kPickObjectNarrower, PickAt::LeftPress, 1, "0.19 0.1 3 1 0.1 0.1"},
      {kPickObjectNarrower, PickAt::RightPress, 5, "0.04 0.1 3 1 0.1 0.1"},  // not below 0.03
      {kPickObjectTaller, PickAt::LeftPress, 1, "0.04 0.11 3 1 0.1 0.1"},
      {kPickObjectShorter, PickAt::RightPress, 2, "0.04 0.05 3 1 0.1 0.1"},  // 0.03 a right click
      {kPickObjectShorter, PickAt::LeftPress, 3, "0.04 0.03 3 1 0.1 0.1"},
      {kPickObjectSolid, PickAt::LeftPress, 1, "0.04 0.03 3 0 0.1 0.1"},
      {kPickObjectSolidWider, PickAt::RightPress, 1, "0.04 0.03 3 0 0.15 0.1"},
      {kPickObjectSolidTaller, PickAt::LeftPress, 1, "0.04 0.03 3 0 0.15 0.11"},
      {kPickObjectSolidShorter, PickAt::RightPress, 3, "0.04 0.03 3 0 0.15 0.01"},  // never 0 or less
      {kPickObjectSolidNarrower, PickAt::LeftPress, 1, "0.04 0.03 3 0 0.14 0.01"},
      {kPickObjectWider, PickAt::Hover, 1, "0.04 0.03 3 0 0.14 0.01"},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(std::to_string(s.code) + " x" + std::to_string(s.times));
    for (int n = 0; n < s.times; ++n) EXPECT_TRUE(pickCode(s.code, s.event));
    const objectFields f = fields(0);
    EXPECT_EQ(formatFloat(f.w) + " " + formatFloat(f.h) + " " + std::to_string(f.layer) + " " +
                  std::to_string(f.solid) + " " + formatFloat(f.solidW) + " " + formatFloat(f.solidH),
              s.expected);
  }
  EXPECT_EQ(objectSummary(), "^yo0^1^w (0) ^b|^y Layer^w: 4/3^b|^y Texture^w: 0^b|^y Solid^w: No");
  // Outside object mode the controls do nothing.
  worldEditor.setEditorMode(kModeTile);
  EXPECT_TRUE(pickCode(kPickObjectWider));
  EXPECT_EQ(formatFloat(fields(0).w), "0.04");
}

TEST_F(WorldEditorObjects, ANameIsTrimmedAndOnlyPrintableNamesAreTaken) {
  click(3);
  const int text = 9;  // the name field's string
  const struct {
    const char* typed;
    const char* name;
    bool refused;
  } cases[] = {
      {"  Gate keeper ", "Gate keeper", false},
      {"   ", "Gate keeper", true},
      {"", "Gate keeper", true},
      {"bell\x07", "Gate keeper", true},
      {"^yGold", "^yGold", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    notice.leaveNotice();
    uiScriptString.setString(c.typed, text);
    gameSys.setInputState(kInputSystemTextbox);
    EXPECT_TRUE(pickCode(kPickObjectRename));
    EXPECT_EQ(world.worldGetObjectName(3, 0), c.name);
    EXPECT_EQ(tftest::shownNotice(), c.refused ? "Edit Object | Invalid name entered." : "(none)");
    EXPECT_EQ(gameSys.getInputState(), c.refused ? kInputSystemTextbox : kInputNormal);
  }
}

TEST_F(WorldEditorObjects, AnImageChosenGoesToEveryListedObjectAsOneStep) {
  gameImg.assign(10, img());
  for (int i = 0; i < 10; ++i) gameImg[i].SetPointer(i);
  world.setGameImageCount(10);
  click(2);
  click(6, true);
  audio.played.clear();
  EXPECT_TRUE(pickCode(kPickObjectImage));
  EXPECT_EQ(timesPlayed("open"), 1);
  ASSERT_TRUE(imageChooserOpen());
  ASSERT_TRUE(pickPixel(kPickChooserImage, 0, 7, PickAt::LeftPress));
  EXPECT_EQ(tftest::joined({fields(2).image, fields(6).image, fields(3).image}), "7 7 0");
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
  // The quiet button opens it without a sound.
  pickCode(kPickChooserClose);
  audio.played.clear();
  EXPECT_TRUE(pickCode(kPickObjectImageQuiet));
  EXPECT_TRUE(imageChooserOpen());
  EXPECT_EQ(timesPlayed("open"), 0);
}

}  // namespace
