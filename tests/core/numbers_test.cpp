// Truncation and integer reading that cannot overflow, and the writers' float form.
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(Numbers, TruncationSumsAndParsingHoldAtTheEndsOfTheIntRange) {
  for (auto t : {std::pair<double, int>{2.9, 2}, {-2.9, -2}, {1e30, INT_MAX}, {-1e30, INT_MIN}, {NAN, 0}}) {
    EXPECT_EQ(tf::truncToInt(t.first), t.second) << t.first;
  }
  EXPECT_EQ(tf::saturatedSum(INT_MAX, 1), INT_MAX);
  EXPECT_EQ(tf::saturatedSum(INT_MIN, -1LL * INT_MAX), INT_MIN);
  EXPECT_EQ(tf::saturatedSum(5, -7), -2);
  for (auto p : {std::pair<const char*, int>{"3", 3}, {" -4x", -4}, {"abc", 0}, {"", 0},
                 {"99999999999999", INT_MAX}, {"-99999999999999", INT_MIN}}) {
    EXPECT_EQ(tf::parseIntOrZero(p.first), p.second) << p.first;
  }
}

TEST(Numbers, FloatsAreWrittenWithSixSignificantDigits) {
  for (auto c : {std::pair<double, const char*>{1.0, "1"}, {0.5, "0.5"}, {1.23456789, "1.23457"}, {0.00001, "1e-05"},
                 {0.1f, "0.1"}}) {
    EXPECT_EQ(tf::formatFloat(c.first), c.second) << c.first;
  }
}

}  // namespace
