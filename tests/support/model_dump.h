// Everything the editors can change (the world's maps and phrases, the image
// animations, the menus) written out as text with floats in their exact
// hexadecimal form, so that two states compare exactly and a difference shows
// as the first line that differs.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/world.h"

namespace tftest {

// Maps (size, name, tiles, layers, fog, stretch, global logic, every field of
// every object with its local logic) and phrases.
std::string worldDump(const tf::gameWorld& game);
// The same as far as the game files keep it: floats in their six digits, and
// nothing of play (labels, life, visibility, scores).
std::string storedWorldDump(const tf::gameWorld& game);
// The world, the animation settings of the game and menu images, and every
// menu of gameUI with its background, buttons, textboxes and text lines.
std::string editableDump();

// Success when the texts are equal; otherwise the first line that differs.
::testing::AssertionResult sameDump(const std::string& expected, const std::string& actual);

}  // namespace tftest
