// Thousands of random changes of every kind, with valid and invalid
// arguments, grouped into (sometimes nested) steps. Each must report a change
// exactly when it made one; undoing them all must give back the game, the
// animations, the menus and the saved files exactly as they were, and
// redoing them all the state they had made.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "edit_fixture.h"
#include "editor/edits.h"
#include "game/map_file.h"
#include "menus/ui_file.h"
#include "temp_dir.h"

using namespace tf;
using tftest::editableDump;
using tftest::sameDump;

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kChanges = 3000;
// Words that take object operands, and some that do not.
const std::vector<int> kWords = {100, 101, 104, 126, 300, 301, 400, 401, 405, 426, 600, 700, 708, 710, 714, 745, 748};

class RandomEdits : public tftest::EditFixture {
 protected:
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  bool chance(int inEight) { return pick(0, 7) < inEight; }
  // Mostly one of `count` things, sometimes a number naming none.
  int index(int count) {
    if (chance(1)) return chance(4) ? -1 : count + pick(0, 2);
    return count > 0 ? pick(0, count - 1) : 0;
  }
  float number(float lo, float hi) {
    if (pick(0, 60) == 0) return std::numeric_limits<float>::quiet_NaN();
    return std::uniform_real_distribution<float>(lo, hi)(rng);
  }
  // Mostly one of the first maps, so that changes meet the changes before them.
  int map() {
    const int maps = world.getMapCount();
    return chance(5) ? pick(0, std::min(maps, 3) - 1) : index(maps);
  }
  int objectOn(int m) { return index(world.worldGetObjectCount(m)); }
  std::vector<int> objectsOn(int m) {
    std::vector<int> list(pick(0, 4));
    for (int& i : list) i = objectOn(m);
    return list;
  }
  logicList list() {
    const int m = map();
    return chance(4) ? globalLogicOf(m) : localLogicOf(m, objectOn(m));
  }
  int sentenceIn(const logicList& l) {
    return index(l.object == kGlobalLogicList ? world.mapGlobalGetSentenceAmount(l.map)
                                              : world.mapLocalGetSentenceAmount(l.object, l.map));
  }
  int word() { return chance(6) ? kWords[pick(0, static_cast<int>(kWords.size()) - 1)] : pick(-1, 12); }
  std::string text() { return chance(1) ? "" : "t" + std::to_string(pick(0, 30)); }
  objectFields fields(int m, int i) {
    objectFields f;
    getObjectFields(m, i, f);
    switch (pick(0, 5)) {
      case 0: f.x = number(-1, 3); break;
      case 1: f.w = number(-0.1f, 0.9f); break;
      case 2: f.image = pick(-1, 220); break;
      case 3: f.solid = !f.solid, f.solidW = number(-0.1f, 0.9f); break;
      case 4: f.name = text(); break;
      default: f.layer = pick(0, 6), f.label = pick(-1, 3); break;
    }
    return f;
  }

  bool randomChange();
  std::string savedFiles(const tftest::ScopedWorkDir& dir) {
    saveGameWorld();
    saveUI(world.getGameName());
    const std::string folder = "games/editgame/system/";
    return dir.read(folder + "map.cfg") + "\n=== logic.cfg\n" + dir.read(folder + "logic.cfg") + "\n=== ui.cfg\n" +
           dir.read(folder + "ui.cfg");
  }

  std::mt19937 rng{kSeed};
};

