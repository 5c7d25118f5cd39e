// The system textboxes' table.
#include "menus/system_textboxes.h"

#include "core/system.h"

namespace tf {

Textbox sysTextbox[kSystemTextboxCount];

namespace {

struct SystemTextbox {
  int text;          // UI string edited
  int linkedButton;  // pick code of the control that consumes the text, -1 none
};

// 0-4: the world editor's map panel; 5: its object panel; 6: the phrase editor.
constexpr SystemTextbox kSystemTextboxes[kSystemTextboxCount] = {
    {3, -1},
    {4, kPickNewMapCreate},
    {6, -1},
    {7, kPickEditMapResize},
    {8, kPickEditMapRename},
    {9, kPickObjectRename},
    {10, kPickPhraseStore},
};

// Where a system textbox stands until it is first drawn.
constexpr float kFirstPlace = 300;
constexpr float kFirstSize = 300;

}  // namespace

bool systemTextboxPick(const PickEvent& e) {
  if (e.code != kPickSystemTextbox || !e.leftPress() || e.blue >= kSystemTextboxCount) return false;
  gameUI.setTextboxEdit(e.blue);
  gameSys.setInputState(kInputSystemTextbox);
  return true;
}

void loadSysTextboxes() {
  for (int i = 0; i < kSystemTextboxCount; ++i) {
    sysTextbox[i].modifyTextbox(kFirstPlace, kFirstPlace, kFirstSize, kFirstSize, kSystemTextboxes[i].text);
    sysTextbox[i].setLinkedButton(kSystemTextboxes[i].linkedButton);
  }
}

}  // namespace tf
