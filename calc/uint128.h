// A 128-bit unsigned integer built from two 64-bit halves. The arithmetic core must give the
// same bits on every host, including 32-bit ones without a native 128-bit type, so the wide
// products are written out by hand.
#pragma once

#include <bit>
#include <cstdint>

namespace calc {

struct UInt128 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    friend constexpr bool operator==(const UInt128&, const UInt128&) = default;
};

constexpr bool is_zero(UInt128 value) noexcept {
    return (value.high | value.low) == 0;
}

// Number of bits up to and including the highest set bit (0 for zero).
constexpr int bit_length(UInt128 value) noexcept {
    if (value.high != 0) return 128 - std::countl_zero(value.high);
    return 64 - std::countl_zero(value.low);
}

constexpr UInt128 add(UInt128 a, UInt128 b) noexcept {
    std::uint64_t low = a.low + b.low;
    return {a.high + b.high + (low < a.low ? 1u : 0u), low};
}

// a - b for a >= b.
constexpr UInt128 subtract(UInt128 a, UInt128 b) noexcept {
    return {a.high - b.high - (a.low < b.low ? 1u : 0u), a.low - b.low};
}

constexpr bool less(UInt128 a, UInt128 b) noexcept {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
}

constexpr UInt128 shift_left(UInt128 value, int bits) noexcept {
    if (bits <= 0) return value;
    if (bits >= 128) return {};
    if (bits >= 64) return {value.low << (bits - 64), 0};
    return {(value.high << bits) | (value.low >> (64 - bits)), value.low << bits};
}

constexpr UInt128 shift_right(UInt128 value, int bits) noexcept {
    if (bits <= 0) return value;
    if (bits >= 128) return {};
    if (bits >= 64) return {0, value.high >> (bits - 64)};
    return {value.high >> bits, (value.low >> bits) | (value.high << (64 - bits))};
}

// True when any of the lowest `bits` bits is set.
constexpr bool low_bits_set(UInt128 value, int bits) noexcept {
    if (bits <= 0) return false;
    if (bits >= 128) return !is_zero(value);
    return !is_zero(subtract(value, shift_left(shift_right(value, bits), bits)));
}

// Shift right, folding every bit shifted out into the lowest bit ("sticky" or "jam"), so
// that rounding later still sees that the value was not exact.
constexpr UInt128 shift_right_jam(UInt128 value, int bits) noexcept {
    if (bits <= 0) return value;
    bool lost = low_bits_set(value, bits);
    UInt128 result = shift_right(value, bits);
    result.low |= lost ? 1u : 0u;
    return result;
}

// The full 128-bit product of two 64-bit numbers, from four 32 x 32 products.
constexpr UInt128 multiply(std::uint64_t a, std::uint64_t b) noexcept {
    constexpr std::uint64_t mask = 0xFFFFFFFFu;
    std::uint64_t a_low = a & mask, a_high = a >> 32;
    std::uint64_t b_low = b & mask, b_high = b >> 32;
    std::uint64_t low_low = a_low * b_low;
    std::uint64_t high_low = a_high * b_low;
    std::uint64_t low_high = a_low * b_high;
    std::uint64_t high_high = a_high * b_high;
    std::uint64_t middle = (low_low >> 32) + (high_low & mask) + (low_high & mask);
    return {high_high + (high_low >> 32) + (low_high >> 32) + (middle >> 32),
            (middle << 32) | (low_low & mask)};
}

// value * factor + addend, when the result fits in 128 bits.
constexpr UInt128 multiply_add(UInt128 value, std::uint64_t factor, std::uint64_t addend) noexcept {
    UInt128 low_part = multiply(value.low, factor);
    UInt128 result{low_part.high + value.high * factor, low_part.low};
    return add(result, UInt128{0, addend});
}

} // namespace calc
