// The byte-counting text operations of the backspace key, and the comparison of texts.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "calc/calculator.h"
#include "calc/conversions.h"

namespace {

using namespace std::string_view_literals;

TEST(TextByteLength, CountsBytesBeforeTheFirstZero) {
    EXPECT_EQ(calc::text_byte_length(""), 0);
    EXPECT_EQ(calc::text_byte_length("123"), 3);
    EXPECT_EQ(calc::text_byte_length("\xA3\xB1"), 2); // one full-width character, two bytes
    EXPECT_EQ(calc::text_byte_length("12\0"
                                     "34"sv),
              2);
}

TEST(TextLeft, TakesTheFirstBytes) {
    struct Case {
        std::string_view text;
        int count;
        std::string_view left;
    };
    const Case cases[] = {
        {"", 0, ""},
        {"123", 0, ""},
        {"123", -1, ""},
        {"123", -2147483647 - 1, ""},
        {"123", 2, "12"},
        {"123", 5, "123"},
        {"123", 3, "123"},
        {"7\xA3\xB1", 2, "7\xA3"}, // a two-byte character cut in half keeps its first byte
        {"12\0"
         "34"sv,
         4, "12"}, // the text ends at its zero byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calc::text_left(c.text, c.count), c.left) << c.text << " " << c.count;
    }
}

TEST(CompareText, OrdersBytesAsUnsignedWithPrefixesFirst) {
    struct Case {
        std::string_view a;
        std::string_view b;
        int order;
    };
    const Case cases[] = {
        {"", "", 0},
        {"+", "+", 0},
        {"", "+", -1}, // the absent or empty text sorts before any other
        {"+", "", 1},
        {"\xA1\xC1", "\xA1\xC2", -1}, // multiply before divide
        {"\xA1\xC1", "+", 1},         // bytes compare as unsigned: A1h after 2Bh
        {"12", "123", -1},
        {"12\0"
         "9"sv,
         "12", 0}, // only up to the terminating zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calc::compare_text(c.a, c.b), c.order) << c.a << " vs " << c.b;
    }
}

} // namespace
