// The one-line tips bar at the top left of the editors: a numbered tip from
// the world editor's list (game state 5) or the menu editor's (game state 6)
// on a bar of its own, and two arrows that step through the tips, wrapping
// from the last to the first and back.
#pragma once

#include <string>

#include "core/screen.h"
#include "core/panel_plan.h"
#include "menus/menu_layout.h"

namespace tf {

// The arrows: the previous tip and the next one.
constexpr WholeRect kTipPreviousArrow{12, 8, 12, 12};
constexpr WholeRect kTipNextArrow{31, 8, 12, 12};
// Where the line starts, and the bar's height and centre line.
constexpr float kTipLineX = 55, kTipLineY = 8;
constexpr int kTipBarY = 10, kTipBarHalfHeight = 10;

// Tip `tip` of the list of game state `gameState`; an index without a tip
// reads "No tip" in the world editor and "No tip." in the menu editor.
std::string tipText(int gameState, int tip);
// The line shown: "^y(" tip "/18)^w " and the tip.
std::string tipLine(int gameState, int tip);

// True while the bar is shown: in both editors, but not while their panels
// are folded away nor while the menu editor drags an item.
bool tipsBarShown();
// The bar, the line and the arrows for tip `tip` of game state `gameState`.
void planTipsBar(int gameState, int tip, PanelPlan& out);

Screen& tipsBar();

}  // namespace tf
