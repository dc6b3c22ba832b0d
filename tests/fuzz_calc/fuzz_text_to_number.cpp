// Arbitrary bytes into text_to_number (no crash, no undefined behaviour, no read past the
// text: the input is copied into an exactly sized buffer so the sanitizer sees any overread),
// and the round trip: the text of a finite double built from the bytes reads back as the
// value its 13 digits denote.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "calc/conversions.h"
#include "calc/decimal_to_double.h"

namespace {

// True when digits * 10^exponent is exact in 80 bits but not in 53: there the conversion's
// own shortening decides (halfway and three-quarter cases are cut off), not nearest rounding.
bool exact_beyond_53_bits(std::uint64_t digits, int exponent) {
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

void check_round_trip(double value) {
    if (!std::isfinite(value)) return;
    calc::NumberText shown = calc::number_to_text(value);
    std::string text = shown.str();
    if (text.size() > 20) std::abort();
    // Read the digits and exponent of the text without text_to_number.
    std::uint64_t digits = 0;
    int digit_count = 0, after_point = 0, exponent = 0;
    bool in_fraction = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++digit_count;
            if (in_fraction) ++after_point;
        } else if (c == '.') {
            in_fraction = true;
        } else if (c == 'e') {
            exponent = std::atoi(text.c_str() + at + 1);
            break;
        }
    }
    if (digit_count > 18) std::abort(); // at most 13 significant digits, plus leading zeros
    exponent -= after_point;
    // strtod rounds to nearest, correctly; 13 digits and a small exponent cannot be an exact
    // tie unless the value is an exact binary number, which exact_beyond_53_bits singles out.
    double expected = std::strtod(text.c_str(), nullptr);
    if (exact_beyond_53_bits(digits, exponent)) {
        calc::DecimalNumber number{text[0] == '-', calc::UInt128{0, digits}, exponent};
        expected = calc::decimal_to_double_exact(number);
    }
    double actual = calc::text_to_number(shown.view());
    if (std::bit_cast<std::uint64_t>(actual) != std::bit_cast<std::uint64_t>(expected)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto copy = std::make_unique<char[]>(size == 0 ? 1 : size);
    if (size != 0) std::memcpy(copy.get(), data, size);
    double value = calc::text_to_number(std::string_view(copy.get(), size));
    (void)value;

    if (size >= 8) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        check_round_trip(std::bit_cast<double>(bits));
    }
    return 0;
}
