// The key machine on arbitrary key sequences and pasted texts: each input byte picks a key,
// or (byte 0xFF) pastes the following bytes up to the next 0xFF into the display. Checks
// that nothing crashes, that results stay within 20 bytes, and that the state keeps its
// invariants.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/calculator.h"
#include "calc/display.h"
#include "calc/memory_display.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr std::string_view digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    calc::MemoryDisplay display;
    calc::reset_calculator_state();
    calc::use_display(&display);
    for (std::size_t at = 0; at < size; ++at) {
        std::uint8_t byte = data[at];
        if (byte == 0xFF) {
            std::size_t end = at + 1;
            while (end < size && data[end] != 0xFF)
                ++end;
            display.set_text(
                std::string(reinterpret_cast<const char*>(data + at + 1), end - at - 1));
            at = end;
            continue;
        }
        switch (byte % 19) {
        case 10:
            calc::press_point();
            break;
        case 11:
            calc::press_operator(calc::symbol_add);
            break;
        case 12:
            calc::press_operator(calc::symbol_subtract);
            break;
        case 13:
            calc::press_operator(calc::symbol_multiply);
            break;
        case 14:
            calc::press_operator(calc::symbol_divide);
            break;
        case 15:
            calc::press_equals();
            break;
        case 16:
            calc::press_clear_entry();
            break;
        case 17:
            calc::press_clear_all();
            break;
        case 18:
            calc::press_backspace();
            break;
        default:
            calc::press_digit(digits[byte % 19]);
            break;
        }
        const calc::CalculatorState& state = calc::calculator_state;
        if (state.replace_on_next_digit != 0 && state.replace_on_next_digit != 1) std::abort();
        // After equals with an operator pending, the display holds a formatted result.
        if (byte % 19 == 15 && state.pending_operator != nullptr && display.text().size() > 20) {
            std::abort();
        }
    }
    calc::use_display(nullptr);
    return 0;
}
