// The value step of text-to-number: from the decimal number N * 10^m that the text spells
// (N below 2^80, at most 24 digits) to the double the calculator uses.
#pragma once

#include <cstdint>

#include "calc/uint128.h"

namespace calc {

struct DecimalNumber {
    bool negative = false;
    UInt128 digits;            // N, below 2^80
    std::int64_t exponent = 0; // m
};

// The result of the value step: exact values of at most 80 significant bits are shortened by
// the conversion's own rule (see shorten_exact_value), every other value goes to the nearest
// double; +-infinity above the largest double, +-0 below half the smallest subnormal.
double decimal_to_double(const DecimalNumber& number) noexcept;

// The same result from ordinary double arithmetic, for the common short inputs where that is
// provably exact; false when the input is not one of them. Exposed for the tests.
bool decimal_to_double_fast(const DecimalNumber& number, double& result) noexcept;

// The same result from a 128-bit approximation, for inputs of at most 64 bits where it is
// provably decided (nearly all); false otherwise. Exposed for the tests.
bool decimal_to_double_approximate(const DecimalNumber& number, double& result) noexcept;

// The same result from exact big-integer arithmetic, for every input. Exposed for the tests.
double decimal_to_double_exact(const DecimalNumber& number) noexcept;

} // namespace calc
