// One reset forgets the run state of every module: an event that a module
// would hold back, or read as the second of a double click, right after the
// one before is taken as a first one once the state is reset.
#include "core/run_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "app/startup.h"
#include "editor/editor.h"
#include "input_fixture.h"
#include "menus/file_browser.h"

namespace {

using namespace tf;

class RunState : public tftest::InputTest {
 protected:
  long passes() const { return std::count(platform.calls.begin(), platform.calls.end(), "pick scene"); }
  static std::string glTimer() {
    int timer, sentence, step;
    worldEditor.getGLTimer(timer, sentence, step);
    return std::to_string(timer);
  }
};

TEST_F(RunState, OneResetForgetsTimersThrottlesClickTimesAndTheDebounce) {
  struct Case {
    const char* what;
    std::function<void()> setup;
    // One event, run twice at the same moment; what it leaves behind.
    std::function<std::string()> event;
    std::string twice, afterReset;  // after the second event, without and with a reset between
  } cases[] = {
      {"the button debounce", [] {},
       [] {
         buttonAction(kFuncGameState, gameSys.getGameState() + 1);
         return std::to_string(gameSys.getGameState());
       },
       "1", "2"},
      {"the hover throttle", [] { makeMenus(1); },
       [this] {
         mousePassive(5, 5);
         return std::to_string(passes());
       },
       "1", "2"},
      {"the frame pacing", [] {}, [] { return std::string(renderScene() ? "due" : "not due"); }, "not due", "due"},
      {"the browser's double click",
       [] {
         gameSys.setDirName(3, "maze");
         gameSys.setDirTextbox(0);
       },
       [] {
         browserClickRow(3);
         return std::to_string(gameSys.getDirTextbox());
       },
       "-1", "0"},
      {"the logic editor's double click",
       [] {
         gameSys.setGameState(kStateWorldEditor);
         worldEditor.setEditorMode(kModeGlobalLogic);
         worldEditor.setGLTimer(999, 0, 0);
       },
       [] {
         mouse(kButtonLeft, kButtonDown, 5, 5);
         return glTimer();
       },
       "-1", "999"},
  };
  for (const Case& c : cases) {
    for (bool reset : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (reset ? " after a reset" : ""));
      fresh();
      c.setup();
      c.event();
      if (reset) resetRunState();
      EXPECT_EQ(c.event(), reset ? c.afterReset : c.twice);
    }
  }
}

}  // namespace
