// The button function table, its debounce and the fog controls.
#include "menus/button_actions.h"

#include <iterator>
#include <utility>

#include "core/clock.h"
#include "core/log.h"
#include "core/run_state.h"
#include "core/shutdown.h"
#include "core/system.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/dialog.h"
#include "menus/help.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

constexpr float kVolumeStep = 0.1f;

// The time of the last accepted action; none before the first.
bool anyActionYet = false;
int lastActionTime = 0;

// An action is accepted unless the last one was less than the debounce time
// ago. A clock that reads earlier than the last action (it has wrapped, or a
// new clock was installed) never holds an action back.
bool acceptAction(int now) {
  if (anyActionYet && now >= lastActionTime && now - lastActionTime < kButtonDebounceMs) return false;
  anyActionYet = true;
  lastActionTime = now;
  return true;
}

void forgetActions() {
  anyActionYet = false;
  lastActionTime = 0;
}
const bool registered = registerRunStateReset(forgetActions);

void quit(int) { quitEngine(); }

// A menu that is not there would leave an empty screen with no way out.
void showMenu(int menu) {
  if (menu < 0 || menu >= gameUI.getMenuCount()) {
    systemMsg("^rERROR: ^wA button asked for menu ^y" + std::to_string(menu) + "^w, which does not exist.");
    return;
  }
  gameSys.setGameState(kStateMenus);
  loadMenu(menu);
}

void setGameState(int state) { gameSys.setGameState(state); }
void setInputState(int state) { gameSys.setInputState(state); }
void openDialog(int dialog) { enableDialog(dialog); }
void closeDialog(int) { disableDialog(); }
void setDebugMode(int on) { gameSys.setDebugState(on != 0, true); }

// Back from a paused game to the game's first menu; the next start begins the
// game afresh.
void gameMainMenu(int) {
  stopGameSounds();
  gameSys.setGameState(kStateMenus);
  loadMenu(0);
}

void fullScreen(int) { setFullScreen(true, false); }
void window(int) { setFullScreen(false, false); }

void soundOn(int) {
  // The menu music starts only when sound was off: started again it would
  // play twice, on two voices.
  const bool wasOn = gameSys.getSoundState();
  gameSys.setSoundState(true);
  if (gameSys.getGameState() == kStateMenus && !wasOn) playSystemSound(kSoundMainMenu, 1);
  notice.setNotice("Sound", "Sound has been ^yenabled^w.");
}

void soundOff(int) {
  gameSys.setSoundState(false);
  if (gameSys.getGameState() == kStateMenus) stopSystemSound(kSoundMainMenu);
  notice.setNotice("Sound", "Sound has been ^ydisabled^w.");
}

void changeVolume(float step) {
  gameSys.setSoundVolume(gameSys.getSoundVolume() + step);
  gameSys.setVolTimer(kVolumeDisplayMs);
}
void volumeUp(int) { changeVolume(kVolumeStep); }
void volumeDown(int) { changeVolume(-kVolumeStep); }

void nothing(int) {}
void browse(int string) { gameSys.setDirTextbox(string); }
void help(int) { enableHelp(); }

using Action = void (*)(int func2);

// The menus' own actions; the ones left empty are installed by the game and
// the editors (setButtonAction).
const Action kActions[] = {
    quit,     showMenu, setGameState, setInputState, openDialog,   closeDialog, setDebugMode,
    nullptr,  nullptr,  nullptr,      nullptr,       nullptr,      nullptr,     nullptr,
    nullptr,  nullptr,  nullptr,      nullptr,       gameMainMenu, fullScreen,  window,
    nullptr,  nullptr,  soundOn,      soundOff,      volumeUp,     volumeDown,  nothing,
    nothing,  nullptr,  browse,       help,         nullptr,
};
static_assert(std::size(kActions) == kButtonFunctionCount, "one action for every button function");

std::function<void(int)>& installed(int func) {
  static std::function<void(int)> actions[kButtonFunctionCount];
  return actions[func];
}

// The words of each function that does not depend on its argument: for the
// menu editor, and for a tooltip on a live menu. Ids described by their
// argument are filled in by the functions below.
struct Words {
  const char* editor;
  const char* tooltip;
};

