// A platform that remembers what the logic asked of the window, installed for
// the lifetime of the object.
#pragma once

#include <string>
#include <vector>

#include "core/platform.h"
#include "core/system.h"

namespace tftest {

class RecordingPlatform : public tf::Platform {
 public:
  RecordingPlatform() { tf::setPlatform(this); }
  ~RecordingPlatform() override { tf::setPlatform(nullptr); }

  void enterFullScreen() override { calls.push_back("fullscreen"); }
  void leaveFullScreen(int x, int y, int w, int h) override {
    calls.push_back("window " + std::to_string(x) + "," + std::to_string(y) + " " +
                    std::to_string(w) + "x" + std::to_string(h));
  }
  void warpPointer(int x, int y) override {
    calls.push_back("warp " + std::to_string(x) + "," + std::to_string(y));
  }
  void setCursor(tf::CursorShape shape) override {
    calls.push_back(shape == tf::CursorShape::None ? "cursor none" : "cursor arrow");
  }
  void ignoreKeyRepeat(bool ignore) override {
    calls.push_back(ignore ? "repeat off" : "repeat on");
  }
  bool shiftHeld() const override { return shift; }
  unsigned loadTexture(const std::string& path) override { return nextTexture++; }
  void freeTexture(unsigned texture) override {}
  void showLoadingScreen(const std::string& message, float percent) override {
    calls.push_back("loading " + message);
  }
  void drawWorldText(float x, float y, const std::string& text) override { worldTexts.push_back(text); }

  // Pick passes: the scene is recorded (with whether the pick flag was up
  // while it was drawn) and the pixel read back is `pickPixel`.
  void drawPickScene() override {
    calls.push_back(tf::gameSys.getColorPick() ? "pick scene" : "pick scene without the pick flag");
  }
  bool readPixel(int x, int y, unsigned char& r, unsigned char& g, unsigned char& b) override {
    calls.push_back("read " + std::to_string(x) + "," + std::to_string(y));
    r = pickPixel[0];
    g = pickPixel[1];
    b = pickPixel[2];
    return true;
  }
  void setPickPixel(int r, int g, int b) {
    pickPixel[0] = static_cast<unsigned char>(r);
    pickPixel[1] = static_cast<unsigned char>(g);
    pickPixel[2] = static_cast<unsigned char>(b);
  }

  std::vector<std::string> calls;
  bool shift = false;  // held during the key events that follow
  unsigned char pickPixel[3] = {254, 254, 254};
  std::vector<std::string> worldTexts;
  unsigned nextTexture = 1;
};

}  // namespace tftest
