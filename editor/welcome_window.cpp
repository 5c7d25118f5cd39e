// The welcome windows' texts and layout, their checkmark, and their dismissal
// by the debug overlay.
#include "editor/welcome_window.h"

#include "core/platform.h"
#include "core/system.h"
#include "editor/editor.h"
#include "editor/panel_controls.h"
#include "media/images.h"
#include "media/sound.h"

namespace tf {
namespace {

using Paragraphs = std::vector<std::vector<std::string>>;

// What the world editor's two windows say after their first paragraph.
const Paragraphs kWorldEditorBasics = {
    {"The first thing you will see past this welcome screen is the game",
     "world editor interface. On the left side you will find a vertical",
     "list of icons. Each of these provide some resource for editing",
     "your game world. Hover over each to see an informative tooltip.",
     "On the bottom of the screen you will see the menu for editing",
     "your current item of interest. This menu will change each",
     "time you select something different within this editor."},
    {"You will also see your current game map in front of you. This",
     "map is made up of square tiles. Each tile has it's own image",
     "that can be changed. The default map size is 10x10",
     "tiles but you are free to change that with the Edit Map",
     "icon on the vertical icon toolbar. ^yHover your mouse^w at",
     "the ^yedges^w of the screen to scroll around the map.",
     "While creating your game, you will create ^yObjects^w. Objects",
     "can represent anything in your game world, such as a rock.",
     "Unlike tiles, objects are resizable with transparent backgrounds.",
     "Objects also exist on different layers, from 1 to 7. An object on",
     "layer 1 will appear below an object on layer 2. Objects may be",
     "given ^ygame logic rules^w. These are the rules of your game.",
     "Access the game logic menu on the vertical toolbar to the left."},
    {"Remember, you can press '^yh^w' at any time to access further help."},
};

Paragraphs worldEditorWindow(const std::string& title, const std::vector<std::string>& first) {
  Paragraphs paragraphs = {{title}, first};
  paragraphs.insert(paragraphs.end(), kWorldEditorBasics.begin(), kWorldEditorBasics.end());
  return paragraphs;
}

const Paragraphs kNewGame = worldEditorWindow(
    "^3^yWelcome to the Game World Editor!",
    {"You have just successfully created your game. So let's go over some",
     "basics. If you just want to skip ahead and begin editing, just press",
     "the checkmark icon in the lower right hand corner of this menu."});

const Paragraphs kWorldEditor = worldEditorWindow(
    "^3^yWelcome back to the Game World Editor!",
    {"The game has been successfully loaded. Let's go over the basics",
     "again. If you just want to skip ahead and begin editing, just press",
     "the checkmark icon in the lower right hand corner of this menu."});

const Paragraphs kMenuEditor = {
    {"^3^yWelcome to the Menu System Editor!"},
    {"Creating your menu system is not required when you make",
     "your game, but it can help give it a very distinct feel.",
     "If you would like to use the pre-made menu system",
     "that Tessera Forge supplies, simply leave this menu editor",
     "and just work on your game world. It will be supplied",
     "automatically to you when your game is loaded."},
    {"If you would like to continue, Let's go over some basics",
     "together, but if you would like to skip ahead, just",
     "click the checkmark in the lower righthand corner."},
    {"The menu system is made up of a few distinct things. A menu",
     "consists of a background image, buttons and lines of",
     "text. Tessera Forge supplies all the buttons that",
     "your menu will need, but you are free to change their sizes",
     "and change the images that buttons have. Add your own images",
     "by placing them in your game's /ui/ directory. You are free",
     "to add or delete as many lines of text as you would like."},
    {"Left click on a menu object to select it. You will be able",
     "to edit its attributes in the lower menu. When you left click",
     "on a line of text you will be able to type on your keyboard",
     "and change the text. ^yLeft Click^w on the Add Textline button",
     "to add more textlines, and ^yLeft-Click^w on the delete textline button",
     "to remove a textline. Use the icons in the lower right hand corner",
     "to add animation, save your entire project or stop editing."},
    {"Remember, Press '^yh^w' at any time to access the help system."},
};

// The toolkit's own welcome names its main menu's buttons as they are
// labelled: Play, then Browse... for the list of games, and Edit Game.
const Paragraphs kToolkit = {
    {"Welcome to ^yTessera Forge^w! We recommend you begin by",
     "going through a quick overview. Tessera Forge is a game",
     "development toolkit designed for everyone. It allows",
     "you to make and play games that require absolutely",
     "no written programming. Instead, games are constructed",
     "by building and manipulatng the game world directly."},
    {"When you dismiss this menu, you will be at the Main Menu.",
     "From there, you will be able to play or create a game.",
     "It is recommended that you begin by playing the demo games",
     "that are included with this release. To play, click on",
     "the ^yPlay^w button on the main menu, and click ^yBrowse...^w",
     "to show the available games. After you finish you may create",
     "your own game, or look at how the demos were built from the ^yEdit",
     "^yGame^w menu. This menu is accessible from the main menu as well."},
    {"Take some time to play around in the game editor for a bit to get",
     "a feel for how games are built. Most on-screen operations are",
     "accomplished by using the mouse. If you require additional",
     "help while using Tessera Forge, press the ^yh^w key to use the",
     "interactive help. This is available everywhere except during gameplay."},
    {"Click the ^gGreen Checkmark^w to begin using Tessera Forge!"},
};

void dismissWelcome() { worldEditor.setWelcome(0, 0); }

class WelcomeScreen : public Screen {
 public:
  // The checkmark closes the window on a left press.
  bool onPick(const PickEvent& e) override {
    if (e.code != kPickWelcomeClose) return false;
    if (e.leftPress()) {
      playSystemSound(kSoundSelect, 0);
      dismissWelcome();
    }
    return true;
  }