const Words kWords[] = {
    {nullptr, nullptr},                              // 0 quit: names the program
    {nullptr, kNoTooltip},                           // 1 load menu
    {nullptr, kNoTooltip},                           // 2 game state
    {nullptr, kNoTooltip},                           // 3 input state
    {nullptr, kNoTooltip},                           // 4 open dialog
    {"Back", kNoTooltip},                            // 5
    {nullptr, nullptr},                              // 6 debug mode: by its argument
    {kNoTooltip, kNoTooltip},                        // 7
    {"Leave Game", "Leave Game"},                    // 8
    {kNoTooltip, kNoTooltip},                        // 9
    {kNoTooltip, kNoTooltip},                        // 10
    {kNoTooltip, kNoTooltip},                        // 11
    {kNoTooltip, kNoTooltip},                        // 12
    {"Pause Game", kNoTooltip},                      // 13
    {"Return to Game", kNoTooltip},                  // 14
    {kNoTooltip, kNoTooltip},                        // 15
    {kNoTooltip, kNoTooltip},                        // 16
    {"Enter User Interface Editor", kNoTooltip},     // 17
    {"Return to the Main Menu", kNoTooltip},         // 18
    {"^yEnable^w Fullscreen", "Fullscreen Mode"},    // 19
    {"^yEnable^w Windows Mode", "Window Mode"},      // 20
    {kNoTooltip, kNoTooltip},                        // 21
    {"Return to Game", kNoTooltip},                  // 22
    {"^yEnable^w Sound", "Enable Sound"},            // 23
    {"^yDisable^w Sound", "Disable Sound"},          // 24
    {"^yIncrease^w Volume", "Increase Volume"},      // 25
    {"^yDecrease^w Volume", "Decrease Volume"},      // 26
    {kNoTooltip, kNoTooltip},                        // 27
    {kNoTooltip, kNoTooltip},                        // 28
    {kNoTooltip, kNoTooltip},                        // 29
    {kNoTooltip, kNoTooltip},                        // 30
    {"Open Help", "Help"},                           // 31
    {kNoTooltip, kNoTooltip},                        // 32
};
static_assert(std::size(kWords) == kButtonFunctionCount, "words for every button function");

std::string quitWords() { return "Quit " + gameSys.getName(); }

}  // namespace

bool isButtonFunction(int func) { return func >= 0 && func < kButtonFunctionCount; }

void buttonAction(int func, int func2) {
  if (!acceptAction(elapsedMs())) return;
  playSystemSound(kSoundClick, 0);
  if (!isButtonFunction(func)) return;
  if (kActions[func]) {
    kActions[func](func2);
  } else if (installed(func)) {
    installed(func)(func2);
  }
}

void setButtonAction(int func, std::function<void(int func2)> action) {
  if (isButtonFunction(func)) installed(func) = std::move(action);
}

bool buttonString(int string, std::string& text) {
  if (string > uiScriptString.getStringCount()) return false;
  text = uiScriptString.getString(string);
  return true;
}

void withMouseDisabled(const std::function<void()>& load) {
  gameSys.setDisableMouseState(true);
  load();
  gameSys.setDisableMouseState(false);
}

std::string buttonEditorDescription(int func, int func2) {
  const std::string argument = "^y" + std::to_string(func2);
  switch (func) {
    case kFuncQuit: return quitWords();
    case kFuncLoadMenu: return "Load Menu " + argument;
    case kFuncGameState: return "Game State " + argument;
    case kFuncInputState: return "Input State " + argument;
    case kFuncOpenDialog: return "Open Dialogbox " + argument;
    case kFuncDebugMode: return func2 == 0 ? "^yDisable^w Debug Mode" : "^yEnable^w Debug Mode";
    default: return isButtonFunction(func) ? kWords[func].editor : kNoTooltip;
  }
}

std::string buttonTooltipDescription(int func, int func2) {
  switch (func) {
    case kFuncQuit: return quitWords();
    case kFuncDebugMode: return func2 == 0 ? "Disable Debug Mode" : "Enable Debug Mode";
    default: return isButtonFunction(func) ? kWords[func].tooltip : kNoTooltip;
  }
}

}  // namespace tf
