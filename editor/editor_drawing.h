// The editors' screens live in the display-free library; their drawing, in
// the window's, is installed into them once the program has a window.
#pragma once

namespace tf {

// Gives each editor screen that draws its drawing (editor_drawing_gl.cpp).
void installEditorDrawing();

}  // namespace tf
