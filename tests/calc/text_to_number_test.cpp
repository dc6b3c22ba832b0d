// Text to number: the documented table, full-width folding, the 24-digit and exponent caps,
// the shortening of exact values, range boundaries, hostile inputs, and sweeps against
// independent references.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "calc/big_unsigned.h"
#include "calc/conversions.h"
#include "calc/decimal_to_double.h"
#include "calc/powers_of_five.h"
#include "tests/calc/exact_beyond_53_bits.h"

namespace {

using calc_test::exact_beyond_53_bits;

using namespace std::string_view_literals;

std::uint64_t bits_of(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// Compares bit patterns, so that -0.0 and +0.0 differ.
#define EXPECT_SAME_DOUBLE(actual, expected)                                                       \
    EXPECT_EQ(bits_of(actual), bits_of(expected)) << (actual) << " vs " << (expected)

struct Case {
    std::string_view text;
    double value;
};

const double infinity = std::numeric_limits<double>::infinity();

TEST(TextToNumberTable, DocumentedTexts) {
    const Case cases[] = {
        {"", 0.0},
        {"   ", 0.0},
        {"12", 12},
        {" 12", 12},
        {"12 ", 12},
        {"005", 5},
        {"0.", 0},
        {".", 0},
        {"-", 0.0}, // no digit: +0
        {".5", 0.5},
        {"5.", 5},
        {"0.5", 0.5},
        {"1.2.3", 1.2},
        {"1..2", 1},
        {"-5", -5},
        {"+5", 5},
        {"--5", 0},
        {"+-5", 0},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"2d2", 200},
        {"1e", 1},
        {"1e+", 1},
        {"e5", 0},
        {"1,234", 1},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"1.#INF", 1},
        {"-1.#IND", -1},
        {"9.999998e+013", 99999980000000.0},
        {"1e400", infinity},
        {"-1e400", -infinity},
        {"1e-400", 0.0},
        {"-0", -0.0},
        {"9007199254740995", 9007199254740994.0},
        {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5}, // full-width 1 2 . 5
        {"\xA1\xA1\xA3\xB7", 7},                    // ideographic space, full-width 7
        {"\xA3\xAD\xA3\xB3", -3},                   // full-width minus, 3
    };
    for (const Case& c : cases)
        EXPECT_SAME_DOUBLE(calc::text_to_number(c.text), c.value) << c.text;
}

TEST(TextToNumberSyntax, SignsExponentsAndWhiteSpace) {
    const Case cases[] = {
        {"\t\n\v\f\r 8", 8},
        {"-.5e1", -5},
        {"5.e-1", 0.5},
        {"1D-2", 0.01},
        {"1e-", 1},
        {"1ee5", 1},
        {"1e5.5", 100000},
        {"- 5", 0.0},
        {"-0.0e-7", -0.0},
        {"-e5", 0.0},
        {"+.", 0.0},
        {"1e0005", 100000},
        {"0000000000000000000000000000000000001.5", 1.5},
        {"3\xA3\xC5\xA3\xAB\xA3\xB2", 300}, // full-width E + 2
        {"4\xA3\xE4"
         "2",
         400}, // full-width d, then an ordinary 2
        {"\xA3\xA0"
         "5",
         0}, // A3 A0 is not a folded form: it ends the number
        {"5\xA1\xA1"
         "5",
         5},              // an ideographic space ends it too
        {"6\xB0\xA1", 6}, // any other two-byte character ends it
        {"7\xA3", 7},     // a lone lead byte at the end is dropped
        {"\xA3", 0},
        {"\x80"
         "9",
         0}, // 80h takes the 9 with it as one two-byte character
        {"8\0"
         "9"sv,
         8}, // the text ends at its zero byte
        {"\xA3\0"
         "5"sv,
         0}, // a lead byte before the zero byte is alone
    };
    for (const Case& c : cases)
        EXPECT_SAME_DOUBLE(calc::text_to_number(c.text), c.value) << c.text;
}

