// Safe truncation and the writers' float format.
#include "core/numbers.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tf {

int truncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

int saturatedSum(long long a, long long b) {
  // Both summands come from ints (or their negation), so the sum fits.
  long long sum = a + b;
  if (sum > INT_MAX) return INT_MAX;
  if (sum < INT_MIN) return INT_MIN;
  return static_cast<int>(sum);
}

std::string formatFloat(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

int parseIntOrZero(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  long long value = std::strtoll(start, &end, 10);
  if (end == start) return 0;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace tf
