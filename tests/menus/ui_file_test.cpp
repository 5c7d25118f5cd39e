// Menu files: the exact text the writer produces, the reader's steps (console
// lines, loading-screen frames, menu ids, the last edited game, image
// animation, pointer, tooltip, music) and round trips from the model through
// a file back to the model.
#include "menus/ui_file.h"

#include <gtest/gtest.h>

#include "core/script_object.h"
#include "media/notice.h"
#include "menu_files.h"
#include "messages.h"

namespace {

using tftest::MenuFiles;

// Menu 0 with nothing in it, menu 1 with one button.
const char* const kTwoMenus =
    "f intromenu 1\nf ingamemenu 0\n"
    "f menu0background 2\ns menu0button0 endButtonLoad\ns menu0textbox0 endTextboxLoad\ns menu0text0 endTextLoad\n"
    "f menu1background -1\nf menu1button0x 400\nf menu1button0y 300\nf menu1button0w 50\nf menu1button0h 20\n"
    "f menu1button0tex 1\nf menu1button0func 1\nf menu1button0func2 0\ns menu1button1 endButtonLoad\n"
    "s menu1textbox0 endTextboxLoad\ns menu1text0 endTextLoad\ns menu2 endMenuLoad";

const char* const kExpectedFile =
    "// This file was created by the Tessera Forge application.\n"
    "// Please do not change or edit anything in this file as it may\n"
    "// cause errors when the UI is trying to be loaded.\n"
    "\n"
    "// Menu IDs\n"
    "f intromenu 1\n"
    "f editormainmenu 0\n"
    "f editormenu -1\n"
    "f ingamemenu 1\n"
    "f image3anim 1\n"
    "f image3frame 4\n"
    "f image3speed 300\n"
    "// ***\n"
    "// Menu 0\n"
    "// ***\n"
    "\n"
    "// Menu Background\n"
    "f menu0background 2\n"
    "\n"
    "// Menu 0Button 0\n"
    "s menu0button0 endButtonLoad\n"
    "\n"
    "// Menu 0 Textbox 0\n"
    "f menu0textbox0x 100\n"
    "f menu0textbox0y 200\n"
    "f menu0textbox0w 150\n"
    "f menu0textbox0h 30\n"
    "f menu0textbox0textnum 2\n"
    "f menu0textbox0linkedbutton 15\n"
    "// Menu 0Textbox 1\n"
    "s menu0textbox1 endTextboxLoad\n"
    "\n"
    "// Menu 0 Textline 0\n"
    "f menu0text0x 10\n"
    "f menu0text0y 20\n"
    "f menu0text0r 1\n"
    "f menu0text0g 0.5\n"
    "f menu0text0b 0\n"
    "s menu0text0string \n"
    "// Menu 0 Textline 1\n"
    "s menu0text1 endTextLoad\n"
    "\n"
    "// Script Strings\n"
    "s menu0string0 end\n"
    "\n"
    "// ***\n"
    "// Menu 1\n"
    "// ***\n"
    "\n"
    "// Menu Background\n"
    "f menu1background -1\n"
    "\n"
    "// Menu 1 Button 0\n"
    "f menu1button0x 400.25\n"
    "f menu1button0y 123.457\n"
    "f menu1button0w 50\n"
    "f menu1button0h 20\n"
    "f menu1button0tex 3\n"
    "f menu1button0func 1\n"
    "f menu1button0func2 0\n"
    "// Menu 1Button 1\n"
    "s menu1button1 endButtonLoad\n"
    "\n"
    "// Menu 1Textbox 0\n"
    "s menu1textbox0 endTextboxLoad\n"
    "\n"
    "// Menu 1 Textline 0\n"
    "s menu1text0 endTextLoad\n"
    "\n"
    "// Script Strings\n"
    "s menu1string0 end\n"
    "\n"
    "// Stop loading menu\n"
    "s menu2 endMenuLoad";

// The model kExpectedFile describes, with the ids of the file last read and
// menu image 3 animated.
void buildExampleModel() {
  tf::scriptUI.readText("f intromenu 1\nf editormainmenu 0\nf ingamemenu 1\n", "last.cfg");
  tf::uiImage.assign(5, tf::img());
  tf::gameUI.setUIImageCount(5);
  tf::uiImage[3].setAnimState(true);
  tf::uiImage[3].setFrameCount(4);
  tf::uiImage[3].setAnimSpeed(300);
  tf::UI& ui = tf::gameUI;
  ui.setIngameMenu(1);
  ui.setEditorMenu(-1);
  ui.setEditorMainMenu(0);
  ui.allocateMenu(2);
  ui.setMenuBackgroundTex(0, 2);
  ui.uiModifyTextbox(100, 200, 150, 30, 2, 0, 0);
  ui.uiSetLinkedButton(15, 0, 0);
  ui.uiModifyText(10, 20, 1, 0.5f, 0, "", 0, 0);
  ui.setMenuBackgroundTex(1, -1);
  ui.uiModifyButton(400.25f, 123.456789f, 50, 20, 3, 1, 0, 1, 0);
}

TEST_F(MenuFiles, SavingAGameWritesTheExactLayoutToItsFolder) {
  buildExampleModel();
  tf::world.setGameName("maze");
  tftest::MessageLog messages;
  tf::saveUI();
  EXPECT_EQ(dir.read("games/maze/system/ui.cfg"), kExpectedFile);
  EXPECT_TRUE(dir.exists("games/maze/ui"));
  EXPECT_EQ(messages.lines(), (std::vector<std::string>{"", "Beginning to save user interface...",
                                                        "Creating directory paths for the save data...",
                                                        "Outputting UI data", "^wUI has been successfully saved!",
                                                        ""}));
  std::string title, text;
  int shown = 0;
  tf::notice.getNotice(title, text, shown);
  EXPECT_EQ(title, "UI Saved");
  EXPECT_EQ(text, "The user interface for ^ymaze^w has been saved.");
}

TEST_F(MenuFiles, TheToolkitsOwnSetsAreSavedToTheirSystemFiles) {
  buildExampleModel();
  tf::world.setGameName("mainui");
  tf::saveUI();
  tf::world.setGameName("ingameui");
  tf::saveUI();
  EXPECT_EQ(dir.read("system/ui.cfg"), kExpectedFile);
  EXPECT_EQ(dir.read("system/ingameui.cfg"), kExpectedFile);
  EXPECT_FALSE(dir.exists("games"));
}

TEST_F(MenuFiles, TheExampleFileReadsBackAsWritten) {
  addImages("ui", 5);
  buildExampleModel();
  tf::world.setGameName("maze");
  tf::saveUI();
  // Only the value with more than six significant digits comes back rounded.
  std::string expected = tftest::describeMenus();
  const std::string precise = tftest::exact(123.456789f);
  ASSERT_NE(expected.find(precise), std::string::npos);
  expected.replace(expected.find(precise), precise.size(), tftest::exact(123.457f));

  tf::gameUI = tf::UI();
  tf::loadUI("maze", true);
  EXPECT_EQ(tftest::describeMenus(), expected);
  EXPECT_EQ(tf::gameUI.menuGetButtonCount(0), 0);  // read up to the end line right after the background
  EXPECT_EQ(tf::gameUI.menuGetTextlineCount(0), 1);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 1);
  ASSERT_EQ(tf::uiImage.size(), 5u);
  EXPECT_TRUE(tf::uiImage[3].getAnimState());
  EXPECT_EQ(tf::uiImage[3].getFrameCount(), 4);
  EXPECT_EQ(tf::uiImage[3].getAnimSpeed(), 300);
  EXPECT_FALSE(tf::uiImage[2].getAnimState());

