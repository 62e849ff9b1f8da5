// The significant decimal digits of an 80-bit value, correctly rounded.
#pragma once

#include <string>

namespace tavrik {

// |x| rounded to `precision` significant digits (1..18), ties to even on the
// exact binary value, trailing zeros dropped; `exponent` is e with
// |x| = 0.d1d2… × 10^e. Zero gives no digits and exponent 0. x must be finite.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits ToDecimalDigits(long double x, int precision);

}  // namespace tavrik
