// The macro menu of the world editor: over an object's panel it offers the
// ready-made logic of a player character (RPG or platformer), which replaces
// the selected object's local logic as one step of the history. The menu
// says so before anything is replaced.
#pragma once

#include <vector>

#include "core/panel_plan.h"
#include "core/screen.h"
#include "game/sentence.h"

namespace tf {

// The macros: an RPG player and a platformer player.
constexpr int kMacroRpgPlayer = 0;
constexpr int kMacroPlatformerPlayer = 1;
constexpr int kMacroCount = 2;

// The sentences of macro `macro` for object `self` (empty for no macro).
std::vector<sentence> macroSentences(int macro, int self);

// Opened by the object panel's macro button; open only while an object is
// selected in the world editor (elsewhere it closes itself).
void openMacroMenu();
bool macroMenuOpen();
// Replaces the selected object's local logic by the macro and closes the
// menu; false when there is no such macro or object.
bool applyMacro(int macro);

void planMacroMenu(PanelPlan& out);
// The close button and the macro icons, on a left or right press; consumed
// whatever the event.
bool macroMenuPick(const PickEvent& e);

}  // namespace tf