  // Written again, the file is the same to the byte.
  tf::saveUI();
  EXPECT_EQ(dir.read("games/maze/system/ui.cfg"), kExpectedFile);
}

TEST_F(MenuFiles, EveryFieldSurvivesARoundTrip) {
  addImages("ui", 3);
  tf::scriptUI.readText("f intromenu 2\nf editormainmenu 1\nf editormenu 2\nf ingamemenu 0\n", "last.cfg");
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(3);
  ui.setMenuBackgroundTex(0, 0);
  ui.setMenuBackgroundTex(1, 7);
  ui.setMenuBackgroundTex(2, -1);
  for (int b = 0; b < 12; ++b) ui.uiModifyButton(10.5f * b, 300 - b, 16, 8.25f, b % 3, b, -b, 0, b);
  ui.uiModifyButton(-20, 0.125f, 0, 1e-05f, -1, 30, 4, 2, 0);
  ui.uiModifyTextbox(220, 340, 300, 22, 0, 0, 0);
  ui.uiModifyTextbox(220, 380, 300, 22, 4, 0, 1);
  ui.uiSetLinkedButton(11, 1, 0);
  ui.uiModifyTextbox(1, 2, 3, 4, 123456, 2, 0);
  ui.uiModifyText(30, 40, 0.25f, 1, 0, "^y^3Main Menu", 1, 0);
  ui.uiModifyText(30, 60, 0, 0, 1, "  two leading spaces and a tab\there", 1, 1);
  ui.uiModifyText(30, 80, 1, 1, 1, "", 1, 2);
  ui.uiModifyText(30, 100, 1, 1, 1, "endTextLoad", 1, 3);
  ui.setIngameMenu(0);
  ui.setEditorMenu(2);
  ui.setEditorMainMenu(1);
  const std::string before = tftest::describeMenus();
  tf::world.setGameName("castle");
  tf::saveUI();
  const std::string firstFile = dir.read("games/castle/system/ui.cfg");

  ui.clear();
  tf::scriptUI.clear();
  tf::loadUI("castle", true);
  EXPECT_EQ(tftest::describeMenus(), before);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 2);
  tf::saveUI();
  EXPECT_EQ(dir.read("games/castle/system/ui.cfg"), firstFile);
}

