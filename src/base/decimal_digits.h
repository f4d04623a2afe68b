// A binary floating-point value's decimal digits, exactly: what printf would print, without
// printf, whose floating-point half would more than double the executable's library code.
#pragma once

#include <string>

namespace tamarak {

// |value| = 0.<digits> x 10^point, every digit exact (a double has at most 767 of them); no
// leading zeros, and no digits at all for zero.
struct DecimalDigits {
  std::string digits;
  int point = 0;
};
DecimalDigits exact_digits(double value);

// |value| with `count` significant digits, rounded to nearest, ties to even, as printf's "%.*e"
// rounds them: the digits and the power of ten of the first. Zero gives zeros and power 0.
DecimalDigits significant_digits(double value, int count);

// An integral value in full, as printf's "%.0f" writes it: "-" before a negative value or -0.
std::string integral_text(double value);

}  // namespace tamarak
