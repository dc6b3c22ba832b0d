// Code page 936 at the host's edge: round trips, invalid bytes, characters it lacks.
#include "platform/qt/text_conversion.h"

#include <gtest/gtest.h>

namespace {

using platform::qt::from_cp936;
using platform::qt::to_cp936;

TEST(TextConversion, RoundTripsAsciiAndChinese) {
    for (const std::string& text :
         {std::string(""), std::string("12.3-"), std::string("Tamsel\xBC\xC6\xCB\xE3\xC6\xF7"),
          std::string("\xA1\xC1\xA1\xC2")}) // × ÷
        EXPECT_EQ(to_cp936(from_cp936(text)), text);
    EXPECT_EQ(from_cp936("\xBC\xC6"), QString::fromUtf8("计"));
    EXPECT_EQ(from_cp936("\xA1\xC1"), QString(QChar(0x00D7)));
}

TEST(TextConversion, InvalidBytesBecomeReplacementCharacters) {
    // A lead byte cut off at the end, and a byte that starts no character.
    EXPECT_EQ(from_cp936("1\xBC"), QString::fromUtf8("1\uFFFD"));
    EXPECT_EQ(from_cp936("\xFF"
                         "2"),
              QString::fromUtf8("\uFFFD"
                                "2"));
}

TEST(TextConversion, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(to_cp936(QString::fromUtf8("a\U0001F600b")), "a?b");
    EXPECT_EQ(to_cp936(QString::fromUtf8("\u0e01")), "?"); // Thai
}

TEST(TextConversion, OffsetsCountBytesNotCharacters) {
    const QString text = QString::fromUtf8("吴12计");
    EXPECT_EQ(platform::qt::cp936_offset(text, 1), 2U);
    EXPECT_EQ(platform::qt::cp936_offset(text, 4), 6U);
    EXPECT_EQ(platform::qt::utf16_position(text, 2), 1);
    EXPECT_EQ(platform::qt::utf16_position(text, 3), 2);
    EXPECT_EQ(platform::qt::utf16_position(text, 5), 3) << "inside 计: its start";
    EXPECT_EQ(platform::qt::utf16_position(text, 99), 4);
}

} // namespace