TEST(TextToNumberExactShortening, HalfwayAndThreeQuarterCasesAreCutOff) {
    const Case cases[] = {
        {"9007199254740995", 9007199254740994.0},   // 2^53 + 3: halfway, cut
        {"18014398509481987", 18014398509481984.0}, // 2^54 + 3: three quarters, cut
        {"18014398509481989", 18014398509481988.0}, // 2^54 + 5: a quarter, cut
        {"18014398509481991", 18014398509481988.0}, // 2^54 + 7: two dropped bits, both 1
        {"36028797018963981", 36028797018963984.0}, // 2^55 + 13: dropped 101, goes up
        {"36028797018963982", 36028797018963976.0}, // 2^55 + 14: dropped 110, cut
        {"36028797018963983", 36028797018963984.0}, // 2^55 + 15: dropped 111, goes up
        {"9007199254740993", 9007199254740992.0},   // 2^53 + 1: halfway, cut (nearest even too)
        {"4503599627370497.5", 4503599627370497.0}, // exact binary fraction, halfway: cut
        {"-9007199254740995", -9007199254740994.0},
        {"90071992547409950", 90071992547409952.0}, // same digits times ten: 54 + 3 bits
        {"9.007199254740995e15", 9007199254740994.0},
    };
    for (const Case& c : cases)
        EXPECT_SAME_DOUBLE(calc::text_to_number(c.text), c.value) << c.text;
}

TEST(TextToNumberExactShortening, AgreesWithBitReferenceOnIntegersAbove2To53) {
    // For integers below 2^64 the rule is checked arithmetically: with r the dropped part and
    // h half a unit, the value goes up only if r >= h and r is not a multiple of h / 2.
    auto reference = [](std::uint64_t n) {
        int length = 64 - std::countl_zero(n);
        if (length <= 53) return static_cast<double>(n);
        std::uint64_t unit = std::uint64_t{1} << (length - 53);
        std::uint64_t dropped = n % unit;
        std::uint64_t half = unit / 2;
        bool up = dropped >= half && half >= 4 && dropped % (half / 2) != 0;
        return static_cast<double>(n - dropped) + (up ? static_cast<double>(unit) : 0.0);
    };
    std::mt19937_64 random(5);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t n = (random() >> (random() % 11)) | (std::uint64_t{1} << 53);
        std::string text = std::to_string(n);
        double actual = calc::text_to_number(text);
        ASSERT_EQ(bits_of(actual), bits_of(reference(n))) << text;
    }
}

TEST(TextToNumberDigitLimit, TheTwentyFourthDigitDecidesTheRoundUp) {
    // I = 6000000000000000 * 2^24 + 2^23 has 24 digits and lies exactly halfway between two
    // doubles (whose spacing is 2^24 there), so on its own it is cut off downwards. Written
    // with a 25th digit 0, the 24th digit (8) is 5 or more, so N becomes I + 1: just above
    // halfway, which goes up. The 25th digit itself never matters.
    const double down = calc::text_to_number("100663296000000008388608");
    const double up = std::nextafter(down, infinity);
    EXPECT_SAME_DOUBLE(down, 100663296000000000000000.0);
    EXPECT_SAME_DOUBLE(calc::text_to_number("100663296000000008388608.0"), up);
    EXPECT_SAME_DOUBLE(calc::text_to_number("100663296000000008388608.9"), up);
    // The 24th digit 4 (below 5): N is the first 24 digits, whatever follows.
    EXPECT_SAME_DOUBLE(calc::text_to_number("1.000000000000000000000004999"),
                       calc::text_to_number("1.00000000000000000000000"));
    // 25 nines: N rounds up to 10^24.
    EXPECT_SAME_DOUBLE(calc::text_to_number("9999999999999999999999999"), 1e25);
    // Digits beyond the 24th only move the point.
    EXPECT_SAME_DOUBLE(calc::text_to_number("123456789012345678901234111111e-6"),
                       calc::text_to_number("123456789012345678901234e0"));
}

TEST(TextToNumberExponentCap, WrittenExponentCountsAsAtMost5201) {
    const Case cases[] = {
        {"1e5200", infinity},
        {"1e99999999999999999999999999", infinity},
        {"-1e99999999999999999999999999", -infinity},
        {"1e-99999999999999999999999999", 0.0},
        {"-1e-5201", -0.0},
        {"0e99999", 0.0},
        {"1e308", 1e308},
        {"1e309", infinity},
        {"1e-324", 0.0},
    };
    for (const Case& c : cases)
        EXPECT_SAME_DOUBLE(calc::text_to_number(c.text), c.value) << c.text;
    // The cap applies to the written exponent alone: 10 digits before the point and an
    // exponent written as -5210 still give 10^(10 - 5201) -> 0.
    EXPECT_SAME_DOUBLE(calc::text_to_number("1000000000e-5210"), 0.0);
}

