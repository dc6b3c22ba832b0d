#include "calc/calculator.h"

#include <string>

#include "calc/conversions.h"
#include "calc/display.h"
#include "calc/extended_arithmetic.h"

namespace calc {

constinit CalculatorState calculator_state{};

namespace {

std::string_view text_or_empty(const char* text) noexcept {
    return text != nullptr ? std::string_view(text) : std::string_view();
}

bool pending_is(const char* symbol) noexcept {
    return compare_text(text_or_empty(calculator_state.pending_operator), symbol) == 0;
}

void show_result(double result) {
    set_display_text(number_to_text(result).view());
    calculator_state.replace_on_next_digit = 1;
}

} // namespace

void press_digit(std::string_view digit) {
    if (calculator_state.replace_on_next_digit == 1) {
        set_display_text(digit);
        calculator_state.replace_on_next_digit = 0;
    } else {
        append_display_text(digit);
    }
}

void press_point() {
    if (calculator_state.replace_on_next_digit == 1) {
        set_display_text("0.");
        calculator_state.replace_on_next_digit = 0;
        return;
    }
    // No check for a point already present: a second press appends a second one.
    if (compare_text(read_display_text(), "") == 0) {
        append_display_text("0.");
    } else {
        append_display_text(".");
    }
}

void press_operator(const char* symbol) {
    calculator_state.first_operand = text_to_number(read_display_text());
    calculator_state.replace_on_next_digit = 1;
    calculator_state.pending_operator = symbol; // never computes, even if one was pending
}

void press_equals() {
    calculator_state.second_operand = text_to_number(read_display_text());
    double first = calculator_state.first_operand;
    double second = calculator_state.second_operand;
    // Four tests made each on its own; nothing below changes the pending operator, so at
    // most one holds, and none when no operator is pending.
    if (pending_is(symbol_add)) show_result(extended_add(first, second));
    if (pending_is(symbol_subtract)) show_result(extended_subtract(first, second));
    if (pending_is(symbol_multiply)) show_result(extended_multiply(first, second));
    if (pending_is(symbol_divide)) show_result(extended_divide(first, second));
}

void press_clear_entry() {
    set_display_text("");
}

void press_clear_all() {
    set_display_text("");
    calculator_state.first_operand = 0.0;
    calculator_state.second_operand = 0.0;
}

void press_backspace() {
    // Removes the last byte, not the last character: the keys only type one-byte
    // characters, and a pasted two-byte character loses its second byte.
    std::int32_t length = text_byte_length(read_display_text());
    set_display_text(text_left(read_display_text(), length - 1));
}

int compare_text(std::string_view a, std::string_view b) noexcept {
    std::size_t index = 0;
    for (;; ++index) {
        int left = index < a.size() ? static_cast<unsigned char>(a[index]) : 0;
        int right = index < b.size() ? static_cast<unsigned char>(b[index]) : 0;
        if (left != right) return left < right ? -1 : 1;
        if (left == 0) return 0;
    }
}

void release_pending_operator() noexcept {
    calculator_state.pending_operator = nullptr;
}

void reset_calculator_state() noexcept {
    calculator_state = CalculatorState{};
}

} // namespace calc
