// Truncation that cannot overflow, and the writers' float form.
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(Numbers, TruncationGoesTowardZeroAndHoldsAtTheEnds) {
  EXPECT_EQ(tf::truncToInt(2.9), 2);
  EXPECT_EQ(tf::truncToInt(-2.9), -2);
  EXPECT_EQ(tf::truncToInt(-1.0), -1);
  EXPECT_EQ(tf::truncToInt(1e30), INT_MAX);
  EXPECT_EQ(tf::truncToInt(-1e30), INT_MIN);
  EXPECT_EQ(tf::truncToInt(std::nan("")), 0);
}

TEST(Numbers, FloatsAreWrittenWithSixSignificantDigits) {
  EXPECT_EQ(tf::formatFloat(1.0), "1");
  EXPECT_EQ(tf::formatFloat(0.5), "0.5");
  EXPECT_EQ(tf::formatFloat(1.23456789), "1.23457");
  EXPECT_EQ(tf::formatFloat(400.25), "400.25");
  EXPECT_EQ(tf::formatFloat(0.00001), "1e-05");
  EXPECT_EQ(tf::formatFloat(0.1f), "0.1");
}

TEST(Numbers, IntegerArgumentsReadLikeAtoiWithoutOverflow) {
  EXPECT_EQ(tf::parseIntOrZero("3"), 3);
  EXPECT_EQ(tf::parseIntOrZero(" -4x"), -4);
  EXPECT_EQ(tf::parseIntOrZero("abc"), 0);
  EXPECT_EQ(tf::parseIntOrZero(""), 0);
  EXPECT_EQ(tf::parseIntOrZero("99999999999999"), INT_MAX);
}

}  // namespace