TEST(TextToNumberRange, BoundariesRoundToNearest) {
    const double smallest = std::bit_cast<double>(std::uint64_t{1});
    const Case cases[] = {
        // Half the smallest subnormal is 2.4703282292062327209e-324: just above it gives the
        // smallest subnormal, just below gives 0 (exactly half cannot be written with 24
        // digits, since it needs 751 of them).
        {"2.4703282292062328e-324", smallest},
        {"2.4703282292062327e-324", 0.0},
        {"-2.4703282292062328e-324", -smallest},
        {"4.940656458412e-324", smallest}, // the display's own text of it
        {"1.797693134862e+308", 1.797693134862e+308},
        // Above the largest double by less than half a unit: the largest double.
        {"1.7976931348623158e308", DBL_MAX},
        {"1.7976931348623159e308", infinity}, // beyond halfway to 2^1024
        {"2.2250738585072011e-308", 2.2250738585072011e-308},
        {"2.2250738585072012e-308", 2.2250738585072014e-308},
    };
    for (const Case& c : cases)
        EXPECT_SAME_DOUBLE(calc::text_to_number(c.text), c.value) << c.text;
}

TEST(TextToNumberHostileInput, LongTextsAreReadInLinearTime) {
    std::string ten_megabytes(10'000'000, '7');
    EXPECT_SAME_DOUBLE(calc::text_to_number(ten_megabytes), infinity);
    std::string hundred_thousand = "0." + std::string(100'000, '0') + "1";
    EXPECT_SAME_DOUBLE(calc::text_to_number(hundred_thousand), 0.0);
    std::string many_digits = "1" + std::string(100'000, '0') + "e-100000";
    EXPECT_SAME_DOUBLE(calc::text_to_number(many_digits), infinity); // 10^(100000 - 5201)
    std::string exponent_digits = "1e-" + std::string(5'000, '0') + "5";
    EXPECT_SAME_DOUBLE(calc::text_to_number(exponent_digits), 1e-5);
    std::string lead_bytes(1'000'001, '\xA3');
    EXPECT_SAME_DOUBLE(calc::text_to_number(lead_bytes), 0.0);
    std::string spaces = std::string(1'000'000, ' ') + "42";
    EXPECT_SAME_DOUBLE(calc::text_to_number(spaces), 42);
}

TEST(TextToNumberHostileInput, EveryTwoByteTextIsAccepted) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
            double value = calc::text_to_number(std::string_view(bytes, 2));
            ASSERT_TRUE(std::fabs(value) <= 99) << first << " " << second;
        }
    }
}

// Every text of up to 5 characters from an alphabet of the syntax's characters, against the
// C library's strtod in the "C" locale, which reads the same syntax once the letters d and D
// are turned into e (and which, for values this short, can only agree on the rounding).
TEST(TextToNumberSweep, ShortTextsAgreeWithTheCLibrary) {
    constexpr std::string_view alphabet = "019.eEdD+- ";
    std::string text;
    std::uint64_t checked = 0;
    auto check = [&](const std::string& candidate) {
        std::string for_library = candidate;
        for (char& c : for_library) {
            if (c == 'd' || c == 'D') c = 'e';
        }
        double expected = std::strtod(for_library.c_str(), nullptr);
        double actual = calc::text_to_number(candidate);
        ++checked;
        return bits_of(actual) == bits_of(expected) || (std::isnan(expected) && std::isnan(actual));
    };
    for (std::size_t length = 0; length <= 5; ++length) {
        std::size_t combinations = 1;
        for (std::size_t i = 0; i < length; ++i)
            combinations *= alphabet.size();
        for (std::size_t index = 0; index < combinations; ++index) {
            text.clear();
            for (std::size_t i = 0, rest = index; i < length; ++i, rest /= alphabet.size()) {
                text.push_back(alphabet[rest % alphabet.size()]);
            }
            ASSERT_TRUE(check(text)) << "'" << text << "': " << calc::text_to_number(text) << " vs "
                                     << std::strtod(text.c_str(), nullptr);
        }
    }
    EXPECT_GT(checked, 100000u);
}

// Random decimal numbers against strtod, which rounds to nearest; skipped are the values that
// are exact in 80 bits but not in 53, where the conversion's own shortening rule applies.
TEST(TextToNumberSweep, RandomDecimalsAgreeWithNearestRounding) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 300000; ++i) {
        std::uint64_t digits = random() >> (random() % 64);
        int exponent = static_cast<int>(random() % 700) - 360;
        if (digits == 0 || exact_beyond_53_bits(digits, exponent)) continue;
        std::string text = std::to_string(digits) + "e" + std::to_string(exponent);
        double expected = std::strtod(text.c_str(), nullptr);
        double actual = calc::text_to_number(text);
        ASSERT_EQ(bits_of(actual), bits_of(expected)) << text;
    }
}

