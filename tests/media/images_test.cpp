// The image registries without a window: what the loaders put where, the
// splash pictures they find, the animation step under a controlled clock, and
// the loading screen's request.
#include "media/images.h"

#include <gtest/gtest.h>

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

class Images : public ::testing::Test {
 protected:
  void TearDown() override {
    tf::freeImageTables();
    tf::sysImage.assign(tf::kSystemImageCount, tf::img());
    tf::splash = tf::uiSplash();
    tf::world = tf::gameWorld();
    tf::gameSys.setColorPick(false);
  }
  tftest::ScopedWorkDir dir;
  tftest::RecordingPlatform platform;
  tftest::MessageLog messages;
};

TEST_F(Images, SystemImagesPreferJpgThenPngAndMissingOnesStayEmpty) {
  for (const char* name : {"uireq/on.jpg", "uireq/on.png", "uireq/font.png"}) dir.write(name, "x");
  tf::loadSysImages();
  EXPECT_EQ(platform.loaded, (Names{"uireq/on.jpg", "uireq/font.png"}));
  EXPECT_EQ(tf::systemTexture(tf::kImgOn), 1);
  EXPECT_EQ(tf::systemTexture(tf::kImgFont), 2);
  EXPECT_EQ(tf::sysImage[tf::kImgFont].GetPointer(), tf::kImgFont);
  EXPECT_EQ(tf::systemTexture(tf::kImgOff), 0);
  EXPECT_EQ(tf::systemTexture(-1), 0);
  EXPECT_EQ(tf::systemTexture(tf::kSystemImageCount), 0);
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
  EXPECT_EQ(tf::splash.getSplashCount(), 2);
  EXPECT_EQ(tf::splash.getStartingSplash(), 3);
  EXPECT_TRUE(tf::splash.getResetSplash());
  EXPECT_FALSE(tf::splash.getHideSplash());

  // Reloading frees the textures of the table it replaces; the toolkit's
  // menus take the splash pictures of the working folder.
  dir.write("splash0.jpg", "x");
  platform.loaded.clear();
  tf::loadUIImages("default");
  EXPECT_EQ(platform.freed, (std::vector<unsigned>{1, 2, 3, 4, 5}));
  EXPECT_EQ(platform.loaded, (Names{"ui/10000.png", "ui/10001.png", "splash0.jpg"}));
}

TEST_F(Images, TheToolkitsMenusOpenedForEditingHaveNoGameFolderNorSplash) {
  dir.write("games/mainui/ui/never.png", "x");
  tf::loadUIImages("mainui");
  EXPECT_TRUE(platform.loaded.empty());
  EXPECT_TRUE(tf::splash.getHideSplash());
  EXPECT_TRUE(messages.contains("No splash images loaded"));
  EXPECT_EQ(tf::gameUI.getUIImageCount(), 0);
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
  tftest::ManualClock clock(0);
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

}  // namespace
