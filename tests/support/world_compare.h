// Compares two game worlds as far as the game files store them (floats to
// the six significant digits the files keep), naming the first difference.
#pragma once

#include <gtest/gtest.h>

#include "game/world.h"

namespace tftest {

::testing::AssertionResult sameStoredWorld(const tf::gameWorld& expected, const tf::gameWorld& actual);

// Object i of `map` as "x y w h tex layer / obw obh" (floats in six digits).
std::string objectText(const tf::gameMap& map, int i);
// Object `obj` of map `m`, the same way.
std::string objectText(const tf::gameWorld& game, int obj, int m);
// A sentence as "owner: step0 ... step7".
std::string sentenceText(const tf::sentence& s);

}  // namespace tftest
