// The welcome windows that introduce the editors and greet a new user: 0 after
// a game was created, 1 when the world editor's editing screen opens, 2 when
// the menu editor opens, 3 at the first start of the toolkit. A window lies
// over the whole screen and takes every click until its checkmark closes it;
// turning the debug overlay on dismisses it as well.
#pragma once

#include <string>
#include <vector>

#include "core/screen.h"
#include "core/panel_plan.h"
#include "menus/menu_layout.h"

namespace tf {

enum WelcomeWindow {
  kWelcomeNewGame = 0,
  kWelcomeWorldEditor = 1,
  kWelcomeMenuEditor = 2,
  kWelcomeToolkit = 3,
};

// The window over a blurred screen, its close checkmark and, in place of a
// title, the toolkit's logo (window 3).
constexpr WholeRect kWelcomeWindowRect{400, 300, 350, 270};
constexpr WholeRect kWelcomeClose{700, 523, 24, 24};
constexpr WholeRect kWelcomeLogo{400, 45, 100, 40};
// The text: lines 16 apart, paragraphs (the title is one) 32.
constexpr float kWelcomeTextX = 85, kWelcomeTextY = 60;
constexpr float kWelcomeLineStep = 16, kWelcomeParagraphStep = 32;

// The paragraphs of window `menu`, each a list of lines; the first is the
// title, except in window 3, which shows the logo in its place. No
// paragraphs for a number that names no window.
std::vector<std::vector<std::string>> welcomeParagraphs(int menu);

// The welcome window to show now: false when none is open. While the debug
// overlay is shown, an open window is dismissed instead.
bool welcomeShown();
// What window `menu` shows.
void planWelcome(int menu, PanelPlan& out);

Screen& welcomeWindow();

}  // namespace tf
