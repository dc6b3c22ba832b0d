// 128-bit truncated powers of five, 5^q = (mantissa + d) * 2^binary_exponent with 0 <= d < 1
// and the mantissa in [2^127, 2^128), for q from -350 to 308: the range of decimal exponents
// for which text-to-number needs a value at all.
#pragma once

#include <cstdint>

#include "calc/uint128.h"

namespace calc {

struct PowerOfFive {
    UInt128 mantissa;
    int binary_exponent;
};

inline constexpr int smallest_power_of_five = -350;
inline constexpr int largest_power_of_five = 308;

PowerOfFive power_of_five(int exponent) noexcept; // exponent within the range above

} // namespace calc
