// Building panel plans: pictures, texts, and labels with their buttons.
#include "editor/panel_plan.h"

#include "core/numbers.h"
#include "media/choice.h"
#include "media/images.h"
#include "media/text.h"

namespace tf {
namespace {

WholeRect buttonAfter(int x, int y, const std::string& label, int gap) {
  const int width = truncToInt(getDisplayTextSize(label));
  return {x + width + gap, y - kChoiceButtonLift, kChoiceButtonHalfSize, kChoiceButtonHalfSize};
}

}  // namespace

void addPicture(PanelPlan& plan, const WholeRect& rect, int image, const PickColor& pick) {
  PanelPicture picture;
  picture.rect = rect;
  picture.image = image;
  picture.pick = pick;
  plan.pictures.push_back(picture);
}

void addText(PanelPlan& plan, float x, float y, const std::string& text) {
  PanelText line;
  line.x = x;
  line.y = y;
  line.text = text;
  plan.texts.push_back(std::move(line));
}

WholeRect firstButtonAfter(int x, int y, const std::string& label) {
  return buttonAfter(x, y, label, kChoiceFirstButtonGap);
}

WholeRect secondButtonAfter(int x, int y, const std::string& label) {
  return buttonAfter(x, y, label, kChoiceSecondButtonGap);
}

void addLabelledButton(PanelPlan& plan, int x, int y, const std::string& label, int image, int code) {
  addText(plan, x, y, label);
  addPicture(plan, firstButtonAfter(x, y, label), image, controlPick(code));
}

void addPlusMinus(PanelPlan& plan, int x, int y, const std::string& label, int plusCode, int minusCode) {
  addLabelledButton(plan, x, y, label, kImgPlus, plusCode);
  addPicture(plan, secondButtonAfter(x, y, label), kImgMinus, controlPick(minusCode));
}

}  // namespace tf
