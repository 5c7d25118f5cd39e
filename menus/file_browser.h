// The game browser: a window listing the game folders under games/ from which
// the user picks a name for a menu textbox. This module lays the list out
// (which rows show, scrolling, the selected row) and handles its clicks; the
// drawing is in file_browser_gl.cpp.
#pragma once

#include <string>
#include <vector>

#include "core/screen.h"

namespace tf {

// At most this many rows show at once; the down arrow shows from 13 rows on.
constexpr int kBrowserRowsShown = 14;
constexpr int kBrowserRowsBeforeArrow = 12;
// A second click on the selected row within this time takes it.
constexpr int kBrowserDoubleClickMs = 500;

struct BrowserRow {
  int index = 0;       // into the list of game folders
  int y = 0;
  int width = 0;       // of the name's text
  bool selected = false;
  std::string label;   // the name, in yellow when selected
};

struct BrowserLayout {
  std::vector<BrowserRow> rows;
  bool upArrow = false;
  bool downArrow = false;
};

// The browser is open while a textbox waits for its choice.
bool browserOpen();
// The rows shown from the first row (`lastDir`) on.
BrowserLayout layoutBrowser();

// The selected name goes into the waiting textbox's string and the browser
// closes (the Enter key).
void browserTakeSelection();
// The check mark: the same, with the selection sound.
void browserConfirm();
// The cross: closes without a choice.
void browserCancel();
// A click on row `index`: selects it, or takes it when it is the selected row
// clicked again within 500 ms.
void browserClickRow(int index);
// The arrows: one row further down or up the list, while there is room.
void browserScrollDown();
void browserScrollUp();

// The browser's colour codes, each on a left press: the check mark and the
// cross, a row, the two arrows. True for any of its codes.
bool browserPick(const PickEvent& e);

// Draws the browser when it is open (file_browser_gl.cpp).
void renderFileBrowser();

}  // namespace tf
