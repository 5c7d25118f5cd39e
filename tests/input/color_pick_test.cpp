// Colour picking without a window: what each pick colour does for a hover, a
// press, a release and a drag, fed as made-up pixels, and how often pointer
// motion runs a pass at all under the hand-set clock.
#include "input/color_pick.h"

#include <functional>

#include "console/console_view.h"
#include "input_fixture.h"
#include "media/notice.h"
#include "menus/help_layout.h"
#include "menus/menu_layout.h"

namespace {

using namespace tf;

class ColorPick : public tftest::InputTest {
 protected:
  long passes() const { return std::count(platform.calls.begin(), platform.calls.end(), "pick scene"); }
};

TEST_F(ColorPick, EachCodeActsOnItsEventOnly) {
  const auto typing = [] { typingInto(0); };
  const auto input = [](int state) { return [state] { return gameSys.getInputState() == state; }; };
  struct Case {
    const char* what;
    std::function<void()> setup;
    int r, g, b;
    bool consumed;
    std::function<bool()> done;
  } cases[] = {
      {"a panel absorbs a press", typing, 144, 144, 144, true, input(kInputMenuTextbox)},
      {"a press on the background ends typing", typing, 254, 254, 254, false, input(kInputNormal)},
      {"a help topic pressed", enableHelp, kPickHelpTopic, 144, 2, true,
       [this] { return uiHelp.getHelp() == 2 && timesPlayed("select") == 1; }},
      {"a system textbox pressed", [] {}, kPickSystemTextbox, 144, 5, true,
       [] { return gameUI.getTextboxEdit() == 5 && gameSys.getInputState() == kInputSystemTextbox; }},
      {"the notice pressed", [] { notice.setNotice("T", "M"); }, kPickNotice, 144, 144, true, [] {
         std::string title, message;
         int time = 0;
         notice.getNotice(title, message, time);
         return time < 0;
       }},
      {"the console opened", [] {}, kPickConsoleToggle, 144, 144, true,
       [this] { return console.getConsoleState() && timesPlayed("open") == 1; }},
      {"a button's colour without the menu mark", [] { gameUI.setHoverButton(0); }, kPickButton, 12, 0, false,
       [] { return gameUI.getHoverButton() == -1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fresh();
    makeMenus(3);
    addButton(0, kFuncLoadMenu, 2);
    addTextbox(0, 0);
    for (int t = 0; t < 3; ++t) uiHelp.menuSetMenuTitle(t, "Topic");
    c.setup();
    EXPECT_EQ(pickPixel(c.r, c.g, c.b, PickAt::LeftPress), c.consumed);
    EXPECT_TRUE(c.done());
    EXPECT_EQ(gameUI.getCurrentMenu(), 0);
  }
}

TEST_F(ColorPick, MenuButtonsFireWhenReleasedOverTheButtonPressed) {
  makeMenus(3);
  addButton(0, kFuncLoadMenu, 2);
  addButton(0, kFuncLoadMenu, 1);
  EXPECT_TRUE(pickPixel(kPickButton, 144, 0, PickAt::Hover));
  EXPECT_EQ(gameUI.getHoverButton(), 0);
  EXPECT_TRUE(pickPixel(kPickButton, 144, 0, PickAt::LeftRelease));  // no press before it
  EXPECT_TRUE(pickPixel(kPickButton, 144, 0, PickAt::LeftPress));
  EXPECT_TRUE(pickPixel(kPickButton, 144, 1, PickAt::LeftRelease));  // over another button
  EXPECT_EQ(gameUI.getCurrentMenu(), 0);
  EXPECT_TRUE(pickPixel(kPickButton, 144, 0, PickAt::LeftRelease));
  EXPECT_EQ(gameUI.getCurrentMenu(), 2);
  EXPECT_EQ(timesPlayed("click"), 1);
}

TEST_F(ColorPick, HoversAndDragsRunAPassAtMostEvery30MillisecondsAndNotOverTheSplash) {
  makeMenus(1);
  addButton(0, kFuncNothing);
  platform.setPickPixel(kPickButton, 144, 0);
  mousePassive(10, 20);
  EXPECT_EQ(passes(), 1);
  EXPECT_EQ(gameUI.getHoverButton(), 0);
  clock.advance(kHoverThrottleMs - 1);
  mousePassive(11, 21);
  EXPECT_EQ(passes(), 1);
  int x, y;
  gameSys.getMousePos(x, y);
  EXPECT_EQ(x, 11);  // the pointer is followed all the same
  clock.advance(1);
  platform.setPickPixel(254, 254, 254);
  mousePassive(12, 22);
  EXPECT_EQ(passes(), 2);
  EXPECT_EQ(gameUI.getHoverButton(), -1);

  gameSys.setLeftMouse(kMousePress);
  for (auto [wait, count] : {std::pair{kHoverThrottleMs, 3}, {kHoverThrottleMs - 1, 3}, {1, 4}}) {
    clock.advance(wait);
    mouseDrag(50, 50);
    EXPECT_EQ(passes(), count) << wait;
  }
  gameSys.setGameState(kStateSplash);
  clock.advance(kHoverThrottleMs);
  mousePassive(1, 1);
  EXPECT_EQ(passes(), 4);
}

}  // namespace
