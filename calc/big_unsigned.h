// A fixed-capacity unsigned big integer for the exact paths of the conversions. It never
// allocates; its capacity covers the largest value either conversion forms (below 2^1300:
// a 53-bit significand times 10^341, or an 80-bit integer shifted past 10^350).
#pragma once

#include <array>
#include <cstdint>

#include "calc/uint128.h"

namespace calc {

class BigUnsigned {
  public:
    static constexpr int capacity = 48; // 32-bit limbs, 1536 bits

    constexpr BigUnsigned() = default;
    explicit BigUnsigned(std::uint64_t value) noexcept;
    explicit BigUnsigned(UInt128 value) noexcept;

    bool is_zero() const noexcept { return size_ == 0; }
    int bit_length() const noexcept;
    // The number of low zero bits (0 for zero).
    int trailing_zero_bits() const noexcept;
    // The lowest 64 bits.
    std::uint64_t low_64() const noexcept;
    // The lowest 128 bits.
    UInt128 low_128() const noexcept;

    void multiply_small(std::uint32_t factor) noexcept;
    void multiply_power_of_five(int exponent) noexcept;
    void multiply_power_of_ten(int exponent) noexcept;
    void shift_left(int bits) noexcept;
    // Divides in place and returns the remainder.
    std::uint32_t divide_small(std::uint32_t divisor) noexcept;

    friend int compare(const BigUnsigned& a, const BigUnsigned& b) noexcept;
    // floor(dividend / divisor) for a quotient below 2^64, and whether a remainder is left.
    friend std::uint64_t divide_to_64_bits(const BigUnsigned& dividend, const BigUnsigned& divisor,
                                           bool& has_remainder) noexcept;

  private:
    void trim() noexcept;

    std::array<std::uint32_t, capacity> limbs_{}; // least significant first
    int size_ = 0;                                // limbs in use; the top one is non-zero
};

int compare(const BigUnsigned& a, const BigUnsigned& b) noexcept;
std::uint64_t divide_to_64_bits(const BigUnsigned& dividend, const BigUnsigned& divisor,
                                bool& has_remainder) noexcept;

} // namespace calc