bool RandomEdits::randomChange() {
  const int m = map();
  int kind = pick(0, 26);
  // Maps come and go less often than the rest changes, so that the maps
  // changed live on to be undone.
  if ((kind == 8 || kind == 9 || kind == 12) && chance(5)) kind = pick(13, 26);
  switch (kind) {
    case 0: {
      int w = 0, h = 0;
      std::string name;
      world.worldGetMap(w, h, name, m);
      return editPaintTiles(m, index(w), index(h), index(w), index(h), pick(-1, 12));
    }
    case 1: return editSetTileStretch(m, chance(4));
    case 2: {
      const int i = objectOn(m);
      return editSetObject(m, i, fields(m, i));
    }
    case 3: return editMoveObjects(m, objectsOn(m), chance(1) ? 0 : number(-0.2f, 0.2f), number(-0.2f, 0.2f));
    case 4: return editAddObject(m, fields(m, objectOn(m))) >= 0;
    case 5: return editCopyObject(m, objectOn(m)) >= 0;
    case 6: return editDeleteObjects(m, objectsOn(m));
    case 7: {
      std::vector<sentence> macro(pick(0, 16));
      for (sentence& s : macro) s.setSentenceStep(pick(0, 7), word());
      return editReplaceLocalLogic(m, objectOn(m), macro);
    }
    case 8: return editAddMap(chance(1) ? 701 : pick(-1, 7), pick(0, 7), text()) >= 0;
    case 9: return editCopyMap(m) >= 0;
    case 10: return editResizeMap(m, pick(0, 9), chance(1) ? -2 : pick(0, 9));
    case 11: return editRenameMap(m, text());
    case 12: return editDeleteMap(m);
    case 13: return editSetFog(m, chance(4), number(0, 1.2f), number(0, 1.2f), number(0, 1.2f), number(0, 1.2f));
    case 14: {
      const logicList l = list();
      return editAddSentence(l, l.object == kGlobalLogicList ? l.map : l.object);
    }
    case 15: {
      const logicList l = list();
      return editDeleteSentence(l, sentenceIn(l));
    }
    case 16: {
      const logicList l = list();
      return editCopySentence(l, sentenceIn(l));
    }
    case 17: {
      const logicList l = list();
      return editSetSentenceSlot(l, sentenceIn(l), pick(-1, 8), word());
    }
    case 18: {
      const logicList l = list();
      std::vector<slotValue> values(pick(1, 3));
      for (slotValue& v : values) v = {pick(0, 8), word()};
      return editSetSentenceSlots(l, sentenceIn(l), values);
    }
    case 19: return editSetPhrase(index(kPhraseCount), text());
    case 20: {
      const bool game = chance(4);
      return editSetAnimation(game ? kGameImages : kMenuImages,
                              index(game ? tftest::kFixtureGameImages : tftest::kFixtureMenuImages), pick(-1, 10),
                              pick(0, 11) * 100, chance(4));
    }
    case 21: {
      const int menu = index(2);
      return editModifyButton(menu, index(gameUI.menuGetButtonCount(menu)), number(0, 800), number(0, 600),
                              number(-5, 60), number(0, 60), pick(-1, 11));
    }
    case 22: {
      const int menu = index(2);
      return editModifyTextbox(menu, index(gameUI.menuGetTextboxCount(menu)), number(0, 800), number(0, 600),
                               number(0, 200), number(-1, 20));
    }
    case 23: {
      const int menu = index(2);
      return editModifyText(menu, index(gameUI.menuGetTextlineCount(menu)), number(0, 800), number(0, 600), text());
    }
    case 24: return editAddText(index(2), number(0, 800), number(0, 600), 1, number(0, 1), 0, text()) >= 0;
    case 25: {
      const int menu = index(2);
      return editDeleteText(menu, index(gameUI.menuGetTextlineCount(menu)));
    }
    default: return editSetMenuBackground(index(2), pick(-1, 11));
  }
}

TEST_F(RandomEdits, UndoingEveryStepGivesBackTheGameAndItsFilesAndRedoingGivesBackTheChanges) {
  SCOPED_TRACE("seed " + std::to_string(kSeed));
  tftest::ScopedWorkDir dir;
  const std::string startState = editableDump();
  const std::string startFiles = savedFiles(dir);
  editHistoryLog.markSaved();

  std::string state = startState;
  for (int made = 0; made < kChanges;) {
    const std::string stepStart = state;
    const std::size_t steps = editHistoryLog.getStepCount();
    const int changes = pick(1, 6);
    int brackets = 1;
    editHistoryLog.beginStep();
    for (int c = 0; c < changes; ++c, ++made) {
      if (chance(1)) editHistoryLog.beginStep(), ++brackets;
      const bool changed = randomChange();
      const std::string now = editableDump();
      ASSERT_EQ(changed, now != state) << "change " << made;
      state = now;
      if (brackets > 1 && chance(1)) editHistoryLog.endStep(), --brackets;
    }
    for (; brackets > 0; --brackets) editHistoryLog.endStep();
    if (editHistoryLog.getStepCount() == steps) continue;
    editHistoryLog.undo();  // each step on its own as well
    ASSERT_TRUE(sameDump(stepStart, editableDump())) << "undoing the step ending at change " << made;
    editHistoryLog.redo();
    ASSERT_TRUE(sameDump(state, editableDump())) << "redoing the step ending at change " << made;
  }
  ASSERT_LT(editHistoryLog.getStepCount(), editHistory::kMaxSteps);  // nothing was dropped
  const std::string endFiles = savedFiles(dir);

  std::size_t undone = 0;
  while (editHistoryLog.canUndo()) {
    editHistoryLog.undo();
    ++undone;
  }
  EXPECT_EQ(undone, editHistoryLog.getStepCount());
  EXPECT_TRUE(sameDump(startState, editableDump()));
  EXPECT_TRUE(sameDump(startFiles, savedFiles(dir)));
  EXPECT_FALSE(editHistoryLog.hasUnsavedChanges());

  while (editHistoryLog.canRedo()) editHistoryLog.redo();
  EXPECT_TRUE(sameDump(state, editableDump()));
  EXPECT_TRUE(sameDump(endFiles, savedFiles(dir)));
}

}  // namespace
