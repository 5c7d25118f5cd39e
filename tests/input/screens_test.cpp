// The colour codes of every game state and editor mode, as the table of
// screens hands them out: no two things may answer to one colour where the
// dispatch offers both, and only the codes the dispatch lets through with data
// in green may carry it.
#include "input/screens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/pick_codes.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "input/color_pick.h"
#include "input_fixture.h"

namespace {

using namespace tf;

bool overlaps(int a, int b) { return a == kPickAnyByte || b == kPickAnyByte || a == b; }

// Every pair of uses of one red value whose green and blue can be the same,
// as "name / name".
std::vector<std::string> clashes(const std::vector<PickList>& lists) {
  std::vector<const PickUse*> uses;
  for (const PickList& list : lists) {
    for (const PickUse& use : list) uses.push_back(&use);
  }
  std::vector<std::string> found;
  for (std::size_t i = 0; i < uses.size(); ++i) {
    for (std::size_t j = i + 1; j < uses.size(); ++j) {
      const PickUse& a = *uses[i];
      const PickUse& b = *uses[j];
      if (a.code == b.code && overlaps(a.green, b.green) && overlaps(a.blue, b.blue)) {
        found.push_back(std::string(a.name) + " / " + b.name);
      }
    }
  }
  return found;
}

// What the dispatch offers in one game state and editor mode: the toolkit's
// codes and those of the screens of the row.
std::vector<PickList> offered(int state, int mode) {
  std::vector<PickList> lists = screensFor(state, mode).picks();
  lists.push_back(pickList(kToolkitPicks));
  return lists;
}

bool offers(const std::vector<PickList>& lists, int code) {
  for (const PickList& list : lists) {
    for (const PickUse& use : list) {
      if (use.code == code) return true;
    }
  }
  return false;
}

constexpr int kFirstMode = kMenuModeFolded, kLastMode = kModeFog;

TEST(PickCodes, TheClashCheckFindsTwoThingsOfOneColourAndOnlyThose) {
  const PickUse x[] = {{'x', kPickMenuMark, kPickAnyByte, "rows"}};
  const PickUse x5[] = {{'x', kPickMenuMark, 5, "fifth"}};
  const PickUse xData[] = {{'x', kPickAnyByte, kPickAnyByte, "data"}};
  const PickUse iOpen[] = {{'i', kPickMenuMark, 0, "open"}, {'i', kPickMenuMark, 255, "close"}};
  const PickUse y[] = {{'y', kPickMenuMark, kPickMenuMark, "other"}};
  const struct {
    std::vector<PickList> lists;
    std::vector<std::string> found;
  } cases[] = {
      {{pickList(x), pickList(x5)}, {"rows / fifth"}},
      {{pickList(xData), pickList(x5)}, {"data / fifth"}},
      {{pickList(iOpen), pickList(y)}, {}},  // one red value, told apart by blue
      {{pickList(x), pickList(y)}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(clashes(c.lists), c.found);
}

TEST(PickCodes, NoTwoThingsAnswerToOneColourInAnyStateOrMode) {
  for (int state = kStateMenus; state <= kStatePlaytest; ++state) {
    for (int mode = kFirstMode; mode <= kLastMode; ++mode) {
      SCOPED_TRACE("state " + std::to_string(state) + " mode " + std::to_string(mode));
      EXPECT_EQ(clashes(offered(state, mode)), std::vector<std::string>());
    }
  }
}

TEST(PickCodes, EachEditorScreenOffersItsOwnCodesWhereItIsShown) {
  const struct {
    int state, mode, code;
    bool offered;
  } cases[] = {
      {kStateWorldEditor, kModeNothing, kPickToolbarGlobalLogic, true},
      {kStateWorldEditor, kModeObject, kPickMacroApply, true},
      {kStateWorldEditor, kModeGlobalLogic, kPickLogicWord, true},
      {kStateWorldEditor, kModeLocalLogic, kPickPhraseStore, true},
      {kStateWorldEditor, kModeNothing, kPickLogicWord, false},
      {kStateWorldEditor, kModeNothing, kPickEditorButton, false},
      {kStateMenuEditor, kMenuModeButton, kPickEditorButton, true},
      {kStateMenuEditor, kMenuModeAnimation, kPickChooserImage, true},
      {kStateMenuEditor, kMenuModeButton, kPickToolbarGlobalLogic, false},
      {kStateMenus, kModeNothing, kPickWelcomeClose, true},
      {kStateMenus, kModeNothing, kPickToolbarSave, false},
      {kStateSplash, kModeNothing, kPickWelcomeClose, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(offers(offered(c.state, c.mode), c.code), c.offered)
        << "state " << c.state << " mode " << c.mode << " code " << c.code;
  }
}

TEST(PickCodes, OnlyTheChooserAndTheLogicWordsCarryDataInGreen) {
  for (int state = kStateMenus; state <= kStatePlaytest; ++state) {
    for (int mode = kFirstMode; mode <= kLastMode; ++mode) {
      for (const PickList& list : screensFor(state, mode).picks()) {
        for (const PickUse& use : list) {
          if (use.green != kPickMenuMark) {
            EXPECT_TRUE(pickCarriesData(use.code)) << use.name;
          }
        }
      }
    }
  }
}

class DataInGreen : public tftest::InputTest {};

// The dispatch hands a code with data in green on to the screens; any other
// code without the menu mark goes no further than clearing every mark of the
// menus (a hover pass over a menu code would keep the pressed button).
TEST_F(DataInGreen, ReachesTheScreenOnlyForTheCodesThatCarryIt) {
  makeMenus(1);
  gameSys.setGameState(kStateWorldEditor);
  worldEditor.setEditorMode(kModeGlobalLogic);
  gameSys.setHoverCheck(true);
  const unsigned char word[3] = {kPickLogicWord, 3, 4};
  EXPECT_TRUE(dispatchPickPixel(word));
  const unsigned char unmarked[3] = {kPickLogicAdd, 3, 4};
  gameUI.setPressedButton(0);
  EXPECT_FALSE(dispatchPickPixel(unmarked));
  EXPECT_EQ(gameUI.getPressedButton(), -1);
  const unsigned char marked[3] = {kPickLogicAdd, kPickMenuMark, kPickMenuMark};
  gameUI.setPressedButton(0);
  EXPECT_TRUE(dispatchPickPixel(marked));  // the logic editor's, even in a hover pass
  EXPECT_EQ(gameUI.getPressedButton(), 0);
  gameSys.setHoverCheck(false);
}

}  // namespace
