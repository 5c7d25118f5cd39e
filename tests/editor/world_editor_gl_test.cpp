// The world editor's editing screen drawn in its pick colours on a real
// window, mode by mode: the code read back at the centre of every control
// (the toolbar, the lower panels, the map arrows, the fields, the fold and
// unfold icons, the test button), and the image chooser's page over it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/system.h"
#include "editor/editor.h"
#include "editor/image_chooser.h"
#include "editor/macro_menu.h"
#include "editor/world_editor_layout.h"
#include "game/world.h"
#include "gl_window.h"
#include "input/screens.h"
#include "media/choice.h"
#include "media/images.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

using tftest::At;
using tftest::Rgb;

namespace {

using namespace tf;

constexpr Rgb kEmpty = tftest::kEmptyPick, kBlocking = tftest::kBlockingPick;

Rgb code(int c, int blue = kPickMenuMark) { return {c, kPickMenuMark, blue}; }
Rgb field(int textbox) { return code(kPickSystemTextbox, textbox); }

// Where the buttons after a label of a lower panel lie.
At firstAfter(int x, int y, const char* label, const Rgb& color) {
  const ChoiceButtons b = choiceButtonsAfter(x, y, label);
  return {b.firstX, b.y, color};
}
At secondAfter(int x, int y, const char* label, const Rgb& color) {
  const ChoiceButtons b = choiceButtonsAfter(x, y, label);
  return {b.secondX, b.y, color};
}
// Both buttons after a label, with their codes.
std::vector<At> bothAfter(int x, int y, const char* label, int first, int second) {
  return {firstAfter(x, y, label, code(first)), secondAfter(x, y, label, code(second))};
}
std::vector<At> joined(std::initializer_list<std::vector<At>> lists) {
  std::vector<At> points;
  for (const std::vector<At>& l : lists) points.insert(points.end(), l.begin(), l.end());
  return points;
}

class WorldEditorOnScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    ASSERT_TRUE(useDataSystemImages());
    scene();
  }
  // A game of two maps (10 x 10 and 6 x 6) on the editing screen, on its
  // first map, nothing selected.
  static void scene() {
    gameUI = UI();
    gameUI.allocateMenu(2);
    gameUI.setMenuCount(2);
    gameUI.setEditorMenu(1);
    loadMenu(1);
    world = gameWorld();
    world.allocateMaps(2);
    world.worldSetMap(10, 10, "First", 0);
    world.worldSetMap(6, 6, "Second", 1);
    world.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 0, 0, 0, 0);
    world.setGameLoaded(true);
    world.setGameName("field");
    loadSysTextboxes();
    worldEditor = editor();
    gameSys.setGameState(kStateWorldEditor);
    gameSys.setInputState(kInputNormal);
  }
  void TearDown() override {
    worldEditor = editor();
    world = gameWorld();
    gameImg.clear();
    gameSys.setGameState(kStateMenus);
    GlTest::TearDown();
  }

  // The screen in its pick colours, as a click reads it.
  void pickPass() {
    clearFrame(Rgb{1, 2, 3});
    gameSys.setColorPick(true);
    renderMenus();
    gameSys.setColorPick(false);
  }
  void expectCodes(const std::vector<At>& points) {
    pickPass();
    expectPixels(points);
  }
  // The toolbar's icons from top to bottom and the codes read at their centres.
  static std::vector<At> toolbar(const std::vector<Rgb>& codes) {
    std::vector<At> points;
    int y = kToolbarFirstY;
    for (std::size_t k = 0; k < codes.size(); ++k) {
      points.push_back({kToolbarX, y, codes[k]});
      y += kToolbarStep + (kToolbarIcons[k].gapAfter ? kToolbarGap : 0);
    }
    return points;
  }
  static std::vector<Rgb> alwaysShown() {
    return {code(kPickToolbarQuit),        code(kPickToolbarSave),    code(kPickHelpOpen),
            code(kPickToolbarAnimation),   code(kPickToolbarEditMap), code(kPickToolbarNewMap),
            code(kPickToolbarDeleteMap),   code(kPickToolbarFog),     code(kPickToolbarGlobalLogic),
            code(kPickToolbarAddObject)};
  }
};