TEST(TextToNumberSweep, FastPathAgreesWithExactPath) {
    std::mt19937_64 random(3);
    std::uint64_t fast = 0;
    for (int i = 0; i < 300000; ++i) {
        calc::DecimalNumber number;
        number.negative = (random() & 1) != 0;
        number.digits = calc::UInt128{0, random() >> (11 + random() % 53)};
        number.exponent = static_cast<std::int64_t>(random() % 45) - 25;
        double fast_result = 0;
        if (!calc::decimal_to_double_fast(number, fast_result)) continue;
        ++fast;
        double exact_result = calc::decimal_to_double_exact(number);
        ASSERT_EQ(bits_of(fast_result), bits_of(exact_result))
            << number.digits.low << "e" << number.exponent;
    }
    EXPECT_GT(fast, 100000u);
}

// Converting back: every text of a finite value reads as the value its 13 digits denote. Its
// digits are at most 13 and its exponent small, so strtod gives the nearest double, and the
// shortening rule can only differ when the value is exact beyond 53 bits (checked apart).
TEST(TextToNumberRoundTrip, TextsOfRandomDoublesReadBack) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 100000; ++i) {
        double value = std::bit_cast<double>(random());
        if (!std::isfinite(value)) continue;
        std::string text = calc::number_to_text(value).str();
        // The text's digits and exponent, read apart from text_to_number.
        std::string digits;
        int exponent = 0, point = -1;
        for (std::size_t at = 0; at < text.size(); ++at) {
            char c = text[at];
            if (c >= '0' && c <= '9') digits += c;
            if (c == '.') point = static_cast<int>(digits.size());
            if (c == 'e') {
                exponent = std::atoi(text.c_str() + at + 1);
                break;
            }
        }
        if (point >= 0) exponent -= static_cast<int>(digits.size()) - point;
        std::uint64_t n = std::stoull(digits);
        double expected = std::strtod(text.c_str(), nullptr);
        if (exact_beyond_53_bits(n, exponent)) {
            calc::DecimalNumber number{text[0] == '-', calc::UInt128{0, n}, exponent};
            expected = calc::decimal_to_double_exact(number);
        }
        ASSERT_EQ(bits_of(calc::text_to_number(text)), bits_of(expected)) << text;
    }
    EXPECT_SAME_DOUBLE(calc::text_to_number(calc::number_to_text(infinity).view()), 1.0);
    EXPECT_SAME_DOUBLE(calc::text_to_number(calc::number_to_text(-infinity).view()), -1.0);
    EXPECT_SAME_DOUBLE(calc::text_to_number(calc::number_to_text(std::nan("")).view()), -1.0);
}

} // namespace

namespace {

TEST(PowersOfFiveTable, EveryEntryIsTheTruncatedPower) {
    for (int q = calc::smallest_power_of_five; q <= calc::largest_power_of_five; ++q) {
        calc::PowerOfFive entry = calc::power_of_five(q);
        ASSERT_EQ(calc::bit_length(entry.mantissa), 128) << q;
        // T * 2^s <= 5^q < (T + 1) * 2^s, compared as integers after moving the powers of two
        // and five to the sides where they are whole.
        calc::BigUnsigned low(entry.mantissa);
        calc::BigUnsigned high(calc::add(entry.mantissa, calc::UInt128{0, 1}));
        calc::BigUnsigned power(1);
        if (q >= 0) {
            power.multiply_power_of_five(q);
        } else {
            low.multiply_power_of_five(-q);
            high.multiply_power_of_five(-q);
        }
        if (entry.binary_exponent >= 0) {
            low.shift_left(entry.binary_exponent);
            high.shift_left(entry.binary_exponent);
        } else {
            power.shift_left(-entry.binary_exponent);
        }
        ASSERT_LE(calc::compare(low, power), 0) << q;
        ASSERT_LT(calc::compare(power, high), 0) << q;
    }
}

TEST(TextToNumberSweep, ApproximationAgreesWithBigIntegers) {
    std::mt19937_64 random(23);
    std::uint64_t decided = 0;
    for (int i = 0; i < 200000; ++i) {
        calc::DecimalNumber number;
        number.negative = (random() & 1) != 0;
        number.digits = calc::UInt128{0, random() >> (random() % 64)};
        number.exponent = static_cast<std::int64_t>(random() % 700) - 370;
        double approximate = 0;
        if (!calc::decimal_to_double_approximate(number, approximate)) continue;
        ++decided;
        ASSERT_EQ(bits_of(approximate), bits_of(calc::decimal_to_double_exact(number)))
            << number.digits.low << "e" << number.exponent;
    }
    EXPECT_GT(decided, 190000u);
}

} // namespace
