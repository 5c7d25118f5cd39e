// Keyboard and mouse: the seven callbacks the window toolkit calls, turning
// events into the key and mouse state and routing them by game and input
// state. Their arguments are the toolkit's plain codes (core/keys.h), so they
// run the same without a window; what needs the window (the pointer's
// unprojection, pick passes, the shift key) is asked of the platform.
#pragma once

namespace tf {

void keyboard(unsigned char key, int x, int y);
void keyboardUp(unsigned char key, int x, int y);
void processSpecialKeys(int key, int x, int y);
void specialKeysUp(int key, int x, int y);
void mouse(int button, int state, int x, int y);
void mousePassive(int x, int y);
void mouseDrag(int x, int y);

// Stores the pointer in window pixels, in overlay units and in world units.
void updateMousePos(int x, int y);

}  // namespace tf
