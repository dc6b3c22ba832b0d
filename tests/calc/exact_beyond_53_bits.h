#pragma once
// Shared by the conversion tests and the round-trip fuzz target: which decimal values the
// conversion's own shortening decides instead of nearest rounding.
#include <bit>
#include <cstdint>

#include "calc/uint128.h"

namespace calc_test {

// True when digits * 10^exponent is exact in 80 bits but not in 53: there the conversion's
// own shortening decides (halfway and three-quarter cases are cut off), not nearest rounding.
inline bool exact_beyond_53_bits(std::uint64_t digits, int exponent) {
    if (digits == 0) return false;
    calc::UInt128 odd{0, digits >> std::countr_zero(digits)};
    if (exponent >= 0) {
        for (int i = 0; i < exponent && calc::bit_length(odd) <= 80; ++i) {
            odd = calc::multiply_add(odd, 5, 0);
        }
        return calc::bit_length(odd) > 53 && calc::bit_length(odd) <= 80;
    }
    std::uint64_t n = digits;
    for (int i = 0; i < -exponent; ++i) {
        if (n % 5 != 0) return false;
        n /= 5;
    }
    return 64 - std::countl_zero(n >> std::countr_zero(n)) > 53;
}

} // namespace calc_test
