// The menu renderer on OpenGL.
#include "menus/ui_render.h"

#include <GL/gl.h>

#include "core/platform.h"
#include "core/system.h"
#include "media/choice.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/menu_layout.h"
#include "menus/ui_model.h"

namespace tf {
namespace {

// Depths on the overlay: the background behind the buttons, clickable
// pictures and pick rectangles in front.
constexpr float kBackgroundDepth = 1.97f;
constexpr float kButtonDepth = 1.98f;
constexpr float kFrontDepth = -2.0f;
// The background is named for the selection pass.
constexpr int kBackgroundName = 9;

void setPickColor(const PickColor& c) {
  glColor3ub(static_cast<GLubyte>(c.r), static_cast<GLubyte>(c.g), static_cast<GLubyte>(c.b));
}

bool isMenuImage(int image) { return image >= 0 && image < static_cast<int>(uiImage.size()); }

// A menu image over `r`, or its current frame when it is animated. An index
// that names no image is handed on as -1, which the drawing refuses with its
// notice.
void drawMenuImage(const ScreenRect& r, float z, int image, float shade, int name) {
  if (isMenuImage(image) && uiImage[image].getAnimState()) {
    displayFrame(r.x, r.y, z, r.w, r.h, uiImage[image].GetTex(),
                 static_cast<float>(uiImage[image].getCurrentFrame()), true, true, name);
    return;
  }
  const int texture = isMenuImage(image) ? uiImage[image].GetTex() : -1;
  displayTexture(r.x, r.y, z, r.w, r.h, shade, shade, shade, texture, true, true, 1, name);
}

void drawPickRect(const ScreenRect& r, const PickColor& c) {
  setPickColor(c);
  displayTexture(r.x, r.y, kFrontDepth, r.w, r.h, 1, 1, 1, 0, true, false, 1, kPickFlat);
}

void drawChoice(const WholeRect& r, int image, const PickColor& c) {
  displaySingleChoice(r.x, r.y, r.w, r.h, image, c.r, c.g, c.b);
}

// While the menu editor drags an element, the whole screen reads as it, so
// the element stays under the mouse however fast it moves.
void drawDragLayer(const PickColor& c) { drawChoice(kWholeScreen, kImgNone, c); }

void drawBackground(int menu) {
  drawMenuImage(kFullScreen, kBackgroundDepth, gameUI.getMenuBackgroundTex(menu), 1, kBackgroundName);
}

// An invisible rectangle over the whole window: a click on nothing reads as
// the empty background.
void drawPickBackdrop() {
  const int w = platform().windowWidth();
  const int h = platform().windowHeight();
  drawChoice({w / 2, h / 2, w, h}, kImgNone, kPickEmpty);
}

void drawButtons(int menu, int state, bool pick, const MenuEditMarks* editor) {
  for (int i = 0; i < gameUI.menuGetButtonCount(menu); ++i) {
    float x, y, w, h;
    int tex, func, func2;
    gameUI.uiGetButton(x, y, w, h, tex, func, func2, menu, i);
    const ButtonLook look =
        buttonLook(x, y, w, h, i == gameUI.getHoverButton(), i == gameUI.getPressedButton());
    if (!pick) {
      drawMenuImage(look.rect, kButtonDepth, tex, look.shade, kPickNone);
      continue;
    }
    const PickColor color = menuButtonPick(i, state);
    if (editor && menuEditorDragging(*editor, kEditButtons, i)) drawDragLayer(color);
    setPickColor(color);
    displayTexture(look.rect.x, look.rect.y, kButtonDepth, look.rect.w, look.rect.h, 1, 1, 1, 0, true, false, 1,
                   kPickFlat);
  }
}

void drawTextboxes(int menu, int state, bool pick, const MenuEditMarks* editor) {
  for (int i = 0; i < gameUI.menuGetTextboxCount(menu); ++i) {
    float x, y, w, h;
    int text;
    gameUI.uiGetTextbox(x, y, w, h, text, menu, i);
    const PickColor color = menuTextboxPick(i, state);
    if (pick && editor && menuEditorDragging(*editor, kEditTextboxes, i)) drawDragLayer(color);
    drawChoice(textboxField(x, y, w, h, i == gameUI.getHoverTextbox()), kImgBlur, color);
  }
  if (pick) return;
  for (int i = 0; i < gameUI.menuGetTextboxCount(menu); ++i) {
    float x, y, w, h, textX, textY;
    int text;
    gameUI.uiGetTextbox(x, y, w, h, text, menu, i);
    textboxTextPosition(x, y, textX, textY);
    displayTextString(textX, textY, menuTextboxText(i, text));
  }
}

void drawTextlines(int menu, int state, bool pick, const MenuEditMarks& marks, const MenuEditMarks* editor) {
  for (int l = 0; l < gameUI.menuGetTextlineCount(menu); ++l) {
    float x, y, r, g, b;
    std::string text;
    gameUI.uiGetText(x, y, r, g, b, text, menu, l);
    const std::string shown = menuTextlineText(l, text, state, marks.textline);
    if (!pick) {
      displayTextString(x, y, shown);
    } else if (editor) {
      if (menuEditorDragging(*editor, kEditTextlines, l)) drawDragLayer(menuTextlinePick(l));
      drawPickRect(textlinePickRect(x, y, shown), menuTextlinePick(l));
    }
  }
}

void drawShownStrings(int menu) {
  for (const ShownString& s : shownStrings(menu)) displayTextString(s.x, s.y, s.text);
}

}  // namespace

void uiRender(const MenuOverlay& overlay) {
  const int menu = gameUI.getCurrentMenu();
  const int state = gameSys.getGameState();
  const bool pick = gameSys.getColorPick();
  const MenuDrawPlan plan =
      planMenuDraw(state, pick, menu == gameUI.getEditorMenu(), gameUI.getMenuBackgroundTex(menu));
  if (plan.background) drawBackground(menu);
  drawPickBackdrop();
  if (plan.worldEditor && overlay.underElements) overlay.underElements();
  if (!plan.elements) return;
  const MenuEditMarks* editor = plan.menuEditor ? &overlay.marks : nullptr;
  drawButtons(menu, state, pick, editor);
  drawTextboxes(menu, state, pick, editor);
  drawTextlines(menu, state, pick, overlay.marks, editor);
  if (!pick) drawShownStrings(menu);
  if (plan.menuEditor && overlay.overElements) overlay.overElements();
}

void displayTextbox(int x, int y, int w, int h, int textbox) {
  SystemTextboxLook look;
  if (!placeSystemTextbox(x, y, w, textbox, look)) return;
  drawChoice(look.field, kImgBlur, look.pick);
  displayTextString(look.textX, look.textY, look.text);
}

void drawShade(float x, float y, float w, float h, float r, float g, float b, float a) {
  displayTexture(x, y, kFrontDepth, w, h, r, g, b, systemTexture(kImgShader), true, true, a,
                 gameSys.getColorPick() ? kPickFlat : kPickNone);
}

}  // namespace tf
