// The four operations in extended precision, rounded twice: pairs where that differs from one
// rounding, the special values, and sweeps against the x87 unit itself where long double is
// the 80-bit format.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "calc/extended_arithmetic.h"
#include "calc/floating_point_reset.h"

namespace {

std::uint64_t bits_of(double value) {
    return std::bit_cast<std::uint64_t>(value);
}
double from_bits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

enum class Operation { add, subtract, multiply, divide };

double extended(Operation operation, double a, double b) {
    switch (operation) {
    case Operation::add:
        return calc::extended_add(a, b);
    case Operation::subtract:
        return calc::extended_subtract(a, b);
    case Operation::multiply:
        return calc::extended_multiply(a, b);
    case Operation::divide:
        return calc::extended_divide(a, b);
    }
    return 0;
}

// One rounding, as double arithmetic on SSE gives it.
double single(Operation operation, double a, double b) {
    volatile double x = a, y = b;
    switch (operation) {
    case Operation::add:
        return x + y;
    case Operation::subtract:
        return x - y;
    case Operation::multiply:
        return x * y;
    case Operation::divide:
        return x / y;
    }
    return 0;
}

struct Pair {
    Operation operation;
    double a;
    double b;
    double twice_rounded;
};

// Found by search against the x87 unit; each differs from the once-rounded result.
const Pair double_rounding_pairs[] = {
    // 1 + 2^-53 + 2^-105: at 64 bits the 2^-105 goes, leaving a tie that goes to even (1).
    {Operation::add, 1.0, 0x1.0000000000001p-53, 1.0},
    // 2 - (3 * 2^-53 - 2^-104): a tie after the first rounding, even is ...e.
    {Operation::subtract, 2.0, 0x1.7ffffffffffffp-52, 0x1.ffffffffffffep+0},
    {Operation::multiply, -0x1.744926f0da52fp+0, 0x1.d1f4164f4d62cp+0, -2.6469091116947183},
    {Operation::multiply, 137165.43851132685, 56043.645877378432, 7687251262.5441284},
    {Operation::multiply, 12433.926701570681, 79768.212435233159, 991832106.53500795},
    {Operation::divide, -0x1.825c861481fabp+0, -0x1.171777f4ff496p+0, 1.3843530878459718},
    {Operation::divide, -0x1.24274304705b7p+0, -0x1.11a474a3b06d4p+0, 1.0676465388923244},
    {Operation::divide, -0x1.ce3c4275689d3p+0, 0x1.1dd7868f5a7adp+0, -1.6171016004803143},
};

TEST(ExtendedArithmeticDoubleRounding, KnownPairsDifferFromOneRounding) {
    for (const Pair& pair : double_rounding_pairs) {
        double result = extended(pair.operation, pair.a, pair.b);
        EXPECT_EQ(bits_of(result), bits_of(pair.twice_rounded)) << pair.a << " " << pair.b;
        EXPECT_NE(bits_of(result), bits_of(single(pair.operation, pair.a, pair.b)));
    }
}

TEST(ExtendedArithmeticSpecialValues, InfinitiesNaNsAndSignedZeros) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        Operation operation;
        double a;
        double b;
        double expected; // NaN: any NaN
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {Operation::divide, 5, 0.0, inf},
        {Operation::divide, 5, -0.0, -inf},
        {Operation::divide, -5, 0.0, -inf},
        {Operation::divide, 0.0, 0.0, nan},
        {Operation::divide, inf, -inf, nan},
        {Operation::divide, inf, 2, inf},
        {Operation::divide, 2, -inf, -0.0},
        {Operation::divide, 0.0, -3, -0.0},
        {Operation::subtract, inf, inf, nan},
        {Operation::add, inf, -inf, nan},
        {Operation::add, -inf, -inf, -inf},
        {Operation::add, -inf, 1e308, -inf},
        {Operation::multiply, 0.0, inf, nan},
        {Operation::multiply, -inf, -0.0, nan},
        {Operation::multiply, -inf, 2, -inf},
        {Operation::multiply, -0.0, 3, -0.0},
        {Operation::add, -0.0, -0.0, -0.0},
        {Operation::add, -0.0, 0.0, 0.0},
        {Operation::subtract, 0.0, 0.0, 0.0},
        {Operation::subtract, -0.0, 0.0, -0.0},
        {Operation::subtract, 7, 7, 0.0},
        {Operation::add, -7, 7, 0.0},
        {Operation::add, nan, 1, nan},
        {Operation::multiply, 1, nan, nan},
        {Operation::multiply, DBL_MAX, 2, inf},
        {Operation::add, DBL_MAX, DBL_MAX, inf},
        {Operation::multiply, -DBL_MAX, DBL_MAX, -inf},
        {Operation::divide, 1e-300, 1e300, 0.0},
    };
    for (const Case& c : cases) {
        double result = extended(c.operation, c.a, c.b);
        if (std::isnan(c.expected)) {
            EXPECT_TRUE(std::isnan(result)) << c.a << " " << c.b;
        } else {
            EXPECT_EQ(bits_of(result), bits_of(c.expected)) << c.a << " " << c.b;
        }
    }
}

