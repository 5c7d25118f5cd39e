// What a button does: every menu and dialog button carries a function id and
// an argument, and this is the table that turns them into actions (changing
// menus, states and dialogs, loading, creating and editing games, screen,
// sound and volume), together with the words the menu editor and the tooltips
// use to describe them. Also the fog controls of the world editor.
#pragma once

#include <functional>
#include <string>

namespace tf {

// Button function ids, as stored in menu and dialog files.
enum ButtonFunction {
  kFuncQuit = 0,
  kFuncLoadMenu = 1,       // argument: menu
  kFuncGameState = 2,      // argument: game state
  kFuncInputState = 3,     // argument: input state
  kFuncOpenDialog = 4,     // argument: dialog
  kFuncCloseDialog = 5,
  kFuncDebugMode = 6,      // argument: 0 off, 1 on
  kFuncLoadGame = 7,       // argument: UI string holding the game's name
  kFuncLeaveGame = 8,
  kFuncEditGame = 9,       // argument: UI string holding the game's name
  kFuncLeaveEditor = 10,
  kFuncEditWorld = 11,
  kFuncEditorMainMenu = 12,
  kFuncPause = 13,
  kFuncResume = 14,
  kFuncCreateGame = 15,    // argument: UI string holding the new game's name
  kFuncStartGame = 16,
  kFuncMenuEditor = 17,
  kFuncGameMainMenu = 18,
  kFuncFullScreen = 19,
  kFuncWindow = 20,
  kFuncDeleteMap = 21,
  kFuncReenterGame = 22,
  kFuncSoundOn = 23,
  kFuncSoundOff = 24,
  kFuncVolumeUp = 25,
  kFuncVolumeDown = 26,
  kFuncNothing = 27,
  kFuncNothingEither = 28,
  kFuncWelcome = 29,
  kFuncBrowse = 30,        // argument: UI string the game browser fills
  kFuncHelp = 31,
  kFuncRecovery = 32,      // argument: 1 restore the recovery copy, 0 remove it
  kButtonFunctionCount
};

// Clicks closer together than this run one action.
constexpr int kButtonDebounceMs = 200;
// A game created from a menu starts with a map of this many tiles square.
constexpr int kNewGameMapTiles = 10;
// How long the volume display stays after a volume button.
constexpr int kVolumeDisplayMs = 1000;
// The tooltip text that means "show no tooltip".
constexpr const char* kNoTooltip = "Hide";

// Runs button function `func` with its argument `func2`. An action less than
// 200 ms after the last one accepted is ignored; every accepted one plays the
// click, and an id outside the table does nothing more.
void buttonAction(int func, int func2);

// The functions that load, create and edit games are the game's and the
// editors': they install their actions here at start-up. A function without
// an action plays the click and does nothing more.
void setButtonAction(int func, std::function<void(int func2)> action);

// Helpers for the installed actions: UI string `string` as a loader reads it
// (false, with nothing read, for a string beyond the table), and a loader run
// with the mouse switched off so that no click lands while it works.
bool buttonString(int string, std::string& text);
void withMouseDisabled(const std::function<void()>& load);

// True for the ids of the table.
bool isButtonFunction(int func);
// How the menu editor names a button's function, and what the tooltip of a
// live menu says about it ("Hide" for none).
std::string buttonEditorDescription(int func, int func2);
std::string buttonTooltipDescription(int func, int func2);

}  // namespace tf
