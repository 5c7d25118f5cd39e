// The program as a person starts and closes it: with no settings, with valid
// ones, with damaged ones, with no sound device, and with a settings folder
// that cannot be written at the end.
#include <gtest/gtest.h>

#include <string>

#include "harness/session.h"

using tfe2e::Session;

namespace {

// The last line start-up reports before the event loop begins.
std::string settingsFile(int width, int height, const std::string& extra = "", bool fullScreen = false) {
  return std::string("f windowfscreen ") + (fullScreen ? "1" : "0") + "\nf windowx 0\nf windowy 0\nf windowwidth " + std::to_string(width) +
         "\nf windowheight " + std::to_string(height) +
         "\ns progName Forge Test\nf fps 60\nf debugMode 0\ns lastGameEdited maze\nf sound 1\n"
         "f soundVolume 0.5\nf firstTime 1\n" + extra;
}

// Closes the window and expects an orderly end: exit code 0, the log's
// closing line and the settings saved.
void closeAndExpectOrderlyEnd(Session& s) {
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 0);
  std::string log = s.log();
  EXPECT_GE(log.size(), 18u);
  EXPECT_EQ(log.substr(log.size() - 18), "Closing log file \n");
  EXPECT_TRUE(s.exists("system/system.cfg"));
}

TEST(Startup, WithoutSettingsUsesTheDefaultsAndSaysSo) {
  Session s;
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  int width = 0, height = 0;
  ASSERT_TRUE(s.windowSize(width, height));
  EXPECT_EQ(width, 800);
  EXPECT_EQ(height, 600);

  for (const char* expected :
       {"ERROR: Error loading/reading file system/system.cfg",
        "INVALID WINDOW PARAMETERS ENTERED! Defaulting to 0x0x800x600",
        "ERROR: Invalid FPS Value entered, resetting to 30 fps", "Tessera Forge Engine Initializing..."}) {
    EXPECT_NE(s.log().find(std::string(expected) + "\n"), std::string::npos) << expected;
    EXPECT_NE(s.standardOutput().find(std::string(expected) + "\n"), std::string::npos) << expected;
  }
  EXPECT_EQ(s.log().find('^'), std::string::npos);  // no colour codes in the log

  closeAndExpectOrderlyEnd(s);
  std::string saved = s.readFile("system/system.cfg");
  EXPECT_NE(saved.find("f windowwidth 800\n"), std::string::npos);
  EXPECT_NE(saved.find("f windowheight 600\n"), std::string::npos);
  EXPECT_NE(saved.find("s progName NULL\n"), std::string::npos);
  EXPECT_NE(saved.find("f fps -1\n"), std::string::npos);      // the missing cap stays missing
  EXPECT_NE(saved.find("f debugMode 1\n"), std::string::npos);  // a missing key means debug mode
  EXPECT_NE(saved.find("f soundVolume 0\n"), std::string::npos);
  EXPECT_EQ(saved.substr(saved.size() - 15), "f firstTime 1\n\n");
  EXPECT_NE(s.standardOutput().find("Successfully saved system settings.\n"), std::string::npos);
}

TEST(Startup, WithValidSettingsOpensTheWindowTheyDescribe) {
  Session s;
  s.writeFile("system/system.cfg", settingsFile(1000, 700));
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  int width = 0, height = 0;
  ASSERT_TRUE(s.windowSize(width, height));
  EXPECT_EQ(width, 1000);
  EXPECT_EQ(height, 700);
  EXPECT_EQ(s.log().find("INVALID WINDOW"), std::string::npos);
  EXPECT_EQ(s.log().find("Invalid FPS"), std::string::npos);

  closeAndExpectOrderlyEnd(s);
  std::string saved = s.readFile("system/system.cfg");
  EXPECT_NE(saved.find("f windowwidth 1000\n"), std::string::npos);
  EXPECT_NE(saved.find("s progName Forge Test\n"), std::string::npos);
  EXPECT_NE(saved.find("f fps 60\n"), std::string::npos);
  EXPECT_NE(saved.find("f debugMode 0\n"), std::string::npos);
  EXPECT_NE(saved.find("s lastGameEdited maze\n"), std::string::npos);
  EXPECT_NE(saved.find("f soundVolume 0.5\n"), std::string::npos);
}

// Waits until the program's window is `width` by `height`: the window system
// carries out a change of size after the program has asked for it.
bool waitForWindowSize(Session& s, int width, int height) {
  int w = 0, h = 0;
  if (s.waitUntil([&] { return s.windowSize(w, h) && w == width && h == height; })) return true;
  ADD_FAILURE() << "window " << w << "x" << h << ", expected " << width << "x" << height;
  return false;
}

TEST(Startup, ASavedFullScreenStartsInFullScreenAndF1ReturnsToTheWindow) {
  Session s;
  s.writeFile("system/system.cfg", settingsFile(1000, 700, "", /*fullScreen=*/true));
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  EXPECT_TRUE(waitForWindowSize(s, 1024, 768));  // the whole virtual screen
  s.key("F1");
  EXPECT_TRUE(waitForWindowSize(s, 1000, 700));  // the window of the settings
  closeAndExpectOrderlyEnd(s);
  EXPECT_NE(s.readFile("system/system.cfg").find("f windowfscreen 0\n"), std::string::npos);
}

TEST(Startup, DamagedSettingsFilesNeverStopTheProgram) {
  std::string binary;
  for (int i = 0; i < 2048; ++i) binary += static_cast<char>((i * 37) & 0xff);
  const std::string damaged[] = {
      "",                                                             // empty
      binary,                                                         // not text at all
      settingsFile(1000, 700).substr(0, 60),                          // cut off mid-line
      "f windowwidth -5\nf windowheight 99999999999\nf fps abc\nf debugMode 1e40\n"
      "f soundVolume -3\nf sound nan\n",                              // absurd numbers
  };
  for (const std::string& text : damaged) {
    Session s;
    s.writeFile("system/system.cfg", text);
    s.start();
    ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine)) << s.log();
    int width = 0, height = 0;
    ASSERT_TRUE(s.windowSize(width, height));
    EXPECT_GE(width, 800);
    EXPECT_GE(height, 600);
    closeAndExpectOrderlyEnd(s);
  }
}

TEST(Startup, ASettingsFolderThatCannotBeWrittenIsReportedAtTheEnd) {
  Session s;
  s.writeFile("system/system.cfg", settingsFile(800, 600));
  s.start();
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  // Whatever the user's rights, a folder where the new settings file would
  // be written makes the save fail.
  s.writeFile("system/system.cfg.saving/blocker", "");
  s.closeWindow();
  EXPECT_EQ(s.waitForExit(), 1);
  EXPECT_NE(s.standardOutput().find("ERROR: Error opening the system file to save, Aborting.\n"),
            std::string::npos);
  EXPECT_EQ(s.readFile("system/system.cfg"), settingsFile(800, 600));  // the old settings survive
}

TEST(Startup, RunsSilentlyWithoutASoundDevice) {
  Session s;
  s.writeFile("system/system.cfg", settingsFile(800, 600));
  s.start({}, /*chooseSilentSound=*/false);
  ASSERT_TRUE(s.waitForLog(tfe2e::kStartedLine));
  // Frames are drawn: the splash picture is up, and its melody would play.
  EXPECT_TRUE(tfe2e::waitForSplash(s));
  EXPECT_TRUE(s.running());
  closeAndExpectOrderlyEnd(s);
}

}  // namespace