TEST_F(MenuFiles, ALineBreakInATextIsWrittenAsASpace) {
  tf::gameUI.allocateMenu(1);
  tf::gameUI.uiModifyText(1, 1, 1, 1, 1, "one\ns menu0text1 endTextLoad\r\ntwo", 0, 0);
  tf::gameUI.uiModifyText(1, 1, 1, 1, 1, "three", 0, 1);
  tf::world.setGameName("maze");
  tf::saveUI();
  tf::gameUI = tf::UI();
  tf::loadUI("maze", true);
  ASSERT_EQ(tf::gameUI.menuGetTextlineCount(0), 2);
  float x, y, r, g, b;
  std::string text;
  tf::gameUI.uiGetText(x, y, r, g, b, text, 0, 0);
  EXPECT_EQ(text, "one s menu0text1 endTextLoad  two");
  tf::gameUI.uiGetText(x, y, r, g, b, text, 0, 1);
  EXPECT_EQ(text, "three");
}

TEST_F(MenuFiles, LoadingTheToolkitsMenusTakesEveryStep) {
  dir.write("system/ui.cfg", kTwoMenus);
  tf::gameUI.setCurrentTT(37, 2, 9000);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  tftest::MessageLog messages;
  tf::loadUI("default", true);

  EXPECT_EQ(loadingFrames(),
            (std::vector<std::string>{"Initializing User Interface", "Loading User Interface Scripts",
                                      "Loading User Interface Images", "Setting Menu Pointers",
                                      "Loading Menus and Objects", "Loading Introduction Menu",
                                      "User Interface Loaded Successfully"}));
  EXPECT_EQ(platform.percents, (std::vector<float>{0.01f, 0.2f, 0.35f, 0.5f, 0.65f, 0.7f, 0.75f}));
  ASSERT_FALSE(platform.calls.empty());
  EXPECT_EQ(platform.calls.back(), "warp 400,300");  // after the last frame

  std::vector<std::string> lines = messages.lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "^2^ydefault^wUser Interface Initializing...");
  EXPECT_EQ(lines[2], "");
  EXPECT_TRUE(messages.contains("The User Interface has been Successfully Built."));
  EXPECT_FALSE(messages.contains("ERROR"));

  EXPECT_EQ(tf::gameUI.getMenuCount(), 2);
  EXPECT_EQ(tf::gameUI.getCurrentMenu(), 1);
  EXPECT_EQ(tf::gameUI.getIngameMenu(), 0);
  EXPECT_EQ(tf::gameUI.getEditorMenu(), -1);  // absent from the file
  EXPECT_EQ(tf::gameSys.getInputState(), tf::kInputNormal);
  EXPECT_EQ(tf::uiScriptString.getString(1), "castle");
  int code, index, time;
  tf::gameUI.getCurrentTT(code, index, time);
  EXPECT_EQ(code, -1);
  EXPECT_EQ(index, -1);
  EXPECT_EQ(time, 0);
  EXPECT_EQ(audio.played, std::vector<std::string>{"soundreq/mainmenu.wav looping"});
}

TEST_F(MenuFiles, WithAGameLoadedTheLastFrameShowsAFullBar) {
  dir.write("system/ui.cfg", kTwoMenus);
  tf::world.setGameLoaded(true);
  tf::loadUI("default", true);
  ASSERT_FALSE(platform.percents.empty());
  EXPECT_EQ(platform.percents.back(), 1.0f);
}

TEST_F(MenuFiles, AtStartUpTheReaderKeepsWhatItHoldsAndShowsNoFrames) {
  dir.write("system/ui.cfg", kTwoMenus);
  tf::scriptUI.readText("s autoload nothing\n", "system/autoload.cfg");
  tf::loadUI("default", false);
  EXPECT_TRUE(loadingFrames().empty());
  EXPECT_EQ(tf::scriptUI.findLineS("autoload"), "nothing");
  EXPECT_EQ(tf::gameUI.getMenuCount(), 2);
  EXPECT_EQ(platform.calls.back(), "warp 400,300");
}

