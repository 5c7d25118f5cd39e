// Menu files: the exact text the writer produces, the reader's steps, the file
// each menu set comes from, and round trips from model to file and back.
#include "menu_files.h"

namespace {

using namespace tftest;

// A file with one empty menu whose background is `background`.
std::string oneMenu(int background) {
  return "f intromenu 0\nf menu0background " + std::to_string(background) +
         "\ns menu0button0 endButtonLoad\ns menu0textbox0 endTextboxLoad\ns menu0text0 endTextLoad\n"
         "s menu1 endMenuLoad";
}

// The file written for the model of buildExampleModel (menu 1 shown first).
const char* const kExpectedFile =
    "// This file was created by the Tessera Forge application.\n"
    "// Please do not change or edit anything in this file as it may\n"
    "// cause errors when the UI is trying to be loaded.\n"
    "\n// Menu IDs\nf intromenu 1\nf editormainmenu 0\nf editormenu -1\nf ingamemenu 1\n"
    "f image3anim 1\nf image3frame 4\nf image3speed 300\n"
    "// ***\n// Menu 0\n// ***\n\n// Menu Background\nf menu0background 2\n\n"
    "// Menu 0Button 0\ns menu0button0 endButtonLoad\n\n"
    "// Menu 0 Textbox 0\nf menu0textbox0x 100\nf menu0textbox0y 200\nf menu0textbox0w 150\nf menu0textbox0h 30\n"
    "f menu0textbox0textnum 2\nf menu0textbox0linkedbutton 15\n"
    "// Menu 0Textbox 1\ns menu0textbox1 endTextboxLoad\n\n"
    "// Menu 0 Textline 0\nf menu0text0x 10\nf menu0text0y 20\nf menu0text0r 1\nf menu0text0g 0.5\nf menu0text0b 0\n"
    "s menu0text0string \n"
    "// Menu 0 Textline 1\ns menu0text1 endTextLoad\n\n"
    "// Script Strings\ns menu0string0 end\n\n"
    "// ***\n// Menu 1\n// ***\n\n// Menu Background\nf menu1background -1\n\n"
    "// Menu 1 Button 0\nf menu1button0x 400.25\nf menu1button0y 123.457\nf menu1button0w 50\n"
    "f menu1button0h 20\nf menu1button0tex 3\nf menu1button0func 1\nf menu1button0func2 0\n"
    "// Menu 1Button 1\ns menu1button1 endButtonLoad\n\n"
    "// Menu 1Textbox 0\ns menu1textbox0 endTextboxLoad\n\n"
    "// Menu 1 Textline 0\ns menu1text0 endTextLoad\n\n"
    "// Script Strings\ns menu1string0 end\n\n"
    "// Stop loading menu\ns menu2 endMenuLoad";

// The model kExpectedFile describes, with menu image 3 animated.
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

TEST_F(MenuFiles, AGameIsSavedToItsFolderInTheExactLayoutAndReadsBackAsWritten) {
  addImages("ui", 5);
  buildExampleModel();
  tf::world.setGameName("maze");
  MessageLog messages;
  tf::saveUI();
  EXPECT_EQ(dir.read("games/maze/system/ui.cfg"), kExpectedFile);
  EXPECT_TRUE(dir.exists("games/maze/ui"));
  EXPECT_TRUE(messages.contains("^wUI has been successfully saved!"));
  EXPECT_EQ(noticeText(), "UI Saved: The user interface for ^ymaze^w has been saved.");
  // The toolkit's own sets go to their system files.
  for (const char* set : {"mainui", "ingameui"}) {
    tf::world.setGameName(set);
    tf::saveUI();
  }
  EXPECT_EQ(dir.read("system/ui.cfg") + dir.read("system/ingameui.cfg"), std::string(kExpectedFile) + kExpectedFile);

  // Only the value with more than six significant digits comes back rounded.
  std::string expected = describeMenus();
  expected.replace(expected.find(numbers({123.456789f})), numbers({123.456789f}).size(), numbers({123.457f}));
  tf::gameUI = tf::UI();
  tf::uiImage.clear();
  tf::world.setGameName("maze");
  tf::loadUI("maze", true);
  EXPECT_EQ(describeMenus() + ints({tf::gameUI.getCurrentMenu()}), expected + "1");
  ASSERT_EQ(tf::uiImage.size(), 5u);
  EXPECT_EQ(ints({tf::uiImage[3].getAnimState(), tf::uiImage[3].getFrameCount(), tf::uiImage[3].getAnimSpeed(),
                  tf::uiImage[2].getAnimState()}),
            "1 4 300 0");
}

TEST_F(MenuFiles, EveryFieldSurvivesARoundTrip) {
  addImages("ui", 3);
  tf::scriptUI.readText("f intromenu 2\nf editormainmenu 1\nf editormenu 2\nf ingamemenu 0\n", "last.cfg");
  tf::UI& ui = tf::gameUI;
  ui.allocateMenu(3);
  ui.setMenuBackgroundTex(1, 7);
  ui.setMenuBackgroundTex(2, -1);
  for (int b = 0; b < 12; ++b) ui.uiModifyButton(10.5f * b, 300 - b, 16, 8.25f, b % 3, b, -b, 0, b);
  ui.uiModifyButton(-20, 0.125f, 0, 1e-05f, -1, 30, 4, 2, 0);
  ui.uiModifyTextbox(220, 380, 300, 22, 4, 0, 1);
  ui.uiSetLinkedButton(11, 1, 0);
  ui.uiModifyTextbox(1, 2, 3, 4, 123456, 2, 0);
  const std::string broken = "one\ns menu1text5 endTextLoad\r\ntwo";
  const std::string texts[] = {"^y^3Main Menu", "  two leading spaces and a tab\there", "", "endTextLoad", broken,
                               "three"};
  for (int l = 0; l < 6; ++l) ui.uiModifyText(30, 40 + 20 * l, 0.25f * l, 1, 0, texts[l], 1, l);
  ui.setIngameMenu(0);
  ui.setEditorMenu(2);
  ui.setEditorMainMenu(1);
  std::string before = describeMenus();
  // A line break would end the text and start an entry of its own: it is written as a space.
  before.replace(before.find(broken), broken.size(), "one s menu1text5 endTextLoad  two");
  tf::world.setGameName("castle");
  tf::saveUI();
  const std::string firstFile = dir.read("games/castle/system/ui.cfg");
  ui.clear();
  tf::scriptUI.clear();
  tf::loadUI("castle", true);
  EXPECT_EQ(describeMenus() + ints({tf::gameUI.getCurrentMenu()}), before + "2");
  tf::saveUI();  // the same to the byte
  EXPECT_EQ(dir.read("games/castle/system/ui.cfg"), firstFile);
}

TEST_F(MenuFiles, LoadingTheToolkitsMenusTakesEveryStep) {
  dir.write("system/ui.cfg", kExpectedFile);
  // At start-up the reader keeps the entries it holds and shows no frames.
  tf::scriptUI.readText("s autoload nothing\n", "system/autoload.cfg");
  tf::loadUI("default", false);
  EXPECT_TRUE(loadingFrames().empty());
  EXPECT_EQ(tf::scriptUI.findLineS("autoload"), "nothing");
  EXPECT_EQ(tf::gameUI.getMenuCount(), 2);

  platform.calls.clear();
  tf::gameUI.setCurrentTT(37, 2, 9000);
  tf::gameSys.setInputState(tf::kInputMenuTextbox);
  MessageLog messages;
  tf::loadUI("default", true);
  EXPECT_EQ(tf::scriptUI.findLineS("autoload"), "NULL");
  EXPECT_EQ(loadingFrames(),
            (Lines{"Initializing User Interface", "Loading User Interface Scripts", "Loading User Interface Images",
                   "Setting Menu Pointers", "Loading Menus and Objects", "Loading Introduction Menu",
                   "User Interface Loaded Successfully"}));
  EXPECT_EQ(platform.loadingPercents, (std::vector<float>{0.01f, 0.2f, 0.35f, 0.5f, 0.65f, 0.7f, 0.75f}));
  EXPECT_EQ(platform.calls.back(), "warp 400,300");  // after the last frame
  EXPECT_TRUE(messages.contains("The User Interface has been Successfully Built."));
  int code, index, time;
  tf::gameUI.getCurrentTT(code, index, time);
  // The intro menu is shown, the ids are read, and the tooltip is cleared.
  EXPECT_EQ(ints({tf::gameUI.getMenuCount(), tf::gameUI.getCurrentMenu(), tf::gameUI.getIngameMenu(),
                  tf::gameUI.getEditorMenu(), tf::gameSys.getInputState(), code, index, time}),
            "2 1 1 -1 0 -1 -1 0");

  tf::world.setGameLoaded(true);  // the last frame then shows a full bar
  tf::loadUI("default", true);
  EXPECT_EQ(platform.loadingPercents.back(), 1.0f);
}

TEST_F(MenuFiles, EachMenuSetIsReadFromItsOwnFile) {
  dir.write("system/ui.cfg", kExpectedFile);
  dir.write("system/ingameui.cfg", oneMenu(5));
  dir.write("games/maze/system/ui.cfg", oneMenu(7));
  addImages("ui", 2);
  addImages("games/maze/ui", 1);
  const struct {
    const char* set;
    const char* menusBackgroundImages;
    bool toolkit;  // fills UI string 1 with the last edited game and plays the menu music
  } cases[] = {{"default", "2 2 2", true}, {"mainui", "2 2 2", true}, {"ingameui", "1 5 2", true},
               {"maze", "1 7 3", false},   {"zoo", "1 5 2", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set);
    tf::uiScriptString = tf::uiString();
    audio.played.clear();
    MessageLog messages;
    tf::loadUI(c.set, true);
    EXPECT_TRUE(messages.contains(std::string("^2^y") + c.set + "^wUser Interface Initializing..."));
    EXPECT_EQ(ints({tf::gameUI.getMenuCount(), tf::gameUI.getMenuBackgroundTex(0), tf::gameUI.getUIImageCount()}),
              c.menusBackgroundImages);
    EXPECT_EQ(tf::uiScriptString.getString(1), c.toolkit ? "castle" : "");
    EXPECT_EQ(audio.played.size(), c.toolkit ? 1u : 0u);
    EXPECT_EQ(messages.contains("^rERROR: ^wUnable to load specific game UI, using default instead."),
              c.set == std::string("zoo"));
  }
}

TEST_F(MenuFiles, MenuImageAnimationIsReadWithinItsRanges) {
  addImages("ui", 7);
  // Image 3 comes from the example file; image 9 is no menu image.
  dir.write("system/ui.cfg", std::string("f image0anim 1\nf image0frame 0\nf image0speed 100\nf image1anim 1\n"
                                         "f image1frame 12\nf image1speed 50\nf image2anim 1\nf image2frame -1\n"
                                         "f image2speed 1001\nf image4anim 1\nf image4frame 9\nf image4speed 1000\n"
                                         "f image5anim 2\nf image5frame 4\nf image5speed 300\nf image6anim 1\n"
                                         "f image9anim 1\n") + kExpectedFile);
  tf::loadUI("default", true);
  std::string seen;
  for (const tf::img& image : tf::uiImage) {
    seen += ints({image.getAnimState(), image.getFrameCount(), image.getAnimSpeed()}) + ", ";
  }
  EXPECT_EQ(seen, "1 0 100, 1 1 1000, 1 1 1000, 1 4 300, 1 9 1000, 0 1 1000, 1 1 1000, ");
}

TEST_F(MenuFiles, AMenuFileThatCannotBeWrittenEndsTheProgramWithAFailure) {
  buildExampleModel();
  tf::world.setGameName("maze");
  dir.write("games/maze/system/ui.cfg/blocked", "");  // a folder where the file belongs
  EXPECT_EXIT(tf::saveUI(), ::testing::ExitedWithCode(1), "");
  EXPECT_TRUE(dir.exists("games/maze/system/ui.cfg/blocked"));
}

}  // namespace
