// Editor help line look-ups.
#include "menus/ui_info.h"

#include "core/script_object.h"

namespace tf {
namespace {

std::string helpLine(const char* editor, int n, int k) {
  return uiInfo.findLineS(editor + std::to_string(n) + "line" + std::to_string(k));
}

}  // namespace

std::string worldEditorHelpLine(int n, int k) { return helpLine("gehelp", n, k); }

std::string menuEditorHelpLine(int n, int k) { return helpLine("uehelp", n, k); }

}  // namespace tf
