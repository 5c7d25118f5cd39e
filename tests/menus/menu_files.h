// What the menu tests share: a working folder, a recording platform and sound
// device, a clock set by hand, every global the menu system touches saved and
// restored, and the menu model written out as text for comparisons.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/script_object.h"
#include "core/system.h"
#include "editor/editor.h"
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
    tf::gameSys.setLastGameEdited("castle");
    static int start = 0;  // debounces and double clicks outlive a test: each starts long after the last
    clock.set(start += 1000000);
  }
  void TearDown() override {
    tf::freeSystemSounds();
    tf::setAudioDevice(nullptr);
  }

  // Empty picture files in a folder of menu images (the platform loads nothing).
  void addImages(const std::string& folder, int count) {
    for (int i = 0; i < count; ++i) dir.write(folder + "/" + std::to_string(i) + ".png", "");
  }
  Lines loadingFrames() const {
    Lines frames;
    for (const std::string& call : platform.calls) {
      if (call.rfind("loading ", 0) == 0) frames.push_back(call.substr(8));
    }
    return frames;
  }
  int played(const std::string& sound) const {
    int n = 0;
    for (const std::string& p : audio.played) n += p == sound;
    return n;
  }

  MenuGlobals saved;
  ScopedWorkDir dir;
  RecordingPlatform platform;
  RecordingAudio audio;
  ManualClock clock;
};

// "title: text" of the notice shown, "" when none.
inline std::string noticeText() {
  std::string title, text;
  int time = 0;
  tf::notice.getNotice(title, text, time);
  return time < 0 ? "" : title + ": " + text;
}

inline int errorLines(const MessageLog& messages) {
  int count = 0;
  for (const std::string& line : messages.lines()) count += line.find("ERROR") != std::string::npos;
  return count;
}

// Values separated by spaces; floats in full precision.
inline std::string numbers(std::initializer_list<float> values) {
  std::string out;
  for (float v : values) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", v);
    out += (out.empty() ? "" : " ") + std::string(text);
  }
  return out;
}
inline std::string ints(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += (out.empty() ? "" : " ") + std::to_string(v);
  return out;
}

// Button b of menu m as "x y w h tex func func2", textbox t as
// "x y w h text linked", text line l as "x y r g b [text]".
inline std::string buttonOf(int m, int b) {
  float x = 0, y = 0, w = 0, h = 0;
  int tex = 0, func = 0, func2 = 0;
  tf::gameUI.uiGetButton(x, y, w, h, tex, func, func2, m, b);
  return numbers({x, y, w, h}) + " " + ints({tex, func, func2});
}
inline std::string textboxOf(int m, int t) {
  float x = 0, y = 0, w = 0, h = 0;
  int text = 0;
  tf::gameUI.uiGetTextbox(x, y, w, h, text, m, t);
  return numbers({x, y, w, h}) + " " + ints({text, tf::gameUI.uiGetLinkedButton(t, m)});
}
inline std::string textlineOf(int m, int l) {
  float x = 0, y = 0, r = 0, g = 0, b = 0;
  std::string text;
  tf::gameUI.uiGetText(x, y, r, g, b, text, m, l);
  return numbers({x, y, r, g, b}) + " [" + text + "]";
}

// Every field of every menu and the menu ids, one element a line.
inline std::string describeMenus() {
  const tf::UI& ui = tf::gameUI;
  std::string out = "menus " + ints({ui.getMenuCount()}) + " ids " +
                    ints({ui.getIngameMenu(), ui.getEditorMenu(), ui.getEditorMainMenu()}) + "\n";
  for (int m = 0; m < ui.getMenuCount(); ++m) {
    out += "menu " + ints({m}) + " background " + ints({ui.getMenuBackgroundTex(m)}) + "\n";
    for (int b = 0; b < ui.menuGetButtonCount(m); ++b) out += " button " + buttonOf(m, b) + "\n";
    for (int t = 0; t < ui.menuGetTextboxCount(m); ++t) out += " textbox " + textboxOf(m, t) + "\n";
    for (int l = 0; l < ui.menuGetTextlineCount(m); ++l) out += " text " + textlineOf(m, l) + "\n";
  }
  return out;
}

}  // namespace tftest