  void draw(ScreenLayer layer, bool picking) override {
    if (layer != ScreenLayer::Panels || !welcomeShown()) return;
    int timer = 0, menu = 0;
    worldEditor.getWelcome(timer, menu);
    PanelPlan plan;
    planWelcome(menu, plan);
    platform().drawPanel(plan, picking);
  }

  std::vector<PickList> picks() const override { return {pickList(kWelcomePicks)}; }
};

}  // namespace

std::vector<std::vector<std::string>> welcomeParagraphs(int menu) {
  switch (menu) {
    case kWelcomeNewGame: return kNewGame;
    case kWelcomeWorldEditor: return kWorldEditor;
    case kWelcomeMenuEditor: return kMenuEditor;
    case kWelcomeToolkit: return kToolkit;
    default: return {};
  }
}

bool welcomeShown() {
  int timer = 0, menu = 0;
  worldEditor.getWelcome(timer, menu);
  if (timer > 0 && gameSys.getDebugState()) dismissWelcome();
  return timer > 0 && !gameSys.getDebugState();
}

void planWelcome(int menu, PanelPlan& out) {
  const auto place = [&out](const WholeRect& r, int image) {
    out.picture(image, static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.w),
                static_cast<float>(r.h), kPickBlocking);
  };
  place(kWholeScreen, kImgBlur);
  place(kWelcomeWindowRect, kImgDialogBackground);
  if (menu == kWelcomeToolkit) place(kWelcomeLogo, kImgLogo);
  button(out, kImgOk, kWelcomeClose.x, kWelcomeClose.y, kWelcomeClose.w, kPickWelcomeClose);
  // The toolkit's window has its logo where the others have their title.
  float y = menu == kWelcomeToolkit ? kWelcomeTextY + kWelcomeParagraphStep : kWelcomeTextY;
  for (const std::vector<std::string>& paragraph : welcomeParagraphs(menu)) {
    for (const std::string& line : paragraph) {
      out.text(kWelcomeTextX, y, line);
      y += kWelcomeLineStep;
    }
    y += kWelcomeParagraphStep - kWelcomeLineStep;
  }
}

Screen& welcomeWindow() {
  static WelcomeScreen screen;
  return screen;
}

}  // namespace tf
