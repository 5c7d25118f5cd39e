// A small game laid out in the globals the editors change: two maps with
// tiles, objects, global and local logic that name objects, phrases, game and
// menu images with animations, and two menus; an empty history of edits.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editor/edit_history.h"
#include "game/world.h"
#include "game_tree.h"
#include "media/images.h"
#include "menus/ui_model.h"
#include "model_dump.h"

namespace tftest {

// Objects on map 0; map 1 has none.
constexpr int kFixtureObjects = 7;
constexpr int kFixtureGameImages = 210;
constexpr int kFixtureMenuImages = 12;

class EditFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    resetLifecycleGlobals();
    tf::editHistoryLog.clear();
    layOutGame();
    layOutImages();
    layOutMenus();
  }
  void TearDown() override {
    tf::editHistoryLog.clear();
    resetLifecycleGlobals();
  }

  // Sentence of the given slots, appended to the global logic of map m
  // (obj -1) or the local logic of object obj.
  static void addSentence(int m, int obj, std::initializer_list<int> steps) {
    tf::sentence s;
    int slot = 0;
    for (int step : steps) s.setSentenceStep(slot++, step);
    s.assignOwner(obj < 0 ? m : obj);
    if (obj < 0) {
      tf::world.mapGlobalAppendSentence(m, s);
    } else {
      tf::world.mapLocalAppendSentence(obj, m, s);
    }
  }

 private:
  static void layOutGame() {
    tf::gameWorld& w = tf::world;
    w.allocateMaps(2);
    w.worldSetMap(6, 5, "Field", 0);
    for (int x = 0; x < 6; ++x) w.worldSetTile(x + 1, x, x % 5, 0);
    for (int i = 0; i < kFixtureObjects; ++i) {
      w.worldSetObject(0.3f * i, 0.1f * i, 0.1f, 0.15f, 200 + i, i % 3, i, 0);
      w.worldSetObjectName("O" + std::to_string(i), i, 0);
    }
    addSentence(0, -1, {100, 6, 300, 400, 5, 600, 708, 3});  // When object 6 is touching 5 then kill object 3
    addSentence(0, -1, {126, 4, 300, 426, 2, 600, 745, 9});  // global scores only
    addSentence(0, 6, {104, 0, 300, 400, 0, 600, 710, 6});   // Up pressed: move object 6 (itself) up
    addSentence(0, 1, {100, 2, 300, 401, 4, 600, 714, 5});
    addSentence(0, 3, {128, 0, 300, 400, 0, 600, 714, 3});   // Do once: hide object 3 (itself)
    w.worldSetMap(3, 3, "Cave", 1);
    w.worldSetTile(9, 2, 2, 1);
    addSentence(1, -1, {102, 0, 300, 400, 0, 600, 748, 0});  // read from a file: a map without objects
    w.setPhrase(0, "Hello");
    w.setPhrase(3, "Bye");
    w.setGameName("editgame");
    w.setGameLoaded(true);
  }

  static void layOutImages() {
    tf::gameImg.assign(kFixtureGameImages, tf::img());
    tf::world.setGameImageCount(kFixtureGameImages);
    tf::gameImg[201].startAnimation(3, 200);
    tf::uiImage.assign(kFixtureMenuImages, tf::img());
    tf::gameUI.setUIImageCount(kFixtureMenuImages);
    tf::uiImage[4].startAnimation(9, 1000);
  }

  static void layOutMenus() {
    tf::UI& ui = tf::gameUI;
    ui.allocateMenu(2);
    ui.setMenuBackgroundTex(0, 1);
    ui.uiModifyButton(400, 300, 50, 20, 2, 7, 0, 0, 0);
    ui.uiModifyButton(400, 360, 50, 20, 3, 16, 1, 0, 1);
    ui.uiModifyTextbox(300, 200, 100, 12, 0, 0, 0);
    ui.uiSetLinkedButton(7, 0, 0);
    for (int l = 0; l < 3; ++l) ui.uiModifyText(20, 40.0f * l, 1, 1, 0, "line " + std::to_string(l), 0, l);
    ui.setMenuBackgroundTex(1, 5);
    ui.uiModifyButton(100, 100, 30, 30, 6, 8, 0, 1, 0);
    ui.uiModifyText(10, 10, 0, 1, 0, "^yTitle", 1, 0);
  }
};

}  // namespace tftest
