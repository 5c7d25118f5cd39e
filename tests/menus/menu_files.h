// What the menu tests share: a working folder, a recording platform and sound
// device, a clock set by hand, and every global the menu system touches saved
// and restored.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/script_object.h"
#include "core/system.h"
#include "editor/editor.h"
#include "game_tree.h"
#include "game/world.h"
#include "manual_clock.h"
#include "media/images.h"
#include "media/notice.h"
#include "media/sound.h"
#include "media/splash.h"
#include "menus/help.h"
#include "menus/ui.h"
#include "messages.h"
#include "recording_audio.h"
#include "recording_platform.h"
#include "temp_dir.h"

namespace tftest {

using Lines = std::vector<std::string>;

// Saves the menu system's globals and restores them; file tables are emptied both ways.
class MenuGlobals {
 public:
  MenuGlobals() { clearTables(); }
  ~MenuGlobals() {
    clearTables();
    tf::gameUI = ui_;
    tf::uiScriptString = strings_;
    tf::gameSys = sys_;
    tf::splash = splash_;
    tf::world = world_;
    tf::worldBackup = backup_;
    tf::worldEditor = editor_;
    tf::uiHelp = help_;
  }
  MenuGlobals(const MenuGlobals&) = delete;
  MenuGlobals& operator=(const MenuGlobals&) = delete;

 private:
  static void clearTables() {
    for (tf::scriptObject* table : {&tf::scriptUI, &tf::scriptSys, &tf::uiInfo}) table->clear();
    tf::uiImage.clear();
    tf::notice.leaveNotice();
  }
  const tf::UI ui_ = tf::gameUI;
  const tf::uiString strings_ = tf::uiScriptString;
  const tf::System sys_ = tf::gameSys;
  const tf::uiSplash splash_ = tf::splash;
  const tf::gameWorld world_ = tf::world, backup_ = tf::worldBackup;
  const tf::editor editor_ = tf::worldEditor;
  const tf::help help_ = tf::uiHelp;
};

// A fresh menu model, world and UI string table.
class MenuFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    tf::gameUI = tf::UI();
    tf::uiScriptString = tf::uiString();
    tf::world = tf::worldBackup = tf::gameWorld();
    tf::setAudioDevice(&audio);
    tf::loadSystemSounds();
    tf::gameSys.setSoundState(true);
    static int start = 0;  // debounces and double clicks outlive a test: each starts long after the last
    clock.set(start += 1000000);
  }
  void TearDown() override {
    tf::freeSystemSounds();
    tf::setAudioDevice(nullptr);
  }

  MenuGlobals saved;
  ScopedWorkDir dir;
  RecordingPlatform platform;
  RecordingAudio audio;
  ManualClock clock;
};

// The error lines reported, in order.
inline Lines errorsOf(const MessageLog& messages) {
  Lines errors;
  for (const std::string& line : messages.lines()) {
    if (line.find("ERROR") != std::string::npos) errors.push_back(line);
  }
  return errors;
}

}  // namespace tftest
