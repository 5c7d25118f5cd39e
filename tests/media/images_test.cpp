// The image registries without a window: what the loaders put where, the
// animation step and the splash sequence under a controlled clock, and the
// loading screen's request.
#include "media/images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/system.h"
#include "game/world.h"
#include "manual_clock.h"
#include "media/splash.h"
#include "menus/ui.h"
#include "messages.h"
#include "recording_platform.h"
#include "temp_dir.h"

namespace {

using Names = std::vector<std::string>;

const char* const kRefused = "^rERROR: ^wAttempt to set splash texture out of array";

class Images : public ::testing::Test {
 protected:
  void SetUp() override { tf::resetSplashTiming(); }
  void TearDown() override {
    tf::freeImageTables();
    tf::sysImage.assign(tf::kSystemImageCount, tf::img());
    tf::splash = tf::uiSplash();
    tf::resetSplashTiming();
    tf::world = tf::gameWorld();
    tf::gameSys = saved;
  }
  // A splash sequence of `count` pictures from menu image `first`, as the menu loader prepares it.
  void prepareSplash(int count, int first) {
    tf::splash = tf::uiSplash();
    tf::splash.setSplash(count);
    tf::splash.setHideSplash(count == 0);
    tf::splash.setStartingSplash(first);
    tf::splash.setResetSplash(true);
    tf::gameSys.setGameState(tf::kStateSplash);
  }
  tf::System saved = tf::gameSys;
  tftest::ManualClock clock{0};
  tftest::ScopedWorkDir dir;
  tftest::RecordingPlatform platform;
  tftest::MessageLog messages;
};
using Splash = Images;

TEST_F(Images, SystemImagesPreferJpgThenPngAndMissingOnesStayEmpty) {
  for (const char* name : {"uireq/on.jpg", "uireq/on.png", "uireq/font.png"}) dir.write(name, "x");
  tf::loadSysImages();
  EXPECT_EQ(platform.loaded, (Names{"uireq/on.jpg", "uireq/font.png"}));
  EXPECT_EQ(tf::systemTexture(tf::kImgOn) * 10 + tf::systemTexture(tf::kImgFont), 12);
  EXPECT_EQ(tf::sysImage[tf::kImgFont].GetPointer(), tf::kImgFont);
  for (int missing : {int(tf::kImgOff), -1, int(tf::kSystemImageCount)}) EXPECT_EQ(tf::systemTexture(missing), 0);
  EXPECT_EQ(messages.lines(), (Names{"^wReading System Images...", "^wSystem images successfully read and loaded."}));
}

TEST_F(Images, MenuImagesComeFromUiThenTheGameThenTheSplashPictures) {
  for (const char* name : {"ui/b.png", "ui/a.png", "games/maze/ui/logo.png", "games/maze/splash0.jpg",
                           "games/maze/splash1.jpg", "games/maze/splash3.jpg" /* after a gap: not found */}) {
    dir.write(name, "x");
  }
  tf::loadUIImages("maze");
  EXPECT_EQ(platform.loaded, (Names{"ui/10000.png", "ui/10001.png", "games/maze/ui/10000.png",
                                    "games/maze/splash0.jpg", "games/maze/splash1.jpg"}));
  EXPECT_EQ(tf::gameUI.getUIImageCount(), 5);
  ASSERT_EQ(tf::uiImage.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(tf::uiImage[i].GetPointer(), i);
  EXPECT_EQ(tf::splash.getSplashCount() * 10 + tf::splash.getStartingSplash(), 23);
  EXPECT_TRUE(tf::splash.getResetSplash() && !tf::splash.getHideSplash());

  // Reloading frees the textures of the table it replaces; the toolkit's
  // menus take the splash pictures of the working folder.
  dir.write("splash0.jpg", "x");
  platform.loaded.clear();
  tf::loadUIImages("default");
  EXPECT_EQ(platform.freed, (std::vector<unsigned>{1, 2, 3, 4, 5}));
  EXPECT_EQ(platform.loaded, (Names{"ui/10000.png", "ui/10001.png", "splash0.jpg"}));

  // The toolkit's menus opened for editing have no game folder nor splash.
  dir.write("games/mainui/ui/never.png", "x");
  platform.loaded.clear();
  tf::loadUIImages("mainui");
  EXPECT_EQ(platform.loaded, (Names{"ui/10000.png", "ui/10001.png"}));
  EXPECT_TRUE(tf::splash.getHideSplash());
  EXPECT_TRUE(messages.contains("No splash images loaded"));
}

TEST_F(Images, GameImagesReserve200SlotsForTheDefaults) {
  for (const char* name : {"map/grass.png", "map/rock.png", "map/water.png", "games/maze/map/hero.png",
                           "games/maze/map/wall.png"}) {
    dir.write(name, "x");
  }
  tf::world.setGameName("maze");
  EXPECT_TRUE(tf::loadGameImages());
  ASSERT_EQ(tf::gameImg.size(), 202u);
  for (int i = 0; i < 202; ++i) EXPECT_EQ(tf::gameImg[i].GetPointer(), i < 3 || i >= 200 ? i : -1) << i;
  EXPECT_EQ(platform.loaded[3], "games/maze/map/10000.png");
  EXPECT_EQ(tf::world.getGameImageCount(), 202);
  EXPECT_TRUE(messages.contains("Images loaded for^y maze"));
}

TEST_F(Images, EachAnimationStepsAtItsOwnSpeedWithTheClock) {
  tf::gameImg.assign(1, tf::img());
  tf::uiImage.assign(2, tf::img());
  tf::img& runner = tf::gameImg[0];  // frames 0..3, one each 200 ms
  runner.setAnimState(true);
  runner.setFrameCount(3);
  runner.setAnimSpeed(200);
  tf::img& menu = tf::uiImage[0];
  menu.setAnimState(true);
  menu.setFrameCount(9);
  menu.setAnimSpeed(100);
  tf::uiImage[1].setFrameCount(5);  // not animated

  for (int t = 0; t <= 1700; t += 50) {
    clock.set(t);
    tf::updateAnimation();
    // A frame changes once more than the speed has passed: at 250, 500, ...
    EXPECT_EQ(runner.getCurrentFrame(), (t / 250) % 4) << t;
    EXPECT_EQ(menu.getCurrentFrame(), (t / 150) % 10) << t;
    EXPECT_EQ(tf::uiImage[1].getCurrentFrame(), 0) << t;
  }
}

TEST_F(Images, TheLoadingScreenShowsAFullBarForNothingAndNothingWhilePicking) {
  tf::loadRender("Loading maps", 0.5f);
  tf::loadRender("Starting", 0);
  tf::loadRender("Starting", -2);
  tf::gameSys.setColorPick(true);
  tf::loadRender("Hidden", 0.7f);
  EXPECT_EQ(platform.calls, (Names{"loading Loading maps", "loading Starting", "loading Starting"}));
  EXPECT_EQ(platform.loadingPercents, (std::vector<float>{0.5f, 1.0f, 1.0f}));
}

TEST_F(Splash, EachPictureFadesInHoldsAndFadesOutThenTheMenusCome) {
  prepareSplash(2, 5);
  struct Shown {
    int time;
    tf::SplashFrame frame;
    float brightness;  // after the frame
  };
  std::vector<Shown> shown;
  for (int n = 0; tf::gameSys.getGameState() == tf::kStateSplash && n < 3600; ++n) {
    clock.set(5000 + n * 1000 / 60);
    tf::SplashFrame frame = tf::advanceSplash();
    shown.push_back({clock.now(), frame, tf::splash.getSplashAlpha()});
  }
  EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
  std::size_t second = 0;
  while (second < shown.size() && shown[second].frame.image == 5) ++second;
  ASSERT_LT(second, shown.size());
  for (std::size_t k = 0; k < shown.size(); ++k) {
    EXPECT_EQ(shown[k].frame.image, k < second ? 5 : 6);
    // A frame shows the brightness the frame before left, never below 0.
    EXPECT_FLOAT_EQ(shown[k].frame.alpha, k == 0 ? 0 : std::max(shown[k - 1].brightness, 0.0f)) << k;
  }

  for (std::size_t begin : {std::size_t(0), second}) {
    const int start = shown[begin == 0 ? 0 : begin - 1].time;
    const std::size_t end = begin == 0 ? second : shown.size();
    float previous = 0, peak = 0;  // every picture starts from black
    for (std::size_t k = begin; k < end; ++k) {
      const int elapsed = shown[k].time - start;
      const float step = elapsed < 3000 ? 0.028f : elapsed <= 4000 ? 0 : -0.028f;
      EXPECT_NEAR(shown[k].brightness - previous, step, 1e-4) << elapsed;
      peak = std::max(peak, shown[k].brightness);
      previous = shown[k].brightness;
    }
    EXPECT_GT(peak, 1.0f);  // not capped: drawn as full brightness
    EXPECT_GT(shown[end - 1].time - start, 7000);
    EXPECT_LT(shown[end - 1].time - start, 7200);
    EXPECT_LT(shown[end - 1].brightness, 0.01f);
  }
  EXPECT_EQ(tf::gameSys.getStartingSystemTime(), shown.back().time);
}

TEST_F(Splash, AHiddenOrEmptySequenceGoesStraightToTheMenusAndAResetRestartsInTheDark) {
  for (int count : {2, 0}) {
    prepareSplash(count, 3);
    tf::splash.setHideSplash(true);
    tf::gameUI.setCurrentTT(37, 2, 100);
    EXPECT_FALSE(tf::advanceSplash().draw);
    EXPECT_EQ(tf::gameSys.getGameState(), tf::kStateMenus);
    EXPECT_FALSE(tf::splash.getHideSplash());
    int code = 0, index = 0, time = 0;
    tf::gameUI.getCurrentTT(code, index, time);
    EXPECT_TRUE(code == -1 && index == -1) << "every frame clears the tooltip";
  }
  tf::gameSys.setGameState(tf::kStateSplash);
  EXPECT_FALSE(tf::advanceSplash().draw);
  // Only the reset of the empty sequence asked for a picture it does not have.
  const Names said = messages.lines();
  EXPECT_EQ(std::count(said.begin(), said.end(), kRefused), 1);

  prepareSplash(3, 10);
  for (int n = 0; n < 100; ++n) {
    clock.set(n * 16);
    tf::advanceSplash();
  }
  tf::splash.setCurrentSplash(2);
  tf::splash.setResetSplash(true);
  clock.set(20000);
  tf::SplashFrame frame = tf::advanceSplash();
  EXPECT_EQ(frame.image * 10 + frame.alpha, 100);
  EXPECT_NEAR(tf::splash.getSplashAlpha(), 0.028f, 1e-6);
  EXPECT_FALSE(tf::splash.getResetSplash());
  tftest::MessageLog refusals;  // pictures beyond the sequence are refused
  tf::splash.setCurrentSplash(3);
  tf::splash.setCurrentSplash(-1);
  EXPECT_EQ(tf::splash.getCurrentSplash(), 0);
  EXPECT_EQ(refusals.lines(), (Names{kRefused, kRefused}));
}

}  // namespace
