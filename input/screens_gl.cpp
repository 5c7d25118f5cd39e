// Drawing the current menu with the screens' layers under and over it.
#include "core/system.h"
#include "editor/menu_editor.h"
#include "input/screens.h"
#include "menus/ui_render.h"

namespace tf {

void renderMenus() {
  const ScreenRow row = currentScreens();
  const bool picking = gameSys.getColorPick();
  MenuOverlay overlay;
  overlay.marks = menuEditorMarks();
  overlay.underElements = [&row, picking] { row.draw(ScreenLayer::UnderMenu, picking); };
  overlay.overElements = [&row, picking] { row.draw(ScreenLayer::OverMenu, picking); };
  uiRender(overlay);
}

}  // namespace tf
