#include "calc/binary_rounding.h"

#include "calc/double_bits.h"

#include <bit>

namespace calc {
namespace {

using double_bits::sign_bit;
constexpr int min_unit_exponent = -1074; // the last place of every subnormal double
constexpr int significand_bits = 53;
constexpr std::uint64_t infinity_bits = 0x7FF0000000000000u;

// Composes a double from `kept * 2^unit_exponent`, where kept < 2^53 is already rounded.
// Adding the significand onto the exponent field lets a carry out of the significand (kept
// reaching 2^53, or a subnormal reaching 2^52) step the exponent up by itself.
double compose(bool negative, std::uint64_t kept, int unit_exponent) noexcept {
    std::uint64_t bits =
        (static_cast<std::uint64_t>(unit_exponent - min_unit_exponent) << 52) + kept;
    if (bits >= infinity_bits) bits = infinity_bits;
    if (negative) bits |= sign_bit;
    return std::bit_cast<double>(bits);
}

double signed_infinity(bool negative) noexcept {
    return std::bit_cast<double>(infinity_bits | (negative ? sign_bit : 0u));
}

} // namespace

double round_to_nearest_double(bool negative, std::uint64_t significand, int exponent,
                               bool inexact) noexcept {
    if (significand == 0) return negative ? -0.0 : 0.0;
    int top = exponent + 63 - std::countl_zero(significand); // floor(log2 |value|)
    if (top > 1023) return signed_infinity(negative);
    int unit_exponent = top - (significand_bits - 1);
    if (unit_exponent < min_unit_exponent) unit_exponent = min_unit_exponent;
    int drop = unit_exponent - exponent;

    std::uint64_t kept = 0;
    bool half = false;     // the first dropped bit
    bool beyond = inexact; // anything after it
    if (drop <= 0) {
        kept = significand << -drop; // exact: fewer than 53 bits were given
    } else if (drop <= 64) {
        kept = drop == 64 ? 0 : significand >> drop;
        half = ((significand >> (drop - 1)) & 1u) != 0;
        std::uint64_t below_half = drop == 1 ? 0 : significand << (65 - drop);
        beyond = beyond || below_half != 0;
    } else {
        beyond = true; // the whole value lies below half a unit of the smallest subnormal
    }
    if (half && (beyond || (kept & 1u) != 0)) ++kept;
    return compose(negative, kept, unit_exponent);
}

double shorten_exact_value(bool negative, UInt128 bits, int exponent) noexcept {
    if (is_zero(bits)) return negative ? -0.0 : 0.0;
    int drop = bit_length(bits) - significand_bits;
    if (drop <= 0) {
        return compose(negative, bits.low << -drop, exponent + drop);
    }
    std::uint64_t kept = shift_right(bits, drop).low;
    bool first_dropped = low_bits_set(shift_right(bits, drop - 1), 1);
    bool after_second = low_bits_set(bits, drop - 2);
    if (first_dropped && after_second) ++kept;
    return compose(negative, kept, exponent + drop);
}

} // namespace calc
