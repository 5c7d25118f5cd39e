// The tips of both editors, the bar's layout and its arrows.
#include "editor/tips_bar.h"

#include <iterator>

#include "core/numbers.h"
#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/menu_editor.h"
#include "editor/panel_controls.h"
#include "media/images.h"
#include "media/sound.h"
#include "media/text.h"

namespace tf {
namespace {

const char* const kWorldEditorTips[] = {
    "Welcome to the Game World Editor. Press the ^yarrows^w to cycle through tips.",
    "^yLeft click^w to select tiles. Use ^yShift^w+^yArrow^w keys to select multiple tiles.",
    "^yLeft Click^w to select an object. ^yRight click^w to select multiple objects.",
    "^yClick and Drag^w your mouse when selecting objects to move them.",
    "Maps are ^yresizable^w. Click on the ^yEdit Map icon^w on the left toolbar.",
    "Create new maps by selecting the ^yCreate Map icon^w on the left toolbar.",
    "Give your map fog effects by clicking the ^yFog icon^w on the left toolbar.",
    "Maps contain ^yGlobal Logic^w. Objects contain their individual ^yLocal Logic^w.",
    "Add your own images by placing them into your game's ^y/ui/^w and ^y/map/^w folders.",
    "Add your own sounds by placing .wav files into your game's ^y/sound/^w folder.",
    "Game logic sentences are executed in top-to-down linear order.",
    "Use your ^yarrow keys^w to move objects.",
    "Use the ^yStretch Tile^w option while selecting a tile to make it a map.",
    "Your game folder is in the ^ygames^w directory of the Tessera Forge folder.",
    "Use ^yPhrases^w from the game logic menu to display text ingame.",
    "TF supplies a few ^yobject logic macros^w for beginners.",
    "Use ^yF10^w to highlight all objects. Good for seeing invisible ones.",
    "Press ^y1^w-^y7^w to toggle layers in the editor. States shown below map name.",
    "Press ^yF9^w to toggle the on-screen map grid.",
};

const char* const kMenuEditorTips[] = {
    "Welcome to the Menu System Editor. Press the arrows to cycle through tips.",
    "Left click on menu objects to select them. Press ^yENTER^w to reset selection.",
    "Your menu system consists of two types of objects: buttons and textlines.",
    "Change menu backgrounds by pressing ^yENTER^w and using the lower controls.",
    "When a menu object is selected, drag your mouse/use the arrow keys to move.",
    "You may change the image, size and position of buttons.",
    "You may add or delete as many textlines as you desire.",
    "To use text effects, add a caret (Shift+6) and a letter or number.",
    "Typing a caret (Shift+6) and a number from 1-4 will change text size.",
    "Typing a caret (Shift+6) and a letter (r,w,y,g,etc...) will change color.",
    "Add your own images by placing them in the ^yyour game/ui^w folder.",
    "Use the animation button in the lower-right corner to use animations.",
    "Animations may have up to 10 frames, and may cycle from 100msec to 1 second.",
    "Make sure to save your project option using the disk button.",
    "All of your game data is stored in your game folder in the TF directory.",
    "When redistributing your game, you can just compress your game folder.",
    "Tessera Forge supports most major image formats.",
    "Quickly change button sizes by right clicking on the change controls.",
};

const char* const kWorldEditorNoTip = "No tip";
const char* const kMenuEditorNoTip = "No tip.";

// The bar reaches this far beyond the line at either end, so that the whole
// line lies on it and a click on the text reaches nothing behind it.
constexpr int kTipBarMargin = 5;

template <std::size_t N>
std::string tipOf(const char* const (&tips)[N], int tip, const char* none) {
  return tip >= 0 && tip < static_cast<int>(N) ? tips[tip] : none;
}

class TipsBar : public Screen {
 public:
  // The arrows step on a left press; every pass over them is theirs.
  bool onPick(const PickEvent& e) override {
    if (e.code != kPickTipNext && e.code != kPickTipPrevious) return false;
    if (e.leftPress()) {
      playSystemSound(kSoundSelect, 0);
      worldEditor.setCurrentTip(worldEditor.getCurrentTip() + (e.code == kPickTipNext ? 1 : -1));
    }
    return true;
  }

  void draw(ScreenLayer layer, bool picking) override {
    if (layer != ScreenLayer::Panels || !tipsBarShown()) return;
    PanelPlan plan;
    planTipsBar(gameSys.getGameState(), worldEditor.getCurrentTip(), plan);
    platform().drawPanel(plan, picking);
  }

  std::vector<PickList> picks() const override { return {pickList(kTipsPicks)}; }
};

}  // namespace

std::string tipText(int gameState, int tip) {
  if (gameState == kStateWorldEditor) return tipOf(kWorldEditorTips, tip, kWorldEditorNoTip);
  return tipOf(kMenuEditorTips, tip, kMenuEditorNoTip);
}

std::string tipLine(int gameState, int tip) {
  return "^y(" + std::to_string(tip) + "/" + std::to_string(kLastTip) + ")^w " + tipText(gameState, tip);
}

bool tipsBarShown() {
  const int mode = worldEditor.getEditorMode();
  switch (gameSys.getGameState()) {
    case kStateWorldEditor: return mode != kModeFolded;
    case kStateMenuEditor: return mode != kMenuModeFolded && !menuItemDragged();
    default: return false;
  }
}

void planTipsBar(int gameState, int tip, PanelPlan& out) {
  const std::string line = tipLine(gameState, tip);
  const float width = static_cast<float>(truncToInt(getDisplayTextSize(line)));
  out.picture(kImgGameEditorBackground, kTipLineX + width / 2, kTipBarY, width / 2 + kTipBarMargin,
              kTipBarHalfHeight, kPickBlocking);
  out.text(kTipLineX, kTipLineY, line);
  const WholeRect& previous = kTipPreviousArrow;
  const WholeRect& next = kTipNextArrow;
  button(out, kImgArrowLeft, previous.x, previous.y, previous.w, kPickTipPrevious);
  button(out, kImgArrowRight, next.x, next.y, next.w, kPickTipNext);
}

Screen& tipsBar() {
  static TipsBar screen;
  return screen;
}

}  // namespace tf
