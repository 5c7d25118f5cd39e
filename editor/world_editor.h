// Entering and leaving the world editor and its screens, play-testing from it,
// and the editor's camera rules (edge scrolling, bounds) and object adding.
#pragma once

#include <string>

namespace tf {

// Opens game `game` in the world editor, on the editor main menu.
void loadGameEditor(const std::string& game);
// Leaves the editor (from the editor or its dialogs) and the game.
void leaveGameEditor();
// The editing screen, and back to the editor main menu.
void editGame();
void editMenu();
// Starts play-testing the edited game, and returns to the editor afterwards;
// nothing that happened during the test survives it.
void enterTest();
void returnToEditor();
// Moves the camera when the pointer rests at a window edge; true when it moved.
bool editorScroll(float speed);
// Lets the camera drift back when it has left the map.
void checkEditorCamera();
// Adds an object at the camera and selects it.
void addObject();

// Clears the editors' selection: the animated image, the menu editor's
// button, textbox and text line, the tile and its range, the object and the
// multiple selection; mode 0 and the first block of help lines.
void resetEditorSelection();

}  // namespace tf
