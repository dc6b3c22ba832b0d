// Number to text: the documented table, the two-stage shortening, and a comparison with an
// independent string-based reference built on the C library's exact digit printing.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "calc/conversions.h"

namespace {

std::string text_of(double value) {
    return calc::number_to_text(value).str();
}

double from_bits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

TEST(NumberToTextTable, DocumentedValues) {
    const double infinity = std::numeric_limits<double>::infinity();
    volatile double zero = 0.0; // 0 / 0 at run time
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {5, "5"},
        {-5, "-5"},
        {0.5, "0.5"},
        {100, "100"},
        {123.456, "123.456"},
        {1.0 / 3.0, "0.3333333333333"},
        {2.0 / 3.0, "0.6666666666667"},
        {0.1 + 0.2, "0.3"},
        {3.141592653589793, "3.14159265359"},
        {1234567890123.0, "1234567890123"},
        {12345678901234.0, "1.234567890123e+013"},
        {9999999999999.5, "1e+013"},
        {99999980000001.0, "9.999998e+013"},
        {123456789000000.0, "1.23456789e+014"},
        {9007199254740992.0, "9.007199254741e+015"},
        {1e15, "1e+015"},
        {1e100, "1e+100"},
        {DBL_MAX, "1.797693134862e+308"},
        {-DBL_MAX, "-1.797693134862e+308"}, // the longest text: 20 bytes
        {from_bits(1), "4.940656458412e-324"},
        {0.0001, "0.0001"},
        {0.000123456, "0.000123456"},
        {0.00001, "1e-005"},
        {1.5e-7, "1.5e-007"},
        {-2.5e-10, "-2.5e-010"},
        {-0.001, "-0.001"},
        {infinity, "1.#INF"},
        {-infinity, "-1.#INF"},
        {zero / zero, "-1.#IND"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text_of(c.value), c.text) << c.text;
}

TEST(NumberToTextNaN, EveryNaNIsIndefinite) {
    for (std::uint64_t bits :
         {0x7FF8000000000000u, 0xFFF8000000000000u, 0x7FF0000000000001u, 0xFFFFFFFFFFFFFFFFu}) {
        EXPECT_EQ(text_of(from_bits(bits)), "-1.#IND") << std::hex << bits;
    }
}

TEST(NumberToTextTwoStageShortening, DigitsFourteenToEighteen49995RaiseTheThirteenth) {
    // 1.390973406940499979...: digits 14 to 18 are 4 9 9 9 7. Shortened to 17 digits they
    // become ...4050000, and the 14th digit 5 then raises the 13th; one shortening to 13
    // digits would have given 1.39097340694.
    EXPECT_EQ(text_of(1.3909734069405), "1.390973406941");
    EXPECT_EQ(text_of(8.4258654853785), "8.425865485379");
}

TEST(NumberToTextCarry, NinesCarryIntoANewLeadingDigit) {
    EXPECT_EQ(text_of(9.99999999999996), "10");
    EXPECT_EQ(text_of(0.099999999999999), "0.1");
    EXPECT_EQ(text_of(0.0000999999999999999), "0.0001"); // the carry makes E = -4: plain
    EXPECT_EQ(text_of(999999999999.99999), "1000000000000");
    EXPECT_EQ(text_of(-9.9999999999999999e99), "-1e+100");
}

TEST(NumberToTextForms, PlainAndExponentBoundaries) {
    EXPECT_EQ(text_of(1e12), "1000000000000");
    EXPECT_EQ(text_of(1e13), "1e+013");
    EXPECT_EQ(text_of(0.00012), "0.00012");
    EXPECT_EQ(text_of(1e-300), "1e-300");
    EXPECT_EQ(text_of(1.25e-5), "1.25e-005");
    EXPECT_EQ(text_of(1e308), "1e+308");
    EXPECT_EQ(text_of(from_bits(0x0010000000000000)), "2.225073858507e-308"); // min normal
}

// The reference: exact digits from printf with enough precision to be exact (a double's
// expansion has at most 767 significant digits), then the two roundings and the layout done
// on strings.
std::string reference_text(double value) {
    if (std::isnan(value)) return "-1.#IND";
    if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
    if (value == 0) return "0";
    static char buffer[1000];
    std::snprintf(buffer, sizeof buffer, "%.800e", std::fabs(value));
    std::string printed = buffer;
    std::string digits = printed.substr(0, 1) + printed.substr(2, 17); // 18, truncated
    int exponent = std::stoi(printed.substr(printed.find('e') + 1));
    auto round_half_up = [&](std::size_t keep) {
        bool up = digits[keep] >= '5';
        digits.resize(keep);
        for (std::size_t i = keep; up && i-- > 0;) {
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                up = false;
            }
        }
        if (up) {
            digits = "1" + digits.substr(0, keep - 1);
            ++exponent;
        }
    };
    round_half_up(17);
    round_half_up(13);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string text = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 13) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) text += "." + digits.substr(1);
        char exponent_text[16];
        std::snprintf(exponent_text, sizeof exponent_text, "e%c%03d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        text += exponent_text;
    } else if (exponent >= 0) {
        auto before = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= before) {
            text += digits + std::string(before - digits.size(), '0');
        } else {
            text += digits.substr(0, before) + "." + digits.substr(before);
        }
    } else {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return text;
}

void expect_matches_reference(double value) {
    std::string expected = reference_text(value);
    std::string actual = text_of(value);
    ASSERT_EQ(actual, expected) << "bits " << std::hex << std::bit_cast<std::uint64_t>(value);
    ASSERT_LE(actual.size(), calc::NumberText::max_length);
}

TEST(NumberToTextReference, RandomBitPatterns) {
    std::mt19937_64 random(20240601);
    for (int i = 0; i < 20000; ++i)
        expect_matches_reference(from_bits(random()));
}

TEST(NumberToTextReference, SubnormalsAndNormalBoundary) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 3000; ++i) {
        expect_matches_reference(from_bits(random() & 0x800FFFFFFFFFFFFFu));
    }
    for (std::uint64_t bits = 1; bits < 200; ++bits)
        expect_matches_reference(from_bits(bits));
    for (std::uint64_t bits = 0x000FFFFFFFFFFF00u; bits < 0x0010000000000100u; ++bits) {
        expect_matches_reference(from_bits(bits));
    }
}

TEST(NumberToTextReference, PowersOfTenAndTheirNeighbours) {
    for (int exponent = -323; exponent <= 308; ++exponent) {
        double power = std::strtod(("1e" + std::to_string(exponent)).c_str(), nullptr);
        expect_matches_reference(power);
        expect_matches_reference(std::nextafter(power, 0.0));
        expect_matches_reference(std::nextafter(power, DBL_MAX));
    }
}

TEST(NumberToTextReference, DisplayLikeDecimals) {
    std::mt19937_64 random(99);
    for (int i = 0; i < 20000; ++i) {
        double value = static_cast<double>(random() % 100000000000000u) /
                       std::pow(10.0, static_cast<double>(random() % 20));
        expect_matches_reference(value);
        expect_matches_reference(-value / 3);
    }
}

} // namespace
