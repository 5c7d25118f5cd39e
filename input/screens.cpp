// The table of screens by game state and editor mode, and the walks over a row.
#include "input/screens.h"

#include "core/system.h"
#include "editor/editor.h"
#include "editor/image_chooser.h"
#include "editor/logic_editor.h"
#include "editor/macro_menu.h"
#include "editor/menu_editor.h"
#include "editor/phrase_windows.h"
#include "editor/tips_bar.h"
#include "editor/welcome_window.h"
#include "editor/world_editor_screen.h"
#include "logic/play_screen.h"
#include "media/splash.h"

namespace tf {
namespace {

constexpr int kAnyMode = -100;

// One row: a game state, the editor modes it covers (from, to) and its
// screens. The first row that matches is the one used.
struct Route {
  int gameState;
  int firstMode, lastMode;
  Screen& (*screens[ScreenRow::kMaxScreens])();
};

const Route kRoutes[] = {
    {kStateMenus, kAnyMode, -kAnyMode, {welcomeWindow}},
    {kStateIngameMenu, kAnyMode, -kAnyMode, {pausedGameScreen, welcomeWindow}},
    {kStatePlay, kAnyMode, -kAnyMode, {playScreen, welcomeWindow}},
    {kStateSplash, kAnyMode, -kAnyMode, {splashScreen}},
    {kStateDialog, kAnyMode, -kAnyMode, {welcomeWindow}},
    {kStateWorldEditor, kModeGlobalLogic, kModeLocalLogic,
     {phraseWindows, imageChooser, welcomeWindow, tipsBar, worldEditorScreen, logicEditorScreen}},
    {kStateWorldEditor, kAnyMode, -kAnyMode,
     {phraseWindows, imageChooser, macroMenu, welcomeWindow, tipsBar, worldEditorScreen}},
    {kStateMenuEditor, kAnyMode, -kAnyMode, {imageChooser, welcomeWindow, tipsBar, menuEditorScreen}},
    {kStatePlaytest, kAnyMode, -kAnyMode, {playScreen, welcomeWindow}},
};

}  // namespace

void ScreenRow::add(Screen& screen) {
  if (count_ < kMaxScreens) screens_[count_++] = &screen;
}

bool ScreenRow::key(unsigned char key, int modifiers) const {
  for (Screen* s : *this) {
    if (s->onKey(key, modifiers)) return true;
  }
  return false;
}

bool ScreenRow::specialKey(int key, int modifiers) const {
  for (Screen* s : *this) {
    if (s->onSpecialKey(key, modifiers)) return true;
  }
  return false;
}

bool ScreenRow::button(const ButtonEvent& e) const {
  for (Screen* s : *this) {
    if (s->onButton(e)) return true;
  }
  return false;
}

bool ScreenRow::pick(const PickEvent& e) const {
  for (Screen* s : *this) {
    if (s->onPick(e)) return true;
  }
  return false;
}

bool ScreenRow::pickAfterMenus(const PickEvent& e) const {
  for (Screen* s : *this) {
    if (s->onPickAfterMenus(e)) return true;
  }
  return false;
}

void ScreenRow::buttonMissed(const ButtonEvent& e) const {
  for (Screen* s : *this) s->onButtonMissed(e);
}

void ScreenRow::drag(const DragEvent& e) const {
  for (Screen* s : *this) s->onDrag(e);
}

void ScreenRow::mapHit(const MapHit& hit) const {
  for (Screen* s : *this) s->onMapHit(hit);
}

void ScreenRow::draw(ScreenLayer layer, bool picking) const {
  for (Screen* s : *this) s->draw(layer, picking);
}

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
    if (route.gameState != gameState || editorMode < route.firstMode || editorMode > route.lastMode) continue;
    for (Screen& (*screen)() : route.screens) {
      if (screen) row.add(screen());
    }
    break;
  }
  return row;
}

ScreenRow currentScreens() { return screensFor(gameSys.getGameState(), worldEditor.getEditorMode()); }

}  // namespace tf
