// The table of screens by game state and editor mode, and the walks over a row.
#include "input/screens.h"

#include "core/system.h"
#include "editor/editor.h"
#include "editor/editor_panels.h"
#include "editor/logic_editor.h"
#include "editor/menu_editor.h"
#include "editor/phrase_windows.h"
#include "editor/tips_bar.h"
#include "editor/undo_keys.h"
#include "editor/welcome_window.h"
#include "editor/world_editor_screen.h"
#include "logic/play_screen.h"
#include "media/splash.h"

namespace tf {
namespace {

// The editor modes a row covers, first to last.
struct Modes {
  int first, last;
};
constexpr Modes kAnyMode{-100, 100};
constexpr Modes kLogicModes{kModeGlobalLogic, kModeLocalLogic};

// One row: a game state, the editor modes it covers and its screens, in the
// order they are asked and drawn (the panels over an editor come after it,
// so that they are drawn over it; the welcome window over everything). The
// first row that matches is the one used.
struct Route {
  int gameState;
  Modes modes;
  Screen& (*screens[ScreenRow::kMaxScreens])();
};

const Route kRoutes[] = {
    {kStateMenus, kAnyMode, {welcomeWindow}},
    {kStateIngameMenu, kAnyMode, {pausedGameScreen, welcomeWindow}},
    {kStatePlay, kAnyMode, {playScreen, welcomeWindow}},
    {kStateSplash, kAnyMode, {splashScreen}},
    {kStateDialog, kAnyMode, {welcomeWindow}},
    {kStateWorldEditor, kLogicModes,
     {undoKeys, phraseWindows, tipsBar, worldEditorScreen, logicEditorScreen, imageChooser, welcomeWindow}},
    {kStateWorldEditor, kAnyMode,
     {undoKeys, phraseWindows, tipsBar, worldEditorScreen, macroMenu, imageChooser, welcomeWindow}},
    {kStateMenuEditor, kAnyMode, {undoKeys, tipsBar, menuEditorScreen, imageChooser, welcomeWindow}},
    {kStatePlaytest, kAnyMode, {playScreen, welcomeWindow}},
};

}  // namespace

void ScreenRow::add(Screen& screen) {
  if (count_ < kMaxScreens) screens_[count_++] = &screen;
}

bool ScreenRow::key(unsigned char key, int modifiers) const { return ask(&Screen::onKey, key, modifiers); }

bool ScreenRow::specialKey(int key, int modifiers) const { return ask(&Screen::onSpecialKey, key, modifiers); }

bool ScreenRow::button(const ButtonEvent& e) const { return ask(&Screen::onButton, e); }

bool ScreenRow::pick(const PickEvent& e) const { return ask(&Screen::onPick, e); }

bool ScreenRow::pickAfterMenus(const PickEvent& e) const { return ask(&Screen::onPickAfterMenus, e); }

void ScreenRow::buttonMissed(const ButtonEvent& e) const { tell(&Screen::onButtonMissed, e); }

void ScreenRow::drag(const DragEvent& e) const { tell(&Screen::onDrag, e); }

void ScreenRow::mapHit(const MapHit& hit) const { tell(&Screen::onMapHit, hit); }

void ScreenRow::draw(ScreenLayer layer, bool picking) const { tell(&Screen::draw, layer, picking); }

std::vector<PickList> ScreenRow::picks() const {
  std::vector<PickList> lists;
  for (Screen* s : *this) {
    for (const PickList& list : s->picks()) lists.push_back(list);
  }
  return lists;
}

ScreenRow screensFor(int gameState, int editorMode) {
  ScreenRow row;
  for (const Route& route : kRoutes) {
    if (route.gameState != gameState || editorMode < route.modes.first || editorMode > route.modes.last) continue;
    for (Screen& (*screen)() : route.screens) {
      if (screen) row.add(screen());
    }
    break;
  }
  return row;
}

ScreenRow currentScreens() { return screensFor(gameSys.getGameState(), worldEditor.getEditorMode()); }

}  // namespace tf
