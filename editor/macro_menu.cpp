// The macro menu: its two macros, its panel and its codes.
#include "editor/macro_menu.h"

#include <string>

#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/editor_panels.h"
#include "editor/edits.h"
#include "editor/panel_controls.h"
#include "game/step_ids.h"
#include "game/world.h"
#include "media/images.h"
#include "media/sound.h"

namespace tf {
namespace {

// A slot holding this is the object the macro is given to.
constexpr int kSelf = -1;

struct MacroSentence {
  int steps[kSentenceSteps];
};

// Each arrow key moves the player, any arrow puts the camera on it, and so
// does the first frame.
const MacroSentence kRpgPlayer[] = {
    {{kOpenerUpPressed, 0, kPolarityIs, kConditionTouching, 0, kConnectiveThen, kActionMoveObjectUp, kSelf}},
    {{kOpenerDownPressed, 0, kPolarityIs, kConditionTouching, 0, kConnectiveThen, kActionMoveObjectDown, kSelf}},
    {{kOpenerLeftPressed, 0, kPolarityIs, kConditionTouching, 0, kConnectiveThen, kActionMoveObjectLeft, kSelf}},
    {{kOpenerRightPressed, 0, kPolarityIs, kConditionTouching, 0, kConnectiveThen, kActionMoveObjectRight, kSelf}},
    {{kOpenerArrowPressed, 0, kPolarityIs, kConditionTouching, 0, kConnectiveThen, kActionCameraOnObject, kSelf}},
    {{kOpenerDoOnce, 0, kPolarityIs, kConditionTouching, 0, kConnectiveThen, kActionCameraOnObject, kSelf}},
};

// Space jumps while the player stands on something: its score counts the
// rise down, and it falls while the score is 0; left and right walk, and the
// camera follows.
const MacroSentence kPlatformerPlayer[] = {
    {{kOpenerWhileObject, kSelf, kPolarityIs, kConditionBottomAnyTouch, kSelf, kConnectiveThen, kActionEnableSpaceBar,
      kSelf}},
    {{kOpenerWhileObject, kSelf, kPolarityIsNot, kConditionBottomAnyTouch, kSelf, kConnectiveThen,
      kActionDisableSpaceBar, kSelf}},
    {{kOpenerSpacebarPressed, kSelf, kPolarityIs, kConditionTouching, kSelf, kConnectiveThen, kActionSetSelfScoreTo,
      26}},
    {{kOpenerWhileObject, kSelf, kPolarityIs, kConditionScoreMoreThan, 0, kConnectiveThen, kActionMoveObjectUp, kSelf}},
    {{kOpenerWhileObject, kSelf, kPolarityIs, kConditionScoreEqualTo, 0, kConnectiveThen, kActionMoveObjectDown,
      kSelf}},
    {{kOpenerWhileObject, kSelf, kPolarityIs, kConditionScoreMoreThan, 0, kConnectiveThen, kActionSubFromSelfScoreBy,
      1}},
    {{kOpenerLeftPressed, kSelf, kPolarityIs, kConditionTouching, kSelf, kConnectiveThen, kActionMoveObjectLeft,
      kSelf}},
    {{kOpenerRightPressed, kSelf, kPolarityIs, kConditionTouching, kSelf, kConnectiveThen, kActionMoveObjectRight,
      kSelf}},
    {{kOpenerRepeatedlyDo, kSelf, kPolarityIs, kConditionTouching, kSelf, kConnectiveThen, kActionCameraOnObject,
      kSelf}},
    {{kOpenerArrowPressed, kSelf, kPolarityIs, kConditionTouching, kSelf, kConnectiveThen, kActionCameraOnObject,
      kSelf}},
    {{kOpenerWhileObject, kSelf, kPolarityIs, kConditionTopAnyTouch, kSelf, kConnectiveThen, kActionSetSelfScoreTo,
      0}},
};

// The panel, its close button and the two macros' icons and texts.
constexpr float kPanelX = 420, kPanelY = 230, kPanelHalfW = 350, kPanelHalfH = 220;
constexpr int kCloseX = 730, kCloseY = 410, kCloseHalfSize = 24;
constexpr float kIconX = 110, kIconHalfSize = 16, kTextX = 140;
constexpr float kIntroX = 100, kIntroY = 30, kWarningY = 150;

struct MacroEntry {
  int icon;
  float y;
  const char* text;
};
const MacroEntry kMacroEntries[kMacroCount] = {
    {kImgRpg, 70, "^yRPG Player: ^wTraditional RPG Player Character"},
    {kImgPlatform, 105, "^yPlatformer Player: ^wTraditional 2D Platformer Player Character"},
};

template <std::size_t N>
std::vector<sentence> build(const MacroSentence (&table)[N], int self) {
  std::vector<sentence> out;
  for (const MacroSentence& row : table) {
    sentence s;
    for (int slot = 0; slot < kSentenceSteps; ++slot) {
      s.setSentenceStep(slot, row.steps[slot] == kSelf ? self : row.steps[slot]);
    }
    out.push_back(s);
  }
  return out;
}

bool selectedObject(int& obj) {
  obj = worldEditor.getCurrentObject();
  return worldEditor.getObjectListAmount() == 0 && obj >= 0 && obj < world.worldGetObjectCount(world.getCurrentMap());
}

void closeMacroMenu() { worldEditor.setTemplateSelect(0); }

// What the menu says of the object's logic before it is replaced.
std::string replacementWarning() {
  int obj;
  const int sentences = selectedObject(obj) ? world.mapLocalGetSentenceAmount(obj, world.getCurrentMap()) : 0;
  if (sentences == 0) return "^wThe macro becomes this object's local logic.";
  return "^rThe macro replaces this object's local logic (^y" + std::to_string(sentences) + "^r sentence" +
         (sentences == 1 ? "" : "s") + ").";
}

class MacroMenuScreen : public Screen {
 public:
  bool onPick(const PickEvent& e) override { return macroMenuPick(e); }

