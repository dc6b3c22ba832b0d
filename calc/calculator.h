// The calculator: its state and the action behind each key of the keypad. No operator
// precedence and no chaining: an operator key records the left operand and the operator, and
// only equals computes, always with the recorded left operand and the number shown.
#pragma once

#include <cstdint>
#include <string_view>

namespace calc {

// The operator symbols, constant texts used only as tags (code page 936 bytes for x and /).
inline constexpr char symbol_add[] = "+";
inline constexpr char symbol_subtract[] = "-";
inline constexpr char symbol_multiply[] = "\xA1\xC1";
inline constexpr char symbol_divide[] = "\xA1\xC2";

// The whole state of the calculator; the entry being typed lives only in the display.
struct CalculatorState {
    std::int32_t replace_on_next_digit = 0; // 1: the next digit or point replaces the display
    double first_operand = 0.0;             // left operand, from the last operator key
    const char* pending_operator = nullptr; // one of the symbols above, or absent
    double second_operand = 0.0;            // right operand, from the last equals key
};

// The program's one calculator, initialised statically.
extern constinit CalculatorState calculator_state;

// Key actions; `digit` is "0" to "9", `symbol` one of the four symbols above.
void press_digit(std::string_view digit);
void press_point();
void press_operator(const char* symbol);
void press_equals();
void press_clear_entry();
void press_clear_all();
void press_backspace();

// -1, 0 or 1 as a sorts before, equal to or after b, byte by byte as unsigned values up to
// each text's first zero byte; a prefix sorts first. Absent texts are passed as empty ones.
int compare_text(std::string_view a, std::string_view b) noexcept;

// The exit routine: drops the reference to the pending operator.
void release_pending_operator() noexcept;

// Back to the initial values; only the tests and the probe use it, between cases.
void reset_calculator_state() noexcept;

} // namespace calc
