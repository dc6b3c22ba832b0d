// Conversions between the display text and numbers, and the two text operations of the
// backspace key. Texts are code page 936 byte strings; a text ends at its first zero byte
// (the display's text is zero-terminated), and an absent text is passed as the empty one.
// No locale setting affects any of these, and none of them fails.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// The number that the text begins with, or +0.0 when it begins with none. Full-width forms
// are folded by their code page 936 bytes; leading white space is skipped; at most 24
// significant digits count. Every byte sequence is accepted, in time linear in its length.
double text_to_number(std::string_view text) noexcept;

// The display text of a number: at most 13 significant digits; never empty, at most 20 bytes
// ("-1.797693134862e+308"). Held in place, so formatting never allocates.
class NumberText {
  public:
    static constexpr std::size_t max_length = 20;

    std::string_view view() const noexcept { return {bytes_.data(), length_}; }
    std::string str() const { return std::string(view()); }

    void append(char byte) noexcept {
        if (length_ < max_length) bytes_[length_++] = byte;
    }

  private:
    std::array<char, max_length> bytes_{};
    std::size_t length_ = 0;
};

NumberText number_to_text(double value) noexcept;

// The number of bytes before the first zero byte (at most INT32_MAX).
std::int32_t text_byte_length(std::string_view text) noexcept;

// The first `count` bytes of the text (up to its first zero byte); empty for count <= 0.
// Bytes are counted, so a two-byte character can be cut in half.
std::string text_left(std::string_view text, std::int32_t count);

} // namespace calc
