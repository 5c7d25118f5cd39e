// The edit operations: each change undone and redone exactly with its place
// (among them a shrink that drops tiles and a deleted map), refused changes
// that leave everything as it was, the moves of a drag kept as one, and
// places that name what exists.
#include "editor/edits.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "edit_fixture.h"

using namespace tf;
using tftest::editableDump;
using tftest::sameDump;

namespace {

class Edits : public tftest::EditFixture {};

struct operationCase {
  const char* what;
  std::function<bool()> change;
  EditView view;
  int index;
};

bool made(int index) { return index >= 0; }

objectFields fieldsOf(int m, int i) {
  objectFields f;
  getObjectFields(m, i, f);
  return f;
}

TEST_F(Edits, EveryChangeIsUndoneAndRedoneExactlyAndNamesItsPlace) {
  objectFields changed = fieldsOf(0, 1);
  changed.w = 0.9f;  // kept at 0.7 by the model
  changed.solid = false;
  changed.solidW = 0.3f;
  changed.name = "Door";
  changed.label = 4;
  objectFields added;
  added.x = 1.2f;
  added.image = 205;
  tf::sentence macroStep;
  macroStep.setWholeSentence(104, 0, 300, 400, 0, 600, 710, 0);
  const std::vector<operationCase> cases = {
      {"paint a range given by its far corner first", [] { return editPaintTiles(0, 3, 4, 1, 1, 7); }, kViewMap, 0},
      {"tile stretch", [] { return editSetTileStretch(0, true); }, kViewMap, 0},
      {"object fields", [&] { return editSetObject(0, 1, changed); }, kViewMap, 0},
      {"move listed objects", [] { return editMoveObjects(0, {3, 1, 3}, 0.05f, -0.05f); }, kViewMap, 0},
      {"add an object", [&] { return made(editAddObject(0, added)); }, kViewMap, 0},
      {"copy an object with its logic", [] { return made(editCopyObject(0, 6)); }, kViewMap, 0},
      {"delete listed objects", [] { return editDeleteObjects(0, {5, 2, 40}); }, kViewMap, 0},
      {"replace local logic", [&] { return editReplaceLocalLogic(0, 1, {macroStep, macroStep}); }, kViewLocalLogic, 0},
      {"add a global sentence", [] { return editAddSentence(globalLogicOf(0), 0); }, kViewGlobalLogic, 0},
      {"copy a local sentence", [] { return editCopySentence(localLogicOf(0, 1), 0); }, kViewLocalLogic, 0},
      {"change a slot", [] { return editSetSentenceSlot(globalLogicOf(0), 0, kSlotActionOperand, 1); },
       kViewGlobalLogic, 0},
      {"change a word and its operand",
       [] { return editSetSentenceSlots(localLogicOf(0, 1), 1, {{kSlotAction, 708}, {kSlotActionOperand, 0}}); },
       kViewLocalLogic, 0},
      {"delete a global sentence", [] { return editDeleteSentence(globalLogicOf(0), 0); }, kViewGlobalLogic, 0},
      {"add a map", [] { return made(editAddMap(4, 2, "Attic")); }, kViewMap, 2},
      {"copy a map", [] { return made(editCopyMap(0)); }, kViewMap, 3},
      {"shrink a map, dropping painted tiles", [] { return editResizeMap(0, 4, 2); }, kViewMap, 0},
      {"grow a map", [] { return editResizeMap(1, 5, 4); }, kViewMap, 1},
      {"rename a map", [] { return editRenameMap(1, "Deep Cave"); }, kViewMap, 1},
      {"fog on a new map's density", [] { return editSetFog(2, true, 0.5f, 0.2f, 0.3f, 0.4f); }, kViewMap, 2},
      {"delete a map with tiles and logic", [] { return editDeleteMap(1); }, kViewMap, 1},
      {"a phrase", [] { return editSetPhrase(7, "Hi ^ythere"); }, kViewPhrases, 7},
      {"a phrase emptied", [] { return editSetPhrase(0, ""); }, kViewPhrases, 0},
      {"game image animation", [] { return editSetAnimation(kGameImages, 3, 4, 300, true); }, kViewGameImage, 3},
      {"menu image animation off", [] { return editSetAnimation(kMenuImages, 4, 9, 1000, false); }, kViewMenuImage, 4},
      {"button", [] { return editModifyButton(0, 1, 420, 380, 60, 0, 7); }, kViewMenu, 0},
      {"textbox", [] { return editModifyTextbox(0, 0, 310, 210, 90, 14); }, kViewMenu, 0},
      {"text line", [] { return editModifyText(1, 0, 15, 12, "^gNew title"); }, kViewMenu, 1},
      {"add a text line", [] { return made(editAddText(0, 400, 300, 1, 1, 1, "New Text")); }, kViewMenu, 0},
      {"delete a text line", [] { return editDeleteText(0, 1); }, kViewMenu, 0},
      {"menu background", [] { return editSetMenuBackground(1, 0); }, kViewMenu, 1},
  };
  for (const operationCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string before = editableDump();
    ASSERT_TRUE(c.change());
    const std::string after = editableDump();
    EXPECT_NE(before, after);
    const editPlace undone = editHistoryLog.undo();
    EXPECT_TRUE(sameDump(before, editableDump()));
    EXPECT_EQ(undone.view, c.view);
    EXPECT_EQ(undone.index, c.index);
    EXPECT_EQ(editHistoryLog.redo().view, c.view);
    EXPECT_TRUE(sameDump(after, editableDump()));
  }
  EXPECT_EQ(editHistoryLog.getStepCount(), cases.size());
}

TEST_F(Edits, RefusedOrEmptyChangesLeaveEverythingAsItWasAndRecordNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  auto fieldsWith = [](std::function<void(objectFields&)> edit) {
    objectFields f = fieldsOf(0, 1);
    edit(f);
    return f;
  };
  for (int k = 0; k < kMaxSentences; ++k) tftest::EditFixture::addSentence(0, 3, {129, 0, 300, 400, 0, 600, 700, 0});
  const std::string before = editableDump();
  const std::vector<std::pair<const char*, std::function<bool()>>> refused = {
      {"corner off the map", [] { return editPaintTiles(0, 0, 0, 6, 1, 3); }},
      {"negative image", [] { return editPaintTiles(0, 0, 0, 1, 1, -3); }},
      {"the image already there", [] { return editPaintTiles(0, 2, 2, 2, 2, 3); }},
      {"no such object", [&] { return editSetObject(0, 7, fieldsOf(0, 1)); }},
      {"empty name", [&] { return editSetObject(0, 1, fieldsWith([](objectFields& f) { f.name = ""; })); }},
      {"x not a number", [&] { return editSetObject(0, 1, fieldsWith([&](objectFields& f) { f.x = nan; })); }},
      {"no solid width", [&] { return editSetObject(0, 1, fieldsWith([](objectFields& f) { f.solidW = 0; })); }},
      {"the same fields", [&] { return editSetObject(0, 1, fieldsOf(0, 1)); }},
      {"move nothing listed", [] { return editMoveObjects(0, {-1, 7}, 0.1f, 0); }},
      {"move by nothing", [] { return editMoveObjects(0, {1}, 0, 0); }},
      {"copy no object", [] { return made(editCopyObject(1, 0)); }},
      {"delete no object", [] { return editDeleteObjects(0, {-2, 9}); }},
      {"sixteen macro sentences", [] { return editReplaceLocalLogic(0, 1, std::vector<tf::sentence>(16)); }},
      {"a map too wide", [] { return made(editAddMap(701, 3, "Wide")); }},
      {"resize to the same size", [] { return editResizeMap(0, 6, 5); }},
      {"rename to nothing", [] { return editRenameMap(0, ""); }},
      {"delete no map", [] { return editDeleteMap(2); }},
      {"fog outside its range", [] { return editSetFog(0, false, 2.0f, 0, -1, 1.5f); }},
      {"global sentence on a map without objects", [] { return editAddSentence(globalLogicOf(1), 1); }},
      {"a sixteenth sentence", [] { return editCopySentence(localLogicOf(0, 3), 0); }},
      {"slot 8", [] { return editSetSentenceSlot(globalLogicOf(0), 0, 8, 1); }},
      {"a slot to its own value", [] { return editSetSentenceSlot(globalLogicOf(0), 0, kSlotOpener, 100); }},
      {"phrase 1024", [] { return editSetPhrase(1024, "x"); }},
      {"ten frames", [] { return editSetAnimation(kGameImages, 3, 10, 300, true); }},
      {"an image not counted", [] { return editSetAnimation(kMenuImages, tftest::kFixtureMenuImages, 2, 200, true); }},
      {"no such button", [] { return editModifyButton(1, 1, 1, 1, 1, 1, 0); }},
      {"negative width", [] { return editModifyButton(0, 0, 400, 300, -1, 20, 2); }},
      {"a line on no menu", [] { return made(editAddText(2, 0, 0, 1, 1, 1, "x")); }},
      {"negative background", [] { return editSetMenuBackground(0, -1); }},
  };
  for (const auto& [what, change] : refused) {
    SCOPED_TRACE(what);
    EXPECT_FALSE(change());
    EXPECT_TRUE(sameDump(before, editableDump()));
  }
  EXPECT_FALSE(editHistoryLog.canUndo());
  EXPECT_FALSE(editHistoryLog.hasUnsavedChanges());
}

TEST_F(Edits, FullListsAndTheLastMapRefuseMore) {
  for (int i = tftest::kFixtureObjects; i < kMaxObjects; ++i) world.worldSetObject(0, 0, 0.1f, 0.1f, 1, 0, i, 0);
  for (int l = 3; l < kMaxMenuElements; ++l) gameUI.uiModifyText(0, 0, 1, 1, 1, "x", 0, l);
  world.worldDeleteMap(1);
  const std::string before = editableDump();
  EXPECT_FALSE(editDeleteMap(0));
  EXPECT_EQ(editCopyObject(0, 1), -1);
  EXPECT_EQ(editAddObject(0, objectFields()), -1);
  EXPECT_EQ(editAddText(0, 0, 0, 1, 1, 1, "one too many"), -1);
  EXPECT_TRUE(sameDump(before, editableDump()));
  EXPECT_FALSE(editHistoryLog.canUndo());
}

TEST_F(Edits, TheMovesOfADragAreOneChangeThatUndoesToWhereTheDragStarted) {
  auto drag = [](int events) {
    editHistoryLog.clear();
    editHistoryLog.beginStep({kViewMap, 0});
    for (int event = 0; event < events; ++event) EXPECT_TRUE(editMoveObjects(0, {4, 2}, 0.013f, -0.007f));
    editHistoryLog.endStep();
    return editHistoryLog.getBytes();
  };
  const std::size_t oneEvent = drag(1);
  editHistoryLog.undo();
  const std::string before = editableDump();
  EXPECT_EQ(drag(30), oneEvent);  // thirty events held as one move
  const std::string after = editableDump();
  EXPECT_EQ(editHistoryLog.getStepCount(), 1u);
  editHistoryLog.undo();
  EXPECT_TRUE(sameDump(before, editableDump()));
  editHistoryLog.redo();
  EXPECT_TRUE(sameDump(after, editableDump()));
}

TEST_F(Edits, UndoAndRedoNameAPlaceThatStillExists) {
  ASSERT_EQ(editAddMap(3, 3, "New"), 2);
  const editPlace gone = editUndo();
  EXPECT_EQ(gone.view, kViewMap);
  EXPECT_EQ(gone.index, 1);  // map 2 is gone: the last map instead
  EXPECT_EQ(editRedo().index, 2);
  editHistoryLog.beginStep({kViewLocalLogic, 0, 6});
  ASSERT_TRUE(editDeleteSentence(localLogicOf(0, 6), 0));
  ASSERT_TRUE(editDeleteObjects(0, {6}));
  editHistoryLog.endStep();
  const editPlace undone = editUndo();
  EXPECT_EQ(undone.view, kViewLocalLogic);
  EXPECT_EQ(undone.object, 6);
  const editPlace redone = editRedo();  // object 6 is gone again: its map instead
  EXPECT_EQ(redone.view, kViewMap);
  EXPECT_EQ(redone.index, 0);
  EXPECT_EQ(redone.object, -1);
}

}  // namespace
