// Drawing the console: the panel, the buttons and the command row, the shown
// lines of the history; in a pick pass the panel, the buttons and (in play)
// the whole screen in their pick colours.
#include "console/console.h"
#include "console/console_view.h"
#include "core/clock.h"
#include "core/system.h"
#include "media/choice.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

void drawChoice(const WholeRect& r, int image, const PickColor& pick) {
  displaySingleChoice(r.x, r.y, r.w, r.h, image, pick.r, pick.g, pick.b);
}

}  // namespace

void consoleRender() {
  const bool pick = gameSys.getColorPick();
  if (!console.beginFrame(!pick)) return;
  // The caret is not drawn in a pick pass, so it only blinks in drawn frames.
  const std::string caret = pick ? " " : console.caretAt(elapsedMs());
  const ConsoleView view = consoleView(console, gameSys.getGameState(), caret);
  if (pick && view.blockWholeScreen) drawChoice(kWholeScreen, kImgNone, kPickBlocking);
  drawChoice(view.panel, kImgConsoleBackground, kPickBlocking);
  if (view.commandRowShown) {
    for (const ConsoleButton& button : kConsoleButtons) drawChoice(button.rect, button.image, button.pick);
  }
  if (pick) return;
  if (view.commandRowShown) displayTextString(view.command.x, view.command.y, view.command.text);
  for (const ConsoleRow& row : view.lines) displayTextString(row.x, row.y, row.text);
}

}  // namespace tf
