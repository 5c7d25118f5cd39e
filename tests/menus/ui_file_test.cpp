// Menu files: the exact text the writer produces, the round trip from model to
// file and back to the same bytes, a file that cannot be written, and where the
// toolkit's own menu sets are kept.
#include "game/game_names.h"
#include "menu_files.h"

namespace {

using namespace tftest;

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
    "s menu0text0string   Go s menu1 endMenuLoad\n"
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

// A line break would end the text and start an entry of its own: it is written as a space.
const char* const kBrokenText = "  Go\ns menu1 endMenuLoad";

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
  ui.uiModifyText(10, 20, 1, 0.5f, 0, kBrokenText, 0, 0);
  ui.setMenuBackgroundTex(1, -1);
  ui.uiModifyButton(400.25f, 123.456789f, 50, 20, 3, 1, 0, 1, 0);
}

TEST_F(MenuFiles, AGameIsSavedToItsFolderInTheExactLayoutAndReadsBackAsWrittenByteForByte) {
  for (int i = 0; i < 5; ++i) dir.write("ui/" + std::to_string(i) + ".png", "");  // no pictures loaded
  buildExampleModel();
  MessageLog messages;
  tf::saveUI("maze");
  EXPECT_EQ(dir.read("games/maze/system/ui.cfg"), kExpectedFile);
  EXPECT_TRUE(dir.exists("games/maze/ui"));
  EXPECT_TRUE(messages.contains("^wUI has been successfully saved!"));

  // Read back into an empty model, every field the writer wrote comes back: saved again, the file is the same.
  tf::gameUI = tf::UI();
  tf::uiImage.clear();
  tf::loadUI("maze", true);
  EXPECT_EQ(joined({tf::gameUI.getMenuCount(), tf::gameUI.getCurrentMenu(), int(tf::uiImage.size())}), "2 1 5");
  tf::saveUI("maze");
  EXPECT_EQ(dir.read("games/maze/system/ui.cfg"), kExpectedFile);
}

TEST_F(MenuFiles, AMenuFileThatCannotBeWrittenEndsTheProgramWithAFailure) {
  buildExampleModel();
  dir.write("games/maze/system/ui.cfg/blocked", "");  // a folder where the file belongs
  EXPECT_EXIT(tf::saveUI("maze"), ::testing::ExitedWithCode(1), "");
  EXPECT_TRUE(dir.exists("games/maze/system/ui.cfg/blocked"));
}

TEST_F(MenuFiles, TheToolkitsOwnMenuSetsAreSavedToItsFilesAndNeverToAGameFolder) {
  const struct {
    const char* name;
    bool toolkit;   // isToolkitMenuSet
    bool editable;  // checkGameName: opened for editing, never a game
    const char* file;
  } sets[] = {
      {"default", true, false, "system/ui.cfg"},
      {"mainui", true, true, "system/ui.cfg"},
      {"ingameui", true, true, "system/ingameui.cfg"},
      {"Mainui", false, false, "games/Mainui/system/ui.cfg"},
      {"maze", false, false, "games/maze/system/ui.cfg"},
  };
  buildExampleModel();
  for (const auto& set : sets) {
    SCOPED_TRACE(set.name);
    EXPECT_EQ(tf::isToolkitMenuSet(set.name), set.toolkit);
    EXPECT_EQ(tf::checkGameName(set.name), set.editable);
    EXPECT_EQ(tf::toolkitMenuFile(set.name), set.toolkit ? set.file : "");
    if (std::string(set.name) == "default") continue;  // the reserved name is never saved
    tf::saveUI(set.name);
    EXPECT_EQ(dir.read(set.file), kExpectedFile);
    EXPECT_EQ(dir.exists("games/" + std::string(set.name) + "/ui"), !set.toolkit);
  }
}

}  // namespace
