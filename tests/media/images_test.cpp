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
};

TEST_F(Images, SystemImagesPreferJpgThenPngAndMissingOnesStayEmpty) {
  dir.write("uireq/on.jpg", "x");
  dir.write("uireq/on.png", "x");
  dir.write("uireq/font.png", "x");
  tftest::MessageLog messages;
  tf::loadSysImages();
  EXPECT_EQ(platform.loaded, (std::vector<std::string>{"uireq/on.jpg", "uireq/font.png"}));
  EXPECT_EQ(tf::sysImage[tf::kImgOn].GetTex(), 1);
  EXPECT_EQ(tf::sysImage[tf::kImgFont].GetTex(), 2);
  EXPECT_EQ(tf::sysImage[tf::kImgFont].GetPointer(), tf::kImgFont);
  EXPECT_EQ(tf::sysImage[tf::kImgOff].GetTex(), 0);
  EXPECT_EQ(tf::systemTexture(tf::kImgFont), 2);
  EXPECT_EQ(tf::systemTexture(-1), 0);
  EXPECT_EQ(tf::systemTexture(tf::kSystemImageCount), 0);
  EXPECT_EQ(messages.lines(), (std::vector<std::string>{"^wReading System Images...",
                                                        "^wSystem images successfully read and loaded."}));
}

TEST_F(Images, MenuImagesComeFromUiThenTheGameThenTheSplashPictures) {
  dir.write("ui/b.png", "x");
  dir.write("ui/a.png", "x");
  dir.write("games/maze/ui/logo.png", "x");
  dir.write("games/maze/splash0.jpg", "x");
  dir.write("games/maze/splash1.jpg", "x");
  dir.write("games/maze/splash3.jpg", "x");  // after a gap: not found
  tf::loadUIImages("maze");
  EXPECT_EQ(platform.loaded,
            (std::vector<std::string>{"ui/10000.png", "ui/10001.png", "games/maze/ui/10000.png",
                                      "games/maze/splash0.jpg", "games/maze/splash1.jpg"}));
  EXPECT_TRUE(dir.exists("ui/10000.png"));
  EXPECT_EQ(tf::gameUI.getUIImageCount(), 5);
  ASSERT_EQ(tf::uiImage.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(tf::uiImage[i].GetPointer(), i);
    EXPECT_EQ(tf::uiImage[i].getFrameCount(), 1);
    EXPECT_EQ(tf::uiImage[i].getAnimSpeed(), 1000);
  }
  EXPECT_EQ(tf::splash.getSplashCount(), 2);
  EXPECT_EQ(tf::splash.getStartingSplash(), 3);
  EXPECT_TRUE(tf::splash.getResetSplash());
  EXPECT_FALSE(tf::splash.getHideSplash());
}

TEST_F(Images, TheToolkitsMenusUseTheSplashPicturesOfTheWorkingFolder) {
  dir.write("splash0.jpg", "x");
  dir.write("games/mainui/ui/never.png", "x");
  tf::loadUIImages("default");
  EXPECT_EQ(platform.loaded, (std::vector<std::string>{"splash0.jpg"}));
  EXPECT_EQ(tf::splash.getSplashCount(), 1);

  platform.loaded.clear();
  tftest::MessageLog messages;
  tf::loadUIImages("mainui");  // the toolkit's menus opened for editing: no game folder, no splash
  EXPECT_TRUE(platform.loaded.empty());
  EXPECT_TRUE(tf::splash.getHideSplash());
  EXPECT_TRUE(messages.contains("No splash images loaded"));
  EXPECT_EQ(tf::gameUI.getUIImageCount(), 0);
}

TEST_F(Images, GameImagesReserve200SlotsForTheDefaults) {
  dir.write("map/grass.png", "x");
  dir.write("map/rock.png", "x");
  dir.write("map/water.png", "x");
  dir.write("games/maze/map/hero.png", "x");
  dir.write("games/maze/map/wall.png", "x");
  tf::world.setGameName("maze");
  tftest::MessageLog messages;
  EXPECT_TRUE(tf::loadGameImages());
  ASSERT_EQ(tf::gameImg.size(), 202u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(tf::gameImg[i].GetPointer(), i);
  for (int i = 3; i < 200; ++i) EXPECT_EQ(tf::gameImg[i].GetPointer(), -1) << i;
  EXPECT_EQ(tf::gameImg[200].GetPointer(), 200);
  EXPECT_EQ(tf::gameImg[201].GetPointer(), 201);
  EXPECT_EQ(platform.loaded[3], "games/maze/map/10000.png");
  EXPECT_EQ(tf::world.getGameImageCount(), 202);
  EXPECT_TRUE(messages.contains("Images loaded for^y maze"));
}

TEST_F(Images, ReloadingFreesTheTexturesOfTheTableItReplaces) {
  dir.write("ui/a.png", "x");
  tf::loadUIImages("default");
  tf::loadUIImages("default");
  EXPECT_EQ(platform.freed, (std::vector<unsigned>{1}));
}

TEST_F(Images, AnimationsStepWithTheClock) {
  tftest::ManualClock clock(0);
  tf::gameImg.assign(2, tf::img());
  tf::img& runner = tf::gameImg[0];
  runner.setAnimState(true);
  runner.setFrameCount(3);
  runner.setAnimSpeed(200);
  tf::img& still = tf::gameImg[1];
  still.setAnimState(true);
  still.setFrameCount(0);
  still.setAnimSpeed(100);
  tf::uiImage.assign(1, tf::img());
  tf::uiImage[0].setFrameCount(5);  // not animated

  std::vector<int> frames;
  for (int t = 0; t <= 1700; t += 50) {
    clock.set(t);
    tf::updateAnimation();
    frames.push_back(runner.getCurrentFrame());
    EXPECT_EQ(still.getCurrentFrame(), 0);
    EXPECT_EQ(tf::uiImage[0].getCurrentFrame(), 0);
  }
  // A frame changes once more than 200 ms have passed: at 250, 500, 750, ...
  std::vector<int> expected;
  for (int t = 0; t <= 1700; t += 50) expected.push_back((t / 250) % 4);
  EXPECT_EQ(frames, expected);
}

TEST_F(Images, EachAnimatedImageStepsAtItsOwnSpeed) {
  tftest::ManualClock clock(1000);
  tf::gameImg.assign(1, tf::img());
  tf::uiImage.assign(1, tf::img());
  for (tf::img* image : {&tf::gameImg[0], &tf::uiImage[0]}) {
    image->setAnimState(true);
    image->setFrameCount(9);
    image->setAnimSpeed(100);
  }
  tf::updateAnimation();
  tf::uiImage[0].setAnimSpeed(1000);
  clock.set(1150);
  tf::updateAnimation();
  EXPECT_EQ(tf::gameImg[0].getCurrentFrame(), 2);
  EXPECT_EQ(tf::uiImage[0].getCurrentFrame(), 1);
}

TEST_F(Images, TheLoadingScreenShowsAFullBarForNothingAndNothingWhilePicking) {
  tf::loadRender("Loading maps", 0.5f);
  tf::loadRender("Starting", 0);
  tf::loadRender("Starting", -2);
  tf::gameSys.setColorPick(true);
  tf::loadRender("Hidden", 0.7f);
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"loading Loading maps", "loading Starting", "loading Starting"}));
  EXPECT_EQ(platform.loadingPercents, (std::vector<float>{0.5f, 1.0f, 1.0f}));
}

}  // namespace
