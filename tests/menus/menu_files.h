// What the menu file tests share: a working folder of their own, a platform
// and a sound device that record what they are asked, the menu system's
// globals saved and restored around each test, and a full description of the
// menu model for comparisons.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/script_object.h"
#include "core/system.h"
#include "game/world.h"
#include "media/audio_device.h"
#include "media/images.h"
#include "media/sound.h"
#include "media/splash.h"
#include "menus/ui.h"
#include "recording_audio.h"
#include "recording_platform.h"
#include "temp_dir.h"

namespace tftest {

// Records loading-screen percentages as well.
class LoadingPlatform : public RecordingPlatform {
 public:
  void showLoadingScreen(const std::string& message, float percent) override {
    RecordingPlatform::showLoadingScreen(message, percent);
    percents.push_back(percent);
  }
  std::vector<float> percents;
};

class MenuFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    savedUI = tf::gameUI;
    savedStrings = tf::uiScriptString;
    savedSys = tf::gameSys;
    savedSplash = tf::splash;
    savedName = tf::world.getGameName();
    savedLoaded = tf::world.getGameLoaded();
    tf::gameUI = tf::UI();
    tf::uiScriptString = tf::uiString();
    tf::scriptUI.clear();
    tf::uiImage.clear();
    tf::setAudioDevice(&audio);
    tf::loadSystemSounds();
    tf::gameSys.setSoundState(true);
    tf::gameSys.setLastGameEdited("castle");
    tf::world.setGameLoaded(false);
  }
  void TearDown() override {
    tf::freeSystemSounds();
    tf::gameUI = savedUI;
    tf::uiScriptString = savedStrings;
    tf::gameSys = savedSys;
    tf::splash = savedSplash;
    tf::world.setGameName(savedName);
    tf::world.setGameLoaded(savedLoaded);
    tf::scriptUI.clear();
    tf::uiImage.clear();
  }

  // Empty picture files in a folder of menu images (the platform loads nothing).
  void addImages(const std::string& folder, int count) {
    for (int i = 0; i < count; ++i) dir.write(folder + "/" + std::to_string(i) + ".png", "");
  }

  std::vector<std::string> loadingFrames() const {
    std::vector<std::string> frames;
    for (const std::string& call : platform.calls) {
      if (call.rfind("loading ", 0) == 0) frames.push_back(call.substr(8));
    }
    return frames;
  }

  ScopedWorkDir dir;
  LoadingPlatform platform;
  RecordingAudio audio;

 private:
  tf::UI savedUI;
  tf::uiString savedStrings;
  tf::System savedSys;
  tf::uiSplash savedSplash;
  std::string savedName;
  bool savedLoaded = false;
};

inline std::string exact(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

// Every field of every menu and the menu ids, one element a line.
inline std::string describeMenus() {
  const tf::UI& ui = tf::gameUI;
  std::string out = "menus " + std::to_string(ui.getMenuCount()) + " ids " + std::to_string(ui.getIngameMenu()) +
                    " " + std::to_string(ui.getEditorMenu()) + " " + std::to_string(ui.getEditorMainMenu()) + "\n";
  for (int m = 0; m < ui.getMenuCount(); ++m) {
    out += "menu " + std::to_string(m) + " background " + std::to_string(ui.getMenuBackgroundTex(m)) + "\n";
    for (int b = 0; b < ui.menuGetButtonCount(m); ++b) {
      float x, y, w, h;
      int tex, func, func2;
      ui.uiGetButton(x, y, w, h, tex, func, func2, m, b);
      out += " button " + exact(x) + " " + exact(y) + " " + exact(w) + " " + exact(h) + " " + std::to_string(tex) +
             " " + std::to_string(func) + " " + std::to_string(func2) + "\n";
    }
    for (int t = 0; t < ui.menuGetTextboxCount(m); ++t) {
      float x, y, w, h;
      int text;
      ui.uiGetTextbox(x, y, w, h, text, m, t);
      out += " textbox " + exact(x) + " " + exact(y) + " " + exact(w) + " " + exact(h) + " " + std::to_string(text) +
             " linked " + std::to_string(ui.uiGetLinkedButton(t, m)) + "\n";
    }
    for (int l = 0; l < ui.menuGetTextlineCount(m); ++l) {
      float x, y, r, g, b;
      std::string text;
      ui.uiGetText(x, y, r, g, b, text, m, l);
      out += " text " + exact(x) + " " + exact(y) + " " + exact(r) + " " + exact(g) + " " + exact(b) + " [" + text +
             "]\n";
    }
  }
  return out;
}

}  // namespace tftest
