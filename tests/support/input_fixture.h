// What the input tests share: fresh globals around each test, a platform that
// records what input asks of the window and reads back a chosen pick pixel, a
// recording sound device, a clock set by hand, and menus and a game in memory.
#pragma once

#include <algorithm>

#include "console/console.h"
#include "core/script_object.h"
#include "core/system.h"
#include "input/color_pick.h"
#include "game_tree.h"
#include "input/dispatch.h"
#include "input/input.h"
#include "logic/evaluation.h"
#include "manual_clock.h"
#include "media/audio_device.h"
#include "media/sound.h"
#include "menus/button_actions.h"
#include "menus/help.h"
#include "menus/system_textboxes.h"
#include "menus/ui_model.h"

namespace tftest {

class InputTest : public ::testing::Test {
 public:
  // Keys through the keyboard callbacks, with Shift held when asked.
  void press(unsigned char key, bool shift = false) {
    platform.shift = shift;
    tf::keyboard(key, 0, 0);
    platform.shift = false;
  }
  void special(int key, bool shift = false) {
    platform.shift = shift;
    tf::processSpecialKeys(key, 0, 0);
    platform.shift = false;
  }

 protected:
  void SetUp() override {
    fresh();
    tf::setAudioDevice(&audio);
    tf::loadSystemSounds();
  }
  void TearDown() override {
    tf::freeSystemSounds();
    tf::setAudioDevice(nullptr);
    resetGlobals();
  }
  static void resetGlobals() {
    resetLifecycleGlobals();
    tf::console = tf::debugConsole();
    tf::scriptSys.clear();
  }
  // Fresh globals and run state (the button debounce among it), nothing
  // recorded, and the clock at its start.
  void fresh() {
    resetGlobals();
    platform.calls.clear();
    audio.played.clear();
    tf::gameSys.setSoundState(true);
    clock.set(kStartMs);
  }
  static constexpr int kStartMs = 1000000;

  // `count` empty menus; menu 0 shown, in game state 0.
  static void makeMenus(int count) {
    tf::gameUI.allocateMenu(count);
    tf::gameUI.setMenuCount(count);
    tf::loadMenu(0);
    tf::gameSys.setGameState(tf::kStateMenus);
  }
  static void addButton(int menu, int func, int func2 = 0) {
    const int i = tf::gameUI.menuGetButtonCount(menu);
    tf::gameUI.uiModifyButton(400, 100 + 60 * i, 100, 25, 0, func, func2, menu, i);
    tf::gameUI.menuSetButtonCount(menu, i + 1);
  }
  // A textbox of UI string `text`, `width` wide, linked to `button`.
  static void addTextbox(int menu, int text, float width = 300, int button = -1) {
    const int i = tf::gameUI.menuGetTextboxCount(menu);
    tf::gameUI.uiModifyTextbox(250, 400 + 40 * i, width, 20, text, menu, i);
    tf::gameUI.uiSetLinkedButton(button, i, menu);
    tf::gameUI.menuSetTextboxCount(menu, i + 1);
  }
  static void typingInto(int textbox) {
    tf::gameUI.setTextboxEdit(textbox);
    tf::gameSys.setInputState(tf::kInputMenuTextbox);
  }
  // A loaded game of one empty 10 x 10 map, in play.
  static void startGame() {
    tf::world.allocateMaps(1);
    tf::world.worldSetMap(10, 10, "Field", 0);
    tf::world.setGameLoaded(true);
    tf::gameSys.setGameState(tf::kStatePlay);
  }
  // The game of startGame open on the world editor's editing screen (menu 1
  // of 2; menu 0 is the editor's main menu).
  static void onEditingScreen() {
    makeMenus(2);
    tf::gameUI.setEditorMainMenu(0);
    tf::gameUI.setEditorMenu(1);
    tf::loadMenu(1);
    startGame();
    tf::gameSys.setGameState(tf::kStateWorldEditor);
  }
  // Global logic "<opener> <operand> then add 1 to global score <score>".
  static void countWhen(int opener, int operand, int score) {
    tf::sentence s;
    s.setWholeSentence(opener, operand, 300, 400, 0, 600, 745, score);
    s.assignOwner(0);
    ASSERT_TRUE(tf::world.mapGlobalAppendSentence(0, s));
  }

  // The pixel (r, g, b) read back under the pointer during a left press or
  // release, a right press, a hover pass or a drag pass of the held left
  // button, dispatched as the colour pick does; true when a handler took it.
  enum class PickAt { LeftPress, LeftRelease, RightPress, Hover, Drag };
  static bool pickPixel(int r, int g, int b, PickAt event) {
    const bool leftHeld = event == PickAt::LeftPress || event == PickAt::Hover || event == PickAt::Drag;
    tf::gameSys.setLeftMouse(leftHeld ? tf::kMousePress
                                      : event == PickAt::LeftRelease ? tf::kMouseRelease : tf::kMouseNoEvent);
    tf::gameSys.setRightMouse(event == PickAt::RightPress ? tf::kMousePress : tf::kMouseNoEvent);
    tf::gameSys.setHoverCheck(event == PickAt::Hover);
    tf::gameSys.setDragState(event == PickAt::Drag);
    const unsigned char pixel[3] = {static_cast<unsigned char>(r), static_cast<unsigned char>(g),
                                    static_cast<unsigned char>(b)};
    const bool taken = tf::dispatchPickPixel(pixel);
    tf::gameSys.setHoverCheck(false);
    tf::gameSys.setDragState(false);
    return taken;
  }
  // A menu-level code (green and blue 144).
  static bool pickCode(int code, PickAt event = PickAt::LeftPress) {
    return pickPixel(code, tf::kPickMenuMark, tf::kPickMenuMark, event);
  }

  // `text` typed into system textbox `textbox`.
  static void field(int textbox, const std::string& text) {
    float x, y, w, h;
    int string = 0;
    tf::sysTextbox[textbox].getTextbox(x, y, w, h, string);
    tf::uiScriptString.setString(text, string);
  }

  long timesPlayed(const std::string& sound) const {
    return std::count(audio.played.begin(), audio.played.end(), "soundreq/" + sound + ".wav once");
  }

  ScopedWorkDir dir;
  RecordingPlatform platform;
  RecordingAudio audio;
  ManualClock clock;
};

}  // namespace tftest
