// The labelled controls of the editors' lower panels as plan items: a label
// followed by one or two clickable pictures, laid out as the toolkit's
// choices are, each picture answering to a menu-level code.
#pragma once

#include <string>

#include "core/panel_plan.h"

namespace tf {

constexpr const char* kUnsavedMark = " ^y*";

// The label at (x, y) and one button after it.
void labelWithButton(PanelPlan& out, int x, int y, const std::string& label, int image, int code);
// The label and two buttons after it.
void labelWithButtons(PanelPlan& out, int x, int y, const std::string& label, int firstImage, int firstCode,
                      int secondImage, int secondCode);
// The label with a plus and a minus button.
void labelWithPlusMinus(PanelPlan& out, int x, int y, const std::string& label, int plusCode, int minusCode);
// A button of the given half size at (x, y).
void button(PanelPlan& out, int image, int x, int y, int half, int code);
// Written after the map or menu a status line names: " *" while there are
// changes not saved, else nothing.
std::string unsavedMark();

}  // namespace tf
