#pragma once
// The 21 picture buttons the generator draws: file name stem, size, role and symbol, and
// where the control sits in the window (used only to lay out the contact sheet).
#include "faces.h"
#include "symbols.h"

#include <array>
#include <string_view>

namespace picgen {

struct ButtonPictures {
    std::string_view stem; // files <stem>.normal.jpg, <stem>.hover.jpg, <stem>.pressed.jpg
    std::string_view control;
    int left, top, width, height;
    Role role;
    Symbol symbol;
};

// clang-format off
inline constexpr std::array<ButtonPictures, 21> buttons = {{
    /* stem            control         left  top   w   h  role               symbol */
    {"title_minimise", "最小化",        190,   1, 32, 32, Role::TitleButton, Symbol::MinimiseBar},
    {"title_close",    "关闭",          224,   1, 32, 32, Role::TitleButton, Symbol::CloseCross},
    {"key_add",        "按钮_加法",       6,  72, 48, 48, Role::Key, Symbol::Plus},
    {"key_1",          "按钮_1",         56,  72, 48, 48, Role::Key, Symbol::Digit1},
    {"key_2",          "按钮_2",        106,  72, 48, 48, Role::Key, Symbol::Digit2},
    {"key_3",          "按钮_3",        156,  72, 48, 48, Role::Key, Symbol::Digit3},
    {"key_backspace",  "按钮_退格",     206,  72, 48, 40, Role::Key, Symbol::Backspace},
    {"key_subtract",   "按钮_减法",       6, 122, 48, 48, Role::Key, Symbol::Minus},
    {"key_4",          "按钮_4",         56, 122, 48, 48, Role::Key, Symbol::Digit4},
    {"key_5",          "按钮_5",        106, 122, 48, 48, Role::Key, Symbol::Digit5},
    {"key_6",          "按钮_6",        156, 122, 48, 48, Role::Key, Symbol::Digit6},
    {"key_c",          "按钮_C",        206, 114, 48, 40, Role::Key, Symbol::LetterC},
    {"key_multiply",   "按钮_乘法",       6, 172, 48, 48, Role::Key, Symbol::Times},
    {"key_7",          "按钮_7",         56, 172, 48, 48, Role::Key, Symbol::Digit7},
    {"key_8",          "按钮_8",        106, 172, 48, 48, Role::Key, Symbol::Digit8},
    {"key_9",          "按钮_9",        156, 172, 48, 48, Role::Key, Symbol::Digit9},
    {"key_ce",         "按钮_CE",       206, 156, 48, 40, Role::Key, Symbol::LettersCE},
    {"key_divide",     "按钮_除法",       6, 222, 48, 48, Role::Key, Symbol::Divide},
    {"key_0",          "按钮_0",         57, 222, 96, 48, Role::Key, Symbol::Digit0},
    {"key_point",      "按钮_小数点",   156, 222, 48, 48, Role::Key, Symbol::Point},
    {"key_equals",     "按钮_等于",     206, 198, 48, 72, Role::Key, Symbol::Equals},
}};
// clang-format on

inline constexpr std::array<Look, 3> looks = {Look::Normal, Look::Hover, Look::Pressed};

inline constexpr std::string_view look_name(Look look) {
    switch (look) {
    case Look::Hover:
        return "hover";
    case Look::Pressed:
        return "pressed";
    case Look::Normal:
        break;
    }
    return "normal";
}

} // namespace picgen
