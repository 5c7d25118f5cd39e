// Labels and their buttons.
#include "editor/panel_controls.h"

#include "editor/edit_history.h"
#include "media/choice.h"
#include "media/images.h"

namespace tf {

void button(PanelPlan& out, int image, int x, int y, int half, int code) {
  out.picture(image, static_cast<float>(x), static_cast<float>(y), static_cast<float>(half),
              static_cast<float>(half), menuPick(code));
}

void labelWithButton(PanelPlan& out, int x, int y, const std::string& label, int image, int code) {
  out.text(static_cast<float>(x), static_cast<float>(y), label);
  const ChoiceButtons at = choiceButtonsAfter(x, y, label);
  button(out, image, at.firstX, at.y, at.half, code);
}

void labelWithButtons(PanelPlan& out, int x, int y, const std::string& label, int firstImage, int firstCode,
                      int secondImage, int secondCode) {
  labelWithButton(out, x, y, label, firstImage, firstCode);
  const ChoiceButtons at = choiceButtonsAfter(x, y, label);
  button(out, secondImage, at.secondX, at.y, at.half, secondCode);
}

void labelWithPlusMinus(PanelPlan& out, int x, int y, const std::string& label, int plusCode, int minusCode) {
  labelWithButtons(out, x, y, label, kImgPlus, plusCode, kImgMinus, minusCode);
}

std::string unsavedMark() { return editHistoryLog.hasUnsavedChanges() ? kUnsavedMark : ""; }

}  // namespace tf
