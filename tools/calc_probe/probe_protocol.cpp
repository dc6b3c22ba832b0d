#include "probe_protocol.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "calc/calculator.h"
#include "calc/conversions.h"
#include "calc/display.h"
#include "calc/memory_display.h"

namespace calc_probe {
namespace {

int hex_value(char digit) noexcept {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return -1;
}

std::optional<std::string> bytes_from_hex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int high = hex_value(hex[i]);
        int low = hex_value(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

std::string hex_from_bytes(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        auto value = static_cast<unsigned char>(byte);
        hex.push_back(digits[value >> 4]);
        hex.push_back(digits[value & 15]);
    }
    return hex;
}

std::string number_to_text_answer(std::string_view argument) {
    if (argument.size() != 16) return "error: n2t needs 16 hex digits";
    std::optional<std::string> bytes = bytes_from_hex(argument);
    if (!bytes) return "error: n2t needs 16 hex digits";
    std::uint64_t bits = 0;
    for (char byte : *bytes)
        bits = (bits << 8) | static_cast<unsigned char>(byte);
    return hex_from_bytes(calc::number_to_text(std::bit_cast<double>(bits)).view());
}

std::string text_to_number_answer(std::string_view argument) {
    std::optional<std::string> bytes = bytes_from_hex(argument);
    if (!bytes) return "error: t2n needs hex digits, two per byte";
    auto bits = std::bit_cast<std::uint64_t>(calc::text_to_number(*bytes));
    std::string hex;
    for (int shift = 56; shift >= 0; shift -= 8) {
        hex += hex_from_bytes(std::string(1, static_cast<char>((bits >> shift) & 0xFF)));
    }
    return hex;
}

std::vector<std::string_view> split_tokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    while (!text.empty()) {
        std::size_t space = text.find(' ');
        std::string_view token = text.substr(0, space);
        if (!token.empty()) tokens.push_back(token);
        if (space == std::string_view::npos) break;
        text.remove_prefix(space + 1);
    }
    return tokens;
}

// Runs one key token on the calculator; false for an unknown token.
bool press(std::string_view token, calc::MemoryDisplay& display) {
    static constexpr std::string_view digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    if (token.size() == 1 && token[0] >= '0' && token[0] <= '9') {
        calc::press_digit(digits[token[0] - '0']);
    } else if (token == ".") {
        calc::press_point();
    } else if (token == "+") {
        calc::press_operator(calc::symbol_add);
    } else if (token == "-") {
        calc::press_operator(calc::symbol_subtract);
    } else if (token == "*") {
        calc::press_operator(calc::symbol_multiply);
    } else if (token == "/") {
        calc::press_operator(calc::symbol_divide);
    } else if (token == "=") {
        calc::press_equals();
    } else if (token == "CE") {
        calc::press_clear_entry();
    } else if (token == "C") {
        calc::press_clear_all();
    } else if (token == "BS") {
        calc::press_backspace();
    } else if (token.starts_with("set:")) {
        std::optional<std::string> bytes = bytes_from_hex(token.substr(4));
        if (!bytes) return false;
        display.set_text(*bytes); // as if typed or pasted: the calculator state is untouched
    } else {
        return false;
    }
    return true;
}

std::string keys_answer(std::string_view argument) {
    std::vector<std::string_view> tokens = split_tokens(argument);
    calc::MemoryDisplay display;
    calc::reset_calculator_state();
    calc::use_display(&display);
    std::string result;
    for (std::string_view token : tokens) {
        if (!press(token, display)) {
            calc::use_display(nullptr);
            return "error: bad key token '" + std::string(token) + "'";
        }
        if (!result.empty()) result += ' ';
        result += display.text().empty() ? std::string("-") : hex_from_bytes(display.text());
    }
    calc::use_display(nullptr);
    return result;
}

} // namespace

std::string answer(std::string_view command) {
    if (!command.empty() && command.back() == '\r') command.remove_suffix(1);
    std::size_t space = command.find(' ');
    std::string_view name = command.substr(0, space);
    std::string_view argument =
        space == std::string_view::npos ? std::string_view() : command.substr(space + 1);
    if (name == "n2t") return number_to_text_answer(argument);
    if (name == "t2n") return text_to_number_answer(argument);
    if (name == "keys") return keys_answer(argument);
    if (name.empty()) return "error: empty command";
    return "error: unknown command '" + std::string(name) + "'";
}

} // namespace calc_probe
