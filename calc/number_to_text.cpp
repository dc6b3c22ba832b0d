// Number to text: the exact decimal digits of the value, shortened twice (to 17 digits, then
// to 13, each time half up and looking at one digit only), then written in the plain or the
// exponent form.
#include <bit>

#include "calc/big_unsigned.h"
#include "calc/conversions.h"
#include "calc/double_bits.h"
#include "calc/uint128.h"

namespace calc {
namespace {

using double_bits::exponent_mask;
using double_bits::fraction_mask;
using double_bits::sign_bit;

constexpr std::uint64_t ten_to_12 = 1000000000000u;
constexpr std::uint64_t ten_to_13 = 10000000000000u;
constexpr std::uint64_t ten_to_16 = 10000000000000000u;
constexpr std::uint64_t ten_to_17 = 100000000000000000u;
constexpr std::uint64_t ten_to_18 = 1000000000000000000u;

NumberText literal(std::string_view text) noexcept {
    NumberText result;
    for (char byte : text)
        result.append(byte);
    return result;
}

// floor(significand * 2^binary_exponent * 10^scale) for a result below 2^64.
//
// Fast path: for 0 <= scale <= 27 the factor 5^scale is below 2^63, so significand * 5^scale
// fits in 128 bits and the power of two is a shift; for scale < 0 and a value below 2^64 the
// integer value is divided by 10^-scale. Everything else is done with big integers.
std::uint64_t scaled_floor(std::uint64_t significand, int binary_exponent, int scale) noexcept {
    if (scale >= 0 && scale <= 27) {
        std::uint64_t five_power = 1;
        for (int i = 0; i < scale; ++i)
            five_power *= 5;
        UInt128 product = multiply(significand, five_power);
        int shift = binary_exponent + scale;
        if (shift <= 0) return shift_right(product, -shift).low;
        if (bit_length(product) + shift <= 64) return shift_left(product, shift).low;
    }
    if (scale < 0 && scale >= -19 && binary_exponent >= 0 &&
        64 - std::countl_zero(significand) + binary_exponent <= 64) {
        std::uint64_t divisor = 1;
        for (int i = 0; i < -scale; ++i)
            divisor *= 10;
        return (significand << binary_exponent) / divisor;
    }
    BigUnsigned numerator(significand);
    BigUnsigned denominator(1);
    if (binary_exponent >= 0) {
        numerator.shift_left(binary_exponent);
    } else {
        denominator.shift_left(-binary_exponent);
    }
    if (scale >= 0) {
        numerator.multiply_power_of_ten(scale);
    } else {
        denominator.multiply_power_of_ten(-scale);
    }
    bool unused_remainder = false;
    return divide_to_64_bits(numerator, denominator, unused_remainder);
}

// floor(log10(2^power)) for |power| < 1650, from 78913 / 2^18 just above log10(2).
int floor_log10_of_power_of_two(int power) noexcept {
    return (power * 78913) >> 18; // arithmetic shift: floor also for negative powers
}

void append_digits(NumberText& text, std::uint64_t digits, int count) noexcept {
    char buffer[20];
    for (int i = count - 1; i >= 0; --i) {
        buffer[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    for (int i = 0; i < count; ++i)
        text.append(buffer[i]);
}

} // namespace

NumberText number_to_text(double value) noexcept {
    auto bits = std::bit_cast<std::uint64_t>(value);
    bool negative = (bits & sign_bit) != 0;
    int biased = static_cast<int>((bits & exponent_mask) >> 52);
    std::uint64_t fraction = bits & fraction_mask;

    // Steps 1 to 3: infinities, NaN and zeros.
    if (biased == 0x7FF && fraction == 0) return literal(negative ? "-1.#INF" : "1.#INF");
    if (biased == 0x7FF) return literal("-1.#IND"); // every NaN, whatever its sign
    if (biased == 0 && fraction == 0) return literal("0");

    // |value| = significand * 2^binary_exponent.
    std::uint64_t significand = biased == 0 ? fraction : fraction | (fraction_mask + 1);
    int binary_exponent = biased == 0 ? -1074 : biased - 1075;
    int top_bit = binary_exponent + 63 - std::countl_zero(significand);

    // Step 4.1: the first 18 digits of the exact decimal expansion, truncated. The estimate of
    // the decimal exponent is the true one or one below it, so 18 or 19 digits come out; a
    // 19th is dropped by truncating once more (floor(floor(y) / 10) = floor(y / 10)).
    int decimal_exponent = floor_log10_of_power_of_two(top_bit);
    std::uint64_t eighteen = scaled_floor(significand, binary_exponent, 17 - decimal_exponent);
    if (eighteen >= ten_to_18) {
        eighteen /= 10;
        ++decimal_exponent;
    }
    // Half up to 17 digits, the 18th digit alone deciding.
    std::uint64_t seventeen = eighteen / 10 + (eighteen % 10 >= 5 ? 1 : 0);
    if (seventeen == ten_to_17) {
        seventeen = ten_to_16;
        ++decimal_exponent;
    }

    // Step 4.2: half up to 13 digits, the 14th digit alone deciding.
    std::uint64_t thirteen = seventeen / 10000 + ((seventeen / 1000) % 10 >= 5 ? 1 : 0);
    if (thirteen == ten_to_13) {
        thirteen = ten_to_12;
        ++decimal_exponent;
    }

    // Step 4.5 first: trailing zeros leave the digits; at least the first one stays.
    int digit_count = 13;
    while (digit_count > 1 && thirteen % 10 == 0) {
        thirteen /= 10;
        --digit_count;
    }

    NumberText text;
    if (negative) text.append('-'); // step 4.6
    if (decimal_exponent < -4 || decimal_exponent >= 13) {
        // Step 4.3: the exponent form, with at least three exponent digits.
        std::uint64_t power = 1;
        for (int i = 1; i < digit_count; ++i)
            power *= 10;
        append_digits(text, thirteen / power, 1);
        if (digit_count > 1) {
            text.append('.');
            append_digits(text, thirteen % power, digit_count - 1);
        }
        text.append('e');
        text.append(decimal_exponent < 0 ? '-' : '+');
        int magnitude = decimal_exponent < 0 ? -decimal_exponent : decimal_exponent;
        append_digits(text, static_cast<std::uint64_t>(magnitude), 3);
    } else if (decimal_exponent >= 0) {
        // Step 4.4, E >= 0: E + 1 digits before the point (zero-filled if trailing zeros went).
        int before_point = decimal_exponent + 1;
        if (digit_count <= before_point) {
            append_digits(text, thirteen, digit_count);
            for (int i = digit_count; i < before_point; ++i)
                text.append('0');
        } else {
            std::uint64_t power = 1;
            for (int i = before_point; i < digit_count; ++i)
                power *= 10;
            append_digits(text, thirteen / power, before_point);
            text.append('.');
            append_digits(text, thirteen % power, digit_count - before_point);
        }
    } else {
        // Step 4.4, E < 0: "0.", then -E - 1 zeros, then the digits.
        text.append('0');
        text.append('.');
        for (int i = 0; i < -decimal_exponent - 1; ++i)
            text.append('0');
        append_digits(text, thirteen, digit_count);
    }
    return text;
}

} // namespace calc
