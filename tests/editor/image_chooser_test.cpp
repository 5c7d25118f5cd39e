// The image chooser: its pages over the images that exist (the game's own,
// numbered from 200, reachable however many defaults there are), the image it
// marks, its codes read from made-up pick pixels on a press, a release and a
// hover, the choice handed to its opener, the double choice on the controlled
// clock, its sounds, and its closing when the opener's mode is left.
#include "editor/image_chooser.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/run_state.h"
#include "editor/editor.h"
#include "input_fixture.h"
#include "media/images.h"

namespace {

using namespace tf;

constexpr int kDefaults = 32;

class ImageChooser : public tftest::InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    onEditingScreen();
    worldEditor.setEditorMode(kModeTile);
    gameImages(kDefaults, 40);
  }

  // `defaults` of the toolkit's images from 0, empty slots up to 200, then
  // `own` images of the game.
  static void gameImages(int defaults, int own) {
    gameImg.assign(kFirstOwnGameImage + own, img());
    for (int i = 0; i < static_cast<int>(gameImg.size()); ++i) {
      gameImg[i].SetPointer(i < defaults || i >= kFirstOwnGameImage ? i : -1);
    }
    if (own == 0) gameImg.resize(defaults);
    world.setGameImageCount(static_cast<int>(gameImg.size()));
  }

  // Opens the chooser; choices are kept in `chosen`, image 7 is marked.
  void open(bool closeOnChoice = false) {
    ChooserOpener opener;
    opener.registry = kGameImages;
    opener.marked = [] { return 7; };
    opener.choose = [this](int image) { chosen.push_back(image); };
    opener.closeOnChoice = closeOnChoice;
    openImageChooser(opener);
  }

  static bool chooseImage(int image, PickAt event = PickAt::LeftPress) {
    return pickPixel(kPickChooserImage, image / 256, image % 256, event);
  }
  static bool code(int c, PickAt event = PickAt::LeftPress) { return pickCode(c, event); }

  static std::string page(int row) {
    const ChooserPage p = chooserPage(kGameImages, row);
    std::string text = std::to_string(p.row) + (p.up ? " up" : "") + (p.down ? " down" : "") + ":";
    if (!p.images.empty()) text += " " + std::to_string(p.images.front()) + ".." + std::to_string(p.images.back());
    return text + " (" + std::to_string(p.images.size()) + ")";
  }

  std::vector<int> chosen;
};

TEST_F(ImageChooser, PagesRunOverTheImagesThatExistWhateverTheirNumbers) {
  const struct {
    int defaults, own, row;
    const char* page;
  } cases[] = {
      {32, 40, 0, "0 down: 0..227 (60)"},    // the game's own follow the defaults at once
      {32, 40, 1, "1 up down: 10..237 (60)"},
      {32, 40, 2, "2 up: 20..239 (52)"},     // the last row that a page can start
      {32, 40, 9, "2 up: 20..239 (52)"},     // a row beyond is the last one
      {25, 0, 0, "0: 0..24 (25)"},           // three rows: no arrows at all
      {25, 0, -4, "0: 0..24 (25)"},
      {0, 3, 0, "0: 200..202 (3)"},
      {0, 0, 0, "0: (0)"},
      {199, 150, 22, "22 up down: 221..280 (60)"},  // far past the old listing's limit
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.defaults) + " defaults, " + std::to_string(c.own) + " own, row " +
                 std::to_string(c.row));
    gameImages(c.defaults, c.own);
    EXPECT_EQ(page(c.row), c.page);
  }
}

TEST_F(ImageChooser, ItsPanelMarksTheEditedImageOnItsPage) {
  gameImages(kDefaults, 120);
  open();  // image 7 is marked
  const auto markedAt = [] {
    PanelPlan plan;
    planImageChooser(plan);
    for (const PanelItem& item : plan.items()) {
      if (item.image == kImgBlur && item.source == PictureSource::System) return static_cast<int>(item.x);
    }
    return -1;
  };
  worldEditor.setImageMenuRow(8);  // the page of images 248 to 307
  EXPECT_EQ(markedAt(), -1);
  worldEditor.setImageMenuRow(0);
  EXPECT_EQ(markedAt(), 570);  // behind image 7
}