  void draw(ScreenLayer layer, bool picking) override {
    if (layer != ScreenLayer::UnderMenu || !macroMenuOpen()) return;
    plan.clear();
    planMacroMenu(plan);
    platform().drawPanel(plan, picking);
  }

  std::vector<PickList> picks() const override { return {pickList(kMacroMenuPicks)}; }

 private:
  PanelPlan plan;
};

}  // namespace

std::vector<sentence> macroSentences(int macro, int self) {
  switch (macro) {
    case kMacroRpgPlayer: return build(kRpgPlayer, self);
    case kMacroPlatformerPlayer: return build(kPlatformerPlayer, self);
    default: return {};
  }
}

void openMacroMenu() {
  int obj;
  if (!selectedObject(obj)) return;
  playSystemSound(kSoundOpen, 0);
  worldEditor.setTemplateSelect(1);
}

bool macroMenuOpen() {
  if (worldEditor.getTemplateSelectState() == 0) return false;
  int obj;
  if (gameSys.getGameState() == kStateWorldEditor && worldEditor.getEditorMode() == kModeObject &&
      selectedObject(obj)) {
    return true;
  }
  closeMacroMenu();
  return false;
}

bool applyMacro(int macro) {
  int obj;
  if (!macroMenuOpen() || !selectedObject(obj) || macro < 0 || macro >= kMacroCount) return false;
  playSystemSound(kSoundOk, 0);
  editReplaceLocalLogic(world.getCurrentMap(), obj, macroSentences(macro, obj));
  closeMacroMenu();
  return true;
}

void planMacroMenu(PanelPlan& out) {
  out.picture(kImgDialogBackground, kPanelX, kPanelY, kPanelHalfW, kPanelHalfH, kPickBlocking);
  button(out, kImgOk, kCloseX, kCloseY, kCloseHalfSize, kPickMacroClose);
  out.text(kIntroX, kIntroY, "Click on an icon below to apply a logic macro to this object.");
  for (int macro = 0; macro < kMacroCount; ++macro) {
    const MacroEntry& entry = kMacroEntries[macro];
    out.picture(entry.icon, kIconX, entry.y, kIconHalfSize, kIconHalfSize, menuPick(kPickMacroApply, macro));
    out.text(kTextX, entry.y, entry.text);
  }
  out.text(kIntroX, kWarningY, replacementWarning());
}

bool macroMenuPick(const PickEvent& e) {
  if (e.code != kPickMacroClose && e.code != kPickMacroApply) return false;
  if (!(e.leftPress() || e.rightPress()) || !macroMenuOpen()) return true;
  if (e.code == kPickMacroApply) {
    applyMacro(e.blue);
  } else {
    playSystemSound(kSoundClose, 0);
    closeMacroMenu();
  }
  return true;
}

Screen& macroMenu() {
  static MacroMenuScreen screen;
  return screen;
}

}  // namespace tf
