// Drawing the help window: a veil and a panel, the close button, the topic
// titles down the left (the shown one highlighted), the header and the lines
// of the shown topic; in a pick pass the topics and the close button in their
// pick colours.
#include <GL/gl.h>

#include "core/system.h"
#include "media/choice.h"
#include "media/draw.h"
#include "media/images.h"
#include "media/text.h"
#include "menus/help.h"
#include "menus/help_layout.h"

namespace tf {
namespace {

constexpr int kPanelHalfWidth = 375, kPanelHalfHeight = 280;
constexpr int kCloseX = 70, kCloseY = 535, kCloseHalfSize = 32;
constexpr float kBackX = 100, kBackY = 540;
constexpr const char* kBackText = " Back";
constexpr float kFrontDepth = -2.0f;

void drawBlocking(const WholeRect& r, int image) {
  displaySingleChoice(r.x, r.y, r.w, r.h, image, kPickBlocking.r, kPickBlocking.g, kPickBlocking.b);
}

void drawTopic(int t, bool pick) {
  const std::string title = uiHelp.menuGetMenuTitle(t);
  const HelpTopicRow row = helpTopicRow(t, title);
  const ScreenRect& r = row.pick;
  if (pick) {
    glColor3ub(kPickHelpTopic, kPickMenuMark, static_cast<GLubyte>(t));
    displayTexture(r.x, r.y, kFrontDepth, r.w, r.h, 1, 1, 1, 0, true, false, 1, kPickFlat);
    return;
  }
  if (t == uiHelp.getHelp()) {
    displayTexture(r.x, r.y, kFrontDepth, r.w, r.h, 1, 0, 1, systemTexture(kImgShader), true, true, 1, kPickNone);
    float x, y;
    helpHeaderPosition(x, y);
    displayTextString(x, y, helpHeader());
  }
  displayTextString(row.titleX, row.titleY, title);
}

}  // namespace

void helpRender() {
  if (!helpShown()) return;
  const bool pick = gameSys.getColorPick();
  drawBlocking(kWholeScreen, kImgBlur);
  drawBlocking({kWholeScreen.x, kWholeScreen.y, kPanelHalfWidth, kPanelHalfHeight}, kImgDialogBackground);
  displayTextString(kBackX, kBackY, kBackText);
  displaySingleChoice(kCloseX, kCloseY, kCloseHalfSize, kCloseHalfSize, kImgQuit, kPickHelpClose, kPickMenuMark,
                      kPickMenuMark);
  for (int t = 0; t < uiHelp.getMenuCount(); ++t) drawTopic(t, pick);
  if (pick) return;
  const int topic = uiHelp.getHelp();
  for (int l = 0; l < uiHelp.getLineCount(topic); ++l) {
    float x, y;
    helpLinePosition(l, x, y);
    displayTextString(x, y, uiHelp.menuGetMenuLine(topic, l));
  }
}

}  // namespace tf
