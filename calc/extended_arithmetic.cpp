#include "calc/extended_arithmetic.h"

#include <bit>
#include <cstdint>

#include "calc/binary_rounding.h"
#include "calc/double_bits.h"
#include "calc/uint128.h"

namespace calc {
namespace {

using double_bits::exponent_mask;
using double_bits::fraction_mask;
using double_bits::sign_bit;
constexpr std::uint64_t quiet_bit = 0x0008000000000000u;
// The x87 "indefinite" NaN, its answer to an invalid operation.
constexpr std::uint64_t indefinite_bits = 0xFFF8000000000000u;

enum class Kind { zero, finite, infinity, nan };

// A double taken apart: for finite non-zero values, |value| = significand * 2^exponent with
// the significand normalised to exactly 53 bits (subnormals included).
struct Unpacked {
    Kind kind;
    bool negative;
    std::uint64_t significand;
    int exponent;
};

Unpacked unpack(double value) noexcept {
    auto bits = std::bit_cast<std::uint64_t>(value);
    bool negative = (bits & sign_bit) != 0;
    int biased = static_cast<int>((bits & exponent_mask) >> 52);
    std::uint64_t fraction = bits & fraction_mask;
    if (biased == 0x7FF) return {fraction != 0 ? Kind::nan : Kind::infinity, negative, 0, 0};
    if (biased == 0 && fraction == 0) return {Kind::zero, negative, 0, 0};
    if (biased == 0) {
        int shift = std::countl_zero(fraction) - 11;
        return {Kind::finite, negative, fraction << shift, -1074 - shift};
    }
    return {Kind::finite, negative, fraction | (fraction_mask + 1), biased - 1075};
}

double quiet(double nan) noexcept {
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(nan) | quiet_bit);
}

double indefinite() noexcept {
    return std::bit_cast<double>(indefinite_bits);
}

double signed_zero(bool negative) noexcept {
    return negative ? -0.0 : 0.0;
}

double signed_infinity(bool negative) noexcept {
    return std::bit_cast<double>(exponent_mask | (negative ? sign_bit : 0u));
}

// Rounds the exact value |v| = (wide + f) * 2^exponent (f in (0,1) when `inexact`) first to a
// 64-bit significand and then to a double. The extended exponent range is never exceeded:
// results of operations on doubles lie between 2^-2150 and 2^2100, far inside 2^+-16382.
double round_twice(bool negative, UInt128 wide, int exponent, bool inexact) noexcept {
    int length = bit_length(wide);
    // Bring the highest set bit to bit 127; the top 64 bits are then the extended significand.
    wide = shift_left(wide, 128 - length);
    exponent -= 128 - length;
    std::uint64_t extended = wide.high;
    bool half = (wide.low >> 63) != 0;
    bool beyond = (wide.low << 1) != 0 || inexact;
    int extended_exponent = exponent + 64;
    if (half && (beyond || (extended & 1u) != 0)) {
        ++extended;
        if (extended == 0) { // carried out of 64 bits: 2^64 = 2^63 * 2
            extended = sign_bit;
            ++extended_exponent;
        }
    }
    return round_to_nearest_double(negative, extended, extended_exponent, false);
}

double add_unpacked(Unpacked a, Unpacked b) noexcept {
    // Let a be the operand of larger magnitude.
    if (a.exponent < b.exponent || (a.exponent == b.exponent && a.significand < b.significand)) {
        Unpacked swap = a;
        a = b;
        b = swap;
    }
    // Both significands are 53 bits; placing them 64 bits up leaves room for 64 bits of the
    // smaller operand to be shifted out exactly, and beyond that they are jammed into bit 0,
    // far below the bits that decide the 64-bit rounding.
    int distance = a.exponent - b.exponent;
    UInt128 larger = shift_left(UInt128{0, a.significand}, 64);
    UInt128 smaller = shift_right_jam(shift_left(UInt128{0, b.significand}, 64), distance);
    UInt128 sum = a.negative == b.negative ? add(larger, smaller) : subtract(larger, smaller);
    if (is_zero(sum)) return 0.0; // exact cancellation gives +0 when rounding to nearest
    return round_twice(a.negative, sum, a.exponent - 64, false);
}

double add_values(double a, double b) noexcept {
    Unpacked x = unpack(a), y = unpack(b);
    if (x.kind == Kind::nan) return quiet(a);
    if (y.kind == Kind::nan) return quiet(b);
    if (x.kind == Kind::infinity && y.kind == Kind::infinity) {
        return x.negative == y.negative ? a : indefinite(); // inf - inf is invalid
    }
    if (x.kind == Kind::infinity) return a;
    if (y.kind == Kind::infinity) return b;
    if (x.kind == Kind::zero && y.kind == Kind::zero) {
        return signed_zero(x.negative && y.negative); // -0 only for -0 + -0
    }
    if (x.kind == Kind::zero) return b;
    if (y.kind == Kind::zero) return a;
    return add_unpacked(x, y);
}

} // namespace

double extended_add(double a, double b) noexcept {
    return add_values(a, b);
}

double extended_subtract(double a, double b) noexcept {
    // a - b is a + (-b) exactly, NaN operands included (their sign does not matter).
    return add_values(a, std::bit_cast<double>(std::bit_cast<std::uint64_t>(b) ^ sign_bit));
}

double extended_multiply(double a, double b) noexcept {
    Unpacked x = unpack(a), y = unpack(b);
    if (x.kind == Kind::nan) return quiet(a);
    if (y.kind == Kind::nan) return quiet(b);
    bool negative = x.negative != y.negative;
    if ((x.kind == Kind::infinity && y.kind == Kind::zero) ||
        (x.kind == Kind::zero && y.kind == Kind::infinity)) {
        return indefinite();
    }
    if (x.kind == Kind::infinity || y.kind == Kind::infinity) return signed_infinity(negative);
    if (x.kind == Kind::zero || y.kind == Kind::zero) return signed_zero(negative);
    // The 106-bit product is exact.
    return round_twice(negative, multiply(x.significand, y.significand), x.exponent + y.exponent,
                       false);
}

double extended_divide(double a, double b) noexcept {
    Unpacked x = unpack(a), y = unpack(b);
    if (x.kind == Kind::nan) return quiet(a);
    if (y.kind == Kind::nan) return quiet(b);
    bool negative = x.negative != y.negative;
    if ((x.kind == Kind::zero && y.kind == Kind::zero) ||
        (x.kind == Kind::infinity && y.kind == Kind::infinity)) {
        return indefinite();
    }
    if (x.kind == Kind::infinity || y.kind == Kind::zero) return signed_infinity(negative);
    if (x.kind == Kind::zero || y.kind == Kind::infinity) return signed_zero(negative);

    // Long division of the 53-bit significands, one quotient bit per step. With both in
    // [2^52, 2^53) the quotient x/y lies in (1/2, 2); 68 fraction bits give at least 67
    // significant bits, and the remainder tells whether anything is left below them.
    constexpr int fraction_steps = 68;
    std::uint64_t remainder = x.significand;
    std::uint64_t divisor = y.significand;
    UInt128 quotient{0, remainder >= divisor ? 1u : 0u};
    if (remainder >= divisor) remainder -= divisor;
    for (int step = 0; step < fraction_steps; ++step) {
        remainder <<= 1; // below 2^54: no overflow
        bool bit = remainder >= divisor;
        if (bit) remainder -= divisor;
        quotient = shift_left(quotient, 1);
        quotient.low |= bit ? 1u : 0u;
    }
    return round_twice(negative, quotient, x.exponent - y.exponent - fraction_steps,
                       remainder != 0);
}

} // namespace calc