TEST(ExtendedArithmeticSubnormals, ResultsAreRoundedAtTheirOwnPrecision) {
    const double smallest = from_bits(1);
    EXPECT_EQ(bits_of(calc::extended_multiply(smallest, 0.5)), 0u);     // tie to even: 0
    EXPECT_EQ(bits_of(calc::extended_multiply(smallest, 0.75)), 1u);    // above half
    EXPECT_EQ(bits_of(calc::extended_multiply(from_bits(3), 0.5)), 2u); // 1.5 -> 2
    EXPECT_EQ(bits_of(calc::extended_divide(from_bits(5), 2.0)), 2u);   // 2.5 -> 2
    EXPECT_EQ(bits_of(calc::extended_subtract(DBL_MIN, from_bits(1))),
              0x000FFFFFFFFFFFFFu); // the largest subnormal
}

#if LDBL_MANT_DIG == 64
// The x87 unit as reference: long double is its 80-bit format here, with the precision
// control at 64 bits; the conversion to double is the second rounding.
double x87(Operation operation, double a, double b) {
    volatile long double x = a, y = b;
    volatile long double result = 0;
    switch (operation) {
    case Operation::add:
        result = x + y;
        break;
    case Operation::subtract:
        result = x - y;
        break;
    case Operation::multiply:
        result = x * y;
        break;
    case Operation::divide:
        result = x / y;
        break;
    }
    volatile double stored = static_cast<double>(result);
    return stored;
}

void expect_like_x87(double a, double b) {
    for (Operation operation :
         {Operation::add, Operation::subtract, Operation::multiply, Operation::divide}) {
        double expected = x87(operation, a, b);
        double actual = extended(operation, a, b);
        if (std::isnan(expected)) {
            ASSERT_TRUE(std::isnan(actual)) << std::hexfloat << a << " " << b;
        } else {
            ASSERT_EQ(bits_of(actual), bits_of(expected))
                << static_cast<int>(operation) << ": " << std::hexfloat << a << " " << b;
        }
    }
}

class ExtendedArithmeticAgainstX87 : public ::testing::Test {
  protected:
    void SetUp() override { calc::reset_floating_point(); }
};

TEST_F(ExtendedArithmeticAgainstX87, RandomBitPatterns) {
    std::mt19937_64 random(1);
    for (int i = 0; i < 200000; ++i)
        expect_like_x87(from_bits(random()), from_bits(random()));
}

TEST_F(ExtendedArithmeticAgainstX87, NearbyExponentsWhereRoundingIsDecided) {
    std::mt19937_64 random(2);
    for (int i = 0; i < 300000; ++i) {
        std::uint64_t a = random(), b = random();
        // Same or close exponents, so sums cancel and products stay in range.
        std::uint64_t exponent = 0x3FF0000000000000u + ((random() % 8) << 52);
        a = (a & 0x800FFFFFFFFFFFFFu) | 0x3FF0000000000000u;
        b = (b & 0x800FFFFFFFFFFFFFu) | exponent;
        if ((random() & 3) == 0) b = (b & ~std::uint64_t{0xFFFFFF}) | (random() & 3); // short
        expect_like_x87(from_bits(a), from_bits(b));
    }
}

TEST_F(ExtendedArithmeticAgainstX87, EdgeOperands) {
    std::vector<double> edges = {0.0,
                                 -0.0,
                                 1.0,
                                 -1.0,
                                 0.5,
                                 3.0,
                                 0.1,
                                 DBL_MAX,
                                 -DBL_MAX,
                                 DBL_MIN,
                                 from_bits(1),
                                 from_bits(0x000FFFFFFFFFFFFFu),
                                 from_bits(0x8000000000000003u),
                                 0x1.0000000000001p+0,
                                 0x1.fffffffffffffp+0,
                                 0x1.0000000000001p-53,
                                 0x1.7ffffffffffffp-52,
                                 1e308,
                                 1e-308,
                                 9007199254740993.0,
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN()};
    for (double a : edges) {
        for (double b : edges)
            expect_like_x87(a, b);
    }
}

TEST_F(ExtendedArithmeticAgainstX87, SubnormalResults) {
    std::mt19937_64 random(4);
    for (int i = 0; i < 200000; ++i) {
        // Products and quotients that land around the subnormal range.
        double a =
            from_bits((random() & 0x800FFFFFFFFFFFFFu) | ((0x100u + random() % 0x200u) << 52));
        double b =
            from_bits((random() & 0x800FFFFFFFFFFFFFu) | ((0x100u + random() % 0x100u) << 52));
        double c = from_bits(random() & 0x801FFFFFFFFFFFFFu); // subnormal or tiny normal
        expect_like_x87(a, b);
        expect_like_x87(c, a);
        expect_like_x87(c, from_bits(random() & 0x801FFFFFFFFFFFFFu));
    }
}
#endif

} // namespace
