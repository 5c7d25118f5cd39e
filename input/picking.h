// Selection-buffer picking: the map is drawn once more around the pointer in
// the graphics library's selection mode, and the front-most name recorded
// tells which object or tile lies under the pointer. In play the object
// becomes the world's selected object and the mouse logic runs; in the world
// editor the hit goes to the editor's selection.
#pragma once

namespace tf {

// One selection pass at the pointer (play, world editor, play-test only).
void renderPick();
// Enters selection mode with `buffer` (kSelectBufferSize entries) and a pick
// region of 5 x 5 pixels around window pixel (x, y), y counted from the top.
void startPicking(int x, int y, unsigned int* buffer);
// Leaves selection mode; the number of hit records now in `buffer`
// (negative when they did not fit).
int stopPicking(unsigned int* buffer);
// Acts on the front-most of the `hits` records in `buffer`.
void processHits(int hits, unsigned int* buffer);

}  // namespace tf
