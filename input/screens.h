// The one table of who takes the events: the screens of each game state and,
// in the world editor, of each editor mode, in the order they are asked. The
// input callbacks hand every key, button, drag, colour code and map hit to
// the row of the current state; the frame draws the row's layers.
#pragma once

#include <vector>

#include "core/screen.h"

namespace tf {

// The screens of one row, asked in order.
class ScreenRow {
 public:
  static constexpr int kMaxScreens = 8;

  void add(Screen& screen);
  Screen* const* begin() const { return screens_; }
  Screen* const* end() const { return screens_ + count_; }
  int size() const { return count_; }

  // Each asks the screens in order until one takes the event.
  bool key(unsigned char key, int modifiers) const;
  bool specialKey(int key, int modifiers) const;
  bool button(const ButtonEvent& e) const;
  bool pick(const PickEvent& e) const;
  bool pickAfterMenus(const PickEvent& e) const;
  // Each goes to every screen of the row.
  void buttonMissed(const ButtonEvent& e) const;
  void drag(const DragEvent& e) const;
  void mapHit(const MapHit& hit) const;
  void draw(ScreenLayer layer, bool picking) const;
  // The colour codes of every screen of the row.
  std::vector<PickList> picks() const;

 private:
  // Asks each screen in order until one returns true.
  template <typename... Params, typename... Args>
  bool ask(bool (Screen::*entry)(Params...), const Args&... args) const {
    for (Screen* s : *this) {
      if ((s->*entry)(args...)) return true;
    }
    return false;
  }
  // Tells every screen.
  template <typename... Params, typename... Args>
  void tell(void (Screen::*entry)(Params...), const Args&... args) const {
    for (Screen* s : *this) (s->*entry)(args...);
  }

  Screen* screens_[kMaxScreens] = {};
  int count_ = 0;
};

// The row of game state `gameState` with editor mode `editorMode`.
ScreenRow screensFor(int gameState, int editorMode);
// The row of the current game state and editor mode.
ScreenRow currentScreens();

// The current menu with what the screens of the current state draw under and
// over its elements (screens_gl.cpp).
void renderMenus();

}  // namespace tf
