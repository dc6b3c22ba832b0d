// Text to number, in the four steps the calculator defines: fold full-width characters, skip
// leading white space, read the longest number at the start, and form its value.
#include <cstring>

#include "calc/conversions.h"
#include "calc/decimal_to_double.h"

namespace calc {
namespace {

// Step 1 happens on the fly: the reader hands out the text's characters already folded, so a
// 10 MB text is read once and never copied.
class FoldedReader {
  public:
    static constexpr int end = -1;
    static constexpr int other_wide = 0x100; // a two-byte character that folds to nothing

    explicit FoldedReader(std::string_view text) noexcept {
        auto bytes = reinterpret_cast<const unsigned char*>(text.data());
        const void* zero = text.empty() ? nullptr : std::memchr(text.data(), 0, text.size());
        position_ = bytes;
        end_ = zero != nullptr ? static_cast<const unsigned char*>(zero) : bytes + text.size();
    }

    // The next folded character without consuming it.
    int peek() const noexcept {
        FoldedReader copy = *this;
        return copy.next();
    }

    int next() noexcept {
        if (position_ == end_) return end;
        unsigned char first = *position_++;
        if (first < 0x80) return first;
        // A lead byte takes the following byte with it, whatever it is; a lone lead byte at
        // the very end is dropped and the text ends there.
        if (position_ == end_) return end;
        unsigned char second = *position_++;
        if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) return second - 0x80; // "！".."～"
        if (first == 0xA1 && second == 0xA1) return ' '; // ideographic space
        return other_wide;
    }

  private:
    const unsigned char* position_ = nullptr;
    const unsigned char* end_ = nullptr;
};

bool is_digit(int character) noexcept {
    return character >= '0' && character <= '9';
}

bool is_white_space(int character) noexcept {
    return character == ' ' || (character >= 0x09 && character <= 0x0D);
}

bool is_exponent_letter(int character) noexcept {
    return character == 'e' || character == 'E' || character == 'd' || character == 'D';
}

constexpr int max_significant_digits = 24;
constexpr std::int64_t exponent_cap = 5201;

} // namespace

double text_to_number(std::string_view text) noexcept {
    FoldedReader reader(text);

    // Step 2: leading white space.
    while (is_white_space(reader.peek()))
        reader.next();

    // Step 3.1: an optional sign.
    DecimalNumber number;
    int character = reader.peek();
    if (character == '+' || character == '-') {
        number.negative = character == '-';
        reader.next();
    }

    // Step 3.2: the mantissa. Leading zeros are not significant; of the significant digits
    // the first 24 are kept and the rest only move the decimal point. `point_position` counts
    // the significant digits before the point, less the zeros between the point and the
    // first significant digit, so the number is 0.d1d2d3... * 10^point_position.
    char kept[max_significant_digits] = {};
    std::int64_t significant = 0;
    std::int64_t point_position = 0;
    bool any_digit = false;
    bool seen_point = false;
    for (;;) {
        FoldedReader before = reader; // each character is decoded once
        character = reader.next();
        if (is_digit(character)) {
            any_digit = true;
            if (character == '0' && significant == 0) {
                if (seen_point) --point_position;
            } else {
                if (significant < max_significant_digits) {
                    kept[significant] = static_cast<char>(character - '0');
                }
                ++significant;
                if (!seen_point) ++point_position;
            }
        } else if (character == '.' && !seen_point) {
            seen_point = true;
        } else {
            reader = before;
            break;
        }
    }
    if (!any_digit) return 0.0;

    // Step 3.3: an optional exponent, which belongs to the number only if a digit follows
    // the letter and its optional sign. Its magnitude is capped while the digits are read.
    std::int64_t written_exponent = 0;
    if (is_exponent_letter(character)) {
        FoldedReader after_letter = reader;
        after_letter.next();
        bool exponent_negative = false;
        int sign = after_letter.peek();
        if (sign == '+' || sign == '-') {
            exponent_negative = sign == '-';
            after_letter.next();
        }
        if (is_digit(after_letter.peek())) {
            while (is_digit(after_letter.peek())) {
                written_exponent = written_exponent * 10 + (after_letter.next() - '0');
                if (written_exponent > exponent_cap) written_exponent = exponent_cap;
            }
            if (exponent_negative) written_exponent = -written_exponent;
        }
    }

    // Step 4.1: N from at most 24 significant digits. With more, N is the first 24 increased
    // by one if the 24th is 5 or more (the 24th itself decides, as the calculator always has).
    std::int64_t used = significant < max_significant_digits ? significant : max_significant_digits;
    UInt128 digits;
    for (std::int64_t i = 0; i < used; ++i) {
        digits = multiply_add(digits, 10, static_cast<std::uint64_t>(kept[i]));
    }
    if (significant > max_significant_digits && kept[max_significant_digits - 1] >= 5) {
        digits = add(digits, UInt128{0, 1}); // at most 10^24, still below 2^80
    }
    number.digits = digits;

    // Step 4.2: the power of ten that puts N in its place.
    number.exponent = point_position - used + written_exponent;

    // Steps 4.3 to 4.5: the value, with overflow and underflow keeping the text's sign.
    return decimal_to_double(number);
}

} // namespace calc