TEST_F(ImageChooser, CodesActOnAPressAndAreTakenWhateverTheEvent) {
  open();
  const struct {
    const char* what;
    std::function<bool()> event;
    std::string after;  // row, timer, choices, sounds
  } steps[] = {
      {"hover over the down arrow", [] { return code(kPickChooserDown, PickAt::Hover); }, "0 1 - "},
      {"release on it", [] { return code(kPickChooserDown, PickAt::LeftRelease); }, "0 1 - "},
      {"press it", [] { return code(kPickChooserDown); }, "1 1 - select"},
      {"right press it", [] { return code(kPickChooserDown, PickAt::RightPress); }, "2 1 - select"},
      {"press it on the last row", [] { return code(kPickChooserDown); }, "2 1 - "},
      {"press up", [] { return code(kPickChooserUp); }, "1 1 - select"},
      {"release on image 205", [] { return chooseImage(205, PickAt::LeftRelease); }, "1 1 - "},
      {"choose image 205", [] { return chooseImage(205); }, "1 1 205 select"},
      {"a slot without a picture", [] { return chooseImage(150); }, "1 1 205 "},
      {"close", [] { return code(kPickChooserClose); }, "1 0 205 close"},
      {"codes of a closed chooser are taken and do nothing", [] { return code(kPickChooserDown); }, "1 0 205 "},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    audio.played.clear();
    EXPECT_TRUE(step.event());
    std::string choices;
    for (int image : chosen) choices += std::to_string(image);
    std::string sounds = timesPlayed("select") ? "select" : timesPlayed("close") ? "close" : "";
    EXPECT_EQ(std::to_string(worldEditor.getImageMenuRow()) + " " + std::to_string(worldEditor.getImageMenuTimer()) +
                  " " + (choices.empty() ? "-" : choices) + " " + sounds,
              step.after);
  }
}

TEST_F(ImageChooser, TheSameImageChosenAgainWithinHalfASecondClosesIt) {
  const struct {
    int first, second, after;
    int timer;  // 1 open, -1 closed by the double choice
  } cases[] = {
      {3, 3, 0, -1}, {3, 3, 499, -1}, {3, 3, 500, 1}, {3, 4, 10, 1}, {200, 200, 250, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + " then " + std::to_string(c.second) + " after " + std::to_string(c.after));
    resetRunState();
    open();
    clock.set(kStartMs);
    chooseImage(c.first);
    EXPECT_EQ(worldEditor.getImageMenuTimer(), 1);
    clock.advance(c.after);
    chooseImage(c.second);
    EXPECT_EQ(worldEditor.getImageMenuTimer(), c.timer);
  }
  // A chooser that closes on a choice (the logic editor's operand).
  chosen.clear();
  open(true);
  clock.advance(5000);
  chooseImage(9);
  EXPECT_EQ(worldEditor.getImageMenuTimer(), -1);
  EXPECT_EQ(chosen, std::vector<int>{9});
}

TEST_F(ImageChooser, ItClosesOnceItsOpenersModeOrMenuIsLeft) {
  const struct {
    const char* what;
    std::function<void()> leave;
    bool open;
  } cases[] = {
      {"still in tile mode", [] {}, true},
      {"the fog panel", [] { worldEditor.setEditorMode(kModeFog); }, false},
      {"the editor main menu", [] { loadMenu(0); }, false},
      {"play-testing", [] { gameSys.setGameState(kStatePlaytest); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    worldEditor.setEditorMode(kModeTile);
    loadMenu(1);
    gameSys.setGameState(kStateWorldEditor);
    open();
    c.leave();
    EXPECT_EQ(imageChooserOpen(), c.open);
    EXPECT_EQ(worldEditor.getImageMenuTimer() > 0, c.open);
  }
}

}  // namespace