TEST_F(MenuFiles, TheToolkitsSetsOpenedForEditingReadTheirSystemFiles) {
  dir.write("system/ui.cfg", kTwoMenus);
  dir.write("system/ingameui.cfg",
            "f intromenu 0\nf menu0background 5\ns menu0button0 endButtonLoad\ns menu0textbox0 endTextboxLoad\n"
            "s menu0text0 endTextLoad\ns menu1 endMenuLoad");
  tftest::MessageLog messages;
  tf::loadUI("mainui", true);
  EXPECT_EQ(tf::gameUI.getMenuCount(), 2);
  EXPECT_EQ(tf::uiScriptString.getString(1), "castle");
  EXPECT_EQ(audio.played, std::vector<std::string>{"soundreq/mainmenu.wav looping"});
  EXPECT_TRUE(messages.contains("^2^ymainui^wUser Interface Initializing..."));

  tf::uiScriptString.setString("", 1);
  tf::loadUI("ingameui", true);
  EXPECT_EQ(tf::gameUI.getMenuCount(), 1);
  EXPECT_EQ(tf::gameUI.getMenuBackgroundTex(0), 5);
  EXPECT_EQ(tf::uiScriptString.getString(1), "castle");
  EXPECT_FALSE(messages.contains("ERROR"));
}

TEST_F(MenuFiles, AGameWithItsOwnMenusUsesThemAndItsImages) {
  dir.write("games/maze/system/ui.cfg", kTwoMenus);
  addImages("ui", 2);
  addImages("games/maze/ui", 1);
  tftest::MessageLog messages;
  tf::loadUI("maze", true);
  EXPECT_EQ(tf::gameUI.getMenuCount(), 2);
  EXPECT_EQ(tf::gameUI.getUIImageCount(), 3);
  EXPECT_EQ(platform.loaded.back(), "games/maze/ui/10000.png");
  EXPECT_EQ(tf::uiScriptString.getString(1), "");  // only the toolkit's menus fill it
  EXPECT_TRUE(audio.played.empty());
  EXPECT_FALSE(messages.contains("ERROR"));
}

TEST_F(MenuFiles, AGameWithoutMenusShowsTheInGameMenus) {
  dir.write("system/ingameui.cfg",
            "f intromenu 0\nf menu0background 5\ns menu0button0 endButtonLoad\ns menu0textbox0 endTextboxLoad\n"
            "s menu0text0 endTextLoad\ns menu1 endMenuLoad");
  tftest::MessageLog messages;
  tf::loadUI("maze", true);
  EXPECT_TRUE(messages.contains("^rERROR: ^wUnable to load specific game UI, using default instead."));
  EXPECT_EQ(tf::gameUI.getMenuCount(), 1);
  EXPECT_EQ(tf::gameUI.getMenuBackgroundTex(0), 5);
  EXPECT_EQ(tf::uiScriptString.getString(1), "castle");
  EXPECT_EQ(audio.played, std::vector<std::string>{"soundreq/mainmenu.wav looping"});
}

TEST_F(MenuFiles, MenuImageAnimationIsReadWithinItsRanges) {
  addImages("ui", 6);
  dir.write("system/ui.cfg",
            std::string("f image0anim 1\nf image0frame 0\nf image0speed 100\n"
                        "f image1anim 1\nf image1frame 12\nf image1speed 50\n"
                        "f image2anim 1\nf image2frame -1\nf image2speed 1001\n"
                        "f image3anim 2\nf image3frame 4\nf image3speed 300\n"
                        "f image4anim 1\nf image4frame 9\nf image4speed 1000\n"
                        "f image5anim 1\n"
                        "f image9anim 1\n") +
                kTwoMenus);
  tf::loadUI("default", true);
  ASSERT_EQ(tf::uiImage.size(), 6u);
  struct Expected {
    bool on;
    int frames, speed;
  } expected[] = {{true, 0, 100}, {true, 1, 1000}, {true, 1, 1000}, {false, 1, 1000}, {true, 9, 1000}, {true, 1, 1000}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(tf::uiImage[i].getAnimState(), expected[i].on) << i;
    EXPECT_EQ(tf::uiImage[i].getFrameCount(), expected[i].frames) << i;
    EXPECT_EQ(tf::uiImage[i].getAnimSpeed(), expected[i].speed) << i;
  }
}

TEST_F(MenuFiles, AMenuFileThatCannotBeWrittenEndsTheProgramWithAFailure) {
  buildExampleModel();
  tf::world.setGameName("maze");
  dir.write("games/maze/system/ui.cfg/blocked", "");  // a folder where the file belongs
  EXPECT_EXIT(tf::saveUI(), ::testing::ExitedWithCode(1), "");
  EXPECT_TRUE(dir.exists("games/maze/system/ui.cfg/blocked"));
}

}  // namespace
