// What the input tests share: every global the dispatch touches fresh around
// each test, a platform that records what input asks of the window and reads
// back a chosen pick pixel, a sound device that records what plays, a clock
// set by hand, and menus and a small game built in memory.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "console/console.h"
#include "core/script_object.h"
#include "core/system.h"
#include "game/world.h"
#include "game_tree.h"
#include "input/dispatch.h"
#include "input/input.h"
#include "logic/evaluation.h"
#include "manual_clock.h"
#include "menus/button_actions.h"
#include "media/audio_device.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/help.h"
#include "menus/ui_model.h"
#include "recording_audio.h"
#include "recording_platform.h"
#include "temp_dir.h"

namespace tftest {

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset();
    tf::setAudioDevice(&audio);
    tf::loadSystemSounds();
    tf::gameSys.setSoundState(true);
    // Button actions ignore clicks closer than 200 ms to the last one, and
    // that time outlives a test: every test starts long after the last.
    static int start = 0;
    start += 10000000;
    clock.set(start);
  }
  void TearDown() override {
    tf::freeSystemSounds();
    tf::setAudioDevice(nullptr);
    reset();
  }

  static void reset() {
    resetLifecycleGlobals();
    tf::console = tf::debugConsole();
    tf::scriptSys.clear();
    tf::resetInputDispatch();
    tf::resetLogicState();
  }

  // ---- menus ----
  // `count` empty menus; menu 0 shown, in game state 0.
  static void makeMenus(int count) {
    tf::gameUI.allocateMenu(count);
    tf::gameUI.setMenuCount(count);
    tf::loadMenu(0);
    tf::gameSys.setGameState(tf::kStateMenus);
  }
  // Appends a button running (func, func2) to `menu`; returns its index.
  static int addButton(int menu, int func, int func2 = 0) {
    const int i = tf::gameUI.menuGetButtonCount(menu);
    tf::gameUI.uiModifyButton(400, 100 + 60 * i, 100, 25, 0, func, func2, menu, i);
    tf::gameUI.menuSetButtonCount(menu, i + 1);
    return i;
  }
  // Appends a textbox of UI string `text`, `width` wide, linked to `button`.
  static int addTextbox(int menu, int text, float width = 300, int button = -1) {
    const int i = tf::gameUI.menuGetTextboxCount(menu);
    tf::gameUI.uiModifyTextbox(250, 400 + 40 * i, width, 20, text, menu, i);
    tf::gameUI.uiSetLinkedButton(button, i, menu);
    tf::gameUI.menuSetTextboxCount(menu, i + 1);
    return i;
  }

  // ---- a game in play ----
  using Slots = std::array<int, 8>;
  // A loaded game of one 10 x 10 map with `objects` objects in a row, in play.
  static void startGame(int objects = 2) {
    tf::world.allocateMaps(1);
    tf::world.worldSetMap(10, 10, "Field", 0);
    for (int i = 0; i < objects; ++i) tf::world.worldSetObject(0.3f + 0.6f * i, 0.3f, 0.1f, 0.1f, 1, 0, i, 0);
    tf::world.setGameLoaded(true);
    tf::gameSys.setGameState(tf::kStatePlay);
  }
  static void addGlobal(const Slots& s) {
    tf::sentence sentence;
    sentence.setWholeSentence(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    sentence.assignOwner(0);
    ASSERT_TRUE(tf::world.mapGlobalAppendSentence(0, sentence));
  }
  // "<opener> <operand> then add 1 to global score <score>".
  static void countWhen(int opener, int operand, int score) { addGlobal({opener, operand, 300, 400, 0, 600, 745, score}); }
  static int score(int id) { return tf::world.getGlobalScore(id); }

  // ---- mouse events over a chosen pick colour ----
  void pickUnder(int r, int g, int b) { platform.setPickPixel(r, g, b); }
  void leftPress(int x = 100, int y = 100) { tf::mouse(tf::kButtonLeft, tf::kButtonDown, x, y); }
  void leftRelease(int x = 100, int y = 100) { tf::mouse(tf::kButtonLeft, tf::kButtonUp, x, y); }
  void leftClick(int x = 100, int y = 100) {
    leftPress(x, y);
    leftRelease(x, y);
  }
  // Motion without a button, well after the last hover pass.
  void hover(int x = 100, int y = 100) {
    clock.advance(tf::kHoverThrottleMs);
    tf::mousePassive(x, y);
  }

  // ---- what happened ----
  int timesPlayed(const std::string& sound) const {
    int n = 0;
    for (const std::string& played : audio.played) n += played == "soundreq/" + sound + ".wav once";
    return n;
  }
  int timesCalled(const std::string& call) const {
    int n = 0;
    for (const std::string& c : platform.calls) n += c == call;
    return n;
  }
  static std::string noticeShown() {
    std::string title, message;
    int time = 0;
    tf::notice.getNotice(title, message, time);
    return time < 0 ? "" : title + ": " + message;
  }

  ScopedWorkDir dir;
  RecordingPlatform platform;
  RecordingAudio audio;
  ManualClock clock;
};

}  // namespace tftest
