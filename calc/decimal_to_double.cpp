#include "calc/decimal_to_double.h"

#include <bit>
#include <cfloat>
#include <limits>

#include "calc/big_unsigned.h"
#include "calc/binary_rounding.h"
#include "calc/powers_of_five.h"

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

namespace {

// Outcomes known without big numbers: zero, the written-exponent limits, and tighter bounds:
// N >= 1, so N * 10^309 exceeds the largest double; N < 10^25, so N * 10^-351 is below half
// the smallest subnormal (2.47e-324).
bool decide_by_range(const DecimalNumber& number, double& result) noexcept {
    bool negative = number.negative;
    std::int64_t m = number.exponent;
    if (is_zero(number.digits) || m < -exponent_limit || m < -350) {
        result = signed_zero(negative);
    } else if (m > exponent_limit || m >= 309) {
        result = signed_infinity(negative);
    } else {
        return false;
    }
    return true;
}

// Values exact in the 80-bit working mantissa, shortened by the conversion's own rule.
bool decide_exact_value(const DecimalNumber& number, double& result) noexcept {
    std::int64_t m = number.exponent;
    if (m >= 0) {
        // N * 10^m = (odd part of N) * 5^m * 2^(trailing zeros of N + m): exact if the odd
        // factor stays within 80 bits.
        UInt128 odd = number.digits;
        int trailing = 0;
        while ((odd.low & 1u) == 0) {
            odd = shift_right(odd, 1);
            ++trailing;
        }
        for (std::int64_t i = 0; i < m; ++i) {
            odd = multiply_add(odd, 5, 0);
            if (bit_length(odd) > exact_bits_limit) return false;
        }
        result = shorten_exact_value(number.negative, odd, trailing + static_cast<int>(m));
        return true;
    }
    // N * 10^-j is a binary fraction only if 5^j divides N, which needs j <= 34 (5^35 > 10^24
    // >= N); it then has fewer than 80 bits.
    int j = static_cast<int>(-m);
    if (j > 34) return false;
    if (number.digits.high == 0 && number.digits.low % 5 != 0) return false; // the usual case
    BigUnsigned quotient(number.digits);
    for (int divided = 0; divided < j; ++divided) {
        if (quotient.divide_small(5) != 0) return false;
    }
    result = shorten_exact_value(number.negative, quotient.low_128(), -j);
    return true;
}

// The nearest double from a 128-bit approximation: with w = N shifted up to 64 bits and T the
// truncated power of five, the high 128 bits H of w * T satisfy H <= value < H + 2 (in H's
// units). Rounding is monotonic, so when H and H + 2 round to the same double, so does the
// value; otherwise (rarely, near a halfway point) the caller uses big integers.
bool decide_by_approximation(const DecimalNumber& number, double& result) noexcept {
    if (number.digits.high != 0) return false;
    int m = static_cast<int>(number.exponent);
    int leading_zeros = std::countl_zero(number.digits.low);
    std::uint64_t w = number.digits.low << leading_zeros;
    PowerOfFive power = power_of_five(m);
    UInt128 low_product = multiply(w, power.mantissa.low);
    UInt128 high = add(multiply(w, power.mantissa.high), UInt128{0, low_product.high});
    int exponent = 64 + power.binary_exponent + m - leading_zeros;
    UInt128 upper = add(high, UInt128{0, 2});
    // H >= 2^126, so the top 64 bits carry at least 63 significant bits.
    double lower_result =
        round_to_nearest_double(number.negative, high.high, exponent + 64, high.low != 0);
    double upper_result =
        round_to_nearest_double(number.negative, upper.high, exponent + 64, upper.low != 0);
    if (std::bit_cast<std::uint64_t>(lower_result) != std::bit_cast<std::uint64_t>(upper_result)) {
        return false;
    }
    result = lower_result;
    return true;
}

// The nearest double by exact big-integer division; no tie can occur here, because values
// that are exact binary numbers were decided before.
double decide_by_big_integers(const DecimalNumber& number) noexcept {
    int m = static_cast<int>(number.exponent);
    if (m >= 0) {
        BigUnsigned value(number.digits);
        value.multiply_power_of_five(m);
        return round_quotient(number.negative, value, BigUnsigned(1), m);
    }
    BigUnsigned power(1);
    power.multiply_power_of_ten(-m);
    return round_quotient(number.negative, BigUnsigned(number.digits), power, 0);
}

} // namespace

double decimal_to_double_exact(const DecimalNumber& number) noexcept {
    double result = 0.0;
    if (decide_by_range(number, result) || decide_exact_value(number, result)) return result;
    return decide_by_big_integers(number);
}

bool decimal_to_double_approximate(const DecimalNumber& number, double& result) noexcept {
    if (decide_by_range(number, result) || decide_exact_value(number, result)) return true;
    return decide_by_approximation(number, result);
}

double decimal_to_double(const DecimalNumber& number) noexcept {
    double result = 0.0;
    if (decimal_to_double_fast(number, result)) return result;
    if (decimal_to_double_approximate(number, result)) return result;
    return decide_by_big_integers(number);
}

} // namespace calc
