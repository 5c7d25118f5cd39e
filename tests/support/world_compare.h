// Compares two game worlds field by field, as far as the game files store
// them (floats to the six significant digits the files keep).
#pragma once

#include <gtest/gtest.h>

#include "game/world.h"

namespace tftest {

::testing::AssertionResult sameStoredWorld(const tf::gameWorld& expected, const tf::gameWorld& actual);

}  // namespace tftest
