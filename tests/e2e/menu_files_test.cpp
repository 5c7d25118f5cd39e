// The program with damaged menu files of its own: it says what is wrong in
// its log, keeps running, and ends the orderly way when the window is closed.
#include <gtest/gtest.h>

#include <string>

#include "harness/session.h"

using tfe2e::Session;

namespace {

void expectRunningUntilClosed(Session& s) {
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  EXPECT_TRUE(s.waitForLog("The User Interface has been Successfully Built."));
  // Frames of those menus are drawn (the debug panel's figures change).
  EXPECT_TRUE(s.waitForLaterFrame());
  EXPECT_TRUE(s.running());
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
}

TEST(MenuFiles, WithoutTheToolkitsMenuFileTheProgramOffersABuiltInMenu) {
  Session s;
  s.removeFile("system/ui.cfg");
  s.start();
  EXPECT_TRUE(s.waitForLog("ERROR: Error loading/reading file system/ui.cfg"));
  EXPECT_TRUE(s.waitForLog(
      "ERROR: No menu could be read from system/ui.cfg; a built-in menu that offers Quit is shown instead."));
  expectRunningUntilClosed(s);
}

TEST(MenuFiles, AMenuFileWithoutEndWordsIsReadAsFarAsItGoes) {
  Session s;
  std::string text = "f intromenu 0\nf menu0background -1\n";
  for (int b = 0; b < 120; ++b) {
    std::string k = "menu0button" + std::to_string(b);
    text += "f " + k + "x 400\nf " + k + "y 300\nf " + k + "w 10\nf " + k + "h 10\nf " + k + "tex 0\nf " + k +
            "func 27\nf " + k + "func2 0\n";
  }
  s.writeFile("system/ui.cfg", text);
  s.start();
  EXPECT_TRUE(s.waitForLog(
      "ERROR: Exceeded maximum of allowed buttons of menu 0 in system/ui.cfg: only the first 99 were read."));
  EXPECT_TRUE(s.waitForLog("ERROR: The textboxes of menu 0 in system/ui.cfg do not end with endTextboxLoad"));
  EXPECT_TRUE(s.waitForLog("ERROR: The menus of system/ui.cfg do not end with endMenuLoad; the 1 found were read."));
  expectRunningUntilClosed(s);
}

}  // namespace
