// Rounding a binary value, given as an integer significand and a power of two, to a double.
// Shared by the extended-precision arithmetic and the text-to-number conversion.
#pragma once

#include <cstdint>

#include "calc/uint128.h"

namespace calc {

// The double nearest to (significand + f) * 2^exponent, where f is 0 when `inexact` is false
// and some fraction strictly between 0 and 1 otherwise; ties go to the even neighbour.
// Subnormal results are rounded at their own precision, values too large give infinity.
// When `inexact` is true the significand must carry at least two bits below the result's last
// place (the caller guarantees it), so that f cannot change which way the rounding goes.
double round_to_nearest_double(bool negative, std::uint64_t significand, int exponent,
                               bool inexact) noexcept;

// The conversion's own shortening of an exact value bits * 2^exponent (bits below 2^80, in
// the range of normal doubles) to 53 bits: away from zero only when the first dropped bit is 1
// and some bit after the second dropped bit is 1; otherwise the dropped bits are cut off.
double shorten_exact_value(bool negative, UInt128 bits, int exponent) noexcept;

} // namespace calc
