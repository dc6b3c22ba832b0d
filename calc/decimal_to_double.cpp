#include "calc/decimal_to_double.h"

#include <cfloat>
#include <limits>

#include "calc/big_unsigned.h"
#include "calc/binary_rounding.h"

namespace calc {
namespace {

constexpr std::int64_t exponent_limit = 5200;
constexpr int exact_bits_limit = 80; // the working mantissa's width
constexpr std::uint64_t two_to_53 = std::uint64_t{1} << 53;

double signed_zero(bool negative) noexcept {
    return negative ? -0.0 : 0.0;
}

double signed_infinity(bool negative) noexcept {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    return negative ? -infinity : infinity;
}

// The nearest double to numerator / denominator * 2^exponent. The quotient is formed with 62
// to 64 significant bits, enough below the 53 kept bits for the remainder to act as a sticky
// bit; a tie cannot occur because the callers only pass values that are not exact halves.
double round_quotient(bool negative, BigUnsigned numerator, BigUnsigned denominator,
                      int exponent) noexcept {
    int scale = 63 - (numerator.bit_length() - denominator.bit_length());
    if (scale >= 0) {
        numerator.shift_left(scale);
    } else {
        denominator.shift_left(-scale);
    }
    bool inexact = false;
    std::uint64_t quotient = divide_to_64_bits(numerator, denominator, inexact);
    return round_to_nearest_double(negative, quotient, exponent - scale, inexact);
}

} // namespace

bool decimal_to_double_fast(const DecimalNumber& number, double& result) noexcept {
    // Powers of ten up to 10^22 are exact doubles (5^22 < 2^53).
    static constexpr double powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (number.digits.high != 0 || number.digits.low > two_to_53) return false;
    std::uint64_t digits = number.digits.low;
    if (digits == 0) {
        result = signed_zero(number.negative);
        return true;
    }
    if (number.exponent >= 0) {
        if (number.exponent > 15) return false; // 10^16 > 2^53
        // An integer up to 2^53 is exact as a double: no shortening happens at all.
        std::uint64_t scaled = digits;
        for (std::int64_t i = 0; i < number.exponent; ++i) {
            if (scaled > two_to_53 / 10) return false;
            scaled *= 10;
        }
        double value = static_cast<double>(scaled);
        result = number.negative ? -value : value;
        return true;
    }
#if FLT_EVAL_METHOD == 0
    if (number.exponent >= -22) {
        // One correctly rounded division of two exact doubles. If N / 10^j is a binary
        // fraction, it has fewer than 53 bits and comes out exact; otherwise it is no tie,
        // so the nearest double is what the conversion asks for. (Only where doubles are
        // computed as doubles: an x87 unit set to 64 bits would round twice.)
        double value =
            static_cast<double>(digits) / powers_of_ten[static_cast<std::size_t>(-number.exponent)];
        result = number.negative ? -value : value;
        return true;
    }
#endif
    return false;
}

double decimal_to_double_exact(const DecimalNumber& number) noexcept {
    bool negative = number.negative;
    if (is_zero(number.digits)) return signed_zero(negative);
    std::int64_t m = number.exponent;
    if (m > exponent_limit) return signed_infinity(negative);
    if (m < -exponent_limit) return signed_zero(negative);
    // Tighter bounds known without big numbers: N >= 1, so N * 10^309 exceeds the largest
    // double; N < 10^25, so N * 10^-351 is below half the smallest subnormal (2.47e-324).
    if (m >= 309) return signed_infinity(negative);
    if (m < -350) return signed_zero(negative);

    if (m >= 0) {
        // N * 10^m = (odd part of N) * 5^m * 2^(trailing zeros of N + m). If the odd factor
        // stays within 80 bits the value is exact in the working mantissa.
        UInt128 odd = number.digits;
        int trailing = 0;
        while ((odd.low & 1u) == 0) {
            odd = shift_right(odd, 1);
            ++trailing;
        }
        bool exact = true;
        for (std::int64_t i = 0; i < m && exact; ++i) {
            odd = multiply_add(odd, 5, 0);
            exact = bit_length(odd) <= exact_bits_limit;
        }
        if (exact) {
            return shorten_exact_value(negative, odd, trailing + static_cast<int>(m));
        }
        BigUnsigned value(number.digits);
        value.multiply_power_of_five(static_cast<int>(m));
        return round_quotient(negative, value, BigUnsigned(1), static_cast<int>(m));
    }

    // N * 10^-j is a binary fraction only if 5^j divides N, which needs j <= 34 (5^35 > 10^24
    // >= N); it then has fewer than 80 bits and is exact in the working mantissa.
    int j = static_cast<int>(-m);
    if (j <= 34) {
        BigUnsigned quotient(number.digits);
        int divided = 0;
        while (divided < j) {
            BigUnsigned attempt = quotient;
            if (attempt.divide_small(5) != 0) break;
            quotient = attempt;
            ++divided;
        }
        if (divided == j) return shorten_exact_value(negative, quotient.low_128(), -j);
    }
    BigUnsigned power(1);
    power.multiply_power_of_ten(j);
    return round_quotient(negative, BigUnsigned(number.digits), power, 0);
}

double decimal_to_double(const DecimalNumber& number) noexcept {
    double result = 0.0;
    if (decimal_to_double_fast(number, result)) return result;
    return decimal_to_double_exact(number);
}

} // namespace calc
