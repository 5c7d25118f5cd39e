// Number conversions shared by the file readers and writers: stored numbers
// truncated to integers without overflow, and the short decimal form in which
// every file writes its floats.
#pragma once

#include <string>

namespace tf {

// Truncates toward zero; values beyond the int range are held at its ends and a
// value that is not a number gives 0, so no stored number can overflow.
int truncToInt(double value);

// The shortest general form with up to six significant digits (1, 0.5, 1.23457,
// 1e-05): the form a default output stream gives.
std::string formatFloat(double value);

// a + b held within the int range, so that scores never overflow.
int saturatedSum(long long a, long long b);

// Reads a whole decimal integer such as a console or file argument; text that is
// not a number reads as 0, as the C library's atoi would, but without overflow.
int parseIntOrZero(const std::string& text);

}  // namespace tf
