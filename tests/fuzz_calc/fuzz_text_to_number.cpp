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
#include "tests/calc/exact_beyond_53_bits.h"

namespace {

using calc_test::exact_beyond_53_bits;

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