TEST_F(WorldEditorOnScreen, EveryControlOfEveryModeReadsAsItsCode) {
  std::vector<Rgb> objectIcons = alwaysShown();
  for (int c : {kPickToolbarCopyObject, kPickToolbarDeleteObject, kPickToolbarLocalLogic}) objectIcons.push_back(code(c));
  std::vector<Rgb> noObjectIcons = alwaysShown();
  for (int k = 0; k < 3; ++k) noObjectIcons.push_back(kEmpty);  // the toolbar's panel ends above them
  const std::vector<At> mapControls = {
      {762, 478, code(kPickPanelToggle)}, {715, 530, code(kPickMapNext)}, {755, 530, kBlocking},  // first map
      {85, 50, code(kPickPlaytest)},      {400, 10, kEmpty},              {790, 300, kEmpty},     // markers show no code
      {400, 470, kBlocking},              {600, 590, kBlocking},          {400, 300, kEmpty},     // the panel, the map
  };
  const struct {
    const char* what;
    int mode;
    std::vector<At> points;
  } modes[] = {
      {"nothing selected", kModeNothing, {}},
      {"a tile",
       kModeTile,
       joined({{firstAfter(13, 515, "Change Tile Image:", code(kPickTileImage))},
               bothAfter(13, 550, "Tile Stretch:", kPickTileStretchOn, kPickTileStretchOff)})},
      {"the new-map panel",
       kModeNewMap,
       {{175, 535, field(0)}, {245, 535, field(1)}, {305, 535, code(kPickNewMapCreate)},
        {160, 570, code(kPickNewMapCopy)}}},
      {"the edit-map panel",
       kModeEditMap,
       {{350, 510, field(4)}, {430, 510, code(kPickEditMapRename)}, {175, 560, field(2)}, {245, 560, field(3)},
        {305, 560, code(kPickEditMapResize)}}},
      {"the fog panel",
       kModeFog,
       joined({{firstAfter(13, 515, "Fog (ON/OFF):", code(kPickFogToggle))},
               bothAfter(13, 550, "Thickness:", kPickFogDenser, kPickFogThinner),
               bothAfter(250, 515, "Red:", kPickFogRedMore, kPickFogRedLess),
               bothAfter(250, 550, "Green:", kPickFogGreenMore, kPickFogGreenLess),
               bothAfter(250, 585, "Blue:", kPickFogBlueMore, kPickFogBlueLess)})},
  };
  for (const auto& m : modes) {
    SCOPED_TRACE(m.what);
    worldEditor.setEditorMode(m.mode);
    expectCodes(joined({toolbar(noObjectIcons), mapControls, m.points}));
  }

  SCOPED_TRACE("objects");
  worldEditor.setEditorMode(kModeObject);
  expectCodes(toolbar(objectIcons));
  worldEditor.setObjectList(0, 0);
  worldEditor.setObjectListAmount(1);  // a multiple selection has no local logic icon
  expectCodes({{kToolbarX, 440, kBlocking}, {kToolbarX, 410, code(kPickToolbarDeleteObject)}});
}

