// The editor screens' drawing, installed into the screens.
#include "editor/editor_drawing.h"

#include "editor/menu_editor.h"
#include "editor/tips_bar.h"
#include "editor/welcome_window.h"

namespace tf {

void installEditorDrawing() {
  welcomeWindow().setDrawing(drawWelcomeWindow);
  tipsBar().setDrawing(drawTipsBar);
  menuEditorScreen().setDrawing(drawMenuEditor);
}

}  // namespace tf
