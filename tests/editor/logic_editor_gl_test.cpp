// The logic editor and its phrase windows on a real window, read back in
// their pick colours: the open word list under the pointer over a blocking
// veil, and the phrase windows' controls; and the picture of the editor with
// an open word list that the README shows.
#include <gtest/gtest.h>

#include <string>

#include "core/screen.h"
#include "core/system.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/logic_editor.h"
#include "editor/phrase_windows.h"
#include "game/step_ids.h"
#include "game/world.h"
#include "gl_window.h"
#include "media/images.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

using tftest::Rgb;

namespace {

using namespace tf;

using tftest::kBlockingPick;

Rgb code(int r, int g, int b) { return {r, g, b}; }

class LogicEditorOnScreen : public tftest::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    world = gameWorld();
    worldEditor = editor();
    world.allocateMaps(1);
    world.worldSetMap(10, 10, "Field", 0);
    world.setGameLoaded(true);
    for (int i = 0; i < 2; ++i) world.worldSetObject(0.3f * i, 0.3f, 0.1f, 0.1f, 0, 0, i, 0);
    gameSys.setGameState(kStateWorldEditor);
    worldEditor.setEditorMode(kModeLocalLogic);
    worldEditor.setCurrentObject(1);
    loadSysTextboxes();
  }
  void TearDown() override {
    editHistoryLog.clear();
    gameImg.clear();
    world = gameWorld();
    worldEditor = editor();
    GlTest::TearDown();
  }
  static void addSentences(int count) {
    for (int i = 0; i < count; ++i) editAddSentence(editedLogicList(), 1);
  }
  // The editor and the phrase windows over it, in pick colours or drawn.
  void draw(bool picking) {
    clearFrame();
    gameSys.setColorPick(picking);
    logicEditorScreen().draw(ScreenLayer::UnderMenu, picking);
    phraseWindows().draw(ScreenLayer::Panels, picking);
    gameSys.setColorPick(false);
  }
  // Opens the list of slot `slot` of sentence `s` with the pointer at (x, y).
  static void openList(int s, int slot, int x, int y) {
    gameSys.setOrthoPos(x, y);
    gameSys.setMousePos(x, y);
    PickEvent press;
    press.code = kPickLogicWord;
    press.green = s;
    press.blue = slot;
    press.left = kMousePress;
    ASSERT_TRUE(gameLogicColorPick(press));
  }
};

TEST_F(LogicEditorOnScreen, TheOpenWordListLiesUnderThePointerOverABlockingVeil) {
  useTestSystemImages();
  addSentences(3);
  const struct {
    int pointerX, listLeft;
  } places[] = {{300, 280}, {700, 560}};  // no further right than 580
  for (const auto& p : places) {
    SCOPED_TRACE(p.pointerX);
    worldEditor.setGLTimer(0, 0, 0);
    openList(2, kSlotAction, p.pointerX, 140);
    draw(true);
    for (int y : {10, 140, 400, 540}) {
      EXPECT_EQ(pixel(p.listLeft + 2, y), code(kPickLogicWord, 2, kSlotAction)) << y;
      EXPECT_EQ(pixel(p.listLeft + 238, y), code(kPickLogicWord, 2, kSlotAction)) << y;
    }
    EXPECT_EQ(pixel(p.listLeft - 3, 300), kBlockingPick) << "the veil beside it";
    EXPECT_EQ(pixel(30, 80), kBlockingPick) << "the rows' icons lie under the veil";
    EXPECT_EQ(pixel(p.listLeft + 100, 580), kBlockingPick) << "the information window";
  }
}

TEST_F(LogicEditorOnScreen, ThePhraseWindowsControlsPickOverTheEditor) {
  useTestSystemImages();
  addSentences(1);
  const struct {
    const char* what;
    bool selector;
    Rgb close, back, forward;
  } windows[] = {
      {"editor", false, code(kPickPhraseEditor, kPickMenuMark, kPhraseIconClose),
       code(kPickPhrasePrevious, kPickMenuMark, kPickMenuMark), code(kPickPhraseNext, kPickMenuMark, kPickMenuMark)},
      {"selector", true, code(kPickPhraseSelectorClose, kPickMenuMark, kPhraseIconClose),
       code(kPickPhraseChoicePrevious, kPickMenuMark, kPickMenuMark),
       code(kPickPhraseChoiceNext, kPickMenuMark, kPickMenuMark)},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.what);
    worldEditor.setPhraseMenu(w.selector ? -1 : 3);
    worldEditor.setPhraseSelector(w.selector ? 1 : -1);
    draw(true);
    EXPECT_EQ(pixel(668, 464), w.close);
    EXPECT_EQ(pixel(150, 380), w.back);
    EXPECT_EQ(pixel(180, 380), w.forward);
    EXPECT_EQ(pixel(660, 380), code(kPickPhraseStore, kPickMenuMark, kPickMenuMark));
    EXPECT_EQ(pixel(400, 330), code(kPickSystemTextbox, kPickMenuMark, kPhraseTextbox));
    EXPECT_EQ(pixel(400, 150), kBlockingPick);
    EXPECT_EQ(pixel(45, 575), kBlockingPick) << "the editor's phrase icon lies under the window";
  }
}

TEST_F(LogicEditorOnScreen, TheEditorWithAnOpenWordListForTheReadme) {
  ASSERT_TRUE(useDataSystemImages());
  gameImg.resize(2);
  gameImg[0].SetTex(loadPicture(std::string(TF_SOURCE_DIR) + "/data/map/10001.png"));
  gameImg[1].SetTex(loadPicture(std::string(TF_SOURCE_DIR) + "/data/map/10002.png"));
  world.worldSetObject(0.3f, 0.3f, 0.1f, 0.1f, 1, 0, 0, 0);
  world.setGameSoundCount(5);
  addSentences(3);
  const logicList list = editedLogicList();
  editSetSentenceSlots(list, 0, {{kSlotOpener, kOpenerRightPressed}, {kSlotAction, kActionMoveObjectRight},
                                 {kSlotActionOperand, 1}});
  editSetSentenceSlots(list, 1, {{kSlotCondition, kConditionTouching}, {kSlotConditionOperand, 0},
                                 {kSlotAction, kActionPlaySound}, {kSlotActionOperand, 4}});
  editSetSentenceSlots(list, 2, {{kSlotOpener, kOpenerEverySeconds}, {kSlotOpenerOperand, 2},
                                 {kSlotAction, kActionAddToSelfScoreBy}, {kSlotActionOperand, 1}});
  openList(2, kSlotAction, 330, 140);
  draw(false);
  EXPECT_NE(pixel(400, 580), pixel(400, 300)) << "the information window stands out";
  keepScreenshot("logic-editor.png", 20000);  // the README's docs/logic-editor.png
}

}  // namespace
