// What the input tests share: fresh globals around each test, a platform that
// records what input asks of the window and reads back a chosen pick pixel, a
// recording sound device, a clock set by hand, and menus and a game in memory.
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
#include "media/audio_device.h"
#include "media/notice.h"
#include "media/sound.h"
#include "menus/button_actions.h"
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
    later();
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
  // Button actions ignore clicks within 200 ms of the last one, a time that
  // outlives a test: each test (or case) starts long after the last.
  void later() {
    static int start = 0;
    start += 10000000;
    clock.set(start);
  }

  // `count` empty menus; menu 0 shown, in game state 0.
  static void makeMenus(int count) {
    tf::gameUI.allocateMenu(count);
    tf::gameUI.setMenuCount(count);
    tf::loadMenu(0);
    tf::gameSys.setGameState(tf::kStateMenus);
  }
  static int addButton(int menu, int func, int func2 = 0) {
    const int i = tf::gameUI.menuGetButtonCount(menu);
    tf::gameUI.uiModifyButton(400, 100 + 60 * i, 100, 25, 0, func, func2, menu, i);
    tf::gameUI.menuSetButtonCount(menu, i + 1);
    return i;
  }
  // A textbox of UI string `text`, `width` wide, linked to `button`.
  static int addTextbox(int menu, int text, float width = 300, int button = -1) {
    const int i = tf::gameUI.menuGetTextboxCount(menu);
    tf::gameUI.uiModifyTextbox(250, 400 + 40 * i, width, 20, text, menu, i);
    tf::gameUI.uiSetLinkedButton(button, i, menu);
    tf::gameUI.menuSetTextboxCount(menu, i + 1);
    return i;
  }
  static void typingInto(int textbox, int inputState = tf::kInputMenuTextbox) {
    tf::gameUI.setTextboxEdit(textbox);
    tf::gameSys.setInputState(inputState);
  }

  // A loaded game of one 10 x 10 map with `objects` objects in a row, in play.
  static void startGame(int objects = 2) {
    tf::world.allocateMaps(1);
    tf::world.worldSetMap(10, 10, "Field", 0);
    for (int i = 0; i < objects; ++i) tf::world.worldSetObject(0.3f + 0.6f * i, 0.3f, 0.1f, 0.1f, 1, 0, i, 0);
    tf::world.setGameLoaded(true);
    tf::gameSys.setGameState(tf::kStatePlay);
  }
  static void addGlobal(const std::array<int, 8>& s) {
    tf::sentence sentence;
    sentence.setWholeSentence(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    sentence.assignOwner(0);
    ASSERT_TRUE(tf::world.mapGlobalAppendSentence(0, sentence));
  }
  // "<opener> <operand> then add 1 to global score <score>".
  static void countWhen(int opener, int operand, int score) {
    addGlobal({opener, operand, 300, 400, 0, 600, 745, score});
  }
  static int score(int id) { return tf::world.getGlobalScore(id); }

  void pickUnder(int r, int g, int b) { platform.setPickPixel(r, g, b); }
  static void leftPress() { tf::mouse(tf::kButtonLeft, tf::kButtonDown, 100, 100); }
  static void leftRelease() { tf::mouse(tf::kButtonLeft, tf::kButtonUp, 100, 100); }

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
  static int tooltipCode() {
    int code, index, time;
    tf::gameUI.getCurrentTT(code, index, time);
    return code;
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
