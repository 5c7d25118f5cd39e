// A working folder laid out as the program's data tree (the toolkit's menus,
// in-game menus, help and default images) with games written into games/
// through the real file writers, and every global the game lifecycle touches
// reset around each test. The platform records each loading-screen frame with
// what the world held at that moment; the sound device records what it did.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "game/world.h"
#include "recording_audio.h"
#include "recording_platform.h"
#include "temp_dir.h"

namespace tftest {

struct LoadingFrame {
  std::string message;
  bool gameLoaded = false;  // world.getGameLoaded() when it was shown
};

class LifecyclePlatform : public RecordingPlatform {
 public:
  void showLoadingScreen(const std::string& message, float percent) override;

  std::vector<LoadingFrame> frames;
};

// A help file of one topic under `title`.
std::string helpFileText(const std::string& title);

// A game of two maps with tiles, named objects, global and local logic and
// phrases.
tf::gameWorld sampleGame();

class GameTree : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes games/<name>: map.cfg and logic.cfg of `game`, its menus (line 0
  // of menu m reads "<name> menu <m>"), its help ("<name> Help"), one sound
  // and one image in each of its image folders. `mapFileExtra` is appended
  // to map.cfg. The toolkit's menus read "toolkit menu <m>" and start on
  // menu 1; its help is "Toolkit Help".
  void writeGame(const std::string& name, const tf::gameWorld& game, const std::string& mapFileExtra = "");
  // Line 0 of the menu shown ("" when it has none).
  std::string shownMenuText() const;

  ScopedWorkDir dir;
  LifecyclePlatform platform;
  RecordingAudio audio;

 private:
  void writeToolkit();
};

// Copies the toolkit's shipped system, map and ui folders and its game
// data/games/<name> into `dir`.
void copyShippedGame(const ScopedWorkDir& dir, const std::string& name);

// Every global the lifecycle touches, back to the state of a program that
// has loaded nothing.
void resetLifecycleGlobals();

// The notice on display as "title | message"; "(none)" when none is shown.
std::string shownNotice();
// The editors' selection in one line: "mode M tiles X,Y X,Y X,Y object O list
// N:FIRST anim A ui B,T,L help H tip T layers 11111111" (current, starting and
// ending tile; button, textbox, text line).
std::string editorState();
// Sets the editors' selection as an earlier session may have left it, none of it at its start value.
void dirtyEditor();
// The camera's position as "x y z".
std::string cameraAt();
// Numbers separated by blanks, to compare several at once: "-1 0 3".
std::string joined(std::initializer_list<long long> values);

}  // namespace tftest
