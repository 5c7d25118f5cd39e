// The help lines the editors show in their panels, read from system/uiinfo.cfg
// at start-up.
#pragma once

#include <string>

namespace tf {

// Lines per help block: seven for the world editor's panels, five for the
// menu editor's.
constexpr int kWorldEditorHelpLines = 7;
constexpr int kMenuEditorHelpLines = 5;

// Line `k` of the world editor's help for panel `n` (key gehelp<n>line<k>);
// "NULL" when the file has none.
std::string worldEditorHelpLine(int n, int k);
// Line `k` of the menu editor's help block `n` (key uehelp<n>line<k>).
std::string menuEditorHelpLine(int n, int k);

}  // namespace tf
