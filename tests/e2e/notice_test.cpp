// The notice box in the running program: a game named in the autoload file
// that cannot be opened is reported in the top-left corner of the screen,
// and the notice stays there frame after frame.
#include <gtest/gtest.h>

#include <string>

#include "harness/session.h"

using tfe2e::Pixel;
using tfe2e::Session;

namespace {

TEST(NoticeOnScreen, AGameThatCannotBeOpenedIsReportedInTheCorner) {
  Session s;
  s.writeFile("system/system.cfg",
              tfe2e::windowSettings());
  s.writeFile("system/autoload.cfg", "s autoload nowhere\n");
  // A menu without a background picture, so that the notice stands on a plain screen.
  s.writeFile("system/ui.cfg",
              "f intromenu 0\nf menu0background -1\ns menu0button0 endButtonLoad\ns menu0textbox0 endTextboxLoad\n"
              "s menu0text0 endTextLoad\ns menu1 endMenuLoad");
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  EXPECT_NE(s.log().find("ERROR: Unable to open game: nowhere\n"), std::string::npos);

  // "Unable to open game: nowhere" is 28 glyphs, 252 wide: the box spans x
  // 110 to 381 and y 41 to 108, whatever its picture looks like.
  const auto background = [&] { return s.pixel(600, 400); };
  ASSERT_TRUE(s.waitForPixel(112, 43, [&](const Pixel& p) { return !(p == background()); }));
  const Pixel box = s.pixel(112, 43);
  EXPECT_TRUE(s.pixel(379, 106) == box);
  EXPECT_TRUE(s.pixel(108, 75) == background());
  EXPECT_TRUE(s.pixel(383, 75) == background());
  EXPECT_TRUE(s.pixel(246, 39) == background());
  EXPECT_TRUE(s.pixel(246, 110) == background());

  // Still shown in later frames: a notice has no duration.
  ASSERT_TRUE(s.waitForLaterFrame());
  EXPECT_TRUE(s.pixel(112, 43) == box);
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

}  // namespace