TEST_F(WorldEditorOnScreen, ThePanelsFollowTheModeAndTheMapArrowsTheMap) {
  const struct {
    const char* what;
    std::function<void()> setup;
    std::vector<At> points;
  } cases[] = {
      {"animation editing: a taller panel without the fold icon",
       [] { worldEditor.setEditorMode(kModeAnimation); },
       joined({{{400, 425, kBlocking}, {762, 478, kBlocking}, {400, 510, kBlocking},
                firstAfter(14, 475, "Change Image:", code(kPickAnimImage))},
               bothAfter(13, 510, "Change Frames:", kPickAnimFramesMore, kPickAnimFramesFewer),
               bothAfter(13, 545, "Speed:", kPickAnimFaster, kPickAnimSlower),
               bothAfter(13, 580, "Animation:", kPickAnimOn, kPickAnimOff)})},
      {"the logic editor covers the editing screen, its exit back to the editing screen",
       [] { worldEditor.setEditorMode(kModeGlobalLogic); },
       {{400, 550, kBlocking}, {30, 50, kBlocking}, {85, 50, kBlocking}, {780, 580, code(kPickLogicExit, kModeNothing)}}},
      {"folded: the unfold icon alone",
       [] { worldEditor.setEditorMode(kModeFolded); },
       {{780, 580, code(kPickPanelToggle)}, {762, 562, kBlocking}, {30, 50, kEmpty}, {85, 50, kEmpty}, {400, 550, kEmpty}}},
      {"the last map: no next-map arrow", [] { world.setCurrentMap(1); },
       {{715, 530, kBlocking}, {755, 530, code(kPickMapPrevious)}}},
      {"one map: no arrows", [] { world.allocateMaps(1); }, {{715, 530, kBlocking}, {755, 530, kBlocking}}},
      {"the editor main menu: no editing screen", [] { loadMenu(0); }, {{30, 50, kEmpty}, {400, 550, kEmpty}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    scene();
    c.setup();
    expectCodes(c.points);
  }
}

TEST_F(WorldEditorOnScreen, TheChooserLiesOverThePanelsWithEveryImageInItsOwnColour) {
  gameImg.assign(kFirstOwnGameImage + 30, img());
  for (int i = 0; i < static_cast<int>(gameImg.size()); ++i) gameImg[i].SetPointer(i < 40 || i >= 200 ? i : -1);
  world.setGameImageCount(static_cast<int>(gameImg.size()));
  worldEditor.setEditorMode(kModeTile);
  ChooserOpener opener;
  openImageChooser(opener);
  // 70 images: the first page runs to image 219, the last (row 1) ends with 229.
  expectCodes({{150, 60, {kPickChooserImage, 0, 0}},
               {690, 60, {kPickChooserImage, 0, 9}},
               {150, 300, {kPickChooserImage, 0, 200}},
               {690, 360, {kPickChooserImage, 0, 219}},
               {645, 410, kBlocking},  // no up arrow on the first row
               {680, 410, code(kPickChooserDown)},
               {730, 410, code(kPickChooserClose)},
               {120, 90, kBlocking},   // between the cells
               {30, 110, code(kPickHelpOpen)},  // the toolbar beside the panel
               {400, 550, kBlocking}});         // the lower panel below it
  worldEditor.setImageMenuRow(1);
  expectCodes({{645, 410, code(kPickChooserUp)}, {680, 410, kBlocking}, {690, 360, {kPickChooserImage, 0, 229}}});
}

TEST_F(WorldEditorOnScreen, TheObjectPanelShowsEveryControlOfOneObjectAndTheImageOfAList) {
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setCurrentObject(0);
  const std::vector<At> imageControls = bothAfter(13, 515, "Change Image:", kPickObjectImage, kPickObjectImageQuiet);
  const std::vector<At> ofOne = joined({
      bothAfter(13, 550, "Object Layer:", kPickObjectLayerUp, kPickObjectLayerDown),
      bothAfter(250, 515, "Image Width:", kPickObjectWider, kPickObjectNarrower),
      bothAfter(250, 550, "Image Height:", kPickObjectTaller, kPickObjectShorter),
      bothAfter(487, 515, "Solid Width:", kPickObjectSolidWider, kPickObjectSolidNarrower),
      bothAfter(487, 550, "Solid Height:", kPickObjectSolidTaller, kPickObjectSolidShorter),
      {firstAfter(13, 585, "Macro:", code(kPickMacroOpen)), firstAfter(250, 585, "Solid:", code(kPickObjectSolid)),
       {580, 585, field(5)}, {660, 582, code(kPickObjectRename)}},
  });
  expectCodes(joined({imageControls, ofOne}));

  worldEditor.setObjectList(0, 0);
  worldEditor.setObjectListAmount(1);
  std::vector<At> list = imageControls;
  for (const At& p : ofOne) list.push_back({p.x, p.y, kBlocking});
  expectCodes(list);
}

TEST_F(WorldEditorOnScreen, TheMacroMenuLiesOverTheMapWithItsTwoMacrosAndItsCloseButton) {
  worldEditor.setEditorMode(kModeObject);
  worldEditor.setCurrentObject(0);
  openMacroMenu();
  ASSERT_TRUE(macroMenuOpen());
  expectCodes({{110, 70, code(kPickMacroApply, kMacroRpgPlayer)},
               {110, 105, code(kPickMacroApply, kMacroPlatformerPlayer)},
               {730, 410, code(kPickMacroClose)},
               {400, 300, kBlocking},  // the map below it takes no clicks
               {140, 70, kBlocking},   // the texts are no controls
               {30, 110, code(kPickHelpOpen)},
               {400, 550, kBlocking}});
}

}  // namespace
