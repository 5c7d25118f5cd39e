// Entering and leaving the world editor and its screens, play-testing from it,
// the editor's camera rules (edge scrolling, bounds), adding objects and
// selecting tiles, the fog controls, what the map shows of the editor, and
// the editors' part as games and maps come and go.
#pragma once

#include <string>

#include "game/lifecycle.h"
#include "logic/game_render.h"

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
// Moves the camera by speed x 0.06 when the pointer rests at a window edge,
// staying on the map; true when it moved. Nothing while the image chooser or
// the macro menu is open or a logic editor is shown.
bool editorScroll(float speed);
// Lets the camera drift back when it has left the map.
void checkEditorCamera();
// Adds an object at the camera and selects it.
void addObject();
// The map's selection pass hit tile (column, row) of the current map: it
// becomes the selection. Tiles off the map are ignored.
void editorSelectTile(int column, int row);
// The right button or Shift on tile (column, row) grows the tile range to
// it: in each axis a coordinate below the range's start becomes its start,
// any other its end.
void editorExtendTileRange(int column, int row);
// The arrow keys in tile mode: the current tile moves by (dx, dy), or with
// `extend` the range's ending corner does, never before the starting corner;
// both stay on the map, and the camera follows.
void moveTileSelection(int dx, int dy, bool extend);

// Clears the editors' selection: the animated image, the menu editor's
// button, textbox and text line, the tile and its range, the object and the
// multiple selection; mode 0 and the first block of help lines.
void resetEditorSelection();

// What the editors do as games and maps come and go (installed into the game
// lifecycle at start-up).
void editorFollowLifecycle(LifecycleEvent event);

// What the map shows of the world editor this frame.
MapEditView worldEditorMapView();

// The world editor's fog controls on the current map: 21 fog on/off, 22/23
// density +/-0.1, 24/25 red, 26/27 green, 28/29 blue (no clamping).
void menuFunction(int function);

// F9: the map's grid on or off.
void toggleWireframe();

// Button functions of the editors: open the game named in UI string
// `string` in the world editor; delete the current map (the confirming
// button of its dialog); show the toolkit's welcome window.
void editNamedGame(int string);
void deleteCurrentMap();
void showToolkitWelcome();

}  // namespace tf
